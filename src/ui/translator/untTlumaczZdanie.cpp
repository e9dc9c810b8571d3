#include "ui/translator/untTlumaczZdanie.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {
enum : int { kTytul = 1071, kWybierz = 31, kZakoncz = 30 };
} // namespace

TfrmTlumaczZdanie::TfrmTlumaczZdanie(QWidget* parent) : TOknoWyboru(parent)
{
    setObjectName("frmTlumaczZdanie");
    PrzypiszNapis(this, kTytul);
    lsbZdania_ = new QListWidget(this);
    lsbZdania_->setObjectName("lsbZdania");
    btnWybierz_ = new QPushButton(this);
    btnWybierz_->setObjectName("btnWybierz");
    PrzypiszNapis(btnWybierz_, kWybierz);
    btnWybierz_->setDefault(true);
    btnKoniec_ = new QPushButton(this);
    btnKoniec_->setObjectName("btnKoniec");
    PrzypiszNapis(btnKoniec_, kZakoncz);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lsbZdania_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnWybierz_);
    buttons->addWidget(btnKoniec_);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(lsbZdania_, &QListWidget::currentRowChanged, this, [this](int row) {
        btnWybierz_->setEnabled(row >= 0);
        // A variant wider than the list shows in full as the hint.
        lsbZdania_->setToolTip(row >= 0 ? lsbZdania_->item(row)->text() : QString());
    });
    connect(lsbZdania_, &QListWidget::itemActivated, this, &TfrmTlumaczZdanie::Choose);
    connect(btnWybierz_, &QPushButton::clicked, this, &TfrmTlumaczZdanie::Choose);
    connect(btnKoniec_, &QPushButton::clicked, this, &TfrmTlumaczZdanie::Stop);
}

void TfrmTlumaczZdanie::Fill(const QStringList& variants, TOdpowiedziUzytkownika& answers)
{
    lsbZdania_->clear();
    lsbZdania_->addItems(variants);
    lsbZdania_->setCurrentRow(variants.isEmpty() ? -1 : 0);
    btnWybierz_->setEnabled(!variants.isEmpty());
    Attach(answers);
    show();
    raise();
    lsbZdania_->setFocus();
}

void TfrmTlumaczZdanie::Choose()
{
    const int row = lsbZdania_->currentRow();
    if (row >= 0)
        AnswerAndHide([row](TOdpowiedziUzytkownika& answers) { answers.AnswerInterpretation(row); });
}

} // namespace velmar
