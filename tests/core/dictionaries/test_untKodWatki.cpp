// A line list edited on one thread while another thread reads it through its own
// dictionary instance: every read operation must see one version of the list, never a
// mixture of two. Run under ThreadSanitizer as well.
//
// The writer walks the list through known versions only: the base keys (k000, k002…)
// plus a run of the odd keys, growing by one inserted line at a time up to all of them,
// then shrinking by one deleted line at a time from the front of the run.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {
namespace {

using TKlucze = std::vector<std::string>;

constexpr int kKeys = 80;
constexpr int kReads = 150;
constexpr int kEdits = 1000; // at least, while the reads go on

std::string KeyNumber(int number)
{
    return Format("k%03d", number);
}

bool IsBase(int number)
{
    return number % 2 == 0;
}

// The keys of the version holding the base keys and the odd keys first..last−1.
TKlucze VersionKeys(int first, int last)
{
    TKlucze keys;
    for (int number = 0; number < kKeys; ++number)
        if (IsBase(number) || (number >= 2 * first + 1 && number < 2 * last + 1))
            keys.push_back(KeyNumber(number));
    return keys;
}

std::set<TKlucze> KnownVersions()
{
    std::set<TKlucze> versions;
    for (int count = 0; count <= kKeys / 2; ++count) {
        versions.insert(VersionKeys(0, count));
        versions.insert(VersionKeys(count, kKeys / 2));
    }
    return versions;
}

TKlucze Matching(const TKlucze& keys, char digit)
{
    TKlucze matching;
    for (const std::string& key : keys)
        if (key.find(digit) != std::string::npos)
            matching.push_back(key);
    return matching;
}

class LinesConcurrent : public ::testing::Test {
protected:
    LinesConcurrent()
    {
        window_.Attach(&shared_);
        reader_.Attach(&shared_);
        std::vector<std::string> stored;
        for (const std::string& key : VersionKeys(0, 0))
            stored.push_back(Line(key));
        shared_.Assign(std::move(stored));
    }

    std::string Line(const std::string& key) const { return window_.Encode(key + "_#1 słowo " + key); }

    // Inserts and deletes odd keys on another thread while read is called here, at
    // least kReads times and until the writer has made kEdits changes; returns how many
    // calls reported an inconsistent result.
    int ReadWhileEditing(const std::function<bool()>& read)
    {
        std::atomic<bool> stop = false;
        std::thread writer([&] {
            while (!stop)
                EditOneRound(stop);
        });
        int inconsistent = 0;
        for (int i = 0; i < kReads || edits_ < kEdits; ++i)
            inconsistent += read() ? 0 : 1;
        stop = true;
        writer.join();
        return inconsistent;
    }

    // Keys from one scan of Count and GetKey, yielding on the way so that the writer
    // gets to publish in the middle of it even on one core.
    TKlucze ScanKeys(TTransSlownik& dictionary)
    {
        TKlucze keys;
        for (int i = 0; i < dictionary.Count(); ++i) {
            if (i == kKeys / 4)
                std::this_thread::yield();
            keys.push_back(dictionary.GetKey(i));
        }
        return keys;
    }

    TLinie shared_;
    TTransSlownikGlowny window_{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TTransSlownikGlowny reader_{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    const std::set<TKlucze> known_ = KnownVersions();

private:
    std::atomic<int> edits_ = 0;

    void EditOneRound(const std::atomic<bool>& stop)
    {
        for (int number = 1; number < kKeys && !stop; number += 2) {
            int index = 0;
            window_.FindKeyExact(KeyNumber(number), index);
            shared_.Insert(index, Line(KeyNumber(number)));
            ++edits_;
        }
        for (int number = 1; number < kKeys && !stop; number += 2) {
            int index = 0;
            if (window_.FindKeyExact(KeyNumber(number), index))
                shared_.Delete(index);
            ++edits_;
        }
    }
};

TEST_F(LinesConcurrent, ScanInsideOnePinReadsOneVersion)
{
    const int inconsistent = ReadWhileEditing([&] {
        const TTransSlownik::TPrzypiecie pin(reader_);
        return known_.contains(ScanKeys(reader_));
    });
    EXPECT_EQ(inconsistent, 0);
}

TEST_F(LinesConcurrent, AllKeysListsOneVersion)
{
    const int inconsistent = ReadWhileEditing([&] {
        const std::string all = reader_.AllKeys();
        TKlucze keys;
        for (const std::string_view line : SplitLines(all))
            keys.emplace_back(line);
        return known_.contains(keys);
    });
    EXPECT_EQ(inconsistent, 0);
}

TEST_F(LinesConcurrent, FilteredViewHoldsTheMatchesOfOneVersion)
{
    std::set<TKlucze> filtered;
    for (const TKlucze& version : known_)
        filtered.insert(Matching(version, '1'));
    const int inconsistent = ReadWhileEditing([&] {
        reader_.FilterBy("1", false, false);
        reader_.SetFilter(true);
        const TKlucze keys = ScanKeys(reader_);
        reader_.SetFilter(false);
        return filtered.contains(keys);
    });
    EXPECT_EQ(inconsistent, 0);
}

// A key of every version is always found, and what the search reports (its index, the
// entry at it) belongs to the version it searched.
TEST_F(LinesConcurrent, SearchesAlwaysFindTheKeysOfEveryVersion)
{
    int round = 0;
    const std::vector<std::function<bool(const std::string&)>> searches = {
        [&](const std::string& key) {
            int index = -1;
            const TTransSlownik::TPrzypiecie pin(reader_);
            return reader_.FindKeyExact(key, index) && reader_.GetKey(index) == key;
        },
        [&](const std::string& key) {
            const TTransSlownik::TPrzypiecie pin(reader_);
            TZnajdzOpcje options = InitOptions(key);
            return reader_.Find(options) && reader_.GetEntry(options.Index).Headword == key;
        },
        [&](const std::string& key) {
            const TTransSlownik::TPrzypiecie pin(reader_);
            return reader_.GetKey(reader_.Locate(key)) == key;
        },
    };
    const int inconsistent = ReadWhileEditing([&] {
        const std::string key = KeyNumber(2 * (round % (kKeys / 2)));
        return searches[static_cast<std::size_t>(round++) % searches.size()](key);
    });
    EXPECT_EQ(inconsistent, 0);
}

} // namespace
} // namespace velmar
