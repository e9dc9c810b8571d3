#pragma once
// The letter clusters of a language and the filter that keeps a single-edit spelling
// correction only when the runs of vowels or of consonants around its edit are runs
// the language has: "kto" → "ktto" passes no Polish list, so it is never looked up.

#include <cstdint>
#include <string_view>

namespace velmar {

// The clusters as tag lists of UTF-8 items, "<ie><ia>…" (untPisowniaKlastryListy.cpp).
extern const std::string_view kKlastryPl;
extern const std::string_view kKlastryFr;

// Whether byte c is a vowel of Polish or French (either code page).
bool IsSpellingVowel(unsigned char c);

// Whether candidate (8-bit), edited at position (1-based), keeps to the clusters of
// language: the run of one class containing the edit, the run before it when the edit
// begins its run, and the run two positions after it when the edit ends its run, must
// each be a cluster of the language when longer than one letter. A language without a
// list allows no run of two.
bool PassesClusterFilter(std::string_view candidate, int position, std::uint8_t language);

} // namespace velmar
