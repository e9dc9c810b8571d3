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
#include "platform/untQtTekst.h"

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
}

void TfrmSlownikZew::CreateMenus()
{
    auto* fileMenu = menuBar()->addMenu(QStringLiteral("&Plik"));
    auto* quit = fileMenu->addAction(QStringLiteral("&Zakończ"));
    quit->setObjectName("actZakoncz");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TfrmSlownikZew::UpdateTitle()
{
    const int mode = Program().SourceLanguage == Program().ForeignLanguage ? trybSlownikFrPl
                                                                            : trybSlownikPlFr;
    setWindowTitle(Utf8ToQString(ApplicationTitleFor(mode)));
}

} // namespace velmar
