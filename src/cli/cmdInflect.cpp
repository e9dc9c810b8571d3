// velmar-cli inflect: one form of a word, or its whole paradigm as a table.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cmdCechy.h"
#include "cli/cmdInflectKomorki.h"
#include "cli/cmdInflectTabelePl.h"
#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/browser/untOdmieniacz.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/generators/untGenFrCzasownik.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

namespace {

// One row of a paradigm table: a Polish label (UTF-8) and the features of its form.
template <typename TCechy>
struct TWiersz {
    std::string Label;
    TCechy Features;
};

using TWierszePl = std::vector<TWiersz<TCechyPl>>;
using TWierszeFr = std::vector<TWiersz<TCechyFr>>;

constexpr const char* kGenders[] = {"m. osob.", "m. rzecz.", "m. żyw.", "ż.", "n."};

// ---------------------------------------------------------------- Polish tables

TWierszePl AdjectiveRows(bool withDegrees)
{
    TWierszePl rows;
    for (int gender = rdzMeskoosobowy; gender <= rdzNijaki; ++gender)
        for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase)
            rows.push_back(
                {CaseLabel(grammaticalCase) + " lp. " + kGenders[gender], {.Case = grammaticalCase, .Gender = gender}});
    for (int gender : {rdzMeskoosobowy, rdzMeskorzeczowy})
        for (int grammaticalCase = 1; grammaticalCase <= 6; ++grammaticalCase)
            rows.push_back({CaseLabel(grammaticalCase) + " lm. " + (gender == 0 ? "m. osob." : "niemęskoos."),
                            {.Case = grammaticalCase, .Number = 2, .Gender = gender}});
    rows.push_back({"przysłówek", {.AdverbFlag = true}});
    if (withDegrees) {
        rows.push_back({"stopień wyższy", {.Degree = 1}});
        rows.push_back({"stopień najwyższy", {.Degree = 2}});
    }
    return rows;
}

TWierszePl PronounRows(const std::string& word)
{
    TWierszePl rows;
    for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase) {
        const TCechyPl plain{.Case = grammaticalCase};
        const TCechyPl afterPreposition{.Case = grammaticalCase, .AfterPreposition = true};
        rows.push_back({CaseLabel(grammaticalCase), plain});
        if (GenFormPl(word, afterPreposition) != GenFormPl(word, plain))
            rows.push_back({CaseLabel(grammaticalCase) + " po przyimku", afterPreposition});
    }
    return rows;
}

TWierszePl NumeralRows()
{
    TWierszePl rows;
    for (int grammaticalCase = 1; grammaticalCase <= 6; ++grammaticalCase)
        for (int gender = rdzMeskoosobowy; gender <= rdzNijaki; ++gender)
            rows.push_back(
                {CaseLabel(grammaticalCase) + " " + kGenders[gender], {.Case = grammaticalCase, .Gender = gender}});
    return rows;
}

TWierszePl AdverbRows()
{
    return {{"stopień równy", {}}, {"stopień wyższy", {.Degree = 1}}, {"stopień najwyższy", {.Degree = 2}}};
}

TWierszePl PolishRows(const std::string& word)
{
    const TSlowoKod split = SplitWordPl(word);
    const std::string& code = split.Code;
    if ((code == "90" || code == "95") && IsAdjectivalPronounPl(split.Lemma))
        return AdjectiveRows(false);
    switch (WordClassOfCode(code, jezPolski, true)) {
    case ksPrzymiotnik:
    case ksOkreslnik: return AdjectiveRows(code == "7");
    case ksPrzyslowek: return AdverbRows();
    case ksZaimek: return PronounRows(word);
    case ksLiczebnik: return NumeralRows();
    default: return {{"forma podstawowa", {}}};
    }
}

// ---------------------------------------------------------------- French tables

TWierszeFr NumberGenderRows(bool withGender)
{
    if (!withGender)
        return {{"lp.", {}}, {"lm.", {.Number = 2}}};
    return {{"lp. m.", {}},
            {"lp. ż.", {.Gender = rdzFrZenski}},
            {"lm. m.", {.Number = 2}},
            {"lm. ż.", {.Number = 2, .Gender = rdzFrZenski}}};
}

// The six rows of a tense, one per person.
void AddSixPersonRows(TWierszeFr& rows, int tense)
{
    const std::string name = ToUtf8(TenseName(tense), jezFrancuski);
    for (int person = 1; person <= 6; ++person)
        rows.push_back({name + " " + PersonLabel(person),
                        {.SubjectNumber = person > 3 ? 2 : 1, .FormCode = tense, .Person = person}});
}

