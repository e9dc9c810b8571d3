#include "core/app/untUstawienia.h"

#include <climits>
#include <span>

#include "core/app/untPytanie.h"
#include "core/app/untStaleApp.h"

namespace velmar {

// ---------------------------------------------------------------- documents

std::pair<std::string, std::string> DefaultDocumentNames(const std::filesystem::path& folder, const std::string& suffix)
{
    std::error_code error;
    for (int n = 1;; ++n) {
        std::string source = Format("Dokument%d.rtf", n);
        std::string target = Format("Dokument%d%s.rtf", n, suffix);
        if (!std::filesystem::exists(folder / source, error) && !std::filesystem::exists(folder / target, error))
            return {std::move(source), std::move(target)};
    }
}

// ---------------------------------------------------------------- text profiles

namespace {

// Profiles of the product that cover more than their own subject.
struct TZestawProfilu {
    int Kod;
    std::initializer_list<int> Tematy;
};
const TZestawProfilu kFixedSubjectSets[] = {
    {3, {3, 4, 44}},        {9, {9, 40, 46}},   {11, {2, 11}},      {14, {14, 26}},     {19, {9, 19, 40}},
    {20, {20, 22, 34, 41}}, {24, {11, 24, 49}}, {25, {25, 42, 48}}, {39, {39, 46, 47}}, {44, {44, 50}},
};

TZbiorTematow SubjectSetOf(int kod)
{
    TZbiorTematow set;
    if (kod >= 0 && kod < 256)
        set.set(static_cast<std::size_t>(kod));
    for (const auto& fixed : kFixedSubjectSets)
        if (fixed.Kod == kod) {
            set.reset();
            for (int subject : fixed.Tematy)
                set.set(static_cast<std::size_t>(subject));
        }
    return set;
}

std::string ProfileKey(const std::string& key, int number)
{
    return Format("%s\\Profil%d", key, number);
}

} // namespace

TProfilTekstu TProfileTekstu::DefaultProfile(int kod)
{
    std::string name = InterfaceText(jezPolski, tekst::NazwyProfili + kod);
    std::erase(name, '&');
    return {std::move(name), kod, SubjectSetOf(kod), false};
}

void TProfileTekstu::SetDefaults()
{
    Items.clear();
    PadWithDefaults();
}

void TProfileTekstu::PadWithDefaults()
{
    while (Items.size() < static_cast<std::size_t>(kDefaultProfileCount))
        Items.push_back(DefaultProfile(static_cast<int>(Items.size())));
}

void TProfileTekstu::RestoreProductProfiles()
{
    for (std::size_t i = 0; i < Items.size() && i < static_cast<std::size_t>(kDefaultProfileCount); ++i) {
        Items[i].Kod = static_cast<int>(i);
        Items[i].Zawiera.reset();
        Items[i].Zawiera.set(i);
    }
    for (auto& profile : Items)
        for (const auto& fixed : kFixedSubjectSets)
            if (profile.Kod == fixed.Kod)
                profile.Zawiera = SubjectSetOf(fixed.Kod);
}

int TProfileTekstu::FreeUserCode() const
{
    for (int code = kFirstUserProfileCode; code <= kLastProfileCode; ++code)
        if (std::none_of(Items.begin(), Items.end(), [code](const auto& profile) { return profile.Kod == code; }))
            return code;
    return -1;
}

bool TProfileTekstu::IsUserProfile(int row) const
{
    return row >= kDefaultProfileCount && row < static_cast<int>(Items.size());
}

namespace {

// A stored profile may carry any number; only 0..255 are subjects.
bool IsSubject(int code)
{
    return code >= 0 && code <= TProfileTekstu::kLastProfileCode;
}

TZbiorTematow CoveredSet(const std::vector<TProfilTekstu>& items, int ownCode, const std::vector<int>& coveredRows)
{
    TZbiorTematow set;
    set.set(static_cast<std::size_t>(ownCode));
    for (int row : coveredRows)
        if (row >= 0 && row < static_cast<int>(items.size()) && IsSubject(items[static_cast<std::size_t>(row)].Kod))
            set.set(static_cast<std::size_t>(items[static_cast<std::size_t>(row)].Kod));
    return set;
}

} // namespace

bool TProfileTekstu::AddUserProfile(const std::string& name, const std::vector<int>& coveredRows)
{
    const int code = FreeUserCode();
    if (code < 0)
        return false;
    Items.push_back({name, code, CoveredSet(Items, code, coveredRows), false});
    return true;
}

bool TProfileTekstu::ModifyUserProfile(int row, const std::string& name, const std::vector<int>& coveredRows)
{
    if (!IsUserProfile(row))
        return false;
    auto& profile = Items[static_cast<std::size_t>(row)];
    profile.Nazwa = name;
    if (IsSubject(profile.Kod))
        profile.Zawiera = CoveredSet(Items, profile.Kod, coveredRows);
    return true;
}

bool TProfileTekstu::DeleteUserProfile(int row)
{
    if (!IsUserProfile(row))
        return false;
    const int code = Items[static_cast<std::size_t>(row)].Kod;
    Items.erase(Items.begin() + row);
    if (IsSubject(code))
        for (auto& profile : Items)
            profile.Zawiera.reset(static_cast<std::size_t>(code));
    return true;
}

void TProfileTekstu::Load(const TMagazynUstawien& store, const std::string& key)
{
    Items.clear();
    for (int number = 0; store.KeyExists(ProfileKey(key, number)); ++number) {
        const std::string profileKey = ProfileKey(key, number);
        TProfilTekstu profile;
        profile.Wybrany = store.ReadBool(profileKey, "Wybrany").value_or(false);
        profile.Nazwa = FromUtf8(store.ReadString(profileKey, "Nazwa").value_or(""));
        profile.Kod = store.ReadInteger(profileKey, "Kod").value_or(0);
        for (int member = 0;; ++member) {
            const auto subject = store.ReadInteger(profileKey, Format("Zawiera%d", member));
            if (!subject)
                break;
            if (*subject >= 0 && *subject < 256)
                profile.Zawiera.set(static_cast<std::size_t>(*subject));
        }
        Items.push_back(std::move(profile));
    }
    RestoreProductProfiles();
}

void TProfileTekstu::Save(TMagazynUstawien& store, const std::string& key, std::uint8_t language) const
{
    for (int number = 0; store.KeyExists(ProfileKey(key, number)); ++number)
        store.DeleteKey(ProfileKey(key, number));
    for (std::size_t number = 0; number < Items.size(); ++number) {
        const auto& profile = Items[number];
        const std::string profileKey = ProfileKey(key, static_cast<int>(number));
        store.WriteBool(profileKey, "Wybrany", profile.Wybrany);
        store.WriteString(profileKey, "Nazwa", ToUtf8(profile.Nazwa, language));
        store.WriteInteger(profileKey, "Kod", profile.Kod);
        int member = 0;
        for (std::size_t subject = 0; subject < profile.Zawiera.size(); ++subject)
            if (profile.Zawiera.test(subject))
                store.WriteInteger(profileKey, Format("Zawiera%d", member++), static_cast<int>(subject));
    }
}

// ---------------------------------------------------------------- keyboard shortcuts

const TKlawiaturaJezyka& KeyboardRecord(std::uint8_t language)
{
    static const TKlawiaturaJezyka kPolish = {true,
                                              false,
                                              "PL",
                                              {{"Ctrl+Alt+A", "ĄąĄą"},
                                               {"Ctrl+Alt+C", "ĆćĆć"},
                                               {"Ctrl+Alt+E", "ĘęĘę"},
                                               {"Ctrl+Alt+L", "ŁłŁł"},
                                               {"Ctrl+Alt+N", "ŃńŃń"},
                                               {"Ctrl+Alt+O", "ÓóÓó"},
                                               {"Ctrl+Alt+S", "ŚśŚś"},
                                               {"Ctrl+Alt+X", "ŹźŹź"},
                                               {"Ctrl+Alt+Z", "ŻżŻż"}}};
    static const TKlawiaturaJezyka kFrench = {true,
                                              true,
                                              "FR",
                                              {{"Ctrl+Alt+A", "ÀàÁá"},
                                               {"Ctrl+Alt+Z", "ÂâÂâ"},
                                               {"Ctrl+Alt+C", "ÇçÇç"},
                                               {"Ctrl+Alt+E", "ÉéÉé"},
                                               {"Ctrl+Alt+S", "ÈèÌì"},
                                               {"Ctrl+Alt+D", "ÊêÊê"},
                                               {"Ctrl+Alt+F", "ËëËë"},
                                               {"Ctrl+Alt+I", "ÎîÎî"},
                                               {"Ctrl+Alt+K", "ÏïÍí"},
                                               {"Ctrl+Alt+O", "ÔôÔô"},
                                               {"Ctrl+Alt+P", "ÖöÖö"},
                                               {"Ctrl+Alt+J", "ÙùÙù"},
                                               {"Ctrl+Alt+U", "ÛûÛû"},
                                               {"Ctrl+Alt+Y", "ÜüÜü"}}};
    static const TKlawiaturaJezyka kOthers[] = {{false, false, "EN", {}},
                                                {false, false, "DE", {}},
                                                {false, false, "IT", {}},
                                                {false, false, "ES", {}},
                                                {false, false, "RU", {}}};
    switch (language) {
    case jezPolski: return kPolish;
    case jezFrancuski: return kFrench;
    case jezAngielski: return kOthers[0];
    case jezNiemiecki: return kOthers[1];
    case jezWloski: return kOthers[2];
    case jezHiszpanski: return kOthers[3];
    default: return kOthers[4];
    }
}

// ---------------------------------------------------------------- stored values

namespace {

using TOpcje = TOpcjeUstawien;

struct TPoleBool {
    const char* Nazwa;
    bool TOpcje::*Pole;
};

// What a stored integer outside 0..Max becomes.
enum class TPozaZakresem { Dowolna, Zero, Pozostaw };

struct TPoleInt {
    const char* Nazwa;
    int TOpcje::*Pole;
    int Max = INT_MAX;
    TPozaZakresem Poza = TPozaZakresem::Dowolna;
};

struct TPoleCzcionki {
    const char* Nazwa;
    TCzcionka TOpcje::*Pole;
};

// Four values that are read only together.
struct TGranice {
    const char* Nazwy[4];
    int TOpcje::*Pola[4];
};

#define VELMAR_BOOL(name)                                                                                              \
    TPoleBool                                                                                                          \
    {                                                                                                                  \
#name, &TOpcje::name                                                                                           \
    }
#define VELMAR_INT(name, ...)                                                                                          \
    TPoleInt                                                                                                           \
    {                                                                                                                  \
#name, &TOpcje::name __VA_OPT__(, ) __VA_ARGS__                                                                \
    }

constexpr TPoleBool kTranslatorBools[] = {
    VELMAR_BOOL(SzybkieTlumaczenie),
    VELMAR_BOOL(UzywajAutokorekty),
    VELMAR_BOOL(RodzajTekstuAuto),
    VELMAR_BOOL(ObaSlowniki),
    VELMAR_BOOL(TlumaczPoImporcie),
    VELMAR_BOOL(DrugieZnaczenie),
    VELMAR_BOOL(TlumaczWielkimi),
    VELMAR_BOOL(TlumaczZWielkiej),
    VELMAR_BOOL(KursorWDolnym),
    VELMAR_BOOL(ZachowujPrzeklad),
    VELMAR_BOOL(BezAkcentow),
    VELMAR_BOOL(BezAkcentowDuze),
    VELMAR_BOOL(FrWlaczRozroznianieA),
    VELMAR_BOOL(TekstArchaiczny),
    VELMAR_BOOL(ZmieniajSzykPL),
    VELMAR_BOOL(WstawiajPrzedimki),
    VELMAR_BOOL(PanPaniGrzecznosciowe),
    VELMAR_BOOL(ImperativProsze),
    VELMAR_BOOL(PodmiotMeski),
    VELMAR_BOOL(PomijajZaimkiOsobowe),
    VELMAR_BOOL(PrzeszloscDokonane),
    VELMAR_BOOL(PrzyszloscDokonane),
    VELMAR_BOOL(ModalDokonane),
    VELMAR_BOOL(InfDokonane),
    VELMAR_BOOL(FrPodmiotMeski),
    VELMAR_BOOL(FrZaimekTuMeski),
    VELMAR_BOOL(FrTyWyZWielkiej),
    VELMAR_BOOL(FrPomijajZaimkiOsobowe),
    VELMAR_BOOL(FrZmieniajSzykPrzydawkiPrzym),
    VELMAR_BOOL(FrTlumaczOnJakoMy),
    VELMAR_BOOL(UzywajArchiwum),
    VELMAR_BOOL(TlumaczenieDoArchiwum),
    VELMAR_BOOL(ZaznaczNieznane),
    VELMAR_BOOL(ZaznaczNieprzetlumaczone),
    VELMAR_BOOL(ZaznaczWieloznaczne),
    VELMAR_BOOL(PasekFormatowania),
    VELMAR_BOOL(PaskiStanu),
    VELMAR_BOOL(PasekStanuProgramu),
    VELMAR_BOOL(PasekNarzedziowy),
    VELMAR_BOOL(PasekWymowy),
    VELMAR_BOOL(IkonyGraficzne),
    VELMAR_BOOL(OdrebnyFormat),
    VELMAR_BOOL(WidokPoziomy),
    VELMAR_BOOL(SledzZdania),
    VELMAR_BOOL(SledzSlowa),
    VELMAR_BOOL(PokazujBiezaceSlowoWSlowniku),
    VELMAR_BOOL(BlokujUkladKlawiatury),
    VELMAR_BOOL(LiteryPodobne),
    VELMAR_BOOL(ZapamietujPolozenieOkna),
    VELMAR_BOOL(PytajCzyZapisac),
    VELMAR_BOOL(PytajCzyNadpisac),
    VELMAR_BOOL(UsuwajPrzetlumaczone),
    VELMAR_BOOL(SlownikTranslatora),
    VELMAR_BOOL(SzybkieSzukanie),
    VELMAR_BOOL(WyswietlajZwroty),
    VELMAR_BOOL(DrukujHaslo),
    VELMAR_BOOL(DrukujNotatki),
    VELMAR_BOOL(MatchCase),
    VELMAR_BOOL(WholeWord),
    VELMAR_BOOL(HotKeyWlaczony),
    VELMAR_BOOL(HotKeyAktywujOkno),
    VELMAR_BOOL(HotKeySlownik),
    VELMAR_BOOL(HotKeyTlumacz),
    VELMAR_BOOL(HotKeyTlumaczWyczysc),
    VELMAR_BOOL(HotKeyTlumaczOdRazu),
    VELMAR_BOOL(DeuSS),
    VELMAR_BOOL(DeuZapisDwiemaLiterami),
};

constexpr TPoleInt kTranslatorInts[] = {
    VELMAR_INT(FrZaimekVous, 6, TPozaZakresem::Zero),
    VELMAR_INT(TekstWyjsciowy),
    VELMAR_INT(KopiujTekstZrodlowy, 3, TPozaZakresem::Zero),
    VELMAR_INT(ArchiwumProcent, 100, TPozaZakresem::Pozostaw),
    VELMAR_INT(TransSlownik, 2, TPozaZakresem::Pozostaw),
    VELMAR_INT(WyswietlajWymowe, 2, TPozaZakresem::Zero),
    VELMAR_INT(HotKey),
    VELMAR_INT(HotKeyModifier),
};

constexpr TPoleCzcionki kTranslatorNamedFonts[] = {
    {"CzcionkaInterfejsu", &TOpcje::CzcionkaInterfejsu},
    {"CzcionkaSlownika", &TOpcje::CzcionkaSlownika},
    {"CzcionkaEdycji", &TOpcje::CzcionkaEdycji},
};
constexpr TPoleCzcionki kMarkingFonts[] = {
    {"NieznaneCzcionka", &TOpcje::NieznaneCzcionka},
    {"NieprzetlumaczoneCzcionka", &TOpcje::NieprzetlumaczoneCzcionka},
    {"WieloznaczneCzcionka", &TOpcje::WieloznaczneCzcionka},
};

// Splitter positions and pane sizes, stored with the window bounds.
constexpr TPoleInt kTranslatorLayout[] = {
    VELMAR_INT(OknoZdaniaLeftWidth), VELMAR_INT(MainRatio),       VELMAR_INT(OknoWidthRatio),
    VELMAR_INT(OknoMiddleRatio),     VELMAR_INT(OknoBottomRatio), VELMAR_INT(OknoZdaniaRatio),
    VELMAR_INT(TransSlownikRatio),
};

constexpr TGranice kTranslatorBounds = {{"Left", "Top", "Width", "Height"},
                                        {&TOpcje::Left, &TOpcje::Top, &TOpcje::Width, &TOpcje::Height}};
constexpr TGranice kDictionaryBounds = {{"SlLeft", "SlTop", "SlWidth", "SlHeight"},
                                        {&TOpcje::SlLeft, &TOpcje::SlTop, &TOpcje::SlWidth, &TOpcje::SlHeight}};

constexpr TPoleBool kDictionaryBools[] = {
    VELMAR_BOOL(ObaSlowniki),
    VELMAR_BOOL(PasekNarzedziowy),
    VELMAR_BOOL(PasekLitery),
    VELMAR_BOOL(NaWierzchu),
    VELMAR_BOOL(SzybkieSzukanie),
    VELMAR_BOOL(WyswietlajZwroty),
    VELMAR_BOOL(DrukujHaslo),
    VELMAR_BOOL(DrukujNotatki),
    VELMAR_BOOL(MatchCase),
    VELMAR_BOOL(WholeWord),
    VELMAR_BOOL(IgnorujWielkimi),
    VELMAR_BOOL(IgnorujZCyframi),
    VELMAR_BOOL(IgnorujPowtorzone),
    VELMAR_BOOL(ProponujZSG),
    VELMAR_BOOL(ProponujZSO),
    VELMAR_BOOL(ProponujZSU),
    VELMAR_BOOL(SlownikTranslatora),
    VELMAR_BOOL(HotKeyWlaczony),
    VELMAR_BOOL(HotKeyAktywujOkno),
    // Edited by the keyboard frame of the dictionary options as well.
    VELMAR_BOOL(BlokujUkladKlawiatury),
    VELMAR_BOOL(LiteryPodobne),
};

constexpr TPoleInt kDictionaryInts[] = {
    VELMAR_INT(WyswietlajWymowe, 2, TPozaZakresem::Zero),
    VELMAR_INT(KolorHaslo),
    VELMAR_INT(KolorGramCzescMowy),
    VELMAR_INT(KolorGramRodzaj),
    VELMAR_INT(KolorGramInne),
    VELMAR_INT(KolorOdpowiednik),
    VELMAR_INT(KolorTlo),
    VELMAR_INT(HotKey),
    VELMAR_INT(HotKeyModifier),
};

constexpr TPoleCzcionki kDictionaryNamedFonts[] = {
    {"CzcionkaInterfejsu", &TOpcje::CzcionkaInterfejsu},
    {"CzcionkaSlownika", &TOpcje::CzcionkaSlownika},
};

#undef VELMAR_BOOL
#undef VELMAR_INT

// Reading and writing one key of the store.
class TKlucz {
public:
    TKlucz(TMagazynUstawien& store, std::string key, TOpcje& options)
        : store_(store), key_(std::move(key)), options_(options)
    {
    }

