#include "core/generators/untGenPLPrzymiotnik.h"

#include <algorithm>

#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// The word and rule lists of the declension, converted once from their UTF-8 text.
struct TListyPrzymiotnika {
    std::string Comparatives =
        FromUtf8("biały=bielszy,blady=bledszy,bliski=bliższy,brzydki=brzydszy,cienki=cieńszy,"
                 "czerwony=czerwieńszy,częsty=częstszy,daleki=dalszy,dobry=lepszy,duży=większy,dziki=dzikszy,"
                 "gęsty=gęstszy,gładki=gładszy,głęboki=głębszy,gorący=gorętszy,krótki=krótszy,lekki=lżejszy,"
                 "mały=mniejszy,oczywisty=oczywistszy,osobisty=osobistszy,pusty=puściejszy,typowy=typowszy,mądry="
                 "mądrzejszy,miękki=miększy,niski=niższy,prędki=prędszy,prosty=prostszy,"
                 "rosły=roślejszy,rzadki=rzadszy,słodki=słodszy,szalony=szaleńszy,szeroki=szerszy,"
                 "szybki=szybszy,śmiały=śmielszy,świeży=świeższy,tłusty=tłustszy,twardy=twardszy,wąski=węższy,"
                 "wesoły=weselszy,wielki=większy,wysoki=wyższy,zielony=zieleńszy,zły=gorszy,zwięzły=zwięźlejszy,"
                 "nowy=nowszy,zdrowy=zdrowszy,ciężki=cięższy,cichy=cichszy,suchy=suchszy,płytki=płytszy,"
                 "elegancki=elegantszy");
    std::string NoSyntheticWords = FromUtf8("<chory><żelazny><konny><pochyły><szary><mokry><ponury><jedyny><kolejny>"
                                            "<następny><poprzedni><letni><nocny><poranny><wieczny><martwy><wspólny>"
                                            "<średni><złoty><nagi>");
    // Ages and multiples ("dwuletni", "wielokrotny") and "-genny" terms do not compare.
    std::string NoSyntheticEndings = FromUtf8("yły,szły,sty,any,ony,ki,ski,owy,letni,krotny,genny");
    // Adjectives negated with "nie-" ("niebiały") and the "-ały" adjectives of a state
    // reached ("zbielały", "osowiały") compare only with "bardziej", and the latter have
    // no adverb; the lexicalised ones that do compare on their own are listed.
    std::string AnalyticPrefix = "nie";
    std::string AnalyticEnding = FromUtf8("ały");
    std::string SyntheticDespiteAffix =
        FromUtf8("<niebezpieczny><niechlujny><niecierpliwy><niecny><niedelikatny><niedokładny><niedorzeczny>"
                 "<niedostępny><niedołężny><niegodziwy><niegrzeczny><niekorzystny><niemożliwy><nieomylny>"
                 "<nieporządny><nieposłuszny><niepotrzebny><nieprawdopodobny><nieprzyjazny><nieprzyjemny>"
                 "<nieprzystępny><niepunktualny><nierozsądny><nieroztropny><nierozważny><niesamowity><niesforny>"
                 "<nieskromny><niespokojny><niesprawiedliwy><niestosowny><niestrawny><niesympatyczny>"
                 "<nieszczęśliwy><niewdzięczny><niewinny><niewygodny><niewyraźny><niewątpliwy><niewłaściwy>"
                 "<niezawodny><niezbędny><niezdarny><niezdrowy><niezgrabny><nieznośny><niezręczny><niezwykły>"
                 "<niezłomny><biały><mały><śmiały><cały><dojrzały><doskonały><okazały><opieszały><poufały><stały><"
                 "trwały><wspaniały>"
                 "<wyrozumiały><wytrwały><wytrzymały><zagorzały><zapamiętały><zarozumiały><zatwardziały>"
                 "<zrozumiały><zuchwały>");
    // Relational adjectives ("bakteriologiczny", "regionalny") compare only with
    // "bardziej"; the qualitative ones among them are listed.
    std::string RelationalEndings = "iczny,yczny,yjny,ijny,alny,waty";
    std::string QualitativeDespiteEnding = FromUtf8(
        "<absurdalny><aktualny><apetyczny><arystokratyczny><atrakcyjny><autentyczny><banalny><brutalny><chaotyczny>"
        "<dekoracyjny><demokratyczny><despotyczny><dramatyczny><drastyczny><dynamiczny><egzotyczny>"
        "<ekonomiczny><ekscentryczny><energiczny><estetyczny><fantastyczny><formalny><genialny><idealny>"
        "<idiotyczny><klasyczny><komiczny><krytyczny><legalny><liberalny><liczny><logiczny><lojalny>"
        "<melodyjny><moralny><muzykalny><naturalny><normalny><odpowiedzialny><optymistyczny><oryginalny>"
        "<patetyczny><perfekcyjny><plastyczny><precyzyjny><prozaiczny><punktualny><racjonalny><radykalny>"
        "<realny><romantyczny><rozliczny><rytmiczny><schematyczny><sentymentalny><sympatyczny>"
        "<tendencyjny><tragiczny><trywialny><uniwersalny><zapalny><śliczny>");
    std::string SyntheticAfterVowelEndings = "by,dy,hy,py,gi,pi";
    std::string ShortComparativeEndings = FromUtf8("gi,pi,ły,ny,ry,ty,wy,ni,by,dy,hy,py");
    std::string ShortComparative = FromUtf8("gi=ższy,pi=pszy,ły=lszy,ny=ńszy,ni=ńszy,y=szy");
    std::string LongComparative =
        FromUtf8("sły=ślejszy,zły=źlejszy,ły=lejszy,czny=czniejszy,szny=szniejszy,rzny=rzniejszy,sny=śniejszy,"
                 "zny=źniejszy,ny=niejszy,ni=niejszy,ry=rzejszy,ty=ciejszy,wy=wiejszy");

