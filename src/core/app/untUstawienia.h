#pragma once
// TTransUstawienia: the one program-wide settings object. It holds every user option,
// the window geometry, fonts and colours, the recent files, the two document
// descriptors, the text profiles, the keyboard shortcuts, the translation modes and the
// ready-made interface texts; it reads and writes them in the settings store under the
// working mode's key and tells the registered windows when they change.

#include <array>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/untMagazynUstawien.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"

namespace velmar {

// ---------------------------------------------------------------- listeners

// Callbacks called in registration order. A window registers when it is created and
// removes its registration when it is destroyed.
template <typename... Args>
class TListaSluchaczy {
public:
    using TSluchacz = std::function<void(Args...)>;

    int Add(TSluchacz sluchacz)
    {
        items_.push_back({++lastId_, std::move(sluchacz)});
        return lastId_;
    }
    void Remove(int id)
    {
        std::erase_if(items_, [id](const auto& item) { return item.Id == id; });
    }
    std::size_t Count() const { return items_.size(); }

    void Notify(Args... args) const
    {
        // A copy: a listener may register or remove listeners while being called.
        const auto items = items_;
        for (const auto& item : items)
            item.Call(args...);
    }
    // Calls each listener with its position in the list.
    void NotifyIndexed() const requires(sizeof...(Args) == 1)
    {
        const auto items = items_;
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i].Call(static_cast<int>(i));
    }

private:
    struct TWpis {
        int Id;
        TSluchacz Call;
    };
    std::vector<TWpis> items_;
    int lastId_ = 0;
};

// ---------------------------------------------------------------- documents

// The document of a pane: index 0 the source pane, 1 the target pane.
struct TDokument {
    bool Zmieniony = false;
    bool Nazwany = false; // the name was given by the user, not made up
    std::string NazwaPliku;
    std::uint8_t Jezyk = jezPolski;
    int Format = 2;
};

// The smallest N from 1 for which neither "Dokument<N>.rtf" nor "Dokument<N><suffix>.rtf"
// exists in folder; both names.
std::pair<std::string, std::string> DefaultDocumentNames(const std::filesystem::path& folder,
                                                         const std::string& suffix);

// ---------------------------------------------------------------- translation modes

struct TTrybRecord {
    std::uint8_t Kod = 0;
    std::string Opis; // caption, 8-bit
    TWide OpisW;      // caption for display
};

// ---------------------------------------------------------------- text profiles

using TZbiorTematow = std::bitset<256>;

struct TProfilTekstu {
    std::string Nazwa; // 8-bit, in the interface language
    int Kod = 0;       // subject number
    TZbiorTematow Zawiera;
    bool Wybrany = false;
    bool operator==(const TProfilTekstu&) const = default;
};

// The subject domains the user can select to steer the choice of meanings. The first
// kDefaultProfileCount are the product's own; the user may add more.
class TProfileTekstu {
public:
    std::vector<TProfilTekstu> Items;

    // The product's defaults, named in Polish.
    void SetDefaults();
    // The default profile of a subject number, with its subject set.
    static TProfilTekstu DefaultProfile(int kod);
    // Appends default profiles until the product's number is reached.
    void PadWithDefaults();
    // The product's profiles get their codes and subject sets back; user profiles keep
    // theirs.
    void RestoreProductProfiles();

    // User profiles: codes from kFirstUserProfileCode, each profile's set holding its own
    // code and the codes of the profiles it covers.
    static constexpr int kFirstUserProfileCode = 61;
    static constexpr int kLastProfileCode = 255;
    // The lowest code from kFirstUserProfileCode no profile has; −1 when all are taken.
    int FreeUserCode() const;
    // Appends a user profile covering the profiles of the rows; false (nothing added)
    // when no code is free.
    bool AddUserProfile(const std::string& name, const std::vector<int>& coveredRows);
    // New name and covered rows of a user profile; false for a row outside the user
    // profiles.
    bool ModifyUserProfile(int row, const std::string& name, const std::vector<int>& coveredRows);
    // Removes a user profile and its code from every other profile's set.
    bool DeleteUserProfile(int row);
    bool IsUserProfile(int row) const;

