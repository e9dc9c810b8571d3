// File formats, opening and saving documents, conversion through LibreOffice and the
// desktop services of the translator window.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "platform/untConverters.h"
#include "platform/untLibreOffice.h"
#include "platform/untTekstFormatowanyQt.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

QString FixturePath(const char* name)
{
    return Q(std::filesystem::path(VELMAR_FIXTURES_DIR) / "documents" / name);
}

QString TextById(int id)
{
    return QStringLiteral("T%1").arg(id);
}

TTekstFormatowany OneParagraph(std::u16string text, TAtrybutyTekstu attributes = {})
{
    TTekstFormatowany document;
    document.Akapity.push_back({{}, {{std::move(text), std::move(attributes)}}});
    return document;
}

std::string TextOf(const TTekstFormatowany& document)
{
    return WideToUtf8(document.Tekst());
}

// ---------------------------------------------------------------- formats

TEST(FormatyPlikow, TypeOfAFileNameComesFromItsExtension)
{
    const struct {
        const char* Name;
        int Type;
    } cases[] = {{"report.TXT", tpTekst},   {"report", tpDowolny},     {"report.doc", tpWord},
                 {"a/b.c/list.Rtf", tpRtf}, {"notes.docx", tpDowolny}, {"archive.tar.gz", tpDowolny}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatOfFileName(c.Name), c.Type) << c.Name;
}

