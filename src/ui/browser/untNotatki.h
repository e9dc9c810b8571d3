#pragma once
// The notes window: the user's notes on dictionary headwords, a list of headwords on
// the left and the note of the selected one on the right. It stays on top of the
// other windows; closing only hides it, the notes stay in memory until they are saved.

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/browser/untNotatki.h"
#include "platform/untTekstyInterfejsu.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

namespace velmar {

class TfrmNotatki : public QWidget {
    Q_OBJECT
public:
    // Asks a Yes/No question given by an interface text id; true for Yes.
    using TPytanie = std::function<bool(int textId)>;

    explicit TfrmNotatki(QWidget* parent = nullptr);
    ~TfrmNotatki() override;

    // In the dictionary modes: applying the settings loads the notes file of the
    // current mode, saving the settings writes it, and captions follow the interface
    // language.
    void ConnectToSettings();
    // Languages and file of the current working mode, then LoadNotes.
    void ApplyNoteSettings();

    // Where the interface texts and the answers to questions come from; by default
    // the program's texts and its question window.
    void SetTexts(TTekstInterfejsu texts);
    void SetQuestion(TPytanie ask) { pytanie_ = std::move(ask); }
    // Headwords are in the source language of the direction; notes are shown in the
    // interface language.
    void SetLanguages(std::uint8_t source, std::uint8_t interfaceLanguage);
    // The notes file of the working mode, read from one place and written to another
    // when the data folder is read-only; an empty path (the translator modes) means
    // the notes are neither loaded nor saved.
    void SetNotesFile(std::filesystem::path readFrom, std::filesystem::path writeTo = {});

    // Reads the notes file (the notes are replaced) and shows the first note.
    void LoadNotes();
    // Writes the notes file atomically, or removes it when there are no notes; on
    // failure the previous file stays and false is returned.
    bool SaveNotes();
    // Adds (or finds) the note of a headword, selects it and puts the caret at its end.
    void AddNote(const std::string& headword);
    // The note of a headword, in the interface language with CR LF line breaks.
    QString NoteOf(const QString& headword) const;
    void RefreshCaptions();

    const TNotatki& Notes() const { return notatki_; }
    QListWidget* HeadwordList() const { return lsbNotatki_; }
    QPlainTextEdit* NoteBox() const { return memNotatki_; }
    QPushButton* GoToButton() const { return btnDoHasla_; }
    QPushButton* DeleteButton() const { return btnUsun_; }
    QPushButton* DeleteAllButton() const { return btnUsunWszystkie_; }
    QPushButton* CloseButton() const { return btnZamknij_; }

signals:
    // "Idź do hasła": the dictionary window looks the headword up.
    void GoToHeadword(const QString& headword);

private:
    void CreateControls();
    void FillList();
    void ShowNote(int index);
    void lsbNotatkiClick();
    void memNotatkiChange();
    void btnDoHaslaClick();
    void btnUsunClick();
    void btnUsunWszystkieClick();
    QString Text(int id) const;

    TNotatki notatki_;
    std::filesystem::path plikOdczytu_;
    std::filesystem::path plikZapisu_;
    TTekstInterfejsu teksty_;
    TPytanie pytanie_;
    std::uint8_t jezykZrodla_ = 2;
    std::uint8_t jezykInterfejsu_ = 0;
    bool zajety_ = false;                            // the window itself is filling the list or the note
    std::vector<std::function<void()>> rozlaczenia_; // removes the settings listeners

    QSplitter* splitter_ = nullptr;
    QListWidget* lsbNotatki_ = nullptr;
    QPlainTextEdit* memNotatki_ = nullptr;
    QPushButton* btnDoHasla_ = nullptr;
    QPushButton* btnUsun_ = nullptr;
    QPushButton* btnUsunWszystkie_ = nullptr;
    QPushButton* btnZamknij_ = nullptr;
};

} // namespace velmar
