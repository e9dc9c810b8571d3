// Segmentation of a paragraph into utterances and words.
#include <gtest/gtest.h>

#include <random>

#include "FakeSlowniki.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/engine/untWypowiedzeniaJezyka.h"

namespace velmar {
namespace {

TKontekstWypowiedzi Context(std::uint8_t language, TSlownikiWypowiedzi* dictionaries = nullptr)
{
    TKontekstWypowiedzi context;
    context.SourceLanguage = language;
    context.TargetLanguage = language == jezPolski ? jezFrancuski : jezPolski;
    context.Dictionaries = dictionaries;
    return context;
}

std::string Show(const TCustomWypowiedzenia& list);

// Lead, then each word as Przed[Text]Po (^ marks a sentence-initial word, bracketed
// text follows in braces), then |Tail.
std::string ShowUtterance(const TCustomWypowiedzenie& utterance)
{
    const TCustomWypSlowa& words = utterance.Words();
    std::string shown = words.Lead;
    for (int i = 0; i < words.Count(); ++i) {
        const TCustomWypSlowo& word = words.Word(i);
        shown += words.Around(i).Przed + "[" + (word.SentenceCapital ? "^" : "") + word.Text + "]" + words.Around(i).Po;
        if (word.Nested)
            shown += "{" + Show(*word.Nested) + "}";
    }
    if (!words.Tail.empty())
        shown += "|" + words.Tail;
    return shown;
}

std::string Show(const TCustomWypowiedzenia& list)
{
    std::string shown;
    for (int u = 0; u < list.Count(); ++u)
        shown += (u > 0 ? " / " : "") + ShowUtterance(*list.Item(u));
    return shown;
}

// The paragraph put back together from the texts around the words and the words'
// own bytes in the paragraph.
std::string Reassemble(const TCustomWypowiedzenia& list, std::string_view paragraph, int offset)
{
    std::string text;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypSlowa& words = list.Item(u)->Words();
        text += words.Lead;
        for (int i = 0; i < words.Count(); ++i) {
            const TCustomWypSlowo& word = words.Word(i);
            text += words.Around(i).Przed;
            text += paragraph.substr(static_cast<std::size_t>(word.Start - offset),
                                     static_cast<std::size_t>(word.End - word.Start));
            text += words.Around(i).Po;
            if (word.Nested)
                text += Reassemble(*word.Nested, paragraph, offset);
        }
        text += words.Tail;
    }
    return text;
}

struct TPrzypadek {
    const char* text;
    const char* shown;
    std::uint8_t language = jezFrancuski;
};

TEST(TransWypSegmentacja, EdgeCases)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"homme d'affaires", "pomme de terre"};
    const TPrzypadek cases[] = {
        {"Il est parti. Elle reste.", "[^Il] [est] [parti]|. /  [^Elle] [reste]|."},
        {"Voir p. 12 et suivantes.", "[^Voir] [p]. [12] [et] [suivantes]|."},
        {"Il a dit: Bonjour", "[^Il] [a] [dit]|: /  [^Bonjour]"},
        {"Oui; Non", "[^Oui]|; /  [Non]"},
        {"Allez ! Vite? Oui", "[^Allez] |! /  [^Vite]|? /  [^Oui]"},
        {"Oui - non", "[^Oui] |- /  [non]"},
        {"Oui -- non", "[^Oui]  / -- [non]"},
        {"abc--def", "[abc] / --[def]"},
        {"\"Je viens,\" dit-il", "[^\"Je] [viens],\" /  [dit-il]"},
        {"Il dit, \"Oui\"", "[^Il] [dit],  / [^\"Oui\"]"},
        {"1,000 francs", "[^1,000] [francs]"},
        {"a,b", "[a][,][b]"},
        {"http://x.fr est", "[http://x.fr] [est]"},
        {"note: voir", "[note]|: /  [voir]"},
        {"Il part (voir plus haut) demain.", "[^Il] [part] {([voir] [plus] [haut])} [demain]|."},
        {"(voir plus haut) Il part.", "([voir] [plus] [haut]) /  [Il] [part]|."},
        {"Il part (a) (b).", "[^Il] [part] {([a])|  / ([b])}|."},
        {"L'homme d'affaires arrive", "[^L'][homme d'affaires] [arrive]"},
        {"L'homme d'affaires arrive", "[^L'homme] [d'affaires] [arrive]", jezPolski},
        {"pomme  de terre cuite", "[pomme de terre] [cuite]"},
        {"l\x92homme part", "[l'homme] [part]"},
        {"...", ". / . / ."},
    };
    for (const TPrzypadek& c : cases) {
        TCustomWypowiedzenia list(Context(c.language, &dictionaries));
        list.Segment(c.text, true);
        EXPECT_EQ(Show(list), c.shown) << c.text;
        EXPECT_EQ(Reassemble(list, c.text, 0), c.text);
    }
}