    void Read(std::span<const TPoleBool> fields)
    {
        for (const auto& field : fields)
            if (const auto value = store_.ReadBool(key_, field.Nazwa))
                options_.*field.Pole = *value;
    }
    void Write(std::span<const TPoleBool> fields)
    {
        for (const auto& field : fields)
            store_.WriteBool(key_, field.Nazwa, options_.*field.Pole);
    }

    void Read(std::span<const TPoleInt> fields)
    {
        for (const auto& field : fields) {
            const auto value = store_.ReadInteger(key_, field.Nazwa);
            if (!value)
                continue;
            const bool inRange = field.Poza == TPozaZakresem::Dowolna || (*value >= 0 && *value <= field.Max);
            if (inRange)
                options_.*field.Pole = *value;
            else if (field.Poza == TPozaZakresem::Zero)
                options_.*field.Pole = 0;
        }
    }
    void Write(std::span<const TPoleInt> fields)
    {
        for (const auto& field : fields)
            store_.WriteInteger(key_, field.Nazwa, options_.*field.Pole);
    }

    // Name and size of the interface, dictionary and edit fonts.
    void ReadNamed(std::span<const TPoleCzcionki> fonts)
    {
        for (const auto& font : fonts) {
            TCzcionka& target = options_.*font.Pole;
            if (const auto name = store_.ReadString(key_, std::string(font.Nazwa) + "Name"))
                target.Name = *name;
            if (const auto size = store_.ReadInteger(key_, std::string(font.Nazwa) + "Size"))
                target.Size = *size;
        }
    }
    void WriteNamed(std::span<const TPoleCzcionki> fonts)
    {
        for (const auto& font : fonts) {
            store_.WriteString(key_, std::string(font.Nazwa) + "Name", (options_.*font.Pole).Name);
            store_.WriteInteger(key_, std::string(font.Nazwa) + "Size", (options_.*font.Pole).Size);
        }
    }

