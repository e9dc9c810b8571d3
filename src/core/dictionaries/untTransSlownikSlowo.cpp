#include "core/dictionaries/untTransSlownikSlowo.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// ---------------------------------------------------------------- codes

namespace {

struct TNazwaKodu {
    const char* Name; // UTF-8
    int Bit;
};

constexpr std::array<TNazwaKodu, 51> kCodeNames = {{
    {"ar", 1},  {"as", 2},  {"b", 3},    {"bt", 4},   {"u", 5},    {"c", 6},    {"d", 7},   {"ek", 8},  {"e", 9},
    {"fl", 10}, {"ft", 12}, {"fz", 11},  {"g", 16},   {"gg", 13},  {"gl", 14},  {"gn", 15}, {"h", 17},  {"hs", 18},
    {"i", 19},  {"j", 20},  {"k", 41},   {"r", 33},   {"kh", 37},  {"ls", 21},  {"lt", 22}, {"m", 25},  {"ml", 23},
    {"mn", 26}, {"mt", 24}, {"mw", 28},  {"p", 30},   {"pt", 29},  {"rl", 31},  {"rn", 32}, {"s", 35},  {"sc", 34},
    {"sk", 36}, {"t", 39},  {"te", 38},  {"tl", 40},  {"w", 43},   {"wt", 42},  {"z", 27},  {"zl", 44}, {"żg", 45},
    {"rd", 46}, {"mc", 47}, {"ant", 48}, {"gmt", 49}, {"orn", 50}, {"ltr", 51},
}};

} // namespace

int MeaningCodeBit(std::string_view name)
{
    // Sorted by name: every meaning of every entry decoded asks.
    static const auto names = [] {
        std::vector<std::pair<std::string, int>> converted;
        for (const auto& code : kCodeNames)
            converted.emplace_back(FromUtf8(code.Name), code.Bit);
        std::sort(converted.begin(), converted.end());
        return converted;
    }();
    const auto known = std::lower_bound(names.begin(), names.end(), name,
                                        [](const auto& entry, std::string_view key) { return entry.first < key; });
    if (known != names.end() && known->first == name)
        return known->second;
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (name.empty() || name.front() == '-' || error == std::errc::invalid_argument || end != name.data() + name.size())
        return 0;
    if (error == std::errc::result_out_of_range || number > 255)
        return -1;
    return number;
}

// ---------------------------------------------------------------- valency

namespace {

int CaseNumber(const std::string& digits)
{
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return digits.empty() || error != std::errc() || end != digits.data() + digits.size() ? -1 : number;
}

std::string ItemAt(const std::vector<std::string>& items, int i)
{
    return i >= 0 && i < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(i)] : std::string();
}

void AppendWord(std::string& text, const std::string& word)
{
    if (word.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += word;
}

} // namespace

int TTransSlownikRekcja::SourceCaseNumber() const
{
    return CaseNumber(SourceCase);
}

int TTransSlownikRekcja::TargetCaseNumber() const
{
    return CaseNumber(TargetCase);
}

// ---------------------------------------------------------------- meaning

std::string TTransSlownikZnaczenie::Word(int i) const
{
    return ItemAt(Words, i);
}
std::string TTransSlownikZnaczenie::WordCode(int i) const
{
    return ItemAt(WordCodes, i);
}
std::string TTransSlownikZnaczenie::Comment(int i) const
{
    return ItemAt(Comments, i);
}
std::string TTransSlownikZnaczenie::Gloss(int i) const
{
    return ItemAt(Glosses, i);
}

std::string TTransSlownikZnaczenie::WordWithCode(int i) const
{
    return Trim(Word(i) + " " + WordCode(i));
}

void TTransSlownikZnaczenie::SetWordCode(int i, const std::string& code)
{
    if (i >= 0 && i < AlternativeCount())
        WordCodes[static_cast<std::size_t>(i)] = code;
}

int TTransSlownikZnaczenie::AddAlternative()
{
    for (auto* list : {&Words, &WordCodes, &Comments, &Glosses, &Extras})
        list->emplace_back();
    return AlternativeCount() - 1;
}

std::string TTransSlownikZnaczenie::WordsText() const
{
    std::string text;
    for (const auto& word : Words)
        AppendWord(text, word);
    return text;
}

// Comment, word (when withWords) and gloss of every alternative, joined by spaces.
std::string TTransSlownikZnaczenie::AlternativesText(bool withWords) const
{
    std::string text;
    for (int i = 0; i < AlternativeCount(); ++i) {
        AppendWord(text, Comment(i));
        if (withWords)
            AppendWord(text, Word(i));
        AppendWord(text, Gloss(i));
    }
    return text;
}

