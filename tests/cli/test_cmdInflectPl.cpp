// velmar-cli inflect: the full tables of Polish nouns and verbs, with alternatives.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/CliRun.h"

namespace velmar::cli {
namespace {

std::string InflectPl(const std::string& word)
{
    const auto result = test::RunCliCaptured({"inflect", "--lang", "pl", word});
    EXPECT_EQ(result.Status, kSukces) << result.Err;
    return result.Out;
}

TEST(InflectPl, PrintsTheFourteenCellsOfANoun)
{
    const std::string out = InflectPl("pies *2110208");
    EXPECT_TRUE(out.starts_with("pies *2110208 (rzecz.)\n")) << out;
    EXPECT_NE(out.find("dopełniacz lp.   psa\n"), std::string::npos) << out;
    EXPECT_NE(out.find("miejscownik lp.  psu\n"), std::string::npos) << out;
    EXPECT_NE(out.find("wołacz lm."), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 14);
}

TEST(InflectPl, DeclinesAnAdjectiveWithItsNoun)
{
    const std::string out = InflectPl("biały dom *<134");
    EXPECT_NE(out.find("dopełniacz lp.   białego domu\n"), std::string::npos) << out;
    EXPECT_NE(out.find("narzędnik lm.    białymi domami\n"), std::string::npos) << out;
}

TEST(InflectPl, ShowsAlternativeForms)
{
    const std::string out = InflectPl("oko *423");
    EXPECT_NE(out.find("dopełniacz lm.   oczu / ócz\n"), std::string::npos) << out;
    EXPECT_NE(out.find("narzędnik lm.    oczyma / oczami\n"), std::string::npos) << out;
}

TEST(InflectPl, MarksTheFormsAWordDoesNotHave)
{
    const std::string out = InflectPl("Państwo *4881");
    EXPECT_NE(out.find("dopełniacz lp.   —\n"), std::string::npos) << out;
    EXPECT_NE(out.find("dopełniacz lm.   Państwa\n"), std::string::npos) << out;
}

TEST(InflectPl, PrintsEveryTenseParticipleAndTheVerbalNoun)
{
    const std::string out = InflectPl("nie robić się **61");
    for (const char* row :
         {"czas teraźniejszy 3 os. lp.", "nie robi się\n", "nie robiła się\n", "nie będę robić się\n",
          "nie robiłybyście się\n", "nie rób się\n", "nie robiąc się\n", "nie robiony się, nie robiona się",
          "nie robienie się\n", "forma bezosobowa przyszła", "nie będzie się robić\n"})
        EXPECT_NE(out.find(row), std::string::npos) << row << "\n" << out;
}

TEST(InflectPl, APerfectiveVerbHasItsSimpleFuture)
{
    const std::string out = InflectPl("zrobić *$61");
    EXPECT_NE(out.find("czas przyszły prosty 1 os. lp."), std::string::npos) << out;
    EXPECT_EQ(out.find("będę"), std::string::npos) << out;
}

} // namespace
} // namespace velmar::cli
