// Copying part of the entry view without its hidden text: the requested part is given
// in positions of the view, which still holds the hidden stretches; the copy is taken
// after they are deleted, so the part moves and shrinks with every stretch before or
// inside it.

#include <algorithm>
#include <charconv>

#include "core/browser/untWidokHasla.h"

namespace velmar {

namespace {

int NumberOr0(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

} // namespace

std::string HiddenRange(int start, int end)
{
    return std::to_string(start) + ":" + std::to_string(end);
}

TKopiaWidoczna PlanVisibleCopy(const std::vector<std::string>& ranges, int start, int length)
{
    TKopiaWidoczna plan;
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        const std::size_t colon = range->find(':');
        if (colon == std::string::npos)
            continue;
        const int d = NumberOr0(std::string_view(*range).substr(0, colon));
        const int c = NumberOr0(std::string_view(*range).substr(colon + 1));
        if (d >= c)
            continue;
        if (c <= start) {
            start -= c - d;
        } else if (start + length >= d) {
            if (d <= start)
                length -= c - start; // the part starts inside the stretch
            else if (start + length < c)
                length = d - start; // the part ends inside the stretch
            else
                length -= c - d; // the stretch lies inside the part
            start = std::min(start, d);
        }
        plan.Deletions.push_back({d, c});
    }
    plan.Start = start;
    plan.Length = length;
    return plan;
}

} // namespace velmar
