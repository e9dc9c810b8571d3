// velmar-cli freq: the frequency analysis of a text, the base forms the dictionaries
// give its words counted and listed most frequent first.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/tools/untFrekwencja.h"

namespace velmar::cli {

namespace {

constexpr const char* kPrefix = "velmar-cli freq: ";

// The whole text of FILE, or of standard input without one; false when FILE cannot be read.
bool ReadInput(const TArgumenty& arguments, TWejscieWyjscie& io, std::string& text)
{
    if (arguments.Positional().empty()) {
        text.assign(std::istreambuf_iterator<char>(io.In), std::istreambuf_iterator<char>());
        return true;
    }
    const std::string& file = arguments.Positional().front();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        io.Err << kPrefix << "cannot read " << file << "\n";
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

} // namespace

int RunFreq(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty arguments(words, {"lang", "data", "kind"}, {"unknown"});
    if (arguments.Positional().size() > 1)
        throw TZleUzycie("expected at most one FILE");
    const bool polish = arguments.Choice("lang", {"pl", "fr"}, "pl") == "pl";
    TOpcjeAnalizy options;
    options.Kind = static_cast<TRodzajAnalizy>(std::stoi(arguments.Choice("kind", {"0", "1", "2", "3", "4"}, "0")));

    std::string input;
    if (!ReadInput(arguments, io, input))
        return kBlad;
    if (!IsValidUtf8(input)) {
        io.Err << kPrefix << "the text is not UTF-8\n";
        return kBlad;
    }

    TWartosciProgramu program;
    ApplyWorkingMode(program, ChooseWorkingMode(polish ? "/transpl" : ""));
    TSlowniki dictionaries(DataFoldersOption(arguments));
    for (const TBladPliku& failure :
         dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true))
        io.Err << kPrefix << DescribeInEnglish(failure) << "\n";

    TFrekwencja analysis(dictionaries.Forms, dictionaries.Main, program.SourceLanguage, options);
    const std::string text = FromUtf8(input);
    for (const std::string_view paragraph : SplitLines(text))
        analysis.AddParagraph(paragraph);
    analysis.Finish();
    for (const TPozycjaFrekwencji& item : arguments.Flag("unknown") ? analysis.NotFound() : analysis.Found())
        io.Out << ToUtf8(item.Text, program.SourceLanguage) << '\t' << item.Count << '\n';
    return kSukces;
}

} // namespace velmar::cli
