// Grammatical codes: word classes, labels, number and gender, conversions between the
// two languages' numberings, and the preposition vowel rule.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TKlasaKodu {
    const char* Code; // UTF-8
    std::uint8_t Language;
    int Class;
};

class WordClassOfCodeTable : public ::testing::TestWithParam<TKlasaKodu> {};

std::string DescribeClassCode(const TKlasaKodu& c)
{
    return test::Spelled(c.Code);
}

TEST_P(WordClassOfCodeTable, ReadsTheClass)
{
    EXPECT_EQ(WordClassOfCode(FromUtf8(GetParam().Code), GetParam().Language, true), GetParam().Class)
        << GetParam().Code;
}

INSTANTIATE_TEST_SUITE_P(
    Polish, WordClassOfCodeTable,
    ::testing::Values(TKlasaKodu{"1402", jezPolski, ksRzeczownik}, TKlasaKodu{"<31", jezPolski, ksRzeczownik},
                      TKlasaKodu{"*12", jezPolski, ksCzasownik}, TKlasaKodu{"C4", jezPolski, ksCzasownik},
                      TKlasaKodu{"ř3", jezPolski, ksCzasownik}, TKlasaKodu{"\x05", jezPolski, ksCzasownik},
                      TKlasaKodu{"%%*1", jezPolski, ksCzasownik}, TKlasaKodu{"%ř", jezPolski, ksCzasownik},
                      TKlasaKodu{"%3", jezPolski, ksRzeczownik}, TKlasaKodu{"%%7", jezPolski, ksPrzymiotnik},
                      TKlasaKodu{"799", jezPolski, ksPrzymiotnik}, TKlasaKodu{"70", jezPolski, ksPrzyslowek},
                      TKlasaKodu{"90", jezPolski, ksZaimek}, TKlasaKodu{"93", jezPolski, ksPartykula},
                      TKlasaKodu{"94", jezPolski, ksWykrzyknik}, TKlasaKodu{"95", jezPolski, ksLiczebnik},
                      TKlasaKodu{"96", jezPolski, ksOkreslnik}, TKlasaKodu{"97", jezPolski, ksInne},
                      TKlasaKodu{"71", jezPolski, ksBrakKlasy}, TKlasaKodu{"%9", jezPolski, ksBrakKlasy}),
    test::NamedBy(DescribeClassCode));

INSTANTIATE_TEST_SUITE_P(
    French, WordClassOfCodeTable,
    ::testing::Values(TKlasaKodu{"21", jezFrancuski, ksRzeczownik}, TKlasaKodu{"F", jezFrancuski, ksRzeczownik},
                      TKlasaKodu{"R", jezFrancuski, ksCzasownik}, TKlasaKodu{"512", jezFrancuski, ksCzasownik},
                      TKlasaKodu{"71", jezFrancuski, ksPrzymiotnik}, TKlasaKodu{"98", jezFrancuski, ksPrzyslowek},
                      TKlasaKodu{"81", jezFrancuski, ksInne}, TKlasaKodu{"93", jezFrancuski, ksLiczebnik},
                      TKlasaKodu{"94", jezFrancuski, ksZaimek}, TKlasaKodu{"95", jezFrancuski, ksOkreslnik},
                      TKlasaKodu{"96", jezFrancuski, ksWykrzyknik}, TKlasaKodu{"97", jezFrancuski, ksPartykula},
                      TKlasaKodu{"9", jezFrancuski, ksBrakKlasy}),
    test::NamedBy(DescribeClassCode));

TEST(WordClassOfCode, UnknownOrEmptyCodesCountAsNounsUnlessStrict)
{
    EXPECT_EQ(WordClassOfCode("71", jezPolski), ksRzeczownik);
    EXPECT_EQ(WordClassOfCode("\x89"
                              "1",
                              jezPolski, true),
              ksCzasownik);
    EXPECT_EQ(WordClassOfCode("", jezPolski), ksRzeczownik);
    EXPECT_EQ(WordClassOfCode("", jezPolski, true), ksBrakKlasy);
    EXPECT_EQ(WordClassOfCode("", jezAngielski, false, "ice cream"), ksInne);
    EXPECT_EQ(WordClassOfCode("", jezAngielski, false, "ice"), ksRzeczownik);
}

TEST(WordClassLabel, NamesTheClassInEachLanguage)
{
    EXPECT_EQ(ToUtf8(WordClassLabel(ksPrzyslowek, jezPolski), jezPolski), "przysł.");
    EXPECT_EQ(ToUtf8(WordClassLabel(ksPrzyimek, jezFrancuski), jezFrancuski), "prép.");
    EXPECT_EQ(WordClassLabel(ksOkreslnik, jezAngielski), "det.");
    EXPECT_EQ(WordClassLabel(ksPrzydawka, jezFrancuski), "");
    EXPECT_EQ(WordClassLabel(ksInne, jezPolski), "");
    EXPECT_EQ(WordClassLabel(13, jezPolski), "");
}

