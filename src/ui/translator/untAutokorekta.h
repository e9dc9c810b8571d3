#pragma once
// Autocorrection of a translated word: the meanings its headword has in the main
// dictionary, each rendered in the form the word's translation took (case, number,
// gender, person, tense), so that choosing one fits the sentence as it stands.

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/untTranslatorHost.h"

namespace velmar {

struct TZnaczenieKorekty {
    std::string Text;     // rendered, in the target language's code page
    std::string Meaning;  // as the dictionary gives it: lemma and code per alternative
    int PartOfSpeech = 0; // of the user dictionary, for recording the choice
};

struct TPropozycjeKorekty {
    std::string Headword; // in the source language's code page; empty: nothing to offer
    std::vector<TZnaczenieKorekty> Meanings;
};

// The meanings of word's headword in the sub-records that gave current (the word's
// translation as it stands in the target, without its braced alternatives), or in
// every sub-record when none did.
TPropozycjeKorekty ProposeCorrections(const TSledzSlowo& word, const std::string& current, std::uint8_t sourceLanguage,
                                      std::uint8_t targetLanguage);

// replacement written with the letter-case pattern of replaced ("Czas" and "pogoda" give
// "Pogoda").
std::u16string WithCasePatternOf(std::u16string_view replacement, std::u16string_view replaced);

} // namespace velmar
