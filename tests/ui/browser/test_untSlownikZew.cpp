// The dictionary window driven as a user drives it: the headword list and its pages,
// typing with quick search, inflected forms, the letter bar, the pattern search, the
// history and the direction swap. Dictionaries are built from small readable fixtures.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "platform/untQtTekst.h"
#include "ui/browser/untNotatki.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/browser/untSzukaj.h"

namespace velmar {
namespace {

std::string ReadFixture(const std::string& name)
{
    std::ifstream in(std::filesystem::path(VELMAR_FIXTURES_DIR) / "browser" / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Build(TLinie& lines, const std::string& kind, std::uint8_t language, const std::string& readable)
{
    lines.Assign(BuildStoredLines(readable, *MakeDictionaryOfKind(kind, language)));
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The program's window-thread dictionaries over fixture lines of both directions; the
// settings' loading hook attaches the direction of the program, as loading does.
class BrowserTest : public ::testing::Test {
protected:
    explicit BrowserTest(const char* mode = "")
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(mode));
        auto& settings = Ustawienia();
        settings.SetStore(std::make_unique<TMagazynUstawienPamiec>());
        settings.SetDefaults();
        settings.SetInterfaceLanguage(jezPolski);
        settings.WczytajSlowniki = [this](bool) { AttachDirection(); };
        UstawPytanie(&question);
        Build(mainFr, "main", jezFrancuski, ReadFixture("frpol_main.txt"));
        Build(mainPl, "main", jezPolski, ReadFixture("polfr_main.txt"));
        Build(formsFr, "forms", jezFrancuski, ReadFixture("franc_forms.txt"));
        AttachDirection();
    }

    ~BrowserTest() override
    {
        window.reset();
        auto& dictionaries = Slowniki();
        for (TTransSlownik* dictionary :
             std::initializer_list<TTransSlownik*>{&dictionaries.Main, &dictionaries.User, &dictionaries.Forms}) {
            dictionary->SetFilter(false);
            dictionary->Attach(nullptr);
        }
        Ustawienia().WczytajSlowniki = nullptr;
        UstawPytanie(nullptr);
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
    }

    void AttachDirection()
    {
        auto& dictionaries = Slowniki();
        const auto& program = Program();
        const bool polish = program.SourceLanguage == jezPolski;
        for (TTransSlownik* dictionary :
             std::initializer_list<TTransSlownik*>{&dictionaries.Main, &dictionaries.User}) {
            dictionary->SetSourceLanguage(program.SourceLanguage);
            dictionary->SetTargetLanguage(program.TargetLanguage);
        }
        dictionaries.Forms.SetSourceLanguage(program.SourceLanguage);
        dictionaries.Forms.SetTargetLanguage(program.SourceLanguage);
        dictionaries.Main.Attach(polish ? &mainPl : &mainFr);
        dictionaries.User.Attach(polish ? nullptr : &userFr);
        dictionaries.Forms.Attach(polish || IsDictionaryMode(program.WorkingMode) ? nullptr : &formsFr);
    }

    TfrmSlownikZew& Open()
    {
        window = std::make_unique<TfrmSlownikZew>(Slowniki());
        if (Ustawienia().SlWidth <= 0) // no place of its own yet
            window->resize(700, 500);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    QString Entry() const { return window->EntryView()->toPlainText(); }

    // The search a pause in typing starts, made at once.
    void Search(const QString& word)
    {
        window->SetTypingDelay(false);
        window->SearchBox()->setText(word);
        window->SetTypingDelay(true);
    }

    // Whether the delayed rendering of the window comes to show headword (8-bit) in time.
    bool ComesToShow(const std::string& headword) const
    {
        return QTest::qWaitFor([&] { return window->CurrentHeadword() == headword; });
    }

    QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }

    TLinie mainFr, mainPl, formsFr, userFr;
    TPytanieSkryptowe question;
    std::unique_ptr<TfrmSlownikZew> window;
};

// ---------------------------------------------------------------- the list

TEST_F(BrowserTest, TheListShowsAPageOfHeadwordsInOrderAndTheScrollBarPagesThroughAll)
{
    Open();
    QListWidget* list = window->HeadwordList();
    QScrollBar* bar = window->ListScrollBar();
    const int rows = list->count();
    ASSERT_GT(rows, 5);
    ASSERT_LT(rows, 46) << "the page must be smaller than the dictionary for this test";
    EXPECT_EQ(Items(list).mid(0, 3), (QStringList{"abricot", "acheter", "aimer"}));
    EXPECT_EQ(bar->maximum(), 46 - rows);

    bar->setValue(bar->maximum());
    EXPECT_EQ(list->count(), rows);
    EXPECT_EQ(Items(list).last(), QStringLiteral("zèbre"));
    bar->setValue(8);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("chat"));
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("clé"));
}

TEST_F(BrowserTest, AUserHeadwordStandsBeforeTheEqualMainHeadwordAndIsWhatTheSearchShows)
{
    Build(userFr, "user", jezFrancuski, "chat_#1m kocur\nlapin_#1m królik\n");
    Open();
    QListWidget* list = window->HeadwordList();
    window->ListScrollBar()->setValue(8);
    EXPECT_EQ(Items(list).mid(0, 3), (QStringList{"chat", "chat", "cheval"}));
    EXPECT_EQ(window->ListScrollBar()->maximum(), 48 - list->count());

    window->SetTypingDelay(false);
    window->SearchBox()->setText("chat");
    EXPECT_EQ(window->ListScrollBar()->value() + list->currentRow(), 8) << "the user headword's row";
    EXPECT_TRUE(Entry().contains("chat"));
}

TEST_F(BrowserTest, HeadwordsTheUserAddsOrDeletesAppearAndVanishInTheList)
{
    Build(userFr, "user", jezFrancuski, "lapin_#1m królik\n");
    Open();
    QListWidget* list = window->HeadwordList();
    const int rows = list->count();
    TTransSlownikGlowny& user = Slowniki().User;
    // What adding a headword does to the user dictionary, before it reports it.
    userFr.Insert(0, user.Encode(FromUtf8("chat_#1m kocur")));
    user.CachedIndex = -1;
    window->OnUserEntryAdded(0, 8);
    EXPECT_EQ(Items(list).mid(8, 3), (QStringList{"chat", "chat", "cheval"}));
    EXPECT_EQ(window->ListScrollBar()->maximum(), 48 - rows);

    window->ListScrollBar()->setValue(4);
    list->setCurrentRow(2);
    userFr.Delete(0);
    user.CachedIndex = -1;
    window->OnUserEntryDeleted(0, 8);
    EXPECT_EQ(window->ListScrollBar()->value(), 3);
    EXPECT_EQ(Items(list).mid(5, 2), (QStringList{"chat", "cheval"}));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(window->ListScrollBar()->maximum(), 47 - rows);
}

// ---------------------------------------------------------------- searching

TEST_F(BrowserTest, TypingSearchesOnceAfterThePauseAndShowsTheEntry)
{
    Open();
    QTest::keyClicks(window->SearchBox(), "maison"); // "mais" is a headword too
    EXPECT_TRUE(Entry().isEmpty()) << "nothing before the pause";
    ASSERT_TRUE(ComesToShow("maison")) << window->CurrentHeadword();
    EXPECT_TRUE(Entry().contains("maison"));
    EXPECT_EQ(window->History().Items(), (std::vector<std::string>{"maison"}));
    const QListWidget* list = window->HeadwordList();
    ASSERT_GE(list->currentRow(), 0);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("maison"));
    EXPECT_EQ(window->SearchBox()->text(), QStringLiteral("maison"));
}

