#pragma once
// The search index of a line list: the collation prefix of every key, so that a binary
// search compares compact numbers and decodes a scrambled line only where the prefixes
// tie (see CollationPrefix).

#include <cstdint>
#include <typeindex>
#include <utility>
#include <vector>

#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"

namespace velmar {

// How a dictionary takes the keys out of its lines and orders them: two instances that
// read one list the same way share its index.
struct TOdczytKluczy {
    std::type_index Kind; // the dictionary class, which defines KeyOf
    int KeyRow = 0;
    char Separator = 0;
    TZbiorZnakow Cutters;
    int Variant = 0; // whatever else the kind's KeyOf reads (see KeyVariant)
    std::uint8_t Language = 0;

    bool operator==(const TOdczytKluczy&) const = default;
};

class TPrefiksyKluczy : public TIndeksWersji {
public:
    TPrefiksyKluczy(TOdczytKluczy reading, std::vector<std::uint64_t> prefixes)
        : reading_(std::move(reading)), prefixes_(std::move(prefixes))
    {
    }

    const TOdczytKluczy& Reading() const { return reading_; }
    // The prefix of the key of line index (0..Count−1).
    std::uint64_t At(int index) const { return prefixes_[static_cast<std::size_t>(index)]; }
    std::size_t MemoryBytes() const override { return prefixes_.capacity() * sizeof(std::uint64_t); }

private:
    TOdczytKluczy reading_;
    std::vector<std::uint64_t> prefixes_;
};

} // namespace velmar