    std::string ParticleEndings = FromUtf8("ś,ż,że,kolwiek");
    std::string ParticleRemoval = FromUtf8("ś=,że=,ż=,kolwiek=");
    // What declines: the adjectival endings and the pronominal words without one; any
    // other adjective ("blond", "spoko") keeps one form, as do the listed loans.
    std::string AdjectivalEndings = FromUtf8("y,i,yj,ój");
    std::string DeclinableWords = FromUtf8("<jeden><niejeden><samojeden><żaden><pewien><winien><pełen><wesół><ten>"
                                           "<tamten><ów><sam><wszystek><nasz><wasz><rad><nierad><wart><niewart>"
                                           "<kontent><niekontent>");
    std::string IndeclinableWords = "<beta><ekstra><extra><lila><mega><prima><frotte><khaki><maksi><maxi><midi>"
                                    "<mini><seksi><sexy><trendy><groggy>";
    std::string ToMasculine = "jedna=jeden,jedne=jeden,ka=ki,ga=gi,la=li,ia=i,a=y,le=li,ie=i,e=y";
    std::string Stem1Words =
        FromUtf8("ów=ow,pewien=pewn,winien=winn,niejeden=niejedn,jeden=jedn,żaden=żadn,tamten=tamt,ten=t");
    std::string Stem1Endings = FromUtf8("ój=oj,wszystek=wszystki,pełen=pełn,wesół=wesoł,y=,a=,li=l");
    std::string Stem2Words =
        FromUtf8("ów=owy,pewien=pewny,winien=winny,niejeden=niejedny,jeden=jedny,żaden=żadny,tamten=tamty,ten=ty");
    std::string Stem2Endings = FromUtf8("ój=oi,wszystek=wszystki,j=i,pełen=pełny,wesół=wesoły,a=y,y=y,i=i");

