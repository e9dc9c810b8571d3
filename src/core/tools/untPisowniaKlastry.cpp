#include "core/tools/untPisowniaKlastry.h"

#include <string>
#include <unordered_set>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar {

namespace {

using TKlastry = std::unordered_set<std::string>;

TKlastry ClustersOf(std::string_view tagList)
{
    TKlastry clusters;
    for (std::size_t open = tagList.find('<'); open != std::string_view::npos; open = tagList.find('<', open + 1)) {
        const std::size_t close = tagList.find('>', open);
        clusters.insert(FromUtf8(tagList.substr(open + 1, close - open - 1)));
    }
    return clusters;
}

const TKlastry* ClustersOfLanguage(std::uint8_t language)
{
    static const TKlastry polish = ClustersOf(kKlastryPl);
    static const TKlastry french = ClustersOf(kKlastryFr);
    if (language == jezPolski)
        return &polish;
    if (language == jezFrancuski)
        return &french;
    return nullptr;
}

// 0 not a letter, 1 vowel, 2 consonant.
int ClassOf(unsigned char c)
{
    if (!IsLetter(c))
        return 0;
    return IsSpellingVowel(c) ? 1 : 2;
}

// The run of one class containing position (0-based), as [first, last]; a byte that is
// no letter is a run of its own, a position outside the word an empty run.
struct TBieg {
    int First = 0;
    int Last = -1;
    int Length() const { return Last - First + 1; }
};

TBieg RunAt(std::string_view word, int position)
{
    const int size = static_cast<int>(word.size());
    if (position < 0 || position >= size)
        return {position, position - 1};
    const auto at = [&](int i) { return static_cast<unsigned char>(word[static_cast<std::size_t>(i)]); };
    const int kind = ClassOf(at(position));
    TBieg run{position, position};
    if (kind == 0)
        return run;
    while (run.First > 0 && ClassOf(at(run.First - 1)) == kind)
        --run.First;
    while (run.Last + 1 < size && ClassOf(at(run.Last + 1)) == kind)
        ++run.Last;
    return run;
}

bool RunAllowed(std::string_view word, const TBieg& run, const TKlastry* clusters)
{
    if (run.Length() < 2)
        return true;
    return clusters != nullptr && clusters->contains(LowerStr(word.substr(static_cast<std::size_t>(run.First),
                                                                          static_cast<std::size_t>(run.Length()))));
}

} // namespace

bool IsSpellingVowel(unsigned char c)
{
    static const TZbiorZnakow vowels =
        CharsToSet(FromUtf8("aeiouyAEIOUYąĄęĘàáâäÀÁÂÄèéêëìíîïÈÉÊËÌÍÎÏòóôöÒÓÔÖùúûüýÙÚÛÜÝ"));
    return vowels.test(c);
}

bool PassesClusterFilter(std::string_view candidate, int position, std::uint8_t language)
{
    const TKlastry* clusters = ClustersOfLanguage(language);
    const int edit = position - 1;
    const TBieg run = RunAt(candidate, edit);
    if (!RunAllowed(candidate, run, clusters))
        return false;
    if (run.First == edit && !RunAllowed(candidate, RunAt(candidate, edit - 1), clusters))
        return false;
    // Two positions on: position + 1 begins the run of the other class that follows.
    if (run.Last == edit && !RunAllowed(candidate, RunAt(candidate, edit + 2), clusters))
        return false;
    return true;
}

} // namespace velmar
