// Feeds arbitrary decoded lines to the entry parser of either main dictionary. What
// the parser makes of a line, written the way the user dictionary stores it, must parse
// back to an entry that is written the same way again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/dictionaries/untZrodlaDanych.h"

namespace {

const velmar::TTransSlownik& MainDictionary(std::uint8_t selector)
{
    static const std::unique_ptr<velmar::TTransSlownik> french =
        velmar::MakeDictionaryOfKind("main", velmar::jezFrancuski);
    static const std::unique_ptr<velmar::TTransSlownik> polish =
        velmar::MakeDictionaryOfKind("main", velmar::jezPolski);
    return selector % 2 == 0 ? *french : *polish;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    if (size == 0)
        return 0;
    const TTransSlownik& dictionary = MainDictionary(data[0]);
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

    TTransSlownikSlowo entry;
    entry.Parse(line, data[0] & 2, dictionary, false);
    const std::string written = entry.Serialize(dictionary);
    TTransSlownikSlowo again;
    again.Parse(written, false, dictionary, false);
    if (again.Serialize(dictionary) != written)
        __builtin_trap();
    return 0;
}
