// The translation model: codes and classes, readings, sentinels, the subject memory,
// groups and their queries, and the variant table.
#include <gtest/gtest.h>

#include <limits>

#include "FakeSlowniki.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {
namespace {

// An utterance list of one language with a single empty utterance to fill.
struct TJednoZdanie {
    explicit TJednoZdanie(std::uint8_t language = jezFrancuski, TSlownikiWypowiedzi* dictionaries = nullptr,
                          std::uint8_t target = jezPolski)
        : list(TKontekstWypowiedzi{language, target, trybTranslatorFrPl, {}, dictionaries, nullptr})
    {
        list.NewUtterance();
    }
    TCustomWypowiedzenie& Utterance() { return *list.Item(0); }
    TCustomWypSlowa& Words() { return Utterance().Words(); }
    TCustomWypSlowo& Add(const std::string& text)
    {
        const int at = Words().Count() == 0 ? 0 : Words().Word(Words().Count() - 1).End + 1;
        const int index =
            Words().AddWord(text, Words().Count() == 0 ? "" : " ", {}, at, at + static_cast<int>(text.size()), false);
        return Words().Word(index);
    }

    TCustomWypowiedzenia list;
};

// ---------------------------------------------------------------- codes

struct TKodKlasa {
    std::uint8_t language;
    int code;
    int wordClass;
};

TEST(TransWypKody, CodeToClassAtTheRangeEdges)
{
    const TKodKlasa cases[] = {
        {jezFrancuski, 30, 0},  {jezFrancuski, 31, 8},   {jezFrancuski, 49, 8},   {jezFrancuski, 50, 2},
        {jezFrancuski, 79, 2},  {jezFrancuski, 80, 1},   {jezFrancuski, 205, 1},  {jezFrancuski, 206, 0},
        {jezFrancuski, 210, 8}, {jezFrancuski, 211, 4},  {jezFrancuski, 214, 4},  {jezFrancuski, 215, 8},
        {jezFrancuski, 216, 4}, {jezFrancuski, 235, 4},  {jezFrancuski, 236, 0},  {jezFrancuski, 241, 5},
        {jezFrancuski, 242, 6}, {jezFrancuski, 243, 10}, {jezFrancuski, 244, 7},  {jezFrancuski, 245, 9},
        {jezFrancuski, 246, 5}, {jezFrancuski, 247, 5},  {jezFrancuski, 248, 0},  {jezFrancuski, 249, 10},
        {jezFrancuski, 250, 3}, {jezFrancuski, 254, 3},  {jezFrancuski, 255, 12}, {jezPolski, 64, 0},
        {jezPolski, 65, 9},     {jezPolski, 67, 9},      {jezPolski, 68, 0},      {jezPolski, 77, 0},
        {jezPolski, 78, 2},     {jezPolski, 99, 2},      {jezPolski, 100, 1},     {jezPolski, 199, 1},
        {jezPolski, 200, 0},    {jezPolski, 210, 4},     {jezPolski, 211, 5},     {jezPolski, 212, 6},
        {jezPolski, 213, 10},   {jezPolski, 214, 7},     {jezPolski, 215, 9},     {jezPolski, 216, 4},
        {jezPolski, 217, 0},    {jezPolski, 218, 3},     {jezPolski, 219, 12},    {jezPolski, 250, 12},
        {jezPolski, 255, 0},
    };
    for (const TKodKlasa& c : cases)
        EXPECT_EQ(WordClassOfCodeNumber(c.code, c.language), c.wordClass)
            << "language " << int(c.language) << " code " << c.code;
}

TEST(TransWypSlowo, SetCodeMakesUnknownWordsNounsAndCodeZeroUntranslated)
{
    TJednoZdanie z;
    TCustomWypSlowo& xyz = z.Add("xyz");
    EXPECT_EQ(xyz.Code, 1);
    EXPECT_EQ(xyz.WordClass, kwRzeczownik);
    EXPECT_TRUE(xyz.Unknown);

    TCustomWypSlowo& percent = z.Add("%");
    EXPECT_EQ(percent.Code, -1);
    EXPECT_FALSE(percent.Unknown);

    xyz.SetCode(0);
    EXPECT_FALSE(xyz.Translate);

    xyz.SetMarker(znZaimek);
    xyz.SetCode(250);
    EXPECT_EQ(xyz.WordClass, kwZaimek);
}

TEST(TransWypSlowo, SetMarkerIgnoresBitsBeyondTheSet)
{
    TJednoZdanie z;
    TCustomWypSlowo& word = z.Add("mot");
    const TZnaczniki before = word.Markers;
    word.SetMarker(200);
    word.SetMarker(-1);
    EXPECT_EQ(word.Markers, before);
}

// ---------------------------------------------------------------- readings

TEST(TransWypZnaczenia, ScoringKeepsTheOrderOfEqualScores)
{
    TZnaczenia readings;
    for (const int code : {1, 2, 3}) {
        TZnaczenie reading;
        reading.Code = code;
        reading.Lemma = "r" + std::to_string(code);
        readings.Add(reading);
    }
    readings.Score(Kody({2}), 100);
    ASSERT_EQ(readings.Count(), 3);
    EXPECT_EQ(readings.Item(0)->Lemma, "r2");
    EXPECT_EQ(readings.Item(1)->Lemma, "r1");
    EXPECT_EQ(readings.Item(2)->Lemma, "r3");
    EXPECT_EQ(readings.Item(3), nullptr);
    EXPECT_EQ(readings.Item(-1), nullptr);
}

TEST(TransWypZnaczenia, ClassSetPrefersTheBestNonEmptyScoreBandAndSkipsTheUserDictionary)
{
    TZnaczenia readings;
    const auto add = [&](int code, int score, int kind = 0) {
        TZnaczenie reading;
        reading.Code = code;
        reading.Score = score;
        reading.DictKind = kind;
        readings.Add(reading);
    };
    add(5, 30);
    add(6, 50);
    add(7, 0);
    add(8, 100, kRodzajUzytkownika);
    EXPECT_EQ(readings.ClassSet(true, false), Kody({6}));
    EXPECT_EQ(readings.ClassSet(false, false), Kody({6}));
    EXPECT_EQ(readings.ClassSet(false, true), Kody({5, 6, 7}));

    readings.KeepCodes(Kody({5, 7}));
    ASSERT_EQ(readings.Count(), 2);
    EXPECT_EQ(readings.ClassSet(true, false), Kody({5}));
    EXPECT_EQ(readings.FirstCodeIn(Kody({7, 8})), 7);
    EXPECT_EQ(readings.FirstCodeIn(Kody({9})), -1);
}

TEST(TransWypZnaczenia, GrammarCodeOfAClassComesFromTheEntryOutsideTheUserDictionary)
{
    TZnaczenia readings;
    const auto add = [&](int kind, int code, std::initializer_list<const char*> subCodes) {
        TZnaczenie reading;
        reading.DictKind = kind;
        reading.Code = code;
        for (const char* subCode : subCodes)
            reading.Entry->SubRecords.Item(reading.Entry->SubRecords.Append())->Code = subCode;
        readings.Add(reading);
    };
    add(kRodzajUzytkownika, 1, {"72"});
    add(0, 1, {"1", "7"});
    std::string code;
    EXPECT_TRUE(readings.GrammarCodeFor(kwPrzymiotnik, jezFrancuski, code));
    EXPECT_EQ(code, "7");
    EXPECT_FALSE(readings.GrammarCodeFor(kwCzasownik, jezFrancuski, code));
    EXPECT_FALSE(readings.GrammarCodeFor(kwWieleKlas, jezFrancuski, code));

    add(0, 183, {"*"});
    EXPECT_TRUE(readings.GrammarCodeOf(2, kwRzeczownik, jezPolski, code));
    EXPECT_EQ(code, "41") << "a Polish verbal noun";
}

TEST(TransWypSlowo, ChoosingAReadingRecommitsAndRenamingLooksUpAgain)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.AddReading("est", "être", 90);
    dictionaries.AddReading("est", "est", 5);
    dictionaries.AddReading("le1", "le", 31);
    TJednoZdanie z(jezFrancuski, &dictionaries);
    TCustomWypSlowo& est = z.Add("est");
    ASSERT_TRUE(est.ReadingCommitted);
    EXPECT_EQ(est.Lemma, "être");
    EXPECT_EQ(est.WordClass, kwCzasownik);