    std::string FeminineNominative = FromUtf8("ki=ka,gi=ga");
    std::string FeminineAccusativeWords = FromUtf8("ten=tę,wszystek=wszystką");
    std::string FeminineAccusative = FromUtf8("ki=ką,gi=gą");
    std::string NeuterNominativeWords =
        FromUtf8("ów=owo,niejeden=niejedno,jeden=jedno,sam=samo,ten=to,tamten=tamto,wszystek=wszystko");
    std::string PersonalPluralWords = "wszystek=wszyscy,ten=ci";
    std::string ParticiplePersonalPlural =
        FromUtf8("ki=cy,gi=dzy,ony=eni,szny=szni,rzny=rzni,czny=czni,dzny=dzni,zny=źni,sny=śni,ry=rzy,szy=si,"
                 "sty=ści,ty=ci,ży=zi,chy=si,hy=si,cy=cy,czy=czy,dy=dzi,sły=śli,szły=szli,czły=czli,rzły=rzli,"
                 "zły=źli,ły=li,y=i,i=i");
    std::string AdjectivePersonalPlural =
        FromUtf8("wesoły=weseli,ciony=ceni,dziony=dzeni,szny=szni,rzny=rzni,czny=czni,dzny=dzni,łony=łoni,"
                 "wony=woni,rony=roni,ki=cy,gi=dzy,ony=eni,zny=źni,sny=śni,ry=rzy,szy=si,sty=ści,ty=ci,"
                 "duży=duzi,ży=ży,chy=si,hy=si,cy=cy,czy=czy,dzy=dzy,dy=dzi,sły=śli,szły=szli,czły=czli,"
                 "rzły=rzli,zły=źli,ły=li,y=i,i=i");
    // Adverbs in "-o" of adjectives whose ending takes "-nie" ("pomocnie" beside "mocno").
    std::string AdverbWords = FromUtf8(
        "martwy=martwo,żywy=żywo,złoty=złoto,brudny=brudno,ciemny=ciemno,drobny=drobno,mocny=mocno,czarny=czarno,"
        "kwaśny=kwaśno,późny=późno,słony=słono");
    // Adverbs of colours, compounds too ("ciemnozielono"), before the endings that have none.
    std::string ColourAdverbs = FromUtf8("czerwony=czerwono,zielony=zielono,łty=łto");
    std::string Adverbs =
        FromUtf8("wielki=wielce,cały=cało,chytry=chytrze,ciepły=ciepło,częsty=często,czysty=czysto,"
                 "dobry=dobrze,goły=goło,mądry=mądrze,mdły=mdło,miły=miło,okrągły=okrągło,prosty=prosto,"
                 "szczery=szczerze,szczodry=szczodrze,śmiały=śmiało,wesoły=wesoło,"
                 "świadomy=świadomie,późniejszy=później,zupełny=zupełnie,pełny=pełno,pusty=pusto,"
                 "tłusty=tłusto,biały=biało,cały=cało,mały=mało,czny=cznie,szny=sznie,rzny=rznie,omy=omo,"
                 "owy=owo,esny=eśnie,osny=ośnie,sny=sno,zny=źnie,sły=śle,sty=ście,zły=źle,ki=ko,li=lo,ły=le,"
                 "my=mie,ny=nie,pi=pio,ry=ro,aty=ato,ty=cie,wy=wie,y=o,ni=nio,gi=go,i=io,go=go");
    // Adjectives of material ("drewniany", "szklany", "skórzany") have no adverb.
    // Nor have the adjectives of a state undergone ("zmęczony", "zadowolony").
    std::string NoAdverbEndings = FromUtf8("niany,ziany,lany,rzany,ony");
    // Relational adjectives whose ending makes an adverb for most of its words but not
    // for them ("maturalny" of "matura", beside "naturalnie", "lokalnie").
    std::string NoAdverbWords = FromUtf8("<maturalny>");
    // The pronominal adjectives, the ordinals and the adjectives of time and side
    // neither compare nor make adverbs.
    std::string NeitherDegreeNorAdverb =
        FromUtf8("<który><któryś><jaki><jakiś><jakikolwiek><każdy><inny><niektóry><pierwszy><drugi><trzeci>"
                 "<czwarty><piąty><dany><były><dzisiejszy><wczorajszy><jutrzejszy><boży><lewy><prawy><taki>"
                 "<wszelki><własny><spodni><luby><przyszły><powinny><znany><muszy>");
};

const TListyPrzymiotnika& Lists()
{
    static const TListyPrzymiotnika lists;
    return lists;
}

constexpr std::array<const char*, 7> kCaseNames = {"nom", "gen", "dat", "acc", "ins", "loc", "voc"};

// Cell blocks of the paradigm.
constexpr int kSingularBlock = 7;
constexpr int kPersonalPlural = 35;
constexpr int kOtherPlural = 41;

// Whether the byte n places from the end (1 = last) is a Polish vowel; false for a word
// shorter than that.
bool VowelFromEnd(std::string_view word, std::size_t n)
{
    return word.size() >= n && IsPolishVowel(static_cast<unsigned char>(word[word.size() - n]));
}

// A value of an exact-word rule list, else of an ending rule list, else nothing.
bool WordOrEnding(const std::string& word, std::string_view words, std::string_view endings, std::string& out)
{
    return RuleValue(word, words, out) || ApplyEndingRules(word, endings, out);
}

std::string ValueOr(const std::string& word, std::string_view words, std::string_view endings,
                    const std::string& fallback)
{
    std::string out;
    return WordOrEnding(word, words, endings, out) ? out : fallback;
}

