#include "ui/dictionaries/untDodajDoSU.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1903,
    kWyraz = 1904,
    kTlumaczenie = 1905,
    kCzescMowy = 1906,
    kProfile = 1917,
    kWpiszWyraz = 1920,
    kWpiszTlumaczenie = 1921,
    kZnakSkladni = 1922,
    kNieWiem = 1916,
};

// The part-of-speech buttons: caption and part of speech ("nie wiem" gives none).
constexpr std::pair<int, int> kCzesciMowy[] = {{1907, 0}, {1908, 1}, {1909, 2},
                                               {1910, 3}, {1912, 4}, {1913, 5},
                                               {1914, 6}, {1915, 7}, {kNieWiem, kCzescMowyNiePodana}};

int ProblemText(TProblemDopisania problem)
{
    switch (problem) {
    case TProblemDopisania::PustyWyraz: return kWpiszWyraz;
    case TProblemDopisania::PustePrzetlumaczenie: return kWpiszTlumaczenie;
    case TProblemDopisania::ZnakSkladni: return kZnakSkladni;
    case TProblemDopisania::Brak: break;
    }
    return 0;
}

} // namespace

TfrmDodajDoSU::TfrmDodajDoSU(TSlownikDopisan& editing, const TProfileTekstu& profiles, std::uint8_t interfaceLanguage,
                             QWidget* parent)
    : QDialog(parent), editing_(editing), profiles_(profiles), jezykInterfejsu_(interfaceLanguage)
{
    setObjectName(QStringLiteral("frmDodajDoSU"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    edtWyraz_ = new QLineEdit(this);
    edtWyraz_->setObjectName(QStringLiteral("edtWyraz"));
    edtTlumaczenie_ = new QLineEdit(this);
    edtTlumaczenie_->setObjectName(QStringLiteral("edtTlumaczenie"));
    for (auto [field, id] : {std::pair{edtWyraz_, kWyraz}, std::pair{edtTlumaczenie_, kTlumaczenie}}) {
        auto* label = new QLabel(this);
        PrzypiszNapis(label, id);
        label->setBuddy(field);
        fields->addRow(label, field);
    }
    layout->addLayout(fields);

    auto* columns = new QHBoxLayout;
    auto* parts = new QGroupBox(this);
    PrzypiszNapis(parts, kCzescMowy);
    auto* partsLayout = new QVBoxLayout(parts);
    grpCzescMowy_ = new QButtonGroup(this);
    for (auto [caption, part] : kCzesciMowy) {
        auto* radio = new QRadioButton(parts);
        PrzypiszNapis(radio, caption);
        partsLayout->addWidget(radio);
        grpCzescMowy_->addButton(radio, part);
    }
    columns->addWidget(parts);
    auto* profileBox = new QGroupBox(this);
    PrzypiszNapis(profileBox, kProfile);
    lsbProfile_ = new QListWidget(profileBox);
    lsbProfile_->setObjectName(QStringLiteral("lsbProfile"));
    (new QVBoxLayout(profileBox))->addWidget(lsbProfile_);
    columns->addWidget(profileBox, 1);
    layout->addLayout(columns);

    auto* buttons = new QDialogButtonBox(this);
    btnDodaj_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    btnDodaj_->setObjectName(QStringLiteral("btnDodaj"));
    PrzypiszNapis(btnDodaj_, tekst::Dodaj);
    auto* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    PrzypiszNapis(cancel, tekst::Anuluj);
    connect(btnDodaj_, &QPushButton::clicked, this, [this] {
        if (Dodaj())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
}

void TfrmDodajDoSU::Przygotuj(const TWide& word)
{
    wynik_ = -1;
    edtWyraz_->setText(QString::fromStdU16String(word));
    edtWyraz_->setReadOnly(!word.empty());
    edtTlumaczenie_->clear();
    grpCzescMowy_->button(kCzescMowyNiePodana)->setChecked(true);
    lsbProfile_->clear();
    for (const TProfilTekstu& profile : profiles_.Items) {
        auto* item =
            new QListWidgetItem(QString::fromStdU16String(ToWide(profile.Nazwa, jezykInterfejsu_)), lsbProfile_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(profile.Wybrany ? Qt::Checked : Qt::Unchecked);
    }
    (word.empty() ? edtWyraz_ : edtTlumaczenie_)->setFocus();
}

int TfrmDodajDoSU::Wykonaj(const TWide& word)
{
    Przygotuj(word);
    return exec() == QDialog::Accepted ? wynik_ : -1;
}

bool TfrmDodajDoSU::Dodaj()
{
    const std::u16string word = edtWyraz_->text().toStdU16String();
    const std::u16string translation = edtTlumaczenie_->text().toStdU16String();
    const auto problem = AdditionProblem(FromWide(word), FromWide(translation));
    if (problem != TProblemDopisania::Brak) {
        Pytanie().Zapytaj(InterfaceTextWide(jezykInterfejsu_, ProblemText(problem)), TPrzyciski::OK);
        return false;
    }
    TKodyZnaczenia codes;
    for (int row = 0; row < lsbProfile_->count(); ++row) {
        const int code = profiles_.Items[static_cast<std::size_t>(row)].Kod;
        if (lsbProfile_->item(row)->checkState() == Qt::Checked && code >= 0 && code < static_cast<int>(codes.size()))
            codes.set(static_cast<std::size_t>(code));
    }
    wynik_ = editing_.AddTranslationWide(word, translation, false, codes, grpCzescMowy_->checkedId());
    return wynik_ >= 0;
}

QString NazwaCzesciMowy(const std::string& code, std::uint8_t sourceLanguage)
{
    for (auto [caption, part] : kCzesciMowy)
        if (PartOfSpeechCode(part, sourceLanguage) == code)
            return Napis(caption);
    if (PartOfSpeechCode(kCzescMowyNieznana, sourceLanguage) == code)
        return Napis(kNieWiem);
    return QString::fromStdString(code);
}

} // namespace velmar
