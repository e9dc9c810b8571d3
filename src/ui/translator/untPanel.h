#pragma once
// A rich-text pane as the rest of the program sees it: 8-bit text in the pane's
// language with one character per paragraph break, a selection, insertion with
// character attributes, paragraph attributes, format runs, suspended updates and
// streaming the pane (or its selection) in and out as RTF or plain text.
// Positions count from 0, as the pane's own positions do.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/untFormatTekstu.h"
#include "core/document/untTekstFormatowany.h"

class QTextEdit;
class QTextCursor;

namespace velmar {

// The 8-bit characters of a paragraph break and of a line break inside a paragraph.
inline constexpr char kZnakAkapitu = '\r';
inline constexpr char kZnakLinii = '\v';

enum class TStrumien { Rtf, Tekst };

class TPanel {
public:
    TPanel(QTextEdit* edit, std::uint8_t language);

    QTextEdit* Edit() const { return edit_; }
    std::uint8_t Jezyk() const { return jezyk_; }
    void SetJezyk(std::uint8_t language) { jezyk_ = language; }

    // ---- text
    std::string Text() const;
    // Replaces everything with plain text; "\r\n", "\r" and "\n" end paragraphs.
    void SetText(std::string_view text);
    int TextLength() const;
    int ParagraphCount() const;
    int ParagraphStart(int paragraph) const;
    int ParagraphAt(int position) const;
    std::string ParagraphText(int paragraph) const;
    TFormatTekstu FormatRuns(int paragraph) const;

    // ---- selection
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    std::string SelText() const;
    // Replaces the selection with text in the given attributes and leaves the caret
    // after it.
    void ReplaceSelection(std::string_view text, const TAtrybutyTekstu& attributes);
    // The attributes at the selection's start, and for the whole selection.
    TAtrybutyTekstu SelAttributes() const;
    void SetSelAttributes(const TAtrybutyTekstu& attributes);
    // The attributes of the paragraph at the selection's start, and for every
    // paragraph the selection touches.
    TAtrybutyAkapitu ParagraphAttributes() const;
    void SetParagraphAttributes(const TAtrybutyAkapitu& attributes);

    // ---- updates
    // Nested: the pane repaints again when the last EndUpdate comes.
    void BeginUpdate();
    void EndUpdate();

    // ---- streams
    // The whole pane, or only the selection, as RTF or 8-bit text with CR LF.
    std::string StreamOut(TStrumien kind, bool selectionOnly = false) const;
    // Replaces the whole pane or only the selection; RTF that does not read as RTF
    // is taken as text.
    void StreamIn(std::string_view bytes, TStrumien kind, bool selectionOnly = false);

private:
    TTekstFormatowany DocumentFromText(std::string_view text) const;
    QTextCursor Cursor() const;

    QTextEdit* edit_;
    std::uint8_t jezyk_;
    int wstrzymania_ = 0;
};

} // namespace velmar
