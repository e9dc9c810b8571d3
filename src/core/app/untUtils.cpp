#include "core/app/untUtils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

#include "core/app/untStale.h"

namespace velmar {

namespace {

using uchar = unsigned char;

uchar At(std::string_view s, int pos) // 1-based
{
    return static_cast<uchar>(s[static_cast<std::size_t>(pos - 1)]);
}

int Length(std::string_view s)
{
    return static_cast<int>(s.size());
}

// The alphabet as byte values: Polish (1250), then French and German (1252), then Č Š Ž.
constexpr std::array<uchar, 60> kUpperAlphabet = {
    65,  165, 66,  67,  198, 68,  69,  202, 70,  71,  72,  73,  74,  75,  76,  163, 77,  78,  209, 79,
    211, 80,  81,  82,  83,  140, 84,  85,  86,  87,  88,  89,  90,  143, 175, 192, 193, 194, 196, 199,
    200, 201, 202, 203, 204, 205, 206, 207, 210, 212, 213, 214, 219, 217, 218, 220, 223, 200, 138, 142};

struct TTabeleLiter {
    TZbiorZnakow Upper;
    TZbiorZnakow Lower;
    TZbiorZnakow PolishConsonants;
};

const TTabeleLiter& Letters()
{
    static const TTabeleLiter tables = [] {
        TTabeleLiter t;
        for (uchar c : kUpperAlphabet) {
            t.Upper.set(c);
            t.Lower.set(LowerChar(c));
        }
        t.PolishConsonants = CharsToSet("bcdfghjklmnprstwxz");
        for (uchar c : {156, 159, 179, 191, 230, 241})
            t.PolishConsonants.set(c);
        return t;
    }();
    return tables;
}

bool EqualBytes(std::string_view a, std::string_view b, bool caseSensitive)
{
    if (a.size() != b.size())
        return false;
    if (caseSensitive)
        return a == b;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerChar(static_cast<uchar>(a[i])) != LowerChar(static_cast<uchar>(b[i])))
            return false;
    return true;
}

bool IsSpace(uchar c)
{
    return c == ' ';
}

} // namespace

// ---------------------------------------------------------------- character sets

TZbiorZnakow CharsToSet(std::string_view chars)
{
    TZbiorZnakow set;
    for (char c : chars)
        set.set(static_cast<uchar>(c));
    return set;
}

std::string SetToChars(const TZbiorZnakow& set)
{
    std::string chars;
    for (int c = 1; c < 256; ++c)
        if (set.test(static_cast<std::size_t>(c)))
            chars += static_cast<char>(c);
    return chars;
}

std::string SetToNumbers(const TZbiorZnakow& set)
{
    std::string text;
    for (int c = 0; c < 256; ++c)
        if (set.test(static_cast<std::size_t>(c)))
            text += "+" + std::to_string(c) + " ";
    return text;
}

// ---------------------------------------------------------------- letters and case

const std::string& UpperAlphabet()
{
    static const std::string alphabet(kUpperAlphabet.begin(), kUpperAlphabet.end());
    return alphabet;
}

unsigned char UpperChar(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<uchar>(c - 32);
    switch (c) {
    case 154: return 138;
    case 156: return 140;
    case 157: return 141;
    case 158: return 142;
    case 159: return 143;
    case 179: return 163;
    case 185: return 165;
    case 186: return 170;
    case 191: return 175;
    default: break;
    }
    if ((c >= 224 && c <= 246) || (c >= 248 && c <= 254))
        return static_cast<uchar>(c - 32);
    return c;
}

unsigned char LowerChar(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<uchar>(c + 32);
    switch (c) {
    case 138: return 154;
    case 140: return 156;
    case 141: return 157;
    case 142: return 158;
    case 143: return 159;
    case 163: return 179;
    case 165: return 185;
    case 170: return 186;
    case 175: return 191;
    default: break;
    }
    if ((c >= 192 && c <= 214) || (c >= 216 && c <= 222))
        return static_cast<uchar>(c + 32);
    return c;
}

std::string UpperStr(std::string_view s)
{
    std::string result(s);
    for (char& c : result)
        c = static_cast<char>(UpperChar(static_cast<uchar>(c)));
    return result;
}

std::string LowerStr(std::string_view s)
{
    std::string result(s);
    for (char& c : result)
        c = static_cast<char>(LowerChar(static_cast<uchar>(c)));
    return result;
}

bool IsUpperLetter(unsigned char c)
{
    return Letters().Upper.test(c);
}
bool IsLowerLetter(unsigned char c)
{
    return Letters().Lower.test(c);
}
bool IsLetter(unsigned char c)
{
    return IsUpperLetter(UpperChar(c));
}
bool IsDigitChar(unsigned char c)
{
    return c >= '0' && c <= '9';
}
bool IsAlnum(unsigned char c)
{
    return IsLetter(c) || IsDigitChar(c);
}
bool IsWordChar(unsigned char c)
{
    return IsAlnum(c) || c == '-';
}
bool IsWordCharComma(unsigned char c)
{
    return IsWordChar(c) || c == ',';
}
bool IsHyphenOrComma(unsigned char c)
{
    return c == '-' || c == ',';
}

bool StartsLower(std::string_view s)
{
    return !s.empty() && IsLowerLetter(static_cast<uchar>(s[0]));
}

bool StartsUpper(std::string_view s)
{
    return !s.empty() && IsUpperLetter(static_cast<uchar>(s[0]));
}