// The synthetic comparative, or empty when the adjective has none.
std::string SyntheticComparative(const std::string& lemma)
{
    const TListyPrzymiotnika& lists = Lists();
    std::string comparative;
    if (RuleValue(lemma, lists.Comparatives, comparative))
        return comparative;
    if (EndsWith(lemma, "ysty")) // "soczystszy", "czystszy"
        return DropLast(lemma, 1) + "szy";
    const bool relational =
        EndsWithAny(lemma, lists.RelationalEndings) && !InTagList(lemma, lists.QualitativeDespiteEnding);
    const bool analytic = (StartsWith(lemma, lists.AnalyticPrefix) || EndsWith(lemma, lists.AnalyticEnding)) &&
                          !InTagList(lemma, lists.SyntheticDespiteAffix);
    if (relational || analytic || InTagList(lemma, lists.NoSyntheticWords, true) ||
        InTagList(lemma, lists.NeitherDegreeNorAdverb) || EndsWithAny(lemma, lists.NoSyntheticEndings))
        return {};
    const bool vowelBeforeEnding = VowelFromEnd(lemma, 3);
    if (EndsWithAny(lemma, lists.SyntheticAfterVowelEndings) && !vowelBeforeEnding)
        return {};
    const bool shortForm = vowelBeforeEnding && EndsWithAny(lemma, lists.ShortComparativeEndings);
    if (ApplyEndingRules(lemma, shortForm ? lists.ShortComparative : lists.LongComparative, comparative))
        return comparative;
    return {};
}

// The adverb of a masculine dictionary form, or empty when it has none.
std::string Adverb(const std::string& lemma)
{
    const TListyPrzymiotnika& lists = Lists();
    std::string adverb;
    if (RuleValue(lemma, lists.AdverbWords, adverb) || ApplyEndingRules(lemma, lists.ColourAdverbs, adverb))
        return adverb;
    if (EndsWithAny(lemma, lists.NoAdverbEndings) || InTagList(lemma, lists.NoAdverbWords) ||
        InTagList(lemma, lists.NeitherDegreeNorAdverb) ||
        (EndsWith(lemma, lists.AnalyticEnding) && !InTagList(lemma, lists.SyntheticDespiteAffix)))
        return {};
    ApplyEndingRules(lemma, lists.Adverbs, adverb);
    return adverb;
}

// Whether a masculine dictionary form declines.
bool Declines(const std::string& word)
{
    const TListyPrzymiotnika& lists = Lists();
    if (InTagList(word, lists.IndeclinableWords) || EndsWith(word, "lila"))
        return false;
    return EndsWithAny(word, lists.AdjectivalEndings) || InTagList(word, lists.DeclinableWords);
}

// The same for a form of any gender: the feminine and neuter forms ("dobra", "dobre")
// decline as well.
bool DeclinesInAnyGender(const std::string& word)
{
    return Declines(word) || (EndsWithAny(word, "a,e") && !InTagList(word, Lists().IndeclinableWords));
}

// The particle of an indefinite or emphatic adjective ("jakiś", "czyjś", "któryż"), set
// aside only when what remains declines: "beż" keeps its "ż".
std::string SetAdjectiveParticleAside(std::string& lemma)
{
    std::string rest = lemma;
    std::string particle = SetParticleAside(rest);
    if (particle.empty() || !Declines(rest))
        return {};
    lemma = rest;
    return particle;
}

// Splits the word to decline from a phrase, sets the particle aside and brings the
// word to its masculine dictionary form.
void PrepareLemma(std::string lemma, std::string code, TAdjParadigmPl& p, std::string& properCode)
{
    static const std::string reflexive = FromUtf8(" się");
    if (EndsWith(lemma, reflexive)) {
        p.Tail = reflexive;
        lemma = Trim(DropLast(lemma, static_cast<int>(reflexive.size())));
    }
    const bool symbolCode = code.starts_with('%');
    code.erase(0, code.find_first_not_of('%'));
    if (const std::size_t space = lemma.rfind(' '); space != std::string::npos && !symbolCode) {
        p.Prefix = lemma.substr(0, space + 1);
        lemma.erase(0, space + 1);
    } else if (space != std::string::npos) {
        const std::size_t first = lemma.find(' ');
        p.Tail = lemma.substr(first) + p.Tail;
        lemma.erase(first);
    }
    if (code == "96")
        p.Particle = SetParticleAside(lemma);
    else if (code == "7")
        p.Particle = SetAdjectiveParticleAside(lemma);
    if (InTagList(lemma, "<wszyscy><wszystkie>"))
        lemma = "wszystek";
    p.Lemma = lemma;
    properCode = code;
}

