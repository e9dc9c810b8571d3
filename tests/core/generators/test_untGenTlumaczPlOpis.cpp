// The description of an analysed French form: persons, tense, gender and number, and
// its Polish translation generated for the form's features.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

TEST(DescribeAnalysedForm, ListsSingularAndPluralPersonsAndNamesTheTense)
{
    TOpisFormy description;
    EXPECT_TRUE(
        DescribeAnalysedForm({.Code = "4", .Tense = 1, .Persons = {6, 1, 3, 4}}, {"mówić *C"}, jezPolski, description));
    EXPECT_EQ(description.SingularPersons, "1, 3");
    EXPECT_EQ(description.PluralPersons, "1, 3");
    EXPECT_EQ(ToUtf8(description.TenseName, jezFrancuski), "indicatif présent");
    EXPECT_EQ(description.GenderNumber, "");
}

TEST(DescribeAnalysedForm, TakesTheSinglePersonWhenThereIsNoSet)
{
    TOpisFormy description;
    DescribeAnalysedForm({.Code = "4", .Tense = 4, .Person = 5}, {"x *C"}, jezPolski, description);
    EXPECT_EQ(description.SingularPersons, "");
    EXPECT_EQ(description.PluralPersons, "2");
}

TEST(DescribeAnalysedForm, GivesGenderOnlyOutsideNouns)
{
    TOpisFormy description;
    DescribeAnalysedForm({.Code = "7", .Gender = 2, .Number = 2}, {}, jezPolski, description);
    EXPECT_EQ(description.GenderNumber, "f plur");
    DescribeAnalysedForm({.Code = "1", .Gender = 1, .Number = 0}, {}, jezPolski, description);
    EXPECT_EQ(description.GenderNumber, "sing/plur");
    DescribeAnalysedForm({.Code = "7", .Gender = 1}, {}, jezPolski, description);
    EXPECT_EQ(description.GenderNumber, "");
}

TEST(DescribeAnalysedForm, GeneratesEachTranslationForTheFormsFeatures)
{
    TOpisFormy description;
    EXPECT_TRUE(DescribeAnalysedForm({.Code = "7", .Gender = 2, .Number = 1, .Case = 2},
                                     {FromUtf8("bardzo *70"), FromUtf8("dobry *7")}, jezPolski, description));
    EXPECT_EQ(ToUtf8(description.Translation, jezPolski), "bardzo dobrej");
}

TEST(DescribeAnalysedForm, FailsForATenseWithoutTranslation)
{
    TOpisFormy description;
    EXPECT_FALSE(DescribeAnalysedForm({.Code = "4", .Tense = 2}, {"x *C"}, jezFrancuski, description));
    EXPECT_TRUE(description.Translation.empty());
    EXPECT_TRUE(DescribeAnalysedForm({.Code = "1", .Gender = 1, .Number = 1}, {}, jezPolski, description));
}

TEST(MeaningSkipsOfTense, PassesOverTheAlternativesOfTheTense)
{
    EXPECT_TRUE(MeaningSkipsOfTense(11).SkipAlt1);
    EXPECT_FALSE(MeaningSkipsOfTense(11).SkipAlt2);
    EXPECT_TRUE(MeaningSkipsOfTense(30).SkipAlt2);
    EXPECT_FALSE(MeaningSkipsOfTense(4).SkipAlt1 || MeaningSkipsOfTense(4).SkipAlt2);
}

} // namespace
} // namespace velmar
