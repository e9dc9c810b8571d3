#include "ui/dictionaries/untDodaj.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/dictionaries/untSlowniki.h"
#include "ui/app/untNapisy.h"
#include "ui/dictionaries/untDodajDoSU.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1924,
    kSzybkieDopisywanie = 1925,
    kHasla = 1949,
    kTlumaczenie = 1905,
    kCzescMowy = 1906,
    kZnaczenia = 1944,
    kDodajZnaczenie = 1942,
    kUsunZnaczenie = 1943,
    kWskazowkaSzybkiego = 1945,
    kProfile = 1946,
    kDodanoWyrazow = 115,
    kZostalyBledy = 116,
};

// A caption of a label or a frame as a column heading: without its colon and spaces.
QString ColumnHeading(int id)
{
    return Napis(id).remove(':').trimmed();
}

QPushButton* NewButton(QWidget* parent, const char* name, int textId)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    PrzypiszNapis(button, textId);
    return button;
}

// The names of the profiles whose code the meaning carries, joined by ", ".
QString ProfileNames(const TKodyZnaczenia& codes, const TProfileTekstu& profiles, std::uint8_t language)
{
    QStringList names;
    for (const TProfilTekstu& profile : profiles.Items)
        if (profile.Kod >= 0 && profile.Kod < static_cast<int>(codes.size()) &&
            codes.test(static_cast<std::size_t>(profile.Kod)))
            names << QString::fromStdU16String(ToWide(profile.Nazwa, language));
    return names.join(QStringLiteral(", "));
}

} // namespace

TfrmDodaj::TfrmDodaj(TTransSlownikGlowny& user, TSlownikDopisan& editing, const TProfileTekstu& profiles,
                     std::uint8_t interfaceLanguage, QWidget* parent)
    : QDialog(parent), user_(user), editing_(editing), profiles_(profiles), jezykInterfejsu_(interfaceLanguage)
{
    setObjectName(QStringLiteral("frmDodaj"));
    dialog_ = new TfrmDodajDoSU(editing, profiles, interfaceLanguage, this);
    auto* layout = new QVBoxLayout(this);
    tabStrony_ = new QTabWidget(this);
    tabStrony_->addTab(CreateListPage(), Napis(kHasla));
    tabStrony_->addTab(CreateQuickPage(), Napis(kSzybkieDopisywanie));
    layout->addWidget(tabStrony_, 1);
    auto* buttons = new QDialogButtonBox(this);
    auto* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    PrzypiszNapis(close, tekst::Zamknij);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
    FillHeadwords();
}

QWidget* TfrmDodaj::CreateListPage()
{
    auto* page = new QWidget(tabStrony_);
    auto* layout = new QHBoxLayout(page);

    auto* headwords = new QVBoxLayout;
    lsbHasla_ = new QListWidget(page);
    lsbHasla_->setObjectName(QStringLiteral("lsbHasla"));
    headwords->addWidget(lsbHasla_, 1);
    btnDodajHaslo_ = NewButton(page, "btnDodajHaslo", tekst::Dodaj);
    btnUsunHaslo_ = NewButton(page, "btnUsunHaslo", tekst::Usun);
    headwords->addWidget(btnDodajHaslo_);
    headwords->addWidget(btnUsunHaslo_);
    layout->addLayout(headwords, 1);

    auto* meanings = new QVBoxLayout;
    auto* label = new QLabel(page);
    PrzypiszNapis(label, kZnaczenia);
    meanings->addWidget(label);
    tvZnaczenia_ = new QTreeWidget(page);
    tvZnaczenia_->setObjectName(QStringLiteral("tvZnaczenia"));
    tvZnaczenia_->setRootIsDecorated(false);
    tvZnaczenia_->setHeaderLabels({ColumnHeading(kTlumaczenie), ColumnHeading(kCzescMowy), ColumnHeading(kProfile)});
    label->setBuddy(tvZnaczenia_);
    meanings->addWidget(tvZnaczenia_, 1);
    auto* meaningButtons = new QHBoxLayout;
    btnDodajZnaczenie_ = NewButton(page, "btnDodajZnaczenie", kDodajZnaczenie);
    btnUsunZnaczenie_ = NewButton(page, "btnUsunZnaczenie", kUsunZnaczenie);
    meaningButtons->addWidget(btnDodajZnaczenie_);
    meaningButtons->addWidget(btnUsunZnaczenie_);
    meanings->addLayout(meaningButtons);
    layout->addLayout(meanings, 2);

    connect(lsbHasla_, &QListWidget::currentRowChanged, this, &TfrmDodaj::ShowMeanings);
    connect(btnDodajHaslo_, &QPushButton::clicked, this, [this] { DodajHaslo(); });
    connect(btnUsunHaslo_, &QPushButton::clicked, this, &TfrmDodaj::UsunHaslo);
    connect(btnDodajZnaczenie_, &QPushButton::clicked, this, &TfrmDodaj::DodajZnaczenie);
    connect(btnUsunZnaczenie_, &QPushButton::clicked, this, &TfrmDodaj::UsunZnaczenie);
    return page;
}

QWidget* TfrmDodaj::CreateQuickPage()
{
    auto* page = new QWidget(tabStrony_);
    auto* layout = new QVBoxLayout(page);
    const auto letters = QuickAddLetters(jezykInterfejsu_);
    auto* hint =
        new QLabel(Napis(kWskazowkaSzybkiego)
                       .replace("%s", QString::fromLatin1(letters.data(), static_cast<qsizetype>(letters.size()))),
                   page);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    edtSzybkie_ = new QPlainTextEdit(page);
    edtSzybkie_->setObjectName(QStringLiteral("edtSzybkie"));
    layout->addWidget(edtSzybkie_, 1);
    btnSzybkie_ = NewButton(page, "btnSzybkie", tekst::Dodaj);
    layout->addWidget(btnSzybkie_, 0, Qt::AlignRight);
    connect(btnSzybkie_, &QPushButton::clicked, this, &TfrmDodaj::DodajSzybko);
    return page;
}