std::string Capitalize(std::string_view s)
{
    if (s.size() < 2)
        return UpperStr(s);
    std::string result(1, static_cast<char>(UpperChar(static_cast<uchar>(s[0]))));
    const std::string_view rest = s.substr(1);
    result += IsUpperLetter(static_cast<uchar>(s[1])) ? LowerStr(rest) : std::string(rest);
    return result;
}

std::string TitleCase(std::string_view s)
{
    std::string result = (s.size() >= 2 && IsLowerLetter(static_cast<uchar>(s[1]))) ? std::string(s) : LowerStr(s);
    bool afterSeparator = true;
    for (char& c : result) {
        if (c == ' ' || c == '-') {
            afterSeparator = true;
            continue;
        }
        if (afterSeparator)
            c = static_cast<char>(UpperChar(static_cast<uchar>(c)));
        afterSeparator = false;
    }
    // The first byte is upper-cased even when it is a separator itself.
    if (!result.empty())
        result[0] = static_cast<char>(UpperChar(static_cast<uchar>(result[0])));
    return result;
}

int CasePattern(std::string_view s)
{
    if (LowerStr(s) == s)
        return wzMale;
    if (UpperStr(s) == s)
        return s.size() == 1 ? wzZWielkiej : wzWielkie;
    if (Capitalize(s) == s)
        return wzZWielkiej;
    if (TitleCase(s) == s)
        return wzTytulowy;
    return wzMieszany;
}

std::string ApplyCasePattern(std::string_view s, int pattern)
{
    switch (pattern) {
    case wzWielkie: return UpperStr(s);
    case wzZWielkiej: return Capitalize(s);
    case wzTytulowy: return TitleCase(s);
    default: return std::string(s);
    }
}

int MakeCasePattern(bool capitalised, bool allCaps, bool titleCase)
{
    if (allCaps)
        return wzWielkie;
    if (titleCase)
        return wzTytulowy;
    return capitalised ? wzZWielkiej : wzMale;
}

bool CasePatternIn(std::string_view s, std::initializer_list<int> patterns)
{
    const int pattern = CasePattern(s);
    return std::find(patterns.begin(), patterns.end(), pattern) != patterns.end();
}

// ---------------------------------------------------------------- scanning with sets

bool FindCharInSet(std::string_view s, int& pos, const TZbiorZnakow& set, bool backwards)
{
    if (pos <= 0)
        return false;
    const int step = backwards ? -1 : 1;
    while (pos >= 1 && pos <= Length(s) && !set.test(At(s, pos)))
        pos += step;
    return pos >= 1 && pos <= Length(s);
}

bool SkipCharsInSet(std::string_view s, int& pos, const TZbiorZnakow& set, bool backwards)
{
    if (pos <= 0)
        return false;
    const int step = backwards ? -1 : 1;
    while (pos >= 1 && pos <= Length(s) && set.test(At(s, pos)))
        pos += step;
    return pos >= 1 && pos <= Length(s);
}

bool CharAtInSet(const TZbiorZnakow& set, std::string_view s, int pos)
{
    return pos >= 1 && pos <= Length(s) && set.test(At(s, pos));
}

bool HasCharInSet(std::string_view s, const TZbiorZnakow& set)
{
    return std::any_of(s.begin(), s.end(), [&](char c) { return set.test(static_cast<uchar>(c)); });
}

void DeleteCharsInSet(std::string& s, const TZbiorZnakow& set)
{
    if (set.none())
        return;
    std::erase_if(s, [&](char c) { return set.test(static_cast<uchar>(c)); });
}

char ClosingBracket(char c)
{
    switch (c) {
    case '(': return ')';
    case '<': return '>';
    case '[': return ']';
    case '{': return '}';
    default: return ' ';
    }
}

