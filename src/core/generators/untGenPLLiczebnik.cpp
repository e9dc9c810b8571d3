#include "core/generators/untGenPLLiczebnik.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

constexpr int kCases = 6;
constexpr int kGenders = 5;

using TKomorki = decltype(TNumeralParadigmPl::Cells);

struct TListyLiczebnika {
    std::string CompoundTens =
        FromUtf8("<dwadzieścia><trzydzieści><czterdzieści><pięćdziesiąt><sześćdziesiąt><siedemdziesiąt>"
                 "<osiemdziesiąt><dziewięćdziesiąt>");
    std::string CompoundUnits = FromUtf8("<jeden><dwa><trzy><cztery><pięć><sześć><siedem><osiem><dziewięć>");
    std::string OrdinalTens =
        FromUtf8("<dwudziesty><trzydziesty><czterdziesty><pięćdziesiąty><sześćdziesiąty><siedemdziesiąty>"
                 "<osiemdziesiąty><dziewięćdziesiąty>");
    std::string OrdinalUnits = FromUtf8("<pierwszy><drugi><trzeci><czwarty><piąty><szósty><siódmy><ósmy><dziewiąty>");
    std::string FeminineOrdinalUnits =
        FromUtf8("<pierwsza><druga><trzecia><czwarta><piąta><szósta><siódma><ósma><dziewiąta>");
    std::string OneAndAHalf = FromUtf8("<półtora><półtorej>");
    std::string ObliqueStems =
        FromUtf8("parę=paru,siedem=siedmiu,osiem=ośmiu,dwanaście=dwunastu,naście=nastu,"
                 "dwadzieścia=dwudziestu,dzieści=dziestu,dziesiąt=dziesięciu,sto=stu,dwieście=dwustu,"
                 "sta=stu,ćset=ciuset,demset=dmiuset,siemset=śmiuset,e=u,a=u,ć=ciu");
    // Agreement classes of words that are not read as a number.
    std::string GenitiveSingular = FromUtf8("<pół><półtora><półtorej><ćwierć>");
    std::string GenitiveAlways =
        FromUtf8("<tysiąc><tysiące><tysięcy><milion><miliony><milionów><miliard><miliardy><miliardów>");
    std::string Quantities =
        FromUtf8("<kilka><kilku><kilkanaście><kilkunastu><kilkadziesiąt><kilkudziesięciu><kilkaset><parę>"
                 "<paru><wiele><wielu><niewiele><niewielu><dużo><mało><trochę><sporo><mnóstwo><ile><ilu>"
                 "<tyle><tylu><więcej><mniej><najwięcej><najmniej><dwoje><troje><oboje>");
};

const TListyLiczebnika& Lists()
{
    static const TListyLiczebnika lists;
    return lists;
}

// "form" or "form, alternative" for the five genders, separated by "/" when they differ.
void FillRow(TKomorki& cells, int caseIndex, std::string_view row)
{
    std::vector<std::string> genders;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = row.find('/', start);
        genders.emplace_back(row.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    for (int g = 0; g < kGenders; ++g) {
        const std::string& text = genders[std::min<std::size_t>(static_cast<std::size_t>(g), genders.size() - 1)];
        const std::size_t comma = text.find(',');
        TFormaLiczebnika& cell = cells[static_cast<std::size_t>(caseIndex)][static_cast<std::size_t>(g)];
        cell.Form = FromUtf8(text.substr(0, comma));
        cell.Alternative = comma == std::string::npos ? std::string() : FromUtf8(text.substr(comma + 1));
    }
}

// "dwa" and "oba": one row per case, genders 0 … 4 separated by "/" (the last one
// standing for the rest), a form and its alternative separated by ",".
void FillTwoOrBoth(TKomorki& cells, bool both)
{
    static constexpr const char* kTwo[kCases] = {
        "dwaj/dwa/dwa/dwie/dwa",      "dwóch,dwu/dwu,dwóch", "dwóm,dwu/dwu,dwóm",
        "dwóch,dwu/dwa/dwa/dwie/dwa", "dwoma,dwu",           "dwóch,dwu/dwu,dwóch"};
    static constexpr const char* kBoth[kCases] = {"obaj/oba/oba/obie/oba", "obu",       "obu",
                                                  "obu/oba/oba/obie/oba",  "obu,oboma", "obu"};
    for (int c = 0; c < kCases; ++c)
        FillRow(cells, c, (both ? kBoth : kTwo)[c]);
}

void FillThreeOrFour(TKomorki& cells, const std::string& lemma)
{
    const std::string stem = lemma == "trzy" ? "trze" : "cztere";
    for (int g = 0; g < kGenders; ++g) {
        auto cell = [&](int c) -> std::string& {
            return cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(g)].Form;
        };
        cell(0) = g == rdzMeskoosobowy ? stem + "j" : lemma;
        cell(1) = stem + "ch";
        cell(2) = stem + "m";
        cell(3) = g == rdzMeskoosobowy ? stem + "ch" : lemma;
        cell(4) = stem + "ma";
        cell(5) = stem + "ch";
    }
}

void FillCollective(TKomorki& cells, const std::string& lemma)
{
    std::string stem = lemma;
    ApplyEndingRules(stem, "ro=rg,je=jg");
    for (auto& cell : cells[0])
        cell.Form = lemma;
    for (auto& cell : cells[1])
        cell.Form = stem + "a";
    for (auto& cell : cells[2])
        cell.Form = stem + "u";
    for (auto& cell : cells[3])
        cell.Form = lemma;
    for (auto& cell : cells[4])
        cell.Form = stem + "iem";
    for (auto& cell : cells[5])
        cell.Form = stem + "u";
}

void FillAll(TKomorki& cells, const std::string& form)
{
    for (auto& row : cells)
        for (auto& cell : row)
            cell = {form, {}};
}

