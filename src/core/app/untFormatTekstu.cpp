#include "core/app/untFormatTekstu.h"

#include <algorithm>

namespace velmar {

void TFormatTekstu::Clear()
{
    fonts_.clear();
    starts_.clear();
}

int TFormatTekstu::AddRun(int start, const TAtrybutyTekstu& attributes)
{
    fonts_.push_back(attributes);
    starts_.push_back(start);
    return Count() - 1;
}

int TFormatTekstu::Start(int index) const
{
    return index >= 0 && index < Count() ? starts_[static_cast<std::size_t>(index)] : -1;
}

const TAtrybutyTekstu* TFormatTekstu::FontOf(int index) const
{
    return index >= 0 && index < Count() ? &fonts_[static_cast<std::size_t>(index)] : nullptr;
}

int TFormatTekstu::RunAt(int position) const
{
    if (starts_.empty())
        return -1;
    const auto after = std::upper_bound(starts_.begin() + 1, starts_.end(), position);
    return static_cast<int>(after - starts_.begin()) - 1;
}

TFormatTekstu TFormatTekstu::From(int offset, int length) const
{
    TFormatTekstu runs;
    const int first = RunAt(offset);
    if (first < 0)
        return runs;
    runs.AddRun(0, fonts_[static_cast<std::size_t>(first)]);
    for (int r = first + 1; r < Count() && Start(r) - offset < length; ++r)
        runs.AddRun(Start(r) - offset, fonts_[static_cast<std::size_t>(r)]);
    return runs;
}

} // namespace velmar
