#include "ui/app/untProgram.h"

#include <QAction>
#include <QApplication>
#include <QTextEdit>

#include "core/app/untBladPliku.h"
#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/app/untZapisPliku.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untSlownikiUzytkownika.h"
#include "platform/untQtTekst.h"
#include "platform/untUstawieniaQt.h"
#include "ui/app/untIkony.h"
#include "ui/app/untPytanie.h"
#include "ui/app/untWinieta.h"
#include "ui/browser/untNotatki.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/dictionaries/untArchiwumZdan.h"
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
    ConnectDictionaryWindow();
    CreateArchiveWindow();
    splash_ = std::make_unique<TfrmWinieta>(Foldery().ReadPath("winieta.bmp"));
    splash_->ShowNow();
    // Saves the previous run did not finish left their temporary files behind.
    RemoveLeftoverTemporaries(Foldery().DataFolder());
    RemoveLeftoverTemporaries(Foldery().UserFolder());
    ApplySettingsAndLoad();
    splash_->hide();
    MainWindow()->show();
}

QWidget* TProgram::MainWindow() const
{
    return dictionaryFirst_ ? static_cast<QWidget*>(dictionary_.get()) : static_cast<QWidget*>(translator_.get());
}

void TProgram::CreateMainWindows()
{
    // The window made first is the main window: closing it ends the program, closing
    // the other only hides it.
    dictionaryFirst_ = IsDictionaryMode(Program().WorkingMode);
    if (dictionaryFirst_) {
        dictionary_ = std::make_unique<TfrmSlownikZew>(Slowniki());
        translator_ = std::make_unique<TfrmMain>();
    } else {
        translator_ = std::make_unique<TfrmMain>();
        dictionary_ = std::make_unique<TfrmSlownikZew>(Slowniki());
    }
    translator_->setAttribute(Qt::WA_QuitOnClose, !dictionaryFirst_);
    dictionary_->setAttribute(Qt::WA_QuitOnClose, dictionaryFirst_);
    // Hidden until the dictionary window asks for it; in the dictionary modes it loads
    // and saves the notes with the settings.
    notes_ = std::make_unique<TfrmNotatki>();
    notes_->setAttribute(Qt::WA_QuitOnClose, false);
    notes_->ConnectToSettings();
    dictionary_->SetNotesWindow(notes_.get());
    QObject::connect(notes_.get(), &TfrmNotatki::GoToHeadword, dictionary_.get(), [this](const QString& headword) {
        dictionary_->show();
        dictionary_->raise();
        dictionary_->LookUpWide(headword);
    });
}

namespace {

// The selected text of a cursor, paragraph breaks as spaces, trimmed.
QString SelectionOf(const QTextCursor& cursor)
{
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u' ').replace(QChar::LineSeparator, u' ');
    return text.trimmed();
}

// The selected text of a pane as 8-bit text.
std::string SelectedText(const QTextEdit* pane)
{
    return FromQString(SelectionOf(pane->textCursor()));
}

// The selection of a pane, or the word at its caret, up to the first space.
std::string WordAtCaret(const QTextEdit* pane)
{
    QTextCursor cursor = pane->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    const QString text = SelectionOf(cursor);
    return FromQString(text.left(text.indexOf(u' ')));
}

} // namespace

void TProgram::ConnectDictionaryWindow()
{
    const auto showAtOnce = [this](const std::string& word) {
        dictionary_->show();
        dictionary_->raise();
        // The word is shown at once, not after the typing pause.
        dictionary_->SetTypingDelay(false);
        dictionary_->LookUp(word);
        dictionary_->SetTypingDelay(true);
    };
    QObject::connect(translator_->DictionaryAction(), &QAction::triggered, dictionary_.get(),
                     [this, showAtOnce] { showAtOnce(WordAtCaret(translator_->SourcePane())); });
    QObject::connect(translator_.get(), &TfrmMain::LookUpRequested, dictionary_.get(),
                     [showAtOnce](const QString& text) { showAtOnce(FromQString(text)); });
}

void TProgram::CreateArchiveWindow()
{
    // The window instance of the archive; its lines come with the dictionaries.
    archive_ = std::make_unique<TfrmArchiwumZdan>(Slowniki().Archive, Ustawienia());
    archive_->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(translator_->ArchiveAction(), &QAction::triggered, archive_.get(), [this] {
        archive_->show();
        archive_->raise();
    });
    QObject::connect(translator_->AddToArchiveAction(), &QAction::triggered, archive_.get(), [this] {
        archive_->OpenDialog(SelectedText(translator_->SourcePane()), SelectedText(translator_->TargetPane()),
                             TTrybDodawania::NoweZdanie);
    });
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
    settings.WczytajSlowniki = [](bool startup) { LoadDictionaries(startup); };
    settings.ZapiszSlowniki = [] { SaveDictionaries(); };
    settings.Uruchomiony = true;
    settings.ApplySettings(true);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, MainWindow(), [] { Ustawienia().SaveSettings(); });
}

namespace {

// The file chosen in the user-dictionary list, else the current one of the registry of
// the direction (the one velmar-cli uses too); the dictionary modes have their own.
std::filesystem::path UserDictionaryFile()
{
    auto& settings = Ustawienia();
    const int mode = Program().WorkingMode;
    if (IsDictionaryMode(mode) || !settings.WybranySlownikUzytkownika.empty())
        return settings.CurrentUserDictionaryFile();
    TSlownikiUzytkownika registry;
    registry.LoadRegistry(settings.Store(), ProductFile(tabele::UserDictionaryListKey, mode),
                          ProductFile(tabele::UserDictionary, mode), "");
    return registry.Current()->FileName;
}

} // namespace

void LoadDictionaries(bool startup)
{
    auto& settings = Ustawienia();
    try {
        // At start-up the reverse direction comes only when the user asked for both.
        const bool bothDirections = settings.ObaSlowniki && (startup || settings.OdwrotnySlownikWczytany);
        ReportFileFailures(settings.JezykInterfejsu, tekst::BladOtwarciaPliku,
                           Slowniki().LoadDictionaries(Program(), bothDirections, UserDictionaryFile(), false));
    } catch (const std::bad_alloc&) {
        Pytanie().Zapytaj(InterfaceTextWide(settings.JezykInterfejsu, tekst::BrakPamieci), TPrzyciski::OK);
    } catch (const std::exception&) {
        Pytanie().Zapytaj(InterfaceTextWide(settings.JezykInterfejsu, tekst::NieznanyBlad), TPrzyciski::OK);
    }
}

void SaveDictionaries()
{
    ReportFileFailures(Ustawienia().JezykInterfejsu, tekst::BladZapisuPliku,
                       Slowniki().SaveDictionaries(Program(), UserDictionaryFile()));
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
