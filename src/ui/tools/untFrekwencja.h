#pragma once
// The frequency analysis window: it counts the words (and optionally the phrases) of
// the source pane by the kind of analysis chosen, shows the items the dictionaries know
// and the words they do not, most frequent first, and saves each list as UTF-8 text.
// A run processes window events between paragraphs, so its stop button acts at once.

#include <QElapsedTimer>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace velmar {

class TPanel;
class TTransSlownikGlowny;
class TTransSlownikOdwolan;
struct TOpcjeAnalizy;

class TfrmFrekwencja : public QWidget {
    Q_OBJECT
public:
    // The lists the window shows and saves.
    enum TLista { lsZnalezione = 0, lsZwroty = 1, lsNieZnalezione = 2 };

    TfrmFrekwencja(TPanel& source, TTransSlownikOdwolan& forms, TTransSlownikGlowny& main, QWidget* parent = nullptr);
    ~TfrmFrekwencja() override;

    // "&Analizuj": starts a run, or asks the running one to stop.
    void Analyse();
    bool Running() const { return running_; }
    // Writes a list as UTF-8 text, atomically; false (the old file kept) on failure.
    bool SaveList(TLista list, const QString& file) const;

    QPushButton* AnalyseButton() const { return btnAnalizuj_; }
    QRadioButton* KindButton(int kind) const;
    QCheckBox* PhrasesBox() const { return chbSzukajZwrotow_; }
    QCheckBox* PhrasesApartBox() const { return chbZwrotyOsobno_; }
    QCheckBox* KeepApostrophesBox() const { return chbNieRozdzielaj_; }
    QCheckBox* MergeCaseBox() const { return chbLaczLitery_; }
    QPlainTextEdit* ListPane(TLista list) const { return panes_[list]; }
    QLabel* StepLabel() const { return lblKrok_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    TOpcjeAnalizy Options() const;
    void SetRunning(bool running);
    void ShowTimes();
    void SaveWithDialog(TLista list);

    TPanel& source_;
    TTransSlownikOdwolan& forms_;
    TTransSlownikGlowny& main_;
    bool running_ = false;
    bool stopRequested_ = false;
    int paragraphsDone_ = 0;
    int paragraphCount_ = 0;
    QElapsedTimer clock_;

    QButtonGroup* grpRodzaj_ = nullptr;
    QCheckBox* chbSzukajZwrotow_ = nullptr;
    QCheckBox* chbZwrotyOsobno_ = nullptr;
    QCheckBox* chbNieRozdzielaj_ = nullptr;
    QCheckBox* chbLaczLitery_ = nullptr;
    QPushButton* btnAnalizuj_ = nullptr;
    QLabel* lblKrok_ = nullptr;
    QLabel* lblCzasDzialania_ = nullptr;
    QLabel* lblCzasPozostaly_ = nullptr;
    QTimer* zegar_ = nullptr;
    QPlainTextEdit* panes_[3] = {};
};

} // namespace velmar