TEST(TransWypSegmentacja, FlagsCarriedToTheNextUtterance)
{
    TCustomWypowiedzenia list(Context(jezFrancuski));
    list.Segment("\"Je viens,\" dit-il -- et part", true);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.Item(0)->QuoteEnd);
    EXPECT_TRUE(list.Item(1)->AfterQuoteComma);
    EXPECT_FALSE(list.Item(1)->AfterDash);
    EXPECT_TRUE(list.Item(2)->AfterDash);
    EXPECT_EQ(list.Item(1)->SourceText, " dit-il ");
}

TEST(TransWypSegmentacja, PositionsAreShiftedByTheOffset)
{
    TCustomWypowiedzenia list(Context(jezFrancuski));
    list.Segment("Il part. Elle", true, {}, {}, 100);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0)->Start, 100);
    EXPECT_EQ(list.Item(0)->End, 108);
    EXPECT_EQ(list.Item(1)->Start, 108);
    const TCustomWypSlowo& part = list.Item(0)->Words().Word(1);
    EXPECT_EQ(part.Start, 103);
    EXPECT_EQ(part.End, 107) << "the detached period is not part of the word";
    EXPECT_EQ(list.Item(1)->Words().Word(0).Start, 109);
}

TEST(TransWypSegmentacja, UntranslatableWordsAndRefusedExpressions)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.Untranslatable = {"Renault", "de la"};
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"de la", "tout de suite"};
    dictionaries.Expressions[TSlownikWyrazen::Form] = {"nie ma", "Nie ma"};
    dictionaries.Refused = {"tout de suite"};
    TCustomWypowiedzenia list(Context(jezFrancuski, &dictionaries));
    list.Segment("Renault de la tout de suite", true);
    EXPECT_EQ(Show(list), "[^Renault] [de] [la] [tout] [de] [suite]");
    const TCustomWypSlowo& name = list.Item(0)->Words().Word(0);
    EXPECT_TRUE(name.HasAllMarkers(Znaczniki({znNazwaWlasna, znNieOznaczac, znNieTlumaczyc})));

    TCustomWypowiedzenia polish(Context(jezPolski, &dictionaries));
    polish.Segment("Nie ma nic", true);
    EXPECT_EQ(Show(polish), "[^Nie] [ma] [nic]") << "excluded Polish expression, whatever its case";
}

TEST(TransWypSegmentacja, UserDictionaryWinsOverALongerMainExpression)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.Expressions[TSlownikWyrazen::Uzytkownika] = {"pomme de"};
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"pomme de terre"};
    dictionaries.Expressions[TSlownikWyrazen::Form] = {"pomme de"};
    TCustomWypowiedzenia list(Context(jezFrancuski, &dictionaries));
    EXPECT_EQ(list.MatchToken("pomme de terre cuite", false), 8);
    dictionaries.Expressions[TSlownikWyrazen::Uzytkownika].clear();
    EXPECT_EQ(list.MatchToken("pomme de terre cuite", false), 14) << "the main dictionary goes on from the forms match";
    EXPECT_EQ(list.MatchToken("pomme", false), 0) << "a single word is no expression";
}

