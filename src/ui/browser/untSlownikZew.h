#pragma once
// The dictionary window: the headwords of the main dictionary of the current direction,
// with the user's own headwords merged in, on the left; the entry of the selected
// headword on the right; above them the search box with incremental search, the
// history and the letter bar. In the dictionary modes it is the main window; beside the
// translator it is a secondary window that stays on top.
//
// The list box holds only the rows of one page; a separate scroll bar is the position in
// the whole list, so a dictionary of any size is browsed by decoding only the rows shown.
// Typing and keyboard movement in the list render only after a pause, so that only the
// final word or row is rendered.

#include <QMainWindow>
#include <QPrinter>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/browser/untSlownikZew.h"
#include "ui/browser/untWidokHasla.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QSplitter;
class QTextBrowser;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace velmar {

class TfrmNotatki;
class TfrmSzukaj;
class TSlowniki;

class TfrmSlownikZew : public QMainWindow {
    Q_OBJECT
public:
    // Reads the window instances of the dictionaries (main, user, forms) of the set.
    explicit TfrmSlownikZew(TSlowniki& dictionaries, QWidget* parent = nullptr);
    ~TfrmSlownikZew() override;

    // Shows the entry of an 8-bit word of the source language, as if the user typed it.
    void LookUp(const std::string& word);
    void LookUpWide(const QString& word);
    // While off, a word written into the search box is searched at once, without the
    // typing delay (the translator window feeding the word at its caret).
    void SetTypingDelay(bool on) { typingDelayOn_ = on; }
    // The list from the top again, after the dictionaries were reloaded.
    void ResetList();
    // The notes window that the note commands and printing use; not owned.
    void SetNotesWindow(TfrmNotatki* notes) { notes_ = notes; }

    // Settings listeners.
    void ApplySettings();
    void RefreshCaptions();
    void SaveGeometry();

    // The user dictionary gained or lost the headword index, placed before main headword
    // mainPosition: the list shows the change and keeps its selected row.
    void OnUserEntryAdded(int index, int mainPosition);
    void OnUserEntryDeleted(int index, int mainPosition);

    // Pattern search over main and user headwords; shows the matches as the list.
    void SearchPattern(const QString& pattern);

