// The cases of Polish words and groups over the bundled data: what a modifier agrees
// with, the homograph of a preposition by the case of its group, numeral and measure
// groups and the genitive attribute.
#include <gtest/gtest.h>

#include "DanePolskie.h"

namespace velmar {
namespace {

struct TPrzydawka {
    const char* Text;
    int Code;
    int Gender; // −1 any
    const char* Cases;
};

class PolishModifierCases : public testing::TestWithParam<TPrzydawka> {};

TEST_P(PolishModifierCases, FollowTheNounsGender)
{
    const TPrzydawka& c = GetParam();
    EXPECT_EQ(TWypowiedzeniePl::AdjectiveCases(FromUtf8(c.Text), c.Code, c.Gender), c.Cases);
}

INSTANTIATE_TEST_SUITE_P(Cases, PolishModifierCases,
                         testing::Values(TPrzydawka{"dwaj", 215, 0, "A"}, TPrzydawka{"dwa", 215, 3, ""},
                                         TPrzydawka{"dwa", 215, 4, "AD"},
                                         // "dwiema" goes with the feminine
                                         TPrzydawka{"dwiema", 215, 3, "E"}, TPrzydawka{"dwiema", 215, 0, ""},
                                         TPrzydawka{"pięciu", 215, 0, "ABCDEF"}, TPrzydawka{"pięciu", 215, 1, "BCEF"},
                                         TPrzydawka{"nowego", 84, 1, "2"}, TPrzydawka{"nowego", 84, 2, "24"},
                                         TPrzydawka{"nowy", 81, -1, "147"}),
                         test::NamedBy([](const TPrzydawka& c) {
                             return test::Spelled(c.Text) + " " + std::to_string(c.Code) + " " +
                                    std::to_string(c.Gender);
                         }));

class PolishCases : public testing::TestWithParam<test::TAnalizaPl> {};

TEST_P(PolishCases, AreShownByTheListing)
{
    test::ExpectListingShows(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishCases,
    testing::Values(
        // the preposition's homograph by the case of its group
        test::TAnalizaPl{"o domu", {"o1 [211]", "casus:6,"}}, test::TAnalizaPl{"o dom", {"o2 [211]", "casus:4,"}},
        test::TAnalizaPl{"za domem", {"za1 [211]", "casus:5,"}},
        // before a modifier that stands for no noun "za" is the degree, "trop"; before a
        // modifier of a noun it keeps the noun's case
        test::TAnalizaPl{"Kot jest za duży.", {"za5 [218]"}}, test::TAnalizaPl{"za dużym domem", {"za2 [211]"}},
        // numerals agree with their noun and count it
        test::TAnalizaPl{"dwiema kobietami", {"{ (BRAK) (rdz:3,lba:2,casus:E,", "dwiema [215] kobietami [12] cc:E"}},
        test::TAnalizaPl{"Pięciu ludzi przyszło.",
                         {"{ (S) (rdz:0,lba:2,casus:ABD,", "role:3,4,7 pięciu [215] ludzi [41]"}},
        // a measure: what is measured is a genitive rendered as the nominative
        test::TAnalizaPl{"kilogram cukru", {"(rdz:1,lba:1,casus:1,genus:1,num:0,cas:1) role:3,4,15 cukru [2]"}},
        // a nominal group after another is its genitive attribute
        test::TAnalizaPl{"Warszawa jest stolicą Polski.",
                         {"{ (S) (rdz:3,lba:1,casus:1,", "stolicą [5] cc:5 (ORZ 168)", "{ (G) (rdz:3,lba:0,casus:2,"}},
        // "Drogi Janie": the adjective of a salutation
        test::TAnalizaPl{"Drogi Janie", {"drogi [81]"}}),
    test::NamedBy(test::DescribeAnalysis));

} // namespace
} // namespace velmar
