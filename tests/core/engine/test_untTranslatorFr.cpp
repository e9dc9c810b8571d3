// The French preparation of words as segmentation adds them.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "DaneFrancuskie.h"
#include "FakeSlowniki.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorFr.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

// Each word as Przed[Text]Po, with "=fixed target" and "#code" when it has them, and
// "(s..e)" its span in the paragraph.
std::string Show(const TCustomWypowiedzenia& list)
{
    std::string shown;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypSlowa& words = list.Item(u)->Words();
        for (int i = 0; i < words.Count(); ++i) {
            const TCustomWypSlowo& word = words.Word(i);
            shown += words.Around(i).Przed + "[" + ToUtf8(word.Text, jezFrancuski);
            if (!word.FixedTarget.empty())
                shown += "=" + word.FixedTarget;
            if (word.Readings.Count() > 0)
                shown += "#" + std::to_string(word.Code);
            shown += "(" + std::to_string(word.Start) + ".." + std::to_string(word.End) + ")]" + words.Around(i).Po;
        }
        shown += words.Tail;
    }
    return shown;
}

struct TOdczyt {
    const char* Word; // UTF-8
    const char* Lemma;
    int Code;
};

void AddReadings(test::TFakeSlowniki& dictionaries, std::initializer_list<TOdczyt> readings)
{
    for (const TOdczyt& reading : readings)
        dictionaries.AddReading(FromUtf8(reading.Word), FromUtf8(reading.Lemma), reading.Code);
}

// One French sentence segmented over the dictionaries; * gives its utterance.
class TZdanieFr {
public:
    TZdanieFr(TSlownikiWypowiedzi& dictionaries, const char* sentence, bool tellAFromAccentedA = false,
              int translationMode = 0)
        : utterances_(ContextOf(dictionaries, tellAFromAccentedA, translationMode))
    {
        utterances_.Segment(FromUtf8(sentence), true);
    }

    TWypowiedzenieFr& operator*() { return dynamic_cast<TWypowiedzenieFr&>(*utterances_.Item(0)); }

private:
    static TKontekstWypowiedzi ContextOf(TSlownikiWypowiedzi& dictionaries, bool tellAFromAccentedA, int mode)
    {
        TKontekstWypowiedzi context;
        context.Dictionaries = &dictionaries;
        context.Settings.TranslationMode = mode;
        context.Analysis.FrTellAFromAccentedA = tellAFromAccentedA;
        return context;
    }

    TWypowiedzeniaFr utterances_;
};

struct TPrzypadek {
    const char* Text;
    const char* Shown;
};

class FrenchPreparation : public testing::TestWithParam<TPrzypadek> {};

TEST_P(FrenchPreparation, SplitsCutsAndCarriesOver)
{
    test::TFakeSlowniki dictionaries;
    for (const auto& [word, code] : {std::pair{"de", 241},
                                     {"le1", 31},
                                     {"à", 241},
                                     {"À", 241},
                                     {"les", 33},
                                     {"si", 242},
                                     {"il", 213},
                                     {"ils", 218},
                                     {"l'", 34},
                                     {"homme", 1},
                                     {"dis", 84},
                                     {"moi", 226},
                                     {"a", 95},
                                     {"etc.", 250},
                                     {"maison", 5},
                                     {"aujourd'hui", 250}})
        dictionaries.AddReading(FromUtf8(word), FromUtf8(word), code);
    // an expression that must not tear an address apart
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"e-mail", "e-mail chez"};
    TKontekstWypowiedzi context;
    context.Dictionaries = &dictionaries;
    TWypowiedzeniaFr utterances(context);
    utterances.Segment(FromUtf8(GetParam().Text), true);
    EXPECT_EQ(Show(utterances), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrenchPreparation,
    testing::Values(TPrzypadek{"du", "[de#241(0..2)] [le1#31(0..2)]"}, TPrzypadek{"Au", "[À#241(0..2)] [le1#31(0..2)]"},
                    TPrzypadek{"aux", "[à#241(0..3)] [les#33(0..3)]"},
                    TPrzypadek{"s'il", "[si#242(0..2)] [il#213(2..4)]"},
                    TPrzypadek{"l'homme", "[l'#34(0..2)] [homme#1(2..7)]"},
                    TPrzypadek{"aujourd'hui", "[aujourd'hui#250(0..11)]"},
                    TPrzypadek{"dis-moi", "[dis#84(0..3)][-(3..4)][moi#226(4..7)]"},
                    TPrzypadek{"a-t-il", "[a#95(0..1)] [-t-(1..4)] [il#213(4..6)]"},
                    TPrzypadek{"\"maison\"", "\"[maison#5(1..7)]\""}, TPrzypadek{"etc.", "[etc.#250(0..4)]"},
                    TPrzypadek{"maison.", "[maison#5(0..6)]."},
                    TPrzypadek{"le 1er mai 1999", "[le(0..2)] [1er=1.(3..6)] [mai(7..10)] [1999=1999(11..15)]"},
                    // A Roman ordinal keeps its numeral; "Me" (Maître) is no numeral.
                    TPrzypadek{"XIXe Ier Me", "[XIXe=XIX(0..4)] [Ier=I(5..8)] [Me(9..11)]"},
                    // A lone hyphen stays one word.
                    TPrzypadek{"-", "[-(0..1)]"},
                    // An address is carried over whole, whatever expression it begins with.
                    TPrzypadek{"e-mail@exemple.fr chez", "[e-mail@exemple.fr=e-mail@exemple.fr(0..17)] [chez(18..22)]"}),
    test::NamedBy([](const TPrzypadek& c) { return test::Spelled(c.Text); }));