    // Style and colour of the marking fonts.
    void ReadMarking(std::span<const TPoleCzcionki> fonts)
    {
        for (const auto& font : fonts) {
            TCzcionka& target = options_.*font.Pole;
            if (const auto style = store_.ReadString(key_, std::string(font.Nazwa) + "Style"))
                target.Style = FontStyleFromString(*style);
            if (const auto colour = store_.ReadInteger(key_, std::string(font.Nazwa) + "Colour"))
                target.Colour = static_cast<std::uint32_t>(*colour);
        }
    }
    void WriteMarking(std::span<const TPoleCzcionki> fonts)
    {
        for (const auto& font : fonts) {
            store_.WriteString(key_, std::string(font.Nazwa) + "Style", FontStyleToString((options_.*font.Pole).Style));
            store_.WriteInteger(key_, std::string(font.Nazwa) + "Colour",
                                static_cast<int>((options_.*font.Pole).Colour));
        }
    }

    void Read(const TGranice& bounds)
    {
        std::array<int, 4> values{};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto value = store_.ReadInteger(key_, bounds.Nazwy[i]);
            if (!value)
                return;
            values[i] = *value;
        }
        for (std::size_t i = 0; i < values.size(); ++i)
            options_.*bounds.Pola[i] = values[i];
    }
    // Bounds that were never known stay absent from the store.
    void Write(const TGranice& bounds)
    {
        if (options_.*bounds.Pola[2] <= 0 || options_.*bounds.Pola[3] <= 0)
            return;
        for (std::size_t i = 0; i < 4; ++i)
            store_.WriteInteger(key_, bounds.Nazwy[i], options_.*bounds.Pola[i]);
    }

