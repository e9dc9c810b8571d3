// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

int RunText(const std::vector<std::string>& words, TWejscieWyjscie& io);

const std::vector<TPolecenie>& Commands()
{
    static const std::vector<TPolecenie> commands = {
        {"text", "print one interface text", "ID [--lang pl|fr]", RunText},
    };
    return commands;
}

} // namespace velmar::cli
