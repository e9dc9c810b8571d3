#pragma once
// The dialog "Edycja profilu" that adds a user text profile or changes one: its name and
// the profiles it covers. The product's profiles cannot be changed; a new profile takes
// the lowest free code from 61, and when every code up to 255 is taken the dialog says
// so instead of opening.

#include <QDialog>
#include <cstdint>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmar {

class TProfileTekstu;

class TfrmDodajProfil : public QDialog {
    Q_OBJECT
public:
    TfrmDodajProfil(TProfileTekstu& profiles, std::uint8_t interfaceLanguage, QWidget* parent = nullptr);

    // Modal; true when the profile list changed.
    bool AddProfile();
    bool ModifyProfile(int row);

    // The steps around the modal run. Prepare… fills the dialog (false: nothing to
    // edit, and for a new profile the message that no code is free was shown); Apply…
    // changes the list from what the dialog holds.
    bool PrepareAdd();
    bool PrepareModify(int row);
    bool ApplyAdd();
    bool ApplyModify(int row);

    QLineEdit* edtProfilNazwa_ = nullptr;
    QListWidget* lsbProfile_ = nullptr;
    QPushButton* btnOK_ = nullptr;

private:
    void FillProfiles(const std::vector<bool>& checked);
    std::vector<int> CheckedRows() const;

    TProfileTekstu& profiles_;
    std::uint8_t jezykInterfejsu_;
};

} // namespace velmar