void FillOblique(TKomorki& cells, const std::string& lemma)
{
    std::string stem = lemma;
    ApplyEndingRules(stem, Lists().ObliqueStems);
    FillAll(cells, stem);
    const std::string nominative = lemma == "kilku" ? "kilka" : lemma;
    for (int g = rdzMeskorzeczowy; g < kGenders; ++g) {
        cells[0][static_cast<std::size_t>(g)].Form = nominative;
        cells[3][static_cast<std::size_t>(g)].Form = nominative;
    }
    if (EndsWith(stem, "u"))
        for (auto& cell : cells[4])
            cell = {DropLast(stem, 1) + "oma", stem};
}

// A simple (one-word) numeral for every gender.
void DeclineSimple(TKomorki& cells, const std::string& lemma)
{
    const TListyLiczebnika& lists = Lists();
    if (InTagList(lemma, "<dwa><oba>"))
        FillTwoOrBoth(cells, lemma == "oba");
    else if (InTagList(lemma, "<trzy><cztery>"))
        FillThreeOrFour(cells, lemma);
    else if (EndsWithAny(lemma, "ro,je"))
        FillCollective(cells, lemma);
    else if (InTagList(lemma, lists.OneAndAHalf))
        FillAll(cells, lemma);
    else
        FillOblique(cells, lemma);
}

bool IsCompoundOrdinal(const std::string& first, const std::string& last)
{
    const TListyLiczebnika& lists = Lists();
    if (first == "jedna")
        return InTagList(last, lists.FeminineOrdinalUnits);
    return InTagList(first, lists.OrdinalTens) && InTagList(last, lists.OrdinalUnits);
}

void BuildCompoundOrdinal(const std::string& first, const std::string& last, TNumeralParadigmPl& p)
{
    TAdjParadigmPl lastParadigm;
    BuildAdjParadigmPl(first, "7", tpPrzymiotnik, p.Adjective);
    BuildAdjParadigmPl(last, "7", tpPrzymiotnik, lastParadigm);
    for (std::size_t i = 0; i < p.Adjective.Cells.size(); ++i)
        p.Adjective.Cells[i] = Trim(p.Adjective.Cells[i] + " " + lastParadigm.Cells[i]);
    p.Ordinal = true;
    p.Feminine = first == "jedna";
}

void BuildCompoundCardinal(const std::string& first, const std::string& last, TKomorki& cells)
{
    TKomorki lastCells;
    DeclineSimple(cells, first);
    DeclineSimple(lastCells, last);
    for (std::size_t c = 0; c < cells.size(); ++c)
        for (std::size_t g = 0; g < cells[c].size(); ++g)
            cells[c][g] = {Trim(cells[c][g].Form + " " + lastCells[c][g].Form), {}};
}

} // namespace

int BuildNumeralParadigmPl(std::string_view lemma, std::string_view code, TNumeralParadigmPl& paradigm)
{
    paradigm = {};
    const std::string word = Trim(lemma);
    if (word.empty())
        return wbPustyLemat;
    if (Trim(code).empty())
        return wbPustyKod;
    const std::size_t space = word.rfind(' ');
    const std::string first = space == std::string::npos ? std::string() : Trim(word.substr(0, space));
    const std::string last = word.substr(space == std::string::npos ? 0 : space + 1);
    const TListyLiczebnika& lists = Lists();
    if (InTagList(first, lists.CompoundTens) && InTagList(last, lists.CompoundUnits))
        BuildCompoundCardinal(first, last, paradigm.Cells);
    else if (IsCompoundOrdinal(first, last))
        BuildCompoundOrdinal(first, last, paradigm);
    else
        DeclineSimple(paradigm.Cells, word);
    return wbOk;
}

std::string GenNumeralPl(std::string_view lemma, std::string_view code, int grammaticalCase, int gender, int number)
{
    TNumeralParadigmPl paradigm;
    if (BuildNumeralParadigmPl(lemma, code, paradigm) != wbOk)
        return std::string(lemma);
    if (paradigm.Ordinal) {
        const int adjectiveGender = paradigm.Feminine ? static_cast<int>(rdzZenski) : gender;
        return paradigm.Adjective
            .Cells[static_cast<std::size_t>(AdjCellIndex(grammaticalCase, number, adjectiveGender))];
    }
    const int caseIndex = grammaticalCase >= 1 && grammaticalCase <= kCases ? grammaticalCase - 1 : 0;
    const int g = gender >= 0 && gender < kGenders ? gender : static_cast<int>(rdzMeskorzeczowy);
    return paradigm.Cells[static_cast<std::size_t>(caseIndex)][static_cast<std::size_t>(g)].Form;
}

int NumeralClassPl(std::string_view lemma)
{
    const TListyLiczebnika& lists = Lists();
    const std::string word = LowerStr(Trim(lemma));
    const std::string last = LastWord(word);
    if (InTagList(word, lists.GenitiveSingular))
        return klDopelniaczPojedynczy;
    if (InTagList(last, lists.GenitiveAlways))
        return klDopelniacz;
    if (InTagList(word, lists.Quantities) || EndsWith(last, "oro"))
        return klDopelniaczMianownika;
    const double value = ParseNumber(word, AlphabetId(jezPolski));
    if (value < 0)
        return klZgoda;
    if (value != std::floor(value))
        return klDopelniaczPojedynczy;
    const auto whole = static_cast<long long>(value);
    if (whole >= 1000 && whole % 1000 == 0)
        return klDopelniacz;
    const bool agrees = whole == 1 || (whole % 10 >= 2 && whole % 10 <= 4 && (whole % 100 < 12 || whole % 100 > 14));
    return agrees ? klZgoda : klDopelniaczMianownika;
}

} // namespace velmar
