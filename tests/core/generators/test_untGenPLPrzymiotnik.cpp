// The adjective paradigm as the noun, verb and numeral generators read it.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/GenFormPlTabela.h"
#include "core/generators/untGenPLPrzymiotnik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

INSTANTIATE_TEST_SUITE_P(
    AdjectiveClasses, GenFormPlTable,
    ::testing::Values(
        // Indefinite pronouns keep their particle after the ending; indeclinables keep one form.
        TPrzypadekPl{"jakiś *7", {.Case = 2}, "jakiegoś"}, TPrzypadekPl{"czyjś *7", {.Case = 3}, "czyjemuś"},
        TPrzypadekPl{"jakiś *7", {.Case = 1, .Number = 2, .Gender = 0}, "jacyś"},
        TPrzypadekPl{"blond *7", {.Case = 2}, "blond"}, TPrzypadekPl{"blond *7", {.Case = 5, .Gender = 3}, "blond"},
        TPrzypadekPl{"beż *7", {.Case = 2}, "beż"}, TPrzypadekPl{"sexy *7", {.Case = 3}, "sexy"},
        // Synthetic comparatives only where the language forms them.
        TPrzypadekPl{"soczysty *7", {.Degree = 1}, "soczystszy"},
        TPrzypadekPl{"czysty *7", {.Degree = 2}, "najczystszy"},
        TPrzypadekPl{"bakteriologiczny *7", {.Degree = 1}, "bardziej bakteriologiczny"},
        TPrzypadekPl{"regionalny *7", {.Degree = 1}, "bardziej regionalny"},
        TPrzypadekPl{"logiczny *7", {.Degree = 1}, "logiczniejszy"}, TPrzypadekPl{"nowy *7", {.Degree = 1}, "nowszy"},
        // Negated adjectives, the "-ały" ones of a state reached, ages and multiples
        // compare with "bardziej", except the lexicalised ones.
        TPrzypadekPl{"niebiały *7", {.Degree = 1}, "bardziej niebiały"},
        TPrzypadekPl{"niebezpieczny *7", {.Degree = 1}, "niebezpieczniejszy"},
        TPrzypadekPl{"zbielały *7", {.Degree = 1}, "bardziej zbielały"},
        TPrzypadekPl{"dojrzały *7", {.Degree = 1}, "dojrzalszy"},
        TPrzypadekPl{"dwuletni *7", {.Degree = 2}, "najbardziej dwuletni"},
        TPrzypadekPl{"czterokrotny *7", {.Degree = 1}, "bardziej czterokrotny"},
        TPrzypadekPl{"martwy *7", {.Degree = 1}, "bardziej martwy"},
        TPrzypadekPl{"typowy *7", {.Degree = 1}, "typowszy"}, TPrzypadekPl{"osobisty *7", {.Degree = 1}, "osobistszy"},
        // Adverbs: "-o" where the language has it, none for adjectives of material (the
        // lemma comes back).
        TPrzypadekPl{"brudny *7", {.AdverbFlag = true}, "brudno"},
        TPrzypadekPl{"pomocny *7", {.AdverbFlag = true}, "pomocnie"},
        TPrzypadekPl{"drewniany *7", {.AdverbFlag = true}, "drewniany"},
        TPrzypadekPl{"długi *7", {.AdverbFlag = true}, "długo"},
        TPrzypadekPl{"który *7", {.AdverbFlag = true}, "który"},
        // None for the adjectives of a state undergone or reached, nor for "taki"; colours,
        // compounds too, in "-o"; "-eśnie", "-ato", "wielce", "martwo".
        TPrzypadekPl{"zadowolony *7", {.AdverbFlag = true}, "zadowolony"},
        TPrzypadekPl{"zbielały *7", {.AdverbFlag = true}, "zbielały"},
        TPrzypadekPl{"wspaniały *7", {.AdverbFlag = true}, "wspaniale"},
        TPrzypadekPl{"taki *7", {.AdverbFlag = true}, "taki"},
        TPrzypadekPl{"ciemnozielony *7", {.AdverbFlag = true}, "ciemnozielono"},
        TPrzypadekPl{"żółty *7", {.AdverbFlag = true}, "żółto"},
        TPrzypadekPl{"nowoczesny *7", {.AdverbFlag = true}, "nowocześnie"},
        TPrzypadekPl{"bogaty *7", {.AdverbFlag = true}, "bogato"},
        TPrzypadekPl{"wielki *7", {.AdverbFlag = true}, "wielce"},
        TPrzypadekPl{"martwy *7", {.AdverbFlag = true}, "martwo"},
        // A relational adjective whose ending makes adverbs for others ("lokalnie").
        TPrzypadekPl{"maturalny *7", {.AdverbFlag = true}, "maturalny"},
        TPrzypadekPl{"lokalny *7", {.AdverbFlag = true}, "lokalnie"},
        TPrzypadekPl{"jedyny *7", {.Degree = 2}, "najbardziej jedyny"},
        TPrzypadekPl{"który *7", {.Degree = 2}, "najbardziej który"},
        TPrzypadekPl{"aktualny *7", {.Degree = 2}, "najaktualniejszy"}),
    test::NamedBy(DescribeFormPl));

