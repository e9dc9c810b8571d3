#include "ui/app/untProgram.h"

#include <QApplication>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUstawienia.h"
#include "platform/untUstawieniaQt.h"
#include "platform/untQtTekst.h"
#include "ui/app/untIkony.h"
#include "ui/app/untPytanie.h"
#include "ui/app/untWinieta.h"
#include "ui/browser/untNotatki.h"
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
    // Every setting has its default before any window exists.
    auto& settings = Ustawienia();
    settings.SetStore(std::make_unique<TMagazynUstawienQt>());
    settings.SetDefaults();
}

TProgram::~TProgram()
{
    UstawPytanie(nullptr);
}

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
    // Hidden until the dictionary window asks for it; in the dictionary modes it loads
    // and saves the notes with the settings.
    notes_ = std::make_unique<TfrmNotatki>();
    notes_->setAttribute(Qt::WA_QuitOnClose, false);
    notes_->ConnectToSettings();
}

void TProgram::ApplySettingsAndLoad()
{
    const QIcon icon = ModeIcon(ProductFile(tabele::IconResource, Program().WorkingMode));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    question_ = std::make_unique<TfrmPytanie>(MainWindow());
    UstawPytanie(question_.get());
    // Settings, user dictionaries, the mode's data files and the text profiles, in that
    // order, while the splash window is up; the windows relabel themselves in the
    // interface language. Closing the program writes the settings back.
    auto& settings = Ustawienia();
    settings.Uruchomiony = true;
    settings.ApplySettings(true);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, MainWindow(), [] { Ustawienia().SaveSettings(); });
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
