// French sentences into Polish on the bundled data: whole sentences through the
// worker, and the stages one by one where a sentence would not show which of them
// went wrong — the homograph of "de", the case and kind of the groups, person and
// tense of verb codes that stand for several forms, and the aspect each tense asks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DaneWbudowane.h"
#include "GospodarzSkryptowy.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untKod.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorThread.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

TOpcjeAnalizy DefaultAnalysis()
{
    return {};
}

// The sentence through the worker in mode 1, as the target pane would get it.
std::string Translated(const std::string& french, const TOpcjeAnalizy& analysis = DefaultAnalysis())
{
    TSlownikiRobocze worker(test::BundledData::French().Dictionaries(), jezFrancuski);
    const TKontekstWypowiedzi context{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr};
    TOpcjeTlumaczenia options;
    options.TranslationMode = 1;
    options.Analysis = analysis;
    test::TGospodarzSkryptowy host(FromUtf8(french), jezFrancuski);
    TTranslatorThread(host, options, context, {}).Run();
    return ToUtf8(host.TargetText(), jezPolski);
}

// ---------------------------------------------------------------- whole sentences

struct TZdanie {
    const char* French;
    const char* Polish;
};

class FrenchToPolish : public testing::TestWithParam<TZdanie> {};

TEST_P(FrenchToPolish, ReadsAsPolish)
{
    EXPECT_EQ(Translated(GetParam().French), GetParam().Polish);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, FrenchToPolish,
    testing::Values(
        TZdanie{"Pierre mange une pomme.", "Piotr je jabłko."},
        TZdanie{"Pierre ne mange pas de pomme.", "Piotr nie je jabłka."},
        TZdanie{"la maison de mon père", "dom mojego ojca"}, TZdanie{"Je vais à Paris.", "Idę do Paryża."},
        TZdanie{"Il est à Paris.", "On jest w Paryżu."}, TZdanie{"Il habite à Wrocław.", "On mieszka we Wrocławiu."},
        TZdanie{"J'ai mangé une pomme.", "Zjadłem jabłko."}, TZdanie{"En lisant", "Czytając"},
        TZdanie{"On dit.", "Mówi się."}, TZdanie{"il y a trois ans", "przed trzema latami"},
        TZdanie{"Je ne mange que du pain.", "Jem tylko chleb."}, TZdanie{"Je ne le vois pas.", "Nie widzę go."},
        TZdanie{"Où habite Marie ?", "Gdzie mieszka Maria?"}, TZdanie{"le livre que je lis", "książka, którą czytam"},
        TZdanie{"les petites maisons blanches", "małe białe domy"}, TZdanie{"Donne-moi le livre.", "Daj mi książkę."},
        TZdanie{"Il vient de partir.", "On właśnie wyjechał."},
        TZdanie{"Je veux que tu viennes.", "Chcę, żebyś przyszedł."},
        // a verb with a reflexive entry of its own, and the clitic after it
        TZdanie{"Nous nous lavons.", "Myjemy się."}, TZdanie{"Ne mange pas !", "Nie jedz!"},
        TZdanie{"Il s'est levé.", "On wstał."},
        // the negation of a compound tense, and the negation words Polish puts before "nie"
        TZdanie{"Il n'a pas mangé.", "On nie zjadł."}, TZdanie{"Il n'a rien mangé.", "On nic nie zjadł."},
        TZdanie{"Il ne mange plus.", "On już nie je."}, TZdanie{"Tu m'as donné le livre.", "Dałeś mi książkę."},
        // object pronouns: the unstressed form, in the case the Polish verb governs
        TZdanie{"Je te vois.", "Widzę cię."}, TZdanie{"Je l'aide.", "Pomagam mu."},
        TZdanie{"Je cherche le livre.", "Szukam książki."}, TZdanie{"Je t'attends.", "Czekam na ciebie."},
        // a person after "à" is in the dative, a place keeps its preposition
        TZdanie{"J'ai donné le livre à Pierre.", "Dałem książkę Piotrowi."},
        // "des": the article Polish leaves out, or "de les", the genitive
        TZdanie{"Il mange des pommes.", "On je jabłka."}, TZdanie{"le livre des enfants", "książka dzieci"},
        TZdanie{"Il ne mange jamais de pomme.", "On nigdy nie je jabłka."},
        TZdanie{"La maison est grande et belle.", "Dom jest duży i piękny."},
        TZdanie{"Ils sont partis à Paris.", "Oni wyjechali do Paryża."},
        // the inverted subject pronoun goes with its hyphen; numerals agree with their noun
        TZdanie{"Comment vas-tu ?", "Jak idziesz?"},
        // the inversion without a question word asks for yes or no: "czy"
        TZdanie{"Viens-tu ?", "Czy przychodzisz?"}, TZdanie{"Manges-tu une pomme ?", "Czy jesz jabłko?"},
        TZdanie{"J'ai deux frères.", "Mam dwóch braci."},
        TZdanie{"Il a lu quelques livres.", "On przeczytał kilka książek."},
        // ne … jamais denies the act: the imperfective
        TZdanie{"Il n'a jamais lu le livre.", "On nigdy nie czytał książki."},
        TZdanie{"Il lisait un livre quand je suis entré.", "On czytał książkę, kiedy wszedłem."},
        // a surname the data does not know stays as it is written
        TZdanie{"Jean Martin mange une pomme.", "Jan Martin je jabłko."},
        TZdanie{"C'est la plus grande maison.", "To jest największy dom."},
        TZdanie{"Il est plus grand que Pierre.", "On jest większy niż Piotr."},
        TZdanie{"Avant de manger, il lit.", "Przed jedzeniem, on czyta."},
        TZdanie{"Il le fait, soit par amour, soit par peur.", "On robi go, albo przez miłość, albo przez peur."},
        TZdanie{"le livre de Pierre et de Marie", "książka Piotra i Marii"},
        TZdanie{"Il va de Paris à Londres.", "On idzie od Paryża do Londynu."},
        TZdanie{"Je sors de la maison.", "Wychodzę z domu."},
        TZdanie{"Je ne sais pas s'il vient.", "Nie wiem, czy on przychodzi."},
        // a relative clause inside its sentence: closed by a comma, skipped by the agreement
        TZdanie{"Le livre que je lis est bon.", "Książka, którą czytam, jest dobra."},
        // times that Polish says with other words or another preposition
        TZdanie{"Il vient à huit heures.", "On przychodzi o ósmej."},
        TZdanie{"Il part vers 9 heures.", "On wyjeżdża około 9."},
        TZdanie{"Je viens ce soir.", "Przychodzę dziś wieczorem."}, TZdanie{"Je travaille le matin.", "Pracuję rano."},
        TZdanie{"Je pars la semaine prochaine.", "Wyjeżdżam w przyszłym tygodniu."},
        TZdanie{"Cette année, il travaille.", "W tym roku, on pracuje."},
        TZdanie{"Cette année est belle.", "Ten rok jest piękny."},
        TZdanie{"Je viens lundi.", "Przychodzę w poniedziałek."}, TZdanie{"Il fait froid.", "Jest zimno."},
        TZdanie{"Il ne faut pas manger.", "Nie trzeba jeść."}),
    test::NamedBy([](const TZdanie& c) { return test::Spelled(c.French); }));