void TfrmDodaj::Wykonaj(const TWide& word)
{
    // The dialog opens over the window once the window is up (and modal).
    if (!word.empty())
        QTimer::singleShot(0, this, [this, word] { DodajHaslo(word); });
    exec();
}

QString TfrmDodaj::HeadwordText(int index) const
{
    return QString::fromStdU16String(ToWide(user_.GetKey(index), user_.SourceLang));
}

void TfrmDodaj::FillHeadwords()
{
    const TTransSlownik::TPrzypiecie pin(user_);
    lsbHasla_->clear();
    for (int i = 0; i < user_.Count(); ++i)
        lsbHasla_->addItem(HeadwordText(i));
    SelectHeadword(0);
}

void TfrmDodaj::SelectHeadword(int row)
{
    lsbHasla_->setCurrentRow(std::min(row, lsbHasla_->count() - 1));
    ShowMeanings();
}

void TfrmDodaj::ShowMeanings()
{
    tvZnaczenia_->clear();
    meaningRows_.clear();
    const int row = lsbHasla_->currentRow();
    if (row < 0 || row >= user_.Count())
        return;
    TTransSlownikSlowo entry;
    entry.Assign(user_.GetEntry(row));
    for (int s = 0; s < entry.SubRecords.Count(); ++s) {
        const auto& subRecord = *entry.SubRecords.Item(s);
        const QString partOfSpeech = NazwaCzesciMowy(subRecord.Code, user_.SourceLang);
        for (int m = 0; m < subRecord.Meanings.Count(); ++m) {
            const auto& meaning = *subRecord.Meanings.Item(m);
            new QTreeWidgetItem(tvZnaczenia_, {QString::fromStdU16String(ToWide(meaning.WordsText(), user_.TargetLang)),
                                               partOfSpeech, ProfileNames(meaning.Codes, profiles_, jezykInterfejsu_)});
            meaningRows_.emplace_back(s, m);
        }
    }
    if (tvZnaczenia_->topLevelItemCount() > 0)
        tvZnaczenia_->setCurrentItem(tvZnaczenia_->topLevelItem(0));
}

void TfrmDodaj::ShowAdded(int index)
{
    if (index < 0)
        return;
    if (user_.Count() > lsbHasla_->count())
        lsbHasla_->insertItem(index, HeadwordText(index));
    SelectHeadword(index);
    Save();
}

void TfrmDodaj::DodajHaslo(const TWide& word)
{
    ShowAdded(dialog_->Wykonaj(word));
}

void TfrmDodaj::DodajZnaczenie()
{
    const QListWidgetItem* headword = lsbHasla_->currentItem();
    if (headword != nullptr)
        ShowAdded(dialog_->Wykonaj(headword->text().toStdU16String()));
}

void TfrmDodaj::DeleteHeadword(int row)
{
    if (!editing_.DeleteEntry(row))
        return;
    delete lsbHasla_->takeItem(row);
    SelectHeadword(std::max(row - 1, 0));
    Save();
}

void TfrmDodaj::UsunHaslo()
{
    DeleteHeadword(lsbHasla_->currentRow());
}

void TfrmDodaj::UsunZnaczenie()
{
    const int row = lsbHasla_->currentRow();
    const int meaningRow = tvZnaczenia_->indexOfTopLevelItem(tvZnaczenia_->currentItem());
    if (row < 0 || meaningRow < 0 || meaningRow >= static_cast<int>(meaningRows_.size()))
        return;
    const auto [subRecord, meaning] = meaningRows_[static_cast<std::size_t>(meaningRow)];
    if (!editing_.DeleteMeaning(row, subRecord, meaning))
        return;
    if (user_.GetEntry(row).SubRecords.Count() == 0) {
        DeleteHeadword(row);
        return;
    }
    ShowMeanings();
    Save();
}

void TfrmDodaj::DodajSzybko()
{
    const TWide typed = edtSzybkie_->toPlainText().toStdU16String();
    // One byte for each UTF-16 unit: a rejected item's place in the bytes is its place
    // in what the user typed, which goes back to the editor letter for letter.
    const std::string bytes = FromWide(typed);
    std::vector<std::string_view> rejected;
    const int count = editing_.QuickAdd(bytes, jezykInterfejsu_, rejected);
    TWide kept;
    for (const std::string_view item : rejected)
        (kept += typed.substr(static_cast<std::size_t>(item.data() - bytes.data()), item.size())) += u';';
    QString message = Napis(kDodanoWyrazow).replace("%d", QString::number(count));
    if (!kept.empty())
        message += Napis(kZostalyBledy);
    edtSzybkie_->setPlainText(QString::fromStdU16String(kept));
    FillHeadwords();
    if (count > 0)
        Save();
    Pytanie().Zapytaj(message.toStdU16String(), TPrzyciski::OK);
}

void TfrmDodaj::Save()
{
    if (Ustawienia().ZapiszSlowniki)
        Ustawienia().ZapiszSlowniki();
}

void DodajDoSlownikaUzytkownika(QWidget* parent, const TWide& word)
{
    auto& settings = Ustawienia();
    TSlowniki& dictionaries = Slowniki();
    TfrmDodaj window(dictionaries.User, dictionaries.UserEditing, settings.Profile,
                     static_cast<std::uint8_t>(settings.JezykInterfejsu), parent);
    window.Wykonaj(word);
}

} // namespace velmar
