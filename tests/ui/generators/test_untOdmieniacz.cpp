// The inflection window: what the user sees when typing a verb.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "ui/generators/untOdmieniacz.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

class InflectionWindow : public ::testing::Test {
protected:
    InflectionWindow()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        for (const char* line : {"chat_#1 kot *2408", "parler_#4 mówić **61"})
            lines.Add(dictionary.Encode(FromUtf8(line)));
        dictionary.Attach(&lines);
        window.SetDictionary([this]() -> TTransSlownikGlowny& { return dictionary; });
    }

    QString Cell(int row, int column) const
    {
        const QTableWidgetItem* item = window.Grid()->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    void Type(const QString& text)
    {
        window.WordBox()->clear();
        QTest::keyClicks(window.WordBox(), text);
    }

    TLinie lines;
    TTransSlownikGlowny dictionary{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski};
    TfrmOdmieniacz window;
};

TEST_F(InflectionWindow, TypingAVerbFillsTheGrid)
{
    Type(QStringLiteral("parler"));
    QTableWidget* grid = window.Grid();
    ASSERT_EQ(grid->rowCount(), 40);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("singulier"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("pluriel"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("parler"));
    EXPECT_EQ(Cell(3, 0), QStringLiteral("indicatif présent"));
    EXPECT_EQ(Cell(4, 1), QStringLiteral("parle"));
    EXPECT_EQ(Cell(4, 2), QStringLiteral("parlons"));
    EXPECT_EQ(Cell(32, 1), QStringLiteral("---"));
    EXPECT_EQ(Cell(39, 0), QStringLiteral("féminin"));
    EXPECT_EQ(Cell(39, 2), QStringLiteral("parlées"));
    EXPECT_EQ(grid->rowHeight(4), 24);
}

TEST_F(InflectionWindow, AWordThatIsNotAVerbEmptiesTheGrid)
{
    // The previous verb's table would stand beside a word it does not belong to.
    Type(QStringLiteral("parler"));
    QTest::keyClicks(window.WordBox(), QStringLiteral("s"));
    EXPECT_EQ(window.Grid()->rowCount(), 0) << "not a headword";
    Type(QStringLiteral("parler"));
    window.RebuildInflectionTable("chat");
    EXPECT_EQ(window.Grid()->rowCount(), 0) << "a noun";
}

TEST_F(InflectionWindow, CaptionsFollowTheInterfaceLanguage)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Czasowniki francuskie"));
    EXPECT_EQ(window.WordLabel()->text(), QStringLiteral("Wpisz słowo:"));
    EXPECT_EQ(window.CloseButton()->text(), QStringLiteral("&Zamknij"));
    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Verbes français"));
    EXPECT_EQ(window.WordLabel()->text(), QStringLiteral("Tapez un mot :"));
    EXPECT_EQ(window.CloseButton()->text(), QStringLiteral("&Fermer"));
    Ustawienia().SetInterfaceLanguage(jezPolski);
}

TEST(InflectionWindowFromMenu, HelpMenuOpensOneWindowOnTop)
{
    Ustawienia().SetInterfaceLanguage(jezPolski);
    TfrmMain main;
    auto* action = main.findChild<QAction*>("mniPomocOdmieniacz");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Czasowniki francuskie"));
    action->trigger();
    action->trigger();
    const auto windows = main.findChildren<TfrmOdmieniacz*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_TRUE(windows.front()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
} // namespace velmar
