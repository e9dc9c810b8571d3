// The dictionary window's headword list over a main dictionary of 30 000 entries with
// 300 user headwords merged in: filling one page of 40 rows at a random place (what
// every scroll step and search costs), and placing the user headwords (what every
// reset of the list costs).
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "KluczeSyntetyczne.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/browser/untSlownikZew.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace {

using namespace velmar;

constexpr int kMainEntries = 30000;
constexpr int kUserEntries = 300;
constexpr int kRowsPerPage = 40;

// Entries of a realistic shape: two sub-records, meanings with alternatives.
void Fill(TLinie& lines, const std::vector<std::string>& keys)
{
    std::vector<std::string> stored;
    stored.reserve(keys.size());
    for (const std::string& key : keys)
        stored.push_back(
            EncodeLine(key + "_#1m " + FromUtf8("tłumaczenie, przekład; inne znaczenie #V robić coś"), kKeyRowMain));
    lines.Assign(std::move(stored));
}

struct TDane {
    TLinie MainLines;
    TLinie UserLines;
    TTransSlownikGlowny Main{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski};
    TTransSlownikGlowny User{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TPozycjeHasel Positions;

    TDane()
    {
        Fill(MainLines, bench::SyntheticKeys(kMainEntries, 11));
        std::vector<std::string> stored;
        for (const std::string& key : bench::SyntheticKeys(kUserEntries, 5))
            stored.push_back(EncodeLine(key + FromUtf8("_#1m mój wyraz"), kKeyRowUser));
        UserLines.Assign(std::move(stored));
        Main.Attach(&MainLines);
        User.Attach(&UserLines);
        Positions.Assign(Main.Count(), UserMainPositions(Main, User));
    }
};

TDane& Dane()
{
    static TDane data;
    return data;
}

void BM_FillPage(benchmark::State& state)
{
    TDane& data = Dane();
    std::mt19937 random(3);
    std::uniform_int_distribution<int> top(0, data.Positions.TotalCount() - kRowsPerPage);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillPage(top(random), kRowsPerPage, data.Positions, data.Main, data.User));
}
BENCHMARK(BM_FillPage)->Unit(benchmark::kMicrosecond);

void BM_PlaceUserHeadwords(benchmark::State& state)
{
    TDane& data = Dane();
    for (auto _ : state)
        benchmark::DoNotOptimize(UserMainPositions(data.Main, data.User));
}
BENCHMARK(BM_PlaceUserHeadwords)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
