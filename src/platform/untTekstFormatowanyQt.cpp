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

// What the model carries and Qt's formats have no property for. Qt shows the
// nearest it has (a background, a capitalisation, a dotted underline for hidden
// text); these keep the exact values for the way back.
enum TWlasnosc : int {
    wlUkryty = QTextFormat::UserProperty + 1,
    wlWyroznienie,
    wlTlo,
    wlKapitaliki,
    wlWersaliki,
    wlNumerListy,    // on a list format: the model's list number
    wlStartListy,    // on a list format: its first number
    wlPodzialSekcji, // on a block format: the page break is a section break
};

// The document-wide values of the model, kept on the QTextDocument.
constexpr const char* kWlasnoscStrony = "velmarStrona";
constexpr const char* kWlasnoscCzcionki = "velmarDomyslnaCzcionka";

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

std::int32_t ColourProperty(const QTextFormat& format, int property)
{
    return format.hasProperty(property) ? format.intProperty(property) : TAtrybutyTekstu::kKolorDomyslny;
}

void SetColourProperty(QTextFormat& format, int property, std::int32_t colour)
{
    if (colour != TAtrybutyTekstu::kKolorDomyslny)
        format.setProperty(property, colour);
}

QColor ColourOf(std::int32_t colour)
{
    return QColor::fromRgb(static_cast<QRgb>(colour) | 0xFF000000u);
}

// Small and all capitals: the exact flags when the model set them, else what Qt shows.
void ReadCapitals(const QTextCharFormat& format, TAtrybutyTekstu& attributes)
{
    const auto capitalization = format.fontCapitalization();
    attributes.Kapitaliki =
        format.hasProperty(wlKapitaliki) ? format.boolProperty(wlKapitaliki) : capitalization == QFont::SmallCaps;
    attributes.Wersaliki =
        format.hasProperty(wlWersaliki) ? format.boolProperty(wlWersaliki) : capitalization == QFont::AllUppercase;
}

TPolozenieZnaku PositionOf(QTextCharFormat::VerticalAlignment alignment)
{
    switch (alignment) {
    case QTextCharFormat::AlignSuperScript: return TPolozenieZnaku::IndeksGorny;
    case QTextCharFormat::AlignSubScript: return TPolozenieZnaku::IndeksDolny;
    default: return TPolozenieZnaku::Zwykle;
    }
}

QTextListFormat::Style ListStyleOf(const TLista& list)
{
    switch (list.Rodzaj) {
    case TRodzajListy::Liczby: return QTextListFormat::ListDecimal;
    case TRodzajListy::MaleLitery: return QTextListFormat::ListLowerAlpha;
    case TRodzajListy::WielkieLitery: return QTextListFormat::ListUpperAlpha;
    case TRodzajListy::MaleRzymskie: return QTextListFormat::ListLowerRoman;
    case TRodzajListy::WielkieRzymskie: return QTextListFormat::ListUpperRoman;
    case TRodzajListy::Punktor:
    case TRodzajListy::Brak: break;
    }
    static constexpr QTextListFormat::Style kPunktory[] = {QTextListFormat::ListDisc, QTextListFormat::ListCircle,
                                                           QTextListFormat::ListSquare};
    return kPunktory[std::min(list.Poziom, 2)];
}

TRodzajListy ListKindOf(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDecimal: return TRodzajListy::Liczby;
    case QTextListFormat::ListLowerAlpha: return TRodzajListy::MaleLitery;
    case QTextListFormat::ListUpperAlpha: return TRodzajListy::WielkieLitery;
    case QTextListFormat::ListLowerRoman: return TRodzajListy::MaleRzymskie;
    case QTextListFormat::ListUpperRoman: return TRodzajListy::WielkieRzymskie;
    default: return TRodzajListy::Punktor;
    }
}

QTextListFormat ListFormatOf(const TLista& list)
{
    QTextListFormat format;
    format.setStyle(ListStyleOf(list));
    format.setIndent(list.Poziom + 1);
    format.setProperty(wlNumerListy, list.Numer);
    format.setProperty(wlStartListy, list.Start);
    format.setNumberSuffix(list.Przyrostek ? QString(QChar(list.Przyrostek)) : QString());
    return format;
}

TLista ListOf(const QTextList& list)
{
    const QTextListFormat format = list.format();
    TLista read;
    read.Rodzaj = ListKindOf(format.style());
    read.Poziom = std::clamp(format.indent() - 1, 0, kPoziomyList - 1);
    read.Numer = format.hasProperty(wlNumerListy) ? format.intProperty(wlNumerListy) : 1;
    read.Start = format.hasProperty(wlStartListy) ? format.intProperty(wlStartListy) : 1;
    const QString suffix = format.numberSuffix();
    read.Przyrostek = suffix.isEmpty() ? u'\0' : suffix.front().unicode();
    return read;
}

bool IsSameList(const QTextList* list, const TLista& wanted)
{
    return list && ListOf(*list) == wanted;
}

// The list a paragraph joins: the nearest list above with the same number and
// level, so a level-0 item after nested ones continues its own count.
QTextList* ListAbove(const QTextBlock& block, const TLista& wanted)
{
    constexpr int kZasieg = 1000;
    int looked = 0;
    for (QTextBlock above = block.previous(); above.isValid() && looked < kZasieg; above = above.previous(), ++looked)
        if (IsSameList(above.textList(), wanted))
            return above.textList();
    return nullptr;
}