TEST(FrenchToPolishOptions, OnAsWeAndTheSpeakersGender)
{
    TOpcjeAnalizy we;
    we.FrOnAsWe = true;
    EXPECT_EQ(Translated("On dit.", we), "Mówimy.");
    TOpcjeAnalizy woman;
    woman.FrSubjectMasculine = false;
    EXPECT_EQ(Translated("J'ai mangé une pomme.", woman), "Zjadłam jabłko.");
    TOpcjeAnalizy pronouns;
    pronouns.FrDropSubjectPronouns = false;
    EXPECT_EQ(Translated("Je vais à Paris.", pronouns), "Ja idę do Paryża.");
    TOpcjeAnalizy order;
    order.FrReorderAdjectives = false;
    EXPECT_EQ(Translated("les petites maisons blanches", order), "małe domy białe");
}

struct TGrzecznosc {
    int Vous; // FrZaimekVous
    const char* Polish;
};

class FrenchPoliteness : public testing::TestWithParam<TGrzecznosc> {};

TEST_P(FrenchPoliteness, VousAndVotreAsTheSettingSays)
{
    TOpcjeAnalizy analysis;
    analysis.FrVous = GetParam().Vous;
    EXPECT_EQ(Translated("Où habitez-vous ? C'est votre maison. Je vous vois.", analysis), GetParam().Polish);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FrenchPoliteness,
    testing::Values(TGrzecznosc{0, "Gdzie mieszkacie? To jest wasz dom. Widzę was."},
                    TGrzecznosc{2, "Gdzie mieszka Pan? To jest Pański dom. Widzę Pana."},
                    TGrzecznosc{3, "Gdzie mieszka Pani? To jest Pani dom. Widzę Panią."},
                    TGrzecznosc{6, "Gdzie mieszkają Państwo? To jest Państwa dom. Widzę Państwa."}),
    [](const testing::TestParamInfo<TGrzecznosc>& info) { return "Vous" + std::to_string(info.param.Vous); });

