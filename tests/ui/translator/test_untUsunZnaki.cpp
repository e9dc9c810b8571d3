// Removal of single line breaks: lone breaks become two spaces, a break before an
// empty line goes, and positions after an edit move by its real change of length.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "support/TestNames.h"
#include "ui/translator/untUsunZnaki.h"

namespace velmar {
namespace {

struct TPrzypadekZnakow {
    const char* Name;
    const char* Text; // '|' for a paragraph break
    const char* Expected;
};

QString WithBreaks(const char* text)
{
    return QString::fromUtf8(text).replace('|', QChar::ParagraphSeparator);
}

class UsunZnaki : public ::testing::TestWithParam<TPrzypadekZnakow> {};

TEST_P(UsunZnaki, JoinsTheLines)
{
    QTextDocument document;
    document.setPlainText(WithBreaks(GetParam().Text));
    RemoveSingleLineBreaks(document);
    EXPECT_EQ(document.toRawText().left(document.characterCount() - 1), WithBreaks(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, UsunZnaki,
                         ::testing::Values(TPrzypadekZnakow{"LoneBreakBecomesTwoSpaces", "a|b", "a  b"},
                                           TPrzypadekZnakow{"EmptyLineKeepsOneBreak", "a||b", "a|b"},
                                           TPrzypadekZnakow{"TwoEmptyLinesKeepTwoBreaks", "a|||b", "a||b"},
                                           TPrzypadekZnakow{"HardWrappedParagraphs", "un|deux||trois|quatre",
                                                            "un  deux|trois  quatre"},
                                           TPrzypadekZnakow{"NoBreakNoChange", "abc", "abc"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(UsunZnakiPositions, MoveByTheRealChangeOfLength)
{
    // "un|deux||trois": the lone break grows by one, the doubled one loses one.
    int start = 3, end = 14;
    QTextDocument document;
    document.setPlainText(WithBreaks("un|deux||trois"));
    RemoveSingleLineBreaks(document, {&start, &end});
    const QString text = document.toRawText().left(document.characterCount() - 1);
    EXPECT_EQ(text, WithBreaks("un  deux|trois"));
    EXPECT_EQ(start, 4) << "after the two spaces, on the same letter";
    EXPECT_EQ(end, static_cast<int>(text.size())) << "the stretch still ends where the text ends";
}

} // namespace
} // namespace velmar
