#include "core/dictionaries/untSlowniki.h"

#include <gtest/gtest.h>

#include "core/app/untStaleApp.h"
#include "core/browser/untOdmieniacz.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

TWartosciProgramu ProgramInMode(const std::string& argument)
{
    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode(argument));
    return program;
}

// A data folder with files built from readable lines, and a dictionary set over it.
class DictionarySet : public ::testing::Test {
protected:
    void WriteData(const std::string& file, const std::string& kind, std::uint8_t language, const std::string& readable)
    {
        const auto dictionary = MakeDictionaryOfKind(kind, language);
        TLinie lines;
        lines.Assign(BuildStoredLines(readable, *dictionary));
        lines.SaveToFile(folder / file);
    }

    // Every file of both directions, one or two lines each.
    void WriteAllFiles()
    {
        WriteData("frpol2.sg", "main", jezFrancuski, "chat_#1m kot\nchien_#1m pies\n");
        WriteData("polfr2.sg", "main", jezPolski, "kot_#0 chat\n");
        WriteData("franc2.so", "forms", jezFrancuski, "chats\\{{002}}chat\n");
        WriteData("pol2.so", "forms", jezPolski, "kota\\{{002}}kot\n");
        WriteData("frpol2.sp", "phrase", jezFrancuski, "avoir faim_v być głodnym\n");
        WriteData("polfr2.sp", "phrase", jezPolski, "mieć rację_v avoir raison\n");
        WriteData("frpol2.skl", "collocation", jezFrancuski, "faire_faire attention\n");
        WriteData("polfr2.skl", "collocation", jezPolski, "robić_robić błąd\n");
        WriteData("frpol2.skp", "collocation", jezFrancuski, "prendre_prendre part\n");
        WriteData("polfr2.skp", "collocation", jezPolski, "brać_brać udział\n");
        WriteData("franc2.skt", "category", jezFrancuski, "uncountable$=eau,lait\n");
        WriteData("frpol2.szd", "archive", jezFrancuski, "Bonjour. {{020}} Dzień dobry.\n");
        WriteData("polfr2.szd", "archive", jezPolski, "Dzień dobry. {{020}} Bonjour.\n");
        WriteData("frpol2.snt", "untranslatable", jezFrancuski, "Internet _\n");
        WriteData("polfr2.snt", "untranslatable", jezPolski, "Internet _\n");
        WriteData("franc2.sdt", "data", jezFrancuski, "clé_valeur\n");
        WriteData("pol2.sdt", "data", jezPolski, "klucz_wartość\n");
        WriteData("franc.sk", "qualifier", jezFrancuski, "m_masculin\n");
        WriteData("pol.sk", "qualifier", jezPolski, "m_rodzaj męski\n");
        WriteData("frpol2.su", "user", jezFrancuski, "souris_#1f mysz\nzèbre_#1m zebra\n");
        WriteData("polfr2.su", "user", jezPolski, "mysz_#3 souris\n");
        WriteData("frpolsz2.su", "user", jezFrancuski, "souris_#1f mysz\n");
        WriteData("polfrsz2.su", "user", jezPolski, "mysz_#3 souris\n");
    }

    std::vector<const TTransSlownik*> Instances() const
    {
        const auto& d = *set;
        return {&d.User,
                &d.UserWorker,
                &d.Main,
                &d.MainWorker,
                &d.MainReserve1,
                &d.MainReserve2,
                &d.Reverse,
                &d.Phrases,
                &d.Forms,
                &d.FormsWorker,
                &d.Collocations1,
                &d.Collocations2,
                &d.Categories,
                &d.Archive,
                &d.ArchiveWorker,
                &d.Untranslatable,
                &d.UntranslatableWorker,
                &d.DataSource,
                &d.DataTarget,
                &d.QualifiersSource,
                &d.QualifiersTarget};
    }

    TBledyPlikow Load(const TWartosciProgramu& program, bool both = false, bool clearAll = false)
    {
        return set->LoadDictionaries(program, both, ProductFile(tabele::UserDictionary, program.WorkingMode), clearAll);
    }

    TBledyPlikow Save(const TWartosciProgramu& program)
    {
        return set->SaveDictionaries(program, ProductFile(tabele::UserDictionary, program.WorkingMode));
    }

    test::TempFolder folder;
    test::TempFolder userFolder;
    std::unique_ptr<TSlowniki> set = std::make_unique<TSlowniki>(TFolderyDanych(folder.Path(), userFolder.Path()));
};

TEST_F(DictionarySet, WithoutFilesEveryDictionaryIsEmptyInEveryMode)
{
    for (const char* argument : {"", "/transpl", "/slzewfr", "/slzewpl"}) {
        SCOPED_TRACE(argument);
        const auto program = ProgramInMode(argument);
        EXPECT_TRUE(Load(program, true).empty());
        for (const auto* instance : Instances()) {
            EXPECT_EQ(instance->Count(), 0);
            EXPECT_EQ(instance->GetKey(0), "");
        }
        EXPECT_EQ(set->Main.GetEntryText(0), "");
        EXPECT_TRUE(Save(program).empty());
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path())); // nothing was written
}