    void ReadDictionaryListWidth()
    {
        if (const auto width = store_.ReadInteger(key_, "SlListaSlowWidth"))
            options_.SlListaSlowWidth = *width;
    }
    void WriteDictionaryListWidth()
    {
        if (options_.SlListaSlowWidth > 0)
            store_.WriteInteger(key_, "SlListaSlowWidth", options_.SlListaSlowWidth);
    }

private:
    TMagazynUstawien& store_;
    std::string key_;
    TOpcje& options_;
};

constexpr int kRecentFileCount = 4;

} // namespace

// ---------------------------------------------------------------- the settings

TTransUstawienia::TTransUstawienia()
    : store_(std::make_unique<TMagazynUstawienPamiec>()), hotKey_(std::make_unique<TBrakGoracegoKlawisza>())
{
}

TTransUstawienia::~TTransUstawienia() = default;

void TTransUstawienia::SetStore(std::unique_ptr<TMagazynUstawien> store)
{
    store_ = std::move(store);
    saveFailureReported_ = false;
}

void TTransUstawienia::SetHotKeyService(std::unique_ptr<TGoracyKlawisz> hotKey)
{
    hotKey_ = std::move(hotKey);
}

std::string TTransUstawienia::Key() const
{
    return ProductFile(tabele::SettingsKey, Program().WorkingMode);
}