    est.ChooseReading(1, false);
    EXPECT_EQ(est.Lemma, "est");
    EXPECT_EQ(est.Code, 5);
    EXPECT_EQ(est.WordClass, kwRzeczownik);

    EXPECT_TRUE(est.ChooseReadingOfClass(kwCzasownik));
    EXPECT_EQ(est.Lemma, "être");
    EXPECT_FALSE(est.ChooseReadingOfClass(kwNieznana));

    est.SetText("le1");
    EXPECT_EQ(est.Lemma, "le");
    EXPECT_EQ(est.Code, 31);
    EXPECT_EQ(est.WordClass, kwOkreslnik);

    est.Commit(false); // already committed: nothing changes
    EXPECT_EQ(est.Lemma, "le");
}

TEST(TransWypSlowo, AHomographTheDataLacksKeepsTheReadingsAndShowsNoNumber)
{
    test::TFakeSlowniki dictionaries;
    dictionaries.AddReading("de", "de", 241);
    dictionaries.AddReading("nie", "nie", 213);
    TJednoZdanie z(jezFrancuski, &dictionaries);
    TCustomWypSlowo& de = z.Add("de");
    de.SetText("de7");
    EXPECT_EQ(de.Text, "de7") << "later rules still see the choice";
    EXPECT_EQ(de.Lemma, "de");
    EXPECT_EQ(de.Code, 241);
    EXPECT_EQ(de.Readings.Count(), 1);
    EXPECT_EQ(de.ShownText(), "de");

    TCustomWypSlowo& a4 = z.Add("A4."); // loses its period: an ordinary rename, not a homograph
    EXPECT_FALSE(a4.MissingHomograph);
    EXPECT_EQ(a4.ShownText(), "A4");
}

