#include "core/dictionaries/untSlownikiUzytkownika.h"

#include <gtest/gtest.h>

#include "core/app/untMagazynUstawien.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

constexpr const char* kKey = "SOFTWARE\\Test\\SlowFr";

class UserDictionaryRegistry : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (folder / name).string(); }

    test::TempFolder folder;
    TSlownikiUzytkownika registry;
};

TEST_F(UserDictionaryRegistry, RegisterRefusesAFileAlreadyThereOrOneThatCannotBeMade)
{
    ASSERT_TRUE(registry.Register(File("klient.suz"), "klient", false));
    EXPECT_FALSE(std::filesystem::exists(folder / "klient.suz")) << "the probe file is removed again";

    EXPECT_FALSE(registry.Register(File("KLIENT.suz"), "again", false));
    EXPECT_EQ(registry.LastError, TBladRejestru::JuzZarejestrowany);

    const std::string unreachable = File("no-such-folder/a.suz");
    EXPECT_FALSE(registry.Register(unreachable, "", false));
    EXPECT_EQ(registry.LastError, TBladRejestru::NieMoznaUtworzyc);
    // Opening an existing file skips the check.
    EXPECT_TRUE(registry.Register(unreachable, "", true));
    EXPECT_EQ(registry.LastError, TBladRejestru::Brak);
    EXPECT_EQ(registry.Count(), 2);
}

TEST_F(UserDictionaryRegistry, ChangeMovesTheFileAndRefusesAnotherEntrysFile)
{
    const auto old = folder.Write("stary.suz", "line1\r\nline2\r\n");
    registry.Register(old.string(), "stary", true);
    registry.Register(File("inny.suz"), "inny", true);

    EXPECT_FALSE(registry.Change(0, File("INNY.suz"), "x"));
    EXPECT_EQ(registry.LastError, TBladRejestru::JuzZarejestrowany);

    ASSERT_TRUE(registry.Change(0, File("nowy.suz"), "nowy"));
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_EQ(test::TempFolder::Read(folder / "nowy.suz"), "line1\r\nline2\r\n");
    EXPECT_EQ(registry.Item(0)->Description, "nowy");

    // The same file in other letters changes only the description.
    ASSERT_TRUE(registry.Change(0, File("NOWY.suz"), "opis"));
    EXPECT_EQ(registry.Item(0)->FileName, File("nowy.suz"));
    EXPECT_FALSE(registry.Change(5, File("x.suz"), ""));
}

TEST_F(UserDictionaryRegistry, UnregisterRemovesTheFileUnlessKept)
{
    const auto kept = folder.Write("kept.suz", "a\r\n");
    const auto removed = folder.Write("removed.suz", "a\r\n");
    registry.Register(kept.string(), "", true);
    registry.Register(removed.string(), "", true);
    registry.CurrentIndex = 1;

    EXPECT_FALSE(registry.Unregister(2, false));
    ASSERT_TRUE(registry.Unregister(1, false));
    EXPECT_FALSE(std::filesystem::exists(removed));
    EXPECT_EQ(registry.CurrentIndex, 0);
    ASSERT_TRUE(registry.Unregister(0, true));
    EXPECT_TRUE(std::filesystem::exists(kept));
}

TEST_F(UserDictionaryRegistry, UnregisterKeepsTheCurrentEntryCurrent)
{
    struct TPrzypadek {
        int Current;
        int Removed;
        int CurrentAfter;
    };
    // Of four entries: one before the current, the current itself (entry 0 takes
    // over), one after it.
    for (const auto& c : {TPrzypadek{2, 1, 1}, TPrzypadek{2, 2, 0}, TPrzypadek{1, 3, 1}}) {
        TSlownikiUzytkownika entries;
        for (const char* name : {"a.suz", "b.suz", "c.suz", "d.suz"})
            entries.Register(name, "", true);
        entries.CurrentIndex = c.Current;
        ASSERT_TRUE(entries.Unregister(c.Removed, true));
        EXPECT_EQ(entries.CurrentIndex, c.CurrentAfter) << "current " << c.Current << ", removed " << c.Removed;
    }
}

TEST_F(UserDictionaryRegistry, DeferredFileChangesWaitAndThenMoveAndRemoveInOrder)
{
    const auto first = folder.Write("first.suz", "a\r\n");
    const auto second = folder.Write("second.suz", "b\r\n");
    registry.Register(first.string(), "", true);
    registry.Register(second.string(), "", true);
    registry.DeferFileChanges = true;

    ASSERT_TRUE(registry.Change(0, File("moved.suz"), ""));
    ASSERT_TRUE(registry.Change(0, File("again.suz"), ""));
    ASSERT_TRUE(registry.Unregister(1, false));
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(second));

    for (const auto& change : registry.PendingFileChanges)
        ApplyFileChange(change);
    EXPECT_EQ(test::TempFolder::Read(folder / "again.suz"), "a\r\n") << "moved twice";
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(folder / "moved.suz"));
    EXPECT_FALSE(std::filesystem::exists(second));
}

TEST_F(UserDictionaryRegistry, LineCountOfMissingReadableAndUnreadableFiles)
{
    EXPECT_EQ(TSlownikiUzytkownika::LineCount(folder / "missing.suz"), 0);
    EXPECT_EQ(TSlownikiUzytkownika::LineCount(folder.Write("two.suz", "a\r\nb\r\n")), 2);
    std::filesystem::create_directory(folder / "folder.suz");
    EXPECT_EQ(TSlownikiUzytkownika::LineCount(folder / "folder.suz"), -1);
}

TEST_F(UserDictionaryRegistry, LoadInsertsTheDefaultFirstAndBoundsTheCurrentIndex)
{
    TMagazynUstawienPamiec store;
    for (int i = 0; i < 2; ++i)
        store.WriteString(std::string(kKey) + "\\Slownik" + std::to_string(i), "Lokalizacja", "d" + std::to_string(i));
    store.WriteInteger(kKey, "Biezacy", 7);

    registry.LoadRegistry(store, kKey, "frpol2.su", "(słownik domyślny)");
    ASSERT_EQ(registry.Count(), 3);
    EXPECT_EQ(*registry.Item(0), (TSlownikUzytkownika{"frpol2.su", "(słownik domyślny)", true}));
    EXPECT_EQ(registry.Item(1)->FileName, "d0");
    EXPECT_EQ(registry.CurrentIndex, 0);
    EXPECT_EQ(registry.Item(3), nullptr);
}

TEST_F(UserDictionaryRegistry, SaveThenLoadGivesTheSameRegistryAndDropsStaleEntries)
{
    TMagazynUstawienPamiec store;
    registry.LoadRegistry(store, kKey, "frpol2.su", "default");
    registry.Register("a.suz", "A", true);
    registry.Register("b.suz", "B", true);
    registry.CurrentIndex = 2;
    registry.SaveRegistry(store, kKey);
    registry.Unregister(1, true);
    registry.SaveRegistry(store, kKey);

    TSlownikiUzytkownika loaded;
    loaded.LoadRegistry(store, kKey, "frpol2.su", "default");
    EXPECT_EQ(loaded.Items, registry.Items);
    EXPECT_EQ(loaded.CurrentIndex, 1);
}

} // namespace
} // namespace velmar
