#pragma once
// The bundled data of one direction (data/frpol2.sg.txt and franc2.so.txt, or
// data/polfr2.sg.txt and pol2.so.txt), built once per test program into a temporary
// folder and loaded as the program loads it.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"

namespace velmar::test {

class BundledData {
public:
    static BundledData& French()
    {
        static BundledData data(jezFrancuski, "frpol2.sg", "franc2.so", "");
        return data;
    }

    static BundledData& Polish()
    {
        static BundledData data(jezPolski, "polfr2.sg", "pol2.so", "/transpl");
        return data;
    }

    TSlowniki& Dictionaries() { return *set_; }

private:
    BundledData(std::uint8_t language, const std::string& main, const std::string& forms,
                const std::string& workingMode)
    {
        const std::filesystem::path data =
            std::filesystem::path(VELMAR_FIXTURES_DIR).parent_path().parent_path() / "data";
        BuildDictionaryFile(data / (main + ".txt"), *MakeDictionaryOfKind("main", language), folder_ / main);
        BuildDictionaryFile(data / (forms + ".txt"), *MakeDictionaryOfKind("forms", language), folder_ / forms);
        ApplyWorkingMode(program_, ChooseWorkingMode(workingMode));
        set_ = std::make_unique<TSlowniki>(TFolderyDanych(folder_.Path(), folder_.Path()));
        set_->LoadDictionaries(program_, false, ProductFile(tabele::UserDictionary, program_.WorkingMode), true);
    }

    TempFolder folder_;
    TWartosciProgramu program_;
    std::unique_ptr<TSlowniki> set_;
};

} // namespace velmar::test
