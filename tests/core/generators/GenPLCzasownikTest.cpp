// Polish verbs through the entry point, as every caller reaches them.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenPLCzasownik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

struct TCzasownik {
    const char* Word; // UTF-8
    TCechyPl Features;
    const char* Expected; // UTF-8
};

void PrintTo(const TCzasownik& c, std::ostream* os)
{
    *os << c.Word << " form " << c.Features.FormCode << " person " << c.Features.Person
        << " subject number " << c.Features.SubjectNumber << " subject gender "
        << c.Features.SubjectGender;
}

std::string Generate(const char* word, const TCechyPl& features)
{
    return ToUtf8(GenFormPl(FromUtf8(word), features), jezPolski);
}

class VerbTable : public ::testing::TestWithParam<TCzasownik> {};

TEST_P(VerbTable, GivesTheForm)
{
    EXPECT_EQ(Generate(GetParam().Word, GetParam().Features), GetParam().Expected);
}

// The word string is "lemma *code" and a verb code begins with its aspect mark, so
// "czytać **1" is "czytać" with the code "*1". Subject genders: 0 masculine personal,
// 3 feminine, 4 neuter.
INSTANTIATE_TEST_SUITE_P(Class1, VerbTable, ::testing::Values(
    TCzasownik{"czytać **1", {.Person = 3, .FormCode = 1}, "czyta"},
    TCzasownik{"czytać **1", {.Person = 1, .FormCode = 1}, "czytam"},
    TCzasownik{"czytać **1", {.Person = 2, .FormCode = 1}, "czytasz"},
    TCzasownik{"czytać **1", {.Person = 6, .FormCode = 1}, "czytają"},
    TCzasownik{"czytać **1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "czytała"},
    TCzasownik{"czytać **1", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "czytał"},
    TCzasownik{"czytać **1", {.Person = 1, .FormCode = 2, .SubjectGender = 3}, "czytałam"},
    TCzasownik{"czytać **1", {.Person = 2, .FormCode = 2, .SubjectGender = 1}, "czytałeś"},
    TCzasownik{"czytać **1", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "czytali"},
    TCzasownik{"czytać **1", {.Person = 6, .FormCode = 2, .SubjectGender = 3}, "czytały"},
    TCzasownik{"czytać **1", {.Person = 4, .FormCode = 2, .SubjectGender = 0}, "czytaliśmy"},
    TCzasownik{"czytać **1", {.Person = 2, .FormCode = 5}, "czytaj"},
    TCzasownik{"czytać **1", {.Person = 5, .FormCode = 5}, "czytajcie"},
    TCzasownik{"czytać **1", {.Person = 3, .FormCode = 5}, "niech czyta"},
    TCzasownik{"czytać **1", {.Person = 1, .FormCode = 4, .SubjectGender = 3}, "czytałabym"},
    TCzasownik{"czytać **1", {.FormCode = 7}, "czytany"},
    TCzasownik{"czytać **1", {.Case = 2, .Gender = 3, .FormCode = 7}, "czytanej"},
    TCzasownik{"czytać **1", {.FormCode = 9}, "czytanie"},
    TCzasownik{"czytać **1", {.Case = 2, .Number = 2, .FormCode = 9}, "czytań"},
    TCzasownik{"czytać **1", {.FormCode = 61}, "czytający"},
    TCzasownik{"czytać **1", {.Person = 3, .FormCode = 8}, "czytawszy"},
    TCzasownik{"czytać **1", {.FormCode = 22}, "czytano"},
    TCzasownik{"czytać **1", {.FormCode = 27}, "czytać"}));

INSTANTIATE_TEST_SUITE_P(Class61, VerbTable, ::testing::Values(
    TCzasownik{"robić **61", {.Person = 3, .FormCode = 1}, "robi"},
    TCzasownik{"robić **61", {.Person = 1, .FormCode = 1}, "robię"},
    TCzasownik{"robić **61", {.Person = 6, .FormCode = 1}, "robią"},
    TCzasownik{"robić **61", {.Person = 2, .FormCode = 5}, "rób"},
    TCzasownik{"robić **61", {.FormCode = 6}, "robiąc"},
    TCzasownik{"robić **61", {.FormCode = 7}, "robiony"},
    TCzasownik{"robić **61", {.FormCode = 9}, "robienie"},
    TCzasownik{"robić **61", {.Person = 1, .FormCode = 3}, "będę robić"},
    TCzasownik{"zrobić *$61", {.Person = 1, .FormCode = 3}, "zrobię"},
    TCzasownik{"robić **61", {.Person = 9, .FormCode = 2}, "robiło"},
    TCzasownik{"robić **61", {.Person = 95, .FormCode = 2}, "robił"},
    TCzasownik{"robić **61", {.FormCode = 21}, "robi się"},
    TCzasownik{"robić **61", {.FormCode = 23}, "będzie się robić"},
    TCzasownik{"zrobić *$61", {.FormCode = 23}, "zrobi się"},
    TCzasownik{"robić **61", {.FormCode = 24}, "robiłoby się"},
    TCzasownik{"nie robić się **61", {.Person = 3, .FormCode = 1}, "nie robi się"},
    TCzasownik{"nie robić się **61", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "nie robili się"},
    TCzasownik{"nie robić się **61", {.FormCode = 21}, "nie robi się"},
    TCzasownik{"chodzić **61", {.Person = 1, .FormCode = 1}, "chodzę"},
    TCzasownik{"chodzić **61", {.Person = 2, .FormCode = 5}, "chodź"}));

INSTANTIATE_TEST_SUITE_P(OtherClasses, VerbTable, ::testing::Values(
    TCzasownik{"być */3", {.Person = 3, .FormCode = 1}, "jest"},
    TCzasownik{"być */3", {.Person = 1, .FormCode = 1}, "jestem"},
    TCzasownik{"być */3", {.Person = 6, .FormCode = 1}, "są"},
    TCzasownik{"być */3", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "był"},
    TCzasownik{"być */3", {.Person = 1, .FormCode = 3}, "będę"},
    TCzasownik{"być */3", {.Person = 2, .FormCode = 5}, "bądź"},
    TCzasownik{"być */3", {.FormCode = 6}, "będąc"},
    TCzasownik{"móc */1", {.Person = 3, .FormCode = 1}, "może"},
    TCzasownik{"móc */1", {.Person = 1, .FormCode = 1}, "mogę"},
    TCzasownik{"móc */1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "mogła"},
    TCzasownik{"móc */1", {.Person = 3, .FormCode = 3, .SubjectGender = 3}, "będzie mogła"},
    TCzasownik{"móc */1", {.FormCode = 21}, "można"},
    TCzasownik{"musieć **71", {.FormCode = 23}, "trzeba będzie"},
    TCzasownik{"musieć **71", {.Person = 1, .FormCode = 1}, "muszę"},
    TCzasownik{"widzieć **71", {.Person = 2, .FormCode = 5}, "zobacz"},
    TCzasownik{"pisać **9", {.Person = 3, .FormCode = 1}, "pisze"},
    TCzasownik{"pisać **9", {.Person = 1, .FormCode = 1}, "piszę"},
    TCzasownik{"pisać **9", {.Person = 2, .FormCode = 5}, "pisz"},
    TCzasownik{"kupować **4", {.Person = 1, .FormCode = 1}, "kupuję"},
    TCzasownik{"kupować **4", {.Person = 6, .FormCode = 1}, "kupują"},
    TCzasownik{"leżeć **72", {.Person = 3, .FormCode = 1}, "leży"},
    TCzasownik{"nieść */1", {.Person = 3, .FormCode = 2, .SubjectGender = 1}, "niósł"},
    TCzasownik{"nieść */1", {.Person = 6, .FormCode = 2, .SubjectGender = 0}, "nieśli"},
    TCzasownik{"iść */2", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "szła"},
    TCzasownik{"iść */2", {.Person = 1, .FormCode = 1}, "idę"},
    TCzasownik{"powinien **1", {.Person = 3, .FormCode = 2, .SubjectGender = 3}, "powinna była"},
    TCzasownik{"powinien **1", {.Person = 3, .FormCode = 1, .SubjectGender = 3}, "powinna"},
    TCzasownik{"powinien **1", {.Person = 5, .FormCode = 1, .SubjectGender = 3}, "powinnyście"},
    TCzasownik{"powinien **1", {.FormCode = 21}, "powinno się"},
    // Verb codes the generator does not inflect, and codes without a form.
    TCzasownik{"robić *C61", {.Person = 3, .FormCode = 1}, "robić"},
    TCzasownik{"robić **61", {.Person = 3, .FormCode = 69}, "robić"}));

TEST(VerbParadigm, OutOfRangeFeaturesStayInTheTables)
{
    for (int gender : {-5, -1, 0, 4, 5, 99})
        for (int person : {-3, 0, 7, 9, 10, 1000})
            for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 22, 23, 24, 61})
                EXPECT_NO_FATAL_FAILURE(GenVerbPl("robić", "*61",
                                                  {.Case = person, .Number = person, .Gender = gender,
                                                   .Person = person, .FormCode = code,
                                                   .SubjectNumber = person, .SubjectGender = gender}));
    EXPECT_EQ(VerbSlotPl(2, 9, 1, 99), scPrzeszly + 6);
    EXPECT_EQ(VerbSlotPl(2, 3, 1, -1), scPrzeszly + 4);
}

TEST(VerbParadigm, ShortLemmasStayInsideTheString)
{
    for (const char* code : {"*1", "*11", "*2", "*21", "*3", "*4", "*51", "*52", "*53", "*54", "*61", "*62",
                             "*71", "*72", "*81", "*82", "*9", "*91", "!01", "/02", "!03", "/1", "/2",
                             "/3", "/11", "/51", "/52"})
        for (const char* lemma : {"a", "ć", "ść", "ec", "nie a"}) {
            TVerbParadigm p;
            EXPECT_EQ(BuildVerbParadigmPl(FromUtf8(lemma), code, true, p), wbOk) << lemma << " " << code;
        }
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
