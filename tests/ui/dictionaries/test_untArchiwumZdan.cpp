// The sentence archive window and its add dialog, driven as a user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untArchiwumZdan.h"
#include "core/dictionaries/untKod.h"
#include "ui/dictionaries/untArchiwumZdan.h"

namespace velmar {
namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Types text as key presses; unlike QTest::keyClicks it takes any character.
void Type(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

class ArchiveWindowTest : public ::testing::Test {
protected:
    ArchiveWindowTest()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        archive.Attach(&lines);
        UstawPytanie(&question);
    }
    ~ArchiveWindowTest() override { UstawPytanie(nullptr); }

    void Store(const char* sentenceUtf8, const char* translationUtf8)
    {
        archive.AddPair(FromUtf8(sentenceUtf8), FromUtf8(translationUtf8));
    }

    // Clicks a window button that opens the add dialog and lets the user work in it.
    void InDialog(QPushButton* opener, const std::function<void(TfrmArchiwumZdanDodaj&)>& user)
    {
        bool seen = false;
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = window.findChild<TfrmArchiwumZdanDodaj*>();
            ASSERT_NE(dialog, nullptr);
            seen = true;
            user(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        opener->click();
        EXPECT_TRUE(seen) << "the dialog did not open";
    }

    void AddThroughDialog(const QString& sentence, const QString& translation)
    {
        InDialog(window.AddButton(), [&](TfrmArchiwumZdanDodaj& dialog) {
            Type(dialog.SentenceBox(), sentence);
            Type(dialog.TranslationBox(), translation);
            dialog.AddButton()->click();
        });
    }

    void Select(const QString& sentence)
    {
        const auto found = window.SentenceList()->findItems(sentence, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << sentence.toStdString();
        window.SentenceList()->setCurrentItem(found.front());
    }

    QString Status() const { return window.StatusBar()->currentMessage(); }

    TLinie lines;
    TTransSlownikZdan archive{jezFrancuski, jezPolski};
    TPytanieSkryptowe question;
    TfrmArchiwumZdan window{archive, Ustawienia()};
};

TEST_F(ArchiveWindowTest, PairAddedThroughTheDialogShowsInTheListWithItsCount)
{
    window.show();
    EXPECT_EQ(Status(), QStringLiteral("0 zdań w archiwum"));

    InDialog(window.AddButton(), [](TfrmArchiwumZdanDodaj& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dodaj zdanie do archiwum"));
        EXPECT_FALSE(dialog.SentenceBox()->isReadOnly());
        Type(dialog.SentenceBox(), QStringLiteral("J'ai 3 chats"));
        EXPECT_FALSE(dialog.AddButton()->isEnabled()) << "no translation yet";
        Type(dialog.TranslationBox(), QStringLiteral("Mam 3 koty"));
        EXPECT_TRUE(dialog.AddButton()->isEnabled());
        dialog.AddButton()->click();
    });
    EXPECT_EQ(Items(window.SentenceList()), QStringList{"J'ai 3 chats"});
    EXPECT_EQ(Status(), QStringLiteral("1 zdanie w archiwum"));

    Select(QStringLiteral("J'ai 3 chats"));
    EXPECT_EQ(Items(window.TranslationList()), QStringList{"Mam 3 koty"});

    AddThroughDialog(QStringLiteral("Où est la gare ?"), QStringLiteral("Gdzie jest dworzec?"));
    AddThroughDialog(QStringLiteral("Bonne journée"), QStringLiteral("Miłego dnia"));
    EXPECT_EQ(window.SentenceList()->count(), 3);
    EXPECT_EQ(Status(), QStringLiteral("3 zdania w archiwum"));
    Select(QStringLiteral("Où est la gare ?"));
    EXPECT_EQ(Items(window.TranslationList()), QStringList{"Gdzie jest dworzec?"});
}

TEST_F(ArchiveWindowTest, ButtonsFollowTheSelectionAndTheSearchText)
{
    Store("Bonjour", "Dzień dobry");
    window.show();
    window.SentenceList()->setCurrentRow(-1);
    EXPECT_FALSE(window.DeleteButton()->isEnabled());
    EXPECT_FALSE(window.AddTranslationButton()->isEnabled());
    EXPECT_FALSE(window.EditTranslationButton()->isEnabled());
    EXPECT_FALSE(window.SearchButton()->isEnabled());
    EXPECT_FALSE(window.ShowAllButton()->isEnabled());

    Select(QStringLiteral("Bonjour"));
    EXPECT_TRUE(window.DeleteButton()->isEnabled());
    EXPECT_TRUE(window.AddTranslationButton()->isEnabled());
    EXPECT_TRUE(window.EditTranslationButton()->isEnabled()) << "the first translation is selected";
    Type(window.SearchBox(), QStringLiteral("  "));
    EXPECT_FALSE(window.SearchButton()->isEnabled()) << "blank search text";
    Type(window.SearchBox(), QStringLiteral("jour"));
    EXPECT_TRUE(window.SearchButton()->isEnabled());
}

TEST_F(ArchiveWindowTest, SearchFiltersTheListAndShowAllRestoresIt)
{
    Store("Le chat dort", "Kot śpi");
    Store("J'ai 3 chats", "Mam 3 koty");
    Store("Bonjour", "Dzień dobry");
    window.show();

    Type(window.SearchBox(), QStringLiteral("chat"));
    QTest::keyClick(window.SearchBox(), Qt::Key_Return);
    EXPECT_EQ(Items(window.SentenceList()), (QStringList{"J'ai 3 chats", "Le chat dort"}));
    EXPECT_EQ(Status(), QStringLiteral("Znaleziono 2 zdania"));
    EXPECT_TRUE(window.ShowAllButton()->isEnabled());

    window.ShowAllButton()->click();
    EXPECT_EQ(window.SentenceList()->count(), 3);
    EXPECT_EQ(Status(), QStringLiteral("3 zdania w archiwum"));
    EXPECT_FALSE(window.ShowAllButton()->isEnabled());

    window.SearchButton()->click();
    window.close();
    EXPECT_FALSE(archive.FilterActive) << "closing ends the search result";
    window.show();

    window.SearchBox()->setText(QStringLiteral("chien"));
    window.SearchButton()->click();
    EXPECT_EQ(Status(), QStringLiteral("Nie znaleziono pasujących zdań"));
    EXPECT_EQ(window.SentenceList()->count(), 3) << "nothing found leaves the whole archive";
}

TEST_F(ArchiveWindowTest, ChangesDuringASearchReachTheWholeArchive)
{
    Store("Le chat dort", "Kot śpi");
    Store("J'ai 3 chats", "Mam 3 koty");
    Store("Bonjour", "Dzień dobry");
    window.show();
    window.SearchBox()->setText(QStringLiteral("chat"));
    window.SearchButton()->click();

    Select(QStringLiteral("Le chat dort"));
    window.DeleteButton()->click();
    EXPECT_EQ(Items(window.SentenceList()), QStringList{"J'ai 3 chats"});
    EXPECT_EQ(Status(), QStringLiteral("Znaleziono 1 zdanie"));
    AddThroughDialog(QStringLiteral("Un chat noir"), QStringLiteral("Czarny kot"));
    EXPECT_EQ(Items(window.SentenceList()), QStringList{"J'ai 3 chats"}) << "the search result stays as it was found";

    window.ShowAllButton()->click();
    EXPECT_EQ(Items(window.SentenceList()), (QStringList{"Bonjour", "J'ai 3 chats", "Un chat noir"}));
}

TEST_F(ArchiveWindowTest, DeletingTheOnlyTranslationAsksAndThenDeletesTheSentence)
{
    Store("Bonjour", "Dzień dobry");
    Store("Merci", "Dziękuję");
    Store("Merci", "Dzięki");
    window.show();

    Select(QStringLiteral("Merci"));
    window.DeleteTranslationButton()->click();
    EXPECT_TRUE(question.Zadane().empty()) << "another translation remains";
    EXPECT_EQ(Items(window.TranslationList()), QStringList{"Dzięki"});

    question = TPytanieSkryptowe({TOdpowiedz::Nie, TOdpowiedz::Tak});
    Select(QStringLiteral("Bonjour"));
    window.DeleteTranslationButton()->click();
    ASSERT_EQ(question.Zadane().size(), 1u);
    EXPECT_EQ(question.Zadane()[0].Tekst, InterfaceTextWide(jezPolski, 1886));
    EXPECT_EQ(question.Zadane()[0].Przyciski, TPrzyciski::TakNie);
    EXPECT_EQ(window.SentenceList()->count(), 2) << "No keeps the sentence";

    window.DeleteTranslationButton()->click();
    EXPECT_EQ(Items(window.SentenceList()), QStringList{"Merci"});
    EXPECT_EQ(Status(), QStringLiteral("1 zdanie w archiwum"));
}

TEST_F(ArchiveWindowTest, TranslationsAreAddedAndEditedThroughTheDialog)
{
    Store("Merci", "Dziękuję");
    window.show();
    Select(QStringLiteral("Merci"));

    InDialog(window.AddTranslationButton(), [](TfrmArchiwumZdanDodaj& dialog) {
        EXPECT_EQ(dialog.SentenceBox()->text(), QStringLiteral("Merci"));
        EXPECT_TRUE(dialog.SentenceBox()->isReadOnly());
        Type(dialog.TranslationBox(), QStringLiteral("Dzięki"));
        dialog.AddButton()->click();
    });
    EXPECT_EQ(Items(window.TranslationList()), (QStringList{"Dziękuję", "Dzięki"}));
    EXPECT_EQ(window.TranslationList()->currentRow(), 1) << "the new translation is selected";

    InDialog(window.EditTranslationButton(), [](TfrmArchiwumZdanDodaj& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edytuj tłumaczenie zdania"));
        EXPECT_EQ(dialog.AddButton()->text(), QStringLiteral("OK"));
        EXPECT_EQ(dialog.TranslationBox()->text(), QStringLiteral("Dzięki"));
        dialog.TranslationBox()->selectAll();
        Type(dialog.TranslationBox(), QStringLiteral("Dzięki wielkie"));
        dialog.AddButton()->click();
    });
    EXPECT_EQ(Items(window.TranslationList()), (QStringList{"Dziękuję", "Dzięki wielkie"}));
    EXPECT_EQ(window.TranslationList()->currentRow(), 1);
}

TEST_F(ArchiveWindowTest, DialogRefusesTextTheArchiveWouldReadBackDifferently)
{
    window.show();
    InDialog(window.AddButton(), [this](TfrmArchiwumZdanDodaj& dialog) {
        Type(dialog.SentenceBox(), QStringLiteral("a <info tekst=x>"));
        Type(dialog.TranslationBox(), QStringLiteral("b"));
        dialog.AddButton()->click();
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open for a correction";
        ASSERT_EQ(question.Zadane().size(), 1u);
        EXPECT_EQ(question.Zadane()[0].Przyciski, TPrzyciski::OK);
        EXPECT_FALSE(question.Zadane()[0].Tekst.empty());
    });
    EXPECT_EQ(archive.Count(), 0);
}

TEST_F(ArchiveWindowTest, ListPagesThroughTheArchiveWithItsOwnScrollBar)
{
    for (int i = 10; i < 40; ++i)
        archive.AddPair(Format("zdanie %d", i), Format("phrase %d", i));
    window.resize(500, 400);
    window.show();
    const int rows = window.RowsPerPage();
    ASSERT_GT(rows, 1);
    ASSERT_LT(rows, 30);
    QScrollBar* bar = window.SentenceScrollBar();
    EXPECT_EQ(bar->maximum(), 30 - rows);
    EXPECT_EQ(bar->pageStep(), rows);
    QListWidget* list = window.SentenceList();
    EXPECT_EQ(list->count(), rows);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("zdanie 10"));
    EXPECT_LE(list->visualItemRect(list->item(rows - 1)).bottom(), list->viewport()->height())
        << "the whole page fits the list";

    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_EQ(window.TopRecord(), rows);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->currentRow(), rows - 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window.TopRecord(), rows + 1) << "Down on the last row scrolls by one";
    EXPECT_EQ(list->currentItem()->text(), QString("zdanie %1").arg(10 + 2 * rows));
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("zdanie 39"));
    QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(window.TopRecord(), 0);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(window.TopRecord(), 0) << "nothing above the first record";
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(ArchiveWindowTest, PageUpAndTheSideArrowsMoveAsInTheDictionaryList)
{
    for (int i = 10; i < 40; ++i)
        archive.AddPair(Format("zdanie %d", i), Format("phrase %d", i));
    window.resize(500, 400);
    window.show();
    const int rows = window.RowsPerPage();
    ASSERT_GT(rows, 2);
    ASSERT_LT(rows, 15);
    QListWidget* list = window.SentenceList();
    QTest::keyClick(list, Qt::Key_PageDown);
    QTest::keyClick(list, Qt::Key_PageDown);
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(window.TopRecord(), rows) << "a page up, on the same row";
    EXPECT_EQ(list->currentRow(), 1);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(window.TopRecord(), rows - 1) << "Left on the first row scrolls by one, like Up";
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(window.TopRecord(), rows) << "Right on the last row scrolls by one, like Down";
    QTest::keyClick(list, Qt::Key_PageUp);
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(window.TopRecord(), 0);
    EXPECT_EQ(list->currentRow(), 0) << "page up at the top selects the first record";
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("zdanie 10"));
}

