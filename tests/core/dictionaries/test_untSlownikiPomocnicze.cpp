#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untDictCompare.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

using namespace velmar;

namespace {

// Fills a list with decoded lines, sorted by the dictionary's own keys.
template <typename Dictionary>
void Fill(Dictionary& dictionary, TLinie& lines, std::vector<std::string> decoded)
{
    std::sort(decoded.begin(), decoded.end(), [&](const std::string& a, const std::string& b) {
        return DictCompare(dictionary.KeyOf(a), dictionary.KeyOf(b), dictionary.SourceLang) < 0;
    });
    for (const auto& line : decoded)
        lines.Add(dictionary.Encode(line));
    dictionary.Attach(&lines);
}

} // namespace

TEST(Categories, ReferencesExpandOnceAndNest)
{
    TLinie lines;
    TTransSlownikKategorii categories(jezFrancuski);
    Fill(categories, lines, {"a$=x,b$", "b$=y,z", "c$=c$,w", "d$=e$", "e$=d$,v", "f$=b$,missing$,$"});
    categories.ResolveReferences();
    EXPECT_EQ(categories.Definition("a$"), "x,y,z");
    // Self-references and cycles end after one round of expansion.
    EXPECT_EQ(categories.Definition("c$"), "c$,w,w");
    EXPECT_EQ(categories.Definition("d$"), "e$,v");
    EXPECT_EQ(categories.Definition("f$"), "y,z,missing$,$");
    EXPECT_EQ(categories.Definition("nope$"), "");
}

TEST(Categories, MembershipIsByWholeItem)
{
    TLinie lines;
    TTransSlownikKategorii categories(jezFrancuski);
    Fill(categories, lines, {"uncountable$=eau,lait,argent"});
    EXPECT_TRUE(categories.InCategory("lait", "uncountable$"));
    EXPECT_FALSE(categories.InCategory("ai", "uncountable$")); // part of an item only
    EXPECT_FALSE(categories.InCategory("lait", "countable$")); // no such category
}

TEST(UntranslatableWords, AddKeepsOrderAndRefusesBlanksAndDuplicates)
{
    TLinie lines;
    TTransSlownikNieTlum words(jezFrancuski, jezPolski);
    Fill(words, lines, {"Paris _", "Velmar _"});
    int index = -1;
    EXPECT_TRUE(words.AddWord("Lyon", index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(words.AddWordWide(u"Zoé", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(words.AddWord("Paris", index));
    EXPECT_FALSE(words.AddWord("   ", index));
    EXPECT_FALSE(words.AddWord("", index));
    std::vector<std::string> keys;
    for (int i = 0; i < words.Count(); ++i)
        keys.push_back(words.WordAt(i));
    EXPECT_EQ(keys, (std::vector<std::string>{"Lyon", "Paris", "Velmar", FromUtf8("Zoé")}));
    EXPECT_TRUE(words.DeleteWord(1));
    EXPECT_FALSE(words.DeleteWord(7));
    EXPECT_TRUE(words.FindExact("Velmar", index));
    EXPECT_FALSE(words.FindExact("Paris", index));
}

TEST(DataLines, ValuesAfterTheSeparatorOrTheFirstSpace)
{
    TLinie lines;
    TTransSlownikDanych data(jezFrancuski);
    Fill(data, lines, {"chat_ [sha] ", "chien [shie]", "seul"});
    int index = 0;
    ASSERT_TRUE(data.FindExact("chat", index));
    EXPECT_EQ(data.ValueAt(index), "[sha]");
    ASSERT_TRUE(data.FindExact("chien", index));
    EXPECT_EQ(data.ValueAt(index), "[shie]");
    ASSERT_TRUE(data.FindExact("seul", index));
    EXPECT_EQ(data.ValueAt(index), "");
    EXPECT_EQ(data.ValueAt(99), "");
}
