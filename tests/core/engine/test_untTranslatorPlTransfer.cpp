// The French surface of a Polish→French translation, on hand-built utterances whose
// words render as given: contraction, elision and the adjectives' forms before a
// vowel across the rendered words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZdanieRecznie.h"
#include "core/engine/untTranslatorPl.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

using TZdaniePl = test::TZdanieRecznieW<TWypowiedzeniaPl>;

constexpr test::TOpcjeZdania kPolishToFrench{.Source = jezPolski, .Target = jezFrancuski};

// One rendered word: its French text, the Polish word class, the pronoun role, and
// the text before it in the source.
struct TSlowoFr {
    const char* Rendering;
    std::uint8_t WordClass = kwNieznana;
    std::uint8_t PronounRole = 0;
    const char* Before = " ";
};

struct TPowierzchnia {
    const char* Name;
    std::vector<TSlowoFr> Words;
    const char* Expected;
    int Genus = -1; // of a nominal group over all the words, when set
};

class FrenchSurface : public testing::TestWithParam<TPowierzchnia> {};

TEST_P(FrenchSurface, IsAssembledAcrossTheWords)
{
    TZdaniePl z(kPolishToFrench);
    for (const TSlowoFr& given : GetParam().Words) {
        TCustomWypSlowo& word = z.Add(given.Rendering, z.Words().Count() == 0 ? "" : given.Before, "");
        word.WordClass = given.WordClass;
        static_cast<TWypSlowoPl&>(word).PronounRole = given.PronounRole;
        TZdaniePl::TranslateLiterally(word, {given.Rendering});
    }
    if (GetParam().Genus >= 0) {
        TCustomWypGrupa& group = z.Group(0, z.Words().Count() - 1, tgNominalna);
        group.num = 1;
        group.genus = GetParam().Genus;
    }
    z.Utterance().Transfer();
    EXPECT_EQ(z.Target(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrenchSurface,
    testing::Values(
        // contraction: inside one rendering and across two
        TPowierzchnia{"DeLeInOneWord", {{"de le chat"}}, "Du chat"},
        TPowierzchnia{"AAcrossWords", {{"à"}, {"le magasin"}}, "Au magasin"},
        TPowierzchnia{"DeLesAcrossWords", {{"de"}, {"les enfants"}}, "Des enfants"},
        TPowierzchnia{"CapitalKept", {{"À"}, {"les champs"}}, "Aux champs"},
        TPowierzchnia{"NotWithALoneObjectPronoun", {{"de"}, {"le", kwZaimek, 4}, {"faire"}}, "De le faire"},
        TPowierzchnia{"NotAcrossAComma", {{"à"}, {"le magasin", kwNieznana, 0, ", "}}, "À, le magasin"},
        TPowierzchnia{"CommaBeforeQue", {{"pense"}, {",", kwNieznana, 0, ""}, {"que"}}, "Pense que"},
        // elision
        TPowierzchnia{"JeAi", {{"je"}, {"ai"}}, "J'ai"},
        TPowierzchnia{"InsideOneRendering", {{"ne le aime"}}, "Ne l'aime"},
        TPowierzchnia{"AspiratedHKeepsLe", {{"le"}, {"héros"}}, "Le héros"},
        TPowierzchnia{"MuteH", {{"la"}, {"histoire"}}, "L'histoire"},
        TPowierzchnia{"QueIl", {{"que"}, {"il"}}, "Qu'il"}, TPowierzchnia{"SiIl", {{"si"}, {"il"}}, "S'il"},
        TPowierzchnia{"SiElleStays", {{"si"}, {"elle"}}, "Si elle"},
        TPowierzchnia{"NeAi", {{"je"}, {"ne ai"}}, "Je n'ai"}, TPowierzchnia{"DuEau", {{"du"}, {"eau"}}, "De l'eau"},
        TPowierzchnia{"AuHotel", {{"au"}, {"hôtel"}}, "À l'hôtel"},
        TPowierzchnia{"MaAmie", {{"ma"}, {"amie"}}, "Mon amie"}, TPowierzchnia{"CeEst", {{"ce"}, {"est"}}, "C'est"},
        TPowierzchnia{"CetBeforeANoun", {{"ce"}, {"arbre", kwRzeczownik}}, "Cet arbre"},
        TPowierzchnia{"CeBeforeAVerbStays", {{"ce"}, {"aime", kwCzasownik}}, "Ce aime"},
        TPowierzchnia{"NotAcrossPunctuation", {{"le"}, {"arbre", kwNieznana, 0, " : "}}, "Le : arbre"},
        // the adjectives before a vowel
        TPowierzchnia{"Bel", {{"beau", kwPrzymiotnik}, {"arbre", kwRzeczownik}}, "Bel arbre", 0},
        TPowierzchnia{"Belle", {{"beau", kwPrzymiotnik}, {"amie", kwRzeczownik}}, "Belle amie", 2},
        TPowierzchnia{"NouvelAfterArticle", {{"un nouveau", kwPrzymiotnik}, {"ami", kwRzeczownik}}, "Un nouvel ami", 0},
        TPowierzchnia{"BeauBeforeAConsonant", {{"beau", kwPrzymiotnik}, {"chat", kwRzeczownik}}, "Beau chat", 0}),
    test::NamedBy([](const TPowierzchnia& c) { return std::string(c.Name); }));

} // namespace
} // namespace velmar
