// Dictionary search over a synthetic main list of 300 000 lines: FindExact per call
// (median and 99th percentile as counters), the first search of a list, which builds its
// key index (time and bytes), and the forms search of an unlisted word that only the
// rules find.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "KluczeSyntetyczne.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace {

using namespace velmar;
using velmar::bench::SyntheticKeys;

constexpr int kMainLines = 300000;

// Writes the lines scrambled into a file and loads them as the program does.
void LoadLines(TLinie& lines, const std::vector<std::string>& decoded, int keyRow, const char* name)
{
    const auto file = std::filesystem::temp_directory_path() / name;
    {
        std::ofstream out(file, std::ios::binary);
        for (const std::string& line : decoded)
            out << EncodeLine(line, keyRow) << "\r\n";
    }
    lines.LoadFromFile(file);
    std::filesystem::remove(file);
}

struct TDane {
    std::vector<std::string> Keys;
    TLinie MainLines;
    TLinie FormsLines;

    TDane() : Keys(SyntheticKeys(kMainLines, 11))
    {
        std::vector<std::string> main;
        std::vector<std::string> forms;
        for (const std::string& key : Keys) {
            main.push_back(key + "_ #n1 " + key + FromUtf8(" tłumaczenie ; inne znaczenie #n2 coś"));
            forms.push_back(key + "\\" + static_cast<char>(55) + key);
        }
        forms.push_back(std::string("finir\\") + static_cast<char>(80) + "finir");
        std::sort(forms.begin(), forms.end(), [](const std::string& a, const std::string& b) {
            return CompareKeys(a.substr(0, a.find('\\')), b.substr(0, b.find('\\')), jezFrancuski) < 0;
        });
        LoadLines(MainLines, main, kKeyRowMain, "velmar_bench_search.sg");
        LoadLines(FormsLines, forms, kKeyRowForms, "velmar_bench_search.so");
    }
};

TDane& Dane()
{
    static TDane data;
    return data;
}

double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at), samples.end());
    return samples[at];
}

void BM_FindExact(benchmark::State& state)
{
    TTransSlownikGlowny dictionary(rsGlowny, kKeyRowMain, jezFrancuski, jezPolski);
    dictionary.Attach(&Dane().MainLines);
    const std::vector<std::string>& keys = Dane().Keys;
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        const std::string& key = keys[pick(random)];
        int index = 0;
        const auto start = std::chrono::steady_clock::now();
        const bool found = dictionary.FindExact(key, index);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(found);
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    state.counters["median_us"] = Percentile(micros, 0.5);
    state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(BM_FindExact);

void BM_FirstSearchBuildsIndex(benchmark::State& state)
{
    const TMigawkaLinii loaded = Dane().MainLines.Snapshot();
    std::vector<std::string> stored;
    for (int i = 0; i < loaded->Count(); ++i)
        stored.push_back(loaded->Line(i));
    TLinie lines;
    TTransSlownikGlowny dictionary(rsGlowny, kKeyRowMain, jezFrancuski, jezPolski);
    dictionary.Attach(&lines);
    std::size_t linesOnly = 0;
    for (auto _ : state) {
        state.PauseTiming();
        lines.Assign(stored);
        linesOnly = lines.MemoryBytes();
        state.ResumeTiming();
        int index = 0;
        benchmark::DoNotOptimize(dictionary.FindExact(Dane().Keys[12345], index));
    }
    state.counters["index_MB"] = static_cast<double>(lines.MemoryBytes() - linesOnly) / 1e6;
}
BENCHMARK(BM_FirstSearchBuildsIndex)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FindFormsUnlisted(benchmark::State& state)
{
    TTransSlownikOdwolan forms(jezFrancuski);
    forms.Attach(&Dane().FormsLines);
    for (auto _ : state) {
        TZnajdzOpcje options = InitOptions("finissage");
        options.TryForms = 1;
        benchmark::DoNotOptimize(forms.FindForms(options));
    }
}
BENCHMARK(BM_FindFormsUnlisted)->Unit(benchmark::kMicrosecond);

// A word no rule leads anywhere: every applicable rule costs one search.
void BM_FindFormsNoRuleHelps(benchmark::State& state)
{
    TTransSlownikOdwolan forms(jezFrancuski);
    forms.Attach(&Dane().FormsLines);
    for (auto _ : state) {
        TZnajdzOpcje options = InitOptions(FromUtf8("réinterclassement"));
        options.TryForms = 1;
        benchmark::DoNotOptimize(forms.FindForms(options));
    }
}
BENCHMARK(BM_FindFormsNoRuleHelps)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
