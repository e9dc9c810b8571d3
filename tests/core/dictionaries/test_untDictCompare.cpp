#include "core/dictionaries/untDictCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TPara {
    const char* Before; // UTF-8
    const char* After;
    std::uint8_t Language;
};

class CollationOrder : public ::testing::TestWithParam<TPara> {};

std::string SpelledOrEmpty(const char* text)
{
    return *text ? test::SpelledWithMarks(text) : "empty";
}

std::string DescribeOrder(const TPara& c)
{
    return SpelledOrEmpty(c.Before) + " before " + SpelledOrEmpty(c.After);
}

TEST_P(CollationOrder, SortsFirstBeforeSecondBothWays)
{
    const std::string before = FromUtf8(GetParam().Before);
    const std::string after = FromUtf8(GetParam().After);
    EXPECT_EQ(DictCompare(before, after, GetParam().Language), -1);
    EXPECT_EQ(DictCompare(after, before, GetParam().Language), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, CollationOrder,
                         ::testing::Values(TPara{"Paris", "paris", jezFrancuski}, // capitals first
                                           TPara{"aime", "aimé", jezFrancuski},   // plain before accented
                                           TPara{"cest", "c'est", jezFrancuski},  // skipped characters later
                                           TPara{"ab-c", "abc", jezFrancuski},    // the hyphen precedes letters
                                           TPara{"zzz", "", jezFrancuski},        // the empty string last
                                           TPara{"a", "", jezPolski},
                                           TPara{"élan", "fable", jezFrancuski}, // accents rank as their base
                                           TPara{"ab", "abc", jezFrancuski},     // fewer letters first
                                           TPara{"abc", "ab'c'", jezFrancuski},  // letters equal, no skip first
                                           TPara{"aimè", "aimé", jezFrancuski},  // accents by their list order
                                           TPara{"ée", "eé", jezFrancuski},      // ending in É comes last
                                           TPara{"eè", "èe", jezFrancuski},      // the later first accent first
                                           TPara{"a", "ą", jezPolski},           // Polish letters of their own
                                           TPara{"ąz", "b", jezPolski}, TPara{"lz", "ła", jezPolski},
                                           TPara{"Żaba", "żaba", jezPolski}, TPara{"zz", "źa", jezPolski},
                                           TPara{"oeuvre", "oeuvres", jezFrancuski}),
                         test::NamedBy(DescribeOrder));

TEST(DictCompare, SkippedCharacterLaterInTheWordSortsFirst)
{
    // "ce'st" skips at byte 2, "c'est" at byte 1: the later skip sorts first.
    EXPECT_EQ(DictCompare("ce'st", "c'est", jezFrancuski), -1);
}

TEST(DictCompare, FrenchSpellingNormalisationComparesEqual)
{
    EXPECT_EQ(DictCompare(FromUtf8("œuvre"), "oeuvre", jezFrancuski), 0);
    EXPECT_EQ(DictCompare("'hui", "hui", jezFrancuski), 0);
    EXPECT_NE(DictCompare("'hui", "hui", jezPolski), 0);
}

TEST(DictCompare, LanguageOutsideTheFamilyComparesEqual)
{
    EXPECT_EQ(DictCompare("a", "b", 42), 0);
}

struct TRelaksacja {
    const char* A;
    const char* B;
    int Flags;
    std::uint8_t Language;
    bool Equal;
};

class CollationFlags : public ::testing::TestWithParam<TRelaksacja> {};

std::string DescribeRelaxation(const TRelaksacja& c)
{
    return test::SpelledWithMarks(c.A) + " vs " + test::SpelledWithMarks(c.B) +
           (c.Flags & fpPierwszaMala ? " first lower" : "") + (c.Flags & fpDowolnaWielkosc ? " any case" : "") +
           (c.Flags & fpAkcentCzesciowy ? " accent partial" : "") + (c.Flags & fpBezAkcentow ? " accent free" : "");
}

TEST_P(CollationFlags, ZeroExactlyWhenTheRelaxationMakesThemEqual)
{
    const auto& p = GetParam();
    const std::string a = FromUtf8(p.A);
    const std::string b = FromUtf8(p.B);
    EXPECT_EQ(DictCompare(a, b, p.Language, p.Flags) == 0, p.Equal);
    EXPECT_EQ(EqualUnderFlags(a, b, p.Language, p.Flags), p.Equal);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CollationFlags,
    ::testing::Values(TRelaksacja{"Paris", "paris", 0, jezFrancuski, false},
                      TRelaksacja{"Paris", "paris", fpPierwszaMala, jezFrancuski, true},
                      TRelaksacja{"PARIS", "paris", fpPierwszaMala, jezFrancuski, false},
                      TRelaksacja{"PARIS", "paris", fpDowolnaWielkosc, jezFrancuski, true},
                      TRelaksacja{"paris", "Paris", fpPierwszaMala, jezFrancuski, false},
                      TRelaksacja{"eleve", "élève", fpBezAkcentow, jezFrancuski, true},
                      TRelaksacja{"élève", "eleve", fpBezAkcentow, jezFrancuski, true},
                      TRelaksacja{"eleve", "élève", fpAkcentCzesciowy, jezFrancuski, true},
                      TRelaksacja{"élève", "eleve", fpAkcentCzesciowy, jezFrancuski, false},
                      // A capital written without its accent.
                      TRelaksacja{"Eleve", "élève", fpAkcentCzesciowy | fpPierwszaMala, jezFrancuski, true},
                      TRelaksacja{"Elève", "élève", fpAkcentCzesciowy, jezFrancuski, false},
                      TRelaksacja{"ELEVE", "élève", fpBezAkcentow | fpDowolnaWielkosc, jezFrancuski, true},
                      TRelaksacja{"zolw", "żółw", fpBezAkcentow, jezPolski, false},
                      TRelaksacja{"Żółw", "żółw", fpPierwszaMala, jezPolski, true}),
    test::NamedBy(DescribeRelaxation));

TEST(DictCompare, TrimNonMembersKeepsInnerSkippedCharacters)
{
    EXPECT_EQ(TrimNonMembers("'c'est.'", jezFrancuski), "c'est");
    EXPECT_EQ(TrimNonMembers("...", jezFrancuski), "");
    EXPECT_EQ(TrimNonMembers("-a-", jezFrancuski), "-a-");
}

TEST(SearchOptions, InitOptionsClearsEverythingButTheWord)
{
    TZnajdzOpcje options = InitOptions("Paris", true);
    EXPECT_EQ(options.Word, "Paris");
    EXPECT_EQ(options.FirstLower, 1);
    EXPECT_EQ(options.Aux1, -1);
    EXPECT_EQ(options.Aux2, -1);
    EXPECT_EQ(options.RelaxedFlags(), fpPierwszaMala);
    options.AnyCase = 1;
    options.AccentFree = 1;
    EXPECT_EQ(options.RelaxedFlags(), fpPierwszaMala | fpDowolnaWielkosc | fpBezAkcentow);
}

// ---------------------------------------------------------------- order properties

// Every string over the alphabet up to maxLength bytes.
std::vector<std::string> AllWords(const std::string& alphabet, std::size_t maxLength)
{
    std::vector<std::string> words{""};
    std::vector<std::string> previous{""};
    for (std::size_t length = 1; length <= maxLength; ++length) {
        std::vector<std::string> next;
        for (const std::string& stem : previous)
            for (char c : alphabet)
                next.push_back(stem + c);
        words.insert(words.end(), next.begin(), next.end());
        previous = std::move(next);
    }
    return words;
}

std::vector<std::string> RandomWords(const std::string& alphabet, int count, unsigned seed, std::size_t maxLength = 7)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        std::string word;
        for (std::size_t n = length(random); n > 0; --n)
            word += alphabet[letter(random)];
        words.push_back(word);
    }
    return words;
}

