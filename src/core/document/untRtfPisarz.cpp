#include "core/document/untRtfPisarz.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>
#include <vector>

#include "core/app/untUtils.h"
#include "core/document/untStronaKodowa.h"

namespace velmar {

namespace {

constexpr int kStronaKodowa = 1252;
// The default font when the document names none: a font every word processor has
// or substitutes.
constexpr const char* kZastepczaCzcionka = "Times New Roman";

// Numbers items in the order they are first added, in constant time per item.
template <typename T>
class TNumeracja {
public:
    void Add(const T& item)
    {
        if (numbers_.emplace(item, static_cast<int>(items_.size())).second)
            items_.push_back(item);
    }
    int NumberOf(const T& item) const { return numbers_.at(item); }
    const std::vector<T>& Items() const { return items_; }

private:
    std::unordered_map<T, int> numbers_;
    std::vector<T> items_;
};

// The override number a list is written with (\lsN, 1 to 32767).
int ListNumber(const TLista& list)
{
    return std::clamp(list.Numer, 1, 32767);
}

// Fonts, colours and lists used by the document, numbered as the tables will list
// them. Font 0 is the default font, colour 0 the automatic colour.
class TTabele {
public:
    explicit TTabele(const TTekstFormatowany& document)
    {
        fonts_.Add(document.DomyslnaCzcionka.empty() ? kZastepczaCzcionka : document.DomyslnaCzcionka);
        colours_.Add(TAtrybutyTekstu::kKolorDomyslny);
        for (const auto& paragraph : document.Akapity) {
            AddList(paragraph.Atrybuty.Lista);
            for (const auto& run : paragraph.Fragmenty) {
                const auto& a = run.Atrybuty;
                if (!a.Czcionka.empty())
                    fonts_.Add(a.Czcionka);
                for (const auto colour : {a.Kolor, a.Wyroznienie, a.Tlo})
                    colours_.Add(colour);
            }
        }
    }

    int FontNumber(const std::string& name) const { return fonts_.NumberOf(name); }
    int ColourNumber(std::int32_t colour) const { return colours_.NumberOf(colour); }
    const std::vector<std::string>& Fonts() const { return fonts_.Items(); }
    const std::vector<std::int32_t>& Colours() const { return colours_.Items(); }

    // A list's levels as its first paragraph at each level states them.
    using TPoziomy = std::array<const TLista*, kPoziomyList>;
    const std::map<int, TPoziomy>& Lists() const { return lists_; }

private:
    void AddList(const TLista& list)
    {
        if (list.Rodzaj == TRodzajListy::Brak)
            return;
        auto& level = lists_[ListNumber(list)][static_cast<std::size_t>(list.Poziom)];
        if (!level)
            level = &list;
    }

    TNumeracja<std::string> fonts_;
    TNumeracja<std::int32_t> colours_;
    std::map<int, TPoziomy> lists_;
};

// A font name ends at ";", so a font name writes its own ";" as a Unicode character;
// it cannot hold control characters, and the reader drops them.
enum class TMiejsce { Tekst, NazwaCzcionki };

bool IsSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// Whether text[i] is one half of a surrogate pair whose other half is there.
bool IsPairedSurrogate(std::u16string_view text, std::size_t i)
{
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF)
        return i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    return i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
}

void AppendEscaped(std::string& out, std::u16string_view text, TMiejsce where = TMiejsce::Tekst)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (IsSurrogate(c) && !IsPairedSurrogate(text, i))
            c = u'\uFFFD';
        if (where == TMiejsce::NazwaCzcionki && c < 0x20)
            continue;
        if (c == u';' && where == TMiejsce::NazwaCzcionki) {
            out += "\\u59?";
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == kZnakNowejLinii) {
            out += "\\line ";
        } else if (c == kMiekkiLacznik) {
            out += "\\-";
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (const auto byte = CodePageByte(kStronaKodowa, c); byte && c >= 0x80) {
            out += Format("\\'%02x", static_cast<unsigned>(*byte));
        } else {
            out += Format("\\u%d?", static_cast<int>(static_cast<std::int16_t>(c)));
        }
    }
}

// Control words end with a space so that the text after them cannot extend them.
void AppendControl(std::string& out, const char* word, int parameter)
{
    out += Format("\\%s%d ", word, parameter);
}

