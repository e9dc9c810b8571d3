#pragma once
// A small French→Polish data folder for the engine: main, forms, user and
// untranslatable files built from readable lines.

#include <string>

#include "core/app/untStale.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"

namespace velmar::test {

inline void WriteDataFile(const TempFolder& folder, const std::string& file, const std::string& kind,
                          const std::string& readable, std::uint8_t language = jezFrancuski)
{
    const auto dictionary = MakeDictionaryOfKind(kind, language);
    TLinie lines;
    lines.Assign(BuildStoredLines(readable, *dictionary));
    lines.SaveToFile(folder / file);
}

inline void WriteFrenchData(const TempFolder& folder)
{
    WriteDataFile(folder, "frpol2.sg", "main",
                  "chat_#1 kot\n"
                  "être_#4 być\n"
                  "pomme de terre_#2 ziemniak\n"
                  "prendre part_#4 brać udział\n"
                  "grand_#7 duży\n");
    WriteDataFile(folder, "franc2.so", "forms",
                  "chats\\{{003}}chat\n"
                  "est\\{{090}}être\n"
                  "grands\\{{053}}grand\n");
    WriteDataFile(folder, "frpol2.su", "user", "souris_#2 mysz\n");
    WriteDataFile(folder, "frpol2.snt", "untranslatable", "Renault _\n");
}

} // namespace velmar::test
