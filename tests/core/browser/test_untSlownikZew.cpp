// The merged headword list of the dictionary window, its pages, the keys that scroll
// it, and the history of shown headwords.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/browser/untSlownikZew.h"
#include "core/dictionaries/SlownikTestowy.h"

namespace velmar {
namespace {

// ---------------------------------------------------------------- positions

struct TPozycja {
    const char* Name;
    int MainCount;
    std::vector<int> UserPositions;
    int Position;
    TPozycjeHasel::TPodzial Split;
};

class SplitPosition : public ::testing::TestWithParam<TPozycja> {};

TEST_P(SplitPosition, NamesTheFirstMainAndUserHeadwordsFromThere)
{
    const auto& p = GetParam();
    TPozycjeHasel positions;
    positions.Assign(p.MainCount, p.UserPositions);
    EXPECT_EQ(positions.SplitPosition(p.Position), p.Split);
}

INSTANTIATE_TEST_SUITE_P(MergedList, SplitPosition,
                         ::testing::Values(TPozycja{"NoUserHeadwords", 5, {}, 3, {3, 0}},
                                           TPozycja{"ThreeUserAtTheStartThenMain", 5, {0, 0, 0}, 3, {0, 3}},
                                           TPozycja{"InsideThreeUserAtTheStart", 5, {0, 0, 0}, 1, {0, 1}},
                                           TPozycja{"Top", 5, {0, 0, 0}, 0, {0, 0}},
                                           TPozycja{"UserHeadwordStandsHere", 5, {2, 4}, 2, {2, 0}},
                                           TPozycja{"MainAfterTheFirstUser", 5, {2, 4}, 3, {2, 1}},
                                           TPozycja{"SecondUserHeadword", 5, {2, 4}, 5, {4, 1}},
                                           TPozycja{"UserAfterTheLastMain", 3, {3, 3}, 4, {3, 1}},
                                           TPozycja{"End", 3, {3, 3}, 5, {3, 2}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(GlobalPositions, AUserHeadwordStandsBeforeTheMainHeadwordAtItsPosition)
{
    TPozycjeHasel positions;
    positions.Assign(5, {0, 0, 0, 2});
    EXPECT_EQ(positions.TotalCount(), 9);
    // users 0,1,2 | main 0 | main 1 | user 3 | main 2 …
    EXPECT_EQ(positions.GlobalOfMain(0), 3);
    EXPECT_EQ(positions.GlobalOfMain(1), 4);
    EXPECT_EQ(positions.GlobalOfMain(2), 6);
    EXPECT_EQ(positions.GlobalBeforeMain(0), 0);
    EXPECT_EQ(positions.GlobalBeforeMain(2), 5);
    EXPECT_EQ(positions.GlobalOfUser(3), 5);
    for (int g = 0; g < positions.TotalCount(); ++g) {
        const auto [m, u] = positions.SplitPosition(g);
        EXPECT_EQ(m + u, g);
    }
}

// ---------------------------------------------------------------- pages

class PageTest : public ::testing::Test {
protected:
    PageTest() { positions.Assign(main.Dictionary->Count(), UserMainPositions(*main.Dictionary, *user.Dictionary)); }

    std::vector<std::string> Rows(int top, int rows)
    {
        std::vector<std::string> shown;
        for (const auto& row : FillPage(top, rows, positions, main.Main(), user.Main()))
            shown.push_back(ToUtf8(row.Headword, jezFrancuski) + " " + row.Tag);
        return shown;
    }

    test::SlownikTestowy main{"main", jezFrancuski, "chat_#1m kot\nélève_#1m uczeń\nmaison_#1f dom\nParis_#F Paryż\n"};
    test::SlownikTestowy user{"user", jezFrancuski, "chat_#1m kocur\nlapin_#1m królik\nzèbre_#1m zebra\n"};
    TPozycjeHasel positions;
};

TEST_F(PageTest, UserHeadwordsAreMergedInAlphabeticalOrderEqualOnesFirst)
{
    EXPECT_EQ(positions.TotalCount(), 7);
    EXPECT_EQ(Rows(0, 10), (std::vector<std::string>{"chat U0", "chat G0", "élève G1", "lapin U1", "maison G2",
                                                     "Paris G3", "zèbre U2"}));
}

TEST_F(PageTest, APageStartsAnywhereAndStopsAtTheEnd)
{
    EXPECT_EQ(Rows(1, 3), (std::vector<std::string>{"chat G0", "élève G1", "lapin U1"}));
    EXPECT_EQ(Rows(3, 2), (std::vector<std::string>{"lapin U1", "maison G2"}));
    EXPECT_EQ(Rows(5, 4), (std::vector<std::string>{"Paris G3", "zèbre U2"}));
    EXPECT_TRUE(Rows(7, 4).empty());
}

TEST(RowTag, NamesTheDictionaryAndIndex)
{
    const auto main = ParseRowTag("G12");
    ASSERT_TRUE(main);
    EXPECT_FALSE(main->User);
    EXPECT_EQ(main->Index, 12);
    const auto user = ParseRowTag("U0");
    ASSERT_TRUE(user);
    EXPECT_TRUE(user->User);
    for (const char* malformed : {"", "G", "X3", "G-1", "G1a"})
        EXPECT_FALSE(ParseRowTag(malformed)) << malformed;
}

// ---------------------------------------------------------------- keys

struct TKlawisz {
    const char* Name;
    TKlawiszListy Key;
    bool Ctrl;
    TStanListy List; // row, position, maximum, rows per page, filled rows
    std::optional<TRuchListy> Move;
};

class ListKey : public ::testing::TestWithParam<TKlawisz> {};

TEST_P(ListKey, ScrollsWhereTheKeyReachesPastThePage)
{
    const auto& k = GetParam();
    EXPECT_EQ(ListKeyMove(k.Key, k.Ctrl, k.List), k.Move);
}

using K = TKlawiszListy;
INSTANTIATE_TEST_SUITE_P(
    Keys, ListKey,
    ::testing::Values(
        TKlawisz{"DownOnTheLastRowScrollsOne", K::Down, false, {9, 40, 90, 10, 10}, TRuchListy{41, 9}},
        TKlawisz{"DownOnTheLastRowAtTheEndStays", K::Down, false, {9, 90, 90, 10, 10}, std::nullopt},
        TKlawisz{"DownInsideThePageIsTheListsOwn", K::Down, false, {4, 40, 90, 10, 10}, std::nullopt},
        TKlawisz{"UpOnTheFirstRowScrollsOne", K::Up, false, {0, 40, 90, 10, 10}, TRuchListy{39, 0}},
        TKlawisz{"UpAtTheTopStays", K::Up, false, {0, 0, 90, 10, 10}, std::nullopt},
        TKlawisz{"PageUpKeepsTheRow", K::PageUp, false, {3, 15, 90, 10, 10}, TRuchListy{5, 3}},
        TKlawisz{"PageUpStopsAtTheTop", K::PageUp, false, {3, 4, 90, 10, 10}, TRuchListy{0, 3}},
        TKlawisz{"PageUpAtTheTopSelectsTheFirstRow", K::PageUp, false, {3, 0, 90, 10, 10}, TRuchListy{0, 0}},
        TKlawisz{"PageUpOnTheFirstRowAtTheTopStays", K::PageUp, false, {0, 0, 90, 10, 10}, std::nullopt},
        TKlawisz{"PageDownKeepsTheRow", K::PageDown, false, {3, 40, 90, 10, 10}, TRuchListy{50, 3}},
        TKlawisz{"PageDownStopsAtTheEnd", K::PageDown, false, {3, 85, 90, 10, 10}, TRuchListy{90, 3}},
        TKlawisz{"PageDownAtTheEndSelectsTheLastRow", K::PageDown, false, {3, 90, 90, 10, 10}, TRuchListy{90, 9}},
        TKlawisz{"PageDownOnAShortListSelectsTheLastFilled", K::PageDown, false, {0, 0, 0, 10, 4}, TRuchListy{0, 3}},
        TKlawisz{"PageDownOnTheLastRowAtTheEndStays", K::PageDown, false, {9, 90, 90, 10, 10}, std::nullopt},
        TKlawisz{"EndSelectsTheLastRow", K::End, false, {2, 40, 90, 10, 10}, TRuchListy{40, 9}},
        TKlawisz{"EndOnTheLastRowIsTheListsOwn", K::End, false, {9, 40, 90, 10, 10}, std::nullopt},
        TKlawisz{"CtrlEndGoesToTheLastHeadword", K::End, true, {2, 40, 90, 10, 10}, TRuchListy{90, 9}},
        TKlawisz{"CtrlEndThereStays", K::End, true, {9, 90, 90, 10, 10}, std::nullopt},
        TKlawisz{"HomeSelectsTheFirstRow", K::Home, false, {5, 40, 90, 10, 10}, TRuchListy{40, 0}},
        TKlawisz{"HomeOnTheFirstRowIsTheListsOwn", K::Home, false, {0, 40, 90, 10, 10}, std::nullopt},
        TKlawisz{"CtrlHomeGoesToTheFirstHeadword", K::Home, true, {0, 40, 90, 10, 10}, TRuchListy{0, 0}},
        TKlawisz{"CtrlHomeThereStays", K::Home, true, {0, 0, 90, 10, 10}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- history

TEST(History, KeepsTheLastFifteenAndMovesARepeatedHeadwordToTheEnd)
{
    THistoriaHasel history;
    for (int i = 1; i <= 16; ++i)
        history.Add("w" + std::to_string(i));
    ASSERT_EQ(history.Items().size(), 15u);
    EXPECT_EQ(history.Items().front(), "w2");
    EXPECT_EQ(history.Cursor(), 14);

    history.Add("w5");
    EXPECT_EQ(history.Items().size(), 15u);
    EXPECT_EQ(history.Items().back(), "w5");
    EXPECT_EQ(history.Items()[3], "w6");
    EXPECT_EQ(history.Cursor(), 14);
}

TEST(History, StepsBackAndForwardWithoutRecordingTheSteps)
{
    THistoriaHasel history;
    EXPECT_FALSE(history.CanGoBack());
    history.Add("chat");
    EXPECT_FALSE(history.CanGoBack());
    history.Add("maison");
    history.Add("Paris");
    EXPECT_TRUE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());

    history.Navigating = true;
    EXPECT_EQ(history.Go(history.Cursor() - 1), "maison");
    history.Add("maison"); // what showing the step records
    history.Navigating = false;
    EXPECT_EQ(history.Items(), (std::vector<std::string>{"chat", "maison", "Paris"}));
    EXPECT_EQ(history.Cursor(), 1);
    EXPECT_TRUE(history.CanGoBack());
    EXPECT_TRUE(history.CanGoForward());

    EXPECT_FALSE(history.Go(3));
    EXPECT_FALSE(history.Go(-1));
    EXPECT_EQ(history.Cursor(), 1);

    history.Clear();
    EXPECT_EQ(history.Cursor(), -1);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());
}

// ---------------------------------------------------------------- letter bar

TEST(LetterBar, PolishOffersItsOwnLettersOtherLanguagesTheLatinOnes)
{
    const auto offered = [](std::uint8_t language) {
        std::string letters;
        for (const char* caption : LetterBarCaptions())
            if (LetterBarAlphabet(language).find(FromUtf8(caption)) != std::string::npos)
                letters += caption;
        return letters;
    };
    EXPECT_EQ(LetterBarCaptions().size(), 32u);
    EXPECT_EQ(offered(jezPolski), "ABCĆDEFGHIJKLŁMNOÓPRSŚTUVWYZŹŻ");
    EXPECT_EQ(offered(jezFrancuski), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

} // namespace
} // namespace velmar
