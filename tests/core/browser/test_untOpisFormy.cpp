#include <gtest/gtest.h>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/browser/untOpisFormy.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

using namespace velmar;

namespace {

// The entry of one decoded main-dictionary line.
class OneEntry {
public:
    explicit OneEntry(const char* utf8Line)
    {
        lines_.Add(main_.Encode(FromUtf8(utf8Line)));
        main_.Attach(&lines_);
    }
    const TTransSlownikSlowo& Entry() { return main_.GetEntry(0); }

private:
    TLinie lines_;
    TTransSlownikGlowny main_{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski};
};

TOdwolanie Reading(const char* form, int tag, const char* base)
{
    return {form, static_cast<std::uint8_t>(tag), base, 50};
}

} // namespace

TEST(DescribeForm, VerbFormGetsTensePersonsAndTheInflectedTranslation)
{
    OneEntry parler("parler_#4 mówić **61");
    TOpisFormy description;
    ASSERT_TRUE(DescribeForm(jezFrancuski, jezPolski, {Reading("parle", 81, "parler"), Reading("parle", 95, "parler")},
                             parler.Entry(), description));
    EXPECT_EQ(description.SingularPersons, "1, 3");
    EXPECT_EQ(description.PluralPersons, "");
    EXPECT_FALSE(description.TenseName.empty());
    EXPECT_EQ(description.Translation, FromUtf8("mówię"));
}

TEST(DescribeForm, AdjectiveFormGetsGenderAndNumber)
{
    OneEntry grand("grand_#7 duży *7 , wysoki *7");
    TOpisFormy description;
    ASSERT_TRUE(DescribeForm(jezFrancuski, jezPolski, {Reading("grande", 55, "grand")}, grand.Entry(), description));
    EXPECT_EQ(description.GenderNumber, "f sing");
    EXPECT_EQ(description.Translation, FromUtf8("duża")); // the first meaning, made feminine
    EXPECT_EQ(description.SingularPersons, "");
}

TEST(DescribeForm, RefusesWhatItCannotDescribe)
{
    OneEntry parler("parler_#4 mówić **61");
    TOpisFormy description;
    EXPECT_FALSE(DescribeForm(jezPolski, jezFrancuski, {Reading("parle", 81, "parler")}, parler.Entry(), description));
    EXPECT_FALSE(DescribeForm(jezFrancuski, jezPolski, {}, parler.Entry(), description));
    EXPECT_FALSE(DescribeForm(jezFrancuski, jezPolski, {Reading("parle", 250, "parler")}, parler.Entry(), description));
    OneEntry noVerb("chat_#1 kot *2408");
    EXPECT_FALSE(DescribeForm(jezFrancuski, jezPolski, {Reading("parle", 81, "parler")}, noVerb.Entry(), description));
}