void TTransUstawienia::SetDefaults()
{
    static_cast<TOpcjeUstawien&>(*this) = TOpcjeUstawien{};
    DomyslneRozszerzenie = LanguageInfo(Program().TargetLanguage).Suffix;
    CzcionkaW2K = SystemUnicode;

    TrybyTlumaczenia.clear();
    for (int code = 0; code <= 16; ++code)
        if (ProductOffersTranslationMode(code))
            TrybyTlumaczenia.push_back({static_cast<std::uint8_t>(code), {}, {}});
    RefreshTranslationModes();

    Profile.SetDefaults();
    for (std::uint8_t language = 0; language < kLanguageCount; ++language) {
        const auto& record = KeyboardRecord(language);
        SkrotyKlawiszowe[language].clear();
        for (const auto& shortcut : record.Skroty)
            SkrotyKlawiszowe[language].emplace_back(shortcut.Skrot);
        SkrotyWlaczone[language] = record.MaListe;
    }
    OstatniePliki.clear();
}

void TTransUstawienia::ResetDocuments(const std::filesystem::path& folder)
{
    const auto [source, target] = DefaultDocumentNames(folder, DomyslneRozszerzenie);
    Dokumenty[0] = {false, false, source, Program().SourceLanguage, 2};
    Dokumenty[1] = {false, false, target, Program().TargetLanguage, 2};
}

