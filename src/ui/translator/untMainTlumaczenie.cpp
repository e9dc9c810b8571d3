// The translator window's translation commands: starting the worker over a stretch of
// the source, stopping it, the busy state while it runs, the pause after a sentence and
// the end of a run.
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untPytanie.h"
#include "ui/tools/untZamien.h"
#include "ui/tools/untZnajdz.h"
#include "ui/translator/untGospodarzOkna.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untPasekPostepu.h"

namespace velmar {

namespace {
constexpr int kTlumacz = 404;
constexpr int kPrzerwijTlumaczenie = 111;
constexpr int kCzyPrzerwac = 112;
constexpr int kPrzerwanoTlumaczenie = 113;
constexpr int kKontynuuj = 29;
} // namespace

QAction* TfrmMain::AddTranslationAction(QMenu* menu, const char* name, int textId)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    PrzypiszNapis(action, textId);
    return action;
}

void TfrmMain::CreateTranslationMenu(QMenu* menu)
{
    actTlumacz_ = AddTranslationAction(menu, "actTlumacz", kTlumacz);
    actTlumacz_->setShortcut(QKeySequence(Qt::Key_F12));
    connect(actTlumacz_, &QAction::triggered, this, [this] {
        if (Busy())
            worker_->RequestStop();
        else
            Translate(-1, -1);
    });
    actTlumaczOdKursora_ = AddTranslationAction(menu, "actTlumaczOdKursora", 407);
    connect(actTlumaczOdKursora_, &QAction::triggered, this,
            [this] { Translate(redGora_->textCursor().position(), -1); });
    actTlumaczDoKursora_ = AddTranslationAction(menu, "actTlumaczDoKursora", 408);
    connect(actTlumaczDoKursora_, &QAction::triggered, this,
            [this] { Translate(-1, redGora_->textCursor().position()); });
    actTlumaczZaznaczenie_ = AddTranslationAction(menu, "actTlumaczZaznaczenie", 409);
    connect(actTlumaczZaznaczenie_, &QAction::triggered, this, [this] {
        const QTextCursor selection = redGora_->textCursor();
        Translate(selection.selectionStart(), selection.selectionEnd());
    });
    actTlumaczPoZdaniu_ = AddTranslationAction(menu, "actTlumaczPoZdaniu", 405);
    connect(actTlumaczPoZdaniu_, &QAction::triggered, this, [this] { Translate(-1, -1, true); });
    connect(redGora_, &QTextEdit::selectionChanged, this, &TfrmMain::UpdateTranslationCommands);

    btnKontynuuj_ = new QPushButton(statusBar());
    btnKontynuuj_->setObjectName("btnKontynuuj");
    PrzypiszNapis(btnKontynuuj_, kKontynuuj);
    btnKontynuuj_->setEnabled(false);
    statusBar()->addPermanentWidget(btnKontynuuj_);
    connect(btnKontynuuj_, &QPushButton::clicked, this, [this] {
        if (host_)
            host_->ContinueAfterPause();
    });
    UpdateTranslationCommands();
}

bool TfrmMain::Busy() const
{
    return worker_ != nullptr;
}

void TfrmMain::Translate(int start, int end, bool sentenceBySentence)
{
    if (Busy())
        return;
    TOpcjeTlumaczenia options = TOpcjeTlumaczenia::FromSettings(Ustawienia());
    options.SentenceBySentence = sentenceBySentence;
    panelGora_->SetJezyk(Program().SourceLanguage);
    panelDol_->SetJezyk(Program().TargetLanguage);
    if (Ustawienia().ZachowujPrzeklad)
        redDol_->moveCursor(QTextCursor::End);
    else
        redDol_->clear();

    workerDictionaries_ = std::make_unique<TSlownikiRobocze>(Slowniki(), Program().SourceLanguage);
    host_ = std::make_unique<TGospodarzOkna>(*panelGora_, *panelDol_, options);
    connect(host_.get(), &TGospodarzOkna::ProgressRangeSet, postep_, &TPasekPostepu::SetRange);
    connect(host_.get(), &TGospodarzOkna::ProgressMoved, postep_, &TPasekPostepu::SetPosition);
    connect(host_.get(), &TGospodarzOkna::PauseOpened, this, [this] { SetPaused(true); });
    connect(host_.get(), &TGospodarzOkna::PauseEnded, this, [this] { SetPaused(false); });
    connect(host_.get(), &TGospodarzOkna::RunEnded, this, &TfrmMain::TranslationEnded);
    const TKontekstWypowiedzi context{Program().SourceLanguage,  Program().TargetLanguage,
                                      Program().WorkingMode,     {},
                                      workerDictionaries_.get(), nullptr};
    worker_ = std::make_unique<TTranslatorThread>(*host_, options, context, TZakresTlumaczenia{start, end});
    SetBusy(true);
    worker_->Start();
}

void TfrmMain::SetBusy(bool busy)
{
    redGora_->setReadOnly(busy);
    redDol_->setReadOnly(busy);
    PrzypiszNapis(actTlumacz_, busy ? kPrzerwijTlumaczenie : kTlumacz);
    if (busy) {
        // The panes change under a translation: no search may run in them.
        frmZnajdz_->close();
        frmZamien_->close();
        postep_->Start();
    } else {
        postep_->Stop();
    }
    UpdateTranslationCommands();
}

void TfrmMain::SetPaused(bool paused)
{
    // While the worker waits, the user may edit either pane.
    redGora_->setReadOnly(!paused);
    redDol_->setReadOnly(!paused);
    btnKontynuuj_->setEnabled(paused);
    postep_->Pause(paused);
}

void TfrmMain::UpdateTranslationCommands()
{
    const bool idle = !Busy();
    for (QAction* action : {actTlumaczOdKursora_, actTlumaczDoKursora_, actTlumaczPoZdaniu_, actNowy_, actSzukaj_,
                            actZamien_, actPisownia_, actFrekwencja_})
        if (action != nullptr) // the tools menu is made after the translation menu
            action->setEnabled(idle);
    actTlumaczZaznaczenie_->setEnabled(idle && redGora_->textCursor().hasSelection());
}

void TfrmMain::TranslationEnded(const TKoniecTlumaczenia& end)
{
    worker_.reset();                // the run has returned: this only joins its thread
    host_.release()->deleteLater(); // its signal is being delivered now
    workerDictionaries_.reset();
    btnKontynuuj_->setEnabled(false);
    SetBusy(false);
    if (closeWhenEnded_) {
        close();
        return;
    }
    if (end.Interrupted)
        Pytanie().Zapytaj(Napis(kPrzerwanoTlumaczenie).toStdU16String(), TPrzyciski::OK);
    (Ustawienia().KursorWDolnym ? redDol_ : redGora_)->setFocus();
}

void TfrmMain::AbandonTranslation()
{
    if (!Busy())
        return;
    host_->Detach();
    worker_->RequestStop(true);
    worker_.reset();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!Busy()) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    if (Pytanie().Zapytaj(Napis(kCzyPrzerwac).toStdU16String(), TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    closeWhenEnded_ = true;
    worker_->RequestStop(true);
}

} // namespace velmar
