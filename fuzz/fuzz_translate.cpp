// Feeds arbitrary text to the translation worker of either direction with the bundled
// data set, in the translation mode the first byte picks, as `velmar-cli translate`
// runs it. Besides crashes it catches hangs (libFuzzer's -timeout) and a translation
// out of all proportion to its source.
#include <cstddef>
#include <cstdint>
#include <string>

#include "KierunekFuzz.h"
#include "core/engine/untGospodarzWsadowy.h"
#include "core/engine/untTranslatorThread.h"

namespace {

// No word of either language renders as more than this many bytes per source byte,
// spaces, punctuation and generated function words included.
constexpr std::size_t kMostBytesPerSourceByte = 16;
constexpr std::size_t kMostBytesOfAnEmptySource = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    if (size == 0)
        return 0;
    const fuzz::TKierunek& direction = fuzz::Direction(data[0]);
    std::string source(reinterpret_cast<const char*>(data) + 1, size - 1);

    TOpcjeTlumaczenia options;
    options.TranslationMode = (data[0] >> 1) % 17;
    TGospodarzWsadowy host(source, direction.Program.SourceLanguage);
    TTranslatorThread(host, options, direction.Context(), {}).Run();

    std::size_t written = 0;
    for (const TAkapit& paragraph : host.Target().Akapity)
        written += paragraph.Tekst().size();
    if (written > kMostBytesOfAnEmptySource + kMostBytesPerSourceByte * source.size())
        __builtin_trap();
    return 0;
}
