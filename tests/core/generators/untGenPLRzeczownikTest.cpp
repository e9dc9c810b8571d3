#include "core/generators/untGenPLRzeczownik.h"

#include "core/app/untUtils.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// The words are written in UTF-8 here and converted to the generator's 8-bit text.
std::string Noun(const char* lemma, const char* code, int case_, int number)
{
    return ToUtf8(GenNounPl(FromUtf8(lemma), code, case_, number), 0);
}

struct TPrzypadek {
    const char* Lemma;
    const char* Code;
    int Case;
    int Number;
    const char* Expected;
};

class NounFormTest : public ::testing::TestWithParam<TPrzypadek> {};

TEST_P(NounFormTest, GivesTheForm)
{
    const auto& c = GetParam();
    EXPECT_EQ(Noun(c.Lemma, c.Code, c.Case, c.Number), c.Expected) << c.Lemma << " *" << c.Code;
}

INSTANTIATE_TEST_SUITE_P(Masculine, NounFormTest, ::testing::Values(
    TPrzypadek{"pies", "2110208", 2, 1, "psa"},
    TPrzypadek{"pies", "2110208", 6, 1, "psu"},
    TPrzypadek{"pies", "21102", 3, 1, "psowi"},
    TPrzypadek{"pies", "2110108", 2, 1, "pisa"},
    TPrzypadek{"człowiek", "0320", 1, 2, "ludzie"},
    TPrzypadek{"człowiek", "0320", 3, 2, "ludziom"},
    TPrzypadek{"człowiek", "0320", 5, 2, "ludźmi"},
    TPrzypadek{"człowiek", "0320", 6, 2, "ludziach"}));

} // namespace
} // namespace velmar
