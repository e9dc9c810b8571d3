#include "core/app/untUstawienia.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/app/untPytanie.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

const std::string kFrPol = "SOFTWARE\\Orlena\\Velmar2\\FrPol";
const std::string kSlZewFrPol = "SOFTWARE\\Orlena\\Velmar2\\SlZewFrPol";

class Settings : public ::testing::Test {
protected:
    void SetUp() override { UseMode(""); }
    void TearDown() override
    {
        UstawPytanie(nullptr);
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
    }

    void UseMode(const std::string& argument)
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(argument));
        auto store = std::make_unique<TMagazynUstawienPamiec>();
        store_ = store.get();
        settings_ = std::make_unique<TTransUstawienia>();
        settings_->SetStore(std::move(store));
        settings_->SetDefaults();
    }

    std::vector<std::string> ValueNames(const std::string& key) const
    {
        std::vector<std::string> names;
        for (const auto& [name, value] : store_->Keys().at(key))
            names.push_back(name);
        return names;
    }

    TMagazynUstawienPamiec* store_ = nullptr;
    std::unique_ptr<TTransUstawienia> settings_;
};

TEST_F(Settings, FirstRunCreatesTheKeyWithTheCurrentValues)
{
    settings_->TrybPracy = 3;
    settings_->OstatniePliki = {"/home/ala/list.rtf"};
    settings_->ReadTranslatorSettings(true);
    ASSERT_TRUE(store_->KeyExists(kFrPol));
    EXPECT_EQ(store_->ReadInteger(kFrPol, "TrybPracy"), 3);
    EXPECT_EQ(store_->ReadString(kFrPol, "Plik0"), "/home/ala/list.rtf");
    EXPECT_EQ(store_->ReadString(kFrPol, "Plik3"), "");
    EXPECT_EQ(store_->ReadBool(kFrPol, "UzywajAutokorekty"), true);
    EXPECT_EQ(store_->ReadString(kFrPol, "NieznaneCzcionkaStyle"), "");
    EXPECT_EQ(store_->ReadInteger(kFrPol, "WieloznaczneCzcionkaColour"), 0x808000);
    EXPECT_TRUE(store_->KeyExists(kFrPol + "\\Profil45"));
    EXPECT_EQ(settings_->TrybPracy, 3);
    EXPECT_EQ(settings_->OstatniePliki, std::vector<std::string>{"/home/ala/list.rtf"});
}

TEST_F(Settings, StoredValuesAreValidatedOnReading)
{
    struct TPrzypadek {
        const char* Name;
        int Stored;
        int TTransUstawienia::*Field;
        int Current;
        int Expected;
    };
    const TPrzypadek cases[] = {
        {"TrybPracy", 12, &TTransUstawienia::TrybPracy, 4, 0},
        {"TrybPracy", 17, &TTransUstawienia::TrybPracy, 4, 0},
        {"TrybPracy", 10, &TTransUstawienia::TrybPracy, 0, 10},
        {"FrZaimekVous", 9, &TTransUstawienia::FrZaimekVous, 3, 0},
        {"FrZaimekVous", -1, &TTransUstawienia::FrZaimekVous, 3, 0},
        {"FrZaimekVous", 6, &TTransUstawienia::FrZaimekVous, 0, 6},
        {"KopiujTekstZrodlowy", 4, &TTransUstawienia::KopiujTekstZrodlowy, 2, 0},
        {"WyswietlajWymowe", 3, &TTransUstawienia::WyswietlajWymowe, 1, 0},
        {"TransSlownik", 3, &TTransUstawienia::TransSlownik, 1, 1},
        {"TransSlownik", 2, &TTransUstawienia::TransSlownik, 1, 2},
        {"JezykInterfejsu", jezAngielski, &TTransUstawienia::JezykInterfejsu, jezFrancuski, jezPolski},
        {"JezykInterfejsu", jezFrancuski, &TTransUstawienia::JezykInterfejsu, jezPolski, jezFrancuski},
    };
    for (const auto& c : cases) {
        UseMode("");
        store_->WriteInteger(kFrPol, c.Name, c.Stored);
        settings_.get()->*c.Field = c.Current;
        settings_->ReadTranslatorSettings(true);
        EXPECT_EQ(settings_.get()->*c.Field, c.Expected) << c.Name << " " << c.Stored;
    }
}

