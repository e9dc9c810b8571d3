#pragma once
// The inflection window: the user types a French verb and sees its conjugation, one
// tense under another, singular and plural side by side. It stays on top of the other
// windows; closing only hides it.

#include <QWidget>
#include <functional>
#include <string>

#include "core/browser/untOdmieniacz.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace velmar {

class TTransSlownikGlowny;

class TfrmOdmieniacz : public QWidget {
    Q_OBJECT
public:
    // The French-Polish dictionary whose headwords and codes the window reads.
    using TSlownikOdmiany = std::function<TTransSlownikGlowny&()>;

    explicit TfrmOdmieniacz(QWidget* parent = nullptr);
    ~TfrmOdmieniacz() override;

    // By default the window thread's dictionary of the running program.
    void SetDictionary(TSlownikOdmiany dictionary) { slownik_ = std::move(dictionary); }

    // The table of word (8-bit) in the grid; a word that is not a verb of the dictionary
    // empties the grid.
    void RebuildInflectionTable(const std::string& word);
    void RefreshCaptions();
    // The edit and the grid take the dictionary font of the settings.
    void ApplyFonts();

    QLabel* WordLabel() const { return lblSlowo_; }
    QLineEdit* WordBox() const { return edtSlowo_; }
    QTableWidget* Grid() const { return sgrOdmiana_; }
    QPushButton* CloseButton() const { return btnZamknij_; }

private:
    void CreateControls();
    void ShowTable(const TOdmianaTabArray& table);

    TSlownikOdmiany slownik_;
    int sluchaczCzcionek_ = 0;
    int sluchaczNapisow_ = 0;

    QLabel* lblSlowo_ = nullptr;
    QLineEdit* edtSlowo_ = nullptr;
    QTableWidget* sgrOdmiana_ = nullptr;
    QPushButton* btnZamknij_ = nullptr;
};

// Shows the inflection window of parent, made on the first call and centred on parent
// then; later calls bring the same window forward.
void ShowInflectionWindow(QWidget* parent);

} // namespace velmar
