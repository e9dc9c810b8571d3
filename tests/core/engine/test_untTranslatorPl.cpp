// The Polish preparation of words as segmentation adds them, the words the analysis
// recovers when no dictionary lists them, the order of a word's readings, and a stop
// request between the stages.
#include <gtest/gtest.h>

#include <atomic>

#include "DaneFrancuskie.h"
#include "DanePolskie.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TSlowoPl {
    const char* Text;
    const char* Shown;
};

class PolishWords : public testing::TestWithParam<TSlowoPl> {};

TEST_P(PolishWords, ArePreparedAndRecovered)
{
    EXPECT_EQ(test::TTekstPl(GetParam().Text).Shown(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishWords,
    testing::Values(
        // quotes leave the word; numbers and addresses are their own targets
        TSlowoPl{"\"dom\"", "\"[dom#17(1..4)]\""}, TSlowoPl{"1999 r.", "[1999=1999#1(0..4)] [r(5..6)]."},
        TSlowoPl{"e-mail@adres.pl", "[e-mail@adres.pl=e-mail@adres.pl#15(0..15)]"},
        TSlowoPl{"http://www.onet.pl", "[http://www.onet.pl=http://www.onet.pl#15(0..18)]"},
        // split tokens
        TSlowoPl{"biało-czerwony", "[biało<biały>#81 m141(0..5)][- m141(5..6)][czerwony#81 m141(6..14)]"},
        TSlowoPl{"biało- i czerwony", "[biało<biały>#81 m141(0..5)] [- m141(5..6)] [i#212(7..8)] [czerwony#81(9..17)]"},
        TSlowoPl{"PKO/BP", "[PKO m141(0..3)]/[BP m141(4..6)]"}, TSlowoPl{"I/O", "[I/O(0..3)]"},
        TSlowoPl{"-ego", "[-(0..1)][ego(1..4)]"},
        // prefixes, person endings in the forms, recovered words
        TSlowoPl{"nieładny", "[ładny#81 m61 +'non ' [ODC_PRZED](0..8)]"},
        TSlowoPl{"poprzerabiać", "[przerabiać#100 [ODC_PRZED](0..12)]"},
        TSlowoPl{"zrobiłbym", "[zrobiłbym<zrobić>#123(0..9)]"}, TSlowoPl{"zrobiłeś", "[zrobiłeś<zrobić>#112(0..8)]"},
        TSlowoPl{"cukrowy", "[cukrowy<cukier>#81 m66 +'de '(0..7)]"}, TSlowoPl{"najnowszego", "[nowy#84 st2(0..11)]"},
        TSlowoPl{"ładniej", "[ładnie#218 st1(0..7)]"}, TSlowoPl{"ładność", "[ładność<ładny>#17 m81(0..7)]"},
        TSlowoPl{"Gdzieś był?", "[gdzie#218(0..6)] [był<być>#112(7..10)]?"},
        TSlowoPl{"Gdzieście byli?", "[gdzie#218(0..9)] [byli<być>#119(10..14)]?"}),
    test::NamedBy([](const TSlowoPl& c) { return test::Spelled(c.Text); }));

} // namespace
} // namespace velmar