TEST_F(Settings, WindowBoundsAreReadOnlyWhenAllFourArePresent)
{
    const std::vector<std::string> names = {"Left", "Top", "Width", "Height"};
    for (std::size_t missing = 0; missing < names.size(); ++missing) {
        UseMode("");
        for (std::size_t i = 0; i < names.size(); ++i)
            if (i != missing)
                store_->WriteInteger(kFrPol, names[i], 100 + static_cast<int>(i));
        settings_->ReadTranslatorSettings(true);
        EXPECT_EQ(settings_->Left, -1) << "without " << names[missing];
        EXPECT_EQ(settings_->Top, -1) << "without " << names[missing];
        EXPECT_EQ(settings_->Width, -1) << "without " << names[missing];
        EXPECT_EQ(settings_->Height, -1) << "without " << names[missing];
    }
    UseMode("");
    for (std::size_t i = 0; i < names.size(); ++i)
        store_->WriteInteger(kFrPol, names[i], 100 + static_cast<int>(i));
    settings_->ReadTranslatorSettings(true);
    EXPECT_EQ(settings_->Left, 100);
    EXPECT_EQ(settings_->Height, 103);
}

TEST_F(Settings, WithoutStartupFlagOnlyRecentFilesAndSuffixAreRead)
{
    store_->WriteInteger(kFrPol, "TrybPracy", 5);
    store_->WriteString(kFrPol, "Plik0", "");
    store_->WriteString(kFrPol, "Plik1", "b.rtf");
    store_->WriteString(kFrPol, "DomyslneRozszerzenie", "_tlum");
    int notified = 0;
    settings_->PoZmianieOstatnichPlikow.Add([&] { ++notified; });
    settings_->ReadTranslatorSettings(false);
    EXPECT_EQ(settings_->TrybPracy, 0);
    EXPECT_EQ(settings_->OstatniePliki, std::vector<std::string>{"b.rtf"});
    EXPECT_EQ(settings_->DomyslneRozszerzenie, "_tlum");
    EXPECT_EQ(notified, 1);
}

TEST_F(Settings, WithoutAutosaveOnlyGeometryAndRecentFilesAreWritten)
{
    settings_->AutozapisPreferencji = false;
    settings_->TrybPracy = 5;
    settings_->Left = 10;
    settings_->Top = 20;
    settings_->Width = 800;
    settings_->Height = 600;
    settings_->OstatniePliki = {"a.rtf", "b.txt"};
    ASSERT_TRUE(settings_->SaveTranslatorSettings());
    EXPECT_THAT(ValueNames(kFrPol),
                ::testing::UnorderedElementsAre("Left", "Top", "Width", "Height", "OknoZdaniaLeftWidth", "MainRatio",
                                                "OknoWidthRatio", "OknoMiddleRatio", "OknoBottomRatio",
                                                "OknoZdaniaRatio", "TransSlownikRatio", "Plik0", "Plik1", "Plik2",
                                                "Plik3", "AutozapisPreferencji"));
    EXPECT_FALSE(store_->KeyExists(kFrPol + "\\Profil0"));

    UseMode("");
    settings_->AutozapisPreferencji = false;
    settings_->ZapamietujPolozenieOkna = false;
    settings_->SaveTranslatorSettings();
    EXPECT_THAT(ValueNames(kFrPol),
                ::testing::UnorderedElementsAre("Plik0", "Plik1", "Plik2", "Plik3", "AutozapisPreferencji"));
}

TEST_F(Settings, ValuesWrittenReadBackEqual)
{
    settings_->TrybPracy = 7;
    settings_->JezykInterfejsu = jezFrancuski;
    settings_->FrZaimekVous = 6;
    settings_->PodmiotMeski = false;
    settings_->DomyslneRozszerzenie = "_tlum";
    settings_->NieznaneCzcionka = {"", 0, zzWschodnioeuropejski, fsBold | fsUnderline, 0x00FF00};
    settings_->CzcionkaEdycji = {"DejaVu Sans", 13, zzWschodnioeuropejski, 0, 0};
    settings_->SkrotyKlawiszowe[jezFrancuski][0] = "Ctrl+Shift+A";
    settings_->SkrotyWlaczone[jezPolski] = false;
    settings_->Profile.Items.push_back({FromUtf8("Mój profil"), 60, TZbiorTematow().set(60).set(61), true});
    settings_->SaveTranslatorSettings();

    TTransUstawienia again;
    again.SetDefaults();
    again.SetStore(std::make_unique<TMagazynUstawienPamiec>(*store_));
    again.ReadTranslatorSettings(true);
    again.LoadProfiles();
    auto copy = std::make_unique<TMagazynUstawienPamiec>();
    auto* copyStore = copy.get();
    again.SetStore(std::move(copy));
    again.SaveTranslatorSettings();
    EXPECT_TRUE(*copyStore == *store_);
    EXPECT_EQ(again.NieznaneCzcionka.Style, fsBold | fsUnderline);
    ASSERT_EQ(again.Profile.Items.size(), 47u);
    EXPECT_EQ(again.Profile.Items.back(), settings_->Profile.Items.back());
}

