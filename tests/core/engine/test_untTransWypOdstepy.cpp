// Spacing after rendering: a suppressed word leaves one space, a comma sits against
// the word before it, words glued in the source are parted where the target needs it.
#include <gtest/gtest.h>

#include <vector>

#include "ZdanieRecznie.h"

namespace velmar {
namespace {

using test::TZdanieRecznie;

struct TSlowoOdstepu {
    const char* text;
    const char* before;
    const char* after;
    bool rendered = true;
    const char* preText = "";
};

struct TOdstepy {
    const char* name;
    std::uint8_t source;
    std::vector<TSlowoOdstepu> words;
    const char* expected;
};

class Spacing : public ::testing::TestWithParam<TOdstepy> {};

TEST_P(Spacing, LeavesOneSpaceBetweenRenderedWords)
{
    const TOdstepy& c = GetParam();
    TZdanieRecznie z({.Source = c.source, .Target = c.source == jezPolski ? jezFrancuski : jezPolski});
    for (const TSlowoOdstepu& w : c.words) {
        TCustomWypSlowo& word = z.Add(w.text, w.before, w.after);
        word.Translate = w.rendered;
        word.PreText = w.preText;
    }
    z.Utterance().Transfer();
    EXPECT_EQ(z.Target(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypOdstepy, Spacing,
    ::testing::Values(
        TOdstepy{
            "SuppressedBetweenTwoWords", jezFrancuski, {{"A", "", ""}, {"X", " ", "", false}, {"B", " ", ""}}, "A B"},
        TOdstepy{"TwoSuppressedInARow",
                 jezFrancuski,
                 {{"A", "", ""}, {"X", " ", "", false}, {"Y", " ", "", false}, {"B", " ", ""}},
                 "A B"},
        TOdstepy{"SuppressedFirstWord", jezFrancuski, {{"X", "", "", false}, {"B", " ", ""}}, "B"},
        TOdstepy{"SuppressedBeforeThePeriod", jezFrancuski, {{"A", "", ""}, {"X", " ", ".", false}}, "A."},
        // "Pouvez-vous m'aider": "-" and "vous" render as nothing, the space stays.
        TOdstepy{"SuppressedWrittenAgainstTheWordBefore",
                 jezFrancuski,
                 {{"A", "", ""}, {"-", "", "", false}, {"X", "", "", false}, {"B", " ", ""}},
                 "A B"},
        TOdstepy{"SuppressedAfterAnOpeningBracket",
                 jezFrancuski,
                 {{"A", "", ""}, {"X", " (", "", false}, {"B", " ", ")"}},
                 "A (B)"},
        TOdstepy{"CommaBeforeAWordTakesTheSpaceOfItsPrzed",
                 jezFrancuski,
                 {{"A", "", ""}, {"B", " ", "", true, ", "}},
                 "A, B"},
        TOdstepy{"CommaBeforeAWordTakesTheSpaceOfThePreviousPo",
                 jezFrancuski,
                 {{"A", "", " "}, {"B", "", "", true, ", "}},
                 "A, B"},
        TOdstepy{"RenderedCommaStaysAsItIs", jezFrancuski, {{"A", "", ""}, {",", "", ""}, {"B", " ", ""}}, "A, B"},
        TOdstepy{"DroppedCommaBetweenGluedWordsLeavesASpace",
                 jezFrancuski,
                 {{"A", "", ""}, {",", "", "", false}, {"B", "", ""}},
                 "A B"},
        TOdstepy{"PolishSourceWordsWrittenTogetherAreParted", jezPolski, {{"A", "", ""}, {"B", "", ""}}, "A B"},
        TOdstepy{
            "PolishSourceHyphenKeepsItsWordsTogether", jezPolski, {{"A", "", ""}, {"-", "", ""}, {"B", "", ""}}, "A-B"},
        TOdstepy{"FrenchSourceWordsWrittenTogetherStayTogether", jezFrancuski, {{"A", "", ""}, {"B", "", ""}}, "AB"}),
    [](const auto& info) { return std::string(info.param.name); });

// "le livre que je lis": a Polish subordinate clause is opened with a comma, before
// its preposition when it has one, and never after a comma or a conjunction.
struct TPrzecinek {
    const char* name;
    std::vector<const char*> translations; // the words, each translated as itself
    std::vector<std::uint8_t> classes;
    const char* expected;
};

class SubordinateComma : public ::testing::TestWithParam<TPrzecinek> {};

TEST_P(SubordinateComma, StandsBeforeThePolishClauseOpener)
{
    TZdanieRecznie z;
    for (std::size_t k = 0; k < GetParam().translations.size(); ++k) {
        TCustomWypSlowo& word = z.Add(GetParam().translations[k]);
        TZdanieRecznie::TranslateLiterally(word, {GetParam().translations[k]});
        word.WordClass = GetParam().classes[k];
    }
    z.Utterance().Transfer();
    EXPECT_EQ(z.Target(), GetParam().expected);
}

constexpr std::uint8_t R = kwRzeczownik, P = kwPrzyimek, S = kwSpojnik, Z = kwZaimek, C = kwCzasownik;

INSTANTIATE_TEST_SUITE_P(
    TransWypOdstepy, SubordinateComma,
    ::testing::Values(
        TPrzecinek{"BeforeKtory", {"książka", "który", "czytam"}, {R, Z, C}, "Książka, który czytam"},
        TPrzecinek{"BeforeItsPreposition", {"dom", "przez", "który", "idę"}, {R, P, Z, C}, "Dom, przez który idę"},
        TPrzecinek{"NotAfterAConjunction", {"wiem", "i", "że"}, {C, S, S}, "Wiem i że"},
        TPrzecinek{"NotAfterAComma", {"wiem", ",", "że"}, {C, R, S}, "Wiem , że"},
        TPrzecinek{"NotAtTheStart", {"że", "wiem"}, {S, C}, "Że wiem"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmar
