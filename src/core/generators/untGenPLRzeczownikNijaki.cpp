// Neuter declension (gender type 4), and the feminine and neuter nouns declined like
// adjectives (pattern "9…").
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLRzeczownikWzory.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;
using std::string_view;

// The singular stem, the plural stem and, for pattern "35", a second plural stem.
struct TTematy {
    string Singular;
    string Plural;
    string Plural2;
};

TTematy NeuterStems(const TDeklinacja& d)
{
    const string& lemma = d.Lemma;
    const string& p = d.Pattern;
    if (p == "35") {
        const string stem = RewrittenOr(lemma, "o=", lemma);
        return {stem, stem, RewrittenOr(lemma, "o=ios", lemma)};
    }
    if (p == "4")
        return {lemma + "ci", lemma + "t", {}};
    if (p == "41")
        return {RewrittenOr(lemma, "ążę=ęci"_pl, lemma), lemma + "t", {}};
    if (p == "5") {
        if (lemma == "nasienie")
            return {"nasieni", "nasion", {}};
        return {RewrittenOr(lemma, "ę=eni"_pl, lemma), RewrittenOr(lemma, "ę=on"_pl, lemma), {}};
    }
    if (p == "51")
        return {RewrittenOr(lemma, "e=", lemma), RewrittenOr(lemma, "ele=oł"_pl, lemma), {}};
    if (p == "6")
        return {lemma, RewrittenOr(lemma, "um=", lemma), {}};
    if (p == "61")
        return {lemma, RewrittenOr(lemma, "e=i", lemma), {}};
    if (p == "23")
        return {RewrittenOr(lemma, "o=", lemma), ValueOf(lemma, "oko=ocz,ucho=usz"), {}};
    if (p == "22")
        return {RewrittenOr(lemma, "o=", lemma), ValueOf(lemma, "dziecko=dzieci"), {}};
    const string stem = Inner(lemma, "e=,o=", 1);
    return {stem, stem, {}};
}

// A form from each plural stem: the second one (pattern "35") gives the alternative.
TKomorkaPl FromPluralStems(const TTematy& t, std::string_view ending)
{
    return {t.Plural + string(ending), t.Plural2.empty() ? string() : t.Plural2 + string(ending)};
}

string Locative(const TDeklinacja& d, const string& stem)
{
    const string& lemma = d.Lemma;
    if (string word = ValueOf(lemma, "dobro=dobru,zło=złu,lato=lecie"_pl); !word.empty())
        return word;
    if (d.PatternIn("<3><31><33><34><35>")) {
        if (string word = ValueOf(lemma, "światło=świetle"_pl); !word.empty())
            return word;
        return RewrittenOr(lemma,
                           "sto=ście,to=cie,zdo=ździe,do=dzie,sło=śle,zło=źle,ło=le,"
                           "ro=rze,smo=śmie"_pl,
                           stem + "ie");
    }
    if (d.Pattern == "32")
        return Inner(RewrittenOr(lemma,
                                 "sto=ście,to=cie,zdo=ździe,do=dzie,ło=le,sło=śle,ro=rze,"
                                 "smo=śmie,=ie"_pl,
                                 stem + "ie"),
                     "a=e,o=e", 1);
    if (d.PatternIn("<6><61>"))
        return lemma;
    return stem + "u";
}

TKomorkaPl GenitivePlural(const TDeklinacja& d, const TTematy& t)
{
    const string& lemma = d.Lemma;
    constexpr string_view kSoftEnd = "nie=ń,cie=ć,zie=ź,sie=ś"_pl;
    if (string word = ValueOf(lemma, "radio=radiów,studio=studiów,cudo=cudów"_pl); !word.empty())
        return {word, {}};
    const string& p = d.Pattern;
    if (p == "1")
        return {RewrittenOr(lemma, kSoftEnd, t.Singular), {}};
    if (p == "13") {
        if (string word = ValueOf(lemma, "przysłowie=przysłów"_pl); !word.empty())
            return {word, {}};
        return {Inner(RewrittenOr(lemma, kSoftEnd, t.Singular), "o=ó"_pl, 1), {}};
    }
    if (p == "11")
        return {Rewritten(t.Singular, "l=li,=y"), {}};
    if (d.PatternIn("<12><22><5>"))
        return {t.Plural, {}};
    if (d.PatternIn("<2><3><32>"))
        return {t.Singular, {}};
    if (p == "21")
        return {InsertBeforeLastConsonant(t.Singular, "e"), {}};
    if (p == "31")
        return {ValueOr(lemma,
                        "drewno=drewien,gówno=gówien,gumno=gumien,płótno=płócien,"
                        "półpłótno=półpłócien,kupno=kupien"_pl,
                        WithMobileVowel(t.Singular)),
                {}};
    if (p == "33")
        return {Inner(t.Singular, "o=ó"_pl, 1), {}};
    if (p == "34")
        return {Inner(t.Singular, "ę=ą"_pl, 1), {}};
    if (d.PatternIn("<4><41>"))
        return {Rewritten(lemma, "ę=ąt"_pl), {}};
    if (p == "51")
        return {RewrittenOr(t.Plural, "oł=ół"_pl, t.Plural), {}};
    if (d.PatternIn("<6><61>"))
        return {t.Plural + "ów"_pl, {}};
    if (p == "35")
        return {t.Plural, t.Plural2};
    if (p == "23")
        return {ValueOf(lemma, "oko=oczu,ucho=uszu"), ValueOf(lemma, "oko=ócz,ucho=uszów"_pl)};
    return {t.Singular, {}};
}

