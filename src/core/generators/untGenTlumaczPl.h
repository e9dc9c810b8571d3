#pragma once
// Grammatical codes, feature values and the Polish generator entry point.
//
// A generator receives one word string: the lemma, " *" and the grammatical code the
// dictionary stores with the word ("dobry *7"). The code chooses the generator; the
// features (case, number, gender, …) choose the form. Every generator is a pure
// function of its arguments: paradigms are built in locals, so any number of threads
// may generate at once.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// ---------------------------------------------------------------- word classes

enum TKlasaSlowa : int {
    ksRzeczownik = 0,  // noun
    ksCzasownik = 1,   // verb
    ksPrzymiotnik = 2, // adjective
    ksPrzyslowek = 3,  // adverb
    ksZaimek = 4,      // pronoun
    ksPrzyimek = 5,    // preposition
    ksSpojnik = 6,     // conjunction
    ksWykrzyknik = 7,  // interjection
    ksOkreslnik = 8,   // determiner
    ksLiczebnik = 9,   // numeral
    ksPartykula = 10,  // particle
    ksPrzydawka = 11,  // modifier
    ksInne = 12,       // "other" (codes 97 and 99)
    ksBrakKlasy = 13,  // no class (strict look-up of an unknown code)
};

// The word class of a grammatical code of the language (Polish 0, French 2). An empty
// or unknown code gives ksRzeczownik, or ksBrakKlasy when strict; an empty code gives
// ksInne instead when not strict, the language is English and contextText holds a space.
int WordClassOfCode(std::string_view code, std::uint8_t language, bool strict = false,
                    std::string_view contextText = {});
// The label of a word class in the language (8-bit text); empty where there is none.
std::string WordClassLabel(int wordClass, std::uint8_t language);
// The canonical code of a word class in the language ("7" for a Polish adjective).
std::string CodeOfWordClass(int wordClass, std::uint8_t language);

// ---------------------------------------------------------------- the word string

struct TSlowoKod {
    std::string Lemma;
    std::string Code;
};

// "dobry *7" → {"dobry", "7"}: the lemma before the first " *", trimmed; the code after
// it, trimmed and cut before a byte 134 or 135. No " *": the whole string, empty code.
TSlowoKod SplitWordPl(std::string_view word);
// "parler*4" → {"parler", "4"}: the lemma before the first "*", trimmed; the code after
// it up to its first space.
TSlowoKod SplitWordFr(std::string_view word);

// ---------------------------------------------------------------- number and gender of a code

// What a grammatical code alone says about number and gender. Polish genders are
// 0 masculine personal … 4 neuter; French 0 both, 1 masculine, 2 feminine.
struct TLiczbaRodzaj {
    int Number = 0;  // 0 not fixed by the code, 1 singular only, 2 plural only
    int Gender = -1; // −1 when the code gives none
};

// Polish: a noun code (after "<", ">", "%") gives its gender type from the first byte;
// a plural-only code ("47", "48") gives number 2 and gender 0 for "488" (masculine
// personal plural), else 1. French: "0", "01" masculine and "F", "02" feminine plural
// only; first byte "1" masculine, "2" feminine, "3" both. Every other code gives {0, −1}.
TLiczbaRodzaj NumberAndGenderOfCode(std::string_view code, std::uint8_t language);

// ---------------------------------------------------------------- Polish features

// Genders of a Polish word.
enum TRodzajPl : int {
    rdzMeskoosobowy = 0,  // masculine personal
    rdzMeskorzeczowy = 1, // masculine inanimate
    rdzMeskozywotny = 2,  // masculine animate
    rdzZenski = 3,
    rdzNijaki = 4,
};

// Polish verb form codes.
enum TFormaPl : int {
    fpTeraz = 1,                    // present
    fpPrzeszly = 2,                 // past
    fpPrzyszly = 3,                 // future
    fpTrybPrzypuszczajacy = 4,      // conditional
    fpRozkazujacy = 5,              // imperative
    fpImieslowPrzyslowkowy = 6,     // adverbial participle
    fpImieslowBierny = 7,           // passive participle
    fpRzeczownikOdczasownikowy = 9, // verbal noun
    fpPrzeszlyBezKoncowki = 10,     // past form without personal ending
    fpBezosobowyTeraz = 21,
    fpBezosobowyPrzeszly = 22,
    fpBezosobowyPrzyszly = 23,
    fpBezosobowyPrzypuszczajacy = 24,
    fpBezokolicznik = 27,  // infinitive
    fpImieslowCzynny = 61, // active participle
    fpKtory = 69,          // relative construction with "który"
};

