// The translator window's documents: the file menu (new, open, save, append, import,
// export, print, mail, recent files), the pane headers with the document names, the
// question before unsaved documents are dropped, and the pane backups restored when
// the settings are applied.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextEdit>
#include <filesystem>

#include "core/app/untFoldery.h"
#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUstawienia.h"
#include "platform/untConverters.h"
#include "platform/untTekstFormatowanyQt.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untNaglowekPanelu.h"
#include "ui/translator/untPanel.h"

namespace velmar {

namespace {

enum : int {
    kPlik = 251,
    kNowy = 252,
    kOtworz = 253,
    kZapisz = 254,
    kZapiszJako = 255,
    kDolaczPlik = 256,
    kImport = 257,
    kEksport = 258,
    kWordEksport = 259,
    kDrukuj = 260,
    kUstawieniaDrukarki = 261,
    kWyslijTlumaczenie = 262,
    kZakoncz = 270,
    kNiezapisany = 103,
    kBrakPliku = 104,
    kImportFailed = 125,
    kExportFailed = 126,
};

// A backup larger than this is someone else's file, not a pane of ours.
constexpr std::uintmax_t kMaxBackupSize = 0xA00000;

void ShowMessage(int textId, const QString& argument = {})
{
    Pytanie().Zapytaj(Napis(textId).replace("%s", argument).toStdU16String(), TPrzyciski::OK);
}

QString FromPath(const std::string& path)
{
    return QString::fromStdString(path);
}

TWybranyPlik AskInDialog(QWidget* parent, bool forSaving, const QString& proposed)
{
    const TFormatyPlikow formats = forSaving ? TFormatyPlikow::ForSaving() : TFormatyPlikow::ForOpening();
    QFileDialog dialog(parent);
    dialog.setNameFilters(formats.Filter().split(";;"));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (forSaving) {
        const TWyborFormatu choice = ChooseSaveFormat(formats, proposed, tpDowolny);
        if (choice.Indeks >= 0)
            dialog.selectNameFilter(dialog.nameFilters().value(choice.Indeks));
        dialog.selectFile(choice.ProponowanaNazwa.isEmpty() ? proposed : choice.ProponowanaNazwa);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const int filter = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return {dialog.selectedFiles().front(), filter >= 0 && filter < formats.Count() ? formats[filter].Typ : tpDowolny};
}

// The target takes its name from the source's: "list.rtf" → "list<suffix>.rtf", unless
// that file exists.
std::string DerivedTargetName(const std::string& sourceName, const std::string& suffix)
{
    const std::filesystem::path source(sourceName);
    std::filesystem::path derived = source.parent_path() / (source.stem().string() + suffix);
    derived += source.extension();
    std::error_code error;
    return std::filesystem::exists(derived, error) ? std::string() : derived.string();
}

} // namespace

void TfrmMain::CreateFileMenu()
{
    auto* menu = menuBar()->addMenu(QString());
    menu->setObjectName("mniPlik");
    PrzypiszNapis(menu, kPlik);
    actNowy_ = AddCommand(menu, "actNowy", kNowy, QKeySequence::New, [this] { NewDocuments(); });
    actOtworz_ = AddCommand(menu, "actOtworz", kOtworz, QKeySequence::Open, [this] { OpenChosenFile(); });
    actZapisz_ =
        AddCommand(menu, "actZapisz", kZapisz, QKeySequence::Save, [this] { SavePane(ActivePaneIndex(), false); });
    actZapiszJako_ = AddCommand(menu, "actZapiszJako", kZapiszJako, QKeySequence(Qt::CTRL | Qt::Key_W),
                                [this] { SavePane(ActivePaneIndex(), true); });
    actDolaczPlik_ = AddCommand(menu, "actDolaczPlik", kDolaczPlik, {}, [this] { AppendChosenFile(); });
    menu->addSeparator();
    actImport_ = AddCommand(menu, "actImport", kImport, {}, [this] { ImportChosenFile(); });
    actEksport_ = AddCommand(menu, "actEksport", kEksport, {}, [this] { ExportActivePane(); });
    actWordEksport_ = AddCommand(menu, "actWordEksport", kWordEksport, {}, [this] {
        if (const TWynik result = ExportToWordProcessor(*activePane_->document(), DesktopOpener()); !result)
            ShowMessage(result.Komunikat);
    });
    menu->addSeparator();
    actDrukuj_ = AddCommand(menu, "actDrukuj", kDrukuj, QKeySequence::Print, [this] { PrintActivePane(); });
    actUstawieniaDrukarki_ = AddCommand(menu, "actUstawieniaDrukarki", kUstawieniaDrukarki, {}, [this] {
        QPageSetupDialog dialog(&Printer(), this);
        dialog.exec();
    });
    actWyslijTlumaczenie_ = AddCommand(menu, "actWyslijTlumaczenie", kWyslijTlumaczenie, {}, [this] {
        if (const TWynik result = SendByMail(redDol_->toPlainText(), DesktopOpener()); !result)
            ShowMessage(result.Komunikat);
    });
    menu->addSeparator();
    for (std::size_t i = 0; i < recentFiles_.size(); ++i) {
        recentFiles_[i] = menu->addAction(QString());
        recentFiles_[i]->setObjectName(QStringLiteral("mniPlik%1").arg(i + 1));
        connect(recentFiles_[i], &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
    }
    recentSeparator_ = menu->addSeparator();
    AddCommand(menu, "actZakoncz", kZakoncz, QKeySequence::Quit, [this] { close(); });
    RebuildRecentFiles();
}

void TfrmMain::SetFileChooser(TWyborPliku chooser)
{
    chooser_ = std::move(chooser);
}

TWybranyPlik TfrmMain::ChooseFile(bool forSaving, const QString& proposed)
{
    return chooser_ ? chooser_(forSaving, proposed) : AskInDialog(this, forSaving, proposed);
}

int TfrmMain::ActivePaneIndex() const
{
    return activePane_ == redDol_ ? 1 : 0;
}

QTextEdit* TfrmMain::Pane(int index) const
{
    return index == 1 ? redDol_ : redGora_;
}

TPanel& TfrmMain::PanelOf(int index) const
{
    return index == 1 ? *panelDol_ : *panelGora_;
}

QString TfrmMain::DocumentName(int index) const
{
    const TDokument& document = Ustawienia().Dokumenty[static_cast<std::size_t>(index)];
    std::string name = document.NazwaPliku;
    const TDokument& source = Ustawienia().Dokumenty[0];
    if (index == 1 && !document.Nazwany && source.Nazwany)
        if (std::string derived = DerivedTargetName(source.NazwaPliku, Ustawienia().DomyslneRozszerzenie);
            !derived.empty())
            name = std::move(derived);
    return QFileInfo(FromPath(name)).fileName();
}

void TfrmMain::RefreshPaneCaptions()
{
    for (int index : {0, 1}) {
        TNaglowekPanelu* header = index == 0 ? lblTransTop_ : lblTransBottom_;
        const std::uint8_t language = PanelOf(index).Jezyk();
        header->SetLanguage(language);
        header->SetCaption(PaneCaption(QString::fromStdU16String(Ustawienia().Teksty.LanguageName(language)),
                                       DocumentName(index), Pane(index)->document()->isModified()));
    }
}

bool TfrmMain::SavePane(int index, bool askName)
{
    TDokument& document = Ustawienia().Dokumenty[static_cast<std::size_t>(index)];
    QString name = FromPath(document.NazwaPliku);
    int type = document.Format;
    // A document that was never named is saved as a new file.
    if (askName || !document.Nazwany) {
        const TWybranyPlik chosen = ChooseFile(true, index == 1 ? FromPath(document.NazwaPliku) : name);
        if (chosen.Name.isEmpty())
            return false;
        name = chosen.Name;
        type = chosen.Type == tpDowolny || chosen.Type == tpWszystkieDokumenty ? FormatOfFileName(name) : chosen.Type;
    }
    if (const TWynik result = SaveDocument(*Pane(index)->document(), name, type, PanelOf(index).Jezyk()); !result) {
        ShowMessage(result.Komunikat);
        return false;
    }
    document.NazwaPliku = name.toStdString();
    document.Nazwany = true;
    document.Format = type;
    Pane(index)->document()->setModified(false);
    RefreshPaneCaptions();
    return true;
}

bool TfrmMain::OfferToSaveDocuments(std::initializer_list<int> panes)
{
    if (!Ustawienia().PytajCzyZapisac)
        return true;
    for (int index : panes) {
        const QTextDocument& document = *Pane(index)->document();
        if (!document.isModified() || document.isEmpty())
            continue;
        const QString language =
            QString::fromStdU16String(Ustawienia().Teksty.LanguageLocative(PanelOf(index).Jezyk()));
        const TOdpowiedz answer =
            Pytanie().Zapytaj(Napis(kNiezapisany).replace("%s", language).toStdU16String(), TPrzyciski::TakNieAnuluj);
        if (answer == TOdpowiedz::Anuluj || (answer == TOdpowiedz::Tak && !SavePane(index, false)))
            return false;
    }
    return true;
}

void TfrmMain::ClearDocuments()
{
    for (int index : {0, 1}) {
        Pane(index)->clear();
        Pane(index)->document()->setModified(false);
    }
    sledzGora_.Clear();
    sledzDol_.Clear();
    std::error_code error;
    Ustawienia().ResetDocuments(std::filesystem::current_path(error));
    RefreshPaneCaptions();
}

void TfrmMain::NewDocuments()
{
    if (!Busy() && OfferToSaveDocuments())
        ClearDocuments();
}

void TfrmMain::OpenChosenFile()
{
    if (Busy() || !OfferToSaveDocuments())
        return;
    const TWybranyPlik chosen = ChooseFile(false, {});
    if (!chosen.Name.isEmpty())
        OpenFile(chosen.Name);
}

bool TfrmMain::OpenFile(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        ShowMessage(kBrakPliku, fileName);
        ForgetRecentFile(fileName);
        return false;
    }
    // The panes keep what they hold when the file cannot be read.
    TPominiecia leftOut = 0;
    if (const TWynik result =
            OpenDocument(*redGora_->document(), fileName, {tpWszystkieDokumenty, panelGora_->Jezyk()}, &leftOut);
        !result) {
        ShowMessage(result.Komunikat);
        return false;
    }
    redDol_->clear();
    std::error_code error;
    Ustawienia().ResetDocuments(std::filesystem::current_path(error));
    TDokument& document = Ustawienia().Dokumenty[0];
    // A word-processor file is kept as RTF under its own name.
    const bool converted = IsForeignFormat(fileName);
    document.NazwaPliku =
        (converted ? QFileInfo(fileName).path() + "/" + QFileInfo(fileName).completeBaseName() + ".rtf" : fileName)
            .toStdString();
    document.Format = converted ? tpRtf : FormatOfFileName(fileName);
    document.Nazwany = true;
    for (int index : {0, 1})
        Pane(index)->document()->setModified(false);
    RememberRecentFile(fileName);
    RefreshPaneCaptions();
    // Footnotes, frames, headers, pictures: what the panes could not hold, said once.
    if (const QString notice = LeftOutNotice(leftOut); !notice.isEmpty())
        Pytanie().Zapytaj(notice.toStdU16String(), TPrzyciski::OK);
    return true;
}

void TfrmMain::AppendChosenFile()
{
    const TWybranyPlik chosen = ChooseFile(false, {});
    if (chosen.Name.isEmpty())
        return;
    TTekstFormatowany appended;
    if (const TWynik result = LoadDocumentFile(appended, chosen.Name, {tpWszystkieDokumenty, panelGora_->Jezyk()});
        !result) {
        ShowMessage(result.Komunikat);
        return;
    }
    QTextCursor end(redGora_->document());
    end.movePosition(QTextCursor::End);
    if (!redGora_->document()->isEmpty())
        end.insertBlock();
    InsertDocument(end, appended);
}

void TfrmMain::ImportChosenFile()
{
    if (Busy() || !OfferToSaveDocuments())
        return;
    const TWybranyPlik chosen = ChooseFile(false, {});
    if (chosen.Name.isEmpty())
        return;
    TTekstFormatowany imported;
    if (!LoadDocumentFile(imported, chosen.Name, {tpWszystkieDokumenty, panelGora_->Jezyk()})) {
        ShowMessage(kImportFailed);
        return;
    }
    ClearDocuments();
    FillDocument(*redGora_->document(), imported);
    // An imported document has no name of ours yet: it is offered for saving.
    redGora_->document()->setModified(true);
}

void TfrmMain::ExportActivePane()
{
    const int index = ActivePaneIndex();
    const TWybranyPlik chosen = ChooseFile(true, DocumentName(index));
    if (chosen.Name.isEmpty())
        return;
    if (!SaveDocument(*Pane(index)->document(), chosen.Name, chosen.Type, PanelOf(index).Jezyk()))
        ShowMessage(kExportFailed);
}

QPrinter& TfrmMain::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

void TfrmMain::PrintActivePane()
{
    QPrinter& printer = Printer();
    // Without a printer the pane goes to a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const TWybranyPlik chosen =
            ChooseFile(true, QFileInfo(DocumentName(ActivePaneIndex())).completeBaseName() + ".pdf");
        if (chosen.Name.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen.Name);
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    activePane_->document()->print(&printer);
}

void TfrmMain::RememberRecentFile(const QString& fileName)
{
    auto& files = Ustawienia().OstatniePliki;
    const std::string name = fileName.toStdString();
    std::erase(files, name);
    files.insert(files.begin(), name);
    if (files.size() > recentFiles_.size())
        files.resize(recentFiles_.size());
    Ustawienia().PoZmianieOstatnichPlikow.Notify();
}

void TfrmMain::ForgetRecentFile(const QString& fileName)
{
    if (std::erase(Ustawienia().OstatniePliki, fileName.toStdString()) > 0)
        Ustawienia().PoZmianieOstatnichPlikow.Notify();
}

void TfrmMain::OpenRecentFile(std::size_t index)
{
    const auto& files = Ustawienia().OstatniePliki;
    if (Busy() || index >= files.size() || !OfferToSaveDocuments())
        return;
    OpenFile(FromPath(files[index]));
}

void TfrmMain::RebuildRecentFiles()
{
    const auto& files = Ustawienia().OstatniePliki;
    const QString folder = QDir::currentPath() + "/";
    for (std::size_t i = 0; i < recentFiles_.size(); ++i) {
        const bool shown = i < files.size();
        recentFiles_[i]->setVisible(shown);
        if (!shown)
            continue;
        QString name = FromPath(files[i]);
        if (name.startsWith(folder))
            name.remove(0, folder.size());
        recentFiles_[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    }
    recentSeparator_->setVisible(!files.empty());
}

void TfrmMain::RestorePaneBackups()
{
    for (int index : {0, 1}) {
        const std::string name = PaneBackupFile(Program().WorkingMode, index == 1);
        if (name.empty())
            continue;
        // A backup that cannot be read is no reason to stop the start.
        std::error_code error;
        const std::filesystem::path path = Foldery().ReadPath(name);
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error || size >= kMaxBackupSize)
            continue;
        QFile file(QString::fromStdString(path.string()));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        PanelOf(index).StreamIn(file.readAll().toStdString(), TStrumien::Rtf);
        Pane(index)->document()->setModified(true);
    }
    RefreshPaneCaptions();
}

} // namespace velmar
