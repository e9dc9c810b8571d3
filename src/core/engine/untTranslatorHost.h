#pragma once
// What the translation worker asks of the windows, and the values that pass between
// them: a source paragraph with its formats, an utterance's output as spans of text
// with their language, format and mark, the word-follow records, the user's choices.
// The translator window implements the host on the window thread; the command line
// and the tests implement it without windows.

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/untFormatTekstu.h"
#include "core/document/untTekstFormatowany.h"

namespace velmar {

class TCustomWypowiedzenie;
class TCustomWypSlowo;
class TOdpowiedziUzytkownika;

// A source paragraph: from the position asked for up to the next paragraph break
// ('\r') or the end of the stretch.
struct TAkapitZrodlowy {
    std::string Text;   // in the source language's code page, without the break
    TFormatTekstu Runs; // offsets from the position asked for
    TAtrybutyAkapitu Attributes;
};

// The forms the rendering of a word used, kept so that a corrected translation can be
// rendered in the same form afterwards.
struct TStanGeneracji {
    int Case = -1;
    int Number = -1;
    int Gender = -1;
    int Person = -1;
    int Tense = -1;
    int FormCode = -1;

    bool operator==(const TStanGeneracji&) const = default;
};

// One word of an utterance as the windows follow it between the panes. Offsets are
// relative to the utterance's start in the source, or to the start of the utterance's
// output in the target; End is exclusive.
struct TSledzSlowo {
    int Start = 0;
    int End = 0;
    int Sequence = 0; // 0 for the first word of a list, then +1
    std::string Text;
    std::string Lemma;
    TStanGeneracji Generation;
};

// Why a span is written in a marking style.
enum class TZaznaczenieTekstu : std::uint8_t {
    Brak,
    Nieprzetlumaczone, // a word to translate that has no translation: written in the source
    Wieloznaczne,      // a rendering that still holds "{"
};

struct TFragmentWyniku {
    std::string Text; // in the code page of Language
    std::uint8_t Language = 0;
    TAtrybutyTekstu Attributes; // the source run's format, with a mark's style and colour
    TZaznaczenieTekstu Mark = TZaznaczenieTekstu::Brak;

    bool operator==(const TFragmentWyniku&) const = default;
};

// What one utterance (its bracketed utterances included) writes into the target.
struct TWynikWypowiedzenia {
    std::vector<TFragmentWyniku> Fragments;
    int SourceStart = -1; // the utterance's span in the source; −1 when not followed
    int SourceEnd = -1;
    std::vector<TSledzSlowo> SourceWords; // empty unless word following is on
    std::vector<TSledzSlowo> TargetWords;

    std::string Text() const; // the fragments' texts one after another
};

// How a run ended, for the window's termination handler.
enum TBladTlumaczenia : int { btBrak = 0, btBrakPamieci = 1, btInny = 2 };

struct TKoniecTlumaczenia {
    int Error = btBrak;
    bool Interrupted = false; // stopped by the user in mid-paragraph: message 113
};

// A column of the meanings grid: the source word and its translations rendered.
struct TKolumnaZnaczen {
    std::string Source;
    std::vector<std::string> Translations;
};

class TTranslatorHost {
public:
    virtual ~TTranslatorHost() = default;

    // ---- the run
    // The run begins: the target's current end is where this run's output starts.
    virtual void BeginRun() = 0;
    virtual int SourceLength() = 0;
    // Up to count characters of the source from position (paragraph breaks as '\r').
    virtual std::string SourceCharacters(int position, int count) = 0;
    virtual TAkapitZrodlowy TakeParagraph(int start, int stretchEnd) = 0;
    // Pane backups; failures are the host's to ignore.
    virtual void SaveSourceBackup() = 0;
    virtual void SaveTargetBackup() = 0;
    virtual void SetProgressRange(int start, int end) = 0;
    virtual void SetProgress(int position) = 0;
    // A message of the interface text table (128 out of memory, 129 other failures).
    virtual void ShowError(int textId) = 0;
    // Called last, after everything the run made is freed.
    virtual void Finished(const TKoniecTlumaczenia& end) = 0;

    // ---- writing
    // "KopiujTekstZrodlowy" 3: the source span with its formatting, then a line break.
    virtual void CopySourceParagraph(int start, int end) = 0;
    // Selects each span in the source and gives it the unknown-word style.
    virtual void MarkUnknown(const std::vector<std::pair<int, int>>& spans) = 0;
    virtual void WriteUtterance(const TWynikWypowiedzenia& utterance) = 0;
    // The paragraph is done: its attributes go to the target paragraph (unless
    // applyAttributes is false), then lineBreaks line breaks follow.
    virtual void EndParagraph(const TAtrybutyAkapitu& attributes, bool applyAttributes, int lineBreaks) = 0;
    // The utterances' analysis listing of one paragraph, when the run writes listings.
    virtual void WriteListing(const std::string& listing) = 0;
    // "KopiujTekstZrodlowy" 1 (before the translation) or 2 (after it): the source
    // stretch with its formatting.
    virtual void CopySourceToTarget(int start, int end, bool beforeTranslation) = 0;
    virtual void ArchivePair(const std::string& source, const std::string& target) = 0;

    // ---- the user's choices: each call opens a window (or answers at once) and
    // returns; the worker then waits for the answer in answers.
    // Modes 3, 4, 6, 7: one translation of a word with several.
    virtual void OpenMeaningChoice(TCustomWypowiedzenie& utterance, TCustomWypSlowo& word,
                                   TOdpowiedziUzytkownika& answers) = 0;
    // Mode 2: the manual window on the utterance, from its first word.
    virtual void OpenWordChoice(TCustomWypowiedzenie& utterance, TOdpowiedziUzytkownika& answers) = 0;
    // Mode 1: the meanings grid.
    virtual void OpenGridChoice(const std::vector<TKolumnaZnaczen>& columns, TOdpowiedziUzytkownika& answers) = 0;
    // Modes 8 to 12: whether to list the first 1000 of count interpretations
    // (message 120); then the list of whole-sentence variants.
    virtual bool AskManyInterpretations(int count) = 0;
    virtual void OpenInterpretationChoice(const std::vector<std::string>& variants,
                                          TOdpowiedziUzytkownika& answers) = 0;
    // Sentence by sentence: the pause after a paragraph opens; it ends with the answer
    // "continue" or a stop, and then ResumeAfterPause follows.
    virtual void PauseAfterParagraph(TOdpowiedziUzytkownika& answers) = 0;
    virtual void ResumeAfterPause() = 0;
};

} // namespace velmar