// ---------------------------------------------------------------- sentinels

TEST(TransWypSlowa, OutOfRangeGivesSentinelsThatForgetWrites)
{
    TJednoZdanie z;
    z.Add("un");
    TCustomWypSlowa& words = z.Words();

    for (const int i : {-1, 1}) {
        TCustomWypSlowo& sentinel = words.Word(i);
        EXPECT_TRUE(words.IsNoGroup(sentinel.Group()));
        sentinel.Text = "leak";
        sentinel.SetMarker(40);
        words.Group(7).First = 3;
        words.Around(i).Po = "leak";
        words.Word(0).Translations.Item(5).Text = "leak";
    }
    EXPECT_EQ(words.Word(2).Text, "");
    EXPECT_FALSE(words.Word(2).HasMarker(40));
    EXPECT_EQ(words.Group(0).First, -1);
    EXPECT_EQ(words.Around(-3).Po, "");
    EXPECT_EQ(words.Word(0).Translations.Item(3).Text, "");

    const TCustomWypowiedzenie& u = z.Utterance();
    EXPECT_FALSE(u.HasMarker(-1, 40));
    EXPECT_FALSE(u.ClassIs(1, words.Word(1).WordClass));
    EXPECT_FALSE(u.TextIs(5, ""));
    EXPECT_EQ(z.list.Item(1), nullptr);
}

// ---------------------------------------------------------------- subject memory

TEST(TransWypPodmioty, KeepsAtMostThirtyDroppingTheOldest)
{
    TPodmiotyZdan subjects;
    for (int i = 0; i < 30; ++i)
        subjects.Add(i, 1, false);
    EXPECT_EQ(subjects.Count(), 30);
    subjects.Add(99, 2, true);
    EXPECT_EQ(subjects.Count(), 30);
    EXPECT_EQ(subjects.Item(0)->Gender, 1);
    EXPECT_EQ(subjects.Item(29)->Gender, 99);
}

// ---------------------------------------------------------------- groups and queries

