#include "cli/cmdInflectTabelePl.h"

#include "cli/cmdInflectKomorki.h"
#include "core/app/untStale.h"
#include "core/generators/untGenPLCzasownik.h"
#include "core/generators/untGenTlumaczPl.h"

#include <span>
#include <utility>

namespace velmar::cli {

namespace {

constexpr const char* kCases[] = {"mianownik", "dopełniacz",  "celownik", "biernik",
                                  "narzędnik", "miejscownik", "wołacz"};

// The persons and genders of the 13 past and conditional rows, in slot order.
struct TOsobaRodzaj {
    const char* Label;
    int Person;
    int SubjectGender;
};
constexpr TOsobaRodzaj kPastPersons[kPersonGenderSlotCountPl] = {
    {"1 os. lp. m.", 1, rdzMeskorzeczowy},   {"1 os. lp. ż.", 1, rdzZenski},
    {"2 os. lp. m.", 2, rdzMeskorzeczowy},   {"2 os. lp. ż.", 2, rdzZenski},
    {"3 os. lp. m.", 3, rdzMeskorzeczowy},   {"3 os. lp. ż.", 3, rdzZenski},
    {"3 os. lp. n.", 3, rdzNijaki},          {"1 os. lm. m. osob.", 4, rdzMeskoosobowy},
    {"1 os. lm. niemęskoos.", 4, rdzZenski}, {"2 os. lm. m. osob.", 5, rdzMeskoosobowy},
    {"2 os. lm. niemęskoos.", 5, rdzZenski}, {"3 os. lm. m. osob.", 6, rdzMeskoosobowy},
    {"3 os. lm. niemęskoos.", 6, rdzZenski}};

std::vector<TWierszTabeli> NounTable(const TTabelaPl& table)
{
    std::vector<TWierszTabeli> rows;
    for (int number = 1; number <= 2; ++number)
        for (int przypadek = 1; przypadek <= 7; ++przypadek)
            rows.push_back({CaseLabel(przypadek) + (number == 1 ? " lp." : " lm."),
                            ShownCell(table.Cell({.Case = przypadek, .Number = number}), jezPolski)});
    return rows;
}

class TTabelaCzasownika {
public:
    explicit TTabelaCzasownika(const TTabelaPl& table) : table_(table), p_(*table.Verb()) {}

    std::vector<TWierszTabeli> Rows()
    {
        Row("bezokolicznik", {.FormCode = fpBezokolicznik});
        if (p_.Powinien) {
            PersonGenderRows("czas teraźniejszy ", fpTeraz);
            PersonGenderRows("czas przeszły ", fpPrzeszly);
            return rows_;
        }
        const char* present = p_.Perfective ? "czas przyszły prosty " : "czas teraźniejszy ";
        for (int person = 1; person <= 6; ++person)
            Row(present + PersonLabel(person), {.Person = person, .FormCode = fpTeraz});
        PersonGenderRows("czas przeszły ", fpPrzeszly);
        if (!p_.Perfective)
            for (int person = 1; person <= 6; ++person)
                Row("czas przyszły " + PersonLabel(person),
                    {.Person = person, .FormCode = fpPrzyszly, .SubjectGender = person <= 3 ? 1 : 0});
        PersonGenderRows("tryb przypuszczający ", fpTrybPrzypuszczajacy);
        for (const auto& persons : {std::span<const int>(kImperativePersonsPl), std::span<const int>(kNiechPersonsPl)})
            for (int person : persons)
                Row("tryb rozkazujący " + PersonLabel(person), {.Person = person, .FormCode = fpRozkazujacy});
        Row("imiesłów przysłówkowy współczesny", {.FormCode = fpImieslowPrzyslowkowy});
        Row("imiesłów przysłówkowy uprzedni", {.FormCode = kImieslowUprzedniPl});
        Participle("imiesłów przymiotnikowy czynny", fpImieslowCzynny);
        Participle("imiesłów przymiotnikowy bierny", fpImieslowBierny);
        Row("rzeczownik odczasownikowy", {.FormCode = fpRzeczownikOdczasownikowy});
        for (const auto& [name, formCode] :
             {std::pair{"teraźniejsza", fpBezosobowyTeraz}, std::pair{"przeszła", fpBezosobowyPrzeszly},
              std::pair{"przyszła", fpBezosobowyPrzyszly}, std::pair{"przypuszczająca", fpBezosobowyPrzypuszczajacy}})
            Row(std::string("forma bezosobowa ") + name, {.FormCode = formCode});
        return rows_;
    }

private:
    void Row(const std::string& label, const TCechyPl& features)
    {
        rows_.push_back({label, ShownCell(table_.Cell(features), jezPolski)});
    }

    void PersonGenderRows(const std::string& label, int formCode)
    {
        for (const TOsobaRodzaj& row : kPastPersons)
            Row(label + row.Label, {.Person = row.Person,
                                    .FormCode = formCode,
                                    .SubjectNumber = row.Person > 3 ? 2 : 1,
                                    .SubjectGender = row.SubjectGender});
    }

    // The masculine, feminine and neuter nominative singular and both plurals.
    void Participle(const std::string& label, int formCode)
    {
        std::string forms;
        for (const auto& [number, gender] :
             {std::pair{1, rdzMeskorzeczowy}, std::pair{1, rdzZenski}, std::pair{1, rdzNijaki},
              std::pair{2, rdzMeskoosobowy}, std::pair{2, rdzZenski}}) {
            const TKomorkaTabeli cell = table_.Cell({.Number = number, .Gender = gender, .FormCode = formCode});
            if (!cell.Form.empty())
                forms += (forms.empty() ? "" : ", ") + ShownCell(cell, jezPolski);
        }
        rows_.push_back({label, forms.empty() ? "—" : forms});
    }

    const TTabelaPl& table_;
    const TVerbParadigm& p_;
    std::vector<TWierszTabeli> rows_;
};

} // namespace

std::string CaseLabel(int grammaticalCase)
{
    return kCases[grammaticalCase - 1];
}

std::string PersonLabel(int person)
{
    return std::to_string(person > 3 ? person - 3 : person) + " os. " + (person > 3 ? "lm." : "lp.");
}

std::vector<TWierszTabeli> NounOrVerbTablePl(const std::string& word)
{
    const TTabelaPl table(word);
    if (table.IsNoun())
        return NounTable(table);
    if (table.Verb())
        return TTabelaCzasownika(table).Rows();
    return {};
}

} // namespace velmar::cli
