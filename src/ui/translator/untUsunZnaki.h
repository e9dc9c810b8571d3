#pragma once
// Removal of single line breaks from text pasted with hard line ends: a lone
// paragraph break becomes two spaces, and of a break followed by another the first
// goes. Positions given in are moved by the real change of length before them.

#include <QString>
#include <vector>

class QTextDocument;

namespace velmar {

struct TZmianaTekstu {
    int Position = 0;
    int Removed = 0;
    QString Inserted;
};

// The edits of text (paragraph breaks as U+2029), in order, each at its position in
// the text as the previous edits left it; positions are moved with them.
std::vector<TZmianaTekstu> SingleLineBreakEdits(const QString& text, std::vector<int*> positions);

// Whether text (paragraph breaks as U+2029) looks pasted with hard line ends: at least
// three breaks, and none of its first 30 lines 80 characters or longer.
bool HasHardLineBreaks(const QString& text);

// Applies the removal to a document as one undo step; positions move with the text.
void RemoveSingleLineBreaks(QTextDocument& document, std::vector<int*> positions = {});

} // namespace velmar
