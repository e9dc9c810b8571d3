// Polish verbs through the entry point, as every caller reaches them.
#include "core/generators/GenFormPlTabela.h"
#include "core/generators/untGenPLCzasownik.h"

namespace velmar {
namespace {

// The word string is "lemma *code" and a verb code begins with its aspect mark, so
// "czytać **1" is "czytać" with the code "*1". Subject genders: 0 masculine personal,
// 3 feminine, 4 neuter.
INSTANTIATE_TEST_SUITE_P(
    VerbClass1, GenFormPlTable,
    ::testing::Values(TPrzypadekPl{"czytać **1", {.Person = 3, .FormCode = 1}, "czyta"},
                      TPrzypadekPl{"czytać **1", {.Person = 1, .FormCode = 1}, "czytam"},
                      TPrzypadekPl{"czytać **1", {.Person = 2, .FormCode = 1}, "czytasz"},
                      TPrzypadekPl{"czytać **1", {.Person = 6, .FormCode = 1}, "czytają"},
                      TPrzypadekPl{"czytać **1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "czytała"},
                      TPrzypadekPl{"czytać **1", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "czytał"},
                      TPrzypadekPl{"czytać **1", {.Person = 1, .FormCode = 2, .SubjectGender = 3}, "czytałam"},
                      TPrzypadekPl{"czytać **1", {.Person = 2, .FormCode = 2, .SubjectGender = 1}, "czytałeś"},
                      TPrzypadekPl{"czytać **1", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "czytali"},
                      TPrzypadekPl{"czytać **1", {.Person = 6, .FormCode = 2, .SubjectGender = 3}, "czytały"},
                      TPrzypadekPl{"czytać **1", {.Person = 4, .FormCode = 2, .SubjectGender = 0}, "czytaliśmy"},
                      TPrzypadekPl{"czytać **1", {.Person = 2, .FormCode = 5}, "czytaj"},
                      TPrzypadekPl{"czytać **1", {.Person = 5, .FormCode = 5}, "czytajcie"},
                      TPrzypadekPl{"czytać **1", {.Person = 3, .FormCode = 5}, "niech czyta"},
                      TPrzypadekPl{"czytać **1", {.Person = 1, .FormCode = 4, .SubjectGender = 3}, "czytałabym"},
                      TPrzypadekPl{"czytać **1", {.FormCode = 7}, "czytany"},
                      TPrzypadekPl{"czytać **1", {.Case = 2, .Gender = 3, .FormCode = 7}, "czytanej"},
                      TPrzypadekPl{"czytać **1", {.FormCode = 9}, "czytanie"},
                      TPrzypadekPl{"czytać **1", {.Case = 2, .Number = 2, .FormCode = 9}, "czytań"},
                      TPrzypadekPl{"czytać **1", {.FormCode = 61}, "czytający"},
                      // No anterior participle of an imperfective verb: the lemma comes back.
                      TPrzypadekPl{"czytać **1", {.Person = 3, .FormCode = 8}, "czytać"},
                      TPrzypadekPl{"przeczytać *$1", {.Person = 3, .FormCode = 8}, "przeczytawszy"},
                      TPrzypadekPl{"czytać **1", {.FormCode = 22}, "czytano"},
                      TPrzypadekPl{"czytać **1", {.FormCode = 27}, "czytać"},
                      // The past without its person ending, and the impersonal person in the conditional.
                      TPrzypadekPl{"czytać **1", {.Person = 1, .FormCode = 10, .SubjectGender = 3}, "czytała"},
                      TPrzypadekPl{"czytać **1", {.Person = 4, .FormCode = 10, .SubjectGender = 0}, "czytali"},
                      TPrzypadekPl{"czytać **1", {.Person = 9, .FormCode = 4}, "czytałoby"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    VerbClass61, GenFormPlTable,
    ::testing::Values(
        TPrzypadekPl{"robić **61", {.Person = 3, .FormCode = 1}, "robi"},
        TPrzypadekPl{"robić **61", {.Person = 1, .FormCode = 1}, "robię"},
        TPrzypadekPl{"robić **61", {.Person = 6, .FormCode = 1}, "robią"},
        TPrzypadekPl{"robić **61", {.Person = 2, .FormCode = 5}, "rób"},
        TPrzypadekPl{"robić **61", {.FormCode = 6}, "robiąc"}, TPrzypadekPl{"robić **61", {.FormCode = 7}, "robiony"},
        TPrzypadekPl{"robić **61", {.FormCode = 9}, "robienie"},
        TPrzypadekPl{"robić **61", {.Person = 1, .FormCode = 3}, "będę robić"},
        TPrzypadekPl{"zrobić *$61", {.Person = 1, .FormCode = 3}, "zrobię"},
        TPrzypadekPl{"robić **61", {.Person = 9, .FormCode = 2}, "robiło"},
        TPrzypadekPl{"robić **61", {.Person = 95, .FormCode = 2}, "robił"},
        TPrzypadekPl{"robić **61", {.FormCode = 21}, "robi się"},
        TPrzypadekPl{"robić **61", {.FormCode = 23}, "będzie się robić"},
        TPrzypadekPl{"zrobić *$61", {.FormCode = 23}, "zrobi się"},
        TPrzypadekPl{"robić **61", {.FormCode = 24}, "robiłoby się"},
        TPrzypadekPl{"nie robić się **61", {.Person = 3, .FormCode = 1}, "nie robi się"},
        TPrzypadekPl{"nie robić się **61", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "nie robili się"},
        TPrzypadekPl{"nie robić się **61", {.FormCode = 21}, "nie robi się"},
        TPrzypadekPl{"chodzić **61", {.Person = 1, .FormCode = 1}, "chodzę"},
        TPrzypadekPl{"chodzić **61", {.Person = 2, .FormCode = 5}, "chodź"},
        // "-eić" keeps its "j" before every ending.
        TPrzypadekPl{"kleić **61", {.Person = 1, .FormCode = 1}, "kleję"},
        TPrzypadekPl{"kleić **61", {.Person = 6, .FormCode = 1}, "kleją"},
        TPrzypadekPl{"kleić **61", {.FormCode = 9}, "klejenie"},
        // A perfective verb has no present participles: the lemma comes back.
        TPrzypadekPl{"przeznaczyć *$62", {.FormCode = 6}, "przeznaczyć"},
        TPrzypadekPl{"przeznaczyć *$62", {.FormCode = 61}, "przeznaczyć"},
        TPrzypadekPl{"przeznaczyć *$62", {.FormCode = 7}, "przeznaczony"},
        // A verb without an object has no passive participle, but keeps its
        // verbal noun and impersonal past: the -eć/-eje class, the perfectives
        // whose rule gives the active "-ły", and the listed intransitive verbs.
        TPrzypadekPl{"istnieć **3", {.FormCode = 7}, "istnieć"},
        TPrzypadekPl{"istnieć **3", {.FormCode = 9}, "istnienie"}, TPrzypadekPl{"wyjść *!2", {.FormCode = 7}, "wyjść"},
        TPrzypadekPl{"wyjść *!2", {.FormCode = 9}, "wyjście"}, TPrzypadekPl{"umrzeć *!1", {.FormCode = 7}, "umrzeć"},
        TPrzypadekPl{"spać */2", {.FormCode = 7}, "spać"}, TPrzypadekPl{"spać */2", {.FormCode = 9}, "spanie"},
        TPrzypadekPl{"spać */2", {.FormCode = 22}, "spano"}, TPrzypadekPl{"działać **1", {.FormCode = 7}, "działać"},
        TPrzypadekPl{"działać **1", {.FormCode = 9}, "działanie"}, TPrzypadekPl{"iść */2", {.FormCode = 9}, "iść"},
        // The imperative: "wól", no "ó" in "szkodź", "-znawaj" like "dawaj".
        TPrzypadekPl{"woleć **71", {.Person = 2, .FormCode = 5}, "wól"},
        TPrzypadekPl{"szkodzić **61", {.Person = 2, .FormCode = 5}, "szkodź"},
        TPrzypadekPl{"poznawać **9", {.Person = 2, .FormCode = 5}, "poznawaj"}),
    test::NamedBy(DescribeFormPl));

INSTANTIATE_TEST_SUITE_P(
    VerbOtherClasses, GenFormPlTable,
    ::testing::Values(TPrzypadekPl{"być */3", {.Person = 3, .FormCode = 1}, "jest"},
                      TPrzypadekPl{"być */3", {.Person = 1, .FormCode = 1}, "jestem"},
                      TPrzypadekPl{"być */3", {.Person = 6, .FormCode = 1}, "są"},
                      TPrzypadekPl{"być */3", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "był"},
                      TPrzypadekPl{"być */3", {.Person = 1, .FormCode = 3}, "będę"},
                      TPrzypadekPl{"być */3", {.Person = 2, .FormCode = 5}, "bądź"},
                      TPrzypadekPl{"być */3", {.FormCode = 6}, "będąc"},
                      TPrzypadekPl{"móc */1", {.Person = 3, .FormCode = 1}, "może"},
                      TPrzypadekPl{"móc */1", {.Person = 1, .FormCode = 1}, "mogę"},
                      TPrzypadekPl{"móc */1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "mogła"},
                      TPrzypadekPl{"móc */1", {.Person = 3, .FormCode = 3, .SubjectGender = 3}, "będzie mogła"},
                      TPrzypadekPl{"móc */1", {.FormCode = 21}, "można"},
                      TPrzypadekPl{"musieć **71", {.FormCode = 23}, "trzeba będzie"},
                      TPrzypadekPl{"musieć **71", {.Person = 1, .FormCode = 1}, "muszę"},
                      TPrzypadekPl{"widzieć **71", {.Person = 2, .FormCode = 5}, "zobacz"},
                      TPrzypadekPl{"pisać **9", {.Person = 3, .FormCode = 1}, "pisze"},
                      TPrzypadekPl{"pisać **9", {.Person = 1, .FormCode = 1}, "piszę"},
                      TPrzypadekPl{"pisać **9", {.Person = 2, .FormCode = 5}, "pisz"},
                      TPrzypadekPl{"kupować **4", {.Person = 1, .FormCode = 1}, "kupuję"},
                      TPrzypadekPl{"kupować **4", {.Person = 6, .FormCode = 1}, "kupują"},
                      TPrzypadekPl{"leżeć **72", {.Person = 3, .FormCode = 1}, "leży"},
                      TPrzypadekPl{"nieść */1", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "niósł"},
                      TPrzypadekPl{"nieść */1", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "nieśli"},
                      TPrzypadekPl{"iść */2", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "szła"},
                      TPrzypadekPl{"iść */2", {.Person = 1, .FormCode = 1}, "idę"},
                      TPrzypadekPl{"powinien **1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "powinna była"},
                      TPrzypadekPl{"powinien **1", {.Person = 3, .FormCode = 1, .SubjectGender = 3}, "powinna"},
                      TPrzypadekPl{"powinien **1", {.Person = 5, .FormCode = 1, .SubjectGender = 3}, "powinnyście"},
                      TPrzypadekPl{"powinien **1", {.FormCode = 21}, "powinno się"},
                      // The dictionary gives it the bare verb mark.
                      TPrzypadekPl{"powinien **", {.Person = 3, .FormCode = 1, .SubjectGender = 3}, "powinna"},
                      TPrzypadekPl{"powinien **", {.Person = 1, .FormCode = 2}, "powinienem był"},
                      TPrzypadekPl{"rozumieć **2", {.FormCode = 9}, "rozumienie"},
                      TPrzypadekPl{"rozumieć **2", {.FormCode = 22}, "rozumiano"},
                      TPrzypadekPl{"umieć **2", {.FormCode = 9}, "umienie"},
                      TPrzypadekPl{"istnieć **3", {.FormCode = 22}, "istniano"},
                      TPrzypadekPl{"istnieć **3", {.Person = 6, .FormCode = 1}, "istnieją"},
                      TPrzypadekPl{"kaszleć **9", {.Person = 2, .FormCode = 1}, "kaszlesz"},
                      TPrzypadekPl{"kaszleć **9", {.Person = 2, .FormCode = 5}, "kaszl"},
                      // "rzec" is of both aspects: the participles of the imperfective
                      // present "rzecze, rzeką" and the anterior one of the perfective.
                      TPrzypadekPl{"rzec **53", {.FormCode = 6}, "rzekąc"},
                      TPrzypadekPl{"rzec **53", {.FormCode = 61}, "rzekący"},
                      TPrzypadekPl{"rzec **53", {.FormCode = 8}, "rzekłszy"},
                      TPrzypadekPl{"rzec **53", {.Person = 3, .FormCode = 1}, "rzeknie"},
                      TPrzypadekPl{"przyrzec *$53", {.Person = 2, .FormCode = 5}, "przyrzeknij"},
                      TPrzypadekPl{"oprzeć *!1", {.FormCode = 7}, "oparty"},
                      // Verb codes the generator does not inflect, and codes without a form.
                      TPrzypadekPl{"robić *C61", {.Person = 3, .FormCode = 1}, "robić"},
                      TPrzypadekPl{"robić **61", {.Person = 3, .FormCode = 69}, "robić"}),
    test::NamedBy(DescribeFormPl));

TEST(VerbParadigm, OutOfRangeFeaturesStayInTheTables)
{
    for (int gender : {-5, -1, 0, 4, 5, 99})
        for (int person : {-3, 0, 7, 9, 10, 1000})
            for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 22, 23, 24, 61})
                EXPECT_NO_FATAL_FAILURE(GenVerbPl("robić", "*61",
                                                  {.Case = person,
                                                   .Number = person,
                                                   .Gender = gender,
                                                   .Person = person,
                                                   .FormCode = code,
                                                   .SubjectNumber = person,
                                                   .SubjectGender = gender}));
    EXPECT_EQ(VerbSlotPl(2, 9, 1, 99), scPrzeszly + 6);
    EXPECT_EQ(VerbSlotPl(2, 3, 1, -1), scPrzeszly + 4);
}

TEST(VerbParadigm, ShortLemmasStayInsideTheString)
{
    for (const char* code :
         {"*1",  "*11", "*2", "*21", "*3",  "*4",  "*51", "*52", "*53", "*54", "*61", "*62", "*71", "*72",
          "*81", "*82", "*9", "*91", "!01", "/02", "!03", "/1",  "/2",  "/3",  "/11", "/51", "/52"})
        for (const char* lemma : {"a", "ć", "ść", "ec", "nie a"}) {
            // Too short for most classes' endings: turned down or built, never read past the end.
            TVerbParadigm p;
            const int status = BuildVerbParadigmPl(FromUtf8(lemma), code, true, p);
            EXPECT_TRUE(status == wbOk || status == wbZlyKod) << lemma << " " << code << ": " << status;
        }
}

TEST(VerbParadigm, TheSecondPresentOfRzecHasItsOwnPersonsAndImperative)
{
    // "rzecze" is "rzekę, rzeką, rzecz", not "rzeczj" made by the rule of "rzeknie".
    TVerbParadigm p;
    ASSERT_EQ(BuildVerbParadigmPl("rzec", "*53", true, p), wbOk);
    EXPECT_EQ(ToUtf8(p.Slots[scTeraz].Alternatywa, jezPolski), "rzekę");
    EXPECT_EQ(ToUtf8(p.Slots[scTeraz + 11].Alternatywa, jezPolski), "rzeką");
    EXPECT_EQ(ToUtf8(p.Slots[scRozkazujacy].Forma, jezPolski), "rzeknij");
    EXPECT_EQ(ToUtf8(p.Slots[scRozkazujacy].Alternatywa, jezPolski), "rzecz");
}

TEST(VerbParadigm, PhrasesKeepTheWordsAroundTheVerb)
{
    const auto form = [](const char* lemma, const char* code, const TCechyPl& f) {
        return ToUtf8(GenVerbPl(FromUtf8(lemma), FromUtf8(code), f), jezPolski);
    };
    // "%": the verb is the first word; otherwise the last, with a final digit dropped;
    // the reflexive mark "ř" is no part of the class.
    EXPECT_EQ(form("mieć nadzieję", "%/3", {.Person = 3, .FormCode = 1}), "ma nadzieję");
    EXPECT_EQ(form("mieć nadzieję się", "%/3", {.Person = 6, .FormCode = 1}), "mają nadzieję się");
    EXPECT_EQ(form("dobrze czytać2", "*1", {.Person = 1, .FormCode = 1}), "dobrze czytam");
    EXPECT_EQ(form("nie móc się", "/1", {.FormCode = 22}), "nie można było się");
    EXPECT_EQ(form("czytać", "ř*1", {.Person = 3, .FormCode = 1}), "czyta");
}

TEST(VerbParadigm, ReportsWhatItCannotBuild)
{
    TVerbParadigm p;
    EXPECT_EQ(BuildVerbParadigmPl("", "*1", false, p), wbPustyLemat);
    EXPECT_EQ(BuildVerbParadigmPl("czytac", "", false, p), wbPustyKod);
    EXPECT_EQ(BuildVerbParadigmPl("czytac", "*", false, p), wbZlyKod);
    EXPECT_EQ(GenVerbPl("czytac", "*", {.Person = 3, .FormCode = 1}), "czytac");
}

} // namespace
} // namespace velmar
