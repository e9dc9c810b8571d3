// The translator window and the clipboard: "Tłumacz schowek" translates the clipboard
// through the hidden pane, appended to the translation or in its place; with the
// clipboard import on, what another program copies replaces the source selection
// (and is translated at once with "TlumaczPoImporcie").
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextEdit>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"

namespace velmar {

namespace {

enum : int {
    kTlumaczSchowek = 406,
    kWlaczImport = 410,
    kWylaczImport = 411,
    kDolaczDoTlumaczenia = 414,
    kUsunTlumaczenie = 415,
    kSchowekPusty = 136,
};

} // namespace

void TfrmMain::CreateClipboardCommands(QMenu* translationMenu, QMenu* toolsMenu)
{
    auto* clipboardMenu = translationMenu->addMenu(QString());
    clipboardMenu->setObjectName("mniTlumaczSchowek");
    PrzypiszNapis(clipboardMenu, kTlumaczSchowek);
    actTlumaczSchowekDolacz_ = AddCommand(clipboardMenu, "mniTlumaczSchowekDolacz", kDolaczDoTlumaczenia, {},
                                          [this] { TranslateClipboard(true); });
    actTlumaczSchowekNowy_ =
        AddCommand(clipboardMenu, "mniTlumaczSchowekNowy", kUsunTlumaczenie, {}, [this] { TranslateClipboard(false); });
    actImportuj_ = AddCommand(toolsMenu, "mniNarzedziaImportuj", kWlaczImport, {},
                              [this] { SetClipboardImport(actImportuj_->isChecked()); });
    actImportuj_->setCheckable(true);
}

void TfrmMain::TranslateClipboard(bool append)
{
    if (Busy())
        return;
    if (!append) {
        if (!OfferToSaveDocuments({1}))
            return;
        redDol_->clear();
        redDol_->document()->setModified(false);
        sledzGora_.Clear();
        sledzDol_.Clear();
    }
    redUkryty_->clear();
    redUkryty_->setReadOnly(false);
    redUkryty_->paste();
    redUkryty_->setReadOnly(true);
    if (redUkryty_->document()->isEmpty()) {
        Pytanie().Zapytaj(Napis(kSchowekPusty).toStdU16String(), TPrzyciski::OK);
        return;
    }
    redDol_->moveCursor(QTextCursor::End);
    // The source positions of the hidden pane mean nothing in the source pane: not followed.
    StartRun({*panelUkryty_, *panelDol_}, -1, -1, false);
}

void TfrmMain::SetClipboardImport(bool on)
{
    actImportuj_->setChecked(on);
    PrzypiszNapis(actImportuj_, on ? kWylaczImport : kWlaczImport);
    QClipboard* clipboard = QApplication::clipboard();
    if (on)
        connect(clipboard, &QClipboard::dataChanged, this, &TfrmMain::ImportClipboard, Qt::UniqueConnection);
    else
        disconnect(clipboard, &QClipboard::dataChanged, this, &TfrmMain::ImportClipboard);
}

void TfrmMain::ImportClipboard()
{
    // What the user copies in this program is not imported, nor anything while a
    // translation runs.
    if (QApplication::activeWindow() != nullptr || Busy())
        return;
    redGora_->paste();
    if (!Ustawienia().TlumaczPoImporcie)
        return;
    showNormal();
    raise();
    activateWindow();
    Translate(-1, -1);
}

} // namespace velmar
