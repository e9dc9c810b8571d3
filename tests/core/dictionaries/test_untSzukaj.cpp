#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

// The decoded lines sorted as a dictionary file is: by the collation of their keys.
std::vector<std::string> Sorted(std::vector<std::string> lines, std::uint8_t language, char separator)
{
    const auto key = [separator](const std::string& line) { return line.substr(0, line.find(separator)); };
    std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
        return CompareKeys(key(a), key(b), language) < 0;
    });
    return lines;
}

void Fill(TLinie& lines, const std::vector<std::string>& decoded, int keyRow)
{
    for (const std::string& line : decoded)
        lines.Add(EncodeLine(line, keyRow));
}

std::vector<std::string> FromUtf8All(std::initializer_list<const char*> texts)
{
    std::vector<std::string> converted;
    for (const char* text : texts)
        converted.push_back(FromUtf8(text));
    return converted;
}

// A main dictionary over the given headwords.
class TSlownikTestowy {
public:
    TSlownikTestowy(std::initializer_list<const char*> headwordsUtf8, std::uint8_t language)
        : TSlownikTestowy(FromUtf8All(headwordsUtf8), language)
    {
    }
    TSlownikTestowy(const std::vector<std::string>& keys, std::uint8_t language)
        : Dictionary(rsGlowny, kKeyRowMain, language, language == jezPolski ? jezFrancuski : jezPolski)
    {
        std::vector<std::string> decoded;
        for (const std::string& key : keys)
            decoded.push_back(key + "_ x");
        Fill(Lines, Sorted(decoded, language, '_'), kKeyRowMain);
        Dictionary.Attach(&Lines);
    }

    TLinie Lines;
    TTransSlownikGlowny Dictionary;
};

// ---------------------------------------------------------------- Find

struct TWyszukanie {
    const char* Word;
    bool FirstLower, FirstLowered, AnyCase, AccentPartial, AccentFree;
    bool Found;
    const char* Matched; // the Word the search reports
    bool FirstLoweredOut, AnyCaseOut;
};

class RelaxedFind : public ::testing::TestWithParam<TWyszukanie> {};

std::string DescribeFind(const TWyszukanie& c)
{
    return std::string(c.Word) + (c.FirstLower ? " first lower" : "") + (c.FirstLowered ? " first lowered" : "") +
           (c.AnyCase ? " any case" : "") + (c.AccentPartial ? " accent partial" : "") +
           (c.AccentFree ? " accent free" : "");
}

TEST_P(RelaxedFind, FindsWhatTheOptionsAllow)
{
    TSlownikTestowy d({"abricot", "élève", "paris", "parisien", "zèbre", "Zurich"}, jezFrancuski);
    const auto& p = GetParam();
    TZnajdzOpcje options = InitOptions(FromUtf8(p.Word), p.FirstLower);
    options.FirstLowered = p.FirstLowered;
    options.AnyCase = p.AnyCase;
    options.AccentPartial = p.AccentPartial;
    options.AccentFree = p.AccentFree;
    ASSERT_EQ(d.Dictionary.Find(options), p.Found);
    if (!p.Found)
        return;
    EXPECT_EQ(ToUtf8(options.Word, jezFrancuski), p.Matched);
    EXPECT_EQ(ToUtf8(d.Dictionary.GetKey(options.Index), jezFrancuski), p.Matched);
    EXPECT_EQ(options.FirstLowered != 0, p.FirstLoweredOut);
    EXPECT_EQ(options.AnyCase != 0, p.AnyCaseOut);
}

INSTANTIATE_TEST_SUITE_P(Table, RelaxedFind,
                         ::testing::Values(
                             //           word       fLow   fLowd  any    part   free   found  matched   fLowd  any
                             TWyszukanie{"paris", false, false, false, false, false, true, "paris", false, false},
                             TWyszukanie{"Paris", false, false, false, false, false, false, "", false, false},
                             TWyszukanie{"Paris", true, false, false, false, false, true, "paris", false, false},
                             TWyszukanie{"Paris", false, true, false, false, false, true, "paris", true, false},
                             TWyszukanie{"PARIS", true, false, false, false, false, false, "", false, false},
                             TWyszukanie{"PARIS", false, false, true, false, false, true, "paris", false, true},
                             TWyszukanie{"zurich", false, false, true, false, false, true, "Zurich", false, true},
                             TWyszukanie{"eleve", false, false, false, false, false, false, "", false, false},
                             TWyszukanie{"eleve", false, false, false, false, true, true, "élève", false, false},
                             TWyszukanie{"eleve", false, false, false, true, false, true, "élève", false, false},
                             TWyszukanie{"Eleve", true, false, false, true, false, true, "élève", false, false},
                             TWyszukanie{"ELEVE", false, false, true, false, true, true, "élève", false, true},
                             TWyszukanie{"zebre", false, false, false, false, true, true, "zèbre", false, false},
                             TWyszukanie{"parisienne", false, false, true, false, true, false, "", false, false}),
                         test::NamedBy(DescribeFind));

