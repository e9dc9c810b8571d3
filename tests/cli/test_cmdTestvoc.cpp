// velmar-cli testvoc: the fixed sample of real morphology against its baseline, and
// how the command treats bad cases and a baseline it does not meet.
#include <gtest/gtest.h>

#include <string>

#include "cli/untCli.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

std::string Fixture(const std::string& name)
{
    return std::string(VELMAR_FIXTURES_DIR) + "/testvoc/" + name;
}

TEST(Testvoc, FixedSampleMeetsItsBaseline)
{
    const test::CliResult result =
        test::RunCliCaptured({"testvoc", "--baseline", Fixture("baseline.txt"), Fixture("sample.tsv")});
    EXPECT_EQ(result.Status, 0) << result.Out << result.Err;
    for (const char* wordClass : {"pl-adj:", "pl-noun:", "pl-verb:", "fr-verb:", "fr-noun:", "fr-adj:"})
        EXPECT_NE(result.Out.find(wordClass), std::string::npos) << wordClass;
}

TEST(Testvoc, ReportsAgreementGroupsAndFailingWords)
{
    test::TempFolder folder;
    const auto cases = folder.Write("cases.tsv", "pl-adj\tpos\tpl\tdobry *7\tcase=2,gender=3\tdobrej\n"
                                                 "pl-adj\tpos\tpl\tdobry *7\tcase=1,gender=3\tzła\n"
                                                 "fr-verb\taim:er\tfr\tparler*4\tform=1,person=4\tparlons\n");
    const test::CliResult result = test::RunCliCaptured({"testvoc", cases.string()});
    EXPECT_EQ(result.Status, 0);
    EXPECT_NE(result.Out.find("pl-adj: 1 of 2 cells agree (50.00%), 0 of 1 lemmas fully right (0.00%)"),
              std::string::npos)
        << result.Out;
    EXPECT_NE(result.Out.find("dobry *7 [case=1,gender=3] gives \"dobra\", expected \"zła\""), std::string::npos);
    EXPECT_NE(result.Out.find("fr-verb: 1 of 1 cells agree (100.00%), 1 of 1 lemmas fully right (100.00%)"),
              std::string::npos);
}

TEST(Testvoc, BadInputAndMissedBaselineFail)
{
    test::TempFolder folder;
    const auto good = folder.Write("good.tsv", "pl-adj\tpos\tpl\tdobry *7\tcase=2,gender=3\tdobrej\n");
    const auto high = folder.Write("high.txt", "pl-adj 100\nfr-verb 90  # a class with no cases counts as 0%\n");
    struct Case {
        const char* Name;
        std::string Cases;
        std::string Baseline;
        const char* Message;
    } cases[] = {
        {"five fields", "pl-adj\tpos\tpl\tdobry *7\tcase=2\n", "", "expected CLASS"},
        {"language", "pl-adj\tpos\tde\tgut\tcase=2\tguten\n", "", "expected CLASS"},
        {"feature value", "pl-adj\tpos\tpl\tdobry *7\tcase=x\tdobry\n", "",
         "bad.tsv:1: option --case needs a whole number"},
        {"feature name", "pl-adj\tpos\tpl\tdobry *7\ttense=2\tdobry\n", "", "bad.tsv:1: unknown option --tense"},
        {"feature without a value", "pl-adj\tpos\tpl\tdobry *7\tcase\tdobry\n", "",
         "bad.tsv:1: option --case needs a value"},
        {"baseline missed", "", high.string(), "below the baseline: fr-verb 0.00% < 90.00%"},
        {"lemma baseline missed",
         "pl-adj\tpos\tpl\tdobry *7\tcase=2,gender=3\tdobrej\n"
         "pl-adj\tpos\tpl\tdobry *7\tcase=1,gender=3\tzła\n",
         folder.Write("lemmas.txt", "pl-adj 50\npl-adj/lemmas 50\n").string(),
         "below the baseline: pl-adj/lemmas 0.00% < 50.00%"},
    };
    for (const Case& c : cases) {
        const std::string file = c.Cases.empty() ? good.string() : folder.Write("bad.tsv", c.Cases).string();
        std::vector<std::string> words = {"testvoc", file};
        if (!c.Baseline.empty())
            words = {"testvoc", "--baseline", c.Baseline, file};
        const test::CliResult result = test::RunCliCaptured(words);
        EXPECT_EQ(result.Status, 1) << c.Name;
        EXPECT_NE((result.Out + result.Err).find(c.Message), std::string::npos)
            << c.Name << ": " << result.Out << result.Err;
    }
    EXPECT_EQ(test::RunCliCaptured({"testvoc", (folder / "absent.tsv").string()}).Status, 1);
    EXPECT_EQ(test::RunCliCaptured({"testvoc"}).Status, 2);
}

// Nouns whose codes the hand-made dictionary gives: the fitting finds the same codes,
// or for "pokój" one that declines it alike on every cell.
TEST(FitNouns, FindsTheCodesOfKnownNouns)
{
    const test::CliResult result =
        test::RunCliCaptured({"fit-nouns", "--patterns", "1,11,12,13,14,2,3,31,32,33,34,4,41,43,44", "--alternations",
                              "01,02,03,05,086", Fixture("nouns-to-fit.tsv")});
    ASSERT_EQ(result.Status, 0) << result.Err;
    for (const char* line : {"chleb\t14\t8/8", "dom\t134\t8/8", "kobieta\t34\t8/8", "okno\t431\t8/8"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
    const std::size_t pokoj = result.Out.find("pokój\t1");
    ASSERT_NE(pokoj, std::string::npos);
    const std::string line = result.Out.substr(pokoj, result.Out.find('\n', pokoj) - pokoj);
    EXPECT_TRUE(line.ends_with("\t8/8")) << line;
    EXPECT_NE(result.Err.find("held-out cells agreeing"), std::string::npos);
}

// Verbs whose codes the hand-made dictionary gives, and a perfective one.
TEST(FitVerbs, FindsTheCodesOfKnownVerbs)
{
    const test::CliResult result =
        test::RunCliCaptured({"fit-verbs", "--classes", "1,4,61,62,9,+1,+2", Fixture("verbs-to-fit.tsv")});
    ASSERT_EQ(result.Status, 0) << result.Err;
    for (const char* line : {"czytać\t*1\t8/8", "pisać\t*9\t8/8", "robić\t*61\t8/8", "przeczytać\t$1\t8/8"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
    const test::TempFolder folder;
    EXPECT_EQ(test::RunCliCaptured(
                  {"fit-verbs", "--classes", "1", folder.Write("verbs.tsv", "czytać\tdone\t;;;;;;;;;;;\n").string()})
                  .Status,
              1);
}

TEST(FitNouns, RejectsMalformedNouns)
{
    test::TempFolder folder;
    for (const char* text : {"kot\t2\tkot;kota\n", "kot\t7\t;;;;;;;;;;;;\n", "kot\n"}) {
        const test::CliResult result = test::RunCliCaptured(
            {"fit-nouns", "--patterns", "1", "--alternations", "01", folder.Write("nouns.tsv", text).string()});
        EXPECT_EQ(result.Status, 1) << text;
        EXPECT_NE(result.Err.find("nouns.tsv:1: expected LEMMA"), std::string::npos) << result.Err;
    }
    EXPECT_EQ(test::RunCliCaptured({"fit-nouns", "--patterns", "1", Fixture("nouns-to-fit.tsv")}).Status, 2);
}

} // namespace
} // namespace velmar::cli
