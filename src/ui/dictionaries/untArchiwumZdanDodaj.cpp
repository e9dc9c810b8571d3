// The dialog that adds a sentence and its translation to the sentence archive, or edits
// a stored pair, refusing texts the archive cannot hold.
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/dictionaries/untArchiwumZdan.h"
#include "platform/untQtTekst.h"
#include "ui/app/untNapisy.h"
#include "ui/dictionaries/untArchiwumZdan.h"

namespace velmar {

namespace {

enum : int {
    kTytulNoweZdanie = 1871,
    kTytulNoweTlumaczenie = 1872,
    kTytulEdycja = 1873,
    kZdanie = 1874,
    kTlumaczenie = 1875,
    kAnuluj = 23,
    kDodaj = 26,
};

// Why a text is refused, in the interface language.
TWide ProblemMessage(TProblemTekstuArchiwum problem, std::uint8_t interfaceLanguage)
{
    switch (problem) {
    case TProblemTekstuArchiwum::Empty: return InterfaceTextWide(interfaceLanguage, 1887);
    case TProblemTekstuArchiwum::Separator: return InterfaceTextWide(interfaceLanguage, 1888);
    case TProblemTekstuArchiwum::Markup: return InterfaceTextWide(interfaceLanguage, 1889);
    case TProblemTekstuArchiwum::None: break;
    }
    return {};
}

int TitleOf(TTrybDodawania mode)
{
    switch (mode) {
    case TTrybDodawania::NoweTlumaczenie: return kTytulNoweTlumaczenie;
    case TTrybDodawania::EdycjaTlumaczenia: return kTytulEdycja;
    case TTrybDodawania::NoweZdanie: break;
    }
    return kTytulNoweZdanie;
}

} // namespace

TfrmArchiwumZdanDodaj::TfrmArchiwumZdanDodaj(TTransSlownikZdan& archive, std::uint8_t interfaceLanguage,
                                             QWidget* parent)
    : QDialog(parent), archive_(archive), jezykInterfejsu_(interfaceLanguage)
{
    setObjectName(QStringLiteral("frmArchiwumZdanDodaj"));
    setModal(true);
    CreateControls();
    resize(560, sizeHint().height());
}

void TfrmArchiwumZdanDodaj::CreateControls()
{
    lblZdanie_ = new QLabel(this);
    lblTlumaczenie_ = new QLabel(this);
    edtZdanie_ = new QLineEdit(this);
    edtZdanie_->setObjectName(QStringLiteral("edtZdanie"));
    edtTlumaczenie_ = new QLineEdit(this);
    edtTlumaczenie_->setObjectName(QStringLiteral("edtTlumaczenie"));
    lblZdanie_->setBuddy(edtZdanie_);
    lblTlumaczenie_->setBuddy(edtTlumaczenie_);
    PrzypiszNapis(lblZdanie_, kZdanie);
    PrzypiszNapis(lblTlumaczenie_, kTlumaczenie);

    auto* buttons = new QDialogButtonBox(this);
    btnDodaj_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    btnDodaj_->setObjectName(QStringLiteral("btnDodaj"));
    btnDodaj_->setDefault(true);
    btnAnuluj_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    PrzypiszNapis(btnAnuluj_, kAnuluj);
    // Not the box's accepted(): adding may still be refused.
    connect(btnDodaj_, &QPushButton::clicked, this, [this] { btnDodajClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(lblZdanie_, edtZdanie_);
    form->addRow(lblTlumaczenie_, edtTlumaczenie_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(edtZdanie_, &QLineEdit::textChanged, this, [this] { UpdateAddButton(); });
    connect(edtTlumaczenie_, &QLineEdit::textChanged, this, [this] { UpdateAddButton(); });
}

int TfrmArchiwumZdanDodaj::Open(const QString& sentence, const QString& translation, TTrybDodawania mode)
{
    Prepare(sentence, translation, mode);
    return exec();
}

void TfrmArchiwumZdanDodaj::Prepare(const QString& sentence, const QString& translation, TTrybDodawania mode)
{
    tryb_ = mode;
    stareTlumaczenie_ = FromQString(translation);
    const bool sentenceFixed = mode != TTrybDodawania::NoweZdanie;
    setWindowTitle(QString::fromStdU16String(InterfaceTextWide(jezykInterfejsu_, TitleOf(mode))));
    if (mode == TTrybDodawania::EdycjaTlumaczenia)
        btnDodaj_->setText(QStringLiteral("OK"));
    else
        PrzypiszNapis(btnDodaj_, kDodaj);
    edtZdanie_->setText(sentence);
    edtZdanie_->setReadOnly(sentenceFixed);
    edtTlumaczenie_->setText(translation);
    (sentenceFixed ? edtTlumaczenie_ : edtZdanie_)->setFocus();
    UpdateAddButton();
}

void TfrmArchiwumZdanDodaj::UpdateAddButton()
{
    btnDodaj_->setEnabled(!edtZdanie_->text().trimmed().isEmpty() && !edtTlumaczenie_->text().trimmed().isEmpty());
}

bool TfrmArchiwumZdanDodaj::TextsAcceptable(const std::string& sentence, const std::string& translation) const
{
    for (const auto& [text, box] : {std::pair{&sentence, edtZdanie_}, {&translation, edtTlumaczenie_}}) {
        const auto problem = ArchiveTextProblem(*text);
        if (problem != TProblemTekstuArchiwum::None) {
            Pytanie().Zapytaj(ProblemMessage(problem, jezykInterfejsu_), TPrzyciski::OK);
            box->setFocus();
            return false;
        }
    }
    return true;
}

void TfrmArchiwumZdanDodaj::btnDodajClick()
{
    if (!btnDodaj_->isEnabled())
        return;
    const std::string sentence = FromQString(edtZdanie_->text().trimmed());
    const std::string translation = FromQString(edtTlumaczenie_->text().trimmed());
    if (!TextsAcceptable(sentence, translation))
        return;
    if (tryb_ == TTrybDodawania::EdycjaTlumaczenia)
        archive_.ReplaceTranslation(sentence, stareTlumaczenie_, translation);
    else
        archive_.AddPair(sentence, translation);
    accept();
}

} // namespace velmar