TEST(CodeOfWordClass, GivesTheCanonicalCodeThatReadsBackAsTheClass)
{
    for (int wordClass = ksRzeczownik; wordClass <= ksInne; ++wordClass) {
        const std::string polish = CodeOfWordClass(wordClass, jezPolski);
        const int expected = wordClass == ksPrzydawka ? ksPrzymiotnik : wordClass;
        EXPECT_EQ(WordClassOfCode(polish, jezPolski, true), expected) << polish;
    }
    EXPECT_EQ(CodeOfWordClass(ksCzasownik, jezFrancuski), "4");
    EXPECT_EQ(CodeOfWordClass(ksInne, jezFrancuski), "");
}

TEST(SplitWord, SeparatesLemmaAndCode)
{
    EXPECT_EQ(SplitWordPl(" stary dom  *  1402 ").Lemma, "stary dom");
    EXPECT_EQ(SplitWordPl(" stary dom  *  1402 ").Code, "1402");
    EXPECT_EQ(SplitWordPl("dom*1").Code, "");
    EXPECT_EQ(SplitWordPl("dom*1").Lemma, "dom*1");
    EXPECT_EQ(SplitWordFr(" parler *4 x").Lemma, "parler");
    EXPECT_EQ(SplitWordFr(" parler *4 x").Code, "4");
    EXPECT_EQ(SplitWordFr("parler").Code, "");
}

struct TLiczbaRodzajKodu {
    const char* Code;
    std::uint8_t Language;
    int Number;
    int Gender;
};

class NumberAndGenderTable : public ::testing::TestWithParam<TLiczbaRodzajKodu> {};

std::string DescribeNumberGenderCode(const TLiczbaRodzajKodu& c)
{
    return (c.Language == jezPolski ? "pl " : "fr ") + test::Spelled(c.Code);
}

TEST_P(NumberAndGenderTable, ReadsWhatTheCodeFixes)
{
    const TLiczbaRodzaj result = NumberAndGenderOfCode(GetParam().Code, GetParam().Language);
    EXPECT_EQ(result.Number, GetParam().Number) << GetParam().Code;
    EXPECT_EQ(result.Gender, GetParam().Gender) << GetParam().Code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, NumberAndGenderTable,
    ::testing::Values(TLiczbaRodzajKodu{"0123", jezPolski, 0, 0}, TLiczbaRodzajKodu{"<3102", jezPolski, 0, 3},
                      TLiczbaRodzajKodu{"%4", jezPolski, 0, 4}, TLiczbaRodzajKodu{"471", jezPolski, 2, 1},
                      TLiczbaRodzajKodu{"4897", jezPolski, 2, 1}, TLiczbaRodzajKodu{"4881", jezPolski, 2, 0},
                      TLiczbaRodzajKodu{"7", jezPolski, 0, -1}, TLiczbaRodzajKodu{"*1", jezPolski, 0, -1},
                      TLiczbaRodzajKodu{"01", jezFrancuski, 2, 1}, TLiczbaRodzajKodu{"F", jezFrancuski, 2, 2},
                      TLiczbaRodzajKodu{"$02", jezFrancuski, 2, 2}, TLiczbaRodzajKodu{"12", jezFrancuski, 0, 1},
                      TLiczbaRodzajKodu{"2", jezFrancuski, 0, 2}, TLiczbaRodzajKodu{"3", jezFrancuski, 0, 0},
                      TLiczbaRodzajKodu{"7", jezFrancuski, 0, -1}),
    test::NamedBy(DescribeNumberGenderCode));

TEST(ConvertFormCode, MapsTensesToPolishForms)
{
    const std::pair<int, int> cases[] = {{1, 1},   {30, 1}, {11, 2}, {31, 2},  {21, 3},  {15, 4}, {18, 5},
                                         {19, 61}, {26, 6}, {27, 7}, {99, 22}, {10, 27}, {50, 27}};
    for (const auto& [tense, form] : cases)
        EXPECT_EQ(ConvertFormCode(jezFrancuski, jezPolski, tense), form) << tense;
    EXPECT_EQ(ConvertFormCode(jezFrancuski, jezPolski, 0, false, 4), 3);
}

