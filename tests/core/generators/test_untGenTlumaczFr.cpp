// French forms through the entry point.
#include <gtest/gtest.h>

#include "core/generators/untGenTlumaczFr.h"

namespace velmar {
namespace {

TEST(GenFormFr, TurnsQueIntoQuiOnlyWhenAsked)
{
    EXPECT_EQ(GenFormFr("que*90", {.QueToQui = true}), "qui");
    EXPECT_EQ(GenFormFr("que*90", {}), "que");
    EXPECT_EQ(GenFormFr("dont*90", {.QueToQui = true}), "dont");
}

TEST(GenFormFr, GivesTheLemmaForCodesWithoutAGenerator)
{
    EXPECT_EQ(GenFormFr("  et *92", {.Number = 2}), "et");
    EXPECT_EQ(GenFormFr("et", {.Number = 2}), "et");
    EXPECT_EQ(GenFormFr("et*", {.Number = 2}), "et");
    EXPECT_EQ(GenFormFr("et*-1", {.Number = 2}), "et");
}

} // namespace
} // namespace velmar
