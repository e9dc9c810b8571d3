// velmar-cli testvoc: the generators against forms of real morphology, cell by cell as
// the tables of velmar-cli inflect show them. Each case line (UTF-8, tab-separated)
// names a word class, a group (a code or a conjugation template), a language, the word
// as the dictionary stores it, the features and the expected forms ("|" between
// alternatives; none when the word has no such form), and may end with "absent": the
// source has no form of its own for the cell, so a form the table shows where none is
// expected is an invented one.
#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cmdCechy.h"
#include "cli/cmdInflectKomorki.h"
#include "cli/cmdTestvocRaport.h"
#include "cli/untCli.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar::cli {

namespace {

constexpr std::string_view kAbsent = "absent";

struct TPrzypadekTestu {
    std::string Klasa;
    std::string Grupa;
    std::string Jezyk;
    std::string Slowo;
    std::string Cechy;
    std::vector<std::string> Oczekiwane;
    bool BezFormy = false;
};

TPrzypadekTestu ParseCase(const std::string& line, const std::string& where)
{
    const std::vector<std::string> fields = SplitFields(line, '\t');
    if (fields.size() < 6 || fields.size() > 7 || (fields[2] != "pl" && fields[2] != "fr") ||
        (fields.size() == 7 && fields[6] != kAbsent))
        throw std::runtime_error(where + ": expected CLASS, GROUP, pl|fr, WORD, FEATURES, FORMS and optionally "
                                         "\"absent\", separated by tabs");
    return {fields[0], fields[1], fields[2], fields[3], fields[4], SplitFields(fields[5], '|'), fields.size() == 7};
}

// The features of a case ("case=2,number=1"), read as the options of velmar-cli inflect.
TArgumenty FeatureArguments(const std::string& text)
{
    std::vector<std::string> words;
    for (const std::string& item : CommaListItems(text)) {
        const std::size_t equals = item.find('=');
        words.push_back("--" + item.substr(0, equals));
        if (equals != std::string::npos)
            words.push_back(item.substr(equals + 1));
    }
    TArgumenty args(words, FeatureValueOptions(), FeatureFlagOptions());
    if (!args.Positional().empty())
        throw TZleUzycie("bad features \"" + text + "\"");
    return args;
}

// The cells the tables show, the Polish word's table kept while its cases follow one
// another.
class TKomorkiTabel {
public:
    // The form the table shows first in the case's cell, UTF-8; empty for none.
    std::string Shown(const TPrzypadekTestu& c, const std::string& where)
    {
        try {
            return ShownForm(c, FeatureArguments(c.Cechy));
        } catch (const TZleUzycie& error) {
            throw std::runtime_error(where + ": " + error.what());
        }
    }

private:
    std::string ShownForm(const TPrzypadekTestu& c, const TArgumenty& args)
    {
        const std::string word = FromUtf8(c.Slowo);
        if (c.Jezyk == "fr")
            return ToUtf8(TableCellFr(word, FrenchFeatures(args)).Form, jezFrancuski);
        if (!polish_ || polish_->Word() != word)
            polish_.emplace(word);
        return ToUtf8(polish_->Cell(PolishFeatures(args)).Form, jezPolski);
    }

    std::optional<TTabelaPl> polish_;
};

std::string LemmaOfCase(const TPrzypadekTestu& c)
{
    return c.Jezyk == "pl" ? SplitWordPl(c.Slowo).Lemma : SplitWordFr(c.Slowo).Lemma;
}

std::string Failure(const TPrzypadekTestu& c, const std::string& shown)
{
    std::string expected;
    for (const std::string& form : c.Oczekiwane)
        expected += (expected.empty() ? "" : "|") + form;
    return "[" + c.Cechy + "] gives " + (shown.empty() ? "no form" : "\"" + shown + "\"") + ", expected " +
           (expected.empty() ? "no form" : "\"" + expected + "\"");
}

void Tally(TKlasaRaportu& report, const TPrzypadekTestu& c, const std::string& shown, std::size_t failuresShown)
{
    const bool agrees =
        c.Oczekiwane.empty() ? shown.empty() : std::ranges::find(c.Oczekiwane, shown) != c.Oczekiwane.end();
    for (TZgodnosc* tally : {&report.Razem, &report.Grupy[c.Grupa]}) {
        ++tally->Wszystkie;
        tally->Zgodne += agrees ? 1 : 0;
    }
    report.LematyBezBledu.try_emplace(c.Slowo, true).first->second &= agrees;
    report.BezFormy += c.BezFormy ? 1 : 0;
    if (agrees)
        return;
    report.Wymyslone += c.BezFormy && !shown.empty() ? 1 : 0;
    ++report.BledneCechy[c.Cechy];
    if (report.Bledy.size() < failuresShown)
        report.Bledy.push_back(c.Slowo + " " + Failure(c, shown));
    if (report.WykazSlow) {
        TBledneSlowo& word = report.BledneSlowa[c.Slowo];
        word.Lemat = LemmaOfCase(c);
        word.Grupa = c.Grupa;
        word.Komorki.push_back(Failure(c, shown));
    }
}

} // namespace

int RunTestvoc(const std::vector<std::string>& words, TWejscieWyjscie& io)
{
    const TArgumenty args(words, {"baseline", "failures", "word-list", "exceptions"}, {});
    args.RequireAtLeast(1);
    const int failuresShown = args.Number("failures").value_or(20);
    if (failuresShown < 0)
        throw TZleUzycie("--failures must not be negative");
    const std::map<std::string, double> baseline =
        args.Value("baseline") ? ReadBaseline(*args.Value("baseline")) : std::map<std::string, double>{};
    const std::map<std::string, std::string> exceptions =
        args.Value("exceptions") ? ReadExceptions(*args.Value("exceptions")) : std::map<std::string, std::string>{};

    std::map<std::string, TKlasaRaportu> classes;
    for (const std::string& name : CommaListItems(args.ValueOr("word-list", "")))
        classes[name].WykazSlow = true;
    TKomorkiTabel tables;
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
            Tally(classes[c.Klasa], c, tables.Shown(c, where), static_cast<std::size_t>(failuresShown));
        }
    }
    for (const auto& [name, report] : classes)
        if (report.Razem.Wszystkie > 0)
            PrintClass(io.Out, name, report, exceptions);
    return MeetsBaseline(io.Out, classes, baseline, exceptions) ? kSukces : kBlad;
}

} // namespace velmar::cli
