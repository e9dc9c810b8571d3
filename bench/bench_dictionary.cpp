// Dictionary loading and entry decoding.
//
// Loading: a synthetic main list of 300,000 lines and a forms list of 2,000,000 lines,
// each against a plain read of the same file; the counters give the heap held by the
// loaded list and the peak heap while loading, both relative to the file size.
// Decoding: GetEntry of a 2 KB entry with the cache forgotten before every call.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

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

void LoadList(benchmark::State& state, const std::filesystem::path& file)
{
    const double fileBytes = static_cast<double>(std::filesystem::file_size(file));
    std::size_t held = 0;
    std::size_t peak = 0;
    int lines = 0;
    for (auto _ : state) {
        TLinie list;
        const std::size_t before = heapInUse;
        heapPeak = before;
        list.LoadFromFile(file);
        held = heapInUse - before;
        peak = heapPeak - before;
        lines = list.Count();
        benchmark::DoNotOptimize(list);
    }
    state.counters["lines"] = lines;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["held/file"] = static_cast<double>(held) / fileBytes;
    state.counters["peak/file"] = static_cast<double>(peak) / fileBytes;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fileBytes));
}

void ReadFile(benchmark::State& state, const std::filesystem::path& file)
{
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes(std::filesystem::file_size(file), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

void BM_LoadMainList300k(benchmark::State& state)
{
    LoadList(state, MainFile());
}
void BM_ReadMainFile300k(benchmark::State& state)
{
    ReadFile(state, MainFile());
}
void BM_LoadFormsList2M(benchmark::State& state)
{
    LoadList(state, FormsFile());
}
void BM_ReadFormsFile2M(benchmark::State& state)
{
    ReadFile(state, FormsFile());
}
BENCHMARK(BM_LoadMainList300k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMainFile300k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFormsList2M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFormsFile2M)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- one large entry

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
