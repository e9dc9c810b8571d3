// The translator window's choices during a translation, offscreen, over a small
// dictionary with ambiguous words: the meanings grid, the manual translation window,
// the interpretation list and the sentence-by-sentence window, each ending its wait by
// its buttons, by its title bar or by the closing of the translator window.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <map>

#include "MalySlownik.h"
#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untPoZdaniu.h"
#include "ui/translator/untSiatkaZnaczen.h"
#include "ui/translator/untTlumaczReczne.h"
#include "ui/translator/untTlumaczZdanie.h"

namespace velmar {
namespace {

class MainChoices : public ::testing::Test {
protected:
    MainChoices()
    {
        Ustawienia().ZaznaczNieznane = false;
        Ustawienia().ZaznaczNieprzetlumaczone = false;
        Ustawienia().ZaznaczWieloznaczne = false;
        UstawPytanie(&questions);
    }
    ~MainChoices() override
    {
        window.reset();
        Ustawienia().TrybPracy = 0;
        UstawPytanie(nullptr);
    }

    void Translate(int mode, const std::string& source)
    {
        Ustawienia().TrybPracy = mode;
        TPanel(window->SourcePane(), jezFrancuski).SetText(FromUtf8(source));
        window->TranslateAction()->trigger();
        ASSERT_TRUE(window->Busy());
    }
    std::string Target() { return ToUtf8(TPanel(window->TargetPane(), jezPolski).Text(), jezPolski); }

    test::MalySlownik dictionary;
    TPytanieSkryptowe questions;
    std::unique_ptr<TfrmMain> window = std::make_unique<TfrmMain>();
};

TEST_F(MainChoices, GridShowsOneColumnPerWordAndEndStopsTheRun)
{
    Translate(1, "chat temps beau");
    TSiatkaZnaczen& grid = *window->MeaningsGrid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid.EndButton()->isEnabled(); }));
    EXPECT_TRUE(grid.isVisible() || !window->isVisible());
    ASSERT_EQ(grid.Grid()->columnCount(), 3);
    std::map<QString, QStringList> columns; // the words in the engine's order
    for (int c = 0; c < 3; ++c)
        for (int r = 1; r < grid.Grid()->rowCount(); ++r)
            if (const QTableWidgetItem* cell = grid.Grid()->item(r, c); cell != nullptr && !cell->text().isEmpty())
                columns[grid.Grid()->item(0, c)->text()] << cell->text();
    EXPECT_EQ(columns["temps"], (QStringList{"czas", "pogoda"}));
    EXPECT_EQ(columns["beau"], (QStringList{"piękny", "ładny"}));
    EXPECT_EQ(columns["chat"], QStringList{"kot"});

    grid.EndButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }, 1000));
    EXPECT_FALSE(grid.EndButton()->isEnabled());
}

TEST_F(MainChoices, GridContinueLetsTheRunGoOn)
{
    Translate(1, "temps");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->MeaningsGrid()->ContinueButton()->isEnabled(); }));
    window->MeaningsGrid()->ContinueButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    EXPECT_EQ(Target(), "czas");
}

// The grid's column of a source word, −1 when it shows none.
int ColumnOf(const QTableWidget& grid, const QString& source)
{
    for (int c = 0; c < grid.columnCount(); ++c)
        if (grid.item(0, c) != nullptr && grid.item(0, c)->text() == source)
            return c;
    return -1;
}

TEST_F(MainChoices, GridDoubleClickAndTypingChooseTranslations)
{
    Translate(1, "temps beau");
    QTableWidget& grid = *window->MeaningsGrid()->Grid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->MeaningsGrid()->ContinueButton()->isEnabled(); }));
    const auto current = [&](const char* source) {
        const int column = ColumnOf(grid, source);
        return column < 0 || grid.item(1, column) == nullptr ? QString() : grid.item(1, column)->text();
    };
    emit grid.cellDoubleClicked(2, ColumnOf(grid, "temps"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return current("temps") == "pogoda"; })) << current("temps").toStdString();

    // The adjective now agrees with "pogoda": "ładna" is offered, "śliczna" is not.
    for (const char* typed : {"ładna", "śliczna"}) {
        const int column = ColumnOf(grid, "beau");
        grid.item(grid.rowCount() - 1, column)->setText(QString::fromUtf8(typed));
        ASSERT_TRUE(QTest::qWaitFor([&] { return current("beau") == QString::fromUtf8(typed); }))
            << typed << ": " << current("beau").toStdString();
    }
    EXPECT_EQ(grid.rowCount(), 5) << "the typed translation was added, the one already there was not";

    window->MeaningsGrid()->ContinueButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    EXPECT_EQ(Target(), "śliczna pogoda");
}

