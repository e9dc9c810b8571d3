// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

int RunInflect(const std::vector<std::string>& words, TWejscieWyjscie& io);
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
        {"text", "print one interface text", "ID [--lang pl|fr]", RunText},
    };
    return commands;
}

} // namespace velmar::cli
