// Following sentences and words between the translator window's panes, offscreen,
// after a real translation: a double click selects the counterpart, and the
// followers keep up with edits of the panes.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "MalySlownik.h"
#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untTlumaczReczne.h"

namespace velmar {
namespace {

class MainFollowing : public ::testing::Test {
protected:
    MainFollowing()
    {
        Ustawienia().ZaznaczNieznane = false;
        Ustawienia().ZaznaczNieprzetlumaczone = false;
        Ustawienia().ZaznaczWieloznaczne = false;
        Ustawienia().SledzZdania = true;
        Ustawienia().SledzSlowa = false;
        UstawPytanie(&questions);
        TPanel(window.SourcePane(), jezFrancuski).SetText("temps chat\rchat beau");
        window.TranslateAction()->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    }
    ~MainFollowing() override
    {
        Ustawienia().SledzZdania = false;
        Ustawienia().SledzSlowa = false;
        Ustawienia().TrybPracy = 0;
        UstawPytanie(nullptr);
    }

    static std::string Selected(QTextEdit* pane, std::uint8_t language)
    {
        return ToUtf8(TPanel(pane, language).SelText(), language);
    }
    std::string SourceSelection() { return Selected(window.SourcePane(), jezFrancuski); }
    std::string TargetSelection() { return Selected(window.TargetPane(), jezPolski); }
    int TargetPosition(const char* text)
    {
        return static_cast<int>(window.TargetPane()->toPlainText().indexOf(QString::fromUtf8(text)));
    }

    test::MalySlownik dictionary;
    TPytanieSkryptowe questions;
    TfrmMain window;
};

TEST_F(MainFollowing, ASentenceSelectsItsTranslationAndBack)
{
    ASSERT_EQ(window.Follower(0).Count(), 2);
    ASSERT_TRUE(window.FollowAt(0, 14));
    EXPECT_EQ(SourceSelection(), "chat beau");
    EXPECT_NE(TargetSelection().find("kot"), std::string::npos) << TargetSelection();
    EXPECT_EQ(TargetSelection().find("czas"), std::string::npos) << TargetSelection();

    ASSERT_TRUE(window.FollowAt(1, TargetPosition("czas")));
    EXPECT_EQ(SourceSelection(), "temps chat");
}

TEST_F(MainFollowing, AWordLandsOnItsTranslation)
{
    Ustawienia().SledzZdania = false;
    Ustawienia().SledzSlowa = true;
    ASSERT_TRUE(window.FollowAt(0, 1)); // in "temps"
    EXPECT_EQ(SourceSelection(), "temps");
    EXPECT_EQ(TargetSelection(), "czas {pogoda}");
    ASSERT_TRUE(window.FollowAt(1, TargetPosition("kot")));
    EXPECT_EQ(SourceSelection(), "chat");
}

TEST_F(MainFollowing, AnEditBeforeASentenceShiftsItAndADeletionRemovesIt)
{
    QTextCursor start(window.SourcePane()->document());
    start.insertText("Oh! ");
    ASSERT_TRUE(window.FollowAt(0, 18));
    EXPECT_EQ(SourceSelection(), "chat beau");

    QTextCursor first(window.SourcePane()->document());
    first.setPosition(4);
    first.setPosition(15, QTextCursor::KeepAnchor);
    first.removeSelectedText(); // the first paragraph
    EXPECT_TRUE(window.Follower(0).Sentence(0)->Removed());
    EXPECT_FALSE(window.FollowAt(1, TargetPosition("czas"))) << "its source is gone";
    ASSERT_TRUE(window.FollowAt(0, 5));
    EXPECT_EQ(SourceSelection(), "chat beau");
}

TEST_F(MainFollowing, ADoubleClickFollows)
{
    const QRect caret = window.SourcePane()->cursorRect(QTextCursor(window.SourcePane()->document()));
    QTest::mouseDClick(window.SourcePane()->viewport(), Qt::LeftButton, {}, caret.center() + QPoint(2, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return SourceSelection() == "temps chat"; }, 1000)) << SourceSelection();
}

TEST_F(MainFollowing, RetranslationReplacesOnlyTheFollowedSentence)
{
    EXPECT_FALSE(window.RetranslateAction()->isVisible());
    ASSERT_TRUE(window.FollowAt(0, 1));
    ASSERT_TRUE(window.RetranslateAction()->isVisible());
    const QString secondBefore = window.TargetPane()->document()->findBlockByNumber(1).text();

    // Again with a choice of meaning: "temps" now reads "pogoda".
    Ustawienia().TrybPracy = 3;
    window.RetranslateAction()->trigger();
    TfrmTlumaczReczne& manual = *window.ManualWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return manual.Waiting(); }));
    manual.Translations()->setCurrentRow(1);
    manual.ChosenButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));

    EXPECT_EQ(window.TargetPane()->document()->findBlockByNumber(0).text(), "pogoda kot");
    EXPECT_EQ(window.TargetPane()->document()->findBlockByNumber(1).text(), secondBefore);
    EXPECT_TRUE(window.TargetPane()->document()->isModified());
    EXPECT_EQ(TargetSelection(), "pogoda kot") << "the new translation is the followed one";
    ASSERT_TRUE(window.FollowAt(0, 14));
    EXPECT_EQ(window.TargetPane()->textCursor().selectedText(), secondBefore) << "the later sentence moved with it";

    Ustawienia().SledzZdania = false;
    Ustawienia().SledzSlowa = true;
    ASSERT_TRUE(window.FollowAt(1, TargetPosition("pogoda")));
    EXPECT_EQ(SourceSelection(), "temps");
}

TEST_F(MainFollowing, AnEditForgetsTheSentenceToRetranslate)
{
    ASSERT_TRUE(window.FollowAt(0, 14));
    ASSERT_TRUE(window.RetranslateAction()->isVisible());
    QTextCursor(window.SourcePane()->document()).insertText("Oh! ");
    EXPECT_FALSE(window.RetranslateAction()->isVisible());
}

} // namespace
} // namespace velmar
