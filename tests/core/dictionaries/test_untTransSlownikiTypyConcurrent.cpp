// The window thread inserts into a line list while the translation worker reads the
// same list through its own dictionary instance. Run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {
namespace {

TEST(DictionaryConcurrent, InsertsWhileAnotherInstanceReads)
{
    TLinie shared;
    TTransSlownikGlowny window(rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski);
    TTransSlownikGlowny worker(rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski);
    window.Attach(&shared);
    worker.Attach(&shared);
    shared.Add(window.Encode("zzz_#1 ostatni"));

    constexpr int kInserts = 3000;
    std::set<std::string> valid = {"zzz"};
    for (int i = 0; i < kInserts; ++i)
        valid.insert("w" + std::to_string(i));

    std::atomic<bool> done = false;
    std::thread writer([&] {
        for (int i = 0; i < kInserts; ++i)
            shared.Insert(i % 7 == 0 ? 0 : shared.Count() / 2, window.Encode("w" + std::to_string(i) + "_#1 słowo"));
        done = true;
    });
    int reads = 0;
    int bad = 0;
    while (!done || reads < 1000) {
        const int count = worker.Count();
        const int index = count == 0 ? 0 : reads % count;
        const std::string key = worker.GetKey(index);
        if (!valid.contains(key))
            ++bad;
        const auto& entry = worker.GetEntry(index);
        if (!valid.contains(entry.Headword))
            ++bad;
        ++reads;
    }
    writer.join();
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(worker.Count(), kInserts + 1);
}

} // namespace
} // namespace velmar
