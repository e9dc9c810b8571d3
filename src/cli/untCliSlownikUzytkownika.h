#pragma once
// The user dictionary the commands of velmar-cli read and write: the one named by
// --dict, else the current one of the direction in the user's settings, as the
// translator window uses it.

#include <filesystem>

#include "cli/untCli.h"

namespace velmar::cli {

struct TPlikSlownikaUzytkownika {
    std::filesystem::path ReadFrom;
    std::filesystem::path WriteTo;
};

TPlikSlownikaUzytkownika UserDictionaryOption(const TArgumenty& arguments, const TWyborTrybu& mode,
                                              const TFolderyDanych& folders);

} // namespace velmar::cli
