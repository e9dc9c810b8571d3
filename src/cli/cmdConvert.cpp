// velmar-cli convert: converts a document between the formats the program reads and
// writes, keeping the character formats where both formats have them.
#include <QString>
#include <ostream>

#include "cli/untCli.h"
#include "cli/untCliDokument.h"
#include "core/app/untStale.h"
#include "platform/untConverters.h"

namespace velmar::cli {

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
    if (const TWynik read = LoadDocumentFile(document, input, how); !read) {
        io.Err << "velmar-cli convert: " << input.toStdString() << ": " << DocumentFailureReason(read.Komunikat)
               << "\n";
        return kBlad;
    }
    const int type = args.Flag("unicode") ? tpTekstUnicode : tpDowolny;
    if (const TWynik written = SaveDocumentFile(document, output, type, language); !written) {
        io.Err << "velmar-cli convert: " << output.toStdString() << ": " << DocumentFailureReason(written.Komunikat)
               << "\n";
        return kBlad;
    }
    return kSukces;
}

} // namespace velmar::cli
