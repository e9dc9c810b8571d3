#include "ui/app/untOProgramie.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

// Interface texts of the about box.
enum : int {
    kNazwaProduktu = 1,
    kTytul = 1101,
    kWersja = 1102, // "%s  wersja %d.%d"
    kOpis = 1103,
    kZrodla = 1104,
    kPierwszeZrodlo = 1105,
    kOstatnieZrodlo = 1108,
    kPelnaLista = 1109,
};

QString ProductLine()
{
    const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
    const auto& program = Program();
    return QString::fromStdU16String(WideFormat(Napis(kWersja).toStdU16String(), language,
                                                InterfaceText(language, kNazwaProduktu), program.VersionMajor,
                                                program.VersionMinor));
}

QString SourcesText()
{
    QString text = Napis(kZrodla);
    for (int id = kPierwszeZrodlo; id <= kOstatnieZrodlo; ++id)
        text += QStringLiteral("\n• ") + Napis(id);
    return text + QStringLiteral("\n\n") + Napis(kPelnaLista);
}

} // namespace

TfrmOProgramie::TfrmOProgramie(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOProgramie"));
    CreateControls();
    RefreshCaptions();
    sluchaczNapisow_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
}

TfrmOProgramie::~TfrmOProgramie()
{
    Ustawienia().PoOdswiezeniuNapisow.Remove(sluchaczNapisow_);
}

void TfrmOProgramie::CreateControls()
{
    lblProdukt_ = new QLabel;
    lblProdukt_->setObjectName(QStringLiteral("lblProdukt"));
    QFont productFont = lblProdukt_->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.4);
    lblProdukt_->setFont(productFont);
    lblOpis_ = new QLabel;
    lblOpis_->setObjectName(QStringLiteral("lblOpis"));
    lblZrodla_ = new QLabel;
    lblZrodla_->setObjectName(QStringLiteral("lblZrodla"));
    lblZrodla_->setWordWrap(true);
    lblZrodla_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    btnOK_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    PrzypiszNapis(btnOK_, tekst::OK);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProdukt_);
    layout->addWidget(lblOpis_);
    layout->addSpacing(12);
    layout->addWidget(lblZrodla_, 1);
    layout->addWidget(buttons);
    setMinimumWidth(560);
}

void TfrmOProgramie::RefreshCaptions()
{
    OdswiezNapisy(this);
    setWindowTitle(Napis(kTytul));
    lblProdukt_->setText(ProductLine());
    lblOpis_->setText(Napis(kOpis));
    lblZrodla_->setText(SourcesText());
}

void ShowAboutBox(QWidget* parent)
{
    TfrmOProgramie box(parent);
    box.exec();
}

} // namespace velmar