TEST(Find, GroupLabelAfterTheDivisionSign)
{
    TSlownikTestowy d({"kot", "pies", "ptak"}, jezPolski);
    TZnajdzOpcje options = InitOptions(FromUtf8("pies÷2"));
    ASSERT_TRUE(d.Dictionary.Find(options));
    EXPECT_EQ(options.Group, "2");
    EXPECT_EQ(d.Dictionary.GetKey(options.Index), "pies");
    EXPECT_EQ(options.Word, FromUtf8("pies÷2"));

    TZnajdzOpcje plain = InitOptions("pies");
    ASSERT_TRUE(d.Dictionary.Find(plain));
    EXPECT_EQ(plain.Group, "");
}

TEST(Find, EmptyDictionaryOrWordFindsNothingAtIndexZero)
{
    TSlownikTestowy empty({}, jezFrancuski);
    TZnajdzOpcje options = InitOptions("paris");
    options.Index = 7;
    EXPECT_FALSE(empty.Dictionary.Find(options));
    EXPECT_EQ(options.Index, 0);

    TSlownikTestowy d({"paris"}, jezFrancuski);
    TZnajdzOpcje nothing = InitOptions("");
    EXPECT_FALSE(d.Dictionary.Find(nothing));
    TZnajdzOpcje onlyGroup = InitOptions(FromUtf8("÷2"));
    EXPECT_FALSE(d.Dictionary.Find(onlyGroup));
    EXPECT_EQ(onlyGroup.Index, 0);
}

TEST(Find, CollationTwinsAreFoundEachAsItself)
{
    // "oeuvre" and "œuvre" compare equal; each must still find its own line, and
    // neither may stand in for the other.
    TSlownikTestowy both({"nuit", "oeuvre", "œuvre", "ouvrir"}, jezFrancuski);
    for (const char* word : {"oeuvre", "œuvre"}) {
        int index = -1;
        ASSERT_TRUE(both.Dictionary.FindExact(FromUtf8(word), index)) << word;
        EXPECT_EQ(both.Dictionary.GetKey(index), FromUtf8(word));
    }
    TSlownikTestowy one({"nuit", "oeuvre", "ouvrir"}, jezFrancuski);
    int index = -1;
    EXPECT_FALSE(one.Dictionary.FindExact(FromUtf8("œuvre"), index));
    TSlownikTestowy hui({"'hui", "huile"}, jezFrancuski);
    EXPECT_FALSE(hui.Dictionary.FindExact("hui", index));
    EXPECT_TRUE(hui.Dictionary.FindExact("'hui", index));
}

TEST(Find, EveryKeyOfASortedRandomFileIsFound)
{
    std::mt19937 random(5);
    const std::string letters = FromUtf8("aAeéÉèç'- œz");
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
    std::uniform_int_distribution<int> length(1, 6);
    std::vector<std::string> keys;
    for (int i = 0; i < 400; ++i) {
        std::string key;
        for (int n = length(random); n > 0; --n)
            key += letters[letter(random)];
        key = Trim(key);
        if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
    }
    TSlownikTestowy d(keys, jezFrancuski);
    for (const std::string& key : keys) {
        int index = -1;
        ASSERT_TRUE(d.Dictionary.FindExact(key, index)) << ToUtf8(key, jezFrancuski);
        EXPECT_EQ(d.Dictionary.GetKey(index), key);
    }
}

TEST(DataTool, BuildsInCollationOrderAndCheckRejectsByteOrder)
{
    test::TempFolder folder;
    const auto dictionary = MakeDictionaryOfKind("main", jezFrancuski);
    const auto source = folder.Write("main.txt", "zèbre_x\nabc_x\nParis_x\nparis_x\nélan_x\n");
    BuildDictionaryFile(source, *dictionary, folder / "built.sg");
    EXPECT_TRUE(CheckDictionaryFile(folder / "built.sg", *dictionary).empty());
    EXPECT_EQ(DecodeDictionaryFile(folder / "built.sg", *dictionary),
              (std::vector<std::string>{"abc_x", "élan_x", "Paris_x", "paris_x", "zèbre_x"}));

    std::string byteOrder;
    for (const char* line : {"Paris_x", "abc_x", "paris_x"})
        byteOrder += EncodeLine(line, kKeyRowMain) + "\r\n";
    const auto file = folder.Write("bytes.sg", byteOrder);
    const auto problems = CheckDictionaryFile(file, *dictionary);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Line, 2);
}

