#pragma once
// The translator window: the source pane above the target pane, the translation
// commands with the busy state of a running translation, and the progress in the
// status bar.

#include <QMainWindow>
#include <memory>

class QAction;
class QEvent;
class QMenu;
class QPushButton;
class QTextEdit;
class QSplitter;

namespace velmar {

class TGospodarzOkna;
class TPanel;
class TPasekPostepu;
class TSlownikiRobocze;
class TTranslatorThread;
class TfrmFrekwencja;
class TfrmZamien;
class TfrmZnajdz;
struct TKoniecTlumaczenia;
enum TAkcjaSzukania : int;

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
    // Lets a translation paused after a sentence go on.
    QPushButton* ContinueButton() const { return btnKontynuuj_; }
    TPasekPostepu* Progress() const { return postep_; }

    // A translation is running (the window refuses document and translation commands).
    bool Busy() const;
    // Translates the source from start to end (−1: its start, its end) into the target.
    void Translate(int start, int end, bool sentenceBySentence = false);

    // Sets the caption of the window for the current direction.
    void UpdateTitle();
    // Every caption again in the interface language (captions-refreshed listener).
    void RefreshCaptions();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Follows which pane has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateTranslationMenu(QMenu* menu);
    QAction* AddTranslationAction(QMenu* menu, const char* name, int textId);
    void SetBusy(bool busy);
    void SetPaused(bool paused);
    void UpdateTranslationCommands();
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

    QSplitter* splitter_ = nullptr;
    QTextEdit* redGora_ = nullptr;
    QTextEdit* redDol_ = nullptr;
    QAction* actArchiwumZdan_ = nullptr;
    QAction* actArchiwumZdanDodaj_ = nullptr;
    QAction* actSlownik_ = nullptr;
    QAction* actOpcje_ = nullptr;
    QAction* actSzukaj_ = nullptr;
    QAction* actZamien_ = nullptr;
    QAction* actPisownia_ = nullptr;
    QAction* actPisowniaOpcje_ = nullptr;
    QAction* actFrekwencja_ = nullptr;
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
    QPushButton* btnKontynuuj_ = nullptr;
    TPasekPostepu* postep_ = nullptr;
    int captionsListener_ = 0;
    bool closeWhenEnded_ = false;

    std::unique_ptr<TPanel> panelGora_, panelDol_;
    std::unique_ptr<TSlownikiRobocze> workerDictionaries_;
    std::unique_ptr<TGospodarzOkna> host_;
    std::unique_ptr<TTranslatorThread> worker_; // after host_: goes first
};

} // namespace velmar
