#include "cli/untCli.h"

#include <cctype>
#include <charconv>
#include <iostream>

#include "core/app/untStale.h"

namespace velmar::cli {

TArgumenty::TArgumenty(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                       const std::set<std::string>& flagOptions)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") {
            positional_.insert(positional_.end(), words.begin() + static_cast<long>(i) + 1, words.end());
            break;
        }
        if (!word.starts_with("--") || word.size() == 2) {
            positional_.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (flagOptions.contains(name)) {
            flags_.insert(name);
        } else if (valueOptions.contains(name)) {
            if (i + 1 >= words.size())
                throw TZleUzycie("option --" + name + " needs a value");
            values_[name] = words[++i];
        } else {
            throw TZleUzycie("unknown option " + word);
        }
    }
}

std::optional<std::string> TArgumenty::Value(const std::string& name) const
{
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::string TArgumenty::ValueOr(const std::string& name, const std::string& fallback) const
{
    return Value(name).value_or(fallback);
}

std::optional<int> TArgumenty::Number(const std::string& name) const
{
    const auto text = Value(name);
    if (!text)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size())
        throw TZleUzycie("option --" + name + " needs a whole number, not \"" + *text + "\"");
    return number;
}

std::string TArgumenty::Choice(const std::string& name, const std::set<std::string>& choices,
                               const std::string& fallback) const
{
    const std::string value = ValueOr(name, fallback);
    if (!choices.contains(value)) {
        std::string allowed;
        for (const auto& choice : choices)
            allowed += (allowed.empty() ? "" : "|") + choice;
        throw TZleUzycie("option --" + name + " takes " + allowed + ", not \"" + value + "\"");
    }
    return value;
}

void TArgumenty::RequirePositional(std::size_t count) const
{
    if (positional_.size() != count)
        throw TZleUzycie("expected " + std::to_string(count) + " argument(s), got " +
                         std::to_string(positional_.size()));
}

void TArgumenty::RequireAtLeast(std::size_t count) const
{
    if (positional_.size() < count)
        throw TZleUzycie("expected at least " + std::to_string(count) + " argument(s)");
}

TWyborTrybu ModeOption(const TArgumenty& arguments, const std::set<std::string>& modes)
{
    const int number = std::stoi(arguments.Choice("mode", modes, "1"));
    const bool polishSource = number == trybTranslatorPlFr || number == trybSlownikPlFr;
    return {number, polishSource ? jezPolski : jezFrancuski, polishSource ? jezFrancuski : jezPolski};
}

TFolderyDanych DataFoldersOption(const TArgumenty& arguments)
{
    const std::optional<std::string> data = arguments.Value("data");
    return data ? TFolderyDanych(*data, *data) : Foldery();
}

namespace {

void PrintHelp(std::ostream& out)
{
    out << "velmar-cli — the headless tools of Velmar, the French–Polish translator and dictionary\n\n"
           "Usage: velmar-cli COMMAND [ARGUMENTS]\n"
           "       velmar-cli --help | --version\n"
           "       velmar-cli COMMAND --help\n\n"
           "Commands:\n";
    for (const auto& command : Commands()) {
        std::string name = command.Name;
        name.resize(std::max<std::size_t>(name.size() + 2, 12), ' ');
        out << "  " << name << command.Summary << "\n";
    }
    out << "\nText is read and written as UTF-8. Exit status: 0 success, 1 the operation failed,\n"
           "2 bad usage.\n";
}

void PrintUsage(std::ostream& out, const TPolecenie& command)
{
    out << "Usage: velmar-cli " << command.Name << " " << command.Usage << "\n";
}

// "--help" or "-h" anywhere among a command's words before a "--" asks for its usage,
// whatever else was typed: users add it to the line they were writing.
bool AsksForHelp(const std::vector<std::string>& words)
{
    for (const std::string& word : words) {
        if (word == "--")
            return false;
        if (word == "--help" || word == "-h")
            return true;
    }
    return false;
}

const TPolecenie* FindCommand(const std::string& name)
{
    for (const auto& command : Commands())
        if (name == command.Name)
            return &command;
    return nullptr;
}

} // namespace

int RunCli(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    if (words.empty()) {
        io.Err << "velmar-cli: no command given\n";
        PrintHelp(io.Err);
        return kZleUzycie;
    }
    const std::string& first = words.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(io.Out);
        return kSukces;
    }
    if (first == "--version") {
        io.Out << "velmar-cli " << kVersionMajor << "." << kVersionMinor << "\n";
        return kSukces;
    }
    const TPolecenie* command = FindCommand(first);
    if (!command) {
        io.Err << "velmar-cli: unknown command \"" << first << "\"\n";
        PrintHelp(io.Err);
        return kZleUzycie;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (AsksForHelp(rest)) {
        PrintUsage(io.Out, *command);
        std::string summary = command->Summary;
        summary.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(summary.front())));
        io.Out << "\n" << summary << ".\n";
        return kSukces;
    }
    try {
        return command->Run(rest, io);
    } catch (const TZleUzycie& error) {
        io.Err << "velmar-cli " << command->Name << ": " << error.what() << "\n";
        PrintUsage(io.Err, *command);
        return kZleUzycie;
    } catch (const std::exception& error) {
        io.Err << "velmar-cli " << command->Name << ": " << error.what() << "\n";
        return kBlad;
    }
}

std::vector<std::string> SplitFields(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    if (text.empty())
        return fields;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

} // namespace velmar::cli