std::string Cell(const TAdjParadigmPl& paradigm, int cell)
{
    return ToUtf8(paradigm.Cells[static_cast<std::size_t>(cell)], jezPolski);
}

TEST(BuildAdjParadigmPl, ParticiplesTakeTheirOwnMasculinePersonalPlural)
{
    TAdjParadigmPl adjective;
    TAdjParadigmPl participle;
    ASSERT_EQ(BuildAdjParadigmPl("czerwony", "7", tpPrzymiotnik, adjective), wbOk);
    ASSERT_EQ(BuildAdjParadigmPl("czerwony", "7", tpImieslow, participle), wbOk);
    EXPECT_EQ(Cell(adjective, 35), "czerwoni");
    EXPECT_EQ(Cell(participle, 35), "czerweni");
    EXPECT_EQ(Cell(participle, 41), "czerwone");
}

TEST(BuildAdjParadigmPl, KeepsPhraseWordsAroundTheDeclinedOne)
{
    TAdjParadigmPl paradigm;
    ASSERT_EQ(BuildAdjParadigmPl(FromUtf8("bardzo znany się"), "7", tpPrzymiotnik, paradigm), wbOk);
    EXPECT_EQ(Cell(paradigm, 1), "bardzo znanego się");
    ASSERT_EQ(BuildAdjParadigmPl(FromUtf8("godny uwagi"), "%7", tpPrzymiotnik, paradigm), wbOk);
    EXPECT_EQ(Cell(paradigm, 22), "godnej uwagi");
    EXPECT_EQ(Cell(paradigm, 47), "godnie uwagi");
}

TEST(BuildAdjParadigmPl, ReportsAnEmptyLemmaOrCode)
{
    TAdjParadigmPl paradigm;
    EXPECT_EQ(BuildAdjParadigmPl("  ", "7", tpPrzymiotnik, paradigm), wbPustyLemat);
    EXPECT_EQ(BuildAdjParadigmPl("dobry", " ", tpPrzymiotnik, paradigm), wbPustyKod);
    EXPECT_TRUE(paradigm.Cells[0].empty());
}

TEST(BuildAdjParadigmPl, FeminineLemmaImpliesItsGender)
{
    TAdjParadigmPl paradigm;
    BuildAdjParadigmPl("nowe", "7", tpPrzymiotnik, paradigm);
    EXPECT_EQ(paradigm.Gender, rdzNijaki);
    EXPECT_EQ(paradigm.Lemma, "nowy");
    EXPECT_EQ(GenAdjPl("nowe", "7", 2, false, 0, rdzMeskoosobowy, 1), "nowego");
}

TEST(AdjCells, NameAndIndexMatch)
{
    EXPECT_EQ(AdjCellName(AdjCellIndex(2, 1, 0)), "gen0");
    EXPECT_EQ(AdjCellName(AdjCellIndex(7, 1, 4)), "voc4");
    EXPECT_EQ(AdjCellName(AdjCellIndex(1, 2, 0)), "pnom0");
    EXPECT_EQ(AdjCellName(AdjCellIndex(7, 2, 3)), "pnom1");
    EXPECT_EQ(AdjCellName(AdjCellIndex(6, 2, 2)), "ploc1");
    EXPECT_EQ(AdjCellName(AdjCellIndex(9, 5, 9)), "nom1");
    EXPECT_EQ(ToUtf8(AdjCellName(kAdjAdverbCell), jezPolski), "przysłówek");
    EXPECT_EQ(AdjCellName(48), "");
}

} // namespace
} // namespace velmar