TEST(FormatyPlikow, ListsOfThisProductWithQtDialogFilters)
{
    const auto open = TFormatyPlikow::ForOpening(TextById);
    const auto save = TFormatyPlikow::ForSaving(TextById);
    std::vector<int> openTypes, saveTypes;
    for (const auto& f : open.Items())
        openTypes.push_back(f.Typ);
    for (const auto& f : save.Items())
        saveTypes.push_back(f.Typ);
    EXPECT_EQ(openTypes, (std::vector<int>{1, 2, 3, 4, 6}));
    EXPECT_EQ(saveTypes, (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(open.Filter(), "T558 (*.rtf *.txt);;T559 (*.rtf);;T560 (*.txt);;T561 (*.txt);;T562 (*.*)");
    EXPECT_EQ(save[3].Nazwa, "T567");
}

TEST(FormatyPlikow, ChoosingTheSaveFormatProposesANameWithoutExtension)
{
    const auto save = TFormatyPlikow::ForSaving(TextById);
    const struct {
        const char* Name;
        int Wanted;
        int Type;
        const char* Proposed;
    } cases[] = {
        {"Dokument1.rtf", tpRtf, tpRtf, "Dokument1"},
        {"notes.txt", tpTekstUnicode, tpTekstUnicode, "notes"},
        {"notes.txt", tpRtf, tpTekst, "notes"},
        {"/home/u/v1.2.rtf", tpRtf, tpRtf, "/home/u/v1.2.rtf"},
        {"/home/u/list.rtf", tpRtf, tpRtf, "/home/u/list"},
        {"data.xyz", tpRtf, tpDowolny, "data.xyz"},
        {"", tpWord, tpWord, ""},
    };
    for (const auto& c : cases) {
        const auto choice = ChooseSaveFormat(save, c.Name, c.Wanted);
        ASSERT_GE(choice.Indeks, 0) << c.Name;
        EXPECT_EQ(save[choice.Indeks].Typ, c.Type) << c.Name;
        EXPECT_EQ(choice.ProponowanaNazwa, c.Proposed) << c.Name;
    }
}

// ---------------------------------------------------------------- open

TEST(OtwieraniePlikow, PlainTextIsReadInTheLanguagesCodePage)
{
    test::TempFolder folder;
    const auto file = Q(folder.Write("pl.txt", "w\xb9s\r\nkot"));
    TTekstFormatowany document;
    ASSERT_TRUE(LoadDocumentFile(document, file, {tpTekst, jezPolski, true}));
    EXPECT_EQ(TextOf(document), "wąs\nkot");
}

TEST(OtwieraniePlikow, WithoutConversionValidUtf8WinsOverTheCodePage)
{
    test::TempFolder folder;
    TTekstFormatowany document;
    ASSERT_TRUE(LoadDocumentFile(document, Q(folder.Write("u.txt", "\xEF\xBB\xBFwąs")), {tpTekst, jezPolski, false}));
    EXPECT_EQ(TextOf(document), "wąs");
    ASSERT_TRUE(LoadDocumentFile(document, Q(folder.Write("c.txt", "w\xb9s")), {tpTekst, jezPolski, false}));
    EXPECT_EQ(TextOf(document), "wąs");
}

TEST(OtwieraniePlikow, Utf16TextWithEitherByteOrder)
{
    test::TempFolder folder;
    TTekstFormatowany document;
    ASSERT_TRUE(LoadDocumentFile(document, Q(folder.Write("le.txt", std::string("\xFF\xFE\x05\x01\n\0", 6))),
                                 {tpTekstUnicode, jezPolski, true}));
    EXPECT_EQ(TextOf(document), "ą\n");
    ASSERT_TRUE(LoadDocumentFile(document, Q(folder.Write("be.txt", std::string("\xFE\xFF\x01\x05", 4))),
                                 {tpTekstUnicode, jezPolski, true}));
    EXPECT_EQ(TextOf(document), "ą");
    EXPECT_EQ(LoadDocumentFile(document, Q(folder.Write("odd.txt", "abc")), {tpTekstUnicode, 0, true}).Komunikat,
              kmBladOtwierania);
}

TEST(OtwieraniePlikow, AllDocumentsDecidesByTheFileName)
{
    TTekstFormatowany document;
    ASSERT_TRUE(LoadDocumentFile(document, FixturePath("hand-1250.rtf"), {tpWszystkieDokumenty, 0, true}));
    EXPECT_EQ(WideToUtf8(document.Akapity[0].Tekst()), "Nagłówek");
}

TEST(OtwieraniePlikow, AFailedOpenLeavesThePaneAsItWas)
{
    QTextDocument pane;
    pane.setPlainText("kept");
    EXPECT_EQ(OpenDocument(pane, "/nonexistent/file.rtf", {}).Komunikat, kmBladOtwierania);
    test::TempFolder folder;
    EXPECT_EQ(OpenDocument(pane, Q(folder.Path()), {}).Komunikat, kmBladOtwierania);
    EXPECT_EQ(pane.toPlainText(), "kept");
}

// ---------------------------------------------------------------- save

TEST(ZapisPlikow, EachTypeWritesItsOwnBytes)
{
    test::TempFolder folder;
    TTekstFormatowany document = OneParagraph(u"wąs");
    document.Akapity.push_back({{}, {{u"kot\u2028pies", {}}}});
    const struct {
        const char* Name;
        int Type;
        std::string Bytes;
    } cases[] = {
        {"a.txt", tpTekst, "w\xb9s\r\nkot\r\npies"},
        {"b.txt", tpTekstUnicode, std::string("\xFF\xFEw\0\x05\x01s\0", 8)},
        {"c.any", tpDowolny, "w\xb9s\r\nkot\r\npies"},
    };
    for (const auto& c : cases) {
        const auto file = folder / c.Name;
        ASSERT_TRUE(
            SaveDocumentFile(c.Type == tpTekstUnicode ? OneParagraph(u"wąs") : document, Q(file), c.Type, jezPolski))
            << c.Name;
        EXPECT_EQ(test::TempFolder::Read(file), c.Bytes) << c.Name;
    }
}

TEST(ZapisPlikow, RtfSavedAndOpenedAgainKeepsTheFormatting)
{
    test::TempFolder folder;
    TAtrybutyTekstu bold;
    bold.Pogrubienie = true;
    bold.Czcionka = "DejaVu Sans";
    TTekstFormatowany document = OneParagraph(u"Zażółć", bold);
    // A saved document always names its default font.
    document.DomyslnaCzcionka = "DejaVu Sans";
    const auto file = Q(folder / "a.rtf");
    ASSERT_TRUE(SaveDocumentFile(document, file, tpWszystkieDokumenty, jezPolski));
    TTekstFormatowany read;
    ASSERT_TRUE(LoadDocumentFile(read, file, {tpDowolny, jezPolski, true}));
    EXPECT_EQ(read, document);
}

TEST(ZapisPlikow, AReadOnlyFileIsReportedAndKept)
{
    test::TempFolder folder;
    const auto file = folder.Write("old.rtf", "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_EQ(SaveDocumentFile(OneParagraph(u"new"), Q(file), tpRtf, 0).Komunikat, kmBladZapisu);
    EXPECT_EQ(test::TempFolder::Read(file), "old");
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::none);
}

TEST(ZapisPlikow, AFailedWriteLeavesTheOldFileIntact)
{
    test::TempFolder folder;
    const auto file = folder.Write("old.txt", "old");
    TWynik result;
    {
        test::FileSizeLimit diskFull(8);
        result = SaveDocumentFile(OneParagraph(u"a much longer new text"), Q(file), tpTekst, 0);
    }
    EXPECT_EQ(result.Komunikat, kmBladZapisu);
    EXPECT_EQ(test::TempFolder::Read(file), "old");
}

TEST(ZapisPlikow, SavingIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    test::TempFolder folder;
    const auto file = folder.Write("old.rtf", "old");
    TWynik result;
    {
        test::ReadOnlyFolder locked(folder.Path());
        if (!locked.Locked())
            GTEST_SKIP() << "this user writes into read-only folders (root); the full-disk case covers it";
        result = SaveDocumentFile(OneParagraph(u"new"), Q(file), tpRtf, 0);
    }
    EXPECT_EQ(result.Komunikat, kmBladZapisu);
    EXPECT_EQ(test::TempFolder::Read(file), "old");
}

TEST(ZapisPlikow, TextIsWrittenInTheCodePageOfTheLanguage)
{
    test::TempFolder folder;
    const struct {
        std::uint8_t Language;
        std::string Bytes;
    } cases[] = {
        {jezPolski, "w\xb9s \x9c\xe6 c?ur"},
        {jezFrancuski, "w?s ?? c\x9cur"},
    };
    for (const auto& c : cases) {
        const auto file = folder / "a.txt";
        ASSERT_TRUE(SaveDocumentFile(OneParagraph(u"wąs ść cœur"), Q(file), tpWszystkieDokumenty, c.Language));
        EXPECT_EQ(test::TempFolder::Read(file), c.Bytes) << int(c.Language);
        TTekstFormatowany back;
        ASSERT_TRUE(LoadDocumentFile(back, Q(file), {tpDowolny, c.Language, true}));
        EXPECT_EQ(TextOf(back), c.Language == jezPolski ? "wąs ść c?ur" : "w?s ?? cœur");
    }
}

TEST(ZapisPlikow, AnExtensionNoFormatWritesIsRefused)
{
    test::TempFolder folder;
    const auto pdf = folder / "a.pdf";
    EXPECT_EQ(SaveDocumentFile(OneParagraph(u"x"), Q(pdf), tpWszystkieDokumenty, jezPolski).Komunikat,
              kmNieznanyFormat);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    // Without an extension, and as "any file", it is text.
    EXPECT_TRUE(SaveDocumentFile(OneParagraph(u"x"), Q(folder / "notes"), tpWszystkieDokumenty, jezPolski));
    EXPECT_TRUE(SaveDocumentFile(OneParagraph(u"x"), Q(pdf), tpDowolny, jezPolski));
}

TEST(OtwieraniePlikow, WhatThePaneCannotHoldIsNamedInOneMessage)
{
    QTextDocument pane;
    TPominiecia leftOut = 0;
    ASSERT_TRUE(OpenDocument(pane, FixturePath("word97.rtf"), {}, &leftOut));
    EXPECT_EQ(leftOut, TPominiecia{pmPrzypisy | pmNaglowkiStopki});
    EXPECT_EQ(LeftOutNotice(leftOut, TextById), QStringLiteral("T144\n– T145\n– T147"));
    EXPECT_EQ(LeftOutNotice(0, TextById), QString());
    // The table has the texts in both languages.
    for (const int id : {144, 145, 146, 147, 148, 149, 150})
        EXPECT_FALSE(TekstyProgramu()(id).isEmpty()) << id;
}

// ---------------------------------------------------------------- LibreOffice

TEST(LibreOfficeSlow, WordDocumentsAreReadAndWrittenThroughIt)
{
    if (!TLibreOffice::Available())
        GTEST_SKIP() << "soffice is not on the PATH (install libreoffice-writer-nogui)";
    TTekstFormatowany document;
    ASSERT_TRUE(LoadDocumentFile(document, FixturePath("libreoffice.docx"), {}));
    ASSERT_GE(document.Akapity.size(), 2u);
    EXPECT_EQ(WideToUtf8(document.Akapity[0].Tekst()), "Zwykły tekst z pogrubionym słowem.");
    EXPECT_EQ(document.Akapity[0].Fragmenty.size(), 3u);

    test::TempFolder folder;
    const auto file = Q(folder / "out.doc");
    ASSERT_TRUE(SaveDocumentFile(OneParagraph(u"Où est le café ? Gęś."), file, tpWord, 0));
    TTekstFormatowany back;
    ASSERT_TRUE(LoadDocumentFile(back, file, {}));
    EXPECT_EQ(WideToUtf8(back.Akapity[0].Tekst()), "Où est le café ? Gęś.");
}

// LibreOffice's text export of the file, line by line, without the outline labels
// of headings (whitespace) that our headings no longer carry.
QStringList LibreOfficeText(const QString& file, const QString& folder)
{
    const QString text = TLibreOffice::Convert(file, QStringLiteral("txt:Text (encoded):UTF8"), folder);
    QFile out(text);
    if (text.isEmpty() || !out.open(QIODevice::ReadOnly))
        return {QStringLiteral("LibreOffice failed on ") + file};
    QStringList lines = QString::fromUtf8(out.readAll()).remove(QChar(0xFEFF)).split(QLatin1Char('\n'));
    for (auto& line : lines)
        line = line.trimmed();
    return lines;
}

TEST(LibreOfficeSlow, TextExportOfTheWrittenRtfMatchesTheOriginals)
{
    if (!TLibreOffice::Available())
        GTEST_SKIP() << "soffice is not on the PATH (install libreoffice-writer-nogui)";
    const struct {
        const char* Name;
        QStringList Moved; // footnotes and frames, which we keep as paragraphs
    } cases[] = {
        {"libreoffice-features.rtf", {"Tekst w ramce.", "1 Treść przypisu."}},
        {"word97.rtf", {"1 W sali 12."}},
        {"wordpad.rtf", {}},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        TTekstFormatowany document;
        ASSERT_TRUE(LoadDocumentFile(document, FixturePath(c.Name), {}));
        const QString written = Q(folder / "written.rtf");
        ASSERT_TRUE(SaveDocumentFile(document, written, tpRtf, jezPolski));
        const QStringList original = LibreOfficeText(FixturePath(c.Name), Q(folder / "original"));
        QStringList ours = LibreOfficeText(written, Q(folder / "ours"));
        for (const QString& moved : c.Moved)
            EXPECT_TRUE(ours.removeOne(moved)) << c.Name << ": " << moved.toStdString();
        EXPECT_EQ(ours.join('\n').toStdString(), original.join('\n').toStdString()) << c.Name;
    }
}

TEST(LibreOffice, WithoutItForeignFormatsFailWithTheFileMessages)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    test::TempFolder folder;
    TTekstFormatowany document;
    const auto opened = LoadDocumentFile(document, FixturePath("libreoffice.docx"), {});
    const auto saved = SaveDocumentFile(OneParagraph(u"x"), Q(folder / "x.doc"), tpWord, 0);
    qputenv("PATH", path);
    EXPECT_EQ(opened.Komunikat, kmBladImportu);
    EXPECT_EQ(saved.Komunikat, kmBladEksportu);
    EXPECT_FALSE(std::filesystem::exists(folder / "x.doc"));
}

// ---------------------------------------------------------------- desktop services

TEST(UslugiPulpitu, MailBodyIsPercentEncodedAsAWhole)
{
    const QUrl url = MailUrl(QString::fromUtf8("a&b#c%d ą?\nx"));
    EXPECT_EQ(url.toEncoded(), "mailto:?subject=&body=a%26b%23c%25d%20%C4%85%3F%0D%0Ax");
    QUrl opened;
    EXPECT_TRUE(SendByMail("x", [&](const QUrl& u) {
        opened = u;
        return true;
    }));
    EXPECT_EQ(opened.scheme(), "mailto");
    EXPECT_EQ(SendByMail("x", [](const QUrl&) { return false; }).Komunikat, kmBladWysylania);
}

TEST(UslugiPulpitu, ExportToWordProcessorOpensAnOdtFile)
{
    QTextDocument document;
    document.setPlainText("Zażółć");
    QString opened;
    ASSERT_TRUE(ExportToWordProcessor(document, [&](const QUrl& url) {
        opened = url.toLocalFile();
        return true;
    }));
    EXPECT_TRUE(opened.endsWith(".odt"));
    EXPECT_EQ(test::TempFolder::Read(opened.toStdString()).substr(0, 2), "PK");
    QFile::remove(opened);
    EXPECT_EQ(ExportToWordProcessor(document, [](const QUrl&) { return false; }).Komunikat, kmBladKomunikacji);
}

TEST(UslugiPulpitu, HelpOpensTheHtmlHelpWhenItExists)
{
    test::TempFolder folder;
    int opened = 0;
    const auto open = [&](const QUrl&) { return ++opened, true; };
    EXPECT_FALSE(OpenHelp(Q(folder.Path()), "trans.chm", open));
    folder.Write("trans.html", "<html></html>");
    EXPECT_EQ(HtmlHelpFile(Q(folder.Path()), "trans.chm"), Q(folder / "trans.html"));
    EXPECT_TRUE(OpenHelp(Q(folder.Path()), "trans.chm", open));
    EXPECT_EQ(opened, 1);
}

// ---------------------------------------------------------------- panes

TEST(FormatTekstu, OneFontWithOneBoldWordGivesThreeRuns)
{
    QTextDocument pane;
    ASSERT_TRUE(OpenDocument(pane, FixturePath("libreoffice.rtf"), {}));
    const TFormatTekstu runs = FormatRuns(pane.firstBlock());
    ASSERT_EQ(runs.Count(), 3);
    EXPECT_EQ(runs.Start(1), 15); // "Zwykły tekst z "
    EXPECT_TRUE(runs.FontOf(1)->Pogrubienie);
    EXPECT_FALSE(runs.FontOf(2)->Pogrubienie);
    EXPECT_EQ(runs.FontOf(0)->Czcionka, "Liberation Serif");
    EXPECT_EQ(runs.RunAt(0), 0);
    EXPECT_EQ(runs.RunAt(20), 1);
    EXPECT_EQ(runs.RunAt(1000), 2);
    EXPECT_EQ(runs.FontOf(3), nullptr);
}

TEST(FormatTekstu, PaneKeepsWhatTheDocumentModelCarries)
{
    // Lists, headings, breaks, the page, hidden text, capitals, positions, highlight.
    for (const char* name : {"hand-1250.rtf", "libreoffice-features.rtf", "word97.rtf", "wordpad.rtf"}) {
        const auto read = [name] {
            TTekstFormatowany document;
            LoadDocumentFile(document, FixturePath(name), {});
            document.Normalizuj();
            return document;
        }();
        QTextDocument pane;
        FillDocument(pane, read);
        const TTekstFormatowany shown = ReadDocument(pane);
        EXPECT_EQ(shown.Strona, read.Strona) << name;
        EXPECT_EQ(shown.DomyslnaCzcionka, read.DomyslnaCzcionka) << name;
        ASSERT_EQ(shown.Akapity.size(), read.Akapity.size()) << name;
        for (std::size_t i = 0; i < read.Akapity.size(); ++i)
            EXPECT_EQ(shown.Akapity[i], read.Akapity[i])
                << name << " " << i << " " << WideToUtf8(read.Akapity[i].Tekst());
    }
}

TEST(FormatTekstu, PaneShowsTheAttributesQtHas)
{
    QTextDocument pane;
    ASSERT_TRUE(OpenDocument(pane, FixturePath("libreoffice-features.rtf"), {}));
    const QTextBlock heading = pane.firstBlock();
    EXPECT_EQ(heading.blockFormat().headingLevel(), 1);
    EXPECT_EQ(heading.textList(), nullptr);
    const QTextBlock body = heading.next();
    const auto formatAt = [&](const QString& text) {
        QTextCursor cursor(&pane);
        cursor.setPosition(body.position() + body.text().indexOf(text) + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt("2,").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatAt("Kapitaliki").fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(formatAt("wersaliki").fontCapitalization(), QFont::AllUppercase);
    EXPECT_TRUE(formatAt("wyróżnienie").hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(formatAt("Ukryty").underlineStyle(), QTextCharFormat::DotLine);

    const QTextBlock letter = pane.findBlockByNumber(7); // "Litera a"
    ASSERT_NE(letter.textList(), nullptr);
    EXPECT_EQ(letter.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    EXPECT_EQ(letter.textList()->format().numberSuffix(), ")");
    // "Krok drugi" continues the count of "Krok pierwszy" past the letters.
    EXPECT_EQ(pane.findBlockByNumber(9).textList(), pane.findBlockByNumber(6).textList());
    EXPECT_TRUE(pane.findBlockByNumber(13).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
}

TEST(FormatTekstu, HiddenTextIsBlankForTheTranslation)
{
    TAtrybutyTekstu hidden;
    hidden.Ukryty = true;
    TTekstFormatowany document;
    document.Akapity.push_back({{}, {{u"widać ", {}}, {u"ukryte", hidden}, {u" koniec", {}}}});
    QTextDocument pane;
    FillDocument(pane, document);
    EXPECT_EQ(VisibleText(pane.firstBlock()), QStringLiteral("widać        koniec"));
    EXPECT_EQ(pane.firstBlock().text(), QStringLiteral("widać ukryte koniec"));
}

} // namespace
} // namespace velmar
