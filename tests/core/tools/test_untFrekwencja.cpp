#include "core/tools/untFrekwencja.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/SlownikTestowy.h"

namespace velmar {

void PrintTo(const TPozycjaFrekwencji& item, std::ostream* out)
{
    *out << ToUtf8(item.Text, jezPolski) << " " << item.Count;
}

namespace {

// The frequency analysis over the fixture forms and a main dictionary of two entries and
// one phrase.
class Frekwencja : public ::testing::Test {
protected:
    Frekwencja()
        : formsText_(test::ReadFixture("../tools/pol_forms.txt")), forms_("forms", jezPolski, formsText_),
          main_("main", jezPolski, "i_#C et\nkoty_#1m chats\npies ogrodnika_#1m chien du jardinier\n")
    {
    }

    TTransSlownikOdwolan& Forms() { return static_cast<TTransSlownikOdwolan&>(*forms_.Dictionary); }

    TListaFrekwencji Run(const char* textUtf8, TOpcjeAnalizy options, TListaFrekwencji* notFound = nullptr)
    {
        TFrekwencja analysis(Forms(), main_.Main(), jezPolski, options);
        std::istringstream lines(FromUtf8(textUtf8));
        for (std::string line; std::getline(lines, line);)
            analysis.AddParagraph(line);
        analysis.Finish();
        if (notFound != nullptr)
            *notFound = analysis.NotFound();
        return analysis.Found();
    }

    // The counts computed the plain way: each word between spaces and punctuation looked
    // up in the fixture's lines, counted under the base of its line, or as not found.
    std::map<std::string, std::uint64_t> PlainCounts(const char* textUtf8,
                                                     std::map<std::string, std::uint64_t>& unknown)
    {
        std::map<std::string, std::string> baseOf;
        std::istringstream lines(formsText_);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t code = line.find("\\{{");
            baseOf.emplace(line.substr(0, code), line.substr(code + 8));
        }
        std::map<std::string, std::uint64_t> counts;
        std::string text = textUtf8;
        for (char& c : text)
            if (std::string_view(",;!?\n").find(c) != std::string_view::npos)
                c = ' ';
        std::istringstream words(text);
        for (std::string word; words >> word;) {
            if (const auto found = baseOf.find(word); found != baseOf.end())
                ++counts[found->second];
            else
                ++unknown[word];
        }
        return counts;
    }

    static std::map<std::string, std::uint64_t> AsMap(const TListaFrekwencji& list)
    {
        std::map<std::string, std::uint64_t> counts;
        for (const TPozycjaFrekwencji& item : list)
            counts[ToUtf8(item.Text, jezPolski)] = item.Count;
        return counts;
    }

    static TListaFrekwencji Items(std::initializer_list<std::pair<const char*, std::uint64_t>> items)
    {
        TListaFrekwencji list;
        for (const auto& [text, count] : items)
            list.push_back({FromUtf8(text), count});
        return list;
    }

    std::string formsText_;
    test::SlownikTestowy forms_;
    test::SlownikTestowy main_;
};

TEST_F(Frekwencja, CountsTheBasesTheFormsDictionaryGives)
{
    const char* text = "pies ma psa, kot ma kota!\npsy; Ala ma kota\nzrobiła zrobił psa";
    std::map<std::string, std::uint64_t> plainUnknown;
    const auto plain = PlainCounts(text, plainUnknown);
    TListaFrekwencji notFound;
    EXPECT_EQ(AsMap(Run(text, {}, &notFound)), plain);
    EXPECT_EQ(AsMap(notFound), plainUnknown);
}

TEST_F(Frekwencja, ListsMostFrequentFirstAndWordsKnownNowhereApart)
{
    TListaFrekwencji notFound;
    EXPECT_EQ(Run("pies i psa i psy, kotek ma kotami zrobiłaby", {}, &notFound),
              Items({{"pies", 3}, {"i", 2}, {"kot", 1}, {"mieć", 1}, {"zrobić", 1}}));
    EXPECT_EQ(notFound, Items({{"kotek", 1}}));
}

TEST_F(Frekwencja, WordsUnknownAsAWholeCountByTheirParts)
{
    TListaFrekwencji notFound;
    EXPECT_EQ(Run("psy-i-kot psa'kot ma-t-psa qq-zz", {}, &notFound),
              Items({{"kot", 2}, {"pies", 2}, {"-t-", 1}, {"i", 1}, {"mieć", 1}}));
    EXPECT_EQ(notFound, Items({{"psa'", 1}, {"qq-zz", 1}}));
    EXPECT_EQ(Run("psa'kot", {.KeepApostrophes = true}, &notFound), TListaFrekwencji{});
    EXPECT_EQ(notFound, Items({{"psa'kot", 1}}));
}

TEST_F(Frekwencja, EveryFormCountsAsWrittenInKind1)
{
    EXPECT_EQ(Run("psa psy psa kotami", {.Kind = raWszystkieFormy}), Items({{"psa", 2}, {"kotami", 1}, {"psy", 1}}));
}

TEST_F(Frekwencja, QuickAnalysisLooksNothingUpAndMayMergeCase)
{
    EXPECT_EQ(Run("Xyz xyz psa", {.Kind = raSzybka}), Items({{"Xyz", 1}, {"psa", 1}, {"xyz", 1}}));
    EXPECT_EQ(Run("Xyz xyz psa", {.Kind = raSzybka, .MergeCase = true}), Items({{"Xyz", 2}, {"psa", 1}}));
}

TEST_F(Frekwencja, NamesAnalysisTakesCapitalisedWordsInsideSentences)
{
    // "Psa" opens a sentence, so its small-letter base is no name; "Ala" inside one is.
    EXPECT_EQ(Run("Psa widzi Ala. Ala", {.Kind = raNazw}), Items({{"Ala", 2}}));
}

TEST_F(Frekwencja, PhrasesCountAsOneItem)
{
    TOpcjeAnalizy options{.SearchPhrases = true};
    EXPECT_EQ(Run("pies ogrodnika i pies", options), Items({{"i", 1}, {"pies", 1}, {"pies ogrodnika", 1}}));
    options.PhrasesApart = true;
    TFrekwencja analysis(Forms(), main_.Main(), jezPolski, options);
    analysis.AddParagraph(FromUtf8("pies ogrodnika"));
    analysis.Finish();
    EXPECT_TRUE(analysis.Found().empty());
    EXPECT_EQ(analysis.Phrases(), Items({{"pies ogrodnika", 1}}));
}

TEST_F(Frekwencja, CodesAnalysisCountsFormCodes)
{
    EXPECT_EQ(Run("psa kota pies", {.Kind = raKodow}), Items({{"2", 2}, {"1", 1}}));
}

} // namespace
} // namespace velmar
