// A translation runs on its own thread over the same line lists the window thread
// searches and edits: the window looks words up and adds and removes a user headword
// while the worker translates, and the worker's output stays whole. Run under
// ThreadSanitizer (`make test-tsan`), this is the check that the two threads share
// the lists safely.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "DaneFrancuskie.h"
#include "GospodarzSkryptowy.h"
#include "core/app/untStaleApp.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"

namespace velmar {
namespace {

constexpr int kParagraphs = 200;

std::string Repeated(const std::string& paragraph, const std::string& separator)
{
    std::string text;
    for (int i = 0; i < kParagraphs; ++i)
        text += (i > 0 ? separator : "") + paragraph;
    return text;
}

// What the window thread does meanwhile: searches and entries of the main dictionary,
// and a user headword added and deleted again, as the user-dictionary windows do.
void UseTheDictionaries(TSlowniki& set, const std::atomic<bool>& done)
{
    const std::string stored = set.User.Encode("zzz_#2 nowy");
    for (int round = 0; !done; ++round) {
        int index = -1;
        if (set.Main.FindExact("chat", index)) {
            EXPECT_EQ(set.Main.GetEntry(index).Headword, "chat");
        }
        int place = -1;
        if (round % 2 == 0) {
            set.User.FindKeyExact("zzz", place);
            set.Listy.User.Insert(place, stored);
        } else if (set.User.FindKeyExact("zzz", place)) {
            set.Listy.User.Delete(place);
        }
    }
}

TEST(TranslatorConcurrent, TranslatesWhileTheWindowSearchesAndEditsTheUserDictionary)
{
    test::TempFolder folder;
    test::WriteFrenchData(folder);
    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode(""));
    TSlowniki set{TFolderyDanych(folder.Path(), folder.Path())};
    ASSERT_TRUE(
        set.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true).empty());
    TSlownikiRobocze workerDictionaries(set, jezFrancuski);
    const TKontekstWypowiedzi context{jezFrancuski, jezPolski, trybTranslatorFrPl, {}, &workerDictionaries, nullptr};

    test::TGospodarzSkryptowy host(FromUtf8(Repeated("chats souris", "\r\n")), jezFrancuski);
    std::atomic<bool> done = false;
    std::thread window([&] { UseTheDictionaries(set, done); });
    TTranslatorThread(host, TOpcjeTlumaczenia{}, context, {}).Run();
    done = true;
    window.join();

    // Every paragraph translated, the user's "souris" included, whatever the window did.
    EXPECT_EQ(ToUtf8(host.TargetText(), jezPolski), Repeated("kot mysz", "\r"));
    EXPECT_TRUE(host.Errors().empty());
}

} // namespace
} // namespace velmar
