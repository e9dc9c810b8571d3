#pragma once
// The conjugation rules of each class, one function per key form. The other forms of
// a tense are derived from these in untGenPLCzasownik.cpp.

#include "core/app/untUtils.h"
#include "core/generators/untGenPLRzeczownik.h"

#include <string>
#include <string_view>

namespace velmar::genpl {

// The infinitive and the values derived from it.
struct TKoniugacja {
    std::string Lemma;
    std::string Class;
    std::string Stem;      // the lemma without its final "ć"
    std::string ShortStem; // the lemma without its last two bytes

    bool ClassIn(std::string_view tags) const { return InTagList(Class, tags); }
    bool LemmaEnds(std::string_view ending) const { return EndsWith(Lemma, ending); }
    bool LemmaEndsAny(std::string_view endings) const { return EndsWithAny(Lemma, endings); }
};

TKomorkaPl Present3Sg(const TKoniugacja& k);
TKomorkaPl Present1Sg(const TKoniugacja& k, const TKomorkaPl& present3sg);
TKomorkaPl Present3Pl(const TKoniugacja& k, const TKomorkaPl& present3sg, const TKomorkaPl& present1sg);
TKomorkaPl PastMasculine(const TKoniugacja& k);
// The past 3sg feminine of a past 3sg masculine form.
std::string PastFeminine(const TKoniugacja& k, const std::string& masculine);
// The past 3pl masculine personal of the past 3sg feminine form.
std::string PastPluralPersonal(const TKoniugacja& k, const std::string& feminine);
TKomorkaPl Imperative2Sg(const TKoniugacja& k, const TKomorkaPl& present3sg, const TKomorkaPl& present3pl);
// pastMasculine and pastPluralOther are the bare 3sg masculine and 3pl other forms.
TKomorkaPl PassiveParticiple(const TKoniugacja& k, const TKomorkaPl& present3sg, const TKomorkaPl& present3pl,
                             const std::string& pastMasculine, const std::string& pastPluralOther);
TKomorkaPl VerbalNoun(const TKoniugacja& k, const TKomorkaPl& passive);

} // namespace velmar::genpl
