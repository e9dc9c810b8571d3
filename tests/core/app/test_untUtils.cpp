#include <gtest/gtest.h>

#include <random>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "support/TestNames.h"

using namespace velmar;

namespace {

// 8-bit text written as UTF-8 in the test source.
std::string B(const char* utf8)
{
    return FromUtf8(utf8);
}

} // namespace

TEST(CaseMapping, UpperAndLowerAreInversesOnLetters)
{
    for (unsigned char c : UpperAlphabet()) {
        if (c == 223) // ß is both cases
            continue;
        EXPECT_EQ(UpperChar(LowerChar(c)), c) << int(c);
    }
    EXPECT_EQ(UpperStr(B("zażółć gęślą jaźń")), B("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"));
    EXPECT_EQ(LowerStr(B("ÇA DÉJÀ ÊTRE")), B("ça déjà être"));
    for (unsigned char unchanged : {223, 247, 255, 190})
        EXPECT_EQ(UpperChar(unchanged), unchanged);
    for (unsigned char unchanged : {215, 223})
        EXPECT_EQ(LowerChar(unchanged), unchanged);
}

TEST(CharacterClasses, LettersOfBothLanguages)
{
    EXPECT_TRUE(IsLetter(B("ą")[0]));
    EXPECT_TRUE(IsLetter(B("é")[0]));
    EXPECT_TRUE(IsUpperLetter(B("Ż")[0]));
    EXPECT_TRUE(IsLowerLetter(B("ż")[0]));
    EXPECT_FALSE(IsLetter('1'));
    EXPECT_TRUE(IsWordChar('-'));
    EXPECT_FALSE(IsWordChar(','));
    EXPECT_TRUE(IsWordCharComma(','));
    EXPECT_TRUE(StartsUpper("Paris"));
    EXPECT_FALSE(StartsLower(""));
}

struct CasePatternCase {
    const char* Text;
    int Pattern;
};

class CasePatternTable : public testing::TestWithParam<CasePatternCase> {};

std::string DescribeCasePattern(const CasePatternCase& c)
{
    return c.Text;
}

TEST_P(CasePatternTable, Classifies)
{
    EXPECT_EQ(CasePattern(B(GetParam().Text)), GetParam().Pattern) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Words, CasePatternTable,
                         testing::Values(CasePatternCase{"A", 1}, CasePatternCase{"AB", 0}, CasePatternCase{"123", 2},
                                         CasePatternCase{"Nowy Jork", 1}, CasePatternCase{"McDonald", 1},
                                         CasePatternCase{"mcDonald", 4}, CasePatternCase{" Ab", 3},
                                         CasePatternCase{"łódź", 2}, CasePatternCase{"ŁÓDŹ", 0},
                                         CasePatternCase{"Saint-Denis", 1}),
                         test::NamedBy(DescribeCasePattern));

TEST(CasePattern, ApplyGivesTheShapeBack)
{
    EXPECT_EQ(ApplyCasePattern(B("żółw"), wzWielkie), B("ŻÓŁW"));
    EXPECT_EQ(ApplyCasePattern(B("żółw"), wzZWielkiej), B("Żółw"));
    EXPECT_EQ(ApplyCasePattern("saint-denis", wzTytulowy), "Saint-Denis");
    EXPECT_EQ(ApplyCasePattern("MiXed", 4), "MiXed");
    EXPECT_EQ(MakeCasePattern(true, true, false), wzWielkie);
    EXPECT_EQ(MakeCasePattern(true, false, true), wzTytulowy);
    EXPECT_EQ(MakeCasePattern(true, false, false), wzZWielkiej);
    EXPECT_EQ(MakeCasePattern(false, false, false), wzMale);
}

struct EndingRuleCase {
    const char* Word;
    const char* Rules;
    bool Matches;
    const char* Result;
};

class EndingRules : public testing::TestWithParam<EndingRuleCase> {};

std::string DescribeEndingRule(const EndingRuleCase& c)
{
    return test::Spelled(c.Word) + " by " + test::Spelled(c.Rules);
}