TEST_F(BrowserTest, WithoutQuickSearchTheSearchButtonSearches)
{
    Open();
    Action("actSzybkieSzukanie")->trigger();
    EXPECT_FALSE(window->SearchButton()->isEnabled());
    Search("pomme");
    EXPECT_TRUE(Entry().isEmpty());
    EXPECT_TRUE(window->SearchButton()->isEnabled());
    window->SearchButton()->click();
    EXPECT_EQ(window->CurrentHeadword(), "pomme");
    Ustawienia().SzybkieSzukanie = true;
}

TEST_F(BrowserTest, AnInflectedFormShowsTheEntryOfItsBase)
{
    Open();
    Search("chevaux");
    EXPECT_TRUE(Entry().contains("cheval"));
    ASSERT_NE(window->HeadwordList()->currentItem(), nullptr);
    EXPECT_EQ(window->HeadwordList()->currentItem()->text(), QStringLiteral("cheval"));
}

TEST_F(BrowserTest, AWordFoundNowhereLeavesTheViewEmptyAndTheListWhereItWouldStand)
{
    Open();
    Search("maisonnette");
    EXPECT_TRUE(Entry().isEmpty());
    EXPECT_TRUE(window->CurrentHeadword().empty());
    EXPECT_EQ(window->HeadwordList()->currentRow(), -1);
    const int position = window->ListScrollBar()->value();
    if (position < window->ListScrollBar()->maximum())
        EXPECT_EQ(window->HeadwordList()->item(0)->text(), QStringLiteral("manger"));
    else
        EXPECT_TRUE(Items(window->HeadwordList()).contains("manger"));
}

