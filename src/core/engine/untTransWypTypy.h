#pragma once
// The objects in which the engine holds one text while it translates it: the list of
// utterances, each utterance with its words and word groups, each word with its
// dictionary readings and translation alternatives, and the table of whole-sentence
// variants offered to the user.
//
// Positions: every Start/End of an utterance or a word is a 0-based byte position in
// the paragraph passed to Segment, shifted by the caller's offset (End is just behind
// the last byte). The text routines keep their 1-based positions at their own
// interfaces; nothing here is 1-based.
//
// Out-of-range indices never fail: words, groups, before/after texts and translations
// yield a sentinel object that is reset to its empty state at every such access, so a
// write through one never shows up in a later out-of-range read; utterances and
// readings yield nullptr, and the predicates yield false.

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionaries/untDictCompare.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/engine/untTransWypSlowniki.h"

namespace velmar {

using TZbiorKodow = std::bitset<256>; // grammatical codes, features
using TZnaczniki = std::bitset<192>;  // word markers
using TRoleGrupy = std::bitset<40>;   // group roles

template <std::size_t N>
std::bitset<N> Bity(std::initializer_list<int> bits)
{
    std::bitset<N> set;
    for (const int bit : bits)
        if (bit >= 0 && static_cast<std::size_t>(bit) < N)
            set.set(static_cast<std::size_t>(bit));
    return set;
}
inline TZbiorKodow Kody(std::initializer_list<int> codes)
{
    return Bity<256>(codes);
}
TZbiorKodow KodyOdDo(int first, int last);
inline bool CodeInSet(int code, const TZbiorKodow& codes)
{
    return code >= 0 && code <= 255 && codes.test(static_cast<std::size_t>(code));
}
inline TZnaczniki Znaczniki(std::initializer_list<int> markers)
{
    return Bity<192>(markers);
}

// Word classes of a word and of a reading.
enum TKlasaWyrazu : std::uint8_t {
    kwRzeczownik = 0,
    kwCzasownik = 1,
    kwPrzymiotnik = 2,
    kwPrzyslowek = 3,
    kwZaimek = 4,
    kwPrzyimek = 5,
    kwSpojnik = 6,
    kwWykrzyknik = 7,
    kwOkreslnik = 8,
    kwLiczebnik = 9,
    kwPartykula = 10,
    kwPrzydawka = 11,
    kwInna = 12,
    kwNieznana = 13,  // not yet known
    kwWieleKlas = 15, // a code valid for several classes
};

// Word markers that the model itself sets or tests.
enum TZnacznik : int {
    znLiczba = 20, // a number written in digits
    znPorzadkowy = 21,
    znSkrotKonczacy = 22, // an abbreviation whose period may also end the sentence
    znData = 23,
    znGodzina = 24, // a clock time
    znRok = 25,
    znRokLiczba = 112,     // a year, for the rules that read dates
    znDokonany = 18,       // "DOK": the Polish rendering takes the perfective
    znNiedokonany = 19,    // … the imperfective
    znImie = 159,          // "IMIE": a first name
    znNazwisko = 162,      // "NAZW": a surname
    znZaimek = 50,         // forces class pronoun
    znOkreslnik = 51,      // forces class determiner
    znPoczatekZdania = 40, // starts a clause
    znNazwaWlasna = 73,    // untranslatable; with a capital a name in archive matching
    znNieOznaczac = 74,    // untranslatable; never reported as untranslated
    znNieTlumaczyc = 75,   // untranslatable
    znLiczbaMnoga = 76,
    znGlowaGrupy = 168,          // head of its group
    znWymuszoneZnaczenie = 169,  // a rule made one of its meanings the preferred translation
    znRzeczownikCzasownik = 187, // a noun–verb homograph the word stage left to the sentence stages
    znLiczebnikowy = 186,
};

// Word markers that target assembly reads.
enum TZnacznikSkladania : int {
    znBezProsze = 3,     // an imperative that never gets "proszę "
    znZwrotny = 44,      // "R": reflexive verb
    znPrzeczenieFr = 63, // a finite verb negated by "nie1": " pas" for a French target
    znNS1 = 98,
    znNS2 = 99,
    znRodzajPodmiotu = 115,     // the gender agrees with the subject
    znLiczbaPodmiotu = 116,     // the number agrees with the subject
    znPodmiotPoprzedni = 117,   // the clause takes the subject of the previous clause
    znPodmiotSprzedDwoch = 118, // … of the clause before the previous one
    znPodmiotPoNS = 119,        // … of the one before when the previous clause starts with NS1/NS2
    znMyslnikSpacja = 141,      // a lone "-" renders as a space
    znWSposob = 177,            // an adverb rendered as "w sposób " + the adjective
    znOCharakterze = 178,       // an adjective rendered as "o charakterze " + the adjective
    znBezPrzecinka = 166,       // takes no comma before it as a subordinate clause opener
    znPrzeszloscDokonana = 179, // a Polish perfective past: French passé composé
    znPorzadkoweFormy = 185,    // the numeral's forms become ordinal adjectives
    znDrugiRozkazujacy = 189,   // the second of two imperatives: no second "proszę "
};

// Group roles that target assembly reads (the analysers set them). A pair is the
// previous/next group of the kind.
enum TRolaGrupy : int {
    rgReprezentowana = 16, // represented by the next group with role 17
    rgReprezentant = 17,
    rgCechyPoprzedniej = 18, // gender, number and case of a nominal group
    rgCechyNastepnej = 19,
    rgRodzajPoprzedniej = 20,
    rgRodzajNastepnej = 21,
    rgPrzypadekPoprzedniej = 22,
    rgPrzypadekNastepnej = 23,
    rgLiczbaPoprzedniej = 24,
    rgLiczbaNastepnej = 25,
    rgOsobaCzasPoprzedniej = 26, // person and tense of a verbal group
    rgOsobaCzasNastepnej = 27,
    rgOsobaPoprzedniej = 28,
    rgOsobaNastepnej = 29,
    rgCzasPoprzedniej = 30,
    rgCzasNastepnej = 31,
    rgRodzajPodmiotu = 32,   // gender agrees with the subject
    rgLiczbaPodmiotu = 33,   // number agrees with the subject
    rgOsobaWgPodmiotu = 34,  // person follows the subject's number
    rgPodmiotNastepuje = 37, // the subject follows this verbal group
    rgMnogaDoZgody = 38,     // counts as plural for agreement
};

// The class of a one-byte dictionary code in the source language (French and Polish
// tables; every other language uses the French one).
std::uint8_t WordClassOfCodeNumber(int code, std::uint8_t language);

// Dictionary kinds that matter to the model.
inline constexpr int kRodzajUzytkownika = 2; // the user dictionary

// Reading scores.
inline constexpr int kOcenaNeutralna = 50;
inline constexpr int kOcenaPewna = 100;

class TCustomWypowiedzenia;
class TCustomWypowiedzenie;
class TCustomWypSlowa;
class TCustomWypSlowo;
class TCustomWypGrupa;

// ---------------------------------------------------------------- readings

// One reading of a source word: a candidate analysis taken from a dictionary.
class TZnaczenie {
public:
    TZnaczenie();
    ~TZnaczenie();
    TZnaczenie(const TZnaczenie& other);
    TZnaczenie& operator=(const TZnaczenie& other);