// Sorts with the comparison without trusting it (insertion sort never leaves the range),
// then checks that every pair in the result is in order and that the comparison is
// antisymmetric: together they make it a total order over the words.
void ExpectTotalOrder(std::vector<std::string> words, std::uint8_t language)
{
    for (std::size_t i = 1; i < words.size(); ++i)
        for (std::size_t j = i; j > 0 && DictCompare(words[j], words[j - 1], language) < 0; --j)
            std::swap(words[j], words[j - 1]);
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i; j < words.size(); ++j) {
            const int forward = DictCompare(words[i], words[j], language);
            const int backward = DictCompare(words[j], words[i], language);
            ASSERT_EQ(forward, -backward) << "not antisymmetric: '" << words[i] << "' '" << words[j] << "'";
            ASSERT_LE(forward, 0) << "not transitive around '" << words[i] << "' '" << words[j] << "'";
        }
    }
}

TEST(CollationProperties, FrenchShortWordsFormATotalOrder)
{
    ExpectTotalOrder(AllWords(FromUtf8("eEéÉèÈ'-a"), 3), jezFrancuski);
}

TEST(CollationProperties, PolishShortWordsFormATotalOrder)
{
    ExpectTotalOrder(AllWords(FromUtf8("aAąĄ'-b."), 3), jezPolski);
}

TEST(CollationProperties, RandomFrenchWordsFormATotalOrder)
{
    ExpectTotalOrder(RandomWords(FromUtf8("aeEéÉèêÌ'-. cCçœŒh"), 700, 17), jezFrancuski);
}

TEST(CollationProperties, RandomPolishWordsFormATotalOrder)
{
    ExpectTotalOrder(RandomWords(FromUtf8("aąĄeęłŁzźżŻ'- ."), 700, 23), jezPolski);
}

// A search trusts the prefixes wherever they differ, so there they must order every pair
// as the collation does.
void ExpectPrefixesAgree(const std::vector<std::string>& words, std::uint8_t language)
{
    int decided = 0;
    for (const std::string& a : words) {
        for (const std::string& b : words) {
            const int byPrefix = ComparePrefixes(CollationPrefix(a, language), CollationPrefix(b, language));
            if (byPrefix == 0)
                continue;
            ++decided;
            ASSERT_EQ(byPrefix, DictCompare(a, b, language)) << "'" << a << "' '" << b << "'";
        }
    }
    EXPECT_GT(decided, 0);
}

TEST(CollationPrefixes, FrenchShortWordsOrderAsTheCollation)
{
    ExpectPrefixesAgree(AllWords(FromUtf8("eEéÉèÈ'-aœ"), 3), jezFrancuski);
}

TEST(CollationPrefixes, PolishShortWordsOrderAsTheCollation)
{
    ExpectPrefixesAgree(AllWords(FromUtf8("aAąĄ'-b. "), 3), jezPolski);
}

// Long enough that many words share the letters a prefix holds.
TEST(CollationPrefixes, LongRandomWordsOrderAsTheCollation)
{
    ExpectPrefixesAgree(RandomWords(FromUtf8("aeEéÉèêÌ'-. cCçœŒh"), 700, 29, 16), jezFrancuski);
    ExpectPrefixesAgree(RandomWords(FromUtf8("aąĄeęłŁzźżŻ'- ."), 700, 31, 16), jezPolski);
    ExpectPrefixesAgree(RandomWords("ab", 300, 37, 14), jezFrancuski);
}

TEST(CollationPrefixes, DecideNothingForALanguageOutsideTheFamily)
{
    EXPECT_EQ(CollationPrefix("abc", 42), CollationPrefix("xyz", 42));
}

} // namespace
} // namespace velmar
