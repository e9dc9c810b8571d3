#include "ui/browser/untSzukaj.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"

namespace velmar {

TfrmSzukaj::TfrmSzukaj(std::function<void(const QString& pattern)> search, QWidget* parent)
    : QDialog(parent), search_(std::move(search))
{
    setObjectName("frmSzukaj");
    CreateControls();
    RefreshCaptions();
}

void TfrmSzukaj::CreateControls()
{
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(this);
    PrzypiszNapis(label, 1702);
    edtSzukaj_ = new QLineEdit(this);
    edtSzukaj_->setObjectName("edtSzukaj");
    edtSzukaj_->setMinimumWidth(240);
    label->setBuddy(edtSzukaj_);
    auto* hint = new QLabel(this);
    PrzypiszNapis(hint, 1703);
    chbMatchCase_ = new QCheckBox(this);
    chbMatchCase_->setObjectName("chbMatchCase");
    PrzypiszNapis(chbMatchCase_, 1704);
    chbWholeWord_ = new QCheckBox(this);
    chbWholeWord_->setObjectName("chbWholeWord");
    PrzypiszNapis(chbWholeWord_, 1705);

    btnSzukaj_ = new QPushButton(this);
    btnSzukaj_->setObjectName("btnSzukaj");
    PrzypiszNapis(btnSzukaj_, 1706);
    btnSzukaj_->setDefault(true);
    btnSzukaj_->setEnabled(false);
    auto* close = new QPushButton(this);
    close->setObjectName("btnZamknij");
    PrzypiszNapis(close, tekst::Zamknij);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSzukaj_);
    buttons->addWidget(close);

    layout->addWidget(label, 0, 0);
    layout->addWidget(edtSzukaj_, 0, 1);
    layout->addWidget(hint, 1, 1);
    layout->addWidget(chbMatchCase_, 2, 1);
    layout->addWidget(chbWholeWord_, 3, 1);
    layout->addLayout(buttons, 4, 0, 1, 2);

    connect(edtSzukaj_, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnSzukaj_->setEnabled(!text.isEmpty()); });
    connect(chbMatchCase_, &QCheckBox::clicked, this, [](bool on) { Ustawienia().MatchCase = on; });
    connect(chbWholeWord_, &QCheckBox::clicked, this, [](bool on) { Ustawienia().WholeWord = on; });
    connect(btnSzukaj_, &QPushButton::clicked, this, [this] { search_(edtSzukaj_->text()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSzukaj::Open()
{
    chbMatchCase_->setChecked(Ustawienia().MatchCase);
    chbWholeWord_->setChecked(Ustawienia().WholeWord);
    show();
    raise();
    activateWindow();
    edtSzukaj_->setFocus();
    edtSzukaj_->selectAll();
}

void TfrmSzukaj::RefreshCaptions()
{
    OdswiezNapisy(this);
    setWindowTitle(Napis(1701));
}

} // namespace velmar
