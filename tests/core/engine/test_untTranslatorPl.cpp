// The Polish preparation of words as segmentation adds them, the words the analysis
// recovers when no dictionary lists them, the order of a word's readings, and a stop
// request between the stages.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>

#include "DaneFrancuskie.h"
#include "DanePolskie.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

struct TSlowoPl {
    const char* Text;
    const char* Shown;
};

class PolishWords : public testing::TestWithParam<TSlowoPl> {};

TEST_P(PolishWords, ArePreparedAndRecovered)
{
    EXPECT_EQ(test::TTekstPl(GetParam().Text).Shown(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolishWords,
    testing::Values(
        // quotes leave the word; numbers and addresses are their own targets
        TSlowoPl{"\"dom\"", "\"[dom#17 +'la '(1..4)]\""}, TSlowoPl{"1999 r.", "[1999=1999#1(0..4)] [r(5..6)]."},
        TSlowoPl{"e-mail@adres.pl", "[e-mail@adres.pl=e-mail@adres.pl#15(0..15)]"},
        TSlowoPl{"http://www.onet.pl", "[http://www.onet.pl=http://www.onet.pl#15(0..18)]"},
        // split tokens
        TSlowoPl{"biało-czerwony", "[biało<biały>#81 m141(0..5)][- m141(5..6)][czerwony#81 m141(6..14)]"},
        TSlowoPl{"biało- i czerwony", "[biało<biały>#81 m141(0..5)] [- m141(5..6)] [i#212(7..8)] [czerwony#81(9..17)]"},
        TSlowoPl{"PKO/BP", "[PKO m141(0..3)]/[BP m141(4..6)]"}, TSlowoPl{"I/O", "[I/O(0..3)]"},
        TSlowoPl{"-ego", "[-(0..1)][ego(1..4)]"},
        // prefixes, person endings in the forms, recovered words
        TSlowoPl{"nieładny", "[ładny#81 m61 +'non ' [ODC_PRZED](0..8)]"},
        TSlowoPl{"poprzerabiać", "[przerabiać#100 [ODC_PRZED](0..12)]"},
        TSlowoPl{"zrobiłbym", "[ja0=je#210(0..0)] [zrobiłbym<zrobić>#123(0..9)]"}, TSlowoPl{"zrobiłeś", "[ty0=tu#210(0..0)] [zrobiłeś<zrobić>#112(0..8)]"},
        TSlowoPl{"cukrowy", "[cukrowy<cukier>#81 m66 +'de '(0..7)]"}, TSlowoPl{"najnowszego", "[nowy#84 st2 +'le plus '(0..11)]"},
        TSlowoPl{"ładniej", "[ładnie#218 st1 +'plus '(0..7)]"}, TSlowoPl{"ładność", "[ładność<ładny>#17 m81(0..7)]"},
        TSlowoPl{"Gdzieś był?", "[gdzie#218(0..6)] [ty0=tu#210(7..7)] [był<być>#112(7..10)]?"},
        TSlowoPl{"Gdzieście byli?", "[gdzie#218(0..9)] [wy0=vous#210(10..10)] [byli<być>#119(10..14)]?"}),
    test::NamedBy([](const TSlowoPl& c) { return test::Spelled(c.Text); }));

// "pytanie" is a noun of its own and the verbal noun of "pytać", whose forms list only
// "pytania": the verbal-noun reading is derived with the code of the form.
TEST(PolishDerivedReadings, AVerbalNounIsReadThroughTheFormItsVerbLists)
{
    for (const auto& [form, code] : {std::pair{"pytanie", 181}, {"pytaniach", 188}}) {
        test::TTekstPl text(form, false);
        const TZnaczenia& readings = text.Words().Word(0).Readings;
        ASSERT_EQ(readings.Count(), 2) << form;
        EXPECT_EQ(readings.Item(1)->Lemma, FromUtf8("pytać")) << form;
        EXPECT_EQ(readings.Item(1)->Code, code) << form;
    }
}

// The order of a word's readings, over a small data folder with a user dictionary.
class PolishReadings : public testing::Test {
protected:
    PolishReadings()
    {
        const auto write = [this](const char* file, const char* kind, const char* readable) {
            test::WriteDataFile(folder, file, kind, FromUtf8(readable), jezPolski);
        };
        write("polfr2.sg", "main",
              "kot_#1 chat *1\nzamek_#777 château *1\nzamka_#34 fermoir *2\n"
              "Niemiec_#01 Allemand *1\nNiemcy_#47 Allemagne *2\n");
        write("pol2.so", "forms",
              "kot\\{{001}}kot\nzamek\\{{017}}zamek\nzamek\\{{055}}zamka\n"
              "Niemcy\\{{008}}Niemiec\nNiemcy\\{{008}}Niemcy\n");
        write("polfr2.su", "user", "kot_#1 +61 matou *1\n");
        ApplyWorkingMode(program, ChooseWorkingMode("/transpl"));
        set.LoadDictionaries(program, false, ProductFile(tabele::UserDictionary, program.WorkingMode), true);
    }

    // The readings of the word, as "lemma:score" in their order; subjects are the
    // subject domains of the selected text profiles.
    std::string Readings(const char* word, std::initializer_list<int> subjects = {})
    {
        TKontekstWypowiedzi context = test::PolishContext(worker);
        for (const int subject : subjects)
            context.Analysis.Subjects.set(static_cast<std::size_t>(subject));
        TWypowiedzeniaPl list(context);
        list.Segment(FromUtf8(word), false);
        const TZnaczenia& readings = list.Item(0)->Words().Word(0).Readings;
        std::string shown;
        for (int r = 0; r < readings.Count(); ++r)
            shown += (r > 0 ? " " : "") + ToUtf8(readings.Item(r)->Lemma, jezPolski) + ":" +
                     std::to_string(readings.Item(r)->Score) +
                     (readings.Item(r)->DictKind == kRodzajUzytkownika ? "u" : "");
        return shown;
    }

    test::TempFolder folder;
    TWartosciProgramu program;
    TSlowniki set{TFolderyDanych(folder.Path(), folder.Path())};
    TSlownikiRobocze worker{set, jezPolski};
};

TEST_F(PolishReadings, AUserReadingComesFirstUnlessItLiesOutsideTheSelectedSubjects)
{
    EXPECT_EQ(Readings("kot"), "kot:100u kot:50") << "no profile selected: nothing moves";
    EXPECT_EQ(Readings("kot", {61}), "kot:100u kot:50");
    EXPECT_EQ(Readings("kot", {62}), "kot:50 kot:100u");
}

TEST_F(PolishReadings, AnEntryCoded777ScoresNothingAndGoesBehind)
{
    EXPECT_EQ(Readings("zamek"), "zamka:50 zamek:0");
}

TEST_F(PolishReadings, ANounUsedOnlyInThePluralComesBeforeAnotherPluralOfTheSameScore)
{
    EXPECT_EQ(Readings("Niemcy"), "Niemcy:50 Niemiec:50");
}

// The dictionaries of the bundled data, asking for a stop when the analysis looks up
// one text.
class TSlownikiZatrzymujace : public TSlownikiWypowiedzi {
public:
    TSlownikiZatrzymujace(std::string trigger, std::atomic<bool>& stop)
        : worker_(test::BundledData::Polish().Dictionaries(), jezPolski), trigger_(std::move(trigger)), stop_(stop)
    {
    }

    TProbaWyrazenia ProbeExpression(TSlownikWyrazen dictionary, std::string_view candidate, bool capitalised) override
    {
        return worker_.ProbeExpression(dictionary, candidate, capitalised);
    }
    bool AcceptsExpression(TSlownikWyrazen dictionary, std::string_view expression, bool capitalised) override
    {
        return worker_.AcceptsExpression(dictionary, expression, capitalised);
    }
    bool IsUntranslatable(std::string_view token) override { return worker_.IsUntranslatable(token); }
    TProbaArchiwum ProbeArchive(std::string_view prefix, bool continuing) override
    {
        return worker_.ProbeArchive(prefix, continuing);
    }
    std::optional<std::string> FindSimilarSentence(std::string_view text, int level) override
    {
        return worker_.FindSimilarSentence(text, level);
    }
    TOdczytyTekstu Readings(std::string_view text, bool secondAttempt, const TZwijanieLiter& folding) override
    {
        if (text == trigger_)
            stop_ = true;
        return worker_.Readings(text, secondAttempt, folding);
    }

private:
    TSlownikiRobocze worker_;
    std::string trigger_;
    std::atomic<bool>& stop_;
};

// "cukrowy" is recovered through "cukru"; a stop asked for then ends the analysis
// before the degrees recover "najnowszego" and before any word takes a translation.
TEST(PolishAnalysis, AStopRequestBetweenTwoStagesEndsItWithNothingWritten)
{
    for (const bool stopping : {false, true}) {
        std::atomic<bool> stop = false;
        TSlownikiZatrzymujace dictionaries(stopping ? "cukru" : "", stop);
        test::TTekstPl text("cukrowy najnowszego", true, &dictionaries, &stop);
        const TCustomWypSlowa& words = text.Words();
        EXPECT_EQ(words.Word(0).HasMarker(znPrzymiotnikRelacyjny), true);
        EXPECT_EQ(words.Word(1).Readings.Count() == 0, stopping);
        EXPECT_EQ(words.Word(0).Translations.Count() == 0, stopping);
    }
}

// "nie" becomes "nie1" in the function-word stage; a stop asked for then ends the
// analysis before the dropped subject "ja0" is inserted.
TEST(PolishAnalysis, AStopRequestBetweenTheSentenceStagesEndsThem)
{
    for (const bool stopping : {false, true}) {
        std::atomic<bool> stop = false;
        TSlownikiZatrzymujace dictionaries(stopping ? "nie1" : "", stop);
        test::TTekstPl text("Nie mam czasu.", true, &dictionaries, &stop);
        const TCustomWypSlowa& words = text.Words();
        EXPECT_EQ(words.Word(0).Text, stopping ? "nie1" : "ja0");
        EXPECT_EQ(words.Count(), stopping ? 3 : 4);
    }
}

} // namespace
} // namespace velmar
