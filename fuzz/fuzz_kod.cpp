// Feeds arbitrary bytes to the line scrambling. The first byte picks the key row; the
// rest is taken both as a decoded text, which must come back from its stored form
// unchanged, and as a stored line, which must decode and, when it is well formed,
// scramble back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/dictionaries/untKod.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    if (size == 0)
        return 0;
    const int keyRow = 1 + data[0] % 4;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string stored = EncodeLine(bytes, keyRow);
    for (const char c : stored)
        if (static_cast<unsigned char>(c) <= 32)
            __builtin_trap();
    if (DecodeLine(stored, keyRow) != bytes || !IsWellFormedLine(stored, keyRow))
        __builtin_trap();

    const std::string decoded = DecodeLine(bytes, keyRow);
    if (IsWellFormedLine(bytes, keyRow) && EncodeLine(decoded, keyRow) != bytes)
        __builtin_trap();
    const std::string key = DecodeLineUntil(bytes, keyRow, '\\');
    if (!decoded.starts_with(key))
        __builtin_trap();
    return 0;
}
