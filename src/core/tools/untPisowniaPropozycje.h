#pragma once
// The candidates of a spelling correction: every word one edit away from the unknown
// word (a letter deleted, two neighbours exchanged, a letter inserted or replaced) that
// keeps to the letter clusters of the language, in the order they are made. The spell
// checker looks each up in the dictionaries and proposes those found.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The candidates of word (8-bit) in language, duplicates kept. Inserted and replacing
// letters keep the word's case pattern: capitals for a word in capitals, small letters
// otherwise; a capitalised word gets neither, a title-case word a capital only as its
// first letter.
std::vector<std::string> SpellingCandidates(std::string_view word, std::uint8_t language);

} // namespace velmar
