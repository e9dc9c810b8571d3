#pragma once
// The meanings grid between the panes: one column per word of the utterance, its
// source text on top, its translation below and its other translations under it, and
// an empty row to type a new one. A double click on a translation chooses it, a typed
// translation is chosen (or added when the column has no such one), a column dragged
// by its header moves its word; the worker applies each change and fills the grid
// again. "Kontynuuj" lets the waiting worker go on, "Zakończ" stops the translation.

#include <QStringList>
#include <QWidget>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace velmar {

class TOdpowiedziUzytkownika;
struct TZmianaSiatki;

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
    void Change(TZmianaSiatki change);
    void CellDoubleClicked(int row, int column);
    void CellEdited(QTableWidgetItem* cell);

    QTableWidget* sgrZnaczenia_;
    QPushButton* btnZnaczeniaKontynuuj_;
    QPushButton* btnZnaczeniaKoniec_;
    TOdpowiedziUzytkownika* answers_ = nullptr;
    bool filling_ = false; // the grid itself is writing its cells
};

} // namespace velmar