void RemoveBracketed(std::string& s, std::string_view openers)
{
    std::size_t pos = 0;
    while ((pos = s.find_first_of(openers, pos)) != std::string::npos) {
        const char closing = ClosingBracket(s[pos]);
        if (closing == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = s.find(closing, pos + 1);
        s.erase(pos, end == std::string::npos ? std::string::npos : end - pos + 1);
    }
}

std::string CommonChars(std::string_view a, std::string_view b)
{
    std::string result;
    for (char c : a)
        if (b.find(c) != std::string_view::npos && result.find(c) == std::string::npos)
            result += c;
    return result;
}

std::string MergeChars(std::string_view a, std::string_view b)
{
    std::string result(a);
    for (char c : b)
        if (result.find(c) == std::string::npos)
            result += c;
    return result;
}

// ---------------------------------------------------------------- trimming

std::string TrimLeft(std::string_view s)
{
    std::size_t start = 0;
    while (start < s.size() && static_cast<uchar>(s[start]) <= ' ')
        ++start;
    return std::string(s.substr(start));
}

std::string TrimRight(std::string_view s)
{
    std::size_t end = s.size();
    while (end > 0 && static_cast<uchar>(s[end - 1]) <= ' ')
        --end;
    return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s)
{
    return TrimLeft(TrimRight(s));
}

// ---------------------------------------------------------------- prefixes and suffixes

bool StartsWith(std::string_view s, std::string_view prefix, bool caseSensitive)
{
    return prefix.size() <= s.size() && EqualBytes(s.substr(0, prefix.size()), prefix, caseSensitive);
}

bool EndsWith(std::string_view s, std::string_view suffix, bool caseSensitive)
{
    return suffix.size() <= s.size() && EqualBytes(s.substr(s.size() - suffix.size()), suffix, caseSensitive);
}

bool MatchesAt(std::string_view sub, std::string_view s, int pos, bool caseSensitive)
{
    if (pos < 1 || pos > Length(s) + 1)
        return false;
    return StartsWith(s.substr(static_cast<std::size_t>(pos - 1)), sub, caseSensitive);
}

bool StartsWithStrict(std::string_view s, std::string_view prefix)
{
    return s.size() > prefix.size() && StartsWith(s, prefix, true);
}

bool ReplacePrefixStrict(std::string& s, std::string_view prefix, std::string_view replacement)
{
    if (!StartsWithStrict(s, prefix))
        return false;
    s.replace(0, prefix.size(), replacement);
    return true;
}

std::string DropFirst(std::string_view s, int n)
{
    if (n <= 0)
        return std::string(s);
    return n >= Length(s) ? std::string() : std::string(s.substr(static_cast<std::size_t>(n)));
}

std::string DropLast(std::string_view s, int n)
{
    if (n <= 0)
        return std::string(s);
    return n >= Length(s) ? std::string() : std::string(s.substr(0, s.size() - static_cast<std::size_t>(n)));
}

std::vector<std::string> CommaListItems(std::string_view commaList)
{
    std::vector<std::string> items;
    if (commaList.empty())
        return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = commaList.find(',', start);
        items.emplace_back(
            commaList.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return items;
}

bool StartsWithAny(std::string_view s, std::string_view commaList, bool caseSensitive)
{
    for (const auto& item : CommaListItems(commaList))
        if (StartsWith(s, item, caseSensitive))
            return true;
    return false;
}

bool EndsWithAny(std::string_view s, std::string_view commaList, bool caseSensitive)
{
    for (const auto& item : CommaListItems(commaList))
        if (EndsWith(s, item, caseSensitive))
            return true;
    return false;
}

std::string StripPrefixAny(std::string_view s, std::string_view commaList, bool caseSensitive)
{
    for (const auto& item : CommaListItems(commaList))
        if (StartsWith(s, item, caseSensitive))
            return std::string(s.substr(item.size()));
    return std::string(s);
}

std::string StripSuffixAny(std::string_view s, std::string_view commaList, bool caseSensitive)
{
    for (const auto& item : CommaListItems(commaList))
        if (EndsWith(s, item, caseSensitive))
            return std::string(s.substr(0, s.size() - item.size()));
    return std::string(s);
}

bool MatchPrefixAny(std::string_view s, std::string_view commaList, std::string& item, std::string& rest)
{
    for (const auto& candidate : CommaListItems(commaList)) {
        if (StartsWith(s, candidate, true)) {
            item = candidate;
            rest = std::string(s.substr(candidate.size()));
            return true;
        }
    }
    return false;
}

bool ContainsAny(std::string_view s, const std::vector<std::string>& strings, bool caseSensitive)
{
    const std::string haystack = caseSensitive ? std::string(s) : LowerStr(s);
    for (const auto& needle : strings)
        if (haystack.find(caseSensitive ? needle : LowerStr(needle)) != std::string::npos)
            return true;
    return false;
}

bool ReplaceEnding(std::string& s, std::string_view ending, std::string_view replacement, bool caseSensitive)
{
    if (!EndsWith(s, ending, caseSensitive))
        return false;
    s.replace(s.size() - ending.size(), ending.size(), replacement);
    return true;
}

char LastChar(std::string_view s)
{
    return s.empty() ? ' ' : s.back();
}

int LastConsonantPos(std::string_view s)
{
    for (int pos = Length(s); pos >= 1; --pos)
        if (Letters().PolishConsonants.test(At(s, pos)))
            return pos;
    return 0;
}

// ---------------------------------------------------------------- list notations

bool InTagList(std::string_view tag, std::string_view list, bool caseInsensitive, bool stripDigits)
{
    std::string needle = "<" + (stripDigits ? StripTrailingDigits(tag) : std::string(tag)) + ">";
    if (!caseInsensitive)
        return list.find(needle) != std::string_view::npos;
    return LowerStr(list).find(LowerStr(needle)) != std::string::npos;
}

bool InCommaList(std::string_view item, std::string_view list)
{
    const std::string haystack = "," + std::string(list) + ",";
    const std::string needle = "," + std::string(item) + ",";
    return haystack.find(needle) != std::string::npos;
}

std::vector<TRegula> RuleListItems(std::string_view rules)
{
    std::vector<TRegula> items;
    std::size_t cursor = 0;
    while (cursor < rules.size()) {
        const std::size_t equals = rules.find('=', cursor);
        if (equals == std::string_view::npos) {
            items.push_back({rules.substr(cursor), {}});
            break;
        }
        const std::size_t comma = rules.find(',', equals + 1);
        const std::size_t valueEnd = comma == std::string_view::npos ? rules.size() : comma;
        items.push_back({rules.substr(cursor, equals - cursor), rules.substr(equals + 1, valueEnd - equals - 1)});
        if (comma == std::string_view::npos)
            break;
        cursor = comma + 1;
    }
    return items;
}

bool ApplyEndingRules(std::string_view s, std::string_view rules, std::string& out, bool caseSensitive)
{
    for (const auto& rule : RuleListItems(rules)) {
        if (EndsWith(s, rule.Key, caseSensitive)) {
            std::string result(s.substr(0, s.size() - rule.Key.size()));
            result += rule.Value;
            out = std::move(result);
            return true;
        }
    }
    return false;
}

bool ApplyEndingRules(std::string& s, std::string_view rules, bool caseSensitive)
{
    const std::string original = s;
    return ApplyEndingRules(original, rules, s, caseSensitive);
}

bool ApplyPrefixRules(std::string_view s, std::string_view rules, std::string& out)
{
    for (const auto& rule : RuleListItems(rules)) {
        if (StartsWith(s, rule.Key, true)) {
            std::string result(rule.Value);
            result += s.substr(rule.Key.size());
            out = std::move(result);
            return true;
        }
    }
    return false;
}

bool ApplyInnerRule(std::string_view rules, int width, std::string& s)
{
    if (width <= 0)
        return false;
    const auto items = RuleListItems(rules);
    for (int start = Length(s) - width + 1; start >= 1; --start) {
        const std::string_view window =
            std::string_view(s).substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(width));
        for (const auto& rule : items) {
            if (StartsWith(window, rule.Key, true)) {
                s.replace(static_cast<std::size_t>(start - 1), rule.Key.size(), rule.Value);
                return true;
            }
        }
    }
    return false;
}

bool EndsWithRuleKey(std::string_view s, std::string_view rules, bool caseSensitive)
{
    for (const auto& rule : RuleListItems(rules))
        if (EndsWith(s, rule.Key, caseSensitive))
            return true;
    return false;
}

bool RuleValue(std::string_view key, std::string_view rules, std::string& value)
{
    for (const auto& rule : RuleListItems(rules)) {
        if (rule.Key == key) {
            value = std::string(rule.Value);
            return true;
        }
    }
    return false;
}

bool ListValue(std::string_view key, std::string_view list, std::string& value)
{
    value.clear();
    const std::string prefix = std::string(key) + "=";
    std::size_t start = 0;
    for (;;) {
        if (list.substr(start).starts_with(prefix)) {
            const std::size_t valueStart = start + prefix.size();
            const std::size_t comma = list.find(',', valueStart);
            value = std::string(
                list.substr(valueStart, comma == std::string_view::npos ? std::string_view::npos : comma - valueStart));
            return true;
        }
        const std::size_t comma = list.find(',', start);
        if (comma == std::string_view::npos)
            return false;
        start = comma + 1;
    }
}

bool QuotedValue(std::string_view key, std::string_view text, std::string& value)
{
    value.clear();
    const std::string opening = "\"" + std::string(key) + "=";
    const std::size_t start = text.find(opening);
    if (start == std::string_view::npos)
        return false;
    const std::size_t valueStart = start + opening.size();
    const std::size_t end = text.find('"', valueStart);
    value =
        std::string(text.substr(valueStart, end == std::string_view::npos ? std::string_view::npos : end - valueStart));
    return true;
}

// ---------------------------------------------------------------- replacement

std::string ReplaceAll(std::string_view s, std::string_view old, std::string_view replacement)
{
    std::string result(s);
    if (old.empty())
        return result;
    if (replacement.find(old) != std::string_view::npos) {
        std::string out;
        std::size_t pos = 0;
        for (std::size_t hit; (hit = result.find(old, pos)) != std::string::npos; pos = hit + old.size()) {
            out.append(result, pos, hit - pos);
            out += replacement;
        }
        out.append(result, pos);
        return out;
    }
    // Each replacement shortens or keeps the text from the first hit onwards, and the
    // replacement itself cannot hold old, so this ends; resume just before the last hit.
    // A bound on the passes keeps a pathological pair of strings from looping forever.
    std::size_t from = 0;
    std::size_t passes = 16 * (result.size() + 1);
    for (std::size_t hit; passes-- > 0 && (hit = result.find(old, from)) != std::string::npos;) {
        result.replace(hit, old.size(), replacement);
        from = hit >= old.size() ? hit - old.size() + 1 : 0;
    }
    return result;
}

std::string DeleteAll(std::string_view s, const std::vector<std::string>& strings)
{
    std::string result(s);
    for (const auto& item : strings) {
        if (item.empty())
            continue;
        for (std::size_t hit; (hit = result.find(item)) != std::string::npos;)
            result.erase(hit, item.size());
    }
    return result;
}

std::string DeleteFromTag(std::string_view s, std::string_view tag, bool toNextSpace)
{
    std::string result(s);
    if (tag.empty())
        return result;
    std::size_t hit = result.find(tag);
    if (hit == std::string::npos)
        return result;
    if (!toNextSpace) {
        result.erase(hit);
        return result;
    }
    for (; hit != std::string::npos; hit = result.find(tag, hit)) {
        const std::size_t space = result.find(' ', hit + tag.size());
        result.erase(hit, space == std::string::npos ? std::string::npos : space - hit);
    }
    return result;
}

std::string FoldGermanDigraphs(std::string_view s)
{
    static const std::pair<const char*, const char*> kFolds[] = {{"AE", "\xC4"}, {"Ae", "\xC4"}, {"ae", "\xE4"},
                                                                 {"OE", "\xD6"}, {"Oe", "\xD6"}, {"oe", "\xF6"},
                                                                 {"UE", "\xDC"}, {"Ue", "\xDC"}, {"ue", "\xFC"}};
    std::string result(s);
    for (const auto& [from, to] : kFolds)
        result = ReplaceAll(result, from, to);
    return result;
}

// ---------------------------------------------------------------- splitting

void SplitAt(std::string_view s, std::string_view separator, bool keepSeparatorLeft, std::string& left,
             std::string& right)
{
    const std::size_t hit = separator.empty() ? std::string_view::npos : s.find(separator);
    if (hit == std::string_view::npos) {
        left = std::string(s);
        right.clear();
        return;
    }
    const std::size_t cut = keepSeparatorLeft ? hit + separator.size() : hit;
    left = std::string(s.substr(0, cut));
    right = std::string(s.substr(keepSeparatorLeft ? cut : hit));
}

void SplitAtStar(std::string_view s, std::string& left, std::string& right, bool skipTwo)
{
    const std::size_t hit = s.find(" *");
    if (hit == std::string_view::npos) {
        left = std::string(s);
        right.clear();
        return;
    }
    const std::size_t start = std::min(s.size(), hit + (skipTwo ? 2 : 1));
    left = std::string(s.substr(0, hit));
    right = std::string(s.substr(start));
}

std::string FirstWord(std::string_view s)
{
    const std::string trimmed = Trim(s);
    return trimmed.substr(0, trimmed.find(' '));
}

std::string SecondWord(std::string_view s)
{
    const std::string trimmed = Trim(s);
    const std::size_t space = trimmed.find(' ');
    if (space == std::string::npos)
        return {};
    return FirstWord(std::string_view(trimmed).substr(space));
}

std::string LastWord(std::string_view s)
{
    const std::string trimmed = Trim(s);
    const std::size_t space = trimmed.rfind(' ');
    return space == std::string::npos ? trimmed : trimmed.substr(space + 1);
}

std::string WordAt(std::string_view s, int& from, int& to)
{
    if (from < 1)
        from = 1;
    while (from <= Length(s) && IsSpace(At(s, from)))
        ++from;
    to = from;
    while (to <= Length(s) && !IsSpace(At(s, to)))
        ++to;
    if (from > Length(s))
        return {};
    return Trim(s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from)));
}

