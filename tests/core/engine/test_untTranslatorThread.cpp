// The translation worker against a scripted host: paragraphs and their line breaks,
// the choices each mode asks for, copies of the source, marks and formats, stops and
// failures.
#include <gtest/gtest.h>

#include <future>
#include <stdexcept>

#include "GospodarzSkryptowy.h"
#include "core/engine/untTranslatorThread.h"

namespace velmar {
namespace {

using test::AddMeanings;
using test::TGospodarzSkryptowy;

class TranslatorThread : public ::testing::Test {
protected:
    TranslatorThread()
    {
        AddMeanings(dictionaries, "chat", {"kot"});
        AddMeanings(dictionaries, "chien", {"pies", "ogar"});
        AddMeanings(dictionaries, "dort", {"śpi"});
        AddMeanings(dictionaries, "et", {"i"});
        AddMeanings(dictionaries, "noir", {"czarny"});
        AddMeanings(dictionaries, "aujourd'hui", {"dzisiaj"});
        dictionaries.Expressions[TSlownikWyrazen::Glowny] = {"pomme de terre"};
    }

    TKontekstWypowiedzi Context() { return {jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &dictionaries, nullptr}; }

    void Translate(TGospodarzSkryptowy& host, TZakresTlumaczenia range = {})
    {
        TTranslatorThread worker(host, options, Context(), range);
        worker.Run();
    }

