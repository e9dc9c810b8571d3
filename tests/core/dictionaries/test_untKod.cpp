#include "core/dictionaries/untKod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/TempFolder.h"

namespace velmar {
namespace {

std::string RandomText(std::mt19937& random, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(length(random), '\0');
    for (char& c : text)
        c = static_cast<char>(byte(random));
    return text;
}

TEST(LineScrambling, RoundTripsRandomTextsForEveryKeyRow)
{
    std::mt19937 random(42);
    for (int row = 1; row <= 6; ++row) {
        for (int sample = 0; sample < 300; ++sample) {
            const std::string text = RandomText(random, 200);
            const std::string stored = EncodeLine(text, row);
            ASSERT_EQ(DecodeLine(stored, row), text) << "row " << row;
            EXPECT_TRUE(IsWellFormedLine(stored, row));
        }
    }
}

TEST(LineScrambling, StoredBytesAreAboveSpaceAndEachEscapeAddsOneByte)
{
    std::mt19937 random(7);
    // Texts made only of escape-set bytes, and random ones.
    std::string escapeSet;
    for (int b = 0; b <= 32; ++b)
        escapeSet += static_cast<char>(b);
    escapeSet += '@';
    std::vector<std::string> texts = {escapeSet, std::string(50, '\0'), std::string(50, '@')};
    for (int i = 0; i < 100; ++i)
        texts.push_back(RandomText(random, 120));
    for (int row = 1; row <= 6; ++row) {
        for (const auto& text : texts) {
            const std::string stored = EncodeLine(text, row);
            EXPECT_TRUE(
                std::all_of(stored.begin(), stored.end(), [](char c) { return static_cast<unsigned char>(c) > 32; }));
            const auto escapes = static_cast<std::size_t>(std::count(stored.begin(), stored.end(), '@'));
            EXPECT_EQ(stored.size(), text.size() + 1 + escapes);
            EXPECT_EQ(DecodeLine(stored, row), text);
        }
    }
}

TEST(LineScrambling, EmptyAndKeylessCases)
{
    EXPECT_EQ(DecodeLine("", 1), "");
    EXPECT_EQ(EncodeLine("", 1).size(), 1u);
    EXPECT_EQ(DecodeLine(EncodeLine("", 1), 1), "");
    // No key: the text passes unchanged.
    EXPECT_EQ(EncodeLine("abc", 7), "abc");
    EXPECT_EQ(EncodeLine("abc", 0), "abc");
    EXPECT_EQ(EncodeLine("abc", 1, 13), "abc");
    EXPECT_EQ(DecodeLine("abc", 1, 0), "abc");
    // Different rows give different stored lines.
    EXPECT_NE(EncodeLine("pies", 1), EncodeLine("pies", 2));
}

TEST(LineScrambling, DamagedLinesAreNotWellFormed)
{
    const std::string stored = EncodeLine("chat_#1m kot", 1);
    std::string flipped = stored;
    flipped[2] = static_cast<char>(flipped[2] ^ 0x5A);
    std::string withControl = stored;
    withControl.insert(3, 1, '\t');
    const std::string danglingEscape = stored.substr(0, stored.size() - 1) + "@" + stored.back();
    for (const std::string& damaged : {flipped, withControl, danglingEscape, std::string()})
        EXPECT_FALSE(IsWellFormedLine(damaged, 1));
    // A damaged line still decodes to something and never throws.
    EXPECT_NO_THROW(DecodeLine(danglingEscape, 1));
}

TEST(LineFileSplitting, EveryLineEndEndsALine)
{
    struct Case {
        std::string Bytes;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const auto view : SplitLines(c.Bytes))
            lines.emplace_back(view);
        EXPECT_EQ(lines, c.Lines);
    }
}

// A loaded list finds its line starts eight bytes at a time; it must cut every file
// where SplitLines does, terminators at any place in a word and other low bytes among them.
TEST(LineFileSplitting, ALoadedListCutsWhereSplitLinesDoes)
{
    test::TempFolder folder;
    const std::string alphabet = "abcdefgh\r\n\x01\x0c\x0e\x80\xff";
    std::mt19937 random(29);
    for (int round = 0; round < 400; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 200), ' ');
        for (char& c : bytes)
            c = alphabet[random() % alphabet.size()];
        TLinie lines;
        lines.LoadFromFile(folder.Write("random.sg", bytes));
        const std::vector<std::string_view> expected = SplitLines(bytes);
        ASSERT_EQ(lines.Count(), static_cast<int>(expected.size())) << testing::PrintToString(bytes);
        for (int i = 0; i < lines.Count(); ++i)
            ASSERT_EQ(lines.Line(i), expected[static_cast<std::size_t>(i)]) << testing::PrintToString(bytes);
    }
}

