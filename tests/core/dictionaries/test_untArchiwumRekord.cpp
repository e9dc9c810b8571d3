#include <gtest/gtest.h>

#include "core/app/untUtils.h"
#include "core/dictionaries/untArchiwumRekord.h"
#include "support/TestNames.h"

using namespace velmar;

namespace {

std::string B(const char* utf8)
{
    return FromUtf8(utf8);
}

} // namespace

TEST(ArchiveViews, EachKindIsIgnoredFromItsLevelOn)
{
    TTransSlownikZdanZdanie source;
    source.SetRaw("<info tekst=\"3\" typ=\"%number%\"> <info tekst=le typ=%article%> "
                  "<info tekst=\"deux\" typ=\"%numeral%\"> <info tekst=x typ=%other%>",
                  false);
    EXPECT_EQ(source.Plain, "3 le deux x");
    EXPECT_EQ(source.View90, "%number% le deux x");
    EXPECT_EQ(source.View80, "%number% le %numeral% x");
    EXPECT_EQ(source.View70, "%number% %article% %numeral% x");
    EXPECT_EQ(&source.ViewAt(100), &source.Plain);
    EXPECT_EQ(&source.ViewAt(90), &source.View90);
    EXPECT_EQ(&source.ViewAt(71), &source.View80);
    EXPECT_EQ(&source.ViewAt(50), &source.View70);

    TTransSlownikZdanTlumaczenie translation;
    translation.SetRaw("Mam <info tekst=\"3\" typ=\"%number%\"> koty i <info tekst=Ewa typ=%propname%>", true);
    EXPECT_EQ(translation.View90, "Mam %1% koty i %2%");
    EXPECT_EQ(translation.Plain, "Mam 3 koty i Ewa");
}

TEST(ArchiveViews, UnclosedElementStaysText)
{
    TTransSlownikZdanZdanie source;
    source.SetRaw("a <info tekst=3", false);
    EXPECT_EQ(source.Plain, "a <info tekst=3");
    EXPECT_EQ(source.View70, "a <info tekst=3");
}

TEST(ArchiveRecords, ParseAndSerialiseRoundTrip)
{
    TTransSlownikZdanZdanie record;
    record.ParseRecord(B("Bonjour \x14 Dzień dobry \x15  \x15 Cześć "));
    EXPECT_EQ(record.Plain, "Bonjour");
    ASSERT_EQ(record.Translations.Count(), 2); // the blank piece is no translation
    EXPECT_EQ(record.Translations.Item(0)->Plain, B("Dzień dobry"));
    EXPECT_EQ(record.Translations.Item(1)->Plain, B("Cześć"));
    EXPECT_EQ(record.Translations.Item(2), nullptr);
    EXPECT_EQ(record.SerialiseRecord(), B("Bonjour \x14 Dzień dobry \x15 Cześć"));

    TTransSlownikZdanZdanie again;
    again.ParseRecord(record.SerialiseRecord());
    EXPECT_EQ(again.SerialiseRecord(), record.SerialiseRecord());
}

TEST(ArchiveRecords, LineWithoutKeySeparatorIsCutAtItsFirstSpace)
{
    TTransSlownikZdanZdanie record;
    record.ParseRecord("Salut Hej");
    EXPECT_EQ(record.Plain, "Salut");
    ASSERT_EQ(record.Translations.Count(), 1);
    EXPECT_EQ(record.Translations.Item(0)->Plain, "Hej");
    record.ParseRecord(" Salut");
    EXPECT_EQ(record.Plain, "Salut");
    EXPECT_EQ(record.Translations.Count(), 0);
}

TEST(ArchiveRecords, TranslationEditsByPlainText)
{
    TTransSlownikZdanZdanie record;
    record.ParseRecord("a \x14 b");
    EXPECT_FALSE(record.AddTranslationText("b"));
    EXPECT_TRUE(record.AddTranslationText("c"));
    EXPECT_TRUE(record.ReplaceTranslationText("c", "d"));
    EXPECT_FALSE(record.ReplaceTranslationText("zzz", "d"));
    EXPECT_TRUE(record.DeleteTranslationText("b"));
    EXPECT_FALSE(record.DeleteTranslationText("b"));
    ASSERT_EQ(record.Translations.Count(), 1);
    EXPECT_EQ(record.Translations.Item(0)->Plain, "d");
}

