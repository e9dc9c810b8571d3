// The table of velmar-cli subcommands. Each command lives in a file of its own and
// adds one line here.
#include "cli/untCli.h"

namespace velmar::cli {

const std::vector<TPolecenie>& Commands()
{
    static const std::vector<TPolecenie> commands = {
    };
    return commands;
}

} // namespace velmar::cli