TEST_F(DictionarySet, TranslatorModeLoadsEveryListOfItsDirection)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program).empty());
    EXPECT_EQ(set->Main.Count(), 2);
    EXPECT_EQ(set->Main.GetKey(1), "chien");
    EXPECT_EQ(set->MainWorker.Lines, set->Main.Lines);
    EXPECT_EQ(set->Reverse.Count(), 0); // only with both directions
    EXPECT_EQ(set->Forms.GetKey(0), "chats");
    EXPECT_EQ(set->Phrases.GetKey(0), "avoir faim");
    EXPECT_EQ(set->Collocations1.GetKey(0), "faire");
    EXPECT_EQ(set->Collocations2.GetKey(0), "prendre");
    EXPECT_EQ(set->Categories.GetKey(0), "uncountable$");
    EXPECT_EQ(set->ArchiveWorker.GetKey(0), "Bonjour.");
    EXPECT_EQ(set->Untranslatable.GetKey(0), "Internet");
    EXPECT_EQ(set->DataSource.GetKey(0), FromUtf8("clé"));
    EXPECT_EQ(set->DataTarget.GetKey(0), "klucz");
    EXPECT_EQ(set->QualifiersSource.GetKey(0), "m");
    EXPECT_EQ(set->QualifiersTarget.Count(), 1);
    EXPECT_EQ(set->User.Count(), 2);
    EXPECT_EQ(set->UserWorker.GetKey(1), FromUtf8("zèbre"));
    EXPECT_TRUE(set->Main.KeepPhrases);
    EXPECT_FALSE(set->MainWorker.KeepPhrases);
}

TEST_F(DictionarySet, PolishTranslatorUsesThePolishListsAndLanguages)
{
    WriteAllFiles();
    const auto program = ProgramInMode("/transpl");
    ASSERT_TRUE(Load(program).empty());
    EXPECT_EQ(set->Main.GetKey(0), "kot");
    EXPECT_EQ(set->Main.SourceLang, jezPolski);
    EXPECT_EQ(set->Main.MarkerText, "``");
    EXPECT_EQ(set->Forms.GetKey(0), "kota");
    EXPECT_EQ(set->Phrases.GetKey(0), FromUtf8("mieć rację"));
    EXPECT_EQ(set->Collocations1.GetKey(0), FromUtf8("robić"));
    EXPECT_EQ(set->Categories.SourceLang, jezFrancuski);
    EXPECT_EQ(set->User.GetKey(0), "mysz");
}

TEST_F(DictionarySet, DictionaryModeSixLoadsNoTranslationListsAndSavesNoArchive)
{
    WriteAllFiles();
    const auto program = ProgramInMode("/slzewpl");
    ASSERT_TRUE(Load(program).empty());
    EXPECT_EQ(set->Main.Count(), 1);
    for (const TTransSlownik* instance : std::initializer_list<const TTransSlownik*>{
             &set->Forms, &set->FormsWorker, &set->Phrases, &set->Collocations1, &set->Collocations2, &set->Categories,
             &set->Archive, &set->Untranslatable})
        EXPECT_EQ(instance->Count(), 0);
    EXPECT_EQ(set->User.GetKey(0), "mysz"); // polfrsz2.su
    EXPECT_EQ(set->DataSource.GetKey(0), "klucz");

    const std::string archive = test::TempFolder::Read(folder / "polfr2.szd");
    ASSERT_TRUE(Save(program).empty());
    EXPECT_EQ(test::TempFolder::Read(folder / "polfr2.szd"), archive);
    EXPECT_TRUE(std::filesystem::exists(folder / "polfr2.snt"));
}

TEST_F(DictionarySet, InternetAndFileTranslatorModesLoadButSaveNothing)
{
    WriteAllFiles();
    for (const int mode : {trybInternetFrPl, trybInternetPlFr, trybPlikFrPl, trybPlikPlFr}) {
        SCOPED_TRACE(mode);
        TWartosciProgramu program = ProgramInMode(mode % 2 == 1 ? "" : "/transpl");
        program.WorkingMode = mode;
        ASSERT_TRUE(Load(program, false, true).empty());
        EXPECT_EQ(set->Main.Count(), mode % 2 == 1 ? 2 : 1);
        EXPECT_EQ(set->Forms.Count(), 1);
        EXPECT_EQ(set->Archive.Count(), 1);
        set->Listy.User.Clear();
        EXPECT_TRUE(Save(program).empty());
        EXPECT_TRUE(std::filesystem::exists(folder / ProductFile(tabele::UserDictionary, mode)));
    }
}

