#pragma once
// The entry view of the dictionary window: an entry, or the entries an inflected form
// belongs to, written as styled rich text into a read-only text view. Hidden meanings
// and notes are written invisibly and recorded as ranges, so that copying and printing
// can leave them out.

#include <functional>
#include <string>
#include <vector>

class QTextBrowser;
class QTextEdit;

namespace velmar {

class TOdwolania;
class TTransSlownikSlowo;

// What showing an inflected form asks of the window around the view.
struct TPrzegladarkaHasel {
    std::function<void(const std::string& word)> HistoryAdd;
    // Selects main-dictionary headword mainIndex in the headword list.
    std::function<void(int mainIndex)> SelectMain;
};

class TWidokHasla {
public:
    TWidokHasla(QTextBrowser* view, QTextEdit* workCopy, TPrzegladarkaHasel browser);

    // Empties the view and the hidden ranges.
    void ClearView();
    // Appends the whole entry. group: a sub-record group label, empty for all;
    // prefix: written before the headword; formCode: 0, or the code of the inflected
    // form the entry is shown for (sub-records of other word classes are left out).
    void RenderEntry(const TTransSlownikSlowo& entry, const std::string& group, bool small,
                     bool showPhrases, const std::string& prefix, int formCode);
    // Appends the entries the typed word is a form of; alreadyShown: the word itself
    // is a headword whose entry is on display already.
    void ShowForms(const TOdwolania& readings, const std::string& word, bool small, bool alreadyShown);
    // Copies characters [start, start + length) of the view without the hidden text,
    // into destination, or to the clipboard when destination is null.
    void CopyVisible(int start, int length, QTextEdit* destination);

    const std::vector<std::string>& HiddenRanges() const { return hiddenRanges_; }

private:
    QTextBrowser* view_;
    QTextEdit* workCopy_;
    TPrzegladarkaHasel browser_;
    std::vector<std::string> hiddenRanges_;
};

} // namespace velmar
