// velmar-cli dict: builds the scrambled dictionary files from readable UTF-8 sources
// and reads them back.
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "core/engine/untKontrolaDanychSilnika.h"

namespace velmar::cli {

namespace {

std::uint8_t LanguageOption(const TArgumenty& arguments)
{
    if (!arguments.Has("lang"))
        throw TZleUzycie("option --lang is required");
    return arguments.Choice("lang", {"fr", "pl"}, "fr") == "pl" ? jezPolski : jezFrancuski;
}

std::unique_ptr<TTransSlownik> DictionaryOption(const TArgumenty& arguments, const std::string& fixedKind = "")
{
    std::string kind = fixedKind;
    if (kind.empty()) {
        if (!arguments.Has("kind"))
            throw TZleUzycie("option --kind is required");
        const auto& names = DataKindNames();
        kind = arguments.Choice("kind", std::set<std::string>(names.begin(), names.end()), "main");
    }
    return MakeDictionaryOfKind(kind, LanguageOption(arguments));
}

int Build(const TArgumenty& arguments, TWejscieWyjscie&)
{
    arguments.RequirePositional(2);
    const auto dictionary = DictionaryOption(arguments);
    BuildDictionaryFile(arguments.Positional()[0], *dictionary, arguments.Positional()[1]);
    return kSukces;
}

int Decode(const TArgumenty& arguments, TWejscieWyjscie& io)
{
    arguments.RequirePositional(1);
    const auto dictionary = DictionaryOption(arguments);
    for (const auto& line : DecodeDictionaryFile(arguments.Positional()[0], *dictionary))
        io.Out << line << "\n";
    return kSukces;
}

// The problems of one language's data in the folder; a file that cannot be read throws.
std::vector<std::string> EngineDataProblems(const TFolderyDanych& folders, std::uint8_t language)
{
    const bool polish = language == jezPolski;
    const std::string mainName = polish ? "polfr2.sg" : "frpol2.sg";
    const std::string formsName = polish ? "pol2.so" : "franc2.so";
    TLinie mainLines, formsLines;
    mainLines.LoadFromFile(folders.ReadPath(mainName));
    formsLines.LoadFromFile(folders.ReadPath(formsName));
    auto main = MakeDictionaryOfKind("main", language);
    auto forms = MakeDictionaryOfKind("forms", language);
    main->Attach(&mainLines);
    forms->Attach(&formsLines);
    return CheckEngineData(language, dynamic_cast<TTransSlownikGlowny&>(*main),
                           dynamic_cast<const TTransSlownikOdwolan&>(*forms));
}

int CheckEngineDataCommand(const TArgumenty& arguments, TWejscieWyjscie& io)
{
    arguments.RequirePositional(0);
    std::vector<std::uint8_t> languages = {jezFrancuski, jezPolski};
    if (arguments.Has("lang"))
        languages = {LanguageOption(arguments)};
    const TFolderyDanych folders = DataFoldersOption(arguments);
    int missing = 0;
    for (const std::uint8_t language : languages) {
        const char* name = language == jezPolski ? "Polish" : "French";
        const auto problems = EngineDataProblems(folders, language);
        for (const auto& problem : problems)
            io.Out << name << " " << problem << "\n";
        missing += static_cast<int>(problems.size());
    }
    if (missing > 0) {
        io.Out << missing << " problem(s): the translation rules would not fire on this data\n";
        return kBlad;
    }
    io.Out << "The data holds every word the translation rules name.\n";
    return kSukces;
}

int Check(const TArgumenty& arguments, TWejscieWyjscie& io)
{
    if (arguments.Flag("engine"))
        return CheckEngineDataCommand(arguments, io);
    arguments.RequirePositional(1);
    const auto dictionary = DictionaryOption(arguments);
    const auto problems = CheckDictionaryFile(arguments.Positional()[0], *dictionary);
    for (const auto& problem : problems)
        io.Out << arguments.Positional()[0] << ":" << problem.Line << ": " << problem.Message << "\n";
    return problems.empty() ? kSukces : kBlad;
}

// ---------------------------------------------------------------- entry

class TWydrukHasla {
public:
    TWydrukHasla(std::ostream& out, const TTransSlownik& dictionary) : out_(out), dictionary_(dictionary) {}

