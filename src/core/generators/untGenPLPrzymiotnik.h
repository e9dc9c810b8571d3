#pragma once
// The Polish adjective declension. It also declines adjectival determiners and
// pronouns ("ten", "który", "wszystek"), the adjectives of noun phrases, participles
// and ordinal numerals.

#include <array>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr int kAdjCellCount = 48;
inline constexpr int kAdjAdverbCell = 47;

// The 48 cells: 0–6 masculine personal singular nominative … vocative, 7–13 masculine
// inanimate, 14–20 masculine animate, 21–27 feminine, 28–34 neuter singular, 35–40
// masculine personal plural nominative … locative, 41–46 the plural of the other
// genders, 47 the adverb.
struct TAdjParadigmPl {
    std::array<std::string, kAdjCellCount> Cells;
    std::string Lemma;    // the declined word, in its masculine dictionary form
    std::string Stem1;    // before endings beginning with "e"
    std::string Stem2;    // before endings beginning with "m", "ch" or "y"
    std::string Prefix;   // undeclined words before the declined one
    std::string Tail;     // undeclined words after it (" się", the rest of a "%" phrase)
    std::string Particle; // emphatic particle set aside ("ś", "ż", "kolwiek")
    int Gender = -1;      // gender implied by a feminine or neuter lemma, −1 none
};

// Participles decline their masculine personal plural by the first rule list.
enum TTrybPrzymiotnika : int {
    tpPrzymiotnik = 0,
    tpImieslow = 1,
};

// Removes an emphatic or indefinite particle ("jakiś", "któryż", "jakikolwiek") from the
// end of lemma and returns it ("ś", "ż", "kolwiek"); empty when there is none.
std::string SetParticleAside(std::string& lemma);
// form with the particle appended; "ż" is written "że" after a consonant.
std::string WithParticle(const std::string& form, const std::string& particle);

// The cell of (case 1–7, number 1–2, gender 0–4); the vocative plural reads the
// nominative plural. Values outside those ranges count as 1.
int AdjCellIndex(int grammaticalCase, int number, int gender);
// The name of a cell ("gen0", "pnom1", "przysłówek"), 8-bit; empty outside 0–47.
std::string AdjCellName(int cell);

// Builds all 48 cells of lemma with code; mode tpImieslow selects the participle rules
// for the masculine personal plural. Returns a TWynikBudowy: wbOk, wbPustyLemat or
// wbPustyKod (the paradigm is then left empty).
int BuildAdjParadigmPl(std::string_view lemma, std::string_view code, int mode, TAdjParadigmPl& paradigm);

// The comparative (degree 1) or superlative (degree 2) of an adjective with code "7":
// synthetic where the language forms one ("lepszy", "najlepszy"), else analytic
// ("bardziej chory"); the lemma for degree 0 and for other codes.
std::string DegreeFormPl(std::string_view lemma, std::string_view code, int degree);

// One declined form: the degree form of the lemma in the cell of (case, number,
// gender), or its adverb when adverb is set. The gender a feminine or neuter lemma
// implies replaces gender; "wszyscy" and "wszystkie" are always plural. The lemma when
// the paradigm cannot be built; empty when the cell is empty.
std::string GenAdjPl(std::string_view lemma, std::string_view code, int grammaticalCase, bool adverb, int degree,
                     int gender, int number);

} // namespace velmar