    std::unique_ptr<TTransSlownikSlowo> Entry; // a copy of the dictionary entry; never null
    int DictKind = 8;
    int EntryIndex = -1;
    int Score = kOcenaNeutralna; // 100 user or forced, >50 preferred, <50 dispreferred, ≤0 rejected
    std::string Lemma;
    int Code = -1;
    std::uint8_t WordClass = kwNieznana;
    std::uint8_t Subclass = 0;
    std::string Note;
    int Qualifier = -1;
    int Extra = -1;
    std::string Text1, Text2;
    TZbiorKodow Features1, Features2;
    int SubRecord = -1, SubRecord2 = -1; // −1 reads as 0
    // A Polish source: the cases ("1"–"7" singular, "A"–"G" plural) and the gender a
    // nominal reading allows; −1 unknown.
    std::string CaseCodes;
    int Gender = -1;
    bool Flag = false;

    // Copies everything but the two feature sets.
    void Assign(const TZnaczenie& other);

private:
    void CopyFields(const TZnaczenie& other);
};

class TZnaczenia {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TZnaczenie* Item(int i);
    const TZnaczenie* Item(int i) const;
    int Add();
    int Add(const TZnaczenie& reading);
    void Delete(int i);
    void Clear() { items_.clear(); }
    void Move(int from, int to);