TEST_F(Settings, DictionaryModesKeepTheirOwnKey)
{
    UseMode("/slzewfr");
    settings_->KolorTlo = 0xEEEEEE;
    settings_->PasekLitery = false;
    settings_->SaveSettings();
    EXPECT_FALSE(store_->KeyExists(kFrPol));
    EXPECT_EQ(store_->ReadInteger(kSlZewFrPol, "KolorTlo"), 0xEEEEEE);

    TTransUstawienia again;
    again.SetDefaults();
    again.SetStore(std::make_unique<TMagazynUstawienPamiec>(*store_));
    again.ReadDictionarySettings(true);
    EXPECT_EQ(again.KolorTlo, 0xEEEEEE);
    EXPECT_FALSE(again.PasekLitery);
}

TEST_F(Settings, DocumentNamesSkipFilesThatExist)
{
    test::TempFolder folder;
    settings_->ResetDocuments(folder.Path());
    EXPECT_EQ(settings_->Dokumenty[0].NazwaPliku, "Dokument1.rtf");
    EXPECT_EQ(settings_->Dokumenty[1].NazwaPliku, "Dokument1_pl.rtf");

    folder.Write("Dokument1.rtf", "{\\rtf1}");
    folder.Write("Dokument2_pl.rtf", "{\\rtf1}");
    settings_->Dokumenty[0].Zmieniony = true;
    settings_->ResetDocuments(folder.Path());
    EXPECT_EQ(settings_->Dokumenty[0].NazwaPliku, "Dokument3.rtf");
    EXPECT_EQ(settings_->Dokumenty[1].NazwaPliku, "Dokument3_pl.rtf");
    EXPECT_FALSE(settings_->Dokumenty[0].Zmieniony);
    EXPECT_EQ(settings_->Dokumenty[0].Jezyk, jezFrancuski);
    EXPECT_EQ(settings_->Dokumenty[1].Format, 2);

    test::TempFolder other;
    other.Write("Dokument1.rtf", "");
    settings_->ResetDocuments(other.Path());
    EXPECT_EQ(settings_->Dokumenty[0].NazwaPliku, "Dokument2.rtf");
    EXPECT_EQ(settings_->Dokumenty[1].NazwaPliku, "Dokument2_pl.rtf");
}

TEST_F(Settings, ProfileReadingStopsAtTheFirstMissingKey)
{
    for (int number : {0, 1, 2, 4, 5}) {
        const std::string key = kFrPol + "\\Profil" + std::to_string(number);
        store_->WriteString(key, "Nazwa", "x");
        store_->WriteInteger(key, "Kod", number);
    }
    settings_->LoadProfiles();
    EXPECT_EQ(settings_->Profile.Items.size(), 3u);
}

TEST_F(Settings, ProductProfilesGetTheirCodesAndSubjectSetsBack)
{
    const std::string third = kFrPol + "\\Profil3";
    for (int number = 0; number < 4; ++number)
        store_->WriteInteger(kFrPol + "\\Profil" + std::to_string(number), "Kod", 99);
    store_->WriteInteger(third, "Zawiera0", 7);
    store_->WriteInteger(third, "Zawiera1", 300);
    store_->WriteBool(third, "Wybrany", true);
    settings_->LoadProfiles();
    ASSERT_EQ(settings_->Profile.Items.size(), 4u);
    const auto& biology = settings_->Profile.Items[3];
    EXPECT_EQ(biology.Kod, 3);
    EXPECT_EQ(biology.Zawiera, TZbiorTematow().set(3).set(4).set(44));
    EXPECT_TRUE(biology.Wybrany);
    EXPECT_EQ(settings_->Profile.Items[0].Zawiera, TZbiorTematow().set(0));

    settings_->ReloadInterfaceTexts();
    ASSERT_EQ(settings_->Profile.Items.size(), 46u);
    EXPECT_EQ(settings_->Profile.Items[20].Zawiera, TZbiorTematow().set(20).set(22).set(34).set(41));
    EXPECT_EQ(ToUtf8(settings_->Profile.Items[45].Nazwa, jezPolski), "żeglarstwo");
}

