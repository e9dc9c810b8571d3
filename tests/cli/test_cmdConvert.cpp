// velmar-cli convert, run in-process.
#include <gtest/gtest.h>

#include "cli/untCli.h"
#include "core/app/untUtils.h"
#include "core/document/untRtfCzytnik.h"
#include "platform/untLibreOffice.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace velmar::cli {
namespace {

test::CliResult Convert(std::vector<std::string> words)
{
    words.insert(words.begin(), "convert");
    return test::RunCliCaptured(words);
}

std::string Fixture(const char* name)
{
    return (std::filesystem::path(VELMAR_FIXTURES_DIR) / "documents" / name).string();
}

TEST(CliConvert, RtfToCodePageTextAndBack)
{
    test::TempFolder folder;
    const auto text = (folder / "out.txt").string();
    ASSERT_EQ(Convert({Fixture("hand-1250.rtf"), text, "--lang", "pl"}).Status, kSukces);
    const std::string bytes = test::TempFolder::Read(text);
    EXPECT_TRUE(bytes.starts_with("Nag\xb3\xf3wek\r\nZwyk\xb3y pogrubiony")) << bytes.substr(0, 40);

    const auto rtf = (folder / "back.rtf").string();
    ASSERT_EQ(Convert({text, rtf, "--lang", "pl", "--codepage"}).Status, kSukces);
    const auto document = ReadRtf(test::TempFolder::Read(rtf));
    ASSERT_TRUE(document);
    EXPECT_EQ(WideToUtf8(document->Akapity[0].Tekst()), "Nagłówek");
}

TEST(CliConvert, UnicodeTextHasAByteOrderMark)
{
    test::TempFolder folder;
    const auto input = folder.Write("in.txt", "gęś");
    const auto output = (folder / "out.txt").string();
    ASSERT_EQ(Convert({input.string(), output, "--unicode"}).Status, kSukces);
    EXPECT_EQ(test::TempFolder::Read(output), std::string("\xFF\xFEg\0\x19\x01\x5B\x01", 8));
}

TEST(CliConvert, FailuresAndMisuseHaveTheirExitCodes)
{
    test::TempFolder folder;
    const auto missing = Convert({(folder / "none.rtf").string(), (folder / "x.txt").string()});
    EXPECT_EQ(missing.Status, kBlad);
    EXPECT_NE(missing.Err.find("cannot read"), std::string::npos) << missing.Err;
    EXPECT_EQ(Convert({"only-one"}).Status, kZleUzycie);
    EXPECT_EQ(Convert({"a", "b", "--lang", "de"}).Status, kZleUzycie);
}

TEST(CliConvert, WhatTheTextCannotHoldIsNamedOnStandardError)
{
    test::TempFolder folder;
    const auto output = (folder / "out.rtf").string();
    const auto result = Convert({Fixture("word97.rtf"), output});
    EXPECT_EQ(result.Status, kSukces);
    EXPECT_NE(result.Err.find("footnotes moved to the end of the document, numbered; headers and footers left out"),
              std::string::npos)
        << result.Err;
    const auto document = ReadRtf(test::TempFolder::Read(output));
    ASSERT_TRUE(document);
    EXPECT_EQ(WideToUtf8(document->Akapity.back().Tekst()), "1 W sali 12.");

    const auto plain = Convert({Fixture("wordpad.rtf"), (folder / "plain.txt").string()});
    EXPECT_EQ(plain.Status, kSukces);
    EXPECT_EQ(plain.Err, "");
}

TEST(CliConvert, TextGoesOutInTheCodePageOfLang)
{
    test::TempFolder folder;
    const auto input = folder.Write("in.txt", "cœur ą");
    const auto output = (folder / "out.txt").string();
    ASSERT_EQ(Convert({input.string(), output, "--lang", "fr"}).Status, kSukces);
    EXPECT_EQ(test::TempFolder::Read(output), "c\x9cur ?");
    ASSERT_EQ(Convert({input.string(), output, "--lang", "pl"}).Status, kSukces);
    EXPECT_EQ(test::TempFolder::Read(output), "c?ur \xb9");
}

TEST(CliConvert, AnExtensionNoFormatWritesIsAnError)
{
    test::TempFolder folder;
    const auto output = (folder / "out.pdf").string();
    const auto result = Convert({Fixture("wordpad.rtf"), output});
    EXPECT_EQ(result.Status, kBlad);
    EXPECT_NE(result.Err.find("no format is written for this extension"), std::string::npos) << result.Err;
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(CliConvertSlow, WordDocumentToRtfAndTextThroughLibreOffice)
{
    if (!TLibreOffice::Available())
        GTEST_SKIP() << "soffice is not on the PATH (scripts/install-deps.sh installs "
                        "libreoffice-writer-nogui)";
    test::TempFolder folder;
    const auto rtf = (folder / "out.rtf").string();
    const auto text = (folder / "out.txt").string();
    ASSERT_EQ(Convert({Fixture("libreoffice.docx"), rtf}).Status, kSukces);
    ASSERT_EQ(Convert({Fixture("libreoffice.docx"), text, "--lang", "pl"}).Status, kSukces);

    const auto document = ReadRtf(test::TempFolder::Read(rtf));
    ASSERT_TRUE(document);
    const auto& first = document->Akapity.at(0);
    EXPECT_EQ(WideToUtf8(first.Tekst()), "Zwykły tekst z pogrubionym słowem.");
    ASSERT_EQ(first.Fragmenty.size(), 3u);
    EXPECT_TRUE(first.Fragmenty[1].Atrybuty.Pogrubienie);
    EXPECT_TRUE(test::TempFolder::Read(text).starts_with("Zwyk\xb3y tekst z pogrubionym s\xb3owem.\r\n"));
}

} // namespace
} // namespace velmar::cli
