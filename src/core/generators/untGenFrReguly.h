#pragma once
// The word and rule lists of the French generators: written readably in UTF-8 source
// and turned into code page 1252 bytes at compile time ("céder=cède"_fr is a
// std::string_view of the 1252 bytes), and applied by ending with the helpers below.
// Only ASCII and the Latin-1 letters (U+00A0–U+00FF, which 1252 keeps at the same byte
// values) may appear in a list; anything else fails to compile.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/app/untUtils.h"

namespace velmar {

template <std::size_t N>
struct TTekstFr {
    char Bajty[N]{};
    std::size_t Dlugosc = 0;

    consteval TTekstFr(const char (&utf8)[N])
    {
        for (std::size_t i = 0; i + 1 < N; ++i) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                Bajty[Dlugosc++] = static_cast<char>(lead);
                continue;
            }
            if ((lead != 0xC2 && lead != 0xC3) || i + 2 >= N)
                throw "only ASCII and Latin-1 letters belong in a French list";
            const auto next = static_cast<unsigned char>(utf8[++i]);
            const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
            if (code < 0xA0)
                throw "only ASCII and Latin-1 letters belong in a French list";
            Bajty[Dlugosc++] = static_cast<char>(code);
        }
    }

    constexpr std::string_view View() const { return {Bajty, Dlugosc}; }
};

template <TTekstFr Tekst>
constexpr std::string_view operator""_fr()
{
    return Tekst.View();
}

// The first rule of the list whose key ends s, applied; empty when none applies.
inline std::string EndingRule(std::string_view s, std::string_view rules, bool caseSensitive = true)
{
    std::string out;
    ApplyEndingRules(s, rules, out, caseSensitive);
    return out;
}

// The first applicable rule, else the fallback.
inline std::string EndingRuleOr(std::string_view s, std::string_view rules, std::string fallback)
{
    ApplyEndingRules(s, rules, fallback);
    return fallback;
}

// s with a suffix, or nothing when there is no s to extend.
inline std::string WithSuffix(std::string_view s, std::string_view suffix)
{
    return s.empty() ? std::string() : std::string(s) + std::string(suffix);
}

} // namespace velmar
