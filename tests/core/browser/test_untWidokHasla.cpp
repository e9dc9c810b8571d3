#include "core/browser/untWidokHasla.h"

#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/dictionaries/SlownikTestowy.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/generators/untGenTlumaczPl.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

using test::SlownikTestowy;

// What the view shows: visible pieces in UTF-8, "\n" for each line break.
std::string Shown(const TKawalkiHasla& pieces)
{
    std::string text;
    for (const auto& piece : pieces) {
        if (piece.LineBefore)
            text += '\n';
        if (!piece.Hidden)
            text += WideToUtf8(PieceText(piece));
        if (piece.LineAfter)
            text += '\n';
    }
    return text;
}

const TKawalekHasla* PieceWithText(const TKawalkiHasla& pieces, const std::string& utf8)
{
    for (const auto& piece : pieces)
        if (WideToUtf8(PieceText(piece)) == utf8)
            return &piece;
    return nullptr;
}

TKontekstHasla FrenchDictionary()
{
    return {.SourceLanguage = jezFrancuski,
            .TargetLanguage = jezPolski,
            .InterfaceLanguage = jezPolski,
            .DictionaryMode = true,
            .Pronunciation = 0};
}

TKontekstHasla PolishDictionary()
{
    return {.SourceLanguage = jezPolski,
            .TargetLanguage = jezFrancuski,
            .InterfaceLanguage = jezPolski,
            .DictionaryMode = true,
            .Pronunciation = 0};
}

// One entry of a main dictionary made of UTF-8 lines, phrases kept.
class Entries {
public:
    Entries(std::uint8_t language, const std::string& lines) : dictionary_("main", language, lines)
    {
        dictionary_.Main().KeepPhrases = true;
    }
    const TTransSlownikSlowo& Entry(const std::string& headword) { return dictionary_.Entry(headword); }
    TTransSlownikGlowny& Main() { return dictionary_.Main(); }

private:
    SlownikTestowy dictionary_;
};

std::string ShownEntry(const TKontekstHasla& context, const std::string& line, bool showPhrases = false)
{
    Entries entries(context.SourceLanguage, line);
    const std::string headword = Trim(line.substr(0, line.find_first_of("_[")));
    return Shown(RenderEntry(context, entries.Entry(headword), {}, false, showPhrases, {}, 0));
}

struct TPrzypadekHasla {
    const char* Line;
    const char* Expected;
    std::uint8_t Source = jezFrancuski; // the dictionary mode of this source language
};

class EntryTextCases : public ::testing::TestWithParam<TPrzypadekHasla> {};

std::string DescribeEntryLine(const TPrzypadekHasla& c)
{
    return c.Line;
}