TEST_F(Settings, ListenersAreCalledInRegistrationOrder)
{
    std::vector<std::string> calls;
    settings_->PoOdswiezeniuNapisow.Add([&] { calls.push_back("first"); });
    const int removed = settings_->PoOdswiezeniuNapisow.Add([&] { calls.push_back("removed"); });
    settings_->PoOdswiezeniuNapisow.Add([&] { calls.push_back("third"); });
    settings_->PoOdswiezeniuNapisow.Remove(removed);
    settings_->PrzedZapisem.Add([&](int index) { calls.push_back("save " + std::to_string(index)); });
    settings_->PrzedZapisem.Add([&](int index) { calls.push_back("save " + std::to_string(index)); });
    settings_->ReloadInterfaceTexts();
    settings_->SaveSettings();
    EXPECT_THAT(calls, ::testing::ElementsAre("first", "third", "save 0", "save 1"));
}

TEST_F(Settings, SwitchingTheInterfaceLanguageRelabels)
{
    int refreshed = 0;
    settings_->PoOdswiezeniuNapisow.Add([&] { ++refreshed; });
    settings_->JezykInterfejsuZmieniony = true;
    settings_->SetInterfaceLanguage(jezPolski);
    EXPECT_EQ(refreshed, 0);
    EXPECT_FALSE(settings_->JezykInterfejsuZmieniony);

    settings_->ToggleInterfaceLanguage();
    EXPECT_EQ(settings_->JezykInterfejsu, jezFrancuski);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(WideToUtf8(settings_->Teksty.Wide(tekst::Nie)), "&Non");
    EXPECT_EQ(WideToUtf8(settings_->TrybyTlumaczenia[0].OpisW), "&contextuel - automatique");
    EXPECT_EQ(ToUtf8(settings_->Profile.Items[3].Nazwa, jezFrancuski), "biologie");

    settings_->ToggleInterfaceLanguage();
    EXPECT_EQ(settings_->JezykInterfejsu, jezPolski);
    EXPECT_EQ(WideToUtf8(settings_->TrybyTlumaczenia[1].OpisW), "&analiza kolejnych zdań");
    EXPECT_EQ(refreshed, 2);
}

TEST_F(Settings, TranslationModesAreThoseTheProductOffers)
{
    ASSERT_EQ(settings_->TrybyTlumaczenia.size(), 11u);
    EXPECT_EQ(settings_->TrybyTlumaczenia.back().Kod, 10);
    int notified = 0;
    settings_->PoZmianieTrybu.Add([&] { ++notified; });
    EXPECT_FALSE(settings_->SetTranslationMode(12));
    EXPECT_TRUE(settings_->SetTranslationMode(5));
    EXPECT_EQ(settings_->TrybPracy, 5);
    EXPECT_EQ(notified, 1);
}

TEST_F(Settings, LayoutSettersStoreAndNotifyTheirListeners)
{
    std::vector<std::string> calls;
    settings_->PoZmianieUkladu.Add([&] { calls.push_back("layout"); });
    settings_->PoZmianiePaskaLiter.Add([&] { calls.push_back("letters"); });
    settings_->PoZmianieNaWierzchu.Add([&] { calls.push_back("on top"); });
    settings_->SetToolbarVisible(false);
    settings_->SetHorizontalSplit(false);
    settings_->SetDictionaryPaneLayout(3);
    settings_->SetDictionaryPaneLayout(2);
    settings_->SetLetterBarVisible(false);
    settings_->SetStayOnTop(true);
    EXPECT_THAT(calls, ::testing::ElementsAre("layout", "layout", "layout", "letters", "on top"));
    EXPECT_FALSE(settings_->PasekNarzedziowy);
    EXPECT_FALSE(settings_->WidokPoziomy);
    EXPECT_EQ(settings_->TransSlownik, 2);
    EXPECT_FALSE(settings_->PasekLitery);
    EXPECT_TRUE(settings_->NaWierzchu);
}

TEST_F(Settings, CurrentUserDictionaryFileFollowsModeAndChoice)
{
    EXPECT_EQ(settings_->CurrentUserDictionaryFile(), "frpol2.su");
    settings_->WybranySlownikUzytkownika = "moj.suz";
    EXPECT_EQ(settings_->CurrentUserDictionaryFile(), "moj.suz");
    UseMode("/slzewpl");
    EXPECT_EQ(settings_->CurrentUserDictionaryFile(), "polfrsz2.su");
    settings_->SlownikTranslatora = true;
    EXPECT_EQ(settings_->CurrentUserDictionaryFile(), "polfr2.su");
}

