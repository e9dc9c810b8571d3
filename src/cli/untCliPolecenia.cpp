// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

int RunInflect(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunConvert(const std::vector<std::string>& words, TWejscieWyjscie& io);
int RunText(const std::vector<std::string>& words, TWejscieWyjscie& io);

const std::vector<TPolecenie>& Commands()
{
    static const std::vector<TPolecenie> commands = {
        {"inflect", "one inflected form of a Polish or French word, or its whole paradigm",
         "--lang pl|fr WORD [--case N] [--number N] [--gender N] [--degree N]\n"
         "      [--person N] [--form N] [--subject-number N] [--subject-gender N]\n"
         "      [--after-preposition] [--adverb] [--oblique] [--que-to-qui]\n"
         "  WORD is the lemma with its marker and code as the dictionary stores them\n"
         "  (\"dobry *7\", \"parler*4\"). With a feature option, prints the one form for those\n"
         "  features (the others neutral); without, prints the whole paradigm.",
         RunInflect},
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
