#pragma once
// The Polish source: words prepared the Polish way (quotes moved out, numbers and
// addresses carried over, hyphenated, slashed and apostrophised tokens cut, participles
// and verbal nouns derived from the forms dictionary, prefixes detached), and the first
// stages of the utterance's analysis: one reading per word, the homographs the scores
// cannot decide, expressions joined, and the words no dictionary lists recovered
// through a related word.

#include <memory>
#include <string>
#include <string_view>

#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/engine/untTransWypSlowoTransfer.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

// Word markers the Polish stages set or test.
enum TZnacznikPl : int {
    znZwrotnySie = 58,           // a verb with "się": its reflexive sub-record translates it
    znZwrotnySobie = 59,         // a verb with "sobie": its sub-record "*T" or "*C"
    znNie = 61,                  // a detached "nie": the word is read without it
    znOrzecznik = 64,            // "ORZ": a predicative noun or adjective after a copula
    znPrzymiotnikRelacyjny = 66, // an adjective read through its noun ("cukrowy": "de sucre")
    znOdczepPrzedrostek = 78,    // the next preparation may detach a prefix
    znPrzyslowekZPrzymiotnika = 79,
    znPrzyslowekZImieslowu = 80,    // "-ąco" read through its adverbial participle
    znRzeczownikZPrzymiotnika = 81, // "-ość" read through its adjective
};

// Group roles the Polish stages set or test.
enum TRolaGrupyPl : int {
    rgZRzeczownikiem = 4, // a nominal group with a noun head
    rgZaprzeczona = 5,    // negated: the object of a denied verb, or the denied verb's group
};

class TWypSlowoPl : public TWypSlowoAnalizowane {
public:
    using TWypSlowoAnalizowane::TWypSlowoAnalizowane;

    // The subject pronoun a verb form implies; the sentence stages set and read it.
    std::string ImpliedSubject;
    // 0 none; 1 subject pronoun before its verb, 2 subject pronoun without a verb
    // after it, 3 oblique personal pronoun after a preposition, 4 one elsewhere.
    std::uint8_t PronounRole = 0;

    // Quotes out, numbers and addresses as fixed targets, a leading "-" or "," cut
    // off; then the lookup, and when it fails the repairs of the token.
    void Prepare() override;
    // The derived participle and verbal-noun readings join; hidden meanings go; the
    // readings are ordered user first, then by score; a user reading outside the
    // selected subjects goes last; a noun used only in the plural comes forward.
    void AfterLookup1() override;
    void Reset(const std::string& text) override;
    // A verb takes the sub-record of its reflexivity and aspect markers (untTranslatorPlTransfer.cpp);
    // any other word the first of its own class.
    int SelectSubRecord(const TZnaczenie& reading, bool preferVerb, bool anyClass) override;

    // The prefixes "nie", the verbal and the adjectival ones tried off an unknown
    // word; what remains must be found (with the codes of the prefix's kind).
    void DetachPrefix();

private:
    // What Prepare does when the lookup found nothing; savedText is the token after
    // its quotes went.
    void RepairUnknown(int index, const std::string& savedText);
    // The word keeps only its first character; the rest becomes a word behind it.
    void SplitOffLeadingSign(int index);
    void SplitAtSlash(int index, std::size_t slash);
    void SplitAtHyphen(int index, std::size_t hyphen);
    void SplitAtApostrophe(int index, std::size_t apostrophe);
    // A word "-" and the rest of the token behind the word; with no rest ("biało- i
    // czerwony") the "-" stands apart, with a space before it.
    void AddHyphenAndRest(int index, const std::string& rest, std::size_t hyphen, std::string after);
    // Inserts the word `text` behind word `after` with its span and the texts around it.
    int InsertPart(int after, const std::string& text, int start, int end, TPrzedPo around);
    void MarkSplit(int index, int wordsBefore);
    void AddDerivedReadings();
    // A user reading without a meaning in the selected subjects moves behind the others.
    void DemoteUserReadingsOutsideProfile();
    void PromotePluralOnlyNoun();
};

class TWypSlowaPl : public TCustomWypSlowa {
public:
    using TCustomWypSlowa::TCustomWypSlowa;

    std::unique_ptr<TCustomWypSlowo> NewWord() override;
};

struct TKoncowkaOsobowa;

class TWypowiedzeniePl : public TWypowiedzenieSlowoPoSlowie {
public:
    explicit TWypowiedzeniePl(TCustomWypowiedzenia* owner);

    // Outside the word-by-word modes the stages in their order, each ended early by a
    // stop request; then every word's translations.
    void Analyse(int level) override;
    // The rendering; for a French target then the contractions, elisions and the
    // adjectives' forms before a vowel across the rendered words.
    void Transfer() override;
    // The subjects of the utterance go to the subject memory; then the listing.
    void Finish() override;

    // Word i, which must be in range: the sentinel word is no Polish word.
    TWypSlowoPl& Word(int i);

    // ---- one reading per word (untTranslatorPlOdczyty.cpp)
    // A capitalised word the dictionaries know only in lower case as no verb is kept as
    // a name; as a verb it stays unknown.
    void LowerCaseRetry();
    // A word without readings becomes unknown, one with a single reading takes it, and
    // one with several is decided by Disambiguate; numbers and addresses stay as they are.
    void ChooseReadingAt(int i);
    void Disambiguate(int i);
    void IndefiniteNumerals();

