#include "core/dictionaries/untTransSlownikSlowo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "SlownikTestowy.h"
#include "core/app/untStale.h"

namespace velmar {
namespace {

using test::ReadFixture;
using test::SlownikTestowy;

std::string U(const std::string& utf8)
{
    return FromUtf8(utf8);
}

std::vector<int> Bits(const TKodyZnaczenia& codes)
{
    std::vector<int> bits;
    for (std::size_t bit = 0; bit < codes.size(); ++bit)
        if (codes.test(bit))
            bits.push_back(static_cast<int>(bit));
    return bits;
}

std::vector<std::string> MeaningTexts(const TTransSlownikPodrekord& subRecord)
{
    std::vector<std::string> texts;
    for (const auto& meaning : subRecord.Meanings)
        texts.push_back(ToUtf8(meaning->DisplayText(), jezPolski));
    return texts;
}

class FrenchEntries : public ::testing::Test {
protected:
    FrenchEntries() { dictionary.Main().KeepPhrases = true; }
    SlownikTestowy dictionary{"main", jezFrancuski, ReadFixture("entries_fr.txt")};
};

class PolishEntries : public ::testing::Test {
protected:
    SlownikTestowy dictionary{"main", jezPolski, ReadFixture("entries_pl.txt")};
};

TEST_F(FrenchEntries, SubRecordsMeaningsAlternativesAndCodes)
{
    const auto& entry = dictionary.Entry("chat");
    EXPECT_EQ(entry.Headword, "chat");
    ASSERT_EQ(entry.SubRecords.Count(), 1);
    const auto& subRecord = *entry.SubRecords.Item(0);
    EXPECT_EQ(subRecord.Code, "1m");
    EXPECT_EQ(subRecord.GroupLabel, "\xF7"
                                    "1");
    ASSERT_EQ(subRecord.Meanings.Count(), 4);

    const auto& kot = *subRecord.Meanings.Item(0);
    EXPECT_EQ(kot.Word(0), "kot");
    EXPECT_EQ(kot.WordCode(0), "*2");
    EXPECT_EQ(kot.Gloss(0), "(zool.)");
    EXPECT_EQ(Bits(kot.Codes), std::vector<int>({27})); // "+z"

    const auto& kotek = *subRecord.Meanings.Item(1);
    EXPECT_EQ(kotek.Comment(0), "(pot.)");
    EXPECT_EQ(kotek.WordWithCode(0), "kotek *2");
    EXPECT_EQ(Bits(kotek.Codes), std::vector<int>({25})); // "+m"

    const auto& kocur = *subRecord.Meanings.Item(2);
    EXPECT_EQ(Bits(kocur.Codes), std::vector<int>({25})); // "+25", and "+300" sets nothing
    EXPECT_FALSE(kocur.Plus);

    const auto& mruczek = *subRecord.Meanings.Item(3);
    EXPECT_TRUE(mruczek.Plus);
    EXPECT_EQ(Bits(mruczek.Codes), std::vector<int>({0, 32})); // no code named
    EXPECT_EQ(subRecord.Meanings.FirstPreferred(false, false), 3);
}

TEST_F(FrenchEntries, HeadwordBracketsValencyAndPhrases)
{
    const auto& entry = dictionary.Entry("avoir");
    EXPECT_EQ(entry.Headword, "avoir");
    EXPECT_EQ(entry.HeadTail, "[qch]");
    ASSERT_EQ(entry.SubRecords.Count(), 2);
    const auto& have = *entry.SubRecords.Item(0)->Meanings.Item(0);
    ASSERT_EQ(have.Valency.Count(), 1);
    const auto& valency = *have.Valency.Item(0);
    EXPECT_EQ(valency.SourceText, "de");
    EXPECT_EQ(valency.Preposition, "z powodu");
    EXPECT_EQ(valency.TargetCaseNumber(), 2);
    const auto& own = *entry.SubRecords.Item(0)->Meanings.Item(1);
    EXPECT_EQ(own.Valency.Item(0)->Preposition, "");
    EXPECT_EQ(own.Valency.Item(0)->TargetCase, "2");
    EXPECT_EQ(own.Valency.Item(0)->SourceCaseNumber(), -1);
    EXPECT_EQ(entry.SubRecords.Item(1)->GroupLabel, "\xF7"
                                                    "2");

    ASSERT_EQ(entry.Phrases.Count(), 2);
    EXPECT_EQ(entry.Phrases.Item(0)->Source, "avoir un chat dans la gorge");
    EXPECT_EQ(entry.Phrases.Item(0)->Code, "v");
    EXPECT_EQ(entry.Phrases.Item(0)->Translation, U("mieć chrypkę"));
    EXPECT_EQ(entry.Phrases.Item(1)->Source, "avoir faim");
    EXPECT_EQ(entry.Phrases.Item(1)->Translation, U("być głodnym"));
    EXPECT_EQ(entry.Phrases.Item(1)->NoteB, U("głodować"));
}

TEST(EntryPhrases, TheFirstNotedAlternativeGoesToNoteA)
{
    SlownikTestowy dictionary("main", jezFrancuski, "faim_#2 głód ×avoir faim_v głodować ‰, być głodnym\n");
    dictionary.Main().KeepPhrases = true;
    const auto& phrase = *dictionary.Entry("faim").Phrases.Item(0);
    EXPECT_EQ(phrase.NoteA, U("głodować"));
    EXPECT_EQ(phrase.NoteB, "");
    EXPECT_EQ(phrase.Translation, U("być głodnym"));
}

TEST_F(FrenchEntries, WithoutKeepPhrasesTheBodyEndsAtThePhraseMark)
{
    dictionary.Main().KeepPhrases = false;
    dictionary.Main().CachedIndex = -1;
    const auto& entry = dictionary.Entry("avoir");
    EXPECT_EQ(entry.Phrases.Count(), 0);
    EXPECT_EQ(entry.SubRecords.Count(), 2);
    EXPECT_EQ(entry.SubRecords.Item(1)->Meanings.Count(), 1);
}

TEST_F(FrenchEntries, AngleBracketVariantsBecomeMeanings)
{
    const auto& meanings = dictionary.Entry("grand").SubRecords.Item(0)->Meanings;
    ASSERT_EQ(meanings.Count(), 3);
    EXPECT_EQ(meanings.Item(0)->WordWithCode(0), U("duży *7"));
    EXPECT_EQ(meanings.Item(1)->Word(0), "wielki");
    EXPECT_TRUE(meanings.Item(1)->Alt1);
    EXPECT_EQ(meanings.Item(2)->Word(0), "ogromny"); // an empty "<±>" group goes
    EXPECT_EQ(meanings.FirstPreferred(true, false), 1);
}

TEST_F(FrenchEntries, HiddenMeaningsAndSquareBrackets)
{
    auto& entry = dictionary.Entry("cacher");
    auto& meanings = entry.SubRecords.Item(0)->Meanings;
    ASSERT_EQ(meanings.Count(), 3);
    EXPECT_TRUE(meanings.Item(1)->Hidden);
    EXPECT_EQ(meanings.Item(1)->Word(0), U("ukrywać"));
    EXPECT_EQ(meanings.Item(1)->Gloss(0), U("(coś)"));
    EXPECT_EQ(meanings.Item(1)->DisplayText(), U("ukrywać (coś)"));
    EXPECT_EQ(meanings.Item(1)->NotesText(), U("(coś)"));
    EXPECT_EQ(meanings.Item(2)->DisplayText(), U("kryć"));
    EXPECT_EQ(Bits(meanings.Item(2)->Codes), std::vector<int>({0})); // unknown code name
    entry.RemoveHiddenMeanings();
    EXPECT_EQ(meanings.Count(), 2);
}

TEST_F(FrenchEntries, NameTags)
{
    const auto& marie = dictionary.Entry("Marie");
    EXPECT_TRUE(marie.NameClasses.test(149) && marie.NameClasses.test(159) && marie.NameClasses.test(161));
    EXPECT_FALSE(marie.NameClasses.test(160));
    EXPECT_EQ(marie.SubRecords.Item(0)->Meanings.Item(0)->Word(0), "Maria");
    const auto& paris = dictionary.Entry("Paris");
    EXPECT_EQ(paris.NameClasses.count(), 2u);
    EXPECT_EQ(MeaningTexts(*paris.SubRecords.Item(0)), std::vector<std::string>({"Paryż"}));
}

TEST_F(FrenchEntries, CrossReferencesExpandAndCyclesEnd)
{
    const auto& chaton = dictionary.Entry("chaton");
    ASSERT_EQ(chaton.SubRecords.Count(), 1);
    EXPECT_EQ(chaton.SubRecords.Item(0)->Meanings.Count(), 4);

    int aa = -1;
    ASSERT_TRUE(dictionary.Dictionary->FindKeyExact("aa", aa));
    const std::string text = dictionary.Main().GetEntryText(aa);
    EXPECT_EQ(text.find(" == "), std::string::npos);
    EXPECT_NE(text.find(" aa "), std::string::npos); // the second visit inserts only the name
}

TEST_F(FrenchEntries, LineWithoutSeparatorHasEmptyKey)
{
    // Wherever the collation puts the empty key, its line is the one without a separator.
    int line = 0;
    while (line < dictionary.Dictionary->Count() && !dictionary.Dictionary->GetKey(line).empty())
        ++line;
    ASSERT_LT(line, dictionary.Dictionary->Count());
    const auto& entry = dictionary.Main().GetEntry(line);
    EXPECT_EQ(entry.Headword, "");
    EXPECT_EQ(entry.SubRecords.Item(0)->Code, "sans");
}

TEST_F(FrenchEntries, CacheReturnsTheSameEntryUntilChanged)
{
    auto& main = dictionary.Main();
    auto& first = main.GetEntry(1);
    const std::string headword = first.Headword;
    first.Headword = "edited";
    EXPECT_EQ(main.GetEntry(1).Headword, "edited"); // cached, not decoded again
    first.Changed = true;
    EXPECT_EQ(main.GetEntry(1).Headword, headword);
    EXPECT_EQ(main.GetEntry(999).Headword, headword); // outside: the cache unchanged
    EXPECT_EQ(main.GetEntry(1).Index, 1);
}

TEST_F(PolishEntries, SubRecordsWithCodesAndGroupLabels)
{
    const auto& entry = dictionary.Entry("test");
    ASSERT_EQ(entry.SubRecords.Count(), 2);
    EXPECT_EQ(entry.SubRecords.Item(0)->Code, "a1");
    EXPECT_EQ(entry.SubRecords.Item(1)->Code, "b2");
    EXPECT_EQ(entry.SubRecords.Item(0)->GroupLabel, "\xF7"
                                                    "1");
    EXPECT_EQ(entry.SubRecords.Item(1)->GroupLabel, "\xF7"
                                                    "2");
    EXPECT_TRUE(entry.SubRecords.Item(0)->Meanings.Item(0)->GroupEnd); // ended by ";"
    EXPECT_FALSE(entry.SubRecords.Item(0)->Meanings.Item(1)->GroupEnd);
}

TEST_F(PolishEntries, MarkersTakeTheDefaultCodeAndMerge)
{
    const auto& robic = dictionary.Entry("robić");
    ASSERT_EQ(robic.SubRecords.Count(), 2);
    EXPECT_EQ(robic.SubRecords.Item(0)->Marker, "*i");
    EXPECT_EQ(robic.SubRecords.Item(0)->Code, "*");
    EXPECT_EQ(robic.SubRecords.Item(1)->Marker, "*r");
    EXPECT_EQ(MeaningTexts(*robic.SubRecords.Item(1)), std::vector<std::string>({"redire", "refaire"}));
    EXPECT_TRUE(robic.SubRecords.Item(1)->Meanings.Item(0)->GroupEnd);

    const auto& biec = dictionary.Entry("biec");
    ASSERT_EQ(biec.SubRecords.Count(), 1);
    EXPECT_EQ(MeaningTexts(*biec.SubRecords.Item(0)), std::vector<std::string>({"courir", "accourir"}));
}

TEST_F(PolishEntries, MarkersNotesAndDuplicates)
{
    const auto& myc = dictionary.Entry("myć się");
    EXPECT_TRUE(myc.SignFlag);
    EXPECT_TRUE(myc.SubRecords.Item(0)->ReflexiveFlag);

    const auto& pies = dictionary.Entry("pies");
    EXPECT_EQ(pies.BraceNotes, "pot.");
    EXPECT_EQ(pies.MarkerValue, "abc");
    const auto& meanings = pies.SubRecords.Item(0)->Meanings;
    ASSERT_EQ(meanings.Count(), 1); // three times "chien"
    EXPECT_TRUE(meanings.Item(0)->Codes.test(25) && meanings.Item(0)->Codes.test(27));
}

TEST_F(PolishEntries, CrossReferenceBodyJoinsTheSubRecord)
{
    const auto& psina = dictionary.Entry("psina");
    ASSERT_EQ(psina.SubRecords.Count(), 1);
    EXPECT_EQ(psina.SubRecords.Item(0)->Code, "0");
    EXPECT_EQ(psina.SubRecords.Item(0)->Meanings.Item(0)->Word(0), "chien");
}

// What Serialize writes comes back from parsing: headword, codes, meanings with
// their alternatives, code bits and the lone "+".
void ExpectSameSerializedFields(const TTransSlownikSlowo& a, const TTransSlownikSlowo& b)
{
    EXPECT_EQ(a.Headword, b.Headword);
    ASSERT_EQ(a.SubRecords.Count(), b.SubRecords.Count());
    for (int s = 0; s < a.SubRecords.Count(); ++s) {
        const auto& x = *a.SubRecords.Item(s);
        const auto& y = *b.SubRecords.Item(s);
        EXPECT_EQ(x.Code, y.Code);
        ASSERT_EQ(x.Meanings.Count(), y.Meanings.Count());
        for (int m = 0; m < x.Meanings.Count(); ++m) {
            const auto& p = *x.Meanings.Item(m);
            const auto& q = *y.Meanings.Item(m);
            EXPECT_EQ(p.Words, q.Words);
            EXPECT_EQ(p.WordCodes, q.WordCodes);
            EXPECT_EQ(p.Comments, q.Comments);
            EXPECT_EQ(p.Glosses, q.Glosses);
            EXPECT_EQ(p.Codes, q.Codes);
            EXPECT_EQ(p.Plus, q.Plus);
        }
    }
}

TEST(EntrySerialisation, ParseSerializeParseKeepsWhatSerializeWrites)
{
    for (const auto& [fixture, language, headwords] :
         {std::tuple{"entries_fr.txt", jezFrancuski, std::vector<std::string>{"chat", "grand", "cacher", "avoir"}},
          std::tuple{"entries_pl.txt", jezPolski, std::vector<std::string>{"test", "pies", "biec"}}}) {
        SlownikTestowy dictionary("main", language, ReadFixture(fixture));
        for (const auto& headword : headwords) {
            SCOPED_TRACE(headword);
            TTransSlownikSlowo original;
            original.Assign(dictionary.Entry(headword));
            TTransSlownikSlowo again;
            again.Parse(original.Serialize(*dictionary.Dictionary), false, *dictionary.Dictionary, false);
            ExpectSameSerializedFields(original, again);
        }
    }
}

// Found by fuzz_haslo: a sub-record whose body holds no meaning ("kot_#41 , ") was
// written with its code, which parsed back to no sub-record, so a second write differed.
TEST(EntrySerialisation, ASubRecordWithoutMeaningsIsNotWritten)
{
    SlownikTestowy dictionary("main", jezPolski, "");
    TTransSlownikSlowo entry;
    entry.Parse("kot_#41 , ", false, *dictionary.Dictionary, false);
    const std::string written = entry.Serialize(*dictionary.Dictionary);
    TTransSlownikSlowo again;
    again.Parse(written, false, *dictionary.Dictionary, false);
    EXPECT_EQ(again.Serialize(*dictionary.Dictionary), written);
    EXPECT_EQ(written.find("41"), std::string::npos) << written;
}

// Lines fuzz_haslo found whose first write did not read back to itself.
TEST(EntrySerialisation, WrittenLinesOfFuzzFindingsReadBackTheSame)
{
    struct TPrzypadek {
        std::uint8_t language;
        bool keepPhrases;
        std::string line;
    };
    const TPrzypadek cases[] = {
        {jezPolski, true,
         std::string("_\0\x0co_\0\x0c"
                     "0 tr\xe8 *P\xaa\x03\0"
                     "0`\0\0&",
                     23)},
    };
    for (const TPrzypadek& c : cases) {
        SlownikTestowy dictionary("main", c.language, "");
        TTransSlownikSlowo entry;
        entry.Parse(c.line, c.keepPhrases, *dictionary.Dictionary, false);
        const std::string written = entry.Serialize(*dictionary.Dictionary);
        TTransSlownikSlowo again;
        again.Parse(written, false, *dictionary.Dictionary, false);
        EXPECT_EQ(again.Serialize(*dictionary.Dictionary), written) << c.line;
    }
}

TEST(EntryModel, AssignCopiesDeeply)
{
    SlownikTestowy dictionary("main", jezFrancuski, ReadFixture("entries_fr.txt"));
    TTransSlownikSlowo copy;
    copy.Assign(dictionary.Entry("chat"));
    dictionary.Entry("grand"); // overwrites the cached entry
    EXPECT_EQ(copy.Headword, "chat");
    ASSERT_EQ(copy.SubRecords.Count(), 1);
    EXPECT_EQ(copy.SubRecords.Item(0)->Meanings.Item(0)->Word(0), "kot");
}

TEST(EntryModel, MoveAndListAccessors)
{
    TTransSlownikZnaczenia meanings;
    SlownikTestowy dictionary("main", jezFrancuski, "");
    for (const char* word : {"a", "b", "c"})
        meanings.AddMeaning(word, false, *dictionary.Dictionary, false);
    EXPECT_TRUE(meanings.Move(0, 2)); // between the former items 1 and 2
    EXPECT_EQ(meanings.Item(0)->Word(0), "b");
    EXPECT_EQ(meanings.Item(1)->Word(0), "a");
    EXPECT_EQ(meanings.Item(2)->Word(0), "c");
    EXPECT_FALSE(meanings.Move(1, 1));
    EXPECT_FALSE(meanings.Move(0, 3));
    EXPECT_EQ(meanings.Item(3), nullptr);
    EXPECT_EQ(meanings.Item(-1), nullptr);
    EXPECT_EQ(meanings.Item(1)->Word(5), "");
}

TEST(EntryModel, GroupsAndCodeTagLists)
{
    SlownikTestowy dictionary("main", jezPolski, ReadFixture("entries_pl.txt"));
    auto& entry = dictionary.Entry("test");
    EXPECT_EQ(entry.FindCode("<b2>"), 1);
    EXPECT_EQ(entry.FindCode("<zz>"), -1);
    entry.KeepGroup("\xF7"
                    "2");
    EXPECT_TRUE(entry.Pruned);
    ASSERT_EQ(entry.SubRecords.Count(), 1);
    EXPECT_EQ(entry.SubRecords.Item(0)->Code, "b2");
    entry.RemoveCode("<b2>");
    EXPECT_EQ(entry.SubRecords.Count(), 0);
}

// A sub-record without meanings does not survive serialising: written as its code alone,
// it reads back as nothing, or in Polish as the default code of the sub-records after it.
bool HasSubRecordWithoutMeanings(const TTransSlownikSlowo& entry)
{
    return std::any_of(entry.SubRecords.begin(), entry.SubRecords.end(),
                       [](const auto& subRecord) { return subRecord->Meanings.Count() == 0; });
}

// Over malformed and random lines, the line serialised from a parsed entry parses back
// to an entry that serialises to the same line; every line's parsing ends.
TEST(EntryParsing, SerializingAParsedLineIsStableOverMalformedAndRandomLines)
{
    std::vector<std::string> lines = {
        "",
        "_",
        "__",
        "#",
        "a_#",
        "a_# # #",
        "a_(((",
        "a_<<<",
        "a_>>><",
        "a_[[[",
        "a_{{{",
        "a_$",
        "a_+",
        "a_&",
        "a_**",
        "a_\xD7",
        "a_\xD7\xD7\xD7",
        "a_\xD7_",
        "a_ == ",
        "a_ == == ==",
        "a_#1 x == a",
        "a_#1 x <y <z> w> *",
        "a_#*r #*r #*x #*\x89 #*i",
        "a_(\xA4)(\xA4)",
        "a_``",
        "a_`` `` ``x",
        "a_#1 ,,,;;;|||",
        "a_#1 x \x89 \x89 , \x89",
        "[a_b",
        "{a_b",
    };
    std::mt19937 random(3);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 300; ++i) {
        std::string line(static_cast<std::size_t>(i % 120), ' ');
        for (char& c : line)
            c = static_cast<char>(byte(random));
        lines.push_back(line);
    }
    for (const auto language : {jezFrancuski, jezPolski}) {
        SlownikTestowy dictionary("main", language, "");
        dictionary.Main().KeepPhrases = true;
        dictionary.Lines.Assign({});
        for (const auto& line : lines)
            dictionary.Lines.Add(dictionary.Dictionary->Encode(line));
        auto& main = dictionary.Main();
        for (int i = 0; i < dictionary.Lines.Count(); ++i) {
            main.CachedIndex = -1;
            const auto& entry = main.GetEntry(i);
            if (HasSubRecordWithoutMeanings(entry))
                continue;
            const std::string serialized = entry.Serialize(main);
            TTransSlownikSlowo again;
            again.Parse(serialized, main.KeepPhrases, main, main.FoldAccents);
            EXPECT_EQ(again.Serialize(main), serialized) << "line " << i;
        }
    }
}

TEST(MeaningCodes, NamesNumbersAndOutOfRange)
{
    const std::pair<std::string, int> cases[] = {
        {"m", 25},   {"25", 25},  {"ltr", 51},         {"żg", 45}, {"0", 0}, {"255", 255},
        {"256", -1}, {"300", -1}, {"99999999999", -1}, {"xyz", 0}, {"", 0},  {"-3", 0},
    };
    for (const auto& [name, bit] : cases)
        EXPECT_EQ(MeaningCodeBit(FromUtf8(name)), bit) << name;
}

} // namespace
} // namespace velmar
