// Which entry a typed word leads to: the table shared with the tests of velmar-cli
// lookup and of the dictionary window, run through the core choice.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/browser/untWyborHasla.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/WyborHaslaPrzypadki.h"

namespace velmar {
namespace {

using test::TPrzypadekWyboru;

// A dictionary of a kind over the lines of its fixture (none when there is no fixture).
template <typename TSlownik>
struct Slownik {
    Slownik(const std::string& kind, std::uint8_t language)
        : Dictionary(MakeDictionaryOfKind(kind, language)), Typed(static_cast<TSlownik&>(*Dictionary))
    {
        Lines.Assign(BuildStoredLines(test::LookupFixture(language, kind), *Dictionary));
        Dictionary->Attach(&Lines);
    }

    TLinie Lines;
    std::unique_ptr<TTransSlownik> Dictionary;
    TSlownik& Typed;
};

std::uint8_t TargetLanguage(std::uint8_t source)
{
    return source == jezPolski ? jezFrancuski : jezPolski;
}

class ChooseHeadwordTable : public ::testing::TestWithParam<TPrzypadekWyboru> {
protected:
    const TPrzypadekWyboru& c = GetParam();
    Slownik<TTransSlownikGlowny> main{"main", c.Language};
    Slownik<TTransSlownikGlowny> user{"user", c.Language};
    Slownik<TTransSlownikOdwolan> forms{"forms", c.Language};
};

TEST_P(ChooseHeadwordTable, LeadsToTheExpectedEntry)
{
    const TWyborHasla choice = ChooseHeadword(FromUtf8(c.Word), {main.Typed, user.Typed, forms.Typed});
    ASSERT_EQ(choice.Source, c.Source);
    if (c.Source == TZrodloHasla::None) {
        EXPECT_EQ(ToUtf8(NearestHeadword(choice.NearestMain, main.Typed, user.Typed), c.Language), c.Headword);
        EXPECT_TRUE(choice.Readings.Empty());
        return;
    }
    TTransSlownikGlowny& shown = c.Source == TZrodloHasla::User ? user.Typed : main.Typed;
    EXPECT_EQ(choice.How, c.How);
    EXPECT_EQ(ToUtf8(shown.GetKey(choice.Index), c.Language), c.Headword);
    EXPECT_NE(ToUtf8(shown.GetEntryText(choice.Index), TargetLanguage(c.Language)).find(c.Translation),
              std::string::npos);
    EXPECT_EQ(choice.Readings.Empty(), c.How != TSposobWyboru::Form) << "the readings an inflected form shows";
}

INSTANTIATE_TEST_SUITE_P(Words, ChooseHeadwordTable, ::testing::ValuesIn(test::kPrzypadkiWyboru), test::WyborTestName);

// Whatever the readings' order, the first base that is a headword is the one selected.
TEST(BaseHeadwordOf, SkipsReadingsWhoseBaseIsNoHeadword)
{
    Slownik<TTransSlownikGlowny> main{"main", jezFrancuski};
    TOdwolania readings;
    for (const char* base : {"chevau", "cheval÷2"}) {
        TOdwolanie reading;
        reading.Base = FromUtf8(base);
        readings.Add(reading);
    }
    int expected = -1;
    ASSERT_TRUE(main.Typed.FindExact("cheval", expected));
    EXPECT_EQ(BaseHeadwordOf(readings, main.Typed), expected);
    EXPECT_EQ(BaseHeadwordOf({}, main.Typed), -1);
}

} // namespace
} // namespace velmar
