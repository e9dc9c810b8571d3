// Target sentence assembly: rendering of words through the generators, with the
// features their groups give, the prefixes and fixed words around them and the
// capitalisation of the source.
#include <gtest/gtest.h>

#include "ZdanieRecznie.h"
#include "core/engine/untTransWypSkladanie.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

using test::TOpcjeZdania;
using test::TZdanieRecznie;

// ---------------------------------------------------------------- agreement through the group

// "petite maison" in a nominal group: the head records the gender of "dom" on the
// group, and both words take the group's case.
struct TGrupaNominalna {
    explicit TGrupaNominalna(int groupCase)
    {
        z.Add("petite", {"mały *7"});
        z.Add("maison");
        TCustomWypGrupa& group = z.Group(0, 1, tgNominalna, 6);
        group.casus = groupCase;
        group.lba = 1;
        z.Utterance().SetHead(1);
        TZdanieRecznie::Translate(z.Word(1), {"dom *134"});
    }
    TZdanieRecznie z;
};

TEST(TransWypSkladanie, AnAdjectiveAgreesWithItsNounThroughTheGroup)
{
    TGrupaNominalna g(2);
    g.z.Utterance().Transfer();
    EXPECT_EQ(g.z.Target(), "Małego domu");
    EXPECT_EQ(g.z.Word(0).UsedCase, 2);
    EXPECT_EQ(g.z.Word(0).UsedGender, rdzMeskorzeczowy) << "the gender the head's code gave its group";
}

TEST(TransWypSkladanie, AFormCaseSetByARuleGoesBeforeTheGroupsCase)
{
    TGrupaNominalna g(2);
    g.z.Word(1).FormCase = 5;
    EXPECT_EQ(g.z.Render(1), "domem");
    EXPECT_EQ(g.z.Render(0), "Małego");
}

TEST(TransWypSkladanie, AGoverningNumeralPutsTheNounInTheGenitive)
{
    TZdanieRecznie z;
    z.Add("cinq");
    z.Add("maisons");
    TCustomWypGrupa& group = z.Group(0, 1, tgNominalna, 6);
    group.casus = 1;
    group.lba = 2;
    z.Word(0).WordClass = kwLiczebnik;
    TZdanieRecznie::Translate(z.Word(0), {"pięć *95"}); // gives the numeral its value and class
    z.Utterance().SetHead(1);
    TZdanieRecznie::Translate(z.Word(1), {"dom *134"});
    ASSERT_EQ(z.Word(0).NumericValue, 5);
    EXPECT_EQ(z.Render(1), "domów");
}

TEST(TransWypSkladanie, GroupLeadAndTailTextsStandOutsideTheGroupsRenderedWords)
{
    TGrupaNominalna g(2);
    TCustomWypGrupa& group = *g.z.Word(0).Group();
    group.LeadTexts = {FromUtf8("dla")};
    group.TailTexts = {FromUtf8("też")};
    g.z.Utterance().Transfer();
    EXPECT_EQ(g.z.Target(), "Dla małego domu też");

    g.z.Word(0).Translate = false;
    g.z.Utterance().Transfer();
    EXPECT_EQ(g.z.Target(), "dla domu też") << "the first rendered word takes the lead text";
}

// ---------------------------------------------------------------- prefixes

struct TPrzedrostek {
    const char* name;
    std::uint8_t target;
    const char* prefix;
    const char* literal;
    const char* expected;
};

class PrefixBeforeForm : public ::testing::TestWithParam<TPrzedrostek> {};

