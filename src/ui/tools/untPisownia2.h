#pragma once
// The spell-check dialog: it runs the checker over the source pane from the caret,
// shows each unknown word with the proposals as they are found, and hands the user's
// decision (ignore, ignore all, change, change all, add, stop) back to the checker. It
// closes by itself at the end of the text.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "core/tools/untPisownia.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmar {

class TPanel;

class TfrmPisownia2 : public QDialog {
    Q_OBJECT
public:
    // Adds an unknown word (8-bit) to the user dictionary; true when it was added.
    using TDodajSlowo = std::function<bool(const std::string& word)>;

    // A run over pane from its caret; settings holds the options, which the options
    // window may change during the run.
    TfrmPisownia2(TPanel& pane, TSlownikiPisowni dictionaries, TOpcjeUstawien& settings, TDodajSlowo addWord,
                  QWidget* parent = nullptr);
    ~TfrmPisownia2() override;

    // Runs the check modally; returns when the text ends or the user stops.
    int Run();

    QLabel* WordLabel() const { return lblSlowo_; }
    QLineEdit* ReplacementBox() const { return edtZmien_; }
    QListWidget* ProposalList() const { return lstPropozycje_; }
    QPushButton* IgnoreButton() const { return btnIgnoruj_; }
    QPushButton* IgnoreAllButton() const { return btnIgnorujWszystkie_; }
    QPushButton* ChangeButton() const { return btnZmien_; }
    QPushButton* ChangeAllButton() const { return btnZmienWszystkie_; }
    QPushButton* AddButton() const { return btnDodaj_; }
    QPushButton* OptionsButton() const { return btnOpcje_; }
    QPushButton* CloseButton() const { return btnZamknij_; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void CreateControls();
    QPushButton* MakeDecisionButton(int textId, const char* name, TDecyzjaPisowni decision);
    // Shows the next unknown word with its proposals, or ends the run.
    void NextWord();
    void ShowProposals();
    // A decision made while proposals are still coming in waits for them to stop.
    void Decide(TDecyzjaPisowni decision);
    void AddWord();
    void UpdateChangeButtons();

    class TTekstPanelu;
    std::unique_ptr<TTekstPanelu> text_;
    TOpcjeUstawien& settings_;
    std::uint8_t language_;
    TSprawdzaniePisowni checker_;
    TDodajSlowo addWord_;
    bool started_ = false;
    bool proposing_ = false;
    bool decided_ = false;
    TDecyzjaPisowni decision_ = dpIgnoruj;

    QLabel* lblBrak_ = nullptr;
    QLabel* lblSlowo_ = nullptr;
    QLabel* lblZmien_ = nullptr;
    QLineEdit* edtZmien_ = nullptr;
    QLabel* lblPropozycje_ = nullptr;
    QListWidget* lstPropozycje_ = nullptr;
    QPushButton* btnIgnoruj_ = nullptr;
    QPushButton* btnIgnorujWszystkie_ = nullptr;
    QPushButton* btnZmien_ = nullptr;
    QPushButton* btnZmienWszystkie_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;
    QPushButton* btnOpcje_ = nullptr;
    QPushButton* btnZamknij_ = nullptr;
};

} // namespace velmar
