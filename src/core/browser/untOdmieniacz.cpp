#include "core/browser/untOdmieniacz.h"

#include "core/app/untUtils.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/generators/untGenFrCzasownik.h"
#include "core/generators/untGenTlumaczFr.h"

namespace velmar {

namespace {

// Shown where the generator builds no form, and in the cell of a person the tense lacks.
constexpr const char* kNoForm = "(brak formy)";
constexpr const char* kNoPerson = "---";

// The forms of one verb, each cell ready for the table.
class TOdmianaCzasownika {
public:
    TOdmianaCzasownika(std::string_view infinitive, std::string_view code) : infinitive_(infinitive), code_(code) {}

    std::string Person(int tense, int person) const { return Form(tense, person, 1, rdzFrMeski); }
    std::string Participle(int tense, int number, int gender) const { return Form(tense, 3, number, gender); }

private:
    std::string Form(int tense, int person, int number, int gender) const
    {
        std::string form = GenVerbFr(infinitive_, code_, number, 1, rdzFrMeski, tense, person, gender);
        return form.empty() ? kNoForm : form;
    }

    std::string infinitive_;
    std::string code_;
};

void AddTitle(TOdmianaTabArray& table, int tense)
{
    table.push_back({TenseName(tense), {}, {}});
}

void AddSixPersons(TOdmianaTabArray& table, const TOdmianaCzasownika& verb, int tense)
{
    for (int person = 1; person <= 3; ++person)
        table.push_back({std::to_string(person), verb.Person(tense, person), verb.Person(tense, person + 3)});
}

// The impératif has the persons 2, 4 and 5 only.
void AddImperative(TOdmianaTabArray& table, const TOdmianaCzasownika& verb)
{
    table.push_back({"1", kNoPerson, verb.Person(czImperatif, 4)});
    table.push_back({"2", verb.Person(czImperatif, 2), verb.Person(czImperatif, 5)});
}

void AddParticiple(TOdmianaTabArray& table, const TOdmianaCzasownika& verb, int tense)
{
    static const std::string masculine = "masculin";
    static const std::string feminine = FromUtf8("féminin");
    for (const auto& [label, gender] : {std::pair{masculine, rdzFrMeski}, std::pair{feminine, rdzFrZenski}})
        table.push_back({label, verb.Participle(tense, 1, gender), verb.Participle(tense, 2, gender)});
}

bool IsFrenchVerbCode(std::string_view code)
{
    return !code.empty() && (code.front() == '4' || code.front() == '5' || code.front() == '6');
}

} // namespace

TKodOdmiany CodeForInflection(TTransSlownikGlowny& dictionary, std::string_view word)
{
    int index = -1;
    if (word.empty() || !dictionary.FindExact(word, index))
        return {};
    const TTransSlownikSlowo& entry = dictionary.GetEntry(index);
    std::string codes;
    for (int i = 0; i < entry.SubRecords.Count(); ++i)
        codes += "<" + entry.SubRecords.Item(i)->Code + ">";
    TKodOdmiany found{entry.Headword, {}};
    if (dictionary.SourceLang == jezFrancuski && InTagList("4", codes))
        found.Code = "4";
    else if (entry.SubRecords.Count() > 0)
        found.Code = entry.SubRecords.Item(0)->Code;
    return found;
}

TOdmianaTabArray FrenchVerbTable(std::string_view infinitive, std::string_view code)
{
    if (!IsFrenchVerbCode(code))
        return {};
    const TOdmianaCzasownika verb(infinitive, code);
    TOdmianaTabArray table{{"", "singulier", "pluriel"}};
    AddTitle(table, czInfinitif);
    table.push_back({"", verb.Person(czInfinitif, 3), ""});
    for (int tense : kSixPersonTensesFr) {
        AddTitle(table, tense);
        AddSixPersons(table, verb, tense);
    }
    AddTitle(table, czImperatif);
    AddImperative(table, verb);
    for (int tense : {czParticipePresent, czParticipePasse}) {
        AddTitle(table, tense);
        AddParticiple(table, verb, tense);
    }
    return table;
}

TOdmianaTabArray BuildInflectionTable(TTransSlownikGlowny& dictionary, std::string_view word)
{
    const TKodOdmiany found = CodeForInflection(dictionary, word);
    return FrenchVerbTable(found.Headword, found.Code);
}

TTransSlownikGlowny& InflectionDictionary(TSlowniki& dictionaries, const TWartosciProgramu& program)
{
    if (program.SourceLanguage == program.ForeignLanguage)
        return dictionaries.Main;
    dictionaries.LoadReverseDictionary(program);
    return dictionaries.Reverse;
}

} // namespace velmar