// ---------------------------------------------------------------- reading

void TTransUstawienia::ReadRecentFiles()
{
    OstatniePliki.clear();
    for (int i = 0; i < kRecentFileCount; ++i) {
        const auto file = store_->ReadString(Key(), Format("Plik%d", i));
        if (file && !file->empty())
            OstatniePliki.push_back(*file);
    }
    PoZmianieOstatnichPlikow.Notify();
}

void TTransUstawienia::WriteRecentFiles()
{
    for (int i = 0; i < kRecentFileCount; ++i)
        store_->WriteString(Key(), Format("Plik%d", i),
                            i < static_cast<int>(OstatniePliki.size()) ? OstatniePliki[static_cast<std::size_t>(i)]
                                                                       : std::string());
}

void TTransUstawienia::ReadKeyboard()
{
    for (std::uint8_t language = 0; language < kLanguageCount; ++language) {
        const auto& record = KeyboardRecord(language);
        if (!record.MaListe)
            continue;
        if (const auto enabled = store_->ReadBool(Key(), record.Kod))
            SkrotyWlaczone[language] = *enabled;
        auto& shortcuts = SkrotyKlawiszowe[language];
        for (std::size_t i = 0; i < shortcuts.size(); ++i)
            if (const auto text = store_->ReadString(Key(), Format("%s%d", record.Kod, static_cast<int>(i + 1))))
                shortcuts[i] = *text;
    }
}

void TTransUstawienia::WriteKeyboard()
{
    for (std::uint8_t language = 0; language < kLanguageCount; ++language) {
        const auto& record = KeyboardRecord(language);
        if (!record.MaListe)
            continue;
        store_->WriteBool(Key(), record.Kod, SkrotyWlaczone[language]);
        const auto& shortcuts = SkrotyKlawiszowe[language];
        for (std::size_t i = 0; i < shortcuts.size(); ++i)
            store_->WriteString(Key(), Format("%s%d", record.Kod, static_cast<int>(i + 1)), shortcuts[i]);
    }
}

void TTransUstawienia::ValidateInterfaceLanguage()
{
    const auto& program = Program();
    if (JezykInterfejsu != program.SourceLanguage && JezykInterfejsu != program.TargetLanguage)
        JezykInterfejsu = jezPolski;
}

void TTransUstawienia::ReadTranslatorSettings(bool startup)
{
    if (!store_->KeyExists(Key())) {
        WriteTranslatorValues();
        store_->Flush();
    }
    ReadRecentFiles();
    TKlucz key(*store_, Key(), *this);
    if (const auto suffix = store_->ReadString(Key(), "DomyslneRozszerzenie"))
        DomyslneRozszerzenie = *suffix;
    if (!startup)
        return;

    if (const auto language = store_->ReadInteger(Key(), "JezykInterfejsu"))
        JezykInterfejsu = *language;
    ValidateInterfaceLanguage();
    if (const auto mode = store_->ReadInteger(Key(), "TrybPracy"))
        TrybPracy = *mode >= 0 && *mode < 17 && ProductOffersTranslationMode(*mode) ? *mode : 0;
    key.Read(kTranslatorBools);
    if (const auto autosave = store_->ReadBool(Key(), "AutozapisPreferencji"))
        AutozapisPreferencji = *autosave;
    if (KeyboardRecord(Program().ForeignLanguage).WymagaW2K)
        if (const auto wide = store_->ReadBool(Key(), "CzcionkaW2K"))
            CzcionkaW2K = *wide;
    key.Read(kTranslatorInts);
    key.ReadNamed(kTranslatorNamedFonts);
    key.ReadMarking(kMarkingFonts);
    key.Read(kTranslatorBounds);
    key.Read(kTranslatorLayout);
    key.Read(kDictionaryBounds);
    key.ReadDictionaryListWidth();
    ReadKeyboard();
}

