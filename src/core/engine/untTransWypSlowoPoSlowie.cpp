#include "core/engine/untTransWypSlowoPoSlowie.h"

#include <algorithm>

namespace velmar {

TTlumaczenie TranslationOfMeaning(const TTransSlownikZnaczenie& meaning)
{
    TTlumaczenie translation;
    for (int k = 0; k < meaning.AlternativeCount(); ++k)
        translation.Forms.push_back(meaning.WordWithCode(k));
    translation.Label = meaning.Comment(0);
    return translation;
}

namespace {

bool SameForms(TTlumaczenia& translations, const TTlumaczenie& candidate)
{
    for (int t = 0; t < translations.Count(); ++t)
        if (translations.Item(t).Forms == candidate.Forms)
            return true;
    return false;
}

} // namespace

void CollectMeaningsAsTranslations(TCustomWypSlowo& word)
{
    word.Translations.Clear();
    word.ChosenTranslation = -1;
    if (!word.Translate || !word.Choosable)
        return;
    for (int r = 0; r < word.Readings.Count(); ++r) {
        const TZnaczenie& reading = *word.Readings.Item(r);
        const int sub = word.SelectSubRecord(reading, false, false);
        if (!word.SelectMeanings(reading, sub, false, false))
            continue;
        const TTransSlownikZnaczenia& meanings = reading.Entry->SubRecords.Item(sub)->Meanings;
        for (int m = 0; m < meanings.Count(); ++m) {
            TTlumaczenie candidate = TranslationOfMeaning(*meanings.Item(m));
            if (candidate.Forms.empty() || SameForms(word.Translations, candidate))
                continue;
            word.Translations.Item(word.Translations.Add()) = std::move(candidate);
        }
    }
    // A number or an ordinal carries its own target ("1er" → "1."): it is no unknown word.
    word.Unknown = word.Translations.Count() == 0 && word.FixedTarget.empty();
    if (!word.Unknown)
        word.ChooseTranslation(0);
}

void TWypowiedzenieSlowoPoSlowie::Analyse(int level)
{
    TCustomWypowiedzenie::Analyse(level);
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count() && !Owner()->StopRequested(); ++i)
        CollectMeaningsAsTranslations(words.Word(i));
}

int TWypowiedzeniaSlowoPoSlowie::NewUtterance()
{
    Append(std::make_unique<TWypowiedzenieSlowoPoSlowie>(this));
    return Count() - 1;
}

std::unique_ptr<TCustomWypowiedzenia> TWypowiedzeniaSlowoPoSlowie::NewNested() const
{
    return std::make_unique<TWypowiedzeniaSlowoPoSlowie>(NestedContext());
}

} // namespace velmar
