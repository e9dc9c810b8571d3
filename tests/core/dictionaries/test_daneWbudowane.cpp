// The bundled data set under data/: every file builds, stays in order, every
// inflected form points at a headword of the main dictionary of its language, and the
// pronunciations of the French headwords show in phonetic symbols.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "SlownikTestowy.h"
#include "core/app/untStale.h"
#include "core/browser/untWidokHasla.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

std::string ReadSource(const std::string& name)
{
    const auto file = std::filesystem::path(VELMAR_FIXTURES_DIR).parent_path().parent_path() / "data" / name;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(BundledData, MainListsAndTheirFormsAgree)
{
    for (const auto& [main, forms, language] : {std::tuple{"frpol2.sg.txt", "franc2.so.txt", jezFrancuski},
                                                std::tuple{"polfr2.sg.txt", "pol2.so.txt", jezPolski}}) {
        SCOPED_TRACE(main);
        test::SlownikTestowy headwords("main", language, ReadSource(main));
        test::SlownikTestowy inflected("forms", language, ReadSource(forms));
        EXPECT_GE(headwords.Dictionary->Count(), 100);

        std::set<std::string> keys;
        for (int i = 0; i < headwords.Dictionary->Count(); ++i) {
            const auto& entry = headwords.Main().GetEntry(i);
            ASSERT_GE(entry.SubRecords.Count(), 1) << entry.Headword;
            EXPECT_FALSE(entry.SubRecords.Item(0)->Code.empty()) << entry.Headword;
            EXPECT_GE(entry.SubRecords.Item(0)->Meanings.Count(), 1) << entry.Headword;
            EXPECT_TRUE(keys.insert(entry.Headword).second) << "twice: " << entry.Headword;
        }
        std::set<std::string> bases;
        for (int i = 0; i < inflected.Dictionary->Count(); ++i) {
            const std::string line = inflected.Dictionary->DecodedLine(i);
            const std::size_t separator = line.find('\\');
            ASSERT_NE(separator, std::string::npos) << line;
            ASSERT_GT(line.size(), separator + 2) << line;
            bases.insert(line.substr(separator + 2));
        }
        for (const auto& base : bases)
            EXPECT_TRUE(keys.contains(base)) << "no headword for " << ToUtf8(base, language);
        EXPECT_EQ(bases.size(), keys.size()); // every headword has its forms
    }
}

TEST(BundledData, TheMaterialNounsAreACategory)
{
    test::SlownikTestowy categories("category", jezFrancuski, ReadSource("franc2.skt.txt"));
    auto& list = static_cast<TTransSlownikKategorii&>(*categories.Dictionary);
    EXPECT_TRUE(list.InCategory("bois", "material$"));
    EXPECT_TRUE(list.InCategory("verre", "material$"));
    EXPECT_FALSE(list.InCategory("maison", "material$"));
}

// The generators, given a headword with the code of its entry, produce forms that the
// forms file lists for that headword: the codes and the forms tell the same story.
class GeneratedForms {
public:
    GeneratedForms(const std::string& mainSource, const std::string& formsSource, std::uint8_t language)
        : language_(language), main_("main", language, ReadSource(mainSource))
    {
        test::SlownikTestowy forms("forms", language, ReadSource(formsSource));
        for (int i = 0; i < forms.Dictionary->Count(); ++i) {
            const std::string line = forms.Dictionary->DecodedLine(i);
            const std::size_t separator = line.find('\\');
            formsByBase_[line.substr(separator + 2)].insert(line.substr(0, separator));
        }
    }

    // Calls check(headword, code, expectListed) for every entry but the numbered
    // homographs (names the analysis gives words, not words to inflect);
    // expectListed(form) expects the form among the listed forms of the headword.
    template <typename F>
    void ForEachEntry(F&& check)
    {
        for (int i = 0; i < main_.Dictionary->Count(); ++i) {
            const auto& entry = main_.Main().GetEntry(i);
            if (IsDigitChar(static_cast<unsigned char>(entry.Headword.back())))
                continue;
            const auto& listed = formsByBase_.at(entry.Headword);
            const auto expectListed = [&](const std::string& form) {
                // a cell the word does not have ("il faut" has no first person)
                if (form.empty())
                    return;
                EXPECT_TRUE(listed.contains(form))
                    << ToUtf8(entry.Headword, language_) << " → " << ToUtf8(form, language_);
            };
            check(entry.Headword, entry.SubRecords.Item(0)->Code, expectListed);
        }
    }

private:
    std::uint8_t language_;
    test::SlownikTestowy main_;
    std::map<std::string, std::set<std::string>> formsByBase_;
};

TEST(BundledData, PolishCodesGenerateTheListedForms)
{
    GeneratedForms("polfr2.sg.txt", "pol2.so.txt", jezPolski)
        .ForEachEntry([](const std::string& headword, const std::string& code, const auto& expectListed) {
            const std::string word = headword + " *" + code;
            if (code.front() >= '0' && code.front() <= '4') {
                for (int number = 1; number <= 2; ++number)
                    for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase)
                        expectListed(GenFormPl(word, {.Case = grammaticalCase, .Number = number}));
            } else if (code == "7") {
                for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase)
                    for (const int gender : {1, 3, 4}) // masculine inanimate, feminine, neuter
                        expectListed(GenFormPl(word, {.Case = grammaticalCase, .Gender = gender}));
            } else if (code.front() == '*' || code.front() == '/') {
                for (int person = 1; person <= 6; ++person)
                    expectListed(GenFormPl(word, {.Person = person, .FormCode = fpTeraz}));
            }
        });
}

