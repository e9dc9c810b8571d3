// The follower of a pane: finding sentences and words by position, and keeping their
// spans in step with insertions and deletions.
#include <gtest/gtest.h>

#include "support/TestNames.h"
#include "ui/translator/untSledzOkno.h"

namespace velmar {
namespace {

TSledzSlowo Word(int start, int end, int sequence, const char* text)
{
    return {start, end, sequence, text, text, {}};
}

// Two sentences: "Le chat dort." at 0–13 (words "chat" 3–7, "dort" 8–12) and
// "Il pleut." at 14–23 (word "pleut" 3–8).
TSledzOkno TwoSentences()
{
    TSledzOkno follower;
    follower.Append(0, 13, {Word(0, 2, 0, "Le"), Word(3, 7, 1, "chat"), Word(8, 12, 2, "dort")});
    follower.Append(14, 23, {Word(0, 2, 0, "Il"), Word(3, 8, 1, "pleut")});
    return follower;
}

TEST(SledzOkno, FindsSentencesAndWordsByPosition)
{
    const TSledzOkno follower = TwoSentences();
    EXPECT_EQ(follower.SentenceAt(5)->Index, 0);
    EXPECT_EQ(follower.SentenceAt(13), nullptr) << "between the sentences";
    EXPECT_EQ(follower.SentenceAt(20)->Index, 1);
    EXPECT_EQ(follower.SentenceAt(23), nullptr);
    const auto word = follower.WordAt(19);
    ASSERT_TRUE(word);
    EXPECT_EQ(word->Sentence, 1);
    EXPECT_EQ(follower.Word(word->Sentence, word->Word)->Text, "pleut");
    EXPECT_EQ(follower.Word(1, 5), nullptr);
}

struct TEdycja {
    const char* Name;
    int Position, Removed, Added;
    int FirstStart, FirstEnd; // −1: removed
    int SecondStart, SecondEnd;
    int ChatStart, ChatEnd; // the word "chat", absolute; equal: emptied
};

class SledzOknoEdycja : public ::testing::TestWithParam<TEdycja> {};

TEST_P(SledzOknoEdycja, MovesTheSpansAfterTheEdit)
{
    const TEdycja& c = GetParam();
    TSledzOkno follower = TwoSentences();
    follower.Adjust(c.Position, c.Removed, c.Added);
    const TSledzZdanie& first = *follower.Sentence(0);
    const TSledzZdanie& second = *follower.Sentence(1);
    EXPECT_EQ(first.Start, c.FirstStart);
    EXPECT_EQ(first.End, c.FirstEnd);
    EXPECT_EQ(second.Start, c.SecondStart);
    EXPECT_EQ(second.End, c.SecondEnd);
    if (first.Removed()) {
        EXPECT_TRUE(first.Words.empty());
        return;
    }
    const TSledzSlowo& chat = first.Words[1];
    EXPECT_EQ(first.Start + chat.Start, c.ChatStart);
    EXPECT_EQ(first.Start + chat.End, c.ChatEnd);
    EXPECT_EQ(chat.Text.empty(), c.ChatStart == c.ChatEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SledzOknoEdycja,
    ::testing::Values(TEdycja{"InsertionBeforeShiftsBoth", 0, 0, 4, 4, 17, 18, 27, 7, 11},
                      TEdycja{"InsertionInsideAWordWidensIt", 5, 0, 2, 0, 15, 16, 25, 3, 9},
                      TEdycja{"InsertionAtASentenceEndStaysOutside", 13, 0, 1, 0, 13, 15, 24, 3, 7},
                      TEdycja{"DeletionOfAWordEmptiesIt", 3, 4, 0, 0, 9, 10, 19, 3, 3},
                      TEdycja{"DeletionOfTheFirstSentenceRemovesIt", 0, 14, 0, -1, -1, 0, 9, 0, 0},
                      TEdycja{"DeletionAcrossBothKeepsTheRestOfEach", 10, 8, 0, 0, 10, 10, 15, 3, 7},
                      TEdycja{"EditAfterEverythingChangesNothing", 23, 0, 5, 0, 13, 14, 23, 3, 7}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SledzOkno, ReplacingWordsMovesTheLaterSentences)
{
    TSledzOkno follower = TwoSentences();
    follower.ReplaceWords(0, {Word(0, 2, 0, "Le"), Word(3, 9, 1, "chaton")}, 3);
    EXPECT_EQ(follower.Sentence(0)->End, 16);
    EXPECT_EQ(follower.Sentence(0)->Words[1].Text, "chaton");
    EXPECT_EQ(follower.Sentence(1)->Start, 17);
    follower.ReplaceWords(1, {}, -9);
    EXPECT_TRUE(follower.Sentence(1)->Removed());
}

} // namespace
} // namespace velmar
