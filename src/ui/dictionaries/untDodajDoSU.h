#pragma once
// The dialog "Dodaj do słownika": a word (fixed when the caller gives it), its
// translation, the part of speech and the text profiles the meaning belongs to, added to
// the current user dictionary. The add-word window opens it.

#include <QDialog>
#include <cstdint>
#include <string>

#include "core/app/untUtils.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmar {

class TProfileTekstu;
class TSlownikDopisan;

class TfrmDodajDoSU : public QDialog {
    Q_OBJECT
public:
    TfrmDodajDoSU(TSlownikDopisan& editing, const TProfileTekstu& profiles, std::uint8_t interfaceLanguage,
                  QWidget* parent = nullptr);

    // Shows the dialog for the word (empty: the user types it) and returns the line of
    // the user dictionary it was added at, −1 when cancelled.
    int Wykonaj(const TWide& word);
    // Fills the fields for a new addition (what Wykonaj does before showing).
    void Przygotuj(const TWide& word);
    // The "Dodaj" button: checks the texts (a message says what is wrong) and adds.
    bool Dodaj();
    int Wynik() const { return wynik_; }

    QLineEdit* edtWyraz_ = nullptr;
    QLineEdit* edtTlumaczenie_ = nullptr;
    QButtonGroup* grpCzescMowy_ = nullptr;
    QListWidget* lsbProfile_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;

private:
    TSlownikDopisan& editing_;
    const TProfileTekstu& profiles_;
    std::uint8_t jezykInterfejsu_;
    int wynik_ = -1;
};

// The caption of the part of speech a sub-record code stands for in a dictionary of
// the source language; the code itself when it is not one the dialog offers.
QString NazwaCzesciMowy(const std::string& code, std::uint8_t sourceLanguage);

} // namespace velmar
