#pragma once
// The meanings grid between the panes: one column per word of the utterance, its
// source text on top, its translation below and its other translations under it.
// "Kontynuuj" lets the waiting worker go on, "Zakończ" stops the translation.

#include <QStringList>
#include <QWidget>

class QPushButton;
class QTableWidget;

namespace velmar {

class TOdpowiedziUzytkownika;

struct TKolumnaSiatki {
    QString Source;
    QStringList Translations;
};

class TSiatkaZnaczen : public QWidget {
    Q_OBJECT
public:
    explicit TSiatkaZnaczen(QWidget* parent);

    void Fill(const QList<TKolumnaSiatki>& columns, TOdpowiedziUzytkownika& answers);
    // The wait is over: the grid empties and its buttons are disabled.
    void Detach();

    QTableWidget* Grid() const { return sgrZnaczenia_; }
    QPushButton* ContinueButton() const { return btnZnaczeniaKontynuuj_; }
    QPushButton* EndButton() const { return btnZnaczeniaKoniec_; }

private:
    void Answer(bool stop);

    QTableWidget* sgrZnaczenia_;
    QPushButton* btnZnaczeniaKontynuuj_;
    QPushButton* btnZnaczeniaKoniec_;
    TOdpowiedziUzytkownika* answers_ = nullptr;
};

} // namespace velmar
