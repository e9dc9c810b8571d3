// Feminine declension (gender type 3).
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLRzeczownikWzory.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;
using std::string_view;

constexpr string_view kSoftEndingPatterns = "<5><51>";
constexpr string_view kConsonantPatterns = "<5><51><6><7>";
constexpr string_view kDativeInIe =
    "czna=cznie,szna=sznie,zda=ździe,da=dzie,ra=rze,sta=ście,ta=cie,cha=sze,ha=że,ła=le,"
    "zna=źnie,sna=śnie"_pl;

TKomorkaPl Genitive(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (d.PatternIn("<1><13><14><15><17><18>"))
        return {RewrittenOr(lemma, "la=li,ja=i,ia=i", s + "y"), {}};
    if (d.PatternIn("<11><161>")) {
        if (string ui = Rewritten(lemma, "ua=ui"); !ui.empty())
            return {ui, Rewritten(lemma, "ua=uy")};
        return {Rewritten(lemma, "la=li,sja=sji,cja=cji,zja=zji,jja=jji,ja=i,ia=ii,a=i"), {}};
    }
    if (d.Pattern == "449")
        return {Rewritten(lemma, "la=li,sja=sji,cja=cji,zja=zji,ja=i,ia=i,a=i"), {}};
    if (d.Pattern == "12")
        return {lemma, {}};
    if (d.PatternIn("<3><31><32><33><34><35><36><5>"))
        return {s + "i", {}};
    if (d.Pattern == "51")
        return {RewrittenOr(lemma, "j=i", s + "i"), {}};
    return {s + "y", {}};
}

TKomorkaPl Dative(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (EndsWith(lemma, "ua"))
        return {Rewritten(lemma, "ua=ui"), {}};
    if (lemma == "wataha")
        return {"wataże"_pl, "watasze"};
    if (lemma == "braha")
        return {"braże"_pl, "bradze"};
    if (d.PatternIn("<3><31><32><33><34><35><36>")) {
        if (string soft = Rewritten(lemma, "ka=ce,ga=dze,cha=sze"); !soft.empty())
            return {soft, {}};
        return d[1];
    }
    // The rules read the stem with "-a", so that a masculine noun in "-o" takes them too
    // ("tato": "tacie").
    const string inA = s + "a";
    if (d.PatternIn("<4><41><43><44><441><448><45><46><47>"))
        return {RewrittenOr(inA, kDativeInIe, s + "ie"), {}};
    if (d.Pattern == "42")
        return {Inner(RewrittenOr(inA, kDativeInIe, s + "ie"), "a=e", 1), {}};
    return d[1];
}

TKomorkaPl NominativePlural(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (string form = Rewritten(lemma, "ansa=anse"); !form.empty())
        return {form, {}};
    if (EndsWith(lemma, "ua"))
        return {Rewritten(lemma, "ua=uy"), {}};
    if (d.PatternIn("<1><11><12><13><14><15><17><18><2><23><25><26><27><28><6>"))
        return {s + "e", {}};
    if (d.PatternIn("<21><4><41><42><43><448><7>"))
        return {s + "y", {}};
    if (d.PatternIn("<22><45><36><161>"))
        return {s + "owie", {}};
    if (d.PatternIn("<3><31><32><35><5>"))
        return {s + "i", lemma == "czeluść"_pl ? s + "ie" : string()};
    if (d.Pattern == "33")
        return {Rewritten(lemma, "ka=ce"), {}};
    if (d.Pattern == "34")
        return {Rewritten(lemma, "ka=cy,ga=dzy"), {}};
    if (d.Pattern == "44")
        return {Rewritten(lemma, "sta=ści,ta=ci,zda=ździ,da=dzi,ra=rzy,a=y,zo=zi"_pl), {}};
    if (d.PatternIn("<45><46>"))
        return {Rewritten(lemma, "zna=źni"_pl), {}};
    if (d.Pattern == "51")
        return {Rewritten(s, "l=le,j=je,=ie"), {}};
    if (d.Pattern == "449")
        return {ValueOr(lemma, "dziadzia=dziadziowie", s + "e"), {}};
    if (d.Pattern == "47")
        return {InTagList(lemma, "<dławiduda><kauzyperda>"_pl) ? s + "zi" : s + "y", {}};
    if (d.Pattern == "441")
        return {RewrittenOr(lemma, "pa=pi", s + "y"), {}};
    return {};
}

string GenitivePluralMobile(const TDeklinacja& d)
{
    if (string word = ValueOf(d.Lemma, "wanna=wanien,rynna=rynien,królewna=królewien,ćma=ciem,"
                                       "trumna=trumien,grzywna=grzywien,"_pl);
        !word.empty())
        return word;
    if (string word = Rewritten(d.Lemma, "wna=wien"); !word.empty())
        return word;
    return WithMobileVowel(d.Stem);
}

