#pragma once
// Letters of a language typed with keyboard shortcuts, as the settings define them:
// "Ctrl+Alt+A" gives "ą" in Polish text, with Shift "Ą". A text box watched by
// TSkrotyZnakow takes the letter and the key goes no further.

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace velmar {

class TTransUstawienia;

// The letter a key combination gives under the enabled shortcuts of a language; empty
// when it gives none.
QString LetterOfShortcut(const TTransUstawienia& settings, std::uint8_t language, QKeyCombination key);

class TSkrotyZnakow : public QObject {
    Q_OBJECT
public:
    // Watches box (a line edit, text edit or plain text edit, which owns the watcher);
    // language tells at each key whose shortcuts apply.
    TSkrotyZnakow(QWidget* box, std::function<std::uint8_t()> language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
    std::function<std::uint8_t()> language_;
};

} // namespace velmar
