// What the user adds during a session reaches the next translation: a user translation
// is read first, removing it brings the main entry back, and a word not to translate is
// copied as it is.
#include <gtest/gtest.h>

#include <string>

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/engine/DaneWbudowane.h"
#include "core/engine/GospodarzSkryptowy.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"

namespace velmar {
namespace {

std::string Translated(TSlowniki& dictionaries, const std::string& french)
{
    TSlownikiRobocze worker(dictionaries, jezFrancuski);
    const TKontekstWypowiedzi context{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &worker, nullptr};
    TOpcjeTlumaczenia options;
    options.TranslationMode = 1;
    test::TGospodarzSkryptowy host(FromUtf8(french), jezFrancuski);
    TTranslatorThread(host, options, context, {}).Run();
    return ToUtf8(host.TargetText(), jezPolski);
}

TEST(UserWordsInTranslation, AnAddedTranslationWinsUntilItIsRemoved)
{
    TSlowniki& dictionaries = test::BundledData::French().Dictionaries();
    TSlownikDopisan editing(dictionaries.User, dictionaries.Main);
    const std::string before = Translated(dictionaries, "pomme");
    ASSERT_EQ(before, "jabłko");

    const int index = editing.AddTranslation("pomme", "gruszka", false, {}, 0);
    EXPECT_EQ(Translated(dictionaries, "pomme"), "gruszka");
    editing.DeleteEntry(index);
    EXPECT_EQ(Translated(dictionaries, "pomme"), before);
}

TEST(UserWordsInTranslation, AWordNotToTranslateIsCopiedUnchanged)
{
    TSlowniki& dictionaries = test::BundledData::French().Dictionaries();
    int index = 0;
    ASSERT_TRUE(dictionaries.Untranslatable.AddWord("Pierre", index));
    const std::string translated = Translated(dictionaries, "Pierre mange une pomme.");
    dictionaries.Untranslatable.DeleteWord(index);
    EXPECT_EQ(translated, "Pierre je jabłko.");
}

} // namespace
} // namespace velmar
