#include "core/app/untTransTeksty.h"

#include <algorithm>
#include <charconv>

#include "core/app/untStale.h"

namespace velmar {

// Defined in the file the build generates from untTransTeksty.tsv.
extern const std::string_view kInterfaceTextTsv;

std::string_view InterfaceTextSource()
{
    return kInterfaceTextTsv;
}

// ---------------------------------------------------------------- the table source

namespace {

// Column names of the table source, by language code.
constexpr std::string_view kColumnNames[kLanguageCount] = {"pl", "en", "fr", "de", "it", "es", "ru"};

std::vector<std::string_view> SplitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// Undoes the \n, \t and \\ escapes; false for any other escape.
bool Unescape(std::string_view cell, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            out += cell[i];
            continue;
        }
        if (++i == cell.size())
            return false;
        switch (cell[i]) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: return false;
        }
    }
    return true;
}

int LanguageOfColumn(std::string_view name)
{
    const auto it = std::find(std::begin(kColumnNames), std::end(kColumnNames), name);
    return it == std::end(kColumnNames) ? -1 : static_cast<int>(it - std::begin(kColumnNames));
}

struct TCzytnikTabeli {
    TTabelaTekstow Table;
    std::vector<int> Columns; // language code of each column after the id
    int LineNumber = 0;

    void Problem(std::string message) { Table.Bledy.push_back({LineNumber, std::move(message)}); }

    void ReadHeader(std::string_view line)
    {
        const auto fields = SplitTabs(line);
        if (fields.empty() || fields.front() != "id")
            Problem("the header must start with \"id\"");
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const int language = LanguageOfColumn(fields[i]);
            if (language < 0)
                Problem("unknown language column \"" + std::string(fields[i]) + "\"");
            Columns.push_back(language);
        }
    }

    void ReadRow(std::string_view line)
    {
        const auto fields = SplitTabs(line);
        int id = 0;
        const auto id_text = fields.front();
        const auto [end, error] = std::from_chars(id_text.data(), id_text.data() + id_text.size(), id);
        if (error != std::errc() || end != id_text.data() + id_text.size() || id < 1 || id > kInterfaceTextCount) {
            Problem("the id must be a number from 1 to 2050");
            return;
        }
        if (fields.size() > Columns.size() + 1) {
            Problem("more cells than language columns");
            return;
        }
        auto& row = Table.Wiersze[static_cast<std::size_t>(id)];
        if (!row.empty()) {
            Problem("id " + std::to_string(id) + " appears twice");
            return;
        }
        row.resize(kLanguageCount);
        std::string text;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            if (!IsValidUtf8(fields[i]) || !Unescape(fields[i], text)) {
                Problem("cell " + std::to_string(i) + " is not valid UTF-8 text with \\n, \\t, \\\\");
                continue;
            }
            if (Columns[i - 1] >= 0)
                row[static_cast<std::size_t>(Columns[i - 1])] = FromUtf8(text);
        }
    }
};

} // namespace

TTabelaTekstow ParseInterfaceTextTable(std::string_view source)
{
    TCzytnikTabeli reader;
    reader.Table.Wiersze.resize(kInterfaceTextCount + 1);
    bool header = true;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos)
            end = source.size();
        std::string_view line = source.substr(start, end - start);
        start = end + 1;
        ++reader.LineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        if (header)
            reader.ReadHeader(line);
        else
            reader.ReadRow(line);
        header = false;
    }
    return std::move(reader.Table);
}

namespace {

const TTabelaTekstow& Table()
{
    static const TTabelaTekstow table = ParseInterfaceTextTable(InterfaceTextSource());
    return table;
}

bool IsPolishWord(std::string_view cell)
{
    static const std::string upper = FromUtf8("Państwo");
    static const std::string lower = FromUtf8("państwo");
    return cell == upper || cell == lower;
}

} // namespace

std::string InterfaceText(std::uint8_t language, int id)
{
    const auto& rows = Table().Wiersze;
    if (id < 1 || id > kInterfaceTextCount || language >= kLanguageCount)
        return {};
    const auto& row = rows[static_cast<std::size_t>(id)];
    return row.empty() ? std::string() : row[language];
}

TWide InterfaceTextWide(std::uint8_t language, int id, bool strict)
{
    constexpr int kImperativeCaption = 769;
    constexpr int kAccentCaption = 779;
    const std::string cell = InterfaceText(language, id);
    const bool polishWords = id == kImperativeCaption || IsPolishWord(cell);
    const std::uint8_t reading = polishWords ? std::uint8_t{jezPolski} : language;
    TWide wide = ToWide(cell, reading, strict);
    if (id == kAccentCaption && cell.find('\xE0') != std::string::npos)
        wide.back() = strict ? u'à' : u'á';
    return wide;
}

