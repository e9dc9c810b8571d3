#pragma once
// The dictionary collation and the options of a dictionary search.
//
// Every dictionary file is sorted by DictCompare with flags 0 in its source language,
// and every binary search relies on that order. The flags relax the comparison for the
// later stages of a search (first letter lower-cased, any case, accents ignored).

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// Relaxations of the collation, combined as bits.
enum TFlagaPorownania : int {
    fpPierwszaMala = 1,    // the first letter of the left string is lower-cased
    fpDowolnaWielkosc = 2, // both strings are lower-cased
    fpAkcentCzesciowy = 4, // an accent of the right string is dropped where the left has the base letter
    fpBezAkcentow = 8,     // every accent of both strings is dropped
    fpOstreS = 16,         // German spelling of ß; no effect on French and Polish
    fpUmlaut = 32,         // German umlauts written with two letters; no effect on French and Polish
};

// −1, 0 or 1: how a sorts against b in the collation of the language. The empty string
// sorts after every other; letters sort by the language's order string, then capitals
// before small letters, plain letters before accented ones, words without skipped
// characters (apostrophes, dots…) before words with them. A language outside the
// product family compares everything as equal.
//
// With flags 0 the order is total over the strings after the language's spelling
// normalisation (French: a leading "'h" loses its apostrophe, œ is spelled oe), so a
// file sorted with it is searchable. With flags, 0 means "equal under the relaxation".
int DictCompare(std::string_view a, std::string_view b, std::uint8_t language, int flags = 0);

// The first letters of key by their rank in the collation with flags 0, packed into a
// number: when the prefixes of two keys differ, DictCompare orders the keys as the
// numbers are ordered; equal prefixes decide nothing. A binary search reads these
// compact numbers instead of the scrambled lines for all but its last steps.
std::uint64_t CollationPrefix(std::string_view key, std::uint8_t language);
// −1, 0 or 1 as the prefixes are ordered.
inline int ComparePrefixes(std::uint64_t a, std::uint64_t b)
{
    return (a > b) - (a < b);
}

// Whether a and b are equal once the relaxations named by flags are applied, and
// nothing else: a zero from DictCompare counts as a match only when this holds.
bool EqualUnderFlags(std::string_view a, std::string_view b, std::uint8_t language, int flags);

// The word without the characters at both ends that the collation skips (apostrophes,
// dots, quotes…).
std::string TrimNonMembers(std::string_view word, std::uint8_t language);

// The grammatical features a rule search gives a word (bit numbers of the engine).
using TCechy = std::bitset<192>;

// The options of one search and what it reports back.
struct TZnajdzOpcje {
    std::string Word;       // in: the word; out: the key matched by a relaxed stage
    std::string Group;      // out: the text after "÷" in the searched word
    std::int32_t Index = 0; // out: the found line, or the last probed one
    std::uint8_t FirstLower = 0;
    std::uint8_t FirstLowered = 0; // in: also allows the first-lower stage; out: it was needed
    std::uint8_t AnyCase = 0;      // in: allows the any-case stage; out: it was needed
    std::uint8_t AccentPartial = 0;
    std::uint8_t AccentFree = 0;
    std::uint8_t SharpS = 0;
    std::uint8_t Umlaut = 0;
    // Set by the spell checker; no search reads them.
    std::uint8_t FurtherOption1 = 0;
    std::uint8_t FurtherOption2 = 0;
    std::uint8_t ArchaicText = 0;
    std::uint8_t TryForms = 0;   // forms search: try the rules for an unlisted word
    std::uint8_t ForceSplit = 0; // forms search, German only
    std::uint8_t Found = 0;      // out: 1 a suffix rule matched, 4 a prefix rule
    std::string InputWord;       // out: the word passed in, when a rule matched
    std::string BeforeRule;      // out: the word before the rule transformation
    std::int32_t Aux1 = -1;
    std::int32_t Aux2 = -1;
    std::int32_t WordClass = 0; // out: word class of the matching rule
    TCechy Features;            // out: features of the matching rule, united
    std::string PrefixText;     // out: target text of the matching prefix rule
    std::string Extra;

    // The collation flags of the four accent options.
    int AccentFlags() const;
    bool AnyAccentOption() const { return AccentFlags() != 0; }
    // The flags every relaxation allowed by the options asks for (prefix searches).
    int RelaxedFlags() const;
};

// Fresh options for word: every flag and output cleared, Aux1 and Aux2 −1.
TZnajdzOpcje InitOptions(std::string_view word, bool firstLower = false);

} // namespace velmar
