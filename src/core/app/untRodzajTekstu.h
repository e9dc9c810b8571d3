#pragma once
// The automatic choice of the text type ("RodzajTekstuAuto"): words of the text that
// appear in a profile's word list vote for that profile.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// One word list: the words (a tag list, UTF-8 in the source) whose occurrences in a
// text of the language point to the profile.
struct TProfilSlowa {
    std::uint8_t Jezyk;
    std::uint8_t Profil;
    std::string_view Slowa;
};

// This product's word lists. There are none for French or Polish, so the texts this
// product translates always give 0.
std::span<const TProfilSlowa> ProfileWordLists();

// Scans the lines in order: each word (letters, apostrophes, hyphens) counts for the
// first list of the language holding it exactly; the first profile counted 10 times
// is the result. The scan gives up (0) after the line with the 200th word.
int DetectTextType(const std::vector<std::string>& lines, std::uint8_t language,
                   std::span<const TProfilSlowa> lists = ProfileWordLists());

} // namespace velmar