TEST_P(EntryTextCases, ShowTheEntryAsWritten)
{
    const auto context = GetParam().Source == jezPolski ? PolishDictionary() : FrenchDictionary();
    EXPECT_EQ(ShownEntry(context, GetParam().Line), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    French, EntryTextCases,
    ::testing::Values(
        // Sub-records of one code: labels once under the headword, numbers without them.
        TPrzypadekHasla{"mousse_#2f piana #2f mech", "mousse\nrzecz. f \n\n1. piana\n2. mech\n\n"},
        // Different codes: every number with its own labels.
        TPrzypadekHasla{"chat_#1m kot #7 koci", "chat\n\n1. rzecz. m kot\n2. przym. koci\n\n"},
        // A single sub-record is still numbered.
        TPrzypadekHasla{"homme_#1m człowiek", "homme\nrzecz. m \n\n1. człowiek\n\n"},
        TPrzypadekHasla{"hache_#2f siekiera", "*hache\nrzecz. f \n\n1. siekiera\n\n"},
        // A hidden meaning shows nothing and no separator of its own.
        TPrzypadekHasla{"cacher_#4 chować ; ‰ ukrywać ; kryć", "cacher\nczas. \n\n1. chować, kryć\n\n"},
        TPrzypadekHasla{"chat_#1m (pot.) kot (zool.) , kocur", "chat\nrzecz. m \n\n1. (pot.) kot (zool.), kocur\n\n"},
        // An irregular verb is marked; valency items name the source word and the case.
        TPrzypadekHasla{"avoir_#4 mieć $de:zpowodu2 , posiadać $2 , trzymać $9",
                        "avoir\nczas. niereg. \n\n1. mieć (de q.: z powodu kogoś/czegoś), posiadać (kogoś/czegoś), "
                        "trzymać\n\n"},
        // Reflexive verbs: "s'" where the headword elides, "se" before an aspirated h.
        TPrzypadekHasla{"habiller_#6 ubierać", "habiller\nczas. \n\n1. (s' ~) ubierać\n\n"},
        TPrzypadekHasla{"hâter_#6 spieszyć", "*hâter\nczas. \n\n1. (se ~) spieszyć\n\n"},
        // A headword of several words: no labels for a noun; a verb makes it a phrase with a verb.
        TPrzypadekHasla{"pomme de terre_#2f ziemniak", "pomme de terre\n\n1. ziemniak\n\n"},
        TPrzypadekHasla{"prendre garde_#4 uważać", "prendre garde\nzwrot z czas. \n\n1. uważać\n\n"}),
    test::NamedBy(DescribeEntryLine));

TEST(EntryText, PhrasesFollowWithTheirNotesHidden)
{
    Entries entries(jezFrancuski, "avoir_#4 mieć ×avoir faim_v być głodnym, ‰ głodować\n");
    const auto pieces = RenderEntry(FrenchDictionary(), entries.Entry("avoir"), {}, false, true, {}, 0);
    EXPECT_EQ(Shown(pieces), "avoir\nczas. niereg. \n\n1. mieć\n\navoir faim być głodnym\n\n");

    const auto* phrase = PieceWithText(pieces, "avoir faim ");
    ASSERT_NE(phrase, nullptr);
    EXPECT_EQ(phrase->Style, shZwrot);
    EXPECT_EQ(phrase->LeftIndent, 10);
    EXPECT_EQ(phrase->FirstIndent, 5);
    EXPECT_EQ(pieces.back().LeftIndent, 0) << "the indents end with the phrases";

    const auto* note = PieceWithText(pieces, "głodować");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->Hidden);
    EXPECT_EQ(note->Style, shUkryty);
    EXPECT_TRUE(note->Small);
}

TEST(EntryText, PiecesCarryTheirStylesAndLanguages)
{
    Entries entries(jezFrancuski, "avoir_#4 mieć $de:zpowodu2 ; ‰ posiadać\n");
    const auto pieces = RenderEntry(FrenchDictionary(), entries.Entry("avoir"), {}, false, false, {}, 0);
    struct TOczekiwany {
        std::string Text;
        int Style;
        std::uint8_t Language;
    };
    for (const auto& [text, style, language] : std::vector<TOczekiwany>{{"avoir", shHaslo, jezFrancuski},
                                                                        {"czas. ", shCzescMowy, jezPolski},
                                                                        {"niereg. ", shGramInne, jezPolski},
                                                                        {"1. ", shOdpowiednik, jezPolski},
                                                                        {"mieć", shOdpowiednik, jezPolski},
                                                                        {" (de q.: ", shGramInne, jezFrancuski},
                                                                        {"posiadać", shUkryty, jezPolski}}) {
        const auto* piece = PieceWithText(pieces, text);
        ASSERT_NE(piece, nullptr) << text;
        EXPECT_EQ(piece->Style, style) << text;
        EXPECT_EQ(piece->Language, language) << text;
    }
}

TEST(EntryText, DataLineFollowsTheHeadwordInTheDictionaryModesOnly)
{
    SlownikTestowy data("data", jezFrancuski, "hache_vx\n");
    auto context = FrenchDictionary();
    context.DataSource = static_cast<TTransSlownikDanych*>(data.Dictionary.get());
    EXPECT_EQ(ShownEntry(context, "hache_#2f siekiera"), "*hache  vx\nrzecz. f \n\n1. siekiera\n\n");
    context.DictionaryMode = false;
    EXPECT_EQ(ShownEntry(context, "hache_#2f siekiera"), "*hache\nrzecz. f \n\n1. siekiera\n\n");
}

