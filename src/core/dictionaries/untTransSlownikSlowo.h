#pragma once
// The decoded main-dictionary entry: one headword with its sub-records (parts of
// speech or homographs), their meanings with the translation alternatives, valency
// items and phrases. The translation engine reads translations and codes from it,
// the browser renders it, the user-dictionary forms build it and write it back.

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untUtils.h"

namespace velmar {

class TTransSlownik;

// An ordered list that owns its items and remembers the item last reached by Item().
// Recycle empties it but keeps the items for the next Appends, so that decoding entry
// after entry into one object allocates only where an entry outgrows the ones before.
template <typename T>
class TListaWlasna {
public:
    TListaWlasna() = default;
    // Copies are deep; the copy has no current item.
    TListaWlasna(const TListaWlasna& other) { Assign(other); }
    TListaWlasna& operator=(const TListaWlasna& other)
    {
        Assign(other);
        return *this;
    }

    int Count() const { return static_cast<int>(items_.size()); }
    // Null outside 0..Count−1; otherwise also becomes the current item.
    T* Item(int index)
    {
        if (!InRange(index))
            return nullptr;
        current_ = items_[static_cast<std::size_t>(index)].get();
        return current_;
    }
    const T* Item(int index) const { return InRange(index) ? items_[static_cast<std::size_t>(index)].get() : nullptr; }
    T* Current() const { return current_; }

    // Appends a new empty item and returns its index.
    int Append()
    {
        if (spare_.empty()) {
            items_.push_back(std::make_unique<T>());
        } else {
            items_.push_back(std::move(spare_.back()));
            spare_.pop_back();
            Reset(*items_.back());
        }
        return Count() - 1;
    }
    bool Delete(int index)
    {
        if (!InRange(index))
            return false;
        if (current_ == items_[static_cast<std::size_t>(index)].get())
            current_ = nullptr;
        items_.erase(items_.begin() + index);
        return true;
    }
    // Takes the item out and inserts it at `to` (one less when `to` lies after
    // `from`); refused when either index is out of range or they are equal.
    bool Move(int from, int to)
    {
        if (!InRange(from) || !InRange(to) || from == to)
            return false;
        auto item = std::move(items_[static_cast<std::size_t>(from)]);
        items_.erase(items_.begin() + from);
        if (to > from)
            --to;
        items_.insert(items_.begin() + to, std::move(item));
        return true;
    }
    void Clear()
    {
        items_.clear();
        current_ = nullptr;
    }
    // Clear that keeps the items to be emptied and reused by Append.
    void Recycle()
    {
        for (auto& item : items_)
            spare_.push_back(std::move(item));
        Clear();
    }
    // Deep copy.
    void Assign(const TListaWlasna& other)
    {
        if (&other == this)
            return;
        Clear();
        for (const auto& item : other.items_)
            items_.push_back(std::make_unique<T>(*item));
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }
    // Makes a recycled item equal to a new one, keeping what it can of its memory.
    static void Reset(T& item)
    {
        if constexpr (requires { item.Reset(); })
            item.Reset();
        else
            item = T();
    }

    std::vector<std::unique_ptr<T>> items_;
    std::vector<std::unique_ptr<T>> spare_;
    T* current_ = nullptr;
};

// A valency item: what a word governs on the source and on the target side.
struct TTransSlownikRekcja {
    std::string SourceText;  // source-side word, e.g. the source preposition
    std::string Preposition; // target-side preposition
    std::string SourceCase;  // digits
    std::string TargetCase;  // digits
    bool FlagJ = false;      // German only
    bool FlagE = false;      // German only

    // The case strings as numbers, −1 when they are not numbers.
    int SourceCaseNumber() const;
    int TargetCaseNumber() const;
};
using TTransSlownikRekcje = TListaWlasna<TTransSlownikRekcja>;

// A phrase: a multi-word expression of the entry with its translation.
struct TTransSlownikZwrot {
    std::string Source;
    std::string Code;
    std::string Translation;
    std::string NoteA; // alternatives marked as noted ("‰"), the first one
    std::string NoteB; // … or a later one
};
using TTransSlownikZwroty = TListaWlasna<TTransSlownikZwrot>;

// Domain and grammar codes of a meaning.
using TKodyZnaczenia = std::bitset<256>;
// Classes of proper names of an entry (bits of the word-feature set).
using TKlasyNazw = std::bitset<192>;

// A meaning: one sense, given by one or more translation alternatives. The five
// string lists run in parallel, one item per alternative.
class TTransSlownikZnaczenie {
public:
    std::vector<std::string> Words;
    std::vector<std::string> WordCodes; // "*…" code after the alternative
    std::vector<std::string> Comments;  // bracketed text before the alternative
    std::vector<std::string> Glosses;   // bracketed text after the alternative
    std::vector<std::string> Extras;    // the third kind of bracket after it
    TTransSlownikRekcje Valency;
    TKodyZnaczenia Codes;
    bool Plus = false;      // a favoured meaning (a lone "+")
    bool Preferred = false; // the first choice of a user of the entry
    bool Alt1 = false;      // variant meaning made from an angle-bracket group …
    bool Alt2 = false;      // … that held "±"
    bool GroupEnd = false;  // ended by ";" or "¦" in a Polish-source entry
    bool Hidden = false;    // marked "‰"

