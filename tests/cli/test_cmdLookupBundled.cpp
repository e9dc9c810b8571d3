// The bundled data set through velmar-cli: every file passes dict check, every
// headword is found exactly by lookup, every inflected form has readings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

struct TPlik {
    const char* Name;
    const char* Kind;
    std::uint8_t Language;
    const char* Lang;
};
constexpr TPlik kBundled[] = {{"frpol2.sg", "main", jezFrancuski, "fr"},
                              {"polfr2.sg", "main", jezPolski, "pl"},
                              {"franc2.so", "forms", jezFrancuski, "fr"},
                              {"pol2.so", "forms", jezPolski, "pl"}};

std::filesystem::path DataSource(const char* name)
{
    return std::filesystem::path(VELMAR_FIXTURES_DIR).parent_path().parent_path() / "data" /
           (std::string(name) + ".txt");
}

class BundledData : public ::testing::Test {
protected:
    BundledData()
    {
        for (const TPlik& file : kBundled)
            BuildDictionaryFile(DataSource(file.Name), *MakeDictionaryOfKind(file.Kind, file.Language),
                                data / file.Name);
    }

    int Run(const std::vector<std::string>& words)
    {
        const test::CliResult result = test::RunCliCaptured(words);
        out = result.Out;
        return result.Status;
    }

    // The distinct keys of a built file, as UTF-8.
    std::vector<std::string> Keys(const TPlik& file)
    {
        const auto dictionary = MakeDictionaryOfKind(file.Kind, file.Language);
        TLinie lines;
        lines.LoadFromFile(data / file.Name);
        dictionary->Attach(&lines);
        std::vector<std::string> keys;
        for (int i = 0; i < dictionary->Count(); ++i) {
            const std::string key = ToUtf8(dictionary->GetKey(i), file.Language);
            if (keys.empty() || keys.back() != key)
                keys.push_back(key);
        }
        return keys;
    }

    test::TempFolder data;
    std::string out;
};

TEST_F(BundledData, EveryFilePassesTheCheck)
{
    for (const TPlik& file : kBundled)
        EXPECT_EQ(Run({"dict", "check", "--kind", file.Kind, "--lang", file.Lang, (data / file.Name).string()}),
                  kSukces)
            << file.Name << "\n"
            << out;
}

TEST_F(BundledData, EveryHeadwordIsFoundExactly)
{
    for (const auto& [file, mode] : {std::pair{kBundled[0], "1"}, std::pair{kBundled[1], "2"}}) {
        const std::vector<std::string> keys = Keys(file);
        std::vector<std::string> words{"lookup", "--mode", mode, "--data", data.Path().string()};
        words.insert(words.end(), keys.begin(), keys.end());
        ASSERT_EQ(Run(words), kSukces) << file.Name << "\n" << out;
        for (const std::string& key : keys)
            EXPECT_NE(out.find(key + ": " + key + " (exact)\n"), std::string::npos) << key;
    }
}

TEST_F(BundledData, EveryInflectedFormHasReadings)
{
    for (const auto& [file, mode] : {std::pair{kBundled[2], "1"}, std::pair{kBundled[3], "2"}}) {
        const std::vector<std::string> forms = Keys(file);
        std::vector<std::string> words{"lookup", "--forms", "--mode", mode, "--data", data.Path().string()};
        words.insert(words.end(), forms.begin(), forms.end());
        Run(words);
        EXPECT_EQ(out.find("no readings"), std::string::npos) << file.Name << "\n" << out;
    }
}

} // namespace
} // namespace velmar::cli
