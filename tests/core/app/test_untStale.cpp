#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "support/TestNames.h"

using namespace velmar;

struct ModeCase {
    const char* Argument;
    int Mode;
    std::uint8_t Source;
    std::uint8_t Target;
};

class ModeChoice : public testing::TestWithParam<ModeCase> {};

std::string DescribeMode(const ModeCase& c)
{
    return *c.Argument ? test::Spelled(c.Argument) : "no argument";
}

TEST_P(ModeChoice, FirstArgumentChoosesTheJob)
{
    const auto& c = GetParam();
    const auto choice = ChooseWorkingMode(c.Argument);
    EXPECT_EQ(choice.Mode, c.Mode) << c.Argument;
    EXPECT_EQ(choice.Source, c.Source);
    EXPECT_EQ(choice.Target, c.Target);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ModeChoice,
    testing::Values(ModeCase{"", 1, jezFrancuski, jezPolski}, ModeCase{"/nonsense", 1, jezFrancuski, jezPolski},
                    ModeCase{"/SLZEWFR", 1, jezFrancuski, jezPolski}, ModeCase{"slzewfr", 1, jezFrancuski, jezPolski},
                    ModeCase{"/slzewfrx", 1, jezFrancuski, jezPolski}, ModeCase{"/slzewfr", 5, jezFrancuski, jezPolski},
                    ModeCase{"/transpl", 2, jezPolski, jezFrancuski}, ModeCase{"/slzewpl", 6, jezPolski, jezFrancuski}),
    test::NamedBy(DescribeMode));

TEST(WorkingModes, PartnersAndDoubleSwap)
{
    for (auto [mode, partner] : {std::pair{1, 2}, {3, 4}, {5, 6}, {7, 8}}) {
        EXPECT_EQ(PartnerMode(mode), partner);
        EXPECT_EQ(PartnerMode(partner), mode);
    }
    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode("/slzewpl"));
    SwapDirection(program);
    EXPECT_EQ(program.WorkingMode, 5);
    EXPECT_EQ(program.SourceLanguage, jezFrancuski);
    EXPECT_EQ(program.SourceAlphabet, 2);
    EXPECT_EQ(program.TargetAlphabet, 4);
    SwapDirection(program);
    EXPECT_EQ(program.WorkingMode, 6);
    EXPECT_EQ(program.SourceLanguage, jezPolski);
    EXPECT_EQ(program.TargetLanguage, jezFrancuski);
}

TEST(WorkingModes, JobKinds)
{
    for (int mode : {1, 2, 3, 4, 7, 8})
        EXPECT_TRUE(IsTranslatorMode(mode)) << mode;
    EXPECT_TRUE(IsDictionaryMode(5));
    EXPECT_TRUE(IsDictionaryMode(6));
    EXPECT_FALSE(IsTranslatorMode(6));
    EXPECT_NE(ApplicationTitleFor(1), ApplicationTitleFor(2));
    EXPECT_NE(ApplicationTitleFor(5), ApplicationTitleFor(6));
}

TEST(ProductTables, IndexAndThisProductsRow)
{
    EXPECT_EQ(ProductTableIndex(11, 6), 85);
    EXPECT_EQ(tabele::UserDictionary[85], std::string("polfrsz2.su"));
    EXPECT_EQ(ProductFile(tabele::NotesFile, 6), "notplfr2.dat");
    EXPECT_EQ(ProductFile(tabele::IconResource, 2), "TRPLFR");
    EXPECT_EQ(ProductFile(tabele::InflectedForms, 5), "");
    EXPECT_EQ(ProductFile(tabele::SettingsKey, 1), "SOFTWARE\\Orlena\\Velmar2\\FrPol");
    EXPECT_EQ(ProductTableEntry(tabele::MainDictionary, 1, 1), ""); // other products: none
    EXPECT_EQ(ProductTableEntry(tabele::MainDictionary, 13, 1), "");
    EXPECT_EQ(PaneBackupFile(2, true), "botplfr.rtf");
    EXPECT_EQ(TranslatorHelpFile(false, false), "trans.chm");
    EXPECT_EQ(DictionaryHelpFile(false, true), "sl_zewfr.chm");
}

TEST(Languages, AlphabetsAndCodePages)
{
    EXPECT_EQ(AlphabetId(jezPolski), 4);
    EXPECT_EQ(AlphabetId(jezFrancuski), 2);
    EXPECT_EQ(AlphabetId(jezRosyjski), 9);
    EXPECT_EQ(AlphabetId(42), 0);
    EXPECT_EQ(LanguageInfo(jezPolski).AnsiCodePage, 1250);
    EXPECT_STREQ(LanguageInfo(jezFrancuski).QualifierFile, "franc.sk");
}
