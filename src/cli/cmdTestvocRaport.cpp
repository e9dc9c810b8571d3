#include "cli/cmdTestvocRaport.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "cli/untCli.h"

namespace velmar::cli {

namespace {

constexpr std::string_view kLemmas = "/lemmas";
constexpr std::string_view kInvented = "/invented";
constexpr std::string_view kUnexplained = "/unexplained";

std::string Percent(double value)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << value << "%";
    return text.str();
}

template <typename TMapa>
std::vector<std::pair<std::string, typename TMapa::mapped_type>> SortedBy(const TMapa& map, auto less)
{
    std::vector<std::pair<std::string, typename TMapa::mapped_type>> items(map.begin(), map.end());
    std::stable_sort(items.begin(), items.end(), less);
    return items;
}

void PrintGroupsAndFailures(std::ostream& out, const TKlasaRaportu& report)
{
    constexpr std::size_t kShown = 10;
    const auto groups =
        SortedBy(report.Grupy, [](const auto& a, const auto& b) { return a.second.Procent() < b.second.Procent(); });
    out << "  groups, weakest first (" << groups.size() << " in all):\n";
    for (std::size_t i = 0; i < std::min(kShown, groups.size()); ++i)
        out << "    " << groups[i].first << ": " << Percent(groups[i].second.Procent()) << " of "
            << groups[i].second.Wszystkie << "\n";
    const auto patterns =
        SortedBy(report.BledneCechy, [](const auto& a, const auto& b) { return a.second > b.second; });
    if (!patterns.empty())
        out << "  most common failing features:\n";
    for (std::size_t i = 0; i < std::min(kShown, patterns.size()); ++i)
        out << "    " << patterns[i].first << ": " << patterns[i].second << "\n";
    if (!report.Bledy.empty())
        out << "  failing words:\n";
    for (const std::string& failure : report.Bledy)
        out << "    " << failure << "\n";
}

// Every word of a listed class that is not fully right, with its failing cells and its
// reason: a word the exceptions file explains, or a failure.
void PrintWordList(std::ostream& out, const TKlasaRaportu& report, const std::map<std::string, std::string>& exceptions)
{
    const long unexplained = UnexplainedWords(report, exceptions);
    out << "  words not fully right: " << report.BledneSlowa.size() << ", "
        << static_cast<long>(report.BledneSlowa.size()) - unexplained << " explained, " << unexplained << " failing\n";
    for (const auto& [word, failed] : report.BledneSlowa) {
        const auto reason = exceptions.find(failed.Lemat);
        out << "    " << word << " (" << failed.Grupa << ")\t";
        for (std::size_t i = 0; i < failed.Komorki.size(); ++i)
            out << (i == 0 ? "" : "; ") << failed.Komorki[i];
        out << "\t"
            << (reason == exceptions.end() ? "FAILURE: not in the exceptions file" : "explained: " + reason->second)
            << "\n";
    }
}

// The figure a baseline line names after the class: "" (the share of cells), "/lemmas",
// "/invented" or "/unexplained".
std::string_view FigureOf(std::string_view name)
{
    const std::size_t slash = name.find('/');
    return slash == std::string_view::npos ? std::string_view() : name.substr(slash);
}

} // namespace

double TZgodnosc::Procent() const
{
    return Wszystkie == 0 ? 0.0 : 100.0 * static_cast<double>(Zgodne) / static_cast<double>(Wszystkie);
}

TZgodnosc WholeLemmas(const TKlasaRaportu& report)
{
    TZgodnosc lemmas;
    for (const auto& [word, right] : report.LematyBezBledu) {
        ++lemmas.Wszystkie;
        lemmas.Zgodne += right ? 1 : 0;
    }
    return lemmas;
}

std::map<std::string, std::string> ReadExceptions(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read the exceptions " + path);
    std::map<std::string, std::string> exceptions;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> fields = SplitFields(line, '\t');
        if (fields.size() != 2 || fields[0].empty() || fields[1].empty())
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected LEMMA<TAB>REASON");
        exceptions[fields[0]] = fields[1];
    }
    return exceptions;
}

long UnexplainedWords(const TKlasaRaportu& report, const std::map<std::string, std::string>& exceptions)
{
    return std::ranges::count_if(report.BledneSlowa,
                                 [&](const auto& failed) { return !exceptions.contains(failed.second.Lemat); });
}

void PrintClass(std::ostream& out, const std::string& name, const TKlasaRaportu& report,
                const std::map<std::string, std::string>& exceptions)
{
    const TZgodnosc lemmas = WholeLemmas(report);
    out << name << ": " << report.Razem.Zgodne << " of " << report.Razem.Wszystkie << " cells agree ("
        << Percent(report.Razem.Procent()) << "), " << lemmas.Zgodne << " of " << lemmas.Wszystkie
        << " lemmas fully right (" << Percent(lemmas.Procent()) << "), " << report.Wymyslone << " invented forms (of "
        << report.BezFormy << " cells the source has no form for)\n";
    PrintGroupsAndFailures(out, report);
    if (report.WykazSlow)
        PrintWordList(out, report, exceptions);
}

std::map<std::string, double> ReadBaseline(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read the baseline " + path);
    std::map<std::string, double> baseline;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string name;
        double value = 0;
        if (!(words >> name))
            continue;
        const std::string_view figure = FigureOf(name);
        if (!(words >> value) ||
            (!figure.empty() && figure != kLemmas && figure != kInvented && figure != kUnexplained))
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": expected CLASS PERCENT, CLASS/lemmas PERCENT, CLASS/invented COUNT or "
                                     "CLASS/unexplained COUNT");
        baseline[name] = value;
    }
    return baseline;
}

bool MeetsBaseline(std::ostream& out, const std::map<std::string, TKlasaRaportu>& classes,
                   const std::map<std::string, double>& baseline, const std::map<std::string, std::string>& exceptions)
{
    bool meets = true;
    for (const auto& [name, limit] : baseline) {
        const std::string_view figure = FigureOf(name);
        const auto found = classes.find(name.substr(0, name.find('/')));
        const TKlasaRaportu empty;
        const TKlasaRaportu& report = found == classes.end() ? empty : found->second;
        if (figure == kInvented || figure == kUnexplained) {
            const long count = figure == kInvented ? report.Wymyslone : UnexplainedWords(report, exceptions);
            if (count > static_cast<long>(limit)) {
                out << "above the baseline: " << name << " " << count << " > " << static_cast<long>(limit) << "\n";
                meets = false;
            }
            continue;
        }
        const double measured = figure == kLemmas ? WholeLemmas(report).Procent() : report.Razem.Procent();
        // compared as printed, to two decimals, so that a printed figure can be a baseline
        if (std::round(measured * 100.0) + 1e-6 < std::round(limit * 100.0)) {
            out << "below the baseline: " << name << " " << Percent(measured) << " < " << Percent(limit) << "\n";
            meets = false;
        }
    }
    return meets;
}

} // namespace velmar::cli
