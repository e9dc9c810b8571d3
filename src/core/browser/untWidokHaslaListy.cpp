// The word lists and code tables of the entry view: aspirated-h headwords and the word
// class of a form code in either source language.
#include "core/browser/untWidokHasla.h"

#include "core/generators/untGenFrReguly.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// French headwords that begin with an aspirated h, as a tag list.
constexpr std::string_view kAspiratedHeadwords =
    "<hâbler><hâblerie><hâbleur><hache><haché><hache-légumes><hachement><hache-paille><hacher>"
    "<hachereau><hachette><hachis><hachich><haschisch><hachoir><hachure><hachurer><hagard>"
    "<haie><haillon><haillonneux><haine><haineux><haïr><haire><haïssable><haïtien><halage>"
    "<halbran><halbrené><halbrener><halde><hâle><hâlé><haler><hâler><haletant><halètement>"
    "<haleter><haleur><hallage><halle><hallebarde><hallebardier><hallebrand><hallier><halo>"
    "<hâloir><halte><hamac><hameau><hampe><hamster><hanche><hanché><hancher><hangar><hanneton>"
    "<hannetonnage><hannetonner><hanse><hanséatique><hanter><hantise><happer><haquenée><haquet>"
    "<hara-kiri><harangue><haranguer><harangueur><haras><harassant><harassement><harasser>"
    "<harcèlement><harceler><harde><harder><hardes><hardi><hardiesse><hardiment><harem><hareng>"
    "<harengaison><harengère><harenguier><hargne><hargneux><haricot><haricoter><haridelle>"
    "<harnachement><harnacher><harnais><haro><harpagon><harpail><harpaille><harpailler><harpe>"
    "<harper><harpie><harpin><harpiste><harpon><harponnage><harponnement><harponner>"
    "<harponneur><hart><hasard><hasarder><hasardeux><hase><hastaire><haste><hâte><hâter><hâtif>"
    "<hâtiveau><hâtiveté><hauban><haubanage><haubaner><haubergeon><haubert><hausse><hausse-col>"
    "<haussement><hausser><haussier><haut><hautain><hautbois><hautboïste><haut-de-chausses>"
    "<haut-de-forme><haute-contre><haute-futaie><hautement><hautesse><hauteur><haut-fait>"
    "<haut-fond><haut fourneau><haut-le-coeur><haut-le-corps><haut-le-pied><haut-mal>"
    "<haut-parleur><haut-relief><havage><havane><hâve><haveneau><haver><haveuse><havir><havre>"
    "<havresac><hayer><heaume><héler><hélode><henne><hennir><hennissement><héraut><hère>"
    "<hérissé><hérisser><hérisson><hérissonne><hérissonner><herniaire><hernie><hernieux><héron>"
    "<héronneau><héronnier><héros><hersage><herse><hersement><herser><herseur><hêtraie><hêtre>"
    "<heurt><heurté><heurter><heurtoir><hibou><hideur><hideux><hie><hier><hiérarchie>"
    "<hiérarchique><hiérarchisation><hiérarchiser><hisser><hobereau><hoche><hochement>"
    "<hochequeue><hocher><hochet><hockey><hockeyeur><holà><homard><home><hongre><hongrer>"
    "<hongrois><honnir><honte><honteux><hoquet><hoqueter><horde><horion><hors><hors-concours>"
    "<hors-d'ouvre><hors-la-loi><hors-texte><hotte><hottentot><houblon><houblonner>"
    "<houblonnier><houe><houer><houille><houiller><houilleur><houilleux><houllification><houle>"
    "<houlette><houleux><houppe><houppé><houppelande><houppette><houri><houseaux>"
    "<houspillement><houspiller><housse><housser><houssine><houssiner><housson><hoyau><huard>"
    "<hublot><huche><hucher><huchet><hue><huée><huer><huette><huguenot><huiller><huit><huitain>"
    "<huitaine><huitième><huitièmement><hulotte><humage><humer><hune><hunier><huppe><huppé>"
    "<hure><hurlant><hurlement><hurler><hurleur><hussard><hussarde><hussite><hutte><hutter><ha>"
    "<hâbleuse><hachage><hache-viande><hacheron><hachisch><hall><halles><halva><Hambourg>"
    "<hamburger><handball><handicapé><happe><happelourde><happening><haquetier><harassé>"
    "<hardées><hardware><hareng laité><harangère><harenguet><haricot vert><haricots>"
    "<haricots blancs><haricots mange-tout><haricots verts><haricots verts fins><harle>"
    "<harpeau><harpigner><hasard heureux><hasardé><hasarder de><hasardeusement><hasch>"
    "<haschich><hast><hâte-toi lentement><hâtier><hâtivement><hausse barométrique>"
    "<hausse de prix><hausse des prix><hausser les épaules><haussière><haut enjambé>"
    "<haut les mains><haut moyen-âge><haut-à-haut><haut-de-chausse>"
    "<haute capacité professionnelle><haute mer><haute tension><haute volée><Havanais>"
    "<havanais><Havane><havenet><haveur><Havre><havre de la paix><havre de paix><Haye><hayette>"
    "<hayon><hé><hein><hélas><hem><henné><hep><hérissé de difficultés><héronnière><heurts>"
    "<hi-fi><hic><hic de l'histoire><hideusement><hier matin><hier soir><hiérarchiquement>"
    "<hiérarque><hisser les voiles><hochepot><hocher la tête><hockey sur glace><hold-up>"
    "<holding><hôlement><hôler><Hollandais><hollandais><Hollandaise><Hollande><hollande>"
    "<hollende><Hongrie><Hongrois><Hongroise><honteusement><hormis><hormis que><hors-bord>"
    "<hors-d'oeuvre><hors-jeu><hot-dog><hotte aspirante><hottée><hotter><hottereau><hotteur>"
    "<hotteuse><houblonnière><houette><houillère><houp><houppée><houpper><houppier><hourdage>"
    "<hourder><hourdis><houret><hourra><hourvari><houssage><houssaie><houssée><houssoir><houx>"
    "<huguenote><huguenotisme><Hugues><huit cents><huit heures><huit-reflets><humbug><hurlupé>"
    "<hyène><hors concours><hors d'atteinte><hors de><hors de combat><hors de là>"
    "<hors de la maison><hors de l'enceinte><hors de pair><hors de saison><hors de service>"
    "<hors d'haleine><hors d'oeuvre><hors du commun><hors d'usage><hors jeu><hors ligne>"
    "<hors normes><hors pair><hors service>"_fr;

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

