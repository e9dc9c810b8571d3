// Polish forms through the entry point, as every caller reaches them.
#include "core/generators/GenFormPlTabela.h"

#include <cstdlib>

namespace velmar {
namespace {

TEST_P(GenFormPlTable, GivesTheForm)
{
    EXPECT_EQ(GenerateUtf8(GetParam().Word, GetParam().Features), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Adjectives, GenFormPlTable,
    ::testing::Values(
        TPrzypadekPl{"dobry *7", {.Case = 2, .Gender = 1}, "dobrego"},
        TPrzypadekPl{"dobry *7", {.Case = 5, .Gender = 1}, "dobrym"},
        TPrzypadekPl{"dobry *7", {.Case = 1, .Gender = 3}, "dobra"},
        TPrzypadekPl{"dobry *7", {.Case = 1, .Number = 2, .Gender = 0}, "dobrzy"},
        TPrzypadekPl{"dobry *7", {.Case = 1, .Number = 2, .Gender = 3}, "dobre"},
        TPrzypadekPl{"dobry *7", {.Case = 7, .Number = 2, .Gender = 0}, "dobrzy"},
        TPrzypadekPl{"dobry *7", {.Case = 4, .Gender = 0}, "dobrego"},
        TPrzypadekPl{"dobry *7", {.Case = 4, .Gender = 1}, "dobry"}, TPrzypadekPl{"dobry *7", {.Degree = 1}, "lepszy"},
        TPrzypadekPl{"dobry *7", {.Degree = 2}, "najlepszy"},
        TPrzypadekPl{"dobry *7", {.Case = 2, .Gender = 3, .Degree = 2}, "najlepszej"},
        TPrzypadekPl{"dobry *7", {.AdverbFlag = true}, "dobrze"},
        TPrzypadekPl{"wysoki *7", {.Case = 1, .Gender = 3}, "wysoka"},
        TPrzypadekPl{"wysoki *7", {.Case = 4, .Gender = 3}, "wysoką"},
        TPrzypadekPl{"wysoki *7", {.Case = 1, .Number = 2, .Gender = 0}, "wysocy"},
        TPrzypadekPl{"wysoki *7", {.Case = 2, .Number = 2, .Gender = 1}, "wysokich"},
        TPrzypadekPl{"wysoki *7", {.Degree = 1}, "wyższy"}, TPrzypadekPl{"młody *7", {.Degree = 1}, "młodszy"},
        TPrzypadekPl{"tani *7", {.Degree = 1}, "tańszy"}, TPrzypadekPl{"ładny *7", {.Degree = 2}, "najładniejszy"},
        TPrzypadekPl{"chory *7", {.Degree = 1}, "bardziej chory"},
        TPrzypadekPl{"chory *7", {.Case = 2, .Gender = 3, .Degree = 2}, "najbardziej chorej"},
        TPrzypadekPl{"mój *7", {.Case = 2}, "mojego"},
        TPrzypadekPl{"mój *7", {.Case = 1, .Number = 2, .Gender = 0}, "moi"},
        TPrzypadekPl{"szary *79", {.Case = 5, .Number = 2}, "szary"},
        TPrzypadekPl{"nowa *7", {.Case = 2, .Gender = 1}, "nowej"},
        TPrzypadekPl{"stary dobry *7", {.Case = 3}, "stary dobremu"}, TPrzypadekPl{"wart *7", {.Case = 2}, "wartego"},
        TPrzypadekPl{"szybko *70", {.Degree = 2}, "najbardziej szybko"},
        TPrzypadekPl{"szybko *70", {.Degree = 1}, "bardziej szybko"},
        TPrzypadekPl{"szybko *70", {.Degree = 0}, "szybko"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(Determiners, GenFormPlTable,
                         ::testing::Values(TPrzypadekPl{"ta *96", {.Case = 4, .Gender = 3}, "tę"},
                                           TPrzypadekPl{"ta *96", {.Case = 5, .Gender = 3}, "tą"},
                                           TPrzypadekPl{"ten *96", {.Case = 1, .Gender = 4}, "to"},
                                           TPrzypadekPl{"ten *96", {.Case = 1, .Number = 2, .Gender = 0}, "ci"},
                                           TPrzypadekPl{"jakiś *96", {.Case = 2}, "jakiegoś"},
                                           TPrzypadekPl{"jakikolwiek *96", {.Case = 3, .Gender = 3}, "jakiejkolwiek"},
                                           TPrzypadekPl{"któryż *96", {.Case = 2}, "któregoż"},
                                           TPrzypadekPl{"któryż *96", {.Case = 1, .Number = 2, .Gender = 0}, "którzyż"},
                                           TPrzypadekPl{"który *90", {.Case = 3, .Gender = 3}, "której"},
                                           TPrzypadekPl{"wszystek *90", {.Case = 1, .Gender = 4}, "wszystko"},
                                           TPrzypadekPl{"wszyscy *96", {.Case = 2, .Gender = 0}, "wszystkich"},
                                           TPrzypadekPl{"jeden *95", {.Case = 5, .Gender = 3}, "jedną"}),
                         test::NamedBy(DescribeFormPl));

// An adjective and a noun that decline together, the adjective first ("<") or after (">").
INSTANTIATE_TEST_SUITE_P(NounPhrases, GenFormPlTable,
                         ::testing::Values(TPrzypadekPl{"biały dom *<134", {.Case = 2}, "białego domu"},
                                           TPrzypadekPl{"biały dom *<134", {.Case = 5, .Number = 2}, "białymi domami"},
                                           TPrzypadekPl{"państwo narodowe *>43", {.Case = 6}, "państwie narodowym"}),
                         test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    Pronouns, GenFormPlTable,
    ::testing::Values(TPrzypadekPl{"on *90", {.Case = 2, .AfterPreposition = true}, "niego"},
                      TPrzypadekPl{"on *90", {.Case = 2}, "go"}, TPrzypadekPl{"ona *90", {.Case = 5}, "nią"},
                      TPrzypadekPl{"ona *90", {.Case = 5, .AfterPreposition = true}, "nią"},
                      TPrzypadekPl{"wy *90", {.Case = 5}, "wami"}, TPrzypadekPl{"ja *90", {.Case = 7}, "ja"},
                      TPrzypadekPl{"ktoś *90", {.Case = 2}, "kogoś"},
                      TPrzypadekPl{"cokolwiek *90", {.Case = 5}, "czymkolwiek"},
                      TPrzypadekPl{"cóż *90", {.Case = 2}, "czegóż"}, TPrzypadekPl{"jej *90", {.Case = 4}, "ją"},
                      TPrzypadekPl{"mnie *90", {.Case = 3, .NormaliseOblique = true}, "mi"},
                      TPrzypadekPl{"mnie *90", {.Case = 3}, "mnie"},
                      TPrzypadekPl{"nim *90", {.Case = 2, .NormaliseOblique = true, .AfterPreposition = true}, "niego"},
                      TPrzypadekPl{"sam *90", {.Case = 2}, "sam"},
                      // the unstressed form, and the full one after a preposition
                      TPrzypadekPl{"ty *90", {.Case = 4}, "cię"}, TPrzypadekPl{"ty *90", {.Case = 3}, "ci"},
                      TPrzypadekPl{"ty *90", {.Case = 2, .AfterPreposition = true}, "ciebie"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    Numerals, GenFormPlTable,
    ::testing::Values(
        TPrzypadekPl{"pięć *95", {.Case = 5}, "pięcioma"}, TPrzypadekPl{"pięć *95", {.Case = 2}, "pięciu"},
        TPrzypadekPl{"pięć *95", {.Case = 1, .Gender = 0}, "pięciu"},
        TPrzypadekPl{"pięć *95", {.Case = 1, .Gender = 3}, "pięć"},
        TPrzypadekPl{"pięć *95", {.Case = 7, .Gender = 3}, "pięć"},
        TPrzypadekPl{"trzy *95", {.Case = 1, .Gender = 0}, "trzej"},
        TPrzypadekPl{"trzy *95", {.Case = 1, .Gender = 3}, "trzy"},
        TPrzypadekPl{"trzy *95", {.Case = 5, .Gender = 3}, "trzema"},
        TPrzypadekPl{"dwa *95", {.Case = 1, .Gender = 3}, "dwie"},
        TPrzypadekPl{"dwa *95", {.Case = 2, .Gender = 0}, "dwóch"},
        TPrzypadekPl{"dwa *95", {.Case = 2, .Gender = 3}, "dwu"}, TPrzypadekPl{"oba *95", {.Case = 5}, "obu"},
        TPrzypadekPl{"dwoje *95", {.Case = 2}, "dwojga"}, TPrzypadekPl{"pięcioro *95", {.Case = 5}, "pięciorgiem"},
        TPrzypadekPl{"półtora *95", {.Case = 3}, "półtora"}, TPrzypadekPl{"siedem *95", {.Case = 3}, "siedmiu"},
        TPrzypadekPl{"dwieście *95", {.Case = 2}, "dwustu"}, TPrzypadekPl{"pięćset *95", {.Case = 2}, "pięciuset"},
        TPrzypadekPl{"kilku *95", {.Case = 1, .Gender = 3}, "kilka"},
        TPrzypadekPl{"dwadzieścia trzy *95", {.Case = 2}, "dwudziestu trzech"},
        TPrzypadekPl{"dwadzieścia trzy *95", {.Case = 1, .Gender = 0}, "dwudziestu trzej"},
        TPrzypadekPl{"dwudziesty pierwszy *95", {.Case = 2, .Gender = 1}, "dwudziestego pierwszego"},
        TPrzypadekPl{"jedna pierwsza *95", {.Case = 2, .Gender = 1}, "jednej pierwszej"}),
    test::NamedBy(DescribeFormPl));

// The features every generator sees are brought into range first.
INSTANTIATE_TEST_SUITE_P(FeatureRanges, GenFormPlTable,
                         ::testing::Values(TPrzypadekPl{"dobry *7", {.Case = 0}, "dobry"},
                                           TPrzypadekPl{"dobry *7", {.Case = 8}, "dobry"},
                                           TPrzypadekPl{"dobry *7", {.Case = 2, .Number = 3}, "dobrego"},
                                           TPrzypadekPl{"dobry *7", {.Case = 2, .Gender = -1}, "dobrego"},
                                           TPrzypadekPl{"dobry *7", {.Case = 4, .Gender = 7}, "dobry"},
                                           TPrzypadekPl{"dobry *7", {.Degree = -1}, "dobry"},
                                           TPrzypadekPl{"dobry *7", {.Degree = 3}, "dobry"}),
                         test::NamedBy(DescribeFormPl));

// Words that no generator inflects come back as they are, and so do adjectives too
// short to have a stem.
INSTANTIATE_TEST_SUITE_P(Uninflected, GenFormPlTable,
                         ::testing::Values(TPrzypadekPl{"dobry", {.Case = 2}, "dobry"},
                                           TPrzypadekPl{"  dobry  *", {.Case = 2}, "dobry"},
                                           TPrzypadekPl{"iść *C", {.Case = 2}, "iść"},
                                           TPrzypadekPl{"w *91", {.Case = 2}, "w"},
                                           TPrzypadekPl{" *7", {.Case = 2}, ""}, TPrzypadekPl{"a *7", {.Case = 2}, "a"},
                                           TPrzypadekPl{"y *7", {.Case = 2}, "y"}),
                         test::NamedBy(DescribeFormPl));

TEST(GenFormPl, CutsTheCodeBeforeItsMarker)
{
    EXPECT_EQ(GenFormPl("dobry *7\x86"
                        "12",
                        {.Case = 2}),
              "dobrego");
}

struct TOsoba {
    int Given;
    int Seen;
};

class PersonRange : public ::testing::TestWithParam<TOsoba> {};

std::string DescribePerson(const TOsoba& c)
{
    return std::string("person ") + (c.Given < 0 ? "minus " : "") + std::to_string(std::abs(c.Given));
}

TEST_P(PersonRange, IsReducedToAPersonOrImpersonal)
{
    EXPECT_EQ(ClampFeaturesPl({.Person = GetParam().Given}).Person, GetParam().Seen);
}

INSTANTIATE_TEST_SUITE_P(Persons, PersonRange,
                         ::testing::Values(TOsoba{0, 3}, TOsoba{1, 1}, TOsoba{6, 6}, TOsoba{7, 3}, TOsoba{9, 9},
                                           TOsoba{35, 3}, TOsoba{95, 3}, TOsoba{-2, 3}, TOsoba{41, 4}),
                         test::NamedBy(DescribePerson));

} // namespace
} // namespace velmar