TEST_F(BrowserTest, ALetterButtonShowsTheFirstHeadwordOfTheLetterAtOnce)
{
    Open();
    QAction* letterM = nullptr;
    QAction* letterL = nullptr; // Ł: not a French letter
    for (QAction* action : window->LetterBar()->actions()) {
        if (action->text() == QStringLiteral("M"))
            letterM = action;
        if (action->text() == QStringLiteral("Ł"))
            letterL = action;
    }
    ASSERT_TRUE(letterM && letterL);
    EXPECT_FALSE(letterL->isVisible());
    letterM->trigger();
    EXPECT_EQ(window->CurrentHeadword(), "mais");
    EXPECT_EQ(window->HeadwordList()->currentItem()->text(), QStringLiteral("mais"));
}

// ---------------------------------------------------------------- moving in the list

TEST_F(BrowserTest, KeyboardMovementRendersAfterThePauseAndScrollsAtThePageEdge)
{
    Open();
    QListWidget* list = window->HeadwordList();
    const int last = list->count() - 1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(last)).center());
    EXPECT_EQ(window->CurrentHeadword(), FromQString(list->item(last)->text())) << "a click shows at once";

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->ListScrollBar()->value(), 2);
    EXPECT_EQ(list->currentRow(), last);
    EXPECT_NE(window->CurrentHeadword(), FromQString(list->item(last)->text())) << "not yet rendered";
    EXPECT_TRUE(ComesToShow(FromQString(list->item(last)->text()))) << window->CurrentHeadword();
    EXPECT_EQ(window->History().Items().size(), 2u) << "only the final row was rendered";

    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(ComesToShow(FromUtf8("zèbre"))) << window->CurrentHeadword();
    QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(ComesToShow("abricot")) << window->CurrentHeadword();
}

TEST_F(BrowserTest, ResizingKeepsTheSelectedHeadwordSelected)
{
    Open();
    QListWidget* list = window->HeadwordList();
    window->ListScrollBar()->setValue(3);
    const int row = list->count() - 1;
    list->setCurrentRow(row);
    const QString selected = list->currentItem()->text();

    window->resize(700, 250);
    QApplication::processEvents();
    ASSERT_LT(list->count(), row + 1) << "the page got smaller";
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), selected);
    EXPECT_EQ(list->currentRow(), list->count() - 1);
    EXPECT_EQ(window->ListScrollBar()->maximum(), 46 - list->count());
}

// ---------------------------------------------------------------- history

TEST_F(BrowserTest, TheHistoryStepsBackAndForwardWithoutReordering)
{
    Open();
    window->SetTypingDelay(false);
    for (const char* word : {"chat", "maison", "pomme"})
        window->SearchBox()->setText(word);
    QAction* back = Action("actHistoriaBack");
    QAction* next = Action("actHistoriaNext");
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(next->isEnabled());

    back->trigger();
    EXPECT_EQ(window->CurrentHeadword(), "maison");
    back->trigger();
    EXPECT_EQ(window->CurrentHeadword(), "chat");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    next->trigger();
    EXPECT_EQ(window->CurrentHeadword(), "maison");
    EXPECT_EQ(window->History().Items(), (std::vector<std::string>{"chat", "maison", "pomme"}));
    EXPECT_EQ(window->History().Cursor(), 1);
}

