#pragma once
// Runs velmar-cli in-process and captures what it prints.

#include <sstream>
#include <string>
#include <vector>

#include "cli/untCli.h"

namespace velmar::test {

struct CliResult {
    int Status;
    std::string Out;
    std::string Err;
};

inline CliResult RunCliCaptured(const std::vector<std::string>& words, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::TWejscieWyjscie io{in, out, err};
    const int status = cli::RunCli(words, io);
    return {status, out.str(), err.str()};
}

} // namespace velmar::test
