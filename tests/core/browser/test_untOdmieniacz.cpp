// The inflection table of a typed French verb, over a small French-Polish dictionary.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../dictionaries/SlownikTestowy.h"
#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/browser/untOdmieniacz.h"

namespace velmar {
namespace {

std::string Utf8(const std::string& text)
{
    return ToUtf8(text, jezFrancuski);
}

// A row as UTF-8 "label | singular | plural", for readable failures.
std::string Row(const TOdmianaWiersz& row)
{
    return Utf8(row.Label) + " | " + Utf8(row.Singular) + " | " + Utf8(row.Plural);
}

std::vector<std::string> Rows(const TOdmianaTabArray& table)
{
    std::vector<std::string> rows;
    for (const auto& row : table)
        rows.push_back(Row(row));
    return rows;
}

class InflectionTable : public ::testing::Test {
protected:
    TOdmianaTabArray Table(const char* wordUtf8) { return BuildInflectionTable(dictionary.Main(), FromUtf8(wordUtf8)); }

    test::SlownikTestowy dictionary{"main", jezFrancuski,
                                    "chat_#1 kot *2408\n"
                                    "devoir_#1 obowiązek *2401 #4 musieć **6\n"
                                    "parler_#4 mówić **61\n"
                                    "pouvoir_#4 móc **6\n"};
};

TEST_F(InflectionTable, ParlerShowsEveryTenseUnderItsName)
{
    const std::vector<std::string> expected = {
        " | singulier | pluriel",
        "infinitif |  | ",
        " | parler | ",
        "indicatif présent |  | ",
        "1 | parle | parlons",
        "2 | parles | parlez",
        "3 | parle | parlent",
        "indicatif imparfait |  | ",
        "1 | parlais | parlions",
        "2 | parlais | parliez",
        "3 | parlait | parlaient",
        "indicatif passé simple |  | ",
        "1 | parlai | parlâmes",
        "2 | parlas | parlâtes",
        "3 | parla | parlèrent",
        "indicatif futur |  | ",
        "1 | parlerai | parlerons",
        "2 | parleras | parlerez",
        "3 | parlera | parleront",
        "conditionnel présent |  | ",
        "1 | parlerais | parlerions",
        "2 | parlerais | parleriez",
        "3 | parlerait | parleraient",
        "subjonctif présent |  | ",
        "1 | parle | parlions",
        "2 | parles | parliez",
        "3 | parle | parlent",
        "subjonctif imparfait |  | ",
        "1 | parlasse | parlassions",
        "2 | parlasses | parlassiez",
        "3 | parlât | parlassent",
        "impératif |  | ",
        "1 | --- | parlons",
        "2 | parle | parlez",
        "participe présent |  | ",
        "masculin | parlant | parlants",
        "féminin | parlante | parlantes",
        "participe passé |  | ",
        "masculin | parlé | parlés",
        "féminin | parlée | parlées",
    };
    EXPECT_EQ(Rows(Table("parler")), expected);
}

TEST_F(InflectionTable, FormTheGeneratorCannotBuildIsMarked)
{
    const TOdmianaTabArray table = Table("pouvoir");
    const auto imperative = std::find_if(table.begin(), table.end(),
                                         [](const TOdmianaWiersz& row) { return Utf8(row.Label) == "impératif"; });
    ASSERT_NE(imperative, table.end());
    EXPECT_EQ(Row(*(imperative + 2)), "2 | (brak formy) | (brak formy)");
}

TEST_F(InflectionTable, OnlyVerbsOfTheDictionaryGetATable)
{
    EXPECT_TRUE(Table("chat").empty()) << "a noun";
    EXPECT_TRUE(Table("parlerx").empty()) << "not a headword";
    EXPECT_TRUE(Table("").empty());
    EXPECT_EQ(Row(Table("devoir").at(2)), " | devoir | ") << "a noun and a verb: the verb wins";
}

TEST_F(InflectionTable, CodeComesFromTheVerbSubRecordOrElseTheFirst)
{
    EXPECT_EQ(CodeForInflection(dictionary.Main(), "devoir").Code, "4");
    EXPECT_EQ(CodeForInflection(dictionary.Main(), "chat").Code, "1");
    EXPECT_EQ(CodeForInflection(dictionary.Main(), "parler").Headword, "parler");
    EXPECT_EQ(CodeForInflection(dictionary.Main(), "kot").Code, "");
}

TEST(FrenchVerbTable, NeedsAFrenchVerbCode)
{
    EXPECT_TRUE(FrenchVerbTable("parler", "1").empty());
    EXPECT_TRUE(FrenchVerbTable("parler", "").empty());
    EXPECT_FALSE(FrenchVerbTable("parler", "4").empty());
}

} // namespace
} // namespace velmar