    // Profiles are stored in the sub-keys "<key>\Profil<N>" from 0; names are UTF-8,
    // read through the interface language.
    void Load(const TMagazynUstawien& store, const std::string& key);
    void Save(TMagazynUstawien& store, const std::string& key, std::uint8_t language) const;
};

// ---------------------------------------------------------------- keyboard shortcuts

// A letter typed with a shortcut: the shortcut text and four characters (capital,
// small, alternative capital, alternative small), written in UTF-8.
struct TSkrotZnaku {
    const char* Skrot;
    const char* Znaki;
};

struct TKlawiaturaJezyka {
    bool MaListe;
    bool WymagaW2K;  // the language needs the separate wide-character font option
    const char* Kod; // value name of the language: "PL", "FR"…
    std::vector<TSkrotZnaku> Skroty;
};
const TKlawiaturaJezyka& KeyboardRecord(std::uint8_t language);

// ---------------------------------------------------------------- global hot key

// Registration of the program's global hot key with the window system.
class TGoracyKlawisz {
public:
    virtual ~TGoracyKlawisz() = default;
    // False when the combination is taken by another program.
    virtual bool Register(int modifiers, int key) = 0;
    virtual void Unregister() = 0;
};

// Where the platform offers no global hot key: registration always succeeds and does
// nothing, so that the stored choice is kept.
class TBrakGoracegoKlawisza : public TGoracyKlawisz {
public:
    bool Register(int, int) override { return true; }
    void Unregister() override {}
};

// ---------------------------------------------------------------- the settings

// Every value of the settings store with its default. Colours are 0x00BBGGRR.
struct TOpcjeUstawien {
    // ---- translator options
    int JezykInterfejsu = jezPolski;
    int TrybPracy = 0;
    bool SzybkieTlumaczenie = false;
    bool UzywajAutokorekty = true;
    bool RodzajTekstuAuto = false;
    bool ObaSlowniki = false;
    bool TlumaczPoImporcie = false;
    bool DrugieZnaczenie = true;
    bool TlumaczWielkimi = true;
    bool TlumaczZWielkiej = true;
    bool KursorWDolnym = true;
    bool ZachowujPrzeklad = false;
    bool BezAkcentow = false;
    bool BezAkcentowDuze = false;
    bool FrWlaczRozroznianieA = false;
    bool TekstArchaiczny = false;
    bool ZmieniajSzykPL = true;
    bool WstawiajPrzedimki = true;
    bool PanPaniGrzecznosciowe = false;
    bool ImperativProsze = false;
    bool PodmiotMeski = true;
    bool PomijajZaimkiOsobowe = true;
    bool PrzeszloscDokonane = true;
    bool PrzyszloscDokonane = true;
    bool ModalDokonane = true;
    bool InfDokonane = true;
    int FrZaimekVous = 0;
    bool FrPodmiotMeski = true;
    bool FrZaimekTuMeski = true;
    bool FrTyWyZWielkiej = false;
    bool FrPomijajZaimkiOsobowe = true;
    bool FrZmieniajSzykPrzydawkiPrzym = true;
    bool FrTlumaczOnJakoMy = false;
    int TekstWyjsciowy = 0;
    int KopiujTekstZrodlowy = 0;
    bool UzywajArchiwum = true;
    bool TlumaczenieDoArchiwum = false;
    int ArchiwumProcent = 100;
    bool ZaznaczNieznane = true;
    bool ZaznaczNieprzetlumaczone = true;
    bool ZaznaczWieloznaczne = true;
    TCzcionka NieznaneCzcionka{"", 0, zzWschodnioeuropejski, 0, 0x0000FF};
    TCzcionka NieprzetlumaczoneCzcionka{"", 0, zzWschodnioeuropejski, 0, 0x0000FF};
    TCzcionka WieloznaczneCzcionka{"", 0, zzWschodnioeuropejski, 0, 0x808000};
    bool PasekFormatowania = true;
    bool PaskiStanu = true;
    bool PasekStanuProgramu = true;
    bool PasekNarzedziowy = true;
    bool PasekWymowy = false;
    bool IkonyGraficzne = false;
    bool OdrebnyFormat = false;
    bool WidokPoziomy = true;
    int TransSlownik = 0;
    bool SledzZdania = false;
    bool SledzSlowa = false;
    bool PokazujBiezaceSlowoWSlowniku = true;
    bool BlokujUkladKlawiatury = true;
    bool CzcionkaW2K = true;
    bool LiteryPodobne = false;
    bool AutozapisPreferencji = true;
    bool ZapamietujPolozenieOkna = true;
    bool PytajCzyZapisac = true;
    bool PytajCzyNadpisac = true;
    bool UsuwajPrzetlumaczone = true;
    std::string DomyslneRozszerzenie;
    TCzcionka CzcionkaInterfejsu{"Arial", 8, zzWschodnioeuropejski, 0, 0};
    TCzcionka CzcionkaSlownika{"Arial", 12, zzWschodnioeuropejski, 0, 0};
    TCzcionka CzcionkaEdycji{"Arial", 10, zzWschodnioeuropejski, 0, 0};
    bool SlownikTranslatora = false;
    int WyswietlajWymowe = 0;
    bool SzybkieSzukanie = true;
    bool WyswietlajZwroty = true;
    bool DrukujHaslo = true;
    bool DrukujNotatki = true;
    bool MatchCase = false;
    bool WholeWord = false;
    int HotKey = 84;
    int HotKeyModifier = 2;
    bool HotKeyWlaczony = false;
    bool HotKeyAktywujOkno = true;
    bool HotKeySlownik = true;
    bool HotKeyTlumacz = false;
    bool HotKeyTlumaczWyczysc = false;
    bool HotKeyTlumaczOdRazu = false;
    bool DeuSS = true;
    bool DeuZapisDwiemaLiterami = false;

