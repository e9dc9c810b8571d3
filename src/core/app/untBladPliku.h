#pragma once
// A file the program could not read, write or remove, as a value: the kind of failure
// and the file. Loading and saving report these instead of throwing, and whoever shows
// them words them: the windows in the interface language, velmar-cli in English.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/untUtils.h"

namespace velmar {

enum class TRodzajBleduPliku {
    Odczyt,      // the file exists but could not be read
    Zapis,       // the new content could not be written; the old file stays
    Usuniecie,   // an emptied list's file could not be removed
    NieNadpisany // the file could not be read earlier, so it is not written over
};

struct TBladPliku {
    TRodzajBleduPliku Rodzaj;
    std::filesystem::path Plik;

    bool operator==(const TBladPliku&) const = default;
};

using TBledyPlikow = std::vector<TBladPliku>;

// "cannot read /path/file" and the like, for the command line and logs.
std::string DescribeInEnglish(const TBladPliku& failure);

// The message a window shows: the heading text (e.g. 130 "error opening a file"), then
// each file on a line of its own with what went wrong, in the interface language.
TWide FileFailuresMessage(std::uint8_t interfaceLanguage, int headingTextId, const TBledyPlikow& failures);
// Shows that message in the question window; nothing when there are no failures.
void ReportFileFailures(std::uint8_t interfaceLanguage, int headingTextId, const TBledyPlikow& failures);

} // namespace velmar
