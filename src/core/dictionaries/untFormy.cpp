#include "core/dictionaries/untFormy.h"

#include <array>
#include <map>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar {

namespace {

using uchar = unsigned char;

constexpr char kFormSeparator = '\\';

// ---------------------------------------------------------------- Polish codes

// Readings marked with priority 20 or 100 come from a second numbering of the forms;
// these are the codes that differ from the first one (51 to 62 move up by 30).
const std::map<int, int>& SecondNumbering()
{
    static const std::map<int, int> table = {
        {14, 15}, {15, 14}, {19, 22}, {20, 24}, {21, 28}, {22, 29}, {24, 27},   {25, 26},
        {27, 32}, {28, 32}, {29, 33}, {30, 34}, {31, 35}, {32, 39}, {33, 36},   {34, 40},
        {35, 41}, {36, 30}, {44, 46}, {45, 55}, {46, 56}, {47, 57}, {200, 218},
    };
    return table;
}

// The product's preferred Polish readings: for a form code, the forms and the bases
// whose reading is raised from the neutral priority to 100. They go together with the
// forms data, which lists these words under more than one reading.
struct TPreferowane {
    const char* Forms; // tag lists, UTF-8
    const char* Bases;
};

const std::map<int, std::pair<std::string, std::string>>& PreferredReadings()
{
    static const std::map<int, std::pair<std::string, std::string>> table = [] {
        const std::map<int, TPreferowane> utf8 = {
            {1, {"<Achaja><akustyk><akustyka><pies><zamek>", "<Achaja><akustyk><akustyka><pies><zamek>"}},
            {100, {"<iść><kuć><myć><być><mieć>", "<iść><kuć><myć><być><mieć>"}},
        };
        std::map<int, std::pair<std::string, std::string>> converted;
        for (const auto& [code, lists] : utf8)
            converted[code] = {FromUtf8(lists.Forms), FromUtf8(lists.Bases)};
        return converted;
    }();
    return table;
}

// For a participle or verbal-noun code, the adjective or noun codes it gives way to.
const std::map<int, std::vector<int>>& GivesWayTo()
{
    static const std::map<int, std::vector<int>> table = {
        {150, {81}}, {151, {91}},      {152, {82}}, {153, {83}}, {154, {84}}, {155, {85}}, {156, {86}}, {157, {87}},
        {158, {88}}, {159, {89}},      {160, {90}}, {161, {92}}, {162, {82}}, {163, {83}}, {164, {84}}, {165, {85}},
        {166, {86}}, {167, {87}},      {168, {88}}, {169, {89}}, {170, {90}}, {181, {18}}, {182, {28}}, {183, {29}},
        {184, {5}},  {185, {55, 100}}, {186, {56}}, {187, {12}}, {188, {57}},
    };
    return table;
}

bool GivesWay(const TOdwolanie& first, const TOdwolanie& second)
{
    if (first.FormCode < 150 || first.FormCode > 188 || second.Priority < first.Priority)
        return false;
    const auto entry = GivesWayTo().find(first.FormCode);
    if (entry == GivesWayTo().end())
        return false;
    for (int code : entry->second)
        if (code == second.FormCode)
            return true;
    return false;
}

// ---------------------------------------------------------------- rule tables

TCechy Cechy(std::initializer_list<int> bits)
{
    TCechy features;
    for (int bit : bits)
        features.set(static_cast<std::size_t>(bit));
    return features;
}

struct TKoncowka {
    const char* Ending; // UTF-8
    const char* Replacement;
    TKodyForm Allowed;
    int NewCode;
};

TRegulaFormy SuffixRule(const TKoncowka& row, std::uint8_t foundBit)
{
    TRegulaFormy rule;
    rule.Kind = TRegulaFormy::Suffix;
    rule.Affix = FromUtf8(row.Ending);
    rule.Replacement = FromUtf8(row.Replacement);
    rule.Allowed = row.Allowed;
    rule.NewCode = row.NewCode;
    rule.FoundBit = foundBit;
    return rule;
}

constexpr std::uint8_t kFoundSuffix = 1;
constexpr std::uint8_t kFoundPrefix = 4;

// Conditional and past forms, personal endings, declined participles, plural noun
// cases, adjective cases and cases of verbal nouns, each led back to the form the
// forms dictionary lists.
std::vector<TRegulaFormy> PolishRules()
{
    const auto code = [](int c) { return KodyForm({{c, c}}); };
    const TKodyForm k114 = code(114), k115 = code(115), k121 = code(121), k103 = code(103);
    const TKodyForm k138 = code(138), k107 = code(107), k142 = code(142), k141 = code(141);
    const TKodyForm k150 = code(150), k56 = code(56), k181 = code(181);
    const TKodyForm kAdj = KodyForm({{81, 81}, {92, 92}});
    const TKoncowka rows[] = {
        {"łby", "ł", k114, 127},       {"łaby", "ła", k115, 128},     {"łoby", "ła", k115, 129},
        {"łbym", "ł", k114, 123},      {"łabym", "ła", k115, 124},    {"łbyś", "ł", k114, 125},
        {"łabyś", "ła", k115, 126},    {"libyśmy", "li", k121, 130},  {"łybyśmy", "ła", k115, 131},
        {"libyście", "li", k121, 132}, {"łybyście", "ła", k115, 133}, {"liby", "li", k121, 134},
        {"łyby", "ła", k115, 135},     {"łam", "ła", k115, 111},      {"łeś", "łem", code(110), 112},
        {"łaś", "ła", k115, 113},      {"ło", "ła", k115, 116},       {"liśmy", "li", k121, 117},
        {"łyśmy", "ła", k115, 118},    {"liście", "li", k121, 119},   {"łyście", "ła", k115, 120},
        {"sz", "", k103, 102},         {"my", "", k103, 104},         {"cie", "", k103, 105},
        {"sz", "", k138, 137},         {"my", "", k138, 139},         {"cie", "", k138, 140},
        {"my", "", k107, 108},         {"cie", "", k107, 109},        {"że", "", k107, 107},
        {"ący", "ąc", k142, 161},      {"ąca", "ąc", k142, 162},      {"ące", "ąc", k142, 163},
        {"ącego", "ąc", k142, 164},    {"ącej", "ąc", k142, 165},     {"ącemu", "ąc", k142, 166},
        {"ącą", "ąc", k142, 167},      {"ącym", "ąc", k142, 168},     {"ących", "ąc", k142, 169},
        {"ącymi", "ąc", k142, 170},    {"ący", "ą", k141, 161},       {"ąca", "ą", k141, 162},
        {"ące", "ą", k141, 163},       {"ącego", "ą", k141, 164},     {"ącej", "ą", k141, 165},
        {"ącemu", "ą", k141, 166},     {"ącą", "ą", k141, 167},       {"ącym", "ą", k141, 168},
        {"ących", "ą", k141, 169},     {"ącymi", "ą", k141, 170},     {"na", "ny", k150, 152},
        {"ta", "ty", k150, 152},       {"ne", "ny", k150, 153},       {"te", "ty", k150, 153},
        {"nego", "ny", k150, 154},     {"tego", "ty", k150, 154},     {"nej", "ny", k150, 155},
        {"tej", "ty", k150, 155},      {"nemu", "ny", k150, 156},     {"temu", "ty", k150, 156},
        {"ną", "ny", k150, 157},       {"tą", "ty", k150, 157},       {"nym", "ny", k150, 158},
        {"tym", "ty", k150, 158},      {"nych", "ny", k150, 159},     {"tych", "ty", k150, 159},
        {"nymi", "ny", k150, 160},     {"tymi", "ty", k150, 160},     {"ami", "om", k56, 12},
        {"ach", "om", k56, 57},        {"ym", "y", kAdj, 88},         {"im", "i", kAdj, 88},
        {"ych", "y", kAdj, 89},        {"ich", "i", kAdj, 89},        {"ymi", "y", kAdj, 90},
        {"imi", "i", kAdj, 90},        {"iego", "i", kAdj, 84},       {"lego", "li", kAdj, 84},
        {"ego", "y", kAdj, 84},        {"iemu", "i", kAdj, 86},       {"lemu", "li", kAdj, 86},
        {"emu", "y", kAdj, 86},        {"iej", "i", kAdj, 85},        {"lej", "li", kAdj, 85},
        {"ej", "y", kAdj, 85},         {"cia", "cie", k181, 182},     {"nia", "nie", k181, 182},
        {"ciu", "cie", k181, 183},     {"niu", "nie", k181, 183},     {"ciem", "cie", k181, 184},
        {"niem", "nie", k181, 184},    {"ciom", "cie", k181, 186},    {"niom", "nie", k181, 186},
        {"ciami", "cie", k181, 187},   {"niami", "nie", k181, 187},   {"ciach", "cie", k181, 188},
        {"niach", "nie", k181, 188},
    };
    std::vector<TRegulaFormy> rules;
    for (const TKoncowka& row : rows)
        rules.push_back(SuffixRule(row, kFoundSuffix));
    return rules;
}

// French derivation: a noun of action or agent, an adjective in -able, a noun of
// quality… led back to its verb, noun or adjective, with the features of the
// derivation.
std::vector<TRegulaFormy> FrenchDerivationRules()
{
    struct TPochodna {
        TKoncowka Row;
        TCechy Features;
    };
    const TKodyForm verb = KodyForm({{80, 80}});
    const TKodyForm noun = KodyForm({{55, 56}, {61, 62}});
    const TKodyForm adjective = KodyForm({{5, 6}, {11, 12}});
    const TCechy action = Cechy({122, 137}), agent = Cechy({129, 137});
    const TCechy ability = Cechy({121, 137}), quality = Cechy({131, 138});
    const TPochodna rows[] = {
        {{"issage", "ir", verb, 1}, action},
        {{"age", "er", verb, 1}, action},
        {{"issement", "ir", verb, 1}, action},
        {{"ement", "er", verb, 1}, action},
        {{"gation", "guer", verb, 5}, action},
        {{"cation", "quer", verb, 5}, action},
        {{"ation", "er", verb, 5}, action},
        {{"ement", "e", noun, 250}, Cechy({79, 138})},
        {{"gateur", "guer", verb, 1}, agent},
        {{"cateur", "quer", verb, 1}, agent},
        {{"ateur", "er", verb, 1}, agent},
        {{"isseur", "ir", verb, 1}, agent},
        {{"eur", "er", verb, 1}, agent},
        {{"eable", "er", verb, 51}, ability},
        {{"issable", "ir", verb, 51}, ability},
        {{"able", "er", verb, 51}, ability},
        {{"arité", "aire", noun, 5}, quality},
        {{"ité", "e", noun, 5}, quality},
        {{"eté", "e", noun, 5}, quality},
        {{"osité", "euse", noun, 5}, quality},
        {{"onnel", "on", adjective, 51}, Cechy({128, 139})},
    };
    std::vector<TRegulaFormy> rules;
    for (const TPochodna& row : rows) {
        TRegulaFormy rule = SuffixRule(row.Row, kFoundSuffix);
        rule.Features = row.Features;
        rules.push_back(std::move(rule));
    }
    return rules;
}

// French prefixes whose word is translated as the word without the prefix, with the
// Polish prefix or adverb put before the translation.
std::vector<TRegulaFormy> FrenchPrefixRules()
{
    const TKodyForm first = KodyForm({{1, 19}, {80, 204}});
    const TKodyForm usual = KodyForm({{1, 19}, {51, 69}, {80, 204}, {250, 254}});
    const TKodyForm verbs = KodyForm({{80, 204}});
    const std::pair<const char*, const char*> rows[] = {
        {"re,réa,ré,rée,réi,réo,réu", "ponownie "},
        {"super", "super"},
        {"hyper", "hiper"},
        {"anti", "anty"},
        {"archi", "arcy"},
        {"avant-", "przed"},
        {"demi-", "pół"},
        {"électro", "elektro"},
        {"entre-,entre", "wzajemnie "},
        {"géo", "geo"},
        {"hypo", "hipo"},
        {"imp,imb,imm", "nie"},
        {"in", "nie"},
        {"inter", "między"},
        {"micro", "mikro"},
        {"macro", "makro"},
        {"péri", "około"},
        {"post", "po"},
        {"pré-,pré", "przed"},
        {"sous-,sous,sub", "pod"},
        {"télé-,télé", "tele"},
        {"ultra", "ultra"},
        {"infra", "infra"},
        {"dé", ""},
    };
    std::vector<TRegulaFormy> rules;
    for (const auto& [prefixes, text] : rows) {
        TRegulaFormy rule;
        rule.Kind = TRegulaFormy::Prefix;
        rule.Affix = FromUtf8(prefixes);
        rule.PrefixText = FromUtf8(text);
        rule.Allowed = usual;
        rule.FoundBit = kFoundPrefix;
        rules.push_back(std::move(rule));
    }
    rules.front().Allowed = first;
    rules.back().Allowed = verbs;
    rules.back().Features = Cechy({127});
    return rules;
}

} // namespace