// ---------------------------------------------------------------- pattern search

class PatternSearchTest : public BrowserTest {
protected:
    PatternSearchTest() : BrowserTest("/slzewfr")
    {
        std::string readable = ReadFixture("frpol_main.txt");
        for (int i = 1; i <= 1500; ++i)
            readable += "mot" + std::to_string(10000 + i) + "_#1m wyraz\n";
        Build(mainFr, "main", jezFrancuski, readable);
    }

    void SearchFor(const QString& pattern)
    {
        window->findChild<QAction*>("actSzukaj")->trigger();
        auto* dialog = window->findChild<TfrmSzukaj*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        dialog->PatternBox()->setText(pattern);
        dialog->SearchButton()->click();
    }

    QString LastMessage() const
    {
        return question.Zadane().empty() ? QString() : QString::fromStdU16String(question.Zadane().back().Tekst);
    }
};

TEST_F(PatternSearchTest, AThousandOfMoreMatchesAreShownAndShowAllRestoresTheList)
{
    Open();
    SearchFor("mot1");
    EXPECT_EQ(LastMessage(), QStringLiteral("Znaleziono ponad 1000 pasujących haseł. Wyświetlono 1000 pierwszych."));
    const int rows = window->HeadwordList()->count();
    EXPECT_EQ(window->ListScrollBar()->maximum(), 1000 - rows);
    EXPECT_EQ(window->HeadwordList()->item(0)->text(), QStringLiteral("mot10001"));
    EXPECT_TRUE(window->ShowAllButton()->isEnabled());
    EXPECT_TRUE(ComesToShow("mot10001")) << window->CurrentHeadword();

    window->ShowAllButton()->click();
    EXPECT_FALSE(window->ShowAllButton()->isEnabled());
    EXPECT_EQ(window->ListScrollBar()->maximum(), 1546 - rows);
    EXPECT_EQ(window->HeadwordList()->item(0)->text(), QStringLiteral("abricot"));
}

TEST_F(PatternSearchTest, TypingInTheSearchBoxLeavesTheMatchesForTheWholeList)
{
    Open();
    SearchFor("mot1");
    QTest::keyClicks(window->SearchBox(), "pain");
    EXPECT_FALSE(window->ShowAllButton()->isEnabled());
    EXPECT_TRUE(ComesToShow("pain")) << window->CurrentHeadword();
}

TEST_F(PatternSearchTest, FewMatchesAreCountedAndNoneLeaveTheListAlone)
{
    Open();
    SearchFor("ch?t");
    EXPECT_EQ(LastMessage(), QStringLiteral("Znaleziono 2 pasujących haseł"));
    EXPECT_EQ(Items(window->HeadwordList()), (QStringList{"acheter", "chat"}));

    window->findChild<TfrmSzukaj*>()->WholeWordBox()->click();
    EXPECT_TRUE(Ustawienia().WholeWord);
    SearchFor("ch?t");
    EXPECT_EQ(LastMessage(), QStringLiteral("Znaleziono 1 pasujących haseł"));
    EXPECT_EQ(Items(window->HeadwordList()), QStringList{"chat"});
    Ustawienia().WholeWord = false;

    SearchFor("xyz");
    EXPECT_EQ(LastMessage(), QStringLiteral("Nie znaleziono pasujących haseł"));
    EXPECT_FALSE(window->ShowAllButton()->isEnabled());
    EXPECT_EQ(window->HeadwordList()->item(0)->text(), QStringLiteral("abricot"));
}

// ---------------------------------------------------------------- direction

class DictionaryModeTest : public BrowserTest {
protected:
    DictionaryModeTest() : BrowserTest("/slzewfr") {}
};

