#include "core/tools/untPisowniaPropozycje.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/tools/untPisowniaKlastry.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

std::vector<std::string> Candidates(const char* wordUtf8, std::uint8_t language = jezPolski)
{
    return SpellingCandidates(FromUtf8(wordUtf8), language);
}

bool Contains(const std::vector<std::string>& candidates, const char* utf8)
{
    return std::find(candidates.begin(), candidates.end(), FromUtf8(utf8)) != candidates.end();
}

TEST(SpellingCandidates, SingleEditsInTheirOrder)
{
    const std::string word = "kpta";
    const auto candidates = Candidates("kpta");
    ASSERT_FALSE(candidates.empty());
    // Deletions come first and replacements last.
    EXPECT_EQ(candidates.front(), "pta");
    const std::string& last = candidates.back();
    ASSERT_EQ(last.size(), word.size());
    EXPECT_EQ(std::inner_product(last.begin(), last.end(), word.begin(), 0, std::plus<>(), std::not_equal_to<>()), 1)
        << last;
    EXPECT_TRUE(Contains(candidates, "kota"));
    EXPECT_TRUE(Contains(candidates, "kpa"));
    EXPECT_FALSE(Contains(candidates, "kpta"));
}

TEST(SpellingCandidates, KeepDuplicates)
{
    const auto candidates = Candidates("kkot");
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), "kot"), 2);
}

TEST(SpellingCandidates, CapitalisedWordGetsDeletionsAndExchangesOnly)
{
    std::string letters = FromUtf8("Kpta");
    std::sort(letters.begin(), letters.end());
    for (std::string candidate : Candidates("Kpta")) {
        std::sort(candidate.begin(), candidate.end());
        EXPECT_TRUE(candidate.size() == 3 || candidate == letters) << candidate;
    }
}

TEST(SpellingCandidates, CaseOfTheLettersBroughtIn)
{
    EXPECT_TRUE(Contains(Candidates("KPTA"), "KOTA"));
    EXPECT_FALSE(Contains(Candidates("KPTA"), "KoTA"));
    EXPECT_TRUE(Contains(Candidates("kpta"), "kota"));
    EXPECT_FALSE(Contains(Candidates("kpta"), "kOta"));
    EXPECT_TRUE(Contains(Candidates("żółw", jezPolski), "żółwi"));
}

struct TKlaster {
    const char* Word;
    int Position;
    bool Passes;
};

class ClusterFilterTable : public ::testing::TestWithParam<TKlaster> {};

TEST_P(ClusterFilterTable, KeepsTheRunsOfTheLanguage)
{
    EXPECT_EQ(PassesClusterFilter(FromUtf8(GetParam().Word), GetParam().Position, jezPolski), GetParam().Passes);
}

std::string DescribeCluster(const TKlaster& c)
{
    return std::string(c.Word) + " at " + std::to_string(c.Position);
}

INSTANTIATE_TEST_SUITE_P(Polish, ClusterFilterTable,
                         ::testing::Values(TKlaster{"kota", 2, true}, TKlaster{"przy", 1, true},
                                           TKlaster{"kttota", 2, false}, // "ktt" is no Polish run
                                           TKlaster{"kaota", 2, true},   // "ao" is one
                                           TKlaster{"kaeiota", 3, false},
                                           TKlaster{"ktota", 1, true}, // the edit ends its run "kt": "o" two on
                                           TKlaster{"a-b", 2, true}),
                         test::NamedBy(DescribeCluster));

TEST(ClusterFilter, OtherLanguagesAllowNoRunOfTwo)
{
    EXPECT_TRUE(PassesClusterFilter("kota", 2, jezNiemiecki));
    EXPECT_FALSE(PassesClusterFilter("kotta", 3, jezNiemiecki));
}

} // namespace
} // namespace velmar