TKodyForm KodyForm(std::initializer_list<std::pair<int, int>> ranges)
{
    TKodyForm codes;
    for (const auto& [from, to] : ranges)
        for (int code = from; code <= to; ++code)
            codes.set(static_cast<std::size_t>(code));
    return codes;
}

// ---------------------------------------------------------------- one reading

std::int32_t PriorityOfMark(unsigned char mark)
{
    switch (mark) {
    case '#': return 0;
    case 0x87: return 10; // ‡
    case '@': return 20;
    case 0x86: return 30; // †
    case 0xA4: return 70; // ¤
    case '*': return 80;
    case 0xB1: return 90; // ±
    case '+': return 100;
    default: return 50;
    }
}

bool IsPriorityMark(unsigned char mark)
{
    return PriorityOfMark(mark) != 50;
}

std::uint8_t RemapPolishFormCode(std::uint8_t code, std::int32_t priority, std::string_view base)
{
    int result = code;
    if (priority == 20 || priority == 100) {
        if (code >= 51 && code <= 62)
            result = code + 30;
        else if (const auto entry = SecondNumbering().find(code); entry != SecondNumbering().end())
            result = entry->second;
    } else if (code == 200) {
        result = 218;
    }
    if (result >= 136 && result <= 141 && base == FromUtf8("wymagać"))
        result -= 35;
    return static_cast<std::uint8_t>(result);
}

