#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "core/app/untPytanie.h"
#include "support/SettingsSnapshot.h"
#include "ui/app/untOpcjeTrans.h"

using namespace velmar;

namespace {

QRadioButton* Radio(QWidget& window, const char* group, int index)
{
    return window.findChild<QGroupBox*>(group)->findChildren<QRadioButton*>().at(index);
}

class OptionsWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
        Ustawienia().SetDefaults();
        Ustawienia().SetInterfaceLanguage(jezPolski);
        settings_.SetDefaults();
        confirmed_.SetDefaults();
    }
    void TearDown() override { UstawPytanie(nullptr); }

    TTransUstawienia settings_;
    TTransUstawienia confirmed_;
};

TEST_F(OptionsWindow, ConfirmingCopiesEveryOptionBack)
{
    settings_.TrybPracy = 8;
    settings_.SzybkieTlumaczenie = true;
    settings_.UzywajAutokorekty = false;
    settings_.FrZaimekVous = 6;
    settings_.PodmiotMeski = false;
    settings_.FrZaimekTuMeski = false;
    settings_.KopiujTekstZrodlowy = 2;
    settings_.ArchiwumProcent = 75;
    settings_.ImperativProsze = true;
    settings_.DomyslneRozszerzenie = "_tlum";
    settings_.WieloznaczneCzcionka.Style = fsBold | fsStrikeOut;
    settings_.NieznaneCzcionka.Colour = 0x00FF00;
    settings_.HotKey = 'K';
    settings_.HotKeyModifier = 3;
    settings_.HotKeyWlaczony = true;
    settings_.HotKeyTlumacz = true;

    TfrmOpcjeTrans window;
    window.Wczytaj(settings_);
    EXPECT_TRUE(Radio(window, "rgrTrybPracy", 8)->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox*>("chbUzywajAutokorekty")->isChecked());
    EXPECT_TRUE(Radio(window, "rgrFrZaimekVous", 6)->isChecked());
    EXPECT_EQ(window.findChild<QKeySequenceEdit*>("edtHotKey")->keySequence(),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_K));
    window.Zatwierdz(confirmed_);
    EXPECT_FALSE(confirmed_.KierunekZmieniony);
    EXPECT_FALSE(confirmed_.JezykInterfejsuZmieniony);
    EXPECT_TRUE(test::SettingsSnapshot(confirmed_) == test::SettingsSnapshot(settings_));
}

TEST_F(OptionsWindow, ModeRadioIsMappedThroughTheModeList)
{
    TfrmOpcjeTrans window;
    window.Wczytaj(settings_);
    EXPECT_TRUE(Radio(window, "rgrTrybPracy", 0)->isChecked());
    Radio(window, "rgrTrybPracy", 10)->setChecked(true);
    Radio(window, "rgrPodmiotMeski", 1)->setChecked(true);
    window.Zatwierdz(confirmed_);
    EXPECT_EQ(confirmed_.TrybPracy, 10);
    EXPECT_FALSE(confirmed_.PodmiotMeski);
}

TEST_F(OptionsWindow, RecordsAChangedDirectionAndInterfaceLanguage)
{
    TfrmOpcjeTrans window;
    window.Wczytaj(settings_);
    Radio(window, "rgrKierunek", 1)->setChecked(true);
    Radio(window, "rgrJezykInterfejsu", 1)->setChecked(true);
    window.Zatwierdz(confirmed_);
    EXPECT_TRUE(confirmed_.KierunekZmieniony);
    EXPECT_TRUE(confirmed_.JezykInterfejsuZmieniony);
    EXPECT_EQ(window.WybranyJezykInterfejsu(), jezFrancuski);
    EXPECT_EQ(confirmed_.JezykInterfejsu, jezPolski); // the caller applies it
}

TEST_F(OptionsWindow, CaptionsFollowTheInterfaceLanguage)
{
    TfrmOpcjeTrans window;
    auto* autocorrection = window.findChild<QCheckBox*>("chbUzywajAutokorekty");
    auto* tabs = window.findChild<QTabWidget*>("pgcOpcje");
    auto* copy = window.findChild<QComboBox*>("cmbKopiujTekstZrodlowy");
    EXPECT_EQ(autocorrection->text(), QStringLiteral("Używaj autokorekty"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tłumaczenie"));
    EXPECT_EQ(window.findChild<QGroupBox*>("rgrSzybkosc")->title(), QStringLiteral("Szybkość i jakość tłumaczenia"));
    EXPECT_EQ(Radio(window, "rgrTrybPracy", 1)->text(), QStringLiteral("&analiza kolejnych zdań"));

    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(autocorrection->text(), QStringLiteral("Utiliser l'autocorrection"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Traduction"));
    EXPECT_EQ(copy->itemText(3), QStringLiteral("avant chaque paragraphe"));
    EXPECT_EQ(window.findChild<QToolButton*>("chbZaznaczNieznaneU")->toolTip(), QStringLiteral("Souligné"));
    EXPECT_TRUE(window.findChild<QCheckBox*>("chbImperativProsze")->text().contains(QStringLiteral("proszę")));
    EXPECT_TRUE(window.findChild<QCheckBox*>("chbFrWlaczRozroznianieA")->text().endsWith(QChar(u'à')));
    Ustawienia().SetInterfaceLanguage(jezPolski);
    EXPECT_EQ(copy->itemText(3), QStringLiteral("przed każdym akapitem"));
}

class TakenHotKey : public TGoracyKlawisz {
public:
    bool Register(int, int) override { return false; }
    void Unregister() override {}
};

TEST_F(OptionsWindow, HotKeyTakenByAnotherProgramIsReported)
{
    TPytanieSkryptowe questions;
    UstawPytanie(&questions);
    confirmed_.SetHotKeyService(std::make_unique<TakenHotKey>());
    TfrmOpcjeTrans window;
    window.Wczytaj(settings_);
    window.findChild<QCheckBox*>("chbHotKeyWlacz")->setChecked(true);
    window.Zatwierdz(confirmed_);
    EXPECT_FALSE(confirmed_.HotKeyWlaczony);
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_TRUE(WideToUtf8(questions.Zadane()[0].Tekst).starts_with("Uwaga: wybrany gorący klawisz"));
}

TEST(HotKeyCombination, StoredKeysAndQtCombinationsCorrespond)
{
    struct TPrzypadek {
        int Key;
        int Modifiers;
        int Combination;
    };
    const TPrzypadek cases[] = {
        {84, 2, (Qt::CTRL | Qt::Key_T).toCombined()},
        {'7', 5, (Qt::ALT | Qt::SHIFT | Qt::Key_7).toCombined()},
        {0x74, 8, (Qt::META | Qt::Key_F5).toCombined()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtKeyCombination(c.Key, c.Modifiers), c.Combination) << c.Key;
        int key = 0;
        int modifiers = 0;
        ASSERT_TRUE(StoredHotKey(c.Combination, key, modifiers));
        EXPECT_EQ(key, c.Key);
        EXPECT_EQ(modifiers, c.Modifiers);
    }
    int key = 0;
    int modifiers = 0;
    EXPECT_FALSE(StoredHotKey((Qt::CTRL | Qt::Key_Tab).toCombined(), key, modifiers));
    EXPECT_EQ(QtKeyCombination(0x1B, 2), 0);
}

} // namespace
