// The roles of Polish groups over the bundled data: reflexive verbs, the subject
// pronouns French needs where Polish leaves them out, pronoun roles, the polite
// address and "sam".
#include <gtest/gtest.h>

#include "DanePolskie.h"

namespace velmar {
namespace {

class PolishRoles : public testing::TestWithParam<test::TAnalizaPl> {};

TEST_P(PolishRoles, AreShownByTheListing)
{
    test::ExpectListingShows(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishRoles,
    testing::Values(
        // a verb with a reflexive sub-record takes it, and "się" goes
        test::TAnalizaPl{"Jan myje się.", {"myje [103] (T I R 58)"}},
        // without one, "się" is rendered "se"
        test::TAnalizaPl{"Jan pisze się.", {"się1 [210] } ( (pn:3,forma:1,vtdoc:0) role:34 pisze"}},
        // a dropped 1st or 2nd person subject is inserted, with its own subject group
        test::TAnalizaPl{
            "Idę do domu.",
            {"  |  { (S) (rdz:0,lba:1,casus:1,genus:-1,num:1,cas:0) ja0 [210] zr:1 (83) }", "idę [101] (I 84)"}},
        test::TAnalizaPl{"Mamy czas.", {"{ (S) (rdz:0,lba:2,casus:A,", "my0 [210]"}},
        // a 3rd person past after a clause of another person: "il" before the verb
        test::TAnalizaPl{"Myślę, że przyszedł.",
                         {"że [212] { (S) (rdz:0,lba:1,casus:1,genus:-1,num:1,cas:0) on0 [210] zr:1 (83) } "
                          "( (pn:3,forma:2,vtdoc:0) role:34 przyszedł [114]"}},
        // an imperative has no subject
        test::TAnalizaPl{"Daj mi to.", {"  |  ( (pn:2,forma:52,vtdoc:0) role:34 daj [107]", "mi [210] zr:4"}},
        // a subject pronoun before a clitic or an unrendered "by" still has its verb
        test::TAnalizaPl{"on go widzi", {"on [210] cc:1 zr:1"}},
        // "Pan" addresses the reader: "vous" and a verb in the 2nd plural
        test::TAnalizaPl{"Pan ma rację.", {"os:5 role:3,4 pan3 [210]", "( (pn:3,forma:1,vtdoc:0) os:5 role:34 ma"}},
        // "państwo" with a plural verb, or capitalised inside the sentence, addresses
        // people; its oblique forms keep their case
        test::TAnalizaPl{"Państwo mają rację.",
                         {"os:5 role:3,4 Panstwo3 [210]", "os:5 role:34 mają rację [106] (T 72)"}},
        test::TAnalizaPl{"Dziękuję Państwu.", {"(rdz:4,lba:0,casus:3,", "panstwo00 [210]"}},
        test::TAnalizaPl{"Państwo Kowalscy mają dom.", {"Panstwo2 [210]"}},
        // "sam" standing alone is "seul"; after a pronoun it takes that pronoun's person
        test::TAnalizaPl{"Zrobiła to sama.", {"sam2 [82]"}}, test::TAnalizaPl{"Czytam sam.", {"sam2 [81]"}}),
    test::NamedBy(test::DescribeAnalysis));

} // namespace
} // namespace velmar
