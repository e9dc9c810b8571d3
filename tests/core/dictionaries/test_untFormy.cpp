#include "core/dictionaries/untFormy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

// A decoded forms line: form, "\", the code byte, base and an optional mark.
std::string FormLine(const char* form, int code, const char* base, const char* mark = "")
{
    return FromUtf8(form) + "\\" + static_cast<char>(code) + FromUtf8(base) + FromUtf8(mark);
}

TEST(FormLine, PriorityMarks)
{
    const std::pair<const char*, int> marks[] = {{"#", 0},  {"‡", 10}, {"@", 20}, {"†", 30},
                                                 {"¤", 70}, {"*", 80}, {"±", 90}, {"+", 100}};
    for (const auto& [mark, priority] : marks) {
        const TOdwolanie reading = ParseFormLine(FormLine("chats", 12, "chat", mark), jezFrancuski);
        EXPECT_EQ(reading.Priority, priority) << mark;
        EXPECT_EQ(reading.Base, "chat") << mark;
        EXPECT_EQ(reading.FormCode, 12) << mark;
        EXPECT_EQ(reading.Form, "chats") << mark;
    }
    const TOdwolanie plain = ParseFormLine(FormLine("chats", 12, "chat"), jezFrancuski);
    EXPECT_EQ(plain.Priority, 50);
    EXPECT_EQ(plain.Base, "chat");
}

TEST(FormLine, MalformedLinesKeepWhatTheyHave)
{
    EXPECT_EQ(ParseFormLine("chats", jezFrancuski), (TOdwolanie{"", 0, "", 50}));
    EXPECT_EQ(ParseFormLine("chats\\", jezFrancuski), (TOdwolanie{"chats", 0, "", 50}));
    // A code byte that happens to be a mark is the code, not a priority.
    EXPECT_EQ(ParseFormLine("x\\+", jezFrancuski), (TOdwolanie{"x", '+', "", 50}));
}

struct TPrzenumerowanie {
    int Code;
    const char* Mark;
    const char* Base;
    int Expected;
};

class PolishFormCodes : public ::testing::TestWithParam<TPrzenumerowanie> {};

std::string DescribeFormCode(const TPrzenumerowanie& c)
{
    return std::to_string(c.Code) + " " + test::Spelled(c.Mark) + " " + c.Base;
}

TEST_P(PolishFormCodes, AreRenumberedByPriority)
{
    const auto& p = GetParam();
    EXPECT_EQ(ParseFormLine(FormLine("x", p.Code, p.Base, p.Mark), jezPolski).FormCode, p.Expected);
    EXPECT_EQ(ParseFormLine(FormLine("x", p.Code, p.Base, p.Mark), jezFrancuski).FormCode, p.Code);
}

INSTANTIATE_TEST_SUITE_P(Table, PolishFormCodes,
                         ::testing::Values(TPrzenumerowanie{14, "+", "kot", 15}, TPrzenumerowanie{15, "@", "kot", 14},
                                           TPrzenumerowanie{36, "+", "kot", 30}, TPrzenumerowanie{51, "+", "kot", 81},
                                           TPrzenumerowanie{62, "@", "kot", 92}, TPrzenumerowanie{63, "+", "kot", 63},
                                           TPrzenumerowanie{14, "", "kot", 14}, TPrzenumerowanie{14, "*", "kot", 14},
                                           TPrzenumerowanie{200, "", "kot", 218},
                                           TPrzenumerowanie{200, "+", "kot", 218},
                                           TPrzenumerowanie{138, "", "wymagać", 103},
                                           TPrzenumerowanie{142, "", "wymagać", 142},
                                           TPrzenumerowanie{138, "", "robić", 138}),
                         test::NamedBy(DescribeFormCode));

TEST(FormLine, PreferredPolishReadingIsRaisedFromNeutralOnly)
{
    EXPECT_EQ(ParseFormLine(FormLine("iść", 100, "iść"), jezPolski).Priority, 100);
    EXPECT_EQ(ParseFormLine(FormLine("iść", 100, "iść", "*"), jezPolski).Priority, 80);
    EXPECT_EQ(ParseFormLine(FormLine("iść", 100, "iść"), jezFrancuski).Priority, 50);
    EXPECT_EQ(ParseFormLine(FormLine("iść", 1, "iść"), jezPolski).Priority, 50);
}

std::vector<int> Codes(const TOdwolania& readings)
{
    std::vector<int> codes;
    for (const TOdwolanie& reading : readings)
        codes.push_back(reading.FormCode);
    return codes;
}

TOdwolania Readings(std::initializer_list<std::pair<int, int>> codesAndPriorities)
{
    TOdwolania readings;
    for (const auto& [code, priority] : codesAndPriorities)
        readings.Add({"x", static_cast<std::uint8_t>(code), "x", priority});
    return readings;
}

TEST(ReadingOrder, HigherPriorityFirstAndTiesKeepLineOrder)
{
    TOdwolania readings = Readings({{1, 20}, {2, 50}, {3, 100}, {4, 50}});
    readings.Order(jezFrancuski);
    EXPECT_EQ(Codes(readings), (std::vector<int>{3, 2, 4, 1}));
}

