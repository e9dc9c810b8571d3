#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/app/untFoldery.h"
#include "support/TempFolder.h"

using namespace velmar;
namespace fs = std::filesystem;

TEST(DataFolders, WritableDataFolderIsUsedForBoth)
{
    test::TempFolder data, user;
    const TFolderyDanych folders(data.Path(), user.Path() / "velmar");
    EXPECT_EQ(folders.WritePath("frpol2.su"), data.Path() / "frpol2.su");
    EXPECT_EQ(folders.ReadPath("frpol2.su"), data.Path() / "frpol2.su");
}

TEST(DataFolders, UnwritableDataFolderSendsWritesToTheUserAndReadsThemFirst)
{
    // A data folder that cannot be written to (a missing one fails the check even for root).
    test::TempFolder user;
    const fs::path data = user.Path() / "missing-data-folder";
    const TFolderyDanych folders(data, user.Path() / "velmar");
    EXPECT_EQ(folders.ReadPath("frpol2.su"), data / "frpol2.su");
    const auto written = folders.WritePath("frpol2.su");
    EXPECT_EQ(written, user.Path() / "velmar" / "frpol2.su");
    EXPECT_TRUE(fs::is_directory(user.Path() / "velmar"));
    std::ofstream(written) << "mine";
    EXPECT_EQ(folders.ReadPath("frpol2.su"), written);
}

// An installed program finds its data in the share folder beside its bin folder; a
// program in any other folder, or a bin folder without the share one, has its data
// beside it.
TEST(DataFolders, InstalledProgramReadsTheSharedDataFolder)
{
    test::TempFolder prefix;
    fs::create_directories(prefix.Path() / "bin");
    fs::create_directories(prefix.Path() / "build");
    EXPECT_EQ(DataFolderOfProgram(prefix.Path() / "bin"), prefix.Path() / "bin");
    EXPECT_EQ(DataFolderOfProgram(prefix.Path() / "build"), prefix.Path() / "build");
    fs::create_directories(prefix.Path() / "share" / "velmar");
    EXPECT_EQ(DataFolderOfProgram(prefix.Path() / "bin"), prefix.Path() / "share" / "velmar");
    EXPECT_EQ(DataFolderOfProgram(prefix.Path() / "build"), prefix.Path() / "build");
}
