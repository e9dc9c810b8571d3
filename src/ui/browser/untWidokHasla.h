#pragma once
// The entry view of the dictionary window: an entry, or the entries an inflected form
// belongs to, written as styled rich text into a read-only text view. Hidden meanings
// and notes are written invisibly and recorded as ranges, so that copying and printing
// can leave them out.

#include <functional>
#include <string>
#include <vector>

#include "core/browser/untWidokHasla.h"

class QTextBrowser;
class QTextCursor;
class QTextEdit;

namespace velmar {

class TTransSlownikSlowo;

// What showing an inflected form asks of the window around the view.
struct TPrzegladarkaHasel {
    std::function<void(const std::string& word)> HistoryAdd;
    // Selects main-dictionary headword mainIndex in the headword list.
    std::function<void(int mainIndex)> SelectMain;
};

// The languages, working mode, pronunciation setting and dictionaries an entry is
// shown for, asked again for every entry.
using TKontekstWidoku = std::function<TKontekstHasla()>;

// The context of the running program: its languages and working mode, the interface
// language and "WyswietlajWymowe" of the settings, the window-thread dictionaries.
TKontekstHasla ProgramEntryContext();

class TWidokHasla {
public:
    // workCopy: a hidden text edit that copies are made through. context: by default
    // ProgramEntryContext.
    TWidokHasla(QTextBrowser* view, QTextEdit* workCopy, TPrzegladarkaHasel browser, TKontekstWidoku context = {});

    // Empties the view and the hidden ranges.
    void ClearView();
    // Appends the whole entry. group: a sub-record group label, empty for all;
    // prefix: written before the headword; formCode: 0, or the code of the inflected
    // form the entry is shown for (sub-records of other word classes are left out).
    void RenderEntry(const TTransSlownikSlowo& entry, const std::string& group, bool small, bool showPhrases,
                     const std::string& prefix, int formCode);
    // Appends the entries the typed word is a form of; alreadyShown: the word itself
    // is a headword whose entry is on display already.
    void ShowForms(const TOdwolania& readings, const std::string& word, bool small, bool alreadyShown);
    // Copies characters [start, start + length) of the view without the hidden text,
    // into destination, or to the clipboard when destination is null.
    void CopyVisible(int start, int length, QTextEdit* destination);

    const std::vector<std::string>& HiddenRanges() const { return hiddenRanges_; }

private:
    // Writes the pieces at the end of the view, recording the hidden ones.
    void Append(const TKawalkiHasla& pieces);
    void Write(QTextCursor& cursor, const TKawalekHasla& piece);

    QTextBrowser* view_;
    QTextEdit* workCopy_;
    TPrzegladarkaHasel browser_;
    TKontekstWidoku context_;
    std::vector<std::string> hiddenRanges_;
};

} // namespace velmar
