// The bundled data set under data/: every file builds, stays in order, and every
// inflected form points at a headword of the main dictionary of its language.
#include <gtest/gtest.h>

#include <set>

#include "SlownikTestowy.h"
#include "core/app/untStale.h"

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
    for (const auto& [main, forms, language] :
         {std::tuple{"frpol2.sg.txt", "franc2.so.txt", jezFrancuski}, std::tuple{"polfr2.sg.txt", "pol2.so.txt", jezPolski}}) {
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

} // namespace
} // namespace velmar