    // ---- geometry (−1: not stored)
    int Left = -1, Top = -1, Width = -1, Height = -1;
    int OknoZdaniaLeftWidth = -1;
    int MainRatio = 50, OknoWidthRatio = 50, OknoMiddleRatio = 40, OknoBottomRatio = 30, OknoZdaniaRatio = 50;
    int TransSlownikRatio = 20;
    int SlLeft = -1, SlTop = -1, SlWidth = -1, SlHeight = -1;
    int SlListaSlowWidth = -1;

    // ---- dictionary options
    bool PasekLitery = true;
    bool NaWierzchu = false;
    bool IgnorujWielkimi = true;
    bool IgnorujZCyframi = true;
    bool IgnorujPowtorzone = false;
    bool ProponujZSG = true;
    bool ProponujZSO = true;
    bool ProponujZSU = true;
    int KolorHaslo = 0x000000;
    int KolorGramCzescMowy = 0xFF0000;
    int KolorGramRodzaj = 0x800080;
    int KolorGramInne = 0x808000;
    int KolorOdpowiednik = 0x000000;
    int KolorTlo = 0xFFFFFF;
};

class TTransUstawienia : public TOpcjeUstawien {
public:
    TTransUstawienia();
    ~TTransUstawienia();
    TTransUstawienia(const TTransUstawienia&) = delete;
    TTransUstawienia& operator=(const TTransUstawienia&) = delete;

    // The store and the hot key of this run; the defaults are an in-memory store and no
    // hot key.
    void SetStore(std::unique_ptr<TMagazynUstawien> store);
    TMagazynUstawien& Store() { return *store_; }
    void SetHotKeyService(std::unique_ptr<TGoracyKlawisz> hotKey);

    // Every value to its default for the current working mode.
    void SetDefaults();

    // The start-up sequence's settings part: reset the documents, read the mode's
    // values, load the dictionaries (WczytajSlowniki), read the profiles, refresh the
    // captions, register a stored hot key (at start-up) and tell the settings-applied
    // listeners. Translator or dictionary values by the working mode.
    void ApplySettings(bool startup);
    // Writes the mode's values; a failure is shown once through the question window.
    bool SaveSettings();

    // Translator modes.
    void ReadTranslatorSettings(bool startup);
    bool SaveTranslatorSettings();
    // Dictionary modes.
    void ReadDictionarySettings(bool startup);
    bool SaveDictionarySettings();

    void LoadProfiles();

    // Before-swap listeners, save, swap the program-wide direction, apply the new mode,
    // after-swap listeners.
    void SwapDirection();

