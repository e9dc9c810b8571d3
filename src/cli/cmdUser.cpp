// velmar-cli user: adds translations to a user dictionary (one from the command line or
// a glossary from a TAB-separated file), removes them and lists the dictionary, with
// the checks of the add-word window. The file is saved atomically and merged with what
// a running window may have saved meanwhile.
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "cli/untCliSlownikUzytkownika.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untScalanieLinii.h"
#include "core/dictionaries/untSlownikDopisan.h"

namespace velmar::cli {

namespace {

constexpr const char* kPrefix = "velmar-cli user: ";

// A user dictionary loaded from its file, with the editing over it.
struct TOtwartySlownik {
    TOtwartySlownik(const TWyborTrybu& mode, TPlikSlownikaUzytkownika file)
        : File(std::move(file)), User(rsUzytkownika, kKeyRowUser, mode.Source, mode.Target),
          Main(rsGlowny, kKeyRowMain, mode.Source, mode.Target)
    {
        if (std::filesystem::exists(File.ReadFrom))
            Lines.LoadFromFile(File.ReadFrom); // throws: nothing is written then
        Loaded = Lines.Snapshot();
        User.Attach(&Lines);
    }

    // Merges what another run saved since the load, then writes (or removes an emptied
    // file).
    void Save()
    {
        const TBlokadaZapisu lock(File.WriteTo);
        if (File.WriteTo == File.ReadFrom)
            MergeWithFile(Lines, *Loaded, File.WriteTo, User);
        if (Lines.Empty())
            std::filesystem::remove(File.WriteTo);
        else
            Lines.SaveToFile(File.WriteTo);
    }

    TPlikSlownikaUzytkownika File;
    TLinie Lines;
    TMigawkaLinii Loaded;
    TTransSlownikGlowny User;
    TTransSlownikGlowny Main; // no main lines: positions are of no use here
    TSlownikDopisan Editing{User, Main};
};

struct TDopisek {
    std::string Headword;
    std::vector<std::string> Translations;
};

std::string DescribeProblem(TProblemDopisania problem)
{
    switch (problem) {
    case TProblemDopisania::PustyWyraz: return "the headword is empty";
    case TProblemDopisania::PustePrzetlumaczenie: return "a translation is empty";
    case TProblemDopisania::ZnakSkladni: return "\"_\", \"#\", \";\" and control characters cannot be stored";
    case TProblemDopisania::Brak: break;
    }
    return {};
}

TProblemDopisania ProblemOf(const TDopisek& addition)
{
    if (addition.Translations.empty())
        return TProblemDopisania::PustePrzetlumaczenie;
    for (const std::string& translation : addition.Translations)
        if (const auto problem = AdditionProblem(addition.Headword, translation); problem != TProblemDopisania::Brak)
            return problem;
    return TProblemDopisania::Brak;
}

// The glossary's lines "headword<TAB>translation[<TAB>translation…]"; blank lines are
// skipped. Any bad line refuses the whole file, so that nothing is half added.
std::vector<TDopisek> ReadGlossary(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file);
    std::vector<TDopisek> additions;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (Trim(line).empty())
            continue;
        const std::vector<std::string> fields = SplitFields(line, '\t');
        TDopisek addition{FromUtf8(fields[0]), {}};
        for (std::size_t i = 1; i < fields.size(); ++i)
            addition.Translations.push_back(FromUtf8(fields[i]));
        if (const auto problem = ProblemOf(addition); problem != TProblemDopisania::Brak)
            throw std::runtime_error(file + ":" + std::to_string(number) + ": " + DescribeProblem(problem));
        additions.push_back(std::move(addition));
    }
    return additions;
}

// Deletes the meanings whose words are one of the translations, and the headword when
// none is left; false when none matched.
bool RemoveTranslations(TOtwartySlownik& dictionary, int index, const std::vector<std::string>& translations)
{
    bool removed = false;
    for (const std::string& translation : translations) {
        // A copy: every deletion decodes the line afresh into the cache.
        TTransSlownikSlowo entry;
        entry.Assign(dictionary.User.GetEntry(index));
        for (int s = entry.SubRecords.Count() - 1; s >= 0; --s) {
            const auto& meanings = entry.SubRecords.Item(s)->Meanings;
            for (int m = meanings.Count() - 1; m >= 0; --m)
                if (Trim(meanings.Item(m)->WordsText()) == FromUtf8(translation))
                    removed = dictionary.Editing.DeleteMeaning(index, s, m) || removed;
        }
    }
    if (dictionary.User.GetEntry(index).SubRecords.Count() == 0)
        dictionary.Editing.DeleteEntry(index);
    return removed;
}

