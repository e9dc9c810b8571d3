// velmar-cli translate over the bundled data set: word-by-word translations of text on
// standard input, a formatted document kept word by word, and the failures a user
// meets (no data, an unreadable file, a malformed command line).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

std::filesystem::path DataSource(const char* name)
{
    return std::filesystem::path(VELMAR_FIXTURES_DIR).parent_path().parent_path() / "data" /
           (std::string(name) + ".txt");
}

// The bundled main and forms dictionaries of both directions, built into a folder.
class TranslateCommand : public ::testing::Test {
protected:
    TranslateCommand()
    {
        for (const auto& [name, kind, language] :
             {std::tuple{"frpol2.sg", "main", jezFrancuski}, std::tuple{"polfr2.sg", "main", jezPolski},
              std::tuple{"franc2.so", "forms", jezFrancuski}, std::tuple{"pol2.so", "forms", jezPolski}})
            BuildDictionaryFile(DataSource(name), *MakeDictionaryOfKind(kind, language), data / name);
    }

    // Runs the command with "{data}" and "{tmp}" in the words standing for the folders.
    test::CliResult Run(std::vector<std::string> words, const std::string& input = {})
    {
        for (std::string& word : words) {
            if (word == "{data}")
                word = data.Path().string();
            else if (word.starts_with("{tmp}"))
                word = (files / word.substr(5)).string();
        }
        words.insert(words.begin(), "translate");
        return test::RunCliCaptured(words, input);
    }

    test::TempFolder data, files;
};

struct TPrzypadek {
    const char* name;
    std::vector<std::string> words;
    const char* input;
    int status;
    const char* out; // the whole standard output
    const char* err; // a part of standard error
};

class TranslateCommandCases : public TranslateCommand, public ::testing::WithParamInterface<TPrzypadek> {};

TEST_P(TranslateCommandCases, PrintsTheTranslationOrSaysWhatFailed)
{
    const TPrzypadek& c = GetParam();
    const test::CliResult result = Run(c.words, c.input);
    EXPECT_EQ(result.Status, c.status) << result.Err;
    EXPECT_EQ(result.Out, c.out);
    EXPECT_NE(result.Err.find(c.err), std::string::npos) << result.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslateCommandCases,
    ::testing::Values(
        // A qualitative adjective goes before its noun in Polish.
        TPrzypadek{"FrenchToPolish", {"--from", "fr", "--data", "{data}"}, "chat noir\n", kSukces, "czarny kot\n", ""},
        TPrzypadek{
            "OneParagraphPerLine", {"--mode", "1", "--data", "{data}"}, "chat\r\nnoir\n", kSukces, "kot\nczarny\n", ""},
        TPrzypadek{
            "PolishAnalysed", {"--from", "pl", "--data", "{data}"}, "kot czarny\n", kSukces, "le chat noir\n", ""},
        TPrzypadek{"InteractiveModeTakesTheFirstChoices",
                   {"--translation-mode", "3", "--data", "{data}"},
                   "chat\n",
                   kSukces,
                   "kot\n",
                   ""},
        // The listing is in the source's letters ("à"), with a line per word for its reading.
        TPrzypadek{"ListingWithTheChosenReadings",
                   {"--from", "fr", "--listing", "--data", "{data}"},
                   "chat noir à\n",
                   kSukces,
                   "  |  { (S) (rdzpod:1,lbapod:1,casus:1) noir [51] chat [1] } à [241] \n    noir: noir [51] adj.\n"
                   "    chat: chat [1] nom\n    à: à [241] prép.\n",
                   ""},
        // The capital of an article that Polish drops passes to the next word.
        TPrzypadek{"TheSentenceCapitalMovesPastTheArticle",
                   {"--from", "fr", "--data", "{data}"},
                   "La maison. Le chat noir\n",
                   kSukces,
                   "Dom. Czarny kot\n",
                   ""},
        // Ordinals carry their Polish way of writing; the euphonic "-t-" leaves one space.
        TPrzypadek{"OrdinalsAndTheEuphonicT",
                   {"--from", "fr", "--data", "{data}"},
                   "le 1er, au XIXe, a-t-il\n",
                   kSukces,
                   "1., w XIX, ma on\n",
                   ""},
        TPrzypadek{"MissingDataFolder",
                   {"--data", "/nonexistent/velmar"},
                   "chat\n",
                   kBlad,
                   "",
                   "no data folder /nonexistent/velmar"},
        TPrzypadek{"DataFolderWithoutTheDictionary",
                   {"--data", "{tmp}"},
                   "chat\n",
                   kBlad,
                   "",
                   "no main dictionary \"frpol2.sg\""},
        TPrzypadek{"UnreadableInput",
                   {"--data", "{data}", "{tmp}missing.rtf"},
                   "",
                   kBlad,
                   "",
                   "missing.rtf: cannot read the file"},
        TPrzypadek{"DirectionGivenTwice", {"--mode", "2", "--from", "fr"}, "", kZleUzycie, "", "give one"},
        TPrzypadek{"TranslationModeOutOfRange", {"--translation-mode", "17"}, "", kZleUzycie, "", "0 to 16"}),
    [](const auto& info) { return std::string(info.param.name); });

// Expressions of the bundled data become one word each, an inflected one through its
// forms.
TEST_F(TranslateCommand, ExpressionsOfTheDataBecomeOneWord)
{
    const test::CliResult result =
        Run({"--from", "fr", "--listing", "--data", "{data}"}, "Il y a au moins des pommes de terre.\n");
    ASSERT_EQ(result.Status, kSukces) << result.Err;
    for (const char* line :
         {"    il y a: il y a [255]", "    au moins: au moins [", "    pommes de terre: pomme de terre [7]"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
}

TEST_F(TranslateCommand, RtfKeepsBoldAndItalicOnTheCorrespondingWords)
{
    TAtrybutyTekstu bold, italic;
    bold.Pogrubienie = true;
    italic.Kursywa = true;
    TTekstFormatowany source;
    TAkapit& paragraph = source.Akapity.emplace_back();
    paragraph.Dopisz(u"chat ", {});
    paragraph.Dopisz(u"noir", bold);
    paragraph.Dopisz(u" ", {});
    paragraph.Dopisz(u"maison", italic);
    files.Write("in.rtf", WriteRtf(source));

    const test::CliResult result = Run({"--data", "{data}", "{tmp}in.rtf", "{tmp}out.rtf"});
    ASSERT_EQ(result.Status, kSukces) << result.Err;
    const std::optional<TTekstFormatowany> target = ReadRtf(test::TempFolder::Read(files / "out.rtf"));
    ASSERT_TRUE(target && target->Akapity.size() == 1);
    std::u16string bolds, italics, plain;
    for (const TFragment& fragment : target->Akapity[0].Fragmenty)
        (fragment.Atrybuty.Pogrubienie ? bolds : fragment.Atrybuty.Kursywa ? italics : plain) += fragment.Tekst;
    EXPECT_EQ(WideTrim(bolds), u"czarny");
    EXPECT_EQ(WideTrim(italics), u"dom");
    EXPECT_EQ(WideTrim(plain), u"kot");
}

} // namespace
} // namespace velmar::cli
