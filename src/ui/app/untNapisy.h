#pragma once
// Captions from the interface texts. A control is given the id of its text once; a
// window then relabels all its controls in the current interface language with one call
// from its captions-refreshed listener.

#include <QString>

class QObject;

namespace velmar {

// Interface text id in the current interface language.
QString Napis(int id);

// Gives a button, label, group box, action or menu its text id and its text now. A tab
// page takes the id as its tab caption.
void PrzypiszNapis(QObject* control, int id);

// Sets the text of every control below root (root included) that has a text id.
void OdswiezNapisy(QObject* root);

} // namespace velmar