bool IsPreferredPolishReading(const TOdwolanie& reading)
{
    const auto entry = PreferredReadings().find(reading.FormCode);
    if (entry == PreferredReadings().end())
        return false;
    return InTagList(reading.Form, entry->second.first) && InTagList(reading.Base, entry->second.second);
}

TOdwolanie ParseFormLine(std::string_view line, std::uint8_t language)
{
    TOdwolanie reading;
    const std::size_t separator = line.find(kFormSeparator);
    if (separator == std::string_view::npos)
        return reading;
    reading.Form = std::string(line.substr(0, separator));
    std::string_view rest = line.substr(separator + 1);
    if (rest.empty())
        return reading;
    reading.FormCode = static_cast<uchar>(rest.front());
    rest.remove_prefix(1);
    // The mark is the last byte of a base; a line that ends at its code has neither.
    if (!rest.empty() && IsPriorityMark(static_cast<uchar>(rest.back()))) {
        reading.Priority = PriorityOfMark(static_cast<uchar>(rest.back()));
        rest.remove_suffix(1);
    }
    reading.Base = std::string(rest);
    if (language == jezPolski) {
        reading.FormCode = RemapPolishFormCode(reading.FormCode, reading.Priority, reading.Base);
        if (reading.Priority == 50 && IsPreferredPolishReading(reading))
            reading.Priority = 100;
    }
    return reading;
}

