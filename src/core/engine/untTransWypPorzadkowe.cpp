// Polish ordinal numerals made from the cardinal forms of a translation.
#include <map>
#include <optional>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypSkladanie.h"

namespace velmar {

namespace {

// The ordinal adjective of each value that Polish writes as one word.
const std::map<int, std::string>& OrdinalLemmas()
{
    static const std::map<int, std::string> lemmas = [] {
        const std::pair<int, const char*> utf8[] = {
            {0, "zerowy"},
            {1, "pierwszy"},
            {2, "drugi"},
            {3, "trzeci"},
            {4, "czwarty"},
            {5, "piąty"},
            {6, "szósty"},
            {7, "siódmy"},
            {8, "ósmy"},
            {9, "dziewiąty"},
            {10, "dziesiąty"},
            {11, "jedenasty"},
            {12, "dwunasty"},
            {13, "trzynasty"},
            {14, "czternasty"},
            {15, "piętnasty"},
            {16, "szesnasty"},
            {17, "siedemnasty"},
            {18, "osiemnasty"},
            {19, "dziewiętnasty"},
            {20, "dwudziesty"},
            {30, "trzydziesty"},
            {40, "czterdziesty"},
            {50, "pięćdziesiąty"},
            {60, "sześćdziesiąty"},
            {70, "siedemdziesiąty"},
            {80, "osiemdziesiąty"},
            {90, "dziewięćdziesiąty"},
            {100, "setny"},
            {200, "dwusetny"},
            {300, "trzechsetny"},
            {400, "czterechsetny"},
            {500, "pięćsetny"},
            {600, "sześćsetny"},
            {700, "siedemsetny"},
            {800, "osiemsetny"},
            {900, "dziewięćsetny"},
            {1000, "tysięczny"},
            {1000000, "milionowy"},
        };
        std::map<int, std::string> converted;
        for (const auto& [value, lemma] : utf8)
            converted.emplace(value, FromUtf8(lemma));
        return converted;
    }();
    return lemmas;
}

std::optional<std::string> OrdinalOf(double value)
{
    const auto found = OrdinalLemmas().find(static_cast<int>(value));
    if (found == OrdinalLemmas().end() || found->first != value)
        return std::nullopt;
    return found->second;
}

} // namespace

void OrdinalForms(std::vector<std::string>& forms)
{
    double previous = 0;
    for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
        std::string lemma, code;
        SplitAtStar(*form, lemma, code, true);
        const double value = ParseNumber(Trim(lemma), AlphabetId(jezPolski));
        // Only the units and tens of a compound number take the ordinal form:
        // "sto dwudziesty trzeci", "dwieście trzeci".
        const bool joinsOrdinal = previous < 10 && !(previous > 0 && value >= 100);
        const std::optional<std::string> ordinal = value >= 0 ? OrdinalOf(value) : std::nullopt;
        if (!joinsOrdinal || !ordinal)
            break;
        *form = *ordinal + " *7";
        previous = value;
    }
}

} // namespace velmar
