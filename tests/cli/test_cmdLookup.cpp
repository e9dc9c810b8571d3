#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

// A data folder with the main and forms files of both directions built from the
// readable fixtures.
class Lookup : public ::testing::Test {
protected:
    Lookup()
    {
        Build("frpol_main.txt", "main", jezFrancuski, "frpol2.sg");
        Build("franc_forms.txt", "forms", jezFrancuski, "franc2.so");
        Build("polfr_main.txt", "main", jezPolski, "polfr2.sg");
        Build("pol_forms.txt", "forms", jezPolski, "pol2.so");
    }

    void Build(const char* source, const char* kind, std::uint8_t language, const char* file)
    {
        const auto dictionary = MakeDictionaryOfKind(kind, language);
        BuildDictionaryFile(std::filesystem::path(VELMAR_FIXTURES_DIR) / "search" / source, *dictionary, data / file);
    }

    int Run(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"lookup", "--data", data.Path().string()});
        const test::CliResult result = test::RunCliCaptured(words);
        out = result.Out;
        err = result.Err;
        return result.Status;
    }

    test::TempFolder data;
    std::string out;
    std::string err;
};

TEST_F(Lookup, ReportsHowEachWordWasFound)
{
    ASSERT_EQ(Run({"chat", "CHAT", "paris", "eleve", "chats"}), kSukces) << err;
    EXPECT_EQ(out, "chat: chat (exact)\n  chat_#1m kot\n"
                   "CHAT: chat (case)\n  chat_#1m kot\n"
                   "paris: Paris (case)\n  Paris_#F Paryż\n"
                   "eleve: élève (accents)\n  élève_#1m uczeń\n"
                   "chats: chat (form)\n  chat_#1m kot\n");
}

TEST_F(Lookup, AWordThatOnlyBeginsAHeadwordShowsNoEntryButNamesTheNearest)
{
    EXPECT_EQ(Run({"mais"}), kBlad);
    EXPECT_EQ(out, "mais: no headword; nearest maison\n");
}

TEST_F(Lookup, ExitOneWhenAWordIsFoundNowhere)
{
    EXPECT_EQ(Run({"chat", "zzz"}), kBlad);
    EXPECT_NE(out.find("zzz: no headword"), std::string::npos);
}

TEST_F(Lookup, FormsInSearchOrderWithTheRuleFallbacks)
{
    ASSERT_EQ(Run({"--forms", "est", "finissage", "reconstruire"}), kSukces) << out;
    const std::string text = out;
    EXPECT_NE(text.find("  reading est code 5 priority 100\n"
                        "  reading être code 80 priority 50\n"
                        "  reading est code 55 priority 20\n"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find(
            "finissage: no headword; nearest maison\n  reading finir code 1 priority 50\n  by the suffix rules\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("  reading construire code 80 priority 50\n"
                        "  by the prefix rules, before the translation \"ponownie \"\n"),
              std::string::npos)
        << text;
}

TEST_F(Lookup, PolishDirectionAndTheDictionaryModeReadTheForms)
{
    for (const char* mode : {"2", "6"}) {
        ASSERT_EQ(Run({"--mode", mode, "--forms", "robiłby", "psa", "PIES"}), kSukces) << mode << err;
        const std::string text = out;
        EXPECT_NE(text.find("  reading robić code 127 priority 50\n"), std::string::npos) << text;
        EXPECT_NE(text.find("  reading pies code 2 priority 50\n"), std::string::npos) << text;
        EXPECT_NE(text.find("PIES: pies (case)"), std::string::npos) << text;
    }
}

TEST_F(Lookup, BadModeIsAUsageError)
{
    EXPECT_EQ(Run({"--mode", "3", "chat"}), kZleUzycie);
    EXPECT_EQ(Run({}), kZleUzycie);
}

TEST_F(Lookup, MissingDataFolderFindsNothing)
{
    const test::CliResult result = test::RunCliCaptured({"lookup", "--data", (data / "none").string(), "chat"});
    EXPECT_EQ(result.Status, kBlad);
    EXPECT_NE(result.Err.find("no main dictionary"), std::string::npos);
}

} // namespace
} // namespace velmar::cli
