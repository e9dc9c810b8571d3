#include "core/browser/untWyborHasla.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/browser/untSlownikZew.h"
#include "core/dictionaries/untDictCompare.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

namespace {

constexpr std::string_view kGroupMark = "\xF7"; // "÷" before a sub-record group label

// The readings of word in the forms dictionary. A Polish word missing from the list
// goes through the rules, as Polish inflection is too rich to list every form.
TOdwolania FormReadings(const std::string& word, TTransSlownikOdwolan& forms)
{
    int index = 0;
    bool found = forms.FindFormsSimple(word, index);
    if (!found && forms.SourceLang == jezPolski) {
        TZnajdzOpcje options = InitOptions(word);
        options.TryForms = 1;
        found = forms.FindForms(options);
    }
    return found ? forms.Readings() : TOdwolania();
}

// The main headword equal to word once case, or case and accents, are relaxed.
bool FindRelaxed(const std::string& word, bool accents, TTransSlownikGlowny& main, int& index)
{
    TZnajdzOpcje options = InitOptions(word, true);
    options.AnyCase = 1;
    options.AccentFree = accents ? 1 : 0;
    if (!main.Find(options))
        return false;
    index = options.Index;
    return true;
}

} // namespace

TWyborHasla ChooseHeadword(const std::string& word, const TSlownikiWyboru& dictionaries)
{
    TWyborHasla choice;
    int index = 0;
    if (dictionaries.User.FindExact(word, index))
        return {TZrodloHasla::User, index, TSposobWyboru::Exact, {}, 0};
    const bool mainExact = dictionaries.Main.FindExact(word, index);
    choice.NearestMain = dictionaries.Main.Current;
    if (dictionaries.Forms.Count() > 0)
        choice.Readings = FormReadings(word, dictionaries.Forms);
    if (mainExact) {
        choice.Source = TZrodloHasla::Main;
        choice.Index = index;
        return choice;
    }
    choice.Index = BaseHeadwordOf(choice.Readings, dictionaries.Main);
    if (choice.Index >= 0) {
        choice.Source = TZrodloHasla::Main;
        choice.How = TSposobWyboru::Form;
        return choice;
    }
    choice.Readings.Clear();
    for (const auto how : {TSposobWyboru::Case, TSposobWyboru::Accents}) {
        if (FindRelaxed(word, how == TSposobWyboru::Accents, dictionaries.Main, index))
            return {TZrodloHasla::Main, index, how, {}, choice.NearestMain};
    }
    return choice;
}

int BaseHeadwordOf(const TOdwolania& readings, TTransSlownikGlowny& main)
{
    for (const TOdwolanie& reading : readings) {
        std::string base, group;
        SplitAt(reading.Base, kGroupMark, false, base, group);
        int index = -1;
        if (main.FindExact(base, index))
            return index;
    }
    return -1;
}

std::string NearestHeadword(int nearestMain, TTransSlownikGlowny& main, TTransSlownikGlowny& user)
{
    TPozycjeHasel positions;
    positions.Assign(main.Count(), UserMainPositions(main, user));
    const auto rows = FillPage(positions.GlobalBeforeMain(nearestMain), 1, positions, main, user);
    return rows.empty() ? std::string() : rows.front().Headword;
}

} // namespace velmar
