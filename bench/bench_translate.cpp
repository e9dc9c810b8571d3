// Translation of long texts through the worker and the batch host over the real data
// set (VELMAR_DATA_DIR, else the program folder): words per second in the translation
// modes 0, 1 and 5 for a French and a Polish text of 50 000 words drawn reproducibly
// from the dictionary's headwords, the median and 99th-percentile time per utterance,
// a sweep of sentence lengths from 10 to 400 words (time per word), and peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untGospodarzWsadowy.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"

namespace {

using namespace velmar;
using Clock = std::chrono::steady_clock;

constexpr int kWords = 50000;

std::filesystem::path DataFolder()
{
    const char* folder = std::getenv("VELMAR_DATA_DIR");
    return folder && *folder ? folder : Foldery().DataFolder();
}

// The dictionaries of one direction, loaded once per process.
struct TKierunek {
    TWartosciProgramu Program;
    std::unique_ptr<TSlowniki> Dictionaries;
    std::unique_ptr<TSlownikiRobocze> Worker;
    std::vector<std::string> Words; // one-word headwords
};

TKierunek& Direction(int mode)
{
    static std::map<int, TKierunek> loaded;
    TKierunek& d = loaded[mode];
    if (d.Dictionaries)
        return d;
    ApplyWorkingMode(d.Program, ChooseWorkingMode(mode == trybTranslatorPlFr ? "/transpl" : ""));
    d.Dictionaries = std::make_unique<TSlowniki>(TFolderyDanych(DataFolder(), DataFolder()));
    d.Dictionaries->LoadDictionaries(d.Program, false, ProductFile(tabele::UserDictionary, mode), true);
    d.Worker = std::make_unique<TSlownikiRobocze>(*d.Dictionaries, d.Program.SourceLanguage);
    for (int i = 0; i < d.Dictionaries->Main.Count(); ++i) {
        const std::string key = d.Dictionaries->Main.GetKey(i);
        if (!key.empty() && key.find(' ') == std::string::npos && IsLetter(static_cast<unsigned char>(key[0])))
            d.Words.push_back(key);
    }
    return d;
}

// Sentences of sentenceLength words, ten to a paragraph, from a fixed seed.
std::string Text(const std::vector<std::string>& words, int total, int sentenceLength)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::string text;
    for (int w = 0, sentence = 0; w < total; ++w) {
        text += words[pick(random)];
        if ((w + 1) % sentenceLength == 0) {
            text += ++sentence % 10 == 0 ? ".\r" : ". ";
        } else {
            text += ' ';
        }
    }
    return text;
}

// Times each utterance from the previous one's end to its writing.
class THostPomiarowy : public TGospodarzWsadowy {
public:
    using TGospodarzWsadowy::TGospodarzWsadowy;
    std::vector<double> Microseconds;
    void BeginRun() override
    {
        last_ = Clock::now();
        TGospodarzWsadowy::BeginRun();
    }
    void WriteUtterance(const TWynikWypowiedzenia& utterance) override
    {
        const auto now = Clock::now();
        Microseconds.push_back(std::chrono::duration<double, std::micro>(now - last_).count());
        last_ = now;
        TGospodarzWsadowy::WriteUtterance(utterance);
    }

private:
    Clock::time_point last_;
};

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Translate(benchmark::State& state, int mode, int translationMode, int sentenceLength, int words)
{
    TKierunek& d = Direction(mode);
    if (d.Words.empty()) {
        state.SkipWithError("no main dictionary in the data folder");
        return;
    }
    const std::string text = Text(d.Words, words, sentenceLength);
    TOpcjeTlumaczenia options;
    options.TranslationMode = translationMode;
    const TKontekstWypowiedzi context{
        d.Program.SourceLanguage, d.Program.TargetLanguage, mode, {}, d.Worker.get(), nullptr};
    std::vector<double> times;
    for (auto _ : state) {
        THostPomiarowy host(text, d.Program.SourceLanguage);
        TTranslatorThread(host, options, context, {}).Run();
        times.insert(times.end(), host.Microseconds.begin(), host.Microseconds.end());
    }
    state.SetItemsProcessed(state.iterations() * words);
    state.counters["words/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * words), benchmark::Counter::kIsRate);
    state.counters["us/word"] = benchmark::Counter(static_cast<double>(state.iterations() * words),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["utterance_median_us"] = Percentile(times, 0.5);
    state.counters["utterance_p99_us"] = Percentile(times, 0.99);
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_TranslateText(benchmark::State& state)
{
    Translate(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 15, kWords);
}
BENCHMARK(BM_TranslateText)
    ->ArgNames({"direction", "mode"})
    ->ArgsProduct({{trybTranslatorFrPl, trybTranslatorPlFr}, {0, 1, 5}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_SentenceLength(benchmark::State& state)
{
    Translate(state, trybTranslatorFrPl, 0, static_cast<int>(state.range(0)), 4000);
}
BENCHMARK(BM_SentenceLength)
    ->ArgName("words")
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

BENCHMARK_MAIN();
