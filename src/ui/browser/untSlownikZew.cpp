#include "ui/browser/untSlownikZew.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"

namespace velmar {

TfrmSlownikZew::TfrmSlownikZew(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmSlownikZew");
    auto* splitter = new QSplitter(Qt::Horizontal, this);

    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    edtHaslo_ = new QLineEdit(left);
    edtHaslo_->setObjectName("edtHaslo");
    edtHaslo_->setClearButtonEnabled(true);
    lsbHasla_ = new QListWidget(left);
    lsbHasla_->setObjectName("lsbHasla");
    leftLayout->addWidget(edtHaslo_);
    leftLayout->addWidget(lsbHasla_);

    redHaslo_ = new QTextBrowser(splitter);
    redHaslo_->setObjectName("redHaslo");
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    CreateMenus();
    statusBar();
    resize(900, 640);
    UpdateTitle();
    captionsListener_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
}

TfrmSlownikZew::~TfrmSlownikZew()
{
    Ustawienia().PoOdswiezeniuNapisow.Remove(captionsListener_);
}

void TfrmSlownikZew::CreateMenus()
{
    auto* fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName("mniHaslo");
    PrzypiszNapis(fileMenu, 1361);
    auto* quit = fileMenu->addAction(QString());
    PrzypiszNapis(quit, 1406);
    quit->setObjectName("actZakoncz");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TfrmSlownikZew::UpdateTitle()
{
    // In the dictionary modes titles 4 and 5 name the dictionary of the direction; beside
    // the translator the window is just "Słownik".
    const bool foreignSource = Program().SourceLanguage == Program().ForeignLanguage;
    setWindowTitle(Napis(IsDictionaryMode(Program().WorkingMode) ? (foreignSource ? 4 : 5) : 601));
}

void TfrmSlownikZew::RefreshCaptions()
{
    OdswiezNapisy(this);
    UpdateTitle();
}

} // namespace velmar
