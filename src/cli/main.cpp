// velmar-cli: runs one subcommand over the arguments and returns its exit status.
#include <iostream>

#include "cli/untCli.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    velmar::cli::TWejscieWyjscie io{std::cin, std::cout, std::cerr};
    const int status = velmar::cli::RunCli(words, io);
    std::cout.flush();
    return status;
}
