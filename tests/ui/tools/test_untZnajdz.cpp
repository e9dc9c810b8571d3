// Find and replace in the translator window's active pane, driven through the find and
// replace windows as a user drives them.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "support/TestNames.h"
#include "ui/app/untNapisy.h"
#include "ui/tools/untZamien.h"
#include "ui/tools/untZnajdz.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

class FindReplace : public ::testing::Test {
protected:
    FindReplace()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&questions);
    }
    ~FindReplace() override { UstawPytanie(nullptr); }

    void SetSource(const QString& text)
    {
        window.SourcePane()->setPlainText(text);
        window.SourcePane()->moveCursor(QTextCursor::Start);
    }

    TfrmZnajdz& OpenFind(const QString& text, bool wholeWords = false, bool matchCase = false)
    {
        window.FindAction()->trigger();
        TfrmZnajdz& find = *window.FindWindow();
        find.SearchBox()->setText(text);
        find.WholeWordsBox()->setChecked(wholeWords);
        find.MatchCaseBox()->setChecked(matchCase);
        return find;
    }

    TfrmZamien& OpenReplace(const QString& text, const QString& replacement)
    {
        window.ReplaceAction()->trigger();
        TfrmZamien& replace = *window.ReplaceWindow();
        replace.SearchBox()->setText(text);
        replace.ReplacementBox()->setText(replacement);
        return replace;
    }

    int SelectionStart() const { return window.SourcePane()->textCursor().selectionStart(); }
    QString Selected() const { return window.SourcePane()->textCursor().selectedText(); }
    std::vector<std::u16string> Messages() const
    {
        std::vector<std::u16string> shown;
        for (const auto& question : questions.Zadane())
            shown.push_back(question.Tekst);
        return shown;
    }

    TPytanieSkryptowe questions;
    TfrmMain window;
};

struct TSzukanie {
    const char* Search;
    bool WholeWords;
    bool MatchCase;
    std::vector<int> Found; // the starts of the occurrences found, in order
};

class FindTable : public FindReplace, public ::testing::WithParamInterface<TSzukanie> {};

TEST_P(FindTable, WalksThroughThePaneAndStopsAtItsEnd)
{
    const TSzukanie& c = GetParam();
    SetSource("Kot kotek KOT\nkot");
    TfrmZnajdz& find = OpenFind(c.Search, c.WholeWords, c.MatchCase);
    for (const int start : c.Found) {
        find.FindNextButton()->click();
        EXPECT_EQ(SelectionStart(), start);
        EXPECT_EQ(Selected().size(), QString(c.Search).size());
        EXPECT_TRUE(questions.Zadane().empty());
    }
    // No wrap-around: past the last occurrence the search says so and stays put.
    find.FindNextButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Nie znaleziono '" + QString(c.Search).toStdU16String() + u"'"});
    EXPECT_FALSE(find.Busy());
    EXPECT_TRUE(find.FindNextButton()->isEnabled());
}

std::string DescribeSearch(const TSzukanie& c)
{
    return std::string(c.Search) + (c.WholeWords ? " whole" : "") + (c.MatchCase ? " case" : "");
}

INSTANTIATE_TEST_SUITE_P(Options, FindTable,
                         ::testing::Values(TSzukanie{"kot", false, false, {0, 4, 10, 14}},
                                           TSzukanie{"kot", true, false, {0, 10, 14}},
                                           TSzukanie{"kot", false, true, {4, 14}}, TSzukanie{"kot", true, true, {14}},
                                           TSzukanie{"pies", false, false, {}}),
                         test::NamedBy(DescribeSearch));

TEST_F(FindReplace, WindowsReadTheirCaptionsAndNeedASearchText)
{
    TfrmZnajdz& find = OpenFind("");
    EXPECT_EQ(find.windowTitle(), "Znajdź");
    EXPECT_EQ(find.MatchCaseBox()->text(), "Uwzględniaj wielkość liter");
    EXPECT_EQ(find.WholeWordsBox()->text(), "Tylko całe wyrazy");
    EXPECT_FALSE(find.FindNextButton()->isEnabled());
    find.SearchBox()->setText("a");
    EXPECT_TRUE(find.FindNextButton()->isEnabled());

    TfrmZamien& replace = OpenReplace("", "");
    EXPECT_EQ(replace.windowTitle(), "Zamień");
    EXPECT_FALSE(replace.ReplaceButton()->isEnabled());
    EXPECT_FALSE(replace.ReplaceAllButton()->isEnabled());
    replace.SearchBox()->setText("a");
    EXPECT_TRUE(replace.ReplaceAllButton()->isEnabled());
}

