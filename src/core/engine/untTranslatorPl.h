#pragma once
// The Polish source: words prepared the Polish way (quotes moved out, numbers and
// addresses carried over, hyphenated, slashed and apostrophised tokens cut, participles
// and verbal nouns derived from the forms dictionary, prefixes detached), and the
// stages of the utterance's analysis: one reading per word, the homographs the scores
// cannot decide, expressions joined, the words no dictionary lists recovered through a
// related word, then cases, groups and clauses, roles, verb features and function words.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/engine/untTransWypSlowoTransfer.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

// Word markers the Polish stages set or test.
enum TZnacznikPl : int {
    znNie = 61,                  // a detached "nie": the word is read without it
    znPrzymiotnikRelacyjny = 66, // an adjective read through its noun ("cukrowy": "de sucre")
    znOdczepPrzedrostek = 78,    // the next preparation may detach a prefix
    znPrzyslowekZPrzymiotnika = 79,
    znPrzyslowekZImieslowu = 80,    // "-ąco" read through its adverbial participle
    znRzeczownikZPrzymiotnika = 81, // "-ość" read through its adjective
    znSieZwrotne = 58,              // the verb took its reflexive sub-record for "się"
    znSobieZwrotne = 59,            // … for "sobie"
    znPrzeczony = 60,               // "PRZECZ": a "nie" stands before the verb
    znOrzecznik = 64,               // "ORZ": the predicative of a copula
    znBezosobowy = 67,              // an impersonal past ("zrobiono")
    znPytajny = 70,                 // the verb of a question
    znBezokolicznik = 71,
    znPanstwoOsoba = 72,         // "państwo" addressed: the verb is in the 2nd plural
    znWstawionyPodmiot = 83,     // a subject pronoun the analysis inserted
    znCzasownikWstawionego = 84, // … and its verb
    znPoprzedzik = 86,           // a relative pronoun whose antecedent comes before it
    znNastepnik = 87,            // … after it
    znPrzydawkaPrzed = 144,      // a modifier before its noun
    znPoLiczebniku = 148,        // a noun counted by a number or a numeral
};

// Group kinds of the Polish analysis.
enum TRodzajGrupyPl : std::uint8_t {
    rgpZadna = 0,
    rgpBezOrzeczenia = 3, // a nominative group of a clause without a verb
    rgpPrzyimkowa = 4,
    rgpPodmiot = 6,
    rgpDopelnienie = 11,
    rgpPodmiotMozliwy = 15, // nominative or accusative: subject or object
    rgpCelownik = 16,
    rgpPrzydawka = 17,
    rgpDopelniacz = 19,
    rgpPodmiotNieznany = 30,
    rgpPodmiotZaimka = 33, // a word of code 0 that may be the subject
    rgpPodmiotLiczby = 34, // a singular nominative beside a 3rd plural verb
    rgpDopelnienieZaimka = 37,
};

// Group roles of the Polish analysis.
enum TRolaGrupyPl : int {
    rpMnoga = 3,           // a nominal group with a head whose cases are settled
    rpZGlowa = 4,          // a nominal group with a noun head
    rpPrzeczona = 5,       // the group is negated
    rpTrybLaczacy = 6,     // the verb of "niech", "żeby" + past: a subjunctive
    rpLiczebnikowa = 7,    // counted by a numeral
    rpPytajna = 8,         // a question word's group
    rpWspolrzedna = 12,    // coordinated with a group before it
    rpBezPrzyimka = 13,    // the preposition before it is not rendered
    rpMiara = 15,          // measured ("kilogram cukru")
    rpPierwszySlowa = 34,  // the first word of a verbal group
    rpPrzyimekRekcji = 35, // a target preposition from the valency is rendered before it
};

// A nominal or verbal group of a Polish utterance: a prepositional group is one that
// follows a preposition, and the subject kinds include those that may still be objects.
class TWypGrupaPl : public TCustomWypGrupa {
public:
    explicit TWypGrupaPl(const TCustomWypSlowa* words) : words_(words) {}

    bool IsPrepositional() const override;
    bool IsSubject() const override;

    int subjectum = -1; // the subject the group refers to

private:
    const TCustomWypSlowa* words_;
};

class TWypSlowoPl : public TWypSlowoAnalizowane {
public:
    using TWypSlowoAnalizowane::TWypSlowoAnalizowane;