TEST(ReadingOrder, PolishParticipleGivesWayToTheAdjective)
{
    TOdwolania polish = Readings({{150, 50}, {81, 50}, {185, 50}, {100, 50}, {181, 50}, {18, 20}});
    TOdwolania french = polish;
    polish.Order(jezPolski);
    // 181 keeps its place: the noun reading has the lower priority.
    EXPECT_EQ(Codes(polish), (std::vector<int>{81, 150, 100, 185, 181, 18}));
    french.Order(jezFrancuski);
    EXPECT_EQ(Codes(french), (std::vector<int>{150, 81, 185, 100, 181, 18}));
}

TEST(Readings, KeepFiltersAndRecodes)
{
    TOdwolania readings = Readings({{80, 50}, {5, 50}, {80, 20}});
    EXPECT_TRUE(readings.HasFormCode(KodyForm({{80, 80}})));
    EXPECT_FALSE(readings.HasFormCode(KodyForm({{81, 90}})));
    EXPECT_TRUE(readings.Keep(KodyForm({{80, 80}}), 1));
    EXPECT_EQ(Codes(readings), (std::vector<int>{1, 1}));
    EXPECT_TRUE(readings.Keep(KodyForm({{1, 1}}), 0));
    EXPECT_FALSE(readings.Keep(KodyForm({{2, 2}}), 0));
    EXPECT_TRUE(readings.Empty());
    EXPECT_EQ(readings.Item(3).Form, "");
}

// The first rule of the language that applies to the word, with its candidate.
std::pair<const TRegulaFormy*, std::string> FirstRule(const char* word, std::uint8_t language)
{
    for (const TRegulaFormy& rule : FormRules(language))
        if (auto candidate = rule.Candidate(FromUtf8(word)))
            return {&rule, *candidate};
    return {nullptr, ""};
}

struct TKandydat {
    const char* Word;
    std::uint8_t Language;
    const char* Candidate;
    int Allowed;
    int NewCode;
};

class FirstFormRule : public ::testing::TestWithParam<TKandydat> {};

std::string DescribeCandidate(const TKandydat& c)
{
    return c.Word;
}

TEST_P(FirstFormRule, GivesTheCandidateBase)
{
    const auto& p = GetParam();
    const auto [rule, candidate] = FirstRule(p.Word, p.Language);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(ToUtf8(candidate, p.Language), p.Candidate);
    EXPECT_TRUE(rule->Allowed.test(static_cast<std::size_t>(p.Allowed)));
    EXPECT_EQ(rule->NewCode, p.NewCode);
}

INSTANTIATE_TEST_SUITE_P(Table, FirstFormRule,
                         ::testing::Values(TKandydat{"robiłby", jezPolski, "robił", 114, 127},
                                           TKandydat{"ROBIŁBY", jezPolski, "ROBIł", 114, 127},
                                           TKandydat{"robiłybyście", jezPolski, "robiła", 115, 133},
                                           TKandydat{"czytający", jezPolski, "czytając", 142, 161},
                                           TKandydat{"zrobionymi", jezPolski, "zrobiony", 150, 160},
                                           TKandydat{"mówienia", jezPolski, "mówienie", 181, 182},
                                           TKandydat{"finissage", jezFrancuski, "finir", 80, 1},
                                           TKandydat{"nettoyage", jezFrancuski, "nettoyer", 80, 1},
                                           TKandydat{"publication", jezFrancuski, "publiquer", 80, 5},
                                           TKandydat{"mangeable", jezFrancuski, "manger", 80, 51},
                                           TKandydat{"régularité", jezFrancuski, "régulaire", 55, 5},
                                           TKandydat{"reconstruire", jezFrancuski, "construire", 80, 0},
                                           TKandydat{"réorganiser", jezFrancuski, "organiser", 80, 0},
                                           TKandydat{"sous-marin", jezFrancuski, "marin", 55, 0},
                                           TKandydat{"défaire", jezFrancuski, "faire", 80, 0}),
                         test::NamedBy(DescribeCandidate));

TEST(FormRules, PrefixRulesReportTheirTextAndFeatures)
{
    const auto [rule, candidate] = FirstRule("reconstruire", jezFrancuski);
    ASSERT_NE(rule, nullptr);
    TZnajdzOpcje options = InitOptions("reconstruire");
    rule->Report(options);
    EXPECT_EQ(options.PrefixText, "ponownie ");
    EXPECT_EQ(options.Found, 4);

    const auto [undo, base] = FirstRule("défaire", jezFrancuski);
    ASSERT_NE(undo, nullptr);
    TZnajdzOpcje undoOptions = InitOptions("défaire");
    undo->Report(undoOptions);
    EXPECT_TRUE(undoOptions.Features.test(127));
    EXPECT_EQ(undoOptions.PrefixText, "");
    EXPECT_FALSE(undo->Allowed.test(5));
}

TEST(FormRules, LanguagesWithoutRulesHaveNone)
{
    EXPECT_TRUE(FormRules(jezNiemiecki).empty());
    EXPECT_EQ(FormRules(jezPolski).size(), 97u);
    EXPECT_EQ(FormRules(jezFrancuski).size(), 21u + 24u);
}

} // namespace
} // namespace velmar
