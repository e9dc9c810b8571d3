// The dictionary options window: values copied in and back only on confirmation, the
// colour samples, the interface-language change and the hot-key acceptance test.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untOpcjeSlownika.h"

namespace velmar {
namespace {

// A window system where one combination is taken by another program.
class TZajetyKlawisz : public TGoracyKlawisz {
public:
    bool Register(int modifiers, int key) override { return !(modifiers == 2 && key == 'T'); }
    void Unregister() override {}
};

class DictionaryOptions : public ::testing::Test {
protected:
    DictionaryOptions()
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode("/slzewfr"));
        Ustawienia().SetDefaults();
        Ustawienia().SetInterfaceLanguage(jezPolski);
        Ustawienia().SetHotKeyService(std::make_unique<TZajetyKlawisz>());
        UstawPytanie(&question);
        settings.SetDefaults();
        window.Wczytaj(settings);
    }
    ~DictionaryOptions() override
    {
        UstawPytanie(nullptr);
        Ustawienia().SetHotKeyService(std::make_unique<TBrakGoracegoKlawisza>());
    }

    TTransUstawienia settings;
    TPytanieSkryptowe question;
    TfrmOpcjeSlZew window;
};

TEST_F(DictionaryOptions, ValuesGoBackOnlyOnConfirmation)
{
    window.chbDrukujNotatki_->setChecked(false);
    window.grpSlownik_->button(1)->setChecked(true);
    window.UstawKolor(1, 0x0000FF);
    EXPECT_TRUE(settings.DrukujNotatki);
    EXPECT_EQ(settings.KolorHaslo, 0x000000);

    window.Zatwierdz(settings);
    EXPECT_FALSE(settings.DrukujNotatki);
    EXPECT_TRUE(settings.SlownikTranslatora);
    EXPECT_EQ(settings.KolorHaslo, 0x0000FF);
    EXPECT_FALSE(settings.JezykInterfejsuZmieniony) << "the interface language was left as it was";
}

TEST_F(DictionaryOptions, TheBackgroundColoursEverySampleAndKeepsTheirText)
{
    window.UstawKolor(2, 0x00FF00);
    window.UstawKolor(6, 0x808080);
    for (QLabel* sample : window.lblKolory_)
        EXPECT_TRUE(sample->styleSheet().contains("background-color: #808080")) << sample->objectName().toStdString();
    EXPECT_TRUE(window.lblKolory_[1]->styleSheet().contains("color: #00ff00"));
}

TEST_F(DictionaryOptions, TheOtherInterfaceLanguageIsRecordedAsAChange)
{
    window.grpJezyk_->button(1)->setChecked(true);
    window.Zatwierdz(settings);
    EXPECT_TRUE(settings.JezykInterfejsuZmieniony);
}

TEST_F(DictionaryOptions, AHotKeyTakenByAnotherProgramIsRefused)
{
    const QString before = window.edtHotKey_->text();
    EXPECT_FALSE(window.UstawGoracyKlawisz(QKeyCombination(Qt::ControlModifier, Qt::Key_T)));
    EXPECT_EQ(window.edtHotKey_->text(), before);
    ASSERT_EQ(question.Zadane().size(), 1U);
    EXPECT_EQ(question.Zadane()[0].Tekst, InterfaceTextWide(jezPolski, 133));

    EXPECT_TRUE(window.UstawGoracyKlawisz(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K)));
    window.Zatwierdz(settings);
    EXPECT_EQ(settings.HotKey, 'K');
    EXPECT_EQ(settings.HotKeyModifier, 3);
}

} // namespace
} // namespace velmar