    // The codes still possible: with preferOnly the first non-empty of the preferred
    // (≥51), neutral (50), dispreferred (1..49) and rejected (≤0) sets; otherwise the
    // preferred and neutral codes, plus the two others when withDispreferred. Readings
    // of the user dictionary take no part.
    TZbiorKodow ClassSet(bool preferOnly, bool withDispreferred) const;
    int FirstCodeIn(const TZbiorKodow& codes) const; // −1 when none
    void KeepCodes(const TZbiorKodow& codes);
    int FindLemmaIn(std::string_view tagList) const; // index, −1 when none
    int FirstWithFlag() const;                       // index, −1 when none
    // The grammar code (of a sub-record of the entry) of the first reading outside the
    // user dictionary that has one of the word class; false when none has.
    bool GrammarCodeFor(int wordClass, std::uint8_t language, std::string& code) const;
    // The same for reading i alone.
    bool GrammarCodeOf(int i, int wordClass, std::uint8_t language, std::string& code) const;
    // Gives every reading with a code in the set the score, then orders the readings
    // by descending score, equal scores keeping their order.
    void Score(const TZbiorKodow& codes, int score);

private:
    std::vector<TZnaczenie> items_;
};

// ---------------------------------------------------------------- translations

// One translation alternative of a word.
class TTlumaczenie {
public:
    std::vector<std::string> Forms; // target words, each optionally " *" + code
    std::uint8_t Flag1 = 0, Flag2 = 0;
    std::string Label;
    std::uint8_t Flag3 = 0;
    std::string Text;                 // a literal target text that replaces generation
    std::string Prefix;               // put before the generated form
    std::array<std::string, 6> Extra; // passed on to the word as Chosen1..6
    std::uint8_t Flags = 0;
};

class TTlumaczenia {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The translation, or the spare one (empty) when i is out of range.
    TTlumaczenie& Item(int i);
    int Add();
    void Insert(int i);
    void Delete(int i);
    void Move(int from, int to);
    void Clear() { items_.clear(); }

private:
    std::vector<TTlumaczenie> items_;
    TTlumaczenie spare_;
};

// ---------------------------------------------------------------- around a word

// The non-word text around one word: Przed before it, Po after it.
struct TPrzedPo {
    std::string Przed;
    std::string Po;
};

// ---------------------------------------------------------------- subject memory

struct TPodmiotZdania {
    int Gender = -1;
    int Number = -1;
    bool Flag = false;
};

// The subjects of the latest utterances, oldest first, at most 30.
class TPodmiotyZdan {
public:
    static constexpr int kPojemnosc = 30;
    void Add(int gender, int number, bool flag);
    int Count() const { return static_cast<int>(items_.size()); }
    const TPodmiotZdania* Item(int i) const;
    void Clear() { items_.clear(); }

private:
    std::vector<TPodmiotZdania> items_;
};

// ---------------------------------------------------------------- variant table

struct TZdanieSlowo {
    std::vector<int> NestedChoice; // the variant chosen in each nested utterance
    int Choice = 0;                // the word's translation index
};

struct TZdanie {
    std::vector<TZdanieSlowo> Items; // one per word
};

struct TZdania {
    std::vector<TZdanie> Items;
    int WordCount = 0;
    static constexpr int kLimit = 1000;
};

// ---------------------------------------------------------------- word

// The state of a word. Kept apart from the word's identity (its list) so that a
// sentinel can be put back to this state in one assignment.
struct TDaneSlowa {
    TDaneSlowa();
    ~TDaneSlowa();
    TDaneSlowa(TDaneSlowa&&) noexcept;
    TDaneSlowa& operator=(TDaneSlowa&&) noexcept;

    std::string Text; // the current source form; renamed to pick a homograph
    // A rule renamed the word to a numbered homograph ("de7") that the data lacks: the
    // word kept its readings and shows its text without the number.
    bool MissingHomograph = false;
    std::string FirstText; // Text as it was when last reset
    std::string Lemma;
    int Code = -1; // −1 unknown, 0 not translated
    std::uint8_t WordClass = kwNieznana;
    std::uint8_t ForcedClass = kwNieznana;
    int Gender = -1;
    int FormGender = -1;
    TZbiorKodow Features;
    std::string CaseCodes;
    int GrammaticalNumber = -1;
    // A Polish source: 0 none, 1 a subject pronoun before its verb, 2 one without a
    // verb, 3 an oblique personal pronoun after a preposition, 4 one elsewhere.
    int PronounRole = 0;
    int FormNumber = -1, FormCode = -1, FormCase = -1;
    int pn = -1, vt = -1, va = -1, N = -1, inf = -1, vox = -1; // French verb features
    int st = -1;                                               // degree
    int Start = 0, End = 0;                                    // 0-based positions in the paragraph plus the offset
    bool SentenceCapital = false;
    bool Capitalised = false, TitleCase = false, AllCaps = false;
    TZnaczniki Markers;
    double NumericValue = 0;
    bool NumericValueKnown = false; // computed once, when a translation is chosen
    int NumeralClass = 0;
    bool Translate = true;
    bool Choosable = true;
    std::string FixedTarget;
    bool Unknown = false;
    bool ReadingCommitted = false;
    int ChosenTranslation = -1;
    std::uint8_t TranslationFlags = 0;
    TTlumaczenia Translations;
    std::string TargetText;
    std::string Prefix, Suffix;
    std::vector<std::string> RuleBefore, RuleAfter;
    std::string LeadText, TailText;
    std::string LeadWord;
    int ParenthesisWord = -1;
    std::string Notes;
    std::string PreText, PostText;
    std::string TranslationPrefix;
    std::array<std::string, 6> Chosen; // Chosen1..Chosen6
    std::string OuterPrefix, OuterSuffix;
    std::uint8_t SearchFlags = 0;
    std::string BeforeRule; // the text before a derivation rule changed it
    int VariantCounter = 0;
    TZnaczenia Readings;
    std::unique_ptr<TCustomWypowiedzenia> Nested; // utterances of bracketed text after it
    std::unique_ptr<TCustomWypSlowa> Attached;
    bool AttachAfter = false;
    // What the last generation of the word used, for the follow-up window; −1 none.
    int UsedCase = -1, UsedNumber = -1, UsedGender = -1, UsedPerson = -1, UsedTense = -1, UsedFormCode = -1;
    std::function<void(TCustomWypSlowo&, int)> OnChange;
};

// A token that is a web or mail address ("ala@adres.pl", "http://…", "plik.pdf"):
// it is carried over as it is written.
bool IsUrlOrMail(std::string_view text);

// Whether a meaning of the reading's entry, in any sub-record, belongs to one of the
// subject domains.
bool HasMeaningInSubjects(const TZnaczenie& reading, const std::bitset<256>& subjects);

class TCustomWypSlowo : public TDaneSlowa {
public:
    explicit TCustomWypSlowo(TCustomWypSlowa* owner);
    virtual ~TCustomWypSlowo();
    TCustomWypSlowo(const TCustomWypSlowo&) = delete;
    TCustomWypSlowo& operator=(const TCustomWypSlowo&) = delete;

