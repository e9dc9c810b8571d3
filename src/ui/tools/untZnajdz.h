#pragma once
// The find window: a small stay-on-top window that collects the search text and its
// two options (whole words, match case) and reports its button presses to the
// translator window, which searches its active pane.

#include <QWidget>
#include <cstdint>
#include <functional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmar {

// What a find or replace window asks the translator window to do.
enum TAkcjaSzukania : int {
    asZnajdzNastepny = 0,
    asZamien = 1,
    asZamienWszystko = 2,
    asStop = 3,
};

class TfrmZnajdz : public QWidget {
    Q_OBJECT
public:
    using THandler = std::function<void(TfrmZnajdz& window, TAkcjaSzukania action)>;

    explicit TfrmZnajdz(QWidget* parent = nullptr);
    ~TfrmZnajdz() override;

    void SetOnSearchAction(THandler handler) { onSearchAction_ = std::move(handler); }
    // The language of the active pane (tag 1: the target pane), in which the national
    // letter shortcuts of the text boxes type.
    virtual void SetPaneLanguage(int paneTag);
    std::uint8_t PaneLanguage() const { return paneLanguage_; }
    // True while the translator window works on a request of this window.
    virtual void SetBusy(bool busy);
    bool Busy() const { return busy_; }

    QString SearchText() const;
    void SetSearchText(const QString& text);
    bool WholeWords() const;
    bool MatchCase() const;

    QLineEdit* SearchBox() const { return edtZnajdz_; }
    QCheckBox* WholeWordsBox() const { return chbTylkoCaleWyrazy_; }
    QCheckBox* MatchCaseBox() const { return chbUwzgledniajWielkoscLiter_; }
    QPushButton* FindNextButton() const { return btnZnajdzNastepny_; }
    QPushButton* CancelButton() const { return btnAnuluj_; }

    void RefreshCaptions();

protected:
    // A window of the same controls under another caption (the replace window).
    TfrmZnajdz(QWidget* parent, int captionId, const char* objectName);
    void Report(TAkcjaSzukania action);
    virtual void FindNextClicked();
    // Enables the commands that need a search text and an idle window.
    virtual void UpdateButtons();
    void closeEvent(QCloseEvent* event) override;

    QGridLayout* grid_ = nullptr;
    QPushButton* btnZnajdzNastepny_ = nullptr;
    QPushButton* btnAnuluj_ = nullptr;

private:
    void CreateControls();

    THandler onSearchAction_;
    std::uint8_t paneLanguage_ = 0;
    bool busy_ = false;
    int captionsListener_ = 0;
    QLabel* lblZnajdz_ = nullptr;
    QLineEdit* edtZnajdz_ = nullptr;
    QCheckBox* chbTylkoCaleWyrazy_ = nullptr;
    QCheckBox* chbUwzgledniajWielkoscLiter_ = nullptr;
};

} // namespace velmar
