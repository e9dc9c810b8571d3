// French forms per second through the generator entry point: verbs asked for every
// simple and compound tense and person (each request rebuilds the verb's 54 forms), and
// nouns and adjectives in both numbers and genders; and the aspirated-h test.
#include <benchmark/benchmark.h>

#include "core/app/untUtils.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczFr.h"

#include <string>
#include <vector>

namespace {

using velmar::TCechyFr;

struct TZadanie {
    std::string Word;
    TCechyFr Features;
};

std::vector<TZadanie> VerbRequests()
{
    std::vector<TZadanie> requests;
    for (const char* verb : {"parler*4", "finir*4", "venir*4", "prendre*4", "s'asseoir*4", "appeler*4", "envoyer*4",
                             "être*4", "faire*4", "recevoir*4"})
        for (int tense : {1, 2, 3, 4, 5, 6, 7, 8, 11, 16})
            for (int person = 1; person <= 6; ++person)
                requests.push_back({velmar::FromUtf8(verb), {.FormCode = tense, .Person = person}});
    return requests;
}

std::vector<TZadanie> NominalRequests()
{
    std::vector<TZadanie> requests;
    for (const char* word : {"cheval*1", "travail*1", "chou-fleur*1", "maison*2", "oeil*1", "blanc*7", "menteur*7",
                             "national*7", "beau*7", "complet*7"})
        for (int number = 1; number <= 2; ++number)
            for (int gender = 1; gender <= 2; ++gender)
                requests.push_back({velmar::FromUtf8(word), {.Number = number, .Gender = gender}});
    return requests;
}

void Generate(benchmark::State& state, const std::vector<TZadanie>& requests)
{
    for (auto _ : state)
        for (const TZadanie& request : requests)
            benchmark::DoNotOptimize(velmar::GenFormFr(request.Word, request.Features));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(requests.size()));
}

void BM_GenFormFrVerbs(benchmark::State& state)
{
    Generate(state, VerbRequests());
}
BENCHMARK(BM_GenFormFrVerbs);

void BM_GenFormFrNounsAdjectives(benchmark::State& state)
{
    Generate(state, NominalRequests());
}
BENCHMARK(BM_GenFormFrNounsAdjectives);

void BM_ElisionAllowed(benchmark::State& state)
{
    const std::vector<std::string> words = {
        velmar::FromUtf8("héros"), "homme", "haricots", "habiter", "hurlons", "table", "hache", "heure"};
    for (auto _ : state)
        for (const std::string& word : words)
            benchmark::DoNotOptimize(velmar::ElisionAllowed(word));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
}
BENCHMARK(BM_ElisionAllowed);

} // namespace

BENCHMARK_MAIN();
