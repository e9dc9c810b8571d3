// velmar-cli inflect: one form with feature options, the whole paradigm without.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/app/untStale.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

test::CliResult Inflect(std::vector<std::string> words)
{
    words.insert(words.begin(), "inflect");
    return test::RunCliCaptured(words);
}

TEST(Inflect, PrintsTheOneFormOfTheFeatures)
{
    const test::CliResult result = Inflect({"--lang", "pl", "dobry *7", "--case", "2", "--gender", "1"});
    EXPECT_EQ(result.Status, kSukces);
    EXPECT_EQ(result.Out, "dobrego\n");
}

TEST(Inflect, OptionsNotGivenTakeTheNeutralValues)
{
    EXPECT_EQ(Inflect({"--lang", "pl", "dobry *7", "--adverb"}).Out, "dobrze\n");
    EXPECT_EQ(Inflect({"--lang", "pl", "dobry *7", "--degree", "2"}).Out, "najlepszy\n");
    EXPECT_EQ(Inflect({"--lang", "pl", "on *90", "--case", "2", "--after-preposition"}).Out, "niego\n");
    EXPECT_EQ(Inflect({"--lang", "pl", "mnie *90", "--case", "3", "--oblique"}).Out, "mi\n");
    EXPECT_EQ(Inflect({"--lang", "fr", "que*90", "--que-to-qui"}).Out, "qui\n");
    EXPECT_EQ(Inflect({"--lang", "pl", "dobry", "*7", "--number", "2", "--gender", "0"}).Out, "dobrzy\n");
}

