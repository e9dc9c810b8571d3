#include "core/dictionaries/untSlownikDopisan.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "SlownikTestowy.h"

namespace velmar {
namespace {

// A main dictionary and an empty user dictionary of one source language, with the
// add and delete events recorded.
class UserDictionaryEditing : public ::testing::Test {
protected:
    explicit UserDictionaryEditing(std::uint8_t language = jezFrancuski)
        : main("main", language, "chat_#1m kot\nchien_#1m pies\nzèbre_#1f zebra\n"), user("user", language, "")
    {
        editing.OnAdd.Add([this](int index, int position) { added.emplace_back(index, position); });
        editing.OnDelete.Add([this](int index, int position) { deleted.emplace_back(index, position); });
    }

    std::string Line(int index) const { return ToUtf8(user.Dictionary->DecodedLine(index), jezPolski); }
    // The texts in UTF-8.
    int Add(const char* headword, const char* translation, int partOfSpeech, bool makeFirst = false,
            const TKodyZnaczenia& codes = {})
    {
        return editing.AddTranslation(FromUtf8(headword), FromUtf8(translation), makeFirst, codes, partOfSpeech);
    }

    test::SlownikTestowy main;
    test::SlownikTestowy user;
    TSlownikDopisan editing{user.Main(), main.Main()};
    std::vector<std::pair<int, int>> added, deleted;
};

TEST_F(UserDictionaryEditing, NewHeadwordsStandAtTheirPlaceAmongTheMainOnes)
{
    EXPECT_EQ(Add("cheval", "koń", 0), 0);
    EXPECT_EQ(Add("abeille", "pszczoła", 0), 0);
    EXPECT_EQ(Add("zoo", "zoo", 0), 2);
    EXPECT_EQ(Add("chat", "kotek", 0), 1);
    // cheval before chien (main 1), abeille before everything, zoo after the end,
    // chat before the main chat.
    EXPECT_EQ(added, (std::vector<std::pair<int, int>>{{0, 1}, {0, 0}, {2, 3}, {1, 0}}));
    EXPECT_EQ(editing.MainPosition(2), 1);
    EXPECT_EQ(editing.MainPosition(3), 3);
    EXPECT_EQ(editing.AddTranslation("  ", "x", false, {}, 0), -1);
}

TEST_F(UserDictionaryEditing, AnotherMeaningOfTheSamePartOfSpeechJoinsItsSubRecord)
{
    Add("cheval", "koń", 0);
    Add("cheval", "rumak", 0);
    Add("cheval", "galopować", 1);
    EXPECT_EQ(Line(0), "cheval _##1  +0 koń  ;  +0 rumak   ##4  +0 galopować   ");
    EXPECT_EQ(added.size(), 1U) << "only the new headword is an addition to the list";

    TKodyZnaczenia codes;
    codes.set(19).set(24);
    Add("cheval", "konik", 1, true, codes);
    EXPECT_EQ(Line(0), "cheval _##4  +19 +24 konik  ;  +0 galopować   ##1  +0 koń  ;  +0 rumak   ");
}

TEST_F(UserDictionaryEditing, DeletingMeaningsAndTheHeadword)
{
    Add("cheval", "koń", 0);
    Add("cheval", "galopować", 1);
    EXPECT_FALSE(editing.DeleteMeaning(0, 0, 3));
    ASSERT_TRUE(editing.DeleteMeaning(0, 0, 0));
    EXPECT_EQ(Line(0), "cheval _##4  +0 galopować   ");
    ASSERT_TRUE(editing.DeleteMeaning(0, 0, 0));
    EXPECT_EQ(user.Main().GetEntry(0).SubRecords.Count(), 0);

    ASSERT_TRUE(editing.DeleteEntry(0));
    EXPECT_EQ(user.Lines.Count(), 0);
    EXPECT_EQ(deleted, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_FALSE(editing.DeleteEntry(0));
}

TEST_F(UserDictionaryEditing, PositionsFollowLinesAddedBehindTheirBack)
{
    Add("zoo", "zoo", 0);
    user.Lines.Insert(0, user.Dictionary->Encode("chien _##1 piesek"));
    EXPECT_EQ(editing.MainPosition(0), 1);
    EXPECT_EQ(editing.MainPosition(1), 3);
}

class QuickAddPolish : public UserDictionaryEditing {
protected:
    QuickAddPolish() : UserDictionaryEditing(jezPolski) {}
};

TEST_F(QuickAddPolish, AddsTheItemsThatFitAndHandsBackTheRest)
{
    std::string text = FromUtf8("kot+r+chat;pies+x+chien");
    EXPECT_EQ(editing.QuickAdd(text, jezPolski), 1);
    EXPECT_EQ(text, "pies+x+chien;");
    EXPECT_EQ(Line(0), "kot _##0  +0 chat   ");
}

TEST_F(QuickAddPolish, GivesTheSameEntryAsTheWindowForSeveralMeaningsAndParts)
{
    std::string text = FromUtf8(";;kot+r+chat\r\nkot+r+matou;;kot+c+miauczeć\r\n+r+sans mot;kot+r+;iść+c+aller");
    EXPECT_EQ(editing.QuickAdd(text, jezPolski), 4);
    EXPECT_EQ(text, "+r+sans mot;kot+r+;");

    test::SlownikTestowy window("user", jezPolski, "");
    TSlownikDopisan byWindow(window.Main(), main.Main());
    for (auto [word, translation, part] : {std::tuple{"kot", "chat", 0}, std::tuple{"kot", "matou", 0},
                                           std::tuple{"kot", "miauczeć", 1}, std::tuple{"iść", "aller", 1}})
        byWindow.AddTranslation(FromUtf8(word), FromUtf8(translation), false, {}, part);
    ASSERT_EQ(user.Lines.Count(), window.Lines.Count());
    for (int i = 0; i < user.Lines.Count(); ++i)
        EXPECT_EQ(user.Lines.Line(i), window.Lines.Line(i));
}

TEST(QuickAddLetters, ByInterfaceLanguage)
{
    EXPECT_EQ(QuickAddLetters(jezPolski), "rcpezmswn");
    EXPECT_EQ(QuickAddLetters(jezFrancuski), "nvjeprcik");
    EXPECT_EQ(PartOfSpeechCode(1, jezPolski), "*");
    EXPECT_EQ(PartOfSpeechCode(1, jezFrancuski), "4");
    EXPECT_EQ(PartOfSpeechCode(kCzescMowyNiePodana, jezFrancuski), "");
}

} // namespace
} // namespace velmar
