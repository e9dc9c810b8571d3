#include "ui/translator/untPoZdaniu.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {
enum : int { kTytul = 1051, kKontynuuj = 29, kZakoncz = 30 };
} // namespace

TfrmPoZdaniu::TfrmPoZdaniu(QWidget* parent) : TOknoWyboru(parent)
{
    setObjectName("frmPoZdaniu");
    PrzypiszNapis(this, kTytul);
    btnKontynuuj_ = new QPushButton(this);
    btnKontynuuj_->setObjectName("btnKontynuuj");
    PrzypiszNapis(btnKontynuuj_, kKontynuuj);
    btnKontynuuj_->setDefault(true);
    btnPrzerwij_ = new QPushButton(this);
    btnPrzerwij_->setObjectName("btnPrzerwij");
    PrzypiszNapis(btnPrzerwij_, kZakoncz);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(btnKontynuuj_);
    layout->addWidget(btnPrzerwij_);
    btnKontynuuj_->setEnabled(false);

    connect(btnKontynuuj_, &QPushButton::clicked, this, [this] {
        btnKontynuuj_->setEnabled(false);
        AnswerAndHide([](TOdpowiedziUzytkownika& answers) { answers.Continue(); });
    });
    connect(btnPrzerwij_, &QPushButton::clicked, this, &TfrmPoZdaniu::Stop);
}

void TfrmPoZdaniu::Open(TOdpowiedziUzytkownika& answers)
{
    btnKontynuuj_->setEnabled(true);
    Attach(answers);
    show();
    raise();
}

} // namespace velmar