TEST(Locate, NearestLineAndTheFirstLetter)
{
    TSlownikTestowy d({"abeille", "chat", "chien", "zèbre"}, jezFrancuski);
    EXPECT_EQ(d.Dictionary.Locate("a"), 0);
    EXPECT_EQ(d.Dictionary.Locate("A"), 0);
    EXPECT_EQ(d.Dictionary.Locate("chien"), 2);
    EXPECT_EQ(d.Dictionary.Locate("chef"), 2); // the first line after it
    TSlownikTestowy empty({}, jezFrancuski);
    EXPECT_EQ(empty.Dictionary.Locate("a"), -1);
}

// ---------------------------------------------------------------- prefixes

TEST(PrefixFrom, StopsAtTheFirstKeyNotBeforeTheWord)
{
    TSlownikTestowy d({"lait", "maison", "mbar", "pomme de terre", "pomme"}, jezFrancuski);
    const auto prefix = [&](const char* word, int from) {
        int index = from;
        const bool equal = d.Dictionary.PrefixFrom(InitOptions(FromUtf8(word)), index);
        return std::pair{equal, index};
    };
    EXPECT_EQ(prefix("mai", 0), (std::pair{false, 1}));
    EXPECT_EQ(prefix("maz", 0), (std::pair{false, -1}));
    EXPECT_EQ(prefix("maison", 0), (std::pair{true, 1}));
    EXPECT_EQ(prefix("pomme d", 0), (std::pair{false, 4}));
    EXPECT_EQ(prefix("«mai", 0), (std::pair{false, 1}));
    EXPECT_EQ(prefix("zz", 0), (std::pair{false, -1}));
    EXPECT_EQ(prefix("mai", 5), (std::pair{false, -1}));
    EXPECT_EQ(prefix("mai", -1), (std::pair{false, -1}));
}

TEST(FindOrPrefix, FindsOrPointsAtTheLineStartingWithTheWord)
{
    TSlownikTestowy d({"lait", "maison", "mbar"}, jezFrancuski);
    int index = 0;
    TZnajdzOpcje found = InitOptions("maison");
    EXPECT_TRUE(d.Dictionary.FindOrPrefix(found, index));
    EXPECT_EQ(index, 1);
    TZnajdzOpcje start = InitOptions("mais");
    EXPECT_FALSE(d.Dictionary.FindOrPrefix(start, index));
    EXPECT_EQ(index, 1);
    TZnajdzOpcje none = InitOptions("maz");
    EXPECT_FALSE(d.Dictionary.FindOrPrefix(none, index));
    EXPECT_EQ(index, -1);
    TSlownikTestowy empty({}, jezFrancuski);
    EXPECT_FALSE(empty.Dictionary.FindOrPrefix(found, index));
    EXPECT_EQ(index, -1);
}

// ---------------------------------------------------------------- filtered view

std::vector<std::string> Keys(const TTransSlownik& d)
{
    std::vector<std::string> keys;
    for (int i = 0; i < d.Count(); ++i)
        keys.push_back(ToUtf8(d.GetKey(i), jezPolski));
    return keys;
}

struct TFiltr {
    const char* Pattern;
    bool WholeWords;
    bool MatchCase;
    std::vector<std::string> Expected;
};

class FilterView : public ::testing::TestWithParam<TFiltr> {};

std::string DescribeFilter(const TFiltr& c)
{
    return test::Spelled(c.Pattern) + (c.WholeWords ? " whole words" : "") + (c.MatchCase ? " match case" : "");
}

