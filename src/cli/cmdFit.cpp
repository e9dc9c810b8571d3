// velmar-cli fit-nouns and fit-verbs: the code of each Polish noun or verb whose
// generated forms agree best with its real paradigm. Such codes cannot be read off
// the lemma, so every candidate code is tried on a few key cells, and the other cells,
// held out, measure the fit.
#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar::cli {

namespace {

// One word to fit: its lemma (8-bit), the class of its codes (a noun's gender type
// "0"–"4", a verb's aspect "imperf" or "perf") and its real forms, cell by cell
// (8-bit alternatives; empty when unknown).
struct TSlowoDoDopasowania {
    std::string Lemma;
    std::string Klasa;
    std::vector<std::vector<std::string>> Cells;
};

// What fitting one word class needs.
struct TRodzajDopasowania {
    std::size_t Cells;
    std::vector<std::size_t> KeyCells;
    std::function<bool(const std::string&)> ValidClass;
    std::function<TCechyPl(const TSlowoDoDopasowania&, std::size_t cell)> CellFeatures;
    const char* Format; // for the error message
};

TSlowoDoDopasowania ParseWord(const std::string& line, const TRodzajDopasowania& kind, const std::string& where)
{
    const std::vector<std::string> fields = SplitFields(line, '\t');
    const std::vector<std::string> cells =
        fields.size() == 3 ? SplitFields(fields[2], ';') : std::vector<std::string>{};
    if (cells.size() != kind.Cells || !kind.ValidClass(fields[1]))
        throw std::runtime_error(where + ": expected " + kind.Format);
    TSlowoDoDopasowania word{FromUtf8(fields[0]), fields[1], {}};
    for (const std::string& cell : cells) {
        word.Cells.emplace_back();
        for (const std::string& form : SplitFields(cell, '|'))
            if (!form.empty())
                word.Cells.back().push_back(FromUtf8(form));
    }
    return word;
}

struct TWynikKodu {
    std::string Code;
    int Agree = 0;
    int Total = 0;
};

TWynikKodu Score(const TSlowoDoDopasowania& word, const TRodzajDopasowania& kind, const std::string& code,
                 bool keyCells)
{
    TWynikKodu result{code};
    const std::string stored = word.Lemma + " *" + code;
    for (std::size_t cell = 0; cell < kind.Cells; ++cell) {
        const bool isKey = std::find(kind.KeyCells.begin(), kind.KeyCells.end(), cell) != kind.KeyCells.end();
        const auto& expected = word.Cells[cell];
        if (isKey != keyCells || expected.empty())
            continue;
        const std::string form = GenFormPl(stored, kind.CellFeatures(word, cell));
        ++result.Total;
        result.Agree += std::find(expected.begin(), expected.end(), form) != expected.end() ? 1 : 0;
    }
    return result;
}

// The first of the candidates with the most agreeing key cells.
TWynikKodu Best(const TSlowoDoDopasowania& word, const TRodzajDopasowania& kind, const std::vector<std::string>& codes)
{
    TWynikKodu best{};
    for (const std::string& code : codes) {
        const TWynikKodu candidate = Score(word, kind, code, true);
        if (best.Code.empty() || candidate.Agree > best.Agree)
            best = candidate;
    }
    return best;
}

std::vector<std::string> ListOption(const TArgumenty& args, const std::string& name)
{
    const std::vector<std::string> items = CommaListItems(args.ValueOr(name, ""));
    if (items.empty())
        throw TZleUzycie("--" + name + " needs a comma-separated list");
    return items;
}

// Fits every word of the file and prints LEMMA, CODE and the held-out agreement.
int FitAll(const std::string& path, const TRodzajDopasowania& kind,
           const std::function<std::string(const TSlowoDoDopasowania&)>& fit, TWejscieWyjscie& io)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    long heldAgree = 0, heldTotal = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty())
            continue;
        const TSlowoDoDopasowania word = ParseWord(line, kind, path + ":" + std::to_string(number));
        const std::string code = fit(word);
        const TWynikKodu heldOut = Score(word, kind, code, false);
        heldAgree += heldOut.Agree;
        heldTotal += heldOut.Total;
        io.Out << ToUtf8(word.Lemma, jezPolski) << "\t" << code << "\t" << heldOut.Agree << "/" << heldOut.Total
               << "\n";
    }
    io.Err << "held-out cells agreeing: " << heldAgree << " of " << heldTotal << "\n";
    return kSukces;
}

