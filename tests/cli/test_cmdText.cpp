#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "cli/untCli.h"
#include "support/CliRun.h"

using namespace velmar::cli;
using velmar::test::RunCliCaptured;

namespace {

TEST(CliText, PrintsTheTextInTheChosenLanguage)
{
    struct TPrzypadek {
        std::vector<std::string> Words;
        const char* Out;
    };
    const TPrzypadek cases[] = {
        {{"text", "21"}, "&Tak\n"},
        {{"text", "21", "--lang", "fr"}, "&Oui\n"},
        {{"text", "--lang", "pl", "102"}, "Czy chcesz zakończyć pracę z programem ?\n"},
        {{"text", "127"},
         "Aby zmienić kierunek tłumaczenia, trzeba przerwać tłumaczenie.\nCzy chcesz przerwać "
         "tłumaczenie ?\n"},
    };
    for (const auto& c : cases) {
        const auto run = RunCliCaptured(c.Words);
        EXPECT_EQ(run.Status, kSukces) << c.Words[1];
        EXPECT_EQ(run.Out, c.Out);
    }
    EXPECT_NE(RunCliCaptured({"text", "769", "--lang", "fr"}).Out.find("proszę"), std::string::npos);
}

TEST(CliText, EmptyCellFailsAndBadUsageIsRefused)
{
    const auto empty = RunCliCaptured({"text", "2051"});
    EXPECT_EQ(empty.Status, kBlad);
    EXPECT_TRUE(empty.Out.empty());
    EXPECT_NE(empty.Err.find("no text 2051"), std::string::npos);

    EXPECT_EQ(RunCliCaptured({"text", "0"}).Status, kBlad);
    EXPECT_EQ(RunCliCaptured({"text"}).Status, kZleUzycie);
    EXPECT_EQ(RunCliCaptured({"text", "21x"}).Status, kZleUzycie);
    EXPECT_EQ(RunCliCaptured({"text", "21", "--lang", "de"}).Status, kZleUzycie);
}

TEST(CliText, TheProgramPrintsUtf8)
{
    FILE* cli = popen(VELMAR_BIN_DIR "/velmar-cli text 21 --lang fr", "r");
    ASSERT_NE(cli, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, cli))
        out += buffer;
    const int status = pclose(cli);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(out, "&Oui\n");
}

} // namespace