void TTransSlownikZnaczenie::ClearMeaning()
{
    for (auto* list : {&Words, &WordCodes, &Comments, &Glosses, &Extras})
        list->clear();
    Valency.Recycle();
    Codes.reset();
    Plus = Preferred = Alt1 = Alt2 = GroupEnd = Hidden = false;
}

int TTransSlownikZnaczenia::FirstPreferred(bool skipAlt1, bool skipAlt2) const
{
    if (Count() == 0)
        return -1;
    int chosen = -1;
    for (int i = 0; i < Count() && chosen < 0; ++i)
        if (Item(i)->Preferred)
            chosen = i;
    for (int i = 0; i < Count() && chosen < 0; ++i)
        if (Item(i)->Plus)
            chosen = i;
    if (chosen < 0)
        chosen = 0;
    if (const auto* next = Item(chosen + 1); next && ((next->Alt1 && skipAlt1) || (next->Alt2 && skipAlt2)))
        ++chosen;
    return chosen;
}

// ---------------------------------------------------------------- sub-record and entry

void TTransSlownikPodrekord::Reset()
{
    Code.clear();
    GroupLabel.clear();
    Marker.clear();
    SichFlag = ReflexiveFlag = false;
    Meanings.Recycle();
}

void TTransSlownikSlowo::ClearEntry()
{
    Headword.clear();
    Index = -1;
    HeadNote.clear();
    BraceNotes.clear();
    HeadTail.clear();
    MarkerValue.clear();
    SubRecords.Recycle();
    ExtraSubRecords.Clear();
    Pruned = Changed = SignFlag = false;
    Phrases.Recycle();
    NameClasses.reset();
}

void TTransSlownikSlowo::KeepGroup(const std::string& groupLabel)
{
    for (int i = SubRecords.Count() - 1; i >= 0; --i) {
        if (SubRecords.Item(i)->GroupLabel != groupLabel) {
            SubRecords.Delete(i);
            Pruned = true;
        }
    }
}

void TTransSlownikSlowo::RemoveCode(std::string_view tagList)
{
    for (int i = SubRecords.Count() - 1; i >= 0; --i)
        if (InTagList(SubRecords.Item(i)->Code, tagList))
            SubRecords.Delete(i);
}

int TTransSlownikSlowo::FindCode(std::string_view tagList) const
{
    for (int i = 0; i < SubRecords.Count(); ++i)
        if (InTagList(SubRecords.Item(i)->Code, tagList))
            return i;
    return -1;
}

void TTransSlownikSlowo::RemoveHiddenMeanings()
{
    for (const auto& subRecord : SubRecords) {
        auto& meanings = subRecord->Meanings;
        for (int i = meanings.Count() - 1; i >= 0; --i)
            if (meanings.Item(i)->Hidden)
                meanings.Delete(i);
    }
}

namespace {

std::string SerializeMeaning(const TTransSlownikZnaczenie& meaning)
{
    std::string text = " ";
    if (meaning.Plus)
        text += "+ ";
    for (std::size_t bit = 0; bit < meaning.Codes.size(); ++bit)
        if (meaning.Codes.test(bit))
            text += "+" + std::to_string(bit) + " ";
    for (int i = 0; i < meaning.AlternativeCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        for (const auto* part : {&meaning.Comments[at], &meaning.Words[at], &meaning.WordCodes[at], &meaning.Extras[at],
                                 &meaning.Glosses[at]})
            if (!part->empty())
                text += *part + " ";
    }
    return text;
}

} // namespace

std::string TTransSlownikSlowo::Serialize(const TTransSlownik& dictionary) const
{
    std::string line = Headword + " " + dictionary.KeySeparator;
    const std::string codeMarks(2, dictionary.CodeMark);
    for (const auto& subRecord : SubRecords) {
        // A code without a meaning does not read back as a sub-record: writing it would
        // make the stored line say more than a load gives.
        if (subRecord->Meanings.Count() == 0)
            continue;
        line += codeMarks + subRecord->Code + " ";
        const auto& meanings = subRecord->Meanings;
        for (int i = 0; i < meanings.Count(); ++i) {
            line += SerializeMeaning(*meanings.Item(i));
            line += i + 1 < meanings.Count() ? std::string(" ") + dictionary.ItemSeparator + " " : " ";
        }
        line += " ";
    }
    return line;
}

} // namespace velmar
