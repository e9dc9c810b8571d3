#pragma once
// French nominal generators and the small French rules the engine applies around
// them: noun plurals, adjective gender and number, the possessive and demonstrative
// determiners, the reflexive pronoun, elision before a vowel or mute h, the
// irregular-verb test and the one-syllable test.
//
// Text is 8-bit code page 1252. Every function is pure: the word lists are constant
// and the paradigm of a word is built in a local value, so any thread may call them.
// A cell that no rule fills is empty; the entry point GenFormFr turns an empty result
// into the lemma.

#include <string>
#include <string_view>

#include "core/generators/untGenTlumaczFr.h"

namespace velmar {

// ---------------------------------------------------------------- nouns

// The forms of a noun as its code fixes them. The code's gender plays no part in the
// form; it is kept for the tables that show it.
struct TRzeczownikFr {
    std::string Pojedyncza;   // singular
    std::string Mnoga;        // plural
    std::string MnogaAlt;     // a second accepted plural ("matches" beside "matchs")
    int Rodzaj = rdzFrObydwa; // TRodzajFr the code names
};

TRzeczownikFr BuildNounFormsFr(std::string_view lemma, std::string_view code);
// The plural cell for number 2, the singular cell otherwise.
std::string GenNounFr(std::string_view lemma, std::string_view code, int number);
// The regular plural of a noun by the compound list, the exception lists and the
// ending rules; alternative gets a second accepted plural, or is cleared.
std::string NounPluralFr(std::string_view lemma, std::string& alternative);

// ---------------------------------------------------------------- adjectives

struct TPrzymiotnikFr {
    std::string MeskaPoj;    // masculine singular
    std::string MeskaPojAlt; // before a vowel: "bel" for "beau"
    std::string ZenskaPoj;   // feminine singular
    std::string MeskaMn;     // masculine plural
    std::string ZenskaMn;    // feminine plural
};

// Code "78" marks an invariable adjective: only the masculine singular is filled.
TPrzymiotnikFr BuildAdjFormsFr(std::string_view lemma, std::string_view code);
// Feminine plural for number 2 and gender 2, masculine plural for number 2, feminine
// singular for gender 2, masculine singular otherwise.
std::string GenAdjFr(std::string_view lemma, std::string_view code, int number, int gender);

// ---------------------------------------------------------------- determiners and "se"

// Whether the lemma has a row in the determiner table (mon, ce, tout, celui-là, …).
bool IsDeterminerFr(std::string_view lemma);
// The row of the lemma, column by number 2 (plural) and gender 2 (feminine); a lemma
// without a row comes back unchanged.
std::string GenDeterminerFr(std::string_view lemma, int number, int gender);
// "se" in the given person: 1 "me", 2 "te", 4 "nous", 5 "vous", any other "se"; any
// other lemma comes back unchanged.
std::string ReflexiveFr(std::string_view lemma, int person);

// ---------------------------------------------------------------- small rules

// A, E, I, O, U and their accented forms, either case; "y" is not one.
bool IsVowelFr(unsigned char c);

// Whether a preceding article or pronoun elides before this text: its first byte is a
// vowel, or an h and the first word is not a form of a word with an aspirated h.
bool ElisionAllowed(std::string_view word);
// Whether the word is a form of a word that begins with an aspirated h (no elision).
bool IsAspiratedHFr(std::string_view word);
// Whether the verb (with or without "se "/"s'") conjugates irregularly.
bool IsIrregularVerbFr(std::string_view lemma);
// Whether the word has at most one vowel group; only the first group may be a
// digraph ("AU", "AI", "EU", "EI") or "OEU".
bool IsOneSyllableFr(std::string_view word);

} // namespace velmar
