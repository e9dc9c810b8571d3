// The entry view: what the user sees in it and what a copy of it holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/SlownikTestowy.h"
#include "ui/browser/untWidokHasla.h"

namespace velmar {
namespace {

class EntryViewTest : public ::testing::Test {
protected:
    EntryViewTest() { dictionary.Main().KeepPhrases = true; }

    TKontekstHasla Context()
    {
        return {.SourceLanguage = jezFrancuski,
                .TargetLanguage = jezPolski,
                .InterfaceLanguage = jezPolski,
                .DictionaryMode = true,
                .Pronunciation = 0,
                .Main = &dictionary.Main()};
    }

    void Show(const std::string& headword) { widok.RenderEntry(dictionary.Entry(headword), {}, false, true, {}, 0); }

    std::string Copied(int start, int length)
    {
        QApplication::clipboard()->clear();
        widok.CopyVisible(start, length, nullptr);
        return QApplication::clipboard()->text().toStdString();
    }

    std::string Shown() const { return view.toPlainText().toStdString(); }

    test::SlownikTestowy dictionary{"main", jezFrancuski,
                                    "cacher_#4 chować ; ‰ ukrywać ; kryć\n"
                                    "hache [asz]_#2f siekiera ×hache de guerre_ topór wojenny, ‰ tomahawk\n"
                                    "parler_#4 mówić **61\n"};
    QTextBrowser view;
    QTextEdit workCopy;
    std::vector<std::string> history;
    int selected = -1;
    TPrzegladarkaHasel browser{[this](const std::string& word) { history.push_back(word); },
                               [this](int index) { selected = index; }};
    TWidokHasla widok{&view, &workCopy, browser, [this] { return Context(); }};
};

TEST_F(EntryViewTest, TheViewShowsTheEntryWithItsHiddenMeaningInvisible)
{
    Show("cacher");
    EXPECT_EQ(Shown(), "cacher\nczas. \n\n1. chować, ukrywaćkryć\n\n");
    ASSERT_EQ(widok.HiddenRanges().size(), 1u);
    const int start = static_cast<int>(view.toPlainText().indexOf(QString::fromUtf8("ukrywać")));
    EXPECT_EQ(widok.HiddenRanges().front(), HiddenRange(start, start + 7));

    QTextCursor hidden(view.document());
    hidden.setPosition(start + 1);
    EXPECT_EQ(hidden.charFormat().foreground().color(), view.palette().color(QPalette::Base));
    EXPECT_EQ(hidden.charFormat().fontPointSize(), 2);
}

TEST_F(EntryViewTest, StylesTakeTheDictionaryFontAndTheSettingsColours)
{
    TTransUstawienia& settings = Ustawienia();
    const int savedColour = settings.KolorGramCzescMowy;
    settings.KolorGramCzescMowy = 0x0080FF; // stored as 0x00BBGGRR
    Show("cacher");
    settings.KolorGramCzescMowy = savedColour;

    QTextCursor cursor(view.document());
    cursor.setPosition(1);
    EXPECT_TRUE(cursor.charFormat().font().bold()) << "headword";
    EXPECT_EQ(cursor.charFormat().fontPointSize(), settings.CzcionkaSlownika.Size + 2);
    cursor.setPosition(static_cast<int>(view.toPlainText().indexOf("czas.")) + 1);
    EXPECT_TRUE(cursor.charFormat().fontItalic()) << "word-class label";
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(cursor.charFormat().fontPointSize(), settings.CzcionkaSlownika.Size);
}

TEST_F(EntryViewTest, PronunciationIsShownInPhoneticLetters)
{
    Show("hache");
    EXPECT_TRUE(view.toPlainText().startsWith(QString::fromUtf8("*hache\n[aʃ]\nrzecz. f \n")));
}

TEST_F(EntryViewTest, CopyingLeavesTheHiddenTextOut)
{
    Show("cacher");
    Show("hache");
    const int length = static_cast<int>(view.toPlainText().size());

    QTextEdit destination;
    widok.CopyVisible(0, length, &destination);
    EXPECT_EQ(destination.toPlainText().toStdString(), "cacher\nczas. \n\n1. chować, kryć\n\n"
                                                       "*hache\n[aʃ]\nrzecz. f \n\n1. siekiera\n\n"
                                                       "hache de guerre topór wojenny\n\n");
    EXPECT_TRUE(workCopy.toPlainText().isEmpty());

    EXPECT_EQ(Copied(0, length).find("ukrywać"), std::string::npos);
    const int hiddenStart = static_cast<int>(view.toPlainText().indexOf(QString::fromUtf8("ukrywać")));
    // A selection from inside the hidden meaning copies from its end; one that ends
    // inside it stops at its start.
    EXPECT_EQ(Copied(hiddenStart + 2, 10), "kryć\n");
    EXPECT_EQ(Copied(hiddenStart - 8, 10), "chować, ");
    EXPECT_EQ(Copied(hiddenStart + 1, 3), "") << "wholly hidden: nothing to copy";
}

TEST_F(EntryViewTest, ClearingEmptiesTheViewAndTheRanges)
{
    Show("cacher");
    widok.ClearView();
    EXPECT_TRUE(view.toPlainText().isEmpty());
    EXPECT_TRUE(widok.HiddenRanges().empty());
}

TEST_F(EntryViewTest, AFormThatIsNoHeadwordGoesIntoTheHistoryAndSelectsItsBase)
{
    TOdwolania readings;
    readings.Add({"parle", 81, "parler", 50});
    widok.ShowForms(readings, "parle", false, false);
    EXPECT_EQ(history, std::vector<std::string>{"parle"});
    int parler = -1;
    ASSERT_TRUE(dictionary.Main().FindExact("parler", parler));
    EXPECT_EQ(selected, parler);
    EXPECT_TRUE(view.toPlainText().startsWith(QString::fromUtf8("parle\n\nmówię (od: czas. parler)\n")));
}

} // namespace
} // namespace velmar