// Readings over real dictionary instances: the sub-record of the form's gender, the
// hidden meanings, the name classes.
class FrenchReadings : public testing::Test {
protected:
    FrenchReadings()
    {
        test::WriteDataFile(folder, "frpol2.sg", "main",
                            "tour_#1 obrót , objazd #2 wieża\n"
                            "page_#2 strona , ‰ karta\n"
                            "Jean_{imię męskie} #1 Jan\n"
                            "voile_#3 żagiel\n"
                            "la_#35 \n"
                            "personne_#2 człowiek *1 #94 nikt *90\n");
        test::WriteDataFile(
            folder, "franc2.so", "forms",
            "tour\\{{001}}tour\ntour\\{{005}}tour\nlivre\\{{001}}livre\nvoile\\{{005}}voile\n"
            "voiles\\{{007}}voile\npersonne\\{{005}}personne\npersonne\\{{230}}personne\npersonnes\\{{007}}personne\n");
        test::WriteDataFile(folder, "frpol2.sp", "phrase", "livre_#1 tom\nvoile_#2 welon\n");
        ApplyWorkingMode(program, ChooseWorkingMode(""));
        set.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true);
    }

    const TCustomWypSlowo& Word(const std::string& utf8)
    {
        list.Segment(FromUtf8(utf8), true);
        return list.Item(list.Count() - 1)->Words().Word(0);
    }

    test::TempFolder folder;
    TWartosciProgramu program;
    TSlowniki set{TFolderyDanych(folder.Path(), folder.Path())};
    TSlownikiRobocze worker{set, jezFrancuski};
    TWypowiedzeniaFr list{TKontekstWypowiedzi{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr}};
};

TEST_F(FrenchReadings, EachGenderOfANounKeepsItsOwnSubRecord)
{
    const TCustomWypSlowo& tour = Word("tour");
    ASSERT_EQ(tour.Readings.Count(), 2);
    for (int r = 0; r < 2; ++r) {
        const TZnaczenie& reading = *tour.Readings.Item(r);
        ASSERT_EQ(reading.Entry->SubRecords.Count(), 1);
        EXPECT_EQ(reading.Entry->SubRecords.Item(0)->Code, reading.Code == 1 ? "1" : "2");
        EXPECT_EQ(reading.Qualifier, reading.Code == 1 ? 1 : 2);
    }
    const TZnaczenie& voile = *Word("voile").Readings.Item(0);
    EXPECT_EQ(voile.Entry->SubRecords.Count(), 1) << "no feminine sub-record: the entry keeps its own";
}