int PartOfSpeechOption(const TArgumenty& arguments)
{
    const int part = arguments.Number("pos").value_or(kCzescMowyNiePodana);
    if ((part < 0 || part > kCzescMowyNieznana) && part != kCzescMowyNiePodana)
        throw TZleUzycie("--pos takes 0 to 8, or 13 for none");
    return part;
}

int Add(const TArgumenty& arguments, TOtwartySlownik& dictionary, TWejscieWyjscie& io)
{
    std::vector<TDopisek> additions;
    if (const auto glossary = arguments.Value("file")) {
        arguments.RequirePositional(0);
        additions = ReadGlossary(*glossary);
    } else {
        arguments.RequireAtLeast(2);
        const auto& words = arguments.Positional();
        TDopisek addition{FromUtf8(words[0]), {}};
        for (std::size_t i = 1; i < words.size(); ++i)
            addition.Translations.push_back(FromUtf8(words[i]));
        if (const auto problem = ProblemOf(addition); problem != TProblemDopisania::Brak) {
            io.Err << kPrefix << "refused: " << DescribeProblem(problem) << '\n';
            return kBlad;
        }
        additions.push_back(std::move(addition));
    }
    const int part = PartOfSpeechOption(arguments);
    for (const TDopisek& addition : additions)
        for (const std::string& translation : addition.Translations)
            dictionary.Editing.AddTranslation(addition.Headword, translation, false, {}, part);
    dictionary.Save();
    io.Out << additions.size() << " headword(s) added to " << dictionary.File.WriteTo.string() << '\n';
    return kSukces;
}

int Remove(const TArgumenty& arguments, TOtwartySlownik& dictionary, TWejscieWyjscie& io)
{
    arguments.RequireAtLeast(1);
    const auto& words = arguments.Positional();
    int index = 0;
    if (!dictionary.User.FindKeyExact(FromUtf8(words[0]), index)) {
        io.Err << kPrefix << "not in the dictionary: " << words[0] << '\n';
        return kBlad;
    }
    if (words.size() == 1) {
        dictionary.Editing.DeleteEntry(index);
    } else if (!RemoveTranslations(dictionary, index, {words.begin() + 1, words.end()})) {
        io.Err << kPrefix << words[0] << " has no such translation\n";
        return kBlad;
    }
    dictionary.Save();
    return kSukces;
}

int List(const TArgumenty& arguments, TOtwartySlownik& dictionary, TWejscieWyjscie& io)
{
    arguments.RequirePositional(0);
    for (int i = 0; i < dictionary.User.Count(); ++i) {
        const TTransSlownikSlowo& entry = dictionary.User.GetEntry(i);
        for (const auto& subRecord : entry.SubRecords)
            for (const auto& meaning : subRecord->Meanings)
                io.Out << ToUtf8(entry.Headword, dictionary.User.SourceLang) << '\t' << subRecord->Code << '\t'
                       << ToUtf8(meaning->WordsText(), dictionary.User.TargetLang) << '\n';
    }
    return kSukces;
}

} // namespace

int RunUser(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    if (words.empty())
        throw TZleUzycie("expected add, remove or list");
    const std::string action = words.front();
    const TArgumenty arguments({words.begin() + 1, words.end()}, {"mode", "data", "dict", "file", "pos"}, {});
    const TWyborTrybu mode = ModeOption(arguments, {"1", "2"});
    const auto run = action == "add" ? Add : action == "remove" ? Remove : action == "list" ? List : nullptr;
    if (run == nullptr)
        throw TZleUzycie("unknown action \"" + action + "\": expected add, remove or list");
    try {
        TOtwartySlownik dictionary(mode, UserDictionaryOption(arguments, mode, DataFoldersOption(arguments)));
        return run(arguments, dictionary, io);
    } catch (const TZleUzycie&) {
        throw;
    } catch (const std::runtime_error& failure) {
        io.Err << kPrefix << failure.what() << '\n';
        return kBlad;
    }
}

} // namespace velmar::cli
