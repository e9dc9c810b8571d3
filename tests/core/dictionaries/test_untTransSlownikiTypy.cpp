#include "core/dictionaries/untTransSlownikiTypy.h"

#include <gtest/gtest.h>

#include "SlownikTestowy.h"
#include "core/app/untStale.h"

namespace velmar {
namespace {

TEST(DictionaryKeys, EveryKindTakesItsOwnKey)
{
    struct Case {
        const char* Kind;
        std::string Line;
        std::string Key;
    };
    const Case cases[] = {
        {"main", "avoir [qch]_#4 mieć", "avoir"},
        {"main", "chat {zool.} _#1 kot", "chat"},
        {"main", "bez separatora", ""},
        {"user", "avoir [qch]_#4 mieć", "avoir [qch]"}, // only the main dictionary cuts at "["
        {"qualifier", " m _rodzaj", "m"},
        {"forms", "psem\\\x05pies", "psem"},
        {"forms", "bez", ""},
        {"untranslatable", " Internet _", "Internet"},
        {"untranslatable", "New York", "New"},
        {"untranslatable", " x", " x"},
        {"untranslatable", "solo", "solo"},
        {"data", "clé _ valeur", "clé"},
        {"category", "uncountable$ = eau,lait", "uncountable$"},
        {"category", "name items", "name"},
        {"collocation", "faire_faire attention;faire gaffe", "faire"},
        {"archive", "Bonjour. \x14 Dzie\xF1 dobry.", "Bonjour."},
        {"archive", "Bonjour tout", "Bonjour"},
    };
    for (const auto& c : cases) {
        const auto dictionary = MakeDictionaryOfKind(c.Kind, jezFrancuski);
        EXPECT_EQ(dictionary->KeyOf(c.Line), c.Key) << c.Kind << ": " << c.Line;
    }
}

TEST(DictionaryKeys, IndexOutsideTheLinesGivesEmptyTexts)
{
    test::SlownikTestowy dictionary("main", jezFrancuski, "chat_#1 kot\n");
    for (const int index : {-1, 1, 1000}) {
        EXPECT_EQ(dictionary.Dictionary->GetKey(index), "");
        EXPECT_EQ(dictionary.Main().GetEntryText(index), "");
    }
    TTransSlownikGlowny unattached(rsGlowny, kKeyRowMain, jezFrancuski, jezPolski);
    EXPECT_EQ(unattached.Count(), 0);
    EXPECT_EQ(unattached.GetKey(0), "");
    EXPECT_EQ(unattached.GetEntry(0).Headword, "");
}

TEST(DictionaryKeys, ExactSearchAndAllKeys)
{
    test::SlownikTestowy dictionary("main", jezPolski, "pies_#0 chien\nkot_#0 chat\nżaba_#3 grenouille\n");
    int index = -1;
    EXPECT_TRUE(dictionary.Dictionary->FindKeyExact("pies", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(dictionary.Dictionary->FindKeyExact("mysz", index));
    EXPECT_EQ(index, 1); // where it would stand
    EXPECT_EQ(dictionary.Main().AllKeys(), FromUtf8("kot\r\npies\r\nżaba\r\n"));
    EXPECT_EQ(dictionary.Main().AllKeysWide(), u"kot\r\npies\r\nżaba\r\n");
}

TEST(DictionaryLanguages, AlphabetsFollowTheLanguages)
{
    TTransSlownikGlowny dictionary(rsGlowny, kKeyRowMain, jezFrancuski, jezPolski);
    EXPECT_EQ(dictionary.SourceAlphabet, 2);
    EXPECT_EQ(dictionary.TargetAlphabet, 4);
    dictionary.SetSourceLanguage(jezPolski);
    dictionary.SetTargetLanguage(jezFrancuski);
    EXPECT_EQ(dictionary.SourceAlphabet, 4);
    EXPECT_EQ(dictionary.TargetAlphabet, 2);
}

TEST(CrossReferences, FrenchCodePairsJoinTheirSubRecords)
{
    test::SlownikTestowy dictionary("main", jezFrancuski, "aa_#*7 kot == bb\nbb_#? kotek\n");
    const auto& entry = dictionary.Entry("aa");
    ASSERT_EQ(entry.SubRecords.Count(), 1);
    EXPECT_EQ(entry.SubRecords.Item(0)->Code, "*7");
    ASSERT_EQ(entry.SubRecords.Item(0)->Meanings.Count(), 2);
    EXPECT_EQ(entry.SubRecords.Item(0)->Meanings.Item(1)->Word(0), "kotek");
}

TEST(CrossReferences, PolishBodyGoesBeforeTheFirstWordOfTheSubRecord)
{
    test::SlownikTestowy dictionary("main", jezPolski, "aa_#*r faire == bb\nbb_#*R refaire\n");
    const auto& entry = dictionary.Entry("aa");
    ASSERT_EQ(entry.SubRecords.Count(), 1);
    EXPECT_EQ(entry.SubRecords.Item(0)->Marker, "*r");
    const auto& meanings = entry.SubRecords.Item(0)->Meanings;
    ASSERT_EQ(meanings.Count(), 1);
    EXPECT_EQ(meanings.Item(0)->WordsText(), "refaire faire");
}

TEST(CrossReferences, AMissingTargetStaysAsText)
{
    test::SlownikTestowy dictionary("main", jezFrancuski, "aa_#1 kot == *nic takiego, pies\n");
    int index = -1;
    ASSERT_TRUE(dictionary.Dictionary->FindKeyExact("aa", index));
    EXPECT_EQ(dictionary.Main().GetEntryText(index), "aa_#1 kot nic takiego , pies");
}

} // namespace
} // namespace velmar