TEST(TLinie, LoadsPackedAndChangesAfterwards)
{
    test::TempFolder folder;
    const auto file = folder.Write("list.sg", "one\r\ntwo\nthree\rfour\r\n");
    TLinie lines;
    lines.LoadFromFile(file);
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Line(2), "three");
    EXPECT_EQ(lines.Line(4), "");
    EXPECT_EQ(lines.Line(-1), "");

    EXPECT_TRUE(lines.Insert(0, "zero"));
    EXPECT_TRUE(lines.Replace(4, "FOUR"));
    EXPECT_TRUE(lines.Delete(1));
    EXPECT_FALSE(lines.Insert(6, "far"));
    EXPECT_FALSE(lines.Delete(4));
    lines.Add("five");
    const std::vector<std::string> expected = {"zero", "two", "three", "FOUR", "five"};
    for (int i = 0; i < lines.Count(); ++i)
        EXPECT_EQ(lines.Line(i), expected[static_cast<std::size_t>(i)]);

    lines.SaveToFile(file);
    EXPECT_EQ(test::TempFolder::Read(file), "zero\r\ntwo\r\nthree\r\nFOUR\r\nfive\r\n");
}

TEST(TLinie, DecodesWithTheKeyRow)
{
    TLinie lines;
    lines.Assign({EncodeLine("kot_#0 chat", 1), EncodeLine("pies_#0 chien", 1)});
    EXPECT_EQ(lines.Decoded(1, 1), "pies_#0 chien");
    EXPECT_EQ(lines.Decoded(2, 1), "");
}

TEST(LineScrambling, DecodingUntilAStopByteGivesThePrefixThroughIt)
{
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c); // every byte, escaped ones among them
    for (char stop : {'_', '\x01', '@', '\xFF'}) {
        const std::string stored = EncodeLine(text, 1);
        EXPECT_EQ(DecodeLineUntil(stored, 1, stop), text.substr(0, text.find(stop) + 1)) << int{stop};
    }
    EXPECT_EQ(DecodeLineUntil(EncodeLine("no separator", 2), 2, '_'), "no separator");
    EXPECT_EQ(DecodeLineUntil("", 2, '_'), "");
}

TEST(TLinie, AFailedLoadIsRemembered)
{
    test::TempFolder folder;
    TLinie lines;
    lines.Assign({"x"});
    EXPECT_THROW(lines.LoadFromFile(folder.Path()), std::runtime_error); // a folder is no line file
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_TRUE(lines.LoadFailed());
    lines.LoadFromFile(folder.Write("ok.sg", "a\r\n"));
    EXPECT_FALSE(lines.LoadFailed());
}

TEST(TLinie, AFailedSaveKeepsTheOldFile)
{
    test::TempFolder folder;
    const auto file = folder.Write("user.su", "old\r\n");
    std::filesystem::create_directory(folder / "user.su.tmp"); // the temporary file cannot be made
    TLinie lines;
    lines.Assign({"new"});
    EXPECT_THROW(lines.SaveToFile(file), std::runtime_error);
    EXPECT_EQ(test::TempFolder::Read(file), "old\r\n");
}

} // namespace
} // namespace velmar
