#pragma once
// The spell checker of the source pane: it scans the text from the caret paragraph by
// paragraph, stops at each word that no dictionary of the source language knows (nor
// the ignore rules, the run's ignore list or a rule of the base-form finder accepts),
// proposes corrections and carries out the user's decision on it.
//
// Every step reads or changes the pane and searches the window thread's dictionary
// instances, so the checker runs on the window thread, one unknown word at a time: the
// dialog asks for the next word, shows it, lets the proposals come in while it stays
// responsive, and hands the decision back.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untUstawienia.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// The source pane as the checker sees it: 8-bit text in the source language, positions
// from 0, one CR (or CR LF) per paragraph break.
class TTekstPisowni {
public:
    virtual ~TTekstPisowni() = default;
    virtual int TextLength() const = 0;
    virtual std::string Read(int start, int length) const = 0;
    // The position of the first CR at or after from; −1 when there is none.
    virtual int FindBreak(int from) const = 0;
    virtual void Select(int start, int length) = 0;
    virtual void Replace(int start, int length, std::string_view text) = 0;
};

// The dictionaries a word is looked up in, the window thread's instances.
struct TSlownikiPisowni {
    TTransSlownikGlowny& User;
    TTransSlownikOdwolan& Forms;
    TTransSlownikGlowny& Main;
    TTransSlownikNieTlum& Untranslatable;
};

// The user's decision about an unknown word.
enum TDecyzjaPisowni : int {
    dpIgnoruj = 0,          // accept this occurrence
    dpIgnorujWszystkie = 1, // accept it everywhere in this run
    dpZmien = 2,            // replace it
    dpZmienWszystkie = 3,   // replace it here and everywhere after
    dpZakoncz = 4,          // stop the run
};

class TSprawdzaniePisowni {
public:
    // A run from start to the end of the text. options is read at every word, so a
    // change made during the run counts from the next word on.
    TSprawdzaniePisowni(TTekstPisowni& text, TSlownikiPisowni dictionaries, std::uint8_t language,
                        const TOpcjeUstawien& options, int start);

    // Scans on to the next unknown word and selects it in the pane; false when the text
    // ends or the run was stopped.
    bool NextWord();
    // The unknown word (8-bit).
    const std::string& Word() const { return word_; }
    int WordPosition() const { return wordPosition_; }

    // Whether the options ask for proposals for this word.
    bool ProposalsWanted() const;
    // The proposals for the word in the order found, each also handed to found as it
    // comes; the search ends early when found answers false.
    std::vector<std::string> Proposals(const std::function<bool(const std::string&)>& found);

    // Carries out the decision about the word; replacement is used by the change
    // decisions.
    void Decide(TDecyzjaPisowni decision, std::string_view replacement);

private:
    bool NextParagraph();
    // The next word of the paragraph from scan_ on; false at its end.
    bool ScanWord(std::string& word, int& position);
    bool Accepted(const std::string& word);
    bool IgnoredByRule(std::string_view word) const;
    bool Known(const std::string& word);
    TZnajdzOpcje SearchOptions(const std::string& word) const;
    void ReplaceWord(std::string_view replacement);

    TTekstPisowni& text_;
    TSlownikiPisowni dictionaries_;
    std::uint8_t language_;
    const TOpcjeUstawien& options_;

    int position_;           // the paragraph's end: where the next one is looked for
    int paragraphStart_ = 0; // pane position of the paragraph's first byte
    int textEnd_;
    std::string paragraph_;
    std::size_t scan_ = 0; // next byte of the paragraph to scan (0-based)
    bool inParagraph_ = false;
    bool sentenceStart_ = true;     // the next word begins a sentence
    bool wordSentenceStart_ = true; // the current word does
    bool stopped_ = false;

    std::string word_;
    int wordPosition_ = 0;
    std::string previous_;
    std::set<std::string> ignored_;
    std::map<std::string, std::string> changes_;
};

// Adds word to the user dictionary with a translation, at its sorted place, so that
// the spell checker knows it from then on; false for an empty word or translation, or
// a word the user dictionary already holds.
bool AddToUserDictionary(TTransSlownikGlowny& user, std::string_view word, std::string_view translation);

} // namespace velmar