TEST(TransWypSegmentacja, ArchivedSentenceIsOneUnit)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.Archive = {{"Bonjour.", "Dzień dobry."}, {"Bonjour Paul.", "Witaj Pawle."}};
    TCustomWypowiedzenia list(Context(jezFrancuski, &dictionaries));
    list.Segment("Bonjour. Il part.", true);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Item(0)->FromArchive);
    EXPECT_EQ(list.Item(0)->ArchiveSource, "Bonjour.");
    EXPECT_EQ(list.Item(0)->ArchiveTarget, "Dzień dobry.");
    EXPECT_EQ(list.Item(0)->Words().Count(), 0);
    EXPECT_EQ(Show(list), "Bonjour. /  [^Il] [part]|.");

    TKontekstWypowiedzi off = Context(jezFrancuski, &dictionaries);
    off.Settings.UseArchive = false;
    TCustomWypowiedzenia unused(off);
    unused.Segment("Bonjour. Il part.", true);
    EXPECT_FALSE(unused.Item(0)->FromArchive);
}

TEST(TransWypSegmentacja, SimilarArchivedSentenceTakesTheNewNumber)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.SimilarArchive = {{"J'ai %number% chats", "Mam %1% koty"}};
    for (const auto& [level, useArchive] : {std::pair{90, true}, std::pair{100, true}, std::pair{90, false}}) {
        TKontekstWypowiedzi context = Context(jezFrancuski, &dictionaries);
        context.Settings.ArchivePercent = level;
        context.Settings.UseArchive = useArchive;
        TCustomWypowiedzenia list(context);
        list.NewUtterance();
        TCustomWypowiedzenie& u = *list.Item(0);
        u.Words().AddWord("J'ai", "", {}, 0, 4, true);
        u.Words().AddWord("3", " ", Znaczniki({znLiczba}), 5, 6, false);
        u.Words().AddWord("chats", " ", {}, 7, 12, false);
        u.FinishUtterance();
        EXPECT_EQ(u.FromArchive, level == 90 && useArchive);
        if (u.FromArchive) {
            EXPECT_EQ(u.ArchiveTarget, "Mam 3 koty");
            EXPECT_EQ(u.Words().Count(), 0);
        }
    }
}

TEST(TransWypSegmentacja, DiagnosticModeTranslatesOnlyBetweenMarkers)
{
    TKontekstWypowiedzi context = Context(jezFrancuski);
    context.Settings.TranslationMode = 14;
    TCustomWypowiedzenia list(context);
    list.Segment("aa<<Il part>>bb<<Oui", true, ">>", "<<");
    EXPECT_EQ(Show(list), "aa<<[^Il] [part] / >>bb / <<[Oui]");
}

// ---------------------------------------------------------------- reassembly property

void ExpectCovers(const TCustomWypowiedzenia& list, std::string_view paragraph, int offset)
{
    ASSERT_EQ(Reassemble(list, paragraph, offset), paragraph);
    int position = offset;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypowiedzenie& utterance = *list.Item(u);
        ASSERT_EQ(utterance.Start, position);
        ASSERT_GT(utterance.End, utterance.Start) << "every utterance consumes text";
        for (int i = 0; i < utterance.Words().Count(); ++i) {
            const TCustomWypSlowo& word = utterance.Words().Word(i);
            ASSERT_GE(word.Start, utterance.Start);
            ASSERT_LT(word.Start, word.End);
            ASSERT_LE(word.End, utterance.End);
        }
        position = utterance.End;
    }
    ASSERT_EQ(position, offset + static_cast<int>(paragraph.size()));
}

TEST(TransWypSegmentacja, DeepBracketsStayInTheTextsAroundTheWords)
{
    std::string paragraph;
    for (int i = 0; i < 2000; ++i)
        paragraph += "a (";
    paragraph += std::string(2000, ')');
    TCustomWypowiedzenia list(Context(jezFrancuski));
    list.Segment(paragraph, true);
    ExpectCovers(list, paragraph, 0);
    int depth = 0;
    for (const TCustomWypowiedzenia* level = &list; level != nullptr && level->Count() > 0; ++depth) {
        const TCustomWypSlowa& words = level->Item(0)->Words();
        level = words.Count() > 0 ? words.Word(words.Count() - 1).Nested.get() : nullptr;
    }
    EXPECT_EQ(depth, TCustomWypowiedzenia::kMaxNesting + 1);
}

