#pragma once
// Polish cardinal, collective and compound numerals, and the case a numeral imposes on
// the noun it counts.

#include <array>
#include <string>
#include <string_view>

#include "core/generators/untGenPLPrzymiotnik.h"

namespace velmar {

// One cell of a numeral: the form and its alternative ("pięcioma" / "pięciu").
struct TFormaLiczebnika {
    std::string Form;
    std::string Alternative;
};

// Cases 1–6 (index 0–5) × genders 0–4. A compound ordinal ("dwudziesty pierwszy") is
// declined as an adjective instead.
struct TNumeralParadigmPl {
    std::array<std::array<TFormaLiczebnika, 5>, 6> Cells;
    bool Ordinal = false;  // the Adjective paradigm holds the forms
    bool Feminine = false; // an ordinal starting with "jedna": always feminine
    TAdjParadigmPl Adjective;
};

// The whole paradigm of a numeral lemma for every gender. Returns a TWynikBudowy.
int BuildNumeralParadigmPl(std::string_view lemma, std::string_view code, TNumeralParadigmPl& paradigm);

// The form of a case (1–6; any other as 1, so the vocative gives the nominative) and a
// gender (0–4; any other as 1). A compound ordinal gives its adjective cell for (case,
// number, gender). The lemma when the paradigm cannot be built.
std::string GenNumeralPl(std::string_view lemma, std::string_view code, int grammaticalCase, int gender, int number);

// How a numeral governs the noun it counts (the agreement class):
enum TKlasaLiczebnika : int {
    klZgoda = 0,                // agrees with the noun: "dwa koty", "dwadzieścia dwa koty"
    klDopelniaczMianownika = 1, // nominative and accusative take the genitive: "pięć kotów"
    klDopelniacz = 2,           // every case takes the genitive plural: "tysiąc kotów"
    klDopelniaczPojedynczy = 3, // the genitive singular: "półtora roku", "pół godziny"
};

// The agreement class of a numeral or quantity word, written in words or in digits
// ("5", "22"); klZgoda for any other word.
int NumeralClassPl(std::string_view lemma);

} // namespace velmar
