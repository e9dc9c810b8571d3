// velmar-cli convert: converts a document between the formats the program reads and
// writes, keeping the character formats where both formats have them.
#include <QCoreApplication>
#include <QString>
#include <memory>
#include <ostream>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "platform/untConverters.h"
#include "platform/untLibreOffice.h"

namespace velmar::cli {

namespace {

const char* Reason(int message)
{
    switch (message) {
    case kmBladOtwierania: return "cannot read the file";
    case kmBladZapisu: return "cannot write the file (read-only, or the disk refused it)";
    case kmBladImportu:
    case kmBladEksportu:
        return TLibreOffice::Available()
                   ? "LibreOffice could not convert the document"
                   : "this format needs LibreOffice (soffice) on the PATH";
    default: return "failed";
    }
}

// QProcess, used for LibreOffice, wants an application object.
std::unique_ptr<QCoreApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "velmar-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int RunConvert(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"lang"}, {"unicode", "codepage"});
    args.RequirePositional(2);
    const std::uint8_t language =
        args.Choice("lang", {"pl", "fr"}, "fr") == "pl" ? jezPolski : jezFrancuski;
    const QString input = QString::fromStdString(args.Positional()[0]);
    const QString output = QString::fromStdString(args.Positional()[1]);
    const auto application = EnsureApplication();

    TTekstFormatowany document;
    const TOtwarcie how{tpDowolny, language, args.Flag("codepage")};
    if (const TWynik read = LoadDocumentFile(document, input, how); !read) {
        io.Err << "velmar-cli convert: " << input.toStdString() << ": " << Reason(read.Komunikat)
               << "\n";
        return kBlad;
    }
    const int type = args.Flag("unicode") ? tpTekstUnicode : tpDowolny;
    if (const TWynik written = SaveDocumentFile(document, output, type, language); !written) {
        io.Err << "velmar-cli convert: " << output.toStdString() << ": "
               << Reason(written.Komunikat) << "\n";
        return kBlad;
    }
    return kSukces;
}

} // namespace velmar::cli
