// The dictionary window over the table of typed words the core choice and velmar-cli
// lookup are tested with: typing a word selects the same headword and shows its entry,
// or leaves the view empty with the list at the same nearest headword.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <memory>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/WyborHaslaPrzypadki.h"
#include "ui/browser/untSlownikZew.h"

namespace velmar {
namespace {

using test::TPrzypadekWyboru;

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// The program's window-thread dictionaries over the fixtures of the case's direction, in
// its translator mode (where the forms file is loaded); a window small enough that the
// list scrolls.
class BrowserLookupTable : public ::testing::TestWithParam<TPrzypadekWyboru> {
protected:
    BrowserLookupTable()
    {
        const std::uint8_t language = GetParam().Language;
        const bool polish = language == jezPolski;
        ApplyWorkingMode(
            Program(), {polish ? trybTranslatorPlFr : trybTranslatorFrPl, language, polish ? jezFrancuski : jezPolski});
        auto& settings = Ustawienia();
        settings.SetStore(std::make_unique<TMagazynUstawienPamiec>());
        settings.SetDefaults();
        UstawPytanie(&question);
        auto& dictionaries = Slowniki();
        Attach(dictionaries.Main, main, "main");
        Attach(dictionaries.User, user, "user");
        Attach(dictionaries.Forms, forms, "forms");
        window = std::make_unique<TfrmSlownikZew>(dictionaries);
        window->resize(500, 160);
        window->show();
        QApplication::processEvents();
        window->SetTypingDelay(false);
    }

    ~BrowserLookupTable() override
    {
        window.reset();
        auto& dictionaries = Slowniki();
        for (TTransSlownik* dictionary :
             std::initializer_list<TTransSlownik*>{&dictionaries.Main, &dictionaries.User, &dictionaries.Forms})
            dictionary->Attach(nullptr);
        UstawPytanie(nullptr);
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
    }

    void Attach(TTransSlownik& dictionary, TLinie& lines, const std::string& kind)
    {
        const auto& program = Program();
        dictionary.SetSourceLanguage(program.SourceLanguage);
        dictionary.SetTargetLanguage(kind == "forms" ? program.SourceLanguage : program.TargetLanguage);
        lines.Assign(BuildStoredLines(test::LookupFixture(program.SourceLanguage, kind),
                                      *MakeDictionaryOfKind(kind, program.SourceLanguage)));
        dictionary.Attach(&lines);
    }

    TLinie main, user, forms;
    TPytanieSkryptowe question;
    std::unique_ptr<TfrmSlownikZew> window;
};

TEST_P(BrowserLookupTable, TypingTheWordShowsTheEntryTheCoreChooses)
{
    const TPrzypadekWyboru& c = GetParam();
    QListWidget* list = window->HeadwordList();
    window->SearchBox()->setText(Utf8(c.Word));
    const QString entry = window->EntryView()->toPlainText();
    if (c.Source == TZrodloHasla::None) {
        EXPECT_TRUE(entry.isEmpty());
        EXPECT_EQ(list->currentRow(), -1);
        ASSERT_GT(list->count(), 0);
        if (window->ListScrollBar()->value() < window->ListScrollBar()->maximum())
            EXPECT_EQ(list->item(0)->text(), Utf8(c.Headword)) << "the list starts at the nearest headword";
        else
            EXPECT_TRUE(list->findItems(Utf8(c.Headword), Qt::MatchExactly).size() > 0);
        return;
    }
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), Utf8(c.Headword));
    EXPECT_TRUE(entry.contains(Utf8(c.Translation))) << entry.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Words, BrowserLookupTable, ::testing::ValuesIn(test::kPrzypadkiWyboru), test::WyborTestName);

} // namespace
} // namespace velmar
