#include "platform/untTekstFormatowanyQt.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cmath>

#include "platform/untQtTekst.h"

namespace velmar {

namespace {

// Indents are kept in twips; the document measures in points.
constexpr double kTwipsNaPunkt = 20.0;

int ToTwips(double points)
{
    return static_cast<int>(std::lround(points * kTwipsNaPunkt));
}

Qt::Alignment AlignmentOf(TWyrownanie alignment)
{
    switch (alignment) {
    case TWyrownanie::Srodek: return Qt::AlignHCenter;
    case TWyrownanie::Prawo: return Qt::AlignRight;
    case TWyrownanie::Wyjustuj: return Qt::AlignJustify;
    case TWyrownanie::Lewo: break;
    }
    return Qt::AlignLeft;
}

TWyrownanie AlignmentFrom(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return TWyrownanie::Srodek;
    if (alignment & Qt::AlignRight)
        return TWyrownanie::Prawo;
    if (alignment & Qt::AlignJustify)
        return TWyrownanie::Wyjustuj;
    return TWyrownanie::Lewo;
}

// Qt keeps a line break inside a paragraph as U+2028 and hands out paragraph
// separators (U+2029) only between blocks, which ReadDocument never copies.
std::u16string TextOf(const QString& text)
{
    return text.toStdU16String();
}

} // namespace

TAtrybutyTekstu AttributesOf(const QTextCharFormat& format)
{
    TAtrybutyTekstu attributes;
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const auto families = format.fontFamilies().toStringList();
        if (!families.isEmpty())
            attributes.Czcionka = families.first().toStdString();
    }
    if (format.hasProperty(QTextFormat::FontPointSize))
        attributes.PolPunkty = static_cast<int>(std::lround(format.fontPointSize() * 2));
    attributes.Pogrubienie = format.fontWeight() >= QFont::Bold;
    attributes.Kursywa = format.fontItalic();
    attributes.Podkreslenie = format.fontUnderline();
    attributes.Przekreslenie = format.fontStrikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        attributes.Kolor = static_cast<std::int32_t>(format.foreground().color().rgb() & 0xFFFFFF);
    return attributes;
}

QTextCharFormat CharFormatOf(const TAtrybutyTekstu& attributes)
{
    QTextCharFormat format;
    if (!attributes.Czcionka.empty())
        format.setFontFamilies({Utf8ToQString(attributes.Czcionka)});
    if (attributes.PolPunkty > 0)
        format.setFontPointSize(attributes.PolPunkty / 2.0);
    format.setFontWeight(attributes.Pogrubienie ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.Kursywa);
    format.setFontUnderline(attributes.Podkreslenie);
    format.setFontStrikeOut(attributes.Przekreslenie);
    if (attributes.Kolor != TAtrybutyTekstu::kKolorDomyslny)
        format.setForeground(QColor::fromRgb(static_cast<QRgb>(attributes.Kolor)));
    return format;
}

TAtrybutyAkapitu ParagraphAttributesOf(const QTextBlock& block)
{
    const auto format = block.blockFormat();
    TAtrybutyAkapitu attributes;
    attributes.Wyrownanie = AlignmentFrom(format.alignment());
    attributes.WciecieLewe = ToTwips(format.leftMargin());
    attributes.WcieciePrawe = ToTwips(format.rightMargin());
    attributes.WcieciePierwsze = ToTwips(format.textIndent());
    attributes.Wypunktowanie = block.textList() != nullptr;
    return attributes;
}

QTextBlockFormat BlockFormatOf(const TAtrybutyAkapitu& attributes)
{
    QTextBlockFormat format;
    format.setAlignment(AlignmentOf(attributes.Wyrownanie));
    format.setLeftMargin(attributes.WciecieLewe / kTwipsNaPunkt);
    format.setRightMargin(attributes.WcieciePrawe / kTwipsNaPunkt);
    format.setTextIndent(attributes.WcieciePierwsze / kTwipsNaPunkt);
    return format;
}

void ApplyParagraphAttributes(QTextCursor& cursor, const TAtrybutyAkapitu& attributes)
{
    cursor.setBlockFormat(BlockFormatOf(attributes));
    QTextList* list = cursor.block().textList();
    if (attributes.Wypunktowanie && !list) {
        // A bullet joins the list of the paragraph above when there is one.
        const QTextBlock previous = cursor.block().previous();
        if (previous.isValid() && previous.textList())
            previous.textList()->add(cursor.block());
        else
            cursor.createList(QTextListFormat::ListDisc);
        // Merged, not set: the list membership lives in the block format.
        cursor.mergeBlockFormat(BlockFormatOf(attributes));
    } else if (!attributes.Wypunktowanie && list) {
        list->remove(cursor.block());
        cursor.setBlockFormat(BlockFormatOf(attributes));
    }
}

TTekstFormatowany ReadDocument(const QTextDocument& document, int from, int to)
{
    if (to < 0)
        to = document.characterCount() - 1;
    TTekstFormatowany content;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        TAkapit paragraph;
        paragraph.Atrybuty = ParagraphAttributesOf(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start >= end)
                continue;
            const QString text = fragment.text().mid(start - fragment.position(), end - start);
            paragraph.Dopisz(TextOf(text), AttributesOf(fragment.charFormat()));
        }
        content.Akapity.push_back(std::move(paragraph));
    }
    if (content.Akapity.empty())
        content.Akapity.emplace_back();
    return content;
}

void InsertDocument(QTextCursor& cursor, const TTekstFormatowany& content)
{
    cursor.beginEditBlock();
    bool first = true;
    for (const auto& paragraph : content.Akapity) {
        if (!first)
            cursor.insertBlock();
        ApplyParagraphAttributes(cursor, paragraph.Atrybuty);
        for (const auto& run : paragraph.Fragmenty)
            cursor.insertText(QString::fromStdU16String(run.Tekst), CharFormatOf(run.Atrybuty));
        first = false;
    }
    cursor.endEditBlock();
}

void FillDocument(QTextDocument& document, const TTekstFormatowany& content)
{
    document.clear();
    QTextCursor cursor(&document);
    InsertDocument(cursor, content);
}

TFormatTekstu FormatRuns(const QTextBlock& block)
{
    TFormatTekstu runs;
    const TAtrybutyTekstu* last = nullptr;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const auto attributes = AttributesOf(fragment.charFormat());
        if (last && *last == attributes)
            continue;
        last = runs.FontOf(runs.AddRun(fragment.position() - block.position(), attributes));
    }
    return runs;
}

} // namespace velmar
