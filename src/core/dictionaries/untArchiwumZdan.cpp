#include "core/dictionaries/untArchiwumZdan.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untDictCompare.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// Switches a dictionary's filtered view off for the lifetime of the object and tells
// whether it was on.
class TBezFiltra {
public:
    explicit TBezFiltra(TTransSlownik& dictionary) : dictionary_(dictionary), wasOn_(dictionary.FilterActive)
    {
        if (wasOn_)
            dictionary_.SetFilter(false);
    }
    bool WasOn() const { return wasOn_; }
    // Puts the filtered view back on, for a second pass over the filtered lines.
    void Restore()
    {
        if (wasOn_)
            dictionary_.SetFilter(true);
    }

private:
    TTransSlownik& dictionary_;
    bool wasOn_;
};

std::string RecordBody(std::string_view source, std::string_view translation)
{
    return std::string(source) + " " + kArchiwumSeparatorKlucza + " " + std::string(translation);
}

} // namespace

TTransSlownikZdan::TTransSlownikZdan(std::uint8_t sourceLang, std::uint8_t targetLang)
    : TTransSlownik(rsZdan, kKeyRowAuxiliary, sourceLang, targetLang, kArchiwumSeparatorKlucza, '\0',
                    kArchiwumSeparatorTlumaczen, '\0', '\0', "")
{
}

std::string TTransSlownikZdan::KeyOf(std::string_view line) const
{
    TTransSlownikZdanZdanie record;
    record.ParseRecord(line);
    return record.ViewAt(KeyLevel);
}

TTransSlownikZdanZdanie& TTransSlownikZdan::Record(int index)
{
    const TPrzypiecie pin(*this); // the count checked is the count of the line read
    if (index >= 0 && index < Count())
        CurrentRecord.ParseRecord(DecodedLine(index));
    return CurrentRecord;
}

bool TTransSlownikZdan::FindAt(std::string_view text, int level, int& index)
{
    KeyLevel = level;
    const bool found = FindExact(text, index);
    KeyLevel = 100;
    return found;
}

void TTransSlownikZdan::StoreCurrentRecord(int index)
{
    if (Lines)
        Lines->Replace(index, Encode(CurrentRecord.SerialiseRecord()));
    CachedIndex = -1;
}

int TTransSlownikZdan::AddPair(std::string_view source, std::string_view translation)
{
    TBezFiltra unfiltered(*this);
    int index = 0;
    if (FindAt(source, 100, index)) {
        Record(index).AddTranslationText(translation);
    } else {
        // FindExact leaves index on the last line it probed: step past it when the new
        // sentence sorts after it.
        if (index < 0)
            index = 0;
        if (index < Count() && DictCompare(source, GetKey(index), SourceLang) > 0)
            ++index;
        if (!Lines)
            return -1;
        Lines->Insert(index, std::string());
        std::string markedSource(source);
        std::string markedTranslation(translation);
        AutoMark(markedSource, markedTranslation);
        CurrentRecord.ParseRecord(RecordBody(markedSource, markedTranslation));
    }
    StoreCurrentRecord(index);
    if (unfiltered.WasOn())
        unfiltered.Restore();
    else if (OnSentenceAdded)
        OnSentenceAdded(*this, index);
    return index;
}

void TTransSlownikZdan::DeleteRow(int index, bool notify)
{
    if (index < 0 || index >= Count() || !Lines)
        return;
    Lines->Delete(index);
    CachedIndex = -1;
    if (notify && OnSentenceDeleted)
        OnSentenceDeleted(*this, index);
}

bool TTransSlownikZdan::DeleteSentenceOnce(std::string_view source, bool notify)
{
    int index = 0;
    const bool found = FindAt(source, 100, index);
    if (found)
        DeleteRow(index, notify);
    return found;
}

bool TTransSlownikZdan::DeleteSentence(std::string_view source)
{
    TBezFiltra unfiltered(*this);
    bool found = DeleteSentenceOnce(source, !unfiltered.WasOn());
    if (unfiltered.WasOn()) {
        unfiltered.Restore();
        found = DeleteSentenceOnce(source, true);
    }
    return found;
}

bool TTransSlownikZdan::ReplaceOnce(std::string_view source, std::string_view old, std::string_view replacement)
{
    int index = 0;
    if (!FindAt(source, 100, index))
        return false;
    auto& record = Record(index);
    for (int i = 0; i < record.Translations.Count(); ++i) {
        auto* translation = record.Translations.Item(i);
        if (translation->Plain != old)
            continue;
        if (record.Translations.Count() == 1) {
            // The only translation decides what is variable in the pair again.
            std::string markedSource = record.Plain;
            std::string markedTranslation(replacement);
            AutoMark(markedSource, markedTranslation);
            record.SetRaw(markedSource, false);
            translation->SetRaw(markedTranslation, true);
        } else {
            translation->SetRaw(replacement, true);
        }
        StoreCurrentRecord(index);
        return true;
    }
    return false;
}

bool TTransSlownikZdan::ReplaceTranslation(std::string_view source, std::string_view old, std::string_view replacement)
{
    TBezFiltra unfiltered(*this);
    const bool replaced = ReplaceOnce(source, old, replacement);
    if (unfiltered.WasOn()) {
        unfiltered.Restore();
        ReplaceOnce(source, old, replacement);
    }
    return replaced;
}

bool TTransSlownikZdan::DeleteTranslationOnce(std::string_view source, std::string_view translation, bool deleteEmpty)
{
    int index = 0;
    if (!FindAt(source, 100, index))
        return false;
    auto& record = Record(index);
    if (!record.DeleteTranslationText(translation))
        return false;
    if (record.Translations.Count() > 0)
        StoreCurrentRecord(index);
    else if (deleteEmpty)
        DeleteSentence(source);
    return true;
}

bool TTransSlownikZdan::DeleteTranslation(std::string_view source, std::string_view translation)
{
    TBezFiltra unfiltered(*this);
    bool done = DeleteTranslationOnce(source, translation, !unfiltered.WasOn());
    if (unfiltered.WasOn()) {
        unfiltered.Restore();
        done = DeleteTranslationOnce(source, translation, true);
    }
    return done;
}

std::string CountedNoun(std::uint8_t interfaceLanguage, std::string_view wordWithCode, int count)
{
    if (interfaceLanguage != jezPolski) {
        std::string lemma, code;
        SplitAtStar(wordWithCode, lemma, code, true);
        return Trim(lemma);
    }
    // 2, 3, 4, 22, 23… take the nominative plural; 12, 13, 14 and all others the genitive.
    const int lastDigit = count % 10;
    const int lastTwo = count % 100;
    const bool nominative = count == 1 || (lastDigit >= 2 && lastDigit <= 4 && !(lastTwo >= 12 && lastTwo <= 14));
    TCechyPl features;
    features.Case = nominative ? 1 : 2;
    features.Number = count == 1 ? 1 : 2;
    return GenFormPl(wordWithCode, features);
}

} // namespace velmar
