#pragma once
// The dialog of one user dictionary, in three kinds: a new dictionary (a file that can
// be created), an existing file to register, and a new file or description for a
// registered one. It changes the registry it is given; when the registry refuses, it
// says why and stays open.

#include <QDialog>
#include <string>

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace velmar {

class TSlownikiUzytkownika;

enum class TRodzajSlownikaUzytkownika { Nowy, Istniejacy, Zmiana };

class TfrmSlownikiUzytkownikaDodaj : public QDialog {
    Q_OBJECT
public:
    // index: the entry a Zmiana changes (its file and description are shown).
    TfrmSlownikiUzytkownikaDodaj(TSlownikiUzytkownika& registry, TRodzajSlownikaUzytkownika kind, int index,
                                 QWidget* parent = nullptr);

    // "OK": registers or changes the entry; false, with the reason shown, when the
    // registry refuses.
    bool Zatwierdz();

    QLineEdit* edtPlik_ = nullptr;
    QLineEdit* edtOpis_ = nullptr;
    QPushButton* btnPrzegladaj_ = nullptr;
    QPushButton* btnOK_ = nullptr;

private:
    void Browse();
    // The typed file as an absolute path; a new dictionary without an extension gets
    // ".suz".
    std::string ChosenFile() const;

    TSlownikiUzytkownika& registry_;
    TRodzajSlownikaUzytkownika kind_;
    int index_;
};

// Puts the OK and Anuluj buttons at the foot of a user-dictionary window; Anuluj
// rejects. Returns the OK button, for the window to connect.
QPushButton* AddOkAndCancel(QDialog& dialog, QBoxLayout& layout);

} // namespace velmar
