// Polish multi-word expressions joined into one word over the bundled data.
#include <gtest/gtest.h>

#include "DanePolskie.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TWyrazenie {
    const char* Text;
    const char* Shown;
};

class PolishExpressions : public testing::TestWithParam<TWyrazenie> {};

TEST_P(PolishExpressions, AreJoined)
{
    EXPECT_EQ(test::TTekstPl(GetParam().Text).Shown(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishExpressions,
    testing::Values(TWyrazenie{"w ogóle", "[w ogóle#218(0..7)]"}, TWyrazenie{"od kiedy", "[od kiedy#212(0..8)]"},
                    // an inflected verb matches its infinitive expression and keeps its code
                    TWyrazenie{"Bierze udział.", "[ono32=il#210(0..0)] [bierze udział<brać udział>#103(0..13)]."},
                    // the longest expression wins; "mieć za" alone is never joined
                    TWyrazenie{"Mam za złe.", "[ja0=je#210(0..0)] [mam za złe<mieć za złe>#101(0..10)]."},
                    TWyrazenie{"Mam za domem ogród.", "[ja0=je#210(0..0)] [mam<mieć>#101(0..3)] [za1#211(4..6)] "
                                                      "[domem<dom>#5 +'la '(7..12)] [ogród#17 +'le '(13..18)]."}),
    test::NamedBy([](const TWyrazenie& c) { return test::Spelled(c.Text); }));

} // namespace
} // namespace velmar
