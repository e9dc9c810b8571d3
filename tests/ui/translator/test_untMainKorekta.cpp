// The translator window's autocorrection, offscreen, after a real translation: the
// menu of a translated word offers its headword's meanings in the word's form, a
// choice keeps the letter case and the followers stay aligned, and "Tłumacz zawsze
// jako" records the choice first in the user dictionary.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "OknoTlumacza.h"
#include "core/app/untUtils.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class MainCorrection : public test::OknoTlumacza {
protected:
    MainCorrection()
    {
        Ustawienia().SledzZdania = true;
        TTransSlownikGlowny& user = Slowniki().User;
        user.SetSourceLanguage(jezFrancuski);
        user.SetTargetLanguage(jezPolski);
        user.Attach(&userLines);
        TPanel(window.SourcePane(), jezFrancuski).SetText("Temps chat\rchat beau");
        window.TranslateAction()->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
        Ustawienia().SledzZdania = false;
        window.AutocorrectionAction()->setChecked(true);
    }
    ~MainCorrection() override
    {
        Ustawienia().SledzSlowa = false;
        Slowniki().User.Attach(nullptr);
    }

    QString TargetLine(int line) { return window.TargetPane()->document()->findBlockByNumber(line).text(); }
    int TargetPosition(const QString& text)
    {
        return static_cast<int>(window.TargetPane()->toPlainText().indexOf(text));
    }
    static QStringList Captions(const QMenu& menu)
    {
        QStringList captions;
        for (const QAction* action : menu.actions())
            if (!action->isSeparator() && action->menu() == nullptr)
                captions << action->text();
        return captions;
    }
    static QAction* Find(const QMenu& menu, const QString& caption)
    {
        for (QAction* action : menu.actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }
    std::string SourceSelection() { return ToUtf8(TPanel(window.SourcePane(), jezFrancuski).SelText(), jezFrancuski); }

    TLinie userLines;
};

TEST_F(MainCorrection, AChosenMeaningKeepsTheLetterCaseAndTheFollowersStayAligned)
{
    ASSERT_TRUE(TargetLine(0).startsWith("Czas")) << TargetLine(0).toStdString();
    QMenu* menu = window.CorrectionMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Captions(*menu), (QStringList{"temps", "czas", "pogoda"}));
    EXPECT_FALSE(menu->actions().front()->isEnabled()) << "the headword is a title";
    Find(*menu, "pogoda")->trigger();
    EXPECT_EQ(TargetLine(0), "Pogoda kot");

    Ustawienia().SledzSlowa = true;
    ASSERT_TRUE(window.FollowAt(1, TargetPosition("kot")));
    EXPECT_EQ(SourceSelection(), "chat");
    ASSERT_TRUE(window.FollowAt(1, 2));
    EXPECT_EQ(SourceSelection(), "Temps");
    ASSERT_TRUE(window.FollowAt(0, 13)) << "the next paragraph moved with the edit";
    EXPECT_EQ(window.TargetPane()->textCursor().selectedText(), "kot");
}

TEST_F(MainCorrection, TranslateAlwaysAsPutsTheMeaningFirstInTheUserDictionary)
{
    QMenu* menu = window.CorrectionMenu(1);
    ASSERT_NE(menu, nullptr);
    QAction* always = Find(*menu, window.findChild<QMenu*>("pmnTlumaczZawszeJako")->title());
    ASSERT_NE(always, nullptr);
    Find(*always->menu(), "pogoda")->trigger();
    EXPECT_EQ(TargetLine(0), "Pogoda kot");
    int index = -1;
    ASSERT_TRUE(Slowniki().User.FindExact("temps", index));
    EXPECT_NE(Slowniki().User.GetEntryText(index).find("pogoda *343"), std::string::npos)
        << Slowniki().User.GetEntryText(index);
}

TEST_F(MainCorrection, NothingIsOfferedWithTheOptionOffOrOutsideAWord)
{
    EXPECT_EQ(window.CorrectionMenu(TargetPosition("kot") + 3), nullptr) << "after the sentence";
    window.AutocorrectionAction()->setChecked(false);
    EXPECT_EQ(window.CorrectionMenu(1), nullptr);
}

} // namespace
} // namespace velmar
