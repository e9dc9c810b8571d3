#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untArchiwumZdan.h"
#include "support/TestNames.h"

using namespace velmar;

namespace {

std::string B(const char* utf8)
{
    return FromUtf8(utf8);
}

// A French→Polish archive over its own line list.
class ArchiveFixture : public testing::Test {
protected:
    ArchiveFixture() { archive.Attach(&lines); }

    std::vector<std::string> Sources()
    {
        std::vector<std::string> sources;
        for (int i = 0; i < archive.Count(); ++i)
            sources.push_back(archive.Record(i).Plain);
        return sources;
    }
    std::vector<std::string> TranslationsOf(std::string_view source)
    {
        int index = 0;
        std::vector<std::string> translations;
        if (!archive.FindAt(source, 100, index))
            return translations;
        const auto& record = archive.Record(index);
        for (int i = 0; i < record.Translations.Count(); ++i)
            translations.push_back(record.Translations.Item(i)->Plain);
        return translations;
    }

    TLinie lines;
    TTransSlownikZdan archive{jezFrancuski, jezPolski};
};

} // namespace

TEST_F(ArchiveFixture, ANumberMarkedOnAddingIsFoundAtLevel90)
{
    archive.AddPair("J'ai 3 chats", "Mam 3 koty");
    int index = -1;
    ASSERT_TRUE(archive.FindAt("J'ai 3 chats", 100, index));
    EXPECT_EQ(archive.Record(index).Raw, "J'ai <info tekst=\"3\" typ=\"%number%\"> chats");
    EXPECT_FALSE(archive.FindAt("J'ai %number% chats", 100, index));
    ASSERT_TRUE(archive.FindAt("J'ai %number% chats", 90, index));
    EXPECT_EQ(archive.Record(index).Translations.Item(0)->ViewAt(90), "Mam %1% koty");
    EXPECT_EQ(archive.KeyLevel, 100);
}

TEST_F(ArchiveFixture, PairsStaySortedAndASecondTranslationIsAppended)
{
    for (const char* source : {"Salut", "Bonjour", "Merci", "Adieu"})
        archive.AddPair(source, "x");
    EXPECT_EQ(Sources(), (std::vector<std::string>{"Adieu", "Bonjour", "Merci", "Salut"}));

    archive.AddPair("Merci", B("Dzięki"));
    const auto before = lines.Line(2);
    archive.AddPair("Merci", B("Dzięki")); // the same translation again changes nothing
    EXPECT_EQ(lines.Line(2), before);
    EXPECT_EQ(TranslationsOf("Merci"), (std::vector<std::string>{"x", B("Dzięki")}));
    EXPECT_EQ(archive.Count(), 4);
}

TEST_F(ArchiveFixture, EventsTellTheWindowWhatChanged)
{
    std::vector<std::pair<char, int>> events;
    archive.OnSentenceAdded = [&](TTransSlownikZdan&, int i) { events.push_back({'+', i}); };
    archive.OnSentenceDeleted = [&](TTransSlownikZdan&, int i) { events.push_back({'-', i}); };
    archive.AddPair("b", "1");
    archive.AddPair("a", "2");
    EXPECT_TRUE(archive.DeleteSentence("b"));
    EXPECT_FALSE(archive.DeleteSentence("zzz"));
    EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'+', 0}, {'+', 0}, {'-', 1}}));
}

TEST_F(ArchiveFixture, DeletingTheLastTranslationDeletesTheSentence)
{
    archive.AddPair("Oui", "Tak");
    archive.AddPair("Oui", "No");
    EXPECT_TRUE(archive.DeleteTranslation("Oui", "Tak"));
    EXPECT_EQ(TranslationsOf("Oui"), (std::vector<std::string>{"No"}));
    EXPECT_TRUE(archive.DeleteTranslation("Oui", "No"));
    EXPECT_EQ(archive.Count(), 0);
    EXPECT_FALSE(archive.DeleteTranslation("Oui", "No"));
}

TEST_F(ArchiveFixture, ReplacingTheOnlyTranslationMarksThePairAgain)
{
    archive.AddPair("Il a 2 ans", "Ma lata");
    EXPECT_TRUE(archive.ReplaceTranslation("Il a 2 ans", "Ma lata", "Ma 2 lata"));
    int index = 0;
    ASSERT_TRUE(archive.FindAt("Il a %number% ans", 90, index));
    EXPECT_EQ(archive.Record(index).Translations.Item(0)->View90, "Ma %1% lata");
    EXPECT_FALSE(archive.ReplaceTranslation("Il a 2 ans", "absent", "x"));
}

TEST_F(ArchiveFixture, ChangesUnderAFilteredViewReachTheRealLines)
{
    for (const char* source : {"le chat noir", "le chien", "un chat"})
        archive.AddPair(source, "t");
    ASSERT_EQ(archive.FilterBy("chat", false, false), 2);
    archive.SetFilter(true);
    ASSERT_EQ(archive.Count(), 2);

    EXPECT_TRUE(archive.ReplaceTranslation("un chat", "t", "kot"));
    EXPECT_EQ(TranslationsOf("un chat"), (std::vector<std::string>{"kot"})); // filtered lines
    archive.AddPair("zebre", "zebra");                                       // goes to the archive only
    EXPECT_EQ(archive.Count(), 2);
    EXPECT_TRUE(archive.DeleteTranslation("le chat noir", "t"));
    EXPECT_EQ(archive.Count(), 1);

    archive.SetFilter(false);
    EXPECT_EQ(Sources(), (std::vector<std::string>{"le chien", "un chat", "zebre"}));
    EXPECT_EQ(TranslationsOf("un chat"), (std::vector<std::string>{"kot"}));
}

struct CountedCase {
    int Count;
    const char* Polish;
};

class CountedNouns : public testing::TestWithParam<CountedCase> {};

std::string DescribeCount(const CountedCase& c)
{
    return std::to_string(c.Count);
}

TEST_P(CountedNouns, PolishNumberAgreement)
{
    EXPECT_EQ(CountedNoun(jezPolski, B("zdanie *41"), GetParam().Count), B(GetParam().Polish)) << GetParam().Count;
}

INSTANTIATE_TEST_SUITE_P(Counts, CountedNouns,
                         testing::Values(CountedCase{1, "zdanie"}, CountedCase{3, "zdania"}, CountedCase{5, "zdań"},
                                         CountedCase{0, "zdań"}, CountedCase{12, "zdań"}, CountedCase{14, "zdań"},
                                         CountedCase{22, "zdania"}, CountedCase{25, "zdań"}, CountedCase{104, "zdania"},
                                         CountedCase{112, "zdań"}),
                         test::NamedBy(DescribeCount));

TEST(CountedNouns, FrenchKeepsTheLemma)
{
    EXPECT_EQ(CountedNoun(jezFrancuski, "phrase *2", 5), "phrase");
}
