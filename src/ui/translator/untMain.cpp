#include "ui/translator/untMain.h"

#include <tuple>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOProgramie.h"
#include "ui/app/untOpcjeTrans.h"
#include "ui/generators/untOdmieniacz.h"
#include "ui/tools/untZamien.h"
#include "ui/tools/untZnajdz.h"
#include "ui/translator/untGospodarzOkna.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untPasekPostepu.h"

namespace velmar {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmMain");
    splitter_ = new QSplitter(Qt::Vertical, this);
    redGora_ = new QTextEdit(splitter_);
    redGora_->setObjectName("redGora");
    redGora_->setAcceptRichText(true);
    redDol_ = new QTextEdit(splitter_);
    redDol_->setObjectName("redDol");
    redDol_->setAcceptRichText(true);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    panelGora_ = std::make_unique<TPanel>(redGora_, Program().SourceLanguage);
    panelDol_ = std::make_unique<TPanel>(redDol_, Program().TargetLanguage);
    activePane_ = redGora_;
    redGora_->installEventFilter(this);
    redDol_->installEventFilter(this);

    postep_ = new TPasekPostepu(statusBar());
    CreateMenus();
    resize(960, 720);
    UpdateTitle();
    captionsListener_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
}

TfrmMain::~TfrmMain()
{
    AbandonTranslation();
    Ustawienia().PoOdswiezeniuNapisow.Remove(captionsListener_);
}

void TfrmMain::CreateMenus()
{
    auto* fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName("mniPlik");
    PrzypiszNapis(fileMenu, 251);
    actNowy_ = fileMenu->addAction(QString());
    actNowy_->setObjectName("actNowy");
    actNowy_->setShortcut(QKeySequence::New);
    PrzypiszNapis(actNowy_, 252);
    connect(actNowy_, &QAction::triggered, this, [this] {
        redGora_->clear();
        redDol_->clear();
    });
    auto* quit = fileMenu->addAction(QString());
    PrzypiszNapis(quit, 270);
    quit->setObjectName("actZakoncz");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    CreateEditMenu();

    auto* translationMenu = menuBar()->addMenu(QString());
    translationMenu->setObjectName("mniTlumaczenie");
    PrzypiszNapis(translationMenu, 702);
    CreateTranslationMenu(translationMenu);

    auto* toolsMenu = menuBar()->addMenu(QString());
    toolsMenu->setObjectName("mniNarzedzia");
    PrzypiszNapis(toolsMenu, 401);
    CreateTextTools(toolsMenu);
    actArchiwumZdan_ = toolsMenu->addAction(QString());
    actArchiwumZdan_->setObjectName("actArchiwumZdan");
    PrzypiszNapis(actArchiwumZdan_, 428);
    actArchiwumZdanDodaj_ = toolsMenu->addAction(QString());
    actArchiwumZdanDodaj_->setObjectName("actArchiwumZdanDodaj");
    actArchiwumZdanDodaj_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    PrzypiszNapis(actArchiwumZdanDodaj_, 429);
    actSlownik_ = toolsMenu->addAction(QString());
    actSlownik_->setObjectName("actSlownik");
    actSlownik_->setShortcut(QKeySequence(Qt::Key_F11));
    PrzypiszNapis(actSlownik_, 416);

    auto* optionsMenu = menuBar()->addMenu(QString());
    optionsMenu->setObjectName("mniOpcje");
    PrzypiszNapis(optionsMenu, 451);
    actOpcje_ = optionsMenu->addAction(QString());
    actOpcje_->setObjectName("actOpcje");
    actOpcje_->setShortcut(QKeySequence::Preferences);
    PrzypiszNapis(actOpcje_, 452);
    connect(actOpcje_, &QAction::triggered, this, [this] { TfrmOpcjeTrans::Wykonaj(this); });

    auto* languageMenu = optionsMenu->addMenu(QString());
    languageMenu->setObjectName("mniJezykInterfejsu");
    PrzypiszNapis(languageMenu, 470);
    auto* languages = new QActionGroup(this);
    for (auto [language, textId, name] :
         {std::tuple{jezPolski, 732, "actInterfejsPolski"}, std::tuple{jezFrancuski, 734, "actInterfejsFrancuski"}}) {
        auto* action = languageMenu->addAction(QString());
        action->setObjectName(name);
        action->setCheckable(true);
        action->setActionGroup(languages);
        PrzypiszNapis(action, textId);
        connect(action, &QAction::triggered, this, [language] { Ustawienia().SetInterfaceLanguage(language); });
        connect(languageMenu, &QMenu::aboutToShow, action,
                [action, language] { action->setChecked(Ustawienia().JezykInterfejsu == language); });
    }

    CreateHelpMenu();
}

void TfrmMain::CreateHelpMenu()
{
    auto* helpMenu = menuBar()->addMenu(QString());
    helpMenu->setObjectName("mniPomoc");
    PrzypiszNapis(helpMenu, 501);
    auto* inflection = helpMenu->addAction(QString());
    inflection->setObjectName("mniPomocOdmieniacz");
    PrzypiszNapis(inflection, 526);
    connect(inflection, &QAction::triggered, this, [this] { ShowInflectionWindow(this); });
    auto* about = helpMenu->addAction(QString());
    about->setObjectName("mniPomocInformacje");
    PrzypiszNapis(about, 504);
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == redGora_ || watched == redDol_)) {
        activePane_ = static_cast<QTextEdit*>(watched);
        const int tag = activePane_ == redDol_ ? 1 : 0;
        frmZnajdz_->SetPaneLanguage(tag);
        frmZamien_->SetPaneLanguage(tag);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::UpdateTitle()
{
    // Titles 2 and 3: the translator French→Polish and Polish→French.
    setWindowTitle(Napis(Program().SourceLanguage == Program().ForeignLanguage ? 2 : 3));
}

void TfrmMain::RefreshCaptions()
{
    OdswiezNapisy(this);
    UpdateTitle();
}

} // namespace velmar
