#include "cli/untCliSlownikUzytkownika.h"

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlownikiUzytkownika.h"
#include "platform/untUstawieniaQt.h"

namespace velmar::cli {

TPlikSlownikaUzytkownika UserDictionaryOption(const TArgumenty& arguments, const TWyborTrybu& mode,
                                              const TFolderyDanych& folders)
{
    if (const auto file = arguments.Value("dict"))
        return {*file, *file};
    const std::string defaultFile = ProductFile(tabele::UserDictionary, mode.Mode);
    TSlownikiUzytkownika registry;
    registry.LoadRegistry(TMagazynUstawienQt(), ProductFile(tabele::UserDictionaryListKey, mode.Mode), defaultFile, "");
    const std::filesystem::path current = registry.Current()->FileName;
    if (current.is_absolute())
        return {current, current};
    return {folders.ReadPath(current.string()), folders.WritePath(current.string())};
}

} // namespace velmar::cli
