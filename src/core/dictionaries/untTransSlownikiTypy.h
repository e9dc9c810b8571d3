#pragma once
// Dictionaries: keyed access to a shared list of scrambled lines. Each kind of
// dictionary (main, forms, phrases, categories…) is a subclass that knows its key
// row, its syntax characters and how to take the key out of a decoded line.
//
// Instances do not own their lines: the window thread and the translation worker
// each have their own instances over the same TLinie, so that the search cursor and
// the one-entry cache of one thread never disturb the other. While the window thread
// edits a list, a search on the worker must not mix two versions of it (a binary
// search would step over a line that moved), so every operation that reads the lines
// more than once pins one version of them for its whole run (TPrzypiecie). The pin
// lives in the instance, which is why an instance belongs to one thread.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/app/untUtils.h"
#include "core/dictionaries/untFormy.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untPrefiksyKluczy.h"
#include "core/dictionaries/untTransSlownikSlowo.h"

namespace velmar {

// Dictionary kinds.
enum TRodzajSlownika : std::uint8_t {
    rsGlowny = 0,      // the bilingual main dictionary
    rsOdwolan = 1,     // inflected forms
    rsUzytkownika = 2, // a user dictionary
    rsZwrotow = 3,     // phrases
    rsKategorii = 5,   // categories
    rsKolokacji = 6,   // collocations
    rsZdan = 7,        // sentence archive
    rsPomocniczy = 8,  // qualifiers, untranslatable words, data lines
};

// Byte values of the entry syntax that are not plain ASCII.
inline constexpr char kPhraseMark = '\xD7'; // "×"
inline constexpr char kArchiveKeySeparator = '\x14';
inline constexpr char kArchiveItemSeparator = '\x15';

// Accent folding of dictionary keys and bodies (mode 3: whole text; mode 4: a body,
// leaving "$" items and the text after ":" alone). No folding table is defined for
// the product's languages yet, so this is the identity; every caller goes through it.
std::string AccentFold(std::string_view text, std::uint8_t alphabet, int mode);

// The order of dictionary keys: the dictionary collation, with the keys it calls equal
// ordered by their bytes. Files are sorted by it and the exact lookup of
// cross-references relies on it.
int CompareKeys(std::string_view a, std::string_view b, std::uint8_t language);

class TTransSlownik {
public:
    TTransSlownik(std::uint8_t kind, int keyRow, std::uint8_t sourceLang, std::uint8_t targetLang, char keySeparator,
                  char codeMark, char itemSeparator, char phraseMark, char valencyMark, std::string markerText,
                  TZbiorZnakow charSet1 = {}, TZbiorZnakow charSet2 = {}, TZbiorZnakow charSet3 = {},
                  TZbiorZnakow charSet4 = {}, TZbiorZnakow charSet5 = {});
    virtual ~TTransSlownik() = default;
    TTransSlownik(const TTransSlownik&) = delete;
    TTransSlownik& operator=(const TTransSlownik&) = delete;

    // Every read of the dictionary sees the version of its lines that was current when
    // the outermost pin began, until that pin ends; inner pins (an operation calling
    // another) share it. Pin around a sequence of calls whose results must agree, e.g.
    // a Find and the GetEntry of the line it found.
    class TPrzypiecie {
    public:
        explicit TPrzypiecie(const TTransSlownik& dictionary) : dictionary_(dictionary)
        {
            if (dictionary_.pinDepth_++ == 0)
                dictionary_.pinned_ = dictionary_.CurrentLines();
        }
        ~TPrzypiecie()
        {
            if (--dictionary_.pinDepth_ == 0)
                dictionary_.pinned_.reset();
        }
        TPrzypiecie(const TPrzypiecie&) = delete;
        TPrzypiecie& operator=(const TPrzypiecie&) = delete;

        const TWersjaLinii& Version() const { return *dictionary_.pinned_; }
        // The pinned version itself, for a cache that must outlive the pin.
        const TMigawkaLinii& Snapshot() const { return dictionary_.pinned_; }

    private:
        const TTransSlownik& dictionary_;
    };