TEST(EntryText, GroupAndFormCodeChooseTheSubRecordsAndNumberThemAfresh)
{
    Entries entries(jezFrancuski, "chat_#1m kot #7 koci\n");
    const auto& chat = entries.Entry("chat");
    const std::string group2 = "\xF7"
                               "2";
    EXPECT_EQ(Shown(RenderEntry(FrenchDictionary(), chat, group2, false, false, "od: ", 0)),
              "od: chat\nprzym. \n\n1. koci\n\n");
    constexpr int adjectiveForm = 55;
    EXPECT_EQ(Shown(RenderEntry(FrenchDictionary(), chat, {}, false, false, {}, adjectiveForm)),
              "chat\n\n1. przym. koci\n\n");
}

TEST(EntryText, SmallTextMarksTheEntryButNotThePhrases)
{
    Entries entries(jezFrancuski, "avoir_#4 mieć ×avoir faim_v być głodnym\n");
    const auto pieces = RenderEntry(FrenchDictionary(), entries.Entry("avoir"), {}, true, true, {}, 0);
    EXPECT_TRUE(PieceWithText(pieces, "mieć")->Small);
    EXPECT_FALSE(PieceWithText(pieces, "avoir faim ")->Small);
}

// ---------------------------------------------------------------- pronunciation

TEST(EntryPronunciation, FollowsTheSettingAndNeverShowsForAPolishSource)
{
    const std::string line = "hache [asz]_#2f siekiera";
    auto context = FrenchDictionary();
    Entries entries(jezFrancuski, line);
    const auto& hache = entries.Entry("hache");

    const auto phonetic = RenderEntry(context, hache, {}, false, false, {}, 0);
    EXPECT_EQ(Shown(phonetic), "*hache\n[aʃ]\nrzecz. f \n\n1. siekiera\n\n");
    EXPECT_EQ(PieceWithText(phonetic, "[aʃ]")->Style, shFonetyka);

    context.Pronunciation = 1;
    const auto polishLetters = RenderEntry(context, hache, {}, false, false, {}, 0);
    EXPECT_EQ(PieceWithText(polishLetters, "[asz]")->Style, shWymowaPolska);

    context.Pronunciation = 2;
    EXPECT_EQ(Shown(RenderEntry(context, hache, {}, false, false, {}, 0)), "*hache\nrzecz. f \n\n1. siekiera\n\n");

    TTransSlownikSlowo polish;
    polish.Headword = "pies";
    polish.HeadTail = "[pjes]";
    EXPECT_EQ(Shown(RenderEntry(PolishDictionary(), polish, {}, false, false, {}, 0)), "pies\n\n\n");
}

struct TPrzypadekWymowy {
    const char* Stored;   // UTF-8 Polish letters
    std::string Notation; // bytes of the phonetic notation
    const char* Shown;    // UTF-8
};

class PhoneticNotationCases : public ::testing::TestWithParam<TPrzypadekWymowy> {};

std::string DescribePronunciation(const TPrzypadekWymowy& c)
{
    return test::SpelledWithMarks(c.Stored);
}