// Nouns: 13 cells, the singular cases then the plural nominative … locative; the
// nominative, genitive and locative singular and the nominative and genitive plural
// tell the declensions apart.
const TRodzajDopasowania kRzeczowniki{
    13,
    {0, 1, 5, 7, 8},
    [](const std::string& gender) { return gender.size() == 1 && gender[0] >= '0' && gender[0] <= '4'; },
    [](const TSlowoDoDopasowania&, std::size_t cell) {
        const int c = static_cast<int>(cell);
        return TCechyPl{.Case = c < 7 ? c + 1 : c - 6, .Number = c < 7 ? 1 : 2};
    },
    "LEMMA, a gender type 0-4 and 13 cells separated by \";\""};

// Verbs: the present (of a perfective verb, the simple future) 1sg … 3pl; the past
// 3sg masculine, feminine, neuter, 3pl masculine personal and other; the imperative
// 2sg. The 1sg, the 3pl, the past 3sg masculine and the imperative are key cells.
const TRodzajDopasowania kCzasowniki{
    12,
    {0, 5, 6, 11},
    [](const std::string& aspect) { return aspect == "imperf" || aspect == "perf"; },
    [](const TSlowoDoDopasowania& word, std::size_t cell) {
        const int c = static_cast<int>(cell);
        if (c < 6)
            return TCechyPl{.Person = c + 1, .FormCode = word.Klasa == "perf" ? fpPrzyszly : fpTeraz};
        if (c < 9)
            return TCechyPl{.Person = 3, .FormCode = fpPrzeszly, .SubjectGender = std::array{1, 3, 4}[c - 6]};
        if (c < 11)
            return TCechyPl{.Person = 6, .FormCode = fpPrzeszly, .SubjectNumber = 2, .SubjectGender = c == 9 ? 0 : 3};
        return TCechyPl{.Person = 2, .FormCode = fpRozkazujacy};
    },
    "LEMMA, imperf or perf and 12 cells separated by \";\""};

} // namespace

// Nouns: the bare gender type (an indeclinable noun) and each pattern first, then the
// best three of those with each alternation, then the best code with a second
// alternation. A later candidate wins only with strictly more agreeing cells, so the
// simplest code is kept among equals.
int RunFitNouns(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"patterns", "alternations"}, {});
    args.RequirePositional(1);
    const std::vector<std::string> patterns = ListOption(args, "patterns");
    const std::vector<std::string> alternations = ListOption(args, "alternations");
    return FitAll(
        args.Positional()[0], kRzeczowniki,
        [&](const TSlowoDoDopasowania& noun) {
            std::vector<TWynikKodu> scored = {Score(noun, kRzeczowniki, noun.Klasa, true)};
            for (const std::string& pattern : patterns)
                scored.push_back(Score(noun, kRzeczowniki, noun.Klasa + pattern, true));
            std::stable_sort(scored.begin(), scored.end(),
                             [](const auto& a, const auto& b) { return a.Agree > b.Agree; });
            std::vector<std::string> codes = {scored.front().Code};
            for (std::size_t i = 0; i < std::min<std::size_t>(3, scored.size()); ++i)
                for (const std::string& alternation : alternations)
                    codes.push_back(scored[i].Code + alternation);
            const TWynikKodu best = Best(noun, kRzeczowniki, codes);
            codes = {best.Code};
            for (const std::string& alternation : alternations)
                codes.push_back(best.Code + alternation);
            return Best(noun, kRzeczowniki, codes).Code;
        },
        io);
}

// Verbs: each conjugation class with the marker of the verb's aspect ("*" or, for the
// classes written with "+", "/" for an imperfective verb; "$" or "!" for a perfective
// one).
int RunFitVerbs(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"classes"}, {});
    args.RequirePositional(1);
    const std::vector<std::string> classes = ListOption(args, "classes");
    return FitAll(
        args.Positional()[0], kCzasowniki,
        [&](const TSlowoDoDopasowania& verb) {
            const bool perfective = verb.Klasa == "perf";
            std::vector<std::string> codes;
            for (const std::string& verbClass : classes)
                codes.push_back(verbClass.starts_with('+') ? (perfective ? "!" : "/") + verbClass.substr(1)
                                                           : (perfective ? "$" : "*") + verbClass);
            return Best(verb, kCzasowniki, codes).Code;
        },
        io);
}

} // namespace velmar::cli