    test::TFakeSlowniki dictionaries;
    TOpcjeTlumaczenia options;
};

// ---------------------------------------------------------------- what the target gets

struct TPrzypadek {
    const char* name;
    const char* source; // UTF-8; "\r\n" ends a paragraph
    int mode;
    int copySource;
    const char* target; // UTF-8; '\r' between the target's paragraphs
    int meaningChoices;
};

class TranslatorThreadTarget : public TranslatorThread, public ::testing::WithParamInterface<TPrzypadek> {};

TEST_P(TranslatorThreadTarget, WritesTheTranslation)
{
    const TPrzypadek& c = GetParam();
    options.TranslationMode = c.mode;
    options.CopySource = c.copySource;
    TGospodarzSkryptowy host(FromUtf8(c.source), jezFrancuski);
    host.MeaningAnswer = 1;
    Translate(host);
    EXPECT_EQ(ToUtf8(host.TargetText(), jezPolski), c.target);
    EXPECT_EQ(host.MeaningChoices, c.meaningChoices);
    EXPECT_TRUE(host.Errors().empty());
    EXPECT_FALSE(host.End().Interrupted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslatorThreadTarget,
    ::testing::Values(
        TPrzypadek{"ThreeCrLfParagraphsGiveOneLineBreakEach", "chat dort.\r\nchien.\r\nchat", 0, 0,
                   "kot śpi.\rpies {ogar}.\rkot", 0},
        TPrzypadek{"ModeOneRendersTheFirstTranslationOnly", "chien", 1, 0, "pies", 0},
        TPrzypadek{"TypographicQuotesAreApostrophes", "aujourd‘hui et aujourd’hui", 0, 0, "dzisiaj i dzisiaj", 0},
        TPrzypadek{"UnknownWordStaysInTheSource", "chat xyz", 0, 0, "kot xyz", 0},
        TPrzypadek{"ManualModeAsksNothingWhenEachWordHasOneTranslation", "chat dort", 3, 0, "kot śpi", 0},
        TPrzypadek{"ManualModeTakesTheChosenTranslation", "chat et chien", 3, 0, "kot i ogar", 1},
        TPrzypadek{"TestModeFifteenWrapsMultiWordEntries", "pomme de terre et chat", 15, 0, "@pomme de terre# et chat",
                   0},
        TPrzypadek{"SourceBeforeEachParagraph", "chat\r\nchien", 0, 3, "chat\rkot\rchien\rpies {ogar}", 0},
        TPrzypadek{"SourceBeforeTheTranslation", "chat\r\nchien", 0, 1, "chat\rchien\rkot\rpies {ogar}", 0},
        TPrzypadek{"SourceAfterTheTranslation", "chat\r\nchien", 0, 2, "kot\rpies {ogar}\rchat\rchien", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- interpretations

TEST_F(TranslatorThread, ManyInterpretationsRefusedApplyTheFirstWithoutAList)
{
    std::string source;
    for (const char* word : {"aa", "bb", "cc", "dd", "ee", "ff", "gg", "hh", "ii", "jj", "kk"}) {
        AddMeanings(dictionaries, word, {std::string(word) + "1", std::string(word) + "2"});
        source += (source.empty() ? "" : " ") + std::string(word);
    }
    options.TranslationMode = 8;
    TGospodarzSkryptowy host(source, jezFrancuski);
    Translate(host);
    EXPECT_EQ(host.ManyInterpretationsAsked, std::vector<int>{2048});
    EXPECT_EQ(host.InterpretationLists, 0);
    EXPECT_EQ(host.TargetText(), "aa1 bb1 cc1 dd1 ee1 ff1 gg1 hh1 ii1 jj1 kk1");
}

TEST_F(TranslatorThread, FewInterpretationsAreListedWithoutAsking)
{
    options.TranslationMode = 9;
    TGospodarzSkryptowy host(std::string("chien et chien"), jezFrancuski);
    Translate(host);
    EXPECT_TRUE(host.ManyInterpretationsAsked.empty());
    EXPECT_EQ(host.InterpretationLists, 1);
}

// ---------------------------------------------------------------- the run's edges

TEST_F(TranslatorThread, EmptyStretchSavesBothBackupsAndEndsQuietly)
{
    TGospodarzSkryptowy host(std::string("chat dort"), jezFrancuski);
    Translate(host, {4, 4});
    EXPECT_EQ(host.SourceBackups, 1);
    EXPECT_EQ(host.TargetBackups, 1);
    EXPECT_TRUE(host.Utterances.empty());
    EXPECT_FALSE(host.End().Interrupted);
    EXPECT_EQ(host.End().Error, btBrak);
}

TEST_F(TranslatorThread, StretchStartsAndEndsWhereAsked)
{
    TGospodarzSkryptowy host(std::string("chat\r\nchien dort\r\nchat"), jezFrancuski);
    Translate(host, {12, 17});
    EXPECT_EQ(ToUtf8(host.TargetText(), jezPolski), "śpi\r");
}

TEST_F(TranslatorThread, StopDuringTheSentencePauseEndsAtOnceAsAnInterruption)
{
    options.SentenceBySentence = true;
    TGospodarzSkryptowy host(std::string("chat\r\nchien\r\nchat"), jezFrancuski);
    std::promise<void> pauseOpened;
    host.PauseOpened = &pauseOpened;
    {
        TTranslatorThread worker(host, options, Context(), {});
        worker.Start();
        pauseOpened.get_future().wait();
        worker.RequestStop();
    } // the worker's end is waited for here
    EXPECT_TRUE(host.End().Interrupted);
    EXPECT_EQ(host.TargetText(), "kot\r");
}

struct TAwaria {
    const char* name;
    std::function<void()> failure;
    int error;
    int message;
};

class TranslatorThreadFailure : public TranslatorThread, public ::testing::WithParamInterface<TAwaria> {};

TEST_P(TranslatorThreadFailure, ShowsItsMessageOnceAndKeepsWhatWasWritten)
{
    TGospodarzSkryptowy host(std::string("chat\r\nchien\r\nchat"), jezFrancuski);
    host.FailAtUtterance = 2;
    host.Failure = GetParam().failure;
    Translate(host);
    EXPECT_EQ(host.Errors(), std::vector<int>{GetParam().message});
    EXPECT_EQ(host.End().Error, GetParam().error);
    EXPECT_FALSE(host.End().Interrupted);
    EXPECT_EQ(host.TargetText(), "kot\r");
}

INSTANTIATE_TEST_SUITE_P(Kinds, TranslatorThreadFailure,
                         ::testing::Values(TAwaria{"OutOfMemory", [] { throw std::bad_alloc(); }, btBrakPamieci, 128},
                                           TAwaria{"AnyOther", [] { throw std::runtime_error("disk"); }, btInny, 129}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- marks, formats, follow lists

TEST_F(TranslatorThread, UnknownWordsAreMarkedInTheSourceAndWrittenInTheUntranslatedStyle)
{
    options.UntranslatedStyle = {true, false, false, false, 0xFF0000};
    TGospodarzSkryptowy host(std::string("chat xyz"), jezFrancuski);
    Translate(host);
    EXPECT_EQ(host.Unknown, (std::vector<std::pair<int, int>>{{5, 8}}));
    ASSERT_EQ(host.Utterances.size(), 1u);
    const TFragmentWyniku& last = host.Utterances[0].Fragments.back();
    EXPECT_EQ(last.Text, "xyz");
    EXPECT_EQ(last.Language, jezFrancuski);
    EXPECT_EQ(last.Mark, TZaznaczenieTekstu::Nieprzetlumaczone);
    EXPECT_TRUE(last.Attributes.Pogrubienie);
    EXPECT_EQ(last.Attributes.Kolor, 0xFF0000);
}

TEST_F(TranslatorThread, EachWordTakesTheFormatOfItsSourceRunAndIsFollowedInBothPanes)
{
    TAtrybutyTekstu bold;
    bold.Pogrubienie = true;
    TTekstFormatowany source;
    source.Akapity.emplace_back();
    source.Akapity[0].Dopisz(u"chat ", {});
    source.Akapity[0].Dopisz(u"noir", bold);
    source.Akapity[0].Dopisz(u" dort", {});
    TGospodarzSkryptowy host(source, jezFrancuski);
    Translate(host);
    ASSERT_EQ(host.Target().Akapity.size(), 1u);
    const auto& fragments = host.Target().Akapity[0].Fragmenty;
    ASSERT_EQ(fragments.size(), 3u);
    EXPECT_EQ(fragments[0].Tekst, u"kot");
    EXPECT_EQ(fragments[1].Tekst, u" czarny");
    EXPECT_TRUE(fragments[1].Atrybuty.Pogrubienie);
    EXPECT_FALSE(fragments[2].Atrybuty.Pogrubienie);

    const TWynikWypowiedzenia& utterance = host.Utterances.at(0);
    ASSERT_EQ(utterance.TargetWords.size(), 3u);
    EXPECT_EQ(utterance.TargetWords[1].Start, 4);
    EXPECT_EQ(utterance.TargetWords[1].End, 10);
    EXPECT_EQ(utterance.TargetWords[1].Sequence, 1);
    EXPECT_EQ(utterance.SourceWords[1].Start, 5);
    EXPECT_EQ(utterance.SourceWords[1].End, 9);
    EXPECT_EQ(utterance.SourceWords[1].Text, "noir");
}

TEST_F(TranslatorThread, PairsGoToTheArchiveWhenAskedAndLongerThanOneWord)
{
    options.ArchiveTranslations = true;
    TGospodarzSkryptowy host(std::string("chat dort.\r\nchien"), jezFrancuski);
    Translate(host);
    ASSERT_EQ(host.Archived.size(), 1u);
    EXPECT_EQ(host.Archived[0].first, "chat dort.");
    EXPECT_EQ(ToUtf8(host.Archived[0].second, jezPolski), "kot śpi.");
}

} // namespace
} // namespace velmar
