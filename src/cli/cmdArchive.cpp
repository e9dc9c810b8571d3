// velmar-cli archive: finds a sentence in the sentence archive of a translator mode, or
// stores a pair there, saving the archive file atomically.
#include <filesystem>
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untArchiwumZdan.h"

namespace velmar::cli {

namespace {

struct TArchiwumPlik {
    TWyborTrybu Mode;
    std::filesystem::path ReadFrom;
    std::filesystem::path WriteTo;
    TLinie Lines;
    TTransSlownikZdan Archive;

    TArchiwumPlik(const TWyborTrybu& mode, const TFolderyDanych& folders)
        : Mode(mode), Archive(mode.Source, mode.Target)
    {
        const std::string name = ProductFile(tabele::SentenceArchive, mode.Mode);
        ReadFrom = folders.ReadPath(name);
        WriteTo = folders.WritePath(name);
        if (std::filesystem::exists(ReadFrom))
            Lines.LoadFromFile(ReadFrom);
        Archive.Attach(&Lines);
    }
};

int Find(const TArgumenty& arguments, TArchiwumPlik& file, TWejscieWyjscie& io)
{
    arguments.RequirePositional(1);
    const int level = std::stoi(arguments.Choice("level", {"100", "90", "80", "70"}, "100"));
    const std::string sentence = FromUtf8(arguments.Positional()[0]);
    // Below 100 the archive compares views with numbers and names as placeholders. Not
    // knowing which capitalised words are names, try with them first, then without.
    TZdanieZastepcze marked{sentence, {}};
    int index = 0;
    bool found = false;
    for (bool names : {true, false}) {
        if (level <= 90)
            marked = MarkVariableParts(sentence, names);
        if ((found = file.Archive.FindAt(marked.Text, level, index)))
            break;
    }
    if (!found) {
        io.Err << "velmar-cli archive: not in the archive: " << arguments.Positional()[0] << '\n';
        return kBlad;
    }
    const auto* first = file.Archive.Record(index).Translations.Item(0);
    const std::string translation = first ? FillPlaceholders(first->ViewAt(level), marked.Replaced) : "";
    io.Out << ToUtf8(translation, file.Mode.Target) << '\n';
    return kSukces;
}

int Add(const TArgumenty& arguments, TArchiwumPlik& file, TWejscieWyjscie& io)
{
    arguments.RequirePositional(2);
    const std::string source = FromUtf8(arguments.Positional()[0]);
    const std::string translation = FromUtf8(arguments.Positional()[1]);
    for (const auto& text : {source, translation}) {
        const auto problem = ArchiveTextProblem(text);
        if (problem != TProblemTekstuArchiwum::None) {
            io.Err << "velmar-cli archive: refused: " << DescribeArchiveTextProblem(problem) << '\n';
            return kBlad;
        }
    }
    file.Archive.AddPair(source, translation);
    file.Lines.SaveToFile(file.WriteTo);
    io.Out << "stored in " << file.WriteTo.string() << '\n';
    return kSukces;
}

} // namespace

int RunArchive(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    if (words.empty())
        throw TZleUzycie("expected find or add");
    const std::string action = words.front();
    const TArgumenty arguments({words.begin() + 1, words.end()}, {"mode", "data", "level"}, {});
    TArchiwumPlik file(ModeOption(arguments, {"1", "2"}), DataFoldersOption(arguments));
    if (action == "find")
        return Find(arguments, file, io);
    if (action == "add")
        return Add(arguments, file, io);
    throw TZleUzycie("unknown action \"" + action + "\": expected find or add");
}

} // namespace velmar::cli