void TTransUstawienia::ReadDictionarySettings(bool startup)
{
    if (!store_->KeyExists(Key())) {
        WriteDictionaryValues();
        store_->Flush();
    }
    if (!startup)
        return;
    TKlucz key(*store_, Key(), *this);
    if (const auto language = store_->ReadInteger(Key(), "JezykInterfejsu"))
        JezykInterfejsu = *language;
    ValidateInterfaceLanguage();
    key.Read(kDictionaryBools);
    if (KeyboardRecord(Program().ForeignLanguage).WymagaW2K)
        if (const auto wide = store_->ReadBool(Key(), "CzcionkaW2K"))
            CzcionkaW2K = *wide;
    key.Read(kDictionaryInts);
    key.ReadNamed(kDictionaryNamedFonts);
    key.Read(kDictionaryBounds);
    key.ReadDictionaryListWidth();
    ReadKeyboard();
}

void TTransUstawienia::LoadProfiles()
{
    Profile.Load(*store_, Key());
}

// ---------------------------------------------------------------- writing

void TTransUstawienia::WriteTranslatorValues()
{
    TKlucz key(*store_, Key(), *this);
    if (ZapamietujPolozenieOkna) {
        key.Write(kTranslatorBounds);
        key.Write(kTranslatorLayout);
        key.Write(kDictionaryBounds);
        key.WriteDictionaryListWidth();
    }
    WriteRecentFiles();
    store_->WriteBool(Key(), "AutozapisPreferencji", AutozapisPreferencji);
    if (!AutozapisPreferencji)
        return;

    store_->WriteInteger(Key(), "JezykInterfejsu", JezykInterfejsu);
    store_->WriteInteger(Key(), "TrybPracy", TrybPracy);
    key.Write(kTranslatorBools);
    store_->WriteBool(Key(), "CzcionkaW2K", CzcionkaW2K);
    key.Write(kTranslatorInts);
    store_->WriteString(Key(), "DomyslneRozszerzenie", DomyslneRozszerzenie);
    key.WriteNamed(kTranslatorNamedFonts);
    key.WriteMarking(kMarkingFonts);
    WriteKeyboard();
    Profile.Save(*store_, Key(), static_cast<std::uint8_t>(JezykInterfejsu));
}

void TTransUstawienia::WriteDictionaryValues()
{
    TKlucz key(*store_, Key(), *this);
    if (ZapamietujPolozenieOkna) {
        key.Write(kDictionaryBounds);
        key.WriteDictionaryListWidth();
    }
    store_->WriteInteger(Key(), "JezykInterfejsu", JezykInterfejsu);
    key.Write(kDictionaryBools);
    store_->WriteBool(Key(), "CzcionkaW2K", CzcionkaW2K);
    key.Write(kDictionaryInts);
    key.WriteNamed(kDictionaryNamedFonts);
    WriteKeyboard();
}

bool TTransUstawienia::SaveTranslatorSettings()
{
    PrzedZapisem.NotifyIndexed();
    WriteTranslatorValues();
    const int mode = Program().WorkingMode;
    const bool keepsUserData =
        !(mode == trybInternetFrPl || mode == trybInternetPlFr || mode == trybPlikFrPl || mode == trybPlikPlFr);
    if (keepsUserData && ZapiszSlowniki)
        ZapiszSlowniki();
    return ReportSaveFailure(store_->Flush());
}

bool TTransUstawienia::SaveDictionarySettings()
{
    PrzedZapisem.NotifyIndexed();
    WriteDictionaryValues();
    if (ZapiszSlowniki)
        ZapiszSlowniki();
    return ReportSaveFailure(store_->Flush());
}

bool TTransUstawienia::SaveSettings()
{
    return IsDictionaryMode(Program().WorkingMode) ? SaveDictionarySettings() : SaveTranslatorSettings();
}

bool TTransUstawienia::ReportSaveFailure(bool stored)
{
    if (stored || saveFailureReported_)
        return stored;
    saveFailureReported_ = true;
    TWide message = InterfaceTextWide(static_cast<std::uint8_t>(JezykInterfejsu), tekst::ZapisUstawien, true);
    if (const auto at = message.find(u"%s"); at != TWide::npos)
        message.replace(at, 2, Utf8ToWide(store_->Location()));
    Pytanie().Zapytaj(message, TPrzyciski::OK);
    return false;
}

// ---------------------------------------------------------------- applying

void TTransUstawienia::ApplySettings(bool startup)
{
    std::error_code error;
    ResetDocuments(std::filesystem::current_path(error));
    if (IsDictionaryMode(Program().WorkingMode))
        ReadDictionarySettings(startup);
    else
        ReadTranslatorSettings(startup);
    if (WczytajSlowniki)
        WczytajSlowniki(startup);
    OdwrotnySlownikWczytany = OdwrotnySlownikWczytany || ObaSlowniki;
    LoadProfiles();
    ReloadInterfaceTexts();
    if (startup)
        RegisterStoredHotKey();
    PoZastosowaniu.Notify();
}

void TTransUstawienia::RegisterStoredHotKey()
{
    // The stored state says what the user wants; the key is grabbed only now.
    if (!HotKeyWlaczony)
        return;
    HotKeyWlaczony = false;
    if (!SetHotKeyEnabled(true))
        Pytanie().Zapytaj(Teksty.Wide(tekst::ZajetyKlawisz), TPrzyciski::OK);
}

