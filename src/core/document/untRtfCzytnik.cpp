#include "core/document/untRtfCzytnik.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/app/untUtils.h"
#include "core/document/untStronaKodowa.h"

namespace velmar {

namespace {

// Where the text and control words of the current group go.
enum class TCel {
    Tekst,
    TabelaCzcionek,
    TabelaKolorow,
    TabelaStylow,
    TabelaList,
    TabelaNadpisanList,
    DomyslneZnaki, // \defchp: the character formatting \plain returns to
    Punktor,       // an old-style \pn numbering group
    Instrukcja,    // a field's instruction
    TekstPoziomu,  // a list level's label: its length, then text and number places
};

// Which part of the document the text belongs to.
enum class TUjscie { Dokument, Przypis, Ramka };

// Old-style paragraph numbering (\pn), for documents without a list table.
struct TNumeracjaPn {
    TRodzajListy Rodzaj = TRodzajListy::Brak;
    int Poziom = 0;
    int Start = 1;
};

// A paragraph's list as the control words state it, resolved when it ends.
struct TListaAkapitu {
    int Ls = 0; // \ls: the list override; 0 for none
    int Poziom = 0;
    TNumeracjaPn Pn;
};

// What a group can change and a closing brace restores.
struct TStan {
    TCel Cel = TCel::Tekst;
    TUjscie Ujscie = TUjscie::Dokument;
    TAtrybutyTekstu Znaki;
    int Czcionka = -1; // font number; -1: the document's default font
    TAtrybutyAkapitu Akapit;
    TListaAkapitu Lista;
    int ZnakiZastepcze = 1; // \uc: characters that follow \u as its fallback
    bool Ksztalt = false;   // inside a shape's instruction
};

struct TCzcionkaRtf {
    std::u16string Nazwa;
    int StronaKodowa = 0; // from \fcharset or \cpg; 0: the document's
};

struct TSlowoSterujace {
    std::string_view Nazwa; // empty for a control symbol
    char Symbol = 0;
    bool MaParametr = false;
    int Parametr = 0;
};

struct TSlowoStylu {
    std::string Nazwa;
    bool MaParametr = false;
    int Parametr = 0;
};

// A style: the formatting words it states, on top of those of its base style.
struct TStyl {
    int Bazowy = -1;
    std::vector<TSlowoStylu> Slowa;
};

struct TPoziomListy {
    int Format = 0; // \levelnfc
    int Start = 1;
    std::u16string Etykieta; // \leveltext: a length character, then text and number places
};

// What follows the number in a level's label ("\'02\'00." → '.'); 0 when the label
// ends with the number place (a level number, 0 to 8).
char16_t SuffixOfLabel(std::u16string label)
{
    if (!label.empty() && label.back() == u';')
        label.pop_back();
    return label.size() >= 2 && label.back() >= 0x20 ? label.back() : 0;
}

struct TListaRtf {
    int Id = 0;
    std::vector<TPoziomListy> Poziomy;
};

// A field being read: the text its instruction shows when it has no result
// (a MACROBUTTON's prompt), inserted when the field ends without one.
struct TPole {
    std::size_t Glebokosc = 0;
    std::u16string Instrukcja;
    std::size_t ZnakowPrzedWynikiem = 0;
    TAtrybutyTekstu Atrybuty;
};

// Destinations whose content is never part of the visible text, and what leaving
// them out means for the reader.
struct TPomijanaGrupa {
    std::string_view Nazwa;
    TPominiecia Pominiecie;
};

constexpr TPomijanaGrupa kPomijaneGrupy[] = {
    {"info", 0},
    {"pict", pmObrazy},
    {"shppict", pmObrazy},
    {"object", pmObiekty},
    {"header", pmNaglowkiStopki},
    {"headerl", pmNaglowkiStopki},
    {"headerr", pmNaglowkiStopki},
    {"headerf", pmNaglowkiStopki},
    {"footer", pmNaglowkiStopki},
    {"footerl", pmNaglowkiStopki},
    {"footerr", pmNaglowkiStopki},
    {"footerf", pmNaglowkiStopki},
    {"pntext", 0},
    {"listtext", 0},
    {"pntxta", 0},
    {"pntxtb", 0},
    {"themedata", 0},
    {"colorschememapping", 0},
    {"datastore", 0},
    {"latentstyles", 0},
    {"xmlnstbl", 0},
    {"revtbl", 0},
    {"rsidtbl", 0},
    {"generator", 0},
    {"filetbl", 0},
    {"userprops", 0},
    {"docvar", 0},
    {"nonshppict", 0},
    {"template", 0},
    {"nonesttables", 0}, // the flat copy of nested tables for readers without them
    {"shprslt", 0},      // a shape's picture for readers without shapes
    {"sp", 0},           // a shape's properties
    {"listname", 0},
};

const TPomijanaGrupa* SkippedDestination(std::string_view word)
{
    for (const auto& group : kPomijaneGrupy)
        if (group.Nazwa == word)
            return &group;
    return nullptr;
}

bool IsLetterByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigitByte(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHighSurrogate(int c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(int c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

constexpr char16_t kZnakZastepczy = u'\uFFFD';

// The list kind of a list level's number format (\levelnfc).
TRodzajListy KindOfNumberFormat(int format)
{
    switch (format) {
    case 1: return TRodzajListy::WielkieRzymskie;
    case 2: return TRodzajListy::MaleRzymskie;
    case 3: return TRodzajListy::WielkieLitery;
    case 4: return TRodzajListy::MaleLitery;
    case 23: return TRodzajListy::Punktor;
    case 255: return TRodzajListy::Brak; // no number: an outline level, not a list
    default: return TRodzajListy::Liczby;
    }
}

// The list kind of an old-style numbering word, or nullopt when it is none.
std::optional<TRodzajListy> KindOfPnWord(std::string_view word)
{
    if (word == "pndec")
        return TRodzajListy::Liczby;
    if (word == "pnlcltr")
        return TRodzajListy::MaleLitery;
    if (word == "pnucltr")
        return TRodzajListy::WielkieLitery;
    if (word == "pnlcrm")
        return TRodzajListy::MaleRzymskie;
    if (word == "pnucrm")
        return TRodzajListy::WielkieRzymskie;
    return std::nullopt;
}

// The prompt a field instruction shows: "MACROBUTTON name prompt".
std::u16string PromptOfInstruction(std::u16string_view instruction)
{
    const auto skipSpaces = [&](std::size_t at) {
        while (at < instruction.size() && instruction[at] == u' ')
            ++at;
        return at;
    };
    const auto skipWord = [&](std::size_t at) {
        while (at < instruction.size() && instruction[at] != u' ')
            ++at;
        return at;
    };
    std::size_t start = skipSpaces(0);
    const std::size_t keywordEnd = skipWord(start);
    if (WideUpper(instruction.substr(start, keywordEnd - start)) != u"MACROBUTTON")
        return {};
    start = skipSpaces(skipWord(skipSpaces(keywordEnd)));
    std::u16string prompt(instruction.substr(start));
    while (!prompt.empty() && prompt.back() == u' ')
        prompt.pop_back();
    return prompt;
}

class TRtfCzytnik {
public:
    explicit TRtfCzytnik(std::string_view bytes) : in_(bytes) {}

    TTekstFormatowany Read();
    TPominiecia LeftOut() const { return pominiete_; }

private:
    // ---- scanning
    TSlowoSterujace ScanControl();
    void SkipBinary(int count);
    void SkipGroupContent();

    // ---- groups
    void OpenGroup();
    void CloseGroup();
    void OnGroupClosed(const TStan& closed);
    bool OnDestination(std::string_view word, bool atGroupStart, bool starred);

    // ---- content
    void OnControl(const TSlowoSterujace& control);
    void OnSymbol(char symbol, bool atGroupStart);
    void OnTableControl(std::string_view word, int parameter);
    void OnTextControl(std::string_view word, bool hasParameter, int parameter);
    bool OnCharacterControl(std::string_view word, bool hasParameter, int parameter);
    bool OnParagraphControl(std::string_view word, int parameter);
    bool OnPageControl(std::string_view word, int parameter);
    bool OnSpecialCharacter(std::string_view word);
    void OnBreak(TPodzial kind);
    void ApplyStyle(int number, int depth = 0);
    void OnByte(unsigned char byte);
    void OnUnicode(int value);
    void OnChar(char16_t character);
    void AppendChar(char16_t character);
    void FlushSurrogate();
    void EndParagraph();
    void EndParagraphOf(TUjscie sink, const TStan& state);
    TLista ResolveList(const TListaAkapitu& stated);
    void InsertFootnoteNumber();
    void EndField();
    int CurrentCodePage() const;
    const TAtrybutyTekstu& CurrentAttributes();
    int Colour(int index) const;

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<TStan> stos_;
    TStan stan_;
    bool poczatekGrupy_ = false; // no control word seen yet in the newest group
    bool gwiazdka_ = false;      // the newest group began with "\*"
    bool koniec_ = false;        // the outermost group has closed
    int doPominiecia_ = 0;       // fallback characters still to skip after \u
    char16_t wysokiSurogat_ = 0; // a \u high surrogate waiting for its low half

    int stronaKodowa_ = 1252;
    int domyslnaCzcionka_ = 0;
    std::map<int, TCzcionkaRtf> czcionki_;
    int numerCzcionki_ = -1;
    TCzcionkaRtf nowaCzcionka_;
    std::vector<std::int32_t> kolory_;
    std::array<int, 3> skladowe_{-1, -1, -1};
    TAtrybutyTekstu domyslneZnaki_;

    std::map<int, TStyl> style_;
    int numerStylu_ = 0;
    TStyl nowyStyl_;

    std::vector<TListaRtf> listy_;
    std::map<int, int> nadpisaniaList_;           // \ls → \listid
    std::map<std::pair<int, int>, int> startyPn_; // old-style list and level → first number
    int lsNadpisania_ = 0;
    int idNadpisania_ = 0;

    std::vector<TPole> pola_;
    int przypisy_ = 0;                  // footnotes met so far
    bool przypisOdNumeru_ = false;      // the current footnote has its number already
    bool spacjaPoNumerze_ = false;      // a footnote's number wants a space before its text
    bool ramkaKsztaltu_ = false;        // the current shape holds text
    TPodzial podzial_ = TPodzial::Brak; // a break that the next paragraph begins with
    bool stronaZDokumentu_ = false;     // the page was stated for the whole document
    TPominiecia pominiete_ = 0;
    std::size_t znakiTekstu_ = 0; // characters of visible text so far

    TAtrybutyTekstu atrybuty_; // cache of CurrentAttributes
    TTekstFormatowany dokument_;
    std::array<TAkapit, 3> biezace_;        // the open paragraph of each sink
    std::vector<TAkapit> akapityPrzypisow_; // moved to the end
    std::vector<TAkapit> akapityRamek_;     // placed after the paragraph they stand in
};

TTekstFormatowany TRtfCzytnik::Read()
{
    while (pos_ < in_.size() && !koniec_) {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            OpenGroup();
        } else if (c == '}') {
            ++pos_;
            CloseGroup();
        } else if (c == '\\') {
            OnControl(ScanControl());
        } else {
            ++pos_;
            if (c != '\r' && c != '\n')
                OnByte(static_cast<unsigned char>(c));
        }
    }
    while (!stos_.empty() && stos_.size() > 1 && !koniec_)
        CloseGroup(); // unbalanced groups close at the end of the input
    FlushSurrogate();
    auto& last = biezace_[static_cast<int>(TUjscie::Dokument)];
    if (!last.Fragmenty.empty() || dokument_.Akapity.empty() || !akapityRamek_.empty())
        EndParagraphOf(TUjscie::Dokument, stan_);
    for (auto& paragraph : akapityPrzypisow_)
        dokument_.Akapity.push_back(std::move(paragraph));
    if (const auto font = czcionki_.find(domyslnaCzcionka_); font != czcionki_.end())
        dokument_.DomyslnaCzcionka = WideToUtf8(font->second.Nazwa);
    return std::move(dokument_);
}

TSlowoSterujace TRtfCzytnik::ScanControl()
{
    ++pos_; // the backslash
    TSlowoSterujace control;
    if (pos_ >= in_.size())
        return control;
    if (!IsLetterByte(in_[pos_])) {
        control.Symbol = in_[pos_++];
        return control;
    }
    const std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetterByte(in_[pos_]))
        ++pos_;
    control.Nazwa = in_.substr(start, pos_ - start);
    const bool negative = pos_ < in_.size() && in_[pos_] == '-';
    if (negative)
        ++pos_;
    long long value = 0;
    while (pos_ < in_.size() && IsDigitByte(in_[pos_])) {
        value = std::min<long long>(value * 10 + (in_[pos_] - '0'), 1'000'000'000);
        control.MaParametr = true;
        ++pos_;
    }
    control.Parametr = static_cast<int>(negative ? -value : value);
    if (pos_ < in_.size() && in_[pos_] == ' ')
        ++pos_;
    return control;
}

void TRtfCzytnik::SkipBinary(int count)
{
    pos_ += std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), in_.size() - pos_);
}

// Skips to the brace that closes the current group; binary data and escaped braces
// inside do not count as braces.
void TRtfCzytnik::SkipGroupContent()
{
    int depth = 1;
    while (pos_ < in_.size()) {
        const char c = in_[pos_];
        if (c == '\\') {
            const auto control = ScanControl();
            if (control.Nazwa == "bin")
                SkipBinary(control.Parametr);
        } else {
            ++pos_;
            if (c == '{')
                ++depth;
            else if (c == '}' && --depth == 0)
                break;
        }
    }
    CloseGroup();
}

void TRtfCzytnik::OpenGroup()
{
    doPominiecia_ = 0;
    stos_.push_back(stan_);
    poczatekGrupy_ = true;
    gwiazdka_ = false;
    if (static_cast<int>(stos_.size()) > kRtfMaxGlebokosc)
        SkipGroupContent();
}

void TRtfCzytnik::CloseGroup()
{
    doPominiecia_ = 0;
    poczatekGrupy_ = false;
    if (stos_.empty())
        return;
    if (stos_.size() == 1) {
        // The document group ends: what follows is not part of the document.
        koniec_ = true;
        return;
    }
    const TStan closed = std::move(stan_);
    stan_ = std::move(stos_.back());
    stos_.pop_back();
    OnGroupClosed(closed);
}

// What a group hands to the group around it when it closes.
void TRtfCzytnik::OnGroupClosed(const TStan& closed)
{
    if (closed.Cel == TCel::Punktor && stan_.Cel != TCel::Punktor)
        stan_.Lista.Pn = closed.Lista.Pn;
    if (closed.Cel == TCel::DomyslneZnaki && stan_.Cel != TCel::DomyslneZnaki) {
        domyslneZnaki_ = closed.Znaki;
        if (stos_.size() == 1)
            stan_.Znaki = domyslneZnaki_;
    }
    if (closed.Cel == TCel::Instrukcja && stan_.Cel != TCel::Instrukcja && !pola_.empty())
        pola_.back().ZnakowPrzedWynikiem = znakiTekstu_;
    if (closed.Ujscie != stan_.Ujscie && !biezace_[static_cast<int>(closed.Ujscie)].Fragmenty.empty())
        EndParagraphOf(closed.Ujscie, closed);
    if (closed.Ksztalt && !stan_.Ksztalt && !ramkaKsztaltu_)
        pominiete_ |= pmObrazy; // a shape without text is a drawing
    while (!pola_.empty() && stos_.size() < pola_.back().Glebokosc)
        EndField();
}

void TRtfCzytnik::OnControl(const TSlowoSterujace& control)
{
    const bool atGroupStart = poczatekGrupy_;
    poczatekGrupy_ = false;
    if (control.Nazwa.empty()) {
        OnSymbol(control.Symbol, atGroupStart);
        return;
    }
    if (doPominiecia_ > 0 && control.Nazwa != "bin") {
        --doPominiecia_;
        return;
    }
    const std::string_view word = control.Nazwa;
    const bool starred = gwiazdka_ && atGroupStart;
    gwiazdka_ = false;

    if (word == "bin") {
        SkipBinary(control.Parametr);
        return;
    }
    if (OnDestination(word, atGroupStart, starred))
        return;

    switch (stan_.Cel) {
    case TCel::TabelaCzcionek:
    case TCel::TabelaKolorow:
    case TCel::TabelaList:
    case TCel::TekstPoziomu:
    case TCel::TabelaNadpisanList:
        if (word == "u")
            OnUnicode(control.Parametr);
        else
            OnTableControl(word, control.Parametr);
        return;
    case TCel::TabelaStylow:
        if (word == "u")
            OnUnicode(control.Parametr);
        else if (word == "s" || word == "cs" || word == "ds" || word == "ts")
            numerStylu_ = control.Parametr;
        else if (word == "sbasedon")
            nowyStyl_.Bazowy = control.Parametr;
        else if (nowyStyl_.Slowa.size() < 256)
            nowyStyl_.Slowa.push_back({std::string(word), control.MaParametr, control.Parametr});
        return;
    case TCel::Punktor:
        if (word == "pnlvlblt") {
            stan_.Lista.Pn.Rodzaj = TRodzajListy::Punktor;
            stan_.Lista.Pn.Poziom = 0;
        } else if (word == "pnlvlbody" || word == "pnlvl") {
            if (stan_.Lista.Pn.Rodzaj == TRodzajListy::Brak || stan_.Lista.Pn.Rodzaj == TRodzajListy::Punktor)
                stan_.Lista.Pn.Rodzaj = TRodzajListy::Liczby;
            stan_.Lista.Pn.Poziom = word == "pnlvl" ? std::clamp(control.Parametr - 1, 0, kPoziomyList - 1) : 0;
        } else if (const auto kind = KindOfPnWord(word); kind && stan_.Lista.Pn.Rodzaj != TRodzajListy::Punktor) {
            stan_.Lista.Pn.Rodzaj = *kind;
        } else if (word == "pnstart") {
            stan_.Lista.Pn.Start = std::clamp(control.Parametr, 0, 32767);
        }
        return;
    case TCel::DomyslneZnaki: OnCharacterControl(word, control.MaParametr, control.Parametr); return;
    case TCel::Instrukcja:
    case TCel::Tekst: break;
    }
    if (word == "u")
        OnUnicode(control.Parametr);
    else
        OnTextControl(word, control.MaParametr, control.Parametr);
}

void TRtfCzytnik::OnSymbol(char symbol, bool atGroupStart)
{
    switch (symbol) {
    case '*':
        gwiazdka_ = atGroupStart;
        poczatekGrupy_ = atGroupStart;
        return;
    case '\'': {
        const int high = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        const int low = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0)
            return;
        pos_ += 2;
        OnByte(static_cast<unsigned char>(high * 16 + low));
        return;
    }
    case '\\':
    case '{':
    case '}': OnByte(static_cast<unsigned char>(symbol)); return;
    case '~': OnChar(u'\u00A0'); return;
    case '_': OnChar(u'\u2011'); return;
    case '-': OnChar(kMiekkiLacznik); return;
    case '\n':
    case '\r': EndParagraph(); return;
    default: return; // "\:" index entries and the like
    }
}

// Groups that change where the text goes; true when the word was one.
bool TRtfCzytnik::OnDestination(std::string_view word, bool atGroupStart, bool starred)
{
    // Skipping a destination ends the group, so never skip the document group.
    const bool inner = stos_.size() > 1;
    if (atGroupStart && inner) {
        static const std::map<std::string_view, TCel> kTabele = {
            {"fonttbl", TCel::TabelaCzcionek},
            {"colortbl", TCel::TabelaKolorow},
            {"stylesheet", TCel::TabelaStylow},
            {"listtable", TCel::TabelaList},
            {"listoverridetable", TCel::TabelaNadpisanList},
            {"defchp", TCel::DomyslneZnaki},
            {"pn", TCel::Punktor},
            {"fldinst", TCel::Instrukcja},
            {"leveltext", TCel::TekstPoziomu},
        };
        if (const auto table = kTabele.find(word);
            table != kTabele.end() && (table->second != TCel::TekstPoziomu || stan_.Cel == TCel::TabelaList)) {
            stan_.Cel = table->second;
            if (table->second == TCel::DomyslneZnaki)
                stan_.Znaki = {};
            if (table->second == TCel::Punktor)
                stan_.Lista.Pn = {};
            return true;
        }
        if (word == "footnote" && stan_.Cel == TCel::Tekst && stan_.Ujscie == TUjscie::Dokument) {
            pominiete_ |= pmPrzypisy;
            ++przypisy_;
            przypisOdNumeru_ = false;
            stan_.Ujscie = TUjscie::Przypis;
            stan_.Akapit = {};
            stan_.Lista = {};
            return true;
        }
        if (word == "shptxt" && stan_.Cel == TCel::Tekst && stan_.Ujscie == TUjscie::Dokument) {
            pominiete_ |= pmRamki;
            ramkaKsztaltu_ = true;
            stan_.Ujscie = TUjscie::Ramka;
            stan_.Akapit = {};
            stan_.Lista = {};
            return true;
        }
        if (word == "field" && stan_.Cel == TCel::Tekst && pola_.size() < 16) {
            pola_.push_back({stos_.size(), {}, znakiTekstu_, CurrentAttributes()});
            return true;
        }
        // A shape's instruction holds the text of a text box (\shptxt).
        if (word == "shpinst") {
            stan_.Ksztalt = true;
            ramkaKsztaltu_ = false;
            return true;
        }
        // A style of the style sheet, starred or not, is read as a style.
        if (stan_.Cel == TCel::TabelaStylow && (word == "cs" || word == "ds" || word == "ts"))
            return false;
    }
    if (!inner)
        return false;
    if (const TPomijanaGrupa* skipped = SkippedDestination(word)) {
        pominiete_ |= skipped->Pominiecie;
        SkipGroupContent();
        return true;
    }
    if (starred) {
        SkipGroupContent();
        return true;
    }
    return false;
}

void TRtfCzytnik::OnTableControl(std::string_view word, int parameter)
{
    switch (stan_.Cel) {
    case TCel::TabelaCzcionek:
        if (word == "f") {
            numerCzcionki_ = parameter;
            nowaCzcionka_ = {};
        } else if (word == "fcharset" && nowaCzcionka_.StronaKodowa == 0) {
            nowaCzcionka_.StronaKodowa = CodePageOfCharset(parameter).value_or(0);
        } else if (word == "cpg" && IsKnownCodePage(parameter)) {
            nowaCzcionka_.StronaKodowa = parameter;
        }
        return;
    case TCel::TabelaKolorow:
        if (word == "red")
            skladowe_[0] = std::clamp(parameter, 0, 255);
        else if (word == "green")
            skladowe_[1] = std::clamp(parameter, 0, 255);
        else if (word == "blue")
            skladowe_[2] = std::clamp(parameter, 0, 255);
        return;
    case TCel::TekstPoziomu:
    case TCel::TabelaList:
        if (word == "list" && listy_.size() < 4096) {
            listy_.emplace_back();
        } else if (listy_.empty()) {
            return;
        } else if (word == "listid") {
            listy_.back().Id = parameter;
        } else if (word == "listlevel" && listy_.back().Poziomy.size() < kPoziomyList) {
            listy_.back().Poziomy.emplace_back();
        } else if (listy_.back().Poziomy.empty()) {
            return;
        } else if (word == "levelnfc" || word == "levelnfcn") {
            listy_.back().Poziomy.back().Format = parameter;
        } else if (word == "levelstartat") {
            listy_.back().Poziomy.back().Start = std::clamp(parameter, 0, 32767);
        }
        return;
    case TCel::TabelaNadpisanList:
        if (word == "listoverride") {
            lsNadpisania_ = idNadpisania_ = 0;
        } else if (word == "listid") {
            idNadpisania_ = parameter;
        } else if (word == "ls") {
            lsNadpisania_ = parameter;
            if (nadpisaniaList_.size() < 4096)
                nadpisaniaList_[lsNadpisania_] = idNadpisania_;
        }
        return;
    default: return;
    }
}

void TRtfCzytnik::OnTextControl(std::string_view word, bool hasParameter, int parameter)
{
    if (word == "ansicpg") {
        if (IsKnownCodePage(parameter))
            stronaKodowa_ = parameter;
    } else if (word == "deff") {
        domyslnaCzcionka_ = parameter;
    } else if (word == "uc") {
        stan_.ZnakiZastepcze = std::clamp(parameter, 0, 16);
    } else if (word == "plain") {
        stan_.Znaki = domyslneZnaki_;
        stan_.Czcionka = -1;
    } else if (word == "pard") {
        stan_.Akapit = {};
        stan_.Lista = {};
    } else if (word == "s" || word == "cs") {
        ApplyStyle(parameter);
    } else if (word == "par" || word == "cell" || word == "nestcell") {
        EndParagraph();
    } else if (word == "page") {
        OnBreak(TPodzial::Strona);
    } else if (word == "sect") {
        OnBreak(TPodzial::Sekcja);
    } else if (word == "chftn") {
        InsertFootnoteNumber();
    } else if (!OnCharacterControl(word, hasParameter, parameter) && !OnParagraphControl(word, parameter) &&
               !OnPageControl(word, parameter)) {
        OnSpecialCharacter(word);
    }
}

// Formatting words: the same in the text, in a style and in the default formatting.
bool TRtfCzytnik::OnCharacterControl(std::string_view word, bool hasParameter, int parameter)
{
    const bool on = !hasParameter || parameter != 0;
    auto& chars = stan_.Znaki;
    if (word == "f") {
        stan_.Czcionka = parameter;
    } else if (word == "fs") {
        chars.PolPunkty = std::clamp(parameter, 0, 3276);
    } else if (word == "b") {
        chars.Pogrubienie = on;
    } else if (word == "i") {
        chars.Kursywa = on;
    } else if (word == "strike") {
        chars.Przekreslenie = on;
    } else if (word == "ulnone") {
        chars.Podkreslenie = false;
    } else if (word.starts_with("ul") && word != "ulc") {
        chars.Podkreslenie = on;
    } else if (word == "cf") {
        chars.Kolor = Colour(parameter);
    } else if (word == "v") {
        chars.Ukryty = on;
    } else if (word == "scaps") {
        chars.Kapitaliki = on;
    } else if (word == "caps") {
        chars.Wersaliki = on;
    } else if (word == "super") {
        chars.Polozenie = on ? TPolozenieZnaku::IndeksGorny : TPolozenieZnaku::Zwykle;
    } else if (word == "sub") {
        chars.Polozenie = on ? TPolozenieZnaku::IndeksDolny : TPolozenieZnaku::Zwykle;
    } else if (word == "nosupersub") {
        chars.Polozenie = TPolozenieZnaku::Zwykle;
    } else if (word == "highlight") {
        chars.Wyroznienie = Colour(parameter);
    } else if (word == "chcbpat" || word == "cb") {
        chars.Tlo = Colour(parameter);
    } else {
        return false;
    }
    return true;
}

bool TRtfCzytnik::OnParagraphControl(std::string_view word, int parameter)
{
    auto& paragraph = stan_.Akapit;
    if (word == "ql")
        paragraph.Wyrownanie = TWyrownanie::Lewo;
    else if (word == "qc")
        paragraph.Wyrownanie = TWyrownanie::Srodek;
    else if (word == "qr")
        paragraph.Wyrownanie = TWyrownanie::Prawo;
    else if (word == "qj")
        paragraph.Wyrownanie = TWyrownanie::Wyjustuj;
    else if (word == "li")
        paragraph.WciecieLewe = parameter;
    else if (word == "ri")
        paragraph.WcieciePrawe = parameter;
    else if (word == "fi")
        paragraph.WcieciePierwsze = parameter;
    else if (word == "ls")
        stan_.Lista.Ls = parameter;
    else if (word == "ilvl")
        stan_.Lista.Poziom = std::clamp(parameter, 0, kPoziomyList - 1);
    else if (word == "outlinelevel")
        paragraph.PoziomKonspektu = parameter >= 0 && parameter < 9 ? parameter + 1 : 0;
    else if (word == "pagebb")
        paragraph.Podzial = TPodzial::Strona;
    else
        return false;
    return true;
}

// The page of the document; the first section's own page counts as the document's
// when the document states none.
bool TRtfCzytnik::OnPageControl(std::string_view word, int parameter)
{
    static const std::map<std::string_view, std::pair<int TUstawieniaStrony::*, bool>> kWymiary = {
        {"paperw", {&TUstawieniaStrony::Szerokosc, true}},
        {"paperh", {&TUstawieniaStrony::Wysokosc, true}},
        {"margl", {&TUstawieniaStrony::MarginesLewy, true}},
        {"margr", {&TUstawieniaStrony::MarginesPrawy, true}},
        {"margt", {&TUstawieniaStrony::MarginesGorny, true}},
        {"margb", {&TUstawieniaStrony::MarginesDolny, true}},
        {"pgwsxn", {&TUstawieniaStrony::Szerokosc, false}},
        {"pghsxn", {&TUstawieniaStrony::Wysokosc, false}},
        {"marglsxn", {&TUstawieniaStrony::MarginesLewy, false}},
        {"margrsxn", {&TUstawieniaStrony::MarginesPrawy, false}},
        {"margtsxn", {&TUstawieniaStrony::MarginesGorny, false}},
        {"margbsxn", {&TUstawieniaStrony::MarginesDolny, false}},
    };
    const bool firstSection = dokument_.Akapity.empty() && !stronaZDokumentu_;
    if (word == "landscape" || (word == "lndscpsxn" && firstSection)) {
        dokument_.Strona.Pozioma = true;
        return true;
    }
    const auto found = kWymiary.find(word);
    if (found == kWymiary.end())
        return false;
    const auto [field, wholeDocument] = found->second;
    if (wholeDocument || firstSection) {
        dokument_.Strona.*field = std::clamp(parameter, 0, 31680 * 4);
        stronaZDokumentu_ = stronaZDokumentu_ || wholeDocument;
    }
    return true;
}

bool TRtfCzytnik::OnSpecialCharacter(std::string_view word)
{
    static const std::map<std::string_view, char16_t> kZnaki = {
        {"tab", u'\t'},         {"line", kZnakNowejLinii}, {"emdash", u'\u2014'},    {"endash", u'\u2013'},
        {"emspace", u'\u2003'}, {"enspace", u'\u2002'},    {"qmspace", u'\u2005'},   {"bullet", u'\u2022'},
        {"lquote", u'\u2018'},  {"rquote", u'\u2019'},     {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}};
    const auto found = kZnaki.find(word);
    if (found == kZnaki.end())
        return false;
    OnChar(found->second);
    return true;
}

// A page or section break ends the paragraph it stands in and begins the next one.
void TRtfCzytnik::OnBreak(TPodzial kind)
{
    if (stan_.Cel != TCel::Tekst || stan_.Ujscie != TUjscie::Dokument)
        return;
    if (!biezace_[static_cast<int>(TUjscie::Dokument)].Fragmenty.empty())
        EndParagraph();
    podzial_ = std::max(podzial_, kind);
}

// A style's words, after those of the styles it is based on.
void TRtfCzytnik::ApplyStyle(int number, int depth)
{
    const auto style = style_.find(number);
    if (style == style_.end() || depth > 8)
        return;
    if (style->second.Bazowy >= 0 && style->second.Bazowy != number)
        ApplyStyle(style->second.Bazowy, depth + 1);
    for (const auto& word : style->second.Slowa)
        if (!OnCharacterControl(word.Nazwa, word.MaParametr, word.Parametr))
            OnParagraphControl(word.Nazwa, word.Parametr);
}

void TRtfCzytnik::OnByte(unsigned char byte)
{
    poczatekGrupy_ = false;
    if (doPominiecia_ > 0) {
        --doPominiecia_;
        return;
    }
    if (stan_.Cel == TCel::TekstPoziomu) {
        AppendChar(CodePageChar(CurrentCodePage(), byte)); // its number places are control bytes
        return;
    }
    if (byte == '\t') {
        OnChar(u'\t');
        return;
    }
    if (byte < 0x20)
        return;
    switch (stan_.Cel) {
    case TCel::TabelaCzcionek:
        if (byte == ';') {
            if (numerCzcionki_ >= 0)
                czcionki_[numerCzcionki_] = nowaCzcionka_;
            nowaCzcionka_ = {};
            return;
        }
        break;
    case TCel::TabelaKolorow:
        if (byte == ';') {
            kolory_.push_back(skladowe_[0] < 0 && skladowe_[1] < 0 && skladowe_[2] < 0
                                  ? TAtrybutyTekstu::kKolorDomyslny
                                  : (std::max(skladowe_[0], 0) << 16) | (std::max(skladowe_[1], 0) << 8) |
                                        std::max(skladowe_[2], 0));
            skladowe_ = {-1, -1, -1};
        }
        return;
    case TCel::TabelaStylow:
        if (byte == ';') {
            if (style_.size() < 4096)
                style_[numerStylu_] = std::move(nowyStyl_);
            nowyStyl_ = {};
            numerStylu_ = 0;
        }
        return;
    default: break;
    }
    // A byte the code page gives no character keeps its value, a control character.
    const char16_t character = CodePageChar(CurrentCodePage(), byte);
    if (character < 0x7F || character > 0x9F)
        OnChar(character);
}

// A \u character: a control character other than a tab or a break is dropped, and
// what is not a character (out of range, half a surrogate pair) becomes U+FFFD.
void TRtfCzytnik::OnUnicode(int value)
{
    doPominiecia_ = stan_.ZnakiZastepcze;
    const int code = value < 0 ? value + 0x10000 : value;
    if (code < 0 || code > 0xFFFF) {
        OnChar(kZnakZastepczy);
    } else if (IsHighSurrogate(code)) {
        if (wysokiSurogat_ != 0)
            AppendChar(kZnakZastepczy);
        wysokiSurogat_ = static_cast<char16_t>(code);
    } else if (IsLowSurrogate(code)) {
        if (wysokiSurogat_ == 0) {
            OnChar(kZnakZastepczy);
            return;
        }
        const char16_t pair[] = {wysokiSurogat_, static_cast<char16_t>(code)};
        wysokiSurogat_ = 0;
        AppendChar(pair[0]);
        AppendChar(pair[1]);
    } else if (code == '\t') {
        OnChar(u'\t');
    } else if (code == '\n' || code == '\r' || code == 0x0B) {
        OnChar(kZnakNowejLinii);
    } else if (code >= 0x20 && (code < 0x7F || code > 0x9F)) {
        OnChar(static_cast<char16_t>(code));
    }
}

void TRtfCzytnik::OnChar(char16_t character)
{
    FlushSurrogate();
    AppendChar(character);
}

// A high surrogate that no low one followed.
void TRtfCzytnik::FlushSurrogate()
{
    if (wysokiSurogat_ == 0)
        return;
    wysokiSurogat_ = 0;
    AppendChar(kZnakZastepczy);
}

void TRtfCzytnik::AppendChar(char16_t character)
{
    poczatekGrupy_ = false;
    switch (stan_.Cel) {
    case TCel::Tekst:
        if (spacjaPoNumerze_ && stan_.Ujscie == TUjscie::Przypis) {
            spacjaPoNumerze_ = false;
            if (character != u' ')
                biezace_[static_cast<int>(TUjscie::Przypis)].Dopisz(u" ", stan_.Znaki);
        }
        biezace_[static_cast<int>(stan_.Ujscie)].Dopisz(std::u16string_view(&character, 1), CurrentAttributes());
        ++znakiTekstu_;
        return;
    case TCel::TabelaCzcionek:
        // A font name has no tabs or other control characters.
        if (character >= 0x20 && nowaCzcionka_.Nazwa.size() < 256)
            nowaCzcionka_.Nazwa += character;
        return;
    case TCel::Instrukcja:
        if (!pola_.empty() && pola_.back().Instrukcja.size() < 1024)
            pola_.back().Instrukcja += character;
        return;
    case TCel::TekstPoziomu:
        if (!listy_.empty() && !listy_.back().Poziomy.empty() && listy_.back().Poziomy.back().Etykieta.size() < 64)
            listy_.back().Poziomy.back().Etykieta += character;
        return;
    default: return;
    }
}

void TRtfCzytnik::EndParagraph()
{
    FlushSurrogate();
    if (stan_.Cel == TCel::Tekst)
        EndParagraphOf(stan_.Ujscie, stan_);
}

void TRtfCzytnik::EndParagraphOf(TUjscie sink, const TStan& state)
{
    auto& paragraph = biezace_[static_cast<int>(sink)];
    paragraph.Atrybuty = state.Akapit;
    paragraph.Atrybuty.Lista = ResolveList(state.Lista);
    switch (sink) {
    case TUjscie::Dokument:
        paragraph.Atrybuty.Podzial = std::max(paragraph.Atrybuty.Podzial, podzial_);
        podzial_ = TPodzial::Brak;
        dokument_.Akapity.push_back(std::move(paragraph));
        for (auto& frame : akapityRamek_)
            dokument_.Akapity.push_back(std::move(frame));
        akapityRamek_.clear();
        break;
    case TUjscie::Przypis: akapityPrzypisow_.push_back(std::move(paragraph)); break;
    case TUjscie::Ramka: akapityRamek_.push_back(std::move(paragraph)); break;
    }
    paragraph = {};
}

// The list a paragraph belongs to: its list override's list at its level, or the
// old-style numbering; a level without numbers (a heading's outline) is no list.
TLista TRtfCzytnik::ResolveList(const TListaAkapitu& stated)
{
    if (stated.Ls > 0 && stated.Ls <= 32767) {
        const auto override = nadpisaniaList_.find(stated.Ls);
        const auto list = override == nadpisaniaList_.end()
                              ? listy_.end()
                              : std::find_if(listy_.begin(), listy_.end(),
                                             [&](const TListaRtf& l) { return l.Id == override->second; });
        if (list != listy_.end()) {
            if (stated.Poziom >= static_cast<int>(list->Poziomy.size()))
                return {};
            const auto& level = list->Poziomy[static_cast<std::size_t>(stated.Poziom)];
            const TRodzajListy kind = KindOfNumberFormat(level.Format);
            if (kind == TRodzajListy::Brak)
                return {};
            return {kind, stated.Poziom, stated.Ls, level.Start,
                    kind == TRodzajListy::Punktor ? u'.' : SuffixOfLabel(level.Etykieta)};
        }
    }
    if (stated.Pn.Rodzaj == TRodzajListy::Brak)
        return {};
    // Old-style numbering has no list table: its paragraphs of one kind form one list,
    // numbered after the list table's.
    const int afterTable = nadpisaniaList_.empty() ? 0 : std::max(nadpisaniaList_.rbegin()->first, 0);
    const int number = std::min(afterTable + static_cast<int>(stated.Pn.Rodzaj), 32767);
    // A level starts where its first paragraph says; the others count on.
    const int start = startyPn_.emplace(std::pair(number, stated.Pn.Poziom), stated.Pn.Start).first->second;
    return {stated.Pn.Rodzaj, stated.Pn.Poziom, number, start};
}

// \chftn: in the text, the number of the footnote that follows; in a footnote, its own.
void TRtfCzytnik::InsertFootnoteNumber()
{
    if (stan_.Cel != TCel::Tekst)
        return;
    const bool inFootnote = stan_.Ujscie == TUjscie::Przypis;
    if (inFootnote && przypisOdNumeru_)
        return;
    przypisOdNumeru_ = inFootnote;
    const std::string number = std::to_string(inFootnote ? przypisy_ : przypisy_ + 1);
    const TPolozenieZnaku position = stan_.Znaki.Polozenie;
    stan_.Znaki.Polozenie = TPolozenieZnaku::IndeksGorny;
    for (const char digit : number)
        OnChar(static_cast<char16_t>(digit));
    stan_.Znaki.Polozenie = position;
    spacjaPoNumerze_ = inFootnote;
}

void TRtfCzytnik::EndField()
{
    const TPole field = std::move(pola_.back());
    pola_.pop_back();
    const std::u16string prompt = PromptOfInstruction(field.Instrukcja);
    if (prompt.empty() || znakiTekstu_ != field.ZnakowPrzedWynikiem || stan_.Cel != TCel::Tekst)
        return;
    biezace_[static_cast<int>(stan_.Ujscie)].Dopisz(prompt, field.Atrybuty);
    znakiTekstu_ += prompt.size();
}

int TRtfCzytnik::CurrentCodePage() const
{
    const int number =
        stan_.Cel == TCel::TabelaCzcionek ? numerCzcionki_ : (stan_.Czcionka < 0 ? domyslnaCzcionka_ : stan_.Czcionka);
    if (stan_.Cel == TCel::TabelaCzcionek && nowaCzcionka_.StronaKodowa != 0)
        return nowaCzcionka_.StronaKodowa;
    const auto font = czcionki_.find(number);
    return font == czcionki_.end() || font->second.StronaKodowa == 0 ? stronaKodowa_ : font->second.StronaKodowa;
}

// Text in the document's default font keeps no font name: it shows in the pane's.
const TAtrybutyTekstu& TRtfCzytnik::CurrentAttributes()
{
    atrybuty_ = stan_.Znaki;
    const auto font = czcionki_.find(stan_.Czcionka);
    atrybuty_.Czcionka = stan_.Czcionka < 0 || font == czcionki_.end() ? std::string() : WideToUtf8(font->second.Nazwa);
    return atrybuty_;
}

int TRtfCzytnik::Colour(int index) const
{
    return index > 0 && index < static_cast<int>(kolory_.size()) ? kolory_[static_cast<std::size_t>(index)]
                                                                 : TAtrybutyTekstu::kKolorDomyslny;
}

} // namespace

bool IsRtf(std::string_view bytes)
{
    return bytes.starts_with("{\\rtf");
}

std::optional<TTekstFormatowany> ReadRtf(std::string_view bytes, TPominiecia* leftOut)
{
    if (!IsRtf(bytes))
        return std::nullopt;
    TRtfCzytnik reader(bytes);
    TTekstFormatowany document = reader.Read();
    if (leftOut)
        *leftOut = reader.LeftOut();
    return document;
}

} // namespace velmar