void AppendFontsAndColours(std::string& out, const TTabele& tables)
{
    out += "{\\fonttbl";
    for (std::size_t i = 0; i < tables.Fonts().size(); ++i) {
        out += Format("{\\f%d\\fnil\\fcharset0 ", static_cast<int>(i));
        AppendEscaped(out, Utf8ToWide(tables.Fonts()[i]), TMiejsce::NazwaCzcionki);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (std::size_t i = 1; i < tables.Colours().size(); ++i) {
        const auto colour = tables.Colours()[i];
        out += Format("\\red%d\\green%d\\blue%d;", (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    }
    out += "}\n";
}

int NumberFormatOf(TRodzajListy kind)
{
    switch (kind) {
    case TRodzajListy::WielkieRzymskie: return 1;
    case TRodzajListy::MaleRzymskie: return 2;
    case TRodzajListy::WielkieLitery: return 3;
    case TRodzajListy::MaleLitery: return 4;
    case TRodzajListy::Liczby: return 0;
    case TRodzajListy::Punktor:
    case TRodzajListy::Brak: break;
    }
    return 23;
}

// One level of a list: its number format, first number, the text of its label
// ("\'02\'00." is two characters: the level's number and a dot) and its indent.
void AppendListLevel(std::string& out, int level, const TLista* stated)
{
    const TRodzajListy kind = stated ? stated->Rodzaj : TRodzajListy::Punktor;
    out += Format("{\\listlevel\\levelnfc%d\\levelnfcn%d\\leveljc0\\levelstartat%d\\levelfollow0", NumberFormatOf(kind),
                  NumberFormatOf(kind), stated ? stated->Start : 1);
    if (kind == TRodzajListy::Punktor) {
        out += "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}";
    } else {
        const char16_t suffix = stated ? stated->Przyrostek : u'.';
        out += Format("{\\leveltext\\'%02x\\'%02x", suffix ? 2 : 1, level);
        AppendEscaped(out, std::u16string_view(&suffix, suffix ? 1 : 0));
        out += ";}{\\levelnumbers\\'01;}";
    }
    out += Format("\\fi-360\\li%d}", 720 * (level + 1));
}

// The list table and its overrides: list N is override \lsN.
void AppendLists(std::string& out, const TTabele& tables)
{
    if (tables.Lists().empty())
        return;
    out += "{\\*\\listtable";
    for (const auto& [number, levels] : tables.Lists()) {
        out += Format("\n{\\list\\listtemplateid%d", number);
        for (int level = 0; level < kPoziomyList; ++level)
            AppendListLevel(out, level, levels[static_cast<std::size_t>(level)]);
        out += Format("\\listid%d}", number);
    }
    out += "}\n{\\*\\listoverridetable";
    for (const auto& entry : tables.Lists())
        out += Format("{\\listoverride\\listid%d\\listoverridecount0\\ls%d}", entry.first, entry.first);
    out += "}\n";
}

void AppendPage(std::string& out, const TUstawieniaStrony& page)
{
    const std::pair<const char*, int> dimensions[] = {
        {"paperw", page.Szerokosc},    {"paperh", page.Wysokosc},     {"margl", page.MarginesLewy},
        {"margr", page.MarginesPrawy}, {"margt", page.MarginesGorny}, {"margb", page.MarginesDolny},
    };
    for (const auto& [word, value] : dimensions)
        if (value > 0)
            AppendControl(out, word, value);
    if (page.Pozioma)
        out += "\\landscape ";
    out += '\n';
}

void AppendParagraphAttributes(std::string& out, const TAtrybutyAkapitu& attributes)
{
    static constexpr const char* kAlignment[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
    out += "\\pard\\plain";
    out += kAlignment[static_cast<int>(attributes.Wyrownanie)];
    AppendControl(out, "li", attributes.WciecieLewe);
    AppendControl(out, "ri", attributes.WcieciePrawe);
    AppendControl(out, "fi", attributes.WcieciePierwsze);
    if (attributes.Lista.Rodzaj != TRodzajListy::Brak) {
        AppendControl(out, "ls", ListNumber(attributes.Lista));
        AppendControl(out, "ilvl", attributes.Lista.Poziom);
    }
    if (attributes.PoziomKonspektu > 0)
        AppendControl(out, "outlinelevel", attributes.PoziomKonspektu - 1);
    if (attributes.Podzial == TPodzial::Strona)
        out += "\\pagebb ";
}

void AppendRun(std::string& out, const TFragment& run, const TTabele& tables)
{
    const auto& a = run.Atrybuty;
    out += '{';
    if (!a.Czcionka.empty())
        AppendControl(out, "f", tables.FontNumber(a.Czcionka));
    if (a.PolPunkty > 0)
        AppendControl(out, "fs", a.PolPunkty);
    const std::pair<bool, const char*> flags[] = {
        {a.Pogrubienie, "\\b "},
        {a.Kursywa, "\\i "},
        {a.Podkreslenie, "\\ul "},
        {a.Przekreslenie, "\\strike "},
        {a.Kapitaliki, "\\scaps "},
        {a.Wersaliki, "\\caps "},
        {a.Ukryty, "\\v "},
        {a.Polozenie == TPolozenieZnaku::IndeksGorny, "\\super "},
        {a.Polozenie == TPolozenieZnaku::IndeksDolny, "\\sub "},
    };
    for (const auto& [on, word] : flags)
        if (on)
            out += word;
    const std::pair<std::int32_t, const char*> colours[] = {
        {a.Kolor, "cf"}, {a.Wyroznienie, "highlight"}, {a.Tlo, "chcbpat"}};
    for (const auto& [colour, word] : colours)
        if (colour != TAtrybutyTekstu::kKolorDomyslny)
            AppendControl(out, word, tables.ColourNumber(colour));
    AppendEscaped(out, run.Tekst);
    out += '}';
}

} // namespace

std::string WriteRtf(const TTekstFormatowany& document)
{
    const TTabele tables(document);
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    AppendFontsAndColours(out, tables);
    AppendLists(out, tables);
    AppendPage(out, document.Strona);
    const auto& paragraphs = document.Akapity;
    if (!paragraphs.empty() && paragraphs.front().Atrybuty.Podzial == TPodzial::Sekcja)
        out += "\\sect\\sectd\n";
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        AppendParagraphAttributes(out, paragraphs[i].Atrybuty);
        for (const auto& run : paragraphs[i].Fragmenty)
            AppendRun(out, run, tables);
        // A section break ends the paragraph before it; the reader drops an empty
        // paragraph that nothing ends, so a last paragraph that is empty gets its mark.
        const bool last = i + 1 == paragraphs.size();
        const bool sectionFollows = !last && paragraphs[i + 1].Atrybuty.Podzial == TPodzial::Sekcja;
        if (sectionFollows)
            out += paragraphs[i].Fragmenty.empty() ? "\\par\\sect\\sectd" : "\\sect\\sectd";
        else if (!last || (paragraphs.size() > 1 && paragraphs[i].Fragmenty.empty()))
            out += "\\par";
        out += '\n';
    }
    out += "}\n";
    return out;
}

} // namespace velmar
