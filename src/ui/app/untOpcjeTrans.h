#pragma once
// The translator options window: every translator option of the settings in tabs,
// captioned in the interface language. "Zatwierdź" copies the options back in one step;
// the caller then applies a changed direction or interface language
// (TTransUstawienia::ApplyOptionsChanges with WybranyJezykInterfejsu()).

#include <QDialog>
#include <vector>

#include "core/app/untUstawienia.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeySequenceEdit;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

namespace velmar {

class TfraOpcjeKlawiatura;

class TfrmOpcjeTrans : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpcjeTrans(QWidget* parent = nullptr);
    ~TfrmOpcjeTrans() override;

    // Every option into the controls.
    void Wczytaj(const TTransUstawienia& settings);
    // The controls back into the settings; records whether the direction and the
    // interface language were changed.
    void Zatwierdz(TTransUstawienia& settings);
    // The interface language chosen in the window.
    std::uint8_t WybranyJezykInterfejsu() const;

    // Shows the window on the program's settings; on "Zatwierdź" stores the options and
    // applies a changed direction or interface language. True when confirmed.
    static bool Wykonaj(QWidget* parent);

private:
    struct TPoleWyboru;
    struct TZnacznik;

    void UtworzTlumaczenie(QTabWidget* tabs);
    void UtworzTekstFrancuski(QTabWidget* tabs);
    void UtworzTekstPolski(QTabWidget* tabs);
    void UtworzArchiwum(QTabWidget* tabs);
    void UtworzInterfejs(QTabWidget* tabs);
    void UtworzGoracyKlawisz(QTabWidget* tabs);
    void UtworzProfile(QTabWidget* tabs);
    // The working copy of the profiles into the list, its check marks kept.
    void PokazProfile();
    // Check marks of the list into the working copy.
    void ZapamietajWybraneProfile();
    void DodajProfil();
    void ModyfikujProfil();
    void UsunProfil();
    void OdswiezPrzyciskiProfili();
    QCheckBox* Pole(QVBoxLayout* layout, int idNapisu, bool TOpcjeUstawien::*pole, const char* nazwa);
    QButtonGroup* Grupa(QVBoxLayout* layout, int idTytulu, std::initializer_list<int> idNapisow, const char* nazwa);
    void OdswiezNapisyOkna();

    std::vector<TPoleWyboru> pola_;
    std::vector<TZnacznik> znaczniki_;
    QButtonGroup* grpTryb_ = nullptr;
    QVBoxLayout* pnlTryby_ = nullptr;
    QButtonGroup* grpSzybkosc_ = nullptr;
    QButtonGroup* grpKierunek_ = nullptr;
    QButtonGroup* grpJezyk_ = nullptr;
    QButtonGroup* grpPodmiot_ = nullptr;
    QButtonGroup* grpFrPodmiot_ = nullptr;
    QButtonGroup* grpFrOdbiorca_ = nullptr;
    QButtonGroup* grpVous_ = nullptr;
    QComboBox* cmbKopiujTekst_ = nullptr;
    QSpinBox* edtArchiwumProcent_ = nullptr;
    QLineEdit* edtRozszerzenie_ = nullptr;
    QCheckBox* chbHotKeyWlacz_ = nullptr;
    QKeySequenceEdit* edtHotKey_ = nullptr;
    QListWidget* lsbRodzajTekstu_ = nullptr;
    QPushButton* btnProfilDodaj_ = nullptr;
    QPushButton* btnProfilModyfikuj_ = nullptr;
    QPushButton* btnProfilUsun_ = nullptr;
    TfraOpcjeKlawiatura* fraKlawiatura_ = nullptr;
    // The profiles as edited in the window, stored only on "Zatwierdź".
    TProfileTekstu profile_;
    std::vector<std::uint8_t> kodyTrybow_;
    std::uint8_t jezykNaWejsciu_ = 0;
    int sluchacz_ = 0;
};

// The global hot key as stored (a virtual key and the modifier flags 1 Alt, 2 Control,
// 4 Shift, 8 Meta) and as a key combination of the window system.
int QtKeyCombination(int virtualKey, int modifiers);
bool StoredHotKey(int combination, int& virtualKey, int& modifiers);

} // namespace velmar
