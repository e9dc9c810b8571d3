#pragma once
// velmar-cli: the command table, argument parsing and the exit-code conventions
// (0 success, 1 the operation failed, 2 bad usage).

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"

namespace velmar::cli {

enum TKodWyjscia : int { kSukces = 0, kBlad = 1, kZleUzycie = 2 };

// Thrown for a malformed command line; reported with the command's usage.
class TZleUzycie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A parsed command line: options ("--name value" or "--flag") and positional words.
class TArgumenty {
public:
    // valueOptions: the options that take a value; flagOptions: those that do not.
    // Anything else that starts with "--" is a usage error.
    TArgumenty(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flagOptions);

    bool Flag(const std::string& name) const { return flags_.contains(name); }
    std::optional<std::string> Value(const std::string& name) const;
    std::string ValueOr(const std::string& name, const std::string& fallback) const;
    // An integer option; a usage error when it is not a whole number.
    std::optional<int> Number(const std::string& name) const;
    // The value of an option that must be one of the choices.
    std::string Choice(const std::string& name, const std::set<std::string>& choices,
                       const std::string& fallback) const;
    bool Has(const std::string& name) const { return Flag(name) || values_.contains(name); }

    const std::vector<std::string>& Positional() const { return positional_; }
    // Exactly count positional words, else a usage error.
    void RequirePositional(std::size_t count) const;
    void RequireAtLeast(std::size_t count) const;

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

// The working mode of --mode (one of modes, default 1) with its languages.
TWyborTrybu ModeOption(const TArgumenty& arguments, const std::set<std::string>& modes);
// The data folder of --data (it then also takes the files written), or the program's.
TFolderyDanych DataFoldersOption(const TArgumenty& arguments);

// Where a command writes and what it reads.
struct TWejscieWyjscie {
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
};

struct TPolecenie {
    const char* Name;
    const char* Summary;
    const char* Usage; // lines after "velmar-cli NAME"
    int (*Run)(const std::vector<std::string>& words, TWejscieWyjscie& io);
};

// The fields of one line of a tabular input file, split at every separator; an empty
// text has no field, a trailing separator ends with an empty one.
std::vector<std::string> SplitFields(const std::string& text, char separator);

// Every subcommand, in the order --help lists them.
const std::vector<TPolecenie>& Commands();

// Runs velmar-cli with the words after the program name.
int RunCli(const std::vector<std::string>& words, TWejscieWyjscie& io);

} // namespace velmar::cli
