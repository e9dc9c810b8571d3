// How a numeral governs the noun it counts.
#include <gtest/gtest.h>

#include "core/app/untUtils.h"
#include "core/generators/untGenPLLiczebnik.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TKlasa {
    const char* Numeral; // UTF-8
    int Class;
};

class NumeralClassTable : public ::testing::TestWithParam<TKlasa> {};

std::string DescribeNumeral(const TKlasa& c)
{
    return c.Numeral;
}

TEST_P(NumeralClassTable, Classifies)
{
    EXPECT_EQ(NumeralClassPl(FromUtf8(GetParam().Numeral)), GetParam().Class) << GetParam().Numeral;
}

INSTANTIATE_TEST_SUITE_P(
    Numerals, NumeralClassTable,
    ::testing::Values(TKlasa{"jeden", klZgoda}, TKlasa{"dwa", klZgoda}, TKlasa{"cztery", klZgoda},
                      TKlasa{"dwadzieścia dwa", klZgoda}, TKlasa{"22", klZgoda}, TKlasa{"1", klZgoda},
                      TKlasa{"pięć", klDopelniaczMianownika}, TKlasa{"dwanaście", klDopelniaczMianownika},
                      TKlasa{"12", klDopelniaczMianownika}, TKlasa{"dwadzieścia jeden", klDopelniaczMianownika},
                      TKlasa{"sto", klDopelniaczMianownika}, TKlasa{"0", klDopelniaczMianownika},
                      TKlasa{"kilka", klDopelniaczMianownika}, TKlasa{"Wiele", klDopelniaczMianownika},
                      TKlasa{"dużo", klDopelniaczMianownika}, TKlasa{"pięcioro", klDopelniaczMianownika},
                      TKlasa{"dwoje", klDopelniaczMianownika}, TKlasa{"tysiąc", klDopelniacz},
                      TKlasa{"dwa tysiące", klDopelniacz}, TKlasa{"5000", klDopelniacz},
                      TKlasa{"półtora", klDopelniaczPojedynczy}, TKlasa{"pół", klDopelniaczPojedynczy},
                      TKlasa{"2,5", klDopelniaczPojedynczy}, TKlasa{"bardzo", klZgoda}, TKlasa{"pierwszy", klZgoda},
                      TKlasa{"", klZgoda}),
    test::NamedBy(DescribeNumeral));

} // namespace
} // namespace velmar
