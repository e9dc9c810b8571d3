#pragma once
// The pattern search window of the dictionary window: a pattern in which "?" stands
// for any character, matched against every headword with or without letter case and
// as whole words or anywhere. The two choices are kept in the settings.

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmar {

class TfrmSzukaj : public QDialog {
    Q_OBJECT
public:
    // search: runs the search of the dictionary window for a pattern.
    explicit TfrmSzukaj(std::function<void(const QString& pattern)> search, QWidget* parent = nullptr);

    // Shows the window with the choices of the settings.
    void Open();
    void RefreshCaptions();

    QLineEdit* PatternBox() const { return edtSzukaj_; }
    QPushButton* SearchButton() const { return btnSzukaj_; }
    QCheckBox* MatchCaseBox() const { return chbMatchCase_; }
    QCheckBox* WholeWordBox() const { return chbWholeWord_; }

private:
    void CreateControls();

    std::function<void(const QString&)> search_;
    QLineEdit* edtSzukaj_ = nullptr;
    QCheckBox* chbMatchCase_ = nullptr;
    QCheckBox* chbWholeWord_ = nullptr;
    QPushButton* btnSzukaj_ = nullptr;
};

} // namespace velmar
