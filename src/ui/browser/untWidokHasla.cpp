#include "ui/browser/untWidokHasla.h"

#include <algorithm>

#include <QColor>
#include <QPalette>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untTransSlownikSlowo.h"

namespace velmar {

namespace {

// The Polish-letter transcription keeps the font the dictionary data was written for.
const QString kPolishTranscriptionFont = QStringLiteral("Times New Roman");

QColor SettingColour(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// Font, size, weight, slant and colour of a style. Sizes grow from the dictionary
// font's; the small flag takes 2 points off every size but the hidden style's, which
// it sets to 2. The phonetic style keeps the dictionary font: its characters are
// ordinary Unicode phonetic letters.
QTextCharFormat StyleFormat(const TKawalekHasla& piece, const QColor& background)
{
    const TTransUstawienia& settings = Ustawienia();
    const int base = settings.CzcionkaSlownika.Size;
    struct TStyl {
        int Growth;
        bool Bold;
        bool Italic;
        int Colour;
    };
    const TStyl styles[kEntryStyleCount] = {
        {2, true, false, settings.KolorHaslo},         {2, false, true, settings.KolorGramInne},
        {2, false, true, settings.KolorHaslo},         {0, true, false, settings.KolorHaslo},
        {0, false, false, settings.KolorOdpowiednik},  {0, false, false, settings.KolorOdpowiednik},
        {0, false, true, settings.KolorGramCzescMowy}, {0, false, true, settings.KolorGramRodzaj},
        {0, false, true, settings.KolorGramInne},      {0, false, true, settings.KolorOdpowiednik},
        {2, true, false, settings.KolorHaslo},         {2, false, false, settings.KolorHaslo},
        {2, false, false, settings.KolorHaslo},
    };
    const bool known = piece.Style >= 0 && piece.Style < kEntryStyleCount;
    const TStyl style = known ? styles[piece.Style] : TStyl{0, false, false, 0};

    QTextCharFormat format;
    format.setFontFamilies({piece.Style == shWymowaPolska ? kPolishTranscriptionFont
                                                          : QString::fromStdString(settings.CzcionkaSlownika.Name)});
    int size = base + style.Growth;
    if (piece.Style == shUkryty)
        size = piece.Small ? 2 : base;
    else if (piece.Small)
        size -= 2;
    format.setFontPointSize(std::max(1, size));
    format.setFontWeight(style.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.Italic);
    format.setForeground(piece.Style == shUkryty ? background : SettingColour(style.Colour));
    return format;
}

void SetIndents(QTextCursor& cursor, const TKawalekHasla& piece)
{
    QTextBlockFormat block = cursor.blockFormat();
    if (block.leftMargin() == piece.LeftIndent && block.textIndent() == piece.FirstIndent)
        return;
    block.setLeftMargin(piece.LeftIndent);
    block.setTextIndent(piece.FirstIndent);
    cursor.setBlockFormat(block);
}

// Selects characters [from, to) of the cursor's document, kept inside the text.
void SelectRange(QTextCursor& cursor, int from, int to)
{
    const int last = cursor.document()->characterCount() - 1;
    cursor.setPosition(std::clamp(from, 0, last));
    cursor.setPosition(std::clamp(to, 0, last), QTextCursor::KeepAnchor);
}

} // namespace

TKontekstHasla ProgramEntryContext()
{
    const TWartosciProgramu& program = Program();
    const TTransUstawienia& settings = Ustawienia();
    TSlowniki& dictionaries = Slowniki();
    return {.SourceLanguage = program.SourceLanguage,
            .TargetLanguage = program.TargetLanguage,
            .InterfaceLanguage = static_cast<std::uint8_t>(settings.JezykInterfejsu),
            .DictionaryMode = IsDictionaryMode(program.WorkingMode),
            .Pronunciation = settings.WyswietlajWymowe,
            .DataSource = &dictionaries.DataSource,
            .DataTarget = &dictionaries.DataTarget,
            .Main = &dictionaries.Main};
}

TWidokHasla::TWidokHasla(QTextBrowser* view, QTextEdit* workCopy, TPrzegladarkaHasel browser, TKontekstWidoku context)
    : view_(view), workCopy_(workCopy), browser_(std::move(browser)),
      context_(context ? std::move(context) : TKontekstWidoku(ProgramEntryContext))
{
}

void TWidokHasla::ClearView()
{
    view_->clear();
    hiddenRanges_.clear();
}

void TWidokHasla::RenderEntry(const TTransSlownikSlowo& entry, const std::string& group, bool small, bool showPhrases,
                              const std::string& prefix, int formCode)
{
    Append(velmar::RenderEntry(context_(), entry, group, small, showPhrases, prefix, formCode));
}

void TWidokHasla::ShowForms(const TOdwolania& readings, const std::string& word, bool small, bool alreadyShown)
{
    const TFormyHasla forms = velmar::ShowForms(context_(), readings, word, small, alreadyShown);
    if (forms.AddToHistory && browser_.HistoryAdd)
        browser_.HistoryAdd(word);
    if (forms.MainIndex >= 0 && browser_.SelectMain)
        browser_.SelectMain(forms.MainIndex);
    Append(forms.Pieces);
}

void TWidokHasla::Append(const TKawalkiHasla& pieces)
{
    QTextCursor cursor(view_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const auto& piece : pieces)
        Write(cursor, piece);
    cursor.endEditBlock();
}

void TWidokHasla::Write(QTextCursor& cursor, const TKawalekHasla& piece)
{
    if (piece.LineBefore)
        cursor.insertBlock();
    SetIndents(cursor, piece);
    const int start = cursor.position();
    cursor.insertText(QString::fromStdU16String(PieceText(piece)),
                      StyleFormat(piece, view_->palette().color(QPalette::Base)));
    if (piece.Hidden)
        hiddenRanges_.push_back(HiddenRange(start, cursor.position()));
    if (piece.LineAfter)
        cursor.insertBlock();
}

void TWidokHasla::CopyVisible(int start, int length, QTextEdit* destination)
{
    const TKopiaWidoczna plan = PlanVisibleCopy(hiddenRanges_, start, length);
    workCopy_->clear();
    QTextCursor work(workCopy_->document());
    work.insertFragment(QTextDocumentFragment(view_->document()));
    for (const auto& stretch : plan.Deletions) {
        SelectRange(work, stretch.Start, stretch.End);
        work.removeSelectedText();
    }

    if (destination) {
        QTextCursor target(destination->document());
        target.movePosition(QTextCursor::End);
        target.insertFragment(QTextDocumentFragment(workCopy_->document()));
    } else if (plan.Length > 0) {
        SelectRange(work, plan.Start, plan.Start + plan.Length);
        workCopy_->setTextCursor(work);
        workCopy_->copy();
    }
    workCopy_->clear();
}

} // namespace velmar
