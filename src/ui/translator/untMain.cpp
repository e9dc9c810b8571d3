#include "ui/translator/untMain.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "platform/untQtTekst.h"

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

    CreateMenus();
    statusBar();
    resize(960, 720);
    UpdateTitle();
}

void TfrmMain::CreateMenus()
{
    auto* fileMenu = menuBar()->addMenu(QStringLiteral("&Plik"));
    auto* quit = fileMenu->addAction(QStringLiteral("&Zakończ"));
    quit->setObjectName("actZakoncz");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TfrmMain::UpdateTitle()
{
    const int mode = Program().SourceLanguage == Program().ForeignLanguage ? trybTranslatorFrPl
                                                                            : trybTranslatorPlFr;
    setWindowTitle(Utf8ToQString(ApplicationTitleFor(mode)));
}

} // namespace velmar
