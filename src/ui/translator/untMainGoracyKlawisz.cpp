// The translator window and the global hot key: the text another program has selected
// (the X11 primary selection, so that the user's clipboard stays as it was) goes to the
// dictionary window, or to the source pane to be translated, as the hot key options say.
#include <QApplication>
#include <QClipboard>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/translator/untGoracyKlawiszX11.h"
#include "ui/translator/untMain.h"

namespace velmar {

void TfrmMain::InstallHotKey()
{
    Ustawienia().SetHotKeyService(CreateHotKeyService([this] { HotKeyPressed(); }));
}

void TfrmMain::HotKeyPressed()
{
    const TTransUstawienia& settings = Ustawienia();
    const QString text = QApplication::clipboard()->text(QClipboard::Selection).trimmed();
    // The dictionary modes have no translation to add to.
    const bool lookUp = settings.HotKeySlownik || IsDictionaryMode(Program().WorkingMode);
    if (text.isEmpty() || !settings.HotKeyWlaczony || !(lookUp || (settings.HotKeyTlumacz && !Busy())))
        return;
    if (settings.HotKeyAktywujOkno) {
        showNormal();
        raise();
        activateWindow();
    }
    if (lookUp) {
        emit LookUpRequested(text);
        return;
    }
    if (settings.HotKeyTlumaczWyczysc) {
        if (!OfferToSaveDocuments())
            return;
        ClearDocuments();
    }
    QTextCursor end(redGora_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    if (settings.HotKeyTlumaczOdRazu)
        Translate(-1, -1);
}

} // namespace velmar
