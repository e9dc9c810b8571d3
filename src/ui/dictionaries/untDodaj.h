#pragma once
// The add-word window "Dopisywanie wyrazu": the headwords of the current user dictionary
// and the meanings of the selected one, with buttons to add and delete headwords and
// meanings (the add-to-dictionary dialog does the adding), and a quick-add page that
// takes many "word+letter+translation" items at once. F10 in the translator window and
// in the dictionary window open it.

#include <QDialog>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/app/untUtils.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace velmar {

class TfrmDodajDoSU;
class TProfileTekstu;
class TSlownikDopisan;
class TTransSlownikGlowny;

class TfrmDodaj : public QDialog {
    Q_OBJECT
public:
    // user: the window thread's instance of the user dictionary that editing changes.
    TfrmDodaj(TTransSlownikGlowny& user, TSlownikDopisan& editing, const TProfileTekstu& profiles,
              std::uint8_t interfaceLanguage, QWidget* parent = nullptr);

    // Shows the window; a word given (the word at the caller's caret) is offered at once
    // in the add-to-dictionary dialog.
    void Wykonaj(const TWide& word);

    // The buttons. The add ones open the add-to-dictionary dialog: without a word for a
    // new headword, with the selected headword for a new meaning.
    void DodajHaslo(const TWide& word = {});
    void UsunHaslo();
    void DodajZnaczenie();
    // Deletes the selected meaning; the headword goes when it was its last.
    void UsunZnaczenie();
    // The quick-add page: adds what fits, says how many, leaves the rest in the editor.
    void DodajSzybko();

    TfrmDodajDoSU& Dialog() const { return *dialog_; }

    QTabWidget* tabStrony_ = nullptr;
    QListWidget* lsbHasla_ = nullptr;
    QTreeWidget* tvZnaczenia_ = nullptr;
    QPushButton* btnDodajHaslo_ = nullptr;
    QPushButton* btnUsunHaslo_ = nullptr;
    QPushButton* btnDodajZnaczenie_ = nullptr;
    QPushButton* btnUsunZnaczenie_ = nullptr;
    QPlainTextEdit* edtSzybkie_ = nullptr;
    QPushButton* btnSzybkie_ = nullptr;

private:
    QWidget* CreateListPage();
    QWidget* CreateQuickPage();
    QString HeadwordText(int index) const;
    void FillHeadwords();
    void ShowMeanings();
    void SelectHeadword(int row);
    // The headword line added at (or extended at) index.
    void ShowAdded(int index);
    void DeleteHeadword(int row);
    // Writes the user dictionary, so that another running window finds the change in
    // the file too.
    void Save();

    TTransSlownikGlowny& user_;
    TSlownikDopisan& editing_;
    const TProfileTekstu& profiles_;
    std::uint8_t jezykInterfejsu_;
    TfrmDodajDoSU* dialog_ = nullptr;
    // (sub-record, meaning) of each row of the meanings list.
    std::vector<std::pair<int, int>> meaningRows_;
};

// Opens the add-word window over the program's user dictionary, offering word (when
// not empty) in the add-to-dictionary dialog at once.
void DodajDoSlownikaUzytkownika(QWidget* parent, const TWide& word);

} // namespace velmar
