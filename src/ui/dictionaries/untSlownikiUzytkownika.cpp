#include "ui/dictionaries/untSlownikiUzytkownika.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <new>

#include "core/app/untBladPliku.h"
#include "core/app/untFoldery.h"
#include "core/app/untPytanie.h"
#include "core/app/untStaleApp.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "ui/app/untNapisy.h"
#include "ui/dictionaries/untSlownikiUzytkownikaDodaj.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1901,
    kUstawBiezacy = 1902,
    kCzyUsunac = 1911,
    kPolozenie = 1931,
    kOpis = 1932,
    kLiczbaHasel = 1933,
    kBiezacy = 1934,
    kOtworz = 1940,
    kEdytuj = 1941,
};

enum TKolumna : int { kolPolozenie, kolOpis, kolLiczbaHasel, kolBiezacy };

// A registered file as the dictionaries find it: a bare name (the mode's default) by
// the data-folder rule.
std::filesystem::path ResolvedPath(const std::string& file)
{
    const std::filesystem::path path(file);
    return path.is_absolute() ? path : Foldery().ReadPath(file);
}

// "name (folder)".
QString Location(const std::string& file)
{
    const std::filesystem::path path = ResolvedPath(file);
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(path.filename().string()),
                                         QString::fromStdString(path.parent_path().string()));
}

// Where the lines of a registered file are until OK carries out the deferred moves.
std::string FileBeforeMoves(std::string file, const std::vector<TZmianaPliku>& pending)
{
    for (auto change = pending.rbegin(); change != pending.rend(); ++change)
        if (change->To == file)
            file = change->From;
    return file;
}

// A save failure other than a list that was never read: its lines exist only in memory.
bool LinesAtRisk(const TBledyPlikow& failures)
{
    return std::any_of(failures.begin(), failures.end(),
                       [](const TBladPliku& failure) { return failure.Rodzaj != TRodzajBleduPliku::NieNadpisany; });
}

} // namespace

TfrmSlownikiUzytkownika::TfrmSlownikiUzytkownika(TSlowniki& dictionaries, QWidget* parent)
    : QDialog(parent), dictionaries_(dictionaries)
{
    setObjectName(QStringLiteral("frmSlownikiUzytkownika"));
    auto& settings = Ustawienia();
    const int mode = Program().WorkingMode;
    key_ = ProductFile(tabele::UserDictionaryListKey, mode);
    registry_.LoadRegistry(settings.Store(), key_, ProductFile(tabele::UserDictionary, mode),
                           WideToUtf8(InterfaceTextWide(settings.JezykInterfejsu, tekst::SlownikDomyslny)));
    registry_.DeferFileChanges = true;
    loadedFile_ = registry_.Current()->FileName;

    auto* layout = new QVBoxLayout(this);
    tvSlowniki_ = new QTreeWidget(this);
    tvSlowniki_->setObjectName(QStringLiteral("tvSlowniki"));
    tvSlowniki_->setRootIsDecorated(false);
    tvSlowniki_->setHeaderLabels({Napis(kPolozenie), Napis(kOpis), Napis(kLiczbaHasel), Napis(kBiezacy)});
    layout->addWidget(tvSlowniki_, 1);
    CreateButtons();
    connect(tvSlowniki_, &QTreeWidget::currentItemChanged, this, &TfrmSlownikiUzytkownika::UpdateButtons);
    connect(tvSlowniki_, &QTreeWidget::itemDoubleClicked, this, &TfrmSlownikiUzytkownika::Edytuj);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
    Fill(registry_.CurrentIndex);
    resize(640, 320);
}

void TfrmSlownikiUzytkownika::CreateButtons()
{
    auto* row = new QHBoxLayout;
    const auto button = [this, row](const char* name, int textId, void (TfrmSlownikiUzytkownika::*action)()) {
        auto* created = new QPushButton(this);
        created->setObjectName(name);
        PrzypiszNapis(created, textId);
        connect(created, &QPushButton::clicked, this, action);
        row->addWidget(created);
        return created;
    };
    btnDodaj_ = button("btnDodaj", tekst::Dodaj, &TfrmSlownikiUzytkownika::Dodaj);
    btnOtworz_ = button("btnOtworz", kOtworz, &TfrmSlownikiUzytkownika::Otworz);
    btnEdytuj_ = button("btnEdytuj", kEdytuj, &TfrmSlownikiUzytkownika::Edytuj);
    btnUsun_ = button("btnUsun", tekst::Usun, &TfrmSlownikiUzytkownika::Usun);
    btnBiezacy_ = button("btnBiezacy", kUstawBiezacy, &TfrmSlownikiUzytkownika::UstawBiezacy);
    row->addStretch(1);
    auto& windowLayout = *static_cast<QVBoxLayout*>(layout());
    windowLayout.addLayout(row);
    btnOK_ = AddOkAndCancel(*this, windowLayout);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmSlownikiUzytkownika::Zatwierdz);
}

int TfrmSlownikiUzytkownika::HeadwordCount(const TSlownikUzytkownika& entry) const
{
    if (entry.FileName == loadedFile_)
        return dictionaries_.User.Count();
    return TSlownikiUzytkownika::LineCount(ResolvedPath(FileBeforeMoves(entry.FileName, registry_.PendingFileChanges)));
}

