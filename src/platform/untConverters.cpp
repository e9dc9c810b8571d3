#include "platform/untConverters.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include "core/app/untStale.h"
#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"
#include "core/document/untStronaKodowa.h"
#include "platform/untLibreOffice.h"
#include "platform/untQtTekst.h"
#include "platform/untTekstFormatowanyQt.h"

namespace velmar {

// ---------------------------------------------------------------- file formats

namespace {

struct TWierszFormatu {
    int Typ;
    const char* Wzorzec;
    const char* Rozszerzenie;
    int TekstOtwarcia; // interface text id; 0: not offered for opening
    int TekstZapisu;   // 0: not offered for saving
};

constexpr TWierszFormatu kFormaty[] = {
    {tpWszystkieDokumenty, "*.rtf;*.txt", "", 558, 0},
    {tpRtf, "*.rtf", "rtf", 559, 564},
    {tpTekst, "*.txt", "txt", 560, 565},
    {tpTekstUnicode, "*.txt", "txt", 561, 566},
    {tpWord, "*.doc", "doc", 0, 567},
    {tpDowolny, "*.*", "", 562, 568},
};

int TextId(const TWierszFormatu& row, bool forSaving)
{
    return forSaving ? row.TekstZapisu : row.TekstOtwarcia;
}

const TWierszFormatu& RowOf(int type)
{
    for (const auto& row : kFormaty)
        if (row.Typ == type)
            return row;
    return kFormaty[std::size(kFormaty) - 1];
}

} // namespace

TFormatyPlikow::TFormatyPlikow(bool forSaving, const TTekstInterfejsu& texts) : forSaving_(forSaving)
{
    for (const auto& row : kFormaty)
        if (TextId(row, forSaving) != 0)
            formaty_.push_back({row.Typ, {}, QString::fromLatin1(row.Wzorzec), QString::fromLatin1(row.Rozszerzenie)});
    RefreshNames(texts);
}

TFormatyPlikow TFormatyPlikow::ForOpening(const TTekstInterfejsu& texts)
{
    return TFormatyPlikow(false, texts);
}

TFormatyPlikow TFormatyPlikow::ForSaving(const TTekstInterfejsu& texts)
{
    return TFormatyPlikow(true, texts);
}

int TFormatyPlikow::IndexOfType(int type) const
{
    for (int i = 0; i < Count(); ++i)
        if (formaty_[static_cast<std::size_t>(i)].Typ == type)
            return i;
    return -1;
}

QString TFormatyPlikow::Filter() const
{
    QStringList filters;
    for (const auto& format : formaty_) {
        const QString patterns = QString(format.Wzorzec).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << format.Nazwa + " (" + patterns + ")";
    }
    return filters.join(QStringLiteral(";;"));
}

void TFormatyPlikow::RefreshNames(const TTekstInterfejsu& texts)
{
    for (auto& format : formaty_)
        format.Nazwa = texts ? texts(TextId(RowOf(format.Typ), forSaving_)) : QString();
}

int FormatOfFileName(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    for (const int type : {tpRtf, tpTekst, tpTekstUnicode, tpWord})
        if (!extension.isEmpty() && extension == QLatin1String(RowOf(type).Rozszerzenie))
            return type;
    return tpDowolny;
}

TWyborFormatu ChooseSaveFormat(const TFormatyPlikow& saveFormats, const QString& fileName, int wantedType)
{
    TWyborFormatu choice;
    if (fileName.isEmpty()) {
        choice.Indeks = saveFormats.IndexOfType(wantedType);
        return choice;
    }
    const QFileInfo info(fileName);
    const QString extension = info.suffix().toLower();
    const auto& items = saveFormats.Items();
    const auto indexOf = [&](auto&& fits) {
        for (int i = 0; i < saveFormats.Count(); ++i)
            if (fits(items[static_cast<std::size_t>(i)]))
                return i;
        return -1;
    };
    choice.Indeks = indexOf([&](const TFormatPliku& f) { return f.Rozszerzenie == extension && f.Typ == wantedType; });
    if (choice.Indeks < 0)
        choice.Indeks =
            indexOf([&](const TFormatPliku& f) { return f.Rozszerzenie == extension || f.Typ == tpDowolny; });
    choice.ProponowanaNazwa = fileName;
    // The dialog adds the extension back; a name with another dot would lose part of it.
    if (choice.Indeks >= 0 && saveFormats[choice.Indeks].Typ != tpDowolny && !info.suffix().isEmpty() &&
        !info.completeBaseName().contains(QLatin1Char('.')))
        choice.ProponowanaNazwa = fileName.chopped(info.suffix().size() + 1);
    return choice;
}

bool IsForeignFormat(const QString& fileName)
{
    static const QStringList kForeign = {"doc", "docx", "odt", "html", "htm"};
    return kForeign.contains(QFileInfo(fileName).suffix().toLower());
}

// ---------------------------------------------------------------- plain text

namespace {

TTekstFormatowany PlainDocument(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalised.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    TTekstFormatowany document;
    for (const QString& line : normalised.split(QLatin1Char('\n'))) {
        TAkapit paragraph;
        paragraph.Dopisz(line.toStdU16String(), {});
        document.Akapity.push_back(std::move(paragraph));
    }
    return document;
}

// The text of a document with CR LF between paragraphs and for line breaks.
QString PlainTextOf(const TTekstFormatowany& document)
{
    QString text = QString::fromStdU16String(document.Tekst());
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

bool DecodeUtf16(const QByteArray& bytes, QString& text)
{
    QByteArrayView data(bytes);
    bool bigEndian = false;
    if (data.startsWith("\xFF\xFE")) {
        data = data.sliced(2);
    } else if (data.startsWith("\xFE\xFF")) {
        data = data.sliced(2);
        bigEndian = true;
    }
    if (data.size() % 2 != 0)
        return false;
    text.resize(data.size() / 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(data[2 * i]);
        const auto second = static_cast<unsigned char>(data[2 * i + 1]);
        text[i] = QChar(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return true;
}

// Text in the code page of the document's language; a character it lacks is "?".
QByteArray EncodeInCodePage(const QString& text, std::uint8_t language)
{
    const int codePage = language == jezPolski ? 1250 : 1252;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = CodePageByte(codePage, c.unicode());
        bytes += byte ? static_cast<char>(*byte) : '?';
    }
    return bytes;
}

QByteArray EncodeUtf16WithBom(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace

QString DecodePlainText(const QByteArray& bytes, std::uint8_t language)
{
    QString text;
    if ((bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) && DecodeUtf16(bytes, text))
        return text;
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (IsValidUtf8(view))
        return QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
    return ToQString(view, language);
}

// ---------------------------------------------------------------- files

namespace {

bool ReadWholeFile(const QString& fileName, QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Unbuffered, so that a write error reaches QSaveFile itself and it refuses to commit;
// a buffered write that fails only when flushed would still replace the file.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() &&
           file.commit();
}

// A file the user has marked read-only keeps that mark and its content.
bool IsReadOnlyFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

// LibreOffice's output format for a file name: its extension and export filter.
QString ExportFormatFor(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == u"docx")
        return QStringLiteral("docx:MS Word 2007 XML");
    if (extension == u"odt")
        return QStringLiteral("odt:writer8");
    if (extension == u"html" || extension == u"htm")
        return QStringLiteral("html:HTML (StarWriter)");
    return QStringLiteral("doc:MS Word 97");
}

TWynik ImportThroughLibreOffice(TTekstFormatowany& document, const QString& fileName, TPominiecia* leftOut)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return {kmBladImportu};
    const QString converted = TLibreOffice::Convert(fileName, QStringLiteral("rtf"), folder.path());
    QByteArray bytes;
    if (converted.isEmpty() || !ReadWholeFile(converted, bytes))
        return {kmBladImportu};
    auto read = ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), leftOut);
    if (!read)
        return {kmBladImportu};
    document = std::move(*read);
    return {};
}

TWynik ExportThroughLibreOffice(const TTekstFormatowany& document, const QString& fileName)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return {kmBladEksportu};
    const QString rtfFile = QDir(folder.path()).filePath(QStringLiteral("dokument.rtf"));
    if (!WriteWholeFile(rtfFile, QByteArray::fromStdString(WriteRtf(document))))
        return {kmBladEksportu};
    const QString outputFolder = QDir(folder.path()).filePath(QStringLiteral("out"));
    const QString converted = TLibreOffice::Convert(rtfFile, ExportFormatFor(fileName), outputFolder);
    QByteArray bytes;
    if (converted.isEmpty() || !ReadWholeFile(converted, bytes))
        return {kmBladEksportu};
    return WriteWholeFile(fileName, bytes) ? TWynik{} : TWynik{kmBladZapisu};
}

// Types 1 and 6 take the type of the file name.
int ResolveType(int type, const QString& fileName)
{
    return type == tpWszystkieDokumenty || type == tpDowolny ? FormatOfFileName(fileName) : type;
}

} // namespace

