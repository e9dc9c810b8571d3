// The French generators called from several threads at once give what one thread gives.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/app/untUtils.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczFr.h"

namespace velmar {
namespace {

// A verb's forms for every tense and person, a noun's and an adjective's forms, and the
// word lists read on first use (aspirated h, determiners, irregular verbs).
std::vector<std::string> FrenchWork(const std::string& verb)
{
    std::vector<std::string> out;
    for (int tense : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 19, 27})
        for (int person = 1; person <= 6; ++person)
            out.push_back(GenFormFr(verb, {.SubjectNumber = person > 3 ? 2 : 1, .FormCode = tense, .Person = person}));
    out.push_back(GenFormFr(FromUtf8("chou-fleur*1"), {.Number = 2}));
    out.push_back(GenFormFr("beau*7", {.Number = 2, .Gender = rdzFrZenski}));
    out.push_back(GenFormFr("ce*95", {.Gender = rdzFrZenski}));
    for (const char* word : {"homme", "haricots", "hurlons", "hache"})
        out.push_back(ElisionAllowed(word) ? "+" : "-");
    out.push_back(IsIrregularVerbFr(verb.substr(0, verb.find('*'))) ? "+" : "-");
    return out;
}

TEST(GenFrConcurrent, ThreadsGenerateTheSameFormsAsOneThread)
{
    const std::vector<std::string> verbs = {"parler*4", "venir*4", FromUtf8("s'asseoir*4"), "finir*4"};
    std::vector<std::vector<std::string>> together(verbs.size());
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < verbs.size(); ++t)
        threads.emplace_back([&, t] { together[t] = FrenchWork(verbs[t]); });
    for (std::thread& thread : threads)
        thread.join();

    for (std::size_t t = 0; t < verbs.size(); ++t)
        EXPECT_EQ(together[t], FrenchWork(verbs[t])) << verbs[t];
}

} // namespace
} // namespace velmar
