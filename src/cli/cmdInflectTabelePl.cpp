#include "cli/cmdInflectTabelePl.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenPLCzasownik.h"
#include "core/generators/untGenPLRzeczownik.h"
#include "core/generators/untGenTlumaczPl.h"

#include <array>
#include <span>
#include <utility>

namespace velmar::cli {

namespace {

constexpr const char* kCases[] = {"mianownik", "dopełniacz",  "celownik", "biernik",
                                  "narzędnik", "miejscownik", "wołacz"};

// Persons and genders of the 13 past and conditional slots, in slot order.
constexpr const char* kPastPersons[kPersonGenderSlotCountPl] = {
    "1 os. lp. m.",          "1 os. lp. ż.",       "2 os. lp. m.",          "2 os. lp. ż.",
    "3 os. lp. m.",          "3 os. lp. ż.",       "3 os. lp. n.",          "1 os. lm. m. osob.",
    "1 os. lm. niemęskoos.", "2 os. lm. m. osob.", "2 os. lm. niemęskoos.", "3 os. lm. m. osob.",
    "3 os. lm. niemęskoos."};

std::string Utf8(const std::string& text)
{
    return ToUtf8(text, jezPolski);
}

// "—" marks a form the word does not have (the singular of a plural-only noun).
std::string Forms(const std::string& form, const std::string& alternative)
{
    if (form.empty())
        return "—";
    if (alternative.empty())
        return Utf8(form);
    return Utf8(form) + " / " + Utf8(alternative);
}

std::vector<TWierszTabeli> NounTable(const TSlowoKod& word)
{
    TNounParadigm p;
    if (BuildNounParadigmPl(word.Lemma, word.Code, p) != wbOk)
        return {};
    std::vector<TWierszTabeli> rows;
    for (int number = 1; number <= 2; ++number)
        for (int przypadek = 1; przypadek <= 7; ++przypadek) {
            const auto& cell = p.Cells[static_cast<std::size_t>(NounCellPl(przypadek, number))];
            rows.push_back(
                {CaseLabel(przypadek) + (number == 1 ? " lp." : " lm."), Forms(cell.Forma, cell.Alternatywa)});
        }
    return rows;
}

class TTabelaCzasownika {
public:
    TTabelaCzasownika(const TSlowoKod& word, const TVerbParadigm& p) : word_(word), p_(p) {}

    std::vector<TWierszTabeli> Rows()
    {
        Slot("bezokolicznik", scBezokolicznik);
        if (p_.Powinien) {
            for (int slot = 0; slot < kPersonGenderSlotCountPl; ++slot)
                Slot(std::string("czas teraźniejszy ") + kPastPersons[slot], scTeraz + slot);
            Past("czas przeszły ", scPrzeszly);
            return rows_;
        }
        const char* present = p_.Perfective ? "czas przyszły prosty " : "czas teraźniejszy ";
        for (int person = 1; person <= 6; ++person)
            Slot(present + PersonLabel(person), VerbSlotPl(fpTeraz, person, 0, 0));
        Past("czas przeszły ", scPrzeszly);
        if (!p_.Perfective)
            for (int person = 1; person <= 6; ++person)
                Generated("czas przyszły " + PersonLabel(person),
                          {.Person = person, .FormCode = fpPrzyszly, .SubjectGender = person <= 3 ? 1 : 0});
        Past("tryb przypuszczający ", scWarunkowy);
        for (const auto& persons : {std::span<const int>(kImperativePersonsPl), std::span<const int>(kNiechPersonsPl)})
            for (int person : persons)
                Slot("tryb rozkazujący " + PersonLabel(person), VerbSlotPl(fpRozkazujacy, person, 0, 0));
        Slot("imiesłów przysłówkowy współczesny", scImieslowWspolczesny);
        Slot("imiesłów przysłówkowy uprzedni", scImieslowUprzedni);
        Participle("imiesłów przymiotnikowy czynny", p_.ActiveParticiple);
        Participle("imiesłów przymiotnikowy bierny", p_.PassiveParticiple);
        Slot("rzeczownik odczasownikowy", scRzeczownik);
        for (const auto& [name, formCode] :
             {std::pair{"teraźniejsza", fpBezosobowyTeraz}, std::pair{"przeszła", fpBezosobowyPrzeszly},
              std::pair{"przyszła", fpBezosobowyPrzyszly}, std::pair{"przypuszczająca", fpBezosobowyPrzypuszczajacy}})
            Generated(std::string("forma bezosobowa ") + name, {.FormCode = formCode});
        return rows_;
    }

private:
    void Slot(const std::string& label, int slot)
    {
        const auto& cell = p_.Slots[static_cast<std::size_t>(slot)];
        rows_.push_back({label, Forms(p_.Wrap(cell.Forma), p_.Wrap(cell.Alternatywa))});
    }

    void Past(const std::string& label, int firstSlot)
    {
        for (int i = 0; i < kPersonGenderSlotCountPl; ++i)
            Slot(label + kPastPersons[i], firstSlot + i);
    }

    void Generated(const std::string& label, const TCechyPl& features)
    {
        rows_.push_back({label, Forms(GenVerbPl(word_.Lemma, word_.Code, features), {})});
    }

    // The masculine, feminine and neuter nominative singular and both plurals.
    void Participle(const std::string& label, const TAdjParadigmPl& declined)
    {
        std::string forms;
        for (int cell :
             {AdjCellIndex(1, 1, rdzMeskorzeczowy), AdjCellIndex(1, 1, rdzZenski), AdjCellIndex(1, 1, rdzNijaki),
              AdjCellIndex(1, 2, rdzMeskoosobowy), AdjCellIndex(1, 2, rdzZenski)}) {
            const std::string& form = declined.Cells[static_cast<std::size_t>(cell)];
            if (!form.empty())
                forms += (forms.empty() ? "" : ", ") + Utf8(p_.Wrap(form));
        }
        rows_.push_back({label, forms.empty() ? "—" : forms});
    }

    const TSlowoKod& word_;
    const TVerbParadigm& p_;
    std::vector<TWierszTabeli> rows_;
};

bool IsNounCode(const std::string& code)
{
    return !code.empty() && code.front() >= '0' && code.front() <= '4';
}

// The verb codes the generator conjugates; the other verb classes keep their lemma.
bool IsConjugatedCode(const std::string& code)
{
    return !code.empty() && (std::string_view("!$*/@").find(code.front()) != std::string_view::npos ||
                             static_cast<unsigned char>(code.front()) == 248);
}

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
    const TSlowoKod split = SplitWordPl(word);
    if (IsNounCode(split.Code))
        return NounTable(split);
    if (!IsConjugatedCode(split.Code))
        return {};
    TVerbParadigm p;
    if (BuildVerbParadigmPl(split.Lemma, split.Code, true, p) != wbOk)
        return {};
    return TTabelaCzasownika(split, p).Rows();
}

bool NounOrVerbGeneratorRefusesPl(const std::string& word)
{
    const TSlowoKod split = SplitWordPl(word);
    if (IsNounCode(split.Code)) {
        TNounParadigm p;
        return BuildNounParadigmPl(split.Lemma, split.Code, p) != wbOk;
    }
    if (IsConjugatedCode(split.Code)) {
        TVerbParadigm p;
        return BuildVerbParadigmPl(split.Lemma, split.Code, true, p) != wbOk;
    }
    return false;
}

} // namespace velmar::cli