// ---------------------------------------------------------------- the stages

// The utterance after the analysis, in mode 1.
class FrenchStages : public testing::Test {
protected:
    TCustomWypowiedzenie& Analysed(const char* french, int mode = 1)
    {
        lists_.push_back(std::make_unique<TWypowiedzeniaFr>(
            TKontekstWypowiedzi{jezFrancuski, jezPolski, trybTranslatorFrPl,
                                TUstawieniaSegmentacji{.TranslationMode = mode}, &worker_, nullptr}));
        lists_.back()->Segment(FromUtf8(french), true);
        TCustomWypowiedzenie& utterance = *lists_.back()->Item(0);
        utterance.Analyse(0);
        return utterance;
    }

    // The group of the word the source wrote as `word`; nullptr when it has none.
    const TCustomWypGrupa* GroupOfWordIn(const char* sentence, const char* word)
    {
        TCustomWypowiedzenie& utterance = Analysed(sentence);
        return utterance.Words().GroupOfWord(IndexOf(utterance, word));
    }

    // The word the source wrote as `text` ("du" is "de" and "le1"), whatever homograph
    // it became.
    static int IndexOf(const TCustomWypowiedzenie& utterance, const char* text)
    {
        const TCustomWypSlowa& words = utterance.Words();
        for (int i = 0; i < words.Count(); ++i) {
            std::string shown = ToUtf8(words.Word(i).Text, jezFrancuski);
            while (!shown.empty() && shown.back() >= '0' && shown.back() <= '9')
                shown.pop_back();
            if (shown == text || ToUtf8(words.Word(i).FirstText, jezFrancuski) == text)
                return i;
        }
        return -1;
    }

    TSlownikiRobocze worker_{test::BundledData::French().Dictionaries(), jezFrancuski};
    std::vector<std::unique_ptr<TWypowiedzeniaFr>> lists_;
};

struct TDe {
    const char* Sentence;
    const char* Homograph; // what "de" (or "d'", "du") became
    const char* Target;    // its fixed target; "-" not rendered, "" rendered as its entry
    int Case;              // of the group after it; 0 undecided
};

class FrenchDe : public FrenchStages, public testing::WithParamInterface<TDe> {};

