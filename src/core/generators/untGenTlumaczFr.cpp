#include "core/generators/untGenTlumaczFr.h"

#include <array>

#include "core/app/untUtils.h"
#include "core/generators/untGenFrCzasownik.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

bool FirstByteIn(std::string_view code, std::string_view bytes)
{
    return !code.empty() && bytes.find(code.front()) != std::string_view::npos;
}

std::string DispatchFr(const TSlowoKod& word, const TCechyFr& f)
{
    const std::string& lemma = word.Lemma;
    const std::string& code = word.Code;
    if (code.empty() || !IsAlnum(static_cast<unsigned char>(code.front())))
        return lemma;
    if (FirstByteIn(code, "0123F"))
        return GenNounFr(lemma, code, f.Number);
    if (FirstByteIn(code, "456RZ"))
        return GenVerbFr(lemma, code, f.Number, f.SubjectNumber, f.SubjectGender, f.FormCode, f.Person, f.Gender);
    if (code == "7")
        return GenAdjFr(lemma, code, f.Number, f.Gender);
    if (code == "95" && IsDeterminerFr(lemma))
        return GenDeterminerFr(lemma, f.Number, f.Gender);
    if (code == "94" && lemma == "se")
        return ReflexiveFr(lemma, f.Person);
    if (code == "90" && f.QueToQui && lemma == "que")
        return "qui";
    return lemma;
}

// French tense names 1–27, UTF-8.
constexpr std::array<const char*, 27> kTenseNames = {"indicatif présent",
                                                     "indicatif imparfait",
                                                     "indicatif passé simple",
                                                     "indicatif futur",
                                                     "conditionnel présent",
                                                     "subjonctif présent",
                                                     "subjonctif imparfait",
                                                     "impératif",
                                                     "participe présent",
                                                     "infinitif",
                                                     "passé composé",
                                                     "plus-que-parfait",
                                                     "passé antérieur",
                                                     "futur antérieur",
                                                     "conditionnel passé",
                                                     "subjonctif passé",
                                                     "subjonctif plus-que-parfait",
                                                     "impératif passé",
                                                     "participe présent z ayant",
                                                     "infinitif passé",
                                                     "futur proche",
                                                     "futur proche passé",
                                                     "passé immédiat",
                                                     "plus-que-parfait immédiat",
                                                     "gérondif",
                                                     "gérondif passé",
                                                     "participe passé"};

} // namespace

std::string GenFormFr(std::string_view word, const TCechyFr& features)
{
    const TSlowoKod split = SplitWordFr(word);
    const std::string form = DispatchFr(split, features);
    return form.empty() ? split.Lemma : form;
}

std::string TenseName(int tense)
{
    if (tense < 1 || tense > static_cast<int>(kTenseNames.size()))
        return {};
    return FromUtf8(kTenseNames[static_cast<std::size_t>(tense - 1)]);
}

std::string GenderLabel(int gender)
{
    switch (gender) {
    case rdzFrObydwa: return "mf";
    case rdzFrMeski: return "m";
    case rdzFrZenski: return "f";
    default: return {};
    }
}

} // namespace velmar