void TTransUstawienia::SwapDirection()
{
    PrzedZamiana.Notify();
    SaveSettings();
    velmar::SwapDirection(Program());
    ApplySettings(false);
    PoZamianie.Notify();
    OdwrotnySlownikWczytany = true;
}

bool TTransUstawienia::SetTranslationMode(int code)
{
    if (code < 0 || code >= 17 || !ProductOffersTranslationMode(code))
        return false;
    TrybPracy = code;
    PoZmianieTrybu.Notify();
    return true;
}

void TTransUstawienia::SetToolbarVisible(bool visible)
{
    PasekNarzedziowy = visible;
    PoZmianieUkladu.Notify();
}

void TTransUstawienia::SetHorizontalSplit(bool horizontal)
{
    WidokPoziomy = horizontal;
    PoZmianieUkladu.Notify();
}

void TTransUstawienia::SetDictionaryPaneLayout(int layout)
{
    if (layout < 0 || layout > 2)
        return;
    TransSlownik = layout;
    PoZmianieUkladu.Notify();
}

void TTransUstawienia::SetLetterBarVisible(bool visible)
{
    PasekLitery = visible;
    PoZmianiePaskaLiter.Notify();
}

void TTransUstawienia::SetStayOnTop(bool onTop)
{
    NaWierzchu = onTop;
    PoZmianieNaWierzchu.Notify();
}

bool TTransUstawienia::SetHotKeyEnabled(bool enabled)
{
    if (enabled == HotKeyWlaczony)
        return true;
    if (!enabled) {
        hotKey_->Unregister();
        HotKeyWlaczony = false;
        return true;
    }
    HotKeyWlaczony = hotKey_->Register(HotKeyModifier, HotKey);
    return HotKeyWlaczony;
}

bool TTransUstawienia::CanUseHotKey(int modifiers, int key)
{
    if (HotKeyWlaczony && modifiers == HotKeyModifier && key == HotKey)
        return true;
    const bool free = hotKey_->Register(modifiers, key);
    if (free)
        hotKey_->Unregister();
    if (HotKeyWlaczony)
        HotKeyWlaczony = hotKey_->Register(HotKeyModifier, HotKey);
    return free;
}

// ---------------------------------------------------------------- interface language

void TTransUstawienia::SetInterfaceLanguage(std::uint8_t language)
{
    JezykInterfejsuZmieniony = false;
    if (language == JezykInterfejsu)
        return;
    JezykInterfejsu = language;
    ReloadInterfaceTexts();
}

void TTransUstawienia::ToggleInterfaceLanguage()
{
    const auto& program = Program();
    SetInterfaceLanguage(JezykInterfejsu == program.ForeignLanguage ? program.NativeLanguage : program.ForeignLanguage);
}

void TTransUstawienia::RefreshTranslationModes()
{
    const auto language = static_cast<std::uint8_t>(JezykInterfejsu);
    for (auto& mode : TrybyTlumaczenia) {
        mode.Opis = InterfaceText(language, tekst::TrybyTlumaczenia + mode.Kod);
        mode.OpisW = InterfaceTextWide(language, tekst::TrybyTlumaczenia + mode.Kod, false);
    }
}

void TTransUstawienia::ReloadInterfaceTexts()
{
    Teksty.Fill(static_cast<std::uint8_t>(JezykInterfejsu));
    Profile.PadWithDefaults();
    for (auto& profile : Profile.Items)
        if (profile.Kod >= 0 && profile.Kod <= 51)
            profile.Nazwa = Teksty.ProfileName(profile.Kod);
    RefreshTranslationModes();
    PoOdswiezeniuNapisow.Notify();
}

void TTransUstawienia::ApplyOptionsChanges(std::uint8_t interfaceLanguage)
{
    if (KierunekZmieniony) {
        KierunekZmieniony = false;
        SwapDirection();
    }
    if (JezykInterfejsuZmieniony)
        SetInterfaceLanguage(interfaceLanguage);
}

// ---------------------------------------------------------------- derived values

std::string TTransUstawienia::CurrentUserDictionaryFile() const
{
    const int mode = Program().WorkingMode;
    if (IsDictionaryMode(mode))
        return ProductFile(tabele::UserDictionary, SlownikTranslatora ? mode - 4 : mode);
    return WybranySlownikUzytkownika.empty() ? ProductFile(tabele::UserDictionary, mode) : WybranySlownikUzytkownika;
}

bool TTransUstawienia::NeedsWideHandling(std::uint8_t language) const
{
    const int codePage = LanguageInfo(language).AnsiCodePage;
    const bool codePageSuits = codePage == 0 || codePage == SystemowaStronaKodowa;
    return (SystemUnicode || CzcionkaW2K) && !LiteryPodobne && !codePageSuits;
}

TTransUstawienia& Ustawienia()
{
    static TTransUstawienia settings;
    return settings;
}

} // namespace velmar
