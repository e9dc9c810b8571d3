#include "core/app/untTransTeksty.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/app/untStale.h"

namespace velmar {
namespace {

std::string Utf8(std::uint8_t language, int id)
{
    return WideToUtf8(InterfaceTextWide(language, id, true));
}

TEST(InterfaceText, LooksUpCellsAndGivesEmptyTextOutsideTheTable)
{
    EXPECT_EQ(InterfaceText(jezPolski, 2051), "");
    EXPECT_EQ(InterfaceText(jezFrancuski, 0), "");
    EXPECT_EQ(InterfaceText(jezFrancuski, -5), "");
    EXPECT_EQ(InterfaceText(kLanguageCount, 21), "");
    EXPECT_EQ(InterfaceText(jezAngielski, 21), "");
    EXPECT_EQ(InterfaceText(jezPolski, 21), "&Tak");
    EXPECT_EQ(InterfaceText(jezFrancuski, 21), "&Oui");
}

TEST(InterfaceText, KeepsQuotedTextsVerbatimWithLineBreaksAndSpaces)
{
    EXPECT_EQ(Utf8(jezPolski, 101), "Uwaga");
    EXPECT_EQ(Utf8(jezPolski, 127),
              "Aby zmienić kierunek tłumaczenia, trzeba przerwać tłumaczenie.\nCzy chcesz przerwać tłumaczenie ?");
    EXPECT_EQ(Utf8(jezPolski, 116), " Tekst, który nie został dodany z powodu błędów, znajduje się w oknie.");
    EXPECT_EQ(Utf8(jezPolski, 708), " Szybkość i jakość tłumaczenia  ");
    EXPECT_EQ(Utf8(jezPolski, 1796), "żeglarstwo");
    EXPECT_EQ(Utf8(jezFrancuski, 2022), "Verbes français");
}

TEST(InterfaceText, ReadsPolishWordsInsideForeignCaptionsAsPolish)
{
    // Byte 0xEA is "ę" in Polish and "ê" in French: the caption keeps the Polish word.
    const std::string french = Utf8(jezFrancuski, 769);
    EXPECT_NE(french.find("proszę"), std::string::npos) << french;
    EXPECT_EQ(Utf8(jezFrancuski, 776), "państwo");
    EXPECT_EQ(Utf8(jezPolski, 776), "państwo");
}

TEST(InterfaceText, AccentCaptionAlwaysEndsWithTheFrenchLetter)
{
    // In the Polish column byte 224 reads as "ŕ".
    const TWide strict = InterfaceTextWide(jezPolski, 779, true);
    EXPECT_EQ(WideToUtf8(strict), "Włącz automatyczne rozróżnianie a i à");
    EXPECT_EQ(InterfaceTextWide(jezPolski, 779, false).back(), u'á');
    EXPECT_EQ(InterfaceTextWide(jezFrancuski, 779, true).back(), u'à');
}

TEST(InterfaceTextTable, CompiledTableIsWellFormedAndBilingual)
{
    const TTabelaTekstow table = ParseInterfaceTextTable(InterfaceTextSource());
    for (const auto& problem : table.Bledy)
        ADD_FAILURE() << "line " << problem.Line << ": " << problem.Message;
    int rows = 0;
    for (std::size_t id = 1; id < table.Wiersze.size(); ++id) {
        const auto& row = table.Wiersze[id];
        if (row.empty())
            continue;
        ++rows;
        EXPECT_EQ(row[jezPolski].empty(), row[jezFrancuski].empty()) << "id " << id;
    }
    EXPECT_GT(rows, 400);
    for (int id : TGotoweTeksty::Ids())
        EXPECT_FALSE(InterfaceText(jezPolski, id).empty()) << "ready-made text " << id << " is missing";
}

TEST(InterfaceTextTable, ReportsMalformedRowsAndKeepsTheRest)
{
    struct TPrzypadek {
        const char* Source;
        int BadLine;
    };
    const TPrzypadek cases[] = {
        {"id\tpl\tfr\nx\ta\tb\n", 2},    {"id\tpl\tfr\n2051\ta\tb\n", 2}, {"id\tpl\tfr\n5\ta\tb\n5\tc\td\n", 3},
        {"id\tpl\tfr\n5\ta\\q\tb\n", 2}, {"id\tpl\tfr\n5\ta\tb\tc\n", 2}, {"id\tpl\txx\n5\ta\tb\n", 1},
    };
    for (const auto& c : cases) {
        const auto table = ParseInterfaceTextTable(c.Source);
        ASSERT_EQ(table.Bledy.size(), 1u) << c.Source;
        EXPECT_EQ(table.Bledy[0].Line, c.BadLine) << c.Source;
    }
    const auto table = ParseInterfaceTextTable("# note\nid\tfr\tpl\n7\tun\\tdeux\\\\\tjeden\\n\n");
    EXPECT_TRUE(table.Bledy.empty());
    EXPECT_EQ(table.Wiersze[7][jezFrancuski], "un\tdeux\\");
    EXPECT_EQ(table.Wiersze[7][jezPolski], "jeden\n");
}

TEST(Fonts, StyleLettersAnywhereSetTheirStyle)
{
    struct TPrzypadek {
        const char* Text;
        std::uint8_t Style;
    };
    const TPrzypadek cases[] = {
        {"", 0},
        {"BU", fsBold | fsUnderline},
        {"UB", fsBold | fsUnderline},
        {"xSx", fsStrikeOut},
        {"BIUS", fsBold | fsItalic | fsUnderline | fsStrikeOut},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontStyleFromString(c.Text), c.Style) << c.Text;
    EXPECT_EQ(FontStyleToString(fsUnderline | fsBold), "BU");
}

TEST(Fonts, CharsetFollowsTheLanguageAndSimilarLetters)
{
    EXPECT_EQ(FontCharset(jezPolski, false), zzWschodnioeuropejski);
    EXPECT_EQ(FontCharset(jezFrancuski, false), zzZachodni);
    EXPECT_EQ(FontCharset(jezRosyjski, false), zzCyrylica);
    EXPECT_EQ(FontCharset(jezFrancuski, true), zzWschodnioeuropejski);
    EXPECT_EQ(FontCharset(jezRosyjski, true), zzWschodnioeuropejski);
}

TEST(Fonts, ApplyFontCopiesOnlyTheMaskedParts)
{
    const TCzcionka source{"Liberation Sans", 14, zzCyrylica, fsItalic, 0x0000FF};
    const TCzcionka start{"Arial", 8, zzWschodnioeuropejski, fsBold, 0x123456};

    TCzcionka window = start;
    ApplyFont(window, source, jezFrancuski, fpOkno);
    EXPECT_EQ(window, (TCzcionka{"Liberation Sans", 14, zzZachodni, fsBold, 0x123456}));

    TCzcionka label = start;
    ApplyFont(label, source, jezFrancuski, fpEtykieta, true);
    EXPECT_EQ(label, (TCzcionka{"Liberation Sans", 8, zzWschodnioeuropejski, fsBold, 0x123456}));

    TCzcionka marking = start;
    ApplyFont(marking, source, jezPolski, fpStyl | fpKolor);
    EXPECT_EQ(marking, (TCzcionka{"Arial", 8, zzWschodnioeuropejski, fsItalic, 0x0000FF}));
}

TEST(ReadyMadeTexts, FollowTheInterfaceLanguage)
{
    TGotoweTeksty texts;
    texts.Fill(jezFrancuski);
    EXPECT_EQ(WideToUtf8(texts.Wide(tekst::Tak)), "&Oui");
    EXPECT_EQ(WideToUtf8(texts.LanguageName(jezPolski)), "polonais");
    EXPECT_EQ(texts.Text(9999), "");
    texts.Fill(jezPolski);
    EXPECT_EQ(WideToUtf8(texts.LanguageLocative(jezFrancuski)), "francuskim");
    EXPECT_EQ(WideToUtf8(texts.Wide(tekst::Uwaga)), "Uwaga");
    EXPECT_EQ(ToUtf8(texts.ProfileName(3), jezPolski), "biologia");
    EXPECT_EQ(texts.ProfileName(52), "");
}

TEST(ReadyMadeTextsConcurrent, ReaderSeesOneWholeLanguage)
{
    TGotoweTeksty texts;
    texts.Fill(jezPolski);
    std::atomic<bool> done = false;
    std::thread reader([&] {
        while (!done) {
            const std::string yes = WideToUtf8(texts.Wide(tekst::Tak));
            ASSERT_TRUE(yes == "&Tak" || yes == "&Oui") << yes;
        }
    });
    for (int i = 0; i < 200; ++i)
        texts.Fill(i % 2 ? jezPolski : jezFrancuski);
    done = true;
    reader.join();
}

} // namespace
} // namespace velmar
