#pragma once
// The Polish noun generator: declines a noun, or a noun phrase whose head is a noun,
// from its dictionary form and code. The whole paradigm is built into a caller-owned
// table and one cell is read from it, so any number of threads may decline at once.
//
// The noun code (after leading "<", ">" or "%"): the gender type (0 masculine
// personal, 1 inanimate, 2 animate, 3 feminine, 4 neuter), then the pattern, then,
// from the first "0" that is not the last byte, the stem-alternation codes. Codes
// "47…" and "48…" are plural-only nouns ("488…" masculine personal).

#include "core/generators/untGenTlumaczPl.h"

#include <array>
#include <string>
#include <string_view>

namespace velmar {

// One form of a paradigm cell and the alternative form some cells have.
struct TKomorkaPl {
    std::string Forma;
    std::string Alternatywa;
};

inline constexpr int kNounCellCount = 13;

// Cells 0–6: nominative … vocative singular; 7–12: nominative … locative plural (the
// vocative plural reads cell 7).
struct TNounParadigm {
    std::array<TKomorkaPl, kNounCellCount> Cells;
    bool NoPlural = false;
    bool Indeclinable = false;
};

// Fills every cell (a cell no rule fills stays empty). Returns a TWynikBudowy:
// wbZlyKod for a code whose first byte is not a digit or whose gender type is above 6.
int BuildNounParadigmPl(std::string_view lemma, std::string_view code, TNounParadigm& paradigm);

// The cell of a case (1–7, anything else nominative) and number (2 plural, anything
// else singular).
int NounCellPl(int case_, int number);

// The form for the case and number; the lemma when the build fails, empty when the
// cell is empty.
std::string GenNounPl(std::string_view lemma, std::string_view code, int case_, int number);

} // namespace velmar