TEST(Inflect, PrintsTheWholeAdjectiveParadigmWithPolishLabels)
{
    const test::CliResult result = Inflect({"--lang", "pl", "dobry *7"});
    EXPECT_EQ(result.Status, kSukces);
    const std::string& out = result.Out;
    EXPECT_TRUE(out.starts_with("dobry *7 (przym.)\n")) << out;
    EXPECT_NE(out.find("dopełniacz lp. m. rzecz.     dobrego\n"), std::string::npos) << out;
    EXPECT_NE(out.find("biernik lp. ż.               dobrą\n"), std::string::npos) << out;
    EXPECT_NE(out.find("mianownik lm. m. osob.       dobrzy\n"), std::string::npos) << out;
    EXPECT_NE(out.find("przysłówek                   dobrze\n"), std::string::npos) << out;
    EXPECT_NE(out.find("stopień najwyższy            najlepszy\n"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 35 + 12 + 1 + 2);
}

TEST(Inflect, ShowsPronounFormsAfterAPrepositionWhereTheyDiffer)
{
    const std::string out = Inflect({"--lang", "pl", "on *90"}).Out;
    EXPECT_NE(out.find("dopełniacz              go\n"), std::string::npos) << out;
    EXPECT_NE(out.find("dopełniacz po przyimku  niego\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("narzędnik po przyimku"), std::string::npos) << out;
}

TEST(Inflect, TakesTheCodeAsTheDictionaryEntryWritesIt)
{
    EXPECT_EQ(Inflect({"--lang", "fr", "maison_#1f"}).Out, Inflect({"--lang", "fr", "maison*1f"}).Out);
    EXPECT_EQ(Inflect({"--lang", "pl", "dobry_#7", "--case", "2", "--gender", "1"}).Out, "dobrego\n");
}

// A data folder with the main dictionaries of both directions, built from the fixtures.
class InflectFromDictionary : public ::testing::Test {
protected:
    InflectFromDictionary()
    {
        Build("frpol_main.txt", jezFrancuski, "frpol2.sg");
        Build("polfr_main.txt", jezPolski, "polfr2.sg");
    }

    void Build(const char* source, std::uint8_t language, const char* file)
    {
        const auto dictionary = MakeDictionaryOfKind("main", language);
        BuildDictionaryFile(std::filesystem::path(VELMAR_FIXTURES_DIR) / "search" / source, *dictionary, data / file);
    }

    test::CliResult Run(const char* language, const char* word)
    {
        return Inflect({"--lang", language, "--data", data.Path().string(), word});
    }

    test::TempFolder data;
};

TEST_F(InflectFromDictionary, AWordAloneTakesTheCodeOfItsEntry)
{
    EXPECT_EQ(Run("fr", "maison").Out, Inflect({"--lang", "fr", "maison*1f"}).Out);
    EXPECT_EQ(Run("pl", "pies").Out, Inflect({"--lang", "pl", "pies *1m"}).Out);
}

TEST_F(InflectFromDictionary, APronominalVerbTakesTheCodeOfItsBareInfinitive)
{
    const auto source = data.Path() / "verbs.txt";
    std::ofstream(source) << "aimer_#4 kochać\nparler_#4 mówić\n";
    BuildDictionaryFile(source, *MakeDictionaryOfKind("main", jezFrancuski), data / "frpol2.sg");
    for (const char* typed : {"se parler", "s'aimer", "s’aimer"}) {
        const test::CliResult result = Run("fr", typed);
        EXPECT_EQ(result.Status, kSukces) << typed << result.Err;
        EXPECT_NE(result.Out.find("indicatif présent 1 os. lp."), std::string::npos) << result.Out;
    }
    EXPECT_NE(Run("fr", "s'aimer").Out.find("m'aime"), std::string::npos);
}

TEST_F(InflectFromDictionary, AWordWithoutCodeOrEntryIsNotFound)
{
    const test::CliResult result = Run("pl", "kalafior");
    EXPECT_EQ(result.Status, kBlad);
    EXPECT_EQ(result.Out, "");
    EXPECT_NE(result.Err.find("\"kalafior\" has no dictionary entry"), std::string::npos) << result.Err;
}

TEST(Inflect, HelpAfterTheOptionsPrintsTheUsage)
{
    for (const auto& words : {std::vector<std::string>{"--lang", "pl", "--help"}, {"--lang", "fr", "parler*4", "-h"}}) {
        const test::CliResult result = Inflect(words);
        EXPECT_EQ(result.Status, kSukces);
        EXPECT_TRUE(result.Out.starts_with("Usage: velmar-cli inflect --lang pl|fr WORD")) << result.Out;
    }
}

TEST(Inflect, RejectsBadUsage)
{
    EXPECT_EQ(Inflect({"dobry *7"}).Status, kZleUzycie);
    EXPECT_EQ(Inflect({"--lang", "de", "gut"}).Status, kZleUzycie);
    EXPECT_EQ(Inflect({"--lang", "pl"}).Status, kZleUzycie);
    EXPECT_EQ(Inflect({"--lang", "pl", "dobry *7", "--case", "drugi"}).Status, kZleUzycie);
    EXPECT_EQ(Inflect({"--lang", "pl", "\xB3\xF3\xBF"}).Status, kZleUzycie);
    const test::CliResult outOfRange = Inflect({"--lang", "pl", "dobry *7", "--case", "9"});
    EXPECT_EQ(outOfRange.Status, kZleUzycie);
    EXPECT_NE(outOfRange.Err.find("--case takes a value from 1 to 7"), std::string::npos) << outOfRange.Err;
    EXPECT_EQ(Inflect({"--lang", "fr", "parler*4", "--number", "3"}).Status, kZleUzycie);
    // A code no generator knows, or one the word's ending cannot take, is refused
    // rather than shown as a table of lemmas.
    for (const auto& [language, word] : std::vector<std::pair<std::string, std::string>>{
             {"pl", "pies *999"}, {"pl", "pies **61"}, {"pl", "czytać **61"}, {"fr", "maison*4"}}) {
        const test::CliResult mismatch = Inflect({"--lang", language, word});
        EXPECT_EQ(mismatch.Status, kZleUzycie) << word;
        EXPECT_EQ(mismatch.Out, "") << word;
        EXPECT_NE(mismatch.Err.find("code"), std::string::npos) << mismatch.Err;
    }
    const test::CliResult unknown = Inflect({"--lang", "pl", "dobry *7", "--tense", "1"});
    EXPECT_EQ(unknown.Status, kZleUzycie);
    EXPECT_NE(unknown.Err.find("unknown option --tense"), std::string::npos) << unknown.Err;
}

} // namespace
} // namespace velmar::cli
