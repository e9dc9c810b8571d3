// Notes on headwords: the file, line breaks, letter case and failed saves.
#include <gtest/gtest.h>

#include "core/app/untUtils.h"
#include "core/browser/untNotatki.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

TEST(Notatki, AddChangeDeleteThenReopenKeepsNotesWithTheirLineBreaks)
{
    test::TempFolder folder;
    const auto file = folder / "notfrpl2.dat";
    {
        TNotatki notes;
        ASSERT_TRUE(notes.Load(file)); // no file yet: no notes
        EXPECT_EQ(notes.Count(), 0);
        notes.SetNote(notes.Add("maison"), FromUtf8("dom\r\nbudynek"));
        notes.SetNote(notes.Add("chat"), "kot");
        notes.SetNote(notes.Add("chien"), "pies");
        notes.SetNote(notes.Add("chat"), FromUtf8("kot\nzwierzę"));
        notes.Delete(notes.IndexOf("chien"));
        ASSERT_TRUE(notes.Save(file));
    }
    EXPECT_EQ(test::TempFolder::Read(file), FromUtf8("maison=dom\x02\x02"
                                                     "budynek\r\nchat=kot\x02\x02zwierzę\r\n"));

    TNotatki reopened;
    ASSERT_TRUE(reopened.Load(file));
    ASSERT_EQ(reopened.Count(), 2);
    EXPECT_EQ(reopened.NoteOf("Maison"), "dom\r\nbudynek");
    EXPECT_EQ(reopened.NoteOf("chat"), FromUtf8("kot\r\nzwierzę"));
    EXPECT_EQ(reopened.NoteOf("chien"), "");
}

TEST(Notatki, EveryKindOfLineBreakBecomesTheMarker)
{
    const struct {
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {"a\r\nb", "a\x02\x02"
                   "b"},
        {"a\nb", "a\x02\x02"
                 "b"},
        {"a\rb", "a\x02\x02"
                 "b"},
        {"a\n\nb", "a\x02\x02\x02\x02"
                   "b"},
        {"a\r\n\r\n", "a\x02\x02\x02\x02"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TNotatki::EncodeLineBreaks(c.Typed), c.Stored) << c.Typed;
}

TEST(Notatki, OneEntryPerHeadwordWhateverItsCase)
{
    TNotatki notes;
    const int first = notes.Add("Maison");
    EXPECT_EQ(notes.Add("maison"), first);
    EXPECT_EQ(notes.Add(FromUtf8("ŻABA")), notes.Add(FromUtf8("żaba")));
    EXPECT_EQ(notes.Count(), 2);
    EXPECT_EQ(notes.Name(first), "Maison");
}

TEST(Notatki, AnEmptiedNoteKeepsItsHeadword)
{
    TNotatki notes;
    const int index = notes.Add("maison");
    notes.SetNote(index, "dom");
    notes.SetNote(index, "");
    EXPECT_EQ(notes.Count(), 1);
    EXPECT_EQ(notes.Value(index), "");
}

TEST(Notatki, NoNotesRemoveTheFile)
{
    test::TempFolder folder;
    const auto file = folder.Write("notplfr2.dat", "dom=maison\r\n");
    TNotatki notes;
    ASSERT_TRUE(notes.Load(file));
    notes.Clear();
    ASSERT_TRUE(notes.Save(file));
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Notes loaded from a file and changed since, ready to fail their save.
class NotatkiFailedSave : public ::testing::Test {
protected:
    NotatkiFailedSave()
    {
        EXPECT_TRUE(notes.Load(file));
        notes.SetNote(notes.Add("kot"), "chat");
    }

    test::TempFolder folder;
    const std::string old = "dom=maison\r\n";
    const std::filesystem::path file = folder.Write("notplfr2.dat", old);
    TNotatki notes;
};

TEST_F(NotatkiFailedSave, OnAFullDiskTheOldFileStays)
{
    bool saved = true;
    {
        test::FileSizeLimit diskFull(4);
        saved = notes.Save(file);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::TempFolder::Read(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()),
              1)
        << "the temporary file is removed";
}

TEST_F(NotatkiFailedSave, IntoAReadOnlyFolderTheOldFileStays)
{
    bool saved = true;
    {
        test::ReadOnlyFolder locked(folder.Path());
        if (!locked.Locked())
            GTEST_SKIP() << "this user writes into read-only folders (root); the full-disk case covers it";
        saved = notes.Save(file);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::TempFolder::Read(file), old);
}

// Found by fuzz_notatki: an empty file failed to load, and the notes then refused
// every save.
TEST(Notatki, AnEmptyFileLoadsAsNoNotesAndIsSavedOver)
{
    test::TempFolder folder;
    const auto file = folder.Write("frpol.not", "");
    TNotatki notes;
    ASSERT_TRUE(notes.Load(file));
    EXPECT_EQ(notes.Count(), 0);
    EXPECT_FALSE(notes.LoadFailed());
    notes.SetNote(notes.Add("chat"), "miaou");
    ASSERT_TRUE(notes.Save(file));
    EXPECT_EQ(test::TempFolder::Read(file), "chat=miaou\r\n");
}

TEST(Notatki, AFileThatCannotBeReadIsNotSavedOver)
{
    test::TempFolder folder;
    const auto notAFile = folder / "notfrpl2.dat";
    std::filesystem::create_directory(notAFile);
    TNotatki notes;
    EXPECT_FALSE(notes.Load(notAFile));
    notes.SetNote(notes.Add("chat"), "kot");
    EXPECT_FALSE(notes.Save(notAFile));
    EXPECT_TRUE(std::filesystem::is_directory(notAFile));
}

} // namespace
} // namespace velmar
