#pragma once
// The French source: words prepared the French way (contractions "du", "au", "aux",
// "s'il" split, elided and hyphenated forms cut, numbers and ordinals carried over),
// in utterances that are translated word by word until the French analysis plugs in.

#include <functional>
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

// What the context tells of a word that may be a noun or a verb (or an adjective).
enum class TDecyzjaFr {
    Brak,       // no cue applied
    Czasownik,  // the verb (for a noun/adjective word: the adjective or participle)
    Rzeczownik, // the noun
    Otwarta,    // left open: the noun/adjective question decides
};

class TWypowiedzenieFr : public TWypowiedzenieSlowoPoSlowie {
public:
    explicit TWypowiedzenieFr(TCustomWypowiedzenia* owner);

    // One reading per word, then word by word, except that the articles carry no
    // Polish word.
    void Analyse(int level) override;

    // ---- the word stage (untTranslatorFrOdczyty.cpp)
    // Renames before the choice: with the a/à option, "a" that no verb form follows is
    // "à"; "s'" before "il" is "si".
    void PrePass();
    void ChooseReadings();
    void ChooseReadingAt(int i);
    // Commits reading r of word i; an unknown word (r < 0) becomes a noun of its text.
    void CommitAt(int i, int reading);
    // The context rules for a word of several readings; false when none applies.
    bool Disambiguate(int i);
    // Multi-word expressions of the user, forms and main dictionaries become one word
    // (untTranslatorFrWyrazenia.cpp).
    void JoinExpressions();

private:
    // The codes the word may still have: those of its preferred readings and of every
    // reading ("court" keeps out its noun and adverb codes).
    TZbiorKodow PossibleCodes(int i) const;
    bool CanHave(int i, const TZbiorKodow& codes) const;
    // Whether a bare "a" is the preposition: no participle follows and no subject
    // or reflexive pronoun precedes.
    bool IsPreposition(int i) const;
    bool CommitFirstIn(int i, const TZbiorKodow& codes);
    void CommitByScore(int i);
    bool ScoresDiffer(int i) const;
    bool MalIsANoun(int i) const;
    bool TwoPluralsOfOneForm(int i);
    void PrepositionRule(int i);
    void CliticRule(int i);
    // Adds the agreement note when an adjective stands between article and noun.
    TDecyzjaFr NounOrVerb(int i);
    bool AfterTu(int i) const;
    void NounVerbRule(int i);
    void AdjectiveParticipleRule(int i);
    TDecyzjaFr NounOrAdjective(int i) const;
    void NounAdjectiveRule(int i);
    bool AfterAuxiliary(int i) const;
    bool AfterCliticPronoun(int i) const;
    bool AgreesBetweenArticleAndNoun(int i);
    // The first word at or before i for which holds is false; −1 when none.
    int SkipWhile(int i, const std::function<bool(int)>& holds) const;
    // Finite forms spelled like participles get the participle's code.
    void VerbFormAdjust(int i, const TZbiorKodow& codes);

    // Words first..last as one candidate expression; byLemma starts with the lemma.
    std::string SpanText(int first, int last, bool byLemma) const;
    // 2 when word i begins a split contraction ("à" "le1"), else 1.
    int WordsOfContraction(int i) const;
    // The last word of the longest expression of the dictionary that starts at word i;
    // −1 when none.
    int LongestExpression(int i, bool byLemma, TSlownikWyrazen dictionary) const;
    void JoinWords(int first, int last, bool byLemma);
};

class TWypowiedzeniaFr : public TWypowiedzeniaSlowoPoSlowie {
public:
    using TWypowiedzeniaSlowoPoSlowie::TWypowiedzeniaSlowoPoSlowie;

    int NewUtterance() override;
    std::unique_ptr<TCustomWypowiedzenia> NewNested() const override;
};

} // namespace velmar
