#include "core/tools/untPisownia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/SlownikTestowy.h"

namespace velmar {
namespace {

// A pane of 8-bit text with CR paragraph breaks that remembers its selection.
class TTekstTestowy : public TTekstPisowni {
public:
    explicit TTekstTestowy(const char* utf8) : Text(FromUtf8(utf8)) {}

    int TextLength() const override { return static_cast<int>(Text.size()); }
    std::string Read(int start, int length) const override
    {
        return Text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    }
    int FindBreak(int from) const override
    {
        const std::size_t at = Text.find('\r', static_cast<std::size_t>(from));
        return at == std::string::npos ? -1 : static_cast<int>(at);
    }
    void Select(int start, int length) override { Selected = Read(start, length); }
    void Replace(int start, int length, std::string_view text) override
    {
        Text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), text);
    }

    std::string Text;
    std::string Selected;
};

// A checker over small Polish dictionaries: the fixture forms, a main dictionary, an
// empty user dictionary and one word not to translate.
class SprawdzaniePisowni : public ::testing::Test {
protected:
    SprawdzaniePisowni()
        : forms_("forms", jezPolski, test::ReadFixture("../tools/pol_forms.txt")),
          main_("main", jezPolski, "i_#C et\nw_#P dans\nżółw_#1m tortue\n"), user_("user", jezPolski, ""),
          untranslatable_("untranslatable", jezPolski, "Velmar _\n")
    {
    }

    TSprawdzaniePisowni Checker(TTekstPisowni& text, int start = 0)
    {
        return TSprawdzaniePisowni(text,
                                   {user_.Main(), static_cast<TTransSlownikOdwolan&>(*forms_.Dictionary), main_.Main(),
                                    static_cast<TTransSlownikNieTlum&>(*untranslatable_.Dictionary)},
                                   jezPolski, options_, start);
    }

    // The unknown words of the whole text, each ignored once.
    std::vector<std::string> UnknownWords(const char* utf8, int start = 0)
    {
        TTekstTestowy text(utf8);
        auto checker = Checker(text, start);
        std::vector<std::string> words;
        while (checker.NextWord()) {
            words.push_back(ToUtf8(checker.Word(), jezPolski));
            checker.Decide(dpIgnoruj, "");
        }
        return words;
    }

    test::SlownikTestowy forms_, main_, user_, untranslatable_;
    TOpcjeUstawien options_;
};

using TSlowa = std::vector<std::string>;

TEST_F(SprawdzaniePisowni, FindsTheUnknownWordWithItsProposals)
{
    TTekstTestowy text("Pies ma kpta.");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Word(), "kpta");
    EXPECT_EQ(checker.WordPosition(), 8);
    EXPECT_EQ(text.Selected, "kpta");
    std::vector<std::string> shown;
    const auto proposals = checker.Proposals([&](const std::string& p) {
        shown.push_back(p);
        return true;
    });
    EXPECT_EQ(proposals, (TSlowa{"kota"}));
    EXPECT_EQ(shown, proposals);
    checker.Decide(dpIgnoruj, "");
    EXPECT_FALSE(checker.NextWord());
}

TEST_F(SprawdzaniePisowni, KnownWordsAndWhatTheRulesAcceptAreNotShown)
{
    // Forms, main and untranslatable words, a base the rules find ("zrobiłaby"), one
    // letter, capitals, digits and numbers.
    EXPECT_EQ(UnknownWords("Pies i kota w żółw. Velmar zrobiłaby x KPTA kp2a 12.5 2005. psa\r\rkot"), TSlowa{});
    EXPECT_EQ(UnknownWords("kpta psa xyz", 4), (TSlowa{"xyz"})); // the text before the caret is left
    options_.IgnorujWielkimi = false;
    options_.IgnorujZCyframi = false;
    EXPECT_EQ(UnknownWords("KPTA kp2a"), (TSlowa{"KPTA", "kp2a"}));
}

TEST_F(SprawdzaniePisowni, RepeatedWordIgnoredOnlyWhenAsked)
{
    EXPECT_EQ(UnknownWords("kpta kpta"), (TSlowa{"kpta", "kpta"}));
    options_.IgnorujPowtorzone = true;
    EXPECT_EQ(UnknownWords("kpta kpta"), (TSlowa{"kpta"}));
}

TEST_F(SprawdzaniePisowni, IgnoreOnceAndIgnoreAll)
{
    TTekstTestowy text("kpta i kpta\rkpta xyz kpta");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    checker.Decide(dpIgnoruj, "");
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.WordPosition(), 7);
    checker.Decide(dpIgnorujWszystkie, "");
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Word(), "xyz");
    checker.Decide(dpIgnoruj, "");
    EXPECT_FALSE(checker.NextWord());
}

TEST_F(SprawdzaniePisowni, ChangesOfAnotherLengthKeepTheNextWordsInPlace)
{
    TTekstTestowy text("kpta xyzw kpta\rqq kpta");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    checker.Decide(dpZmienWszystkie, FromUtf8("kotka"));
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.WordPosition(), 6);
    EXPECT_EQ(text.Selected, "xyzw");
    checker.Decide(dpZmien, "psem ogrodnika");
    // The second "kpta" changes by itself; the next paragraph starts where it now is.
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(text.Selected, "qq");
    checker.Decide(dpZmien, "q");
    EXPECT_FALSE(checker.NextWord());
    EXPECT_EQ(text.Text, "kotka psem ogrodnika kotka\rq kotka");
}

TEST_F(SprawdzaniePisowni, ListsHoldTheWordWithoutTheMarksAfterIt)
{
    TTekstTestowy text("kpta. xyz! kpta? xyz.");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Word(), "kpta");
    checker.Decide(dpZmienWszystkie, "kota");
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Word(), "xyz");
    checker.Decide(dpIgnorujWszystkie, "");
    EXPECT_FALSE(checker.NextWord());
    EXPECT_EQ(text.Text, "kota. xyz! kota? xyz.");
}

TEST_F(SprawdzaniePisowni, AWordIgnoredByARuleAfterAChangeStaysAsItIs)
{
    options_.IgnorujPowtorzone = true;
    TTekstTestowy text("kpta kpta");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    checker.Decide(dpZmienWszystkie, "kota");
    EXPECT_FALSE(checker.NextWord());
    EXPECT_EQ(text.Text, "kota kpta");
}

TEST_F(SprawdzaniePisowni, AWordAddedToTheUserDictionaryIsKnownFromThenOn)
{
    TTekstTestowy text("Xyzzy xyzzy");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    ASSERT_TRUE(AddToUserDictionary(user_.Main(), "xyzzy", "test"));
    EXPECT_FALSE(AddToUserDictionary(user_.Main(), "xyzzy", "again"));
    EXPECT_FALSE(AddToUserDictionary(user_.Main(), "abc", " "));
    checker.Decide(dpIgnoruj, "");
    EXPECT_FALSE(checker.NextWord());
}

TEST_F(SprawdzaniePisowni, StopEndsTheRun)
{
    TTekstTestowy text("kpta xyz");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    checker.Decide(dpZakoncz, "");
    EXPECT_FALSE(checker.NextWord());
}

TEST_F(SprawdzaniePisowni, ProposalsStopWhenTheUserActs)
{
    TTekstTestowy text("psx");
    auto checker = Checker(text);
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Proposals([](const std::string&) { return true; }).size(), 2u); // "psa", "psy"
    EXPECT_EQ(checker.Proposals([](const std::string&) { return false; }).size(), 1u);
    options_.ProponujZSO = false;
    EXPECT_TRUE(checker.Proposals([](const std::string&) { return true; }).empty());
}

// A French text: elisions and "-t-" are taken apart before the look-up.
TEST(SprawdzaniePisowniFr, ElisionsAndTheEuphonicT)
{
    test::SlownikTestowy forms("forms", jezFrancuski, ""), user("user", jezFrancuski, "");
    test::SlownikTestowy main("main", jezFrancuski, "a_#V ma\nhomme_#1m człowiek\nil_#P on\n");
    test::SlownikTestowy untranslatable("untranslatable", jezFrancuski, "");
    TOpcjeUstawien options;
    TTekstTestowy text("l'homme a-t-il qu'homme zzz");
    TSprawdzaniePisowni checker(text,
                                {user.Main(), static_cast<TTransSlownikOdwolan&>(*forms.Dictionary), main.Main(),
                                 static_cast<TTransSlownikNieTlum&>(*untranslatable.Dictionary)},
                                jezFrancuski, options, 0);
    ASSERT_TRUE(checker.NextWord());
    EXPECT_EQ(checker.Word(), "zzz");
}

} // namespace
} // namespace velmar