TEST_P(PrefixBeforeForm, TakesTheFormTheFollowingWordAsksFor)
{
    const TPrzedrostek& c = GetParam();
    TZdanieRecznie z({.Source = c.target == jezPolski ? jezFrancuski : jezPolski, .Target = c.target});
    TCustomWypSlowo& word = z.Add("x");
    z.Add("y"); // keeps the word from starting the sentence with a capital
    word.SentenceCapital = false;
    TTlumaczenie& translation = word.Translations.Item(word.Translations.Add());
    translation.Text = FromUtf8(c.literal);
    translation.Prefix = FromUtf8(c.prefix);
    word.ChooseTranslation(0);
    EXPECT_EQ(z.Render(0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypSkladanie, PrefixBeforeForm,
    ::testing::Values(TPrzedrostek{"PolishPrepositionUnchanged", jezPolski, "w", "domu", "w domu"},
                      TPrzedrostek{"PolishWBeforeWr", jezPolski, "w", "Wrocławiu", "we Wrocławiu"},
                      TPrzedrostek{"PolishZBeforeSz", jezPolski, "z", "szkoły", "ze szkoły"},
                      TPrzedrostek{"PolishZBeforeSzVowel", jezPolski, "z", "szafą", "z szafą"},
                      TPrzedrostek{"PolishLastWordOfALongerPrefix", jezPolski, "razem z", "szkołą", "razem ze szkołą"},
                      TPrzedrostek{"FrenchLeBeforeVowel", jezFrancuski, "le", "arbre", "l'arbre"},
                      TPrzedrostek{"FrenchLaBeforeMuteH", jezFrancuski, "la", "histoire", "l'histoire"},
                      TPrzedrostek{"FrenchLeBeforeAspiratedH", jezFrancuski, "le", "hibou", "le hibou"},
                      TPrzedrostek{"FrenchLaBeforeConsonant", jezFrancuski, "la", "maison", "la maison"},
                      TPrzedrostek{"FrenchDeLaBeforeVowel", jezFrancuski, "de la", "eau", "de l'eau"},
                      TPrzedrostek{"ApostropheTakesNoSpace", jezFrancuski, "l'", "arbre", "l'arbre"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransWypSkladanie, ATranslationsPrefixMeetsTheCaseOfItsGroup)
{
    TZdanieRecznie z;
    z.Add("maison");
    z.Group(0, 0, tgNominalna, 4).casus = 6;
    z.Utterance().SetHead(0);
    TZdanieRecznie::Translate(z.Word(0), {"dom *134"}, "w");
    z.Utterance().Transfer();
    EXPECT_EQ(z.Target(), "W domu") << "the sentence capital goes to the preposition";
    EXPECT_EQ(z.Word(0).TranslationPrefix, "w");
    EXPECT_EQ(z.Word(0).UsedCase, 6);
}

// ---------------------------------------------------------------- translation modes

struct TTryb {
    const char* name;
    int mode;
    std::vector<const char*> translations;
    const char* expected;
};

class RenderingInMode : public ::testing::TestWithParam<TTryb> {};

TEST_P(RenderingInMode, ShowsOneOrEveryTranslation)
{
    TZdanieRecznie z({.Mode = GetParam().mode});
    z.Add("x");
    z.Add("y");
    z.Word(0).SentenceCapital = false;
    for (const char* text : GetParam().translations)
        z.Word(0).Translations.Item(z.Word(0).Translations.Add()).Text = text;
    z.Word(0).ChooseTranslation(0);
    EXPECT_EQ(z.Render(0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TransWypSkladanie, RenderingInMode,
                         ::testing::Values(TTryb{"Automatic0ShowsAll", 0, {"a", "b", "c"}, "a {b, c}"},
                                           TTryb{"Automatic0TwoTranslations", 0, {"a", "b"}, "a {b}"},
                                           TTryb{"Automatic0OneTranslationAlone", 0, {"a"}, "a"},
                                           TTryb{"NonContextual5ShowsAll", 5, {"a", "b", "c"}, "a {b, c}"},
                                           TTryb{"Single1ShowsTheChosen", 1, {"a", "b", "c"}, "a"},
                                           TTryb{"Interactive2ShowsTheChosen", 2, {"a", "b", "c"}, "a"},
                                           TTryb{"Interpretations12ShowsTheChosen", 12, {"a", "b", "c"}, "a"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TransWypSkladanie, ChoiceTextsNameEachTranslationWithItsLabel)
{
    TZdanieRecznie z({.Mode = 0});
    z.Add("x");
    z.Add("y");
    z.Word(0).SentenceCapital = false;
    TZdanieRecznie::TranslateLiterally(z.Word(0), {"a", "b"});
    z.Word(0).Translations.Item(1).Label = "(pot.)";
    EXPECT_EQ(z.Words().AllRenderings(0), "a\r\nb\r\n");
    EXPECT_EQ(z.Words().AllRenderingsLabelled(0), "a \r\nb (pot.)\r\n");
    z.Words().Around(0).Przed = "<";
    z.Words().Around(0).Po = ">";
    z.Word(0).PreText = "-";
    EXPECT_EQ(z.Words().WordWithSurroundings(0, 1), "<-b>");
}

TEST(TransWypSkladanie, RenderingNeverFails)
{
    TZdanieRecznie z;
    TCustomWypSlowo& word = z.Add("maison", {"dom"});
    EXPECT_EQ(z.Render(0), "Dom") << "a form without code is its lemma";
    EXPECT_EQ(z.Utf8(z.Words().RenderTranslation(0, 7)), "Maison") << "out of range: the source text";
    word.ChosenTranslation = -1;
    EXPECT_EQ(z.Render(0), "Maison");
    EXPECT_EQ(z.Words().Render(-1, 0), "");
    EXPECT_EQ(z.Words().Render(5, 0), "");
}

TEST(TransWypSkladanie, AWordThatIsNotTranslatedRendersAsNothingOrALoneDashAsASpace)
{
    TZdanieRecznie z;
    z.Add("a", {"b"});
    z.Add("-", {"myślnik"});
    z.Word(1).Translate = false;
    EXPECT_EQ(z.Render(1), "");
    z.Word(1).SetMarker(znMyslnikSpacja);
    EXPECT_EQ(z.Render(1), " ");
}

// ---------------------------------------------------------------- capitalisation

TEST(TransWypSkladanie, AWordWrittenInCapitalsRendersInCapitals)
{
    TZdanieRecznie z;
    z.Add("le", {"ten"});
    z.Word(0).Translate = false;
    TCustomWypSlowo& paris = z.Add("PARIS");
    paris.Capitalised = paris.AllCaps = true;
    z.Group(1, 1, tgNominalna, 4).casus = 6;
    TZdanieRecznie::Translate(paris, {"Paryż *134"}, "w");
    EXPECT_EQ(z.Render(1), "W PARYŻU");
}

TEST(TransWypSkladanie, TheFirstWordOfASentenceGetsACapital)
{
    TZdanieRecznie z;
    z.Add("maison", {"dom *134"});
    z.Add("blanche", {"biały *7"});
    z.Utterance().Transfer();
    EXPECT_EQ(z.Target(), "Dom biały");
}

TEST(TransWypSkladanie, AParenthesisWordFollowsInBrackets)
{
    TZdanieRecznie z;
    z.Add("a", {"dom"});
    z.Add("b", {"domek"});
    z.Word(0).ParenthesisWord = 1;
    EXPECT_EQ(z.Render(0), "Dom (domek)");
}

// ---------------------------------------------------------------- verbs

// "La femme lisait": the verb takes person and tense from its group and gender and
// number from its subject.
TEST(TransWypSkladanie, AVerbAgreesWithItsSubject)
{
    TZdanieRecznie z;
    z.Add("femme");
    z.Add("lisait", {"czytać **1"});
    TCustomWypGrupa& subject = z.Group(0, 0, tgNominalna, 6);
    subject.lba = 1;
    z.Utterance().SetHead(0);
    TZdanieRecznie::Translate(z.Word(0), {"kobieta *3"});
    TCustomWypGrupa& verb = z.Group(1, 1, tgWerbalna, 1);
    verb.pn = 3;
    verb.Tense = 2; // imparfait
    EXPECT_EQ(z.Render(1), "czytała");
    EXPECT_EQ(z.Word(1).UsedFormCode, fpPrzeszly);
    EXPECT_EQ(z.Word(1).UsedPerson, 3);
}

struct TRozkaz {
    const char* name;
    bool prosze;
    int person;
    int marker;
    const char* expected;
    int usedFormCode;
};

class Imperative : public ::testing::TestWithParam<TRozkaz> {};

TEST_P(Imperative, SecondPersonPluralBecomesProszeWithTheInfinitive)
{
    const TRozkaz& c = GetParam();
    TZdanieRecznie z({.Assembly = {.ImperativProsze = c.prosze}});
    z.Add("x");
    TCustomWypSlowo& verb = z.Add("lisez", {"czytać **1"});
    verb.FormCode = fpRozkazujacy;
    verb.pn = c.person;
    if (c.marker > 0)
        verb.SetMarker(c.marker);
    EXPECT_EQ(z.Render(1), c.expected);
    EXPECT_EQ(verb.UsedFormCode, c.usedFormCode);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypSkladanie, Imperative,
    ::testing::Values(TRozkaz{"Off", false, 5, 0, "czytajcie", fpRozkazujacy},
                      TRozkaz{"On", true, 5, 0, "proszę czytać", fpBezokolicznik},
                      TRozkaz{"OnSecondOfTwoImperatives", true, 5, znDrugiRozkazujacy, "czytać", fpBezokolicznik},
                      TRozkaz{"OnMarkedWithoutProsze", true, 5, znBezProsze, "czytać", fpBezokolicznik},
                      TRozkaz{"OnSingularStays", true, 2, 0, "czytaj", fpRozkazujacy}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransWypSkladanie, SieOfAMultiWordTranslationIsKeptAsItIs)
{
    TZdanieRecznie z;
    z.Add("x");
    TCustomWypSlowo& verb = z.Add("lit", {"czytać **1", "się"});
    verb.pn = 3;
    verb.vt = 1;
    EXPECT_EQ(z.Render(1), "czyta się");
}

TEST(TransWypSkladanie, AdverbsAndAdjectivesMarkedForItGetTheirDescriptivePhrase)
{
    TZdanieRecznie z;
    z.Add("x");
    TCustomWypSlowo& adverb = z.Add("volontairement", {"zamierzać **1"});
    adverb.SetMarker(znWSposob);
    adverb.FormCode = fpImieslowBierny;
    TCustomWypSlowo& adjective = z.Add("scientifique", {"naukowy *7"});
    adjective.SetMarker(znOCharakterze);
    EXPECT_EQ(z.Render(1), "w sposób zamierzany");
    EXPECT_EQ(z.Render(2), "o charakterze naukowym");
}

TEST(TransWypSkladanie, SecondPersonFormsTakeACapitalWhenTheSettingAsks)
{
    for (const bool capital : {false, true}) {
        TZdanieRecznie z({.Assembly = {.FrTyWyZWielkiej = capital}});
        z.Add("x");
        TCustomWypSlowo& pronoun = z.Add("toi", {"ty *90"});
        pronoun.FormCase = 5;
        EXPECT_EQ(z.Render(1), capital ? "Tobą" : "tobą");
    }
}

// ---------------------------------------------------------------- French target

TEST(TransWypSkladanie, FrenchSeFollowsThePersonOnlyForAReflexiveVerb)
{
    TZdanieRecznie z({.Source = jezPolski, .Target = jezFrancuski});
    z.Add("x");
    TCustomWypSlowo& word = z.Add("się", {"se"});
    z.Group(1, 1, tgWerbalna, 1).pn = 1;
    EXPECT_EQ(z.Render(1), "se");
    word.SetMarker(znZwrotny);
    EXPECT_EQ(z.Render(1), "me");
}

TEST(TransWypSkladanie, FrenchNegationPutsPasAfterTheFirstWord)
{
    TZdanieRecznie z({.Source = jezPolski, .Target = jezFrancuski});
    z.Add("x");
    TZdanieRecznie::TranslateLiterally(z.Add("jem"), {"mange"});
    TZdanieRecznie::TranslateLiterally(z.Add("zjadłem"), {"ai mangé"});
    z.Word(1).SetMarker(znPrzeczenieFr);
    z.Word(2).SetMarker(znPrzeczenieFr);
    EXPECT_EQ(z.Render(1), "mange pas");
    EXPECT_EQ(z.Render(2), "ai pas mangé");
}

// ---------------------------------------------------------------- texts around the form

TEST(TransWypSkladanie, RuleTextsAndLeadTextsStandDirectlyAroundTheForm)
{
    TZdanieRecznie z;
    z.Add("x");
    TCustomWypSlowo& word = z.Add("y", {"dom"});
    word.LeadText = "(";
    word.TailText = ")";
    word.RuleBefore = {"a", "b"};
    word.RuleAfter = {"c", "d"};
    word.LeadWord = "bardzo";
    EXPECT_EQ(z.Render(1), "bardzo ab(dom)cd");
}

// An attached word takes the head's case and renders before it (or after it).
TEST(TransWypSkladanie, AttachedWordsBecomeThePrefixOrSuffix)
{
    for (const bool after : {false, true}) {
        TZdanieRecznie z;
        z.Add("x");
        TCustomWypSlowo& head = z.Add("maison", {"dom *134"});
        head.FormCase = 6;
        head.Attached = std::make_unique<TCustomWypSlowa>(&z.Utterance());
        head.AttachAfter = after;
        const int j = head.Attached->AddWord("petit", "", {}, 0, 5, false);
        head.Attached->Word(j).SetCode(60);
        TZdanieRecznie::Translate(head.Attached->Word(j), {"mały *7"});
        EXPECT_EQ(z.Render(1), after ? "domu małym" : "małym domu");
    }
}

TEST(TransWypSkladanie, TheChosenTranslationsPrefixAndExtrasGoToTheWord)
{
    TZdanieRecznie z;
    TCustomWypSlowo& word = z.Add("x");
    TTlumaczenie& translation = TZdanieRecznie::Translate(word, {"dom"}, "do");
    translation.Extra[2] = "e3";
    word.TranslationPrefix.clear();
    word.Chosen = {};
    z.Words().TargetTextOf(0);
    EXPECT_EQ(word.TranslationPrefix, "do");
    EXPECT_EQ(word.Chosen[2], "e3");
}

// ---------------------------------------------------------------- ordinals

struct TPorzadkowy {
    const char* name;
    std::vector<const char*> forms;
    std::vector<const char*> expected;
    const char* rendered;
};

class Ordinals : public ::testing::TestWithParam<TPorzadkowy> {};

TEST_P(Ordinals, TheUnitsAndTensOfANumberBecomeOrdinalAdjectives)
{
    std::vector<std::string> forms;
    for (const char* form : GetParam().forms)
        forms.push_back(FromUtf8(form));
    OrdinalForms(forms);
    std::vector<std::string> shown;
    for (const std::string& form : forms)
        shown.push_back(ToUtf8(form, jezPolski));
    EXPECT_EQ(shown, std::vector<std::string>(GetParam().expected.begin(), GetParam().expected.end()));

    TZdanieRecznie z;
    z.Add("x");
    TCustomWypSlowo& word = z.Add("y");
    word.Translations.Item(word.Translations.Add()).Forms = forms;
    word.ChooseTranslation(0);
    EXPECT_EQ(z.Render(1), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    TransWypSkladanie, Ordinals,
    ::testing::Values(
        TPorzadkowy{
            "TwentyThree", {"dwadzieścia *95", "trzy *95"}, {"dwudziesty *7", "trzeci *7"}, "dwudziesty trzeci"},
        TPorzadkowy{"HundredTwentyThree",
                    {"sto *95", "dwadzieścia *95", "trzy *95"},
                    {"sto *95", "dwudziesty *7", "trzeci *7"},
                    "sto dwudziesty trzeci"},
        TPorzadkowy{"TwoHundredThree", {"dwieście *95", "trzy *95"}, {"dwieście *95", "trzeci *7"}, "dwieście trzeci"},
        TPorzadkowy{"Hundred", {"sto *95"}, {"setny *7"}, "setny"}, TPorzadkowy{"Digits", {"23"}, {"23"}, "23"},
        TPorzadkowy{"NotANumber", {"rok *134", "pięć *95"}, {"rok *134", "piąty *7"}, "rok piąty"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmar
