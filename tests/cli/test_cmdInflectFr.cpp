// velmar-cli inflect --lang fr: the French tables through the French generators.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/untCli.h"

namespace velmar::cli {
namespace {

std::string InflectFr(const std::string& word)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    TWejscieWyjscie io{in, out, err};
    EXPECT_EQ(RunCli({"inflect", "--lang", "fr", word}, io), kSukces) << err.str();
    return out.str();
}

TEST(InflectFr, PrintsTheWholeConjugation)
{
    const std::string out = InflectFr("parler *4");
    EXPECT_TRUE(out.starts_with("parler *4 (czas.)\ninfinitif ")) << out;
    for (const char* line :
         {"indicatif présent 3 os. lm.       parlent\n", "indicatif passé simple 1 os. lm.  parlâmes\n",
          "indicatif futur 1 os. lp.         parlerai\n", "subjonctif imparfait 3 os. lp.    parlât\n",
          "passé composé 1 os. lp.           ai parlé\n", "subjonctif passé 3 os. lm.        aient parlé\n",
          "impératif 2 os. lm.               parlez\n", "participe présent lp. ż.          parlante\n",
          "participe passé lm. ż.            parlées\n", "participe présent z ayant         ayant parlé\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << out;
    // title, infinitive, 9 six-person tenses, 3 impératif persons, 8 participles, ayant
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 1 + 54 + 3 + 8 + 1);
}

TEST(InflectFr, CompoundTensesOfEtreVerbsAgreeWithTheSubject)
{
    const std::string out = InflectFr("venir*4");
    EXPECT_NE(out.find("  sont venus\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  soyons venus\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  étant venu\n"), std::string::npos) << out;
}

TEST(InflectFr, ReflexiveVerbWithATypographicApostropheElides)
{
    const std::string out = InflectFr("s’appeler*4");
    for (const char* line :
         {"infinitif                         s'appeler\n", "indicatif présent 1 os. lp.       m'appelle\n",
          "indicatif présent 1 os. lm.       nous appelons\n", "passé composé 3 os. lp.           s'est appelé\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << out;
}

TEST(InflectFr, TensesADefectiveVerbLacksAreShownAsMissing)
{
    const std::string out = InflectFr("gésir*4");
    for (const char* line :
         {"indicatif présent 3 os. lp.       gît\n", "indicatif imparfait 3 os. lm.     gisaient\n",
          "indicatif futur 1 os. lp.         (brak formy)\n", "passé composé 1 os. lp.           (brak formy)\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << out;
}

TEST(InflectFr, NounsAndAdjectivesShowTheirNumbersAndGenders)
{
    EXPECT_EQ(InflectFr("cheval*1"), "cheval*1 (rzecz.)\nlp.  cheval\nlm.  chevaux\n");
    EXPECT_EQ(InflectFr("beau*7"), "beau*7 (przym.)\nlp. m.  beau\nlp. ż.  belle\nlm. m.  beaux\nlm. ż.  belles\n");
}

} // namespace
} // namespace velmar::cli
