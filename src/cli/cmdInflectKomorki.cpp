#include "cli/cmdInflectKomorki.h"

#include <string_view>
#include <utility>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenFrCzasownik.h"
#include "core/generators/untGenPLPrzymiotnik.h"

namespace velmar::cli {

namespace {

bool IsNounCode(const std::string& code)
{
    return !code.empty() &&
           ((code.front() >= '0' && code.front() <= '4') || code.front() == '<' || code.front() == '>');
}

// The verb codes the generator conjugates; the other verb classes keep their lemma.
bool IsConjugatedCode(const std::string& code)
{
    return !code.empty() && (std::string_view("!$*/@").find(code.front()) != std::string_view::npos ||
                             static_cast<unsigned char>(code.front()) == 248);
}

TKomorkaTabeli SlotCell(const TVerbParadigm& p, int slot)
{
    const TKomorkaPl& cell = p.Slots[static_cast<std::size_t>(slot)];
    return {p.Wrap(cell.Forma), p.Wrap(cell.Alternatywa)};
}

// A declined participle shows no alternative.
TKomorkaTabeli ParticipleCell(const TVerbParadigm& p, const TAdjParadigmPl& declined, const TCechyPl& f)
{
    return {p.Wrap(declined.Cells[static_cast<std::size_t>(AdjCellIndex(f.Case, f.Number, f.Gender))]), {}};
}

// The slot a verb cell reads, or −1 for the forms the generator composes of several
// words (the compound future, the impersonal forms).
int ShownSlot(const TVerbParadigm& p, const TCechyPl& f)
{
    if (f.FormCode == fpPrzyszly && !p.Perfective)
        return -1;
    // A perfective verb's simple future is its present.
    const int formCode = f.FormCode == fpPrzyszly ? fpTeraz : f.FormCode;
    // "powinien" keeps its present in the person-and-gender order of the past.
    if (p.Powinien && formCode == fpTeraz)
        return scTeraz + VerbSlotPl(fpPrzeszly, f.Person, f.SubjectNumber, f.SubjectGender) - scPrzeszly;
    return VerbSlotPl(formCode, f.Person, f.SubjectNumber, f.SubjectGender);
}

} // namespace

TTabelaPl::TTabelaPl(std::string word) : word_(std::move(word)), split_(SplitWordPl(word_))
{
    if (IsNounCode(split_.Code)) {
        TNounParadigm p;
        if (BuildNounParadigmPl(split_.Lemma, split_.Code, p) == wbOk)
            noun_ = std::move(p);
        refused_ = !noun_;
    } else if (IsConjugatedCode(split_.Code)) {
        TVerbParadigm p;
        if (BuildVerbParadigmPl(split_.Lemma, split_.Code, true, p) == wbOk)
            verb_ = std::move(p);
        refused_ = !verb_;
    }
}

TKomorkaTabeli TTabelaPl::Cell(const TCechyPl& features) const
{
    if (noun_) {
        const TKomorkaPl& cell = noun_->Cells[static_cast<std::size_t>(NounCellPl(features.Case, features.Number))];
        return {cell.Forma, cell.Alternatywa};
    }
    if (verb_)
        return VerbCell(ClampFeaturesPl(features));
    std::string form = GenFormPl(word_, features);
    // The generator answers an adverb it cannot derive with the adjective itself.
    if (features.AdverbFlag && form == split_.Lemma)
        form.clear();
    return {form, {}};
}

TKomorkaTabeli TTabelaPl::VerbCell(const TCechyPl& f) const
{
    const TVerbParadigm& p = *verb_;
    switch (f.FormCode) {
    case fpBezokolicznik: return SlotCell(p, scBezokolicznik);
    case fpImieslowCzynny: return ParticipleCell(p, p.ActiveParticiple, f);
    case fpImieslowBierny: return ParticipleCell(p, p.PassiveParticiple, f);
    case fpRzeczownikOdczasownikowy: {
        const auto cell = static_cast<std::size_t>(NounCellPl(f.Case, f.Number));
        return {p.Wrap(p.VerbalNoun.Cells[cell].Forma), p.Wrap(p.VerbalNounAlt.Cells[cell].Forma)};
    }
    default: break;
    }
    const int slot = ShownSlot(p, f);
    if (slot < 0)
        return {GenVerbPl(split_.Lemma, split_.Code, f), {}};
    return SlotCell(p, slot);
}

bool IsFrenchVerb(const std::string& word)
{
    return WordClassOfCode(SplitWordFr(word).Code, jezFrancuski, true) == ksCzasownik;
}

TKomorkaTabeli TableCellFr(const std::string& word, const TCechyFr& f)
{
    if (!IsFrenchVerb(word))
        return {GenFormFr(word, f), {}};
    const TSlowoKod split = SplitWordFr(word);
    return {
        GenVerbFr(split.Lemma, split.Code, f.Number, f.SubjectNumber, f.SubjectGender, f.FormCode, f.Person, f.Gender),
        {}};
}

std::string ShownCell(const TKomorkaTabeli& cell, std::uint8_t language)
{
    if (cell.Form.empty())
        return language == jezPolski ? "—" : "(brak formy)";
    const std::string form = ToUtf8(cell.Form, language);
    if (cell.Alternative.empty())
        return form;
    return form + " / " + ToUtf8(cell.Alternative, language);
}

} // namespace velmar::cli
