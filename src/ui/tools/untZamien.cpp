#include "ui/tools/untZamien.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/app/untNapisy.h"
#include "ui/app/untSkrotyZnakow.h"

namespace velmar {

namespace {

enum : int {
    kZamienTytul = 2002,
    kZamienNa = 2004,
    kZamien = 2008,
    kZamienWszystko = 2009,
};

} // namespace

TfrmZamien::TfrmZamien(QWidget* parent) : TfrmZnajdz(parent, kZamienTytul, "frmZamien")
{
    lblZamien_ = new QLabel(this);
    lblZamien_->setObjectName("lblZamien");
    PrzypiszNapis(lblZamien_, kZamienNa);
    edtZamien_ = new QLineEdit(this);
    edtZamien_->setObjectName("edtZamien");
    lblZamien_->setBuddy(edtZamien_);
    new TSkrotyZnakow(edtZamien_, [this] { return PaneLanguage(); });
    btnZamien_ = new QPushButton(this);
    btnZamien_->setObjectName("btnZamien");
    PrzypiszNapis(btnZamien_, kZamien);
    btnZamienWszystko_ = new QPushButton(this);
    btnZamienWszystko_->setObjectName("btnZamienWszystko");
    PrzypiszNapis(btnZamienWszystko_, kZamienWszystko);
    prbPostep_ = new QProgressBar(this);
    prbPostep_->setObjectName("prbPostep");
    prbPostep_->setRange(0, 100);
    prbPostep_->setValue(0);

    grid_->addWidget(lblZamien_, 4, 0);
    grid_->addWidget(edtZamien_, 4, 1);
    grid_->addWidget(btnZamien_, 2, 2);
    grid_->addWidget(btnZamienWszystko_, 3, 2);
    grid_->addWidget(prbPostep_, 5, 0, 1, 3);

    connect(btnZamien_, &QPushButton::clicked, this, [this] {
        SetBusy(true);
        Report(asZamien);
    });
    connect(btnZamienWszystko_, &QPushButton::clicked, this, [this] {
        SetBusy(true);
        Report(asZamienWszystko);
    });
    UpdateButtons();
    RefreshCaptions();
}

void TfrmZamien::SetBusy(bool busy)
{
    TfrmZnajdz::SetBusy(busy);
    if (!busy && prbPostep_ != nullptr)
        prbPostep_->setValue(prbPostep_->minimum());
}

QString TfrmZamien::ReplacementText() const
{
    return edtZamien_->text();
}

void TfrmZamien::FindNextClicked()
{
    Report(asZnajdzNastepny);
}

void TfrmZamien::UpdateButtons()
{
    TfrmZnajdz::UpdateButtons();
    const bool enabled = btnZnajdzNastepny_->isEnabled();
    for (QPushButton* button : {btnZamien_, btnZamienWszystko_})
        if (button != nullptr)
            button->setEnabled(enabled);
}

} // namespace velmar
