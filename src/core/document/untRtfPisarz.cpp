#include "core/document/untRtfPisarz.h"

#include <algorithm>
#include <vector>

#include "core/app/untUtils.h"
#include "core/document/untStronaKodowa.h"

namespace velmar {

namespace {

constexpr int kStronaKodowa = 1252;

// Fonts and colours used by the runs, numbered as the tables will list them. Font 0
// is the nameless default font, colour 0 the automatic colour.
class TTabele {
public:
    explicit TTabele(const TTekstFormatowany& document)
    {
        fonts_.push_back({});
        for (const auto& paragraph : document.Akapity)
            for (const auto& run : paragraph.Fragmenty) {
                if (!run.Atrybuty.Czcionka.empty())
                    Add(fonts_, run.Atrybuty.Czcionka);
                if (run.Atrybuty.Kolor != TAtrybutyTekstu::kKolorDomyslny)
                    Add(colours_, run.Atrybuty.Kolor);
            }
    }

    int FontNumber(const std::string& name) const { return IndexOf(fonts_, name); }
    int ColourNumber(std::int32_t colour) const { return IndexOf(colours_, colour) + 1; }
    const std::vector<std::string>& Fonts() const { return fonts_; }
    const std::vector<std::int32_t>& Colours() const { return colours_; }

private:
    template <typename T>
    static void Add(std::vector<T>& list, const T& item)
    {
        if (std::find(list.begin(), list.end(), item) == list.end())
            list.push_back(item);
    }
    template <typename T>
    static int IndexOf(const std::vector<T>& list, const T& item)
    {
        return static_cast<int>(std::find(list.begin(), list.end(), item) - list.begin());
    }

    std::vector<std::string> fonts_;
    std::vector<std::int32_t> colours_;
};

// A font name ends at ";", so a font name writes its own ";" as a Unicode character;
// it cannot hold control characters, and the reader drops them.
enum class TMiejsce { Tekst, NazwaCzcionki };

void AppendEscaped(std::string& out, std::u16string_view text, TMiejsce where = TMiejsce::Tekst)
{
    for (const char16_t c : text) {
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

void AppendHeader(std::string& out, const TTabele& tables)
{
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < tables.Fonts().size(); ++i) {
        out += Format("{\\f%d\\fnil\\fcharset0 ", static_cast<int>(i));
        AppendEscaped(out, Utf8ToWide(tables.Fonts()[i]), TMiejsce::NazwaCzcionki);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const auto colour : tables.Colours())
        out += Format("\\red%d\\green%d\\blue%d;", (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    out += "}\n";
}

void AppendParagraphAttributes(std::string& out, const TAtrybutyAkapitu& attributes)
{
    static constexpr const char* kAlignment[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
    out += "\\pard\\plain";
    out += kAlignment[static_cast<int>(attributes.Wyrownanie)];
    AppendControl(out, "li", attributes.WciecieLewe);
    AppendControl(out, "ri", attributes.WcieciePrawe);
    AppendControl(out, "fi", attributes.WcieciePierwsze);
    if (attributes.Wypunktowanie)
        out += "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnindent360{\\pntxtb\\'95}}";
}

void AppendRun(std::string& out, const TFragment& run, const TTabele& tables)
{
    const auto& a = run.Atrybuty;
    out += '{';
    AppendControl(out, "f", tables.FontNumber(a.Czcionka));
    if (a.PolPunkty > 0)
        AppendControl(out, "fs", a.PolPunkty);
    if (a.Pogrubienie)
        out += "\\b ";
    if (a.Kursywa)
        out += "\\i ";
    if (a.Podkreslenie)
        out += "\\ul ";
    if (a.Przekreslenie)
        out += "\\strike ";
    if (a.Kolor != TAtrybutyTekstu::kKolorDomyslny)
        AppendControl(out, "cf", tables.ColourNumber(a.Kolor));
    AppendEscaped(out, run.Tekst);
    out += '}';
}

} // namespace

std::string WriteRtf(const TTekstFormatowany& document)
{
    const TTabele tables(document);
    std::string out;
    AppendHeader(out, tables);
    const auto& paragraphs = document.Akapity;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        AppendParagraphAttributes(out, paragraphs[i].Atrybuty);
        for (const auto& run : paragraphs[i].Fragmenty)
            AppendRun(out, run, tables);
        // The reader drops an empty paragraph that nothing ends, so a last paragraph
        // that is empty gets its mark as well.
        const bool last = i + 1 == paragraphs.size();
        if (!last || (paragraphs.size() > 1 && paragraphs[i].Fragmenty.empty()))
            out += "\\par";
        out += '\n';
    }
    out += "}\n";
    return out;
}

} // namespace velmar
