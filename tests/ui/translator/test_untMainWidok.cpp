// The translator window's views beside its panes, offscreen: the dictionary pane
// placed left, right or nowhere, following the source caret with a history of 20, and
// the sentence-pair view after a translation.
#include <gtest/gtest.h>

#include <QAction>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "OknoTlumacza.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untPanelSlownika.h"

namespace velmar {
namespace {

class MainViews : public test::OknoTlumacza {
protected:
    ~MainViews() override { Ustawienia().SetDictionaryPaneLayout(0); }

    void PutCaret(int position)
    {
        QTextCursor cursor = window.SourcePane()->textCursor();
        cursor.setPosition(position);
        window.SourcePane()->setTextCursor(cursor);
    }
};

TEST_F(MainViews, TheDictionaryPaneStandsWhereTheSettingsSay)
{
    TPanelSlownika* pane = window.DictionaryPane();
    EXPECT_FALSE(pane->isVisibleTo(&window));
    auto* split = qobject_cast<QSplitter*>(window.centralWidget());
    ASSERT_NE(split, nullptr);
    for (const auto& [layout, index] : {std::pair{1, 0}, std::pair{2, 1}}) {
        Ustawienia().SetDictionaryPaneLayout(layout);
        EXPECT_TRUE(pane->isVisibleTo(&window)) << layout;
        EXPECT_EQ(split->indexOf(pane), index) << layout;
    }
    Ustawienia().SetDictionaryPaneLayout(0);
    EXPECT_FALSE(pane->isVisibleTo(&window));
}

TEST_F(MainViews, TheDictionaryPaneShowsTheWordAtTheCaretAndKeepsTwentyWords)
{
    Ustawienia().SetDictionaryPaneLayout(2);
    TPanel(window.SourcePane(), jezFrancuski).SetText("chat");
    PutCaret(1);
    EXPECT_TRUE(window.DictionaryPane()->View()->toPlainText().contains("kot"))
        << window.DictionaryPane()->View()->toPlainText().toStdString();

    QString words;
    for (int w = 0; w < 25; ++w)
        words += QStringLiteral("mot%1 ").arg(w, 2, 10, QChar('0'));
    window.SourcePane()->setPlainText(words);
    for (int w = 0; w < 25; ++w) {
        PutCaret(w * 6 + 1);
        PutCaret(w * 6 + 2); // the same word again: no new entry
    }
    const auto& history = window.DictionaryPane()->History();
    ASSERT_EQ(history.size(), TPanelSlownika::kHistoria);
    EXPECT_EQ(history.front(), "mot24");
    EXPECT_EQ(history.back(), "mot05");
}

TEST_F(MainViews, SentencePairsStandSideBySide)
{
    Ustawienia().SledzZdania = true;
    TPanel(window.SourcePane(), jezFrancuski).SetText("temps chat\rchat beau");
    window.TranslateAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    Ustawienia().SledzZdania = false;

    window.SentencePairsAction()->trigger();
    EXPECT_TRUE(window.SentencePairs(0)->isVisibleTo(&window));
    EXPECT_EQ(window.SentencePairs(0)->toPlainText(), "temps chat\nchat beau");
    EXPECT_EQ(window.SentencePairs(1)->toPlainText(), QString::fromUtf8("czas {pogoda} kot\npiękny {ładny} kot"));

    window.SentencePairsAction()->trigger();
    EXPECT_FALSE(window.SentencePairs(0)->isVisibleTo(&window));
    EXPECT_TRUE(window.SentencePairs(0)->toPlainText().isEmpty());
}

} // namespace
} // namespace velmar