TEST_F(DictionarySet, BothDirectionsLoadsTheReverseListOnceUntilCleared)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program, true).empty());
    EXPECT_EQ(set->Reverse.GetKey(0), "kot");
    EXPECT_EQ(set->Reverse.SourceLang, jezPolski);

    WriteData("frpol2.sg", "main", jezFrancuski, "chat_#1m kot\nchien_#1m pies\nloup_#1m wilk\n");
    ASSERT_TRUE(Load(program, true).empty());
    EXPECT_EQ(set->Main.Count(), 2); // a filled list is not read again
    ASSERT_TRUE(set->Reload(program, true, "frpol2.su").empty());
    EXPECT_EQ(set->Main.Count(), 3);
}

TEST_F(DictionarySet, ReverseDictionaryLoadsOnDemand)
{
    WriteAllFiles();
    const auto program = ProgramInMode("/transpl");
    ASSERT_TRUE(Load(program).empty());
    EXPECT_EQ(set->Reverse.Count(), 0);
    EXPECT_TRUE(set->LoadReverseDictionary(program).empty());
    EXPECT_EQ(set->Reverse.GetKey(0), "chat");
}

TEST_F(DictionarySet, InflectionLooksUpTheFrenchPolishDictionaryInBothDirections)
{
    WriteAllFiles();
    for (const char* argument : {"", "/transpl"}) {
        const auto program = ProgramInMode(argument);
        set = std::make_unique<TSlowniki>(TFolderyDanych(folder.Path(), userFolder.Path()));
        ASSERT_TRUE(Load(program).empty());
        EXPECT_EQ(InflectionDictionary(*set, program).GetKey(0), "chat") << argument;
    }
}

TEST_F(DictionarySet, SavingWritesTheUserArchiveAndUntranslatableLines)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program).empty());
    set->Listy.User.Add(set->User.Encode("zzz_#1 nowy"));
    set->Listy.Archive.Clear();
    ASSERT_TRUE(Save(program).empty());

    TLinie saved;
    saved.LoadFromFile(folder / "frpol2.su");
    EXPECT_EQ(saved.Count(), 3);
    EXPECT_EQ(saved.Decoded(2, kKeyRowUser), "zzz_#1 nowy");
    EXPECT_FALSE(std::filesystem::exists(folder / "frpol2.szd")); // emptied: the file goes
    EXPECT_TRUE(std::filesystem::exists(folder / "frpol2.snt"));
    EXPECT_FALSE(std::filesystem::exists(folder / "frpol2.su.tmp"));
}

TEST_F(DictionarySet, AnEmptiedUserDictionaryRemovesItsFile)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program).empty());
    set->Listy.User.Clear();
    ASSERT_TRUE(Save(program).empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "frpol2.su"));
}

TEST_F(DictionarySet, AFailedWriteKeepsTheOldUserFile)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program).empty());
    const std::string before = test::TempFolder::Read(folder / "frpol2.su");
    set->Listy.User.Add(set->User.Encode("zzz_#1 nowy"));
    std::filesystem::create_directory(folder / "frpol2.su.tmp");
    EXPECT_EQ(Save(program), (TBledyPlikow{{TRodzajBleduPliku::Zapis, folder / "frpol2.su"}}));
    EXPECT_EQ(test::TempFolder::Read(folder / "frpol2.su"), before);
    // Nor does a reload then drop the unsaved line.
    EXPECT_FALSE(set->Reload(program, false, "frpol2.su").empty());
    EXPECT_EQ(set->User.Count(), 3);
}

TEST_F(DictionarySet, AFailedLoadIsNeverSavedOverItsFile)
{
    const auto program = ProgramInMode("");
    std::filesystem::create_directory(folder / "frpol2.su"); // unreadable as a line file
    EXPECT_EQ(Load(program), (TBledyPlikow{{TRodzajBleduPliku::Odczyt, folder / "frpol2.su"}}));
    EXPECT_EQ(set->User.Count(), 0);
    EXPECT_EQ(Save(program), (TBledyPlikow{{TRodzajBleduPliku::NieNadpisany, folder / "frpol2.su"}}));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "frpol2.su"));
}

TEST_F(DictionarySet, ApplyingSettingsAgainKeepsLinesNotYetSaved)
{
    WriteAllFiles();
    const auto program = ProgramInMode("");
    ASSERT_TRUE(Load(program).empty());
    set->Listy.User.Add(set->User.Encode("zzz_#1 nowy"));
    set->Listy.Untranslatable.Add(set->Untranslatable.Encode("Zorro _"));
    ASSERT_TRUE(Load(program).empty());
    EXPECT_EQ(set->User.Count(), 3);
    EXPECT_EQ(set->Untranslatable.Count(), 2);
    // Another user dictionary file is read afresh.
    ASSERT_TRUE(set->AttachUserDictionary(program, "frpolsz2.su").empty());
    EXPECT_EQ(set->User.Count(), 1);
}

} // namespace
} // namespace velmar