    // Number of lines; 0 while no list is attached.
    int Count() const;
    // The key of line index; empty outside 0..Count−1. Only the part of the line up to
    // the first KeySeparator is decoded: searches read many keys.
    std::string GetKey(int index) const;
    // The key of a decoded line, or of its part up to the first KeySeparator; each kind
    // defines its own. Unless a kind says otherwise: KeyBeforeSeparator with the kind's
    // KeySeparator.
    virtual std::string KeyOf(std::string_view line) const;
    // The decoded line; empty outside 0..Count−1.
    std::string DecodedLine(int index) const;
    // A decoded line scrambled with this dictionary's key row, ready to store.
    std::string Encode(std::string_view text) const;

    // Points the dictionary at a line list (or none) and forgets the cached entry.
    void Attach(TLinie* lines);
    void SetSourceLanguage(std::uint8_t language);
    void SetTargetLanguage(std::uint8_t language);

    // The collation prefixes of the keys of the version read now, built on the first
    // search of that version and shared by every instance that reads it the same way.
    std::shared_ptr<const TPrefiksyKluczy> KeyPrefixes() const;

    // The line whose key equals key exactly (under CompareKeys), by binary search; when
    // there is none, index is where the key would stand.
    bool FindKeyExact(std::string_view key, int& index) const;

    // Search under the dictionary collation (untSzukaj.cpp). A search moves Current;
    // everything else it reports goes into the options.
    bool Find(TZnajdzOpcje& options);
    bool FindExact(std::string_view word, int& index);
    // The line to show for word: its own, or the nearest; −1 when there are no lines.
    int Locate(std::string_view word);
    // From index on, the first line not before options.Word: true when its key equals
    // the word, false with index kept when the key starts with it, else index −1.
    bool PrefixFrom(const TZnajdzOpcje& options, int& index);
    bool FindOrPrefix(TZnajdzOpcje& options, int& index);

    // The filtered view: FilterBy collects the matching lines, SetFilter(true) shows
    // only them until SetFilter(false) or the next FilterBy.
    int FilterBy(std::string_view pattern, bool wholeWords, bool matchCase);
    int FilterByWide(std::u16string_view pattern, bool wholeWords, bool matchCase);
    void TrimFilter(int count);
    void SetFilter(bool on);

    TLinie* Lines = nullptr; // shared, never owned
    int Current = 0;         // cursor of the last search
    int CachedIndex = -1;    // line decoded into the entry cache, −1 when none
    std::uint8_t Kind;
    std::uint8_t SourceLang = 0;
    std::uint8_t TargetLang = 0;
    std::uint8_t SourceAlphabet = 0;
    std::uint8_t TargetAlphabet = 0;
    int KeyRow;
    char KeySeparator;
    char CodeMark;
    char ItemSeparator;
    char PhraseMark;
    char ValencyMark;
    std::string MarkerText;
    TZbiorZnakow CharSet1, CharSet2, CharSet3, CharSet4, CharSet5;
    // A filtered view replaces Lines by FilterLines and keeps the real list here.
    TLinie* SavedLines = nullptr;
    TLinie FilterLines;
    bool FilterActive = false;

protected:
    // What KeyOf reads besides the line, as a number: lines whose keys differ by it
    // need an index of their own.
    virtual int KeyVariant() const { return 0; }

private:
    // The version of Lines current now; an empty one while no list is attached.
    TMigawkaLinii CurrentLines() const;
    // After Lines changed under a pin the pin holds the version of the new list.
    void Repin();

    mutable TMigawkaLinii pinned_;
    mutable int pinDepth_ = 0;
};

// Key extraction of the main-dictionary format: the trimmed text before the first
// KeySeparator, cut before the first CharSet1/CharSet2 character.
std::string ExtractKey(std::string_view line, const TTransSlownik& dictionary);
// The trimmed text before the first separator; without one, the text before the first
// space when that space is at position 2 or later, else the whole line.
std::string KeyBeforeSeparator(std::string_view line, char separator);

// The parts of the main-dictionary syntax that depend on the source language of the
// keys: the main dictionary takes all of them, the phrase dictionary CharSet3 and
// MarkerText.
struct TSkladniaJezyka {
    TZbiorZnakow CharSet1, CharSet3, CharSet5;
    std::string MarkerText;
};
TSkladniaJezyka MainSyntaxFor(std::uint8_t sourceLanguage);

// The bilingual main dictionary, and the user and phrase dictionaries in the same
// format. Owns one decoded entry, reused for every line it decodes.
class TTransSlownikGlowny : public TTransSlownik {
public:
    TTransSlownikGlowny(std::uint8_t kind, int keyRow, std::uint8_t sourceLang, std::uint8_t targetLang,
                        TZbiorZnakow charSet5 = {});
    ~TTransSlownikGlowny() override;

