#pragma once
// Dictionaries over readable fixtures: the fixture is built into scrambled lines by
// the same code as the data tool, then read through a dictionary instance.

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/dictionaries/untZrodlaDanych.h"

namespace velmar::test {

inline std::string ReadFixture(const std::string& name)
{
    std::ifstream in(std::filesystem::path(VELMAR_FIXTURES_DIR) / "dictionaries" / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A dictionary of a data kind with its own lines.
struct SlownikTestowy {
    SlownikTestowy(const std::string& kind, std::uint8_t language, const std::string& readable)
        : Dictionary(MakeDictionaryOfKind(kind, language))
    {
        Lines.Assign(BuildStoredLines(readable, *Dictionary));
        Dictionary->Attach(&Lines);
    }

    TTransSlownikGlowny& Main() { return static_cast<TTransSlownikGlowny&>(*Dictionary); }

    // The parsed entry of a headword given in UTF-8.
    TTransSlownikSlowo& Entry(const std::string& headwordUtf8)
    {
        int index = -1;
        if (!Dictionary->FindKeyExact(FromUtf8(headwordUtf8), index))
            throw std::runtime_error("no headword " + headwordUtf8);
        return Main().GetEntry(index);
    }

    TLinie Lines;
    std::unique_ptr<TTransSlownik> Dictionary;
};

} // namespace velmar::test
