// The RTF writer: its tables stay linear in the document, its default font has a
// name, and what cannot be written as it stands is written as a character that can.
#include <gtest/gtest.h>

#include <chrono>

#include "core/app/untUtils.h"
#include "core/document/untRtfCzytnik.h"
#include "core/document/untRtfPisarz.h"

namespace velmar {
namespace {

TEST(RtfWriter, ManyFontsAndColoursAreWrittenInLinearTime)
{
    // Looking each run's font and colour up in a list took 16.8 s for 100,000 fonts.
    constexpr int kRuns = 100'000;
    TAkapit paragraph;
    for (int i = 0; i < kRuns; ++i) {
        TAtrybutyTekstu attributes;
        attributes.Czcionka = "Font " + std::to_string(i);
        attributes.Kolor = i;
        paragraph.Fragmenty.push_back({u"x", attributes});
    }
    TTekstFormatowany document;
    document.Akapity.push_back(std::move(paragraph));

    const auto start = std::chrono::steady_clock::now();
    const std::string rtf = WriteRtf(document);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);
    EXPECT_NE(rtf.find("{\\f100000\\fnil\\fcharset0 Font 99999;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf100000 x}"), std::string::npos);
}

TEST(RtfWriter, TheDefaultFontHasAName)
{
    TTekstFormatowany document;
    document.Akapity.push_back({{}, {{u"tekst", {}}}});
    EXPECT_NE(WriteRtf(document).find("{\\f0\\fnil\\fcharset0 Times New Roman;}"), std::string::npos);

    document.DomyslnaCzcionka = "Liberation Serif";
    const auto read = ReadRtf(WriteRtf(document));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->DomyslnaCzcionka, "Liberation Serif");
    EXPECT_EQ(read->Akapity[0].Fragmenty[0].Atrybuty.Czcionka, "");
}

TEST(RtfWriter, UnpairedSurrogatesAndSoftHyphens)
{
    TTekstFormatowany document;
    document.Akapity.push_back({{}, {{std::u16string(u"a") + char16_t(0xD800) + u"b\u00ADc" + char16_t(0xDC00), {}}}});
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("a\\u-3?b\\-c\\u-3?"), std::string::npos) << rtf;
    EXPECT_EQ(WideToUtf8(ReadRtf(rtf)->Tekst()), "a\uFFFDb\u00ADc\uFFFD");
}

} // namespace
} // namespace velmar
