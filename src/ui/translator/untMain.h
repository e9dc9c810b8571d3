#pragma once
// The translator window: the source pane above the target pane.

#include <QMainWindow>

class QTextEdit;
class QSplitter;

namespace velmar {

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    QTextEdit* SourcePane() const { return redGora_; }
    QTextEdit* TargetPane() const { return redDol_; }

    // Sets the caption of the window for the current direction.
    void UpdateTitle();

private:
    void CreateMenus();

    QSplitter* splitter_ = nullptr;
    QTextEdit* redGora_ = nullptr;
    QTextEdit* redDol_ = nullptr;
};

} // namespace velmar
