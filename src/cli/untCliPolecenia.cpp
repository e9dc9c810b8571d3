// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

int RunConvert(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunText(const std::vector<std::string>& words, TWejscieWyjscie& io);

const std::vector<TPolecenie>& Commands()
{
    static const std::vector<TPolecenie> commands = {
        {"convert", "convert a document between RTF, text and word-processor formats",
         "IN OUT [--lang pl|fr] [--codepage] [--unicode]\n"
         "  The formats follow the extensions: .rtf, .txt (text in the language's code page),\n"
         "  .doc .docx .odt .html through LibreOffice. Text input is read as UTF-16 behind a\n"
         "  byte-order mark, else as UTF-8 when valid, else in the code page; --codepage\n"
         "  always reads it in the code page. --unicode writes UTF-16 text with a byte-order\n"
         "  mark. --lang names the document's language (default fr).",
         RunConvert},
        {"text", "print one interface text", "ID [--lang pl|fr]", RunText},
    };
    return commands;
}

} // namespace velmar::cli
