#pragma once
// The sentence-by-sentence window: after each paragraph the worker waits here while
// the user may correct the panes; "Kontynuuj" lets it go on, "Zakończ" stops it.

#include "ui/translator/untOknoWyboru.h"

class QPushButton;

namespace velmar {

class TfrmPoZdaniu : public TOknoWyboru {
    Q_OBJECT
public:
    explicit TfrmPoZdaniu(QWidget* parent);

    void Open(TOdpowiedziUzytkownika& answers);

    QPushButton* ContinueButton() const { return btnKontynuuj_; }
    QPushButton* StopButton() const { return btnPrzerwij_; }

private:
    QPushButton* btnKontynuuj_;
    QPushButton* btnPrzerwij_;
};

} // namespace velmar
