// Dictionary loading against a plain read of the same bytes: a synthetic main list of
// 300,000 lines, a forms list of 2,000,000 lines, and the main and forms lists of both
// directions of the data set (VELMAR_DATA_DIR, else the program folder). Each iteration
// reads the files plainly, then loads them, each timed in the thread's processor time;
// the counters give the median of each, their ratio (load/read), and the heap held by
// the loaded lists and the peak heap while loading, both relative to the file size.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"

// ---------------------------------------------------------------- heap accounting

namespace {
std::atomic<std::size_t> heapInUse = 0;
std::atomic<std::size_t> heapPeak = 0;

void* Allocate(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    const std::size_t now = heapInUse += malloc_usable_size(block);
    for (std::size_t peak = heapPeak; now > peak && !heapPeak.compare_exchange_weak(peak, now);) {
    }
    return block;
}

void Release(void* block) noexcept
{
    if (!block)
        return;
    heapInUse -= malloc_usable_size(block);
    std::free(block);
}
} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void operator delete(void* block) noexcept
{
    Release(block);
}
void operator delete[](void* block) noexcept
{
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    Release(block);
}

namespace velmar {
namespace {

// ---------------------------------------------------------------- synthetic files

std::filesystem::path SyntheticFile(const std::string& name, int lines, int keyRow, std::string (*line)(int))
{
    const auto file = std::filesystem::temp_directory_path() / name;
    if (std::filesystem::exists(file))
        return file;
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < lines; ++i)
        out << EncodeLine(line(i), keyRow) << "\r\n";
    return file;
}

std::string MainLine(int i)
{
    return Format("hasło%07d_#1m pierwsze +m , drugie *2 (zool.) ; trzecie $de:do2 #7 przymiotnik%d", i, i);
}

std::string FormsLine(int i)
{
    return Format("forma%08d\\\x05podstawa%d", i, i / 7);
}

const std::filesystem::path& MainFile()
{
    static const auto file = SyntheticFile("velmar-bench-main.sg", 300'000, kKeyRowMain, MainLine);
    return file;
}

const std::filesystem::path& FormsFile()
{
    static const auto file = SyntheticFile("velmar-bench-forms.so", 2'000'000, kKeyRowForms, FormsLine);
    return file;
}

// ---------------------------------------------------------------- loading

// The thread's own processor time, page faults and the read's copy included: on a
// machine shared with other work, the time it waits for a core is not the load's.
struct TZegarWatku {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<TZegarWatku>;
    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};
using Clock = TZegarWatku;

double Milliseconds(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string ReadPlainly(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string bytes(std::filesystem::file_size(file), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Times the plain read and the load of the files (the load is the benchmark's own time).
void LoadAgainstRead(benchmark::State& state, const std::vector<std::filesystem::path>& files)
{
    double fileBytes = 0;
    for (const auto& file : files)
        fileBytes += static_cast<double>(std::filesystem::file_size(file));
    std::vector<double> reads;
    std::vector<double> loads;
    std::size_t held = 0;
    std::size_t peak = 0;
    int lines = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (const auto& file : files)
            benchmark::DoNotOptimize(ReadPlainly(file));
        reads.push_back(Milliseconds(start));

        std::vector<TLinie> lists(files.size());
        const std::size_t before = heapInUse;
        heapPeak = before;
        start = Clock::now();
        for (std::size_t i = 0; i < files.size(); ++i)
            lists[i].LoadFromFile(files[i]);
        loads.push_back(Milliseconds(start));
        state.SetIterationTime(loads.back() / 1e3);
        held = heapInUse - before;
        peak = heapPeak - before;
        lines = 0;
        for (const TLinie& list : lists)
            lines += list.Count();
    }
    state.counters["lines"] = lines;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["read_ms"] = Median(reads);
    state.counters["load_ms"] = Median(loads);
    state.counters["load/read"] = Median(loads) / Median(reads);
    state.counters["held/file"] = static_cast<double>(held) / fileBytes;
    state.counters["peak/file"] = static_cast<double>(peak) / fileBytes;
}

void BM_LoadMainList300k(benchmark::State& state)
{
    LoadAgainstRead(state, {MainFile()});
}
void BM_LoadFormsList2M(benchmark::State& state)
{
    LoadAgainstRead(state, {FormsFile()});
}

std::filesystem::path DataFolder()
{
    const char* folder = std::getenv("VELMAR_DATA_DIR");
    return folder && *folder ? folder : Foldery().DataFolder();
}

// The main and forms lists of both directions of the data set: nearly all the bytes the
// program loads at start.
void BM_LoadBothDirections(benchmark::State& state)
{
    std::vector<std::filesystem::path> files;
    for (const int mode : {trybTranslatorFrPl, trybTranslatorPlFr})
        for (const TTabelaProduktu* table : {&tabele::MainDictionary, &tabele::InflectedForms})
            files.push_back(DataFolder() / ProductFile(*table, mode));
    for (const auto& file : files) {
        if (!std::filesystem::exists(file)) {
            state.SkipWithError(("no " + file.string()).c_str());
            return;
        }
    }
    LoadAgainstRead(state, files);
}

BENCHMARK(BM_LoadMainList300k)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_LoadFormsList2M)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_LoadBothDirections)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace
} // namespace velmar

BENCHMARK_MAIN();
