#include "ui/app/untProgram.h"

#include <QApplication>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "platform/untQtTekst.h"
#include "ui/app/untIkony.h"
#include "ui/app/untWinieta.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/translator/untMain.h"

namespace velmar {

TProgram::TProgram(const QStringList& arguments)
{
    auto& program = Program();
    program = TWartosciProgramu{};
    const std::string first = arguments.isEmpty() ? std::string() : arguments.front().toStdString();
    ApplyWorkingMode(program, ChooseWorkingMode(first));
    QApplication::setApplicationDisplayName(Utf8ToQString(program.ApplicationTitle));
}

TProgram::~TProgram() = default;

void TProgram::Start()
{
    CreateMainWindows();
    splash_ = std::make_unique<TfrmWinieta>(Foldery().ReadPath("winieta.bmp"));
    splash_->ShowNow();
    ApplySettingsAndLoad();
    splash_->hide();
    MainWindow()->show();
}

QWidget* TProgram::MainWindow() const
{
    return dictionaryFirst_ ? static_cast<QWidget*>(dictionary_.get())
                            : static_cast<QWidget*>(translator_.get());
}

void TProgram::CreateMainWindows()
{
    // The window made first is the main window: closing it ends the program, closing
    // the other only hides it.
    dictionaryFirst_ = IsDictionaryMode(Program().WorkingMode);
    if (dictionaryFirst_) {
        dictionary_ = std::make_unique<TfrmSlownikZew>();
        translator_ = std::make_unique<TfrmMain>();
    } else {
        translator_ = std::make_unique<TfrmMain>();
        dictionary_ = std::make_unique<TfrmSlownikZew>();
    }
    translator_->setAttribute(Qt::WA_QuitOnClose, !dictionaryFirst_);
    dictionary_->setAttribute(Qt::WA_QuitOnClose, dictionaryFirst_);
}

void TProgram::ApplySettingsAndLoad()
{
    const QIcon icon = ModeIcon(ProductFile(tabele::IconResource, Program().WorkingMode));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    // Settings, user dictionaries, the mode's data files and the text profiles are
    // applied here, in that order, while the splash window is up.
}

int RunProgram(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmar"));
    QApplication::setOrganizationName(QStringLiteral("velmar"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TProgram program(arguments);
    program.Start();
    return QApplication::exec();
}

} // namespace velmar
