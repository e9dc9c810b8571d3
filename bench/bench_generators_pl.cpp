// Polish forms per second through the generator entry point, for a mixed list of nouns
// and verbs asked for every case, number, tense and person they have.
#include <benchmark/benchmark.h>

#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

#include <string>
#include <vector>

namespace {

using velmar::TCechyPl;

struct TZadanie {
    std::string Word;
    TCechyPl Features;
};

enum TZestaw { zsRzeczowniki = 1, zsCzasowniki = 2, zsOba = 3 };

std::vector<TZadanie> Requests(int zestaw)
{
    const char* nouns[] = {"pies *2110208", "człowiek *0320", "ręka *333",     "oko *423", "kobieta *34",
                           "dom *134",      "czytanie *41",   "Państwo *4881", "imię *45", "noc *37"};
    const char* verbs[] = {"czytać **1",  "robić **61", "zrobić *$61",        "być */3",     "móc */1", "pisać **9",
                           "kupować **4", "nieść */1",  "nie robić się **61", "widzieć **71"};
    std::vector<TZadanie> requests;
    if (zestaw & zsRzeczowniki)
        for (const char* noun : nouns)
            for (int number = 1; number <= 2; ++number)
                for (int przypadek = 1; przypadek <= 7; ++przypadek)
                    requests.push_back({velmar::FromUtf8(noun), {.Case = przypadek, .Number = number}});
    if (zestaw & zsCzasowniki)
        for (const char* verb : verbs) {
            for (int form : {1, 2, 3, 4, 5})
                for (int person = 1; person <= 6; ++person)
                    requests.push_back({velmar::FromUtf8(verb), {.Person = person, .FormCode = form}});
            for (int form : {6, 7, 9, 21, 22, 61})
                requests.push_back({velmar::FromUtf8(verb), {.FormCode = form}});
        }
    return requests;
}

// The argument chooses nouns (1), verbs (2) or both (3).
void BM_GenFormPl(benchmark::State& state)
{
    const auto requests = Requests(static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (const auto& request : requests)
            benchmark::DoNotOptimize(velmar::GenFormPl(request.Word, request.Features));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(requests.size()));
}
BENCHMARK(BM_GenFormPl)->Arg(zsOba)->Arg(zsRzeczowniki)->Arg(zsCzasowniki)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
