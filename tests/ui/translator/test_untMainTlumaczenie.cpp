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
        // A first line too long for hard-wrapped text: no question about line breaks.
        std::string text = "le chat noir dort dans la maison, le chien blanc dort dans le jardin avec le chat noir\r";
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }, 120000));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.TargetPane()->toPlainText().isEmpty(); }));
    window.TranslateAction()->trigger(); // busy: stops
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, Napis(113).toStdU16String());
    EXPECT_LT(window.TargetPane()->document()->blockCount(), 500);
    EXPECT_TRUE(window.TranslateFromCaretAction()->isEnabled());
}

TEST_F(MainTranslation, AHardWrappedSourceIsOfferedItsLineBreaksRemoval)
{
    struct TCase {
        TOdpowiedz Answer;
        const char* Source; // after the question
    };
    for (const TCase& given :
         {TCase{TOdpowiedz::Tak, "maison  jardin  porte  mur"}, TCase{TOdpowiedz::Nie, "maison\njardin\nporte\nmur"}}) {
        TPytanieSkryptowe answers({given.Answer});
        UstawPytanie(&answers);
        TPanel(window.SourcePane(), jezFrancuski).SetText("maison\rjardin\rporte\rmur");
        window.TranslateAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
        ASSERT_EQ(answers.Zadane().size(), 1u);
        EXPECT_EQ(answers.Zadane()[0].Tekst, Napis(110).toStdU16String());
        EXPECT_EQ(window.SourcePane()->toPlainText().toStdString(), given.Source);
        EXPECT_EQ(window.TargetPane()->toPlainText().toStdString(), given.Source) << "the words stay as they are";
    }
    UstawPytanie(&questions);
}

} // namespace
} // namespace velmar
