// velmar-cli testvoc: the generators against forms of real morphology. Each case line
// (UTF-8, tab-separated) names a word class, a group (a code or a conjugation
// template), a language, the word as the dictionary stores it, the features and the
// expected forms ("|" between alternatives); the report gives the agreement per class
// and per group, the most common failing features and the first failing words, and
// compares the classes with a baseline.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cmdCechy.h"
#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar::cli {

namespace {

struct TPrzypadekTestu {
    std::string Klasa;
    std::string Grupa;
    std::string Jezyk;
    std::string Slowo;
    std::string Cechy;
    std::vector<std::string> Oczekiwane;
};

struct TZgodnosc {
    long Zgodne = 0;
    long Wszystkie = 0;

    double Procent() const
    {
        return Wszystkie == 0 ? 0.0 : 100.0 * static_cast<double>(Zgodne) / static_cast<double>(Wszystkie);
    }
};

struct TKlasaRaportu {
    TZgodnosc Razem;
    std::map<std::string, bool> LematyBezBledu; // word -> every cell of it agrees
    std::map<std::string, TZgodnosc> Grupy;
    std::map<std::string, long> BledneCechy;
    std::vector<std::string> Bledy;
};

TPrzypadekTestu ParseCase(const std::string& line, const std::string& where)
{
    const std::vector<std::string> fields = SplitFields(line, '\t');
    if (fields.size() != 6 || (fields[2] != "pl" && fields[2] != "fr"))
        throw std::runtime_error(where + ": expected CLASS, GROUP, pl|fr, WORD, FEATURES and FORMS separated by tabs");
    return {fields[0], fields[1], fields[2], fields[3], fields[4], SplitFields(fields[5], '|')};
}

// The features of a case ("case=2,number=1"), read as the options of velmar-cli inflect.
TArgumenty FeatureArguments(const std::string& text, const std::string& where)
{
    std::vector<std::string> words;
    for (const std::string& item : CommaListItems(text)) {
        const std::size_t equals = item.find('=');
        words.push_back("--" + item.substr(0, equals));
        if (equals != std::string::npos)
            words.push_back(item.substr(equals + 1));
    }
    try {
        return TArgumenty(words, FeatureValueOptions(), {});
    } catch (const TZleUzycie& error) {
        throw std::runtime_error(where + ": " + error.what());
    }
}

std::string Generate(const TPrzypadekTestu& c, const std::string& where)
{
    const TArgumenty args = FeatureArguments(c.Cechy, where);
    if (!args.Positional().empty())
        throw std::runtime_error(where + ": bad features \"" + c.Cechy + "\"");
    try {
        if (c.Jezyk == "pl")
            return ToUtf8(GenFormPl(FromUtf8(c.Slowo), PolishFeatures(args)), jezPolski);
        return ToUtf8(GenFormFr(FromUtf8(c.Slowo), FrenchFeatures(args)), jezFrancuski);
    } catch (const TZleUzycie& error) {
        throw std::runtime_error(where + ": " + error.what());
    }
}

void Tally(TKlasaRaportu& report, const TPrzypadekTestu& c, const std::string& generated, std::size_t failuresShown)
{
    const bool agrees = std::find(c.Oczekiwane.begin(), c.Oczekiwane.end(), generated) != c.Oczekiwane.end();
    for (TZgodnosc* tally : {&report.Razem, &report.Grupy[c.Grupa]}) {
        ++tally->Wszystkie;
        tally->Zgodne += agrees ? 1 : 0;
    }
    report.LematyBezBledu.try_emplace(c.Slowo, true).first->second &= agrees;
    if (agrees)
        return;
    ++report.BledneCechy[c.Cechy];
    if (report.Bledy.size() < failuresShown) {
        std::string expected;
        for (const std::string& form : c.Oczekiwane)
            expected += (expected.empty() ? "" : "|") + form;
        report.Bledy.push_back(c.Slowo + " [" + c.Cechy + "] gives \"" + generated + "\", expected \"" + expected +
                               "\"");
    }
}

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

// A word counts as right only when every one of its cells is: one wrong cell spoils the
// table a user sees.
TZgodnosc WholeLemmas(const TKlasaRaportu& report)
{
    TZgodnosc lemmas;
    for (const auto& [word, right] : report.LematyBezBledu) {
        ++lemmas.Wszystkie;
        lemmas.Zgodne += right ? 1 : 0;
    }
    return lemmas;
}

void PrintClass(std::ostream& out, const std::string& name, const TKlasaRaportu& report)
{
    constexpr std::size_t kShown = 10;
    const TZgodnosc lemmas = WholeLemmas(report);
    out << name << ": " << report.Razem.Zgodne << " of " << report.Razem.Wszystkie << " cells agree ("
        << Percent(report.Razem.Procent()) << "), " << lemmas.Zgodne << " of " << lemmas.Wszystkie
        << " lemmas fully right (" << Percent(lemmas.Procent()) << ")\n";
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

// "CLASS PERCENT" lines for the share of cells, "CLASS/lemmas PERCENT" for the share of
// lemmas fully right; "#" starts a comment.
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
        double percent = 0;
        if (!(words >> name))
            continue;
        if (!(words >> percent))
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected CLASS PERCENT");
        baseline[name] = percent;
    }
    return baseline;
}

// Classes whose agreement fell below the baseline, reported; true when none did.
bool MeetsBaseline(std::ostream& out, const std::map<std::string, TKlasaRaportu>& classes,
                   const std::map<std::string, double>& baseline)
{
    bool meets = true;
    constexpr std::string_view lemmaSuffix = "/lemmas";
    for (const auto& [name, percent] : baseline) {
        const bool ofLemmas = name.ends_with(lemmaSuffix);
        const auto found = classes.find(ofLemmas ? name.substr(0, name.size() - lemmaSuffix.size()) : name);
        const double measured = found == classes.end() ? 0.0
                                : ofLemmas             ? WholeLemmas(found->second).Procent()
                                                       : found->second.Razem.Procent();
        // compared as printed, to two decimals, so that a printed figure can be a baseline
        if (std::round(measured * 100.0) + 1e-6 < std::round(percent * 100.0)) {
            out << "below the baseline: " << name << " " << Percent(measured) << " < " << Percent(percent) << "\n";
            meets = false;
        }
    }
    return meets;
}

} // namespace

int RunTestvoc(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"baseline", "failures"}, {});
    args.RequireAtLeast(1);
    const int failuresShown = args.Number("failures").value_or(20);
    if (failuresShown < 0)
        throw TZleUzycie("--failures must not be negative");
    const std::map<std::string, double> baseline =
        args.Value("baseline") ? ReadBaseline(*args.Value("baseline")) : std::map<std::string, double>{};

    std::map<std::string, TKlasaRaportu> classes;
    for (const std::string& path : args.Positional()) {
        std::ifstream file(path);
        if (!file)
            throw std::runtime_error("cannot read " + path);
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            if (line.empty() || line.front() == '#')
                continue;
            const std::string where = path + ":" + std::to_string(number);
            const TPrzypadekTestu c = ParseCase(line, where);
            Tally(classes[c.Klasa], c, Generate(c, where), static_cast<std::size_t>(failuresShown));
        }
    }
    for (const auto& [name, report] : classes)
        PrintClass(io.Out, name, report);
    return MeetsBaseline(io.Out, classes, baseline) ? kSukces : kBlad;
}

} // namespace velmar::cli
