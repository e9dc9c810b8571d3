#include "core/generators/untGenFrFunkcje.h"

#include "core/app/untUtils.h"
#include "core/generators/untGenFrReguly.h"

#include <algorithm>
#include <vector>

namespace velmar {

namespace {

// Compound nouns whose plural inflects more than the last part, as quoted
// "singular=plural" pairs.
constexpr std::string_view kCompoundNouns =
    "\"arc-en-ciel=arcs-en-ciel\",\"ballon-sonde=ballons-sondes\",\"beau-fils=beaux-fils\","
    "\"beau-frère=beaux-frères\",\"beau-père=beaux-pères\",\"belle-fille=belles-filles\","
    "\"belle-mère=belles-mères\",\"belle-soeur=belles-soeurs\",\"bétail=bestiaux\","
    "\"cerf-volant=cerfs-volants\",\"chauve-souris=chauves-souris\","
    "\"chef-d'oeuvre=chefs-d'oeuvre\",\"chef-lieu=chefs-lieux\",\"cheval-vapeur=chevaux-vapeur\","
    "\"chou-fleur=choux-fleurs\",\"chou-navet=choux-navets\",\"chou-rave=choux-raves\","
    "\"clair-obscur=clairs-obscurs\",\"coffre-fort=coffres-forts\",\"compte-rendu=comptes-rendus\","
    "\"court-circuit=courts-circuits\",\"croc-en-jambe=crocs-en-jambes\","
    "\"cul-de-jatte=culs-de-jatte\",\"cul-de-sac=culs-de-sac\",\"eau-de-vie=eaux-de-vie\","
    "\"état-major=états-majors\",\"garde-malade=gardes-malades\",\"grand-père=grands-pères\","
    "\"haut-fond=hauts-fonds\",\"machine-outil=machines-outils\",\"main-d'oeuvre=mains-d'oeuvre\","
    "\"mandat-poste=mandats-postes\",\"maréchal-ferrant=maréchaux-ferrants\","
    "\"marteau-pilon=marteaux-pilons\",\"martin-pêcheur=martins-pêcheurs\","
    "\"moissonneuse-lieuse=moissonneuses-lieuses\",\"petite-fille=petites-filles\","
    "\"plate-bande=plates-bandes\",\"plate-forme=plates-formes\",\"pot-pourris=pots-pourris\","
    "\"premier-né=premiers-nés\",\"quartier-maître=quartiers-maîtres\","
    "\"rond-de-cuir=ronds-de-cuir\",\"sourde-muette=sourdes-muettes\",\"sourd-muet=sourds-muets\","
    "\"tente-abri=tentes-abris\",\"timbre-poste=timbres-poste\","
    "\"wagon-cisterne=wagons-cisternes\","
    "\"wagon-lit=wagons-lits\",\"wagon-restaurant=wagons-restaurants\",\"watt-heure=watts-heure\","
    "\"wattman=wattmen\",\"yachtman=yachtmen\""_fr;

struct TKodRzeczownikaFr {
    bool TylkoMnoga = false;  // plural only: both numbers give the lemma
    bool Nieodmienny = false; // invariable: both numbers give the lemma
    int Rodzaj = rdzFrObydwa;
};

TKodRzeczownikaFr ReadNounCode(std::string_view rawCode)
{
    std::string code(rawCode);
    std::erase(code, '$');
    if (code == "0" || code == "01")
        return {true, false, rdzFrMeski};
    if (code == "F" || code == "02")
        return {true, false, rdzFrZenski};
    if (code == "11" || code == "12")
        return {false, true, rdzFrMeski};
    if (code == "21" || code == "22")
        return {false, true, rdzFrZenski};
    if (code == "1")
        return {false, false, rdzFrMeski};
    if (code == "2")
        return {false, false, rdzFrZenski};
    return {};
}

// The lemma's own exceptional value when it has one, else the first ending rule.
std::string ExceptionOrEnding(std::string_view lemma, std::string_view exceptions, std::string_view rules,
                              bool caseSensitive = true)
{
    std::string result;
    if (RuleValue(lemma, exceptions, result))
        return result;
    return EndingRule(lemma, rules, caseSensitive);
}

// ---------------------------------------------------------------- adjective steps

// Feminine singular, first matching step; beau gives its masculine alternative too.
std::string FeminineAdjFr(std::string_view lemma, std::string& masculineAlternative)
{
    constexpr std::string_view invariable =
        "angora,bougon,camaïeu,châtain,chic,gnangnan,grognon,kaki,marron,mastoc,orange,relax,rococo,snob,"
        "souillon,vidéo"_fr;
    constexpr std::string_view cExceptions = "grec=grecque,blanc=blanche,franc=franche,sec=sèche"_fr;
    constexpr std::string_view nExceptions = "paysan=paysanne,bénin=bénigne,malin=maligne"_fr;
    constexpr std::string_view nRules = "en=enne,on=onne,n=ne,er=ère"_fr;
    constexpr std::string_view comparatives =
        "antérieur,postérieur,extérieur,inférieur,supérieur,majeur,mineur,meilleur,ultérieur,"
        "citérieur"_fr;
    constexpr std::string_view eurExceptions =
        "accusateur=accusatrice,enchanteur=enchanteresse,pécheur=pécheresse,vengeur=vengeresse,"
        "avant-courreur=avant-courrière,vainqueur=victorieuse"_fr;
    constexpr std::string_view sExceptions = "tiers=tierce,frais=fraîche,exprès=expresse,profès=professe"_fr;
    constexpr std::string_view etToEte =
        "complet,incomplet,concret,désuet,discret,indiscret,inquiet,quiet,replet,secret"_fr;
    constexpr std::string_view tAddsTe = "boulot,maigriot,pâlot,sot,vieillot"_fr;

    if (InCommaList(lemma, invariable))
        return std::string(lemma);
    if (lemma == "beau") {
        masculineAlternative = "bel";
        return "belle";
    }
    if (lemma == "nouveau")
        return "nouvelle";

    constexpr std::string_view cRules = "c=que,f=ve,g=gue";
    if (EndsWithRuleKey(lemma, cRules))
        return ExceptionOrEnding(lemma, cExceptions, cRules);

    constexpr std::string_view lRules = "eil=eille,il=ile,el=elle,ul=ule,al=ale,ol=ole";
    if (EndsWithRuleKey(lemma, lRules))
        return ExceptionOrEnding(lemma, "gentil=gentille,fol=folle,mol=molle,nul=nulle", lRules);

    if (EndsWithRuleKey(lemma, nRules))
        return ExceptionOrEnding(lemma, nExceptions, nRules);

    constexpr std::string_view rRules = "teur=trice,rieur=rieure,eur=euse,r=re";
    if (EndsWithRuleKey(lemma, rRules)) {
        if (InCommaList(lemma, comparatives))
            return WithSuffix(lemma, "e");
        std::string result;
        if (RuleValue(lemma, eurExceptions, result))
            return result;
        if (InCommaList(lemma, "retenteur,chanteur,conteur,lesteur,menteur,sauteur,sauveteur,zozoteur"))
            return EndingRule(lemma, "teur=teuse");
        if (lemma == "rieur")
            return "rieuse";
        return EndingRule(lemma, rRules);
    }

    if (EndsWith(lemma, "s")) {
        if (InCommaList(lemma, "bas,gras,gros,las,épais,métis"_fr))
            return WithSuffix(lemma, "se");
        return ExceptionOrEnding(lemma, sExceptions, "s=se");
    }

    constexpr std::string_view tRules = "et=ette,t=te";
    if (EndsWithRuleKey(lemma, tRules)) {
        if (InCommaList(lemma, etToEte))
            return EndingRule(lemma, "et=ète"_fr);
        if (InCommaList(lemma, tAddsTe))
            return WithSuffix(lemma, "te");
        return EndingRule(lemma, tRules);
    }

    std::string result;
    if (RuleValue(lemma, "roux=rousse,doux=douce,faux=fausse,andalou=andalouse,vieux=vieille,fou=folle,mou=molle,"
                         "favori=favorite",
                  result))
        return result;
    // "aiguë", "ambiguë": the diaeresis keeps the "u" heard.
    if (ApplyEndingRules(lemma, "gu=guë"_fr, result))
        return result;
    if (ApplyEndingRules(lemma, "eux=euse,oux=ouse", result))
        return result;
    return EndingRule(lemma, "e=e,=e");
}

// Adjectives with one form for both numbers.
constexpr std::string_view kInvariableInPlural = "angora,camaïeu,gnangnan,marron,mastoc,orange,relax,rococo,vidéo"_fr;

std::string MasculinePluralAdjFr(std::string_view lemma)
{
    if (InCommaList(lemma, kInvariableInPlural))
        return std::string(lemma);
    std::string result;
    constexpr std::string_view irregular = "beau=beaux,nouveau=nouveaux,tout=tous,hébreu=hébreux"_fr;
    if (RuleValue(lemma, irregular, result))
        return result;
    constexpr std::string_view rules = "al=aux,s=s,z=z,x=x";
    if (!EndsWithRuleKey(lemma, rules) || InCommaList(lemma, "final,naval,banal,bancal,fatal"))
        return WithSuffix(lemma, "s");
    return EndingRule(lemma, rules);
}

std::string FemininePluralAdjFr(std::string_view lemma, const std::string& feminine)
{
    if (lemma == "beau")
        return "belles";
    if (InCommaList(lemma, kInvariableInPlural))
        return feminine;
    std::string result = feminine;
    ApplyEndingRules(result, "e=es,ë=ës"_fr);
    return result;
}

// ---------------------------------------------------------------- determiners

// A row of the determiner table: the lemma, then masculine singular, feminine singular,
// masculine plural and feminine plural.
using TOkreslnikFr = std::vector<std::string>;

const std::vector<TOkreslnikFr>& Determiners()
{
    static const std::vector<TOkreslnikFr> table = [] {
        std::vector<TOkreslnikFr> rows;
        for (std::string_view row :
             {"mon,mon,ma,mes,mes"_fr, "ton,ton,ta,tes,tes"_fr, "son,son,sa,ses,ses"_fr, "ce,ce,cette,ces,ces"_fr,
              "notre,notre,notre,nos,nos"_fr, "votre,votre,votre,vos,vos"_fr, "leur,leur,leur,leurs,leurs"_fr,
              "tout,tout,toute,tous,toutes"_fr, "celui-là,celui-là,celle-là,ceux-là,celles-là"_fr})
            rows.push_back(CommaListItems(row));
        return rows;
    }();
    return table;
}

const TOkreslnikFr* FindDeterminer(std::string_view lemma)
{
    const auto& table = Determiners();
    const auto row = std::find_if(table.begin(), table.end(), [lemma](const TOkreslnikFr& r) { return r[0] == lemma; });
    return row == table.end() ? nullptr : &*row;
}

// ---------------------------------------------------------------- word lists

// Every form of the words that begin with an aspirated h, read once from the UTF-8 list
// compiled into the program, as sorted lower-case 1252 text.
const std::vector<std::string>& AspiratedHWords()
{
    static const std::vector<std::string> words = [] {
        static constexpr std::string_view text =
#include "core/generators/hmuet.inc"
            ;
        std::vector<std::string> list;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string line = Trim(text.substr(start, end - start));
            if (!line.empty())
                list.push_back(LowerStr(FromUtf8(line)));
            start = end + 1;
        }
        std::sort(list.begin(), list.end());
        return list;
    }();
    return words;
}

constexpr std::string_view kIrregularVerbs =
    "<abattre><absoudre><abstenir><abstraire><accourir><accroire><accroître><accueillir>"
    "<acquérir><adjoindre><admettre><advenir><aller><apercevoir><apparaître><appartenir>"
    "<apprendre><assaillir><asseoir><asservir><astreindre><atteindre><attendre><avoir>"
    "<battre><boire><bouillir><braire><bruire><ceindre><chaloir><choir><circoncire>"
    "<circonscrire><circonvenir><clore><combattre><commettre><comparaître><complaire>"
    "<comprendre><compromettre><concevoir><conclure><concourir><condescendre><conduire>"
    "<confire><confondre><conjoindre><connaître><conquérir><consentir><construire><contenir>"
    "<contraindre><contrebattre><contredire><contrefaire><contrevenir><convaincre><convenir>"
    "<correspondre><corrompre><coudre><courir><couvrir><craindre><croire><croître><cueillir>"
    "<cuire><débattre><décevoir><déchoir><déconfire><découdre><découvrir><décrire><décroître>"
    "<dédire><déduire><défaillir><défaire><défendre><démentir><démettre><démordre><départir>"
    "<dépeindre><déplaire><dépourvoir><déprendre><désapprendre><descendre><desservir>"
    "<déteindre><détendre><détenir><détordre><détruire><devenir><dévêtir><devoir><dire>"
    "<disconvenir><disjoindre><disparaître><dissoudre><distendre><distordre><distraire>"
    "<dormir><échoir><éclore><éconduire><écrire><élire><émettre><émouvoir><empreindre>"
    "<enceindre><enclore><encourir><endormir><enduire><enfreindre><enfuir><enjoindre>"
    "<enquérir><ensuivre><entendre><entremettre><entreprendre><entretenir><entrevoir>"
    "<entr'ouvrir><envoyer><épandre><éprendre><équivaloir><éteindre><étendre><être>"
    "<étreindre><exclure><extraire><faillir><faire><falloir><feindre><fendre><fondre>"
    "<forclore><forfaire><frire><fuir><geindre><gésir><haïr><inclure><induire><inscrire>"
    "<instruire><interdire><interrompre><intervenir><introduire><joindre><lire><luire>"
    "<maintenir><maudire><méconnaître><médire><méfaire><mentir><méprendre><messeoir><mettre>"
    "<mordre><morfondre><moudre><mourir><mouvoir><naître><nuire><obtenir><occire><offrir>"
    "<oindre><omettre><ouïr><ouvrir><paître><paraître><parcourir><parfaire><partir><parvenir>"
    "<peindre><pendre><percevoir><perdre><permettre><plaindre><plaire><pleuvoir><poindre>"
    "<pondre><pourfendre><poursuivre><pourvoir><pouvoir><prédire><prendre><prescrire>"
    "<présentir><pressentir><prétendre><prévaloir><prévenir><prévoir><produire><promettre>"
    "<promouvoir><proscrire><provenir><rabattre><rasseoir><rebattre><recevoir><reconduire>"
    "<reconnaître><reconquérir><reconstruire><recoudre><recourir><recouvrir><recueillir>"
    "<redescendre><redevoir><redire><réduire><refondre><rejoindre><relire><reluire><remettre>"
    "<renaître><rendre><renvoyer><repaître><répandre><reparaître><repartir><repentir>"
    "<répondre><reprendre><reproduire><requérir><résoudre><ressentir><ressortir>"
    "<ressouvenir><restreindre><retenir><revaloir><revendre><revenir><revêtir><revivre>"
    "<revoir><rire><rompre><rouvrir><saillir><satisfaire><savoir><secourir><séduire><sentir>"
    "<seoir><servir><sortir><souffrir><soumettre><sourdre><sourire><souscrire><soustraire>"
    "<soutenir><souvenir><subvenir><suffire><suivre><surcroître><surfaire><surprendre>"
    "<surseoir><survenir><survivre><suspendre><taire><teindre><tendre><tenir><tondre>"
    "<tordre><traduire><traire><transcrire><transmettre><transparaître><tressaillir>"
    "<vaincre><valoir><venir><vêtir><vivre><voir><vouloir>"_fr;

} // namespace