TKomorkaPl GenitivePlural(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (d.Pattern == "1")
        return {Rewritten(lemma, "la=l,nia=ń,sia=ś,zia=ź,cia=ć,ja=j,ia=,a="_pl), {}};
    if (d.PatternIn("<11><5><51><6><7>"))
        return Genitive(d);
    if (d.Pattern == "12")
        return {Rewritten(lemma, "ni=ń"_pl), {}};
    if (d.Pattern == "13")
        return {Inner(Rewritten(lemma, "la=l,nia=ń,sia=ś,zia=ź,cia=ć,ia=,a="_pl), "o=ó"_pl, 1), {}};
    if (d.PatternIn("<17><18>"))
        return {Rewritten(lemma, "ia=i,a="), {}};
    if (d.Pattern == "2")
        return {ValueOr(lemma, "msza=mszy,loża=lóż,zorza=zórz,owca=owiec"_pl, s), {}};
    if (d.PatternIn("<21><22><23><35><36><161><44><45><47>"))
        return {s + "ów"_pl, {}};
    if (d.Pattern == "25")
        return {Rewritten(lemma, "a=y"), {}};
    if (d.Pattern == "26")
        return {Rewritten(lemma, "a="), Rewritten(lemma, "a=y")};
    if (d.Pattern == "27")
        return {Inner(Rewritten(lemma, "a="), "o=ó"_pl, 1), {}};
    if (d.Pattern == "28")
        return {InsertBeforeLastConsonant(Rewritten(lemma, "a="), "ie"), {}};
    if (d.Pattern == "3")
        return {RewrittenOr(s,
                            "ćk=ciek,ńk=niek,śk=siek,źk=ziek,ek=ek,k=ek,ćk=ciek,ńg=nieg,"
                            "śg=sieg,źg=zieg,eg=eg,g=eg"_pl,
                            s),
                {}};
    if (d.PatternIn("<4><42><46>"))
        return {s, {}};
    if (d.Pattern == "31")
        return {RewrittenOr(lemma, "łka=łek"_pl, s), {}};
    if (d.PatternIn("<32><33><43>"))
        return {Inner(s, "ę=ą,o=ó"_pl, 1), {}};
    if (d.Pattern == "34")
        return lemma == "kaleka" ? TKomorkaPl{"kalek", {}} : TKomorkaPl{s + "ów"_pl, s};
    if (d.PatternIn("<41><14>"))
        return {GenitivePluralMobile(d), {}};
    if (d.Pattern == "15")
        return {ValueOr(lemma,
                        "suknia=sukien,stajnia=stajen,studnia=studzien,wiśnia=wisien,"
                        "kuchnia=kuchen"_pl,
                        RewrittenOr(lemma, "nia=en"_pl, s)),
                {}};
    if (d.Pattern == "441")
        return {s + "ów"_pl, {}};
    if (d.Pattern == "448")
        return {s + "ów"_pl, s};
    if (d.Pattern == "449") {
        if (lemma == "cieśla"_pl)
            return {"cieśli"_pl, "cieślów"_pl};
        if (lemma == "mądrala"_pl)
            return {"mądrali"_pl, "mądralów"_pl};
        if (string word = ValueOf(lemma, "dziadzia=dziadziów,kaznodzieja=kaznodziejów"_pl); !word.empty())
            return {word, {}};
    }
    return Genitive(d);
}

TKomorkaPl InstrumentalPlural(const TDeklinacja& d)
{
    const string& lemma = d.Lemma;
    if (lemma == "skroń"_pl)
        return {"skrońmi"_pl, "skroniami"};
    if (lemma == "gałąź"_pl)
        return {"gałęźmi"_pl, "gałęziami"_pl};
    if (lemma == "ręka"_pl)
        return {"rękoma"_pl, "rękami"_pl};
    if (string word = ValueOf(lemma, "kość=kośćmi,dłoń=dłońmi,nić=nićmi"_pl); !word.empty())
        return {word, {}};
    if (d.PatternIn(kSoftEndingPatterns))
        return {Rewritten(d.Stem, "l=lami,j=jami,=iami"), {}};
    return {d.Stem + "ami", {}};
}

} // namespace

void DeclineFeminine(TDeklinacja& d)
{
    if (d.PatternIn(kConsonantPatterns))
        ApplyStemAlternation(d, false);
    d.Stem = RewrittenOr(d.Stem, d.PatternIn(kSoftEndingPatterns) ? "ć=c,ś=s,ź=z,ń=n"_pl : "a=,o=", d.Stem);
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    const bool soft = d.PatternIn(kSoftEndingPatterns);

    d[0] = {lemma, {}};
    d[1] = Genitive(d);
    d[2] = Dative(d);
    if (d.PatternIn(kConsonantPatterns))
        d[3] = {lemma, {}};
    else if (d.Pattern == "12")
        d[3] = {ValueOr(lemma, "pani=panią"_pl, s + "ę"_pl), {}};
    else
        d[3] = {s + "ę"_pl, {}};
    d[4] = {soft ? Rewritten(s, "l=lą,j=ją,=ią"_pl) : s + "ą"_pl, {}};
    d[5] = {d[2].Forma, lemma == "ręka"_pl ? string("ręku"_pl) : d[2].Alternatywa};
    if (d.Pattern == "12")
        d[6] = {lemma, {}};
    else if (d.PatternIn(kConsonantPatterns))
        d[6] = d[1];
    // "-u" for the endearing soft names too ("babciu", "mamusiu", "Kasiu", "nianiu").
    else if (d.HasAlternation("088") || EndsWithAny(lemma, "cia,sia,zia") || lemma == "niania")
        d[6] = {s + "u", {}};
    else
        d[6] = {s + "o", {}};

    d[7] = NominativePlural(d);
    d[8] = GenitivePlural(d);
    d[9] = {soft ? Rewritten(s, "l=lom,j=jom,=iom") : s + "om", {}};
    d[10] = d.PatternIn("<21><22><23><34><44><45><46><441><442><448><449>") ? d[8] : d[7];
    d[11] = InstrumentalPlural(d);
    d[12] = {soft ? Rewritten(s, "l=lach,j=jach,=iach") : s + "ach", {}};
}

std::string WithMobileVowel(const std::string& stem)
{
    if (stem.empty())
        return stem;
    const string rest = stem.substr(0, stem.size() - 1);
    const bool afterVelar = EndsWith(rest, "g") || EndsWith(rest, "k") || EndsWith(rest, "pan");
    return rest + (afterVelar ? "ie" : "e") + stem.back();
}

} // namespace velmar::genpl
