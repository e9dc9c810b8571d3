// The Windows code pages of RTF documents: each one's letters, and the character
// sets that name them.
#include <gtest/gtest.h>

#include "core/document/untStronaKodowa.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TZnakStrony {
    int CodePage;
    unsigned char Byte;
    char16_t Character;
};

std::string DescribeCodePageChar(const TZnakStrony& c)
{
    return std::to_string(c.CodePage);
}

class CodePageTable : public ::testing::TestWithParam<TZnakStrony> {};

TEST_P(CodePageTable, ByteAndCharacterMapBothWays)
{
    const auto& c = GetParam();
    EXPECT_TRUE(IsKnownCodePage(c.CodePage));
    EXPECT_EQ(CodePageChar(c.CodePage, c.Byte), c.Character);
    EXPECT_EQ(CodePageByte(c.CodePage, c.Character), c.Byte);
}

// One letter that only its own code page has at that byte.
INSTANTIATE_TEST_SUITE_P(Pages, CodePageTable,
                         ::testing::Values(TZnakStrony{874, 0xA1, u'ก'}, TZnakStrony{1250, 0xB9, u'ą'},
                                           TZnakStrony{1251, 0xCF, u'П'}, TZnakStrony{1252, 0x9C, u'œ'},
                                           TZnakStrony{1253, 0xE1, u'α'}, TZnakStrony{1254, 0xF0, u'ğ'},
                                           TZnakStrony{1255, 0xE0, u'א'}, TZnakStrony{1256, 0xC7, u'ا'},
                                           TZnakStrony{1257, 0xE0, u'ą'}, TZnakStrony{1258, 0xF0, u'đ'}),
                         test::NamedBy(DescribeCodePageChar));

TEST(CodePages, CharacterSetsNameTheirCodePages)
{
    const std::pair<int, int> sets[] = {{0, 1252},   {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
                                        {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}};
    for (const auto& [set, codePage] : sets)
        EXPECT_EQ(CodePageOfCharset(set), codePage) << set;
    for (const int set : {1, 2, 77, 128, 255})
        EXPECT_FALSE(CodePageOfCharset(set)) << set;
    EXPECT_FALSE(IsKnownCodePage(932));
    EXPECT_EQ(CodePageChar(932, 0xE9), u'é'); // an unknown code page reads as 1252
}

} // namespace
} // namespace velmar
