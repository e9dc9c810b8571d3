// The translator window's translation mode and direction, offscreen: the mode button
// steps between an automatic mode and its interactive one, its drop-down checks the
// mode set anywhere, and the direction swap is refused while a translation runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class MainMode : public ::testing::Test {
protected:
    MainMode() { UstawPytanie(&questions); }
    ~MainMode() override
    {
        Ustawienia().TrybPracy = 0;
        UstawPytanie(nullptr);
    }

    int CheckedMode() const
    {
        for (const QAction* item : window.ModeMenu()->actions())
            if (item->isChecked())
                return item->data().toInt();
        return -1;
    }

    TPytanieSkryptowe questions;
    TfrmMain window;
};

TEST_F(MainMode, TheButtonStepsBetweenAutomaticAndInteractive)
{
    struct TCase {
        int From;
        std::vector<int> Steps;
    };
    for (const TCase& given : {TCase{0, {3, 0, 3, 0}}, TCase{4, {0}}, TCase{5, {6, 5}}, TCase{7, {5}}, TCase{8, {0}}}) {
        Ustawienia().SetTranslationMode(given.From);
        for (const int expected : given.Steps) {
            window.ModeButton()->click();
            EXPECT_EQ(Ustawienia().TrybPracy, expected) << given.From;
            EXPECT_EQ(CheckedMode(), expected) << given.From;
        }
    }
}

TEST_F(MainMode, TheDropDownSetsTheMode)
{
    for (QAction* item : window.ModeMenu()->actions())
        if (item->data().toInt() == 8)
            item->trigger();
    EXPECT_EQ(Ustawienia().TrybPracy, 8);
    EXPECT_EQ(CheckedMode(), 8);
}

TEST_F(MainMode, TheDirectionSwapsOnlyWhenIdle)
{
    const std::uint8_t source = Program().SourceLanguage;
    const QString title = window.windowTitle();
    window.SwapDirectionAction()->trigger();
    EXPECT_NE(Program().SourceLanguage, source);
    EXPECT_NE(window.windowTitle(), title);
    window.SwapDirectionAction()->trigger();
    EXPECT_EQ(Program().SourceLanguage, source);

    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "le chat noir dort dans la maison, le chien blanc dort dans le jardin avec le chat noir\r";
    TPanel(window.SourcePane(), jezFrancuski).SetText(text);
    window.TranslateAction()->trigger();
    ASSERT_TRUE(window.Busy());
    TPytanieSkryptowe stop({TOdpowiedz::Tak});
    UstawPytanie(&stop);
    window.SwapDirectionAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    ASSERT_FALSE(stop.Zadane().empty());
    EXPECT_EQ(stop.Zadane()[0].Tekst, Napis(127).toStdU16String());
    EXPECT_EQ(Program().SourceLanguage, source) << "the run stopped; the direction stays";
    UstawPytanie(&questions);
}

} // namespace
} // namespace velmar
