// Entry decoding: GetEntry of a 2 KB entry of the main dictionary with the cache forgotten
// before every call, the step the engine takes for most words it looks up.
#include <benchmark/benchmark.h>

#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {
namespace {

std::string LargeEntry()
{
    std::string line = "avoir_";
    for (int subRecord = 0; line.size() < 2048; ++subRecord) {
        line +=
            Format("#%d mieć *%d (pot.) +m , posiadać $de:zpowodu2 ; dysponować <władać> +25 ", subRecord, subRecord);
        line += "; (książk.) dzierżyć (coś) [stary] , trzymać +z ";
    }
    line += "\xD7"
            "avoir faim_v być głodnym, \x89 głodować";
    return line;
}

void BM_GetEntry2KB(benchmark::State& state)
{
    TLinie lines;
    const std::string text = LargeEntry();
    TTransSlownikGlowny dictionary(rsGlowny, kKeyRowMain, jezFrancuski, jezPolski);
    dictionary.KeepPhrases = true;
    lines.Add(dictionary.Encode(text));
    dictionary.Attach(&lines);
    int meanings = 0;
    for (auto _ : state) {
        dictionary.CachedIndex = -1;
        const auto& entry = dictionary.GetEntry(0);
        meanings = entry.SubRecords.Item(0)->Meanings.Count();
        benchmark::DoNotOptimize(entry);
    }
    state.counters["entry_bytes"] = static_cast<double>(text.size());
    state.counters["meanings_in_first"] = meanings;
}
BENCHMARK(BM_GetEntry2KB)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velmar

BENCHMARK_MAIN();