    // Both document descriptors to fresh default names in folder.
    void ResetDocuments(const std::filesystem::path& folder);

    // Accepted only when the product offers the mode; then the listeners are told.
    bool SetTranslationMode(int code);
    void SetToolbarVisible(bool visible);
    void SetHorizontalSplit(bool horizontal);
    void SetDictionaryPaneLayout(int layout);
    // Options of the dictionary window, each with its own listeners.
    void SetLetterBarVisible(bool visible);
    void SetStayOnTop(bool onTop);
    // Registers or unregisters the global hot key; false when the key is taken (the
    // hot key is then off; text 132 tells the user).
    bool SetHotKeyEnabled(bool enabled);
    // Whether the combination can be the hot key: it is the one enabled now, or the
    // window system lets the program register it (tried and released at once; an
    // enabled hot key stays registered).
    bool CanUseHotKey(int modifiers, int key);

    // Interface language: a change reloads the interface texts.
    void SetInterfaceLanguage(std::uint8_t language);
    // The foreign language, or the native one when the interface already is foreign.
    void ToggleInterfaceLanguage();
    void ReloadInterfaceTexts();
    // Applies what the options window changed: a direction swap, a new interface language.
    void ApplyOptionsChanges(std::uint8_t interfaceLanguage);

    // The user-dictionary file the dictionaries use now.
    std::string CurrentUserDictionaryFile() const;
    // Whether text in a language needs the wide-character font handling.
    bool NeedsWideHandling(std::uint8_t language) const;

    // ---- run state (not stored)
    bool Uruchomiony = false;
    bool KierunekZmieniony = false;        // the options window changed the direction
    bool JezykInterfejsuZmieniony = false; // the options window changed the interface language
    bool OdwrotnySlownikWczytany = false;
    bool SystemUnicode = true;
    int SystemowaStronaKodowa = 1250;

    // ---- documents, modes, profiles, shortcuts, recent files, ready-made texts
    std::array<TDokument, 2> Dokumenty;
    std::vector<TTrybRecord> TrybyTlumaczenia;
    TProfileTekstu Profile;
    std::array<std::vector<std::string>, kLanguageCount> SkrotyKlawiszowe;
    std::array<bool, kLanguageCount> SkrotyWlaczone{};
    std::vector<std::string> OstatniePliki; // most recent first, at most four
    TGotoweTeksty Teksty;
    // File of the user dictionary selected in the user-dictionary list; empty: none.
    std::string WybranySlownikUzytkownika;

    // Hooks of the data layer: loading the mode's dictionaries at apply time, and saving
    // their writable lines with the settings.
    std::function<void(bool startup)> WczytajSlowniki;
    std::function<void()> ZapiszSlowniki;

    // ---- listeners
    TListaSluchaczy<> PoZastosowaniu;
    TListaSluchaczy<int> PrzedZapisem;
    TListaSluchaczy<> PoOdswiezeniuNapisow;
    TListaSluchaczy<> PrzedZamiana;
    TListaSluchaczy<> PoZamianie;
    TListaSluchaczy<> PoZmianieTrybu;
    TListaSluchaczy<> PoZmianieUkladu;
    TListaSluchaczy<> PoZmianieOstatnichPlikow;
    TListaSluchaczy<> PoZmianiePaskaLiter;
    TListaSluchaczy<> PoZmianieNaWierzchu;
    // Another user dictionary was made current (its lines are loaded).
    TListaSluchaczy<> PoZmianieSlownikaUzytkownika;

private:
    std::string Key() const;
    void WriteTranslatorValues();
    void WriteDictionaryValues();
    void ReadRecentFiles();
    void WriteRecentFiles();
    void ReadKeyboard();
    void WriteKeyboard();
    void ValidateInterfaceLanguage();
    bool ReportSaveFailure(bool stored);
    void RegisterStoredHotKey();
    void RefreshTranslationModes();

    std::unique_ptr<TMagazynUstawien> store_;
    std::unique_ptr<TGoracyKlawisz> hotKey_;
    bool saveFailureReported_ = false;
};

// The settings of this run.
TTransUstawienia& Ustawienia();

} // namespace velmar