TEST_F(FrenchReadings, APhraseEntryOfTheTextStandsForTheWordAndABaseGivesBoth)
{
    const TCustomWypSlowo& livre = Word("livre");
    ASSERT_EQ(livre.Readings.Count(), 1);
    EXPECT_EQ(livre.Readings.Item(0)->DictKind, rsZwrotow);
    EXPECT_EQ(livre.Readings.Item(0)->Code, 1) << "the code of its form";
    const TCustomWypSlowo& voiles = Word("voiles");
    ASSERT_EQ(voiles.Readings.Count(), 2);
    EXPECT_EQ(voiles.Readings.Item(0)->DictKind, rsGlowny);
    EXPECT_EQ(voiles.Readings.Item(1)->DictKind, rsZwrotow);
    EXPECT_EQ(voiles.Readings.Item(1)->Code, 7);
}

TEST_F(FrenchReadings, AStopRequestEndsTheAnalysisWithNothingWritten)
{
    for (const bool stopped : {false, true}) {
        std::atomic<bool> stop = stopped;
        TWypowiedzeniaFr utterances{
            TKontekstWypowiedzi{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, &stop}};
        utterances.Segment("tour", true);
        utterances.Item(0)->Analyse(0);
        EXPECT_EQ(utterances.Item(0)->Words().Word(0).Translations.Count() == 0, stopped);
    }
}

// "personne" after an article and "personnes" anywhere are a person: the meaning
// "osoba" becomes the preferred one, added when the entry lacks it.
TEST_F(FrenchReadings, PersonneIsAPerson)
{
    for (const char* sentence : {"la personne", "personnes"}) {
        TWypowiedzeniaFr utterances{
            TKontekstWypowiedzi{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr}};
        utterances.Segment(FromUtf8(sentence), true);
        utterances.Item(0)->Analyse(0);
        const TCustomWypSlowa& words = utterances.Item(0)->Words();
        const TCustomWypSlowo& personne = words.Word(words.Count() - 1);
        ASSERT_GT(personne.Readings.Count(), 0) << sentence;
        EXPECT_TRUE(personne.HasMarker(znWymuszoneZnaczenie)) << sentence;
        const TTransSlownikPodrekord& record = *personne.Readings.Item(0)->Entry->SubRecords.Item(0);
        ASSERT_EQ(record.Meanings.Count(), 2) << sentence;
        EXPECT_FALSE(record.Meanings.Item(0)->Preferred);
        EXPECT_EQ(record.Meanings.Item(1)->WordWithCode(0), "osoba *343");
        EXPECT_TRUE(record.Meanings.Item(1)->Preferred);
    }
}

TEST_F(FrenchReadings, HiddenMeaningsGoAndNameClassesBecomeMarkers)
{
    const TTransSlownikSlowo& page = *Word("page").Readings.Item(0)->Entry;
    ASSERT_EQ(page.SubRecords.Count(), 1);
    EXPECT_EQ(page.SubRecords.Item(0)->Meanings.Count(), 1);
    const TCustomWypSlowo& jean = Word("Jean");
    EXPECT_TRUE(jean.HasMarker(159)) << "a first name";
}

// The translations the word "souris" gets from one entry in mode 1.
class FrenchMeanings : public testing::Test {
protected:
    std::string Translations(const std::string& entry, const std::function<void(TOpcjeAnalizy&)>& adjust = {})
    {
        test::TempFolder folder;
        test::WriteDataFile(folder, "frpol2.sg", "main", entry + "\n");
        test::WriteDataFile(folder, "franc2.so", "forms", "souris\\{{006}}souris\n");
        TWartosciProgramu program;
        ApplyWorkingMode(program, ChooseWorkingMode(""));
        TSlowniki set{TFolderyDanych(folder.Path(), folder.Path())};
        set.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true);
        TSlownikiRobocze worker{set, jezFrancuski};
        TKontekstWypowiedzi context{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr};
        context.Settings.TranslationMode = 1;
        if (adjust)
            adjust(context.Analysis);
        TWypowiedzeniaFr list{context};
        list.Segment("souris", true);
        list.Item(0)->Analyse(0);
        std::string shown;
        TTlumaczenia& found = list.Item(0)->Words().Word(0).Translations;
        for (int t = 0; t < found.Count(); ++t)
            shown += (t > 0 ? "|" : "") + ToUtf8(found.Item(t).Forms.at(0), jezPolski);
        return shown;
    }
};

