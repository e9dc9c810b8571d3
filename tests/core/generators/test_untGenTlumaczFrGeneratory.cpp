// The French noun, adjective, determiner, reflexive and verb generators reached through
// the entry point, word strings "lemma*code" as the dictionary stores them.
#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenFrCzasownik.h"
#include "core/generators/untGenTlumaczFr.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TFormaFr {
    const char* Word; // UTF-8 "lemma*code"
    TCechyFr Features;
    const char* Form; // UTF-8
};

class GenFormFrTable : public ::testing::TestWithParam<TFormaFr> {};

// The word with its code, then the features that differ from the defaults.
std::string DescribeFormFr(const TFormaFr& c)
{
    const auto gender = [](int g) { return g == rdzFrObydwa ? "mf" : g == rdzFrZenski ? "f" : "m"; };
    const TCechyFr& f = c.Features;
    const TCechyFr neutral;
    std::string name = c.Word;
    const auto add = [&name](bool differs, const std::string& feature) {
        if (differs)
            name += " " + feature;
    };
    add(f.Number != neutral.Number, f.Number == 2 ? "pl" : "number" + std::to_string(f.Number));
    add(f.Gender != neutral.Gender, gender(f.Gender));
    add(f.SubjectNumber != neutral.SubjectNumber, "subject number" + std::to_string(f.SubjectNumber));
    add(f.SubjectGender != neutral.SubjectGender, std::string("subject ") + gender(f.SubjectGender));
    add(f.FormCode != neutral.FormCode, "tense" + std::to_string(f.FormCode));
    add(f.Person != neutral.Person, "p" + std::to_string(f.Person));
    add(f.QueToQui, "qui");
    return name;
}

TEST_P(GenFormFrTable, GivesTheForm)
{
    const TFormaFr& c = GetParam();
    EXPECT_EQ(ToUtf8(GenFormFr(FromUtf8(c.Word), c.Features), jezFrancuski), c.Form) << c.Word;
}

constexpr TCechyFr kPlural{.Number = 2};
constexpr TCechyFr kFeminine{.Gender = rdzFrZenski};

INSTANTIATE_TEST_SUITE_P(
    Nouns, GenFormFrTable,
    ::testing::Values(TFormaFr{"cheval*1", kPlural, "chevaux"}, TFormaFr{"festival*1", kPlural, "festivals"},
                      TFormaFr{"travail*1", kPlural, "travaux"}, TFormaFr{"détail*1", kPlural, "détails"},
                      TFormaFr{"landau*1", kPlural, "landaus"}, TFormaFr{"chou-fleur*1", kPlural, "choux-fleurs"},
                      TFormaFr{"beau-frère*1", kPlural, "beaux-frères"}, TFormaFr{"maison*2", kPlural, "maisons"},
                      TFormaFr{"cheval*1", {}, "cheval"}, TFormaFr{"cheval*11", kPlural, "cheval"},
                      TFormaFr{"ciseaux*0", kPlural, "ciseaux"}, TFormaFr{"ciseaux*0", {}, "ciseaux"},
                      TFormaFr{"cheval*F2", kPlural, "chevaux"}),
    test::NamedBy(DescribeFormFr));

INSTANTIATE_TEST_SUITE_P(
    Adjectives, GenFormFrTable,
    ::testing::Values(TFormaFr{"blanc*7", kFeminine, "blanche"}, TFormaFr{"menteur*7", kFeminine, "menteuse"},
                      TFormaFr{"acteur*7", kFeminine, "actrice"}, TFormaFr{"complet*7", kFeminine, "complète"},
                      TFormaFr{"beau*7", {.Number = 2, .Gender = rdzFrZenski}, "belles"},
                      TFormaFr{"national*7", kPlural, "nationaux"}, TFormaFr{"final*7", kPlural, "finals"},
                      TFormaFr{"blanc*7", {}, "blanc"},
                      // an invariable adjective has only its masculine singular: every request gives it
                      TFormaFr{"bon*78", kFeminine, "bon"}, TFormaFr{"bon*78", kPlural, "bon"}),
    test::NamedBy(DescribeFormFr));

INSTANTIATE_TEST_SUITE_P(DeterminersAndSe, GenFormFrTable,
                         ::testing::Values(TFormaFr{"ce*95", kFeminine, "cette"}, TFormaFr{"mon*95", kPlural, "mes"},
                                           TFormaFr{"quel*95", kFeminine, "quel"},
                                           TFormaFr{"se*94", {.Person = 4}, "nous"},
                                           TFormaFr{"se*94", {.Person = 3}, "se"},
                                           TFormaFr{"le*94", {.Person = 1}, "le"}),
                         test::NamedBy(DescribeFormFr));

INSTANTIATE_TEST_SUITE_P(
    Verbs, GenFormFrTable,
    ::testing::Values(
        TFormaFr{"appeler*4", {.FormCode = czPresent, .Person = 1}, "appelle"},
        TFormaFr{"geler*4", {.FormCode = czPresent, .Person = 1}, "gèle"},
        TFormaFr{"céder*4", {.FormCode = czPresent, .Person = 1}, "cède"},
        TFormaFr{"envoyer*4", {.FormCode = czFutur, .Person = 1}, "enverrai"},
        TFormaFr{"parler*4", {.FormCode = czSubjonctifImparfait, .Person = 3}, "parlât"},
        TFormaFr{"s'asseoir*4", {.FormCode = czPresent, .Person = 1}, "m'assieds"},
        TFormaFr{"se taire*4", {.FormCode = czPresent, .Person = 5}, "vous taisez"},
        TFormaFr{"venir*4",
                 {.SubjectNumber = 2, .SubjectGender = rdzFrZenski, .FormCode = czPasseCompose, .Person = 6},
                 "sont venues"},
        TFormaFr{"parler*6",
                 {.SubjectNumber = 1, .SubjectGender = rdzFrZenski, .FormCode = czPasseCompose, .Person = 3},
                 "est parlée"},
        TFormaFr{"avoir*4", {.FormCode = czPasseCompose, .Person = 1}, "ai eu"},
        TFormaFr{"parler*5", {.Number = 2, .Gender = rdzFrZenski, .FormCode = czParticipePasse}, "parlées"},
        // no form, an unsupported tense or an ending without a conjugation: the lemma
        TFormaFr{"pouvoir*4", {.FormCode = czImperatif, .Person = 2}, "pouvoir"},
        TFormaFr{"parler*4", {.FormCode = 12, .Person = 1}, "parler"},
        TFormaFr{"zut*4", {.FormCode = czPresent, .Person = 1}, "zut"},
        TFormaFr{"se zut*4", {.FormCode = czPresent, .Person = 1}, "se zut"}),
    test::NamedBy(DescribeFormFr));

} // namespace
} // namespace velmar
