// velmar-cli user: adding, removing and listing user translations, a glossary from a
// file, the checks that refuse what the line format cannot hold, and the current user
// dictionary of the settings, which velmar-cli translate uses too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlownikiUzytkownika.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "platform/untUstawieniaQt.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"
#include "support/TestNames.h"

namespace velmar {
namespace {

using test::RunCliCaptured;

class UserCommand : public ::testing::Test {
protected:
    test::CliResult User(const std::string& action, std::vector<std::string> words)
    {
        words.insert(words.begin(), {"user", action, "--dict", dict.string()});
        return RunCliCaptured(words);
    }

    test::TempFolder folder;
    std::filesystem::path dict = folder / "klient.suz";
};

TEST_F(UserCommand, AddListRemove)
{
    ASSERT_EQ(User("add", {"cheval", "koń", "rumak"}).Status, 0);
    ASSERT_EQ(User("add", {"--pos", "1", "abeille", "pszczoła"}).Status, 0);
    EXPECT_EQ(User("list", {}).Out, "abeille\t4\tpszczoła\ncheval\t\tkoń\ncheval\t\trumak\n");

    EXPECT_EQ(User("remove", {"cheval", "rumak"}).Status, 0);
    EXPECT_EQ(User("remove", {"cheval", "osioł"}).Status, 1);
    EXPECT_EQ(User("remove", {"zèbre"}).Status, 1);
    EXPECT_EQ(User("list", {}).Out, "abeille\t4\tpszczoła\ncheval\t\tkoń\n");

    EXPECT_EQ(User("remove", {"cheval", "koń"}).Status, 0);
    EXPECT_EQ(User("remove", {"abeille"}).Status, 0);
    EXPECT_FALSE(std::filesystem::exists(dict)) << "an emptied dictionary leaves no file";
}

struct TOdmowa {
    const char* Name;
    std::vector<std::string> Words;
    int Status;
    const char* Err;
};

class UserCommandRefuses : public UserCommand, public ::testing::WithParamInterface<TOdmowa> {};

TEST_P(UserCommandRefuses, AndWritesNothing)
{
    const auto& refusal = GetParam();
    folder.Write("bad.tsv", "chat\tkot\n\tbez hasła\n");
    folder.Write("good.tsv", "chat\tkot\n");
    std::vector<std::string> words = refusal.Words;
    for (std::string& word : words)
        if (word.ends_with(".tsv"))
            word = (folder / word).string();
    const auto result = User("add", words);
    EXPECT_EQ(result.Status, refusal.Status) << result.Err;
    EXPECT_NE(result.Err.find(refusal.Err), std::string::npos) << result.Err;
    EXPECT_FALSE(std::filesystem::exists(dict));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserCommandRefuses,
    ::testing::Values(TOdmowa{"NoTranslation", {"chat"}, 2, "expected at least"},
                      TOdmowa{"BlankTranslation", {"chat", " "}, 1, "a translation is empty"},
                      TOdmowa{"SeparatorInHeadword", {"chat_noir", "kot"}, 1, "cannot be stored"},
                      TOdmowa{"MeaningSeparatorInTranslation", {"chat", "kot; pies"}, 1, "cannot be stored"},
                      TOdmowa{"BadGlossaryLine", {"--file", "bad.tsv"}, 1, "bad.tsv:2: the headword is empty"},
                      TOdmowa{"MissingGlossary", {"--file", "none.tsv"}, 1, "cannot read"},
                      TOdmowa{"GlossaryAndWords", {"--file", "good.tsv", "chat"}, 2, "expected"},
                      TOdmowa{"PartOfSpeechOutOfRange", {"--pos", "9", "chat", "kot"}, 2, "--pos"}),
    test::NamedBy([](const TOdmowa& c) { return std::string(c.Name); }));

TEST_F(UserCommand, AGlossaryOfAThousandLinesGivesASortedDictionary)
{
    std::string glossary;
    for (int i = 999; i >= 0; --i)
        glossary += "mot" + std::to_string(i) + "\ttłumaczenie " + std::to_string(i) + "\n";
    const auto add = User("add", {"--file", folder.Write("glossary.tsv", glossary).string()});
    ASSERT_EQ(add.Status, 0) << add.Err;

    const auto list = User("list", {});
    std::vector<std::string> lines;
    std::istringstream in(list.Out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 1000U);
    EXPECT_EQ(lines.front(), "mot0\t\ttłumaczenie 0");
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return CompareKeys(a.substr(0, a.find('\t')), b.substr(0, b.find('\t')), jezFrancuski) < 0;
    }));
}

// The settings of the tests' own configuration folder, restored afterwards.
class ConfigurationFolder {
public:
    explicit ConfigurationFolder(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            old_ = old;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~ConfigurationFolder()
    {
        if (old_)
            setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

private:
    std::optional<std::string> old_;
};

TEST_F(UserCommand, WithoutDictTheCurrentDictionaryOfTheSettingsIsUsedAlsoByTranslate)
{
    const ConfigurationFolder configuration(folder.Path());
    {
        TMagazynUstawienQt store;
        TSlownikiUzytkownika registry;
        const std::string key = ProductFile(tabele::UserDictionaryListKey, trybTranslatorFrPl);
        registry.LoadRegistry(store, key, "frpol2.su", "");
        registry.Register(dict.string(), "klient", true);
        registry.CurrentIndex = 1;
        registry.SaveRegistry(store, key);
        ASSERT_TRUE(store.Flush());
    }
    const std::string data = folder.Path().string();
    BuildDictionaryFile(std::filesystem::path(VELMAR_FIXTURES_DIR).parent_path().parent_path() / "data" /
                            "frpol2.sg.txt",
                        *MakeDictionaryOfKind("main", jezFrancuski), folder / "frpol2.sg");

    ASSERT_EQ(RunCliCaptured({"user", "add", "--data", data, "--pos", "0", "chat", "kocur"}).Status, 0);
    EXPECT_TRUE(std::filesystem::exists(dict));
    EXPECT_FALSE(std::filesystem::exists(folder / "frpol2.su"));
    const auto translated = RunCliCaptured({"translate", "--from", "fr", "--data", data}, "chat\n");
    EXPECT_EQ(translated.Out, "kocur\n") << translated.Err;
}

} // namespace
} // namespace velmar
