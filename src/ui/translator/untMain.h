#pragma once
// The translator window: the source pane above the target pane, the translation
// commands with the busy state of a running translation, and the progress in the
// status bar.

#include <QKeySequence>
#include <QMainWindow>

#include "ui/translator/untSledzOkno.h"
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

class QAction;
class QEvent;
class QMenu;
class QPrinter;
class QPushButton;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QToolBar;
class QToolButton;
class QTextDocument;
class QTextEdit;
class QSplitter;

namespace velmar {

class TGospodarzOkna;
class TNaglowekPanelu;
class TSiatkaZnaczen;
class TfrmPoZdaniu;
class TfrmTlumaczReczne;
class TfrmTlumaczZdanie;
class TPanel;
class TPanelSlownika;
class TPasekPostepu;
class TSlownikiRobocze;
class TTranslatorThread;
class TfrmFrekwencja;
class TfrmZamien;
class TfrmZnajdz;
struct TKoniecTlumaczenia;
enum TAkcjaSzukania : int;

// A file the user chose, with the type of the format list's entry chosen (tpDowolny:
// decided by the name).
struct TWybranyPlik {
    QString Name; // empty: cancelled
    int Type = 6;
};
// Asks for a file to open, or to save under a proposed name; tests answer in its place.
using TWyborPliku = std::function<TWybranyPlik(bool forSaving, const QString& proposed)>;

// A sentence of a pane: [Start, End) in pane positions.
struct TZakresZdania {
    int Start = 0;
    int End = 0;
};
// The sentence around a position, within its paragraph: from after the previous
// sentence end to its own end mark(s).
TZakresZdania SentenceAt(const QTextDocument& document, int position);

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    QTextEdit* SourcePane() const { return redGora_; }
    QTextEdit* TargetPane() const { return redDol_; }

    // Tools menu: the sentence archive window, and adding the selected pair to it.
    QAction* ArchiveAction() const { return actArchiwumZdan_; }
    QAction* AddToArchiveAction() const { return actArchiwumZdanDodaj_; }
    // Tools menu: the dictionary window with the word at the caret.
    QAction* DictionaryAction() const { return actSlownik_; }
    // Edit menu: the find and replace windows over the active pane.
    QAction* FindAction() const { return actSzukaj_; }
    QAction* ReplaceAction() const { return actZamien_; }
    TfrmZnajdz* FindWindow() const { return frmZnajdz_; }
    TfrmZamien* ReplaceWindow() const { return frmZamien_; }
    // The pane that last had the focus: the one find and replace work on.
    QTextEdit* ActivePane() const { return activePane_; }
    // Tools menu: the spell checker of the source pane (F7), its options, and the
    // frequency analysis of the source pane.
    QAction* SpellCheckAction() const { return actPisownia_; }
    QAction* SpellOptionsAction() const { return actPisowniaOpcje_; }
    QAction* FrequencyAction() const { return actFrekwencja_; }
    TfrmFrekwencja* FrequencyWindow() const { return frmFrekwencja_; }
    // Options menu: the translator options window.
    QAction* OptionsAction() const { return actOpcje_; }
    // File menu: a new, empty pair of documents.
    QAction* NewAction() const { return actNowy_; }
    // Translation menu; "Tłumacz" stops a running translation.
    QAction* TranslateAction() const { return actTlumacz_; }
    QAction* TranslateFromCaretAction() const { return actTlumaczOdKursora_; }
    QAction* TranslateToCaretAction() const { return actTlumaczDoKursora_; }
    QAction* TranslateSelectionAction() const { return actTlumaczZaznaczenie_; }
    QAction* TranslateBySentenceAction() const { return actTlumaczPoZdaniu_; }
    // Translates the sentence chosen by sentence following again, in its place; shown
    // only while such a sentence is chosen.
    QAction* RetranslateAction() const { return actPonowniePrzetlumacz_; }
    // The clipboard translated, appended to the target or replacing it; the clipboard
    // import switch.
    QAction* TranslateClipboardAction(bool append) const
    {
        return append ? actTlumaczSchowekDolacz_ : actTlumaczSchowekNowy_;
    }
    QAction* ClipboardImportAction() const { return actImportuj_; }
    // The clipboard changed: imported into the source when the import is on and the
    // program is not the active one.
    void ImportClipboard();
    // The translation mode button with its drop-down, and the direction swap.
    QToolButton* ModeButton() const { return btnTrybPracy_; }
    QMenu* ModeMenu() const { return pmnTrybPracy_; }
    QAction* SwapDirectionAction() const { return actZmienKierunek_; }
    // Lets a translation paused after a sentence go on.
    QPushButton* ContinueButton() const;
    // The choices during a translation: the manual window, the interpretation list, the
    // sentence-by-sentence window and the meanings grid.
    TfrmTlumaczReczne* ManualWindow() const { return frmTlumaczReczne_; }
    TfrmTlumaczZdanie* InterpretationWindow() const { return frmTlumaczZdanie_; }
    TfrmPoZdaniu* SentenceWindow() const { return frmPoZdaniu_; }
    TSiatkaZnaczen* MeaningsGrid() const { return pnlMiddle_; }
    TPasekPostepu* Progress() const { return postep_; }
    // The dictionary pane (placed by the settings' "TransSlownik") and the sentence-pair
    // view with its command.
    TPanelSlownika* DictionaryPane() const { return pnlTransSlownik_; }
    QAction* SentencePairsAction() const { return actZdania_; }
    QTextEdit* SentencePairs(int side) const { return side == 1 ? redZdaniaRight_ : redZdaniaLeft_; }