void FillMasculine(TAdjParadigmPl& p, int gender)
{
    const int base = gender * kSingularBlock;
    auto& c = p.Cells;
    c[base + 0] = p.Lemma;
    c[base + 1] = p.Stem1 + "ego";
    c[base + 2] = p.Stem1 + "emu";
    c[base + 3] = gender == rdzMeskorzeczowy ? c[base + 0] : c[base + 1];
    c[base + 4] = p.Stem2 + "m";
    c[base + 5] = p.Stem2 + "m";
    c[base + 6] = c[base + 0];
}

void FillFeminine(TAdjParadigmPl& p)
{
    const TListyPrzymiotnika& lists = Lists();
    const int base = rdzZenski * kSingularBlock;
    auto& c = p.Cells;
    c[base + 0] = ValueOr(p.Lemma, "wszystek=wszystka", lists.FeminineNominative, p.Stem1 + "a");
    c[base + 1] = p.Stem1 + "ej";
    c[base + 2] = p.Stem1 + "ej";
    c[base + 3] = ValueOr(p.Lemma, lists.FeminineAccusativeWords, lists.FeminineAccusative, p.Stem1 + FromUtf8("ą"));
    c[base + 4] = p.Lemma == "ten" ? FromUtf8("tą") : c[base + 3];
    c[base + 5] = p.Stem1 + "ej";
    c[base + 6] = c[base + 0];
}

void FillNeuter(TAdjParadigmPl& p)
{
    const int base = rdzNijaki * kSingularBlock;
    auto& c = p.Cells;
    c[base + 0] = ValueOr(p.Lemma, Lists().NeuterNominativeWords, {}, p.Stem1 + "e");
    c[base + 1] = p.Stem1 + "ego";
    c[base + 2] = p.Stem1 + "emu";
    c[base + 3] = c[base + 0];
    c[base + 4] = p.Stem2 + "m";
    c[base + 5] = p.Stem2 + "m";
    c[base + 6] = c[base + 0];
}

// Nominative … locative of a plural block after its nominative.
void FillPluralOblique(TAdjParadigmPl& p, int base, bool accusativeIsGenitive)
{
    auto& c = p.Cells;
    c[base + 1] = p.Stem2 + "ch";
    c[base + 2] = p.Stem2 + "m";
    c[base + 3] = accusativeIsGenitive ? c[base + 1] : c[base + 0];
    c[base + 4] = p.Stem2 + "mi";
    c[base + 5] = p.Stem2 + "ch";
}

void FillPlural(TAdjParadigmPl& p, int mode)
{
    const TListyPrzymiotnika& lists = Lists();
    std::string personal;
    if (!RuleValue(p.Lemma, lists.PersonalPluralWords, personal)) {
        const auto& rules = mode == tpImieslow ? lists.ParticiplePersonalPlural : lists.AdjectivePersonalPlural;
        personal = p.Stem2;
        ApplyEndingRules(personal, rules);
    }
    p.Cells[kPersonalPlural] = personal;
    FillPluralOblique(p, kPersonalPlural, true);
    p.Cells[kOtherPlural] = p.Stem1 + "e";
    FillPluralOblique(p, kOtherPlural, false);
}

void Decline(TAdjParadigmPl& p, int mode)
{
    const TListyPrzymiotnika& lists = Lists();
    const std::string given = p.Lemma;
    int impliedGender = -1;
    std::string lemma = given;
    if (EndsWithAny(lemma, "a,e")) {
        impliedGender = lemma.back() == 'a' ? rdzZenski : rdzNijaki;
        ApplyEndingRules(lemma, lists.ToMasculine);
    }
    const std::string stem1 = ValueOr(lemma, lists.Stem1Words, lists.Stem1Endings, lemma);
    if (stem1.empty()) {
        // A word that is nothing but an ending ("a", "y") has no stem to decline.
        p.Cells.fill(given);
        return;
    }
    p.Lemma = lemma;
    p.Gender = impliedGender;
    p.Stem1 = stem1;
    p.Stem2 = ValueOr(p.Lemma, lists.Stem2Words, lists.Stem2Endings, p.Lemma + "y");
    for (int gender : {rdzMeskoosobowy, rdzMeskorzeczowy, rdzMeskozywotny})
        FillMasculine(p, gender);
    FillFeminine(p);
    FillNeuter(p);
    FillPlural(p, mode);
    p.Cells[kAdjAdverbCell] = Adverb(p.Lemma);
}

