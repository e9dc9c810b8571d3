#include "ui/dictionaries/untSlowaNietlumaczone.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int { kTytul = 1918, kSlowo = 1919 };

} // namespace

TfrmSlowaNietlumaczone::TfrmSlowaNietlumaczone(TTransSlownikNieTlum& words, QWidget* parent)
    : QDialog(parent), words_(words)
{
    setObjectName(QStringLiteral("frmSlowaNietlumaczone"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(this);
    PrzypiszNapis(label, kSlowo);
    edtSlowo_ = new QLineEdit(this);
    edtSlowo_->setObjectName(QStringLiteral("edtSlowo"));
    label->setBuddy(edtSlowo_);
    btnDodaj_ = new QPushButton(this);
    btnDodaj_->setObjectName(QStringLiteral("btnDodaj"));
    PrzypiszNapis(btnDodaj_, tekst::Dodaj);
    row->addWidget(label);
    row->addWidget(edtSlowo_, 1);
    row->addWidget(btnDodaj_);
    layout->addLayout(row);

    lsbSlowa_ = new QListWidget(this);
    lsbSlowa_->setObjectName(QStringLiteral("lsbSlowa"));
    layout->addWidget(lsbSlowa_, 1);
    auto* buttons = new QDialogButtonBox(this);
    btnUsun_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    btnUsun_->setObjectName(QStringLiteral("btnUsun"));
    PrzypiszNapis(btnUsun_, tekst::Usun);
    auto* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    PrzypiszNapis(close, tekst::Zamknij);
    layout->addWidget(buttons);

    connect(btnDodaj_, &QPushButton::clicked, this, &TfrmSlowaNietlumaczone::Dodaj);
    connect(edtSlowo_, &QLineEdit::returnPressed, this, &TfrmSlowaNietlumaczone::Dodaj);
    connect(btnUsun_, &QPushButton::clicked, this, &TfrmSlowaNietlumaczone::Usun);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
    Wypelnij();
}

void TfrmSlowaNietlumaczone::Wypelnij()
{
    lsbSlowa_->clear();
    for (int i = 0; i < words_.Count(); ++i)
        lsbSlowa_->addItem(QString::fromStdU16String(ToWide(words_.WordAt(i), words_.SourceLang)));
}

void TfrmSlowaNietlumaczone::Dodaj()
{
    int index = -1;
    if (words_.AddWordWide(WideTrim(edtSlowo_->text().toStdU16String()), index)) {
        lsbSlowa_->insertItem(index, QString::fromStdU16String(ToWide(words_.WordAt(index), words_.SourceLang)));
        Zapisz();
    }
    if (index >= 0)
        lsbSlowa_->setCurrentRow(index);
    edtSlowo_->clear();
}

void TfrmSlowaNietlumaczone::Usun()
{
    const int row = lsbSlowa_->currentRow();
    if (row < 0 || !words_.DeleteWord(row))
        return;
    delete lsbSlowa_->takeItem(row);
    Zapisz();
}

void TfrmSlowaNietlumaczone::Zapisz()
{
    if (Ustawienia().ZapiszSlowniki)
        Ustawienia().ZapiszSlowniki();
}

} // namespace velmar
