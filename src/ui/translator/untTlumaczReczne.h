#pragma once
// The manual translation window: the utterance in both languages with the current
// word in bold, and the current word's translations. Choosing one answers the waiting
// worker; clicking one previews the sentence with it; in continuous mode the window
// only lets the worker go on.

#include <QStringList>

#include "ui/translator/untOknoWyboru.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace velmar {

// What the window shows for one word.
struct TWyborZnaczenia {
    QString Source;                              // the utterance in the source language
    QString Translation;                         // the utterance translated, the current word by its first translation
    int WordStart = 0, WordLength = 0;           // the current word in Source
    int RenderingStart = 0, RenderingLength = 0; // its translation in Translation
    QString Word;
    QStringList Translations;
};

class TfrmTlumaczReczne : public TOknoWyboru {
    Q_OBJECT
public:
    explicit TfrmTlumaczReczne(QWidget* parent);

    // Shows the word; continuous: the worker only waits for "continue".
    void Fill(const TWyborZnaczenia& choice, bool continuous, TOdpowiedziUzytkownika& answers);

    QListWidget* Translations() const { return lsbOdpowiedniki_; }
    QTextEdit* TranslationPane() const { return redTlumaczenie_; }
    QPushButton* ChosenButton() const { return btnWybrane_; }
    QPushButton* IgnoreButton() const { return btnIgnoruj_; }
    QPushButton* EndButton() const { return btnKoniec_; }

private:
    void Preview(int row);
    void Choose();
    void Ignore();

    QTextEdit* redZrodlo_;
    QTextEdit* redTlumaczenie_;
    QLabel* lblWyraz_;
    QLabel* lblWyrazTlum_;
    QListWidget* lsbOdpowiedniki_;
    QPushButton* btnWybrane_;
    QPushButton* btnIgnoruj_;
    QPushButton* btnKoniec_;
    bool continuous_ = false;
    int renderingStart_ = 0;
    int renderingLength_ = 0;
};

} // namespace velmar
