// The Polish reading choice over the bundled data: a nominal or a verbal reading by
// the clause around the word, and the homographs the scores cannot decide.
#include <gtest/gtest.h>

#include "DanePolskie.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TWybor {
    const char* Text;
    const char* Shown;
};

class PolishReadingChoice : public testing::TestWithParam<TWybor> {};

TEST_P(PolishReadingChoice, ChoosesByTheClause)
{
    EXPECT_EQ(test::TTekstPl(GetParam().Text).Shown(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishReadingChoice,
    testing::Values(
        // a form of "mama" or of "mieć": the verb when no other finite verb stands in
        // the clause, the noun after a preposition or beside another finite verb
        TWybor{"Nie mam czasu.",
               "[ja0=je#210(0..0)] [nie1=ne#213(0..3)] [mam<mieć>#101(4..7)] [czasu<czas>#2 +'de '(8..13)]."},
        TWybor{"Mamy czas.", "[my0=nous#210(0..0)] [mamy<mieć>#104(0..4)] [czas#17 +'le '(5..9)]."},
        TWybor{"dla mamy", "[dla#211(0..3)] [mamy<mama>#32 +'la '(4..8)]"},
        TWybor{"Mamy czytają.", "[mamy<mama>#32 +'les '(0..4)] [czytają<czytać>#106(5..12)]."},
        // "może": a verb with an infinitive or after "nie", an adverb beside a finite verb
        TWybor{"może pójść", "[ono32=il#210(0..0)] [może1#103(0..4)] [pójść#100(5..10)]"},
        TWybor{"Nie może.", "[ono32=il#210(0..0)] [nie1=ne#213(0..3)] [może1#103(4..8)]."},
        TWybor{"Może przyjdzie.", "[może2#218(0..4)] [ono32=il#210(5..5)] [przyjdzie<przyjść>#138(5..14)]."},
        TWybor{"Kot może.", "[kot#1 +'le '(0..3)] [może3#218(4..8)]."},
        // indefinite numerals
        TWybor{"Ani kilku, ani wiele, ani kilkoma",
               "[ani(0..3)] [kilku<kilka>#66(4..9)][,(9..10)] [ani(11..14)] "
               "[wiele#65(15..20)][,(20..21)] [ani(22..25)] [kilkoma<kilka>#67(26..33)]"}),
    test::NamedBy([](const TWybor& c) { return test::Spelled(c.Text); }));

// With the capitals of a word never folded in the lookup, a capitalised word inside a
// sentence that lower case finds as a noun is kept as a name (untranslatable, so its
// readings go before the translation); as a verb it stays unknown.
TEST(PolishCapitals, AWordKnownInLowerCaseAsANounIsKeptAsAName)
{
    TSlownikiRobocze worker(test::BundledData::Polish().Dictionaries(), jezPolski);
    TKontekstWypowiedzi context = test::PolishContext(worker);
    context.Analysis.FoldFirstCapital = false;
    context.Analysis.FoldAnyCase = false;
    TWypowiedzeniaPl list(context);
    list.Segment(FromUtf8("Mama Kota Czyta"), true);
    list.Item(0)->Analyse(0);
    EXPECT_EQ(test::ShowPolish(list), "[mama#1 +'la '(0..4)] [Kota#30 m73 m74 m75 +'le '(5..9)] [Czyta(10..15)]");
}

} // namespace
} // namespace velmar