std::string StripTrailingDigits(std::string_view s)
{
    std::size_t end = s.size();
    while (end > 1 && IsDigitChar(static_cast<uchar>(s[end - 1])))
        --end;
    return std::string(s.substr(0, end));
}

// ---------------------------------------------------------------- numbers

bool IsNumeral(std::string_view s)
{
    bool digit = false;
    for (char c : s) {
        if (IsDigitChar(static_cast<uchar>(c)))
            digit = true;
        else if (c != ' ' && c != ',' && c != '.')
            return false;
    }
    return digit;
}

bool IsClockTime(std::string_view s)
{
    const int length = Length(s);
    if (length == 1 || length == 2) {
        int value = 0;
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
        return error == std::errc() && end == s.data() + s.size() && value >= 0 && value <= 24;
    }
    if (length == 4 || length == 5) {
        const char separator = s[static_cast<std::size_t>(length - 3)];
        return separator == '.' || separator == ':';
    }
    return false;
}

namespace {

struct TSlowoLiczby {
    std::uint8_t Alphabet;
    const char* Word; // UTF-8
    double Value;
};

// English, German and Polish number words; French has none.
constexpr TSlowoLiczby kNumberWords[] = {
    {1, "zero", 0},
    {1, "one", 1},
    {1, "two", 2},
    {1, "three", 3},
    {1, "four", 4},
    {1, "five", 5},
    {1, "six", 6},
    {1, "seven", 7},
    {1, "eight", 8},
    {1, "nine", 9},
    {1, "ten", 10},
    {1, "eleven", 11},
    {1, "twelve", 12},
    {1, "thirteen", 13},
    {1, "fourteen", 14},
    {1, "fifteen", 15},
    {1, "sixteen", 16},
    {1, "seventeen", 17},
    {1, "eighteen", 18},
    {1, "nineteen", 19},
    {1, "twenty", 20},
    {1, "thirty", 30},
    {1, "forty", 40},
    {1, "fifty", 50},
    {1, "sixty", 60},
    {1, "seventy", 70},
    {1, "eighty", 80},
    {1, "ninety", 90},
    {1, "hundred", 100},
    {1, "thousand", 1e3},
    {1, "million", 1e6},
    {1, "billion", 1e9},
    {3, "null", 0},
    {3, "eins", 1},
    {3, "zwei", 2},
    {3, "drei", 3},
    {3, "vier", 4},
    {3, "fünf", 5},
    {3, "sechs", 6},
    {3, "sieben", 7},
    {3, "acht", 8},
    {3, "neun", 9},
    {3, "zehn", 10},
    {3, "elf", 11},
    {3, "zwölf", 12},
    {3, "dreizehn", 13},
    {3, "vierzehn", 14},
    {3, "fünfzehn", 15},
    {3, "sechzehn", 16},
    {3, "siebzehn", 17},
    {3, "achtzehn", 18},
    {3, "neunzehn", 19},
    {3, "zwanzig", 20},
    {3, "dreißig", 30},
    {3, "vierzig", 40},
    {3, "fünfzig", 50},
    {3, "sechzig", 60},
    {3, "siebzig", 70},
    {3, "achtzig", 80},
    {3, "neunzig", 90},
    {3, "hundert", 100},
    {3, "tausend", 1e3},
    {3, "Million", 1e6},
    {3, "Milliarde", 1e9},
    {4, "zero", 0},
    {4, "jeden", 1},
    {4, "dwa", 2},
    {4, "trzy", 3},
    {4, "cztery", 4},
    {4, "pięć", 5},
    {4, "sześć", 6},
    {4, "siedem", 7},
    {4, "osiem", 8},
    {4, "dziewięć", 9},
    {4, "dziesięć", 10},
    {4, "jedenaście", 11},
    {4, "dwanaście", 12},
    {4, "trzynaście", 13},
    {4, "czternaście", 14},
    {4, "piętnaście", 15},
    {4, "szesnaście", 16},
    {4, "siedemnaście", 17},
    {4, "osiemnaście", 18},
    {4, "dziewiętnaście", 19},
    {4, "dwadzieścia", 20},
    {4, "trzydzieści", 30},
    {4, "czterdzieści", 40},
    {4, "pięćdziesiąt", 50},
    {4, "sześćdziesiąt", 60},
    {4, "siedemdziesiąt", 70},
    {4, "osiemdziesiąt", 80},
    {4, "dziewięćdziesiąt", 90},
    {4, "sto", 100},
    {4, "dwieście", 200},
    {4, "trzysta", 300},
    {4, "czterysta", 400},
    {4, "pięćset", 500},
    {4, "sześćset", 600},
    {4, "siedemset", 700},
    {4, "osiemset", 800},
    {4, "dziewięćset", 900},
    {4, "tysiąc", 1e3},
    {4, "milion", 1e6},
    {4, "miliard", 1e9},
    {4, "bilion", 1e12},
};

const std::vector<std::pair<std::string, const TSlowoLiczby*>>& NumberWords()
{
    static const auto words = [] {
        std::vector<std::pair<std::string, const TSlowoLiczby*>> converted;
        for (const auto& row : kNumberWords)
            converted.emplace_back(FromUtf8(row.Word), &row);
        return converted;
    }();
    return words;
}

const TSlowoLiczby* FindNumberWord(std::string_view word, std::uint8_t alphabetId)
{
    for (const auto& [bytes, row] : NumberWords())
        if (row->Alphabet == alphabetId && bytes == word)
            return row;
    return nullptr;
}

double ParseDigits(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return -1;
    return value;
}

double ParseWords(const std::string& text, std::uint8_t alphabetId)
{
    double result = -1;
    bool first = true;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(" -", start);
        if (end == std::string::npos)
            end = text.size();
        if (const auto* row = FindNumberWord(std::string_view(text).substr(start, end - start), alphabetId)) {
            if (first)
                result = row->Value;
            else if (row->Value >= 100)
                result *= row->Value;
            else
                result += row->Value;
            first = false;
        }
        start = end + 1;
    }
    return result;
}

} // namespace