    TCustomWypSlowa* Owner() const { return owner_; }
    void SetOwner(TCustomWypSlowa* owner) { owner_ = owner; }
    std::uint8_t Language() const;

    // ---- language hooks
    // Preparation of a freshly set Text, ending in the lookup. The base looks the text
    // up as it stands and, when nothing is found, detaches a trailing period into Po.
    virtual void Prepare();
    // Fills Readings; true when any was found. The base asks the run's dictionaries.
    virtual bool Lookup(std::string_view text, bool secondAttempt);
    virtual void AfterLookup1() {}
    virtual void AfterLookup2() {}
    // The sub-record of a reading used for translation; the base takes the first, −1
    // when the entry has none.
    virtual int SelectSubRecord(const TZnaczenie& reading, bool preferVerb, bool anyClass);
    // Whether the sub-record offers meanings to translate with; the base takes them all.
    virtual bool SelectMeanings(const TZnaczenie& reading, int subRecord, bool single, bool sparse);
    virtual void Transfer() {}
    virtual void CollectTranslations() {}
    virtual TCustomWypGrupa* Group() const { return group_; }
    virtual void SetGroup(TCustomWypGrupa* group) { group_ = group; }
    // Forgets the readings and makes the word an unknown word with the text.
    virtual void Reset(const std::string& text);
    virtual void SetMarker(int bit);
    virtual void CreateNested();

    // ---- codes and readings
    void SetCode(int code);
    // The lookup driver: exact search, then the relaxed one; commits the first reading.
    bool LookupWord();
    // A relaxed search found the text under another spelling: the word takes the key,
    // and the capitals of the source become the flags the rendering puts back.
    void TakeFoundKey(const std::string& key, bool caseFolded);
    // The case folding the run's settings allow this word's second look-up.
    TZwijanieLiter CaseFolding() const;
    // Whether any dictionary gives the text a reading (first or second attempt).
    bool DictionariesHold(const std::string& text);
    // A text written in digits: a number, a year, a clock time or a French ordinal
    // becomes its own fixed target with the markers of its kind. False for any other
    // text (untTransWypLiczba.cpp).
    bool PrepareNumber();
    void Commit(bool keepCode);
    void ChooseReading(int i, bool keepCode);
    bool ChooseReadingOfClass(std::uint8_t wordClass);
    // Makes the listed meanings ("osoba *343"; several separated by ",") the preferred
    // translations in the sub-record of every reading outside the user dictionary,
    // adding a meaning the entry lacks; an empty item means the word is not translated.
    void PreferMeaning(std::string_view texts);
    bool ChooseReadingByLemma(std::string_view lemma, bool keepCode);
    bool ChooseReadingByCode(const TZbiorKodow& codes, bool keepCode);
    void ScoreReadings(const TZbiorKodow& codes, int score) { Readings.Score(codes, score); }
    void RecodeReadings(const TZbiorKodow& codes, int code);
    bool HasReadingOfClass(std::uint8_t wordClass) const;
    int FirstCodeIn(const TZbiorKodow& codes) const { return Readings.FirstCodeIn(codes); }
    // Renames the word and prepares it again. A numbered homograph the dictionaries
    // do not hold only renames it (the readings stay; see MissingHomograph).
    void SetText(const std::string& text);
    // Text as the target shows an untranslated word: without the number of a
    // homograph the data lacks.
    std::string ShownText() const;

