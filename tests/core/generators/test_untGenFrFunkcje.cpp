#include "core/generators/untGenFrFunkcje.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// The generators work in code page 1252; the tables are written in UTF-8.
std::string Fr(std::string_view utf8)
{
    return FromUtf8(utf8);
}
std::string Utf8(std::string_view cp1252)
{
    return ToUtf8(cp1252, jezFrancuski);
}

struct TNounCase {
    const char* Lemma;
    const char* Code;
    const char* Singular;
    const char* Plural;
};

TEST(GenNounFr, PluralRulesExceptionsAndCodes)
{
    const TNounCase cases[] = {
        {"cheval", "1", "cheval", "chevaux"},
        {"pomme de terre", "2", "pomme de terre", "pommes de terre"},
        {"cheval à bascule", "1", "cheval à bascule", "chevaux à bascule"},
        {"festival", "1", "festival", "festivals"},
        {"travail", "1", "travail", "travaux"},
        {"détail", "1", "détail", "détails"},
        {"jeu", "1", "jeu", "jeux"},
        {"pneu", "1", "pneu", "pneus"},
        {"landau", "1", "landau", "landaus"},
        {"bateau", "1", "bateau", "bateaux"},
        {"chou", "1", "chou", "choux"},
        {"clou", "1", "clou", "clous"},
        {"nez", "1", "nez", "nez"},
        {"prix", "1", "prix", "prix"},
        {"oeil", "1", "oeil", "yeux"},
        {"amen", "1", "amen", "amen"},
        {"maison", "2", "maison", "maisons"},
        {"chou-fleur", "1", "chou-fleur", "choux-fleurs"},
        {"beau-frère", "1", "beau-frère", "beaux-frères"},
        {"belle-mère", "2", "belle-mère", "belles-mères"},
        {"grand-père", "1", "grand-père", "grands-pères"},
        {"martin-pêcheur", "1", "martin-pêcheur", "martins-pêcheurs"},
        {"bétail", "1", "bétail", "bestiaux"},
        // invariable and plural-only codes give the lemma; "$" is ignored in a code
        {"cheval", "11", "cheval", "cheval"},
        {"ciseaux", "0", "ciseaux", "ciseaux"},
        {"cheval", "0", "cheval", "cheval"},
        {"fiançailles", "F", "fiançailles", "fiançailles"},
        {"cheval", "$11", "cheval", "cheval"},
        {"cheval", "3", "cheval", "chevaux"},
    };
    for (const TNounCase& c : cases) {
        SCOPED_TRACE(std::string(c.Lemma) + " *" + c.Code);
        EXPECT_EQ(Utf8(GenNounFr(Fr(c.Lemma), c.Code, 1)), c.Singular);
        EXPECT_EQ(Utf8(GenNounFr(Fr(c.Lemma), c.Code, 2)), c.Plural);
    }
}

TEST(GenNounFr, AlternativePluralAndGenderOfCode)
{
    const TRzeczownikFr match = BuildNounFormsFr("match", "1");
    EXPECT_EQ(match.Mnoga, "matchs");
    EXPECT_EQ(match.MnogaAlt, "matches");
    EXPECT_EQ(match.Rodzaj, rdzFrMeski);
    EXPECT_TRUE(BuildNounFormsFr("cheval", "1").MnogaAlt.empty());
    EXPECT_EQ(BuildNounFormsFr("table", "22").Rodzaj, rdzFrZenski);
    EXPECT_EQ(BuildNounFormsFr("table", "5").Rodzaj, rdzFrObydwa);
}

struct TAdjCase {
    const char* Lemma;
    const char* FeminineSingular;
    const char* MasculinePlural;
    const char* FemininePlural;
};

TEST(GenAdjFr, GenderAndNumber)
{
    const TAdjCase cases[] = {
        {"blanc", "blanche", "blancs", "blanches"},
        {"public", "publique", "publics", "publiques"},
        {"actif", "active", "actifs", "actives"},
        {"cruel", "cruelle", "cruels", "cruelles"},
        {"gentil", "gentille", "gentils", "gentilles"},
        {"ancien", "ancienne", "anciens", "anciennes"},
        {"moyen", "moyenne", "moyens", "moyennes"},
        {"européen", "européenne", "européens", "européennes"},
        {"seul", "seule", "seuls", "seules"},
        {"nul", "nulle", "nuls", "nulles"},
        {"vieux", "vieille", "vieux", "vieilles"},
        {"fou", "folle", "fous", "folles"},
        {"aigu", "aiguë", "aigus", "aiguës"},
        {"espagnol", "espagnole", "espagnols", "espagnoles"},
        {"orange", "orange", "orange", "orange"},
        {"bon", "bonne", "bons", "bonnes"},
        {"premier", "première", "premiers", "premières"},
        {"malin", "maligne", "malins", "malignes"},
        {"menteur", "menteuse", "menteurs", "menteuses"},
        {"acteur", "actrice", "acteurs", "actrices"},
        {"trompeur", "trompeuse", "trompeurs", "trompeuses"},
        {"supérieur", "supérieure", "supérieurs", "supérieures"},
        {"vengeur", "vengeresse", "vengeurs", "vengeresses"},
        {"gros", "grosse", "gros", "grosses"},
        {"frais", "fraîche", "frais", "fraîches"},
        {"gris", "grise", "gris", "grises"},
        {"complet", "complète", "complets", "complètes"},
        {"muet", "muette", "muets", "muettes"},
        {"sot", "sotte", "sots", "sottes"},
        {"petit", "petite", "petits", "petites"},
        {"heureux", "heureuse", "heureux", "heureuses"},
        {"doux", "douce", "doux", "douces"},
        {"jeune", "jeune", "jeunes", "jeunes"},
        {"national", "nationale", "nationaux", "nationales"},
        {"final", "finale", "finals", "finales"},
        {"nouveau", "nouvelle", "nouveaux", "nouvelles"},
        {"beau", "belle", "beaux", "belles"},
        {"marron", "marron", "marron", "marron"},
        {"chic", "chic", "chics", "chic"},
    };
    for (const TAdjCase& c : cases) {
        SCOPED_TRACE(c.Lemma);
        const std::string lemma = Fr(c.Lemma);
        EXPECT_EQ(Utf8(GenAdjFr(lemma, "7", 1, rdzFrMeski)), c.Lemma);
        EXPECT_EQ(Utf8(GenAdjFr(lemma, "7", 1, rdzFrZenski)), c.FeminineSingular);
        EXPECT_EQ(Utf8(GenAdjFr(lemma, "7", 2, rdzFrMeski)), c.MasculinePlural);
        EXPECT_EQ(Utf8(GenAdjFr(lemma, "7", 2, rdzFrZenski)), c.FemininePlural);
    }
}

