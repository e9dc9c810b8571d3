// The pane adapter over QTextEdit: 8-bit text and positions, selection, attributes,
// runs and streams.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class PanelTest : public ::testing::Test {
protected:
    QTextEdit edit;
    TPanel panel{&edit, jezPolski};
};

TEST_F(PanelTest, TextHasOneCharacterPerParagraphBreak)
{
    panel.SetText(FromUtf8("Zażółć\r\ngęślą\rjaźń\nkoniec\vlinia"));
    EXPECT_EQ(panel.Text(), FromUtf8("Zażółć\rgęślą\rjaźń\rkoniec\vlinia"));
    EXPECT_EQ(panel.TextLength(), static_cast<int>(panel.Text().size()));
    EXPECT_EQ(panel.ParagraphCount(), 4);
    EXPECT_EQ(panel.ParagraphStart(1), 7);
    EXPECT_EQ(panel.ParagraphAt(7), 1);
    EXPECT_EQ(panel.ParagraphText(2), FromUtf8("jaźń"));
    EXPECT_EQ(edit.document()->toRawText().count(QChar::LineSeparator), 1);
}

TEST_F(PanelTest, SelectionReadsAndReplacesWithAttributes)
{
    panel.SetText("un chat noir");
    panel.SetSelection(3, 4);
    EXPECT_EQ(panel.SelStart(), 3);
    EXPECT_EQ(panel.SelLength(), 4);
    EXPECT_EQ(panel.SelText(), "chat");

    TAtrybutyTekstu bold;
    bold.Pogrubienie = true;
    panel.ReplaceSelection(FromUtf8("kot\rpies"), bold);
    EXPECT_EQ(panel.Text(), "un kot\rpies noir");
    EXPECT_EQ(panel.SelStart(), 11);
    EXPECT_EQ(panel.SelLength(), 0);

    const TFormatTekstu first = panel.FormatRuns(0);
    ASSERT_EQ(first.Count(), 2);
    EXPECT_EQ(first.Start(1), 3);
    EXPECT_TRUE(first.FontOf(1)->Pogrubienie);
    panel.SetSelection(7, 2);
    EXPECT_TRUE(panel.SelAttributes().Pogrubienie);
    panel.SetSelection(12, 2);
    EXPECT_FALSE(panel.SelAttributes().Pogrubienie);
}

TEST_F(PanelTest, SelectionAttributesAndParagraphAttributes)
{
    panel.SetText("one\rtwo\rthree");
    panel.SetSelection(4, 3);
    TAtrybutyTekstu red;
    red.Kolor = 0xFF0000;
    red.Czcionka = "DejaVu Sans";
    red.PolPunkty = 28;
    panel.SetSelAttributes(red);
    EXPECT_EQ(panel.SelAttributes(), red);

    panel.SetSelection(2, 4); // touches the first two paragraphs
    const TAtrybutyAkapitu centred{TWyrownanie::Srodek, 720, 0, -360, {TRodzajListy::Punktor}};
    panel.SetParagraphAttributes(centred);
    panel.SetSelection(0, 0);
    EXPECT_EQ(panel.ParagraphAttributes(), centred);
    panel.SetSelection(5, 0);
    EXPECT_EQ(panel.ParagraphAttributes(), centred);
    panel.SetSelection(9, 0);
    EXPECT_EQ(panel.ParagraphAttributes(), TAtrybutyAkapitu{});
}

TEST_F(PanelTest, StreamsRoundTripThroughRtfAndText)
{
    panel.SetText("alpha\rbeta");
    panel.SetSelection(0, 5);
    TAtrybutyTekstu italic;
    italic.Kursywa = true;
    panel.SetSelAttributes(italic);
    const std::string rtf = panel.StreamOut(TStrumien::Rtf);
    EXPECT_EQ(panel.StreamOut(TStrumien::Tekst), "alpha\r\nbeta");

    QTextEdit otherEdit;
    TPanel other(&otherEdit, jezPolski);
    other.StreamIn(rtf, TStrumien::Rtf);
    EXPECT_EQ(other.Text(), "alpha\rbeta");
    EXPECT_TRUE(other.FormatRuns(0).FontOf(0)->Kursywa);

    // Only the selection goes out, and only the selection is replaced.
    panel.SetSelection(2, 5);
    EXPECT_EQ(panel.StreamOut(TStrumien::Tekst, true), "pha\r\nb");
    other.SetSelection(5, 1);
    other.StreamIn(panel.StreamOut(TStrumien::Rtf, true), TStrumien::Rtf, true);
    EXPECT_EQ(other.Text(), "alphapha\rbbeta");
    other.StreamIn("not rtf", TStrumien::Rtf);
    EXPECT_EQ(other.Text(), "not rtf");
}

TEST_F(PanelTest, UpdatesResumeAfterTheLastEnd)
{
    panel.BeginUpdate();
    panel.BeginUpdate();
    EXPECT_FALSE(edit.updatesEnabled());
    panel.EndUpdate();
    EXPECT_FALSE(edit.updatesEnabled());
    panel.EndUpdate();
    EXPECT_TRUE(edit.updatesEnabled());
    panel.EndUpdate();
    EXPECT_TRUE(edit.updatesEnabled());
}

} // namespace
} // namespace velmar