    // ---- translations
    // Moves translation i to the front, copies its texts into the word, and for a group
    // head records the number and gender of the translation on the group.
    void ChooseTranslation(int i);
    // The gender that the word's own translation has in the target language, −1 none.
    int TranslationGender();
    std::uint8_t TargetLanguage() const;

    // ---- markers and texts
    bool HasMarker(int bit) const;
    void AddMarkers(const TZnaczniki& set) { Markers |= set; }
    void RemoveMarkers(const TZnaczniki& set) { Markers &= ~set; }
    bool HasAnyMarker(const TZnaczniki& set) const { return (Markers & set).any(); }
    bool HasAllMarkers(const TZnaczniki& set) const { return (Markers & set) == set; }
    void AddPreText(const std::string& text) { PreText += text; }
    void AddPostText(const std::string& text) { PostText += text; }
    void AddNote(const std::string& text);
    // Takes over what a search that needed a derivation rule reports about the word.
    void ApplySearchOptions(const TZnajdzOpcje& options);

    // Back to the state of a new word of no group (the sentinel's reset).
    void ClearState();

private:
    void CommitFirst(bool keepCode);
    void RecordTargetAgreement(const TTlumaczenie& chosen);

    TCustomWypSlowa* owner_;
    TCustomWypGrupa* group_ = nullptr;
};

// ---------------------------------------------------------------- group

enum TTypGrupy : std::uint8_t { tgNominalna = 0, tgWerbalna = 1, tgZadna = 2 };

struct TDaneGrupy {
    TRoleGrupy Roles;
    int pn = 0;
    TZbiorKodow Features;
    int Person = 0;
    int forma = 0, vtdoc = 0;
    int Tense = 0;
    int lba = 0;
    int num = 0;
    int TargetNumber = 0;
    int rdz = -1;
    int genus = -1;
    int TargetGender = -1;
    int casus = 0;            // a French group's case
    std::string CaseCodes;    // a Polish group's casus: its possible cases, "1"–"7" singular, "A"–"G" plural
    std::string ResolvedCase; // a Polish group: the one case (and number) the analysis settled on
    int ArticleKind = -1;     // the French article of a Polish nominal group: −1 undecided, 0 none,
                              // 1 definite, 2 indefinite, 3 partitive "de"
    int cas = 0;
    std::uint8_t Type = tgZadna;
    int First = -1, Last = -1;
    std::vector<std::string> LeadTexts, TailTexts;
};

// A contiguous run of words analysed together. It does not own its words.
class TCustomWypGrupa : public TDaneGrupy {
public:
    TCustomWypGrupa() = default;
    virtual ~TCustomWypGrupa() = default;
    TCustomWypGrupa(const TCustomWypGrupa&) = delete;
    TCustomWypGrupa& operator=(const TCustomWypGrupa&) = delete;

    std::uint8_t Kind() const { return kind_; }
    void SetKind(std::uint8_t kind);
    virtual bool IsPrepositional() const { return kind_ == 4 || kind_ == 5; }
    virtual bool IsSubject() const { return kind_ == 6 || kind_ == 7; }
    bool Contains(int i) const { return First >= 0 && i >= First && i <= Last; }

    std::function<void(TCustomWypGrupa&)> OnKindChange;

    void ClearState();

private:
    std::uint8_t kind_ = 0;
};

// ---------------------------------------------------------------- word list

class TCustomWypSlowa {
public:
    explicit TCustomWypSlowa(TCustomWypowiedzenie* owner);
    virtual ~TCustomWypSlowa();
    TCustomWypSlowa(const TCustomWypSlowa&) = delete;
    TCustomWypSlowa& operator=(const TCustomWypSlowa&) = delete;

    TCustomWypowiedzenie* Owner() const { return owner_; }
    std::uint8_t Language() const;
    const TKontekstWypowiedzi& Context() const;

    std::string Lead; // non-word text before the first word
    std::string Tail; // non-word text after the last word
    std::function<void(TCustomWypSlowo&, int)> OnWordChange;

    int Count() const { return static_cast<int>(words_.size()); }
    int GroupCount() const { return static_cast<int>(groups_.size()); }
    // Word i, or the sentinel word (in the sentinel group) when out of range.
    TCustomWypSlowo& Word(int i);
    const TCustomWypSlowo& Word(int i) const;
    bool InRange(int i) const { return i >= 0 && i < Count(); }
    void SetWord(int i, std::unique_ptr<TCustomWypSlowo> word);
    TCustomWypGrupa& Group(int i);
    // Puts a group in place of group i; the words it spans point to it.
    void SetGroup(int i, std::unique_ptr<TCustomWypGrupa> group);
    TPrzedPo& Around(int i);
    const TPrzedPo& Around(int i) const;
    int IndexOf(const TCustomWypSlowo* word) const;
    TCustomWypGrupa& NoGroup() { return *noGroup_; }
    bool IsNoGroup(const TCustomWypGrupa* group) const { return group == noGroup_.get(); }

