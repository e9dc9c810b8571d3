#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/untZapisPliku.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

using TPisarz = std::function<void(std::ostream&)>;

TPisarz Writing(const std::string& bytes)
{
    return [bytes](std::ostream& out) { out << bytes; };
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    test::TempFolder folder;
    const auto file = folder.Write("notes.txt", "old");
    WriteFileAtomically(file, Writing("new"));
    EXPECT_EQ(test::TempFolder::Read(file), "new");
    EXPECT_FALSE(std::filesystem::exists(folder / "notes.txt.tmp"));
}

// Every way a write can fail keeps the old file whole and cleans up after itself.
TEST(AtomicWrite, AFailedWriteKeepsTheOldFile)
{
    struct TPrzypadek {
        const char* name;
        std::function<void(const test::TempFolder&)> prepare;
        TPisarz write;
    };
    const TPrzypadek cases[] = {
        {"the temporary file cannot be made",
         [](const test::TempFolder& folder) { std::filesystem::create_directory(folder / "notes.txt.tmp"); },
         Writing("new")},
        {"the writer gives up half-way", [](const test::TempFolder&) {},
         [](std::ostream& out) {
             out << "ne";
             throw std::runtime_error("stopped");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        const auto file = folder.Write("notes.txt", "old");
        c.prepare(folder);
        EXPECT_THROW(WriteFileAtomically(file, c.write), std::runtime_error);
        EXPECT_EQ(test::TempFolder::Read(file), "old");
        EXPECT_FALSE(std::filesystem::is_regular_file(folder / "notes.txt.tmp"));
    }
}

TEST(AtomicWrite, OnAFullDiskTheBytesAreNotReportedSaved)
{
    test::TempFolder folder;
    const auto file = folder.Write("notes.txt", "old");
    const std::string large(64 * 1024, 'x');
    bool saved = true;
    {
        test::FileSizeLimit full(16);
        saved = SaveFileAtomically(file, large);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::TempFolder::Read(file), "old");
    EXPECT_FALSE(std::filesystem::exists(folder / "notes.txt.tmp"));
}

// What a killed save leaves goes at the next start; the files themselves, other
// files and a folder that happens to be named like a temporary file stay.
TEST(AtomicWrite, LeftoverTemporaryFilesAreRemovedAndNothingElse)
{
    test::TempFolder folder;
    folder.Write("frpol2.su", "dictionary");
    folder.Write("frpol2.su.tmp", "half a dicti");
    folder.Write("frpol.not.tmp", "");
    folder.Write("tmp", "not temporary");
    std::filesystem::create_directory(folder / "kept.tmp");
    EXPECT_EQ(RemoveLeftoverTemporaries(folder.Path()), 2);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"frpol2.su", "kept.tmp", "tmp"}));
    EXPECT_EQ(RemoveLeftoverTemporaries(folder / "missing"), 0);
}

} // namespace
} // namespace velmar
