#pragma once
// The declension builders of the noun generator, one per gender family. Each fills
// the cells of one parsed noun; the phrase handling and dispatch around them live in
// untGenPLRzeczownik.cpp.

#include "core/app/untUtils.h"
#include "core/generators/untGenPLRzeczownik.h"

#include <string>
#include <string_view>

namespace velmar::genpl {

// The working fields of one build.
struct TDeklinacja {
    std::string Lemma;
    std::string Stem;
    int Gender = 0;
    std::string Pattern;
    std::string Alternations;
    TNounParadigm& Table;

    bool PatternIn(std::string_view tags) const { return InTagList(Pattern, tags); }
    bool PatternStarts(char c) const { return !Pattern.empty() && Pattern.front() == c; }
    bool HasAlternation(std::string_view code) const { return Alternations.find(code) != std::string::npos; }
    TKomorkaPl& operator[](int cell) { return Table.Cells[static_cast<std::size_t>(cell)]; }
    const TKomorkaPl& operator[](int cell) const { return Table.Cells[static_cast<std::size_t>(cell)]; }
};

// The first stem alternation present in the codes rewrites the stem; the feminine
// builder knows only "01"–"07".
void ApplyStemAlternation(TDeklinacja& d, bool masculine);

void DeclineMasculine(TDeklinacja& d);
void DeclineMasculineAdjectival(TDeklinacja& d);
// Masculine nouns in "-a" ("artysta", "kierowca", "mężczyzna"), and the native ones in
// "-to" and "-ło" ("tato", "wykidajło"): the feminine patterns' endings, with the
// accusative plural of their gender. The other masculine nouns in "-o", diminutives
// ("dziadzio") and loans ("maestro"), decline like masculine nouns.
void DeclineMasculineInA(TDeklinacja& d);
// Masculine nouns in "-ę" ("książę", "księcia", "książęta"): the neuter patterns of the
// nouns in "-ę", with the accusatives of their gender.
void DeclineMasculineInE(TDeklinacja& d);
void DeclineFeminine(TDeklinacja& d);
void DeclineNeuter(TDeklinacja& d);
void DeclineFeminineNeuterAdjectival(TDeklinacja& d);
void DeclinePluralOnly(TDeklinacja& d);
void DeclinePluralOnlyAdjectival(TDeklinacja& d);

// The genitive plural with the mobile vowel put back: the last byte of the stem is set
// aside, "ie" follows a "g", "k" or "pan", "e" anything else, and the byte returns.
std::string WithMobileVowel(const std::string& stem);

} // namespace velmar::genpl
