#include "core/engine/untTranslatorFrKody.h"

namespace velmar {

namespace {

bool IsAmbiguous(int code)
{
    switch (code) {
    case 82:
    case 83:
    case 84:
    case 85:
    case 86:
    case 87:
    case 88:
    case 90:
    case 97:
    case 102:
    case 105:
    case 106:
    case 111:
    case 112:
    case 114:
    case 115:
    case 116:
    case 117:
    case 127:
    case 129:
    case 132:
    case 135:
    case 142:
    case 161:
    case 181:
    case 197:
    case 198: return true;
    default: return false;
    }
}

// A run of codes for the persons from firstPerson on, all in one tense.
bool InPersonRun(int code, int first, int last, int firstPerson, int tense, TFormaFr& form)
{
    if (code < first || code > last)
        return false;
    form.Person = firstPerson + (code - first);
    form.Tense = tense;
    return true;
}

TFormaFr Participle(int tense, int number, int gender)
{
    return {.Person = 0, .Tense = tense, .Number = number, .Gender = gender};
}

} // namespace

TFormaFr FrenchVerbForm(int code)
{
    TFormaFr form;
    if (IsAmbiguous(code)) {
        form.Ambiguous = true;
        return form;
    }
    switch (code) {
    case 80: return {.Person = 0, .Tense = czBezokolicznik};
    case 81: return {.Person = 1, .Tense = czTeraz};
    case 92: return {.Person = 2, .Tense = czTeraz};
    case 93: return {.Person = 2, .Tense = 30};
    case 95:
    case 96:
    case 98:
    case 99:
    case 196: return {.Person = 3, .Tense = czTeraz};
    case 101: return {.Person = 4, .Tense = czTeraz};
    case 103:
    case 104: return {.Person = 5, .Tense = czTeraz};
    case 107: return {.Person = 6, .Tense = czTeraz};
    case 108:
    case 109: return {.Person = 6, .Tense = 30};
    case 120:
    case 121:
    case 122: return {.Person = 2, .Tense = czSubjonctif};
    case 124: return {.Person = 3, .Tense = czSubjonctif};
    case 126: return {.Person = 4, .Tense = czSubjonctif};
    case 131: return {.Person = 5, .Tense = czSubjonctif};
    case 137: return {.Person = 6, .Tense = czSubjonctif};
    case 138: return {.Person = 4, .Tense = czRozkazujacy};
    case 139: return {.Person = 5, .Tense = czRozkazujacy};
    case 141: return {.Person = 1, .Tense = czPasseSimple};
    case 168: return {.Person = 4, .Tense = 31};
    case 169: return {.Person = 5, .Tense = 31};
    case 190: return Participle(czImieslowPrzeszly, 0, 0);
    case 195: return Participle(czImieslowPrzeszly, 0, 1);
    case 191: return Participle(czImieslowPrzeszly, 1, 1);
    case 192: return Participle(czImieslowPrzeszly, 1, 2);
    case 193: return Participle(czImieslowPrzeszly, 2, 1);
    case 194: return Participle(czImieslowPrzeszly, 2, 2);
    case 200: return Participle(czImieslowTeraz, 0, 0);
    case 202: return Participle(czImieslowTeraz, 1, 2);
    case 203: return Participle(czImieslowTeraz, 2, 1);
    case 204: return Participle(czImieslowTeraz, 2, 2);
    default: break;
    }
    if (InPersonRun(code, 145, 149, 2, czPasseSimple, form) || InPersonRun(code, 151, 156, 1, 7, form) ||
        InPersonRun(code, 162, 165, 3, czImperfectum, form) || InPersonRun(code, 171, 176, 1, czPrzyszly, form) ||
        InPersonRun(code, 183, 186, 3, czWarunkowy, form))
        return form;
    return form;
}

int CompoundTense(TPomocniczyFr auxiliary, int auxiliaryTense)
{
    switch (auxiliary) {
    case TPomocniczyFr::Venir: return auxiliaryTense == 1 ? 23 : auxiliaryTense == 2 ? 24 : 0;
    case TPomocniczyFr::Aller: return auxiliaryTense == 1 ? 21 : auxiliaryTense == 2 ? 22 : 0;
    case TPomocniczyFr::BycMiec: break;
    }
    if (auxiliaryTense >= 1 && auxiliaryTense <= 8)
        return auxiliaryTense + 10;
    if (auxiliaryTense == 9 || auxiliaryTense == 19)
        return 19;
    if (auxiliaryTense == 10)
        return 20;
    return auxiliaryTense == 25 ? 26 : 0;
}

} // namespace velmar
