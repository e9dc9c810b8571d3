// velmar-cli fit-nouns: the code of each Polish noun whose generated forms agree best
// with its real paradigm. A noun's code cannot be read off its lemma, so every
// candidate — the gender type, a declension pattern and at most one stem alternation —
// is tried on a few key cells, and the other cells, held out, measure the fit.
#include <algorithm>
#include <array>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

namespace {

constexpr int kCells = 13; // 0–6 singular cases, 7–12 plural nominative … locative
// Nominative and genitive singular, locative singular, nominative and genitive plural:
// the cells whose endings tell the declensions apart.
constexpr std::array kKeyCells = {0, 1, 5, 7, 8};
// How many of the best patterns are tried again with each stem alternation.
constexpr std::size_t kPatternsRetried = 3;

struct TRzeczownik {
    std::string Lemma;  // 8-bit
    std::string Gender; // the gender type, "0"–"4"
    std::array<std::vector<std::string>, kCells> Cells; // 8-bit alternatives; empty: unknown
};

TRzeczownik ParseNoun(const std::string& line, const std::string& where)
{
    const std::vector<std::string> fields = SplitFields(line, '\t');
    const std::vector<std::string> cells = fields.size() == 3 ? SplitFields(fields[2], ';') : std::vector<std::string>{};
    if (cells.size() != kCells || fields[1].size() != 1 || fields[1][0] < '0' || fields[1][0] > '4')
        throw std::runtime_error(where + ": expected LEMMA, a gender type 0-4 and 13 cells separated by \";\"");
    TRzeczownik noun{FromUtf8(fields[0]), fields[1], {}};
    for (int cell = 0; cell < kCells; ++cell)
        for (const std::string& form : SplitFields(cells[static_cast<std::size_t>(cell)], '|'))
            if (!form.empty())
                noun.Cells[static_cast<std::size_t>(cell)].push_back(FromUtf8(form));
    return noun;
}

struct TWynikKodu {
    std::string Code;
    int Agree = 0;
    int Total = 0;
};

TWynikKodu Score(const TRzeczownik& noun, const std::string& code, bool keyCells)
{
    TWynikKodu result{code};
    const std::string word = noun.Lemma + " *" + code;
    for (int cell = 0; cell < kCells; ++cell) {
        const bool isKey = std::find(kKeyCells.begin(), kKeyCells.end(), cell) != kKeyCells.end();
        const auto& expected = noun.Cells[static_cast<std::size_t>(cell)];
        if (isKey != keyCells || expected.empty())
            continue;
        const TCechyPl features{.Case = cell < 7 ? cell + 1 : cell - 6, .Number = cell < 7 ? 1 : 2};
        const std::string form = GenFormPl(word, features);
        ++result.Total;
        result.Agree += std::find(expected.begin(), expected.end(), form) != expected.end() ? 1 : 0;
    }
    return result;
}

// The best code on the key cells: the bare gender type (an indeclinable noun) and the
// patterns first, then the best few of them with each alternation, then the best code
// with a second alternation. A later candidate wins
// only with strictly more agreeing cells, so the simplest code is kept among equals.
std::string Fit(const TRzeczownik& noun, const std::vector<std::string>& patterns,
                const std::vector<std::string>& alternations)
{
    std::vector<TWynikKodu> scored = {Score(noun, noun.Gender, true)};
    for (const std::string& pattern : patterns)
        scored.push_back(Score(noun, noun.Gender + pattern, true));
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.Agree > b.Agree; });
    TWynikKodu best = scored.front();
    for (std::size_t i = 0; i < std::min(kPatternsRetried, scored.size()); ++i)
        for (const std::string& alternation : alternations) {
            const TWynikKodu candidate = Score(noun, scored[i].Code + alternation, true);
            if (candidate.Agree > best.Agree)
                best = candidate;
        }
    const std::string first = best.Code;
    for (const std::string& alternation : alternations) {
        const TWynikKodu candidate = Score(noun, first + alternation, true);
        if (candidate.Agree > best.Agree)
            best = candidate;
    }
    return best.Code;
}

std::vector<std::string> ListOption(const TArgumenty& args, const std::string& name)
{
    const std::vector<std::string> items = CommaListItems(args.ValueOr(name, ""));
    if (items.empty())
        throw TZleUzycie("--" + name + " needs a comma-separated list");
    return items;
}

} // namespace

int RunFitNouns(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"patterns", "alternations"}, {});
    args.RequirePositional(1);
    const std::vector<std::string> patterns = ListOption(args, "patterns");
    const std::vector<std::string> alternations = ListOption(args, "alternations");
    std::ifstream file(args.Positional()[0]);
    if (!file)
        throw std::runtime_error("cannot read " + args.Positional()[0]);
    long heldAgree = 0, heldTotal = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty())
            continue;
        const TRzeczownik noun = ParseNoun(line, args.Positional()[0] + ":" + std::to_string(number));
        const std::string code = Fit(noun, patterns, alternations);
        const TWynikKodu heldOut = Score(noun, code, false);
        heldAgree += heldOut.Agree;
        heldTotal += heldOut.Total;
        io.Out << ToUtf8(noun.Lemma, jezPolski) << "\t" << code << "\t" << heldOut.Agree << "/" << heldOut.Total << "\n";
    }
    io.Err << "held-out cells agreeing: " << heldAgree << " of " << heldTotal << "\n";
    return kSukces;
}

} // namespace velmar::cli
