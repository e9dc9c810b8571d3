#pragma once
// What the dictionary browser says about a French inflected form: its tense, the
// persons it can stand for, its gender and number, and its Polish translation.

#include <cstdint>
#include <vector>

#include "core/dictionaries/untFormy.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

// readings: the forms-dictionary readings of the word (the first one is described; the
// others of the same base and tense add their persons); entry: the main-dictionary entry
// of its base. False when the form is not French, has no known form tag, or has a tense
// and no translation could be made.
bool DescribeForm(std::uint8_t language, std::uint8_t targetLanguage, const std::vector<TOdwolanie>& readings,
                  const TTransSlownikSlowo& entry, TOpisFormy& description);

} // namespace velmar