TEST(TransWypGrupy, GroupsStaySortedAndAnswerTheQueries)
{
    TJednoZdanie z;
    for (const char* text : {"le", "petit", "chat", "dort", "bien"})
        z.Add(text);
    TCustomWypSlowa& words = z.Words();
    TCustomWypowiedzenie& u = z.Utterance();

    const int verb = words.NewGroupAt(3, tgWerbalna);
    const int noun = words.NewGroupAt(2, tgNominalna);
    EXPECT_EQ(words.Group(0).First, 2) << "groups are kept in word order";
    EXPECT_EQ(words.GroupCount(), 2);
    (void)verb;
    (void)noun;
    TCustomWypGrupa& nominal = words.Group(0);
    words.ExtendGroupLeft(nominal, 0);
    EXPECT_EQ(nominal.First, 0);
    EXPECT_EQ(nominal.Last, 2);
    EXPECT_TRUE(u.InNominalGroup(1));
    EXPECT_TRUE(u.InPlainNominalGroup(0));
    EXPECT_TRUE(u.IsGroupStart(0, tgNominalna));
    EXPECT_TRUE(u.IsGroupEnd(2, tgNominalna));
    EXPECT_TRUE(u.IsSingleWordGroup(3, tgWerbalna));
    EXPECT_TRUE(u.InVerbalGroup(3));
    EXPECT_FALSE(u.HasGroup(4));
    EXPECT_EQ(u.GroupHead(1), 2);
    u.SetHead(1);
    EXPECT_EQ(u.GroupHead(0), 1);
    EXPECT_FALSE(u.HasMarker(2, znGlowaGrupy));
    EXPECT_EQ(u.FindGroup(0, 1u << tgWerbalna, {}, false, false), 3);
    EXPECT_EQ(u.FindGroup(3, 1u << tgNominalna, {}, false, true), 0);

    nominal.SetKind(4);
    EXPECT_TRUE(u.InPrepositionalGroup(2));
    EXPECT_TRUE(u.KindIn(0, {3, 4}));

    // Shrinking gives the word that leaves a fresh group of its own.
    words.ExtendGroupRight(nominal, 1);
    EXPECT_EQ(nominal.Last, 1);
    EXPECT_TRUE(u.IsSingleWordGroup(2, tgZadna));
    EXPECT_EQ(words.GroupCount(), 3);

    // A group put in place of another takes its words from the groups they were in.
    std::unique_ptr<TCustomWypGrupa> replacement = words.NewGroup();
    replacement->First = 2;
    replacement->Last = 3;
    replacement->Type = tgWerbalna;
    words.SetGroup(1, std::move(replacement));
    EXPECT_EQ(words.GroupCount(), 2);
    EXPECT_EQ(nominal.Last, 1);
    EXPECT_TRUE(u.IsGroupStart(2, tgWerbalna));
    EXPECT_TRUE(u.IsGroupEnd(3, tgWerbalna));
}

TEST(TransWypGrupy, InsertedWordJoinsTheGroupAroundIt)
{
    TJednoZdanie z;
    for (const char* text : {"le", "chat", "dort"})
        z.Add(text);
    TCustomWypSlowa& words = z.Words();
    TCustomWypowiedzenie& u = z.Utterance();
    words.NewGroupAt(0, tgNominalna);
    words.ExtendGroupRight(words.Group(0), 1);
    words.NewGroupAt(2, tgWerbalna);

    const int inside = words.InsertWordAfter(0, words.NewWord(), {" ", ""});
    EXPECT_EQ(inside, 1);
    EXPECT_TRUE(u.InNominalGroup(inside));
    EXPECT_EQ(u.GroupLast(0), 2);
    EXPECT_TRUE(u.IsSingleWordGroup(3, tgWerbalna)) << "the groups behind move along";

    const int behind = words.InsertWordAfter(3, words.NewWord(), {" ", ""});
    EXPECT_FALSE(u.HasGroup(behind));
    EXPECT_EQ(words.Count(), 5);
}

// "il ne le voit pas": "ne" moves behind the clitic with its spaces; the clause start
// stays on the first word; a word deleted or moved out of a one-word group takes the
// group along.
TEST(TransWypGrupy, MovedAndDeletedWordsLeaveTheirGroups)
{
    TJednoZdanie z;
    for (const char* text : {"ne", "le", "voit", "pas"})
        z.Add(text);
    TCustomWypSlowa& words = z.Words();
    TCustomWypowiedzenie& u = z.Utterance();
    words.Word(0).SetMarker(znPoczatekZdania);
    words.NewGroupAt(0, tgZadna);
    words.NewGroupAt(2, tgWerbalna);
    words.ExtendGroupLeft(words.Group(1), 1);

    words.MoveWord(0, 1);
    EXPECT_EQ(words.Word(0).Text, "le");
    EXPECT_EQ(words.Word(1).Text, "ne");
    EXPECT_TRUE(words.Word(0).HasMarker(znPoczatekZdania));
    EXPECT_FALSE(words.Word(1).HasMarker(znPoczatekZdania));
    EXPECT_TRUE(u.InVerbalGroup(1)) << "landed inside the verbal group";
    EXPECT_EQ(words.GroupCount(), 1) << "its own one-word group went with it";
    EXPECT_EQ(u.GroupFirst(2), 0);
    EXPECT_EQ(u.GroupLast(0), 2);

    words.MoveWord(1, 3);
    EXPECT_EQ(words.Word(3).Text, "ne");
    EXPECT_FALSE(u.HasGroup(3));
    EXPECT_EQ(u.GroupLast(0), 1);

    words.NewGroupAt(3, tgNominalna);
    words.DeleteWord(3);
    EXPECT_EQ(words.Count(), 3);
    EXPECT_EQ(words.GroupCount(), 1) << "no empty group is left behind";

    words.DeleteGroup(0);
    EXPECT_EQ(words.GroupCount(), 0);
    EXPECT_FALSE(u.HasGroup(0));
}

