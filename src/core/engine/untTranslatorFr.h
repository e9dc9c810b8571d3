#pragma once
// The French source: words prepared the French way (contractions "du", "au", "aux",
// "s'il" split, elided and hyphenated forms cut, numbers and ordinals carried over),
// in utterances that are translated word by word until the French analysis plugs in.

#include <memory>

#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

class TWypSlowoFr : public TCustomWypSlowo {
public:
    using TCustomWypSlowo::TCustomWypSlowo;

    void Prepare() override;
    // Hidden meanings go; a noun form keeps the sub-record of its gender; Qualifier is
    // the gender the entry's codes give.
    void AfterLookup1() override;
    // The name classes of the entries ("IMIE", "NAZW"…) become the word's markers.
    void AfterLookup2() override;

private:
    void MoveQuotesOut(int index);
    void SpaceAfterElision(int index);
    // The word becomes `first` (looked up); a new word `second` follows it from `secondStart`
    // on, taking the word's Po. The split forms of the contractions.
    void Split(int index, const std::string& first, const std::string& second, int secondStart);
    // What is left when no dictionary knows the text: a detached period, a cut at an
    // apostrophe, "-t-" or a hyphen, or else an unknown word.
    void PrepareUnknown(int index);
    // The word keeps Text[0, at); a new word with the rest and the Przed `restBefore`
    // follows it.
    void CutAt(int index, std::size_t at, const std::string& restBefore);
};

class TWypSlowaFr : public TCustomWypSlowa {
public:
    using TCustomWypSlowa::TCustomWypSlowa;

    std::unique_ptr<TCustomWypSlowo> NewWord() override;
};

class TWypowiedzenieFr : public TWypowiedzenieSlowoPoSlowie {
public:
    explicit TWypowiedzenieFr(TCustomWypowiedzenia* owner);

    // Word by word, except that the articles carry no Polish word.
    void Analyse(int level) override;
};

class TWypowiedzeniaFr : public TWypowiedzeniaSlowoPoSlowie {
public:
    using TWypowiedzeniaSlowoPoSlowie::TWypowiedzeniaSlowoPoSlowie;

    int NewUtterance() override;
    std::unique_ptr<TCustomWypowiedzenia> NewNested() const override;
};

} // namespace velmar
