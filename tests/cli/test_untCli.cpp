#include <gtest/gtest.h>

#include "cli/untCli.h"
#include "support/CliRun.h"

using namespace velmar::cli;

using velmar::test::RunCliCaptured;

TEST(CliFrame, HelpListsEverySubcommand)
{
    const auto run = RunCliCaptured({"--help"});
    EXPECT_EQ(run.Status, kSukces);
    EXPECT_NE(run.Out.find("Usage: velmar-cli COMMAND"), std::string::npos);
    for (const auto& command : Commands())
        EXPECT_NE(run.Out.find(std::string("  ") + command.Name), std::string::npos) << command.Name;
}

// Every command answers --help with its usage, also after words of its own, and takes a
// "--help" after "--" as an argument.
TEST(CliFrame, EveryCommandHasHelp)
{
    for (const auto& command : Commands()) {
        SCOPED_TRACE(command.Name);
        for (const std::vector<std::string>& words :
             {std::vector<std::string>{command.Name, "--help"}, {command.Name, "word", "--lang", "fr", "-h"}}) {
            const auto run = RunCliCaptured(words);
            EXPECT_EQ(run.Status, kSukces);
            EXPECT_TRUE(run.Out.starts_with(std::string("Usage: velmar-cli ") + command.Name + " ")) << run.Out;
            EXPECT_EQ(run.Err, "");
        }
    }
    EXPECT_NE(RunCliCaptured({"text", "--", "--help"}).Status, kSukces);
}

TEST(CliFrame, VersionAndUsageErrors)
{
    EXPECT_EQ(RunCliCaptured({"--version"}).Out, "velmar-cli 2.0\n");

    const auto none = RunCliCaptured({});
    EXPECT_EQ(none.Status, kZleUzycie);
    EXPECT_NE(none.Err.find("no command"), std::string::npos);

    const auto unknown = RunCliCaptured({"frobnicate"});
    EXPECT_EQ(unknown.Status, kZleUzycie);
    EXPECT_NE(unknown.Err.find("unknown command \"frobnicate\""), std::string::npos);
}

TEST(CliArguments, OptionsFlagsAndPositionals)
{
    const TArgumenty args({"--lang", "fr", "--forms", "kot", "--", "--dash"}, {"lang"}, {"forms"});
    EXPECT_EQ(args.ValueOr("lang", "pl"), "fr");
    EXPECT_TRUE(args.Flag("forms"));
    EXPECT_EQ(args.Positional(), (std::vector<std::string>{"kot", "--dash"}));
    EXPECT_EQ(args.Choice("lang", {"fr", "pl"}, "pl"), "fr");
}

TEST(CliArguments, MalformedCommandLinesAreUsageErrors)
{
    EXPECT_THROW(TArgumenty({"--nope"}, {}, {}), TZleUzycie);
    EXPECT_THROW(TArgumenty({"--lang"}, {"lang"}, {}), TZleUzycie);
    const TArgumenty args({"--case", "x2", "--lang", "de"}, {"case", "lang"}, {});
    EXPECT_THROW(args.Number("case"), TZleUzycie);
    EXPECT_THROW(args.Choice("lang", {"fr", "pl"}, "pl"), TZleUzycie);
    EXPECT_THROW(args.RequirePositional(1), TZleUzycie);
}
