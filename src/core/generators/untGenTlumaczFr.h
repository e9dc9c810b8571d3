#pragma once
// The French generator entry point, the French tense names and gender labels.

#include <string>
#include <string_view>

namespace velmar {

// Genders of a French word.
enum TRodzajFr : int {
    rdzFrObydwa = 0, // "mf"
    rdzFrMeski = 1,  // "m"
    rdzFrZenski = 2, // "f"
};

// The features of one French form request. Defaults are the neutral values.
struct TCechyFr {
    int Number = 1;        // 1 singular, 2 plural
    int Gender = 1;        // TRodzajFr of the word itself
    int SubjectNumber = 1; // of the clause subject the verb agrees with
    int SubjectGender = 1;
    int FormCode = 0;      // French tense code (1 indicatif présent … 27 participe passé)
    int Person = 0;        // 1–3 singular, 4–6 plural persons
    bool QueToQui = false; // the relative "que" is wanted as "qui"
};

// The French form of word ("lemma*code") for the features; the lemma whenever the code
// has no generator or the generator gives nothing.
std::string GenFormFr(std::string_view word, const TCechyFr& features);

// The name of a French tense code ("indicatif présent"), 8-bit; empty for an unknown code.
std::string TenseName(int tense);
// "mf", "m", "f" for the French genders 0, 1, 2; empty for any other value.
std::string GenderLabel(int gender);

} // namespace velmar
