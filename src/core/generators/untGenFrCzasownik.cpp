#include "core/generators/untGenFrCzasownik.h"

#include "core/app/untUtils.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenFrReguly.h"

#include <algorithm>

namespace velmar {

namespace {

using TFormy = std::array<std::string, kVerbFormCountFr>;

// The infinitive as the rules read it.
struct TRdzenFr {
    std::string Lemat;  // infinitive without the reflexive pronoun
    std::string Temat;  // stem: the infinitive without its ending
    std::string Krotki; // short lemma: without the last byte, or the last two for "-re"
    int Typ = 0;
};

// Index of the last vowel of s, or npos.
std::size_t LastVowel(std::string_view s)
{
    for (std::size_t i = s.size(); i-- > 0;)
        if (IsVowelFr(static_cast<unsigned char>(s[i])))
            return i;
    return std::string_view::npos;
}

// Index of the vowel of the last syllable of a stem: the "u" of a final "gu" or "qu"
// only keeps the consonant hard, so léguer and disséquer open the "é" before it.
std::size_t LastSyllableVowel(std::string_view stem)
{
    const std::size_t vowel = LastVowel(stem);
    const bool hardeningU = vowel != std::string_view::npos && vowel > 0 && vowel + 1 == stem.size() &&
                            stem[vowel] == 'u' && (stem[vowel - 1] == 'g' || stem[vowel - 1] == 'q');
    return hardeningU ? LastVowel(stem.substr(0, vowel - 1)) : vowel;
}

// ---------------------------------------------------------------- the infinitive

// -ir verbs that end like one of kType7Verbs (servir, sortir, partir) but conjugate like finir.
constexpr std::string_view kFinirLikeCompounds = "asservir,assortir,répartir"_fr;

constexpr std::string_view kVerbsWithEtre =
    "aller,arriver,éclore,décéder,devenir,mourir,naître,rester,tomber,venir,parvenir,revenir,"
    "survenir,descendre,entrer,partir,rentrer,sortir"_fr;

constexpr std::string_view kType3Verbs =
    "assaillir,tressaillir,cueillir,accueillir,raccueillir,couvrir,offrir,ouvrir,souffrir,"
    "découvrir,entr'ouvrir,recourir,recouvrir,recueillir,rouvrir"_fr;

constexpr std::string_view kType7Verbs =
    "courir,concourir,secourir,accourir,abstenir,acquérir,advenir,appartenir,bouillir,"
    "circonvenir,concourir,conquérir,consentir,contenir,contrevenir,convenir,défaillir,démentir,"
    "départir,desservir,détenir,devenir,dévêtir,disconvenir,dormir,encourir,endormir,enfuir,"
    "enquérir,entretenir,faillir,fuir,gésir,intervenir,maintenir,mentir,mourir,obtenir,parcourir,"
    "partir,parvenir,présentir,pressentir,prévenir,provenir,reconquérir,repartir,repentir,"
    "requérir,ressentir,ressortir,ressouvenir,retenir,revenir,revêtir,saillir,secourir,sentir,"
    "servir,sortir,souffrir,soutenir,souvenir,subvenir,survenir,tenir,venir,vêtir"_fr;

std::string EndingOf(std::string_view infinitive)
{
    if (EndsWith(infinitive, "oir"))
        return "oir";
    return std::string(infinitive.substr(infinitive.size() - std::min<std::size_t>(2, infinitive.size())));
}

TRdzenFr AnalyseInfinitive(std::string_view infinitive)
{
    TRdzenFr r;
    r.Lemat = std::string(infinitive);
    const std::string ending = EndingOf(infinitive);
    r.Temat = DropLast(infinitive, static_cast<int>(ending.size()));
    r.Krotki = DropLast(infinitive, ending == "re" ? 2 : 1);
    r.Typ = ConjugationTypeFr(infinitive);
    return r;
}

// ---------------------------------------------------------------- présent

std::string Present1sgFirstGroup(const TRdzenFr& r)
{
    constexpr std::string_view doubling = "eler=elle,eter=ette,ayer=aye,oyer=oie,uyer=uie";
    // geler, modeler and marteler keep their "è" in every compound (congeler, remodeler);
    // celer and peler only in the listed ones, as ficeler and appeler double the "l".
    constexpr std::string_view graveElerEndings = "geler,modeler,marteler";
    constexpr std::string_view graveEler = "celer,ciseler,peler,déceler,receler,harceler,démanteler,écarteler"_fr;
    constexpr std::string_view graveEter = "acheter,corseter,crocheter,fureter,haleter,racheter";
    if (EndsWithRuleKey(r.Lemat, doubling)) {
        if (EndsWithAny(r.Lemat, graveElerEndings) || InCommaList(r.Lemat, graveEler))
            return EndingRule(r.Lemat, "eler=èle"_fr);
        if (InCommaList(r.Lemat, graveEter))
            return EndingRule(r.Lemat, "eter=ète"_fr);
        return EndingRule(r.Lemat, doubling);
    }
    std::string stem = r.Temat;
    const std::size_t vowel = LastSyllableVowel(stem);
    // -eyer verbs (grasseyer) keep both their "e" and their "y": je grasseye.
    const bool muteE = EndsWithAny(r.Lemat, "eber,ecer,eder,efer,eger,ejer,eker,emer,ener,eper,eser,erer,ever,ezer");
    // An "é" ending the stem (créer, agréer) keeps its accent: only a closed syllable
    // before the mute ending opens to "è".
    const bool acuteBeforeConsonant = vowel != std::string::npos && stem[vowel] == "é"_fr[0] && vowel + 1 < stem.size();
    if (muteE || acuteBeforeConsonant) {
        stem[vowel] = "è"_fr[0];
        return stem + "e";
    }
    return r.Krotki;
}

std::string Present1sg(const TRdzenFr& r)
{
    switch (r.Typ) {
    case 1:
    case 8: return Present1sgFirstGroup(r);
    case 2: return EndingRuleOr(r.Lemat, "haïr=hais"_fr, r.Krotki + "s");
    case 3: return r.Temat + "e";
    case 4: return EndingRule(r.Lemat, "être=suis,avoir=ai,aller=vais"_fr);
    case 5:
        return EndingRuleOr(r.Lemat,
                            "absoudre=absous,battre=bats,paraître=parais,connaître=connais,aindre=ains,"
                            "eindre=eins,décroître=décroîs,croître=croîs,dissoudre=dissous,repaître=repais,"
                            "oindre=oins,mettre=mets,naître=nais,résoudre=résous,suivre=suis,vivre=vis"_fr,
                            r.Temat + "s");
    case 6:
        // falloir and pleuvoir live in the 3rd person only; their 1sg is the base of faut, pleut.
        return EndingRuleOr(r.Lemat,
                            "asseoir=assieds,devoir=dois,falloir=faux,mouvoir=meus,pleuvoir=pleus,pouvoir=peux,"
                            "cevoir=çois,savoir=sais,valoir=vaux,vouloir=veux,seoir=sois"_fr,
                            r.Krotki + "s");
    case 7:
        return EndingRuleOr(r.Lemat,
                            "quérir=quiers,bouillir=bous,dormir=dors,fuir=fuis,gésir=gis,mentir=mens,"
                            "mourir=meurs,partir=pars,sentir=sens,servir=sers,sortir=sors,venir=viens,"
                            "repentir=repens,tenir=tiens"_fr,
                            r.Temat + "s");
    default: return {};
    }
}

std::string Present1pl(const TRdzenFr& r)
{
    switch (r.Typ) {
    case 2: return r.Krotki + "ssons";
    case 4: return EndingRule(r.Lemat, "être=sommes,avoir=avons,aller=allons"_fr);
    case 5:
        return EndingRule(r.Lemat, "absoudre=absolvons,boire=buvons,clore=closons,coudre=cousons,croire=croyons,"
                                   "dissoudre=dissolvons,écrire=écrivons,maudire=maudissons,moudre=moulons,"
                                   "prendre=prenons,résoudre=résolvons,traire=trayons,vaincre=vainquons,"
                                   "scrire=scrivons,décrire=décrivons,rire=rions,oindre=oignons,eindre=eignons,"
                                   "aindre=aignons,ître=issons,ure=uons,ire=isons,re=ons"_fr);
    case 6:
        return EndingRule(r.Lemat, "asseoir=asseyons,déchoir=déchoyons,devoir=devons,mouvoir=mouvons,savoir=savons,"
                                   "pouvoir=pouvons,cevoir=cevons,surseoir=sursoyons,pleuvoir=pleuvons,"
                                   "voir=voyons,oir=ons"_fr);
    case 7: return EndingRule(r.Lemat, "fuir=fuyons,gésir=gisons,ir=ons"_fr);
    default: return EndingRuleOr(r.Lemat, "ger=geons,cer=çons"_fr, r.Temat + "ons");
    }
}

void BuildPresent(const TRdzenFr& r, TFormy& f)
{
    const int at = TenseSlotFr(czPresent);
    const std::string p1 = Present1sg(r);
    const std::string p4 = Present1pl(r);
    f[at] = p1;
    f[at + 3] = p4;

    switch (r.Typ) {
    case 2:
    case 5:
    case 6:
    case 7: f[at + 1] = p1; break;
    case 4: f[at + 1] = EndingRule(r.Lemat, "être=es,avoir=as,aller=vas"_fr); break;
    default: f[at + 1] = WithSuffix(p1, "s");
    }

    switch (r.Typ) {
    case 2: f[at + 2] = EndingRuleOr(r.Lemat, "haïr=hait"_fr, r.Krotki + "t"); break;
    case 4: f[at + 2] = EndingRule(r.Lemat, "être=est,avoir=a,aller=va"_fr); break;
    case 5:
        f[at + 2] = EndingRuleOr(p1,
                                 "clos=clôt,connais=connaît,parais=paraît,nais=naît,plais=plaît,"
                                 "repais=repaît,vaincs=vainc,ts=t,ds=d,s=t"_fr,
                                 p1);
        break;
    case 6: f[at + 2] = EndingRuleOr(p1, "x=t,ts=t,ds=d,s=t", p1); break;
    case 7: f[at + 2] = EndingRuleOr(r.Lemat, "gésir=gît"_fr, EndingRuleOr(p1, "ts=t,s=t", p1)); break;
    default: f[at + 2] = p1;
    }

    if (r.Typ == 5)
        f[at + 4] = EndingRuleOr(r.Lemat,
                                 "contredire=contredisez,maudire=maudissez,dédire=dédisez,médire=médisez,"
                                 "prédire=prédisez,interdire=interdisez,redire=redites,dire=dites,"
                                 "faire=faites"_fr,
                                 EndingRule(p4, "ons=ez"));
    else
        f[at + 4] = EndingRuleOr(r.Lemat, "être=êtes,ger=gez,cer=cez"_fr, EndingRule(p4, "ons=ez"));

    switch (r.Typ) {
    case 2: f[at + 5] = r.Krotki + "ssent"; break;
    case 4: f[at + 5] = EndingRule(r.Lemat, "avoir=ont,être=sont,aller=vont"_fr); break;
    case 5:
        f[at + 5] = EndingRuleOr(r.Lemat, "boire=boivent,croire=croient,faire=font,prendre=prennent,traire=traient",
                                 EndingRule(p4, "ons=ent"));
        break;
    case 6:
        f[at + 5] = EndingRule(r.Lemat, "asseoir=asseyent,déchoir=déchoient,devoir=doivent,mouvoir=meuvent,"
                                        "pouvoir=peuvent,cevoir=çoivent,savoir=savent,surseoir=sursoient,"
                                        "vouloir=veulent,pleuvoir=pleuvent,voir=voient,oir=ent"_fr);
        break;
    case 7:
        f[at + 5] =
            EndingRule(r.Lemat, "quérir=quièrent,venir=viennent,tenir=tiennent,mourir=meurent,fuir=fuient,gésir=gisent,"
                                "ir=ent"_fr);
        break;
    default: f[at + 5] = WithSuffix(p1, "nt");
    }
}

// ---------------------------------------------------------------- imparfait

void BuildImparfait(const TRdzenFr& r, TFormy& f)
{
    const int at = TenseSlotFr(czImparfait);
    const std::string i1 = EndingRuleOr(r.Lemat, "être=étais"_fr, EndingRule(f[TenseSlotFr(czPresent) + 3], "ons=ais"));
    const std::string i4 = EndingRuleOr(r.Lemat, "ger=gions,cer=cions", EndingRule(i1, "ais=ions"));
    f[at] = i1;
    f[at + 1] = i1;
    f[at + 2] = EndingRule(i1, "s=t");
    f[at + 3] = i4;
    f[at + 4] = EndingRule(i4, "ons=ez");
    f[at + 5] = EndingRule(i1, "s=ent");
}

// ---------------------------------------------------------------- passé simple

std::string PasseSimple1sg(const TRdzenFr& r)
{
    switch (r.Typ) {
    case 1:
    case 8: return EndingRule(r.Lemat, "ger=geai,cer=çai,er=ai"_fr);
    case 2:
    case 3: return r.Krotki + "s";
    case 4: return EndingRule(r.Lemat, "être=fus,avoir=eus,aller=allai"_fr);
    case 5:
        return EndingRule(r.Lemat, "soudre=solus,croître=crûs,connaître=connus,naître=naquis,paraître=parus,"
                                   "battre=battis,boire=bus,circoncire=circoncis,duire=duisis,confire=confis,"
                                   "dire=dis,coudre=cousis,croire=crus,écrire=écrivis,scrire=scrivis,faire=fis,"
                                   "lire=lus,luire=luisis,mettre=mis,moudre=moulus,nuire=nuisis,plaire=plus,"
                                   "prendre=pris,repaître=repus,rire=ris,rompre=rompis,suivre=suivis,taire=tus,"
                                   "vaincre=vainquis,vivre=vécus,cuire=cuisis,truire=truisis,indre=ignis,"
                                   "ndre=ndis,ure=us,ire=is,re=is"_fr);
    case 6:
        return EndingRule(r.Lemat, "asseoir=assis,devoir=dus,mouvoir=mus,pouvoir=pus,valoir=valus,cevoir=çus,"
                                   "savoir=sus,surseoir=sursis,pourvoir=pourvus,pleuvoir=plus,voir=vis,vouloir=voulus,"
                                   "oir=us"_fr);
    case 7:
        return EndingRule(r.Lemat, "acquérir=acquis,venir=vins,courir=courus,mourir=mourus,tenir=tins,quérir=quis,"
                                   "ir=is"_fr);
    default: return {};
    }
}

// Verbs whose passé simple and subjonctif imparfait are not in use.
bool LacksPasseSimple(std::string_view infinitive)
{
    return EndsWithAny(infinitive, "traire,clore,frire");
}

void BuildPasseSimple(const TRdzenFr& r, TFormy& f)
{
    if (LacksPasseSimple(r.Lemat))
        return;
    const std::string ps1 = PasseSimple1sg(r);
    if (ps1.empty())
        return;
    const int at = TenseSlotFr(czPasseSimple);
    const std::string ps4 = EndingRule(ps1, "ai=âmes,is=îmes,us=ûmes,ins=înmes,s=mes"_fr);
    f[at] = ps1;
    f[at + 1] = EndingRuleOr(ps1, "ai=as", ps1);
    f[at + 2] = EndingRule(ps1, "ai=a,s=t");
    f[at + 3] = ps4;
    f[at + 4] = EndingRule(ps4, "mes=tes");
    // The "e" or "ç" that keeps manger and commencer soft before "a" has no place before "è".
    f[at + 5] = EndingRule(ps1, "geai=gèrent,çai=cèrent,ai=èrent,s=rent"_fr);
}

// ---------------------------------------------------------------- futur and conditionnel

std::string Futur1sg(const TRdzenFr& r, const std::string& present1sg)
{
    switch (r.Typ) {
    case 1: return WithSuffix(present1sg, "rai");
    case 2: return r.Lemat + "ai";
    case 3: return EndingRule(r.Lemat, "cueillir=cueillerai,assaillir=assaillirai,saillir=saillerai,=ai");
    case 4: return EndingRule(r.Lemat, "être=serai,avoir=aurai,aller=irai"_fr);
    case 5: return EndingRule(r.Lemat, "faire=ferai,e=ai");
    case 6:
        return EndingRule(r.Lemat, "asseoir=assiérai,devoir=devrai,falloir=faudrai,mouvoir=mouvrai,pouvoir=pourrai,"
                                   "cevoir=cevrai,pourvoir=pourvoirai,prévoir=prévoirai,valoir=vaudrai,"
                                   "savoir=saurai,surseoir=sursoirai,vouloir=voudrai,pleuvoir=pleuvrai,"
                                   "voir=verrai,oir=oirai"_fr);
    case 7:
        return EndingRule(r.Lemat, "mourir=mourrai,tenir=tiendrai,quérir=querrai,venir=viendrai,courir=courrai,"
                                   "ir=irai"_fr);
    case 8: return EndingRule(r.Lemat, "voyer=verrai");
    default: return {};
    }
}

void BuildFuturConditionnel(const TRdzenFr& r, TFormy& f)
{
    const std::string f1 = Futur1sg(r, f[TenseSlotFr(czPresent)]);
    if (f1.empty())
        return;
    const int fut = TenseSlotFr(czFutur);
    f[fut] = f1;
    f[fut + 1] = EndingRule(f1, "i=s");
    f[fut + 2] = EndingRule(f1, "i=");
    f[fut + 3] = EndingRule(f1, "ai=ons");
    f[fut + 4] = EndingRule(f1, "ai=ez");
    f[fut + 5] = EndingRule(f1, "ai=ont");
    const int cond = TenseSlotFr(czConditionnel);
    f[cond] = f1 + "s";
    f[cond + 1] = f1 + "s";
    f[cond + 2] = f1 + "t";
    f[cond + 3] = EndingRule(f1, "ai=ions");
    f[cond + 4] = EndingRule(f1, "ai=iez");
    f[cond + 5] = f1 + "ent";
}

// ---------------------------------------------------------------- subjonctif

void BuildSubjonctifPresent(const TRdzenFr& r, TFormy& f)
{
    const std::string fromPresent3pl = EndingRule(f[TenseSlotFr(czPresent) + 5], "nt=");
    const std::string imparfait1pl = f[TenseSlotFr(czImparfait) + 3];
    std::string s1 = fromPresent3pl;
    std::string s4 = imparfait1pl;
    switch (r.Typ) {
    case 4:
        s1 = EndingRule(r.Lemat, "avoir=aie,être=sois,aller=aille"_fr);
        s4 = EndingRuleOr(r.Lemat, "avoir=ayons,être=soyons,aller=allions"_fr, imparfait1pl);
        break;
    case 5:
        s1 = EndingRuleOr(r.Lemat, "faire=fasse", fromPresent3pl);
        s4 = EndingRuleOr(r.Lemat, "faire=fassions", imparfait1pl);
        break;
    case 6:
        s1 = EndingRuleOr(r.Lemat,
                          "pouvoir=puisse,prévaloir=prévale,valoir=vaille,falloir=faille,savoir=sache,"
                          "vouloir=veuille"_fr,
                          fromPresent3pl);
        s4 = EndingRuleOr(r.Lemat, "pouvoir=puissions,savoir=sachions", imparfait1pl);
        break;
    default: break;
    }
    const int at = TenseSlotFr(czSubjonctifPresent);
    f[at] = s1;
    f[at + 1] = EndingRuleOr(r.Lemat, "être=sois"_fr, WithSuffix(s1, "s"));
    f[at + 2] = r.Typ == 4 ? EndingRuleOr(r.Lemat, "avoir=ait,être=soit"_fr, s1) : s1;
    f[at + 3] = s4;
    f[at + 4] = EndingRule(s4, "ons=ez");
    f[at + 5] = EndingRuleOr(r.Lemat, "être=soient"_fr, WithSuffix(s1, "nt"));
}

void BuildSubjonctifImparfait(TFormy& f)
{
    const int ps = TenseSlotFr(czPasseSimple);
    const std::string si1 = EndingRule(f[ps], "ai=asse,s=sse");
    if (si1.empty())
        return;
    const int at = TenseSlotFr(czSubjonctifImparfait);
    f[at] = si1;
    f[at + 1] = si1 + "s";
    f[at + 2] = EndingRule(f[ps + 3], "mes=t");
    f[at + 3] = EndingRule(si1, "e=ions");
    f[at + 4] = EndingRule(si1, "e=iez");
    f[at + 5] = si1 + "nt";
}

// ---------------------------------------------------------------- impératif, participles

// pouvoir, and the impersonal verbs, which have no one to give an order to.
bool LacksImperatif(std::string_view infinitive)
{
    return InCommaList(infinitive, "pouvoir,falloir,pleuvoir");
}

void BuildImperatif(const TRdzenFr& r, TFormy& f)
{
    if (LacksImperatif(r.Lemat))
        return;
    const int present = TenseSlotFr(czPresent);
    const std::string& p1 = f[present];
    std::string im2 = p1;
    if (r.Typ == 4)
        im2 = EndingRule(r.Lemat, "être=sois,avoir=aie,aller=va"_fr);
    else if (r.Typ == 6)
        im2 = EndingRuleOr(r.Lemat, "savoir=sache,vouloir=veuille", p1);
    const std::string im4 =
        EndingRuleOr(r.Lemat, "être=soyons,savoir=sachons,avoir=ayons,vouloir=veuillons"_fr, f[present + 3]);
    // The 2pl is the présent's (faites, interdisez) unless the 1pl has an impératif of its own.
    const std::string im5 =
        EndingRuleOr(r.Lemat, "être=soyez"_fr, im4 == f[present + 3] ? f[present + 4] : EndingRule(im4, "ons=ez"));
    f[kImperatifSlotFr] = im2;
    f[kImperatifSlotFr + 1] = im4;
    f[kImperatifSlotFr + 2] = im5;
}

void BuildParticipePresent(const TRdzenFr& r, TFormy& f)
{
    const std::string fromPresent = EndingRule(f[TenseSlotFr(czPresent) + 3], "ons=ant");
    std::string pp = fromPresent;
    if (r.Typ == 4)
        pp = EndingRuleOr(r.Lemat, "être=étant,avoir=ayant"_fr, fromPresent);
    else if (r.Typ == 6)
        pp = EndingRuleOr(r.Lemat, "savoir=sachant", fromPresent);
    const int at = kParticipePresentSlotFr;
    f[at] = pp;
    f[at + 1] = WithSuffix(pp, "e");
    f[at + 2] = WithSuffix(pp, "s");
    f[at + 3] = WithSuffix(pp, "es");
}

std::string ParticipePasse(const TRdzenFr& r)
{
    switch (r.Typ) {
    case 1:
    case 8: return EndingRule(r.Lemat, "er=é"_fr);
    case 2: return EndingRule(r.Lemat, "ir=i,ïr=ï"_fr);
    case 3: return EndingRule(r.Lemat, "rir=ert,ir=i");
    case 4: return EndingRule(r.Lemat, "aller=allé,avoir=eu,être=été"_fr);
    case 5:
        return EndingRule(r.Lemat, "absoudre=absous,dissoudre=dissous,soudre=solu,accroître=accru,croître=crû,"
                                   "paraître=paru,battre=battu,boire=bu,circoncire=circoncis,clore=clos,duire=duit,"
                                   "confire=confit,connaître=connu,coudre=cousu,croire=cru,frire=frit,naître=né,"
                                   "inclure=inclus,lire=lu,luire=lui,mettre=mis,moudre=moulu,mourir=mort,nuire=nui,"
                                   "plaire=plu,prendre=pris,repaître=repu,écrire=écrit,scrire=scrit,rire=ri,"
                                   "suivre=suivi,suffire=suffi,taire=tu,vivre=vécu,traire=trait,indre=int,"
                                   "ndre=ndu,ure=u,ire=it,re=u"_fr);
    case 6:
        return EndingRule(r.Lemat, "asseoir=assis,devoir=dû,émouvoir=ému,mouvoir=mû,pouvoir=pu,valoir=valu,"
                                   "cevoir=çu,savoir=su,surseoir=sursis,pleuvoir=plu,voir=vu,couloir=voulu,oir=u"_fr);
    case 7: return EndingRule(r.Lemat, "quérir=quis,venir=venu,tenir=tenu,courir=couru,mourir=mort,vêtir=vêtu,ir=i"_fr);
    default: return {};
    }
}

void BuildParticipePasse(const TRdzenFr& r, TFormy& f)
{
    const std::string masculine = ParticipePasse(r);
    if (masculine.empty())
        return;
    // The circumflex of dû, mû and crû only tells them from du, mu and cru: the other
    // forms (due, mus, crues) go without it.
    const std::string agreeing = EndingRuleOr(masculine, "û=u"_fr, masculine);
    std::string feminine;
    std::string masculinePlural;
    switch (r.Typ) {
    case 5:
        feminine = EndingRule(agreeing, "absous=absoute,dissous=dissoute,ri=ri,suffi=suffi,u=ue,e=e,=e");
        masculinePlural = EndingRule(agreeing, "ri=ri,suffi=suffi,s=s,=s");
        break;
    case 6:
        feminine = EndingRule(agreeing, "pu=pu,=e");
        masculinePlural = EndingRule(agreeing, "pu=pu,s=s,=s");
        break;
    default: feminine = EndingRule(agreeing, "e=e,=e"); masculinePlural = EndingRule(agreeing, "s=s,=s");
    }
    const int at = kParticipePasseSlotFr;
    f[at] = masculine;
    f[at + 1] = feminine;
    f[at + 2] = masculinePlural;
    f[at + 3] = EndingRule(feminine, "ri=ri,pu=pu,suffi=suffi,=s");
}

// gésir survives only in the présent, the imparfait and the participe présent (ci-gît).
bool LivesOnlyInThePresent(std::string_view infinitive)
{
    return infinitive == "gésir"_fr;
}

// clore has lost the plural persons of its présent and every tense built on them: the
// imparfait, the passé simple and the subjonctif imparfait.
void RemoveLostFormsOfClore(std::string_view infinitive, TFormy& f)
{
    if (infinitive != "clore")
        return;
    const int present = TenseSlotFr(czPresent);
    f[static_cast<std::size_t>(present + 3)].clear();
    f[static_cast<std::size_t>(present + 4)].clear();
    for (const int tense : {czImparfait, czPasseSimple, czSubjonctifImparfait})
        for (int person = 0; person < 6; ++person)
            f[static_cast<std::size_t>(TenseSlotFr(tense) + person)].clear();
}

// ---------------------------------------------------------------- selecting a form

constexpr std::array<std::string_view, 6> kEtrePresent = {"suis", "es", "est", "sommes", "êtes"_fr, "sont"};
constexpr std::array<std::string_view, 6> kEtreSubjonctif = {"sois", "sois", "soit", "soyons", "soyez", "soient"};
constexpr std::array<std::string_view, 6> kAvoirPresent = {"ai", "as", "a", "avons", "avez", "ont"};
constexpr std::array<std::string_view, 6> kAvoirSubjonctif = {"aie", "aies", "ait", "ayons", "ayez", "aient"};

// Slot offset of a participle agreeing in number and gender.
int AgreementOffset(int number, int gender)
{
    return (gender == rdzFrZenski ? 1 : 0) + (number == 2 ? 2 : 0);
}

// The past participle of a compound tense: agreeing with the subject after "être",
// masculine singular after "avoir".
const std::string& CompoundParticiple(const TCzasownikFr& v, int subjectNumber, int subjectGender)
{
    const int offset = v.ZByc ? AgreementOffset(subjectNumber, subjectGender) : 0;
    return v.Formy[static_cast<std::size_t>(kParticipePasseSlotFr + offset)];
}

std::string Compound(std::string_view auxiliary, const std::string& participle)
{
    if (participle.empty())
        return {};
    return std::string(auxiliary) + " " + participle;
}

// The reflexive pronoun of the person in front of a form: me, te and se (not nous,
// vous) elide before a vowel or a mute h (je m'assieds, s'habiller, se hâter).
std::string WithReflexivePronoun(int person, const std::string& form)
{
    const std::string pronoun = ReflexiveFr("se", person);
    if (EndsWith(pronoun, "e") && ElisionAllowed(form))
        return pronoun.substr(0, 1) + "'" + form;
    return pronoun + " " + form;
}

// The lemma as the rules read it: a typographic apostrophe (s’appeler) is the plain one.
std::string PlainLemma(std::string_view lemma)
{
    static const std::string typographicApostrophe = FromUtf8("’");
    return ReplaceAll(Trim(lemma), typographicApostrophe, "'");
}

int ImperatifSlot(int tense, int person)
{
    switch (tense) {
    case czImperatif4: return kImperatifSlotFr + 1;
    case czImperatif5: return kImperatifSlotFr + 2;
    case czImperatif2: return kImperatifSlotFr;
    default: return kImperatifSlotFr + (person == 4 ? 1 : person == 5 ? 2 : 0);
    }
}

// The form of a supported tense without the reflexive pronoun; false for a tense the
// generator does not build.
bool SelectForm(const TCzasownikFr& v, int number, int subjectNumber, int subjectGender, int tense, int person,
                int gender, std::string& form)
{
    const auto slot = [&v](int index) { return v.Formy[static_cast<std::size_t>(index)]; };
    const auto p = static_cast<std::size_t>(person - 1);
    switch (tense) {
    case czPresent:
    case czImparfait:
    case czPasseSimple:
    case czFutur:
    case czConditionnel:
    case czSubjonctifPresent:
    case czSubjonctifImparfait: form = slot(TenseSlotFr(tense) + person - 1); return true;
    case czImperatif:
    case czImperatif2:
    case czImperatif4:
    case czImperatif5: form = slot(ImperatifSlot(tense, person)); return true;
    case czParticipePresent: form = slot(kParticipePresentSlotFr + AgreementOffset(number, gender)); return true;
    case czParticipePasse: form = slot(kParticipePasseSlotFr + AgreementOffset(number, gender)); return true;
    case czInfinitif: form = slot(kInfinitifSlotFr); return true;
    case czPasseCompose:
        form =
            Compound(v.ZByc ? kEtrePresent[p] : kAvoirPresent[p], CompoundParticiple(v, subjectNumber, subjectGender));
        return true;
    case czSubjonctifPasse:
        form = Compound(v.ZByc ? kEtreSubjonctif[p] : kAvoirSubjonctif[p],
                        CompoundParticiple(v, subjectNumber, subjectGender));
        return true;
    case czParticipePresentAyant:
        form = Compound(v.ZByc ? "étant"_fr : "ayant", CompoundParticiple(v, subjectNumber, subjectGender));
        return true;
    default: return false;
    }
}

// The impersonal verbs live in the third person: falloir in the singular only,
// pleuvoir in both numbers ("les coups pleuvent"). Every other person would be invented.
bool LacksPerson(std::string_view infinitive, int tense, int person)
{
    const bool personal =
        (tense >= czPresent && tense <= czSubjonctifImparfait) || tense == czPasseCompose || tense == czSubjonctifPasse;
    if (!personal)
        return false;
    if (infinitive == "falloir")
        return person != 3;
    if (infinitive == "pleuvoir")
        return person != 3 && person != 6;
    return false;
}

} // namespace

int ConjugationTypeFr(std::string_view infinitive)
{
    const std::string ending = EndingOf(infinitive);
    if (ending == "er")
        // renvoyer conjugates like envoyer (renverrai), not like nettoyer
        return infinitive == "aller" ? 4 : EndsWith(infinitive, "envoyer") ? 8 : 1;
    if (ending == "oir")
        return infinitive == "avoir" ? 4 : 6;
    if (ending == "re")
        return infinitive == "être"_fr ? 4 : 5;
    if (ending != "ir" && ending != "ïr"_fr)
        return 0;
    if (EndsWithAny(infinitive, kFinirLikeCompounds))
        return 2;
    if (EndsWithAny(infinitive, kType3Verbs))
        return 3;
    if (EndsWithAny(infinitive, kType7Verbs))
        return 7;
    return 2;
}

TCzasownikFr BuildVerbFormsFr(std::string_view lemma, std::string_view code)
{
    TCzasownikFr v;
    const std::string plain = PlainLemma(lemma);
    v.Zwrotny = ApplyPrefixRules(plain, "s'=,se =", v.Bezokolicznik);
    if (!v.Zwrotny)
        v.Bezokolicznik = plain;
    v.ZByc = v.Zwrotny || code == "6" || code == "R" || InCommaList(v.Bezokolicznik, kVerbsWithEtre);

    const TRdzenFr r = AnalyseInfinitive(v.Bezokolicznik);
    v.Typ = r.Typ;
    v.Formy[kInfinitifSlotFr] = v.Bezokolicznik;
    if (r.Typ == 0)
        return v;
    // Order matters: later tenses are derived from forms built before them.
    BuildPresent(r, v.Formy);
    BuildImparfait(r, v.Formy);
    if (LivesOnlyInThePresent(v.Bezokolicznik)) {
        BuildParticipePresent(r, v.Formy);
        return v;
    }
    BuildPasseSimple(r, v.Formy);
    BuildFuturConditionnel(r, v.Formy);
    BuildSubjonctifPresent(r, v.Formy);
    BuildSubjonctifImparfait(v.Formy);
    BuildImperatif(r, v.Formy);
    BuildParticipePresent(r, v.Formy);
    BuildParticipePasse(r, v.Formy);
    RemoveLostFormsOfClore(v.Bezokolicznik, v.Formy);
    return v;
}

std::string GenVerbFr(std::string_view lemma, std::string_view code, int number, int subjectNumber, int subjectGender,
                      int tense, int person, int gender)
{
    if (person < 1 || person > 6)
        person = 3;
    if (Trim(lemma) == "se")
        return ReflexiveFr("se", person);
    const TCzasownikFr v = BuildVerbFormsFr(lemma, code);
    std::string form;
    if (v.Typ == 0 || !SelectForm(v, number, subjectNumber, subjectGender, tense, person, gender, form))
        return std::string(lemma);
    if (LacksPerson(v.Bezokolicznik, tense, person))
        return {};
    if (form.empty() || !v.Zwrotny)
        return form;
    return WithReflexivePronoun(person, form);
}

// ---------------------------------------------------------------- form tags

namespace {

struct TZakresZnacznikaFr {
    int Od;
    int Do;
    int Czas;
    int Osoba;
    int Rodzaj;
    int Liczba;
};

// Masculine and feminine, singular and plural, for the nominal tags.
constexpr int M = 1, F = 2, Sg = 1, Pl = 2;

// clang-format off
constexpr TZakresZnacznikaFr kFormTagsFr[] = {
    // nouns, determiners and adjectives
    {1, 2, 0, 0, M, Sg}, {11, 12, 0, 0, M, Sg}, {31, 32, 0, 0, M, Sg}, {41, 42, 0, 0, M, Sg},
    {51, 52, 0, 0, M, Sg}, {61, 62, 0, 0, M, Sg},
    {3, 3, 0, 0, M, Pl}, {14, 14, 0, 0, M, Pl}, {33, 33, 0, 0, M, Pl}, {43, 43, 0, 0, M, Pl},
    {53, 53, 0, 0, M, Pl}, {63, 63, 0, 0, M, Pl},
    {5, 6, 0, 0, F, Sg}, {35, 36, 0, 0, F, Sg}, {55, 56, 0, 0, F, Sg},
    {7, 7, 0, 0, F, Pl}, {37, 37, 0, 0, F, Pl}, {57, 57, 0, 0, F, Pl},
    {80, 80, czInfinitif, 0, -1, -1},
    // présent
    {81, 90, czPresent, 1, -1, -1}, {92, 93, czPresent, 2, -1, -1}, {95, 99, czPresent, 3, -1, -1},
    {101, 102, czPresent, 4, -1, -1}, {103, 106, czPresent, 5, -1, -1},
    {107, 109, czPresent, 6, -1, -1},
    // subjonctif présent and impératif
    {111, 112, czSubjonctifPresent, 1, -1, -1}, {120, 122, czSubjonctifPresent, 2, -1, -1},
    {114, 117, czSubjonctifPresent, 3, -1, -1}, {124, 124, czSubjonctifPresent, 3, -1, -1},
    {126, 129, czSubjonctifPresent, 4, -1, -1}, {131, 135, czSubjonctifPresent, 5, -1, -1},
    {137, 137, czSubjonctifPresent, 6, -1, -1},
    {138, 138, czImperatif, 4, -1, -1}, {139, 139, czImperatif, 5, -1, -1},
    // passé simple and subjonctif imparfait
    {141, 142, czPasseSimple, 1, -1, -1}, {145, 145, czPasseSimple, 2, -1, -1},
    {146, 146, czPasseSimple, 3, -1, -1}, {147, 147, czPasseSimple, 4, -1, -1},
    {148, 148, czPasseSimple, 5, -1, -1}, {149, 149, czPasseSimple, 6, -1, -1},
    {151, 151, czSubjonctifImparfait, 1, -1, -1}, {152, 152, czSubjonctifImparfait, 2, -1, -1},
    {153, 153, czSubjonctifImparfait, 3, -1, -1}, {154, 154, czSubjonctifImparfait, 4, -1, -1},
    {155, 155, czSubjonctifImparfait, 5, -1, -1}, {156, 156, czSubjonctifImparfait, 6, -1, -1},
    // imparfait
    {161, 161, czImparfait, 1, -1, -1}, {162, 162, czImparfait, 3, -1, -1},
    {163, 163, czImparfait, 4, -1, -1}, {164, 164, czImparfait, 5, -1, -1},
    {165, 165, czImparfait, 6, -1, -1}, {168, 168, czImparfait, 4, -1, -1},
    {169, 169, czImparfait, 5, -1, -1},
    // futur and conditionnel
    {171, 171, czFutur, 1, -1, -1}, {172, 172, czFutur, 2, -1, -1}, {173, 173, czFutur, 3, -1, -1},
    {174, 174, czFutur, 4, -1, -1}, {175, 175, czFutur, 5, -1, -1}, {176, 176, czFutur, 6, -1, -1},
    {181, 181, czConditionnel, 1, -1, -1}, {183, 183, czConditionnel, 3, -1, -1},
    {184, 184, czConditionnel, 4, -1, -1}, {185, 185, czConditionnel, 5, -1, -1},
    {186, 186, czConditionnel, 6, -1, -1},
    // participles
    {190, 191, czParticipePasse, 0, M, Sg}, {195, 195, czParticipePasse, 0, M, Sg},
    {198, 198, czParticipePasse, 0, M, Sg}, {192, 192, czParticipePasse, 0, F, Sg},
    {193, 193, czParticipePasse, 0, M, Pl}, {197, 197, czParticipePasse, 0, M, Pl},
    {194, 194, czParticipePasse, 0, F, Pl},
    {200, 200, czParticipePresent, 0, M, Sg}, {202, 202, czParticipePresent, 0, F, Sg},
    {203, 203, czParticipePresent, 0, M, Pl},
};
// clang-format on

} // namespace

TCechyFormyFr FormTagFr(int tag)
{
    for (const TZakresZnacznikaFr& range : kFormTagsFr)
        if (tag >= range.Od && tag <= range.Do)
            return {true, range.Czas, range.Osoba, range.Rodzaj, range.Liczba};
    return {};
}

} // namespace velmar