double ParseNumber(std::string_view s, std::uint8_t alphabetId)
{
    const bool polish = alphabetId == 4;
    const char decimalSeparator = polish ? ',' : '.';
    const char groupSeparator = polish ? '.' : ',';

    std::string text(s);
    std::erase_if(text, [&](char c) { return c == groupSeparator || c == '%' || c == '-'; });
    text = Trim(text);
    if (alphabetId == 1)
        ApplyEndingRules(text, "st=,nd=,rd=,th=");
    else if (alphabetId == 2)
        ApplyEndingRules(text, FromUtf8("er=,ère=,ème="));
    std::replace(text.begin(), text.end(), decimalSeparator, '.');

    if (!text.empty() && IsDigitChar(static_cast<uchar>(text[0])))
        return ParseDigits(text);
    return ParseWords(text, alphabetId);
}

namespace {

TZbiorZnakow VowelSet(std::uint8_t alphabetId)
{
    switch (alphabetId) {
    case 1: return CharsToSet(FromUtf8("AEIOUYaeiouyÉé"));
    case 2: return CharsToSet(FromUtf8("AEIOUaeiouÀÂÈÉÊËÎÏÔÙÛàâèéêëîïôùû"));
    case 3: return CharsToSet(FromUtf8("AEIOUYaeiouyÄÖÜäöü"));
    case 4: return CharsToSet(FromUtf8("AEIOUYaeiouyĄąĘęÓó"));
    case 6: return CharsToSet(FromUtf8("AEIOUYaeiouyÁÉÍÓÚÜáéíóúü"));
    case 7:
    case 8: return CharsToSet(FromUtf8("AEIOUYaeiouyÀÈÉÌÒÓÙàèéìòóù"));
    case 9: {
        TZbiorZnakow set = CharsToSet("AEIOUYaeiouy");
        for (int c : {193, 194, 196, 201, 203, 204, 205, 211, 218, 219, 220, 221,
                      225, 226, 228, 233, 235, 236, 237, 243, 250, 251, 252, 253})
            set.set(static_cast<std::size_t>(c));
        return set;
    }
    default: return {};
    }
}

} // namespace

