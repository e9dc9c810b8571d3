#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "cli/untCli.h"
#include "core/dictionaries/untKod.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

std::string Fixture(const std::string& name)
{
    return std::string(VELMAR_FIXTURES_DIR) + "/dictionaries/" + name;
}

std::vector<std::string> SortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (const auto view : SplitLines(text))
        lines.emplace_back(view);
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(DictCommand, DecodeOfBuildGivesBackTheSourceSorted)
{
    test::TempFolder folder;
    struct Case {
        const char* Fixture;
        const char* Kind;
        const char* Language;
    };
    for (const Case c : {Case{"entries_fr.txt", "main", "fr"}, Case{"entries_pl.txt", "main", "pl"},
                         Case{"sources_fr.txt", "user", "fr"}, Case{"forms_pl.txt", "forms", "pl"}}) {
        SCOPED_TRACE(c.Fixture);
        const std::string built = (folder / "built").string();
        ASSERT_EQ(
            test::RunCliCaptured({"dict", "build", "--kind", c.Kind, "--lang", c.Language, Fixture(c.Fixture), built})
                .Status,
            0);
        const test::CliResult decoded =
            test::RunCliCaptured({"dict", "decode", "--kind", c.Kind, "--lang", c.Language, built});
        ASSERT_EQ(decoded.Status, 0);
        EXPECT_EQ(SortedLines(decoded.Out), SortedLines(test::TempFolder::Read(Fixture(c.Fixture))));
        EXPECT_EQ(test::RunCliCaptured({"dict", "check", "--kind", c.Kind, "--lang", c.Language, built}).Status, 0);
    }
}

TEST(DictCommand, RawBytesAndTheArchiveSeparators)
{
    test::TempFolder folder;
    const auto source = folder.Write("archive.txt", "Bonjour. {{020}} Dzień dobry. {{021}} Cześć.\n");
    const std::string built = (folder / "frpol2.szd").string();
    ASSERT_EQ(
        test::RunCliCaptured({"dict", "build", "--kind", "archive", "--lang", "fr", source.string(), built}).Status, 0);
    TLinie lines;
    lines.LoadFromFile(built);
    EXPECT_EQ(lines.Decoded(0, kKeyRowAuxiliary), "Bonjour. \x14 Dzie\xF1 dobry. \x15 Cze\x9C\xE6.");
    EXPECT_EQ(test::RunCliCaptured({"dict", "decode", "--kind", "archive", "--lang", "fr", built}).Out,
              "Bonjour. {{020}} Dzień dobry. {{021}} Cześć.\n");
}

TEST(DictCommand, CommentLinesOfASourceAreLeftOut)
{
    test::TempFolder folder;
    const auto source = folder.Write("forms.txt", "# determiners\nle\\{{031}}le1\n#\n#le\\{{001}}le\n");
    const std::string built = (folder / "franc2.so").string();
    ASSERT_EQ(test::RunCliCaptured({"dict", "build", "--kind", "forms", "--lang", "fr", source.string(), built}).Status,
              0);
    EXPECT_EQ(test::RunCliCaptured({"dict", "decode", "--kind", "forms", "--lang", "fr", built}).Out,
              "le\\{{031}}le1\n#le\\{{001}}le\n");
}

TEST(DictCommand, CheckFindsALineMovedOutOfOrderAndADamagedLine)
{
    test::TempFolder folder;
    const std::string built = (folder / "franc2.so").string();
    ASSERT_EQ(
        test::RunCliCaptured({"dict", "build", "--kind", "main", "--lang", "fr", Fixture("sources_fr.txt"), built})
            .Status,
        0);
    TLinie lines;
    lines.LoadFromFile(built);
    const std::string moved = lines.Line(0);
    lines.Delete(0);
    lines.Add(moved);
    lines.Replace(1, lines.Line(1) + "!");
    lines.SaveToFile(built);

    const test::CliResult checked = test::RunCliCaptured({"dict", "check", "--kind", "main", "--lang", "fr", built});
    EXPECT_EQ(checked.Status, 1);
    EXPECT_NE(checked.Out.find(":2: does not decode"), std::string::npos) << checked.Out;
    EXPECT_NE(checked.Out.find(":5: out of order"), std::string::npos) << checked.Out;
}

