// The groups and clauses of Polish utterances over the bundled data: the conditional
// particle and the future auxiliary joined to their verbs, and the clause starts.
#include <gtest/gtest.h>

#include "DanePolskie.h"

namespace velmar {
namespace {

class PolishGroups : public testing::TestWithParam<test::TAnalizaPl> {};

TEST_P(PolishGroups, AreShownByTheListing)
{
    test::ExpectListingShows(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishGroups,
    testing::Values(
        // the particle makes the past a conditional and is not rendered itself
        test::TAnalizaPl{"on by zrobił", {"on [210] cc:1 zr:1", "(pn:3,forma:4,vtdoc:0) role:34 zrobił [127]"}},
        test::TAnalizaPl{"zrobiłbym", {"(pn:1,forma:4,vtdoc:0) role:34 zrobiłbym [123]"}},
        // the future auxiliary and its verb: one verbal group
        test::TAnalizaPl{"będę czytał", {"( (pn:1,forma:3,vtdoc:0) role:34 będę [0] czytał [136] "}},
        // a subordinate clause starts at its comma
        test::TAnalizaPl{"Myślę, że przyszedł.", {"  |  , [-1] że [212]"}},
        // a relative opens a group and a clause of its own
        test::TAnalizaPl{"książka, którą czytam", {"książka [1] cc:1 (168) }   |  , [-1] { "}},
        // two verbs and no conjunction: two clauses
        test::TAnalizaPl{"Brat czyta książkę matka pisze.", {"  |  { (S) (rdz:3,lba:1,casus:1,"}},
        // an adjective and noun the dictionary holds together become that entry, in the
        // noun's form
        test::TAnalizaPl{"Kupuję na czarnym rynku.", {"role:3,4 czarnym rynku [46] (168) }"}}),
    test::NamedBy(test::DescribeAnalysis));

// The particle stays in the word list, but renders as nothing.
TEST(PolishConditional, TheParticleIsNotRendered)
{
    test::TTekstPl text("on by zrobił");
    EXPECT_FALSE(text.Words().Word(1).Translate);
    EXPECT_EQ(text.Words().Word(2).Code, 127);
}

} // namespace
} // namespace velmar