int CountSyllables(std::string_view s, std::uint8_t alphabetId)
{
    const TZbiorZnakow vowels = VowelSet(alphabetId);
    int count = 0;
    bool inVowels = false;
    for (char c : s) {
        const bool vowel = vowels.test(static_cast<uchar>(c));
        if (alphabetId == 9)
            count += vowel ? 1 : 0;
        else if (vowel && !inVowels)
            ++count;
        inVowels = vowel;
    }
    return count;
}

// ---------------------------------------------------------------- wide text

namespace {

// Bytes that hold a Polish letter in code page 1250 and no letter in 1252.
constexpr std::pair<uchar, char16_t> kPolishOnly[] = {{143, u'Ź'}, {163, u'Ł'}, {165, u'Ą'}, {175, u'Ż'},
                                                      {179, u'ł'}, {185, u'ą'}, {191, u'ż'}};

// Bytes that hold a Polish letter in 1250 and another letter in 1252.
struct TDwaZnaki {
    uchar Byte;
    char16_t Polish;
    char16_t Western;
};
constexpr TDwaZnaki kShared[] = {{140, u'Ś', u'Œ'}, {156, u'ś', u'œ'}, {159, u'ź', u'Ÿ'},
                                 {198, u'Ć', u'Æ'}, {202, u'Ę', u'Ê'}, {209, u'Ń', u'Ñ'},
                                 {230, u'ć', u'æ'}, {234, u'ę', u'ê'}, {241, u'ń', u'ñ'}};

// Code page 1252 punctuation in 128–159.
constexpr std::pair<uchar, char16_t> kPunctuation[] = {
    {128, u'€'}, {130, u'‚'}, {132, u'„'}, {133, u'…'}, {134, u'†'}, {135, u'‡'}, {137, u'‰'}, {139, u'‹'}, {145, u'‘'},
    {146, u'’'}, {147, u'“'}, {148, u'”'}, {149, u'•'}, {150, u'–'}, {151, u'—'}, {153, u'™'}, {155, u'›'}};

// Latin Extended-A letters of code page 1250.
constexpr std::pair<char16_t, uchar> kLatinExtended[] = {
    {u'Ă', 195}, {u'ă', 227}, {u'Ą', 165}, {u'ą', 185}, {u'Ć', 198}, {u'ć', 230}, {u'Č', 200}, {u'č', 232},
    {u'Ď', 207}, {u'ď', 239}, {u'Ę', 202}, {u'ę', 234}, {u'Ě', 204}, {u'ě', 236}, {u'Ĺ', 197}, {u'ĺ', 229},
    {u'Ł', 163}, {u'ł', 179}, {u'Ń', 209}, {u'ń', 241}, {u'Ň', 210}, {u'ň', 242}, {u'Ő', 213}, {u'ő', 245},
    {u'Ŕ', 192}, {u'ŕ', 224}, {u'Ř', 216}, {u'ř', 248}, {u'Ś', 140}, {u'ś', 156}, {u'Ţ', 222}, {u'ţ', 254},
    {u'Ů', 217}, {u'ů', 249}, {u'Ű', 219}, {u'ű', 251}, {u'Ź', 143}, {u'ź', 159}, {u'Ż', 175}, {u'ż', 191}};

struct TTabeleWide {
    std::array<char16_t, 256> Polish{};
    std::array<char16_t, 256> Western{};
    std::array<char16_t, 256> Russian{};
};

const TTabeleWide& WideTables()
{
    static const TTabeleWide tables = [] {
        TTabeleWide t;
        for (int b = 0; b < 256; ++b)
            t.Polish[b] = t.Western[b] = static_cast<char16_t>(b);
        for (const auto& [byte, punctuation] : kPunctuation)
            t.Polish[byte] = t.Western[byte] = punctuation;
        t.Russian = t.Western;
        for (const auto& [byte, letter] : kPolishOnly)
            t.Polish[byte] = t.Western[byte] = letter;
        for (const auto& shared : kShared) {
            t.Polish[shared.Byte] = shared.Polish;
            t.Western[shared.Byte] = shared.Western;
        }
        for (int b = 160; b < 256; ++b)
            t.Russian[b] = static_cast<char16_t>(b);
        t.Russian[168] = u'Ё';
        t.Russian[184] = u'ё';
        for (int b = 192; b < 256; ++b)
            t.Russian[b] = static_cast<char16_t>(0x0410 + (b - 192));
        return t;
    }();
    return tables;
}

} // namespace