    // The subject pronoun a verb form implies; the sentence stages set and read it.
    std::string ImpliedSubject;
    // Of a clause verb: 0 unset, 1 no transitive sub-record, 2 "V", 4 "TV", 5 "VT".
    int Transitivity = 0;

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
    std::unique_ptr<TCustomWypGrupa> NewGroup() override;
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
    void VerbBehindSentenceCapital(int i);
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
    void NegativeWordPlacementFr();
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
    void ImperativeHyphens();
    // A group's number, 1 or 2, from its cases when the analysis left num unset.
    static int NumberOf(const TCustomWypGrupa& group);
    // The first French text word i's readings offer, and the code of its meaning ("*1").
    std::string FrenchWord(int i);
    std::string FrenchCode(int i);
    // ---- cases (untTranslatorPlPrzypadki.cpp)
    // Every nominal word's cases, gender and number from its readings.
    void CaseGenderNumber();
    // "Drogi Janie": "drogi" is the adjective "cher".
    void SalutationAdjective();
    void NounOrAdjective();
    // The homographs of the prepositions by the case of their group, or the plain
    // case of a group without one.
    void PrepositionHomographs();
    void PrepositionCases();
    // The cases a modifier (adjective, participle, numeral, demonstrative) with the
    // text and code may have beside a noun of the gender (−1 any).
    static std::string AdjectiveCases(const std::string& text, int code, int gender);
    // The cases in which word b may agree with the noun a; may settle "państwo".
    std::string CaseAgreement(int a, int b);
    // The cases the preposition's entry governs, each singular with its plural.
    std::string GovernedCases(int i) const;

    // ---- groups and clauses (untTranslatorPlGrupy.cpp)
    // "by", "bym"… join their verb as a conditional; after a comma they are "aby".
    void ConditionalParticle();
    void ImpersonalPredicates();
    void BuildGroups();
    void PossessivePronouns();
    void NumeralGroups();
    void MeasureNouns();
    // A noun and its adjective that the dictionary lists together become one word.
    void NounAdjectiveEntries();
    void AdjectiveNounScores();
    void ClauseStarts();
    void GroupKinds();
    void GenitiveChains();
    void CoordinatedGroups();
    // The first rendered finite verb of i's clause; −1 when none.
    int ClauseVerb(int i) const;

    // ---- pronouns, reflexives and roles (untTranslatorPlRole.cpp)
    void PronounRoles();
    void ReflexiveVerbs();
    void CaseRoles();
    void SubjectObject();
    void SubjectKinds();
    void QuestionClauses();
    // Subject pronouns French needs where Polish leaves them out: chosen for each
    // verb, then inserted before its group.
    void ImplicitSubjects();
    void DeferredPhrases();
    void PronounPerson();
    void PersonSpread();
    void GroupNumber();
    // "go", "niego", "nim" keep the readings their group's case allows.
    void PronounAgreement();
    // A relative "który" agrees with its antecedent, whose French gender and number it takes.
    void RelativeKtory();

    // ---- verb features (untTranslatorPlCechy.cpp)
    void NalezyConstruction();
    void VerbTransitivity();
    void VerbGroupFeatures();
    // "pan", "pani", "państwo" addressing the reader are "vous".
    void FormsOfAddress();
    void PredicativeMarkers();
    void HeadReadingByCase();
    // The French number and gender of every nominal group, from its noun's meaning.
    void TargetAgreement();
    void PrzezAgent();
    void ValencyPrepositions();

    // ---- function words (untTranslatorPlFunkcyjne.cpp)
    void FunctionWordsPl();
    void NegationScope();
    void ToCiNiczym();
    void PossessiveMarkers();
    void SobieCzas();

private:
    void LoadCodeSets();

    // ---- French order
    // Adjectives French puts before the noun and determiners at the noun's right move
    // before it; how many moved. noun follows its word.
    int WordsBeforeNoun(TCustomWypGrupa& group, int& noun);
    bool StaysBeforeNoun(int i);
    bool IsObjectTo(int i, int verb) const;
    void ObjectToBeforeVerb(int i, int verb, bool affirmativeImperative);
    void AdjectivesAfterNoun(TCustomWypGrupa& group, int noun);

    // ---- French forms of pronouns, articles
    // 1 before its verb, 2 after an affirmative imperative, 0 elsewhere.
    int ObjectPronounPosition(int i) const;
    void ObjectPronounFormFr(int i);
    bool IsCountryFr(int i);
    int ArticleKindOf(const TCustomWypGrupa& group);
    bool AfterCopula(const TCustomWypGrupa& group) const;
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