TEST(BundledData, FrenchCodesGenerateTheListedForms)
{
    GeneratedForms("frpol2.sg.txt", "franc2.so.txt", jezFrancuski)
        .ForEachEntry([](const std::string& headword, const std::string& code, const auto& expectListed) {
            const std::string word = headword + "*" + code;
            if (code == "4" && !headword.starts_with("s'")) { // the generator does not elide "se" yet
                for (int person = 1; person <= 6; ++person)
                    expectListed(GenFormFr(word, {.FormCode = 1, .Person = person}));
            } else if (code.front() == '1' || code.front() == '2') {
                for (int number = 1; number <= 2; ++number)
                    expectListed(GenFormFr(word, {.Number = number}));
            }
        });
}

// The pronunciation line of an entry: the piece in the style of the setting.
std::string PronunciationShown(const TTransSlownikSlowo& entry, int setting, TStylHasla style)
{
    const TKontekstHasla context{.SourceLanguage = jezFrancuski,
                                 .TargetLanguage = jezPolski,
                                 .InterfaceLanguage = jezPolski,
                                 .DictionaryMode = true,
                                 .Pronunciation = setting};
    for (const auto& piece : RenderEntry(context, entry, {}, false, false, {}, 0))
        if (piece.Style == style)
            return WideToUtf8(PieceText(piece));
    return {};
}

// Whether the text holds only what the phonetic view may show: no letter of the
// stored Polish-letter notation ("ą", "ł", "@", a "~" …) is left unconverted.
bool OnlyPhoneticSymbols(const std::string& utf8)
{
    static const TWide symbols = Utf8ToWide("[] abdefgijklmnoprstuvyzwəɑɛœøɔʃʒɥɲː\u0303");
    const TWide shown = Utf8ToWide(utf8);
    return std::ranges::all_of(shown, [](char16_t c) { return symbols.find(c) != TWide::npos; });
}

TEST(BundledData, FrenchHeadwordsWithAPronunciationAreFoundAndShowIt)
{
    test::SlownikTestowy french("main", jezFrancuski, ReadSource("frpol2.sg.txt"));
    int withPronunciation = 0, contentWords = 0;
    for (int i = 0; i < french.Dictionary->Count(); ++i) {
        const auto& entry = french.Main().GetEntry(i);
        // The function words, homographs and expressions of the core take FreeDict's
        // pronunciation in the full data set; the content words carry their own.
        contentWords += InCommaList(entry.SubRecords.Item(0)->Code, "1,2,4,7,8") ? 1 : 0;
        if (entry.HeadTail.empty())
            continue;
        ++withPronunciation;
        const std::string headword = entry.Headword;
        const std::string phonetic = PronunciationShown(entry, 0, shFonetyka);
        EXPECT_TRUE(phonetic.size() > 2 && OnlyPhoneticSymbols(phonetic)) << headword << " " << phonetic;
        const std::string letters = ToUtf8(entry.HeadTail, jezPolski);
        EXPECT_EQ(PronunciationShown(entry, 1, shWymowaPolska), "[" + letters.substr(1, letters.size() - 2) + "]")
            << headword;

        int found = -1;
        EXPECT_TRUE(french.Dictionary->FindExact(headword, found)) << headword;
        EXPECT_EQ(found, i) << headword;
    }
    EXPECT_GE(withPronunciation, contentWords / 2);
}

TEST(BundledData, PronunciationsOfKnownWords)
{
    test::SlownikTestowy french("main", jezFrancuski, ReadSource("frpol2.sg.txt"));
    for (const auto& [headword, shown] :
         {std::pair{"maison", "[mezɔ̃]"}, std::pair{"chat", "[ʃa]"}, std::pair{"cuisine", "[kɥizin]"},
          std::pair{"mer", "[mɛːr]"}, std::pair{"enfant", "[ɑ̃fɑ̃]"}, std::pair{"jeune", "[ʒœn]"},
          std::pair{"vieux", "[vjø]"}, std::pair{"travail", "[travaj]"}, std::pair{"rue", "[ry]"}}) {
        int index = -1;
        ASSERT_TRUE(french.Dictionary->FindExact(FromUtf8(headword), index)) << headword;
        EXPECT_EQ(PronunciationShown(french.Main().GetEntry(index), 0, shFonetyka), shown) << headword;
    }
}

} // namespace
} // namespace velmar