// ---------------------------------------------------------------- nouns

namespace {

// "pomme de terre", "chemin de fer", "machine à laver": the end of the head noun, which
// alone takes the plural; npos for any other lemma.
std::size_t HeadOfPrepositionalCompound(std::string_view lemma)
{
    const std::size_t space = lemma.find(' ');
    if (space == std::string_view::npos)
        return space;
    const std::string_view rest = lemma.substr(space + 1);
    for (const std::string_view preposition :
         {"de ", "d'", "\xE0 ", "en ", "pour ", "sans ", "sur ", "au ", "aux ", "du "})
        if (rest.starts_with(preposition))
            return space;
    return std::string_view::npos;
}

} // namespace

std::string NounPluralFr(std::string_view lemma, std::string& alternative)
{
    constexpr std::string_view alExceptions =
        "bal=bals,cal=cals,carnaval=carnavals,cérémonial=cérémonials,chacal=chacals,choral=chorals,"
        "festival=festivals,narval=narvals,pal=pals,récital=récitals,régal=régals"_fr;
    constexpr std::string_view ailExceptions =
        "bail=baux,corail=coraux,émail=émaux,soupirail=soupiraux,travail=travaux,vantail=vantaux,"
        "vitrail=vitraux"_fr;
    constexpr std::string_view irregular =
        "oeil=yeux,condottiere=condottieri,gentleman=gentlemen,monsieur=messieurs,madame=mesdames,"
        "mademoiselle=mesdemoiselles,policeman=policemen,ciel=cieux,bonhomme=bonshommes,"
        "gentilhomme=gentilshommes,brunch=brunches,coach=coaches,sketch=sketches,"
        "sandwich=sandwiches,lunch=lunchs,match=matchs";

    alternative.clear();
    std::string plural;
    if (QuotedValue(lemma, kCompoundNouns, plural))
        return plural.substr(0, plural.find(','));
    if (const std::size_t head = HeadOfPrepositionalCompound(lemma); head != std::string_view::npos) {
        std::string headAlternative;
        return NounPluralFr(lemma.substr(0, head), headAlternative) + std::string(lemma.substr(head));
    }
    if (EndsWithAny(lemma, "s,x,z") || InCommaList(lemma, "confetti,ave,credo,amen,kyrie"))
        return std::string(lemma);
    if (RuleValue(lemma, irregular, plural)) {
        RuleValue(lemma, "lunch=lunches,match=matches,sandwich=sandwichs", alternative);
        return plural;
    }
    constexpr bool anyCase = false;
    if (EndsWith(lemma, "al", anyCase))
        return ExceptionOrEnding(lemma, alExceptions, "al=aux", anyCase);
    if (EndsWith(lemma, "ail", anyCase))
        return ExceptionOrEnding(lemma, ailExceptions, "ail=ails", anyCase);
    if (EndsWithAny(lemma, "au,eu", anyCase))
        return ExceptionOrEnding(lemma, "landau=landaus,sarrau=sarraus,bleu=bleus,pneu=pneus", "au=aux,eu=eux",
                                 anyCase);
    if (RuleValue(lemma,
                  "bijou=bijoux,caillou=cailloux,chou=choux,genou=genoux,hibou=hiboux,"
                  "joujou=joujoux,pou=poux",
                  plural))
        return plural;
    return WithSuffix(lemma, "s");
}

