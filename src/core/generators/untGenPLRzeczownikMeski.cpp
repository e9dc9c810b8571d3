// Masculine declension (gender types 0–2): the stem alternations, the regular
// patterns and the nouns declined like adjectives.
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLRzeczownikWzory.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;
using std::string_view;

struct TAlternacja {
    string_view Code;
    string_view Rules;
    int Width;
    bool MasculineOnly;
};

constexpr TAlternacja kAlternacje[] = {
    {"01", "e=", 1, false},     {"02", "ie=", 2, false},
    {"03", "ze=", 2, false},    {"04", "nie=ń,sie=ś,zie=ź,cie=ć"_pl, 3, false},
    {"05", "ó=o"_pl, 1, false}, {"06", "ą=ę"_pl, 1, false},
    {"071", "dzie=d", 4, true}, {"072", "cie=t", 3, true},
};

constexpr string_view kStemsMasculine07 = "ojciec=ojc,kozioł=kozł,osioł=osł,kocioł=kotł,chrzest=chrzt,dech=tch,"
                                          "przeddzień=przededni,deszcz=dżdż,tydzień=tygodni"_pl;

// The plural cells that whole words take whatever their pattern.
constexpr string_view kNomPlWords = "Polak=Polacy,człowiek=ludzie,praczłowiek=praludzie,podczłowiek=podludzie,"
                                    "nadczłowiek=nadludzie,rok=lata,diabeł=diabli,ojciec=ojcowie"_pl;
constexpr string_view kGenPlWords = "miesiąc=miesięcy,tysiąc=tysięcy,pieniądz=pieniędzy,zając=zajęcy,człowiek=ludzi,"
                                    "praczłowiek=praludzi,podczłowiek=podludzi,nadczłowiek=nadludzi,rok=lat"_pl;
// The short dative in "-u" of a few old masculine nouns, whatever their code says.
constexpr string_view kDatSgWords = "pan=panu,świat=światu,kot=kotu,ojciec=ojcu,brat=bratu,chłop=chłopu,"
                                    "bóg=bogu,Bóg=Bogu,diabeł=diabłu,kat=katu,ksiądz=księdzu,lew=lwu,"
                                    "chłopiec=chłopcu,osioł=osłu,łeb=łbu"_pl;
constexpr string_view kDatPlWords = "człowiek=ludziom,praczłowiek=praludziom,podczłowiek=podludziom,"
                                    "nadczłowiek=nadludziom,rok=latom"_pl;
constexpr string_view kInsPlWords = "gość=gośćmi,liść=liśćmi,pieniądz=pieniędzmi,koń=końmi,człowiek=ludźmi,"
                                    "praczłowiek=praludźmi,podczłowiek=podludźmi,nadczłowiek=nadludźmi"_pl;
constexpr string_view kLocPlWords = "człowiek=ludziach,praczłowiek=praludziach,podczłowiek=podludziach,"
                                    "nadczłowiek=nadludziach,rok=latach"_pl;
constexpr string_view kIrregularPlural = "<15><16><46>";
// Nouns in "-anin" whose genitive plural keeps the ending of the nouns in "-an".
constexpr string_view kGenPlInAnow = "muzułmanin=muzułmanów,augustianin=augustianów,bazylianin=bazylianów,"
                                     "nestorianin=nestorianów,norbertanin=norbertanów,pretorianin=pretorianów,"
                                     "sercanin=sercanów"_pl;

// The plural of the nouns in "-anin" drops the "-in" ("Marsjanie", "Marsjanom"); the
// stem itself for every other noun.
string PluralStemInAnin(const TDeklinacja& d)
{
    return d.Pattern == "5" ? RewrittenOr(d.Stem, "anin=an", d.Stem) : d.Stem;
}