    // ---- groups and clauses
    // Whether the noun agrees with every word first..last but the passed-over ones.
    bool Agrees(int noun, int first, int last, int skip);
    // The last word of the nominal group that word a opens; head its noun, or −1.
    int NominalGroupEnd(int a, int& head);
    void SetNominalFeatures(TCustomWypGrupa& group, int head);
    // Each returns the group's last word.
    int BuildNominalGroup(int a);
    int BuildVerbalGroup(int i);
    // A clause start moves onto the ",", "i" or "a" before it.
    int ClauseStartBefore(int i) const;
    int SplitPoint(int firstVerb, int secondVerb) const;
    // Words first and first + 1, one the noun, joined when their entry exists.
    bool JoinNounAndAdjective(int first, int noun);
    void SplitClausesOfTwoVerbs();

    // ---- roles
    // The "się" or "sobie" of the verb or active participle at v; −1 when none.
    int ReflexiveWordOf(int v) const;
    // The nominal groups of first..last that fit become subjects: all of them, or the
    // first. Whether one did.
    bool MakeSubject(int first, int last, const std::function<bool(const TCustomWypGrupa&)>& fits, bool every);
    // The groups whose person, number and gender the clause verb agrees with.
    bool SubjectsByAgreement(int first, int last, int verb);
    bool ClauseHasSubject(int first, int last);
    // The kind a nominal group's cases give it in a clause whose verb is at verb.
    void KindOfGroup(TCustomWypGrupa& group, int verb);
    // A group of a demonstrative alone takes the cases and gender of its code.
    void DemonstrativeCases(TCustomWypGrupa& group);
    void ForEachClause(const std::function<void(int first, int last)>& visit);
    std::vector<TCustomWypGrupa*> NominalGroupsIn(int first, int last);
    // The nearest singular subject before word i with a gender of the set, else the
    // newest of the earlier utterances; Gender −1 when none.
    TPodmiotZdania SubjectBefore(int i, std::initializer_list<int> genders);
    std::string ThirdPersonSubject(int verb);
    // Whether verb d's person or gender differs from verb e's so that d needs its own subject.
    bool VerbsDiffer(int d, int e) const;
    std::string ImpliedSubjectOf(int d, int first, int previousFirst, int previousLast, const std::string& openers,
                                 const std::string& relatives);
    // Whether the relative's form agrees with the antecedent group, narrowing its cases;
    // plural when the relative is.
    static bool RelativeAgrees(const std::string& form, const TCustomWypGrupa& antecedent, std::string& cases,
                               bool& plural);
    // Inserts the pronoun before the verb's group and the clitics before it; its index.
    int InsertSubjectPronoun(int verb, const std::string& text);
    bool ClauseHasCountedGroup(int verb);

    // ---- features
    // The word at i addresses the reader politely: its clause is in the 2nd plural.
    void AddressedAsVous(int i);
    std::string ReflexiveOfPerson(int i);
    std::string ZaHomograph(const TCustomWypGrupa& group);
    void PanstwoAt(int i);
    void SamAt(int i);
    // The person of the personal pronoun at i; by the group's number for another word.
    int PersonOfPronoun(int i, int lba) const;
    // The meaning word i translates with; nullptr when it has none.
    const TTransSlownikZnaczenie* ChosenMeaningOf(int i);
    // The first valency item of the meaning for the group (after preposition p, −1 none).
    void ApplyValency(const TTransSlownikZnaczenie& meaning, TCustomWypGrupa& group, int p);

    // ---- function words
    // The word becomes the homograph and takes its reading; whether it is rendered stays.
    void Rename(int i, const std::string& text);
    // Alone, or set off by commas or an opening conjunction: an answer ("Nie.", "Tak, …").
    bool InAnswerPosition(int i) const;
    // The homographs decided by the neighbours; false when the word is none of them.
    bool NeighbourWordRule(int i);
    void NieAt(int i);
    void CzyAt(int i);
    void WolnoAt(int i);
    void KtoryAt(int i);
    void ToAt(int i);
    // "im" … "tym" before comparatives: French "plus … plus".
    void ImTymAt(int i);
    // Degree 1, or one of the words that compare without a comparative form.
    bool IsComparativeAt(int i);
    void DativeCi(int i);
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
