// Polish nouns through the entry point, and the noun paradigm itself where a cell's
// alternative or a build result is what matters.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenPLRzeczownik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

struct TRzeczownik {
    const char* Word; // UTF-8
    int Case;
    int Number;
    const char* Expected; // UTF-8
};

void PrintTo(const TRzeczownik& c, std::ostream* os)
{
    *os << c.Word << " case " << c.Case << " number " << c.Number;
}

std::string Generate(const char* word, int case_, int number)
{
    TCechyPl features;
    features.Case = case_;
    features.Number = number;
    return ToUtf8(GenFormPl(FromUtf8(word), features), jezPolski);
}

class NounTable : public ::testing::TestWithParam<TRzeczownik> {};

TEST_P(NounTable, GivesTheForm)
{
    EXPECT_EQ(Generate(GetParam().Word, GetParam().Case, GetParam().Number), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Masculine, NounTable, ::testing::Values(
    // "02" drops the mobile "ie", "08" asks for the dative in "-u".
    TRzeczownik{"pies *2110208", 2, 1, "psa"},
    TRzeczownik{"pies *2110208", 6, 1, "psu"},
    TRzeczownik{"pies *2110208", 3, 1, "psu"},
    TRzeczownik{"pies *21102", 3, 1, "psowi"},
    TRzeczownik{"pies *2110108", 2, 1, "pisa"},
    TRzeczownik{"pies *2110208", 4, 1, "psa"},
    TRzeczownik{"dom *134", 4, 1, "dom"},
    TRzeczownik{"dom *134", 6, 1, "domu"},
    TRzeczownik{"dom *134", 5, 1, "domem"},
    TRzeczownik{"dom *134", 1, 2, "domy"},
    TRzeczownik{"stół *14105", 2, 1, "stołu"},
    TRzeczownik{"stół *14105", 6, 1, "stole"},
    TRzeczownik{"człowiek *0320", 1, 2, "ludzie"},
    TRzeczownik{"człowiek *0320", 2, 2, "ludzi"},
    TRzeczownik{"człowiek *0320", 3, 2, "ludziom"},
    TRzeczownik{"człowiek *0320", 4, 2, "ludzi"},
    TRzeczownik{"człowiek *0320", 5, 2, "ludźmi"},
    TRzeczownik{"człowiek *0320", 6, 2, "ludziach"},
    TRzeczownik{"Polak *031", 1, 2, "Polacy"},
    TRzeczownik{"Polak *031", 4, 2, "Polaków"},
    TRzeczownik{"sędzia *06", 2, 1, "sędziego"},
    TRzeczownik{"sędzia *06", 1, 2, "sędziowie"},
    TRzeczownik{"znajomy *097", 1, 2, "znajomi"},
    TRzeczownik{"znajomy *097", 2, 1, "znajomego"},
    TRzeczownik{"pan *041", 7, 1, "panie"}));

INSTANTIATE_TEST_SUITE_P(Feminine, NounTable, ::testing::Values(
    TRzeczownik{"ręka *333", 5, 2, "rękoma"},
    TRzeczownik{"ręka *333", 3, 1, "ręce"},
    TRzeczownik{"ręka *333", 2, 2, "rąk"},
    TRzeczownik{"ręka *333", 6, 1, "ręce"},
    TRzeczownik{"matka *33", 2, 2, "matek"},
    TRzeczownik{"kobieta *34", 3, 1, "kobiecie"},
    TRzeczownik{"kobieta *34", 1, 2, "kobiety"},
    TRzeczownik{"kobieta *34", 4, 1, "kobietę"},
    TRzeczownik{"kobieta *34", 5, 1, "kobietą"},
    TRzeczownik{"kobieta *34", 7, 1, "kobieto"},
    TRzeczownik{"ulica *31", 2, 1, "ulicy"},
    TRzeczownik{"ulica *31", 2, 2, "ulic"},
    TRzeczownik{"ziemia *31", 2, 1, "ziemi"},
    TRzeczownik{"sosna *341", 2, 2, "sosen"},
    TRzeczownik{"gwiazda *342", 3, 1, "gwieździe"},
    TRzeczownik{"noc *37", 2, 1, "nocy"},
    TRzeczownik{"noc *37", 5, 1, "nocą"},
    TRzeczownik{"noc *37", 4, 1, "noc"},
    TRzeczownik{"pani *312", 4, 1, "panią"},
    TRzeczownik{"Wielkanoc *37", 2, 1, "Wielkiejnocy"},
    TRzeczownik{"rzeczpospolita *397", 5, 2, "rzeczamipospolitymi"}));

INSTANTIATE_TEST_SUITE_P(Neuter, NounTable, ::testing::Values(
    TRzeczownik{"oko *423", 2, 2, "oczu"},
    TRzeczownik{"oko *423", 5, 2, "oczyma"},
    TRzeczownik{"oko *423", 1, 2, "oczy"},
    TRzeczownik{"oko *423", 5, 1, "okiem"},
    TRzeczownik{"czytanie *41", 1, 1, "czytanie"},
    TRzeczownik{"czytanie *41", 2, 1, "czytania"},
    TRzeczownik{"czytanie *41", 5, 1, "czytaniem"},
    TRzeczownik{"czytanie *41", 6, 1, "czytaniu"},
    TRzeczownik{"czytanie *41", 2, 2, "czytań"},
    TRzeczownik{"czytanie *41", 5, 2, "czytaniami"},
    TRzeczownik{"dziecko *422", 1, 2, "dzieci"},
    TRzeczownik{"dziecko *422", 5, 2, "dziećmi"},
    TRzeczownik{"imię *45", 2, 1, "imienia"},
    TRzeczownik{"imię *45", 1, 2, "imiona"},
    TRzeczownik{"miasto *432", 6, 1, "mieście"},
    TRzeczownik{"muzeum *46", 2, 1, "muzeum"},
    TRzeczownik{"muzeum *46", 2, 2, "muzeów"}));

INSTANTIATE_TEST_SUITE_P(PluralOnly, NounTable, ::testing::Values(
    TRzeczownik{"Państwo *4881", 2, 2, "Państwa"},
    TRzeczownik{"Państwo *4881", 5, 2, "Państwem"},
    TRzeczownik{"drzwi *4810", 2, 2, "drzwi"},
    TRzeczownik{"nożyczki *471", 2, 2, "nożyczek"},
    TRzeczownik{"nożyczki *471", 5, 2, "nożyczkami"},
    TRzeczownik{"Niemcy *4882", 6, 2, "Niemczech"},
    TRzeczownik{"ludzie *4881", 5, 2, "ludźmi"}));

INSTANTIATE_TEST_SUITE_P(Phrases, NounTable, ::testing::Values(
    // Only the last word of a plain phrase declines.
    TRzeczownik{"Morze Bałtyckie ślepa kiszka *334", 2, 1, "Morze Bałtyckie ślepa kiszki"},
    TRzeczownik{"pies *2110208", 8, 3, "pies"},
    TRzeczownik{"kobieta *34", 7, 2, "kobiety"},
    TRzeczownik{"pies", 2, 1, "pies"}));

TEST(NounParadigm, PercentPhraseDeclinesItsFirstWord)
{
    EXPECT_EQ(ToUtf8(GenNounPl(FromUtf8("kiszka stolcowa"), "%334", 2, 1), jezPolski), "kiszki stolcowa");
    EXPECT_EQ(ToUtf8(GenNounPl(FromUtf8("kiszka się"), "334", 5, 2), jezPolski), "kiszkami się");
}

TEST(NounParadigm, DeclinesTheAdjectiveOfAPhrase)
{
    const auto form = [](const char* lemma, const char* code, int case_, int number) {
        return ToUtf8(GenNounPl(FromUtf8(lemma), code, case_, number), jezPolski);
    };
    EXPECT_EQ(form("biały dom", "<134", 6, 1), "białym domu");
    EXPECT_EQ(form("zielona herbata", "<34", 2, 1), "zielonej herbaty");
    EXPECT_EQ(form("zielona herbata", "<34", 5, 2), "zielonymi herbatami");
    EXPECT_EQ(form("kobieta pracująca", ">34", 3, 1), "kobiecie pracującej");
    EXPECT_EQ(form("Polak mały", ">031", 1, 2), "Polacy mali");
    EXPECT_EQ(form("Państwo młodzi", ">4881", 2, 2), "Państwa młodych");
}

TEST(NounParadigm, KeepsAlternativeForms)
{
    TNounParadigm p;
    ASSERT_EQ(BuildNounParadigmPl(FromUtf8("oko"), "423", p), wbOk);
    EXPECT_EQ(ToUtf8(p.Cells[8].Alternatywa, jezPolski), "ócz");
    EXPECT_EQ(ToUtf8(p.Cells[11].Alternatywa, jezPolski), "oczami");
    ASSERT_EQ(BuildNounParadigmPl(FromUtf8("ręka"), "333", p), wbOk);
    EXPECT_EQ(ToUtf8(p.Cells[5].Alternatywa, jezPolski), "ręku");
}

TEST(NounParadigm, ReportsWhatItCannotBuild)
{
    TNounParadigm p;
    EXPECT_EQ(BuildNounParadigmPl("", "1", p), wbPustyLemat);
    EXPECT_EQ(BuildNounParadigmPl("dom", "", p), wbPustyKod);
    EXPECT_EQ(BuildNounParadigmPl("dom", "x1", p), wbZlyKod);
    EXPECT_EQ(BuildNounParadigmPl("dom", "81", p), wbZlyKod);
    EXPECT_EQ(GenNounPl("dom", "x1", 2, 1), "dom");
}

TEST(NounParadigm, EmptyPatternIsIndeclinable)
{
    TNounParadigm p;
    ASSERT_EQ(BuildNounParadigmPl("kakao", "4", p), wbOk);
    EXPECT_TRUE(p.Indeclinable);
    EXPECT_EQ(p.Cells[2].Forma, "kakao");
}

TEST(NounParadigm, ShortLemmasStayInsideTheString)
{
    // Every pattern with one- and two-byte lemmas: no rule may read before the start.
    for (const char* code : {"11", "1410", "2110208", "31", "35", "341", "4", "41", "423", "45", "471", "4881", "4897", "097", "06", "396"})
        for (const char* lemma : {"a", "o", "e", "y", "k", "ie", "ka"}) {
            TNounParadigm p;
            EXPECT_EQ(BuildNounParadigmPl(lemma, code, p), wbOk) << lemma << " *" << code;
        }
}

} // namespace
} // namespace velmar
