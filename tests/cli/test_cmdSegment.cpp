// velmar-cli segment over a small data folder.
#include <gtest/gtest.h>

#include "core/dictionaries/untZrodlaDanych.h"
#include "core/engine/DaneFrancuskie.h"
#include "support/CliRun.h"

namespace velmar {
namespace {

TEST(CliSegment, ShowsUtterancesWordsTheirTextsAndReadings)
{
    test::TempFolder folder;
    test::WriteFrenchData(folder);
    const auto result = test::RunCliCaptured({"segment", "--lang", "fr", "--data", folder.Path().string()},
                                             "Les chats (grands) dorment. Ils\test là.\r\n\xC3\xAAtre souris\n");
    EXPECT_EQ(result.Status, 0) << result.Err;
    const std::string expected = "paragraph 1 \"Les chats (grands) dorment. Ils\\test là.\"\n"
                                 "  utterance 1: 0..27 \"Les chats (grands) dorment.\"\n"
                                 "    lead \"\"\n"
                                 "    word 1 \"Les\" before \"\" after \"\" start 0 length 3 sentence-start\n"
                                 "    word 2 \"chats\" before \" \" after \" \" start 4 length 5\n"
                                 "      reading \"chat\" code 3 class rzecz. score 50\n"
                                 "      bracketed:\n"
                                 "        utterance 1: 10..18 \"(grands)\"\n"
                                 "          lead \"(\"\n"
                                 "          word 1 \"grands\" before \"\" after \")\" start 11 length 6\n"
                                 "            reading \"grand\" code 53 class przym. score 50\n"
                                 "          tail \"\"\n"
                                 "    word 3 \"dorment\" before \" \" after \"\" start 19 length 7\n"
                                 "    tail \".\"\n"
                                 "  utterance 2: 27..39 \" Ils\\test là.\"\n"
                                 "    lead \" \"\n"
                                 "    word 1 \"Ils\" before \"\" after \"\" start 28 length 3 sentence-start\n"
                                 "    word 2 \"est\" before \"\\t\" after \"\" start 32 length 3\n"
                                 "      reading \"être\" code 90 class czas. score 50\n"
                                 "    word 3 \"là\" before \" \" after \"\" start 36 length 2\n"
                                 "    tail \".\"\n"
                                 "paragraph 2 \"être souris\"\n"
                                 "  utterance 1: 0..11 \"être souris\"\n"
                                 "    lead \"\"\n"
                                 "    word 1 \"être\" before \"\" after \"\" start 0 length 4\n"
                                 "      reading \"être\" code -1 class czas. score 50\n"
                                 "    word 2 \"souris\" before \" \" after \"\" start 5 length 6\n"
                                 "      reading \"souris\" code -1 class rzecz. score 100\n"
                                 "    tail \"\"\n";
    EXPECT_EQ(result.Out, expected);
}

TEST(CliSegment, FindsTheBundledDataWords)
{
    test::TempFolder folder;
    const std::filesystem::path data = std::filesystem::path(VELMAR_FIXTURES_DIR) / ".." / ".." / "data";
    for (const auto& [file, kind] : {std::pair{"frpol2.sg", "main"}, std::pair{"franc2.so", "forms"}})
        BuildDictionaryFile(data / (std::string(file) + ".txt"), *MakeDictionaryOfKind(kind, jezFrancuski),
                            folder / file);
    const auto result = test::RunCliCaptured({"segment", "--lang", "fr", "--data", folder.Path().string()},
                                             "Le chat mange dans la cuisine. Il aime les chiens.\n");
    EXPECT_EQ(result.Status, 0) << result.Err;
    for (const char* line :
         {"  utterance 1: 0..30 \"Le chat mange dans la cuisine.\"\n",
          "    word 2 \"chat\" before \" \" after \"\" start 3 length 4\n"
          "      reading \"chat\" code 1 class rzecz. score 50\n",
          "      reading \"manger\" code 90 class czas. score 50\n", "  utterance 2: 30..50 \" Il aime les chiens.\"\n",
          "      reading \"chien\" code 3 class rzecz. score 50\n"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\nin\n" << result.Out;
}

TEST(CliSegment, RefusesAMissingLanguageOrDataFolder)
{
    EXPECT_EQ(test::RunCliCaptured({"segment"}, "x").Status, 2);
    EXPECT_EQ(test::RunCliCaptured({"segment", "--lang", "de"}, "x").Status, 2);
    const auto missing = test::RunCliCaptured({"segment", "--lang", "fr", "--data", "/nonexistent/velmar"}, "x");
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("/nonexistent/velmar"), std::string::npos);
}

} // namespace
} // namespace velmar
