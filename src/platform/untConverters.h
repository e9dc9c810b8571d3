#pragma once
// Document formats and conversion: the file formats a pane is opened from and saved
// to, plain text in the language's code page or UTF-16, RTF through our own reader
// and writer, word-processor formats through LibreOffice, and the desktop services
// of the translator window (export to a word processor, mail, help).

#include <QString>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/document/untTekstFormatowany.h"
#include "platform/untTekstyInterfejsu.h"

class QTextDocument;

namespace velmar {

// ---------------------------------------------------------------- file formats

enum TTypPliku : int {
    tpWszystkieDokumenty = 1, // decide by the file name
    tpRtf = 2,
    tpTekst = 3,        // plain text in the code page of the document's language
    tpTekstUnicode = 4, // UTF-16 with a byte-order mark
    tpWord = 5,         // a word-processor document, through LibreOffice
    tpDowolny = 6,      // decide by the file name
};

struct TFormatPliku {
    int Typ = tpDowolny;
    QString Nazwa;        // display name (an interface text)
    QString Wzorzec;      // "*.rtf;*.txt"
    QString Rozszerzenie; // default extension without the dot; empty for none
};

class TFormatyPlikow {
public:
    // The lists this product offers: codes 1, 2, 3, 4, 6 to open, 2, 3, 4, 5, 6 to save.
    static TFormatyPlikow ForOpening(const TTekstInterfejsu& texts = TekstyProgramu());
    static TFormatyPlikow ForSaving(const TTekstInterfejsu& texts = TekstyProgramu());

    const std::vector<TFormatPliku>& Items() const { return formaty_; }
    int Count() const { return static_cast<int>(formaty_.size()); }
    const TFormatPliku& operator[](int index) const { return formaty_.at(static_cast<std::size_t>(index)); }
    // The first format of the type; -1 when the list has none.
    int IndexOfType(int type) const;
    // The name filter of a file dialog, in Qt's form: "Name (*.rtf *.txt);;…".
    QString Filter() const;
    // Renames the formats after a change of interface language.
    void RefreshNames(const TTekstInterfejsu& texts);

private:
    TFormatyPlikow(bool forSaving, const TTekstInterfejsu& texts);

    bool forSaving_ = false;
    std::vector<TFormatPliku> formaty_;
};

// The type of a file by its extension: 2, 3 ("txt" before the Unicode row), 5, or
// 6 when it has none of those.
int FormatOfFileName(const QString& fileName);

struct TWyborFormatu {
    int Indeks = -1; // in the save list; -1 when none fits
    QString ProponowanaNazwa;
};
// The save format for a document's file name and its wanted type, with the name
// the save dialog proposes.
TWyborFormatu ChooseSaveFormat(const TFormatyPlikow& saveFormats, const QString& fileName, int wantedType);

// Word-processor formats read and written through LibreOffice.
bool IsForeignFormat(const QString& fileName);

// ---------------------------------------------------------------- open and save

struct TOtwarcie {
    int Typ = tpWszystkieDokumenty;
    std::uint8_t Jezyk = 0; // the document's language: its code page for plain text
    bool Konwertuj = true;  // read types 3 and 6 in the code page, byte by byte
};

// The message of a save whose file name has an extension no format here writes.
inline constexpr int kmNieznanyFormat = 150;

// Reads a file of any format the program knows. Plain text is split into paragraphs
// at every kind of line break. On failure the message is 130 (125 when LibreOffice
// failed) and document is unchanged. leftOut, when given, receives what of the
// document the model could not hold (TPominiecie flags; see LeftOutNotice).
TWynik LoadDocumentFile(TTekstFormatowany& document, const QString& fileName, const TOtwarcie& how,
                        TPominiecia* leftOut = nullptr);
// Writes a document; the type 1 or 6 decides by the file name. With type 1 (the
// documents the program knows) a name whose extension no format here writes is
// refused (message 150); type 6 writes it as text. Text goes out in the
// code page of the language. A file without write permission is refused, and every
// write is atomic: on failure (message 131, or 126 when LibreOffice failed) the
// previous file is intact.
TWynik SaveDocumentFile(const TTekstFormatowany& document, const QString& fileName, int type, std::uint8_t language);

// The one message that tells the user, in the interface language, what opening a
// document left out or moved; empty when nothing was.
QString LeftOutNotice(TPominiecia leftOut, const TTekstInterfejsu& texts = TekstyProgramu());

// The same for a pane's document; a failed open leaves the pane as it was.
TWynik OpenDocument(QTextDocument& pane, const QString& fileName, const TOtwarcie& how, TPominiecia* leftOut = nullptr);
TWynik SaveDocument(const QTextDocument& pane, const QString& fileName, int type, std::uint8_t language);

// Plain text of a file: UTF-16 behind a byte-order mark, else UTF-8 when the bytes
// are valid UTF-8, else the language's code page.
QString DecodePlainText(const QByteArray& bytes, std::uint8_t language);

// ---------------------------------------------------------------- desktop services

// Opens a URL with the desktop's default program; tests put their own in its place.
using TOtwieraczUrl = std::function<bool(const QUrl&)>;
TOtwieraczUrl DesktopOpener();

// Writes the document as OpenDocument text.
bool WriteOdt(const QTextDocument& document, const QString& fileName);
// "Eksportuj do Worda": the document as an ODT file in the temporary folder,
// opened with the desktop's program for it; failure is message 114.
TWynik ExportToWordProcessor(const QTextDocument& document, const TOtwieraczUrl& open);

// A mailto: URL with an empty subject and the whole text as the body: line breaks
// as CR LF, everything that is not plain ASCII percent-encoded.
QUrl MailUrl(const QString& body);
// Sends the text with the desktop's mail program; failure is message 135.
TWynik SendByMail(const QString& body, const TOtwieraczUrl& open);

// The HTML help of a help file name (its base name with ".html", ".htm" or a folder
// holding "index.html") in the folder; empty when there is none.
QString HtmlHelpFile(const QString& folder, const QString& helpFileName);
// Opens that help in the desktop's browser; false when it does not exist.
bool OpenHelp(const QString& folder, const QString& helpFileName, const TOtwieraczUrl& open);

} // namespace velmar
