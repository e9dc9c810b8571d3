#include "core/engine/untTransWypSlowoTransfer.h"

#include <bitset>

#include "core/engine/untTransWypSkladanie.h"
#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

int TWypSlowoAnalizowane::TranslationMode() const
{
    return Owner() != nullptr ? Owner()->Context().Settings.TranslationMode : 0;
}

// ---------------------------------------------------------------- readings

void TWypSlowoAnalizowane::Transfer()
{
    if (HasMarker(znNieTlumaczyc)) {
        Readings.Clear();
        return;
    }
    if (Readings.Count() == 0)
        return;
    TZnaczenie fallback = *Readings.Item(0);
    KeepFirstSubRecord(*fallback.Entry);
    const bool profileHit = UserReadingInProfile();
    RemoveDuplicateReadings();
    KeepSubRecordsOfTheCodesClass();
    for (int r = 0; r < Readings.Count(); ++r) {
        TZnaczenie& reading = *Readings.Item(r);
        if (reading.SubRecord < 0)
            reading.SubRecord = SelectSubRecord(reading, false, false);
    }
    if (!IsSingleRenderingMode(TranslationMode()))
        KeepReadingsWorthRendering(profileHit);
    if (Readings.Count() == 0)
        Readings.Add(fallback);
}

void TWypSlowoAnalizowane::KeepFirstSubRecord(TTransSlownikSlowo& entry)
{
    for (int k = entry.SubRecords.Count() - 1; k >= 1; --k)
        entry.SubRecords.Delete(k);
}

bool TWypSlowoAnalizowane::UserReadingInProfile() const
{
    const std::bitset<256> subjects = Owner() != nullptr ? Owner()->Context().Analysis.Subjects : std::bitset<256>{};
    for (int r = 0; r < Readings.Count() && subjects.any(); ++r) {
        const TZnaczenie& reading = *Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika && HasMeaningInSubjects(reading, subjects))
            return true;
    }
    return false;
}

void TWypSlowoAnalizowane::RemoveDuplicateReadings()
{
    // Of two readings of one entry with one code, the better scored stays.
    for (int r = Readings.Count() - 1; r > 0; --r) {
        const TZnaczenie& later = *Readings.Item(r);
        for (int e = 0; e < r; ++e) {
            TZnaczenie& earlier = *Readings.Item(e);
            if (earlier.DictKind != later.DictKind || earlier.EntryIndex != later.EntryIndex ||
                earlier.Code != later.Code)
                continue;
            if (later.Score > earlier.Score)
                earlier.Score = later.Score;
            Readings.Delete(r);
            break;
        }
    }
}

void TWypSlowoAnalizowane::KeepSubRecordsOfTheCodesClass()
{
    // A sub-record of another class than the reading's form code ("est" the noun in
    // the entry of the verb's reading) cannot translate this reading.
    const std::uint8_t language = Language();
    for (int r = Readings.Count() - 1; r >= 0; --r) {
        TZnaczenie& reading = *Readings.Item(r);
        const std::uint8_t wordClass = WordClassOfCodeNumber(reading.Code, language);
        if (reading.Code < 0 || wordClass >= kwNieznana)
            continue;
        TTransSlownikPodrekordy& records = reading.Entry->SubRecords;
        for (int k = records.Count() - 1; k >= 0; --k) {
            const auto recordClass = static_cast<std::uint8_t>(WordClassOfCode(records.Item(k)->Code, language));
            if (recordClass != wordClass && recordClass != kwInna && recordClass < kwNieznana)
                records.Delete(k);
        }
        if (records.Count() == 0)
            Readings.Delete(r);
        else if (reading.SubRecord >= records.Count())
            reading.SubRecord = -1;
    }
}

void TWypSlowoAnalizowane::KeepReadingsWorthRendering(bool profileHit)
{
    // Where every translation is rendered, only the user's reading of the text's
    // subject, or the preferred readings and the first one that can translate, stay.
    if (profileHit) {
        for (int r = Readings.Count() - 1; r >= 0; --r)
            if (Readings.Item(r)->DictKind != kRodzajUzytkownika || r != FirstUserReading())
                Readings.Delete(r);
        return;
    }
    const int firstTranslating = FirstReadingWithSubRecord();
    for (int r = Readings.Count() - 1; r >= 0; --r)
        if (Readings.Item(r)->Score <= kOcenaNeutralna && r != firstTranslating)
            Readings.Delete(r);
}

int TWypSlowoAnalizowane::FirstUserReading() const
{
    for (int r = 0; r < Readings.Count(); ++r)
        if (Readings.Item(r)->DictKind == kRodzajUzytkownika)
            return r;
    return -1;
}

