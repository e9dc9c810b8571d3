#pragma once
// The replace window: the find window's search text and options with a replacement,
// the commands to replace one occurrence or all of them, and the progress of replacing
// all, which can be stopped.

#include "ui/tools/untZnajdz.h"

class QProgressBar;

namespace velmar {

class TfrmZamien : public TfrmZnajdz {
    Q_OBJECT
public:
    explicit TfrmZamien(QWidget* parent = nullptr);

    // When idle again the progress bar goes back to its start.
    void SetBusy(bool busy) override;

    QString ReplacementText() const;
    QLineEdit* ReplacementBox() const { return edtZamien_; }
    QPushButton* ReplaceButton() const { return btnZamien_; }
    QPushButton* ReplaceAllButton() const { return btnZamienWszystko_; }
    QProgressBar* Progress() const { return prbPostep_; }

protected:
    // Finding the next occurrence leaves the window idle: it changes nothing.
    void FindNextClicked() override;
    void UpdateButtons() override;

private:
    QLabel* lblZamien_ = nullptr;
    QLineEdit* edtZamien_ = nullptr;
    QPushButton* btnZamien_ = nullptr;
    QPushButton* btnZamienWszystko_ = nullptr;
    QProgressBar* prbPostep_ = nullptr;
};

} // namespace velmar
