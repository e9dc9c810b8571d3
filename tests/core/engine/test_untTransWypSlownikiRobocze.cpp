// Segmentation over real dictionary instances loaded from a data folder.
#include <gtest/gtest.h>

#include "DaneFrancuskie.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {
namespace {

class SlownikiRobocze : public ::testing::Test {
protected:
    SlownikiRobocze()
    {
        test::WriteFrenchData(folder);
        ApplyWorkingMode(program, ChooseWorkingMode(""));
        set.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true);
    }

    const TCustomWypSlowa& Segmented(const std::string& utf8)
    {
        list.Segment(FromUtf8(utf8), true);
        return list.Item(0)->Words();
    }

    test::TempFolder folder;
    TWartosciProgramu program;
    TSlowniki set{TFolderyDanych(folder.Path(), folder.Path())};
    TSlownikiRobocze worker{set, jezFrancuski};
    TCustomWypowiedzenia list{TKontekstWypowiedzi{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr}};
};

TEST_F(SlownikiRobocze, WordsGetTheReadingsOfTheirInflectedForms)
{
    const TCustomWypSlowa& words = Segmented("Les chats est grands souris");
    ASSERT_EQ(words.Count(), 5);
    EXPECT_EQ(words.Word(0).Readings.Count(), 0);
    EXPECT_TRUE(words.Word(0).Unknown);
    EXPECT_EQ(words.Word(1).Lemma, "chat");
    EXPECT_EQ(words.Word(1).Code, 3);
    EXPECT_EQ(words.Word(1).Readings.Item(0)->Entry->SubRecords.Count(), 1);
    EXPECT_EQ(words.Word(2).Lemma, FromUtf8("être"));
    EXPECT_EQ(words.Word(2).WordClass, kwCzasownik);
    EXPECT_EQ(words.Word(3).WordClass, kwPrzymiotnik);
    const TZnaczenie& user = *words.Word(4).Readings.Item(0);
    EXPECT_EQ(user.DictKind, 2);
    EXPECT_EQ(user.Score, 100);
}

TEST_F(SlownikiRobocze, ExpressionsAreOneTokenUnlessVerbal)
{
    const TCustomWypSlowa& words = Segmented("Chats, pomme de terre, prendre part, Renault et fin.");
    std::vector<std::string> texts;
    for (int i = 0; i < words.Count(); ++i)
        texts.push_back(words.Word(i).Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"chats", ",", "pomme de terre", ",", "prendre", "part", ",", "Renault",
                                               "et", "fin"}));
    EXPECT_EQ(words.Word(0).Lemma, "chat") << "found by the relaxed search of a sentence-initial word";
    EXPECT_TRUE(words.Word(0).SentenceCapital) << "the sentence start gives the capital back";
    EXPECT_EQ(words.Word(2).Readings.Count(), 1);
    EXPECT_TRUE(words.Word(7).HasMarker(znNieTlumaczyc));
}

TEST_F(SlownikiRobocze, SentenceInitialExpressionIsFoundWithASmallFirstLetter)
{
    const TCustomWypSlowa& words = Segmented("Pomme de terre cuite.");
    ASSERT_GE(words.Count(), 1);
    EXPECT_EQ(words.Word(0).Text, "pomme de terre");
    EXPECT_EQ(words.Word(0).Lemma, "pomme de terre");
}

// The second look-up folds the case as the settings allow; the word takes the key and
// its capitals become flags.
TEST_F(SlownikiRobocze, TheSecondLookUpTakesTheKeyAndKeepsTheCapitalsAsFlags)
{
    const TCustomWypSlowa& words = Segmented("le CHAT et le Chat");
    ASSERT_EQ(words.Count(), 5);
    EXPECT_EQ(words.Word(1).Text, "chat");
    EXPECT_TRUE(words.Word(1).AllCaps);
    EXPECT_FALSE(words.Word(1).Capitalised);
    EXPECT_EQ(words.Word(4).Text, "chat");
    EXPECT_TRUE(words.Word(4).Capitalised);
    EXPECT_EQ(words.Word(0).Text, "le") << "found as it stands: no flag";
    EXPECT_FALSE(words.Word(0).Capitalised || words.Word(0).AllCaps || words.Word(0).TitleCase);
}

TEST_F(SlownikiRobocze, AnExpressionAddedDuringTheRunIsFound)
{
    // The probe is remembered, but not across a change of the dictionary's lines.
    EXPECT_FALSE(worker.ProbeExpression(TSlownikWyrazen::Glowny, "chat noir", false).Counts);
    int index = -1;
    set.MainWorker.FindKeyExact("chat noir", index);
    ASSERT_TRUE(set.MainWorker.Lines->Insert(index, set.MainWorker.Encode("chat noir_#1 czarny kot")));
    EXPECT_TRUE(worker.ProbeExpression(TSlownikWyrazen::Glowny, "chat noir", false).Counts);
}

} // namespace
} // namespace velmar

namespace velmar {

TEST_F(SlownikiRobocze, TheArchiveAnswersByPrefixAndBySimilarity)
{
    set.ArchiveWorker.AddPair("Bonjour", "Dzień dobry");
    set.ArchiveWorker.AddPair("Bonjour Paul", "Dzień dobry, Pawle");
    set.ArchiveWorker.AddPair("J'ai 3 chats", "Mam 3 koty");

    const TProbaArchiwum bonjour = worker.ProbeArchive("Bonjour", false);
    EXPECT_TRUE(bonjour.Complete);
    EXPECT_TRUE(bonjour.More); // "Bonjour Paul" continues it
    EXPECT_EQ(bonjour.Translation, "Dzień dobry");
    const TProbaArchiwum partial = worker.ProbeArchive("Bon", false);
    EXPECT_FALSE(partial.Complete);
    EXPECT_TRUE(partial.More);
    EXPECT_FALSE(worker.ProbeArchive("Salut", false).More);

    EXPECT_EQ(worker.FindSimilarSentence("J'ai %number% chats", 90), std::optional<std::string>("Mam %1% koty"));
    EXPECT_EQ(worker.FindSimilarSentence("J'ai %number% chats", 100), std::nullopt);
}

} // namespace velmar