void SingularCases(TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    d[0] = {lemma, {}};

    if (d.Gender == 1) {
        if (d.HasAlternation("091"))
            d[1] = {s + "a", s + "u"};
        else if (d.PatternIn("<1><11><14><15><16><2><3><31><32><35><36><4><42><44><45><46><5>"))
            d[1] = {s + "a", {}};
        else if (d.PatternIn("<12><13><21><33><339><34><41><43><48>"))
            d[1] = {s + "u", {}};
        else if (d.Pattern == "411")
            d[1] = {s + "a", s + "u"};
        else if (d.Pattern == "412")
            d[1] = {s + "u", s + "a"};
        else if (d.Pattern == "47")
            d[1] = {ValueOr(lemma, "kościół=kościoła,świat=świata,sąsiad=sąsiada"_pl, s + "u"), {}};
    } else {
        d[1] = {ValueOr(lemma, "wół=wołu"_pl, s + "a"), {}};
    }

    if (string word = ValueOf(lemma, kDatSgWords); !word.empty()) {
        d[2] = {word, {}};
    } else if (d.HasAlternation("092")) {
        d[2] = {s + "u", s + "owi"};
    } else {
        const string rest = DeleteAll(d.Alternations, {"081", "082", "086"});
        d[2] = {rest.find("08") != string::npos ? s + "u" : s + "owi", {}};
    }

    d[3] = d.Gender == 1 ? d[0] : d[1];

    if (d.PatternIn("<32><33><35>"))
        d[4] = {s + "iem", {}};
    else
        d[4] = {Rewritten(s, "k=kiem,g=giem,=em"), {}};

    if (d.PatternIn("<4><41><411><412><42><43><44><441><442><45><46><47><48><5>")) {
        string loc = Rewritten(s, "sł=śle,zł=źle,ł=le,sn=śnie,zn=źnie,st=ście,t=cie,zd=ździe,"
                                  "d=dzie,r=rze,=ie"_pl);
        if (d.PatternIn("<45><47>"))
            loc = Inner(loc, "o=e,a=e", 1);
        d[5] = {loc, {}};
    } else {
        d[5] = {s + "u", {}};
    }

    if (string voc = ValueOf(lemma, "Chrystus=Chryste,lud=ludu,dziad=dziadu,Kozak=Kozacze,pan=panie,bóg=boże,Bóg=Boże,"
                                    "ojciec=ojcze,chłopiec=chłopcze"_pl);
        !voc.empty()) {
        d[6] = {voc, {}};
    } else {
        string soft;
        if (d.HasAlternation("086") && ApplyEndingRules(s, "c=cze,g=że,k=cze"_pl, soft))
            voc = soft;
        else if (d.PatternStarts('4') || d.PatternStarts('5'))
            voc = d[5].Forma;
        else if (d.Pattern == "16")
            voc = "księże"_pl;
        else
            voc = s + "u";
        d[6] = {voc, ValueOf(lemma, "Jezus=Jezu")};
    }
}

TKomorkaPl NominativePlural(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (lemma == "dzień"_pl)
        return {"dni", "dnie"};
    if (lemma == "śmieć"_pl)
        return {"śmieci"_pl, "śmiecie"_pl};
    if (string word = ValueOf(lemma, kNomPlWords); !word.empty())
        return {word, {}};
    if (d.PatternIn("<1><11><12><13><15><2><21><22>"))
        return {s + "e", {}};
    if (d.PatternIn("<14><35>"))
        return {s + "owie", {}};
    if (d.Pattern == "16")
        return {"księża"_pl, {}};
    if (d.Pattern == "3")
        return {ValueOr(lemma, "Czech=Czesi,Włoch=Włosi,mnich=mnisi"_pl, s + "y"), {}};
    if (d.Pattern == "31")
        return {Rewritten(s, "k=cy,g=dzy,c=cy"), s + "owie"};
    if (d.Pattern == "311")
        return {Rewritten(s, "k=cy,g=dzy,c=cy"), {}};
    if (d.PatternIn("<32><33>"))
        return {s + "i", {}};
    if (d.PatternIn("<34><4><41><411><412>"))
        return {s + "y", {}};
    if (d.Pattern == "36")
        return {s + "zy", {}};
    if (d.Pattern == "339")
        return {Rewritten(s, "rok=lata"), {}};
    if (d.Pattern == "42")
        return {s + "zy", s + "owie"};
    if (d.Pattern == "43")
        return {Rewritten(s, "st=ści,d=dzi,r=rzy,t=ci,=i"_pl), {}};
    if (d.Pattern == "44")
        return {s + "owie", s + "y"};
    if (d.Pattern == "441")
        return {s + "owie", {}};
    if (d.Pattern == "45")
        return {Rewritten(lemma, "anioł=aniołowie"_pl), Rewritten(lemma, "anioł=anieli"_pl)};
    if (d.Pattern == "46")
        return {ValueOf(lemma, "brat=bracia"), {}};
    if (d.Pattern == "48")
        return {s + "e", s + "y"};
    if (d.Pattern == "47")
        return {ValueOr(lemma, "sąsiad=sąsiedzi"_pl, s + "y"), {}};
    if (d.Pattern == "5")
        return {Rewritten(lemma, "nin=nie,n=nie"), {}};
    return {};
}