// The features of one Polish form request. Defaults are the neutral values.
struct TCechyPl {
    int Case = 1;          // 1 nominative … 7 vocative
    int Number = 1;        // 1 singular, 2 plural
    int Gender = 1;        // TRodzajPl of the word itself
    int Degree = 0;        // 0 positive, 1 comparative, 2 superlative
    int Person = 0;        // 1–3 singular, 4–6 plural persons, 9 impersonal
    int FormCode = 0;      // TFormaPl
    int SubjectNumber = 1; // of the clause subject the verb agrees with
    int SubjectGender = 1;
    bool NormaliseOblique = false; // an oblique pronoun lemma ("mnie") is first made nominative
    bool AdverbFlag = false;       // the adverb derived from an adjective
    bool AfterPreposition = false; // the pronoun form used after a preposition ("niego")
};

// The features every generator sees: case outside 1–7 → 1; number and subject number
// 2 or 1; a gender outside 0–4 → 1; a degree outside 0–2 → 0; person above 9 divided by
// 10 until at most 9, then outside 1–6 → 3 (only a 9 given as such stays impersonal).
TCechyPl ClampFeaturesPl(const TCechyPl& features);

// Outcome of building a paradigm, shared by the Polish generators.
enum TWynikBudowy : int {
    wbOk = 0,
    wbPustyLemat = 1, // empty lemma
    wbPustyKod = 2,   // empty code
    wbZlyKod = 3,     // a code the generator cannot read
};

// ---------------------------------------------------------------- the Polish entry point

// The Polish form of word ("lemma *code") for the features; the lemma whenever the
// code has no generator or the generator gives nothing.
std::string GenFormPl(std::string_view word, const TCechyPl& features);

// The pronouns and numerals declined like adjectives ("który", "ten", "jeden").
bool IsAdjectivalPronounPl(std::string_view lemma);

// "mnie" → "ja", "nim" → "on", …; any other word unchanged.
std::string BaseFormOfPronoun(std::string_view form);

// ---------------------------------------------------------------- conversions

// A verb form code from one language's numbering to the other's (Polish 0, French 2);
// code 0 converts the fallback. flag chooses the passé composé for a Polish past.
int ConvertFormCode(std::uint8_t sourceLanguage, std::uint8_t targetLanguage, int code, bool flag = false,
                    int fallback = 0);
// A gender between Polish and French numbering; −1 when there is no counterpart.
int ConvertGender(std::uint8_t sourceLanguage, std::uint8_t targetLanguage, int gender);

// ---------------------------------------------------------------- small shared rules

// A Polish vowel letter: A E I O U Y Ą Ę Ó in either case.
bool IsPolishVowel(unsigned char c);

// Whether a Polish preposition takes its vowel form before nextWord ("w" → "we" before
// "Wrocławiu", "z" → "ze" before "szkoły"); the caller adds the "e".
bool NeedsVowelAfterPreposition(std::string_view preposition, std::string_view nextWord);

// ---------------------------------------------------------------- describing a French form

// What the forms dictionary's analysis of a French inflected form says about it.
struct TAnalizaFormy {
    std::string Code{};         // grammatical code of the form's base
    int Tense = 0;              // French tense code, 0 none
    std::vector<int> Persons{}; // persons the form can stand for (1–6)
    int Person = 0;             // the single person of the analysis, 0 none
    int Gender = -1;            // French gender, −1 none
    int Number = -1;            // 0 either, 1 singular, 2 plural, −1 none
    int Case = 1;               // Polish case asked for the translation
};

struct TOpisFormy {
    std::string Translation;     // the Polish translation of the form
    std::string SingularPersons; // "1, 2, 3"
    std::string PluralPersons;
    std::string TenseName;
    std::string GenderNumber; // "m sing", "f plur", "sing/plur" for a noun …
};

// Which alternatives the choice of a meaning for a French form passes over: the first
// kind for the tense codes 3, 8, 11–18, 20, 23, 24, the second for 1, 2, 6, 7, 9, 19, 30.
struct TPomijaneAlternatywy {
    bool SkipAlt1 = false;
    bool SkipAlt2 = false;
};
TPomijaneAlternatywy MeaningSkipsOfTense(int tense);

// The description of an analysed French form. translationForms are the Polish forms
// ("lemma *code") of the meaning chosen for the form; each is generated for the form's
// features and they are joined with spaces, only when targetLanguage is Polish. False
// when the form has a tense and the translation came out empty.
bool DescribeAnalysedForm(const TAnalizaFormy& analysis, const std::vector<std::string>& translationForms,
                          std::uint8_t targetLanguage, TOpisFormy& description);

} // namespace velmar
