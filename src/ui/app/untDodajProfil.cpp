#include "ui/app/untDodajProfil.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int { kTytul = 1151, kNazwa = 1152, kObejmuje = 1153, kBrakKodu = 1923 };

} // namespace

TfrmDodajProfil::TfrmDodajProfil(TProfileTekstu& profiles, std::uint8_t interfaceLanguage, QWidget* parent)
    : QDialog(parent), profiles_(profiles), jezykInterfejsu_(interfaceLanguage)
{
    setObjectName(QStringLiteral("frmDodajProfil"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* lblNazwa = new QLabel(this);
    PrzypiszNapis(lblNazwa, kNazwa);
    edtProfilNazwa_ = new QLineEdit(this);
    edtProfilNazwa_->setObjectName(QStringLiteral("edtProfilNazwa"));
    lblNazwa->setBuddy(edtProfilNazwa_);
    auto* lblObejmuje = new QLabel(this);
    PrzypiszNapis(lblObejmuje, kObejmuje);
    lsbProfile_ = new QListWidget(this);
    lsbProfile_->setObjectName(QStringLiteral("lsbProfile"));
    // Two columns of profiles, filled top to bottom.
    lsbProfile_->setFlow(QListView::TopToBottom);
    lsbProfile_->setWrapping(true);
    lsbProfile_->setResizeMode(QListView::Adjust);
    lblObejmuje->setBuddy(lsbProfile_);
    for (QWidget* widget : std::initializer_list<QWidget*>{lblNazwa, edtProfilNazwa_, lblObejmuje, lsbProfile_})
        layout->addWidget(widget);

    auto* buttons = new QDialogButtonBox(this);
    btnOK_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    PrzypiszNapis(btnOK_, tekst::Dodaj);
    auto* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    PrzypiszNapis(cancel, tekst::Anuluj);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtProfilNazwa_, &QLineEdit::textChanged, this,
            [this](const QString& name) { btnOK_->setEnabled(!name.trimmed().isEmpty()); });
    layout->addWidget(buttons);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
    resize(520, 420);
}

void TfrmDodajProfil::FillProfiles(const std::vector<bool>& checked)
{
    lsbProfile_->clear();
    for (std::size_t row = 0; row < profiles_.Items.size(); ++row) {
        auto* item = new QListWidgetItem(
            QString::fromStdU16String(ToWide(profiles_.Items[row].Nazwa, jezykInterfejsu_)), lsbProfile_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(row < checked.size() && checked[row] ? Qt::Checked : Qt::Unchecked);
    }
    edtProfilNazwa_->setFocus();
}

std::vector<int> TfrmDodajProfil::CheckedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < lsbProfile_->count(); ++row)
        if (lsbProfile_->item(row)->checkState() == Qt::Checked)
            rows.push_back(row);
    return rows;
}

bool TfrmDodajProfil::PrepareAdd()
{
    if (profiles_.FreeUserCode() < 0) {
        Pytanie().Zapytaj(InterfaceTextWide(jezykInterfejsu_, kBrakKodu), TPrzyciski::OK);
        return false;
    }
    edtProfilNazwa_->clear();
    btnOK_->setEnabled(false);
    FillProfiles({});
    return true;
}

bool TfrmDodajProfil::PrepareModify(int row)
{
    if (!profiles_.IsUserProfile(row))
        return false;
    const TProfilTekstu& edited = profiles_.Items[static_cast<std::size_t>(row)];
    std::vector<bool> checked;
    for (const TProfilTekstu& profile : profiles_.Items)
        checked.push_back(profile.Kod != edited.Kod && profile.Kod >= 0 &&
                          profile.Kod <= TProfileTekstu::kLastProfileCode &&
                          edited.Zawiera.test(static_cast<std::size_t>(profile.Kod)));
    edtProfilNazwa_->setText(QString::fromStdU16String(ToWide(edited.Nazwa, jezykInterfejsu_)));
    FillProfiles(checked);
    return true;
}

bool TfrmDodajProfil::ApplyAdd()
{
    return profiles_.AddUserProfile(FromWide(edtProfilNazwa_->text().trimmed().toStdU16String()), CheckedRows());
}

bool TfrmDodajProfil::ApplyModify(int row)
{
    return profiles_.ModifyUserProfile(row, FromWide(edtProfilNazwa_->text().trimmed().toStdU16String()),
                                       CheckedRows());
}

bool TfrmDodajProfil::AddProfile()
{
    return PrepareAdd() && exec() == QDialog::Accepted && ApplyAdd();
}

bool TfrmDodajProfil::ModifyProfile(int row)
{
    return PrepareModify(row) && exec() == QDialog::Accepted && ApplyModify(row);
}

} // namespace velmar
