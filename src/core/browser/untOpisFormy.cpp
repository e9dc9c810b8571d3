#include "core/browser/untOpisFormy.h"

#include <algorithm>

#include "core/app/untStale.h"
#include "core/generators/untGenFrCzasownik.h"

namespace velmar {

namespace {

// The persons of every reading of the same base and tense as the first one.
std::vector<int> PersonsOfReadings(const std::vector<TOdwolanie>& readings, const TCechyFormyFr& first)
{
    std::vector<int> persons;
    for (const auto& reading : readings) {
        if (reading.Base != readings.front().Base)
            continue;
        const TCechyFormyFr tag = FormTagFr(reading.FormCode);
        if (tag.Znana && tag.Czas == first.Czas && tag.Osoba > 0 &&
            std::find(persons.begin(), persons.end(), tag.Osoba) == persons.end())
            persons.push_back(tag.Osoba);
    }
    std::sort(persons.begin(), persons.end());
    return persons;
}

// The first sub-record with meanings of the form's kind: a verb for a verb form, any
// other class otherwise.
const TTransSlownikPodrekord* SubRecordFor(const TTransSlownikSlowo& entry, bool verbForm)
{
    for (int i = 0; i < entry.SubRecords.Count(); ++i) {
        const auto* sub = entry.SubRecords.Item(i);
        const bool verb = WordClassOfCode(sub->Code, jezFrancuski) == ksCzasownik;
        if (sub->Meanings.Count() > 0 && verb == verbForm)
            return sub;
    }
    return nullptr;
}

} // namespace

bool DescribeForm(std::uint8_t language, std::uint8_t targetLanguage, const std::vector<TOdwolanie>& readings,
                  const TTransSlownikSlowo& entry, TOpisFormy& description)
{
    description = {};
    if (language != jezFrancuski || readings.empty())
        return false;
    const TCechyFormyFr tag = FormTagFr(readings.front().FormCode);
    if (!tag.Znana)
        return false;

    TAnalizaFormy analysis;
    analysis.Tense = tag.Czas;
    analysis.Person = tag.Osoba;
    analysis.Gender = tag.Rodzaj;
    analysis.Number = tag.Liczba;
    analysis.Persons = PersonsOfReadings(readings, tag);

    std::vector<std::string> translationForms;
    if (const auto* sub = SubRecordFor(entry, tag.Czas > 0)) {
        analysis.Code = sub->Code;
        const TPomijaneAlternatywy skips = MeaningSkipsOfTense(tag.Czas);
        if (const auto* meaning = sub->Meanings.Item(sub->Meanings.FirstPreferred(skips.SkipAlt1, skips.SkipAlt2)))
            for (int i = 0; i < meaning->AlternativeCount(); ++i)
                translationForms.push_back(meaning->WordWithCode(i));
    }
    return DescribeAnalysedForm(analysis, translationForms, targetLanguage, description);
}

} // namespace velmar
