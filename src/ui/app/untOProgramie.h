#pragma once
// The about box: the product, its version and where its dictionary data comes from,
// with the licences of those sources.

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmar {

class TfrmOProgramie : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOProgramie(QWidget* parent = nullptr);
    ~TfrmOProgramie() override;

    void RefreshCaptions();

    QLabel* ProductLabel() const { return lblProdukt_; }
    QLabel* SourcesLabel() const { return lblZrodla_; }
    QPushButton* OkButton() const { return btnOK_; }

private:
    void CreateControls();

    int sluchaczNapisow_ = 0;
    QLabel* lblProdukt_ = nullptr;
    QLabel* lblOpis_ = nullptr;
    QLabel* lblZrodla_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};

// Shows the about box over parent and returns when the user closes it.
void ShowAboutBox(QWidget* parent);

} // namespace velmar
