// The automatic text type.
#include <gtest/gtest.h>

#include "core/app/untRodzajTekstu.h"
#include "core/app/untStale.h"

namespace velmar {
namespace {

std::vector<std::string> Repeat(const std::string& line, int times)
{
    return std::vector<std::string>(static_cast<std::size_t>(times), line);
}

TEST(RodzajTekstu, TenOccurrencesOfAListWordChooseItsProfile)
{
    EXPECT_EQ(DetectTextType(Repeat("Il calcio, e poi?", 10), jezWloski), 35);
    EXPECT_EQ(DetectTextType(Repeat("Il calcio", 9), jezWloski), 0);
    EXPECT_EQ(DetectTextType(Repeat("Il Calcio", 10), jezWloski), 0) << "case-sensitive";
    EXPECT_EQ(DetectTextType(Repeat("le calcio", 10), jezFrancuski), 0) << "another language";
}

TEST(RodzajTekstu, FirstMatchingListCountsAndTheScanGivesUpAfter200Words)
{
    const TProfilSlowa lists[] = {
        {jezAngielski, 7, "<goal><match>"},
        {jezAngielski, 8, "<match><l'heure><self-made>"},
    };
    EXPECT_EQ(DetectTextType(Repeat("a match", 10), jezAngielski, lists), 7);
    EXPECT_EQ(DetectTextType(Repeat("l'heure, self-made!", 5), jezAngielski, lists), 8);

    // 199 other words, then a line that passes the 200th word with ten votes: it counts.
    std::vector<std::string> lines = Repeat("x", 199);
    lines.push_back("y goal goal goal goal goal goal goal goal goal goal");
    EXPECT_EQ(DetectTextType(lines, jezAngielski, lists), 7);
    // The votes come one line too late.
    lines.back() = "y z";
    lines.push_back("goal goal goal goal goal goal goal goal goal goal");
    EXPECT_EQ(DetectTextType(lines, jezAngielski, lists), 0);
}

TEST(RodzajTekstu, TheProductsLanguagesAlwaysGiveZero)
{
    for (const auto language : {jezFrancuski, jezPolski})
        EXPECT_EQ(DetectTextType(Repeat("calcio match goal", 50), language), 0);
}

} // namespace
} // namespace velmar
