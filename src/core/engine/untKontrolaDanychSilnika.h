#pragma once
// The check of a data set against what the analysis rules read: every numbered
// homograph with its entry and its own forms line of the right class, every function
// word with its class, every Polish preposition with the cases it governs, the Polish
// future auxiliary on the future codes, every French form on a code the rules know.

#include <cstdint>
#include <string>
#include <vector>

namespace velmar {

class TTransSlownikGlowny;
class TTransSlownikOdwolan;

// The problems of one source language's main and forms dictionaries, each a line of
// English naming the word or the forms line; empty when the data is complete.
std::vector<std::string> CheckEngineData(std::uint8_t language, TTransSlownikGlowny& main,
                                         const TTransSlownikOdwolan& forms);

} // namespace velmar