TRzeczownikFr BuildNounFormsFr(std::string_view lemma, std::string_view code)
{
    const TKodRzeczownikaFr kind = ReadNounCode(code);
    TRzeczownikFr forms;
    forms.Rodzaj = kind.Rodzaj;
    forms.Pojedyncza = std::string(lemma);
    if (kind.TylkoMnoga || kind.Nieodmienny)
        forms.Mnoga = std::string(lemma);
    else
        forms.Mnoga = NounPluralFr(lemma, forms.MnogaAlt);
    return forms;
}

std::string GenNounFr(std::string_view lemma, std::string_view code, int number)
{
    const TRzeczownikFr forms = BuildNounFormsFr(lemma, code);
    return number == 2 ? forms.Mnoga : forms.Pojedyncza;
}

// ---------------------------------------------------------------- adjectives

TPrzymiotnikFr BuildAdjFormsFr(std::string_view lemma, std::string_view code)
{
    TPrzymiotnikFr forms;
    forms.MeskaPoj = std::string(lemma);
    if (code == "78")
        return forms;
    forms.ZenskaPoj = FeminineAdjFr(lemma, forms.MeskaPojAlt);
    forms.MeskaMn = MasculinePluralAdjFr(lemma);
    forms.ZenskaMn = FemininePluralAdjFr(lemma, forms.ZenskaPoj);
    return forms;
}

