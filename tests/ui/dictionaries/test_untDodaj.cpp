// The add-word window driven as a user drives it: its buttons, its quick-add page, and
// the dictionary window showing at once what it adds and deletes.
#include "ui/dictionaries/untDodaj.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TestNames.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/dictionaries/untDodajDoSU.h"

namespace velmar {
namespace {

// One addition through the add-to-dictionary dialog.
struct TDopisanie {
    const char* Word;
    const char* Translation;
    int PartOfSpeech;
};

// Fills the dialog the window opened (the profiles left unchecked) and adds.
void AddInDialog(TfrmDodajDoSU& dialog, const TDopisanie& addition)
{
    if (!dialog.edtWyraz_->isReadOnly())
        dialog.edtWyraz_->setText(QString::fromUtf8(addition.Word));
    dialog.edtTlumaczenie_->setText(QString::fromUtf8(addition.Translation));
    dialog.grpCzescMowy_->button(addition.PartOfSpeech)->setChecked(true);
    for (int row = 0; row < dialog.lsbProfile_->count(); ++row)
        dialog.lsbProfile_->item(row)->setCheckState(Qt::Unchecked);
    dialog.btnDodaj_->click();
}

// Runs a window button that opens the dialog, with the addition typed into it.
void ThroughDialog(TfrmDodaj& window, const TDopisanie& addition, const std::function<void()>& button)
{
    QTimer::singleShot(0, &window, [&window, addition] { AddInDialog(window.Dialog(), addition); });
    button();
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList Column(const QTreeWidget* tree, int column)
{
    QStringList cells;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        cells << tree->topLevelItem(i)->text(column);
    return cells;
}

// A user dictionary of its own (French source) with its editing over an empty main one.
struct TSlownikTestowy {
    TSlownikTestowy()
    {
        main.Attach(&mainLines);
        user.Attach(&userLines);
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < user.Count(); ++i)
            lines.push_back(user.DecodedLine(i));
        return lines;
    }

    TLinie mainLines, userLines;
    TTransSlownikGlowny main{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski};
    TTransSlownikGlowny user{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TSlownikDopisan editing{user, main};
};

class AddWordWindow : public ::testing::Test {
protected:
    AddWordWindow()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&question);
        profiles.SetDefaults();
    }
    ~AddWordWindow() override { UstawPytanie(nullptr); }

