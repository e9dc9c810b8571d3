#pragma once
// Polish personal and interrogative pronouns.

#include <array>
#include <string>
#include <string_view>

namespace velmar {

// One case of a pronoun: the main form, the stressed alternative ("jego" beside "go")
// and the form after a preposition ("niego"); empty where there is none.
struct TFormyZaimka {
    std::string Main;
    std::string Stressed;
    std::string AfterPreposition;
};

// Cases 1–7 at indices 0–6.
using TPronounParadigmPl = std::array<TFormyZaimka, 7>;

// The paradigm of a pronoun lemma; a lemma without a table fills only its nominative.
// A particle ("ś", "ż", "że", "kolwiek") is set aside and appended to every form.
TPronounParadigmPl BuildPronounParadigmPl(std::string_view lemma);

// The form of a case (outside 1–7 counts as 1): with afterPreposition the form after a
// preposition where there is one, else the main form. Empty when the case has none.
std::string GenPronounPl(std::string_view lemma, std::string_view code, int grammaticalCase, bool afterPreposition);

} // namespace velmar
