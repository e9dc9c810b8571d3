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

// A cell is judged by the form the table shows first: an alternative after " / " does
// not rescue it, and a form where the source has none is an invented one.
TEST(Testvoc, JudgesTheFirstFormAndCountsInventedForms)
{
    test::TempFolder folder;
    const auto cases = folder.Write("cases.tsv", "pl-noun\t423\tpl\toko *423\tcase=2,number=2\tócz\n"
                                                 "pl-noun\t423\tpl\toko *423\tcase=5,number=2\toczyma\n"
                                                 "pl-verb\t$61\tpl\tzrobić *$61\tform=6\t\tabsent\n"
                                                 "pl-verb\t*1\tpl\tkichać **1\tform=7\t\tabsent\n"
                                                 "pl-adj\tcom\tpl\tdrewniany *7\tdegree=1\tbardziej drewniany\tabsent\n"
                                                 "pl-adj\tadverb\tpl\tdrewniany *7\tadverb\t\tabsent\n");
    const test::CliResult result = test::RunCliCaptured({"testvoc", cases.string()});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_NE(result.Out.find("oko *423 [case=2,number=2] gives \"oczu\", expected \"ócz\""), std::string::npos)
        << result.Out;
    EXPECT_NE(result.Out.find("pl-noun: 1 of 2 cells agree"), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("pl-adj: 2 of 2 cells agree (100.00%), 1 of 1 lemmas fully right (100.00%), 0 invented "
                              "forms (of 2 cells the source has no form for)"),
              std::string::npos)
        << result.Out;
    EXPECT_NE(result.Out.find("kichać **1 [form=7] gives \"kichany\", expected no form"), std::string::npos)
        << result.Out;
    EXPECT_NE(result.Out.find("pl-verb: 1 of 2 cells agree (50.00%), 1 of 2 lemmas fully right (50.00%), 1 invented "
                              "forms (of 2 cells the source has no form for)"),
              std::string::npos)
        << result.Out;
}

// The words of a listed class not fully right, each with its reason or as a failure;
// the baseline limits the invented forms and the unexplained words.
TEST(Testvoc, ListsTheWordsOfAWordListWithTheirReasons)
{
    test::TempFolder folder;
    const auto cases =
        folder.Write("cases.tsv", "pl-frequent\tnoun\tpl\tpies *240208\tcase=1,number=2\tpsowie\n"
                                  "pl-frequent\tnoun\tpl\tkot *2408\tcase=2,number=1\tkota\n"
                                  "pl-frequent\tverb, not in the dictionary\tpl\tkichać **1\tform=7\t\tabsent\n"
                                  "fr-frequent\tverb\tfr\tpleuvoir*4\tform=1,person=1\t\tabsent\n");
    const auto exceptions = folder.Write("exceptions.txt", "# comment\npies\tthe personal plural is the policemen's\n");
    const auto baseline = folder.Write("baseline.txt", "pl-frequent/lemmas 33\npl-frequent/invented 1\n"
                                                       "pl-frequent/unexplained 0\nfr-frequent/invented 0\n");
    const test::CliResult result =
        test::RunCliCaptured({"testvoc", "--word-list", "pl-frequent,fr-frequent", "--exceptions", exceptions.string(),
                              "--baseline", baseline.string(), cases.string()});
    EXPECT_EQ(result.Status, 1);
    for (const char* line : {"words not fully right: 2, 1 explained, 1 failing",
                             "pies *240208 (noun)\t[case=1,number=2] gives \"psy\", expected \"psowie\"\texplained: "
                             "the personal plural is the policemen's",
                             "kichać **1 (verb, not in the dictionary)\t[form=7] gives \"kichany\", expected no "
                             "form\tFAILURE: not in the exceptions file",
                             "above the baseline: pl-frequent/unexplained 1 > 0"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
    EXPECT_EQ(result.Out.find("kot *2408 ("), std::string::npos) << result.Out;
    EXPECT_EQ(result.Out.find("below the baseline: pl-frequent/lemmas"), std::string::npos) << result.Out;
    EXPECT_EQ(result.Out.find("invented 1 >"), std::string::npos) << result.Out;
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
        {"seventh field", "pl-adj\tpos\tpl\tdobry *7\tcase=2\tdobrego\tmissing\n", "", "expected CLASS"},
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
        {"unknown figure", "", folder.Write("figure.txt", "pl-adj/forms 50\n").string(),
         "figure.txt:1: expected CLASS PERCENT"},
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
