#pragma once
// The French source: words prepared the French way (contractions "du", "au", "aux",
// "s'il" split, elided and hyphenated forms cut, numbers and ordinals carried over),
// and the utterance analysed into groups, function words, cases, tenses and aspects
// from which target assembly writes the Polish sentence.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/engine/untTransWypSlowoTransfer.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

class TWypSlowoFr : public TWypSlowoAnalizowane {
public:
    using TWypSlowoAnalizowane::TWypSlowoAnalizowane;

    void Prepare() override;
    // Hidden meanings go; a noun form keeps the sub-record of its gender; Qualifier is
    // the gender the entry's codes give.
    void AfterLookup1() override;
    // The name classes of the entries ("IMIE", "NAZW"…) become the word's markers.
    void AfterLookup2() override;
    // A reflexive verb (marker 44) takes its sub-record "6" or "R", a verb with
    // preferVerb the first verb sub-record, anything else the first of its own class.
    int SelectSubRecord(const TZnaczenie& reading, bool preferVerb, bool anyClass) override;
    // In the simplified modes the most frequent words keep their first translation.
    void CollectTranslations() override;

protected:
    // "vous" and "votre" as the setting "FrZaimekVous" renders them; false for any
    // other word.
    bool OwnTranslation() override;

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

// What the valency of a word gives the group it governs: the Polish case and
// preposition ("penser à" → "o" + locative).
struct TRekcjaFr {
    bool Found = false;
    int Case = -1;
    std::string Preposition;
};

// What the case walk has met since the clause began.
struct TFlagiZdaniaFr {
    bool VerbSeen = false;
    bool SubjectSeen = false;
    bool DirectSeen = false;
};

struct TFormaFr;

class TWypowiedzenieFr : public TWypowiedzenieSlowoPoSlowie {
public:
    explicit TWypowiedzenieFr(TCustomWypowiedzenia* owner);

    // One reading per word; outside the word-by-word modes the sentence stages; then
    // every word's translations.
    void Analyse(int level) override;
    // The base transfer; a Polish target also loses the French space before "?", "!",
    // ":" and ";".
    void Transfer() override;

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

    // ---- the sentence stages
    // Names, fixed meanings, verbal nouns, degrees, group features and the politeness
    // forms (untTranslatorFrCechy.cpp).
    void ProperNames();
    void Articles();
    void FixedExpressions();
    void AvantApres();
    void Superlatives();
    void GroupFeatures();
    void PolitenessOfVous();
    // Nominal and verbal groups, compound tenses, person and tense of the verbs
    // (untTranslatorFrGrupy.cpp).
    void NominalGroups();
    // A grouped word read one way but with a reading of the other kind (a noun that
    // may be a verb form, a verb that may be a noun) also gets the features of that
    // reading, so that a translation of it, chosen instead, renders in the right form.
    void FinalGroups();
    // Second looks at readings once the structure shows (untTranslatorFrKorekty.cpp).
    void Subordinates();
    void GroupAgreement();
    void Coordination();
    // A verb after a reflexive clitic takes its reflexive sub-record ("se laver":
    // "myć się") and the clitic renders as nothing.
    void Pronominal();
    // The numbered homographs of the function words (untTranslatorFrFunkcyjne.cpp).
    void FunctionWords();
    // Polish prepositions and the case and kind of every nominal group
    // (untTranslatorFrPrzypadki.cpp).
    void TransferPrepositions();
    // Clock times, parts of the day, periods and days that Polish says with other
    // words or another preposition (untTranslatorFrCzas.cpp).
    void TimeExpressions();
    // The rest, up to the translations (untTranslatorFrTransfer.cpp).
    void Pronouns();
    void QueClauses();
    void AspectAndInversion();
    void PolishWordOrder();
    void YesNoQuestion();
    void RelativeClauses();
    void RelativeClauseEnds();
    bool EndsClause(int i) const;
    bool IsFiniteVerbGroupAt(int i) const;
    int FirstOfClauseAt(int verb) const;
    void CollectAll();

