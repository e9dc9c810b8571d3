#include "core/document/untRtfCzytnik.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <string>
#include <vector>

#include "core/app/untUtils.h"
#include "core/document/untStronaKodowa.h"

namespace velmar {

namespace {

// Where the text of the current group goes.
enum class TCel { Tekst, TabelaCzcionek, TabelaKolorow, Punktor };

// What a group can change and a closing brace restores.
struct TStan {
    TCel Cel = TCel::Tekst;
    TAtrybutyTekstu Znaki;
    int Czcionka = -1; // font number; -1: the document's default font
    TAtrybutyAkapitu Akapit;
    int ZnakiZastepcze = 1; // \uc: characters that follow \u as its fallback
};

struct TCzcionkaRtf {
    std::u16string Nazwa;
    int Zestaw = -1; // \fcharset; -1 when not given
};

struct TSlowoSterujace {
    std::string_view Nazwa; // empty for a control symbol
    char Symbol = 0;
    bool MaParametr = false;
    int Parametr = 0;
};

// Destinations whose content is never part of the visible text.
constexpr std::array<std::string_view, 34> kPomijaneGrupy = {
    "info",      "stylesheet",   "pict",      "object",
    "header",    "headerl",      "headerr",   "headerf",
    "footer",    "footerl",      "footerr",   "footerf",
    "footnote",  "fldinst",      "pntext",    "listtext",
    "pntxta",    "pntxtb",       "themedata", "colorschememapping",
    "datastore", "latentstyles", "xmlnstbl",  "revtbl",
    "rsidtbl",   "generator",    "listtable", "listoverridetable",
    "filetbl",   "userprops",    "docvar",    "nonshppict",
    "shppict",   "template"};

bool IsSkippedDestination(std::string_view word)
{
    return std::find(kPomijaneGrupy.begin(), kPomijaneGrupy.end(), word) != kPomijaneGrupy.end();
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

class TRtfCzytnik {
public:
    explicit TRtfCzytnik(std::string_view bytes) : in_(bytes) {}

    TTekstFormatowany Read();

private:
    // ---- scanning
    TSlowoSterujace ScanControl();
    void SkipBinary(int count);
    void SkipGroupContent();

    // ---- groups
    void OpenGroup();
    void CloseGroup();

    // ---- content
    void OnControl(const TSlowoSterujace& control);
    bool OnCharacterControl(std::string_view word, bool hasParameter, int parameter);
    bool OnParagraphControl(std::string_view word, bool hasParameter, int parameter);
    bool OnSpecialCharacter(std::string_view word);
    void OnByte(unsigned char byte);
    void OnChar(char16_t character);
    void EndParagraph();
    int CurrentCharset() const;
    int CodePageOf(int charset) const;
    const TAtrybutyTekstu& CurrentAttributes();

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<TStan> stos_;
    TStan stan_;
    bool poczatekGrupy_ = false; // no control word seen yet in the newest group
    bool gwiazdka_ = false;      // the newest group began with "\*"
    bool koniec_ = false;        // the outermost group has closed
    int doPominiecia_ = 0;       // fallback characters still to skip after \u

    int stronaKodowa_ = 1252;
    int domyslnaCzcionka_ = 0;
    std::map<int, TCzcionkaRtf> czcionki_;
    int numerCzcionki_ = -1;
    TCzcionkaRtf nowaCzcionka_;
    std::vector<std::int32_t> kolory_;
    std::array<int, 3> skladowe_{-1, -1, -1};

    TAtrybutyTekstu atrybuty_; // cache of CurrentAttributes
    TTekstFormatowany dokument_;
    TAkapit akapit_;
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
    if (!akapit_.Fragmenty.empty() || dokument_.Akapity.empty()) {
        akapit_.Atrybuty = stan_.Akapit;
        dokument_.Akapity.push_back(std::move(akapit_));
    }
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
    if (closed.Cel == TCel::Punktor && closed.Akapit.Wypunktowanie)
        stan_.Akapit.Wypunktowanie = true;
}

void TRtfCzytnik::OnControl(const TSlowoSterujace& control)
{
    const bool atGroupStart = poczatekGrupy_;
    poczatekGrupy_ = false;
    if (control.Nazwa.empty()) {
        switch (control.Symbol) {
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
        case '}': OnByte(static_cast<unsigned char>(control.Symbol)); return;
        case '~': OnChar(u'\u00A0'); return;
        case '_': OnChar(u'\u2011'); return;
        case '\n':
        case '\r': EndParagraph(); return;
        default: return; // "\-" optional hyphen, "\:" index entries and the like
        }
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
    if (word == "pn" && atGroupStart) {
        stan_.Cel = TCel::Punktor;
        return;
    }
    if (word == "fonttbl" && atGroupStart) {
        stan_.Cel = TCel::TabelaCzcionek;
        return;
    }
    if (word == "colortbl" && atGroupStart) {
        stan_.Cel = TCel::TabelaKolorow;
        return;
    }
    // Skipping a destination ends the group, so never skip the document group.
    if ((starred || IsSkippedDestination(word)) && stos_.size() > 1) {
        SkipGroupContent();
        return;
    }

    switch (stan_.Cel) {
    case TCel::TabelaCzcionek:
        if (word == "f") {
            numerCzcionki_ = control.Parametr;
            nowaCzcionka_ = {};
        } else if (word == "fcharset") {
            nowaCzcionka_.Zestaw = control.Parametr;
        } else if (word == "u") {
            OnChar(static_cast<char16_t>(control.Parametr));
            doPominiecia_ = stan_.ZnakiZastepcze;
        }
        return;
    case TCel::TabelaKolorow:
        if (word == "red")
            skladowe_[0] = std::clamp(control.Parametr, 0, 255);
        else if (word == "green")
            skladowe_[1] = std::clamp(control.Parametr, 0, 255);
        else if (word == "blue")
            skladowe_[2] = std::clamp(control.Parametr, 0, 255);
        return;
    case TCel::Punktor:
        if (word == "pnlvlblt")
            stan_.Akapit.Wypunktowanie = true;
        return;
    case TCel::Tekst: break;
    }

    if (word == "ansicpg") {
        stronaKodowa_ = control.Parametr;
    } else if (word == "deff") {
        domyslnaCzcionka_ = control.Parametr;
    } else if (word == "uc") {
        stan_.ZnakiZastepcze = std::clamp(control.Parametr, 0, 16);
    } else if (word == "u") {
        OnChar(static_cast<char16_t>(control.Parametr));
        doPominiecia_ = stan_.ZnakiZastepcze;
    } else if (!OnCharacterControl(word, control.MaParametr, control.Parametr) &&
               !OnParagraphControl(word, control.MaParametr, control.Parametr)) {
        OnSpecialCharacter(word);
    }
}

bool TRtfCzytnik::OnCharacterControl(std::string_view word, bool hasParameter, int parameter)
{
    const bool on = !hasParameter || parameter != 0;
    auto& chars = stan_.Znaki;
    if (word == "plain") {
        chars = {};
        stan_.Czcionka = -1;
    } else if (word == "f") {
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
        chars.Kolor = parameter > 0 && parameter < static_cast<int>(kolory_.size())
                          ? kolory_[static_cast<std::size_t>(parameter)]
                          : TAtrybutyTekstu::kKolorDomyslny;
    } else {
        return false;
    }
    return true;
}

bool TRtfCzytnik::OnParagraphControl(std::string_view word, bool /*hasParameter*/, int parameter)
{
    auto& paragraph = stan_.Akapit;
    if (word == "pard")
        paragraph = {};
    else if (word == "par" || word == "cell" || word == "nestcell")
        EndParagraph();
    else if (word == "ql")
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
        paragraph.Wypunktowanie = parameter > 0;
    else
        return false;
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

void TRtfCzytnik::OnByte(unsigned char byte)
{
    poczatekGrupy_ = false;
    if (doPominiecia_ > 0) {
        --doPominiecia_;
        return;
    }
    if (byte == '\t') {
        OnChar(u'\t');
        return;
    }
    if (byte < 0x20)
        return;
    if (stan_.Cel == TCel::TabelaCzcionek && byte == ';') {
        if (numerCzcionki_ >= 0)
            czcionki_[numerCzcionki_] = nowaCzcionka_;
        nowaCzcionka_ = {};
        return;
    }
    if (stan_.Cel == TCel::TabelaKolorow) {
        if (byte == ';') {
            kolory_.push_back(skladowe_[0] < 0 && skladowe_[1] < 0 && skladowe_[2] < 0
                                  ? TAtrybutyTekstu::kKolorDomyslny
                                  : (std::max(skladowe_[0], 0) << 16) | (std::max(skladowe_[1], 0) << 8) |
                                        std::max(skladowe_[2], 0));
            skladowe_ = {-1, -1, -1};
        }
        return;
    }
    const int charset = stan_.Cel == TCel::TabelaCzcionek ? nowaCzcionka_.Zestaw : CurrentCharset();
    OnChar(CodePageChar(CodePageOf(charset), byte));
}

void TRtfCzytnik::OnChar(char16_t character)
{
    poczatekGrupy_ = false;
    switch (stan_.Cel) {
    case TCel::Tekst: akapit_.Dopisz(std::u16string_view(&character, 1), CurrentAttributes()); return;
    case TCel::TabelaCzcionek:
        // A font name has no tabs or other control characters.
        if (character >= 0x20 && nowaCzcionka_.Nazwa.size() < 256)
            nowaCzcionka_.Nazwa += character;
        return;
    case TCel::TabelaKolorow:
    case TCel::Punktor: return;
    }
}

void TRtfCzytnik::EndParagraph()
{
    if (stan_.Cel != TCel::Tekst)
        return;
    akapit_.Atrybuty = stan_.Akapit;
    dokument_.Akapity.push_back(std::move(akapit_));
    akapit_ = {};
}

int TRtfCzytnik::CurrentCharset() const
{
    const int number = stan_.Czcionka < 0 ? domyslnaCzcionka_ : stan_.Czcionka;
    const auto font = czcionki_.find(number);
    return font == czcionki_.end() ? -1 : font->second.Zestaw;
}

// The code page of a font's character set: Eastern European (238) and ANSI (0) name
// theirs; any other set is read in the document's code page.
int TRtfCzytnik::CodePageOf(int charset) const
{
    if (charset == 238)
        return 1250;
    if (charset == 0)
        return 1252;
    return stronaKodowa_;
}

const TAtrybutyTekstu& TRtfCzytnik::CurrentAttributes()
{
    const int number = stan_.Czcionka < 0 ? domyslnaCzcionka_ : stan_.Czcionka;
    const auto font = czcionki_.find(number);
    atrybuty_ = stan_.Znaki;
    atrybuty_.Czcionka = font == czcionki_.end() ? std::string() : WideToUtf8(font->second.Nazwa);
    return atrybuty_;
}

} // namespace

bool IsRtf(std::string_view bytes)
{
    return bytes.starts_with("{\\rtf");
}

std::optional<TTekstFormatowany> ReadRtf(std::string_view bytes)
{
    if (!IsRtf(bytes))
        return std::nullopt;
    return TRtfCzytnik(bytes).Read();
}

} // namespace velmar