    TProfileTekstu profiles;
    TPytanieSkryptowe question;
    TSlownikTestowy dictionary;
    TfrmDodaj window{dictionary.user, dictionary.editing, profiles, jezPolski};
};

TEST_F(AddWordWindow, TheButtonsAddAndDeleteHeadwordsAndMeanings)
{
    ThroughDialog(window, {"chien", "pies", 0}, [&] { window.DodajHaslo(); });
    ThroughDialog(window, {"chat", "kot", 0}, [&] { window.btnDodajHaslo_->click(); });
    EXPECT_EQ(Items(window.lsbHasla_), (QStringList{"chat", "chien"}));
    EXPECT_EQ(window.lsbHasla_->currentRow(), 0) << "the new headword is selected at its place";

    ThroughDialog(window, {"", "kocur", 0}, [&] { window.btnDodajZnaczenie_->click(); });
    ThroughDialog(window, {"", "miauczeć", 1}, [&] { window.btnDodajZnaczenie_->click(); });
    EXPECT_EQ(Column(window.tvZnaczenia_, 0), (QStringList{"kot", "kocur", QString::fromUtf8("miauczeć")}));
    EXPECT_EQ(Column(window.tvZnaczenia_, 1), (QStringList{"rzeczownik", "rzeczownik", "czasownik"}));

    window.tvZnaczenia_->setCurrentItem(window.tvZnaczenia_->topLevelItem(1));
    window.btnUsunZnaczenie_->click();
    EXPECT_EQ(Column(window.tvZnaczenia_, 0), (QStringList{"kot", QString::fromUtf8("miauczeć")}));
    for (int i = 0; i < 2; ++i)
        window.btnUsunZnaczenie_->click();
    EXPECT_EQ(Items(window.lsbHasla_), (QStringList{"chien"})) << "its last meaning took the headword";
    EXPECT_EQ(dictionary.Lines(), (std::vector<std::string>{"chien _##1  +0 pies   "}));

    window.btnUsunHaslo_->click();
    EXPECT_EQ(window.lsbHasla_->count(), 0);
    EXPECT_EQ(dictionary.user.Count(), 0);
}

TEST_F(AddWordWindow, MeaningsShowTheirProfilesAndDeletingAHeadwordSelectsThePreviousOne)
{
    for (const char* word : {"ane", "bête", "chat"})
        dictionary.editing.AddTranslation(FromUtf8(word), "x", false, TKodyZnaczenia().set(19).set(24), 0);
    TfrmDodaj shown(dictionary.user, dictionary.editing, profiles, jezPolski);
    ASSERT_EQ(Items(shown.lsbHasla_), (QStringList{"ane", QString::fromUtf8("bête"), "chat"}));
    const QString expected = QString::fromStdU16String(ToWide(profiles.Items[19].Nazwa, jezPolski)) + ", " +
                             QString::fromStdU16String(ToWide(profiles.Items[24].Nazwa, jezPolski));
    EXPECT_EQ(Column(shown.tvZnaczenia_, 2), (QStringList{expected}));

    shown.lsbHasla_->setCurrentRow(2);
    shown.UsunHaslo();
    EXPECT_EQ(shown.lsbHasla_->currentRow(), 1);
    EXPECT_EQ(shown.lsbHasla_->currentItem()->text(), QString::fromUtf8("bête"));
}

TEST_F(AddWordWindow, QuickAddKeepsWhatDoesNotFitAndSaysHowManyWereAdded)
{
    window.edtSzybkie_->setPlainText(QString::fromUtf8("chat+r+kot;chien+x+pieś\nlapin+r+królik;père+ojciec"));
    window.btnSzybkie_->click();
    EXPECT_EQ(Items(window.lsbHasla_), (QStringList{"chat", "lapin"}));
    EXPECT_EQ(window.edtSzybkie_->toPlainText(), QString::fromUtf8("chien+x+pieś;père+ojciec;"))
        << "letters of both languages come back as typed";
    ASSERT_EQ(question.Zadane().size(), 1u);
    TWide message = InterfaceTextWide(jezPolski, 115) + InterfaceTextWide(jezPolski, 116);
    message.replace(message.find(u"%d"), 2, u"2");
    EXPECT_EQ(question.Zadane()[0].Tekst, message);
}

// The same additions made through the dialog and typed on the quick-add page.
struct TSzybkiePorownanie {
    const char* Name;
    std::vector<TDopisanie> Additions;
    const char* QuickText;
};

class QuickAddMatchesTheDialog : public AddWordWindow, public ::testing::WithParamInterface<TSzybkiePorownanie> {};

TEST_P(QuickAddMatchesTheDialog, GivesTheSameEntries)
{
    TSlownikTestowy byDialog, byQuickAdd;
    TfrmDodaj dialogWindow(byDialog.user, byDialog.editing, profiles, jezPolski);
    for (const TDopisanie& addition : GetParam().Additions)
        ThroughDialog(dialogWindow, addition, [&] { dialogWindow.DodajHaslo(); });
    TfrmDodaj quickWindow(byQuickAdd.user, byQuickAdd.editing, profiles, jezPolski);
    quickWindow.edtSzybkie_->setPlainText(QString::fromUtf8(GetParam().QuickText));
    quickWindow.DodajSzybko();

    EXPECT_EQ(quickWindow.edtSzybkie_->toPlainText(), "") << "every item fits";
    ASSERT_EQ(byDialog.user.Count(), 1);
    EXPECT_EQ(byQuickAdd.Lines(), byDialog.Lines());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuickAddMatchesTheDialog,
    ::testing::Values(TSzybkiePorownanie{"one noun", {{"chat", "kot", 0}}, "chat+r+kot"},
                      TSzybkiePorownanie{
                          "meanings and parts of speech",
                          {{"fin", "koniec", 0}, {"fin", "kres", 0}, {"fin", "cienki", 2}, {"fin", "subtelnie", 3}},
                          "fin+r+koniec;fin+r+kres\r\nfin+p+cienki;;fin+e+subtelnie"},
                      TSzybkiePorownanie{"interjection", {{"oh", "och", 7}}, ";oh+w+och;"}),
    test::NamedBy([](const TSzybkiePorownanie& c) { return std::string(c.Name); }));

// The program's dictionaries over the main headwords of the dictionary window's fixture.
class AddWordAndDictionaryWindow : public AddWordWindow {
protected:
    AddWordAndDictionaryWindow()
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
        auto& settings = Ustawienia();
        settings.SetStore(std::make_unique<TMagazynUstawienPamiec>());
        settings.SetDefaults();
        settings.SetInterfaceLanguage(jezPolski);
        std::ifstream in(std::filesystem::path(VELMAR_FIXTURES_DIR) / "browser" / "frpol_main.txt", std::ios::binary);
        std::ostringstream readable;
        readable << in.rdbuf();
        mainFr.Assign(BuildStoredLines(readable.str(), *MakeDictionaryOfKind("main", jezFrancuski)));
        auto& dictionaries = Slowniki();
        for (TTransSlownik* each : std::initializer_list<TTransSlownik*>{&dictionaries.Main, &dictionaries.User}) {
            each->SetSourceLanguage(jezFrancuski);
            each->SetTargetLanguage(jezPolski);
        }
        dictionaries.Main.Attach(&mainFr);
        dictionaries.User.Attach(&userFr);
        browser = std::make_unique<TfrmSlownikZew>(dictionaries);
        browser->resize(700, 500);
        browser->show();
        QApplication::processEvents();
    }
    ~AddWordAndDictionaryWindow() override
    {
        browser.reset();
        for (TTransSlownik* each : std::initializer_list<TTransSlownik*>{&Slowniki().Main, &Slowniki().User})
            each->Attach(nullptr);
    }

