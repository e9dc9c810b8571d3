#pragma once
// The words the analysis rules name and what the data must give each of them: the
// numbered homographs the rules rename words to, the function words whose class a
// rule tests, the Polish prepositions whose governed cases a rule reads and the Polish
// future auxiliary. A word missing from the data, or there with another class, makes
// its rules silently stop firing, so `velmar-cli dict check --engine` holds the data
// against these lists.

#include <cstdint>
#include <span>
#include <string_view>

namespace velmar {

// A word and the word classes (engine numbering: 0 noun … 10 particle, one bit each)
// that its readings must include one of.
struct TSlowoSilnika {
    std::string_view Text;
    std::uint16_t Classes;

    bool Allows(int wordClass) const { return wordClass >= 0 && wordClass < 16 && (Classes >> wordClass & 1u) != 0; }
};

// The numbered homographs of a source language: each needs a main entry and a forms
// line of its own ("de1\{{241}}de1") whose code has one of the classes.
std::span<const TSlowoSilnika> EngineHomographs(std::uint8_t language);
// The function words of a source language: their forms lines must give them a reading
// of one of the classes.
std::span<const TSlowoSilnika> EngineFunctionWords(std::uint8_t language);
// The Polish prepositions whose entries must name the cases they govern.
std::span<const std::string_view> GoverningPrepositions();
// The Polish future auxiliary "będę" … "będą", in the order of the persons; each must be
// a form of "być" on the future code of its person (136 … 141).
std::span<const std::string_view> FutureAuxiliaries();
constexpr int kFirstFutureCode = 136;
// Whether a French form code is one of the numbered ranges the rules test.
bool IsFrenchFormCode(int code);

} // namespace velmar