// The genitive plural of the soft patterns: "-i" after "l", "j" and a softened stem
// ("handli", "koni"), "-y" after a hardened consonant ("kluczy", "noży"), "-ów"
// elsewhere ("palców", "czwartków").
TKomorkaPl SoftGenitivePlural(const string& s)
{
    if (string soft = Rewritten(s, "l=li,j=i"); !soft.empty())
        return {soft, s + "ów"_pl};
    if (EndsWith(s, "i"))
        return {s, {}};
    if (EndsWithAny(s, "cz,sz,rz,ż,dż"_pl))
        return {s + "y", s + "ów"_pl};
    return {s + "ów"_pl, {}};
}

TKomorkaPl GenitivePlural(const TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    if (string word = ValueOf(lemma, kGenPlWords); !word.empty())
        return {word, {}};
    if (d.PatternIn("<1><11><13>"))
        return SoftGenitivePlural(s);
    if (d.Pattern == "15")
        return {ValueOf(lemma, "nieprzyjaciel=nieprzyjaciół,przyjaciel=przyjaciół"_pl), {}};
    if (d.Pattern == "16")
        return {"księży"_pl, {}};
    if (d.Pattern == "21")
        return {s + "ów"_pl, s + "y"};
    if (d.Pattern == "2") {
        if (EndsWithAny(lemma, "rz,ż,sz,acz"_pl))
            return {s + "y", s + "ów"_pl};
        return {s + "ów"_pl, s + "y"};
    }
    if (d.Pattern == "339")
        return {Rewritten(s, "rok=lat"), {}};
    if (d.Pattern == "46")
        return {ValueOf(lemma, "brat=braci"), {}};
    if (d.Pattern == "5") {
        if (string word = ValueOf(lemma, kGenPlInAnow); !word.empty())
            return {word, {}};
        if (string word = Rewritten(lemma, "an=anów"_pl); !word.empty())
            return {word, {}};
        // "Amerykanów", "Meksykanów" beside the plain stem of "Rosjan", "Marsjan".
        const string plural = PluralStemInAnin(d);
        if (EndsWith(lemma, "kanin"))
            return {plural + "ów"_pl, plural};
        return {plural, {}};
    }
    return {s + "ów"_pl, {}};
}

void PluralCases(TDeklinacja& d)
{
    const string s = PluralStemInAnin(d);
    const string& lemma = d.Lemma;
    d[7] = NominativePlural(d);
    d[8] = GenitivePlural(d);

    if (string word = ValueOf(lemma, kDatPlWords); !word.empty())
        d[9] = {word, {}};
    else if (d.Pattern == "339")
        d[9] = {Rewritten(s, "rok=latom"), {}};
    else if (d.PatternIn(kIrregularPlural))
        d[9] = {ValueOf(lemma, "przyjaciel=przyjaciołom,nieprzyjaciel=nieprzyjaciołom,"
                               "ksiądz=księżom,brat=braciom"_pl),
                {}};
    else
        d[9] = {s + "om", {}};

    d[10] = d.Gender == 0 ? d[8] : d[7];

    if (lemma == "gwóźdź"_pl)
        d[11] = {"gwoździami"_pl, "gwoźdźmi"_pl};
    else if (lemma == "rok")
        d[11] = {"latami", "laty"};
    else if (string word = ValueOf(lemma, kInsPlWords); !word.empty())
        d[11] = {word, {}};
    else if (d.Pattern == "339")
        d[11] = {Rewritten(s, "rok=latami"), {}};
    else if (d.PatternIn(kIrregularPlural))
        d[11] = {ValueOf(lemma, "przyjaciel=przyjaciółmi,nieprzyjaciel=nieprzyjaciółmi,"
                                "ksiądz=księżmi,brat=braćmi"_pl),
                 {}};
    else
        d[11] = {s + "ami", {}};

    if (string word = ValueOf(lemma, kLocPlWords); !word.empty())
        d[12] = {word, {}};
    else if (d.Pattern == "339")
        d[12] = {Rewritten(s, "rok=latach"), {}};
    else if (d.PatternIn(kIrregularPlural))
        d[12] = {ValueOf(lemma, "przyjaciel=przyjaciołach,nieprzyjaciel=nieprzyjaciołach,"
                                "ksiądz=księżach,brat=braciach"_pl),
                 {}};
    else
        d[12] = {s + "ach", {}};
}