    // The headwords the dictionary window lists from global position 8 ("chat" of the
    // main dictionary) on.
    QStringList RowsFromChat() const
    {
        browser->ListScrollBar()->setValue(8);
        return Items(browser->HeadwordList()).mid(0, 3);
    }

    QString EntryOf(const char* word) const
    {
        browser->SetTypingDelay(false);
        browser->SearchBox()->clear();
        browser->SearchBox()->setText(word);
        browser->SetTypingDelay(true);
        return browser->EntryView()->toPlainText();
    }

    TLinie mainFr, userFr;
    std::unique_ptr<TfrmSlownikZew> browser;
};

TEST_F(AddWordAndDictionaryWindow, AWordAddedStandsAmongTheMainHeadwordsAtOnceAndDeletingItRestoresTheMainEntry)
{
    ASSERT_EQ(RowsFromChat(), (QStringList{"chat", "cheval", "chien"}));
    TfrmDodaj program(Slowniki().User, Slowniki().UserEditing, profiles, jezPolski);
    ThroughDialog(program, {"chat", "kocur", 0}, [&] { program.DodajHaslo(); });
    EXPECT_EQ(RowsFromChat(), (QStringList{"chat", "chat", "cheval"}));
    EXPECT_TRUE(EntryOf("chat").contains("kocur"));

    program.lsbHasla_->setCurrentRow(0);
    program.UsunHaslo();
    EXPECT_EQ(RowsFromChat(), (QStringList{"chat", "cheval", "chien"}));
    const QString entry = EntryOf("chat");
    EXPECT_TRUE(entry.contains("kot"));
    EXPECT_FALSE(entry.contains("kocur"));
}

// Acts on the first modal window of kind T that comes up.
template <typename T>
void WhenShown(QObject* owner, std::function<void(T&)> act)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, act] {
        if (auto* shown = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*shown);
        }
    });
    timer->start(10);
}

TEST_F(AddWordAndDictionaryWindow, F10OffersTheWordOfTheSearchBoxInTheAddWordWindow)
{
    browser->SearchBox()->setText("chat");
    QString offered;
    bool fromTheAddWordWindow = false;
    WhenShown<TfrmDodajDoSU>(browser.get(), [&](TfrmDodajDoSU& dialog) {
        offered = dialog.edtWyraz_->text();
        fromTheAddWordWindow = qobject_cast<TfrmDodaj*>(dialog.parent()) != nullptr;
        dialog.reject();
        WhenShown<TfrmDodaj>(browser.get(), [](TfrmDodaj& window) { window.reject(); });
    });
    QAction* addWord = browser->findChild<QAction*>("actDodajWyraz");
    ASSERT_NE(addWord, nullptr);
    EXPECT_EQ(addWord->shortcut(), QKeySequence(Qt::Key_F10));
    addWord->trigger();
    EXPECT_EQ(offered, "chat");
    EXPECT_TRUE(fromTheAddWordWindow);
}

} // namespace
} // namespace velmar