TWide ToWide(std::string_view s, std::uint8_t language, bool /*strict*/)
{
    const auto& tables = WideTables();
    const auto& table = language == jezRosyjski ? tables.Russian
                        : language == jezPolski ? tables.Polish
                                                : tables.Western;
    TWide result;
    result.reserve(s.size());
    for (char c : s)
        result += table[static_cast<uchar>(c)];
    return result;
}

namespace {

std::optional<uchar> ByteOf(char16_t c)
{
    if (c <= 0xFF)
        return static_cast<uchar>(c);
    for (const auto& [letter, byte] : kLatinExtended)
        if (letter == c)
            return byte;
    switch (c) {
    case u'Œ': return 140;
    case u'œ': return 156;
    case u'Ÿ': return 159;
    case u'Ё': return 168;
    case u'ё': return 184;
    default: break;
    }
    if (c >= 0x0410 && c <= 0x044F)
        return static_cast<uchar>(192 + (c - 0x0410));
    for (const auto& [byte, punctuation] : kPunctuation)
        if (punctuation == c)
            return byte;
    return std::nullopt;
}

} // namespace

std::string FromWide(std::u16string_view w)
{
    std::string result;
    result.reserve(w.size());
    for (char16_t c : w) {
        const auto byte = ByteOf(c);
        result += byte ? static_cast<char>(*byte) : '?';
    }
    return result;
}

