#pragma once
// The window of the words not to translate (names, brands): the translation copies them
// as they are. The user adds and deletes words; the list stays sorted.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmar {

class TTransSlownikNieTlum;

class TfrmSlowaNietlumaczone : public QDialog {
    Q_OBJECT
public:
    TfrmSlowaNietlumaczone(TTransSlownikNieTlum& words, QWidget* parent = nullptr);

    // "Dodaj": the trimmed word of the box, selected in the list; the box is emptied.
    void Dodaj();
    // "Usuń": the selected word.
    void Usun();

    QLineEdit* edtSlowo_ = nullptr;
    QListWidget* lsbSlowa_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;
    QPushButton* btnUsun_ = nullptr;

private:
    void Wypelnij();
    // The list is saved after each change: another running window may save it too.
    void Zapisz();

    TTransSlownikNieTlum& words_;
};

} // namespace velmar