// The meaning of the text's subject domain when the user chose one, and only that one
// when "DrugieZnaczenie" is off.
TEST_F(FrenchMeanings, TheSubjectDomainOfTheTextAndTheSecondMeanings)
{
    const std::string entry = "souris_#2 mysz *34 , +12 myszka *34 , szara";
    const auto computing = [](TOpcjeAnalizy& options) { options.Subjects.set(12); };
    EXPECT_EQ(Translations(entry), "mysz *34|myszka *34|szara");
    EXPECT_EQ(Translations(entry, computing), "myszka *34|mysz *34|szara");
    EXPECT_EQ(Translations(entry,
                           [&](TOpcjeAnalizy& options) {
                               computing(options);
                               options.SecondMeanings = false;
                           }),
              "myszka *34");
}

// A sub-record of another class than the form's code cannot translate it, not even as
// one of the alternatives offered.
TEST_F(FrenchMeanings, SubRecordsOfAnotherClassThanTheFormGo)
{
    EXPECT_EQ(Translations("souris_#2 mysz *34 #4 chichotać **1"), "mysz *34");
}

// ---------------------------------------------------------------- reading choice

struct TWybor {
    const char* Sentence;
    int Word;          // 0-based
    const char* Lemma; // of the committed reading
    int Code;
};

class FrenchReadingChoice : public testing::TestWithParam<TWybor> {};

TEST_P(FrenchReadingChoice, TheContextDecides)
{
    test::TFakeSlowniki dictionaries;
    const auto add = [&](const char* word, const char* lemma, int code, int score = kOcenaNeutralna) {
        dictionaries.AddReading(FromUtf8(word), FromUtf8(lemma), code, score);
    };
    for (const auto& [word, code] : {std::pair{"la", 35},
                                     {"le", 31},
                                     {"les", 33},
                                     {"il", 213},
                                     {"nous", 216},
                                     {"de", 241},
                                     {"tu", 212},
                                     {"un", 31},
                                     {"l'", 34},
                                     {"je", 211},
                                     {"sous", 241}})
        add(word, word, code);
    add("ferme", "ferme", 5), add("ferme", "ferme", 61), add("ferme", "fermer", 90);
    add("pouvoir", "pouvoir", 1), add("pouvoir", "pouvoir", 80);
    add("portions", "portion", 7), add("portions", "porter", 168);
    add("personne", "personne", 5), add("personne", "personne", 230);
    add("fils", "fil", 3), add("fils", "fils", 3);
    add("mal", "mal", 250), add("mal", "mal", 1);
    add("portes", "porte", 7), add("portes", "porter", 93);
    add("est", "est", 1), add("est", "être", 95);
    add("ton", "ton", 41), add("ton", "ton", 1, 80);
    add("lit", "lire", 95), add("lit", "lit", 1);
    add("aide", "aide", 11), add("aide", "aider", 90);
    add("entrée", "entrer", 192), add("entrée", "entrée", 5);
    // the user's reading comes first and is taken as it stands
    add("moule", "moule", 1), add("moule", "moule", 5), add("moule", "mouler", 90);
    dictionaries.Words["moule"][0].DictKind = rsUzytkownika;
    TZdanieFr sentence(dictionaries, GetParam().Sentence);
    TWypowiedzenieFr& utterance = *sentence;
    utterance.ChooseReadings();
    const TCustomWypSlowo& word = utterance.Words().Word(GetParam().Word);
    EXPECT_EQ(ToUtf8(word.Lemma, jezFrancuski), GetParam().Lemma);
    EXPECT_EQ(word.Code, GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrenchReadingChoice,
                         testing::Values(TWybor{"la ferme", 1, "ferme", 5}, TWybor{"il ferme", 1, "fermer", 90},
                                         TWybor{"le ferme", 1, "fermer", 90}, TWybor{"le pouvoir", 1, "pouvoir", 1},
                                         TWybor{"de pouvoir", 1, "pouvoir", 80},
                                         TWybor{"nous portions", 1, "porter", 168},
                                         TWybor{"les portions", 1, "portion", 7},
                                         TWybor{"la personne", 1, "personne", 5}, TWybor{"les fils", 1, "fils", 3},
                                         TWybor{"le mal", 1, "mal", 1}, TWybor{"tu portes", 1, "porter", 93},
                                         TWybor{"les portes", 1, "porte", 7}, TWybor{"il est", 1, "être", 95},
                                         TWybor{"ton", 0, "ton", 1}, TWybor{"la moule", 1, "moule", 1},
                                         TWybor{"sous le lit", 2, "lit", 1}, TWybor{"il le lit", 2, "lire", 95},
                                         TWybor{"le lit", 1, "lit", 1}, TWybor{"je l'aide", 2, "aider", 90},
                                         TWybor{"l'aide", 1, "aide", 11}, TWybor{"la entrée", 1, "entrée", 5}),
                         test::NamedBy([](const TWybor& c) { return test::Spelled(c.Sentence); }));

// ---------------------------------------------------------------- expressions

struct TWyrazenie {
    const char* Sentence;
    bool UserHasMettreEn;
    const char* Words; // the words after the join, "|" between them
    int VerbCode;      // of the joined verb expression, 0 when none
};

class FrenchExpressions : public testing::TestWithParam<TWyrazenie> {};

TEST_P(FrenchExpressions, BecomeOneWord)
{
    test::TFakeSlowniki dictionaries;
    AddReadings(dictionaries, {{"il", "il", 213},
                               {"a", "avoir", 95},
                               {"mis", "mettre", 198},
                               {"en", "en", 241},
                               {"place", "place", 5},
                               {"à", "à", 241},
                               {"le1", "le1", 31},
                               {"moins", "moins", 251}});
    for (const char* expression : {"mettre en place", "au moins", "mettre en"})
        dictionaries.AddReading(expression, expression, 4);
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"mettre en place", "au moins"};
    if (GetParam().UserHasMettreEn)
        dictionaries.Expressions[TSlownikWyrazen::Uzytkownika] = {"mettre en"};
    TZdanieFr sentence(dictionaries, GetParam().Sentence);
    TWypowiedzenieFr& utterance = *sentence;
    utterance.ChooseReadings();
    utterance.JoinExpressions();
    std::string shown;
    int verbCode = 0;
    for (int i = 0; i < utterance.Words().Count(); ++i) {
        const TCustomWypSlowo& word = utterance.Words().Word(i);
        shown += (i > 0 ? "|" : "") + ToUtf8(word.Text, jezFrancuski);
        if (word.Text.starts_with("mettre"))
            verbCode = word.Code;
    }
    EXPECT_EQ(shown, GetParam().Words);
    EXPECT_EQ(verbCode, GetParam().VerbCode);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrenchExpressions,
                         testing::Values(TWyrazenie{"au moins", false, "au moins", 0},
                                         TWyrazenie{"il a mis en place", false, "il|a|mettre en place", 198},
                                         TWyrazenie{"il a mis en place", true, "il|a|mettre en|place", 198}),
                         test::NamedBy([](const TWyrazenie& c) {
                             return std::string(c.Sentence) + (c.UserHasMettreEn ? " user" : "");
                         }));

