// Feeds arbitrary bytes to the settings file reader as the INI file of a run. Whatever
// the settings make of the file, once stored they must read back to the same stored
// values: a damaged file may lose values to their defaults, never turn a value into
// one that reads differently the next time.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "PlikFuzz.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "platform/untUstawieniaQt.h"

namespace {

using namespace velmar;

// The settings of the mode read from the store, then stored in memory.
std::unique_ptr<TMagazynUstawienPamiec> ReadAndStore(std::unique_ptr<TMagazynUstawien> store, bool dictionaryMode)
{
    TTransUstawienia settings;
    settings.SetDefaults();
    settings.SetStore(std::move(store));
    if (dictionaryMode) {
        settings.ReadDictionarySettings(true);
    } else {
        settings.ReadTranslatorSettings(true);
        settings.LoadProfiles();
    }
    auto stored = std::make_unique<TMagazynUstawienPamiec>();
    TMagazynUstawienPamiec& result = *stored;
    settings.SetStore(std::move(stored));
    if (dictionaryMode)
        settings.SaveDictionarySettings();
    else
        settings.SaveTranslatorSettings();
    return std::make_unique<TMagazynUstawienPamiec>(result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const modes[] = {"", "/transpl", "/slzewfr", "/slzewpl"};
    ApplyWorkingMode(Program(), ChooseWorkingMode(modes[data[0] % 4]));
    const bool dictionaryMode = data[0] % 4 >= 2;
    const auto file =
        fuzz::FileWith("velmar.conf", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    const auto first =
        ReadAndStore(std::make_unique<TMagazynUstawienQt>(QString::fromStdString(file.string())), dictionaryMode);
    const auto second = ReadAndStore(std::make_unique<TMagazynUstawienPamiec>(*first), dictionaryMode);
    if (!(*first == *second))
        __builtin_trap();
    return 0;
}
