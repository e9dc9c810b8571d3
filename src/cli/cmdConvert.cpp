// velmar-cli convert: converts a document between the formats the program reads and
// writes, keeping the character formats where both formats have them, and saying on
// standard error what of the document the conversion left out or moved.
#include <QString>
#include <ostream>

#include "cli/untCli.h"
#include "cli/untCliDokument.h"
#include "core/app/untStale.h"
#include "platform/untConverters.h"

namespace velmar::cli {

namespace {

void PrintLeftOut(TPominiecia leftOut, const std::string& input, std::ostream& err)
{
    static constexpr std::pair<TPominiecie, const char*> kCzesci[] = {
        {pmPrzypisy, "footnotes moved to the end of the document, numbered"},
        {pmRamki, "text of frames kept as paragraphs"},
        {pmNaglowkiStopki, "headers and footers left out"},
        {pmObrazy, "pictures and drawings left out"},
        {pmObiekty, "embedded objects left out"},
    };
    if (leftOut == 0)
        return;
    err << "velmar-cli convert: " << input << ": part of the document does not fit the text:";
    const char* separator = " ";
    for (const auto& [part, description] : kCzesci)
        if (leftOut & part) {
            err << separator << description;
            separator = "; ";
        }
    err << "\n";
}

} // namespace

int RunConvert(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"lang"}, {"unicode", "codepage"});
    args.RequirePositional(2);
    const std::uint8_t language = args.Choice("lang", {"pl", "fr"}, "fr") == "pl" ? jezPolski : jezFrancuski;
    const QString input = QString::fromStdString(args.Positional()[0]);
    const QString output = QString::fromStdString(args.Positional()[1]);
    const auto application = EnsureApplication();

    TTekstFormatowany document;
    const TOtwarcie how{tpDowolny, language, args.Flag("codepage")};
    TPominiecia leftOut = 0;
    if (const TWynik read = LoadDocumentFile(document, input, how, &leftOut); !read) {
        io.Err << "velmar-cli convert: " << input.toStdString() << ": " << DocumentFailureReason(read.Komunikat)
               << "\n";
        return kBlad;
    }
    const int type = args.Flag("unicode") ? tpTekstUnicode : tpWszystkieDokumenty;
    if (const TWynik written = SaveDocumentFile(document, output, type, language); !written) {
        io.Err << "velmar-cli convert: " << output.toStdString() << ": " << DocumentFailureReason(written.Komunikat)
               << "\n";
        return kBlad;
    }
    PrintLeftOut(leftOut, input.toStdString(), io.Err);
    return kSukces;
}

} // namespace velmar::cli
