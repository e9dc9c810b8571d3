#pragma once
// French verb generator: the 54 simple forms of a verb from its infinitive and code,
// the form of one tense, person, number and gender, the compound tenses built with
// an auxiliary, and the reading of the form tags the dictionary stores with French
// inflected forms.
//
// Text is 8-bit code page 1252. Every function is pure: the paradigm is a local value.

#include <array>
#include <string>
#include <string_view>

namespace velmar {

// French tense codes.
enum TCzasFr : int {
    czPresent = 1,
    czImparfait = 2,
    czPasseSimple = 3,
    czFutur = 4,
    czConditionnel = 5,
    czSubjonctifPresent = 6,
    czSubjonctifImparfait = 7,
    czImperatif = 8,
    czParticipePresent = 9,
    czInfinitif = 10,
    czPasseCompose = 11,
    czSubjonctifPasse = 16,
    czParticipePresentAyant = 19,
    czParticipePasse = 27,
    // the impératif persons 2sg, 1pl and 2pl asked for directly
    czImperatif2 = 82,
    czImperatif4 = 84,
    czImperatif5 = 85,
};

// The simple tenses with six persons, in the order of the conjugation tables.
inline constexpr int kSixPersonTensesFr[] = {czPresent,      czImparfait,         czPasseSimple,        czFutur,
                                             czConditionnel, czSubjonctifPresent, czSubjonctifImparfait};
// The persons the impératif has: 2sg, 1pl, 2pl.
inline constexpr int kImperatifPersonsFr[] = {2, 4, 5};

// Slots of the simple forms: six persons for each finite tense from the présent to the
// subjonctif imparfait, then the impératif (2sg, 1pl, 2pl), the participles
// (masculine singular, feminine singular, masculine plural, feminine plural) and the
// infinitive.
inline constexpr int kVerbFormCountFr = 54;
inline constexpr int kImperatifSlotFr = 42;
inline constexpr int kParticipePresentSlotFr = 45;
inline constexpr int kParticipePasseSlotFr = 49;
inline constexpr int kInfinitifSlotFr = 53;
// The first slot of a six-person tense (codes 1–7).
constexpr int TenseSlotFr(int tense)
{
    return (tense - 1) * 6;
}

struct TCzasownikFr {
    std::array<std::string, kVerbFormCountFr> Formy; // empty where no rule gives a form
    std::string Bezokolicznik;                       // the infinitive without the reflexive "s'" or "se "
    bool Zwrotny = false;                            // pronominal: every form takes the reflexive pronoun
    bool ZByc = false;                               // compound tenses take "être" (else "avoir")
    int Typ = 0;                                     // conjugation type 1–8; 0 when the ending gives none
};

// The conjugation type of an infinitive (without a reflexive pronoun): 1 regular -er,
// 2 -ir like finir, 3 -ir like ouvrir, 4 être/avoir/aller, 5 -re, 6 -oir, 7 other -ir,
// 8 envoyer and renvoyer; 0 for an ending that none of them has.
int ConjugationTypeFr(std::string_view infinitive);

TCzasownikFr BuildVerbFormsFr(std::string_view lemma, std::string_view code);

// The form for a tense code. Person outside 1–6 counts as 3; number, subject number,
// gender and subject gender count as plural or feminine only when 2. A participle
// agrees with the word's own number and gender; a compound tense with "être" agrees
// with the subject. An unsupported tense gives the lemma; a form no rule builds is
// empty.
std::string GenVerbFr(std::string_view lemma, std::string_view code, int number, int subjectNumber, int subjectGender,
                      int tense, int person, int gender);

// What a form tag of a French inflected form says. Values not given are 0 (tense),
// 0 (person) and -1 (gender, number); gender 1 masculine, 2 feminine; number 1
// singular, 2 plural.
struct TCechyFormyFr {
    bool Znana = false; // the tag is one the dictionary uses
    int Czas = 0;
    int Osoba = 0;
    int Rodzaj = -1;
    int Liczba = -1;
};

TCechyFormyFr FormTagFr(int tag);

} // namespace velmar
