// Imperative, passive participle and verbal noun rules of each conjugation class.
#include "core/generators/untGenPLCzasownikReguly.h"
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;
using std::string_view;

constexpr string_view kImperative61 =
    "bździć=bździj,chrzcić=chrzcij,mglić=mglij,solić=sól,wgłębić=wgłęb,bluźnić=bluźnij,"
    "czcić=czcij,chodzić=chodź,szkodzić=szkodź,wodzić=wódź,młodzić=młódź,godzić=gódź,grodzić=gródź,ozić=óź,"
    "odzić=ódź,zadowolić=zadowól,zwolić=zwól,zespolić=zespól,ćmić=ćmij,clić=clij,cnić=cnij,"
    "drwić=drwij,gzić=gzij,kpić=kpij,śnić=śnij,mdlić=mdlij,mścić=mścij,szklić=szklij,"
    "tkwić=tkwij,obić=ób,podlić=podlij,odlić=ódl,owić=ów,omić=om,olić=ól,oić=ój,nić=nij,"
    "cić=ć,sić=ś,zić=ź,eić=ej,aić=aj,ić="_pl;
constexpr string_view kImperative61Alt =
    "wgłębić=wgłąb,bluźnić=bluźń,wodzić=wodź,młodzić=młodź,grodzić=grodź,ozić=oź,odzić=odź,"
    "olić=ol"_pl;

constexpr string_view kPassivePlus1 =
    "siąść=siadły,przemleć=przemielony,emleć=mielony,mleć=mielony,pleć=pielony,"
    "bóść=bodzony,emrzeć=marły,mrzeć=marły,ewrzeć=warty,wrzeć=warty,przeżreć=przeżarty,"
    "eżreć=żarty,żreć=żarty"_pl;

TKomorkaPl Imperative61(const TKoniugacja& k)
{
    const string& l = k.Lemma;
    if (k.LemmaEnds("tlić"_pl))
        return {Rewritten(l, "tlić=tlij"_pl), {}};
    if (k.LemmaEndsAny("czernić,pełnić,drażnić,waśnić,przyjaźnić,powaśnić"_pl))
        return {Rewritten(l, "nić=nij"_pl), Rewritten(l, "nić=ń"_pl)};
    if (k.LemmaEndsAny("anić,enić,onić,unić,inić,ynić"_pl))
        return {Rewritten(l, "nić=ń"_pl), {}};
    const bool noAlternative = k.LemmaEndsAny("chrzcić,ćmić,mglić,solić,zwolić"_pl);
    return {Rewritten(l, kImperative61), noAlternative ? string() : Rewritten(l, kImperative61Alt)};
}

TKomorkaPl Imperative62(const TKoniugacja& k)
{
    const string& l = k.Lemma;
    if (k.LemmaEndsAny("przysporzyć,korzyć"_pl))
        return {Rewritten(l, "orzyć=órz"_pl), Rewritten(l, "orzyć=orz"_pl)};
    if (k.LemmaEndsAny("morzyć,tworzyć,sporzyć,upokorzyć"_pl))
        return {Rewritten(l, "orzyć=órz"_pl), {}};
    if (k.LemmaEnds("drożyć"_pl))
        return {Rewritten(l, "ożyć=óż"_pl), Rewritten(l, "ożyć=oż"_pl)};
    if (k.LemmaEndsAny("łożyć,mnożyć,trwożyć"_pl))
        return {Rewritten(l, "ożyć=óż"_pl), {}};
    if (k.LemmaEndsAny("wilżyć,lżyć,mżyć,mszyć,skrzyć,pstrzyć"_pl))
        return {Rewritten(l, "yć=yj"_pl), {}};
    return {k.ShortStem, {}};
}

TKomorkaPl ImperativeOfClass9(const TKoniugacja& k, const TKomorkaPl& p3)
{
    const string& l = k.Lemma;
    if (k.LemmaEnds("kaszleć"_pl))
        return {Rewritten(l, "kaszleć=kaszl"_pl), Rewritten(l, "kaszleć=kaszlaj"_pl)};
    if (string form = Rewritten(l, "łgać=łżyj,ssać=ssij,łżeć=łżyj,słać=ślij,rwać=rwij,zwać=zwij,"
                                   "stawać=stawaj,dawać=dawaj,znawać=znawaj,mamlać=mamlaj,mamleć=mamlaj"_pl);
        !form.empty())
        return {form, {}};
    return {Rewritten(p3.Forma, "ie=,e="), Rewritten(p3.Alternatywa, "ie=,e=")};
}