TEST_F(Settings, DirectionSwapSavesThenAppliesThePartnerMode)
{
    std::vector<std::string> calls;
    settings_->PrzedZamiana.Add([&] { calls.push_back("before " + std::to_string(Program().WorkingMode)); });
    settings_->PoZamianie.Add([&] { calls.push_back("after " + std::to_string(Program().WorkingMode)); });
    settings_->TrybPracy = 6;
    settings_->SwapDirection();
    EXPECT_THAT(calls, ::testing::ElementsAre("before 1", "after 2"));
    EXPECT_EQ(store_->ReadInteger(kFrPol, "TrybPracy"), 6);
    EXPECT_EQ(Program().SourceLanguage, jezPolski);
    EXPECT_EQ(settings_->Dokumenty[1].Jezyk, jezFrancuski);
    EXPECT_TRUE(settings_->OdwrotnySlownikWczytany);
}

class FailingStore : public TMagazynUstawienPamiec {
public:
    bool Flush() override { return false; }
    std::string Location() const override { return "/ro/velmar.conf"; }
};

TEST_F(Settings, FailedWriteIsReportedOnce)
{
    TPytanieSkryptowe questions;
    UstawPytanie(&questions);
    settings_->SetStore(std::make_unique<FailingStore>());
    EXPECT_FALSE(settings_->SaveSettings());
    EXPECT_FALSE(settings_->SaveSettings());
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Przyciski, TPrzyciski::OK);
    EXPECT_NE(WideToUtf8(questions.Zadane()[0].Tekst).find("'/ro/velmar.conf'"), std::string::npos);
}

class RefusingHotKey : public TGoracyKlawisz {
public:
    bool Register(int, int) override
    {
        ++registrations;
        return false;
    }
    void Unregister() override {}
    int registrations = 0;
};

TEST_F(Settings, HotKeyTakenByAnotherProgramStaysOff)
{
    auto service = std::make_unique<RefusingHotKey>();
    auto* refusing = service.get();
    settings_->SetHotKeyService(std::move(service));
    EXPECT_FALSE(settings_->SetHotKeyEnabled(true));
    EXPECT_FALSE(settings_->HotKeyWlaczony);
    EXPECT_TRUE(settings_->SetHotKeyEnabled(false));
    EXPECT_EQ(refusing->registrations, 1);

    settings_->SetHotKeyService(std::make_unique<TBrakGoracegoKlawisza>());
    EXPECT_TRUE(settings_->SetHotKeyEnabled(true));
    EXPECT_TRUE(settings_->HotKeyWlaczony);
}

TEST_F(Settings, StoredHotKeyIsRegisteredAtStartUpAndATakenKeyReported)
{
    TPytanieSkryptowe questions;
    UstawPytanie(&questions);
    store_->WriteBool(kFrPol, "HotKeyWlaczony", true);
    auto service = std::make_unique<RefusingHotKey>();
    auto* refusing = service.get();
    settings_->SetHotKeyService(std::move(service));
    settings_->ApplySettings(true);
    EXPECT_EQ(refusing->registrations, 1);
    EXPECT_FALSE(settings_->HotKeyWlaczony);
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_TRUE(WideToUtf8(questions.Zadane()[0].Tekst).starts_with("Uwaga: wybrany gorący klawisz"));
}

TEST_F(Settings, WideHandlingDependsOnCodePageAndSimilarLetters)
{
    settings_->SystemowaStronaKodowa = 1250;
    EXPECT_TRUE(settings_->NeedsWideHandling(jezFrancuski));
    EXPECT_FALSE(settings_->NeedsWideHandling(jezPolski));
    EXPECT_FALSE(settings_->NeedsWideHandling(jezAngielski));
    settings_->LiteryPodobne = true;
    EXPECT_FALSE(settings_->NeedsWideHandling(jezFrancuski));
}

TEST(SettingsStore, KeysAndValuesInMemory)
{
    TMagazynUstawienPamiec store;
    store.WriteInteger("A\\B\\C", "x", 1);
    store.WriteString("A\\B!", "y", "0x00FF00");
    EXPECT_TRUE(store.KeyExists("A\\B"));
    EXPECT_TRUE(store.KeyExists("A"));
    EXPECT_FALSE(store.KeyExists("A\\C"));
    EXPECT_EQ(store.ReadInteger("A\\B!", "y"), 0x00FF00);
    EXPECT_EQ(store.ReadString("A\\B\\C", "x"), "1");
    EXPECT_EQ(store.ReadInteger("A\\B\\C", "missing"), std::nullopt);
    store.DeleteKey("A\\B");
    EXPECT_FALSE(store.KeyExists("A\\B\\C"));
    EXPECT_TRUE(store.KeyExists("A\\B!"));
    EXPECT_EQ(ParseStoredInteger("-12"), -12);
    EXPECT_EQ(ParseStoredInteger("12a"), std::nullopt);
    EXPECT_EQ(ParseStoredInteger(""), std::nullopt);
}

} // namespace
} // namespace velmar