TEST_F(FindReplace, OpeningOneWindowCarriesTheOthersTextOver)
{
    SetSource("le chat");
    TfrmZamien& replace = OpenReplace("chat", "chien");
    EXPECT_TRUE(replace.isVisible());
    window.FindAction()->trigger();
    EXPECT_FALSE(replace.isVisible());
    EXPECT_TRUE(window.FindWindow()->isVisible());
    EXPECT_EQ(window.FindWindow()->SearchText(), "chat");

    window.FindWindow()->close();
    QTextCursor selection = window.SourcePane()->textCursor();
    selection.setPosition(0);
    selection.setPosition(2, QTextCursor::KeepAnchor);
    window.SourcePane()->setTextCursor(selection);
    window.FindAction()->trigger();
    EXPECT_EQ(window.FindWindow()->SearchText(), "le");
}

TEST_F(FindReplace, ReplaceChangesTheFoundOccurrenceThenTheNext)
{
    SetSource("kot i kot i kot");
    TfrmZamien& replace = OpenReplace("kot", "pies");
    replace.FindNextButton()->click();
    EXPECT_EQ(Selected(), "kot");
    replace.ReplaceButton()->click();
    EXPECT_EQ(window.SourcePane()->toPlainText(), "pies i kot i kot");
    replace.ReplaceButton()->click();
    EXPECT_EQ(window.SourcePane()->toPlainText(), "pies i pies i kot");
    EXPECT_TRUE(questions.Zadane().empty());
    EXPECT_FALSE(replace.Busy());
}

TEST_F(FindReplace, ReplaceAllIsOneUndoStep)
{
    SetSource("kot i kot\nkot");
    TfrmZamien& replace = OpenReplace("kot", "kotek");
    replace.ReplaceAllButton()->click();
    // The replacement holds the search text, and still the run ends.
    EXPECT_EQ(window.SourcePane()->toPlainText(), "kotek i kotek\nkotek");
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Ilość wykonanych zamian: 3"});
    EXPECT_EQ(replace.Progress()->value(), replace.Progress()->minimum());
    window.SourcePane()->undo();
    EXPECT_EQ(window.SourcePane()->toPlainText(), "kot i kot\nkot");
}

TEST_F(FindReplace, ReplaceAllOfNothingSaysNotFound)
{
    SetSource("kot");
    OpenReplace("pies", "kot").ReplaceAllButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Nie znaleziono 'pies'"});
    EXPECT_EQ(window.SourcePane()->toPlainText(), "kot");
}

TEST_F(FindReplace, ReplaceAllStopsAtTheCancelButton)
{
    SetSource(QString("a ").repeated(50));
    TfrmZamien& replace = OpenReplace("a", "b");
    // Pressed while the first replacement's events are processed.
    QTimer::singleShot(0, replace.CancelButton(), &QPushButton::click);
    replace.ReplaceAllButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Ilość wykonanych zamian: 1"});
    EXPECT_TRUE(window.SourcePane()->toPlainText().startsWith("b a a"));
    EXPECT_TRUE(replace.isVisible());
    replace.CancelButton()->click();
    EXPECT_FALSE(replace.isVisible());
}

TEST_F(FindReplace, SearchesThePaneThatHadTheFocusLast)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    SetSource("kot");
    window.TargetPane()->setPlainText("pies kot");
    window.TargetPane()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.ActivePane() == window.TargetPane(); }));
    TfrmZnajdz& find = OpenFind("kot");
    find.FindNextButton()->click();
    EXPECT_EQ(window.TargetPane()->textCursor().selectionStart(), 5);
}

TEST_F(FindReplace, CommandsAndShortcuts)
{
    EXPECT_EQ(window.FindAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(window.ReplaceAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(window.SpellCheckAction()->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(window.SpellCheckAction()->text(), "Sprawdź &pisownię");
    EXPECT_EQ(window.FrequencyAction()->text(), "Analiza &frekwencyjna...");
}

} // namespace
} // namespace velmar