// Nouns declined like adjectives: "-y"/"-i" (pattern 61, 97, 98), "-e" (96) and "-a" (62).
void AdjectiveLike(TDeklinacja& d)
{
    const string& s = d.Stem;
    const string& lemma = d.Lemma;
    d[0] = {lemma, {}};
    d[1] = {s + "ego", {}};
    d[2] = {s + "emu", {}};
    d[3] = d.Gender == 1 ? d[0] : d[1];
    d[4] = {lemma + "m", {}};
    d[5] = d[4];
    d[6] = d[0];
    if (d.Pattern == "96") {
        d.Table.NoPlural = true;
        return;
    }
    if (d.Pattern == "61")
        d[7] = {s + "owie", {}};
    else if (d.Gender == 0)
        d[7] = {Rewritten(lemma, "ki=cy,gi=dzy,chy=si,hy=si,cy=cy,czy=czy,dy=dzi,sły=śli,zły=źli,"
                                 "ły=li,ony=oni,zny=źni,sny=śni,ry=rzy,szy=si,sty=ści,ty=ci,"
                                 "ży=zi,y=i,i=i"_pl),
                {}};
    else
        d[7] = {s + "e", {}};
    d[8] = {lemma + "ch", {}};
    d[9] = {lemma + "m", {}};
    d[10] = d.Gender == 0 ? d[8] : d[7];
    d[11] = {lemma + "mi", {}};
    d[12] = d[8];
}

// Masculine nouns in "-a" declined like adjectives in the singular ("sędzia").
void AdjectiveLikeInA(TDeklinacja& d)
{
    const string& s = d.Stem;
    d[0] = {d.Lemma, {}};
    d[1] = {s + "ego", s};
    d[2] = {s + "emu", s};
    d[3] = d[1];
    d[4] = {s + "ą"_pl, {}};
    d[5] = {s, {}};
    d[6] = {s + "o", {}};
    d[7] = {s + "owie", {}};
    d[8] = {s + "ów"_pl, {}};
    d[9] = {s + "om", {}};
    d[10] = d[7];
    d[11] = {s + "ami", {}};
    d[12] = {s + "ach", {}};
}

} // namespace

void ApplyStemAlternation(TDeklinacja& d, bool masculine)
{
    for (const auto& alternacja : kAlternacje) {
        if (alternacja.MasculineOnly && !masculine)
            continue;
        if (d.HasAlternation(alternacja.Code)) {
            ApplyInnerRule(alternacja.Rules, alternacja.Width, d.Stem);
            return;
        }
    }
    if (d.HasAlternation("07"))
        d.Stem = ValueOr(d.Lemma, masculine ? kStemsMasculine07 : "cześć=czc"_pl, d.Stem);
}

void DeclineMasculine(TDeklinacja& d)
{
    ApplyStemAlternation(d, true);
    if (d.PatternIn("<1><11><12><13><14><15><16>"))
        ApplyEndingRules(d.Stem, "p=pi,b=bi,f=fi,w=wi,m=mi,ć=ci,ś=si,ź=zi,ń=ni"_pl);
    if (EndsWith(d.Stem, "o"))
        d.Stem.pop_back();
    SingularCases(d);
    PluralCases(d);
}

void DeclineMasculineInA(TDeklinacja& d)
{
    DeclineFeminine(d);
    d[10] = d.Gender == 0 ? d[8] : d[7];
}

void DeclineMasculineInE(TDeklinacja& d)
{
    DeclineNeuter(d);
    d[3] = d.Gender == 1 ? d[0] : d[1];
    d[10] = d.Gender == 0 ? d[8] : d[7];
}

void DeclineMasculineAdjectival(TDeklinacja& d)
{
    if (d.Pattern == "6")
        d.Pattern = EndsWith(d.Lemma, "a") ? "62" : "61";
    if (d.PatternIn("<97><98><61>"))
        d.Stem = RewrittenOr(d.Stem, "y=,li=l", d.Stem);
    else if (d.Pattern == "62")
        d.Stem = RewrittenOr(d.Stem, "a=", d.Stem);
    else if (d.Pattern == "96")
        d.Stem = RewrittenOr(d.Stem, "e=", d.Stem);

    if (d.Pattern == "9") {
        for (auto& cell : d.Table.Cells)
            cell = {d.Lemma, {}};
    } else if (d.PatternIn("<96><97><98><61>")) {
        AdjectiveLike(d);
    } else if (d.Pattern == "62") {
        AdjectiveLikeInA(d);
    }
}

} // namespace velmar::genpl
