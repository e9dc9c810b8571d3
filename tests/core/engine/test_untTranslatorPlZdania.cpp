// Polish sentences into French on the bundled data, whole, through the worker in
// mode 1: the French order, the articles, the prepositions of place, contraction and
// elision, and the verb in its French tense and person.
#include <gtest/gtest.h>

#include <string>

#include "DaneWbudowane.h"
#include "GospodarzSkryptowy.h"
#include "core/app/untStaleApp.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTranslatorThread.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

std::string Translated(const std::string& polish, const TOpcjeAnalizy& analysis = {})
{
    TSlownikiRobocze worker(test::BundledData::Polish().Dictionaries(), jezPolski);
    const TKontekstWypowiedzi context{jezPolski, jezFrancuski, trybTranslatorPlFr, {}, &worker, nullptr};
    TOpcjeTlumaczenia options;
    options.TranslationMode = 1;
    options.Analysis = analysis;
    test::TGospodarzSkryptowy host(FromUtf8(polish), jezPolski);
    TTranslatorThread(host, options, context, {}).Run();
    return ToUtf8(host.TargetText(), jezFrancuski);
}

struct TZdanie {
    const char* Polish;
    const char* French;
};

class PolishToFrench : public testing::TestWithParam<TZdanie> {};

TEST_P(PolishToFrench, ReadsAsFrench)
{
    EXPECT_EQ(Translated(GetParam().Polish), GetParam().French);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, PolishToFrench,
    testing::Values(
        TZdanie{"Nie mam czasu.", "Je n'ai pas de temps."}, TZdanie{"Myślę, że przyszedł.", "Je pense qu'il est venu."},
        TZdanie{"Zrobiłbym to.", "Je le ferais."}, TZdanie{"Będę czytał.", "Je lirai."},
        TZdanie{"On myje się.", "Il se lave."}, TZdanie{"Daj mi to.", "Donne-moi ça."},
        TZdanie{"Nie dawaj mi tego.", "Ne me le donne pas."}, TZdanie{"Mieszkam w Polsce.", "J'habite en Pologne."},
        TZdanie{"Jadę do Warszawy.", "Je vais à Varsovie."}, TZdanie{"Idę do sklepu.", "Je vais au magasin."},
        TZdanie{"To jest piękne drzewo.", "C'est un bel arbre."},
        TZdanie{"Kot śpi na krześle.", "Le chat dort sur la chaise."},
        TZdanie{"Nie mam samochodu.", "Je n'ai pas de voiture."},
        TZdanie{"Dzieci bawią się w ogrodzie.", "Les enfants jouent dans le jardin."},
        TZdanie{"Pan ma rację.", "Vous avez raison."},
        // the article of each kind, and an object pronoun before its verb
        TZdanie{"Kot je chleb.", "Le chat mange le pain."}, TZdanie{"Nie widzę kota.", "Je ne vois pas de chat."},
        TZdanie{"Mam dużo czasu.", "J'ai beaucoup de temps."}, TZdanie{"Mam dwa koty.", "J'ai deux chats."},
        TZdanie{"Widzę go.", "Je le vois."},
        // comparison, "c'est", the degree, the polite address, "sam"
        TZdanie{"Im więcej czytam, tym więcej wiem.", "Plus je lis, plus je sais."},
        TZdanie{"Jest to dom.", "C'est une maison."}, TZdanie{"Ten kot jest za duży.", "Ce chat est trop grand."},
        TZdanie{"Dziękuję Państwu.", "Je vous remercie."}, TZdanie{"Państwo mają rację.", "Vous avez raison."},
        TZdanie{"Czytam sam.", "Je lis seul."}, TZdanie{"Kupuję na czarnym rynku.", "J'achète sur le marché noir."},
        // French needs the subject Polish leaves out, in the 3rd person too, and the
        // reflexive clitic in the verb's person, with the sentence's capital on what now
        // opens it
        TZdanie{"Kupowała chleb.", "Elle achetait le pain."}, TZdanie{"Czytają książkę.", "Ils lisent le livre."},
        TZdanie{"Nazywam się Anna.", "Je m'appelle Anna."},
        // the negative word after its verb
        TZdanie{"Nic nie wiem.", "Je ne sais rien."}, TZdanie{"Nikogo nie widzę.", "Je ne vois personne."},
        // an object pronoun before an infinitive stays with it
        TZdanie{"Chcę to zrobić.", "Je veux le faire."}),
    test::NamedBy([](const TZdanie& c) { return test::Spelled(c.Polish); }));

// The settings that change the analysis: the French order and the polite "pan".
TEST(PolishToFrenchOptions, FollowTheSettings)
{
    TOpcjeAnalizy keepOrder;
    keepOrder.PlReorder = false;
    EXPECT_EQ(Translated("Jest to dom.", keepOrder), "Est ce maison.");
    TOpcjeAnalizy polite;
    polite.PlPanPaniPolite = true;
    EXPECT_EQ(Translated("Wiem, że pan ma czas."), "Je sais que monsieur a le temps.");
    EXPECT_EQ(Translated("Wiem, że pan ma czas.", polite), "Je sais que vous avez le temps.");
}

} // namespace
} // namespace velmar
