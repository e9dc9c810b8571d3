#pragma once
// The full tables velmar-cli inflect prints for Polish nouns and verbs, read straight
// from their paradigms so that alternative forms show beside the main ones, and the
// Polish case and person labels of every table.

#include <string>
#include <vector>

namespace velmar::cli {

// One printed row: a Polish label and the form, " / " and the alternative when there
// is one; both UTF-8.
struct TWierszTabeli {
    std::string Label;
    std::string Forms;
};

// The Polish labels of a case (1–7) and of a person (1–6: "2 os. lp."), UTF-8.
std::string CaseLabel(int grammaticalCase);
std::string PersonLabel(int person);

// The rows for "lemma *code" (8-bit) when the code is one the noun or verb generator
// inflects; empty for every other word.
std::vector<TWierszTabeli> NounOrVerbTablePl(const std::string& word);

} // namespace velmar::cli