    virtual std::unique_ptr<TCustomWypSlowo> NewWord();
    virtual std::unique_ptr<TCustomWypGrupa> NewGroup();
    // The target form of word i for its translation t, through the generator of the
    // target language (untTransWypGeneruj.cpp). Also stores the features it used in
    // the word, and may set the word's Prefix/Suffix (attached words), OuterPrefix,
    // OuterSuffix and, for the chosen translation, TranslationPrefix and Chosen.
    virtual std::string Generate(int wordIndex, int translationIndex);

    // ---- rendering (untTransWypSkladanie.cpp)
    // Word i as the translation mode shows it: translation t alone in the
    // single-rendering modes, every translation "a {b, c}" in the others. Never fails:
    // an index out of range renders the source text.
    std::string Render(int i, int translation);
    // Word i with translation t alone, whatever the mode: for the variant texts and the
    // choice windows, which name one translation.
    std::string RenderTranslation(int i, int translation);
    std::string TargetTextOf(int i) { return Render(i, Word(i).ChosenTranslation); }
    // Przed + PreText + the rendering of translation t + Po.
    std::string WordWithSurroundings(int i, int translation);
    // Every translation's rendering, each followed by CR LF; the labelled form adds
    // " " + the translation's Label.
    std::string AllRenderings(int i);
    std::string AllRenderingsLabelled(int i);
    // After rendering: one space where words were suppressed or glued (untTransWypOdstepy.cpp).
    void FixSpacing();
    // Puts ", " before word i (in its PreText), against the word before it.
    void PutCommaBefore(int i);

    // ---- group walks over this list's words (untTransWypZapytania.cpp)
    // The group of word i, nullptr when it has none.
    const TCustomWypGrupa* GroupOfWord(int i) const;
    // Walks group by group from word i's group; the first word of the first group of a
    // type in typeMask (and of a kind in kinds, when given), −1 when none.
    int FindGroup(int i, std::uint32_t typeMask, std::initializer_list<int> kinds, bool inClause, bool backwards) const;
    // The clause of word i: from the nearest clause start at or before it to the word
    // before the next clause start.
    void ClauseBounds(int i, int& first, int& last) const;
    // Called whenever a group of this list changes kind.
    virtual void GroupKindChanged(TCustomWypGrupa&) {}

    // Adds a token as segmentation finds it: a token without a letter, digit, "-" or ","
    // is no word and goes (with the texts around it) after the last word. Returns the
    // new word's index, or −1.
    static bool IsWordToken(std::string_view token);
    int AddWord(const std::string& token, const std::string& before, const TZnaczniki& markers, int start, int end,
                bool sentenceCapital, const std::string& after = {});
    // Inserts a word behind word i (i = −1: at the front).
    int InsertWordAfter(int i, std::unique_ptr<TCustomWypSlowo> word, TPrzedPo around);
    // Removes word i with the texts around it; the groups behind it move up, a group
    // that held it shrinks, and one that held only it goes.
    void DeleteWord(int i);
    // Moves word from, with the texts around it, to index to ("ne" behind the object
    // clitics). It leaves its group and joins one it lands inside; the clause-start
    // marker stays on the first word of the stretch.
    void MoveWord(int from, int to);
    // The owner list's Written, analysed itself for a list outside one.
    std::string Written(int start, std::string_view analysed) const;
    // Appends text after everything that stands behind the last word (its Po and the
    // bracketed text that follows it), or to Lead when there is no word.
    void AppendAfterLast(const std::string& text);
    // The text that ends with the last word's material: its Po, the Tail of the bracketed
    // text behind it, or Lead when there is no word.
    std::string& TextBehindLast();

    // ---- groups
    int NewGroupAt(int i, std::uint8_t type);
    void ExtendGroupLeft(TCustomWypGrupa& group, int i);
    void ExtendGroupRight(TCustomWypGrupa& group, int i);
    int GroupIndex(const TCustomWypGrupa* group) const;
    // Removes group g; its words stand in no group.
    void DeleteGroup(int g);

    // ---- variants
    // The number of whole-sentence variants (saturating at the largest 32-bit value);
    // fills the variant table with at most 1000 of them.
    int CountVariants();
    const TZdania& Variants() const { return variants_; }
    int VariantCount() const { return variantCount_; }
    std::string VariantText(int v);
    void ApplyVariant(int v);

