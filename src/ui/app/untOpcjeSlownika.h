#pragma once
// The options window of the dictionary modes ("Konfiguracja"): interface language, which
// user dictionary the dictionary modes use, what is printed, the six colours of the
// entry view, the keyboard page and the hot key. The values are copied in when the
// window is shown and back only on "Zatwierdź".

#include <QDialog>
#include <QKeyCombination>
#include <array>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace velmar {

class TTransUstawienia;
class TfraOpcjeKlawiatura;

class TfrmOpcjeSlZew : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpcjeSlZew(QWidget* parent = nullptr);

    void Wczytaj(const TTransUstawienia& settings);
    void Zatwierdz(TTransUstawienia& settings) const;
    // A colour chosen for sample tag 1–6 (6: the background of every sample).
    void UstawKolor(int tag, std::uint32_t colour);
    // A combination typed into the hot-key box: shown when the program can use it,
    // else refused with a message.
    bool UstawGoracyKlawisz(QKeyCombination key);

    // Shows the window on the program's settings; after "Zatwierdź" a changed interface
    // language is applied. True when confirmed.
    static bool Wykonaj(QWidget* parent);

    QButtonGroup* grpJezyk_ = nullptr;
    QButtonGroup* grpSlownik_ = nullptr;
    QCheckBox* chbDrukujHaslo_ = nullptr;
    QCheckBox* chbDrukujNotatki_ = nullptr;
    std::array<QLabel*, 6> lblKolory_{};
    TfraOpcjeKlawiatura* fraKlawiatura_ = nullptr;
    QLineEdit* edtHotKey_ = nullptr;
    QCheckBox* chbHotKeyWlacz_ = nullptr;
    QCheckBox* chbHotKeyAktywujOkno_ = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* UtworzOpcje();
    QWidget* UtworzKolory();
    QWidget* UtworzGoracyKlawisz();
    void PokazKolory();

    std::array<std::uint32_t, 5> kolory_{};
    std::uint32_t tlo_ = 0;
    int hotKey_ = 0;
    int hotKeyModifier_ = 0;
};

} // namespace velmar