int FrenchWordClassOfForm(int code)
{
    if (InRange(code, 31, 49) || code == 210 || code == 215)
        return ksOkreslnik;
    if (InRange(code, 50, 79))
        return ksPrzymiotnik;
    if (InRange(code, 80, 205))
        return ksCzasownik;
    if (InRange(code, 211, 214) || InRange(code, 216, 235))
        return ksZaimek;
    if (code == 241 || code == 246 || code == 247)
        return ksPrzyimek;
    if (code == 242)
        return ksSpojnik;
    if (code == 243 || code == 249)
        return ksPartykula;
    if (code == 244)
        return ksWykrzyknik;
    if (code == 245)
        return ksLiczebnik;
    if (InRange(code, 250, 254))
        return ksPrzyslowek;
    if (code == 255)
        return ksInne;
    return ksRzeczownik;
}

int PolishWordClassOfForm(int code)
{
    if (InRange(code, 65, 67) || code == 215)
        return ksLiczebnik;
    if (InRange(code, 78, 99))
        return ksPrzymiotnik;
    if (InRange(code, 100, 199))
        return ksCzasownik;
    switch (code) {
    case 210:
    case 216: return ksZaimek;
    case 211: return ksPrzyimek;
    case 212: return ksSpojnik;
    case 213: return ksPartykula;
    case 214: return ksWykrzyknik;
    case 218: return ksPrzyslowek;
    case 219:
    case 250: return ksInne;
    default: return ksRzeczownik;
    }
}

} // namespace

bool IsAspiratedHeadword(std::string_view headword)
{
    return InTagList(headword, kAspiratedHeadwords, true);
}

int WordClassOfForm(int formCode, std::uint8_t sourceLanguage)
{
    return sourceLanguage == jezPolski ? PolishWordClassOfForm(formCode) : FrenchWordClassOfForm(formCode);
}

// A Polish noun-like or adjective-like form may also be read as a pronoun, a determiner
// or (adjectives) a numeral, whose sub-records must then stay in view.
std::bitset<16> WordClassesOfForm(int formCode, std::uint8_t sourceLanguage)
{
    std::bitset<16> classes;
    if (sourceLanguage == jezPolski && (InRange(formCode, 1, 64) || InRange(formCode, 68, 70))) {
        for (const int wordClass : {ksRzeczownik, ksZaimek, ksOkreslnik})
            classes.set(static_cast<std::size_t>(wordClass));
    } else if (sourceLanguage == jezPolski && InRange(formCode, 78, 99)) {
        for (const int wordClass : {ksPrzymiotnik, ksZaimek, ksOkreslnik, ksLiczebnik})
            classes.set(static_cast<std::size_t>(wordClass));
    } else {
        classes.set(static_cast<std::size_t>(WordClassOfForm(formCode, sourceLanguage)));
    }
    return classes;
}

} // namespace velmar
