#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/TempFolder.h"

using velmar::test::RunCliCaptured;

TEST(ArchiveCommand, AddThenFindRoundTripsDiacritics)
{
    velmar::test::TempFolder data;
    const std::string folder = data.Path().string();
    const auto add = RunCliCaptured({"archive", "add", "--mode", "1", "--data", folder,
                                     "Où est la gare ? J'ai 3 billets.", "Gdzie jest dworzec? Mam 3 bilety, żółć."});
    ASSERT_EQ(add.Status, 0) << add.Err;
    EXPECT_TRUE(std::filesystem::exists(data.Path() / "frpol2.szd"));

    const auto exact =
        RunCliCaptured({"archive", "find", "--mode", "1", "--data", folder, "Où est la gare ? J'ai 3 billets."});
    EXPECT_EQ(exact.Status, 0) << exact.Err;
    EXPECT_EQ(exact.Out, "Gdzie jest dworzec? Mam 3 bilety, żółć.\n");

    const auto similar = RunCliCaptured(
        {"archive", "find", "--mode", "1", "--data", folder, "--level", "90", "Où est la gare ? J'ai 7 billets."});
    EXPECT_EQ(similar.Status, 0) << similar.Err;
    EXPECT_EQ(similar.Out, "Gdzie jest dworzec? Mam 7 bilety, żółć.\n");

    const auto polish = RunCliCaptured({"archive", "find", "--mode", "2", "--data", folder, "Mam 3 bilety"});
    EXPECT_EQ(polish.Status, 1); // the other direction has its own archive
}

TEST(ArchiveCommand, RefusesWhatWouldReadBackDifferentlyAndBadUsage)
{
    velmar::test::TempFolder data;
    const std::string folder = data.Path().string();
    const auto markup = RunCliCaptured({"archive", "add", "--mode", "1", "--data", folder, "a <info x>", "b"});
    EXPECT_EQ(markup.Status, 1);
    EXPECT_NE(markup.Err.find("markup"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(data.Path() / "frpol2.szd"));

    EXPECT_EQ(RunCliCaptured({"archive", "list"}).Status, 2);
    EXPECT_EQ(RunCliCaptured({"archive", "find", "--mode", "5", "x"}).Status, 2);
    EXPECT_EQ(RunCliCaptured({"archive", "find", "--mode", "1", "--level", "95", "x"}).Status, 2);
}
