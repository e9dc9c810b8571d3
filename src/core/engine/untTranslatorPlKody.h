#pragma once
// The Polish form codes the sentence stages test (the numbering of the forms file),
// the case strings ("1"–"7" singular, "A"–"G" plural) and the word lists several
// stages share.

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

inline bool IsOneOf(int value, std::initializer_list<int> values)
{
    for (const int v : values)
        if (v == value)
            return true;
    return false;
}

inline bool IsPlNounCode(int code)
{
    return (code >= 1 && code <= 64) || (code >= 68 && code <= 70) || (code >= 181 && code <= 189);
}
// Nouns and pronouns.
inline bool IsPlNominalCode(int code)
{
    return IsPlNounCode(code) || code == 210 || code == 216;
}
inline bool IsPlAdjectiveCode(int code)
{
    return code >= 78 && code <= 99;
}
inline bool IsPlParticipleCode(int code)
{
    return code >= 150 && code <= 170;
}
inline bool IsPlModifierCode(int code)
{
    return IsPlAdjectiveCode(code) || code == 210 || code == 216 || IsPlParticipleCode(code);
}
inline bool IsPlVerbCode(int code)
{
    return code >= 100 && code <= 149;
}
// The forms that make a clause: present, past, conditional, future, impersonal.
inline bool IsPlFiniteCode(int code)
{
    return (code >= 101 && code <= 141) || code == 144 || code == 146 || code == 148 || code == 149;
}

inline bool IsPluralCase(char c)
{
    return c >= 'A' && c <= 'G';
}
inline bool BeginsPlural(std::string_view cases)
{
    return !cases.empty() && IsPluralCase(cases.front());
}
inline bool Meets(std::string_view cases, std::string_view other)
{
    return !CommonChars(cases, other).empty();
}

// The subject pronouns, and the pronouns that form a group of their own.
inline constexpr std::string_view kSubjectPronouns = "<ja><ty><Ty><on><ona><ono><my><wy><Wy><oni><one>";
inline constexpr std::string_view kCoordination = "<,><i><oraz><lub><albo>";
inline constexpr std::string_view kNegations = "<nie><nie1><nie2>";
// The negative pronouns and adverbs French puts after the verb ("je ne sais rien").
inline constexpr std::string_view kNegativeObjects = "<nic><niczego><nikogo><nikomu><nigdy><nigdzie>";

// A Polish text of the code page from its UTF-8 spelling, converted once.
#define VELMAR_PL(utf8)                                                                                                \
    ([]() -> const std::string& {                                                                                      \
        static const std::string converted = FromUtf8(utf8);                                                           \
        return converted;                                                                                              \
    }())

} // namespace velmar