    // File menu: the file dialogs' replacement (tests); opening a file into the source
    // (false, with the message shown, when it cannot be read).
    void SetFileChooser(TWyborPliku chooser);
    bool OpenFile(const QString& fileName);
    // The pane backups of the working mode into the panes (settings applied).
    void RestorePaneBackups();
    // Following: the sentence (or, with word following alone, the word) at position in
    // a pane (0 source, 1 target) is selected with its counterpart in the other pane;
    // false when the followers know none. A double click in a pane does this.
    bool FollowAt(int pane, int position);
    const TSledzOkno& Follower(int pane) const { return pane == 1 ? sledzDol_ : sledzGora_; }
    // Autocorrection: the option, and the menu of meanings for the translated word at a
    // target position (nullptr when the option is off, the target cannot be edited now
    // or the word has nothing to offer).
    QAction* AutocorrectionAction() const { return actAutokorekta_; }
    QMenu* CorrectionMenu(int position);
    // The header above a pane: 0 source, 1 target.
    TNaglowekPanelu* PaneHeader(int index) const;

    // The global hot key was pressed: the selection of another program is looked up or
    // translated, as the hot key options say.
    void HotKeyPressed();

    // A translation is running (the window refuses document and translation commands).
    bool Busy() const;
    // Translates the source from start to end (−1: its start, its end) into the target.
    void Translate(int start, int end, bool sentenceBySentence = false);