TKomorkaPl ImperativePlus1(const TKoniugacja& k, const TKomorkaPl& p3)
{
    const string& l = k.Lemma;
    string form = Rewritten(l, "rzeć=rzyj,żreć=żryj,prząść=prządź,trząść=trząś,bóść=bódź,"
                               "wzmóc=wzmóż,móc=móż"_pl);
    if (form.empty())
        form = Rewritten(p3.Forma, "zie=ź,sie=ś,cie=ć,nie=ń,e="_pl);
    return {form, k.LemmaEnds("bóść"_pl) ? Rewritten(l, "bóść=bodź"_pl) : string()};
}

TKomorkaPl Passive53(const TKoniugacja& k, const string& pastPluralOther)
{
    const string& l = k.Lemma;
    if (k.LemmaEndsAny("paść,rosnąć,róść,rzec"_pl))
        return {Rewritten(l, "paść=padły,rosnąć=rosły,róść=rosły,rzec=rzeczony"_pl),
                Rewritten(l, "paść=padnięty,rosnąć=rośnięty,róść=rośnięty,rzec=rzeknięty"_pl)};
    if (k.LemmaEnds("ec"))
        return {Rewritten(pastPluralOther, "ły=nięty"_pl), {}};
    return {Rewritten(l, "kraść=kradziony,blednąć=bladły,zdechnąć=zdechły,grząźć=grzęźnięty,"
                         "znąć=źnięty,nąć=nięty,ąc=ęgnięty"_pl),
            {}};
}

TKomorkaPl PassivePlus1(const TKoniugacja& k, const TKomorkaPl& p3, const string& pastMasculine)
{
    const string& l = k.Lemma;
    if (l == "zeprzeć")
        return {"sparty", {}};
    const string alternative = l == "zeżreć"_pl ? string("zeżarty"_pl) : string();
    if (string form = Rewritten(l, kPassivePlus1); !form.empty())
        return {form, alternative};
    if (k.LemmaEnds("rzeć"_pl))
        return {Rewritten(pastMasculine, "ł=ty"_pl), alternative};
    return {Rewritten(p3.Forma, "e=ony"), alternative};
}

TKomorkaPl PassivePlus3(const TKoniugacja& k)
{
    const string& l = k.Lemma;
    if (InTagList(l, "<być><pobyć><pozbyć><przybyć><ubyć><wybyć>"_pl))
        return {Rewritten(l, "być=były"_pl), {}};
    if (InTagList(l, "<dobyć><nabyć><obyć><odbyć><przebyć><wydobyć><wyzbyć><zbyć><zdobyć>"_pl))
        return {Rewritten(l, "być=byty"_pl), {}};
    return {Rewritten(l, "być=były,jeść=jedzony,mieć=miany"_pl), {}};
}

} // namespace

TKomorkaPl Imperative2Sg(const TKoniugacja& k, const TKomorkaPl& p3, const TKomorkaPl& p3pl)
{
    const string& l = k.Lemma;
    if (k.ClassIn("<1><11>"))
        return {k.Stem + "j", {}};
    if (k.ClassIn("<2><21><3><4><81><82><+01><+02>"))
        return {Rewritten(p3pl.Forma, "ą="_pl), Rewritten(p3pl.Alternatywa, "ą="_pl)};
    if (k.ClassIn("<51><53><54>"))
        return {Rewritten(p3.Forma, "cze=cz,e=j"), Rewritten(p3.Alternatywa, "cze=cz,e=j")};
    if (k.Class == "52")
        return {Rewritten(p3.Forma, "nie=ń"_pl), {}};
    if (k.Class == "61")
        return Imperative61(k);
    if (k.Class == "62")
        return Imperative62(k);
    if (k.Class == "72") {
        if (string form = ValueOf(l, "spojrzeć=spójrz"_pl); !form.empty())
            return {form, Rewritten(l, "jrzeć=jrzyj"_pl)};
        return {RewrittenOr(l, "jrzeć=jrzyj,drżeć=drżyj,rżeć=rżyj"_pl, k.ShortStem), {}};
    }
    if (k.Class == "71")
        return {ValueOr(l, "widzieć=zobacz,woleć=wól"_pl,
                        Rewritten(l, "bździeć=bździj,cieć=ć,zieć=ź,sieć=ś,rzmieć=rzmij,"
                                     "pomnieć=pomnij,nieć=ń,ieć=,leć=l"_pl)),
                {}};
    if (k.Class == "91")
        return {Rewritten(l, "słać=ściel,rać=rz"_pl), {}};
    if (k.Class == "9")
        return ImperativeOfClass9(k, p3);
    if (k.Class == "+03")
        return {RewrittenOr(l, "wziąć=weź"_pl, Rewritten(p3.Forma, "e=j")), {}};
    if (k.Class == "+51")
        return {Rewritten(l, "stać=stój"_pl), {}};
    if (k.Class == "+52")
        return {Rewritten(l, "stać=stań"_pl), {}};
    if (k.Class == "+1")
        return ImperativePlus1(k, p3);
    if (k.Class == "+2")
        return {Rewritten(l, "ść=dź,naleźć=najdź,nieć=nij,jechać=jedź,chcieć=chciej,spać=śpij,"
                             "bać=bój"_pl),
                {}};
    if (k.Class == "+3")
        return {Rewritten(l, "być=bądź,jeść=jedz,mieć=miej"_pl), {}};
    if (k.Class == "+11")
        return {Rewritten(l, "wrzeć=wrzyj"_pl), {}};
    return {};
}