    // The case and Polish preposition the valency of word i's chosen meaning gives a
    // group introduced by sourceText ("" for a group with no preposition).
    TRekcjaFr ValencyCase(int i, std::string_view sourceText);

private:
    // ---- groups
    // Whether any word of the utterance is the text.
    bool SentenceHasWord(std::string_view text) const;
    bool IsDeterminerAt(int i) const;
    bool IsNounAt(int i) const;
    bool IsVerbAt(int i) const;
    // Class preposition, or "de", "d'", "à" whatever their homograph number.
    bool IsPrepositionWord(int i) const;
    bool CanStartNominalGroup(int i) const;
    // The subject of the verb at i: an inverted pronoun, or the first word before it
    // that is no object clitic (`pronoun` is no clitic for this search); may be −1.
    int SubjectOfVerb(int i, std::string_view pronoun) const;
    bool InImperativePosition(int i) const;
    TFormaFr ResolveVerbForm(int i);
    void SetOwnFeatures(int i);
    int SkipToParticiple(int i, bool withEu) const;
    int SkipToInfinitive(int i) const;
    bool ReflexiveBefore(int auxiliary) const;
    int CompoundWithParticiple(int i, TCustomWypGrupa& group, const TFormaFr& auxiliary);
    int NearTense(int i, TCustomWypGrupa& group, const TFormaFr& auxiliary);
    // Each returns the group's last word.
    int BuildVerbalGroup(int i);
    int NominalGroupEnd(int i, int& head) const;
    int PostModifiers(int last, int head) const;
    int BuildNominalGroup(int i);
    void GiveVerbFeaturesOfReading(int i, int code);
    void GiveNominalFeaturesOfReading(int i, int code);
    void EnsureOwnGroup(int i);
    bool TakeReflexiveSubRecord(int i);
    // A noun–verb homograph the word stage left open (marker 187).
    bool IsOpenNounVerb(int i) const;
    void SoitAt(int i);
    // The word leaves its nominal group for its verb reading and a verbal group.
    void BecomeVerb(int i);

    // ---- function words
    // SetText that keeps whether the word is rendered.
    void Rename(int i, const std::string& text);
    bool MoveNegationBehindClitics(int i);
    void FunctionWordAt(int i);
    bool NegatedInfinitiveAt(int n) const;
    std::string DeHomograph(int i);
    std::string DeHomographByContext(int i);
    std::string DeAfterNominalGroup(int i);
    bool IsAgentAfterParticiple(int i);
    void OnRule(int i);
    void Impersonal(TCustomWypGrupa& verbal);
    void EnRule(int i);
    void ARule(int i);
    bool InfinitiveConstructionAt(int j) const;
    void IndefiniteArticle(int i);
    void PluralArticle(int i);
    void AgoRule(int i);
    void ObjectPronounOrArticle(int i);
    void NegationScope(int i);
    void PersonalClitic(int i);
    bool QueBefore(int i) const;
    void QueRule(int i);
    void QuiRule(int i);
    void PrepositionBeforeInfinitive(int i);
    void SiRule(int i);
    // Whether a finite verb follows the group that ends at `last`, past prepositions,
    // adverbs and prepositional groups.
    bool FiniteVerbAfter(int last) const;
    void TantQue(int i);
    void StepNoun(int i);

    // ---- cases
    void SetCaseOfGroupAt(int i, int casus);
    void TakePreposition(int i, const TRekcjaFr& found);
    bool PrepositionHomograph(int i);
    void CliticCase(int i);
    void TakeValencyCase(int verb, TCustomWypGrupa& group);
    bool PersonAfterA(int i);
    bool ClockTime(int i);
    bool PartOfDay(int first, int head);
    void PeriodOrDay(TCustomWypGrupa& group, int head);
    void OwnPrepositionCase(int i);
    // Returns the last word it dealt with.
    int VerbGovernment(int i);
    bool FollowedByVerb(int last) const;
    int DecideNominalGroup(int i, TFlagiZdaniaFr& flags);
    void DecideCaseAfterVerb(int i, TCustomWypGrupa& group, const TFlagiZdaniaFr& flags);
    bool NegatedVerb(int v) const;
    bool IsObjectPronounGroup(int i) const;

    // ---- transfer
    int AspectOf(int i) const;
    bool NeverOrNoMore(const TCustomWypGrupa& group) const;
    void DropSubjectPronouns();
    void NegationWordsBeforeNie();
    void RecentPast(int i);
    void SecondImperatives();
    void AdjectivesBeforeNouns();
    bool ComparesSynthetically(int i);
    // Calls visit with the first word and the group of every nominal group, left to right.
    void ForEachNominalGroup(const std::function<void(int, TCustomWypGrupa&)>& visit);
    // The word of a group that carries its translation (marker 168), else its last.
    int HeadOfGroup(const TCustomWypGrupa& group) const;

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
    bool ArticleAfterPreposition(int i) const;
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

// The first word of the meaning the word would translate with ("jeść *!3" with its
// code), empty when it has none.
std::string FirstMeaningWord(TCustomWypSlowo& word, bool withCode);

class TWypowiedzeniaFr : public TWypowiedzeniaSlowoPoSlowie {
public:
    using TWypowiedzeniaSlowoPoSlowie::TWypowiedzeniaSlowoPoSlowie;

    int NewUtterance() override;
    std::unique_ptr<TCustomWypowiedzenia> NewNested() const override;
};

} // namespace velmar
