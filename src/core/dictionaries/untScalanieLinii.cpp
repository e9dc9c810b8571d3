#include "core/dictionaries/untScalanieLinii.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace velmar {

namespace {

// Key → stored line.
using TLinieWgKlucza = std::map<std::string, std::string>;

TLinieWgKlucza ByKey(const TWersjaLinii& lines, const TTransSlownik& keys)
{
    TLinieWgKlucza byKey;
    for (int i = 0; i < lines.Count(); ++i)
        byKey.emplace(keys.KeyOf(lines.Decoded(i, keys.KeyRow)), lines.Line(i));
    return byKey;
}

std::optional<std::string> LineOf(const TLinieWgKlucza& lines, const std::string& key)
{
    const auto found = lines.find(key);
    return found == lines.end() ? std::nullopt : std::optional(found->second);
}

bool SameLines(const TWersjaLinii& a, const TWersjaLinii& b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.Line(i) != b.Line(i))
            return false;
    return true;
}

} // namespace

TBlokadaZapisu::TBlokadaZapisu(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ >= 0 && ::flock(descriptor_, LOCK_EX) != 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

TBlokadaZapisu::~TBlokadaZapisu()
{
    if (descriptor_ >= 0)
        ::close(descriptor_); // releases the lock
}

void MergeWithFile(TLinie& list, const TWersjaLinii& base, const std::filesystem::path& file, const TTransSlownik& keys)
{
    TLinie present;
    std::error_code error;
    if (std::filesystem::exists(file, error))
        present.LoadFromFile(file);
    const TMigawkaLinii theirs = present.Snapshot();
    if (SameLines(*theirs, base))
        return;

    const TMigawkaLinii ours = list.Snapshot();
    const TLinieWgKlucza baseLines = ByKey(base, keys), ourLines = ByKey(*ours, keys),
                         theirLines = ByKey(*theirs, keys);
    std::set<std::string> allKeys;
    for (const auto* lines : {&baseLines, &ourLines, &theirLines})
        for (const auto& [key, line] : *lines)
            allKeys.insert(key);

    std::vector<std::pair<std::string, std::string>> merged;
    for (const std::string& key : allKeys) {
        const auto mine = LineOf(ourLines, key);
        const auto chosen = mine == LineOf(baseLines, key) ? LineOf(theirLines, key) : mine;
        if (chosen)
            merged.emplace_back(key, *chosen);
    }
    std::stable_sort(merged.begin(), merged.end(), [&keys](const auto& a, const auto& b) {
        return CompareKeys(a.first, b.first, keys.SourceLang) < 0;
    });
    std::vector<std::string> stored;
    stored.reserve(merged.size());
    for (auto& [key, line] : merged)
        stored.push_back(std::move(line));
    list.Assign(std::move(stored));
}

} // namespace velmar