void TfrmSlownikiUzytkownika::Fill(int selectedRow)
{
    tvSlowniki_->clear();
    for (int i = 0; i < registry_.Count(); ++i) {
        const TSlownikUzytkownika& entry = *registry_.Item(i);
        auto* item = new QTreeWidgetItem(tvSlowniki_);
        item->setText(kolPolozenie, Location(entry.FileName));
        item->setText(kolOpis, QString::fromStdString(entry.Description));
        item->setText(kolLiczbaHasel, QString::number(HeadwordCount(entry)));
        item->setText(kolBiezacy, i == registry_.CurrentIndex ? QStringLiteral("*") : QString());
    }
    tvSlowniki_->setCurrentItem(tvSlowniki_->topLevelItem(std::clamp(selectedRow, 0, registry_.Count() - 1)));
    UpdateButtons();
}

int TfrmSlownikiUzytkownika::SelectedRow() const
{
    return tvSlowniki_->indexOfTopLevelItem(tvSlowniki_->currentItem());
}

void TfrmSlownikiUzytkownika::UpdateButtons()
{
    const TSlownikUzytkownika* selected = registry_.Item(SelectedRow());
    btnEdytuj_->setEnabled(selected != nullptr);
    btnUsun_->setEnabled(selected != nullptr && !selected->IsDefault);
    btnBiezacy_->setEnabled(selected != nullptr && SelectedRow() != registry_.CurrentIndex);
}

bool TfrmSlownikiUzytkownika::ShowDialog(TRodzajSlownikaUzytkownika kind, int index)
{
    TfrmSlownikiUzytkownikaDodaj dialog(registry_, kind, index, this);
    return dialog.exec() == QDialog::Accepted;
}

void TfrmSlownikiUzytkownika::Dodaj()
{
    if (ShowDialog(TRodzajSlownikaUzytkownika::Nowy, -1))
        Fill(registry_.Count() - 1);
}

void TfrmSlownikiUzytkownika::Otworz()
{
    if (ShowDialog(TRodzajSlownikaUzytkownika::Istniejacy, -1))
        Fill(registry_.Count() - 1);
}

void TfrmSlownikiUzytkownika::Edytuj()
{
    const int row = SelectedRow();
    const TSlownikUzytkownika* entry = registry_.Item(row);
    if (entry == nullptr)
        return;
    const bool loaded = entry->FileName == loadedFile_;
    if (!ShowDialog(TRodzajSlownikaUzytkownika::Zmiana, row))
        return;
    if (loaded)
        loadedFile_ = registry_.Item(row)->FileName;
    Fill(row);
}

void TfrmSlownikiUzytkownika::Usun()
{
    const int row = SelectedRow();
    const TSlownikUzytkownika* entry = registry_.Item(row);
    if (entry == nullptr || entry->IsDefault ||
        Pytanie().Zapytaj(Napis(kCzyUsunac).toStdU16String(), TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    registry_.Unregister(row, false);
    Fill(row - 1);
}

void TfrmSlownikiUzytkownika::UstawBiezacy()
{
    const int row = SelectedRow();
    if (registry_.Item(row) == nullptr)
        return;
    registry_.CurrentIndex = row;
    Fill(row);
}

void TfrmSlownikiUzytkownika::Zatwierdz()
{
    auto& settings = Ustawienia();
    // The registry still in the store names the file the lines came from.
    const TBledyPlikow failures =
        dictionaries_.SaveDictionaries(Program(), FileBeforeMoves(loadedFile_, registry_.PendingFileChanges));
    ReportFileFailures(settings.JezykInterfejsu, tekst::BladZapisuPliku, failures);
    if (LinesAtRisk(failures))
        return;
    const bool filesChanged = !registry_.PendingFileChanges.empty();
    for (const TZmianaPliku& change : registry_.PendingFileChanges)
        ApplyFileChange(change);
    registry_.PendingFileChanges.clear();
    registry_.SaveRegistry(settings.Store(), key_);
    LoadCurrent(filesChanged);
    accept();
}

void TfrmSlownikiUzytkownika::LoadCurrent(bool filesChanged)
{
    const std::string& current = registry_.Current()->FileName;
    if (!filesChanged && current == loadedFile_)
        return;
    auto& settings = Ustawienia();
    try {
        ReportFileFailures(settings.JezykInterfejsu, tekst::BladOtwarciaPliku,
                           dictionaries_.AttachUserDictionary(Program(), current));
    } catch (const std::bad_alloc&) {
        Pytanie().Zapytaj(InterfaceTextWide(settings.JezykInterfejsu, tekst::BrakPamieci), TPrzyciski::OK);
    } catch (const std::exception&) {
        Pytanie().Zapytaj(InterfaceTextWide(settings.JezykInterfejsu, tekst::NieznanyBlad), TPrzyciski::OK);
    }
    loadedFile_ = current;
    settings.PoZmianieSlownikaUzytkownika.Notify();
}

void PokazSlownikiUzytkownika(QWidget* parent)
{
    TfrmSlownikiUzytkownika(Slowniki(), parent).exec();
}

} // namespace velmar
