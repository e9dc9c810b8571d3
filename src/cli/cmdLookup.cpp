// velmar-cli lookup: finds words in the main dictionary of a working mode the way the
// dictionary window does (exact, then relaxing case, then accents, then the headword
// the word begins), and with --forms lists the readings of each word as an inflected
// form, the rule fallbacks included.
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"

namespace velmar::cli {

namespace {

struct THaslo {
    int Index = -1; // −1: not found
    const char* Relaxation = "";
};

THaslo FindHeadword(TTransSlownikGlowny& main, const std::string& word)
{
    int index = -1;
    if (main.FindExact(word, index))
        return {index, "exact"};
    TZnajdzOpcje anyCase = InitOptions(word, true);
    anyCase.AnyCase = 1;
    if (main.Find(anyCase))
        return {anyCase.Index, "case"};
    TZnajdzOpcje noAccents = InitOptions(word, true);
    noAccents.AnyCase = 1;
    noAccents.AccentFree = 1;
    if (main.Find(noAccents))
        return {noAccents.Index, "accents"};
    TZnajdzOpcje prefix = InitOptions(word);
    main.FindOrPrefix(prefix, index);
    if (index >= 0)
        return {index, "prefix"};
    return {};
}

// The forms dictionary of the mode's source language. The dictionary modes do not load
// one, so it is read from the file of the translator mode of the same direction.
class TFormy {
public:
    TFormy(const TFolderyDanych& folders, int mode, std::uint8_t language) : dictionary_(language)
    {
        const int translatorMode = IsDictionaryMode(mode) ? mode - 4 : mode;
        const auto file = folders.ReadPath(ProductFile(tabele::InflectedForms, translatorMode));
        if (std::filesystem::exists(file))
            lines_.LoadFromFile(file);
        dictionary_.Attach(&lines_);
    }

    bool Empty() const { return lines_.Empty(); }

    // Every reading of word, the rule fallbacks included; false when there is none.
    bool Print(const std::string& word, std::ostream& out)
    {
        TZnajdzOpcje options = InitOptions(word);
        options.TryForms = 1;
        if (!dictionary_.FindForms(options))
            return false;
        const std::uint8_t language = dictionary_.SourceLang;
        for (const TOdwolanie& reading : dictionary_.Readings())
            out << "  reading " << ToUtf8(reading.Base, language) << " code " << int{reading.FormCode}
                << " priority " << reading.Priority << "\n";
        if (options.Found != 0)
            out << "  by the " << ((options.Found & 4) ? "prefix" : "suffix") << " rules"
                << (options.PrefixText.empty() ? "" : ", before the translation \"" +
                                                          ToUtf8(options.PrefixText, jezPolski) + "\"")
                << "\n";
        return true;
    }

private:
    TLinie lines_;
    TTransSlownikOdwolan dictionary_;
};

TWyborTrybu ModeOption(const TArgumenty& arguments)
{
    const std::string mode = arguments.Choice("mode", {"1", "2", "5", "6"}, "1");
    const int number = std::stoi(mode);
    const bool polishSource = number == trybTranslatorPlFr || number == trybSlownikPlFr;
    return {number, polishSource ? jezPolski : jezFrancuski, polishSource ? jezFrancuski : jezPolski};
}

} // namespace

int RunLookup(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty arguments(words, {"mode", "data"}, {"forms"});
    arguments.RequireAtLeast(1);
    TWartosciProgramu program;
    ApplyWorkingMode(program, ModeOption(arguments));
    const TFolderyDanych folders = arguments.Has("data")
                                       ? TFolderyDanych(arguments.ValueOr("data", ""), arguments.ValueOr("data", ""))
                                       : Foldery();

    TSlowniki dictionaries(folders);
    for (const std::string& failure : dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true))
        io.Err << "velmar-cli lookup: " << failure << "\n";
    TTransSlownikGlowny& main = dictionaries.Main;
    if (main.Count() == 0)
        io.Err << "velmar-cli lookup: no main dictionary \""
               << ProductFile(tabele::MainDictionary, program.WorkingMode) << "\" in " << folders.DataFolder()
               << "\n";
    std::optional<TFormy> forms;
    if (arguments.Flag("forms"))
        forms.emplace(folders, program.WorkingMode, program.SourceLanguage);

    const std::uint8_t language = program.SourceLanguage;
    bool everyWordFound = true;
    for (const std::string& wordUtf8 : arguments.Positional()) {
        const std::string word = FromUtf8(wordUtf8);
        const THaslo headword = FindHeadword(main, word);
        if (headword.Index >= 0)
            io.Out << wordUtf8 << ": " << ToUtf8(main.GetKey(headword.Index), language) << " ("
                   << headword.Relaxation << ")\n  " << TextToReadable(main.GetEntryText(headword.Index), main)
                   << "\n";
        else
            io.Out << wordUtf8 << ": no headword\n";
        const bool hasReadings = forms && forms->Print(word, io.Out);
        if (forms && !hasReadings)
            io.Out << "  no readings\n";
        everyWordFound = everyWordFound && (headword.Index >= 0 || hasReadings);
    }
    return everyWordFound ? kSukces : kBlad;
}

} // namespace velmar::cli
