#include "ui/translator/untUsunZnaki.h"

#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace velmar {

namespace {

constexpr QChar kAkapit = QChar::ParagraphSeparator;

void Move(std::vector<int*>& positions, int at, int change)
{
    for (int* position : positions)
        if (*position > at)
            *position = std::max(at, *position + change);
}

} // namespace

std::vector<TZmianaTekstu> SingleLineBreakEdits(const QString& text, std::vector<int*> positions)
{
    std::vector<TZmianaTekstu> edits;
    QString current = text;
    qsizetype p = 0;
    while ((p = current.indexOf(kAkapit, p)) >= 0) {
        const bool emptyLineFollows = p + 1 < current.size() && current[p + 1] == kAkapit;
        const auto at = static_cast<int>(p);
        if (emptyLineFollows) {
            edits.push_back({at, 1, {}});
            current.remove(p, 1);
            Move(positions, at, -1);
        } else {
            edits.push_back({at, 1, QStringLiteral("  ")});
            current.replace(p, 1, QStringLiteral("  "));
            Move(positions, at, 1);
        }
        // Past the two spaces, or past the break that stays.
        p += 2;
    }
    return edits;
}

void RemoveSingleLineBreaks(QTextDocument& document, std::vector<int*> positions)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const QString text = document.toRawText().left(document.characterCount() - 1);
    for (const TZmianaTekstu& edit : SingleLineBreakEdits(text, std::move(positions))) {
        cursor.setPosition(edit.Position);
        cursor.setPosition(edit.Position + edit.Removed, QTextCursor::KeepAnchor);
        cursor.insertText(edit.Inserted);
    }
    cursor.endEditBlock();
}

bool HasHardLineBreaks(const QString& text)
{
    constexpr int kLinesLooked = 30;
    constexpr int kLongLine = 80;
    const QStringList lines = text.split(QChar::ParagraphSeparator);
    if (lines.size() < 4)
        return false;
    for (qsizetype line = 0; line < std::min<qsizetype>(lines.size(), kLinesLooked); ++line)
        if (lines[line].size() >= kLongLine)
            return false;
    return true;
}

} // namespace velmar