    QLineEdit* SearchBox() const { return edtSzukaj_; }
    QListWidget* HeadwordList() const { return lsbSlownik_; }
    QScrollBar* ListScrollBar() const { return scbSlownik_; }
    QTextBrowser* EntryView() const { return redSlownik_; }
    QToolBar* LetterBar() const { return tbrLitery_; }
    QPushButton* ShowAllButton() const { return btnPokazWszystkie_; }
    QPushButton* SearchButton() const { return btnSzukaj_; }
    // The headword of the entry on display; empty when none.
    const std::string& CurrentHeadword() const { return currentHeadword_; }
    const THistoriaHasel& History() const { return historia_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // ---- construction
    void CreateControls();
    void CreateToolBars();
    QToolBar* CreateSearchBar();
    void CreateLetterBar();
    void CreateActions();
    void CreateMenus();
    void CreateHistoryButtons(QToolBar* bar);
    void RegisterListeners();
    void PlaceOnScreen();
    QAction* NewAction(const char* name, int textId, const QKeySequence& shortcut = {});

    // ---- the list
    void UpdateCounts();
    int RowHeight() const;
    void FillPage(int top);
    void SelectGlobal(int position);
    void SelectRow(int row);
    void ReselectRow(int row);
    void ListResized();
    bool ListKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void ListClick();
    void ListMousePressed();
    void LetterClicked(const QString& letter);
    void SetFilterView(bool on);

    // ---- the entry
    void ShowRow(int row, bool clearFirst);
    void ReshowCurrent();
    void ShowWord(const std::string& word);
    void SearchTextChanged();
    void SearchTimerElapsed();
    void SearchButtonClicked();
    // Empties the search box without searching.
    void ClearSearchBox();

    // ---- history
    void HistoryAdd(const std::string& word);
    void HistoryGo(int k);
    void UpdateHistoryActions();
    void BuildHistoryMenus();
    void FillHistoryMenu(QMenu* menu, int from, int to);

    // ---- commands
    void SwapDirection();
    void ApplyLetterBar();
    void ApplyOnTop();
    void UpdateLetterBar();
    void UpdateSearchButton();
    void UpdateChecks();
    void UpdateTitle();
    void UpdateHints();
    void AddNote();
    void ShowNotes();
    void Print();
    void PrinterSetup();
    void CopyEntry();
    void CopySelection();
    void ChooseInterfaceFont();
    void ChooseDictionaryFont();
    void ApplyFonts();
    void SetPronunciation(int mode);
    void ShowPatternSearch();

    TSlowniki& slowniki_;
    bool dictionaryMode_;
    std::unique_ptr<TWidokHasla> widok_;
    TPozycjeHasel pozycje_;
    THistoriaHasel historia_;
    std::vector<TWierszStrony> strona_; // the rows of the page
    int rowsPerPage_ = 0;
    std::string currentHeadword_;
    int currentRow_ = 0;
    bool busy_ = false;
    bool swapping_ = false;
    bool typingDelayOn_ = true;
    bool mouseFlag_ = false;
    QTimer editTimer_;
    QTimer listTimer_;
    QPrinter printer_;
    TfrmNotatki* notes_ = nullptr;
    TfrmSzukaj* frmSzukaj_ = nullptr;
    std::vector<std::function<void()>> rozlaczenia_; // removes the settings listeners

    QSplitter* splSlownik_ = nullptr;
    QWidget* pnlListaSlow_ = nullptr;
    QListWidget* lsbSlownik_ = nullptr;
    QScrollBar* scbSlownik_ = nullptr;
    QTextBrowser* redSlownik_ = nullptr;
    QTextEdit* redSlownikUkryty_ = nullptr;
    QTextEdit* redPrint_ = nullptr;
    QToolBar* tbrLitery_ = nullptr;
    QLineEdit* edtSzukaj_ = nullptr;
    QPushButton* btnSzukaj_ = nullptr;
    QPushButton* btnPokazWszystkie_ = nullptr;
    QAction* actPokazWszystkie_ = nullptr; // its place in the tool bar
    QToolButton* btnHistoriaBack_ = nullptr;
    QToolButton* btnHistoriaNext_ = nullptr;
    QMenu* mniHistoria_ = nullptr;
    QMenu* mnuHistoriaBack_ = nullptr;
    QMenu* mnuHistoriaNext_ = nullptr;
    QMenu* mniWymowa_ = nullptr;

    QAction* actSzukaj_ = nullptr;
    QAction* actDodajWyraz_ = nullptr;
    QAction* actDodajNotatke_ = nullptr;
    QAction* actNotatki_ = nullptr;
    QAction* actDrukuj_ = nullptr;
    QAction* actUstawieniaDrukarki_ = nullptr;
    QAction* actKoniec_ = nullptr;
    QAction* actKopiujHaslo_ = nullptr;
    QAction* actEditCopy_ = nullptr;
    QAction* actHistoriaBack_ = nullptr;
    QAction* actHistoriaNext_ = nullptr;
    QAction* actSzybkieSzukanie_ = nullptr;
    QAction* actZawszeNaWierzchu_ = nullptr;
    QAction* actLitery_ = nullptr;
    QAction* actCzcionkaInterfejsu_ = nullptr;
    QAction* actCzcionkaSlownika_ = nullptr;
    QAction* actWymowa_[3] = {};
    QAction* actPokazujBiezaceSlowo_ = nullptr;
    QAction* actWyswietlajZwroty_ = nullptr;
    QAction* actSlownik_[2] = {}; // the two directions: French source, Polish source
    QAction* actJezykInterfejsu_[2] = {};
    QAction* actZamknijWew_ = nullptr;
};

} // namespace velmar