TEST_F(DictionaryModeTest, SwappingTheDirectionShowsTheFirstHeadwordOfTheOtherDictionaryWithNoHistory)
{
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmar – słownik francusko-polski"));
    Search("maison");
    ASSERT_EQ(window->History().Items().size(), 1u);

    Action("mniSlownik2")->trigger();
    EXPECT_EQ(Program().SourceLanguage, jezPolski);
    EXPECT_EQ(Items(window->HeadwordList()), (QStringList{"dom", "kot", "pies"}));
    EXPECT_EQ(window->CurrentHeadword(), "dom");
    EXPECT_TRUE(window->History().Items().empty());
    EXPECT_FALSE(Action("actHistoriaBack")->isEnabled());
    EXPECT_TRUE(Action("mniSlownik2")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmar – słownik polsko-francuski"));
    EXPECT_TRUE(window->LetterBar()->actions()[13]->isVisible()) << "Ł on the Polish letter bar";
}

TEST_F(DictionaryModeTest, CommandsCarryTheirCaptionsAndShortcuts)
{
    Open();
    struct TPolecenie {
        const char* Name;
        const char* Caption;
        QKeySequence Shortcut;
    };
    for (const auto& c : {TPolecenie{"actSzukaj", "&Szukaj według wzorca", QKeySequence(Qt::Key_F5)},
                          TPolecenie{"actDodajNotatke", "Dodaj &notatkę", QKeySequence(Qt::Key_F7)},
                          TPolecenie{"actNotatki", "&Lista notatek", QKeySequence(Qt::Key_F8)},
                          TPolecenie{"actDrukuj", "&Drukuj", QKeySequence(Qt::CTRL | Qt::Key_P)},
                          TPolecenie{"actKopiujHaslo", "&Kopiuj znaczenie hasła", QKeySequence(Qt::CTRL | Qt::Key_H)},
                          TPolecenie{"actLitery", "Uk&ryj litery", QKeySequence()}}) {
        QAction* action = Action(c.Name);
        ASSERT_NE(action, nullptr) << c.Name;
        EXPECT_EQ(action->text(), QString::fromUtf8(c.Caption)) << c.Name;
        EXPECT_EQ(action->shortcut(), c.Shortcut) << c.Name;
        EXPECT_TRUE(action->isVisible()) << c.Name;
    }
    Action("actLitery")->trigger();
    EXPECT_FALSE(window->LetterBar()->isVisible());
    EXPECT_EQ(Action("actLitery")->text(), QStringLiteral("&Pokaż litery"));
    Action("actLitery")->trigger();
    EXPECT_TRUE(window->LetterBar()->isVisible());

    Action("actZawszeNaWierzchu")->trigger();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    Action("actZawszeNaWierzchu")->trigger();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Ustawienia().NaWierzchu);
}

TEST_F(DictionaryModeTest, CopyingTheEntryPutsItsTextOnTheClipboard)
{
    Open();
    Search("maison");
    QApplication::clipboard()->clear();
    Action("actKopiujHaslo")->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("maison")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("dom")) << copied.toStdString();
}

TEST_F(DictionaryModeTest, TheWindowComesBackWhereTheUserLeftIt)
{
    Open();
    window->setGeometry(120, 90, 640, 420);
    Ustawienia().SaveSettings();
    window.reset();

    auto& settings = Ustawienia();
    settings.SlLeft = settings.SlTop = settings.SlWidth = settings.SlHeight = -1;
    settings.ApplySettings(true); // the next start reads them back from the store
    Open();
    EXPECT_EQ(window->geometry(), QRect(120, 90, 640, 420));
}

TEST_F(DictionaryModeTest, AddingANoteOpensTheNotesWindowOnTheHeadwordShown)
{
    TfrmNotatki notes;
    Open();
    window->SetNotesWindow(&notes);
    Action("actDodajNotatke")->trigger();
    EXPECT_FALSE(notes.isVisible()) << "no headword on display";

    Search("maison");
    Action("actDodajNotatke")->trigger();
    EXPECT_TRUE(notes.isVisible());
    ASSERT_NE(notes.HeadwordList()->currentItem(), nullptr);
    EXPECT_EQ(notes.HeadwordList()->currentItem()->text(), QStringLiteral("maison"));
    window.reset();
}

TEST_F(BrowserTest, BesideTheTranslatorTheWindowOffersBrowsingOnly)
{
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Słownik"));
    EXPECT_FALSE(Action("actDrukuj")->isVisible());
    EXPECT_FALSE(Action("actSzukaj")->isEnabled());
    EXPECT_TRUE(Action("actZamknijWew")->isEnabled());
    EXPECT_EQ(Action("actZamknijWew")->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
} // namespace velmar