    int AlternativeCount() const { return static_cast<int>(Words.size()); }
    // Each of these is empty outside 0..AlternativeCount−1.
    std::string Word(int i) const;
    std::string WordWithCode(int i) const; // word, a space and its code, trimmed
    std::string WordCode(int i) const;
    std::string Comment(int i) const;
    std::string Gloss(int i) const;
    void SetWordCode(int i, const std::string& code);
    // Appends an empty item to each of the five lists; returns its index.
    int AddAlternative();

    std::string WordsText() const; // the words joined by spaces
    // Comment, word and gloss of each alternative.
    std::string DisplayText() const { return AlternativesText(true); }
    // Comments and glosses only.
    std::string NotesText() const { return AlternativesText(false); }

    void ClearMeaning();
    void Reset() { ClearMeaning(); }
    void Assign(const TTransSlownikZnaczenie& other) { *this = other; }

private:
    std::string AlternativesText(bool withWords) const;
};

class TTransSlownikZnaczenia : public TListaWlasna<TTransSlownikZnaczenie> {
public:
    // Creates a meaning, parses text into it when not empty (a meaning with
    // angle-bracket variants adds the variant meanings after it) and returns the
    // index of the meaning itself.
    int AddMeaning(std::string_view text, bool alt1, const TTransSlownik& dictionary, bool groupEnd, bool alt2 = false);
    // The first Preferred meaning, else the first Plus one, else 0; the one after it
    // instead when that one exists and is an Alt1 (skipAlt1) or Alt2 (skipAlt2)
    // variant; −1 for an empty list.
    int FirstPreferred(bool skipAlt1, bool skipAlt2) const;
};

// A sub-record: one part of speech or homograph of the headword.
class TTransSlownikPodrekord {
public:
    std::string Code;           // grammatical code
    std::string GroupLabel;     // "÷" and the number of the run of equal codes
    std::string Marker;         // Polish source: aspect or reflexivity code
    bool SichFlag = false;      // German "(sich)"
    bool ReflexiveFlag = false; // Polish source: the code holds "ř"
    TTransSlownikZnaczenia Meanings;

    void Reset();
    void Assign(const TTransSlownikPodrekord& other) { *this = other; }
};

class TTransSlownikPodrekordy : public TListaWlasna<TTransSlownikPodrekord> {
public:
    // Parses one "#" segment of an entry body into a new sub-record; defaultCode is
    // the code it takes when it names none. Returns its index.
    int Add(std::string_view segment, const std::string& defaultCode, const TTransSlownik& dictionary);
};

// An entry: one headword with everything the dictionary knows about it.
class TTransSlownikSlowo {
public:
    explicit TTransSlownikSlowo(std::uint8_t dictKind = 0) : DictKind(dictKind) {}
    // Copied only on purpose, through Assign: the cache hands out references.
    TTransSlownikSlowo(const TTransSlownikSlowo&) = delete;

    std::string Headword;
    int Index = -1;          // line number in the dictionary
    std::string HeadNote;    // bracketed part cut out of the headword
    std::string BraceNotes;  // Polish source: the brace groups of the body
    std::string HeadTail;    // tail of the headword from its first bracket
    std::string MarkerValue; // what followed the dictionary's MarkerText
    TTransSlownikPodrekordy SubRecords;
    TTransSlownikPodrekordy ExtraSubRecords;
    bool Pruned = false;  // KeepGroup removed sub-records
    bool Changed = false; // a user of the cache modified the entry
    TTransSlownikZwroty Phrases;
    TKlasyNazw NameClasses;
    bool SignFlag = false; // Polish source: the body held "(¤)"
    std::uint8_t DictKind = 0;

    void ClearEntry();
    void Assign(const TTransSlownikSlowo& other) { *this = other; }
    // Fills the entry from a decoded line; never fails, a malformed line gives what
    // the steps can extract.
    void Parse(std::string_view line, bool keepPhrases, const TTransSlownik& dictionary, bool foldAccents);

    // Removes every sub-record of another group; sets Pruned when one went.
    void KeepGroup(const std::string& groupLabel);
    // Removes every sub-record whose code is in the tag list.
    void RemoveCode(std::string_view tagList);
    // The first sub-record whose code is in the tag list, −1 when none.
    int FindCode(std::string_view tagList) const;
    void RemoveHiddenMeanings();

    // The decoded line of the entry as the user dictionary stores it: headword and
    // sub-records with their codes and meanings; phrases, notes, valency and the
    // headword's brackets are not written.
    std::string Serialize(const TTransSlownik& dictionary) const;

private:
    TTransSlownikSlowo& operator=(const TTransSlownikSlowo&) = default;
};

// Bit of a meaning code name ("m" → 25, "25" → 25); 0 for a name that is neither a
// known name nor a number, and −1 for a number outside 0..255, which sets nothing.
int MeaningCodeBit(std::string_view name);

} // namespace velmar
