#include "ui/translator/untMain.h"

#include <tuple>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

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
#include "ui/translator/untNaglowekPanelu.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untPasekPostepu.h"

namespace velmar {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmMain");
    splitterSlownik_ = new QSplitter(Qt::Horizontal, this);
    splitter_ = new QSplitter(Qt::Vertical, splitterSlownik_);
    splitterSlownik_->setObjectName("splSlownik");
    splitter_->setObjectName("splPanele");
    splitterSlownik_->addWidget(splitter_);
    splitter_->addWidget(CreatePaneBox(redGora_, lblTransTop_, "redGora", "lblTransTop"));
    CreateChoiceWindows();
    splitter_->addWidget(CreatePaneBox(redDol_, lblTransBottom_, "redDol", "lblTransBottom"));
    CreateViews();
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitterSlownik_);
    panelGora_ = std::make_unique<TPanel>(redGora_, Program().SourceLanguage);
    panelDol_ = std::make_unique<TPanel>(redDol_, Program().TargetLanguage);
    activePane_ = redGora_;
    redUkryty_ = new QTextEdit(this);
    redUkryty_->setObjectName("redUkryty");
    redUkryty_->hide();
    panelUkryty_ = std::make_unique<TPanel>(redUkryty_, Program().TargetLanguage);

    postep_ = new TPasekPostepu(statusBar());
    CreateMenus();
    for (QTextEdit* pane : {redGora_, redDol_}) {
        pane->installEventFilter(this);
        connect(pane, &QTextEdit::selectionChanged, this, &TfrmMain::UpdateCommands);
        connect(pane->document(), &QTextDocument::modificationChanged, this, &TfrmMain::RefreshPaneCaptions);
        FollowPaneEdits(pane);
    }
    resize(960, 720);
    ApplyLayout();
    UpdateTitle();
    UpdateCommands();
    RefreshPaneCaptions();
    captionsListener_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
    appliedListener_ = Ustawienia().PoZastosowaniu.Add([this] {
        panelGora_->SetJezyk(Program().SourceLanguage);
        panelDol_->SetJezyk(Program().TargetLanguage);
        ClearDocuments();
        RestorePaneBackups();
        ApplyLayout();
    });
    layoutListener_ = Ustawienia().PoZmianieUkladu.Add([this] { ApplyLayout(); });
    recentFilesListener_ = Ustawienia().PoZmianieOstatnichPlikow.Add([this] { RebuildRecentFiles(); });
    InstallHotKey();
}

TfrmMain::~TfrmMain()
{
    AbandonTranslation();
    Ustawienia().SetHotKeyService(std::make_unique<TBrakGoracegoKlawisza>());
    Ustawienia().PoOdswiezeniuNapisow.Remove(captionsListener_);
    Ustawienia().PoZastosowaniu.Remove(appliedListener_);
    Ustawienia().PoZmianieOstatnichPlikow.Remove(recentFilesListener_);
    Ustawienia().PoZmianieUkladu.Remove(layoutListener_);
    Ustawienia().PoZmianieTrybu.Remove(modeListener_);
}

QWidget* TfrmMain::CreatePaneBox(QTextEdit*& edit, TNaglowekPanelu*& header, const char* editName,
                                 const char* headerName)
{
    auto* box = new QWidget(splitter_);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header = new TNaglowekPanelu(headerName, box);
    edit = new QTextEdit(box);
    edit->setObjectName(editName);
    edit->setAcceptRichText(true);
    layout->addWidget(header);
    layout->addWidget(edit, 1);
    return box;
}

TNaglowekPanelu* TfrmMain::PaneHeader(int index) const
{
    return index == 1 ? lblTransBottom_ : lblTransTop_;
}

QAction* TfrmMain::AddCommand(QMenu* menu, const char* name, int textId, const QKeySequence& shortcut,
                              std::function<void()> run)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    PrzypiszNapis(action, textId);
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
}

void TfrmMain::CreateMenus()
{
    tbrMain_ = addToolBar(QString());
    tbrMain_->setObjectName("tbrMain");
    CreateFormatBar();
    CreateFileMenu();
    CreateEditMenu();

    auto* translationMenu = menuBar()->addMenu(QString());
    translationMenu->setObjectName("mniTlumaczenie");
    PrzypiszNapis(translationMenu, 702);
    CreateTranslationMenu(translationMenu);

    auto* toolsMenu = menuBar()->addMenu(QString());
    toolsMenu->setObjectName("mniNarzedzia");
    PrzypiszNapis(toolsMenu, 401);
    CreateTextTools(toolsMenu);
    CreateFollowingCommands(toolsMenu);
    CreateViewCommands(toolsMenu);
    CreateCorrectionCommands(toolsMenu);
    CreateClipboardCommands(translationMenu, toolsMenu);
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
    CreateModeCommands(optionsMenu);
    CreateLayoutCommands(optionsMenu);

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
        UpdateCommands();
        ShowFormatAtCaret();
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
    RefreshPaneCaptions();
}

} // namespace velmar
