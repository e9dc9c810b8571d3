#pragma once
// The frequency analysis of a text and the Polish base-form finder it relies on.
//
// The base-form finder guesses the dictionary form of a Polish word the dictionary of
// inflected forms does not list: it rewrites the ending (conditional and past forms,
// participles, cases, comparatives, adverbs, possessives) or drops a prefix ("za",
// "naj", "nie"…) and looks the result up again. The spell checker accepts a word whose
// base it finds; the frequency analysis counts the word under that base.
//
// The frequency analysis counts the words (and optionally the phrases) of a text
// paragraph by paragraph, split into the items the dictionaries know and the words they
// do not. It works on the window thread's dictionary instances, so the caller decides
// between paragraphs whether to go on (the window stays responsive and can stop it).

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dictionaries/untFormy.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// ---------------------------------------------------------------- base-form finder

// The form code of a Polish adverb as its readings carry it.
inline constexpr int kKodPrzyslowka = 218;

// The Base of the first reading of candidate that remains after keeping the codes in
// codes (recoded to newCode when it is > 0); empty when none remains. The remaining
// readings stay in forms.Readings().
std::string TryBase(TTransSlownikOdwolan& forms, std::string_view candidate, const TKodyForm& codes, int newCode,
                    bool sentenceStart);

// The base of an unlisted Polish word, empty when no rule finds one. firstRulesOnly
// tries the ending rules alone. On success forms.Readings() holds the readings the base
// came from.
std::string FindBasePl(TTransSlownikOdwolan& forms, std::string_view word, bool firstRulesOnly, bool sentenceStart);

// The readings of a declined participle or a verbal noun the forms dictionary does not
// list, led back through the participle's or noun's listed form: each keeps the form
// code of the declined form and word as its Form. False (readings empty) when no rule
// finds one.
bool ReduceParticiplePl(TTransSlownikOdwolan& forms, std::string_view word, TOdwolania& readings);

// ---------------------------------------------------------------- frequency analysis

enum TRodzajAnalizy : int {
    raStandardowa = 0,    // base forms
    raWszystkieFormy = 1, // every form as written, when known
    raSzybka = 2,         // every word as written, nothing looked up
    raKodow = 3,          // the form codes and word classes of the words
    raNazw = 4,           // names: words starting with a capital
};

struct TOpcjeAnalizy {
    TRodzajAnalizy Kind = raStandardowa;
    bool KeepApostrophes = false; // a word is never split at its apostrophe
    bool SearchPhrases = false;   // multi-word headwords count as one item
    bool PhrasesApart = false;    // phrases are listed apart from the words
    bool MergeCase = false;       // the quick analysis merges items differing in case
};

struct TPozycjaFrekwencji {
    std::string Text; // 8-bit, in the text's language
    std::uint64_t Count = 0;

    bool operator==(const TPozycjaFrekwencji&) const = default;
};
using TListaFrekwencji = std::vector<TPozycjaFrekwencji>;

class TFrekwencja {
public:
    TFrekwencja(TTransSlownikOdwolan& forms, TTransSlownikGlowny& main, std::uint8_t language, TOpcjeAnalizy options);

    // Counts the words of one paragraph (8-bit text).
    void AddParagraph(std::string_view paragraph);
    // Ends the run: merges the cases when asked and sorts each list by count, highest
    // first (equal counts in byte order).
    void Finish();

    const TListaFrekwencji& Found() const { return found_.Items; }
    const TListaFrekwencji& Phrases() const { return phrases_.Items; }
    const TListaFrekwencji& NotFound() const { return notFound_.Items; }

private:
    // A list of items with their counts, found by text.
    struct TLicznik {
        TListaFrekwencji Items;
        std::unordered_map<std::string, std::size_t> IndexOf;
        bool Contains(const std::string& text) const { return IndexOf.contains(text); }
        void Add(const std::string& text, std::uint64_t count = 1);
        void MergeCase();
        void Sort();
    };
    struct TSlowo {
        std::string Text;
        bool SentenceStart = false;
    };

    std::vector<TSlowo> Words(std::string_view paragraph) const;
    // The number of words from first on that form the longest multi-word headword of
    // the main dictionary (0 when none); the headword goes into phrase.
    std::size_t PhraseAt(const std::vector<TSlowo>& words, std::size_t first, std::string& phrase);
    void CountWord(const TSlowo& word);
    std::vector<std::string> PartsOf(const std::string& text) const;
    // Counts the parts of a word unknown as a whole; false when no part is known either.
    bool CountParts(const std::string& text, bool sentenceStart);
    // Counts word when a dictionary knows it; false when none does.
    bool CountKnown(const std::string& text, bool sentenceStart);
    bool CountCodes(const std::string& text, bool sentenceStart);
    void AddFound(const std::string& form, const std::string& item, bool sentenceStart);

    TTransSlownikOdwolan& forms_;
    TTransSlownikGlowny& main_;
    std::uint8_t language_;
    TOpcjeAnalizy options_;
    TLicznik found_, phrases_, notFound_;
    std::unordered_map<std::string, std::string> baseOf_; // form → the item it was counted under
};

} // namespace velmar