    void Clear();

private:
    friend class TCustomWypowiedzenie;
    void ResetSentinels() const;
    void SetGroupRange(TCustomWypGrupa& group, int first, int last);
    void DetachFromGroup(int i);
    // Word i out of the list with the texts around it, in no group; the groups close up.
    std::pair<std::unique_ptr<TCustomWypSlowo>, TPrzedPo> TakeWord(int i);
    void SortGroups();
    std::string RenderVisiting(int i, int translation, bool allTranslations, std::vector<bool>& visited);
    std::string RenderedBody(int i, int translation, bool allTranslations, std::string& prefix);
    int WordVariants(int i) const;

    TCustomWypowiedzenie* owner_;
    std::vector<std::unique_ptr<TCustomWypSlowo>> words_;
    std::vector<TPrzedPo> around_;
    std::vector<std::unique_ptr<TCustomWypGrupa>> groups_;
    std::unique_ptr<TCustomWypGrupa> noGroup_;
    std::unique_ptr<TCustomWypSlowo> noWord_;
    mutable TPrzedPo noAround_;
    TZdania variants_;
    int variantCount_ = 0;
};

// ---------------------------------------------------------------- utterance

class TCustomWypowiedzenie {
public:
    TCustomWypowiedzenie(TCustomWypowiedzenia* owner, std::unique_ptr<TCustomWypSlowa> words);
    explicit TCustomWypowiedzenie(TCustomWypowiedzenia* owner);
    virtual ~TCustomWypowiedzenie();
    TCustomWypowiedzenie(const TCustomWypowiedzenie&) = delete;
    TCustomWypowiedzenie& operator=(const TCustomWypowiedzenie&) = delete;

    TCustomWypowiedzenia* Owner() const { return owner_; }
    TCustomWypSlowa& Words() { return *words_; }
    const TCustomWypSlowa& Words() const { return *words_; }

    int Start = 0, End = 0; // 0-based, shifted by the segmentation offset
    bool AfterQuoteComma = false;
    bool QuoteEnd = false;
    bool AfterDash = false;
    std::string SourceText;
    std::string Result;
    bool FromArchive = false;
    std::string ArchiveSource;
    std::string ArchiveTarget;

    // ---- hooks
    virtual void SetHead(int i);
    virtual bool IsQuestion() const;
    // The language analysis; the base analyses the utterances nested in the words.
    virtual void Analyse(int level);
    // The base transfer renders every word into its TargetText, fixes the spacing,
    // and (unless the run is stopping) gives Polish prepositions their vowel forms and
    // puts commas before Polish subordinate clauses; then the nested utterances.
    virtual void Transfer();
    // The base finish finishes the nested utterances, then writes the listing.
    virtual void Finish();

    // ---- assembly steps, for the language transfers that reorder them
    void RenderWords();       // TargetText of every word, then FixSpacing
    void PrepositionVowels(); // "w Wrocławiu" → "we Wrocławiu" across words
    void SubordinateCommas(); // Polish target: ", który", ", że" …
    // The analysis listing into Result (untTransWypListing.cpp): the French-source
    // format, or the Polish-source one for a Polish source.
    void Listing();
    // One line per word: its text, the chosen reading's lemma, code and class.
    std::string ReadingsListing() const;
    // Translation mode 16, before analysis: "[SYNK:a+b]" in the Notes of every word
    // with two or more readings outside the user dictionary.
    void SynkNotes();
    // The capital of a sentence whose first words render as nothing ("La personne…")
    // moves to the first word that renders or carries a text before it; not in the
    // diagnostic modes 13 and 15, which show the source.
    void MoveSentenceCapital();
    // The similarity search in the sentence archive for the segmented utterance.
    void FinishUtterance();
    // MoveWord that keeps the source's spaces and punctuation in place; a word that is
    // a group of its own takes its group along (untTransWypGrupy.cpp).
    void MoveGroupedWord(int from, int to);

