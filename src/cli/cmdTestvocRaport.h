#pragma once
// The tallies of velmar-cli testvoc, its report and its baseline: the agreement per
// class and group, the invented forms, the words of a word list with the reasons of
// the exceptions file, and the figures a baseline holds a class to.

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace velmar::cli {

struct TZgodnosc {
    long Zgodne = 0;
    long Wszystkie = 0;

    double Procent() const;
};

// A word not fully right: its group and the failing cells, as the report lists them.
struct TBledneSlowo {
    std::string Lemat; // the key of the exceptions file
    std::string Grupa;
    std::vector<std::string> Komorki;
};

struct TKlasaRaportu {
    TZgodnosc Razem;
    std::map<std::string, bool> LematyBezBledu; // word -> every cell of it agrees
    std::map<std::string, TZgodnosc> Grupy;
    std::map<std::string, long> BledneCechy;
    std::vector<std::string> Bledy;
    // Cells the source has no form for, and those of them the table fills all the same.
    long BezFormy = 0;
    long Wymyslone = 0;
    // Every word not fully right, kept for a class whose words are listed one by one.
    bool WykazSlow = false;
    std::map<std::string, TBledneSlowo> BledneSlowa;
};

// A word counts as right only when every one of its cells is: one wrong cell spoils the
// table a user sees.
TZgodnosc WholeLemmas(const TKlasaRaportu& report);

// "lemma<TAB>reason" lines: why a word of a word list is not fully right; "#" starts a
// comment line.
std::map<std::string, std::string> ReadExceptions(const std::string& path);

// How many words of a listed class the exceptions file gives no reason for.
long UnexplainedWords(const TKlasaRaportu& report, const std::map<std::string, std::string>& exceptions);

void PrintClass(std::ostream& out, const std::string& name, const TKlasaRaportu& report,
                const std::map<std::string, std::string>& exceptions);

// "CLASS PERCENT" lines for the share of cells, "CLASS/lemmas PERCENT" for the share of
// lemmas fully right, "CLASS/invented COUNT" and "CLASS/unexplained COUNT" for the most
// invented forms and unexplained words allowed; "#" starts a comment.
std::map<std::string, double> ReadBaseline(const std::string& path);

// Figures that missed the baseline, reported; true when none did.
bool MeetsBaseline(std::ostream& out, const std::map<std::string, TKlasaRaportu>& classes,
                   const std::map<std::string, double>& baseline, const std::map<std::string, std::string>& exceptions);

} // namespace velmar::cli