// ---------------------------------------------------------------- the readings

const TOdwolanie& TOdwolania::Item(int index) const
{
    static const TOdwolanie none;
    if (index < 0 || index >= Count())
        return none;
    return items_[static_cast<std::size_t>(index)];
}

void TOdwolania::Delete(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TOdwolania::Exchange(int i, int j)
{
    if (i >= 0 && j >= 0 && i < Count() && j < Count())
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
}

bool TOdwolania::Keep(const TKodyForm& codes, int newCode)
{
    std::erase_if(items_, [&](const TOdwolanie& reading) { return !codes.test(reading.FormCode); });
    if (newCode > 0)
        for (TOdwolanie& reading : items_)
            reading.FormCode = static_cast<std::uint8_t>(newCode);
    return !items_.empty();
}

bool TOdwolania::HasFormCode(const TKodyForm& codes) const
{
    for (const TOdwolanie& reading : items_)
        if (codes.test(reading.FormCode))
            return true;
    return false;
}

void TOdwolania::Order(std::uint8_t language)
{
    const bool polish = language == jezPolski;
    // Every exchange moves a reading of higher priority, or an adjective or noun reading
    // (which never gives way itself), forwards: at most Count passes are needed.
    for (int pass = 0; pass < Count(); ++pass) {
        bool exchanged = false;
        for (int i = 0; i + 1 < Count(); ++i) {
            const TOdwolanie& first = items_[static_cast<std::size_t>(i)];
            const TOdwolanie& second = items_[static_cast<std::size_t>(i + 1)];
            if (first.Priority < second.Priority || (polish && GivesWay(first, second))) {
                Exchange(i, i + 1);
                exchanged = true;
            }
        }
        if (!exchanged)
            return;
    }
}

// ---------------------------------------------------------------- rules

std::optional<std::string> TRegulaFormy::Candidate(std::string_view word) const
{
    if (Kind == Suffix) {
        if (!EndsWith(word, Affix, false))
            return std::nullopt;
        return DropLast(word, static_cast<int>(Affix.size())) + Replacement;
    }
    std::string prefix;
    std::string rest;
    if (!MatchPrefixAny(word, Affix, prefix, rest))
        return std::nullopt;
    return rest;
}

void TRegulaFormy::Report(TZnajdzOpcje& options) const
{
    options.Found |= FoundBit;
    options.WordClass = WordClass;
    options.Features |= Features;
    if (Kind == Prefix)
        options.PrefixText = PrefixText;
}

const std::vector<TRegulaFormy>& FormRules(std::uint8_t language)
{
    static const std::vector<TRegulaFormy> polish = PolishRules();
    static const std::vector<TRegulaFormy> french = [] {
        std::vector<TRegulaFormy> rules = FrenchDerivationRules();
        for (TRegulaFormy& rule : FrenchPrefixRules())
            rules.push_back(std::move(rule));
        return rules;
    }();
    static const std::vector<TRegulaFormy> none;
    switch (language) {
    case jezPolski: return polish;
    case jezFrancuski: return french;
    default: return none;
    }
}

} // namespace velmar
