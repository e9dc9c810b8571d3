// velmar-cli lookup: shows the entry each word leads to, chosen as the dictionary window
// chooses it (ChooseHeadword), or names the headword the list would stand at; with
// --forms it also lists every reading of the word as an inflected form, the rule
// fallbacks of both languages included.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/untCli.h"
#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/browser/untWyborHasla.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"

namespace velmar::cli {

namespace {

const char* HowName(const TWyborHasla& choice)
{
    if (choice.Source == TZrodloHasla::User)
        return "user dictionary";
    switch (choice.How) {
    case TSposobWyboru::Form: return "form";
    case TSposobWyboru::Case: return "case";
    case TSposobWyboru::Accents: return "accents";
    case TSposobWyboru::Exact: break;
    }
    return "exact";
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

    // Every reading of word, the rule fallbacks included; false when there is none.
    bool Print(const std::string& word, std::ostream& out)
    {
        TZnajdzOpcje options = InitOptions(word);
        options.TryForms = 1;
        if (!dictionary_.FindForms(options))
            return false;
        const std::uint8_t language = dictionary_.SourceLang;
        for (const TOdwolanie& reading : dictionary_.Readings())
            out << "  reading " << ToUtf8(reading.Base, language) << " code " << int{reading.FormCode} << " priority "
                << reading.Priority << "\n";
        if (options.Found != 0)
            out << "  by the " << ((options.Found & 4) ? "prefix" : "suffix") << " rules"
                << (options.PrefixText.empty()
                        ? ""
                        : ", before the translation \"" + ToUtf8(options.PrefixText, jezPolski) + "\"")
                << "\n";
        return true;
    }

private:
    TLinie lines_;
    TTransSlownikOdwolan dictionary_;
};

void LoadMainDictionary(TSlowniki& dictionaries, const TWartosciProgramu& program, const TFolderyDanych& folders,
                        std::ostream& err)
{
    const int mode = program.WorkingMode;
    for (const TBladPliku& failure :
         dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, mode), true))
        err << "velmar-cli lookup: " << DescribeInEnglish(failure) << "\n";
    if (dictionaries.Main.Count() == 0)
        err << "velmar-cli lookup: no main dictionary \"" << ProductFile(tabele::MainDictionary, mode) << "\" in "
            << folders.DataFolder() << "\n";
}

// The headword line and the entry text word leads to; without one, the headword the
// list would stand at. False when word leads to no entry.
bool PrintHeadword(TSlowniki& dictionaries, const std::string& wordUtf8, std::ostream& out)
{
    TTransSlownikGlowny& main = dictionaries.Main;
    const TWyborHasla choice = ChooseHeadword(FromUtf8(wordUtf8), {main, dictionaries.User, dictionaries.Forms});
    if (choice.Source == TZrodloHasla::None) {
        const std::string nearest = NearestHeadword(choice.NearestMain, main, dictionaries.User);
        out << wordUtf8 << ": no headword" << (nearest.empty() ? "" : "; nearest " + ToUtf8(nearest, main.SourceLang))
            << "\n";
        return false;
    }
    TTransSlownikGlowny& dictionary = choice.Source == TZrodloHasla::User ? dictionaries.User : main;
    out << wordUtf8 << ": " << ToUtf8(dictionary.GetKey(choice.Index), main.SourceLang) << " (" << HowName(choice)
        << ")\n  " << TextToReadable(dictionary.GetEntryText(choice.Index), dictionary) << "\n";
    return true;
}

} // namespace

int RunLookup(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty arguments(words, {"mode", "data"}, {"forms"});
    arguments.RequireAtLeast(1);
    TWartosciProgramu program;
    ApplyWorkingMode(program, ModeOption(arguments, {"1", "2", "5", "6"}));
    const TFolderyDanych folders = DataFoldersOption(arguments);
    TSlowniki dictionaries(folders);
    LoadMainDictionary(dictionaries, program, folders, io.Err);
    std::optional<TFormy> forms;
    if (arguments.Flag("forms"))
        forms.emplace(folders, program.WorkingMode, program.SourceLanguage);

    bool everyWordFound = true;
    for (const std::string& word : arguments.Positional()) {
        const bool hasHeadword = PrintHeadword(dictionaries, word, io.Out);
        bool hasReadings = false;
        if (forms) {
            hasReadings = forms->Print(FromUtf8(word), io.Out);
            if (!hasReadings)
                io.Out << "  no readings\n";
        }
        everyWordFound = everyWordFound && (hasHeadword || hasReadings);
    }
    return everyWordFound ? kSukces : kBlad;
}

} // namespace velmar::cli