std::string GenAdjFr(std::string_view lemma, std::string_view code, int number, int gender)
{
    const TPrzymiotnikFr forms = BuildAdjFormsFr(lemma, code);
    const bool plural = number == 2;
    const bool feminine = gender == rdzFrZenski;
    if (plural)
        return feminine ? forms.ZenskaMn : forms.MeskaMn;
    return feminine ? forms.ZenskaPoj : forms.MeskaPoj;
}

// ---------------------------------------------------------------- determiners and "se"

bool IsDeterminerFr(std::string_view lemma)
{
    return FindDeterminer(lemma) != nullptr;
}

std::string GenDeterminerFr(std::string_view lemma, int number, int gender)
{
    const TOkreslnikFr* row = FindDeterminer(lemma);
    if (row == nullptr)
        return std::string(lemma);
    const std::size_t column = 1 + (number == 2 ? 2 : 0) + (gender == rdzFrZenski ? 1 : 0);
    return (*row)[column];
}

std::string ReflexiveFr(std::string_view lemma, int person)
{
    if (lemma != "se")
        return std::string(lemma);
    switch (person) {
    case 1: return "me";
    case 2: return "te";
    case 4: return "nous";
    case 5: return "vous";
    default: return "se";
    }
}

// ---------------------------------------------------------------- small rules

