// Feeds arbitrary bytes to the RTF reader. Besides crashes and hangs it checks that
// whatever the reader makes of the input survives the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto document = velmar::ReadRtf(bytes);
    if (!document)
        return 0;
    document->Normalizuj();
    const auto again = velmar::ReadRtf(velmar::WriteRtf(*document));
    if (!again || !(*again == *document))
        __builtin_trap();
    return 0;
}