    // Sets the caption of the window for the current direction.
    void UpdateTitle();
    // Every caption again in the interface language (captions-refreshed listener).
    void RefreshCaptions();

signals:
    // The dictionary window is to show text (the hot key with "HotKeySlownik").
    void LookUpRequested(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Follows which pane has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreatePaneBox(QTextEdit*& edit, TNaglowekPanelu*& header, const char* editName, const char* headerName);
    void CreateMenus();
    // A menu command with its object name, caption text id and shortcut.
    QAction* AddCommand(QMenu* menu, const char* name, int textId, const QKeySequence& shortcut,
                        std::function<void()> run);
    void CreateTranslationMenu(QMenu* menu);
    // Which panes a run reads and writes, and the followers that record it (none: the
    // run is not followed).
    struct TPrzebieg {
        TPanel& Source;
        TPanel& Target;
        TSledzOkno* SourceFollower = nullptr;
        TSledzOkno* TargetFollower = nullptr;
    };
    // Starts the worker; afterwards runs when the run ends without a stop or a failure.
    void StartRun(const TPrzebieg& run, int start, int end, bool sentenceBySentence,
                  std::function<void()> afterwards = {});
    void SetBusy(bool busy);
    // A source that looks hard-wrapped: question 110, then its single line breaks go,
    // with the stretch's positions moved along.
    void OfferLineBreakRemoval(int& start, int& end);
    void SetPaused(bool paused);
    void CreateChoiceWindows();
    void ConnectChoiceWindows();
    // The run no longer waits: every choice window lets go of its answers.
    void DetachChoiceWindows();
    // Enables every command by the busy state, the selection and the active pane.
    void UpdateCommands();
    // Documents (untMainDokumenty.cpp).
    void CreateFileMenu();
    TWybranyPlik ChooseFile(bool forSaving, const QString& proposed);
    int ActivePaneIndex() const;
    QTextEdit* Pane(int index) const;
    TPanel& PanelOf(int index) const;
    QString DocumentName(int index) const;
    void RefreshPaneCaptions();
    // Saves a pane's document under its name (asking for one when it has none or
    // askName); false when cancelled or failed.
    bool SavePane(int index, bool askName);
    // Question 103 for each modified pane; false when the user cancels or a save fails.
    bool OfferToSaveDocuments(std::initializer_list<int> panes = {0, 1});
    void ClearDocuments();
    void NewDocuments();
    void OpenChosenFile();
    void AppendChosenFile();
    void ImportChosenFile();
    void ExportActivePane();
    QPrinter& Printer();
    void PrintActivePane();
    void RememberRecentFile(const QString& fileName);
    void ForgetRecentFile(const QString& fileName);
    void OpenRecentFile(std::size_t index);
    void RebuildRecentFiles();
    // Following (untMainSledzenie.cpp).
    void CreateFollowingCommands(QMenu* menu);
    void FollowPaneEdits(QTextEdit* pane);
    bool FollowSentence(int pane, int position);
    bool FollowWord(int pane, int position);
    // An edit of a pane by the user: the followed sentence is no longer the one translated.
    void ForgetRetranslation();
    // Retranslation (untMainPonownie.cpp): the followed sentence into the hidden pane,
    // then into its place in the target.
    void Retranslate();
    void TakeRetranslation();
    // The dictionary pane and the sentence pairs (untMainWidok.cpp).
    void CreateViews();
    void CreateViewCommands(QMenu* menu);
    void PlaceDictionaryPane();
    void FollowCaretInDictionary();
    void ShowSentencePairs(bool on);
    // Translation mode and direction (untMainTryb.cpp).
    void CreateModeCommands(QMenu* optionsMenu);
    void CheckTranslationMode();
    void SwapDirection();
    // The clipboard (untMainSchowek.cpp).
    void CreateClipboardCommands(QMenu* translationMenu, QMenu* toolsMenu);
    void TranslateClipboard(bool append);
    void SetClipboardImport(bool on);
    // The formatting toolbar and the layout (untMainFormat.cpp).
    void CreateFormatBar();
    // Merged into the selection (or the word at the caret) of the active pane.
    void MergeFormat(const QTextCharFormat& format);
    void SetBullets(bool on);
    void Indent(int step);
    void ShowFormatAtCaret();
    void CreateLayoutCommands(QMenu* optionsMenu);
    // The split, the bars and the dictionary pane as the settings say.
    void ApplyLayout();
    // The global hot key's service for this window (untMainGoracyKlawisz.cpp).
    void InstallHotKey();
    // Autocorrection (untMainKorekta.cpp).
    void CreateCorrectionCommands(QMenu* menu);
    void Correct(const TMiejsceSlowa& place, const QString& text);
    // Editing commands (untMainEdycja.cpp).
    void CreateEditingCommands(QMenu* menu);
    void SelectSentence(bool extend);
    // The worker has ended (on the window thread).
    void TranslationEnded(const TKoniecTlumaczenia& end);
    // Stops a translation still running and waits for its end without letting it
    // touch the window again.
    void AbandonTranslation();
    // Help menu: the inflection window and the about box.
    void CreateHelpMenu();
    // Edit menu and the find and replace windows (untMainSzukaj.cpp).
    void CreateEditMenu();
    void ShowFindWindow(bool replace);
    void FindWindowAction(TfrmZnajdz& window, TAkcjaSzukania action);
    void ReplaceWindowAction(TfrmZnajdz& window, TAkcjaSzukania action);
    // Selects the next occurrence in the active pane from the caret on; false at the end
    // of the pane or when stop was set (stop is cleared either way).
    bool FindNext(const QString& text, bool wholeWords, bool matchCase, bool& stop);
    // After "find next": the caret moves behind the selection, and a miss is reported.
    void FindFromSelectionEnd(const TfrmZnajdz& window, bool& stop);
    void ReplaceOne(const TfrmZamien& window);
    void ReplaceAll(TfrmZamien& window);
    void ReportNotFound(const QString& text);
    // Tools menu: spell checking and frequency analysis (untMainNarzedzia.cpp).
    void CreateTextTools(QMenu* menu);
    void CheckSpelling();

    QSplitter* splitterSlownik_ = nullptr; // the dictionary pane beside splitter_
    QSplitter* splitter_ = nullptr;
    TPanelSlownika* pnlTransSlownik_ = nullptr;
    QWidget* pnlZdania_ = nullptr;
    QTextEdit* redZdaniaLeft_ = nullptr;
    QTextEdit* redZdaniaRight_ = nullptr;
    QAction* actZdania_ = nullptr;
    QAction* actAutokorekta_ = nullptr;
    QToolBar* tbrMain_ = nullptr;
    QToolButton* btnTrybPracy_ = nullptr;
    QMenu* pmnTrybPracy_ = nullptr;
    QAction* actZmienKierunek_ = nullptr;
    QAction* actTlumaczSchowekDolacz_ = nullptr;
    QAction* actTlumaczSchowekNowy_ = nullptr;
    QAction* actImportuj_ = nullptr;
    int modeListener_ = 0;
    QToolBar* tbrFormat_ = nullptr;
    QFontComboBox* cmbCzcionka_ = nullptr;
    QComboBox* cmbRozmiar_ = nullptr;
    QAction* actPogrubienie_ = nullptr;
    QAction* actKursywa_ = nullptr;
    QAction* actPodkreslenie_ = nullptr;
    QActionGroup* alignments_ = nullptr;
    QAction* actWypunktowanie_ = nullptr;
    QAction* actWidok_ = nullptr;
    QAction* actPasekNarz_ = nullptr;
    QAction* actPasekFormat_ = nullptr;
    QAction* actPasekStanu_ = nullptr;
    QMenu* pmnZnaczenia_ = nullptr;
    QTextEdit* redGora_ = nullptr;
    QTextEdit* redDol_ = nullptr;
    TNaglowekPanelu* lblTransTop_ = nullptr;
    TNaglowekPanelu* lblTransBottom_ = nullptr;
    TWyborPliku chooser_;
    std::unique_ptr<QPrinter> printer_;
    QAction* actOtworz_ = nullptr;
    QAction* actZapisz_ = nullptr;
    QAction* actZapiszJako_ = nullptr;
    QAction* actDolaczPlik_ = nullptr;
    QAction* actImport_ = nullptr;
    QAction* actEksport_ = nullptr;
    QAction* actWordEksport_ = nullptr;
    QAction* actDrukuj_ = nullptr;
    QAction* actUstawieniaDrukarki_ = nullptr;
    QAction* actWyslijTlumaczenie_ = nullptr;
    std::array<QAction*, 4> recentFiles_{};
    QAction* recentSeparator_ = nullptr;
    QAction* actCofnij_ = nullptr;
    QAction* actWytnij_ = nullptr;
    QAction* actKopiuj_ = nullptr;
    QAction* actWklej_ = nullptr;
    QAction* actWyczysc_ = nullptr;
    QAction* actZaznaczWszystko_ = nullptr;
    QAction* actZaznaczZdanie_ = nullptr;
    QAction* actRozszerzZaznaczenie_ = nullptr;
    QAction* actUsunPrzeklad_ = nullptr;
    QAction* actTlumaczBiezaceZdanie_ = nullptr;
    QAction* actSledzZdania_ = nullptr;
    QAction* actSledzSlowa_ = nullptr;
    TSledzOkno sledzGora_, sledzDol_;
    QAction* actPonowniePrzetlumacz_ = nullptr;
    int retranslated_ = -1; // the followed sentence's index, −1 when none
    // The hidden pane a retranslation writes into, with its followers.
    QTextEdit* redUkryty_ = nullptr;
    std::unique_ptr<TPanel> panelUkryty_;
    TSledzOkno sledzUkrytyZrodlo_, sledzUkryty_;
    // The window itself is changing a pane: its followers are kept by hand.
    bool changingPanes_ = false;
    std::function<void()> afterRun_;
    QAction* actArchiwumZdan_ = nullptr;
    QAction* actArchiwumZdanDodaj_ = nullptr;
    QAction* actSlownik_ = nullptr;
    QAction* actOpcje_ = nullptr;
    QAction* actSzukaj_ = nullptr;
    QAction* actZamien_ = nullptr;
    QAction* actPisownia_ = nullptr;
    QAction* actPisowniaOpcje_ = nullptr;
    QAction* actFrekwencja_ = nullptr;
    QAction* actUsunZnaki_ = nullptr;
    TfrmZnajdz* frmZnajdz_ = nullptr;
    TfrmZamien* frmZamien_ = nullptr;
    TfrmFrekwencja* frmFrekwencja_ = nullptr;
    QTextEdit* activePane_ = nullptr;
    bool stopFind_ = false;
    bool stopReplace_ = false;
    QAction* actNowy_ = nullptr;
    QAction* actTlumacz_ = nullptr;
    QAction* actTlumaczOdKursora_ = nullptr;
    QAction* actTlumaczDoKursora_ = nullptr;
    QAction* actTlumaczZaznaczenie_ = nullptr;
    QAction* actTlumaczPoZdaniu_ = nullptr;
    TfrmTlumaczReczne* frmTlumaczReczne_ = nullptr;
    TfrmTlumaczZdanie* frmTlumaczZdanie_ = nullptr;
    TfrmPoZdaniu* frmPoZdaniu_ = nullptr;
    TSiatkaZnaczen* pnlMiddle_ = nullptr;
    TPasekPostepu* postep_ = nullptr;
    int captionsListener_ = 0;
    int appliedListener_ = 0;
    int recentFilesListener_ = 0;
    int layoutListener_ = 0;
    bool closeWhenEnded_ = false;

    std::unique_ptr<TPanel> panelGora_, panelDol_;
    std::unique_ptr<TSlownikiRobocze> workerDictionaries_;
    std::unique_ptr<TGospodarzOkna> host_;
    std::unique_ptr<TTranslatorThread> worker_; // after host_: goes first
};

} // namespace velmar