TEST_P(FilterView, ShowsTheMatchingHeadwords)
{
    TSlownikTestowy d({"biały kot", "kit", "Kot", "kot", "kot morski", "kąt", "szkot", "ul"}, jezPolski);
    const auto& p = GetParam();
    const int count = d.Dictionary.FilterBy(FromUtf8(p.Pattern), p.WholeWords, p.MatchCase);
    EXPECT_EQ(count, static_cast<int>(p.Expected.size()));
    d.Dictionary.SetFilter(true);
    std::vector<std::string> shown = Keys(d.Dictionary);
    std::vector<std::string> expected = p.Expected;
    std::sort(shown.begin(), shown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
    d.Dictionary.SetFilter(false);
    EXPECT_EQ(d.Dictionary.Count(), 8);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilterView,
    ::testing::Values(TFiltr{"k?t", false, false, {"biały kot", "kit", "Kot", "kot", "kot morski", "kąt", "szkot"}},
                      TFiltr{"k?t", true, false, {"kit", "Kot", "kot", "kot morski", "kąt"}},
                      TFiltr{"kot", true, false, {"biały kot", "Kot", "kot", "kot morski"}},
                      TFiltr{"kot", false, false, {"biały kot", "Kot", "kot", "kot morski", "szkot"}},
                      TFiltr{"Kot", false, true, {"Kot"}}, TFiltr{"KĄT", false, false, {"kąt"}},
                      TFiltr{"zebra", false, false, {}}),
    test::NamedBy(DescribeFilter));

TEST(FilterView, FindWorksOnTheFilteredLinesAndSwitchingIsIdempotent)
{
    TSlownikTestowy d({"kit", "kot", "ul"}, jezPolski);
    ASSERT_EQ(d.Dictionary.FilterBy("kot", false, false), 1);
    d.Dictionary.SetFilter(true);
    d.Dictionary.SetFilter(true);
    int index = -1;
    EXPECT_TRUE(d.Dictionary.FindExact("kot", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(d.Dictionary.FindExact("ul", index));
    d.Dictionary.SetFilter(false);
    d.Dictionary.SetFilter(false);
    EXPECT_EQ(Keys(d.Dictionary), (std::vector<std::string>{"kit", "kot", "ul"}));
    // A new filter starts from the real lines even while a view is shown.
    d.Dictionary.SetFilter(true);
    EXPECT_EQ(d.Dictionary.FilterBy("u", false, false), 1);
    EXPECT_EQ(d.Dictionary.FilterByWide(u"K?T", false, false), 2);
}

TEST(FilterView, AttachingOtherLinesEndsTheView)
{
    TSlownikTestowy d({"kit", "kot", "ul"}, jezPolski);
    TSlownikTestowy other({"pies"}, jezPolski);
    d.Dictionary.FilterBy("k", false, false);
    d.Dictionary.SetFilter(true);
    d.Dictionary.Attach(&other.Lines);
    EXPECT_EQ(Keys(d.Dictionary), (std::vector<std::string>{"pies"}));
    d.Dictionary.SetFilter(false);
    EXPECT_EQ(Keys(d.Dictionary), (std::vector<std::string>{"pies"}));
}

TEST(FilterView, TrimLeavesAThousandOfFifteenHundredAndNeverMoreThanItHolds)
{
    std::vector<std::string> keys;
    for (int i = 0; i < 1500; ++i)
        keys.push_back("kot" + std::to_string(10000 + i));
    keys.push_back("pies");
    TSlownikTestowy d(keys, jezPolski);
    const int userHits = 0;
    const int sum = d.Dictionary.FilterBy("kot", false, false) + userHits;
    ASSERT_EQ(sum, 1500);
    d.Dictionary.TrimFilter(sum - 1000);
    d.Dictionary.SetFilter(true);
    EXPECT_EQ(d.Dictionary.Count(), 1000);
    EXPECT_EQ(d.Dictionary.GetKey(999), "kot10999");
    d.Dictionary.TrimFilter(5000);
    EXPECT_EQ(d.Dictionary.Count(), 0);
    d.Dictionary.SetFilter(false);
    EXPECT_EQ(d.Dictionary.Count(), 1501);
}

// ---------------------------------------------------------------- forms

// A forms dictionary over lines "form code base [mark]" (code as a number).
class TFormyTestowe {
public:
    struct TLinia {
        const char* Form;
        int Code;
        const char* Base;
        const char* Mark;
    };
    TFormyTestowe(std::initializer_list<TLinia> rows, std::uint8_t language) : Dictionary(language)
    {
        std::vector<std::string> decoded;
        for (const TLinia& row : rows)
            decoded.push_back(FromUtf8(row.Form) + "\\" + static_cast<char>(row.Code) + FromUtf8(row.Base) +
                              FromUtf8(row.Mark));
        Fill(Lines, Sorted(decoded, language, '\\'), kKeyRowForms);
        Dictionary.Attach(&Lines);
    }

    std::vector<std::string> Readings() const
    {
        std::vector<std::string> readings;
        for (const TOdwolanie& r : Dictionary.Readings())
            readings.push_back(ToUtf8(r.Base, Dictionary.SourceLang) + ":" + std::to_string(r.FormCode) + ":" +
                               std::to_string(r.Priority));
        return readings;
    }

    TLinie Lines;
    TTransSlownikOdwolan Dictionary;
};

TEST(FindForms, AllReadingsOfTheFormByPriority)
{
    TFormyTestowe f({{"est", 80, "être", ""},
                     {"est", 55, "est", "@"},
                     {"est", 5, "est", "+"},
                     {"été", 60, "être", ""},
                     {"être", 80, "être", ""}},
                    jezFrancuski);
    int index = -1;
    ASSERT_TRUE(f.Dictionary.FindFormsSimple("est", index));
    EXPECT_EQ(f.Readings(), (std::vector<std::string>{"est:5:100", "être:80:50", "est:55:20"}));
    EXPECT_TRUE(f.Dictionary.HasFormCode(KodyForm({{80, 80}})));
    EXPECT_FALSE(f.Dictionary.FindFormsSimple("es", index));
    EXPECT_TRUE(f.Dictionary.Readings().Empty());
}

TEST(FindForms, FilterFormsKeepsAndRecodes)
{
    TFormyTestowe f({{"est", 80, "être", ""}, {"est", 55, "est", ""}}, jezFrancuski);
    TZnajdzOpcje options = InitOptions("est");
    EXPECT_TRUE(f.Dictionary.FilterForms(options, KodyForm({{80, 80}}), false, 3));
    EXPECT_EQ(f.Readings(), (std::vector<std::string>{"être:3:50"}));
    TZnajdzOpcje none = InitOptions("est");
    EXPECT_FALSE(f.Dictionary.FilterForms(none, KodyForm({{1, 2}}), false, 0));
}

TEST(FindForms, FrenchDerivationOfAnUnlistedWord)
{
    TFormyTestowe f({{"finir", 80, "finir", ""}, {"fini", 150, "finir", ""}}, jezFrancuski);
    TZnajdzOpcje plain = InitOptions("finissage");
    EXPECT_FALSE(f.Dictionary.FindForms(plain));

    TZnajdzOpcje options = InitOptions("finissage");
    options.TryForms = 1;
    ASSERT_TRUE(f.Dictionary.FindForms(options));
    EXPECT_EQ(f.Readings(), (std::vector<std::string>{"finir:1:50"}));
    EXPECT_EQ(options.Word, "finissage");
    EXPECT_EQ(options.InputWord, "finissage");
    EXPECT_EQ(options.BeforeRule, "finissage");
    EXPECT_EQ(options.Found, 1);
    EXPECT_TRUE(options.Features.test(122));
    EXPECT_TRUE(options.Features.test(137));
    EXPECT_EQ(options.TryForms, 0);
}

TEST(FindForms, FrenchPrefixOfAnUnlistedWord)
{
    TFormyTestowe f({{"construire", 80, "construire", ""}}, jezFrancuski);
    TZnajdzOpcje options = InitOptions("reconstruire");
    options.TryForms = 1;
    ASSERT_TRUE(f.Dictionary.FindForms(options));
    EXPECT_EQ(f.Readings(), (std::vector<std::string>{"construire:80:50"}));
    EXPECT_EQ(options.PrefixText, "ponownie ");
    EXPECT_EQ(options.Found, 4);
    EXPECT_EQ(options.Word, "reconstruire");
}

TEST(FindForms, PolishConditionalOfAnUnlistedWord)
{
    TFormyTestowe f({{"robił", 114, "robić", ""}, {"robiła", 115, "robić", ""}}, jezPolski);
    TZnajdzOpcje options = InitOptions(FromUtf8("robiłby"));
    options.TryForms = 1;
    ASSERT_TRUE(f.Dictionary.FindForms(options));
    EXPECT_EQ(f.Readings(), (std::vector<std::string>{"robić:127:50"}));
    EXPECT_EQ(options.Found, 1);
    EXPECT_EQ(options.Word, FromUtf8("robiłby"));
}

TEST(FindForms, FailedRulesRestoreWordAndCursor)
{
    TFormyTestowe f({{"finir", 5, "finir", ""}, {"zèbre", 55, "zèbre", ""}}, jezFrancuski);
    f.Dictionary.Current = 1;
    TZnajdzOpcje options = InitOptions("finissage");
    options.TryForms = 1;
    EXPECT_FALSE(f.Dictionary.FindForms(options)); // "finir" has no verb reading
    EXPECT_EQ(options.Word, "finissage");
    EXPECT_EQ(options.Found, 0);
    EXPECT_TRUE(f.Dictionary.Readings().Empty());
}

} // namespace
} // namespace velmar