TEST_P(PhoneticNotationCases, ConvertsAndShowsAsUnicode)
{
    const std::string notation = PhoneticNotation(FromUtf8(GetParam().Stored));
    EXPECT_EQ(notation, GetParam().Notation);
    EXPECT_EQ(WideToUtf8(PhoneticToWide(notation)), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhoneticNotationCases,
    ::testing::Values(TPrzypadekWymowy{"ą", "[~\xBF]", "[ɔ̃]"},
                      TPrzypadekWymowy{"sza",
                                       "[\xC6"
                                       "a]",
                                       "[ʃa]"},
                      TPrzypadekWymowy{"[sza]",
                                       "[\xC6"
                                       "a]",
                                       "[ʃa]"},
                      TPrzypadekWymowy{"ba~", "[b~\x8C]", "[bɑ̃]"}, TPrzypadekWymowy{"@", "[\xFA]", "[ə]"},
                      TPrzypadekWymowy{"żę", "[\xEF~\xE4]", "[ʒɛ̃]"}, TPrzypadekWymowy{"ńö", "[\xF8\x97]", "[ɲœ]"},
                      TPrzypadekWymowy{"ő", "[\x9A]", "[ø]"}, TPrzypadekWymowy{"łé", "[we]", "[we]"},
                      // "ü" is the semivowel before an oral vowel, else the vowel "y".
                      TPrzypadekWymowy{"üit", "[\xF3it]", "[ɥit]"}, TPrzypadekWymowy{"tü", "[ty]", "[ty]"},
                      TPrzypadekWymowy{"üa~", "[y~\x8C]", "[yɑ̃]"},
                      // Length: a final vowel never; "o", nasals, "ɑ", "ø" before anything; others
                      // before a final "r", "v", "z", "ʒ" or "vr".
                      TPrzypadekWymowy{"mer", "[m\xE4:r]", "[mɛːr]"}, TPrzypadekWymowy{"liwr", "[li:vr]", "[liːvr]"},
                      TPrzypadekWymowy{"pôm", "[po:m]", "[poːm]"}, TPrzypadekWymowy{"ba~s", "[b~\x8C:s]", "[bɑ̃ːs]"},
                      TPrzypadekWymowy{"pet", "[p\xE4t]", "[pɛt]"}, TPrzypadekWymowy{"sel", "[s\xE4l]", "[sɛl]"},
                      // A remark after " (" stays in Polish letters and takes no length mark.
                      TPrzypadekWymowy{"ba (lub bo)", "[ba (lub bo)]", "[ba (lub bo)]"},
                      TPrzypadekWymowy{"mer (lub ż)", "[m\xE4:r (lub \xBF)]", "[mɛːr (lub ż)]"}),
    test::NamedBy(DescribePronunciation));

// ---------------------------------------------------------------- Polish source

// French translations annotated with their gender and the irregular mark.
INSTANTIATE_TEST_SUITE_P(
    Polish, EntryTextCases,
    ::testing::Values(
        TPrzypadekHasla{"iść_#* aller *4", "iść\nczas. \n\n1. aller (niereg.)\n\n", jezPolski},
        TPrzypadekHasla{"czekać_#* attendre *4 , guetter *4", "czekać\nczas. \n\n1. attendre (niereg.), guetter\n\n",
                        jezPolski},
        TPrzypadekHasla{"bić_#* se battre *4", "bić\nczas. \n\n1. se battre (niereg.)\n\n", jezPolski},
        TPrzypadekHasla{"pies_#0 chien *1", "pies\nrzecz. \n\n1. chien (m)\n\n", jezPolski},
        TPrzypadekHasla{"pies_#0 chien *1 fidèle", "pies\nrzecz. \n\n1. chien fidèle\n\n", jezPolski},
        // Polish valency is not shown; ";" ends a group of meanings.
        TPrzypadekHasla{"mówić_#* parler $o1 ; dire *4", "mówić\nczas. \n\n1. parler; dire (niereg.)\n\n", jezPolski},
        TPrzypadekHasla{"myć_#ř laver *4", "myć się\nczas. \n\n1. laver\n\n", jezPolski},
        TPrzypadekHasla{"robić_#* #*r se faire *4", "robić\nczas. \n\n1. (~ się) se faire (niereg.)\n\n", jezPolski},
        TPrzypadekHasla{"kupić_#* #*C acheter *4", "kupić\nczas. \n\n1. (~ sobie) acheter\n\n", jezPolski}),
    test::NamedBy(DescribeEntryLine));

TEST(EntryAnnotation, DataOfAFrenchTranslationWhenItIsAPluralNote)
{
    SlownikTestowy data("data", jezFrancuski, "chien_pl chiens\nchat_félin\n");
    auto context = PolishDictionary();
    context.DataTarget = static_cast<TTransSlownikDanych*>(data.Dictionary.get());
    EXPECT_EQ(ShownEntry(context, "pies_#0 chien *1"), "pies\nrzecz. \n\n1. chien (m pl chiens)\n\n");
    EXPECT_EQ(ShownEntry(context, "kot_#0 chat *1"), "kot\nrzecz. \n\n1. chat (m)\n\n");
}

TEST(EntryAnnotation, TranslatorModesShowOnlyTheGenderOfANoun)
{
    auto context = PolishDictionary();
    context.DictionaryMode = false;
    EXPECT_EQ(ShownEntry(context, "pies_#0 chien *1"), "pies\nrzecz. \n\n1. chien (m)\n\n");
    EXPECT_EQ(ShownEntry(context, "iść_#* aller *4"), "iść\nczas. \n\n1. aller\n\n");
}

// ---------------------------------------------------------------- inflected forms

class FormsOfAWord : public ::testing::Test {
protected:
    FormsOfAWord() { context.Main = &entries.Main(); }

    static TOdwolanie Reading(const char* form, int code, const std::string& base)
    {
        return {form, static_cast<std::uint8_t>(code), base, 50};
    }

    Entries entries{jezFrancuski, "chat_#1m kot #7 koci\nparler_#4 mówić **61\n"};
    TKontekstHasla context = FrenchDictionary();
};

TEST_F(FormsOfAWord, DescribesTheFormAndShowsItsBaseOnceForEachGroup)
{
    TOdwolania readings;
    readings.Add(Reading("parle", 81, "parler"));
    readings.Add(Reading("parle", 95, "parler"));  // same base: adds a person only
    readings.Add(Reading("parle", 81, "parlerr")); // no such headword
    readings.Add(Reading("parle", 81, "parle"));   // the word itself
    const TFormyHasla forms = ShowForms(context, readings, "parle", false, false);

    EXPECT_TRUE(forms.AddToHistory);
    int parler = -1;
    ASSERT_TRUE(entries.Main().FindExact("parler", parler));
    EXPECT_EQ(forms.MainIndex, parler);
    EXPECT_EQ(Shown(forms.Pieces), "parle\n\n"
                                   "mówię (od: czas. parler)\n"
                                   "forma 1, 3 osoby l.p. czasu indicatif présent\n"
                                   "od: parler\nczas. \n\n1. mówić\n\n\n");
}

TEST_F(FormsOfAWord, AGroupLabelShowsOnlyThatGroup)
{
    TOdwolania readings;
    readings.Add(Reading("chatte", 55,
                         "chat\xF7"
                         "2"));
    const TFormyHasla forms = ShowForms(context, readings, "chatte", false, true);
    EXPECT_FALSE(forms.AddToHistory);
    EXPECT_EQ(forms.MainIndex, -1);
    const std::string shown = Shown(forms.Pieces);
    EXPECT_TRUE(shown.ends_with("\nod: chat\nprzym. \n\n1. koci\n\n\n")) << shown;
    EXPECT_EQ(shown.find("rzecz."), std::string::npos) << shown;
}

TEST_F(FormsOfAWord, NothingForNoReadingsOrOnlyTheWordItself)
{
    EXPECT_TRUE(ShowForms(context, {}, "chat", false, false).Pieces.empty());
    TOdwolania readings;
    readings.Add(Reading("chat", 1, "chat"));
    EXPECT_EQ(Shown(ShowForms(context, readings, "chat", false, true).Pieces), "");
}

// ---------------------------------------------------------------- tables

TEST(WordClassesOfForm, PolishNounAndAdjectiveFormsAdmitPronounsAndDeterminers)
{
    struct TPrzypadek {
        int Code;
        std::uint8_t Language;
        std::vector<int> Classes;
    };
    for (const auto& [code, language, classes] :
         std::vector<TPrzypadek>{{5, jezPolski, {ksRzeczownik, ksZaimek, ksOkreslnik}},
                                 {80, jezPolski, {ksPrzymiotnik, ksZaimek, ksOkreslnik, ksLiczebnik}},
                                 {66, jezPolski, {ksLiczebnik}},
                                 {150, jezPolski, {ksCzasownik}},
                                 {219, jezPolski, {ksInne}},
                                 {40, jezFrancuski, {ksOkreslnik}},
                                 {60, jezFrancuski, {ksPrzymiotnik}},
                                 {205, jezFrancuski, {ksCzasownik}},
                                 {215, jezFrancuski, {ksOkreslnik}},
                                 {230, jezFrancuski, {ksZaimek}},
                                 {252, jezFrancuski, {ksPrzyslowek}},
                                 {5, jezFrancuski, {ksRzeczownik}}}) {
        std::bitset<16> expected;
        for (const int wordClass : classes)
            expected.set(static_cast<std::size_t>(wordClass));
        EXPECT_EQ(WordClassesOfForm(code, language), expected) << code << " in " << int(language);
    }
}

TEST(AspiratedHeadwords, ListedHeadwordsInAnyCase)
{
    for (const char* word : {"hache", "haïr", "Hambourg", "hambourg", "hors de combat", "hyène"})
        EXPECT_TRUE(IsAspiratedHeadword(FromUtf8(word))) << word;
    for (const char* word : {"homme", "hache-", "hach", "heure", ""})
        EXPECT_FALSE(IsAspiratedHeadword(FromUtf8(word))) << word;
}

// ---------------------------------------------------------------- copying without hidden text

struct TPrzypadekKopii {
    const char* Name;
    std::vector<std::string> Ranges;
    int Start, Length;
    int ExpectedStart, ExpectedLength;
};

class VisibleCopyPlan : public ::testing::TestWithParam<TPrzypadekKopii> {};

TEST_P(VisibleCopyPlan, MovesAndShrinksThePart)
{
    const auto& c = GetParam();
    const TKopiaWidoczna plan = PlanVisibleCopy(c.Ranges, c.Start, c.Length);
    EXPECT_EQ(plan.Start, c.ExpectedStart);
    EXPECT_EQ(plan.Length, c.ExpectedLength);
}

INSTANTIATE_TEST_SUITE_P(Cases, VisibleCopyPlan,
                         ::testing::Values(
                             // Text 0..20 with hidden 3..8: visible text is 15 long.
                             TPrzypadekKopii{"Whole", {"3:8"}, 0, 20, 0, 15},
                             TPrzypadekKopii{"BeforeTheStretch", {"3:8"}, 0, 2, 0, 2},
                             TPrzypadekKopii{"TouchingItsStart", {"3:8"}, 0, 3, 0, 3},
                             TPrzypadekKopii{"AfterTheStretch", {"3:8"}, 10, 4, 5, 4},
                             TPrzypadekKopii{"StartingInside", {"3:8"}, 5, 10, 3, 7},
                             TPrzypadekKopii{"EndingInside", {"3:8"}, 1, 5, 1, 2},
                             TPrzypadekKopii{"WhollyInside", {"3:8"}, 4, 2, 3, -2},
                             TPrzypadekKopii{"TwoStretches", {"3:8", "10:12"}, 0, 20, 0, 13},
                             TPrzypadekKopii{"AfterTwoStretches", {"3:8", "10:12"}, 14, 3, 7, 3},
                             TPrzypadekKopii{"StartingInsideTheSecond", {"3:8", "10:12"}, 11, 5, 5, 4},
                             // Records that do not parse are skipped or read as 0.
                             TPrzypadekKopii{"Unreadable", {"38", "5:5", "x:4", "9:y"}, 0, 20, 0, 16}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(VisibleCopyPlan, DeletesTheStretchesFromTheLast)
{
    const TKopiaWidoczna plan = PlanVisibleCopy({HiddenRange(3, 8), "bad", HiddenRange(10, 12)}, 0, 20);
    EXPECT_EQ(plan.Deletions, (std::vector<TUkrytyZakres>{{10, 12}, {3, 8}}));
}

} // namespace
} // namespace velmar
