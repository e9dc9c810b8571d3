#include <gtest/gtest.h>

#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/SlownikTestowy.h"
#include "core/tools/untFrekwencja.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

// The forms dictionary of the base-form tests: the listed forms the rules lead to.
class FormyPolskie {
protected:
    FormyPolskie() : forms_("forms", jezPolski, ReadToolsFixture("pol_forms.txt")) {}

    static std::string ReadToolsFixture(const std::string& name) { return test::ReadFixture("../tools/" + name); }
    TTransSlownikOdwolan& Forms() { return static_cast<TTransSlownikOdwolan&>(*forms_.Dictionary); }

    test::SlownikTestowy forms_;
};

struct TBaza {
    const char* Word; // UTF-8
    const char* Base; // empty: none is found
    bool SentenceStart = false;
};

class FindBasePlTable : public FormyPolskie, public ::testing::TestWithParam<TBaza> {};

TEST_P(FindBasePlTable, FindsTheBase)
{
    const TBaza& c = GetParam();
    EXPECT_EQ(ToUtf8(FindBasePl(Forms(), FromUtf8(c.Word), false, c.SentenceStart), jezPolski), c.Base);
}

std::string DescribeBase(const TBaza& c)
{
    return std::string(c.Word) + (c.SentenceStart ? " at start" : "");
}

INSTANTIATE_TEST_SUITE_P(RuleCases, FindBasePlTable,
                         ::testing::Values(TBaza{"zrobiłaby", "zrobić"}, TBaza{"Zrobiłaby", "zrobić", true},
                                           TBaza{"najładniejszy", "ładny"}, TBaza{"ładniej", "ładnie"},
                                           TBaza{"ojcowy", "ojciec"}, // a possessive led to the noun's genitive
                                           TBaza{"łaby", ""}, // no longer than its ending: the rule does not apply
                                           TBaza{"kotek", ""}),
                         test::NamedBy(DescribeBase));

// Forms met in running text that the forms dictionary does not list.
INSTANTIATE_TEST_SUITE_P(RealText, FindBasePlTable,
                         ::testing::Values(TBaza{"zrobiłbym", "zrobić"}, TBaza{"napisanego", "napisać"},
                                           TBaza{"zamknięte", "zamknąć"}, TBaza{"ciekawsza", "ciekawy"},
                                           TBaza{"poczytać", "czytać"}, TBaza{"kotami", "kot"},
                                           TBaza{"smutno", "smutny"}, TBaza{"bezpiecznie", "bezpieczny"},
                                           TBaza{"robiłeś", "robić"}, TBaza{"czytającego", "czytać"},
                                           TBaza{"zapomniałeś", "zapomnieć"}, TBaza{"nieznanego", "znać"},
                                           TBaza{"najpiękniejsza", "piękny"}, TBaza{"zamknięciu", "zamknąć"}),
                         test::NamedBy(DescribeBase));

class FindBasePlReadings : public FormyPolskie, public ::testing::Test {};

TEST_F(FindBasePlReadings, KeepTheRuleClassUnderItsNewCode)
{
    ASSERT_EQ(ToUtf8(FindBasePl(Forms(), FromUtf8("zrobiłaby"), false, false), jezPolski), "zrobić");
    ASSERT_EQ(Forms().Readings().Count(), 1);
    EXPECT_EQ(Forms().Readings().Item(0).FormCode, 128);
}

TEST_F(FindBasePlReadings, FirstRulesOnlySkipsPrefixesAndDegrees)
{
    EXPECT_EQ(FindBasePl(Forms(), FromUtf8("zrobiłaby"), true, false), FromUtf8("zrobić"));
    EXPECT_EQ(FindBasePl(Forms(), FromUtf8("poczytać"), true, false), "");
    EXPECT_EQ(FindBasePl(Forms(), FromUtf8("najładniejszy"), true, false), "");
}

class ReduceParticiplePlTest : public FormyPolskie, public ::testing::Test {};

TEST_F(ReduceParticiplePlTest, GivesTheDeclinedFormItsCode)
{
    TOdwolania readings;
    ASSERT_TRUE(ReduceParticiplePl(Forms(), FromUtf8("czytającego"), readings));
    ASSERT_EQ(readings.Count(), 1);
    EXPECT_EQ(readings.Item(0), (TOdwolanie{FromUtf8("czytającego"), 164, FromUtf8("czytać"), 50}));

    ASSERT_TRUE(ReduceParticiplePl(Forms(), FromUtf8("zamknięciu"), readings));
    EXPECT_EQ(readings.Item(0).FormCode, 183);
    EXPECT_EQ(readings.Item(0).Base, FromUtf8("zamknąć"));
}

TEST_F(ReduceParticiplePlTest, OnlyParticipleEndingsApply)
{
    TOdwolania readings;
    // "zamknięte" → "zamknięty", listed as a passive participle; "kotami" has no
    // participle ending.
    EXPECT_TRUE(ReduceParticiplePl(Forms(), FromUtf8("zamknięte"), readings));
    EXPECT_EQ(readings.Item(0).FormCode, 153);
    EXPECT_FALSE(ReduceParticiplePl(Forms(), FromUtf8("kotami"), readings));
    EXPECT_TRUE(readings.Empty());
}

} // namespace
} // namespace velmar
