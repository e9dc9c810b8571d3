// Present and past tense rules of each conjugation class.
#include "core/generators/untGenPLCzasownikReguly.h"
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar::genpl {

namespace {

using std::string;
using std::string_view;

// The "-nie" verbs of classes 51 and 53 (and the past of "-c" verbs beside them).
constexpr string_view kPresentNasal =
    "snąć=śnie,marznąć=marznie,znąć=źnie,ąć=ie,grząźć=grzęźnie,prząc=przęgnie,paść=padnie,"
    "kraść=kradnie,przysiąc=przysięgnie,lec=legnie,róść=rośnie,ść=dnie,biec=biegnie,"
    "ciec=cieknie,ląc=lęgnie,sprząc=sprzęgnie,żec=żegnie,rzec=rzeknie,ec=eknie,ąc=ęgnie"_pl;

constexpr string_view kPresent9 =
    "przebrać=przebierze,wezbrać=wzbierze,ebrać=bierze,brać=bierze,prać=pierze,bać=bie,"
    "pać=pie,mać=mie,dawać=daje,awać=aje,skać=szcze,stać=szcze,zdać=żdże,słać=śle,wać=wie,"
    "gać=że,kać=cze,rać=rze,ssać=ssie,sać=sze,zać=że,tać=cze,lać=le,leć=le,łać=le,jać=je"_pl;

constexpr string_view kPresentPlus03 =
    "wziąć=weźmie,obciąć=obetnie,objąć=obejmie,dciąć=detnie,dgiąć=degnie,zdjąć=zdejmie,"
    "djąć=dejmie,zciąć=zetnie,wzdąć=wezdmie,rozdąć=rozedmie,zpiąć=zepnie,skląć=zeklnie,"
    "wspiąć=wespnie,wszcząć=weszcznie,spiąć=zepnie,ściąć=zetnie,wciąć=wetnie,wgiąć=wegnie,"
    "wpiąć=wepnie,zgiąć=zegnie,zmiąć=zemnie,zżąć=zeżnie,jąć=jmie,dąć=dmie,ciąć=tnie,"
    "iąć=nie,ąć=nie"_pl;

constexpr string_view kPresentPlus1 =
    "siąść=siądzie,gnieść=gniecie,nieść=niesie,mieść=miecie,wieść=wiedzie,pleść=plecie,"
    "kłaść=kładzie,prząść=przędzie,bóść=bodzie,paść=pasie,trząść=trzęsie,ść=sie,źć=zie,"
    "móc=może,piec=piecze,siec=siecze,wlec=wlecze,oblec=oblecze,tłuc=tłucze,strzec=strzeże,"
    "strzyc=strzyże,c=cze,żreć=żre,przemleć=przemiele,emleć=miele,leć=iele,rzeć=rze"_pl;

constexpr string_view kFirstPersonSoft61 =
    "czci=czczę,rzci=rzczę,ździ=żdżę,dzi=dzę,ści=szczę,li=lę,ci=cę,ni=nię,si=szę,zi=żę,"
    "ei=eję,oi=oję,ai=aję,i=ię"_pl;
constexpr string_view kFirstPersonSoft71 =
    "czci=czczę,ździ=żdżę,dzi=dzę,ści=szczę,li=lę,ci=cę,ni=nę,si=szę,zi=żę,ei=eję,oi=oję,"
    "ai=aję,i=ię"_pl;
constexpr string_view kFirstPersonPlus1 =
    "niesie=niosę,gniecie=gniotę,miecie=miotę,wiedzie=wiodę,plecie=plotę,wiezie=wiozę,"
    "żre=żrę,dzie=dę,cie=tę,sie=sę,zie=zę,cze=kę,że=gę,rze=rę,re=rę,le=lę,e=ę"_pl;

constexpr string_view kPast53 = "paść=padł,kraść=kradł,róść=rósł,ść=dł,przysiąc=przysiągł,prząc=przągł,ląc=lągł,"
                                "ciec=ciekł,zaprząc=zaprzągł,biec=biegł,lec=legł,grząźć=grzązł,blednąć=bladł,"
                                "więdnąć=wiądł,lęknąć=ląkł,wziężnąć=wiązł,grzęznąć=grzązł,zdechnąć=zdechł,"
                                "przęgnąć=przągł,rosnąć=rósł,moknąć=mókł,ziębnąć=ziąbł,przysięgnąć=przysiągł,"
                                "chłodnąć=chłódł,lęgnąć=lągł,klęsnąć=kląsł,przeschnąć=przesechł,eschnąć=sechł,"
                                "schnąć=sechł,nąć=ł,rzec=rzekł,wściec=wściekł,c=kł"_pl;
constexpr string_view kPast53Alt =
    "więdnąć=więdnął,moknąć=moknął,ziębnąć=ziębnął,przeschnąć=przeschnął,eschnąć=eschnął,"
    "schnąć=schnął"_pl;
constexpr string_view kPastPlus1 =
    "kłaść=kładł,paść=pasł,prząść=prządł,bóść=bódł,siąść=siadł,trząść=trząsł,gnieść=gniótł,"
    "nieść=niósł,mieść=miótł,wieść=wiódł,pleść=plótł,wieźć=wiózł,leźć=lazł,gryźć=gryzł,"
    "ść=dł,źć=zł,wlec=wlókł,piec=piekł,siec=siekł,oblec=oblekł,strzec=strzegł,"
    "strzyc=strzygł,móc=mógł,tłuc=tłukł,c=kł,przemleć=przemełł,emleć=mełł,mleć=mełł,"
    "epleć=pełł,pleć=pełł,przeżreć=przeżarł,eżreć=żarł,żreć=żarł,emrzeć=marł,"
    "przedrzeć=przedarł,przetrzeć=przetarł,edrzeć=darł,zetrzeć=starł,etrzeć=tarł,"
    "eprzeć=parł,wesprzeć=wsparł,ewrzeć=warł,wrzeć=warł,rzeć=arł"_pl;
constexpr string_view kPastPlus2 = "ać=ał,eć=ał,leźć=lazł,iść=szedł,pójść=poszedł,wzejść=wzeszedł,przejść=przeszedł,"
                                   "ejść=szedł,jść=szedł"_pl;

// A rule with an alternative rule for the same lemma: both, when the first matches.
bool WithAlternative(string_view s, string_view rules, string_view altRules, TKomorkaPl& out)
{
    string form = Rewritten(s, rules);
    if (form.empty())
        return false;
    out = {form, Rewritten(s, altRules)};
    return true;
}

} // namespace

TKomorkaPl Present3Sg(const TKoniugacja& k)
{
    const string& l = k.Lemma;
    if (k.ClassIn("<1><11><2><61><62>"))
        return {k.Stem, {}};
    if (k.Class == "21")
        return {RewrittenOr(k.Stem, "dzie=", k.Stem), {}};
    if (k.ClassIn("<3><+01>"))
        return {k.Stem + "je", {}};
    if (k.Class == "4")
        return {Rewritten(l, "ować=uje"_pl), {}};
    if (k.Class == "81")
        return {Rewritten(l, "ywać=uje"_pl), {}};
    if (k.Class == "82")
        return {Rewritten(l, "liwać=liwuje,iwać=uje"_pl), {}};
    if (k.Class == "52")
        return {Rewritten(l, "ąć=ie"_pl), {}};
    if (k.ClassIn("<51><53>")) {
        TKomorkaPl out;
        if (WithAlternative(l, "przyoblec=przyobleknie", "przyoblec=przyoblecze", out) ||
            WithAlternative(l, "rzec=rzeknie", "rzec=rzecze", out))
            return out;
        return {Rewritten(l, kPresentNasal), {}};
    }
    if (k.Class == "54")
        return {Rewritten(l, "ląc=lęknie"_pl), {}};
    if (k.Class == "71")
        return {RewrittenOr(l, "leć=li"_pl, k.ShortStem), {}};
    if (k.Class == "72")
        return {k.ShortStem + "y", {}};
    if (k.Class == "9") {
        const string form = Rewritten(l, kPresent9);
        const bool hardT = k.LemmaEnds("tać"_pl) && !k.LemmaEnds("stać"_pl) && EndsWith(form, "cze");
        return {form, hardT ? Rewritten(l, "tać=ce"_pl) : string()};
    }
    if (k.Class == "91")
        return {Rewritten(l, "rać=rze,słać=ściele"_pl), {}};
    if (k.Class == "+02")
        return {k.ShortStem + "eje", {}};
    if (k.Class == "+03")
        return {Rewritten(l, kPresentPlus03), {}};
    if (k.Class == "+1")
        return {Rewritten(l, kPresentPlus1), {}};
    if (k.Class == "+2")
        return {Rewritten(l, "ść=dzie,naleźć=najdzie,jechać=jedzie,nieć=nie,chcieć=chce,"
                             "spać=śpi,bać=boi"_pl),
                {}};
    if (k.Class == "+3")
        return {ValueOr(l, "być=jest"_pl, Rewritten(l, "jeść=je,mieć=ma,być=będzie"_pl)), {}};
    if (k.Class == "+51")
        return {Rewritten(l, "stać=stoi"_pl), {}};
    if (k.Class == "+52")
        return {Rewritten(l, "stać=stanie"_pl), {}};
    if (k.Class == "+11")
        return {Rewritten(l, "wrzeć=wrze"_pl), Rewritten(l, "wrzeć=wre"_pl)};
    return {};
}

TKomorkaPl Present1Sg(const TKoniugacja& k, const TKomorkaPl& p3)
{
    const string& s3 = p3.Forma;
    if (k.ClassIn("<1><11><2>"))
        return {k.Stem + "m", {}};
    if (k.Class == "21")
        return {s3 + "m", {}};
    if (k.ClassIn("<3><4><81><82><+01><+02>"))
        return {Rewritten(s3, "e=ę"_pl), {}};
    if (k.ClassIn("<51><52><+52><53><54>")) {
        // "cze": the second present of "rzec" and "przyoblec" ("rzecze", "rzekę").
        constexpr string_view kRules = "śnie=snę,źnie=znę,ie=ę,cze=kę"_pl;
        return {Rewritten(s3, kRules), Rewritten(p3.Alternatywa, kRules)};
    }
    if (k.Class == "61")
        return {Rewritten(s3, kFirstPersonSoft61), {}};
    if (k.ClassIn("<+51><71>"))
        return {Rewritten(s3, kFirstPersonSoft71), {}};
    if (k.ClassIn("<62><72>"))
        return {k.ShortStem + "ę"_pl, {}};
    if (k.ClassIn("<9><91>"))
        return {Rewritten(s3, "bierze=biorę,pierze=piorę,rwie=rwę,pojmie=pojmę,zwie=zwę,"
                              "ssie=ssę,e=ę"_pl),
                Rewritten(p3.Alternatywa, "e=ę"_pl)};
    if (k.Class == "+03")
        return {Rewritten(s3, "weźmie=wezmę,ie=ę,e=ę"_pl), {}};
    if (k.Class == "+1") {
        TKomorkaPl out;
        if (WithAlternative(s3, "wlecze=wlokę"_pl, "wlecze=wlekę"_pl, out))
            return out;
        return {Rewritten(s3, kFirstPersonPlus1), {}};
    }
    if (k.Class == "+2")
        return {Rewritten(s3, "jedzie=jadę,dzie=dę,nie=nę,ce=cę,śpi=śpię,oi=oję"_pl), {}};
    if (k.Class == "+3")
        return {Rewritten(s3, "jest=jestem,będzie=będę,=m"_pl), {}};
    if (k.Class == "+11")
        return {Rewritten(k.Lemma, "wrzeć=wrę"_pl), {}};
    return {};
}

TKomorkaPl Present3Pl(const TKoniugacja& k, const TKomorkaPl& p3, const TKomorkaPl& p1)
{
    const auto withEnding = [](const string& form, const char* ending) { return form.empty() ? form : form + ending; };
    if (k.ClassIn("<1><2>"))
        return {withEnding(p3.Forma, "ją"_pl), withEnding(p3.Alternatywa, "ją"_pl)};
    if (k.ClassIn("<11><21>"))
        return {withEnding(p3.Forma, "dzą"_pl), withEnding(p3.Alternatywa, "dzą"_pl)};
    constexpr string_view kPlus3 = "jest=są,będzie=będą,je=jedzą,ma=mają"_pl;
    if (k.Class == "+3")
        return {Rewritten(p3.Forma, kPlus3), Rewritten(p3.Alternatywa, kPlus3)};
    return {Rewritten(p1.Forma, "ę=ą"_pl), Rewritten(p1.Alternatywa, "ę=ą"_pl)};
}

TKomorkaPl PastMasculine(const TKoniugacja& k)
{
    const string& l = k.Lemma;
    if (k.ClassIn("<1><11><4><51><52><61><62><81><82><91><+01><+02><+03><+52><+51>"))
        return {k.Stem + "ł"_pl, {}};
    if (k.Class == "9")
        return {RewrittenOr(l, "leć=lał"_pl, k.Stem + "ł"_pl), {}};
    if (k.ClassIn("<+11><2><21><3><71><72>"))
        return {k.ShortStem + "ał"_pl, {}};
    if (k.Class == "53")
        return {Rewritten(l, kPast53), Rewritten(l, kPast53Alt)};
    if (k.Class == "54")
        return {Rewritten(l, "ląc=ląkł"_pl), {}};
    if (k.Class == "+1")
        return {Rewritten(l, kPastPlus1), {}};
    if (k.Class == "+2")
        return {Rewritten(l, kPastPlus2), {}};
    if (k.Class == "+3")
        return {Rewritten(l, "być=był,jeść=jadł,mieć=miał"_pl), {}};
    return {};
}

string PastFeminine(const TKoniugacja& k, const string& masculine)
{
    if (EndsWith(masculine, "szedł"_pl))
        return Rewritten(k.Lemma, "pójść=poszła,jść=szła,iść=szła"_pl);
    if (k.Class == "53")
        if (string dried = Rewritten(masculine, "obsechł=obeschła,zsechł=zeschła,"
                                                "podsechł=podeschła,sechł=schła"_pl);
            !dried.empty())
            return dried;
    return Rewritten(masculine, "ał=ała,ął=ęła,ył=yła,ił=iła,ągł=ęgła,ógł=ogła,ąsł=ęsła,"
                                "ósł=osła,ądł=ędła,ódł=odła,ótł=otła,ózł=ozła,ókł=okła,"
                                "ąkł=ękła,ązł=ęzła,=a"_pl);
}

string PastPluralPersonal(const TKoniugacja& k, const string& feminine)
{
    if (k.ClassIn("<2><21><3><71><72>") || k.LemmaEnds("ać"_pl))
        return k.Stem + "li";
    return Rewritten(feminine, "pachniała=pachnieli,chciała=chcieli,niosła=nieśli,szła=szli,"
                               "sła=śli,wiozła=wieźli,lazła=leźli,zła=źli,plotła=pletli,"
                               "gniotła=gnietli,miotła=mietli,wiodła=wiedli,jadła=jedli,"
                               "siadła=siedli,bladła=bledli,miała=mieli,wrzała=wrzeli,"
                               "wlokła=wlekli,siadła=siedli,bladła=bledli,ła=li"_pl);
}

} // namespace velmar::genpl
