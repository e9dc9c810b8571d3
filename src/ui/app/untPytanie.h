#pragma once
// The question window: one message with the button set OK, Yes/No or Yes/No/Cancel,
// titled "Uwaga" in the interface language.

#include <QDialog>
#include <QList>

#include "core/app/untPytanie.h"

class QLabel;
class QPushButton;
class QHBoxLayout;

namespace velmar {

class TfrmPytanie : public QDialog, public TPytajacy {
    Q_OBJECT
public:
    explicit TfrmPytanie(QWidget* parent = nullptr);

    // Shows the question modally and returns the button pressed; Escape or closing the
    // window gives the answer that changes nothing.
    TOdpowiedz Zapytaj(const TWide& tekst, TPrzyciski przyciski) override;

    // Sets up the window for a question without showing it.
    void Przygotuj(const TWide& tekst, TPrzyciski przyciski);
    TOdpowiedz Odpowiedz() const { return odpowiedz_; }

    QLabel* Tekst() const { return lblTekst_; }
    const QList<QPushButton*>& Przyciski() const { return przyciski_; }

private:
    void DodajPrzycisk(int idNapisu, TOdpowiedz odpowiedz, bool domyslny);
    void reject() override;

    QLabel* lblTekst_ = nullptr;
    QHBoxLayout* pnlPrzyciski_ = nullptr;
    QList<QPushButton*> przyciski_;
    TOdpowiedz odpowiedz_ = TOdpowiedz::Anuluj;
    TOdpowiedz anulowanie_ = TOdpowiedz::Anuluj;
};

} // namespace velmar