TEST(TransWypZapytania, ScanningStopsAtTheEdgesAndClausesEndAtClauseStarts)
{
    TJednoZdanie z;
    for (const char* text : {"il", "dit", "que", "elle", "part"})
        z.Add(text);
    TCustomWypowiedzenie& u = z.Utterance();
    z.Words().Word(2).SetMarker(znPoczatekZdania);
    EXPECT_EQ(u.SkipTextIn(0, "<il><dit>"), 2);
    EXPECT_EQ(u.FindTextIn(4, "<dit>", true), 1);
    EXPECT_EQ(u.FindTextIn(0, "<xyz>"), 5);
    EXPECT_EQ(u.SkipTextIn(-1, "<il>"), -1);
    int first = 0, last = 0;
    u.ClauseBounds(3, first, last);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 4);
    u.ClauseBounds(1, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 1);
    EXPECT_TRUE(u.PhraseIn(2, 2, "<que elle>"));
    EXPECT_FALSE(u.PhraseIn(4, 2, "<part x>"));
    EXPECT_TRUE(u.TextsAre(0, {"il", "dit"}));
    EXPECT_TRUE(u.TextIs(0, "IL", false, true));
}

// ---------------------------------------------------------------- chosen translations

TEST(TransWypTlumaczenie, HeadWordGivesItsGroupTheNumberAndGenderOfTheTranslation)
{
    struct TPrzypadek {
        std::uint8_t target;
        std::vector<std::string> forms;
        int num, genus, targetGender, targetNumber;
    };
    const TPrzypadek cases[] = {
        {jezPolski, {"kotki *48"}, 2, 1, -1, 0},
        {jezPolski, {"on *90", "wszystko"}, 0, 4, -1, 0},
        {jezFrancuski, {"chat *1"}, 0, 1, 1, 0},
        {jezFrancuski, {"chat *1", "noir *7"}, 0, 1, -1, 0},
    };
    for (const TPrzypadek& c : cases) {
        TJednoZdanie z(jezFrancuski, nullptr, c.target);
        TCustomWypSlowo& word = z.Add("chat");
        z.Words().NewGroupAt(0, tgNominalna);
        z.Utterance().SetHead(0);
        TTlumaczenie& translation = word.Translations.Item(word.Translations.Add());
        translation.Forms = c.forms;
        translation.Prefix = "na";
        int changed = -1;
        word.OnChange = [&](TCustomWypSlowo&, int index) { changed = index; };
        word.ChooseTranslation(0);
        const TCustomWypGrupa& group = *word.Group();
        EXPECT_EQ(group.num, c.num) << c.forms[0];
        EXPECT_EQ(group.genus, c.genus) << c.forms[0];
        EXPECT_EQ(group.TargetGender, c.targetGender) << c.forms[0];
        EXPECT_EQ(group.TargetNumber, c.targetNumber) << c.forms[0];
        EXPECT_EQ(word.TranslationPrefix, "na");
        EXPECT_EQ(changed, 0);
    }
}

TEST(TransWypTlumaczenie, NumeralTakesItsValueOnceFromTheTranslation)
{
    TJednoZdanie z(jezFrancuski);
    TCustomWypSlowo& word = z.Add("cinq");
    z.Add("chats");
    z.Words().NewGroupAt(0, tgNominalna);
    z.Words().ExtendGroupRight(*word.Group(), 1);
    word.WordClass = kwLiczebnik;
    word.Translations.Item(word.Translations.Add()).Forms = {FromUtf8("pięć *95")};
    word.Translations.Item(word.Translations.Add()).Forms = {"dwa *95"};
    word.ChooseTranslation(0);
    EXPECT_EQ(word.NumericValue, 5);
    EXPECT_EQ(word.NumeralClass, 1);
    word.ChooseTranslation(1);
    EXPECT_EQ(word.NumericValue, 5);
    word.ChooseTranslation(7);
    EXPECT_EQ(word.ChosenTranslation, -1);
}

