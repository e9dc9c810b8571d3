#include "ui/app/untPytanie.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/app/untTransTeksty.h"
#include "ui/app/untNapisy.h"

namespace velmar {

TfrmPytanie::TfrmPytanie(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPytanie");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    lblTekst_ = new QLabel(this);
    lblTekst_->setObjectName("lblTekst");
    lblTekst_->setWordWrap(true);
    lblTekst_->setTextFormat(Qt::PlainText);
    lblTekst_->setMinimumWidth(320);
    lblTekst_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    body->addWidget(icon);
    body->addWidget(lblTekst_, 1);
    layout->addLayout(body);
    pnlPrzyciski_ = new QHBoxLayout;
    pnlPrzyciski_->addStretch();
    layout->addLayout(pnlPrzyciski_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmPytanie::Przygotuj(const TWide& tekst, TPrzyciski przyciski)
{
    setWindowTitle(Napis(tekst::Uwaga));
    lblTekst_->setText(QString::fromStdU16String(tekst));
    qDeleteAll(przyciski_);
    przyciski_.clear();
    switch (przyciski) {
    case TPrzyciski::OK: DodajPrzycisk(tekst::OK, TOdpowiedz::OK, true); break;
    case TPrzyciski::TakNie:
        DodajPrzycisk(tekst::Tak, TOdpowiedz::Tak, true);
        DodajPrzycisk(tekst::Nie, TOdpowiedz::Nie, false);
        break;
    case TPrzyciski::TakNieAnuluj:
        DodajPrzycisk(tekst::Tak, TOdpowiedz::Tak, true);
        DodajPrzycisk(tekst::Nie, TOdpowiedz::Nie, false);
        DodajPrzycisk(tekst::Anuluj, TOdpowiedz::Anuluj, false);
        break;
    }
    anulowanie_ = CautiousAnswer(przyciski);
    odpowiedz_ = anulowanie_;
}

void TfrmPytanie::DodajPrzycisk(int idNapisu, TOdpowiedz odpowiedz, bool domyslny)
{
    auto* button = new QPushButton(Napis(idNapisu), this);
    button->setDefault(domyslny);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, odpowiedz] {
        odpowiedz_ = odpowiedz;
        done(odpowiedz == anulowanie_ ? QDialog::Rejected : QDialog::Accepted);
    });
    pnlPrzyciski_->addWidget(button);
    przyciski_.append(button);
}

void TfrmPytanie::reject()
{
    odpowiedz_ = anulowanie_;
    QDialog::reject();
}

TOdpowiedz TfrmPytanie::Zapytaj(const TWide& tekst, TPrzyciski przyciski)
{
    Przygotuj(tekst, przyciski);
    exec();
    return odpowiedz_;
}

} // namespace velmar
