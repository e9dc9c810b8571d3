#pragma once
// The interpretation list: every whole-sentence variant of an utterance; the chosen
// one answers the waiting worker, "Zakończ" stops the translation.

#include <QStringList>

#include "ui/translator/untOknoWyboru.h"

class QListWidget;
class QPushButton;

namespace velmar {

class TfrmTlumaczZdanie : public TOknoWyboru {
    Q_OBJECT
public:
    explicit TfrmTlumaczZdanie(QWidget* parent);

    void Fill(const QStringList& variants, TOdpowiedziUzytkownika& answers);

    QListWidget* Variants() const { return lsbZdania_; }
    QPushButton* ChooseButton() const { return btnWybierz_; }
    QPushButton* EndButton() const { return btnKoniec_; }

private:
    void Choose();

    QListWidget* lsbZdania_;
    QPushButton* btnWybierz_;
    QPushButton* btnKoniec_;
};

} // namespace velmar