TKomorkaPl InstrumentalPlural(const TDeklinacja& d, const TTematy& t)
{
    if (d.Lemma == "rok")
        return {"latami", "laty"};
    if (d.Pattern == "22")
        return {Rewritten(t.Plural, "ci=ćmi"_pl), {}};
    if (d.Pattern == "23")
        return {ValueOf(d.Lemma, "oko=oczyma,ucho=uszami"), ValueOf(d.Lemma, "oko=oczami,ucho=uszyma")};
    return FromPluralStems(t, "ami");
}

// Feminine nouns in "-a" declined like adjectives ("księgowa").
void FeminineAdjectival(TDeklinacja& d, const string& s)
{
    const string& lemma = d.Lemma;
    d[0] = {lemma, {}};
    d[1] = {s + "ej", {}};
    d[2] = d[1];
    d[3] = {RewrittenOr(lemma, "a=ą"_pl, lemma), {}};
    d[4] = d[3];
    d[5] = d[1];
    d[6] = d[0];
    d[7] = {s + "e", {}};
    d[8] = {Rewritten(s, "i=ich,l=lich,=ych"), {}};
    d[9] = {Rewritten(s, "i=im,l=lim,=ym"), {}};
    d[10] = d[7];
    d[11] = {Rewritten(s, "i=imi,l=limi,=ymi"), {}};
    d[12] = d[8];
}

// Neuter nouns in "-e" declined like adjectives ("zdrowe", "wesołe").
void NeuterAdjectival(TDeklinacja& d, const string& s)
{
    const string& lemma = d.Lemma;
    d[0] = {lemma, {}};
    d[1] = {s + "go", {}};
    d[2] = {s + "mu", {}};
    d[3] = d[0];
    d[4] = {Rewritten(lemma, "le=lim,ie=im,e=ym"), {}};
    d[5] = d[4];
    d[6] = d[0];
    d[7] = d[0];
    d[8] = {Rewritten(lemma, "le=lich,ie=ich,e=ych"), {}};
    d[9] = d[4];
    d[10] = d[7];
    d[11] = {Rewritten(lemma, "le=limi,ie=imi,e=ymi"), {}};
    d[12] = d[8];
}

} // namespace

void DeclineNeuter(TDeklinacja& d)
{
    const TTematy t = NeuterStems(d);
    const string& s = t.Singular;
    const string& lemma = d.Lemma;
    const bool indeclinableSingular = d.PatternIn("<6><61>");

    d[0] = {lemma, {}};
    d[1] = {indeclinableSingular ? lemma : s + "a", {}};
    if (lemma == "południe"_pl)
        d[2] = {"południowi"_pl, "południu"_pl};
    else
        d[2] = {indeclinableSingular ? lemma : s + "u", {}};
    d[3] = d.Pattern == "41" ? d[1] : d[0];
    if (d.PatternIn("<2><21><22><23>"))
        d[4] = {Rewritten(s, "h=hem,ł=łem,=iem"_pl), {}};
    else
        d[4] = {indeclinableSingular ? lemma : Rewritten(s, "k=kiem,g=giem,=em"), {}};
    d[5] = {Locative(d, s), {}};
    d[6] = d[0];

    if (d.Pattern == "22")
        d[7] = {t.Plural, {}};
    else if (d.Pattern == "23")
        d[7] = {t.Plural + "y", {}};
    else
        d[7] = FromPluralStems(t, "a");
    d[8] = GenitivePlural(d, t);
    d[9] = FromPluralStems(t, "om");
    d[10] = d.Pattern == "41" ? d[8] : d[7];
    d[11] = InstrumentalPlural(d, t);
    d[12] = FromPluralStems(t, "ach");
}

void DeclineFeminineNeuterAdjectival(TDeklinacja& d)
{
    const bool feminine = d.Gender == 3;
    if (d.Pattern == "9") {
        for (auto& cell : d.Table.Cells)
            cell = {d.Lemma, {}};
        return;
    }
    string stem = d.Lemma;
    if (d.PatternIn("<97><98>"))
        stem = RewrittenOr(d.Lemma, feminine ? "ka=ki,ga=gi,a=" : "e=", d.Lemma);
    if (feminine)
        FeminineAdjectival(d, stem);
    else
        NeuterAdjectival(d, stem);
}

} // namespace velmar::genpl