    std::string KeyOf(std::string_view line) const override;
    // The decoded line with its cross-references (" == headword") expanded.
    std::string GetEntryText(int index) const;
    // The cached decoded entry of line index: decoded again only for another index or
    // version of the lines, or when the cached one was pruned or changed. Outside
    // 0..Count−1 the cache is returned unchanged. The next call may overwrite it;
    // Assign it to keep it.
    TTransSlownikSlowo& GetEntry(int index);
    // Empties the attached line list and forgets the cached entry.
    void Clear();
    // Every key, each followed by CR LF.
    std::string AllKeys() const;
    TWide AllKeysWide() const;

    bool KeepPhrases = false;
    bool FoldAccents = false;

protected:
    int KeyVariant() const override { return FoldAccents ? 1 : 0; }

private:
    std::unique_ptr<TTransSlownikSlowo> entry_;
    std::uint64_t cachedVersion_ = 0; // TWersjaLinii::Serial of the lines it came from
};

// Inflected forms: lines "form\code base…"; the key is the form.
class TTransSlownikOdwolan : public TTransSlownik {
public:
    explicit TTransSlownikOdwolan(std::uint8_t language);
    std::string KeyOf(std::string_view line) const override;

    // Every reading of options.Word into Readings (untSzukaj.cpp); with TryForms an
    // unlisted word goes through the rules of the source language.
    bool FindForms(TZnajdzOpcje& options);
    bool FindFormsSimple(std::string_view word, int& index);
    // Keeps the readings whose code is in codes (searching first unless skipSearch),
    // recoded to newCode when it is > 0; true when any remain.
    bool FilterForms(TZnajdzOpcje& options, const TKodyForm& codes, bool skipSearch, int newCode);
    bool HasFormCode(const TKodyForm& codes) const { return readings_.HasFormCode(codes); }
    // The parsed line index (untSlownikiPomocnicze.cpp); an empty reading outside the lines.
    TOdwolanie ReadingAt(int index) const;
    const TOdwolania& Readings() const { return readings_; }

private:
    void CollectReadings();
    bool TryRules(TZnajdzOpcje& options);

    TOdwolania readings_;
};

// Qualifier labels: "key_label".
class TTransSlownikKwal : public TTransSlownik {
public:
    explicit TTransSlownikKwal(std::uint8_t language);
    std::string KeyOf(std::string_view line) const override;
};

// Words not to translate: "word _".
class TTransSlownikNieTlum : public TTransSlownik {
public:
    TTransSlownikNieTlum(std::uint8_t sourceLang, std::uint8_t targetLang);

    // Inserts the word at its sorted place; false (nothing changes) for a blank word or
    // one already listed. index: where the word is or was put.
    bool AddWord(std::string_view word, int& index);
    bool AddWordWide(std::u16string_view word, int& index);
    bool DeleteWord(int index);
    std::string WordAt(int index) const { return GetKey(index); }
};

// Data lines shown by the browser: "key_value".
class TTransSlownikDanych : public TTransSlownik {
public:
    explicit TTransSlownikDanych(std::uint8_t language);
    std::string KeyOf(std::string_view line) const override;
    // The trimmed text after the key's "_" (after the first space without one).
    std::string ValueAt(int index) const;
    bool FoldAccents = false;

protected:
    int KeyVariant() const override { return FoldAccents ? 1 : 0; }
};

// Named word lists: "name$=item,item,…".
class TTransSlownikKategorii : public TTransSlownik {
public:
    explicit TTransSlownikKategorii(std::uint8_t language);
    std::string KeyOf(std::string_view line) const override;

    // The items of the category name ("uncountable$"); empty when there is none.
    std::string Definition(std::string_view name);
    bool InCategory(std::string_view word, std::string_view name);
    // Replaces every "name$" item by that category's items, once per name and line, so
    // that references nest without ever looping. Done once after loading.
    void ResolveReferences();
};

// Collocations: "head_pattern;pattern;…".
class TTransSlownikKolokacji : public TTransSlownik {
public:
    TTransSlownikKolokacji(std::uint8_t sourceLang, std::uint8_t targetLang);
};

} // namespace velmar