TUstawieniaStrony PageOf(const QTextDocument& document)
{
    const QList<QVariant> values = document.property(kWlasnoscStrony).toList();
    TUstawieniaStrony page;
    int* const fields[] = {&page.Szerokosc,     &page.Wysokosc,      &page.MarginesLewy,
                           &page.MarginesPrawy, &page.MarginesGorny, &page.MarginesDolny};
    if (values.size() != static_cast<qsizetype>(std::size(fields)) + 1)
        return page;
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = values[static_cast<qsizetype>(i)].toInt();
    page.Pozioma = values.back().toBool();
    return page;
}

void SetDocumentValues(QTextDocument& document, const TTekstFormatowany& content)
{
    const auto& p = content.Strona;
    document.setProperty(kWlasnoscStrony, QVariantList{p.Szerokosc, p.Wysokosc, p.MarginesLewy, p.MarginesPrawy,
                                                       p.MarginesGorny, p.MarginesDolny, p.Pozioma});
    document.setProperty(kWlasnoscCzcionki, Utf8ToQString(content.DomyslnaCzcionka));
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
    ReadCapitals(format, attributes);
    attributes.Ukryty = format.boolProperty(wlUkryty);
    attributes.Polozenie = PositionOf(format.verticalAlignment());
    attributes.Wyroznienie = ColourProperty(format, wlWyroznienie);
    attributes.Tlo = ColourProperty(format, wlTlo);
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
    if (attributes.Kapitaliki || attributes.Wersaliki) {
        format.setFontCapitalization(attributes.Wersaliki ? QFont::AllUppercase : QFont::SmallCaps);
        format.setProperty(wlKapitaliki, attributes.Kapitaliki);
        format.setProperty(wlWersaliki, attributes.Wersaliki);
    }
    if (attributes.Polozenie != TPolozenieZnaku::Zwykle)
        format.setVerticalAlignment(attributes.Polozenie == TPolozenieZnaku::IndeksGorny
                                        ? QTextCharFormat::AlignSuperScript
                                        : QTextCharFormat::AlignSubScript);
    SetColourProperty(format, wlWyroznienie, attributes.Wyroznienie);
    SetColourProperty(format, wlTlo, attributes.Tlo);
    const std::int32_t background =
        attributes.Wyroznienie != TAtrybutyTekstu::kKolorDomyslny ? attributes.Wyroznienie : attributes.Tlo;
    if (background != TAtrybutyTekstu::kKolorDomyslny)
        format.setBackground(ColourOf(background));
    if (attributes.Ukryty) {
        // Shown marked rather than hidden, so that the translator sees what is kept.
        format.setProperty(wlUkryty, true);
        if (!attributes.Podkreslenie)
            format.setUnderlineStyle(QTextCharFormat::DotLine);
    }
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
    if (const QTextList* list = block.textList())
        attributes.Lista = ListOf(*list);
    attributes.PoziomKonspektu = std::clamp(format.headingLevel(), 0, 9);
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        attributes.Podzial = format.boolProperty(wlPodzialSekcji) ? TPodzial::Sekcja : TPodzial::Strona;
    return attributes;
}

QTextBlockFormat BlockFormatOf(const TAtrybutyAkapitu& attributes)
{
    QTextBlockFormat format;
    format.setAlignment(AlignmentOf(attributes.Wyrownanie));
    format.setLeftMargin(attributes.WciecieLewe / kTwipsNaPunkt);
    format.setRightMargin(attributes.WcieciePrawe / kTwipsNaPunkt);
    format.setTextIndent(attributes.WcieciePierwsze / kTwipsNaPunkt);
    format.setHeadingLevel(attributes.PoziomKonspektu);
    if (attributes.Podzial != TPodzial::Brak)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (attributes.Podzial == TPodzial::Sekcja)
        format.setProperty(wlPodzialSekcji, true);
    return format;
}

void ApplyParagraphAttributes(QTextCursor& cursor, const TAtrybutyAkapitu& attributes)
{
    cursor.setBlockFormat(BlockFormatOf(attributes));
    QTextList* list = cursor.block().textList();
    const bool wanted = attributes.Lista.Rodzaj != TRodzajListy::Brak;
    if (list && (!wanted || !IsSameList(list, attributes.Lista))) {
        list->remove(cursor.block());
        cursor.setBlockFormat(BlockFormatOf(attributes));
        list = nullptr;
    }
    if (wanted && !list) {
        if (QTextList* above = ListAbove(cursor.block(), attributes.Lista))
            above->add(cursor.block());
        else
            cursor.createList(ListFormatOf(attributes.Lista));
        // Merged, not set: the list membership lives in the block format.
        cursor.mergeBlockFormat(BlockFormatOf(attributes));
    }
}

QString VisibleText(const QTextBlock& block)
{
    QString text = block.text();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().boolProperty(wlUkryty))
            text.replace(fragment.position() - block.position(), fragment.length(),
                         QString(fragment.length(), QLatin1Char(' ')));
    }
    return text;
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
    content.Strona = PageOf(document);
    content.DomyslnaCzcionka = document.property(kWlasnoscCzcionki).toString().toStdString();
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
    SetDocumentValues(document, content);
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