TWynik LoadDocumentFile(TTekstFormatowany& document, const QString& fileName, const TOtwarcie& how,
                        TPominiecia* leftOut)
{
    if (leftOut)
        *leftOut = 0;
    if (!QFileInfo(fileName).isFile())
        return {kmBladOtwierania};
    const int type = ResolveType(how.Typ, fileName);
    if (type == tpWord || (type == tpDowolny && IsForeignFormat(fileName)))
        return ImportThroughLibreOffice(document, fileName, leftOut);

    QByteArray bytes;
    if (!ReadWholeFile(fileName, bytes))
        return {kmBladOtwierania};
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (type == tpTekstUnicode) {
        QString text;
        if (!DecodeUtf16(bytes, text))
            return {kmBladOtwierania};
        document = PlainDocument(text);
    } else if ((type == tpTekst || type == tpDowolny) && how.Konwertuj) {
        document = PlainDocument(ToQString(view, how.Jezyk));
    } else if (auto rich = ReadRtf(view, leftOut)) {
        document = std::move(*rich);
    } else {
        document = PlainDocument(DecodePlainText(bytes, how.Jezyk));
    }
    return {};
}

TWynik SaveDocumentFile(const TTekstFormatowany& document, const QString& fileName, int type, std::uint8_t language)
{
    if (IsReadOnlyFile(fileName))
        return {kmBladZapisu};
    const int resolved = ResolveType(type, fileName);
    if (resolved == tpWord || (resolved == tpDowolny && IsForeignFormat(fileName)))
        return ExportThroughLibreOffice(document, fileName);
    // Among the documents the program knows, a name with an extension it does not
    // write (".pdf") would get text the reader of that format cannot open; "any file"
    // and a name without an extension are plain text.
    if (type == tpWszystkieDokumenty && resolved == tpDowolny && !QFileInfo(fileName).suffix().isEmpty())
        return {kmNieznanyFormat};

    QByteArray bytes;
    switch (resolved) {
    case tpRtf: bytes = QByteArray::fromStdString(WriteRtf(document)); break;
    case tpTekstUnicode: bytes = EncodeUtf16WithBom(PlainTextOf(document)); break;
    default: bytes = EncodeInCodePage(PlainTextOf(document), language); break;
    }
    return WriteWholeFile(fileName, bytes) ? TWynik{} : TWynik{kmBladZapisu};
}

