#pragma once
// The Polish verb generator: conjugates a verb, or a verbal phrase ("nie …", "… się",
// a verb with a complement), from its infinitive and dictionary code. The whole
// paradigm (71 slots, the declined participles and the declined verbal noun) is built
// into a caller-owned table, so any number of threads may conjugate at once.
//
// The code: "!" and "$" mark a perfective verb (its simple future is the present
// tense); after "!" and "/" become "+" and "$", "*", "@" are dropped, the rest is the
// conjugation class ("1", "61", "+01", …). A code starting with "%" marks a phrase
// whose first word is the verb.

#include "core/generators/untGenPLPrzymiotnik.h"
#include "core/generators/untGenPLRzeczownik.h"
#include "core/generators/untGenTlumaczPl.h"

#include <array>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr int kVerbSlotCount = 71;

// Slots of the verb paradigm.
enum TSlotCzasownika : int {
    scTeraz = 0,                // present 1sg, 2sg, 3sg at 0, 2, 4; 1pl, 2pl, 3pl at 7, 9, 11
    scPrzeszly = 13,            // past 13–25: 1sg m/f, 2sg m/f, 3sg m/f/n, 1–3pl m-pers/other
    scPrzeszlyBezKoncowki = 26, // 26–38: the past without person endings, per person and gender
    scPrzyszly = 39,            // compound future 1sg … 3pl
    scRozkazujacy = 45,         // imperative 2sg, 1pl, 2pl
    scNiech = 48,               // "niech" + present 1sg, 3sg, 3pl
    scWarunkowy = 51,           // conditional 51–63, ordered like 26–38
    scImieslowWspolczesny = 64, // adverbial present participle (-ąc)
    scImieslowCzynny = 65,      // active participle (-ący)
    scImieslowBierny = 66,      // passive participle
    scImieslowUprzedni = 67,    // adverbial anterior participle (-wszy)
    scRzeczownik = 68,          // verbal noun
    scBezosobowy = 69,          // impersonal past (-no, -to, -ło się)
    scBezokolicznik = 70,       // infinitive
};

// The past, the bare past and the conditional each hold one slot per person and gender:
// 1sg m/f, 2sg m/f, 3sg m/f/n, 1–3pl masculine-personal/other.
inline constexpr int kPersonGenderSlotCountPl = 13;
// The persons of the imperative slots from scRozkazujacy on and of the "niech" slots from
// scNiech on, in slot order.
inline constexpr int kImperativePersonsPl[] = {2, 4, 5};
inline constexpr int kNiechPersonsPl[] = {1, 3, 6};

// Slots hold the bare verb forms; Prefix ("nie ", the words before the verb) and Tail
// (" się", a complement) surround every form read through Wrap.
struct TVerbParadigm {
    std::array<TKomorkaPl, kVerbSlotCount> Slots;
    TAdjParadigmPl ActiveParticiple;
    TAdjParadigmPl PassiveParticiple;
    TAdjParadigmPl PassiveParticipleAlt; // only when built with alternatives
    TNounParadigm VerbalNoun;
    TNounParadigm VerbalNounAlt; // only when built with alternatives
    std::string Prefix;
    std::string Tail;
    std::string Lemma; // the bare infinitive
    std::string Class;
    bool Perfective = false;
    bool Powinien = false;       // "powinien" has only its fixed present and past
    bool ImpersonalNoTo = false; // the impersonal past ends in "-no"/"-to"

    std::string Wrap(const std::string& form) const;
};

// Fills the paradigm. Returns a TWynikBudowy: wbZlyKod when the code leaves no class.
int BuildVerbParadigmPl(std::string_view lemma, std::string_view code, bool withAlternatives, TVerbParadigm& paradigm);

// The slot of a finite or adverbial form code (1–6, 8, 10) for the person (1–6, 9
// impersonal, anything else third) and the subject's number and gender; −1 for codes
// without a slot.
int VerbSlotPl(int formCode, int person, int subjectNumber, int subjectGender);

// The form the features ask for (form code, person, subject number and gender; case,
// number and gender for participles and the verbal noun). The lemma when the paradigm
// cannot be built or the form code has no form; empty when the slot is empty.
std::string GenVerbPl(std::string_view lemma, std::string_view code, const TCechyPl& features);

} // namespace velmar