TEST(ConvertFormCode, MapsPolishFormsToTenses)
{
    const std::pair<int, int> cases[] = {{21, 1}, {3, 4},   {24, 5},  {52, 82}, {61, 9}, {7, 27},
                                         {8, 19}, {54, 84}, {55, 85}, {27, 10}, {69, 10}};
    for (const auto& [form, tense] : cases)
        EXPECT_EQ(ConvertFormCode(jezPolski, jezFrancuski, form), tense) << form;
    EXPECT_EQ(ConvertFormCode(jezPolski, jezFrancuski, 2, false), 2);
    EXPECT_EQ(ConvertFormCode(jezPolski, jezFrancuski, 22, true), 11);
}

TEST(ConvertGender, MapsGendersBothWays)
{
    EXPECT_EQ(ConvertGender(jezPolski, jezFrancuski, 0), 1);
    EXPECT_EQ(ConvertGender(jezPolski, jezFrancuski, 6), 1);
    EXPECT_EQ(ConvertGender(jezPolski, jezFrancuski, 3), 2);
    EXPECT_EQ(ConvertGender(jezPolski, jezFrancuski, 7), -1);
    EXPECT_EQ(ConvertGender(jezPolski, jezFrancuski, -1), -1);
    EXPECT_EQ(ConvertGender(jezFrancuski, jezPolski, 0), 0);
    EXPECT_EQ(ConvertGender(jezFrancuski, jezPolski, 2), 3);
    EXPECT_EQ(ConvertGender(jezFrancuski, jezPolski, 3), -1);
}

TEST(ConvertGender, AnUnmatchedGenderGeneratesAsMasculineInanimate)
{
    const int gender = ConvertGender(jezFrancuski, jezPolski, -1);
    EXPECT_EQ(GenFormPl("dobry *7", {.Case = 4, .Gender = gender}), "dobry");
}

struct TPrzyimek {
    const char* Preposition;
    const char* Next; // UTF-8
    bool Vowel;
};

class NeedsVowelTable : public ::testing::TestWithParam<TPrzyimek> {};

std::string DescribePreposition(const TPrzyimek& c)
{
    return std::string(c.Preposition) + " " + c.Next;
}

TEST_P(NeedsVowelTable, Decides)
{
    EXPECT_EQ(NeedsVowelAfterPreposition(GetParam().Preposition, FromUtf8(GetParam().Next)), GetParam().Vowel)
        << GetParam().Preposition << " " << GetParam().Next;
}

INSTANTIATE_TEST_SUITE_P(
    Prepositions, NeedsVowelTable,
    ::testing::Values(TPrzyimek{"w", "Wrocławiu", true}, TPrzyimek{"z", "szkoły", true}, TPrzyimek{"z", "szafą", false},
                      TPrzyimek{"w", "wodzie", false}, TPrzyimek{"w", "fłach", true}, TPrzyimek{"w", "w", false},
                      TPrzyimek{"w", "domu", false}, TPrzyimek{"z", "złotem", true}, TPrzyimek{"z", "zamku", false},
                      TPrzyimek{"z", "źdźbłem", true}, TPrzyimek{"z", "sz", false}, TPrzyimek{"z", "s", false},
                      TPrzyimek{"z", "", false}, TPrzyimek{"Przez", "MNIE", true}, TPrzyimek{"nad", "mną", true},
                      TPrzyimek{"na", "mnie", false}, TPrzyimek{"od", "domu", false}),
    test::NamedBy(DescribePreposition));

TEST(BaseFormOfPronoun, GivesTheNominative)
{
    EXPECT_EQ(BaseFormOfPronoun(FromUtf8("mną")), "ja");
    EXPECT_EQ(BaseFormOfPronoun(FromUtf8("cię")), "ty");
    EXPECT_EQ(BaseFormOfPronoun("nich"), "oni");
    EXPECT_EQ(BaseFormOfPronoun("tym"), "to");
    EXPECT_EQ(BaseFormOfPronoun("dom"), "dom");
    EXPECT_EQ(BaseFormOfPronoun("ni"), "ni");
}

TEST(FrenchLabels, NameTensesAndGenders)
{
    EXPECT_EQ(ToUtf8(TenseName(1), jezFrancuski), "indicatif présent");
    EXPECT_EQ(TenseName(11), "pass\xE9 compos\xE9");
    EXPECT_EQ(TenseName(27), "participe pass\xE9");
    EXPECT_EQ(TenseName(0), "");
    EXPECT_EQ(TenseName(28), "");
    EXPECT_EQ(GenderLabel(0), "mf");
    EXPECT_EQ(GenderLabel(2), "f");
    EXPECT_EQ(GenderLabel(3), "");
}

} // namespace
} // namespace velmar
