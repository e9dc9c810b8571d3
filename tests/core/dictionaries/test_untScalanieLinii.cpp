#include "core/dictionaries/untScalanieLinii.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

// Two runs of the program (a translator and a dictionary window) over one data folder
// and the same user dictionary and words not to translate.
class TwoRunsSaving : public ::testing::Test {
protected:
    TwoRunsSaving()
    {
        Write("frpol2.sg", "main", "chat_#1m kot\n");
        Write("frpol2.su", "user", "chien_#1m pies\nloup_#1m wilk\n");
        Write("frpol2.snt", "untranslatable", "Internet _\n");
        ApplyWorkingMode(program, ChooseWorkingMode(""));
        for (auto* run : {&first, &second}) {
            *run = std::make_unique<TSlowniki>(TFolderyDanych(folder.Path(), folder.Path()));
            EXPECT_TRUE((*run)->LoadDictionaries(program, false, "frpol2.su", true).empty());
        }
    }

    void Write(const std::string& file, const std::string& kind, const std::string& readable)
    {
        TLinie lines;
        lines.Assign(BuildStoredLines(readable, *MakeDictionaryOfKind(kind, jezFrancuski)));
        lines.SaveToFile(folder / file);
    }

    static void AddUserLine(TSlowniki& run, const std::string& line)
    {
        int index = 0;
        run.User.FindKeyExact(run.User.KeyOf(line), index);
        run.Listy.User.Insert(index, run.User.Encode(line));
    }

    std::vector<std::string> SavedLines(const std::string& file, int keyRow) const
    {
        TLinie saved;
        saved.LoadFromFile(folder / file);
        std::vector<std::string> lines;
        for (int i = 0; i < saved.Count(); ++i)
            lines.push_back(saved.Decoded(i, keyRow));
        return lines;
    }

    test::TempFolder folder;
    TWartosciProgramu program;
    std::unique_ptr<TSlowniki> first, second;
};

TEST_F(TwoRunsSaving, NeitherLosesTheWordsTheOtherAdded)
{
    AddUserLine(*first, "cheval _##1 kon");
    AddUserLine(*second, "zebre _##1 zebra");
    int index = 0;
    first->Untranslatable.AddWord("Velmar", index);
    second->Untranslatable.AddWord("Linux", index);

    EXPECT_TRUE(first->SaveDictionaries(program, "frpol2.su").empty());
    EXPECT_TRUE(second->SaveDictionaries(program, "frpol2.su").empty());

    EXPECT_EQ(SavedLines("frpol2.su", kKeyRowUser),
              (std::vector<std::string>{"cheval _##1 kon", "chien_#1m pies", "loup_#1m wilk", "zebre _##1 zebra"}));
    EXPECT_EQ(SavedLines("frpol2.snt", kKeyRowAuxiliary),
              (std::vector<std::string>{"Internet _", "Linux _", "Velmar _"}));
    // The second run now holds the first one's word too.
    EXPECT_EQ(second->User.Count(), 4);
}

TEST_F(TwoRunsSaving, ADeletionAndAChangeOfTheSameFileMeet)
{
    first->Listy.User.Delete(1); // loup
    second->Listy.User.Replace(0, second->User.Encode("chien_#1m psisko"));
    EXPECT_TRUE(first->SaveDictionaries(program, "frpol2.su").empty());
    EXPECT_TRUE(second->SaveDictionaries(program, "frpol2.su").empty());
    EXPECT_EQ(SavedLines("frpol2.su", kKeyRowUser), (std::vector<std::string>{"chien_#1m psisko"}));

    // A run that only deletes what the other left alone empties the file: it goes.
    first->Listy.User.Clear();
    EXPECT_TRUE(first->SaveDictionaries(program, "frpol2.su").empty());
    EXPECT_EQ(second->User.Count(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "frpol2.su"));
}

TEST_F(TwoRunsSaving, AnUnreadableFileIsNeitherMergedNorOverwritten)
{
    AddUserLine(*first, "cheval _##1 kon");
    std::filesystem::remove(folder / "frpol2.su");
    std::filesystem::create_directory(folder / "frpol2.su");
    const TBledyPlikow failures = first->SaveDictionaries(program, "frpol2.su");
    ASSERT_EQ(failures.size(), 1U);
    EXPECT_EQ(failures[0].Rodzaj, TRodzajBleduPliku::Zapis);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "frpol2.su"));
    EXPECT_EQ(first->User.Count(), 3) << "the unsaved lines stay in memory";
}

} // namespace
} // namespace velmar