TEST(DictCommand, EntryPrintsTheParsedTree)
{
    test::TempFolder folder;
    const std::string built = (folder / "frpol2.sg").string();
    ASSERT_EQ(
        test::RunCliCaptured({"dict", "build", "--kind", "main", "--lang", "fr", Fixture("entries_fr.txt"), built})
            .Status,
        0);
    const test::CliResult entry = test::RunCliCaptured({"dict", "entry", "--lang", "fr", built, "avoir"});
    EXPECT_EQ(entry.Status, 0);
    for (const char* expected :
         {"headword \"avoir\"", "  head tail \"[qch]\"", "  sub-record 1 code \"4\" group \"÷1\"",
          "      alternative 1 \"mieć\"", "        preposition \"z powodu\"", "  phrase 2 \"avoir faim\"",
          "    note B \"głodować\""})
        EXPECT_NE(entry.Out.find(expected), std::string::npos) << expected << "\n" << entry.Out;
    // A pronunciation tail is written in Polish letters even in a French line.
    const test::CliResult wine = test::RunCliCaptured({"dict", "entry", "--lang", "fr", built, "vin"});
    EXPECT_NE(wine.Out.find("  head tail \"{wę}\""), std::string::npos) << wine.Out;
    EXPECT_EQ(test::RunCliCaptured({"dict", "entry", "--lang", "fr", built, "nothing"}).Status, 1);
}

// The bundled core compiled into a folder, with the lines for which drop() is true
// left out of its sources.
std::string BundledCoreWithout(const test::TempFolder& folder, const std::function<bool(std::string_view)>& drop)
{
    const std::filesystem::path data = std::filesystem::path(VELMAR_FIXTURES_DIR) / ".." / ".." / "data";
    for (const auto& [file, kind, language] :
         {std::tuple{"frpol2.sg", "main", "fr"}, std::tuple{"franc2.so", "forms", "fr"},
          std::tuple{"polfr2.sg", "main", "pl"}, std::tuple{"pol2.so", "forms", "pl"}}) {
        std::string kept;
        const std::string source = test::TempFolder::Read(data / (std::string(file) + ".txt"));
        for (const auto line : SplitLines(source))
            if (!drop(line))
                kept += std::string(line) + "\n";
        const auto written = folder.Write(std::string(file) + ".txt", kept);
        EXPECT_EQ(test::RunCliCaptured(
                      {"dict", "build", "--kind", kind, "--lang", language, written.string(), (folder / file).string()})
                      .Status,
                  0);
    }
    return folder.Path().string();
}

TEST(DictCommand, EngineCheckPassesOnTheBundledCoreAndNamesWhatIsMissing)
{
    {
        test::TempFolder folder;
        const auto result = test::RunCliCaptured(
            {"dict", "check", "--engine", "--data", BundledCoreWithout(folder, [](auto) { return false; })});
        EXPECT_EQ(result.Status, 0) << result.Out;
    }
    test::TempFolder folder;
    const auto withoutDe7 = BundledCoreWithout(folder, [](std::string_view line) {
        return line.starts_with("de7_") || line.starts_with("de7\\") || line.starts_with("w1_");
    });
    const auto result = test::RunCliCaptured({"dict", "check", "--engine", "--data", withoutDe7});
    EXPECT_EQ(result.Status, 1);
    for (const char* problem :
         {"French de7: no entry in the main dictionary\n", "French de7: no forms line of its own\n",
          "Polish w1: no entry in the main dictionary\n"})
        EXPECT_NE(result.Out.find(problem), std::string::npos) << problem << "\nin\n" << result.Out;
}

TEST(DictCommand, EngineCheckOfAFolderWithoutTheFiles)
{
    test::TempFolder folder;
    const auto result =
        test::RunCliCaptured({"dict", "check", "--engine", "--lang", "pl", "--data", folder.Path().string()});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("cannot open"), std::string::npos) << result.Err;
}

TEST(DictCommand, UsageErrors)
{
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"dict"},
                                               {"dict", "frobnicate"},
                                               {"dict", "decode", "--lang", "fr", "x"},
                                               {"dict", "decode", "--kind", "main", "x"},
                                               {"dict", "decode", "--kind", "nope", "--lang", "fr", "x"},
                                               {"dict", "build", "--kind", "main", "--lang", "de", "a", "b"},
                                               {"dict", "build", "--kind", "main", "--lang", "fr", "a"}})
        EXPECT_EQ(test::RunCliCaptured(words).Status, 2) << words.back();
    EXPECT_EQ(test::RunCliCaptured({"dict", "decode", "--kind", "main", "--lang", "fr", "/no/such/file"}).Status, 1);
    EXPECT_NE(test::RunCliCaptured({"dict", "--help"}).Out.find("dictionary collation"), std::string::npos);
}

} // namespace
} // namespace velmar::cli
