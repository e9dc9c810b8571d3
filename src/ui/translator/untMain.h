#pragma once
// The translator window: the source pane above the target pane.

#include <QMainWindow>

class QAction;
class QTextEdit;
class QSplitter;

namespace velmar {

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
    // Options menu: the translator options window.
    QAction* OptionsAction() const { return actOpcje_; }

    // Sets the caption of the window for the current direction.
    void UpdateTitle();
    // Every caption again in the interface language (captions-refreshed listener).
    void RefreshCaptions();

private:
    void CreateMenus();
    // Help menu: the inflection window and the about box.
    void CreateHelpMenu();

    QSplitter* splitter_ = nullptr;
    QTextEdit* redGora_ = nullptr;
    QTextEdit* redDol_ = nullptr;
    QAction* actArchiwumZdan_ = nullptr;
    QAction* actArchiwumZdanDodaj_ = nullptr;
    QAction* actSlownik_ = nullptr;
    QAction* actOpcje_ = nullptr;
    int captionsListener_ = 0;
};

} // namespace velmar