test::TFakeSlowniki PropertyDictionaries()
{
    test::TFakeSlowniki dictionaries;
    dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"de la", "pomme de terre", "homme d'affaires", "a b"};
    dictionaries.Expressions[TSlownikWyrazen::Form] = {"ab cd"};
    dictionaries.Untranslatable = {"Zed"};
    dictionaries.Archive = {{"Ok ok.", "Dobrze."}};
    dictionaries.AddReading("etc.", "etc.", 255);
    dictionaries.AddReading("a", "avoir", 90);
    return dictionaries;
}

TEST(TransWypSegmentacja, RandomTextReassemblesByteForByte)
{
    test::TFakeSlowniki dictionaries = PropertyDictionaries();
    const std::string alphabet =
        std::string("abcdeABCZ\xe9\xc9\xb3\xa3\x9c\xff") + "0123456789" + "     ..,,;:!?--\"'()[]<>{}&/@_\x91\x92`\t";
    std::mt19937 random(8);
    for (int round = 0; round < 1500; ++round) {
        std::string paragraph;
        const int length = static_cast<int>(random() % 60);
        for (int k = 0; k < length; ++k)
            paragraph += alphabet[random() % alphabet.size()];
        for (const std::uint8_t language : {jezFrancuski, jezPolski}) {
            TKontekstWypowiedzi context = Context(language, &dictionaries);
            context.WorkingMode = round % 2 == 0 ? trybTranslatorFrPl : trybInternetFrPl;
            TCustomWypowiedzenia list(context);
            list.Segment(paragraph, round % 3 != 0, {}, {}, round % 5);
            ExpectCovers(list, paragraph, round % 5);
            if (HasFailure()) {
                ADD_FAILURE() << "paragraph: " << paragraph;
                return;
            }
        }
    }
}

// Found by fuzz_segmentacja: the Polish word moved the non-letters that begin an
// unknown token into the text before it from its Text, which reads a backquote or a
// typographic quote as an apostrophe, so the paragraph came back with "'" for "`".
TEST(TransWypSegmentacja, QuotesMovedOutOfAWordStayAsWritten)
{
    test::TFakeSlowniki dictionaries = PropertyDictionaries();
    const std::pair<std::uint8_t, const char*> paragraphs[] = {
        {jezPolski, "`abc"},
        {jezPolski, "Ala \x91kot\x92 ma"},
        {jezPolski, "x (`a`b)"},
        {jezFrancuski, "`abc xyz` ok"},
    };
    for (const auto& [language, paragraph] : paragraphs) {
        const auto list = NewUtteranceList(Context(language, &dictionaries));
        list->Segment(paragraph, true, {}, {}, 3);
        ExpectCovers(*list, paragraph, 3);
    }
}

TEST(TransWypSegmentacja, RealParagraphsReassembleByteForByte)
{
    test::TFakeSlowniki dictionaries = PropertyDictionaries();
    const std::pair<std::uint8_t, const char*> paragraphs[] = {
        {jezFrancuski, "« Je ne sais pas », répondit-elle. L’homme d’affaires, lui, partit à 3 h 15 "
                       "(voir p. 12) — sans rien dire... Qu'en pensez-vous ? C'est 1,000 francs ; "
                       "voir http://exemple.fr/page: rien!"},
        {jezFrancuski, "M. Dupont (né en 1950 [à Lyon]) habite au 12, rue de la Paix.\tIl dit : « Venez, "
                       "mes amis ! » -- puis il s'en alla."},
        {jezPolski, "Wczoraj, tj. 5 maja, poszliśmy do kina (\"Pan Tadeusz\"). Było wspaniale; "
                    "potem – jak zwykle – rozmawialiśmy do północy. Czy ktoś pamięta, o czym?"},
        {jezPolski, "Zażółć gęślą jaźń: źdźbło, łódź, ćma! Ul. Długa 12/3, 00-950 Warszawa."},
    };
    for (const auto& [language, utf8] : paragraphs) {
        const std::string paragraph = FromUtf8(utf8);
        TCustomWypowiedzenia list(Context(language, &dictionaries));
        list.Segment(paragraph, true);
        ExpectCovers(list, paragraph, 0);
        EXPECT_GT(list.Count(), 2) << utf8;
    }
}

} // namespace
} // namespace velmar
