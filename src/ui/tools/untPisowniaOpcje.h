#pragma once
// The spell checker's options window: what the checker ignores (words in capitals,
// words with digits, repeated words) and which dictionaries it takes proposals from.

#include <QDialog>
#include <vector>

class QCheckBox;

namespace velmar {

struct TOpcjeUstawien;

class TfrmPisowniaOpcje : public QDialog {
    Q_OBJECT
public:
    // Shows the six options of settings; accepting the window stores them there.
    explicit TfrmPisowniaOpcje(TOpcjeUstawien& settings, QWidget* parent = nullptr);

    // The option boxes in their order on the window.
    const std::vector<QCheckBox*>& Boxes() const { return boxes_; }

private:
    void Store();

    TOpcjeUstawien& settings_;
    std::vector<QCheckBox*> boxes_;
};

} // namespace velmar