TEST(FrenchPrePass, WithTheOptionABeforeNoParticipleIsTheAccentedA)
{
    test::TFakeSlowniki dictionaries;
    AddReadings(
        dictionaries,
        {{"il", "il", 213}, {"a", "avoir", 95}, {"mangé", "manger", 191}, {"Paris", "Paris", 1}, {"à", "à", 241}});
    for (const bool option : {false, true}) {
        SCOPED_TRACE(option);
        TZdanieFr sentence(dictionaries, "il a mangé, a Paris", option);
        TWypowiedzenieFr& utterance = *sentence;
        utterance.PrePass();
        EXPECT_EQ(utterance.Words().Word(1).Text, "a");
        EXPECT_EQ(ToUtf8(utterance.Words().Word(4).Text, jezFrancuski), option ? "à" : "a");
    }
}

TEST(FrenchWordByWord, TheArticlesCarryNoPolishWord)
{
    test::TFakeSlowniki dictionaries;
    AddReadings(dictionaries, {{"le", "le", 31}, {"la", "la", 223}, {"de", "de", 241}, {"le1", "le1", 31}});
    constexpr int kWordByWord = 5;
    TZdanieFr sentence(dictionaries, "le du la", false, kWordByWord);
    TWypowiedzenieFr& utterance = *sentence;
    utterance.Analyse(0);
    std::string rendered;
    for (int i = 0; i < utterance.Words().Count(); ++i)
        rendered += utterance.Words().Word(i).Text + (utterance.Words().Word(i).Translate ? "+ " : "- ");
    EXPECT_EQ(rendered, "le- de+ le1- la+ ") << "an object pronoun \"la\" is no article";
}

} // namespace
} // namespace velmar
