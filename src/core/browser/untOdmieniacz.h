#pragma once
// The inflection table of a foreign verb: the verb's code comes from the main
// dictionary, its forms from the generator of the foreign language. The inflection
// window shows the table row by row.

#include <string>
#include <string_view>
#include <vector>

#include "core/app/untStale.h"

namespace velmar {

class TTransSlownikGlowny;
class TSlowniki;

// One row of the table: a label and the singular and plural cells, 8-bit text.
struct TOdmianaWiersz {
    std::string Label;
    std::string Singular;
    std::string Plural;
};

// The rows in the order in which they are shown.
using TOdmianaTabArray = std::vector<TOdmianaWiersz>;

// What the dictionary says about a word to inflect: the headword as the dictionary
// spells it and the grammatical code to inflect it by. Both are empty when the word
// is not a headword.
struct TKodOdmiany {
    std::string Headword;
    std::string Code;
};

// Looks word up as a headword of the foreign-to-Polish dictionary and gathers the codes
// of its sub-records. A French word that has a verb sub-record (code "4") among others
// is taken as a verb; otherwise the first sub-record's code is used.
TKodOdmiany CodeForInflection(TTransSlownikGlowny& dictionary, std::string_view word);

// The conjugation table of a French verb ("singulier"/"pluriel" header, then each simple
// tense under its name). Empty unless the code is a French verb code ("4", "5", "6").
TOdmianaTabArray FrenchVerbTable(std::string_view infinitive, std::string_view code);

// The table of a typed word: its code from the dictionary, its rows from the French
// verb generator; empty when the word is not a headword or not a verb.
TOdmianaTabArray BuildInflectionTable(TTransSlownikGlowny& dictionary, std::string_view word);

// The window thread's foreign-to-Polish dictionary of the set: the main dictionary when
// the source language is French, otherwise the reverse one, whose lines are loaded on
// first use. A file that cannot be read leaves that dictionary empty: the inflection
// window then shows no table and, like every generator, reports nothing.
TTransSlownikGlowny& InflectionDictionary(TSlowniki& dictionaries, const TWartosciProgramu& program);

} // namespace velmar