TEST_P(FrenchDe, HomographTargetAndCase)
{
    TCustomWypowiedzenie& utterance = Analysed(GetParam().Sentence);
    int de = IndexOf(utterance, "de");
    ASSERT_GE(de, 0);
    const TCustomWypSlowo& word = utterance.Words().Word(de);
    EXPECT_EQ(word.Text, GetParam().Homograph);
    EXPECT_EQ(word.Translate ? word.FixedTarget : "-", GetParam().Target);
    const TCustomWypGrupa* group = utterance.Words().GroupOfWord(de + 1);
    EXPECT_EQ(group != nullptr ? group->casus : 0, GetParam().Case);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, FrenchDe,
    testing::Values(TDe{"la maison de mon père", "de1", "-", 2}, TDe{"il ne mange pas de pomme", "de2", "-", 2},
                    TDe{"il vient de Paris", "de4", "z", 2}, TDe{"un de mes frères", "de7", "z", 2},
                    TDe{"je mange de la pomme", "de6", "-", 4}, TDe{"je mange du pain", "de6", "-", 4},
                    TDe{"beaucoup de pommes", "de1", "-", 2}, TDe{"il part de Paris", "de4", "z", 2},
                    TDe{"le livre de Pierre", "de1", "-", 2}, TDe{"il est aimé de Pierre", "de9", "przez", 4},
                    // rendered from its entry, "od" with the genitive
                    TDe{"il va de Paris à Londres", "de11", "", 2}),
    test::NamedBy([](const TDe& c) { return test::Spelled(c.Sentence); }));

struct TGrupa {
    const char* Sentence;
    const char* Word; // a word of the group
    int Kind;
    int Case;
};

class FrenchGroups : public FrenchStages, public testing::WithParamInterface<TGrupa> {};

TEST_P(FrenchGroups, KindAndCase)
{
    const TCustomWypGrupa* group = GroupOfWordIn(GetParam().Sentence, GetParam().Word);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Kind(), GetParam().Kind);
    EXPECT_EQ(group->cas > 0 ? group->cas : group->casus, GetParam().Case);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, FrenchGroups,
    testing::Values(TGrupa{"Pierre mange une pomme.", "Pierre", 6, 1}, TGrupa{"Pierre mange une pomme.", "pomme", 0, 4},
                    TGrupa{"Pierre ne mange pas de pomme.", "pomme", 4, 2}, TGrupa{"Où habite Marie ?", "Marie", 6, 1},
                    TGrupa{"Il est à Paris.", "Paris", 4, 6}, TGrupa{"Je vais à Paris.", "Paris", 4, 2},
                    TGrupa{"Donne-moi le livre.", "moi", 0, 3}, TGrupa{"Donne-moi le livre.", "livre", 0, 4},
                    TGrupa{"Je ne le vois pas.", "le", 0, 4}, TGrupa{"le livre que je lis", "que", 0, 4},
                    TGrupa{"Il est professeur.", "professeur", 23, 5}),
    test::NamedBy([](const TGrupa& c) { return test::Spelled(std::string(c.Sentence) + " " + c.Word); }));

struct TOsobaCzas {
    const char* Sentence;
    const char* Verb;
    int Person;
    int Tense;
};

class FrenchVerbForms : public FrenchStages, public testing::WithParamInterface<TOsobaCzas> {};

TEST_P(FrenchVerbForms, PersonAndTenseFromTheContext)
{
    const TCustomWypGrupa* group = GroupOfWordIn(GetParam().Sentence, GetParam().Verb);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->pn, GetParam().Person);
    EXPECT_EQ(group->Tense != 0 ? group->Tense : group->forma, GetParam().Tense);
}

INSTANTIATE_TEST_SUITE_P(
    AmbiguousCodes, FrenchVerbForms,
    testing::Values(TOsobaCzas{"je mange", "mange", 1, 1}, TOsobaCzas{"il mange", "mange", 3, 1},
                    TOsobaCzas{"Mange !", "Mange", 2, 8}, TOsobaCzas{"Ne le mange pas !", "mange", 2, 8},
                    TOsobaCzas{"tu lis", "lis", 2, 1}, TOsobaCzas{"je lis", "lis", 1, 1},
                    TOsobaCzas{"Lis le livre.", "Lis", 2, 8}, TOsobaCzas{"nous mangeons", "mangeons", 4, 1},
                    TOsobaCzas{"Mangeons !", "Mangeons", 4, 8}, TOsobaCzas{"vous dites", "dites", 5, 1},
                    TOsobaCzas{"il faut que je sache", "sache", 1, 6}, TOsobaCzas{"j'ai mangé", "mangé", 1, 11},
                    TOsobaCzas{"il va manger", "manger", 3, 21}, TOsobaCzas{"il vient de manger", "manger", 3, 23},
                    TOsobaCzas{"elle est partie", "partie", 3, 11}),
    test::NamedBy([](const TOsobaCzas& c) { return test::Spelled(c.Sentence); }));