void AddPhraseParts(TAdjParadigmPl& p)
{
    if (p.Particle.empty() && p.Prefix.empty() && p.Tail.empty())
        return;
    for (std::string& cell : p.Cells)
        if (!cell.empty())
            cell = p.Prefix + WithParticle(cell, p.Particle) + p.Tail;
}

} // namespace

std::string SetParticleAside(std::string& lemma)
{
    const TListyPrzymiotnika& lists = Lists();
    if (!EndsWithAny(lemma, lists.ParticleEndings))
        return {};
    std::string particle;
    if (EndsWith(lemma, "kolwiek"))
        particle = "kolwiek";
    else if (EndsWithAny(lemma, FromUtf8("że,ż")))
        particle = FromUtf8("ż");
    else
        particle = lemma.substr(lemma.size() - 1);
    ApplyEndingRules(lemma, lists.ParticleRemoval);
    return particle;
}

std::string WithParticle(const std::string& form, const std::string& particle)
{
    static const std::string emphatic = FromUtf8("ż");
    if (particle == emphatic && !form.empty() && !IsPolishVowel(static_cast<unsigned char>(form.back())))
        return form + particle + "e";
    return form + particle;
}

int AdjCellIndex(int grammaticalCase, int number, int gender)
{
    const int caseIndex = grammaticalCase >= 1 && grammaticalCase <= 7 ? grammaticalCase - 1 : 0;
    const int g = gender >= rdzMeskoosobowy && gender <= rdzNijaki ? gender : rdzMeskorzeczowy;
    if (number != 2)
        return g * kSingularBlock + caseIndex;
    const int pluralCase = caseIndex == 6 ? 0 : caseIndex;
    return (g == rdzMeskoosobowy ? kPersonalPlural : kOtherPlural) + pluralCase;
}

std::string AdjCellName(int cell)
{
    if (cell < 0 || cell >= kAdjCellCount)
        return {};
    if (cell == kAdjAdverbCell)
        return FromUtf8("przysłówek");
    if (cell < kPersonalPlural)
        return kCaseNames[static_cast<std::size_t>(cell % kSingularBlock)] + std::to_string(cell / kSingularBlock);
    const bool personal = cell < kOtherPlural;
    const int caseIndex = cell - (personal ? kPersonalPlural : kOtherPlural);
    return std::string("p") + kCaseNames[static_cast<std::size_t>(caseIndex)] + (personal ? "0" : "1");
}

int BuildAdjParadigmPl(std::string_view lemma, std::string_view code, int mode, TAdjParadigmPl& paradigm)
{
    paradigm = {};
    const std::string trimmedLemma = Trim(lemma);
    const std::string trimmedCode = Trim(code);
    if (trimmedLemma.empty())
        return wbPustyLemat;
    if (trimmedCode.empty())
        return wbPustyKod;
    std::string properCode;
    PrepareLemma(trimmedLemma, trimmedCode, paradigm, properCode);
    if (properCode == "79" || properCode == "799" || !DeclinesInAnyGender(paradigm.Lemma))
        paradigm.Cells.fill(paradigm.Lemma);
    else
        Decline(paradigm, mode);
    AddPhraseParts(paradigm);
    return wbOk;
}

std::string DegreeFormPl(std::string_view lemma, std::string_view code, int degree)
{
    const std::string word = Trim(lemma);
    if (Trim(code) != "7" || (degree != 1 && degree != 2))
        return word;
    const std::string comparative = SyntheticComparative(word);
    if (!comparative.empty())
        return degree == 2 ? "naj" + comparative : comparative;
    return (degree == 2 ? "najbardziej " : "bardziej ") + word;
}

std::string GenAdjPl(std::string_view lemma, std::string_view code, int grammaticalCase, bool adverb, int degree,
                     int gender, int number)
{
    TAdjParadigmPl paradigm;
    if (BuildAdjParadigmPl(DegreeFormPl(lemma, code, degree), code, tpPrzymiotnik, paradigm) != wbOk)
        return std::string(lemma);
    if (adverb)
        return paradigm.Cells[kAdjAdverbCell];
    if (paradigm.Gender >= 0)
        gender = paradigm.Gender;
    if (InTagList(Trim(lemma), "<wszyscy><wszystkie>"))
        number = 2;
    return paradigm.Cells[static_cast<std::size_t>(AdjCellIndex(grammaticalCase, number, gender))];
}

} // namespace velmar
