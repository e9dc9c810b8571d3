#pragma once
// The document model against Qt's rich text: a pane's QTextDocument read into
// paragraphs and runs, and filled from them. Lists, heading levels and page breaks
// map onto Qt's own; what Qt has no property for (hidden text, highlight, the page,
// the list numbers) travels in user properties, and hidden text is shown marked.

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "core/app/untFormatTekstu.h"
#include "core/document/untTekstFormatowany.h"

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace velmar {

TAtrybutyTekstu AttributesOf(const QTextCharFormat& format);
QTextCharFormat CharFormatOf(const TAtrybutyTekstu& attributes);
TAtrybutyAkapitu ParagraphAttributesOf(const QTextBlock& block);
QTextBlockFormat BlockFormatOf(const TAtrybutyAkapitu& attributes);
// Applies paragraph attributes to the block at the cursor, lists included: a list
// paragraph joins the nearest list above with the same number and level.
void ApplyParagraphAttributes(QTextCursor& cursor, const TAtrybutyAkapitu& attributes);
// The text of a paragraph with its hidden text blanked out, position for position:
// what the translation reads, so that hidden text is never translated.
QString VisibleText(const QTextBlock& block);

// The paragraphs of the document between two positions (the whole document by
// default); a paragraph cut by the range keeps the part inside it.
TTekstFormatowany ReadDocument(const QTextDocument& document, int from = 0, int to = -1);
// Replaces the whole content of the document, its page and default font included.
void FillDocument(QTextDocument& document, const TTekstFormatowany& content);
// Inserts the paragraphs at the cursor: the first joins the cursor's paragraph.
void InsertDocument(QTextCursor& cursor, const TTekstFormatowany& content);

// The character-format runs of a paragraph, neighbours with equal attributes merged;
// run starts count from the paragraph start.
TFormatTekstu FormatRuns(const QTextBlock& block);

} // namespace velmar
