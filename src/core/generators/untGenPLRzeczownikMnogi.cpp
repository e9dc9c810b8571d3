// Plural-only nouns (gender types 5 and 6): only the plural cells are filled.
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLRzeczownikWzory.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;

string PluralOnlyStem(const TDeklinacja& d)
{
    if (d.Pattern == "4817")
        return d.Lemma;
    if (StartsWith(d.Pattern, "489"))
        return RewrittenOr(d.Lemma,
                           "owie=,dzy=g,dzi=d,acy=ak,ecy=ek,icy=ik,ocy=ok,ycy=yk,nie=n,"
                           "rzy=r,ści=st,ci=t,e=,i=,y=,a="_pl,
                           d.Lemma);
    return RewrittenOr(d.Lemma, "owie=,ręce=ręk,e=,i=,y=,a="_pl, d.Lemma);
}

TKomorkaPl Genitive(const TDeklinacja& d, const string& s)
{
    const string& lemma = d.Lemma;
    const string& code = d.Pattern;
    if (string word = ValueOf(lemma, "ziemie=ziem,oczy=oczu,pieniądze=pieniędzy"_pl); !word.empty())
        return {word, {}};
    if (StartsWith(code, "47")) {
        string form = RewrittenOr(lemma, "cie=ć,nie=ń,zie=ź,cia=ć,nia=ń,zia=ź"_pl, s);
        if (StartsWith(code, "471"))
            form = InsertBeforeLastConsonant(form, "e");
        else if (StartsWith(code, "472"))
            form = InsertBeforeLastConsonant(form, "ie");
        else if (StartsWith(code, "475"))
            form = Inner(form, "o=ó"_pl, 1);
        else if (StartsWith(code, "476"))
            form = Inner(form, "ę=ą"_pl, 1);
        return {form, {}};
    }
    if (code == "4817" || code == "48917")
        return {s, {}};
    if (code == "4810" || code == "48910")
        return {Rewritten(lemma, "ie=i,je=i,ia=i"), {}};
    if (StartsWith(code, "4811"))
        return {s + "i", s + "ów"_pl};
    if (StartsWith(code, "4812"))
        return {s + "ów"_pl, s + "i"};
    if (StartsWith(code, "481") || StartsWith(code, "4891"))
        return {s + "i", {}};
    if (StartsWith(code, "482") || StartsWith(code, "4892"))
        return {s + "y", {}};
    if (StartsWith(code, "486") || StartsWith(code, "4896"))
        return {s, {}};
    return {s + "ów"_pl, {}};
}

// "Państwo" (ladies and gentlemen) is singular in form and plural in agreement.
void Panstwo(TDeklinacja& d)
{
    const string stem = d.Lemma.substr(0, d.Lemma.size() - 1);
    d[7] = {d.Lemma, {}};
    d[8] = {stem + "a", {}};
    d[9] = {stem + "u", {}};
    d[10] = d[8];
    d[11] = {stem + "em", {}};
    d[12] = {stem + "ie", {}};
}

} // namespace

void DeclinePluralOnly(TDeklinacja& d)
{
    d.Table.Cells = {};
    if (InTagList(d.Lemma, "<Państwo><państwo>"_pl)) {
        Panstwo(d);
        return;
    }
    const string s = PluralOnlyStem(d);
    const string& lemma = d.Lemma;
    d[7] = {lemma, {}};
    d[8] = Genitive(d, s);
    d[9] = {s + "om", {}};
    d[10] = d.Gender == 6 ? d[8] : d[7];
    d[11] = {ValueOr(lemma,
                     "dzieci=dziećmi,pieniądze=pieniędzmi,nadludzie=nadludźmi,"
                     "podludzie=podludźmi,praludzie=praludźmi,ludzie=ludźmi"_pl,
                     s + "ami"),
             {}};
    if (lemma == "Prusy")
        d[12] = {"Prusach", "Prusiech"};
    else
        d[12] = {ValueOr(lemma, "Włochy=Włoszech,Węgry=Węgrzech,Niemcy=Niemczech"_pl, s + "ach"), {}};
}

void DeclinePluralOnlyAdjectival(TDeklinacja& d)
{
    const string& lemma = d.Lemma;
    const bool inE = EndsWith(lemma, "e");
    if ((!inE || EndsWithAny(lemma, "ie,le")) && !EndsWithAny(lemma, "i,rzy")) {
        DeclinePluralOnly(d);
        return;
    }
    const string s = inE ? Rewritten(lemma, "e=") : RewrittenOr(lemma, "rzy=r,eni=on,i=", lemma);
    d.Table.Cells = {};
    d[7] = {lemma, {}};
    d[8] = {s + "ych", {}};
    d[9] = {s + "ym", {}};
    d[10] = inE ? d[7] : d[8];
    d[11] = {s + "ymi", {}};
    d[12] = d[8];
}

} // namespace velmar::genpl
