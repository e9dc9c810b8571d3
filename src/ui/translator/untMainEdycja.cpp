// The translator window's editing commands on the active pane: undo, the clipboard,
// clearing, selecting all, a sentence or one sentence more, and clearing the
// translation.
#include <QAction>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int {
    kCofnij = 302,
    kWytnij = 303,
    kKopiuj = 304,
    kWklej = 305,
    kZaznaczWszystko = 306,
    kWyczysc = 309,
    kZaznaczZdanie = 310,
    kRozszerzZaznaczenie = 311,
    kUsunPrzeklad = 312,
};

bool EndsSentence(QChar c)
{
    return c == '.' || c == '!' || c == '?' || c == u'…';
}

} // namespace

TZakresZdania SentenceAt(const QTextDocument& document, int position)
{
    const QTextBlock block = document.findBlock(position);
    const QString text = block.text();
    const int offset = std::clamp(position - block.position(), 0, static_cast<int>(text.size()));
    int start = offset;
    while (start > 0 && !EndsSentence(text[start - 1]))
        --start;
    while (start < offset && text[start].isSpace())
        ++start;
    int end = offset;
    while (end < text.size() && !EndsSentence(text[end]))
        ++end;
    while (end < text.size() && EndsSentence(text[end]))
        ++end;
    return {block.position() + start, block.position() + end};
}

void TfrmMain::CreateEditingCommands(QMenu* menu)
{
    actCofnij_ = AddCommand(menu, "actCofnij", kCofnij, QKeySequence::Undo, [this] { activePane_->undo(); });
    menu->addSeparator();
    actWytnij_ = AddCommand(menu, "actWytnij", kWytnij, QKeySequence::Cut, [this] { activePane_->cut(); });
    actKopiuj_ = AddCommand(menu, "actKopiuj", kKopiuj, QKeySequence::Copy, [this] { activePane_->copy(); });
    actWklej_ = AddCommand(menu, "actWklej", kWklej, QKeySequence::Paste, [this] { activePane_->paste(); });
    actWyczysc_ =
        AddCommand(menu, "actWyczysc", kWyczysc, {}, [this] { activePane_->textCursor().removeSelectedText(); });
    actZaznaczWszystko_ = AddCommand(menu, "actZaznaczWszystko", kZaznaczWszystko, QKeySequence::SelectAll,
                                     [this] { activePane_->selectAll(); });
    menu->addSeparator();
    actZaznaczZdanie_ = AddCommand(menu, "actZaznaczZdanie", kZaznaczZdanie, {}, [this] { SelectSentence(false); });
    actRozszerzZaznaczenie_ =
        AddCommand(menu, "actRozszerzZaznaczenie", kRozszerzZaznaczenie, {}, [this] { SelectSentence(true); });
    actUsunPrzeklad_ = AddCommand(menu, "mniEdycjaUsunPrzeklad", kUsunPrzeklad, {}, [this] { redDol_->clear(); });
    menu->addSeparator();
}

void TfrmMain::SelectSentence(bool extend)
{
    QTextCursor cursor = activePane_->textCursor();
    const int from = extend ? cursor.selectionEnd() : cursor.position();
    // Extending moves over the spaces after the selection into the next sentence.
    int probe = from;
    while (extend && probe < activePane_->document()->characterCount() - 1 &&
           activePane_->document()->characterAt(probe).isSpace())
        ++probe;
    const TZakresZdania sentence = SentenceAt(*activePane_->document(), probe);
    cursor.setPosition(extend ? cursor.selectionStart() : sentence.Start);
    cursor.setPosition(sentence.End, QTextCursor::KeepAnchor);
    activePane_->setTextCursor(cursor);
}

} // namespace velmar
