// The translator window's translation mode and direction: the mode button, which steps
// between the automatic mode and its interactive counterpart, with its drop-down of
// every mode the product offers; and the direction swap, refused while a translation
// runs.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <tuple>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/engine/untTranslatorThread.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int {
    kKierunekFrPl = 453,
    kKierunekPlFr = 454,
    kZmienKierunek = 159,
    kKierunekTlumaczenia = 468,
    kTrybPracy = 707,
    kPrzerwacDlaKierunku = 127,
    kProszeCzekac = 134,
};

// The mode button steps between an automatic mode and its interactive counterpart.
int NextTranslationMode(int mode)
{
    switch (mode) {
    case 0: return 3;
    case 5: return 6;
    case 6:
    case 7: return 5;
    default: return 0;
    }
}

} // namespace

void TfrmMain::CreateModeCommands(QMenu* optionsMenu)
{
    pmnTrybPracy_ = new QMenu(this);
    pmnTrybPracy_->setObjectName("pmnTrybPracy");
    auto* modes = new QActionGroup(this);
    for (int code = 0; code <= 16; ++code) {
        if (!ProductOffersTranslationMode(code))
            continue;
        QAction* item = AddCommand(pmnTrybPracy_, "mniTrybPracy", tekst::TrybyTlumaczenia + code, {},
                                   [code] { Ustawienia().SetTranslationMode(code); });
        item->setCheckable(true);
        item->setActionGroup(modes);
        item->setData(code);
    }
    btnTrybPracy_ = new QToolButton(this);
    btnTrybPracy_->setObjectName("btnTrybPracy");
    btnTrybPracy_->setMenu(pmnTrybPracy_);
    btnTrybPracy_->setPopupMode(QToolButton::MenuButtonPopup);
    PrzypiszNapis(btnTrybPracy_, kTrybPracy);
    connect(btnTrybPracy_, &QToolButton::clicked, this,
            [] { Ustawienia().SetTranslationMode(NextTranslationMode(Ustawienia().TrybPracy)); });
    tbrMain_->addWidget(btnTrybPracy_);
    modeListener_ = Ustawienia().PoZmianieTrybu.Add([this] { CheckTranslationMode(); });
    CheckTranslationMode();

    auto* directionMenu = optionsMenu->addMenu(QString());
    directionMenu->setObjectName("mniKierunekTlumaczenia");
    PrzypiszNapis(directionMenu, kKierunekTlumaczenia);
    auto* directions = new QActionGroup(this);
    for (auto [language, textId, name] : {std::tuple{jezFrancuski, kKierunekFrPl, "mniKierunekTlumaczenia1"},
                                          std::tuple{jezPolski, kKierunekPlFr, "mniKierunekTlumaczenia2"}}) {
        QAction* item = AddCommand(directionMenu, name, textId, {}, [this, language = language] {
            if (Program().SourceLanguage != language)
                SwapDirection();
        });
        item->setCheckable(true);
        item->setActionGroup(directions);
        connect(directionMenu, &QMenu::aboutToShow, item,
                [item, language = language] { item->setChecked(Program().SourceLanguage == language); });
    }
    actZmienKierunek_ = AddCommand(directionMenu, "actZmienKierunek", kZmienKierunek, {}, [this] { SwapDirection(); });
    tbrMain_->addAction(actZmienKierunek_);
}

void TfrmMain::CheckTranslationMode()
{
    for (QAction* item : pmnTrybPracy_->actions())
        item->setChecked(item->data().toInt() == Ustawienia().TrybPracy);
}

void TfrmMain::SwapDirection()
{
    if (Busy()) {
        if (Pytanie().Zapytaj(Napis(kPrzerwacDlaKierunku).toStdU16String(), TPrzyciski::TakNie) == TOdpowiedz::Tak)
            worker_->RequestStop();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    if (!Ustawienia().OdwrotnySlownikWczytany)
        statusBar()->showMessage(Napis(kProszeCzekac));
    Ustawienia().SwapDirection();
    statusBar()->clearMessage();
    UpdateTitle();
}

} // namespace velmar
