// The translator window's translation commands: starting the worker over a stretch of
// the source, stopping it, the busy state while it runs, the pause after a sentence and
// the end of a run.
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <utility>

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
#include "ui/translator/untPoZdaniu.h"
#include "ui/translator/untSiatkaZnaczen.h"
#include "ui/translator/untTlumaczReczne.h"
#include "ui/translator/untTlumaczZdanie.h"
#include "ui/translator/untUsunZnaki.h"

namespace velmar {

namespace {
constexpr int kTlumacz = 404;
constexpr int kPrzerwijTlumaczenie = 111;
constexpr int kCzyPrzerwac = 112;
constexpr int kPrzerwanoTlumaczenie = 113;
constexpr int kTlumaczBiezaceZdanie = 412;
constexpr int kPrzetlumaczPonownie = 413;
constexpr int kUsunacZnakiPrzedTlumaczeniem = 110;
} // namespace

void TfrmMain::CreateTranslationMenu(QMenu* menu)
{
    actTlumacz_ = AddCommand(menu, "actTlumacz", kTlumacz, QKeySequence(Qt::Key_F12), [this] {
        if (Busy())
            worker_->RequestStop();
        else
            Translate(-1, -1);
    });
    actTlumaczOdKursora_ =
        AddCommand(menu, "actTlumaczOdKursora", 407, {}, [this] { Translate(redGora_->textCursor().position(), -1); });
    actTlumaczDoKursora_ =
        AddCommand(menu, "actTlumaczDoKursora", 408, {}, [this] { Translate(-1, redGora_->textCursor().position()); });
    actTlumaczZaznaczenie_ = AddCommand(menu, "actTlumaczZaznaczenie", 409, {}, [this] {
        const QTextCursor selection = redGora_->textCursor();
        Translate(selection.selectionStart(), selection.selectionEnd());
    });
    actTlumaczBiezaceZdanie_ = AddCommand(menu, "actTlumaczBiezaceZdanie", kTlumaczBiezaceZdanie, {}, [this] {
        SelectSentence(false);
        const QTextCursor selection = redGora_->textCursor();
        Translate(selection.selectionStart(), selection.selectionEnd());
    });
    actTlumaczPoZdaniu_ = AddCommand(menu, "actTlumaczPoZdaniu", 405, {}, [this] { Translate(-1, -1, true); });
    actPonowniePrzetlumacz_ =
        AddCommand(menu, "actPonowniePrzetlumacz", kPrzetlumaczPonownie, {}, [this] { Retranslate(); });
    actPonowniePrzetlumacz_->setVisible(false);
}

void TfrmMain::CreateChoiceWindows()
{
    pnlMiddle_ = new TSiatkaZnaczen(splitter_);
    splitter_->addWidget(pnlMiddle_);
    frmTlumaczReczne_ = new TfrmTlumaczReczne(this);
    frmTlumaczZdanie_ = new TfrmTlumaczZdanie(this);
    frmPoZdaniu_ = new TfrmPoZdaniu(this);
    for (TOknoWyboru* window : std::initializer_list<TOknoWyboru*>{frmTlumaczReczne_, frmTlumaczZdanie_, frmPoZdaniu_})
        connect(window, &TOknoWyboru::StopRequested, this, [this] {
            if (Busy())
                worker_->RequestStop();
        });
}

QPushButton* TfrmMain::ContinueButton() const
{
    return frmPoZdaniu_->ContinueButton();
}

void TfrmMain::ConnectChoiceWindows()
{
    connect(host_.get(), &TGospodarzOkna::MeaningChoiceOpened, this,
            [this](const TWyborZnaczenia& choice, bool continuous, TOdpowiedziUzytkownika* answers) {
                frmTlumaczReczne_->Fill(choice, continuous, *answers);
            });
    connect(host_.get(), &TGospodarzOkna::GridChoiceOpened, this,
            [this](const QList<TKolumnaSiatki>& columns, TOdpowiedziUzytkownika* answers) {
                pnlMiddle_->Fill(columns, *answers);
            });
    connect(host_.get(), &TGospodarzOkna::InterpretationChoiceOpened, this,
            [this](const QStringList& variants, TOdpowiedziUzytkownika* answers) {
                frmTlumaczZdanie_->Fill(variants, *answers);
            });
    connect(host_.get(), &TGospodarzOkna::PauseOpened, this, [this](TOdpowiedziUzytkownika* answers) {
        frmPoZdaniu_->Open(*answers);
        SetPaused(true);
    });
    connect(host_.get(), &TGospodarzOkna::PauseEnded, this, [this] { SetPaused(false); });
}

void TfrmMain::DetachChoiceWindows()
{
    frmTlumaczReczne_->Detach();
    frmTlumaczZdanie_->Detach();
    frmPoZdaniu_->Detach();
    pnlMiddle_->Detach();
}

bool TfrmMain::Busy() const
{
    return worker_ != nullptr;
}

void TfrmMain::Translate(int start, int end, bool sentenceBySentence)
{
    if (Busy())
        return;
    OfferLineBreakRemoval(start, end);
    if (Ustawienia().ZachowujPrzeklad) {
        redDol_->moveCursor(QTextCursor::End);
    } else {
        redDol_->clear();
        sledzGora_.Clear();
        sledzDol_.Clear();
    }
    StartRun({*panelGora_, *panelDol_, &sledzGora_, &sledzDol_}, start, end, sentenceBySentence);
}

void TfrmMain::OfferLineBreakRemoval(int& start, int& end)
{
    if (!HasHardLineBreaks(redGora_->document()->toRawText()) ||
        Pytanie().Zapytaj(Napis(kUsunacZnakiPrzedTlumaczeniem).toStdU16String(), TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    std::vector<int*> positions; // −1 keeps meaning the source's start or end
    for (int* position : {&start, &end})
        if (*position >= 0)
            positions.push_back(position);
    RemoveSingleLineBreaks(*redGora_->document(), positions);
}

void TfrmMain::StartRun(const TPrzebieg& run, int start, int end, bool sentenceBySentence,
                        std::function<void()> afterwards)
{
    TOpcjeTlumaczenia options = TOpcjeTlumaczenia::FromSettings(Ustawienia());
    options.SentenceBySentence = sentenceBySentence;
    run.Source.SetJezyk(Program().SourceLanguage);
    run.Target.SetJezyk(Program().TargetLanguage);
    afterRun_ = std::move(afterwards);

    workerDictionaries_ = std::make_unique<TSlownikiRobocze>(Slowniki(), Program().SourceLanguage);
    host_ = std::make_unique<TGospodarzOkna>(run.Source, run.Target, options);
    connect(host_.get(), &TGospodarzOkna::ProgressRangeSet, postep_, &TPasekPostepu::SetRange);
    connect(host_.get(), &TGospodarzOkna::ProgressMoved, postep_, &TPasekPostepu::SetPosition);
    if (run.SourceFollower != nullptr && run.TargetFollower != nullptr)
        host_->SetFollowers(*run.SourceFollower, *run.TargetFollower);
    // Only the panes the user sees are backed up.
    host_->SetBackups(&run.Source == panelGora_.get(), &run.Target == panelDol_.get());
    ConnectChoiceWindows();
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
    UpdateCommands();
}

void TfrmMain::SetPaused(bool paused)
{
    // While the worker waits, the user may edit either pane.
    redGora_->setReadOnly(!paused);
    redDol_->setReadOnly(!paused);
    postep_->Pause(paused);
}

void TfrmMain::UpdateCommands()
{
    if (actFrekwencja_ == nullptr) // still building the menus
        return;
    const bool idle = !Busy();
    for (QAction* action : {actTlumaczOdKursora_,
                            actTlumaczDoKursora_,
                            actTlumaczPoZdaniu_,
                            actNowy_,
                            actOtworz_,
                            actZapisz_,
                            actZapiszJako_,
                            actDolaczPlik_,
                            actImport_,
                            actEksport_,
                            actWordEksport_,
                            actDrukuj_,
                            actWyslijTlumaczenie_,
                            actSzukaj_,
                            actZamien_,
                            actPonowniePrzetlumacz_,
                            actZdania_,
                            actTlumaczSchowekDolacz_,
                            actTlumaczSchowekNowy_,
                            actPisownia_,
                            actFrekwencja_,
                            actUsunZnaki_,
                            actCofnij_,
                            actWklej_,
                            actUsunPrzeklad_})
        action->setEnabled(idle);
    for (QAction* action : recentFiles_)
        action->setEnabled(idle);
    tbrFormat_->setEnabled(idle);
    const bool selection = activePane_->textCursor().hasSelection();
    actWytnij_->setEnabled(idle && selection);
    actWyczysc_->setEnabled(idle && selection);
    actKopiuj_->setEnabled(selection);
    actTlumaczZaznaczenie_->setEnabled(idle && redGora_->textCursor().hasSelection());
    actTlumaczBiezaceZdanie_->setEnabled(idle && activePane_ == redGora_);
}

void TfrmMain::TranslationEnded(const TKoniecTlumaczenia& end)
{
    worker_.reset();                // the run has returned: this only joins its thread
    host_.release()->deleteLater(); // its signal is being delivered now
    workerDictionaries_.reset();
    DetachChoiceWindows();
    SetBusy(false);
    const std::function<void()> afterwards = std::exchange(afterRun_, {});
    if (closeWhenEnded_) {
        close();
        return;
    }
    if (end.Interrupted)
        Pytanie().Zapytaj(Napis(kPrzerwanoTlumaczenie).toStdU16String(), TPrzyciski::OK);
    else if (end.Error == btBrak && afterwards)
        afterwards();
    (Ustawienia().KursorWDolnym ? redDol_ : redGora_)->setFocus();
}

void TfrmMain::AbandonTranslation()
{
    if (!Busy())
        return;
    host_->Detach();
    DetachChoiceWindows();
    worker_->RequestStop(true);
    worker_.reset();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!Busy()) {
        if (OfferToSaveDocuments())
            QMainWindow::closeEvent(event);
        else
            event->ignore();
        return;
    }
    event->ignore();
    if (Pytanie().Zapytaj(Napis(kCzyPrzerwac).toStdU16String(), TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    closeWhenEnded_ = true;
    worker_->RequestStop(true);
}

} // namespace velmar
