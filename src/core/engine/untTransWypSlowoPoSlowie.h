#pragma once
// The language-independent translation: every word takes the meanings of its
// committed reading as translations and is rendered in its first one, word by word.
// The worker uses it for a source language whose analysis plugs in nothing of its own.

#include <memory>

#include "core/engine/untTransWypTypy.h"

namespace velmar {

class TWypowiedzenieSlowoPoSlowie : public TCustomWypowiedzenie {
public:
    using TCustomWypowiedzenie::TCustomWypowiedzenie;

    // Collects every word's translations and chooses the first; the base Transfer
    // then renders them.
    void Analyse(int level) override;
};

class TWypowiedzeniaSlowoPoSlowie : public TCustomWypowiedzenia {
public:
    using TCustomWypowiedzenia::TCustomWypowiedzenia;

    int NewUtterance() override;
    std::unique_ptr<TCustomWypowiedzenia> NewNested() const override;
};

// One dictionary meaning as a translation: its words with their codes, its comment
// as the label.
TTlumaczenie TranslationOfMeaning(const TTransSlownikZnaczenie& meaning);

// The meanings of the word's readings as translations: per reading, those of the
// sub-record its language selects, without duplicates; none leaves the word Unknown.
void CollectMeaningsAsTranslations(TCustomWypSlowo& word);

} // namespace velmar
