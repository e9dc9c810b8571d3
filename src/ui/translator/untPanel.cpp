#include "ui/translator/untPanel.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "core/app/untUtils.h"
#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"
#include "platform/untQtTekst.h"
#include "platform/untTekstFormatowanyQt.h"

namespace velmar {

namespace {

// The pane's characters as 8-bit text: paragraph and line separators become their
// single 8-bit characters, so positions stay the same.
std::string ToBytes(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char(kZnakAkapitu));
    text.replace(QChar::LineSeparator, QLatin1Char(kZnakLinii));
    return FromQString(text);
}

} // namespace

TPanel::TPanel(QTextEdit* edit, std::uint8_t language) : edit_(edit), jezyk_(language) {}

QTextCursor TPanel::Cursor() const
{
    return edit_->textCursor();
}

std::string TPanel::Text() const
{
    return ToBytes(edit_->document()->toRawText());
}

void TPanel::SetText(std::string_view text)
{
    FillDocument(*edit_->document(), DocumentFromText(text));
}

int TPanel::TextLength() const
{
    return edit_->document()->characterCount() - 1;
}

int TPanel::ParagraphCount() const
{
    return edit_->document()->blockCount();
}

int TPanel::ParagraphStart(int paragraph) const
{
    const QTextBlock block = edit_->document()->findBlockByNumber(paragraph);
    return block.isValid() ? block.position() : -1;
}

int TPanel::ParagraphAt(int position) const
{
    return edit_->document()->findBlock(position).blockNumber();
}

std::string TPanel::ParagraphText(int paragraph) const
{
    return ToBytes(VisibleText(edit_->document()->findBlockByNumber(paragraph)));
}

TFormatTekstu TPanel::FormatRuns(int paragraph) const
{
    return velmar::FormatRuns(edit_->document()->findBlockByNumber(paragraph));
}

int TPanel::SelStart() const
{
    return Cursor().selectionStart();
}

int TPanel::SelLength() const
{
    const QTextCursor cursor = Cursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TPanel::SetSelection(int start, int length)
{
    const int end = TextLength();
    QTextCursor cursor(edit_->document());
    cursor.setPosition(std::clamp(start, 0, end));
    cursor.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

std::string TPanel::SelText() const
{
    return ToBytes(Cursor().selectedText());
}

void TPanel::ReplaceSelection(std::string_view text, const TAtrybutyTekstu& attributes)
{
    TTekstFormatowany document = DocumentFromText(text);
    for (auto& paragraph : document.Akapity)
        for (auto& run : paragraph.Fragmenty)
            run.Atrybuty = attributes;
    QTextCursor cursor = Cursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // Inserted paragraphs keep the attributes of the paragraph they are typed into.
    const TAtrybutyAkapitu paragraph = ParagraphAttributesOf(cursor.block());
    for (auto& inserted : document.Akapity)
        inserted.Atrybuty = paragraph;
    InsertDocument(cursor, document);
    cursor.endEditBlock();
    edit_->setTextCursor(cursor);
}

TAtrybutyTekstu TPanel::SelAttributes() const
{
    QTextCursor cursor = Cursor();
    if (cursor.hasSelection()) {
        // The format at a position is that of the character before it.
        cursor.setPosition(cursor.selectionStart() + 1);
    }
    return AttributesOf(cursor.charFormat());
}

void TPanel::SetSelAttributes(const TAtrybutyTekstu& attributes)
{
    QTextCursor cursor = Cursor();
    cursor.setCharFormat(CharFormatOf(attributes));
    edit_->setTextCursor(cursor);
}

TAtrybutyAkapitu TPanel::ParagraphAttributes() const
{
    return ParagraphAttributesOf(edit_->document()->findBlock(SelStart()));
}

void TPanel::SetParagraphAttributes(const TAtrybutyAkapitu& attributes)
{
    const QTextCursor selection = Cursor();
    QTextDocument* document = edit_->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->findBlock(selection.selectionStart());
         block.isValid() && block.position() <= selection.selectionEnd(); block = block.next()) {
        cursor.setPosition(block.position());
        ApplyParagraphAttributes(cursor, attributes);
    }
    cursor.endEditBlock();
}

void TPanel::BeginUpdate()
{
    if (wstrzymania_++ == 0)
        edit_->setUpdatesEnabled(false);
}

void TPanel::EndUpdate()
{
    if (wstrzymania_ > 0 && --wstrzymania_ == 0)
        edit_->setUpdatesEnabled(true);
}

std::string TPanel::StreamOut(TStrumien kind, bool selectionOnly) const
{
    const QTextCursor cursor = Cursor();
    const int from = selectionOnly ? cursor.selectionStart() : 0;
    const int to = selectionOnly ? cursor.selectionEnd() : TextLength();
    const TTekstFormatowany document = ReadDocument(*edit_->document(), from, to);
    if (kind == TStrumien::Rtf)
        return WriteRtf(document);
    QString text = QString::fromStdU16String(document.Tekst());
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQString(text);
}

void TPanel::StreamIn(std::string_view bytes, TStrumien kind, bool selectionOnly)
{
    std::optional<TTekstFormatowany> document;
    if (kind == TStrumien::Rtf)
        document = ReadRtf(bytes);
    if (!document)
        document = DocumentFromText(bytes);
    if (!selectionOnly) {
        FillDocument(*edit_->document(), *document);
        return;
    }
    QTextCursor cursor = Cursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertDocument(cursor, *document);
    cursor.endEditBlock();
    edit_->setTextCursor(cursor);
}

TTekstFormatowany TPanel::DocumentFromText(std::string_view text) const
{
    TTekstFormatowany document;
    document.Akapity.emplace_back();
    std::string line;
    const auto flush = [&] {
        QString wide = ToQString(line, jezyk_);
        wide.replace(QLatin1Char(kZnakLinii), QChar::LineSeparator);
        document.Akapity.back().Dopisz(wide.toStdU16String(), {});
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        flush();
        document.Akapity.emplace_back();
    }
    flush();
    return document;
}

} // namespace velmar