char16_t WideUpperChar(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7)
        return static_cast<char16_t>(c - 32);
    if (c == u'ÿ')
        return u'Ÿ';
    if (c >= 0x0430 && c <= 0x044F)
        return static_cast<char16_t>(c - 32);
    if (c == u'ё')
        return u'Ё';
    if (c == u'œ')
        return u'Œ';
    for (std::size_t i = 1; i < std::size(kLatinExtended); i += 2)
        if (kLatinExtended[i].first == c)
            return kLatinExtended[i - 1].first;
    return c;
}

char16_t WideLowerChar(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)
        return static_cast<char16_t>(c + 32);
    if (c == u'Ÿ')
        return u'ÿ';
    if (c >= 0x0410 && c <= 0x042F)
        return static_cast<char16_t>(c + 32);
    if (c == u'Ё')
        return u'ё';
    if (c == u'Œ')
        return u'œ';
    for (std::size_t i = 0; i + 1 < std::size(kLatinExtended); i += 2)
        if (kLatinExtended[i].first == c)
            return kLatinExtended[i + 1].first;
    return c;
}

TWide WideUpper(std::u16string_view w)
{
    TWide result(w);
    for (auto& c : result)
        c = WideUpperChar(c);
    return result;
}

TWide WideLower(std::u16string_view w)
{
    TWide result(w);
    for (auto& c : result)
        c = WideLowerChar(c);
    return result;
}

namespace {

bool IsWideUpper(char16_t c)
{
    return WideLowerChar(c) != c;
}

bool IsWideLower(char16_t c)
{
    return WideUpperChar(c) != c;
}

} // namespace

TWide WideCapitalize(std::u16string_view w)
{
    if (w.size() < 2)
        return WideUpper(w);
    TWide result(1, WideUpperChar(w[0]));
    result += IsWideUpper(w[1]) ? WideLower(w.substr(1)) : TWide(w.substr(1));
    return result;
}

TWide WideTitleCase(std::u16string_view w)
{
    TWide result = (w.size() >= 2 && IsWideLower(w[1])) ? TWide(w) : WideLower(w);
    bool afterSeparator = true;
    for (auto& c : result) {
        if (c == u' ' || c == u'-') {
            afterSeparator = true;
            continue;
        }
        if (afterSeparator)
            c = WideUpperChar(c);
        afterSeparator = false;
    }
    if (!result.empty())
        result[0] = WideUpperChar(result[0]);
    return result;
}

int WideCasePattern(std::u16string_view w)
{
    if (WideLower(w) == w)
        return wzMale;
    if (WideUpper(w) == w)
        return w.size() == 1 ? wzZWielkiej : wzWielkie;
    if (WideCapitalize(w) == w)
        return wzZWielkiej;
    if (WideTitleCase(w) == w)
        return wzTytulowy;
    return wzMieszany;
}

TWide WideApplyCasePattern(std::u16string_view w, int pattern)
{
    switch (pattern) {
    case wzWielkie: return WideUpper(w);
    case wzZWielkiej: return WideCapitalize(w);
    case wzTytulowy: return WideTitleCase(w);
    default: return TWide(w);
    }
}

TWide WideTrim(std::u16string_view w)
{
    const auto first = w.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = w.find_last_not_of(u' ');
    return TWide(w.substr(first, last - first + 1));
}

// ---------------------------------------------------------------- UTF-8

namespace {

// Decodes one UTF-8 sequence at pos into code and advances pos. A malformed sequence
// gives U+FFFD, consumes one byte and returns false.
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& code)
{
    const uchar lead = static_cast<uchar>(s[pos]);
    std::size_t extra = 0;
    if (lead < 0x80) {
        ++pos;
        code = lead;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
    }
    auto malformed = [&] {
        ++pos;
        code = 0xFFFD;
        return false;
    };
    if (extra == 0 || pos + extra >= s.size())
        return malformed();
    for (std::size_t i = 1; i <= extra; ++i) {
        const uchar next = static_cast<uchar>(s[pos + i]);
        if ((next & 0xC0) != 0x80)
            return malformed();
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return malformed();
    pos += extra + 1;
    return true;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

TWide Utf8ToWide(std::string_view utf8)
{
    TWide result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t code = 0;
        DecodeUtf8(utf8, pos, code);
        if (code >= 0x10000) {
            const char32_t offset = code - 0x10000;
            result += static_cast<char16_t>(0xD800 + (offset >> 10));
            result += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
    }
    return result;
}

std::string WideToUtf8(std::u16string_view w)
{
    std::string result;
    result.reserve(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        char32_t code = w[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (w[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(result, code);
    }
    return result;
}

std::string FromUtf8(std::string_view utf8)
{
    return FromWide(Utf8ToWide(utf8));
}

std::string ToUtf8(std::string_view s, std::uint8_t language)
{
    return WideToUtf8(ToWide(s, language));
}

bool IsValidUtf8(std::string_view bytes)
{
    char32_t code = 0;
    for (std::size_t pos = 0; pos < bytes.size();)
        if (!DecodeUtf8(bytes, pos, code))
            return false;
    return true;
}

std::uint32_t ByteSwap32(std::uint32_t value)
{
    return ((value & 0x000000FFu) << 24) | ((value & 0x0000FF00u) << 8) | ((value & 0x00FF0000u) >> 8) |
           ((value & 0xFF000000u) >> 24);
}

} // namespace velmar
