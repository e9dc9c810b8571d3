#include "support/TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace velmar::test {

TempFolder::TempFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("velmar-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file;
}

std::string TempFolder::Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace velmar::test
