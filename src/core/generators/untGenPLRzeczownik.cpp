// The noun generator's entry points: phrase handling, the code parse, the dispatch to
// the declension builders and the compounds whose both parts decline.
#include "core/generators/untGenPLRzeczownik.h"

#include "core/app/untUtils.h"
#include "core/generators/untGenPLPrzymiotnik.h"
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLRzeczownikWzory.h"
#include "core/generators/untGenPLTekst.h"

#include <algorithm>

namespace velmar {

namespace {

using genpl::TDeklinacja;
using std::string;
using std::string_view;

// A noun phrase split into the declined noun and what surrounds it.
struct TFraza {
    string Noun;
    string Prefix;
    string Tail;
    string Adjective;
    char AdjectiveSide = 0; // '<' adjective before the noun, '>' after it
};

TFraza SplitPhrase(const string& lemma, string_view code)
{
    TFraza f{lemma, {}, {}, {}, 0};
    if (EndsWith(f.Noun, " się"_pl)) {
        f.Tail = f.Noun.substr(f.Noun.size() - 4);
        f.Noun.resize(f.Noun.size() - 4);
    }
    const auto firstSpace = f.Noun.find(' ');
    if (firstSpace == string::npos)
        return f;
    const char mark = code.empty() ? 0 : code.front();
    if (mark == '<') {
        f.Adjective = f.Noun.substr(0, firstSpace);
        f.Noun = Trim(f.Noun.substr(firstSpace + 1));
        f.AdjectiveSide = '<';
    } else if (mark == '>') {
        f.Adjective = Trim(f.Noun.substr(firstSpace + 1));
        f.Noun.resize(firstSpace);
        f.AdjectiveSide = '>';
    } else if (mark == '%') {
        f.Tail = f.Noun.substr(firstSpace) + f.Tail;
        f.Noun.resize(firstSpace);
    } else {
        const auto lastSpace = f.Noun.rfind(' ');
        f.Prefix = f.Noun.substr(0, lastSpace + 1);
        f.Noun = f.Noun.substr(lastSpace + 1);
    }
    if (EndsWith(f.Adjective, "a") || EndsWith(f.Adjective, "e"))
        ApplyEndingRules(f.Adjective, "ka=ki,ga=gi,la=li,ia=i,a=y,le=li,ie=i,e=y");
    return f;
}

struct TKod {
    int Gender = 0;
    string Pattern;
    string Alternations;
};

// The noun code without its leading marks; false when it is not a noun code.
bool ParseCode(string_view code, TKod& kod)
{
    if (code.empty() || !IsDigitChar(static_cast<unsigned char>(code.front())))
        return false;
    if (StartsWith(code, "47") || StartsWith(code, "48")) {
        kod.Pattern = string(code);
        kod.Gender = 5;
        if (StartsWith(code, "488")) {
            kod.Gender = 6;
            kod.Pattern.erase(2, 1);
        }
        return true;
    }
    kod.Gender = code.front() - '0';
    if (kod.Gender > 6)
        return false;
    const string_view rest = code.substr(1);
    const auto zero = rest.find('0');
    if (zero != string_view::npos && zero + 1 < rest.size()) {
        kod.Pattern = string(rest.substr(0, zero));
        kod.Alternations = string(rest.substr(zero));
    } else {
        kod.Pattern = string(rest);
    }
    if (kod.Pattern.empty())
        kod.Pattern = "xxx";
    return true;
}

// Compounds whose both parts decline, cell by cell (form / alternative).
struct TStalyWzor {
    const char* Lemma;
    TKomorkaPl Cells[kNounCellCount];
};

const std::array<TStalyWzor, 4>& FixedParadigms()
{
    static const std::array<TStalyWzor, 4> wzory = {{
        {"Wielkanoc",
         {{"Wielkanoc", {}},
          {"Wielkiejnocy", "Wielkanocy"},
          {"Wielkiejnocy", "Wielkanocy"},
          {"Wielkanoc", {}},
          {"Wielkąnocą"_pl, "Wielkanocą"_pl},
          {"Wielkiejnocy", "Wielkanocy"},
          {"Wielkanocy", {}}}},
        {"rzeczpospolita",
         {{"rzeczpospolita", {}},
          {"rzeczypospolitej", "rzeczpospolitej"},
          {"rzeczypospolitej", "rzeczpospolitej"},
          {"rzeczpospolitą"_pl, {}},
          {"rzecząpospolitą"_pl, "rzeczpospolitą"_pl},
          {"rzeczypospolitej", "rzeczpospolitej"},
          {"rzeczypospolita", {}},
          {"rzeczypospolite", "rzeczpospolite"},
          {"rzeczypospolitych", "rzeczpospolitych"},
          {"rzeczompospolitym", "rzeczpospolitym"},
          {"rzeczypospolite", "rzeczpospolite"},
          {"rzeczamipospolitymi", "rzeczpospolitymi"},
          {"rzeczachpospolitych", "rzeczpospolitych"}}},
        {"Białystok"_pl,
         {{"Białystok"_pl, {}},
          {"Białegostoku"_pl, {}},
          {"Białemustokowi"_pl, {}},
          {"Białystok"_pl, {}},
          {"Białymstokiem"_pl, {}},
          {"Białymstoku"_pl, {}},
          {"Białystoku"_pl, {}}}},
        {"Krasnystaw",
         {{"Krasnystaw", {}},
          {"Krasnegostawu", {}},
          {"Krasnemustawowi", {}},
          {"Krasnystaw", {}},
          {"Krasnymstawem", {}},
          {"Krasnymstawie", {}},
          {"Krasnystawie", {}}}},
    }};
    return wzory;
}

bool FillFixedParadigm(const string& lemma, TNounParadigm& table)
{
    for (const auto& wzor : FixedParadigms()) {
        if (lemma == wzor.Lemma) {
            std::copy(std::begin(wzor.Cells), std::end(wzor.Cells), table.Cells.begin());
            return true;
        }
    }
    return false;
}

void Decline(TDeklinacja& d)
{
    if (d.Pattern == "xxx") {
        // "alibi", "awokado": the same form in every case of both numbers.
        for (int cell = 0; cell < kNounCellCount; ++cell)
            d[cell] = {d.Lemma, {}};
        d.Table.Indeclinable = true;
        return;
    }
    if (FillFixedParadigm(d.Lemma, d.Table))
        return;
    const bool adjectival = d.PatternStarts('9');
    switch (d.Gender) {
    case 0:
    case 1:
    case 2:
        if (adjectival || d.PatternStarts('6'))
            genpl::DeclineMasculineAdjectival(d);
        else if (EndsWith(d.Lemma, "a") || EndsWithAny(d.Lemma, "to,ło"_pl))
            genpl::DeclineMasculineInA(d);
        else if (EndsWith(d.Lemma, "ę"_pl))
            genpl::DeclineMasculineInE(d);
        else
            genpl::DeclineMasculine(d);
        break;
    case 3:
    case 4:
        if (adjectival)
            genpl::DeclineFeminineNeuterAdjectival(d);
        else if (d.Gender == 3)
            genpl::DeclineFeminine(d);
        else
            genpl::DeclineNeuter(d);
        break;
    default:
        if (d.Pattern == "4897")
            genpl::DeclinePluralOnlyAdjectival(d);
        else
            genpl::DeclinePluralOnly(d);
        break;
    }
}

// The adjective of an adjective–noun phrase, declined in the noun's gender and joined to
// every form of the noun on its side.
void JoinAdjective(const TFraza& fraza, int nounGender, TNounParadigm& table)
{
    string adjective = fraza.Adjective;
    if (nounGender == 6 && (EndsWith(adjective, "y") || EndsWith(adjective, "i")))
        ApplyEndingRules(adjective, "dzy=gi,dzi=dy,acy=aki,ecy=eki,icy=iki,ocy=oki,ycy=yki,rzy=ry,"
                                    "ści=sty,duzi=duży,li=ły,i=y,y=y"_pl);
    TAdjParadigmPl declined;
    if (BuildAdjParadigmPl(adjective, "7", tpPrzymiotnik, declined) != wbOk)
        return;
    const int gender = nounGender == 5 ? rdzNijaki : nounGender == 6 ? rdzMeskoosobowy : nounGender;
    const auto join = [&](string& form, const string& adjectiveForm) {
        if (form.empty())
            return;
        form = fraza.AdjectiveSide == '<' ? adjectiveForm + " " + form : form + " " + adjectiveForm;
    };
    for (int cell = 0; cell < kNounCellCount; ++cell) {
        const bool plural = cell >= 7;
        const int przypadek = plural ? cell - 6 : cell + 1;
        const string& adjectiveForm =
            declined.Cells[static_cast<std::size_t>(AdjCellIndex(przypadek, plural ? 2 : 1, gender))];
        auto& nounCell = table.Cells[static_cast<std::size_t>(cell)];
        join(nounCell.Forma, adjectiveForm);
        join(nounCell.Alternatywa, adjectiveForm);
    }
}

void WrapCells(TNounParadigm& table, const string& prefix, const string& tail)
{
    for (auto& cell : table.Cells) {
        cell.Forma = genpl::Wrapped(prefix, cell.Forma, tail);
        cell.Alternatywa = genpl::Wrapped(prefix, cell.Alternatywa, tail);
    }
}

} // namespace

int BuildNounParadigmPl(string_view lemmaIn, string_view codeIn, TNounParadigm& paradigm)
{
    paradigm = {};
    const string lemma = Trim(lemmaIn);
    string code = Trim(codeIn);
    if (lemma.empty())
        return wbPustyLemat;
    if (code.empty())
        return wbPustyKod;

    const TFraza fraza = SplitPhrase(lemma, code);
    code.erase(0, code.find_first_not_of("<>%"));
    TKod kod;
    if (!ParseCode(code, kod))
        return wbZlyKod;

    TDeklinacja d{fraza.Noun, fraza.Noun, kod.Gender, kod.Pattern, kod.Alternations, paradigm};
    Decline(d);
    if (fraza.AdjectiveSide != 0)
        JoinAdjective(fraza, kod.Gender, paradigm);
    if (!fraza.Prefix.empty() || !fraza.Tail.empty())
        WrapCells(paradigm, fraza.Prefix, fraza.Tail);
    return wbOk;
}

int NounCellPl(int case_, int number)
{
    const int przypadek = case_ >= 1 && case_ <= 7 ? case_ : 1;
    if (number != 2)
        return przypadek - 1;
    return przypadek == 7 ? 7 : 6 + przypadek;
}

string GenNounPl(string_view lemma, string_view code, int case_, int number)
{
    TNounParadigm paradigm;
    if (BuildNounParadigmPl(lemma, code, paradigm) != wbOk)
        return Trim(lemma);
    return paradigm.Cells[static_cast<std::size_t>(NounCellPl(case_, number))].Forma;
}

} // namespace velmar
