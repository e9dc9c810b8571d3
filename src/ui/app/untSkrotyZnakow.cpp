#include "ui/app/untSkrotyZnakow.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "core/app/untUstawienia.h"

namespace velmar {

QString LetterOfShortcut(const TTransUstawienia& settings, std::uint8_t language, QKeyCombination key)
{
    if (language >= kLanguageCount || !settings.SkrotyWlaczone[language])
        return {};
    const bool capital = key.keyboardModifiers().testFlag(Qt::ShiftModifier);
    const QKeyCombination pressed(key.keyboardModifiers() & ~Qt::ShiftModifier, key.key());
    const auto& record = KeyboardRecord(language);
    const auto& texts = settings.SkrotyKlawiszowe[language];
    for (std::size_t i = 0; i < texts.size() && i < record.Skroty.size(); ++i) {
        const QKeySequence shortcut =
            QKeySequence::fromString(QString::fromStdString(texts[i]), QKeySequence::PortableText);
        if (shortcut.isEmpty() || shortcut[0] != pressed)
            continue;
        // The letters are capital, small, alternative capital, alternative small.
        const QString letters = QString::fromUtf8(record.Skroty[i].Znaki);
        return letters.mid(capital ? 0 : 1, 1);
    }
    return {};
}

TSkrotyZnakow::TSkrotyZnakow(QWidget* box, std::function<std::uint8_t()> language)
    : QObject(box), box_(box), language_(std::move(language))
{
    box->installEventFilter(this);
}

bool TSkrotyZnakow::eventFilter(QObject* watched, QEvent* event)
{
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (watched != box_ || (!override && event->type() != QEvent::KeyPress))
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString letter = LetterOfShortcut(Ustawienia(), language_(), key->keyCombination());
    if (letter.isEmpty())
        return QObject::eventFilter(watched, event);
    if (override) {
        // The box, not a command of the window, gets the key.
        event->accept();
        return true;
    }
    if (auto* line = qobject_cast<QLineEdit*>(box_))
        line->insert(letter);
    else if (auto* text = qobject_cast<QTextEdit*>(box_))
        text->insertPlainText(letter);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box_))
        plain->insertPlainText(letter);
    return true;
}

} // namespace velmar