// ---------------------------------------------------------------- fonts

std::string FontStyleToString(std::uint8_t style)
{
    std::string text;
    if (style & fsBold)
        text += 'B';
    if (style & fsItalic)
        text += 'I';
    if (style & fsUnderline)
        text += 'U';
    if (style & fsStrikeOut)
        text += 'S';
    return text;
}

std::uint8_t FontStyleFromString(std::string_view text)
{
    std::uint8_t style = 0;
    for (char c : text) {
        switch (c) {
        case 'B': style |= fsBold; break;
        case 'I': style |= fsItalic; break;
        case 'U': style |= fsUnderline; break;
        case 'S': style |= fsStrikeOut; break;
        default: break;
        }
    }
    return style;
}

int FontCharset(std::uint8_t language, bool similarLetters)
{
    if (similarLetters)
        return zzWschodnioeuropejski;
    switch (language) {
    case jezFrancuski:
    case jezWloski:
    case jezHiszpanski: return zzZachodni;
    case jezRosyjski: return zzCyrylica;
    default: return zzWschodnioeuropejski;
    }
}

void ApplyFont(TCzcionka& target, const TCzcionka& source, std::uint8_t language, int parts, bool similarLetters)
{
    if (parts & fpNazwa)
        target.Name = source.Name;
    if (parts & fpRozmiar)
        target.Size = source.Size;
    if (parts & fpZestaw)
        target.Charset = FontCharset(language, similarLetters);
    if (parts & fpStyl)
        target.Style = source.Style;
    if (parts & fpKolor)
        target.Colour = source.Colour;
}

// ---------------------------------------------------------------- ready-made texts

namespace {

constexpr int kLanguageNameIds[kLanguageCount] = {11, 12, 13, 17, 18, 19, 20};
constexpr int kLocativeIds[kLanguageCount] = {14, 15, 16, 42, 43, 49, 50};
constexpr int kLastProfileSubject = 51;

std::vector<int> ReadyMadeIds()
{
    std::vector<int> ids;
    auto range = [&ids](int first, int last) {
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    };
    range(11, 20);
    ids.insert(ids.end(), {42, 43, 49, 50});
    range(tekst::Tak, tekst::OK);
    range(101, 139);
    // The show/hide pairs of the toggling menu items.
    ids.insert(ids.end(), {353, 354, 410, 411, 435, 436, 459, 460, 461, 462, 463, 464, 466, 467, 472, 473, 1435, 1436});
    range(tekst::NazwyProfili, tekst::NazwyProfili + kLastProfileSubject);
    range(558, 562);
    range(564, 568);
    return ids;
}

} // namespace

const std::vector<int>& TGotoweTeksty::Ids()
{
    static const std::vector<int> ids = ReadyMadeIds();
    return ids;
}

TGotoweTeksty::TGotoweTeksty() : texts_(std::make_shared<const TZestaw>()) {}

void TGotoweTeksty::Fill(std::uint8_t language)
{
    auto texts = std::make_shared<TZestaw>();
    for (int id : Ids())
        (*texts)[id] = {InterfaceText(language, id), InterfaceTextWide(language, id, false)};
    const std::lock_guard lock(mutex_);
    texts_ = std::move(texts);
}

std::shared_ptr<const TGotoweTeksty::TZestaw> TGotoweTeksty::Current() const
{
    const std::lock_guard lock(mutex_);
    return texts_;
}

const TGotoweTeksty::TTekst* TGotoweTeksty::Find(const std::shared_ptr<const TZestaw>& texts, int id) const
{
    const auto it = texts->find(id);
    return it == texts->end() ? nullptr : &it->second;
}

std::string TGotoweTeksty::Text(int id) const
{
    const auto texts = Current();
    const TTekst* text = Find(texts, id);
    return text ? text->Narrow : std::string();
}

TWide TGotoweTeksty::Wide(int id) const
{
    const auto texts = Current();
    const TTekst* text = Find(texts, id);
    return text ? text->Wide : TWide();
}

TWide TGotoweTeksty::LanguageName(std::uint8_t language) const
{
    return Wide(language < kLanguageCount ? kLanguageNameIds[language] : 0);
}

TWide TGotoweTeksty::LanguageLocative(std::uint8_t language) const
{
    return Wide(language < kLanguageCount ? kLocativeIds[language] : 0);
}

std::string TGotoweTeksty::ProfileName(int subject) const
{
    if (subject < 0 || subject > kLastProfileSubject)
        return {};
    std::string name = Text(tekst::NazwyProfili + subject);
    std::erase(name, '&');
    return name;
}

} // namespace velmar
