#pragma once
// Synthetic dictionary keys for the benchmarks.

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar::bench {

// Distinct French-looking keys made of syllables, some accents, some capitals and
// hyphens, sorted as a dictionary file is. The same seed gives the same keys.
inline std::vector<std::string> SyntheticKeys(int count, unsigned seed)
{
    static const char* const kSyllables[] = {"ma", "son", "pa", "ris", "tre", "é", "cha", "teau", "lu",
                                             "mi", "è", "re", "in", "ter", "na", "tion", "al", "ver"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> syllable(0, std::size(kSyllables) - 1);
    std::uniform_int_distribution<int> length(2, 5);
    std::uniform_int_distribution<int> odds(0, 19);
    std::set<std::string> keys;
    while (static_cast<int>(keys.size()) < count) {
        std::string key;
        for (int n = length(random); n > 0; --n)
            key += FromUtf8(kSyllables[syllable(random)]);
        if (odds(random) == 0)
            key = Capitalize(key);
        if (odds(random) == 1)
            key += "-" + FromUtf8(kSyllables[syllable(random)]);
        keys.insert(key);
    }
    std::vector<std::string> sorted(keys.begin(), keys.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const std::string& a, const std::string& b) { return CompareKeys(a, b, jezFrancuski) < 0; });
    return sorted;
}

} // namespace velmar::bench