int TWypSlowoAnalizowane::FirstReadingWithSubRecord() const
{
    for (int r = 0; r < Readings.Count(); ++r)
        if (Readings.Item(r)->Entry->SubRecords.Count() > 0)
            return r;
    return -1;
}

// ---------------------------------------------------------------- translations

void TWypSlowoAnalizowane::CollectTranslations()
{
    Translations.Clear();
    ChosenTranslation = -1;
    Unknown = false;
    if (Code == 0)
        Translate = false;
    if (!Translate)
        return;
    if (!FixedTarget.empty() || !Choosable) {
        Translations.Item(Translations.Add()).Text = FixedTarget.empty() ? Text : FixedTarget;
        ChooseTranslation(0);
        return;
    }
    if (OwnTranslation())
        return;
    for (int r = 0; r < Readings.Count() && (r == 0 || Translations.Count() == 0); ++r)
        AddTranslationsOf(*Readings.Item(r));
    Unknown = Translations.Count() == 0;
    if (!Unknown)
        ChooseTranslation(0);
}

void TWypSlowoAnalizowane::AddTranslationsOf(const TZnaczenie& reading)
{
    const int chosenRecord = reading.SubRecord >= 0 ? reading.SubRecord : SelectSubRecord(reading, true, true);
    AddTranslationsOfRecord(reading, chosenRecord);
    // A verb with a reflexive and a plain sense ("myć" / "myć się") may have both.
    if (reading.SubRecord2 >= 0 && reading.SubRecord2 != chosenRecord)
        AddTranslationsOfRecord(reading, reading.SubRecord2);
    // Where one translation is rendered, the other classes' meanings are there to be
    // chosen instead; where all are rendered they would only be noise.
    if (!IsSingleRenderingMode(TranslationMode()))
        return;
    const TTransSlownikPodrekordy& records = reading.Entry->SubRecords;
    for (int r = 0; r < records.Count(); ++r)
        for (int m = 0; r != chosenRecord && r != reading.SubRecord2 && m < records.Item(r)->Meanings.Count(); ++m)
            AddTranslation(*records.Item(r)->Meanings.Item(m));
}

void TWypSlowoAnalizowane::AddTranslationsOfRecord(const TZnaczenie& reading, int subRecord)
{
    const TTransSlownikPodrekord* record = reading.Entry->SubRecords.Item(subRecord);
    if (record == nullptr)
        return;
    const int chosen = ChosenMeaning(record->Meanings, reading.DictKind == kRodzajUzytkownika);
    if (const TTransSlownikZnaczenie* meaning = record->Meanings.Item(chosen))
        AddTranslation(*meaning);
    if (Owner() != nullptr && !Owner()->Context().Analysis.SecondMeanings)
        return;
    for (int m = 0; m < record->Meanings.Count(); ++m)
        AddTranslation(*record->Meanings.Item(m));
}

int TWypSlowoAnalizowane::ChosenMeaning(const TTransSlownikZnaczenia& meanings, bool userReading) const
{
    const auto first = [&](const std::function<bool(const TTransSlownikZnaczenie&)>& qualifies) {
        for (int m = 0; m < meanings.Count(); ++m)
            if (qualifies(*meanings.Item(m)))
                return m;
        return -1;
    };
    // The subject domains the user chose for the text; the general domain 0 counts only
    // for the user's own entries, and for them only when no profile is chosen.
    std::bitset<256> subjects = Owner() != nullptr ? Owner()->Context().Analysis.Subjects : std::bitset<256>{};
    if (userReading && subjects.none())
        subjects.set(0);
    else if (!userReading)
        subjects.reset(0);
    int chosen = first([](const TTransSlownikZnaczenie& m) { return m.Preferred; });
    if (chosen < 0 && subjects.any())
        chosen = first([&](const TTransSlownikZnaczenie& m) { return (m.Codes & subjects).any(); });
    if (chosen < 0)
        chosen = first([](const TTransSlownikZnaczenie& m) { return m.Plus; });
    if (chosen < 0)
        chosen = 0;
    // The aspect the analysis asked for: the variant that follows the chosen meaning.
    const TTransSlownikZnaczenie* next = meanings.Item(chosen + 1);
    if (next != nullptr && ((next->Alt1 && HasMarker(znDokonany)) || (next->Alt2 && HasMarker(znNiedokonany))))
        ++chosen;
    return chosen;
}

void TWypSlowoAnalizowane::AddTranslation(const TTransSlownikZnaczenie& meaning)
{
    TTlumaczenie candidate = TranslationOfMeaning(meaning);
    if (candidate.Forms.empty())
        return;
    for (int t = 0; t < Translations.Count(); ++t)
        if (Translations.Item(t).Forms == candidate.Forms)
            return;
    Translations.Item(Translations.Add()) = std::move(candidate);
}

} // namespace velmar
