#pragma once
// A word of a sentence that was analysed (not translated word by word): before its
// translations are collected its readings are pruned to those that can translate it,
// and the translations come from the meanings the text's profile and the analysis
// prefer. The French and the Polish source share this; each language chooses its
// sub-records and may translate some words in its own way.

#include <functional>

#include "core/engine/untTransWypTypy.h"

namespace velmar {

class TWypSlowoAnalizowane : public TCustomWypSlowo {
public:
    using TCustomWypSlowo::TCustomWypSlowo;

    // Prunes the readings to what can translate the word: an untranslatable token
    // loses them all; duplicates go, and sub-records of another class than the
    // reading's code; where every translation is rendered, the weak readings; a word
    // left with none keeps its first reading's first sub-record.
    void Transfer() override;
    // The fixed target, the language's own translation of the word, or the meanings of
    // the committed readings: the chosen one first (its aspect variant when the
    // analysis set the aspect), then the others.
    void CollectTranslations() override;

protected:
    // A translation the source language gives some words itself ("vous" as the
    // politeness setting renders it); false when the word has none.
    virtual bool OwnTranslation() { return false; }
    // The meaning to translate with: the preferred one, else one of the text's subject
    // domains, else a favoured one, else the first; then its aspect variant when the
    // analysis set the aspect.
    int ChosenMeaning(const TTransSlownikZnaczenia& meanings, bool userReading) const;
    // The translations of one sub-record of a reading: its chosen meaning, then, with
    // the second-meanings option, its others.
    void AddTranslationsOfRecord(const TZnaczenie& reading, int subRecord);
    void AddTranslation(const TTransSlownikZnaczenie& meaning);
    int TranslationMode() const;

private:
    void AddTranslationsOf(const TZnaczenie& reading);
    static void KeepFirstSubRecord(TTransSlownikSlowo& entry);
    // A reading of the user dictionary has a meaning in a subject the user chose.
    bool UserReadingInProfile() const;
    void RemoveDuplicateReadings();
    void KeepSubRecordsOfTheCodesClass();
    void KeepReadingsWorthRendering(bool profileHit);
    int FirstUserReading() const;
    int FirstReadingWithSubRecord() const;
};

} // namespace velmar