TEST(GenAdjFr, BelBeforeAVowelAndInvariableCode)
{
    EXPECT_EQ(BuildAdjFormsFr("beau", "7").MeskaPojAlt, "bel");
    EXPECT_EQ(Utf8(GenAdjFr(Fr("hébreu"), "7", 2, rdzFrMeski)), "hébreux");
    EXPECT_TRUE(BuildAdjFormsFr("grand", "7").MeskaPojAlt.empty());
    // Code 78 fills only the masculine singular; the entry point falls back to the lemma.
    const TPrzymiotnikFr invariable = BuildAdjFormsFr("bon", "78");
    EXPECT_EQ(invariable.MeskaPoj, "bon");
    EXPECT_TRUE(invariable.ZenskaPoj.empty());
    EXPECT_TRUE(invariable.MeskaMn.empty());
    EXPECT_TRUE(invariable.ZenskaMn.empty());
}

TEST(GenDeterminerFr, TableByNumberAndGender)
{
    EXPECT_EQ(GenDeterminerFr("ce", 1, rdzFrZenski), "cette");
    EXPECT_EQ(GenDeterminerFr("ce", 1, rdzFrMeski), "ce");
    EXPECT_EQ(GenDeterminerFr("mon", 2, rdzFrMeski), "mes");
    EXPECT_EQ(GenDeterminerFr("tout", 2, rdzFrZenski), "toutes");
    EXPECT_EQ(GenDeterminerFr("tout", 2, rdzFrObydwa), "tous");
    EXPECT_EQ(Utf8(GenDeterminerFr(Fr("celui-là"), 2, rdzFrZenski)), "celles-là");
    EXPECT_EQ(GenDeterminerFr("quel", 2, rdzFrZenski), "quel");
    EXPECT_TRUE(IsDeterminerFr("leur"));
    EXPECT_FALSE(IsDeterminerFr("quel"));
}

TEST(ReflexiveFr, PersonOfSe)
{
    const char* expected[] = {"se", "me", "te", "se", "nous", "vous", "se", "se"};
    for (int person = 0; person <= 7; ++person)
        EXPECT_EQ(ReflexiveFr("se", person), expected[person]) << person;
    EXPECT_EQ(ReflexiveFr("le", 1), "le");
}

TEST(ElisionAllowed, VowelsMuteAndAspiratedH)
{
    for (const char* word : {"homme", "école", "âme", "Île", "heure", "hôtel", "Hommes", "habiter"})
        EXPECT_TRUE(ElisionAllowed(Fr(word))) << word;
    for (const char* word : {"héros", "haricots", "hache", "Hache", "HÉROS", "hasard", "haut", "honte", "hors", "huit",
                             "hâblai", "huttes", "hyène", "hurlons", "héros anonymes", "table", "", "yeux"})
        EXPECT_FALSE(ElisionAllowed(Fr(word))) << word;
}

TEST(IsIrregularVerbFr, ListWithReflexivePrefixes)
{
    for (const char* verb : {"faire", "s'asseoir", "se taire", "Être", "entr'ouvrir", "vouloir"})
        EXPECT_TRUE(IsIrregularVerbFr(Fr(verb))) << verb;
    for (const char* verb : {"parler", "finir", "se laver", "", "fair"})
        EXPECT_FALSE(IsIrregularVerbFr(Fr(verb))) << verb;
}

TEST(IsOneSyllableFr, VowelGroups)
{
    for (const char* word : {"faim", "soeur", "bleu", "chaud", "pas", "à", "mer", ""})
        EXPECT_TRUE(IsOneSyllableFr(Fr(word))) << word;
    for (const char* word : {"maison", "eau", "table", "été", "oui", "peine"})
        EXPECT_FALSE(IsOneSyllableFr(Fr(word))) << word;
}

} // namespace
} // namespace velmar