TWierszeFr FrenchVerbRows()
{
    TWierszeFr rows;
    rows.push_back({ToUtf8(TenseName(czInfinitif), jezFrancuski), {.FormCode = czInfinitif}});
    for (int tense : kSixPersonTensesFr)
        AddSixPersonRows(rows, tense);
    for (int tense : {czPasseCompose, czSubjonctifPasse})
        AddSixPersonRows(rows, tense);
    const std::string imperative = ToUtf8(TenseName(czImperatif), jezFrancuski);
    for (int person : kImperatifPersonsFr)
        rows.push_back({imperative + " " + PersonLabel(person), {.FormCode = czImperatif, .Person = person}});
    for (int tense : {czParticipePresent, czParticipePasse}) {
        const std::string name = ToUtf8(TenseName(tense), jezFrancuski);
        for (auto& [label, features] : NumberGenderRows(true)) {
            features.FormCode = tense;
            rows.push_back({name + " " + label, features});
        }
    }
    rows.push_back({ToUtf8(TenseName(czParticipePresentAyant), jezFrancuski), {.FormCode = czParticipePresentAyant}});
    return rows;
}

TWierszeFr FrenchRows(const std::string& word)
{
    const TSlowoKod split = SplitWordFr(word);
    const std::string& code = split.Code;
    if (code == "94" && split.Lemma == "se") {
        TWierszeFr rows;
        for (int person = 1; person <= 6; ++person)
            rows.push_back({PersonLabel(person), {.Person = person}});
        return rows;
    }
    if (code == "95" || code == "7")
        return NumberGenderRows(true);
    switch (WordClassOfCode(code, jezFrancuski, true)) {
    case ksRzeczownik: return NumberGenderRows(false);
    case ksCzasownik: return FrenchVerbRows();
    default: return {{"forma podstawowa", {}}};
    }
}

// ---------------------------------------------------------------- output

std::size_t DisplayWidth(const std::string& utf8)
{
    std::size_t width = 0;
    for (char c : utf8)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return width;
}

void PrintRows(std::ostream& out, const std::vector<TWierszTabeli>& rows)
{
    std::size_t labelWidth = 0;
    for (const auto& row : rows)
        labelWidth = std::max(labelWidth, DisplayWidth(row.Label));
    for (const auto& row : rows)
        out << row.Label << std::string(labelWidth - DisplayWidth(row.Label) + 2, ' ') << row.Forms << "\n";
}

template <typename TCechy, typename TKomorka>
void PrintTable(std::ostream& out, const std::vector<TWiersz<TCechy>>& rows, std::uint8_t language, TKomorka cell)
{
    std::vector<TWierszTabeli> printed;
    for (const auto& row : rows)
        printed.push_back({row.Label, ShownCell(cell(row.Features), language)});
    PrintRows(out, printed);
}

bool HasFeatureOption(const TArgumenty& args)
{
    for (const auto& name : FeatureValueOptions())
        if (args.Has(name))
            return true;
    for (const auto& name : FeatureFlagOptions())
        if (args.Has(name))
            return true;
    return false;
}

// The values a feature option can take. A value outside them would make the generators
// fall back to the base form and print a plausible but wrong answer.
struct TZakresOpcji {
    const char* Name;
    int Min;
    int Max;
};

constexpr TZakresOpcji kFeatureRanges[] = {{"case", 1, 7},          {"number", 1, 2}, {"gender", 0, 4},
                                           {"degree", 0, 2},        {"person", 0, 6}, {"subject-number", 1, 2},
                                           {"subject-gender", 0, 4}};

void RequireFeaturesInRange(const TArgumenty& args)
{
    for (const TZakresOpcji& range : kFeatureRanges)
        if (const auto value = args.Number(range.Name); value && (*value < range.Min || *value > range.Max))
            throw TZleUzycie("--" + std::string(range.Name) + " takes a value from " + std::to_string(range.Min) +
                             " to " + std::to_string(range.Max) + ", not " + std::to_string(*value));
}

// The word as typed, in the language's 8-bit text.
std::string WordArgument(const TArgumenty& args)
{
    args.RequireAtLeast(1);
    std::string word;
    for (const std::string& part : args.Positional())
        word += (word.empty() ? "" : " ") + part;
    if (!IsValidUtf8(word))
        throw TZleUzycie("the word is not UTF-8 text");
    return FromUtf8(word);
}

// The code as a dictionary entry shows it ("czytać_#*1", "parler_#4") written the way
// the generators read it ("czytać *1", "parler*4").
std::string WithGeneratorCodeMark(const std::string& word, bool polish)
{
    const std::size_t hash = word.find('#');
    if (hash == std::string::npos)
        return word;
    std::string lemma = word.substr(0, hash);
    while (!lemma.empty() && (lemma.back() == '_' || lemma.back() == ' '))
        lemma.pop_back();
    return lemma + (polish ? " *" : "*") + word.substr(hash + 1);
}

bool HasCode(const std::string& word, bool polish)
{
    return word.find(polish ? " *" : "*") != std::string::npos;
}