TEST_F(ArchiveWindowTest, OptionsAreStoredAtOnce)
{
    auto& settings = Ustawienia();
    const TOpcjeUstawien before = settings;
    settings.UzywajArchiwum = true;
    settings.TlumaczenieDoArchiwum = false;
    settings.ArchiwumProcent = 80;
    window.show();
    EXPECT_TRUE(window.UseArchiveBox()->isChecked());
    EXPECT_EQ(window.PercentBox()->value(), 80);

    window.UseArchiveBox()->click();
    window.TranslationsToArchiveBox()->click();
    window.PercentBox()->stepUp();
    EXPECT_FALSE(settings.UzywajArchiwum);
    EXPECT_TRUE(settings.TlumaczenieDoArchiwum);
    EXPECT_EQ(settings.ArchiwumProcent, 90);
    static_cast<TOpcjeUstawien&>(settings) = before;
}

TEST_F(ArchiveWindowTest, CaptionsFollowTheInterfaceLanguage)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Archiwum zdań"));
    EXPECT_EQ(window.ShowAllButton()->text(), QStringLiteral("Pokaż wszystkie"));
    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    window.RefreshCaptions();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Archive de phrases"));
    EXPECT_EQ(window.ShowAllButton()->text(), QStringLiteral("Tout afficher"));
    EXPECT_EQ(window.DeleteTranslationButton()->text(), QStringLiteral("Supprimer la tra&duction"));
    Ustawienia().SetInterfaceLanguage(jezPolski);
}

} // namespace
} // namespace velmar
