#pragma once
// Readable, stable names for the cases of parameterised tables, so that `ctest -R` and
// `ctest --rerun-failed` can name them. A case is described in words (UTF-8, spaces and
// punctuation allowed); the description becomes an identifier GoogleTest accepts.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace velmar::test {

// text with the Polish and French letters written without their marks (ą → a, œ → oe),
// every other run of characters outside [A-Za-z0-9] as one '_' and no '_' at either
// end; "empty" when nothing is left.
std::string TestName(std::string_view utf8);

// utf8 with the punctuation and the characters no test name can hold spelled as words:
// "c'est" → "c apos est", "<31" → " lt 31", "\x05" → " x5 ". For a description whose cases
// differ only in such characters.
std::string Spelled(std::string_view utf8);
// Spelled, and the marks of the letters too: "aimé" → "aime acute ", "ło" → "l stroke o".
std::string SpelledWithMarks(std::string_view utf8);

// The name generator INSTANTIATE_TEST_SUITE_P takes: describe(case) made a test name.
// The description must tell the cases of one table apart; GoogleTest refuses
// duplicate names when the program starts.
template <class Describe>
auto NamedBy(Describe describe)
{
    return [describe](const auto& info) { return TestName(describe(info.param)); };
}

} // namespace velmar::test
