#pragma once
// The keyboard page of the options windows (translator and dictionary): the shortcuts
// that type the national letters of the two languages of the mode, whether each
// language uses them, and the keyboard-layout and letter options. The frame edits
// working copies; the settings change only on Zatwierdz.

#include <QKeyCombination>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/untStale.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace velmar {

class TTransUstawienia;

class TfraOpcjeKlawiatura : public QWidget {
    Q_OBJECT
public:
    explicit TfraOpcjeKlawiatura(QWidget* parent = nullptr);

    void Wczytaj(const TTransUstawienia& settings);
    void Zatwierdz(TTransUstawienia& settings) const;

    // The combination (Shift aside) as the shortcut of a row of the shown language;
    // refused with a message when another letter of the language has it.
    bool PrzypiszSkrot(int row, QKeyCombination key);
    void UsunSkrot(int row);
    // The language shown: 0 the source language of the mode, 1 the target language.
    void PokazJezyk(int item);

    QComboBox* cmbSkrotyJezyk_ = nullptr;
    QCheckBox* chbKlawiaturaWlaczSkroty_ = nullptr;
    QCheckBox* chbKlawiaturaBlokujUklad_ = nullptr;
    QTableWidget* sgrSkroty_ = nullptr;
    QCheckBox* chbCzcionkaW2K_ = nullptr;
    QCheckBox* chbLiteryPodobne_ = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::uint8_t ShownLanguage() const;
    void ShowRow(int row);

    std::array<std::vector<std::string>, kLanguageCount> skroty_;
    std::array<bool, kLanguageCount> wlaczone_{};
    std::array<std::uint8_t, 2> jezyki_{};
    bool literyPodobne_ = false;
};

} // namespace velmar