    // ---- query primitives (false, or the index unchanged, out of range)
    bool InRange(int i) const { return words_->InRange(i); }
    bool HasGroup(int i) const;
    bool CodeIn(int i, const TZbiorKodow& codes) const;
    bool CodeIs(int i, int code) const;
    bool ClassIn(int i, std::uint32_t classMask) const;
    bool ClassIs(int i, std::uint8_t wordClass) const;
    bool TextIn(int i, std::string_view tagList, bool stripDigits = false, bool ignoreCase = false) const;
    bool TextIs(int i, std::string_view text, bool stripDigits = false, bool ignoreCase = false) const;
    bool FirstWordIn(int i, std::string_view tagList) const;
    bool PhraseIn(int i, int n, std::string_view tagList) const;
    bool TextsAre(int i, const std::vector<std::string>& texts) const;
    bool LemmaIn(int i, std::string_view tagList) const;
    bool LemmaIs(int i, std::string_view text) const;
    bool HasAllMarkers(int i, const TZnaczniki& set) const;
    bool HasMarker(int i, int bit) const;
    bool HasAnyMarkerOf(int i, const TZnaczniki& set) const;
    int SkipClassIn(int i, std::uint32_t classMask, bool backwards = false) const;
    int SkipCodeIn(int i, const TZbiorKodow& codes, bool backwards = false) const;
    int SkipTextIn(int i, std::string_view tagList, bool backwards = false) const;
    int FindClassIn(int i, std::uint32_t classMask, bool backwards = false) const;
    int FindCodeIn(int i, const TZbiorKodow& codes, bool backwards = false) const;
    int FindTextIn(int i, std::string_view tagList, bool backwards = false) const;
    void ClauseBounds(int i, int& first, int& last) const;
    virtual bool InVerbalGroup(int i) const;
    bool InNominalGroup(int i) const;
    bool InPlainNominalGroup(int i) const;
    bool InPrepositionalGroup(int i) const;
    bool PrepositionBeforeGroup(int i) const;
    int GroupFirst(int i) const;
    int GroupLast(int i) const;
    bool IsGroupStart(int i, std::uint8_t type) const;
    bool IsGroupEnd(int i, std::uint8_t type) const;
    bool IsSingleWordGroup(int i, std::uint8_t type) const;
    bool KindIn(int i, std::initializer_list<int> kinds) const;
    bool HasRoles(int i, const TRoleGrupy& roles) const;
    bool HasRole(int i, int role) const;
    int GroupHead(int i) const;
    // Walks group by group from word i's group; −1 when none fits.
    int FindGroup(int i, std::uint32_t typeMask, std::initializer_list<int> kinds, bool inClause, bool backwards) const;
    bool IsUnknownName(int i) const;

private:
    const TCustomWypGrupa* GroupOf(int i) const;
    int Step(int i, bool backwards, const std::function<bool(int)>& holds, bool whileHolds) const;

    TCustomWypowiedzenia* owner_;
    std::unique_ptr<TCustomWypSlowa> words_;
};

inline bool OneOf(int value, std::initializer_list<int> values)
{
    for (const int v : values)
        if (v == value)
            return true;
    return false;
}

// The class mask bit of a word class (1 << class).
inline std::uint32_t KlasaBit(int wordClass)
{
    return 1u << wordClass;
}

// ---------------------------------------------------------------- utterance list

class TCustomWypowiedzenia {
public:
    explicit TCustomWypowiedzenia(TKontekstWypowiedzi context = {});
    virtual ~TCustomWypowiedzenia();
    TCustomWypowiedzenia(const TCustomWypowiedzenia&) = delete;
    TCustomWypowiedzenia& operator=(const TCustomWypowiedzenia&) = delete;

    const TKontekstWypowiedzi& Context() const { return context_; }
    std::uint8_t Language() const { return context_.SourceLanguage; }
    TPodmiotyZdan& Subjects() { return subjects_; }

    // Creates an utterance of the language, appends it and returns its index.
    virtual int NewUtterance();
    // An empty list of the same language and run, for bracketed text (with the
    // context of NestedContext).
    virtual std::unique_ptr<TCustomWypowiedzenia> NewNested() const;
    // Brackets deeper than this stay in the texts around the words, so that a text of
    // nothing but brackets cannot exhaust the stack.
    static constexpr int kMaxNesting = 16;

    int Count() const { return static_cast<int>(items_.size()); }
    TCustomWypowiedzenie* Item(int i);
    const TCustomWypowiedzenie* Item(int i) const;
    void Delete(int i);
    void Clear();
    bool StopRequested() const;

    // Appends the utterances of one paragraph (untTransWypSegmentacja.cpp).
    // capitalStart: the text begins a sentence; the markers cut the text in the
    // diagnostic translation mode 14 only; offset: position of the text's first byte.
    void Segment(std::string_view text, bool capitalStart, std::string_view endMarker = {},
                 std::string_view startMarker = {}, int offset = 0);
    // Length of the longest archived sentence that rest begins with, and its translation.
    int MatchArchive(std::string_view rest, std::string& translation) const;
    // Length of the longest multi-word dictionary expression that rest begins with.
    int MatchToken(std::string_view rest, bool capitalised) const;
    // The characters from position start (offset-shifted) of the text the last Segment
    // read, as the user wrote them, where they read as analysed once typographic quotes
    // are apostrophes; analysed itself elsewhere. What a word moves out of its Text into
    // the texts around it goes through here, so that the source stays the user's own.
    std::string Written(int start, std::string_view analysed) const;

protected:
    void Append(std::unique_ptr<TCustomWypowiedzenie> utterance);
    // The context of a nested list: this one, one bracket level deeper.
    TKontekstWypowiedzi NestedContext() const;

private:
    TKontekstWypowiedzi context_;
    std::vector<std::unique_ptr<TCustomWypowiedzenie>> items_;
    TPodmiotyZdan subjects_;
    std::string written_;
    int writtenStart_ = 0;
};

} // namespace velmar
