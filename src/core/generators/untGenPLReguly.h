#pragma once
// Shorthands over the rule-list routines for the Polish generators, whose rules read
// "this list on the lemma, else that": each returns the rewritten text instead of
// writing through an out parameter.

#include <string>
#include <string_view>

namespace velmar::genpl {

// s rewritten by the first rule whose key ends it; empty when no rule matches or s is
// empty (a missing alternative stays missing).
std::string Rewritten(std::string_view s, std::string_view rules);
// The same, with fallback when no rule matches.
std::string RewrittenOr(std::string_view s, std::string_view rules, std::string_view fallback);
// The value of the rule whose key equals key; empty when there is none.
std::string ValueOf(std::string_view key, std::string_view rules);
std::string ValueOr(std::string_view key, std::string_view rules, std::string_view fallback);
// s with its rightmost window of width bytes that starts with a key rewritten; s itself
// when no window does.
std::string Inner(std::string s, std::string_view rules, int width);
// s with insert put before its last Polish consonant (s itself when it has none).
std::string InsertBeforeLastConsonant(std::string s, std::string_view insert);
// prefix + form + tail, or the empty form left empty.
std::string Wrapped(std::string_view prefix, const std::string& form, std::string_view tail);

} // namespace velmar::genpl
