// The translator window's find and replace commands: the two windows over the active
// pane, finding without wrapping around, replacing one occurrence, and replacing all
// of them as one undo step that the window's cancel button can stop.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "core/app/untPytanie.h"
#include "ui/app/untNapisy.h"
#include "ui/tools/untZamien.h"
#include "ui/tools/untZnajdz.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int {
    kEdycja = 301,
    kSzukaj = 307,
    kZamien = 308,
    kNieZnaleziono = 107,
    kIloscZamian = 108,
};

QTextDocument::FindFlags FindFlags(bool wholeWords, bool matchCase)
{
    QTextDocument::FindFlags flags;
    if (wholeWords)
        flags |= QTextDocument::FindWholeWords;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

} // namespace

void TfrmMain::CreateEditMenu()
{
    auto* editMenu = menuBar()->addMenu(QString());
    editMenu->setObjectName("mniEdycja");
    PrzypiszNapis(editMenu, kEdycja);
    CreateEditingCommands(editMenu);
    actSzukaj_ = editMenu->addAction(QString());
    actSzukaj_->setObjectName("actSzukaj");
    actSzukaj_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    PrzypiszNapis(actSzukaj_, kSzukaj);
    connect(actSzukaj_, &QAction::triggered, this, [this] { ShowFindWindow(false); });
    actZamien_ = editMenu->addAction(QString());
    actZamien_->setObjectName("actZamien");
    actZamien_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    PrzypiszNapis(actZamien_, kZamien);
    connect(actZamien_, &QAction::triggered, this, [this] { ShowFindWindow(true); });

    frmZnajdz_ = new TfrmZnajdz(this);
    frmZnajdz_->SetOnSearchAction(
        [this](TfrmZnajdz& window, TAkcjaSzukania action) { FindWindowAction(window, action); });
    frmZamien_ = new TfrmZamien(this);
    frmZamien_->SetOnSearchAction(
        [this](TfrmZnajdz& window, TAkcjaSzukania action) { ReplaceWindowAction(window, action); });
}

// Opening one window while the other is open carries its search text over and closes
// it; otherwise the active pane's selection becomes the search text.
void TfrmMain::ShowFindWindow(bool replace)
{
    TfrmZnajdz* shown = replace ? static_cast<TfrmZnajdz*>(frmZamien_) : frmZnajdz_;
    TfrmZnajdz* other = replace ? frmZnajdz_ : static_cast<TfrmZnajdz*>(frmZamien_);
    if (other->Busy())
        return;
    if (other->isVisible()) {
        shown->SetSearchText(other->SearchText());
        other->close();
    } else if (activePane_->textCursor().hasSelection()) {
        shown->SetSearchText(activePane_->textCursor().selectedText());
    }
    shown->SetPaneLanguage(activePane_ == redDol_ ? 1 : 0);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void TfrmMain::FindWindowAction(TfrmZnajdz& window, TAkcjaSzukania action)
{
    if (action == asStop) {
        stopFind_ = true;
        return;
    }
    FindFromSelectionEnd(window, stopFind_);
    window.SetBusy(false);
}

void TfrmMain::ReplaceWindowAction(TfrmZnajdz& window, TAkcjaSzukania action)
{
    switch (action) {
    case asStop: stopReplace_ = true; return;
    case asZnajdzNastepny: FindFromSelectionEnd(window, stopReplace_); return;
    case asZamien:
        stopReplace_ = false;
        ReplaceOne(*frmZamien_);
        break;
    case asZamienWszystko:
        stopReplace_ = false;
        ReplaceAll(*frmZamien_);
        break;
    }
    stopReplace_ = false;
    frmZamien_->SetBusy(false);
}

bool TfrmMain::FindNext(const QString& text, bool wholeWords, bool matchCase, bool& stop)
{
    if (stop) {
        stop = false;
        return false;
    }
    QTextCursor from = activePane_->textCursor();
    from.setPosition(from.selectionStart());
    const QTextCursor found = activePane_->document()->find(text, from, FindFlags(wholeWords, matchCase));
    if (!found.isNull())
        activePane_->setTextCursor(found);
    stop = false;
    return !found.isNull();
}

void TfrmMain::FindFromSelectionEnd(const TfrmZnajdz& window, bool& stop)
{
    QTextCursor caret = activePane_->textCursor();
    caret.setPosition(caret.selectionEnd());
    activePane_->setTextCursor(caret);
    if (!FindNext(window.SearchText(), window.WholeWords(), window.MatchCase(), stop))
        ReportNotFound(window.SearchText());
}

// A second press replaces the next occurrence: an occurrence already replaced is the
// selection, so the search starts behind it.
void TfrmMain::ReplaceOne(const TfrmZamien& window)
{
    QTextCursor caret = activePane_->textCursor();
    if (caret.hasSelection() && caret.selectedText() == window.ReplacementText()) {
        caret.setPosition(caret.selectionEnd());
        activePane_->setTextCursor(caret);
    }
    if (!FindNext(window.SearchText(), window.WholeWords(), window.MatchCase(), stopReplace_)) {
        ReportNotFound(window.SearchText());
        return;
    }
    caret = activePane_->textCursor();
    caret.insertText(window.ReplacementText());
    activePane_->setTextCursor(caret);
}

// Each search starts behind the text just inserted, so a replacement that holds the
// search text still ends. Events are processed between replacements: the window's
// cancel button sets the stop flag.
void TfrmMain::ReplaceAll(TfrmZamien& window)
{
    QTextDocument* document = activePane_->document();
    const QTextDocument::FindFlags flags = FindFlags(window.WholeWords(), window.MatchCase());
    const int start = activePane_->textCursor().selectionStart();
    window.Progress()->setRange(0, std::max(1, document->characterCount() - 1 - start));
    window.Progress()->setValue(0);
    int count = 0;
    QTextCursor position(document);
    position.setPosition(start);
    QTextCursor undoStep(document);
    undoStep.beginEditBlock();
    activePane_->setUpdatesEnabled(false);
    while (!stopReplace_) {
        QTextCursor found = document->find(window.SearchText(), position, flags);
        if (found.isNull())
            break;
        ++count;
        found.insertText(window.ReplacementText());
        position = found;
        window.Progress()->setValue(std::min(window.Progress()->maximum(), found.position() - start));
        QApplication::processEvents();
    }
    undoStep.endEditBlock();
    activePane_->setUpdatesEnabled(true);
    activePane_->setTextCursor(position);
    window.Progress()->setValue(window.Progress()->maximum());
    if (count > 0)
        Pytanie().Zapytaj(Napis(kIloscZamian).replace("%d", QString::number(count)).toStdU16String(), TPrzyciski::OK);
    else
        ReportNotFound(window.SearchText());
}

void TfrmMain::ReportNotFound(const QString& text)
{
    Pytanie().Zapytaj(Napis(kNieZnaleziono).replace("%s", text).toStdU16String(), TPrzyciski::OK);
}

} // namespace velmar
