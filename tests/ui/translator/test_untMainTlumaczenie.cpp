// The translator window's translation commands offscreen: formats carried word by word,
// a window that stays responsive and refuses document commands while busy, and a stop
// that says so and returns to idle.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class MainTranslation : public ::testing::Test {
protected:
    MainTranslation()
    {
        // Without dictionaries every word stays as it is; no marks, so formats show.
        Ustawienia().ZaznaczNieznane = false;
        Ustawienia().ZaznaczNieprzetlumaczone = false;
        UstawPytanie(&questions);
    }
    ~MainTranslation() override { UstawPytanie(nullptr); }

    void LongSource()
    {
        std::string text;
        for (int i = 0; i < 500; ++i)
            text += "le chat noir dort dans la maison\r";
        TPanel(window.SourcePane(), jezFrancuski).SetText(text);
    }

    TPytanieSkryptowe questions;
    TfrmMain window;
};

TEST_F(MainTranslation, BoldSourceWordGivesBoldTargetWord)
{
    TPanel source(window.SourcePane(), jezFrancuski);
    source.SetText("chat noir dort");
    source.SetSelection(5, 4);
    TAtrybutyTekstu bold;
    bold.Pogrubienie = true;
    source.SetSelAttributes(bold);

    window.TranslateAction()->trigger();
    QTRY_VERIFY(!window.Busy());
    TPanel target(window.TargetPane(), jezPolski);
    EXPECT_EQ(target.Text(), "chat noir dort");
    for (const auto& [position, isBold] : {std::pair{1, false}, std::pair{6, true}, std::pair{11, false}}) {
        target.SetSelection(position, 1);
        EXPECT_EQ(target.SelAttributes().Pogrubienie, isBold) << position;
    }
    EXPECT_TRUE(questions.Zadane().empty());
}

TEST_F(MainTranslation, StaysResponsiveAndRefusesDocumentCommandsWhileBusy)
{
    LongSource();
    int ticks = 0, ticksWhileBusy = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (window.Busy()) {
            ++ticksWhileBusy;
            EXPECT_FALSE(window.NewAction()->isEnabled());
            EXPECT_FALSE(window.TranslateFromCaretAction()->isEnabled());
            EXPECT_TRUE(window.SourcePane()->isReadOnly());
        }
    });
    timer.start(1);
    window.TranslateAction()->trigger();
    EXPECT_EQ(window.TranslateAction()->text(), Napis(111));
    window.NewAction()->trigger();
    EXPECT_FALSE(window.SourcePane()->toPlainText().isEmpty()) << "New is refused while busy";
    QTRY_VERIFY_WITH_TIMEOUT(!window.Busy(), 120000);
    EXPECT_GT(ticksWhileBusy, 0);
    EXPECT_TRUE(window.NewAction()->isEnabled());
    EXPECT_EQ(window.TranslateAction()->text(), Napis(404));
    EXPECT_FALSE(window.SourcePane()->isReadOnly());
}

TEST_F(MainTranslation, StopSaysSoAndReturnsToIdle)
{
    LongSource();
    window.TranslateAction()->trigger();
    ASSERT_TRUE(window.Busy());
    QTRY_VERIFY(!window.TargetPane()->toPlainText().isEmpty());
    window.TranslateAction()->trigger(); // busy: stops
    QTRY_VERIFY(!window.Busy());
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, Napis(113).toStdU16String());
    EXPECT_LT(window.TargetPane()->document()->blockCount(), 500);
    EXPECT_TRUE(window.TranslateFromCaretAction()->isEnabled());
}

} // namespace
} // namespace velmar
