#pragma once
// The window of the user's dictionaries (Narzędzia › Słowniki użytkownika): each
// registered dictionary with its file, description and number of headwords, the
// current one marked. The user creates, registers, changes and deletes dictionaries and
// chooses the current one. Nothing is kept before OK: the window works on a copy of the
// registry, and only OK moves and deletes files, writes the registry to the settings and
// loads another current dictionary; Cancel leaves every file as it was.

#include <QDialog>
#include <string>

#include "core/dictionaries/untSlownikiUzytkownika.h"

class QPushButton;
class QTreeWidget;

namespace velmar {

class TSlowniki;
enum class TRodzajSlownikaUzytkownika;

class TfrmSlownikiUzytkownika : public QDialog {
    Q_OBJECT
public:
    // The registry of the working mode is read from the settings store.
    explicit TfrmSlownikiUzytkownika(TSlowniki& dictionaries, QWidget* parent = nullptr);

    // The buttons; each acts on the selected row. Usun asks first and deletes the
    // entry with its file (on OK); the default dictionary cannot be deleted.
    void Dodaj();
    void Otworz();
    void Edytuj();
    void Usun();
    void UstawBiezacy();
    // OK: what the window changed is made real (see above).
    void Zatwierdz();

    const TSlownikiUzytkownika& Registry() const { return registry_; }

    QTreeWidget* tvSlowniki_ = nullptr;
    QPushButton* btnDodaj_ = nullptr;
    QPushButton* btnOtworz_ = nullptr;
    QPushButton* btnEdytuj_ = nullptr;
    QPushButton* btnUsun_ = nullptr;
    QPushButton* btnBiezacy_ = nullptr;
    QPushButton* btnOK_ = nullptr;

private:
    void CreateButtons();
    void Fill(int selectedRow);
    void UpdateButtons();
    int SelectedRow() const;
    // Opens the dialog of one dictionary on the registry copy; true when it changed it.
    bool ShowDialog(TRodzajSlownikaUzytkownika kind, int index);
    int HeadwordCount(const TSlownikUzytkownika& entry) const;
    // The user lines in memory belong to loadedFile_: written there before any file
    // moves, then the current file is loaded when it is another.
    void LoadCurrent(bool filesChanged);

    TSlowniki& dictionaries_;
    std::string key_;
    TSlownikiUzytkownika registry_;
    // The file whose lines are loaded now; follows a change of its name.
    std::string loadedFile_;
};

// Opens the window over the program's dictionaries.
void PokazSlownikiUzytkownika(QWidget* parent);

} // namespace velmar