TEST(TransWypTlumaczenie, TranslationGenderReadsTheFormsFromTheLast)
{
    TJednoZdanie z(jezFrancuski);
    TCustomWypSlowo& word = z.Add("mot");
    const auto addReading = [&](int kind, std::vector<std::string> words, std::vector<std::string> codes) {
        TZnaczenie reading;
        reading.DictKind = kind;
        TTransSlownikPodrekord& sub = *reading.Entry->SubRecords.Item(reading.Entry->SubRecords.Append());
        TTransSlownikZnaczenie& meaning = *sub.Meanings.Item(sub.Meanings.Append());
        for (std::size_t k = 0; k < words.size(); ++k) {
            const int at = meaning.AddAlternative();
            meaning.Words[static_cast<std::size_t>(at)] = words[k];
            meaning.WordCodes[static_cast<std::size_t>(at)] = codes[k];
        }
        word.Readings.Add(reading);
    };
    EXPECT_EQ(word.TranslationGender(), -1);
    addReading(kRodzajUzytkownika, {"kobieta"}, {"*3"});
    addReading(0, {"czytanie"}, {""});
    EXPECT_EQ(word.TranslationGender(), 4) << "the user dictionary takes no part";
    word.Readings.Clear();
    addReading(0, {"pies", "kot"}, {"*2", ""});
    EXPECT_EQ(word.TranslationGender(), 2);
}

// ---------------------------------------------------------------- variants

void GiveTranslations(TCustomWypSlowo& word, std::initializer_list<const char*> texts)
{
    for (const char* text : texts)
        word.Translations.Item(word.Translations.Add()).Text = text;
}

TEST(TransWypWarianty, CountsProductsAndTabulatesEveryCombination)
{
    TJednoZdanie z;
    GiveTranslations(z.Add("a"), {"a1", "a2"});
    GiveTranslations(z.Add("b"), {"b1"});
    GiveTranslations(z.Add("c"), {"c1", "c2", "c3"});
    TCustomWypSlowa& words = z.Words();
    EXPECT_EQ(words.CountVariants(), 6);
    ASSERT_EQ(words.Variants().Items.size(), 6u);
    EXPECT_EQ(words.VariantText(0), "a1 b1 c1");
    EXPECT_EQ(words.VariantText(5), "a2 b1 c3");

    words.ApplyVariant(5);
    EXPECT_EQ(words.Word(2).Translations.Item(0).Text, "c3");
    EXPECT_EQ(words.Word(0).ChosenTranslation, 0);
    EXPECT_EQ(words.VariantText(0), "a1 b1 c1") << "the table still names the same translations";
    EXPECT_EQ(words.VariantText(5), "a2 b1 c3");
}

TEST(TransWypWarianty, HugeCountsSaturateAndTheTableStopsAtItsLimit)
{
    TJednoZdanie z;
    for (int i = 0; i < 40; ++i)
        GiveTranslations(z.Add("w"), {"x", "y"});
    EXPECT_EQ(z.Words().CountVariants(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(z.Words().Variants().Items.size(), 1000u);

    for (int i = 0; i < 40; ++i) // 2^80 overflows 64 bits
        GiveTranslations(z.Add("w"), {"x", "y", "z", "v"});
    EXPECT_EQ(z.Words().CountVariants(), std::numeric_limits<std::int32_t>::max());
}

TEST(TransWypWarianty, ParenthesisWordsThatFormACycleRenderOnce)
{
    TJednoZdanie z;
    GiveTranslations(z.Add("a"), {"A"});
    GiveTranslations(z.Add("b"), {"B"});
    TCustomWypSlowa& words = z.Words();
    words.Word(0).ParenthesisWord = 1;
    words.Word(1).ParenthesisWord = 0;
    words.CountVariants();
    EXPECT_EQ(words.VariantText(0), "A (B) B (A)");

    words.Word(0).ParenthesisWord = 0;
    EXPECT_EQ(words.VariantText(0), "A B (A)");
}

} // namespace
} // namespace velmar