TEST_F(MainChoices, GridColumnDraggedMovesItsWord)
{
    Translate(1, "temps chat beau");
    QTableWidget& grid = *window->MeaningsGrid()->Grid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->MeaningsGrid()->ContinueButton()->isEnabled(); }));
    const int from = ColumnOf(grid, "temps");
    grid.horizontalHeader()->moveSection(from, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ColumnOf(grid, "temps") == 2; }));
    EXPECT_EQ(grid.horizontalHeader()->visualIndex(2), 2) << "the refilled grid is in the words' order";
    window->MeaningsGrid()->ContinueButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    EXPECT_EQ(Target().rfind("czas"), Target().size() - 4) << Target();
}

TEST_F(MainChoices, ManualModeOpensTheWindowOncePerWordWithAChoice)
{
    Translate(3, "temps chat beau");
    TfrmTlumaczReczne& manual = *window->ManualWindow();
    std::vector<QStringList> offered;
    for (const int row : {1, 0}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return manual.Waiting(); }));
        QStringList items;
        for (int i = 0; i < manual.Translations()->count(); ++i)
            items << manual.Translations()->item(i)->text();
        offered.push_back(items);
        manual.Translations()->setCurrentRow(row);
        manual.ChosenButton()->click();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], (QStringList{"czas", "pogoda"}));
    EXPECT_EQ(offered[1], (QStringList{"piękny", "ładny"}));
    EXPECT_EQ(Target(), "pogoda piękny kot");
    EXPECT_TRUE(questions.Zadane().empty());
}

TEST_F(MainChoices, ManualWindowPreviewsTheClickedTranslation)
{
    Translate(3, "chat temps");
    TfrmTlumaczReczne& manual = *window->ManualWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return manual.Waiting(); }));
    EXPECT_EQ(manual.TranslationPane()->toPlainText(), "kot czas");
    manual.Translations()->setCurrentRow(1);
    EXPECT_EQ(manual.TranslationPane()->toPlainText(), "kot pogoda");
    manual.EndButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
}

TEST_F(MainChoices, InterpretationModeListsTheVariants)
{
    Translate(8, "temps beau");
    TfrmTlumaczZdanie& list = *window->InterpretationWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.Waiting(); }));
    EXPECT_EQ(list.Variants()->count(), 4);
    list.Variants()->setCurrentRow(list.Variants()->count() - 1);
    list.ChooseButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    EXPECT_NE(Target().find("pogoda"), std::string::npos);
}

TEST_F(MainChoices, ClosingAChoiceWindowFromItsTitleBarEndsTheWaitWithinASecond)
{
    struct TCase {
        int Mode;
        const char* Source;
    };
    for (const TCase& c : {TCase{3, "temps"}, TCase{8, "temps beau"}}) {
        Translate(c.Mode, c.Source);
        TOknoWyboru* choice = c.Mode == 3 ? static_cast<TOknoWyboru*>(window->ManualWindow())
                                          : static_cast<TOknoWyboru*>(window->InterpretationWindow());
        ASSERT_TRUE(QTest::qWaitFor([&] { return choice->Waiting(); }));
        choice->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }, 1000));
        EXPECT_FALSE(choice->isVisible());
    }
}

TEST_F(MainChoices, SentenceBySentenceWaitsAfterEachParagraph)
{
    TPanel(window->SourcePane(), jezFrancuski).SetText("chat\rtemps\rbeau");
    window->TranslateBySentenceAction()->trigger();
    TfrmPoZdaniu& pause = *window->SentenceWindow();
    for (int paragraph = 0; paragraph < 2; ++paragraph) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return pause.Waiting(); }));
        EXPECT_FALSE(window->SourcePane()->isReadOnly()) << "the user may correct the panes";
        pause.ContinueButton()->click();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }));
    EXPECT_EQ(Target(), "kot\rczas {pogoda}\rpiękny {ładny}");
}

TEST_F(MainChoices, ClosingTheWindowDuringATranslationEndsItWithinTwoSeconds)
{
    // Yes to stopping the translation, no to saving the documents.
    TPytanieSkryptowe yes({TOdpowiedz::Tak, TOdpowiedz::Nie});
    UstawPytanie(&yes);
    window->show();
    Translate(3, "temps");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->ManualWindow()->Waiting(); }));
    const QDeadlineTimer deadline(2000);
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Busy(); }, 2000));
    EXPECT_FALSE(deadline.hasExpired());
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(yes.Zadane().size(), 2u);
    EXPECT_EQ(yes.Zadane()[0].Tekst, Napis(112).toStdU16String());
    EXPECT_EQ(yes.Zadane()[1].Przyciski, TPrzyciski::TakNieAnuluj);
}

} // namespace
} // namespace velmar