// "se ", "s'" or "s’" before a French infinitive; empty for anything else.
std::string FrenchReflexivePrefix(const std::string& word, bool polish)
{
    if (polish)
        return {};
    for (const std::string& prefix : {std::string("se "), std::string("s'"), FromUtf8("s’")})
        if (word.size() > prefix.size() && word.starts_with(prefix))
            return prefix;
    return {};
}

// A word typed without a code takes the code of its entry in the dictionary of its
// language, as the inflection window does; empty when the word has no entry.
std::string WordWithDictionaryCode(const std::string& word, bool polish, const TArgumenty& args)
{
    const std::uint8_t language = polish ? jezPolski : jezFrancuski;
    const std::uint8_t other = polish ? jezFrancuski : jezPolski;
    const int mode = polish ? trybTranslatorPlFr : trybTranslatorFrPl;
    TWartosciProgramu program;
    ApplyWorkingMode(program, {mode, language, other});
    TSlowniki dictionaries(DataFoldersOption(args));
    dictionaries.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, mode), true);
    const TKodOdmiany found = CodeForInflection(dictionaries.Main, word);
    if (!found.Code.empty())
        return found.Headword + (polish ? " *" : "*") + found.Code;
    // A pronominal verb is entered under its bare infinitive ("s'appeler" under "appeler").
    if (const std::string reflexive = FrenchReflexivePrefix(word, polish); !reflexive.empty()) {
        const TKodOdmiany bare = CodeForInflection(dictionaries.Main, word.substr(reflexive.size()));
        if (WordClassOfCode(bare.Code, jezFrancuski, true) == ksCzasownik)
            return reflexive + bare.Headword + "*" + bare.Code;
    }
    return {};
}

// Why the generators cannot inflect the word with its code; empty when they can.
std::string CodeMismatch(const std::string& word, bool polish)
{
    const TSlowoKod split = polish ? SplitWordPl(word) : SplitWordFr(word);
    const std::uint8_t language = polish ? jezPolski : jezFrancuski;
    const std::string quoted = "\"" + ToUtf8(split.Code, language) + "\"";
    if (WordClassOfCode(split.Code, language, true) == ksBrakKlasy)
        return quoted + " is not an inflection code";
    const bool refused =
        polish ? TTabelaPl(word).Refused() : IsFrenchVerb(word) && BuildVerbFormsFr(split.Lemma, split.Code).Typ == 0;
    if (refused)
        return "the code " + quoted + " does not fit \"" + ToUtf8(split.Lemma, language) + "\"";
    return {};
}

} // namespace

int RunInflect(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    std::set<std::string> valueOptions = FeatureValueOptions();
    valueOptions.insert("lang");
    valueOptions.insert("data");
    const TArgumenty args(words, valueOptions, FeatureFlagOptions());
    if (!args.Has("lang"))
        throw TZleUzycie("option --lang is required");
    const bool polish = args.Choice("lang", {"pl", "fr"}, "pl") == "pl";
    const std::uint8_t language = polish ? jezPolski : jezFrancuski;
    const std::string typed = WithGeneratorCodeMark(WordArgument(args), polish);
    const std::string word = HasCode(typed, polish) ? typed : WordWithDictionaryCode(typed, polish, args);
    if (word.empty()) {
        io.Err << "velmar-cli inflect: \"" << ToUtf8(typed, language)
               << "\" has no dictionary entry; give it a code (\"dobry *7\", \"parler*4\")\n";
        return kBlad;
    }

    if (const std::string mismatch = CodeMismatch(word, polish); !mismatch.empty())
        throw TZleUzycie(mismatch);

    if (HasFeatureOption(args)) {
        RequireFeaturesInRange(args);
        const std::string form = polish ? GenFormPl(word, PolishFeatures(args)) : GenFormFr(word, FrenchFeatures(args));
        io.Out << ToUtf8(form, language) << "\n";
        return kSukces;
    }
    const std::string code = polish ? SplitWordPl(word).Code : SplitWordFr(word).Code;
    const std::string label = WordClassLabel(WordClassOfCode(code, language, true), jezPolski);
    io.Out << ToUtf8(word, language) << (label.empty() ? "" : " (" + ToUtf8(label, jezPolski) + ")") << "\n";
    if (const auto nounOrVerb = polish ? NounOrVerbTablePl(word) : std::vector<TWierszTabeli>(); !nounOrVerb.empty())
        PrintRows(io.Out, nounOrVerb);
    else if (polish)
        PrintTable(io.Out, PolishRows(word), language,
                   [table = TTabelaPl(word)](const TCechyPl& features) { return table.Cell(features); });
    else
        PrintTable(io.Out, FrenchRows(word), language,
                   [&word](const TCechyFr& features) { return TableCellFr(word, features); });
    return kSukces;
}

} // namespace velmar::cli