bool IsVowelFr(unsigned char c)
{
    static const TZbiorZnakow vowels = CharsToSet("AEIOUaeiouÀÂÈÉÊËÎÏÔÙÛàâèéêëîïôùû"_fr);
    return vowels.test(c);
}

bool IsAspiratedHFr(std::string_view word)
{
    const std::string key = LowerStr(FirstWord(word));
    const auto& words = AspiratedHWords();
    return std::binary_search(words.begin(), words.end(), key);
}

bool ElisionAllowed(std::string_view word)
{
    if (word.empty())
        return false;
    const auto first = static_cast<unsigned char>(word[0]);
    if (IsVowelFr(first))
        return true;
    return (first == 'h' || first == 'H') && !IsAspiratedHFr(word);
}

bool IsIrregularVerbFr(std::string_view lemma)
{
    std::string verb(lemma);
    ApplyPrefixRules(lemma, "se =,s'=", verb);
    return InTagList(LowerStr(verb), kIrregularVerbs);
}

bool IsOneSyllableFr(std::string_view word)
{
    const std::string upper = UpperStr(word);
    bool groupSeen = false;
    for (std::size_t pos = 0; pos < upper.size(); ++pos) {
        if (!IsVowelFr(static_cast<unsigned char>(upper[pos])))
            continue;
        if (groupSeen)
            return false;
        groupSeen = true;
        const std::string_view rest = std::string_view(upper).substr(pos);
        if (rest.starts_with("OEU"))
            pos += 2;
        else if (StartsWithAny(rest, "AU,AI,EU,EI"))
            pos += 1;
    }
    return true;
}

} // namespace velmar