// A word read as a noun keeps the person and tense of its verb reading, and a verb the
// number and gender of its noun reading, for a translation of the other reading
// chosen instead; the reading the sentence has renders as before.
TEST_F(FrenchStages, GroupedWordKeepsTheFeaturesOfItsOtherReading)
{
    TCustomWypowiedzenie& noun = Analysed("Je lave la cuisine.");
    const TCustomWypSlowo& cuisine = noun.Words().Word(IndexOf(noun, "cuisine"));
    EXPECT_EQ(cuisine.WordClass, kwRzeczownik);
    EXPECT_EQ(cuisine.pn, 3);
    EXPECT_EQ(cuisine.vt, 1);

    const TCustomWypGrupa* verb = GroupOfWordIn("Il cuisine.", "cuisine");
    ASSERT_NE(verb, nullptr);
    EXPECT_EQ(verb->pn, 3);
    EXPECT_EQ(verb->forma, 1);
    EXPECT_EQ(verb->lba, 1);
    EXPECT_EQ(verb->rdz, 2);
}

struct TAspekt {
    const char* Sentence;
    const char* Verb;
    int Marker; // 18 perfective, 19 imperfective, 0 none
};

class FrenchAspect : public FrenchStages, public testing::WithParamInterface<TAspekt> {};

TEST_P(FrenchAspect, ByTense)
{
    TCustomWypowiedzenie& utterance = Analysed(GetParam().Sentence);
    const int i = IndexOf(utterance, GetParam().Verb);
    ASSERT_GE(i, 0);
    const TCustomWypSlowo& verb = utterance.Words().Word(i);
    const int marker = verb.HasMarker(18) ? 18 : verb.HasMarker(19) ? 19 : 0;
    EXPECT_EQ(marker, GetParam().Marker);
}

INSTANTIATE_TEST_SUITE_P(Tenses, FrenchAspect,
                         testing::Values(TAspekt{"il mange", "mange", 19}, TAspekt{"il mangeait", "mangeait", 19},
                                         TAspekt{"il mangea", "mangea", 18}, TAspekt{"il mangera", "mangera", 18},
                                         TAspekt{"il ne mangera pas", "mangera", 19},
                                         TAspekt{"il a mangé", "mangé", 18},
                                         TAspekt{"il n'a jamais mangé", "mangé", 19},
                                         TAspekt{"il n'a pas mangé", "mangé", 18}, TAspekt{"Mange !", "Mange", 18},
                                         TAspekt{"Ne mange pas !", "mange", 19},
                                         TAspekt{"il veut manger", "manger", 18},
                                         TAspekt{"il aime manger", "manger", 0}, TAspekt{"en mangeant", "mangeant", 0}),
                         test::NamedBy([](const TAspekt& c) { return test::Spelled(c.Sentence); }));

// In the simplified modes a frequent word keeps its first translation; the others
// offer every one.
TEST_F(FrenchStages, FrequentWordsKeepOneTranslationInTheSimplifiedModes)
{
    constexpr int kGrid = 1, kSimplified = 4;
    const auto translations = [&](int mode) {
        TCustomWypowiedzenie& utterance = Analysed("un grand livre", mode);
        return utterance.Words().Word(1).Translations.Count();
    };
    EXPECT_GT(translations(kGrid), 1);
    EXPECT_EQ(translations(kSimplified), 1);
}

} // namespace
} // namespace velmar
