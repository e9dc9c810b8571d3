// velmar-cli lookup over the table of typed words the core choice and the dictionary
// window are tested with: the same entry, or the same nearest headword.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"
#include "support/WyborHaslaPrzypadki.h"

namespace velmar::cli {
namespace {

using test::TPrzypadekWyboru;

// How the output names the way the headword was reached.
std::string HowName(const TPrzypadekWyboru& c)
{
    if (c.Source == TZrodloHasla::User)
        return "user dictionary";
    switch (c.How) {
    case TSposobWyboru::Form: return "form";
    case TSposobWyboru::Case: return "case";
    case TSposobWyboru::Accents: return "accents";
    case TSposobWyboru::Exact: break;
    }
    return "exact";
}

// A data folder holding the fixtures of the case's direction as the translator mode's
// main, user and forms files.
class LookupTable : public ::testing::TestWithParam<TPrzypadekWyboru> {
protected:
    LookupTable()
    {
        Build("main", tabele::MainDictionary);
        Build("user", tabele::UserDictionary);
        Build("forms", tabele::InflectedForms);
    }

    int Mode() const { return GetParam().Language == jezPolski ? trybTranslatorPlFr : trybTranslatorFrPl; }

    void Build(const std::string& kind, const TTabelaProduktu& file)
    {
        const std::string readable = test::LookupFixture(GetParam().Language, kind);
        if (readable.empty())
            return;
        const auto dictionary = MakeDictionaryOfKind(kind, GetParam().Language);
        std::ofstream(data / "source.txt", std::ios::binary) << readable;
        BuildDictionaryFile(data / "source.txt", *dictionary, data / ProductFile(file, Mode()));
    }

    test::TempFolder data;
};

TEST_P(LookupTable, ShowsTheEntryTheCoreChooses)
{
    const TPrzypadekWyboru& c = GetParam();
    const test::CliResult result =
        test::RunCliCaptured({"lookup", "--data", data.Path().string(), "--mode", std::to_string(Mode()), c.Word});
    const std::string word = c.Word;
    if (c.Source == TZrodloHasla::None) {
        EXPECT_EQ(result.Status, kBlad);
        EXPECT_EQ(result.Out, word + ": no headword; nearest " + c.Headword + "\n");
        return;
    }
    EXPECT_EQ(result.Status, kSukces) << result.Err;
    const std::string headwordLine = word + ": " + c.Headword + " (" + HowName(c) + ")\n  ";
    EXPECT_EQ(result.Out.substr(0, headwordLine.size()), headwordLine);
    EXPECT_NE(result.Out.find(c.Translation, headwordLine.size()), std::string::npos) << result.Out;
}

INSTANTIATE_TEST_SUITE_P(Words, LookupTable, ::testing::ValuesIn(test::kPrzypadkiWyboru), test::WyborTestName);

} // namespace
} // namespace velmar::cli
