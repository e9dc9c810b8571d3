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

// Applies the removal to a document as one undo step; positions move with the text.
void RemoveSingleLineBreaks(QTextDocument& document, std::vector<int*> positions = {});

} // namespace velmar
