// Feeds arbitrary bytes to the RTF reader. Besides crashes and hangs it checks that
// whatever the reader makes of the input survives the writer unchanged (paragraphs,
// runs, lists, page) and that writing what was read back writes the same bytes.
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
    const std::string written = velmar::WriteRtf(*document);
    const auto again = velmar::ReadRtf(written);
    // The default font is the one thing the writer adds: a document that names none
    // gets one.
    if (!again || again->Akapity != document->Akapity || !(again->Strona == document->Strona) ||
        (!document->DomyslnaCzcionka.empty() && again->DomyslnaCzcionka != document->DomyslnaCzcionka))
        __builtin_trap();
    if (velmar::WriteRtf(*again) != written)
        __builtin_trap();
    return 0;
}