QString LeftOutNotice(TPominiecia leftOut, const TTekstInterfejsu& texts)
{
    // The heading, then one line for each part: footnotes, frames, headers and
    // footers, pictures, objects.
    constexpr int kNaglowek = 144;
    constexpr std::pair<TPominiecie, int> kCzesci[] = {
        {pmPrzypisy, 145}, {pmRamki, 146}, {pmNaglowkiStopki, 147}, {pmObrazy, 148}, {pmObiekty, 149},
    };
    if (leftOut == 0 || !texts)
        return {};
    QString notice = texts(kNaglowek);
    for (const auto& [part, text] : kCzesci)
        if (leftOut & part)
            notice += QStringLiteral("\n– ") + texts(text);
    return notice;
}

TWynik OpenDocument(QTextDocument& pane, const QString& fileName, const TOtwarcie& how, TPominiecia* leftOut)
{
    TTekstFormatowany document;
    const TWynik result = LoadDocumentFile(document, fileName, how, leftOut);
    if (result)
        FillDocument(pane, document);
    return result;
}

TWynik SaveDocument(const QTextDocument& pane, const QString& fileName, int type, std::uint8_t language)
{
    return SaveDocumentFile(ReadDocument(pane), fileName, type, language);
}

// ---------------------------------------------------------------- desktop services

TOtwieraczUrl DesktopOpener()
{
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool WriteOdt(const QTextDocument& document, const QString& fileName)
{
    QTextDocumentWriter writer(fileName, "odf");
    return writer.write(&document);
}

TWynik ExportToWordProcessor(const QTextDocument& document, const TOtwieraczUrl& open)
{
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("velmar-eksport-XXXXXX.odt")));
    // The word processor opens the file after this function returns.
    file.setAutoRemove(false);
    if (!file.open())
        return {kmBladKomunikacji};
    const QString fileName = file.fileName();
    file.close();
    if (!WriteOdt(document, fileName) || !open(QUrl::fromLocalFile(fileName))) {
        QFile::remove(fileName);
        return {kmBladKomunikacji};
    }
    return {};
}

QUrl MailUrl(const QString& body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QUrl::fromEncoded("mailto:?subject=&body=" + QUrl::toPercentEncoding(text), QUrl::StrictMode);
}

TWynik SendByMail(const QString& body, const TOtwieraczUrl& open)
{
    return open(MailUrl(body)) ? TWynik{} : TWynik{kmBladWysylania};
}

QString HtmlHelpFile(const QString& folder, const QString& helpFileName)
{
    const QString base = QFileInfo(helpFileName).completeBaseName();
    const QDir dir(folder);
    for (const QString& candidate : {base + ".html", base + ".htm", base + "/index.html"})
        if (QFileInfo(dir.filePath(candidate)).isFile())
            return dir.filePath(candidate);
    return {};
}

bool OpenHelp(const QString& folder, const QString& helpFileName, const TOtwieraczUrl& open)
{
    const QString file = HtmlHelpFile(folder, helpFileName);
    return !file.isEmpty() && open(QUrl::fromLocalFile(file));
}

} // namespace velmar
