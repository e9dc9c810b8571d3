#pragma once
// Text routines shared by the whole linguistic program.
//
// Linguistic text is 8-bit: the bytes of Windows code page 1250 for Polish and 1252
// for French, mixed freely in one string. Positions at these interfaces are 1-based
// and lengths count bytes. The embedded word and rule lists are written in three
// notations: tag lists "<a><b>", comma lists "a,b" and rule lists "key=value,…"
// applied first match in list order — their exact semantics decide every inflected
// form, so nothing here looks for a "best" or longest match.

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velmar {

// ---------------------------------------------------------------- character sets

// A set of byte values.
using TZbiorZnakow = std::bitset<256>;

TZbiorZnakow CharsToSet(std::string_view chars);
// Members in ascending byte order, byte 0 excluded.
std::string SetToChars(const TZbiorZnakow& set);
// Members as "+%d " items, for diagnostics.
std::string SetToNumbers(const TZbiorZnakow& set);

// ---------------------------------------------------------------- letters and case

// The 60 upper-case letters known to the system (Polish in 1250, French and German in
// 1252, and Č Š Ž), as bytes.
const std::string& UpperAlphabet();

unsigned char UpperChar(unsigned char c);
unsigned char LowerChar(unsigned char c);
std::string UpperStr(std::string_view s);
std::string LowerStr(std::string_view s);

bool IsLetter(unsigned char c);
bool IsUpperLetter(unsigned char c);
bool IsLowerLetter(unsigned char c);
bool IsDigitChar(unsigned char c);
bool IsAlnum(unsigned char c);
bool IsWordChar(unsigned char c);      // letter, digit or "-"
bool IsWordCharComma(unsigned char c); // as IsWordChar, or ","
bool IsHyphenOrComma(unsigned char c);
bool StartsLower(std::string_view s);
bool StartsUpper(std::string_view s);

// Case patterns of a word.
enum TWzorWielkosci : int {
    wzWielkie = 0,   // all capitals (longer than one byte)
    wzZWielkiej = 1, // capitalised, or a single capital
    wzMale = 2,      // no capitals
    wzTytulowy = 3,  // every word capitalised
    wzMieszany = 4,
};

std::string Capitalize(std::string_view s);
std::string TitleCase(std::string_view s);
int CasePattern(std::string_view s);
std::string ApplyCasePattern(std::string_view s, int pattern);
int MakeCasePattern(bool capitalised, bool allCaps, bool titleCase);
bool CasePatternIn(std::string_view s, std::initializer_list<int> patterns);

// ---------------------------------------------------------------- scanning with sets

// From pos (1-based) step forwards (or backwards) while pos lies in the string and
// s[pos] is not in set; true when pos ended inside the string. pos ≤ 0 fails at once.
bool FindCharInSet(std::string_view s, int& pos, const TZbiorZnakow& set, bool backwards = false);
// The same, stepping while s[pos] is in set.
bool SkipCharsInSet(std::string_view s, int& pos, const TZbiorZnakow& set, bool backwards = false);
bool CharAtInSet(const TZbiorZnakow& set, std::string_view s, int pos);
bool HasCharInSet(std::string_view s, const TZbiorZnakow& set);
void DeleteCharsInSet(std::string& s, const TZbiorZnakow& set);
// ")" for "(", ">" for "<", "]" for "[", "}" for "{", a space for anything else.
char ClosingBracket(char c);
// Deletes every bracketed stretch opened by a byte of openers (through the end of the
// string when it is not closed).
void RemoveBracketed(std::string& s, std::string_view openers);
std::string CommonChars(std::string_view a, std::string_view b);
std::string MergeChars(std::string_view a, std::string_view b);

// ---------------------------------------------------------------- trimming

// Removes control bytes and spaces (≤ 32) at both ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// ---------------------------------------------------------------- prefixes and suffixes

bool StartsWith(std::string_view s, std::string_view prefix, bool caseSensitive = true);
bool EndsWith(std::string_view s, std::string_view suffix, bool caseSensitive = true);
bool MatchesAt(std::string_view sub, std::string_view s, int pos, bool caseSensitive = true);
// Case-sensitive, and s is longer than prefix.
bool StartsWithStrict(std::string_view s, std::string_view prefix);
bool ReplacePrefixStrict(std::string& s, std::string_view prefix, std::string_view replacement);
std::string DropFirst(std::string_view s, int n);
std::string DropLast(std::string_view s, int n);
bool StartsWithAny(std::string_view s, std::string_view commaList, bool caseSensitive = true);
bool EndsWithAny(std::string_view s, std::string_view commaList, bool caseSensitive = true);
std::string StripPrefixAny(std::string_view s, std::string_view commaList, bool caseSensitive = true);
std::string StripSuffixAny(std::string_view s, std::string_view commaList, bool caseSensitive = true);
// Case-sensitive: the first item of the list that is a prefix, and what follows it.
bool MatchPrefixAny(std::string_view s, std::string_view commaList, std::string& item, std::string& rest);
bool ContainsAny(std::string_view s, const std::vector<std::string>& strings, bool caseSensitive = true);
bool ReplaceEnding(std::string& s, std::string_view ending, std::string_view replacement, bool caseSensitive = true);
// The last byte, or a space for the empty string.
char LastChar(std::string_view s);
// Position of the last Polish consonant (1-based), 0 when there is none.
int LastConsonantPos(std::string_view s);

// ---------------------------------------------------------------- list notations

// The items of a comma list, in order (an empty list has no item).
std::vector<std::string> CommaListItems(std::string_view commaList);
// True when the list holds "<tag>" as a substring. stripDigits first removes the tag's
// trailing digits; caseInsensitive lower-cases both sides.
bool InTagList(std::string_view tag, std::string_view list, bool caseInsensitive = false, bool stripDigits = false);
bool InCommaList(std::string_view item, std::string_view list);

// One key=value pair of a rule list.
struct TRegula {
    std::string_view Key;
    std::string_view Value;
};
// The rules of a list in order: a key runs to the next "=", its value to the next ",".
std::vector<TRegula> RuleListItems(std::string_view rules);

// At the first rule whose key ends s, out = s without the key + value; true. When no
// rule matches out is not written. s and out may be the same string.
bool ApplyEndingRules(std::string_view s, std::string_view rules, std::string& out, bool caseSensitive = true);
bool ApplyEndingRules(std::string& s, std::string_view rules, bool caseSensitive = true);
// Case-sensitive; at the first rule whose key is a prefix, out = value + s without key.
bool ApplyPrefixRules(std::string_view s, std::string_view rules, std::string& out);
// Looks at the windows of width bytes from the rightmost leftwards; at the first window
// that starts with a key (first key in list order) puts the value in place of the key.
bool ApplyInnerRule(std::string_view rules, int width, std::string& s);
bool EndsWithRuleKey(std::string_view s, std::string_view rules, bool caseSensitive = true);
// Exact, case-sensitive key comparison; the value of the first equal key.
bool RuleValue(std::string_view key, std::string_view rules, std::string& value);
// Compares the text at each item start with key + "="; value is cleared first.
bool ListValue(std::string_view key, std::string_view list, std::string& value);
// The value of "key=value" between double quotes inside a longer text; empty if absent.
bool QuotedValue(std::string_view key, std::string_view text, std::string& value);

// ---------------------------------------------------------------- replacement

// When replacement holds old, one left-to-right pass; otherwise replaces the first
// occurrence again and again until none is left ("aa"→"a" reduces runs to one).
std::string ReplaceAll(std::string_view s, std::string_view old, std::string_view replacement);
std::string DeleteAll(std::string_view s, const std::vector<std::string>& strings);
std::string DeleteFromTag(std::string_view s, std::string_view tag, bool toNextSpace);
std::string FoldGermanDigraphs(std::string_view s);

// ---------------------------------------------------------------- splitting

void SplitAt(std::string_view s, std::string_view separator, bool keepSeparatorLeft, std::string& left,
             std::string& right);
// Splits at the first " *"; right starts two bytes after the space when skipTwo.
void SplitAtStar(std::string_view s, std::string& left, std::string& right, bool skipTwo);
std::string FirstWord(std::string_view s);
std::string SecondWord(std::string_view s);
std::string LastWord(std::string_view s);
// Skips spaces from `from` (1-based), sets `to` to the next space (length + 1 when
// none) and returns the trimmed word between.
std::string WordAt(std::string_view s, int& from, int& to);
// Removes trailing digits, never the first byte.
std::string StripTrailingDigits(std::string_view s);

// ---------------------------------------------------------------- numbers

bool IsNumeral(std::string_view s);
bool IsClockTime(std::string_view s);
// The value of a number written in digits or (Polish, English, German) in words;
// −1 when nothing can be read.
double ParseNumber(std::string_view s, std::uint8_t alphabetId);
int CountSyllables(std::string_view s, std::uint8_t alphabetId);

// ---------------------------------------------------------------- wide text

// Interface text is UTF-16.
using TWide = std::u16string;

// Byte by byte into UTF-16 by the reading of the language's code page. strict is
// accepted for the platforms without Unicode controls and has no effect here.
TWide ToWide(std::string_view s, std::uint8_t language, bool strict = false);
// Back to 8-bit: a code point with no byte of its own becomes "?".
std::string FromWide(std::u16string_view w);

char16_t WideUpperChar(char16_t c);
char16_t WideLowerChar(char16_t c);
TWide WideUpper(std::u16string_view w);
TWide WideLower(std::u16string_view w);
TWide WideCapitalize(std::u16string_view w);
TWide WideTitleCase(std::u16string_view w);
int WideCasePattern(std::u16string_view w);
TWide WideApplyCasePattern(std::u16string_view w, int pattern);
// Removes spaces only.
TWide WideTrim(std::u16string_view w);

// UTF-8 ↔ UTF-16, for files, the command line and the source code's word lists.
// Malformed UTF-8 becomes U+FFFD.
TWide Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view w);
// UTF-8 text (as written in source files and readable data) to 8-bit linguistic text.
std::string FromUtf8(std::string_view utf8);
// 8-bit text of a language to UTF-8.
std::string ToUtf8(std::string_view s, std::uint8_t language);
// Whether the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// printf-style formatting of 8-bit text; std::string arguments are passed as %s.
template <typename... Args>
std::string Format(const std::string& format, const Args&... args);

// Formats a UTF-16 format with 8-bit arguments and reads the result in the language.
template <typename... Args>
TWide WideFormat(std::u16string_view format, std::uint8_t language, const Args&... args)
{
    return ToWide(Format(FromWide(format), args...), language);
}

std::uint32_t ByteSwap32(std::uint32_t value);

// ---------------------------------------------------------------- implementation

namespace detail {
template <typename T>
auto FormatArgument(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return value.c_str();
    else
        return value;
}
} // namespace detail

template <typename... Args>
std::string Format(const std::string& format, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0) {
        return format;
    } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
        const int size = std::snprintf(nullptr, 0, format.c_str(), detail::FormatArgument(args)...);
        if (size <= 0)
            return {};
        std::string result(static_cast<std::size_t>(size) + 1, '\0');
        std::snprintf(result.data(), result.size(), format.c_str(), detail::FormatArgument(args)...);
#pragma GCC diagnostic pop
        result.resize(static_cast<std::size_t>(size));
        return result;
    }
}

} // namespace velmar
