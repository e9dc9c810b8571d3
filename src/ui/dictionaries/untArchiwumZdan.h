#pragma once
// The sentence archive windows: the archive window, where the user browses, searches and
// edits the stored sentence pairs, and the modal dialog that adds a sentence, adds a
// translation or edits one. Both work on the window instance of the archive.

#include <QDialog>
#include <QWidget>
#include <cstdint>
#include <string>

#include "core/app/untUtils.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QStatusBar;

namespace velmar {

class TTransSlownikZdan;
class TTransUstawienia;

// What the add dialog does with its two texts.
enum class TTrybDodawania {
    NoweZdanie = 0,        // a new sentence with its translation
    NoweTlumaczenie = 1,   // one more translation of a stored sentence
    EdycjaTlumaczenia = 2, // replaces one translation of a stored sentence
};

class TfrmArchiwumZdanDodaj : public QDialog {
    Q_OBJECT
public:
    TfrmArchiwumZdanDodaj(TTransSlownikZdan& archive, std::uint8_t interfaceLanguage, QWidget* parent = nullptr);

    // Fills the boxes (the translation is remembered as the one to replace) and shows
    // the dialog modally; QDialog::Accepted once the archive has been changed.
    int Open(const QString& sentence, const QString& translation, TTrybDodawania mode);

    QLineEdit* SentenceBox() const { return edtZdanie_; }
    QLineEdit* TranslationBox() const { return edtTlumaczenie_; }
    QPushButton* AddButton() const { return btnDodaj_; }

private:
    void CreateControls();
    void Prepare(const QString& sentence, const QString& translation, TTrybDodawania mode);
    void UpdateAddButton();
    void btnDodajClick();
    // Tells the user why a text cannot be stored; true when both texts can be.
    bool TextsAcceptable(const std::string& sentence, const std::string& translation) const;

    TTransSlownikZdan& archive_;
    std::uint8_t jezykInterfejsu_;
    TTrybDodawania tryb_ = TTrybDodawania::NoweZdanie;
    std::string stareTlumaczenie_;

    QLabel* lblZdanie_ = nullptr;
    QLabel* lblTlumaczenie_ = nullptr;
    QLineEdit* edtZdanie_ = nullptr;
    QLineEdit* edtTlumaczenie_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;
    QPushButton* btnAnuluj_ = nullptr;
};

class TfrmArchiwumZdan : public QWidget {
    Q_OBJECT
public:
    // Takes over the archive's sentence events while it exists.
    TfrmArchiwumZdan(TTransSlownikZdan& archive, TTransUstawienia& settings, QWidget* parent = nullptr);
    ~TfrmArchiwumZdan() override;

    void RefreshCaptions();
    // The similarity degree is offered here only in the product that lets users tune it.
    void ApplySettings();
    // The add dialog in one of its modes; returns its result (QDialog::Accepted…).
    int OpenDialog(const std::string& sentence, const std::string& translation, TTrybDodawania mode);

    int RowsPerPage() const { return wierszy_; }
    int TopRecord() const;

    QLineEdit* SearchBox() const { return edtSzukaj_; }
    QCheckBox* WholeWordsBox() const { return chbCaleSlowa_; }
    QCheckBox* MatchCaseBox() const { return chbMatchCase_; }
    QPushButton* SearchButton() const { return btnSzukaj_; }
    QPushButton* ShowAllButton() const { return btnPokazWszystkie_; }
    QListWidget* SentenceList() const { return lsbZdania_; }
    QScrollBar* SentenceScrollBar() const { return scbZdania_; }
    QListWidget* TranslationList() const { return lsbTlum_; }
    QPushButton* AddButton() const { return btnDodaj_; }
    QPushButton* DeleteButton() const { return btnUsun_; }
    QPushButton* AddTranslationButton() const { return btnDodajTlum_; }
    QPushButton* DeleteTranslationButton() const { return btnUsunTlum_; }
    QPushButton* EditTranslationButton() const { return btnEdytujTlum_; }
    QCheckBox* UseArchiveBox() const { return chbUzywajArchiwum_; }
    QCheckBox* TranslationsToArchiveBox() const { return chbTlumaczenieDoArchiwum_; }
    QSpinBox* PercentBox() const { return updProcent_; }
    QStatusBar* StatusBar() const { return stbZdania_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateSearchRow();
    QWidget* CreateOptionsRow();
    void ConnectControls();

    // Paging: the list shows RowsPerPage records from the scroll bar's position.
    void RecomputePage();
    void ShowPage(int top, int row);
    bool HandleListKey(int key, Qt::KeyboardModifiers modifiers);
    int SelectedRecord() const;
    std::string SelectedSentence() const;
    std::string SelectedTranslation() const;
    void FillTranslations(int selectRow);
    void UpdateButtons();
    void ShowCountStatus(int textId, int count);
    void ShowStatus(const TWide& text);
    TWide Text(int id) const;

    void btnSzukajClick();
    void btnPokazWszystkieClick();
    void btnDodajClick();
    void btnUsunClick();
    void btnDodajTlumClick();
    void btnEdytujTlumClick();
    void btnUsunTlumClick();
    void SentenceAdded(int index);
    void SentenceDeleted(int index);

    TTransSlownikZdan& archive_;
    TTransUstawienia& settings_;
    int wierszy_ = 1;
    int sluchaczUstawien_ = 0;
    int sluchaczNapisow_ = 0;

    QLabel* lblSzukaj_ = nullptr;
    QLineEdit* edtSzukaj_ = nullptr;
    QCheckBox* chbCaleSlowa_ = nullptr;
    QCheckBox* chbMatchCase_ = nullptr;
    QPushButton* btnSzukaj_ = nullptr;
    QPushButton* btnPokazWszystkie_ = nullptr;
    QLabel* lblZdania_ = nullptr;
    QListWidget* lsbZdania_ = nullptr;
    QScrollBar* scbZdania_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;
    QPushButton* btnUsun_ = nullptr;
    QLabel* lblTlum_ = nullptr;
    QListWidget* lsbTlum_ = nullptr;
    QPushButton* btnDodajTlum_ = nullptr;
    QPushButton* btnUsunTlum_ = nullptr;
    QPushButton* btnEdytujTlum_ = nullptr;
    QCheckBox* chbUzywajArchiwum_ = nullptr;
    QCheckBox* chbTlumaczenieDoArchiwum_ = nullptr;
    QWidget* pnlProcent_ = nullptr;
    QSpinBox* updProcent_ = nullptr;
    QPushButton* btnZamknij_ = nullptr;
    QStatusBar* stbZdania_ = nullptr;
};

} // namespace velmar