    void Print(const TTransSlownikSlowo& entry)
    {
        Line(0, "headword " + Quoted(entry.Headword, Source()));
        Field(1, "head note", entry.HeadNote, Source());
        // The entry view shows the tail (the pronunciation) in Polish letters.
        Field(1, "head tail", entry.HeadTail, jezPolski);
        Field(1, "brace notes", entry.BraceNotes, Target());
        Field(1, "marker value", entry.MarkerValue, Target());
        if (entry.SignFlag)
            Line(1, "sign flag");
        if (entry.NameClasses.any())
            Line(1, "name classes " + BitList(entry.NameClasses));
        int number = 0;
        for (const auto& subRecord : entry.SubRecords)
            PrintSubRecord(++number, *subRecord);
        number = 0;
        for (const auto& phrase : entry.Phrases) {
            Line(1, "phrase " + std::to_string(++number) + " " + Quoted(phrase->Source, Source()));
            Field(2, "code", phrase->Code, jezPolski);
            Field(2, "translation", phrase->Translation, Target());
            Field(2, "note A", phrase->NoteA, Target());
            Field(2, "note B", phrase->NoteB, Target());
        }
    }

private:
    std::uint8_t Source() const { return dictionary_.SourceLang; }
    std::uint8_t Target() const { return dictionary_.TargetLang; }

    static std::string Quoted(const std::string& text, std::uint8_t language)
    {
        return "\"" + ToUtf8(text, language) + "\"";
    }

    template <std::size_t N>
    static std::string BitList(const std::bitset<N>& bits)
    {
        std::string list;
        for (std::size_t bit = 0; bit < N; ++bit)
            if (bits.test(bit))
                list += (list.empty() ? "+" : " +") + std::to_string(bit);
        return list;
    }

    void Line(int depth, const std::string& text)
    {
        out_ << std::string(2 * static_cast<std::size_t>(depth), ' ') << text << "\n";
    }

    void Field(int depth, const std::string& name, const std::string& value, std::uint8_t language)
    {
        if (!value.empty())
            Line(depth, name + " " + Quoted(value, language));
    }

    void PrintSubRecord(int number, const TTransSlownikPodrekord& subRecord)
    {
        Line(1, "sub-record " + std::to_string(number) + " code " + Quoted(subRecord.Code, jezPolski) + " group " +
                    Quoted(subRecord.GroupLabel, jezPolski));
        Field(2, "marker", subRecord.Marker, jezPolski);
        if (subRecord.ReflexiveFlag)
            Line(2, "reflexive");
        int number2 = 0;
        for (const auto& meaning : subRecord.Meanings)
            PrintMeaning(++number2, *meaning);
    }

    void PrintMeaning(int number, const TTransSlownikZnaczenie& meaning)
    {
        std::string flags;
        for (const auto& [set, name] : {std::pair{meaning.Plus, "plus"}, std::pair{meaning.Preferred, "preferred"},
                                        std::pair{meaning.Alt1, "alt1"}, std::pair{meaning.Alt2, "alt2"},
                                        std::pair{meaning.GroupEnd, "group end"}, std::pair{meaning.Hidden, "hidden"}})
            if (set)
                flags += std::string(", ") + name;
        Line(2, "meaning " + std::to_string(number) + " codes " + BitList(meaning.Codes) + flags);
        for (int i = 0; i < meaning.AlternativeCount(); ++i) {
            Line(3, "alternative " + std::to_string(i + 1) + " " + Quoted(meaning.Word(i), Target()));
            Field(4, "code", meaning.WordCode(i), Target());
            Field(4, "comment", meaning.Comment(i), Target());
            Field(4, "extra", meaning.Extras[static_cast<std::size_t>(i)], Target());
            Field(4, "gloss", meaning.Gloss(i), Target());
        }
        for (const auto& valency : meaning.Valency) {
            Line(3, "valency");
            Field(4, "source text", valency->SourceText, Source());
            Field(4, "source case", valency->SourceCase, Source());
            Field(4, "preposition", valency->Preposition, Target());
            Field(4, "target case", valency->TargetCase, Target());
        }
    }

    std::ostream& out_;
    const TTransSlownik& dictionary_;
};

int Entry(const TArgumenty& arguments, TWejscieWyjscie& io)
{
    arguments.RequirePositional(2);
    const auto dictionary = DictionaryOption(arguments, "main");
    auto& main = static_cast<TTransSlownikGlowny&>(*dictionary);
    main.KeepPhrases = true;
    TLinie lines;
    lines.LoadFromFile(arguments.Positional()[0]);
    main.Attach(&lines);
    int index = -1;
    if (!main.FindKeyExact(FromUtf8(arguments.Positional()[1]), index)) {
        io.Err << "velmar-cli dict entry: no headword \"" << arguments.Positional()[1] << "\"\n";
        return kBlad;
    }
    TWydrukHasla(io.Out, main).Print(main.GetEntry(index));
    return kSukces;
}

} // namespace

int RunDict(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    if (words.empty())
        throw TZleUzycie("expected build, decode, check or entry");
    const std::string action = words.front();
    const TArgumenty arguments({words.begin() + 1, words.end()}, {"kind", "lang", "data"}, {"engine"});
    if (action == "build")
        return Build(arguments, io);
    if (action == "decode")
        return Decode(arguments, io);
    if (action == "check")
        return Check(arguments, io);
    if (action == "entry")
        return Entry(arguments, io);
    throw TZleUzycie("unknown action \"" + action + "\"; expected build, decode, check or entry");
}

} // namespace velmar::cli
