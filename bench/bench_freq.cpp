// The frequency analysis of 1 MB of Polish text (the Polish fortunes of the fortunes-pl
// package, /usr/share/games/fortunes/pl) over the real data set (VELMAR_DATA_DIR, else
// the program folder): the time of one whole run, and the words per second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/tools/untFrekwencja.h"

namespace {

using namespace velmar;

constexpr std::size_t kTextBytes = 1 << 20;
const std::filesystem::path kFortunes = "/usr/share/games/fortunes/pl";

std::filesystem::path DataFolder()
{
    const char* folder = std::getenv("VELMAR_DATA_DIR");
    return folder && *folder ? folder : Foldery().DataFolder();
}

// The fortune files (not their .dat indexes) joined, cut to kTextBytes at a line end.
std::string PolishText()
{
    std::string text;
    if (!std::filesystem::is_directory(kFortunes))
        return text;
    for (const auto& entry : std::filesystem::directory_iterator(kFortunes)) {
        if (!entry.is_regular_file() || entry.path().has_extension())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (text.size() >= kTextBytes)
            break;
    }
    if (text.size() > kTextBytes)
        text.resize(text.rfind('\n', kTextBytes) + 1);
    return IsValidUtf8(text) ? FromUtf8(text) : std::string();
}

void BM_FrequencyAnalysisPl(benchmark::State& state)
{
    const std::string text = PolishText();
    if (text.empty()) {
        state.SkipWithError("no Polish fortunes (apt-get install fortunes-pl)");
        return;
    }
    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode("/transpl"));
    TSlowniki dictionaries(TFolderyDanych(DataFolder(), DataFolder()));
    dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true);
    const auto paragraphs = SplitLines(text);
    std::uint64_t words = 0;
    for (auto _ : state) {
        TFrekwencja analysis(dictionaries.Forms, dictionaries.Main, jezPolski, {});
        for (const std::string_view paragraph : paragraphs)
            analysis.AddParagraph(paragraph);
        analysis.Finish();
        words = 0;
        for (const auto& list : {analysis.Found(), analysis.NotFound()})
            for (const TPozycjaFrekwencji& item : list)
                words += item.Count;
        benchmark::DoNotOptimize(words);
    }
    state.counters["words"] = static_cast<double>(words);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FrequencyAnalysisPl)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
