// velmar-cli freq over a data folder holding the fixture's Polish forms.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

class CliFreq : public ::testing::Test {
protected:
    CliFreq()
    {
        BuildDictionaryFile(std::filesystem::path(VELMAR_FIXTURES_DIR) / "tools" / "pol_forms.txt",
                            *MakeDictionaryOfKind("forms", jezPolski), folder_ / "pol2.so");
    }

    test::CliResult Freq(std::vector<std::string> words, const std::string& input = {})
    {
        words.insert(words.begin(), {"freq", "--data", folder_.Path().string()});
        return test::RunCliCaptured(words, input);
    }

    test::TempFolder folder_;
};

TEST_F(CliFreq, PrintsBaseFormsMostFrequentFirst)
{
    const auto result = Freq({}, "Pies ma psa.\nPsy zrobiłaby, kotek\n");
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, "pies\t3\nmieć\t1\nzrobić\t1\n");
    EXPECT_EQ(Freq({"--unknown"}, "Pies ma kotek kotek\n").Out, "kotek\t2\n");
}

TEST_F(CliFreq, ReadsTheFileNamed)
{
    const auto file = folder_.Write("text.txt", "psa psy\n");
    EXPECT_EQ(Freq({file.string()}).Out, "pies\t2\n");
}

TEST_F(CliFreq, RefusesWhatItCannotRead)
{
    const auto missing = Freq({(folder_ / "missing.txt").string()});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("cannot read"), std::string::npos) << missing.Err;
    const auto latin2 = Freq({}, "pies \xB1\n");
    EXPECT_EQ(latin2.Status, 1);
    EXPECT_NE(latin2.Err.find("not UTF-8"), std::string::npos) << latin2.Err;
    EXPECT_EQ(Freq({"--kind", "7"}).Status, 2);
}

} // namespace
} // namespace velmar
