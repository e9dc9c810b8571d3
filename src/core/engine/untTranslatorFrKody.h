#pragma once
// The French form codes the sentence stages test (the numbering of the forms file),
// and what a verb code says of person, tense, number and gender.

#include "core/engine/untTransWypTypy.h"

namespace velmar {

inline bool IsFrNounCode(int code)
{
    return code >= 1 && code <= 19;
}
inline bool IsFrDeterminerCode(int code)
{
    return code >= 31 && code <= 49;
}
inline bool IsFrAdjectiveCode(int code)
{
    return code >= 51 && code <= 69;
}
inline bool IsFrVerbCode(int code)
{
    return code >= 80 && code <= 204;
}
inline bool IsFrFiniteCode(int code)
{
    return code >= 81 && code <= 189;
}
inline bool IsFrPastParticipleCode(int code)
{
    return code >= 190 && code <= 199;
}
inline bool IsFrPresentParticipleCode(int code)
{
    return code >= 200 && code <= 204;
}
// Finite forms spelled like a past participle ("dit", "finis", "dites"), and the
// participles themselves: what may follow "être" or "avoir" in a compound tense.
inline bool MayBePastParticiple(int code)
{
    return code == 86 || code == 87 || code == 88 || code == 98 || code == 99 || code == 106 || code == 115 ||
           code == 121 || IsFrPastParticipleCode(code);
}

inline constexpr int kFrInfinitive = 80;
inline constexpr int kFrNumeral = 245;

// French tenses (the group's forma and Tense).
enum TCzasFr : int {
    czTeraz = 1,
    czImperfectum = 2,
    czPasseSimple = 3,
    czPrzyszly = 4,
    czWarunkowy = 5,
    czSubjonctif = 6,
    czSubjonctifImperfectum = 7,
    czRozkazujacy = 8,
    czImieslowTeraz = 9,
    czBezokolicznik = 10,
    czPasseCompose = 11,
    czBliskaPrzyszlosc = 21,
    czBliskaPrzeszlosc = 23,
    czGerondif = 25,
    czImieslowPrzeszly = 27,
};

// What a verb code gives; 0 (−1 for the gender) where it gives nothing.
struct TFormaFr {
    int Person = 0; // 1–3 singular, 4–6 plural
    int Tense = 0;
    int Number = 0; // participles: 1 singular, 2 plural
    int Gender = -1;
    bool Ambiguous = false; // the context decides (ResolveVerbForm)
};

TFormaFr FrenchVerbForm(int code);

// The tense of a compound form whose auxiliary stands in `auxiliaryTense`: with
// "être"/"avoir" and a participle, the recent past ("venir de") or the near future
// ("aller"); 0 when the auxiliary's tense makes none.
enum class TPomocniczyFr { BycMiec, Venir, Aller };
int CompoundTense(TPomocniczyFr auxiliary, int auxiliaryTense);

} // namespace velmar