TKomorkaPl PassiveParticiple(const TKoniugacja& k, const TKomorkaPl& p3, const TKomorkaPl& p3pl,
                             const string& pastMasculine, const string& pastPluralOther)
{
    const string& l = k.Lemma;
    if (k.ClassIn("<1><11><4><81><82><91><+02><+51><+52>"))
        return {Rewritten(l, "ć=ny"_pl), {}};
    if (k.Class == "9")
        return {Rewritten(l, "leć=lany,ć=ny"_pl), {}};
    if (k.ClassIn("<2><21><71><72><+11>"))
        return {Rewritten(l, "eć=any"_pl), {}};
    if (k.Class == "3")
        return {Rewritten(l, "eć=ały"_pl), {}};
    if (k.ClassIn("<51><52>"))
        return {Rewritten(l, "snąć=śnięty,rznąć=rznięty,znąć=źnięty,nąć=nięty,ąć=ęty"_pl), {}};
    if (k.Class == "53")
        return Passive53(k, pastPluralOther);
    if (k.Class == "54")
        return {Rewritten(l, "ląc=lęknięty"_pl), {}};
    if (k.ClassIn("<61><62>")) {
        const string soft = Rewritten(p3pl.Forma, "ą=ony"_pl);
        if (string form = Rewritten(l, "słonić=słonięty"_pl); !form.empty())
            return {form, soft};
        return {soft, {}};
    }
    if (k.Class == "+01")
        return {Rewritten(l, "ć=ty"_pl), {}};
    if (k.Class == "+03")
        return {Rewritten(l, "ąć=ęty"_pl), {}};
    if (k.Class == "+1")
        return PassivePlus1(k, p3, pastMasculine);
    if (k.Class == "+2") // "iść" has neither participle nor verbal noun
        return {Rewritten(l, "ać=any,eć=any,źć=ziony,pójść=poszły,jść=szły"_pl), {}};
    if (k.Class == "+3")
        return PassivePlus3(k);
    return {};
}

TKomorkaPl VerbalNoun(const TKoniugacja& k, const TKomorkaPl& passive)
{
    const string& l = k.Lemma;
    if (string noun = Rewritten(l, "rosnąć=rośnięcie,róść=rośnięcie,dzieć=dzenie,zieć=żenie,"
                                   "sieć=szenie,cieć=cenie"_pl);
        !noun.empty())
        return {noun, {}};
    string noun;
    if (k.Class == "+3")
        noun = Rewritten(passive.Forma, "miany=mienie");
    else if (k.Class == "+1")
        noun = Rewritten(l, "ewrzeć=warcie,wrzeć=warcie"_pl);
    else if (k.Class == "+11")
        noun = Rewritten(l, "wrzeć=wrzenie"_pl);
    else if (k.ClassIn("<3><71><72>"))
        noun = Rewritten(l, "ć=nie"_pl);
    else if (k.Class == "2")
        noun = Rewritten(l, "eć=enie"_pl); // "rozumienie", though the participle is "rozumiany"
    else if (k.Class == "53")
        noun = Rewritten(l, "snąć=śnięcie,znąć=źnięcie,nąć=nięcie"_pl);
    else if (k.Class == "+2")
        noun = Rewritten(l, "chcieć=chcenie,pachnieć=pachnienie"_pl);
    if (!noun.empty())
        return {noun, {}};
    constexpr string_view kFromPassive =
        "ciony=cenie,dziony=dzenie,ony=enie,any=anie,ty=cie,siadły=siądnięcie,poszły=pójście,"
        "szły=jście,ły=cie"_pl;
    return {Rewritten(passive.Forma, kFromPassive), Rewritten(passive.Alternatywa, kFromPassive)};
}

} // namespace velmar::genpl
