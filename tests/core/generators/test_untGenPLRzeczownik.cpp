// Polish nouns through the entry point, and the noun paradigm itself where a cell's
// alternative or a build result is what matters.
#include "core/generators/GenFormPlTabela.h"
#include "core/generators/untGenPLRzeczownik.h"

namespace velmar {
namespace {

INSTANTIATE_TEST_SUITE_P(
    NounMasculine, GenFormPlTable,
    ::testing::Values(
        // "02" drops the mobile "ie", "08" asks for the dative in "-u".
        TPrzypadekPl{"pies *2110208", {.Case = 2}, "psa"}, TPrzypadekPl{"pies *2110208", {.Case = 6}, "psu"},
        TPrzypadekPl{"pies *2110208", {.Case = 3}, "psu"}, TPrzypadekPl{"pies *21102", {.Case = 3}, "psowi"},
        TPrzypadekPl{"pies *2110108", {.Case = 2}, "pisa"}, TPrzypadekPl{"pies *2110208", {.Case = 4}, "psa"},
        TPrzypadekPl{"dom *134", {.Case = 4}, "dom"}, TPrzypadekPl{"dom *134", {.Case = 6}, "domu"},
        TPrzypadekPl{"dom *134", {.Case = 5}, "domem"}, TPrzypadekPl{"dom *134", {.Case = 1, .Number = 2}, "domy"},
        TPrzypadekPl{"stół *14105", {.Case = 2}, "stołu"}, TPrzypadekPl{"stół *14105", {.Case = 6}, "stole"},
        TPrzypadekPl{"człowiek *0320", {.Case = 1, .Number = 2}, "ludzie"},
        TPrzypadekPl{"człowiek *0320", {.Case = 2, .Number = 2}, "ludzi"},
        TPrzypadekPl{"człowiek *0320", {.Case = 3, .Number = 2}, "ludziom"},
        TPrzypadekPl{"człowiek *0320", {.Case = 4, .Number = 2}, "ludzi"},
        TPrzypadekPl{"człowiek *0320", {.Case = 5, .Number = 2}, "ludźmi"},
        TPrzypadekPl{"człowiek *0320", {.Case = 6, .Number = 2}, "ludziach"},
        TPrzypadekPl{"Polak *031", {.Case = 1, .Number = 2}, "Polacy"},
        TPrzypadekPl{"Polak *031", {.Case = 4, .Number = 2}, "Polaków"},
        TPrzypadekPl{"sędzia *06", {.Case = 2}, "sędziego"},
        TPrzypadekPl{"sędzia *06", {.Case = 1, .Number = 2}, "sędziowie"},
        TPrzypadekPl{"znajomy *097", {.Case = 1, .Number = 2}, "znajomi"},
        TPrzypadekPl{"znajomy *097", {.Case = 2}, "znajomego"}, TPrzypadekPl{"pan *041", {.Case = 7}, "panie"},
        // "07" takes the stem from the word list, "06" turns "ą" into "ę".
        TPrzypadekPl{"ojciec *01407", {.Case = 2}, "ojca"},
        TPrzypadekPl{"ojciec *01407", {.Case = 1, .Number = 2}, "ojcowie"},
        TPrzypadekPl{"tydzień *1107", {.Case = 2}, "tygodnia"},
        TPrzypadekPl{"tydzień *1107", {.Case = 2, .Number = 2}, "tygodni"},
        TPrzypadekPl{"ząb *2406", {.Case = 2}, "zęba"}, TPrzypadekPl{"ząb *2406", {.Case = 6}, "zębie"},
        TPrzypadekPl{"koń *211", {.Case = 2}, "konia"}, TPrzypadekPl{"koń *211", {.Case = 5, .Number = 2}, "końmi"},
        // Masculine nouns in "-a" take the endings of the feminine patterns in the
        // singular and personal ones in the plural.
        TPrzypadekPl{"artysta *044", {.Case = 2}, "artysty"}, TPrzypadekPl{"artysta *044", {.Case = 3}, "artyście"},
        TPrzypadekPl{"artysta *044", {.Case = 1, .Number = 2}, "artyści"},
        TPrzypadekPl{"artysta *044", {.Case = 4, .Number = 2}, "artystów"},
        TPrzypadekPl{"kierowca *021", {.Case = 3}, "kierowcy"}, TPrzypadekPl{"kierowca *021", {.Case = 7}, "kierowco"},
        TPrzypadekPl{"kierowca *021", {.Case = 4, .Number = 2}, "kierowców"},
        TPrzypadekPl{"mężczyzna *046", {.Case = 6}, "mężczyźnie"},
        TPrzypadekPl{"mężczyzna *046", {.Case = 1, .Number = 2}, "mężczyźni"},
        TPrzypadekPl{"mężczyzna *046", {.Case = 4, .Number = 2}, "mężczyzn"},
        // So do the native ones in "-to" and "-ło"; diminutives in "-o" keep the
        // masculine endings.
        TPrzypadekPl{"tato *045", {.Case = 2}, "taty"}, TPrzypadekPl{"tato *045", {.Case = 3}, "tacie"},
        TPrzypadekPl{"tato *045", {.Case = 4}, "tatę"}, TPrzypadekPl{"tato *045", {.Case = 7}, "tato"},
        TPrzypadekPl{"tato *045", {.Case = 1, .Number = 2}, "tatowie"},
        TPrzypadekPl{"tato *045", {.Case = 4, .Number = 2}, "tatów"},
        TPrzypadekPl{"dziadzio *014", {.Case = 2}, "dziadzia"},
        TPrzypadekPl{"dziadzio *014", {.Case = 3}, "dziadziowi"},
        // Masculine nouns in "-ę" take the neuter "-ę, -ęcia" endings with the
        // accusatives of their gender.
        TPrzypadekPl{"książę *041", {.Case = 2}, "księcia"}, TPrzypadekPl{"książę *041", {.Case = 4}, "księcia"},
        TPrzypadekPl{"książę *041", {.Case = 5}, "księciem"}, TPrzypadekPl{"książę *041", {.Case = 7}, "książę"},
        TPrzypadekPl{"książę *041", {.Case = 1, .Number = 2}, "książęta"},
        TPrzypadekPl{"książę *041", {.Case = 4, .Number = 2}, "książąt"},
        TPrzypadekPl{"książę *041", {.Case = 5, .Number = 2}, "książętami"},
        // "-ek" with its mobile "e" and the velar plural in "-i".
        TPrzypadekPl{"czwartek *13301", {.Case = 2}, "czwartku"},
        TPrzypadekPl{"czwartek *13301", {.Case = 1, .Number = 2}, "czwartki"},
        TPrzypadekPl{"czwartek *13301", {.Case = 2, .Number = 2}, "czwartków"},
        TPrzypadekPl{"rynek *13301", {.Case = 6}, "rynku"}, TPrzypadekPl{"rynek *13301", {.Case = 5}, "rynkiem"},
        TPrzypadekPl{"dzwonek *13201", {.Case = 2}, "dzwonka"},
        // The genitive plural of the soft patterns by the stem's last consonant.
        TPrzypadekPl{"palec *2101", {.Case = 2, .Number = 2}, "palców"},
        TPrzypadekPl{"klucz *11", {.Case = 2, .Number = 2}, "kluczy"},
        TPrzypadekPl{"handel *11301", {.Case = 2}, "handlu"},
        TPrzypadekPl{"handel *11301", {.Case = 2, .Number = 2}, "handli"},
        TPrzypadekPl{"przebój *11205", {.Case = 2}, "przeboju"},
        // The short dative of a few old nouns.
        TPrzypadekPl{"pan *014", {.Case = 3}, "panu"}, TPrzypadekPl{"świat *147", {.Case = 3}, "światu"},
        TPrzypadekPl{"bóg *01405", {.Case = 7}, "boże"},
        TPrzypadekPl{"diabeł *0401", {.Case = 1, .Number = 2}, "diabli"}, TPrzypadekPl{"łeb *2401", {.Case = 3}, "łbu"},
        TPrzypadekPl{"ojciec *0107", {.Case = 1, .Number = 2}, "ojcowie"},
        // Nouns in "-anin" drop the "-in" in the plural.
        TPrzypadekPl{"Marsjanin *05", {.Case = 3, .Number = 2}, "Marsjanom"},
        TPrzypadekPl{"Marsjanin *05", {.Case = 2, .Number = 2}, "Marsjan"},
        TPrzypadekPl{"Amerykanin *05", {.Case = 2, .Number = 2}, "Amerykanów"},
        // Compounds whose both parts decline come from their fixed table.
        TPrzypadekPl{"Białystok *14", {.Case = 2}, "Białegostoku"},
        TPrzypadekPl{"Krasnystaw *14", {.Case = 6}, "Krasnymstawie"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    NounFeminine, GenFormPlTable,
    ::testing::Values(
        TPrzypadekPl{"ręka *333", {.Case = 5, .Number = 2}, "rękoma"}, TPrzypadekPl{"ręka *333", {.Case = 3}, "ręce"},
        TPrzypadekPl{"ręka *333", {.Case = 2, .Number = 2}, "rąk"}, TPrzypadekPl{"ręka *333", {.Case = 6}, "ręce"},
        TPrzypadekPl{"matka *33", {.Case = 2, .Number = 2}, "matek"},
        TPrzypadekPl{"kobieta *34", {.Case = 3}, "kobiecie"},
        TPrzypadekPl{"kobieta *34", {.Case = 1, .Number = 2}, "kobiety"},
        TPrzypadekPl{"kobieta *34", {.Case = 4}, "kobietę"}, TPrzypadekPl{"kobieta *34", {.Case = 5}, "kobietą"},
        TPrzypadekPl{"kobieta *34", {.Case = 7}, "kobieto"}, TPrzypadekPl{"ulica *31", {.Case = 2}, "ulicy"},
        TPrzypadekPl{"ulica *31", {.Case = 2, .Number = 2}, "ulic"},
        // A final "0" belongs to the pattern ("10", not "1" with alternations).
        TPrzypadekPl{"ulica *310", {.Case = 2, .Number = 2}, "ulicy"}, TPrzypadekPl{"ziemia *31", {.Case = 2}, "ziemi"},
        TPrzypadekPl{"sosna *341", {.Case = 2, .Number = 2}, "sosen"},
        TPrzypadekPl{"gwiazda *342", {.Case = 3}, "gwieździe"}, TPrzypadekPl{"noc *37", {.Case = 2}, "nocy"},
        TPrzypadekPl{"noc *37", {.Case = 5}, "nocą"}, TPrzypadekPl{"noc *37", {.Case = 4}, "noc"},
        TPrzypadekPl{"babcia *31", {.Case = 7}, "babciu"}, TPrzypadekPl{"Kasia *31", {.Case = 7}, "Kasiu"},
        TPrzypadekPl{"kuchnia *31", {.Case = 7}, "kuchnio"}, TPrzypadekPl{"niania *31", {.Case = 7}, "nianiu"},
        TPrzypadekPl{"lotnisko *41", {.Case = 5}, "lotniskiem"}, TPrzypadekPl{"jabłko *41", {.Case = 5}, "jabłkiem"},
        TPrzypadekPl{"wesz *3701", {.Case = 2}, "wszy"}, TPrzypadekPl{"wesz *3701", {.Case = 5}, "wszą"},
        TPrzypadekPl{"pani *312", {.Case = 4}, "panią"}, TPrzypadekPl{"kość *35", {.Case = 2}, "kości"},
        TPrzypadekPl{"kość *35", {.Case = 5}, "kością"}, TPrzypadekPl{"kość *35", {.Case = 5, .Number = 2}, "kośćmi"},
        TPrzypadekPl{"kość *35", {.Case = 6, .Number = 2}, "kościach"},
        TPrzypadekPl{"księgowa *397", {.Case = 2}, "księgowej"}, TPrzypadekPl{"księgowa *397", {.Case = 4}, "księgową"},
        TPrzypadekPl{"księgowa *397", {.Case = 5, .Number = 2}, "księgowymi"},
        TPrzypadekPl{"Wielkanoc *37", {.Case = 2}, "Wielkiejnocy"},
        TPrzypadekPl{"rzeczpospolita *397", {.Case = 5, .Number = 2}, "rzeczamipospolitymi"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    NounNeuter, GenFormPlTable,
    ::testing::Values(
        TPrzypadekPl{"oko *423", {.Case = 2, .Number = 2}, "oczu"},
        TPrzypadekPl{"oko *423", {.Case = 5, .Number = 2}, "oczyma"},
        TPrzypadekPl{"oko *423", {.Case = 1, .Number = 2}, "oczy"}, TPrzypadekPl{"oko *423", {.Case = 5}, "okiem"},
        TPrzypadekPl{"czytanie *41", {.Case = 1}, "czytanie"}, TPrzypadekPl{"czytanie *41", {.Case = 2}, "czytania"},
        TPrzypadekPl{"czytanie *41", {.Case = 5}, "czytaniem"}, TPrzypadekPl{"czytanie *41", {.Case = 6}, "czytaniu"},
        TPrzypadekPl{"czytanie *41", {.Case = 2, .Number = 2}, "czytań"},
        TPrzypadekPl{"czytanie *41", {.Case = 5, .Number = 2}, "czytaniami"},
        TPrzypadekPl{"dziecko *422", {.Case = 1, .Number = 2}, "dzieci"},
        TPrzypadekPl{"dziecko *422", {.Case = 5, .Number = 2}, "dziećmi"},
        TPrzypadekPl{"imię *45", {.Case = 2}, "imienia"}, TPrzypadekPl{"imię *45", {.Case = 1, .Number = 2}, "imiona"},
        TPrzypadekPl{"zło *421", {.Case = 5}, "złem"}, TPrzypadekPl{"miasto *432", {.Case = 6}, "mieście"},
        TPrzypadekPl{"zwierzę *44", {.Case = 2}, "zwierzęcia"},
        TPrzypadekPl{"zwierzę *44", {.Case = 1, .Number = 2}, "zwierzęta"},
        TPrzypadekPl{"zwierzę *44", {.Case = 2, .Number = 2}, "zwierząt"},
        TPrzypadekPl{"cudo *43", {.Case = 2, .Number = 2}, "cudów"}, TPrzypadekPl{"cudo *43", {.Case = 6}, "cudzie"},
        TPrzypadekPl{"Zakopane *496", {.Case = 2}, "Zakopanego"},
        TPrzypadekPl{"Zakopane *496", {.Case = 6}, "Zakopanym"}, TPrzypadekPl{"muzeum *46", {.Case = 2}, "muzeum"},
        TPrzypadekPl{"muzeum *46", {.Case = 2, .Number = 2}, "muzeów"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(NounPluralOnly, GenFormPlTable,
                         ::testing::Values(TPrzypadekPl{"Państwo *4881", {.Case = 2, .Number = 2}, "Państwa"},
                                           TPrzypadekPl{"Państwo *4881", {.Case = 5, .Number = 2}, "Państwem"},
                                           TPrzypadekPl{"drzwi *4810", {.Case = 2, .Number = 2}, "drzwi"},
                                           TPrzypadekPl{"nożyczki *471", {.Case = 2, .Number = 2}, "nożyczek"},
                                           TPrzypadekPl{"nożyczki *471", {.Case = 5, .Number = 2}, "nożyczkami"},
                                           TPrzypadekPl{"Niemcy *4882", {.Case = 6, .Number = 2}, "Niemczech"},
                                           TPrzypadekPl{"ludzie *4881", {.Case = 5, .Number = 2}, "ludźmi"},
                                           TPrzypadekPl{"zakochani *4897", {.Case = 2, .Number = 2}, "zakochanych"},
                                           TPrzypadekPl{"zakochani *4897", {.Case = 4, .Number = 2}, "zakochanych"},
                                           // Only the plural cells of a plural-only noun are filled.
                                           TPrzypadekPl{"nożyczki *471", {.Case = 2}, "nożyczki"}),
                         test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    NounPhrases, GenFormPlTable,
    ::testing::Values(
        // Only the last word of a plain phrase declines.
        TPrzypadekPl{"Morze Bałtyckie ślepa kiszka *334", {.Case = 2}, "Morze Bałtyckie ślepa kiszki"},
        TPrzypadekPl{"pies *2110208", {.Case = 8, .Number = 3}, "pies"},
        TPrzypadekPl{"kobieta *34", {.Case = 7, .Number = 2}, "kobiety"}, TPrzypadekPl{"pies", {.Case = 2}, "pies"}),
    test::NamedBy(DescribeFormPl));

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
    // The table shows the plural too, as one form does.
    ASSERT_EQ(BuildNounParadigmPl("alibi", "4", p), wbOk);
    for (int cell = 7; cell < kNounCellCount; ++cell)
        EXPECT_EQ(p.Cells[static_cast<std::size_t>(cell)].Forma, "alibi") << cell;
}

TEST(NounParadigm, ShortLemmasStayInsideTheString)
{
    // Every pattern with one- and two-byte lemmas: no rule may read before the start.
    for (const char* code : {"11", "1410", "2110208", "31", "35", "341", "4", "41", "423", "45", "471", "4881", "4897",
                             "097", "06", "396"})
        for (const char* lemma : {"a", "o", "e", "y", "k", "ie", "ka"}) {
            TNounParadigm p;
            EXPECT_EQ(BuildNounParadigmPl(lemma, code, p), wbOk) << lemma << " *" << code;
        }
}

} // namespace
} // namespace velmar
