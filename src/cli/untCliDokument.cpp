#include "cli/untCliDokument.h"

#include "platform/untConverters.h"
#include "platform/untLibreOffice.h"
#include "platform/untTekstyInterfejsu.h"

namespace velmar::cli {

const char* DocumentFailureReason(int message)
{
    switch (message) {
    case kmBladOtwierania: return "cannot read the file";
    case kmBladZapisu: return "cannot write the file (read-only, or the disk refused it)";
    case kmNieznanyFormat:
        return "no format is written for this extension (use .rtf, .txt, .doc, .docx, .odt or .html)";
    case kmBladImportu:
    case kmBladEksportu:
        return TLibreOffice::Available() ? "LibreOffice could not convert the document"
                                         : "this format needs LibreOffice (soffice) on the PATH";
    default: return "failed";
    }
}

std::unique_ptr<QCoreApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "velmar-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace velmar::cli
