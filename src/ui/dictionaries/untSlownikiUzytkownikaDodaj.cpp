#include "ui/dictionaries/untSlownikiUzytkownikaDodaj.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/dictionaries/untSlownikiUzytkownika.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kTytulNowy = 1935,
    kTytulIstniejacy = 1936,
    kTytulZmiana = 1937,
    kPlik = 1938,
    kOpis = 1939,
    kFiltrPlikow = 1930,
    kPlikZarejestrowany = 1927,
    kNieMoznaZapisac = 1929,
};

// "Name (*.a)|*.a|Name (*.*)|*.*" as the name filters of a Qt file dialog.
QString QtFileFilter(const QString& pairs)
{
    const QStringList parts = pairs.split('|');
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

int Title(TRodzajSlownikaUzytkownika kind)
{
    switch (kind) {
    case TRodzajSlownikaUzytkownika::Nowy: return kTytulNowy;
    case TRodzajSlownikaUzytkownika::Istniejacy: return kTytulIstniejacy;
    case TRodzajSlownikaUzytkownika::Zmiana: break;
    }
    return kTytulZmiana;
}

} // namespace

TfrmSlownikiUzytkownikaDodaj::TfrmSlownikiUzytkownikaDodaj(TSlownikiUzytkownika& registry,
                                                           TRodzajSlownikaUzytkownika kind, int index, QWidget* parent)
    : QDialog(parent), registry_(registry), kind_(kind), index_(index)
{
    setObjectName(QStringLiteral("frmSlownikiUzytkownikaDodaj"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    edtPlik_ = new QLineEdit(this);
    edtPlik_->setObjectName(QStringLiteral("edtPlik"));
    btnPrzegladaj_ = new QPushButton(QStringLiteral("..."), this);
    btnPrzegladaj_->setObjectName(QStringLiteral("btnPrzegladaj"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtPlik_, 1);
    fileRow->addWidget(btnPrzegladaj_);
    edtOpis_ = new QLineEdit(this);
    edtOpis_->setObjectName(QStringLiteral("edtOpis"));
    auto* fileLabel = new QLabel(this);
    PrzypiszNapis(fileLabel, kPlik);
    fileLabel->setBuddy(edtPlik_);
    fields->addRow(fileLabel, fileRow);
    auto* descriptionLabel = new QLabel(this);
    PrzypiszNapis(descriptionLabel, kOpis);
    descriptionLabel->setBuddy(edtOpis_);
    fields->addRow(descriptionLabel, edtOpis_);
    layout->addLayout(fields);

    btnOK_ = AddOkAndCancel(*this, *layout);
    connect(btnPrzegladaj_, &QPushButton::clicked, this, &TfrmSlownikiUzytkownikaDodaj::Browse);
    connect(btnOK_, &QPushButton::clicked, this, [this] {
        if (Zatwierdz())
            accept();
    });

    if (const auto* entry = registry_.Item(index_); entry != nullptr && kind_ == TRodzajSlownikaUzytkownika::Zmiana) {
        edtPlik_->setText(QString::fromStdString(entry->FileName));
        edtOpis_->setText(QString::fromStdString(entry->Description));
        // The mode's default file is found by its name; only its description changes.
        edtPlik_->setReadOnly(entry->IsDefault);
        btnPrzegladaj_->setEnabled(!entry->IsDefault);
    }
    setWindowTitle(Napis(Title(kind_)));
    OdswiezNapisy(this);
}

void TfrmSlownikiUzytkownikaDodaj::Browse()
{
    const QString filter = QtFileFilter(Napis(kFiltrPlikow));
    const QString title = Napis(Title(kind_));
    const QString file = kind_ == TRodzajSlownikaUzytkownika::Istniejacy
                             ? QFileDialog::getOpenFileName(this, title, edtPlik_->text(), filter)
                             : QFileDialog::getSaveFileName(this, title, edtPlik_->text(), filter);
    if (!file.isEmpty())
        edtPlik_->setText(file);
}

std::string TfrmSlownikiUzytkownikaDodaj::ChosenFile() const
{
    const auto* entry = registry_.Item(index_);
    if (kind_ == TRodzajSlownikaUzytkownika::Zmiana && entry != nullptr && entry->IsDefault)
        return entry->FileName;
    const QString typed = edtPlik_->text().trimmed();
    if (typed.isEmpty())
        return {};
    std::filesystem::path file(typed.toStdU16String());
    if (kind_ == TRodzajSlownikaUzytkownika::Nowy && !file.has_extension())
        file += ".suz";
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).string();
}

bool TfrmSlownikiUzytkownikaDodaj::Zatwierdz()
{
    const std::string file = ChosenFile();
    const std::string description = edtOpis_->text().toStdString();
    bool done = false;
    if (file.empty())
        registry_.LastError = TBladRejestru::NieMoznaUtworzyc;
    else if (kind_ == TRodzajSlownikaUzytkownika::Zmiana)
        done = registry_.Change(index_, file, description);
    else
        done = registry_.Register(file, description, kind_ == TRodzajSlownikaUzytkownika::Istniejacy);
    if (!done) {
        const int message =
            registry_.LastError == TBladRejestru::JuzZarejestrowany ? kPlikZarejestrowany : kNieMoznaZapisac;
        Pytanie().Zapytaj(Napis(message).toStdU16String(), TPrzyciski::OK);
    }
    return done;
}

QPushButton* AddOkAndCancel(QDialog& dialog, QBoxLayout& layout)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    PrzypiszNapis(ok, tekst::OK);
    QPushButton* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    PrzypiszNapis(cancel, tekst::Anuluj);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
    return ok;
}

} // namespace velmar
