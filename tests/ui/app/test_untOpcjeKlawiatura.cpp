// The keyboard page: keys pressed in the shortcut grid, the refusal of a combination
// another letter has, and the settings changed only on confirmation.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTest>

#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untOpcjeKlawiatura.h"
#include "ui/app/untSkrotyZnakow.h"

namespace velmar {
namespace {

class KeyboardFrame : public ::testing::Test {
protected:
    KeyboardFrame()
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&question);
        settings.SetDefaults();
        settings.SkrotyWlaczone[jezPolski] = true;
        settings.SkrotyKlawiszowe[jezPolski][0] = "Ctrl+Q"; // ą, moved by the user earlier
        frame.Wczytaj(settings);
        frame.cmbSkrotyJezyk_->setCurrentIndex(1); // the target language: Polish
        frame.show();
    }
    ~KeyboardFrame() override { UstawPytanie(nullptr); }

    void Press(int row, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        frame.sgrSkroty_->setCurrentCell(row, 0);
        QTest::keyClick(frame.sgrSkroty_, key, modifiers);
    }
    QString Shown(int row) const { return frame.sgrSkroty_->item(row, 1)->text(); }

    TTransUstawienia settings;
    TPytanieSkryptowe question;
    TfraOpcjeKlawiatura frame;
};

TEST_F(KeyboardFrame, AChangedShortcutTypesTheLetterOnlyAfterConfirmation)
{
    Press(0, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Shown(0), "Ctrl+Alt+A") << "Shift is not recorded";
    const QKeyCombination ctrlAltA(Qt::ControlModifier | Qt::AltModifier, Qt::Key_A);
    EXPECT_TRUE(LetterOfShortcut(settings, jezPolski, ctrlAltA).isEmpty());

    frame.Zatwierdz(settings);
    EXPECT_EQ(LetterOfShortcut(settings, jezPolski, ctrlAltA), QString::fromUtf8("ą"));
}

TEST_F(KeyboardFrame, AShortcutAnotherLetterHasIsRefused)
{
    Press(0, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier); // ć has it
    EXPECT_EQ(Shown(0), "Ctrl+Q");
    ASSERT_EQ(question.Zadane().size(), 1U);
    EXPECT_EQ(question.Zadane()[0].Tekst, InterfaceTextWide(jezPolski, 117));
}

TEST_F(KeyboardFrame, ArrowsMoveAndDeleteEmptiesTheRow)
{
    Press(0, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(frame.sgrSkroty_->currentRow(), 1);
    EXPECT_EQ(Shown(0), "Ctrl+Q");
    Press(1, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(Shown(1), QString::fromStdU16String(InterfaceTextWide(jezPolski, 800)));
    frame.Zatwierdz(settings);
    EXPECT_EQ(settings.SkrotyKlawiszowe[jezPolski][1], "");
}

} // namespace
} // namespace velmar
