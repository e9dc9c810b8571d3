#pragma once
// Start-up and shutdown of the desktop program.

#include <QStringList>
#include <QWidget>
#include <memory>

namespace velmar {

class TfrmMain;
class TfrmNotatki;
class TfrmPytanie;
class TfrmSlownikZew;
class TfrmWinieta;
class TfrmArchiwumZdan;

class TProgram {
public:
    // arguments: the command line without the program name.
    explicit TProgram(const QStringList& arguments);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // Runs the start-up sequence up to the message loop: the windows exist, the data
    // is loaded and the main window is shown.
    void Start();

    TfrmMain* Translator() const { return translator_.get(); }
    TfrmSlownikZew* Dictionary() const { return dictionary_.get(); }
    TfrmArchiwumZdan* ArchiveWindow() const { return archive_.get(); }
    TfrmNotatki* Notes() const { return notes_.get(); }
    // The window whose closing ends the program.
    QWidget* MainWindow() const;

private:
    void CreateMainWindows();
    void ConnectDictionaryWindow();
    void CreateArchiveWindow();
    void ApplySettingsAndLoad();

    std::unique_ptr<TfrmMain> translator_;
    std::unique_ptr<TfrmSlownikZew> dictionary_;
    std::unique_ptr<TfrmNotatki> notes_;
    std::unique_ptr<TfrmWinieta> splash_;
    std::unique_ptr<TfrmArchiwumZdan> archive_;
    std::unique_ptr<TfrmPytanie> question_;
    bool dictionaryFirst_ = false;
};

// Loads the data files of the working mode into the program's dictionaries, and writes
// their writable lines; failures are shown in the question window.
void LoadDictionaries(bool startup);
void SaveDictionaries();

// The desktop program: start-up, the message loop, shutdown.
int RunProgram(int argc, char** argv);

} // namespace velmar