TEST_P(EndingRules, FirstMatchInListOrder)
{
    const auto& c = GetParam();
    std::string out = "untouched";
    EXPECT_EQ(ApplyEndingRules(B(c.Word), B(c.Rules), out), c.Matches);
    EXPECT_EQ(out, B(c.Result));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EndingRules,
    testing::Values(EndingRuleCase{"polka", "ka=ki,a=y", true, "polki"},
                    EndingRuleCase{"polka", "a=y,ka=ki", true, "polky"},
                    EndingRuleCase{"kot", "=y,t=x", true, "koty"},          // empty key ends every word
                    EndingRuleCase{"kot", "ka=ki,a=y", false, "untouched"}, // no match: out unwritten
                    EndingRuleCase{"2nd", "st=,nd=,rd=,th=", true, "2"},
                    EndingRuleCase{"ręka", "ęka=ęce", true, "ręce"}, EndingRuleCase{"abc", "", false, "untouched"}),
    test::NamedBy(DescribeEndingRule));

TEST(RuleLists, PrefixInnerAndLookups)
{
    std::string out;
    EXPECT_TRUE(ApplyPrefixRules(B("nieduży"), "nie=,bez=", out));
    EXPECT_EQ(out, B("duży"));

    std::string word = "abcabc";
    EXPECT_TRUE(ApplyInnerRule("b=X", 2, word)); // rightmost window first
    EXPECT_EQ(word, "abcaXc");
    std::string unchanged = "abc";
    EXPECT_FALSE(ApplyInnerRule("z=y", 2, unchanged));
    EXPECT_EQ(unchanged, "abc");

    std::string value;
    EXPECT_TRUE(RuleValue("b", "a=1,b=2,b=3", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(RuleValue("c", "a=1,b=2", value));
    EXPECT_TRUE(ListValue("b", "a=1,b=2", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(ListValue("c", "a=1,b=2", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(QuotedValue("rodz", "x \"rodz=m\" y", value));
    EXPECT_EQ(value, "m");
    EXPECT_TRUE(EndsWithRuleKey("kota", "x=y,a=b"));
    EXPECT_FALSE(EndsWithRuleKey("kot", "x=y,a=b"));
}

struct TagCase {
    const char* Tag;
    const char* List;
    bool CaseInsensitive;
    bool StripDigits;
    bool Found;
};

class TagLists : public testing::TestWithParam<TagCase> {};

std::string DescribeTag(const TagCase& c)
{
    return test::Spelled(c.Tag) + " in " + test::Spelled(c.List) + (c.CaseInsensitive ? " any case" : "") +
           (c.StripDigits ? " strip digits" : "");
}

TEST_P(TagLists, Membership)
{
    const auto& c = GetParam();
    EXPECT_EQ(InTagList(c.Tag, c.List, c.CaseInsensitive, c.StripDigits), c.Found) << c.Tag << " in " << c.List;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TagLists,
    testing::Values(TagCase{"nom1", "<nom><adj>", false, false, false},
                    TagCase{"nom1", "<nom><adj>", false, true, true}, TagCase{"Nom", "<nom><adj>", false, false, false},
                    TagCase{"Nom", "<nom><adj>", true, false, true}, TagCase{"", "<a><>", false, false, true},
                    TagCase{"", "<a><b>", false, false, false}, TagCase{"a><b", "<a><b>", false, false, true}),
    test::NamedBy(DescribeTag));

TEST(CommaLists, ItemsAndMembership)
{
    EXPECT_TRUE(InCommaList("sty", "yły,szły,sty,any"));
    EXPECT_FALSE(InCommaList("st", "yły,szły,sty,any"));
    EXPECT_TRUE(EndsWithAny(B("poszły"), B("yły,szły")));
    EXPECT_EQ(StripSuffixAny(B("poszły"), B("yły,szły")), "po");
    EXPECT_EQ(StripPrefixAny("nieduzy", "bez,nie"), "duzy");
    EXPECT_EQ(StripPrefixAny("duzy", "bez,nie"), "duzy");
    std::string item, rest;
    EXPECT_TRUE(MatchPrefixAny("przedszkole", "przy,przed", item, rest));
    EXPECT_EQ(item, "przed");
    EXPECT_EQ(rest, "szkole");
    EXPECT_TRUE(StartsWithAny("anything", "x,")); // an empty item matches every string
}

struct ReplaceCase {
    const char* Text;
    const char* Old;
    const char* New;
    const char* Result;
};

class ReplaceAllTable : public testing::TestWithParam<ReplaceCase> {};

std::string DescribeReplacement(const ReplaceCase& c)
{
    return test::Spelled(c.Old) + " by " + test::Spelled(c.New) + " in " + test::Spelled(c.Text);
}

TEST_P(ReplaceAllTable, Replaces)
{
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.Text, c.Old, c.New), c.Result);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllTable,
                         testing::Values(ReplaceCase{"aaaa", "aa", "a", "a"}, ReplaceCase{"ab", "a", "ba", "bab"},
                                         ReplaceCase{"x  y   z", "  ", " ", "x y z"},
                                         ReplaceCase{"abc", "", "x", "abc"}, ReplaceCase{"abcabc", "b", "", "acac"}),
                         test::NamedBy(DescribeReplacement));

TEST(Replacement, DeleteHelpers)
{
    EXPECT_EQ(DeleteAll("a-b_c-d", {"-", "_"}), "abcd");
    EXPECT_EQ(DeleteFromTag("kot #1 pies #22 ryba", "#", true), "kot  pies  ryba");
    EXPECT_EQ(DeleteFromTag("kot #1 pies", "#", false), "kot ");
    EXPECT_EQ(FoldGermanDigraphs("Mueller"), B("Müller"));
}

TEST(Splitting, WordsAndStars)
{
    EXPECT_EQ(LastWord("dom  pod lasem   "), "lasem");
    EXPECT_EQ(LastWord("  dom  "), "dom");
    EXPECT_EQ(FirstWord("  dom pod lasem"), "dom");
    EXPECT_EQ(SecondWord("dom  pod lasem"), "pod");
    EXPECT_EQ(SecondWord("dom"), "");

    std::string left, right;
    SplitAtStar("dobry *7", left, right, false);
    EXPECT_EQ(left, "dobry");
    EXPECT_EQ(right, "*7");
    SplitAtStar("dobry *7", left, right, true);
    EXPECT_EQ(right, "7");
    SplitAtStar("dobry", left, right, false);
    EXPECT_EQ(left, "dobry");
    EXPECT_EQ(right, "");

    SplitAt("a=b", "=", true, left, right);
    EXPECT_EQ(left, "a=");
    EXPECT_EQ(right, "b");
    SplitAt("a=b", "=", false, left, right);
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "=b");

    int from = 1, to = 0;
    EXPECT_EQ(WordAt("  ala ma", from, to), "ala");
    EXPECT_EQ(from, 3);
    EXPECT_EQ(to, 6);

    EXPECT_EQ(StripTrailingDigits("1"), "1");
    EXPECT_EQ(StripTrailingDigits("ps11"), "ps");
    EXPECT_EQ(StripTrailingDigits("le2"), "le");
}

TEST(Scanning, SetsAndBrackets)
{
    const auto vowels = CharsToSet("aeiou");
    int pos = 1;
    EXPECT_TRUE(FindCharInSet("krzak", pos, vowels));
    EXPECT_EQ(pos, 4);
    pos = 5;
    EXPECT_TRUE(FindCharInSet("krzak", pos, vowels, true));
    EXPECT_EQ(pos, 4);
    pos = 0;
    EXPECT_FALSE(FindCharInSet("krzak", pos, vowels));
    pos = 1;
    EXPECT_FALSE(SkipCharsInSet("aaa", pos, CharsToSet("a")));
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(SetToChars(CharsToSet("cba")), "abc");

    std::string text = "dom (duży) [stary] i {x";
    RemoveBracketed(text, "([{");
    EXPECT_EQ(text, "dom   i ");
    EXPECT_EQ(CommonChars("abcab", "bcx"), "bc");
    EXPECT_EQ(MergeChars("abc", "cdb"), "abcd");
    EXPECT_EQ(LastConsonantPos(B("kotu")), 3);
    EXPECT_EQ(LastConsonantPos("aeo"), 0);
    EXPECT_EQ(LastChar(""), ' ');
}

struct NumberCase {
    const char* Text;
    std::uint8_t Alphabet;
    double Value;
};

class ParseNumberTable : public testing::TestWithParam<NumberCase> {};

std::string DescribeNumber(const NumberCase& c)
{
    return test::Spelled(c.Text);
}

TEST_P(ParseNumberTable, Reads)
{
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(ParseNumber(B(c.Text), c.Alphabet), c.Value) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseNumberTable,
                         testing::Values(NumberCase{"12,5", 4, 12.5}, NumberCase{"1,000", 1, 1000},
                                         NumberCase{"1.000", 4, 1000}, NumberCase{"2nd", 1, 2},
                                         NumberCase{"3ème", 2, 3}, NumberCase{"deux", 2, -1},
                                         NumberCase{"sto dwadzieścia trzy", 4, 123}, NumberCase{"trzy tysiąc", 4, 3000},
                                         NumberCase{"twenty one", 1, 21}, NumberCase{"50%", 4, 50},
                                         NumberCase{"12abc", 4, -1}, NumberCase{"", 4, -1}),
                         test::NamedBy(DescribeNumber));

TEST(Numbers, NumeralsClockAndSyllables)
{
    EXPECT_TRUE(IsNumeral("1 000,5"));
    EXPECT_FALSE(IsNumeral(",."));
    EXPECT_FALSE(IsNumeral("12a"));
    EXPECT_TRUE(IsClockTime("24"));
    EXPECT_FALSE(IsClockTime("25"));
    EXPECT_TRUE(IsClockTime("12:30"));
    EXPECT_TRUE(IsClockTime("9.30"));
    EXPECT_FALSE(IsClockTime("12345"));
    EXPECT_EQ(CountSyllables(B("dziewięć"), 4), 2);
    EXPECT_EQ(CountSyllables(B("zażółć"), 4), 2);
    EXPECT_EQ(CountSyllables(B("oiseau"), 2), 2);
    EXPECT_EQ(CountSyllables(B("été"), 2), 2);
    EXPECT_EQ(CountSyllables("abc", 5), 0);
}

TEST(WideText, ByteReadingsDependOnTheLanguage)
{
    EXPECT_EQ(ToWide("\xCA", jezPolski), u"Ę");
    EXPECT_EQ(ToWide("\xCA", jezFrancuski), u"Ê");
    EXPECT_EQ(ToWide("\xA3", jezFrancuski), u"Ł");
    EXPECT_EQ(ToWide("\xA3", jezRosyjski), u"\u00A3");
    EXPECT_EQ(ToWide("\x8A", jezFrancuski), u"\u008A");
    EXPECT_EQ(ToWide("\x84\x85\x96", jezPolski), u"„…–");
    EXPECT_EQ(ToWide("\xC0", jezRosyjski), u"А");
}

TEST(WideText, UnmappableCodePointsBecomeQuestionMarks)
{
    // U+010A's low byte is a line feed: it must never split a paragraph.
    EXPECT_EQ(FromWide(u"a\u010Ab"), "a?b");
    EXPECT_EQ(FromWide(u"\U0001F600"), "??"); // one byte per UTF-16 unit
    EXPECT_EQ(FromWide(u"żółć"), B("żółć"));
    EXPECT_EQ(FromWide(u"œuvre"), "\x9Cuvre");
}

TEST(WideText, RoundTripKeepsEveryByteString)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint8_t language : {jezPolski, jezFrancuski, jezRosyjski}) {
        EXPECT_EQ(FromWide(ToWide(all, language)), all) << int(language);
        for (int trial = 0; trial < 200; ++trial) {
            std::string text(static_cast<std::size_t>(trial % 40), '\0');
            for (auto& c : text)
                c = static_cast<char>(byte(random));
            ASSERT_EQ(FromWide(ToWide(text, language)), text);
        }
    }
}

TEST(WideText, CaseHelpers)
{
    EXPECT_EQ(WideUpper(u"zażółć œuvre ÿ"), u"ZAŻÓŁĆ ŒUVRE Ÿ");
    EXPECT_EQ(WideLower(u"ŁÓDŹ ÉTÉ"), u"łódź été");
    EXPECT_EQ(WideCapitalize(u"ŁÓDŹ"), u"Łódź");
    EXPECT_EQ(WideTitleCase(u"saint-étienne"), u"Saint-Étienne");
    EXPECT_EQ(WideCasePattern(u"Łódź"), wzZWielkiej);
    EXPECT_EQ(WideApplyCasePattern(u"łódź", wzWielkie), u"ŁÓDŹ");
    EXPECT_EQ(WideTrim(u"  a b  "), u"a b");
}

TEST(Utf8, ConversionAndValidation)
{
    EXPECT_EQ(WideToUtf8(Utf8ToWide("żółć 😀")), "żółć 😀");
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToWide("\xC5"), u"\uFFFD"); // truncated sequence
    EXPECT_TRUE(IsValidUtf8("zażółć"));
    EXPECT_FALSE(IsValidUtf8("\xB9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\x80")); // overlong
    EXPECT_EQ(ToUtf8(FromUtf8("gęś"), jezPolski), "gęś");
}

TEST(Format, PrintfStyleWithStrings)
{
    EXPECT_EQ(Format("Dokument%d%s.rtf", 2, std::string("_pl")), "Dokument2_pl.rtf");
    EXPECT_EQ(Format("100%%"), "100%%");
    EXPECT_EQ(WideFormat(u"%s – %d", jezPolski, FromUtf8("Łódź"), 3), u"Łódź – 3");
}
