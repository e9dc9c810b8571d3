// The Polish function words over the bundled data: the homograph each becomes by its
// neighbours, and the scope of a negation.
#include <gtest/gtest.h>

#include "DanePolskie.h"

namespace velmar {
namespace {

class PolishFunctionWords : public testing::TestWithParam<test::TAnalizaPl> {};

TEST_P(PolishFunctionWords, AreShownByTheListing)
{
    test::ExpectListingShows(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishFunctionWords,
    testing::Values(
        // a negated finite verb: "ne … pas", and its object is negated
        test::TAnalizaPl{"Nie mam czasu.",
                         {"nie1 [213]", "mam [101] (T I PRZECZ 63 84)",
                          "{ (G) (rdz:1,lba:1,casus:2,genus:1,num:0,cas:0) "
                          "role:3,4,5 czasu [2]"}},
        test::TAnalizaPl{"Nie dawaj mi.", {"nie1 [213]", "role:5,34 dawaj [107] (T I PRZECZ 63)"}},
        test::TAnalizaPl{"Nigdy nie czytam.", {"nie2 [213]"}}, test::TAnalizaPl{"Nie.", {"nie6 [213]"}},
        test::TAnalizaPl{"Nie, dziękuję.", {"nie6 [213]"}}, test::TAnalizaPl{"Tak.", {"tak1 [213]"}},
        // the question particle: "est-ce que"
        test::TAnalizaPl{"Czy masz czas?", {"czy4 [213]"}}, test::TAnalizaPl{"Jest tak dobrze.", {"tak2 [218]"}},
        // a relative after a feminine noun: "lequel" for French
        test::TAnalizaPl{"książka, którą czytam", {"który1 [87]"}},
        test::TAnalizaPl{"Czytam bardzo dobrą książkę.", {"bardzo1 [218]"}},
        // past the verb's object pronoun, "beaucoup"
        test::TAnalizaPl{"Kocham cię bardzo.", {"bardzo2 [218]"}},
        // the correlatives of a comparison; "więcej" is in "plus" already
        test::TAnalizaPl{"Im więcej czytam, tym więcej wiem.", {"im2 [218] zr:4 więcej [0]", "tym2 [218] więcej [0]"}},
        // "Jest to dom": the pronoun goes before its verb, "c'est"
        test::TAnalizaPl{"Jest to dom.", {"to2 [210] } ( (pn:3,forma:1,vtdoc:0) role:34 jest"}}),
    test::NamedBy(test::DescribeAnalysis));

// "ne" before a finite verb; French adds the "pas" the verb's marker asks for.
TEST(PolishNegation, NieBeforeAFiniteVerbIsNe)
{
    test::TTekstPl text("Nie mam czasu.");
    EXPECT_EQ(text.Words().Word(1).FixedTarget, "ne");
}

} // namespace
} // namespace velmar