struct AutoMarkCase {
    const char* Source;
    const char* Translation;
    const char* MarkedSource;
    const char* MarkedTranslation;
};

class AutoMarking : public testing::TestWithParam<AutoMarkCase> {};

std::string DescribeAutoMark(const AutoMarkCase& c)
{
    return c.Source;
}

TEST_P(AutoMarking, MarksSharedNumbersAndNames)
{
    const auto& c = GetParam();
    std::string source = B(c.Source);
    std::string translation = B(c.Translation);
    AutoMark(source, translation);
    EXPECT_EQ(source, B(c.MarkedSource));
    EXPECT_EQ(translation, B(c.MarkedTranslation));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoMarking,
    testing::Values(AutoMarkCase{"J'ai 3 chats", "Mam 3 koty", "J'ai <info tekst=\"3\" typ=\"%number%\"> chats",
                                 "Mam <info tekst=\"3\" typ=\"%number%\"> koty"},
                    // the first word is no proper name; a number missing from the translation stays
                    AutoMarkCase{"Pierre a 5 ans", "Piotr ma lat", "Pierre a 5 ans", "Piotr ma lat"},
                    AutoMarkCase{
                        "Je vois Ewa, 2 fois.", "Widzę Ewa 2 razy.",
                        "Je vois <info tekst=\"Ewa\" typ=\"%propname%\">, <info tekst=\"2\" typ=\"%number%\"> fois.",
                        "Widzę <info tekst=\"Ewa\" typ=\"%propname%\"> <info tekst=\"2\" typ=\"%number%\"> razy."},
                    // the search in the translation only moves forwards: "2" stands before "1" there
                    AutoMarkCase{"le 1 et 2", "2 i 1", "le <info tekst=\"1\" typ=\"%number%\"> et 2",
                                 "2 i <info tekst=\"1\" typ=\"%number%\">"},
                    // tokens with markup characters would break the element
                    AutoMarkCase{"dit \"Paris\" ok", "mówi \"Paris\" ok", "dit \"Paris\" ok", "mówi \"Paris\" ok"},
                    AutoMarkCase{"le 33 et 3", "33 i 3",
                                 "le <info tekst=\"33\" typ=\"%number%\"> et <info tekst=\"3\" typ=\"%number%\">",
                                 "<info tekst=\"33\" typ=\"%number%\"> i <info tekst=\"3\" typ=\"%number%\">"}),
    test::NamedBy(DescribeAutoMark));

TEST(ArchiveRecords, TextsThatWouldReadBackDifferentlyAreRefused)
{
    EXPECT_EQ(ArchiveTextProblem("Bonjour"), TProblemTekstuArchiwum::None);
    EXPECT_EQ(ArchiveTextProblem("   "), TProblemTekstuArchiwum::Empty);
    EXPECT_EQ(ArchiveTextProblem("a\x14"
                                 "b"),
              TProblemTekstuArchiwum::Separator);
    EXPECT_EQ(ArchiveTextProblem("a\x15"
                                 "b"),
              TProblemTekstuArchiwum::Separator);
    EXPECT_EQ(ArchiveTextProblem("a <info tekst=1>"), TProblemTekstuArchiwum::Markup);
    EXPECT_NE(std::string(DescribeArchiveTextProblem(TProblemTekstuArchiwum::Markup)), "");
}

TEST(ArchiveSimilarity, VariablePartsStandAsPlaceholdersAndComeBack)
{
    EXPECT_EQ(MarkVariableParts("Paul a 5 chats et voit Anne.", false).Text, "Paul a %number% chats et voit Anne.");
    const auto marked = MarkVariableParts("Paul a 5 chats et voit Anne.", true);
    EXPECT_EQ(marked.Text, "Paul a %number% chats et voit %propname%.");
    EXPECT_EQ(marked.Replaced, (std::vector<std::string>{"5", "Anne"}));
    EXPECT_EQ(FillPlaceholders("Ma %1% kotów i widzi %2%, %3%", marked.Replaced), "Ma 5 kotów i widzi Anne, %3%");
}
