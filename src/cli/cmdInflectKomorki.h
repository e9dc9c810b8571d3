#pragma once
// The cells of the tables velmar-cli inflect prints: what a table shows for one set of
// features, the form first and the alternative after " / ". velmar-cli testvoc reads
// the same cells, so that its figures are those of the tables a user sees.

#include <cstdint>
#include <optional>
#include <string>

#include "core/generators/untGenPLCzasownik.h"
#include "core/generators/untGenPLRzeczownik.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

// One shown cell, 8-bit. An empty form is a form the word does not have.
struct TKomorkaTabeli {
    std::string Form;
    std::string Alternative;
};

// The form code of the anterior adverbial participle ("zrobiwszy"), which has no name
// among the Polish form codes.
inline constexpr int kImieslowUprzedniPl = 8;

// The cells of one Polish word ("lemma *code", 8-bit): a noun or verb code the
// generators inflect has its paradigm built once and read cell by cell, with the
// alternatives; every other word is asked of the generator cell by cell.
class TTabelaPl {
public:
    explicit TTabelaPl(std::string word);

    const std::string& Word() const { return word_; }
    // The verb paradigm when the word is a verb the generator conjugates.
    const TVerbParadigm* Verb() const { return verb_ ? &*verb_ : nullptr; }
    bool IsNoun() const { return noun_.has_value(); }
    // Whether the word has a noun or verb code that the generator turns down ("pies
    // *61": no infinitive to conjugate).
    bool Refused() const { return refused_; }

    TKomorkaTabeli Cell(const TCechyPl& features) const;

private:
    TKomorkaTabeli VerbCell(const TCechyPl& features) const;

    std::string word_;
    TSlowoKod split_;
    std::optional<TNounParadigm> noun_;
    std::optional<TVerbParadigm> verb_;
    bool refused_ = false;
};

// The cell of a French word ("lemma*code", 8-bit).
TKomorkaTabeli TableCellFr(const std::string& word, const TCechyFr& features);

// Whether the French code is that of a verb.
bool IsFrenchVerb(const std::string& word);

// The cell as a table prints it, UTF-8: the form, " / " and the alternative when
// there is one; a missing form as "—" in a Polish table, "(brak formy)" in a French one.
std::string ShownCell(const TKomorkaTabeli& cell, std::uint8_t language);

} // namespace velmar::cli