    // ---- expressions (untTranslatorPlWyrazenia.cpp)
    void JoinExpressions();
    // Words first..last as the source shows them; with useLemma the first word as its
    // lemma.
    std::string SpanText(int first, int last, bool useLemma) const;
    // Word i takes the readings of `text` (looked up without preparation) and the lemma
    // of the first; whether anything was found.
    bool LookupAs(int i, const std::string& text);

    // ---- words the dictionaries do not list (untTranslatorPlOdtwarzanie.cpp)
    void RelationalAdjectives();
    void SuffixAdjectives();
    void QualityNouns();
    void DegreeForms();
    void AdjectivalAdverbs();
    void PrefixRetry();
    void PersonEndings();

    // For a French target: the French order, the pronouns' forms, the articles and the
    // prepositions of place.
    void FrenchSentence();
    // ---- French order, articles and prepositions (untTranslatorPlSzyk.cpp, untTranslatorPlRodzajniki.cpp)
    void ObjectPronounPlacement();
    void AdjectivePlacementFr();
    void PronounFormsFr();
    void ArticlesFr();
    void PlacePrepositionsFr();
    void ArticleAssembly();

    // ---- translations and the French surface (untTranslatorPlTransfer.cpp)
    void CollectAll();
    void ContractionsFr();
    void ElisionFr();
    void PreVowelAdjectivesFr();
    // The first French text word i's readings offer, and the code of its meaning ("*1").
    std::string FrenchWord(int i);
    std::string FrenchCode(int i);

private:
    void LoadCodeSets();

    // ---- French order
    // Adjectives French puts before the noun and determiners at the noun's right move
    // before it; how many moved. noun follows its word.
    int WordsBeforeNoun(TCustomWypGrupa& group, int& noun);
    bool StaysBeforeNoun(int i);
    void AdjectivesAfterNoun(TCustomWypGrupa& group, int noun);

    // ---- French forms of pronouns, articles
    // 1 before its verb, 2 after an affirmative imperative, 0 elsewhere.
    int ObjectPronounPosition(int i) const;
    void ObjectPronounFormFr(int i);
    bool IsCountryFr(int i);
    int ArticleKindOf(const TCustomWypGrupa& group);
    // The article the words of the group decide (0 none, 1, 2); −1 when they leave it
    // to the group's case and roles.
    int ArticleByWords(const TCustomWypGrupa& group, int head);
    std::string ArticleText(const TCustomWypGrupa& group);
    bool IsFeminineFr(const TCustomWypGrupa& group);
    // "ne" and object pronouns before a verb take the text meant for the verb.
    void LeadTextBeforeClitics(int verb);
    // "plus ", and "le plus " for the superlative.
    void DegreeTexts(int i);
    // "à" with "le " after it is "au".
    void PrepositionWithArticle(int i);
    // The participle codes, nominal for the reading choice.
    TZbiorKodow ParticipleCodes;

    // ---- reading choice
    void DecideMoze(int i);
    // Whether the scan over i's clause meets a finite verb that is no future
    // auxiliary of the verbal reading's code.
    bool FiniteVerbInClause(int i, int verbalCode) const;
    bool IsClauseBoundary(int j) const;

    // ---- expressions
    // The last word of the longest expression of the dictionary that starts at word i
    // with its lemma; −1 when none.
    int LongestExpression(int i, TSlownikWyrazen dictionary) const;
    // The main dictionary holds the text as an entry that is no sign entry; with
    // meaningful also one whose first sub-record has a meaning and a code not marked "%".
    bool MainEntryHolds(const std::string& text, bool meaningful) const;
    void JoinAt(int i, int last);

    // ---- recovery
    // A word the recovery stages try: no readings, not kept as a name.
    bool Unexplained(int i) const;
    // Word i renamed and its reading chosen.
    void Retry(int i, const std::string& text);
    void MakeRelationalAdjective(int i, int code, const std::string& savedText);
    bool RelationalAdjectiveAt(int i);
    bool SuffixAdjectiveAt(int i);
    void DegreeFormAt(int i);
    // "ładniej": the adverb "ładnie".
    void AdverbComparativeAt(int i, const std::string& savedText);
    // "nowszego": the adjective "nowy".
    void ComparativeAt(int i, const std::string& savedText);
    void RestoreWithoutDegree(int i, const std::string& savedText);
    void AdjectivalAdverbAt(int i);
    void PersonEndingAt(int i);
    // The first verb after word i takes the person of the ending; false when it is no
    // past form the ending can go with.
    bool PersonOfNextVerb(int i, const TKoncowkaOsobowa& row);
};

class TWypowiedzeniaPl : public TWypowiedzeniaSlowoPoSlowie {
public:
    using TWypowiedzeniaSlowoPoSlowie::TWypowiedzeniaSlowoPoSlowie;

    int NewUtterance() override;
    std::unique_ptr<TCustomWypowiedzenia> NewNested() const override;
};

} // namespace velmar
