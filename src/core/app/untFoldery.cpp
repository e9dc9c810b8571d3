#include "core/app/untFoldery.h"

#include <cstdlib>
#include <unistd.h>

#include "core/app/untUtils.h"

namespace velmar {

namespace {

std::filesystem::path EnvironmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path PerUserFolder()
{
    auto base = EnvironmentPath("XDG_DATA_HOME");
    if (base.empty()) {
        const auto home = EnvironmentPath("HOME");
        base = (home.empty() ? std::filesystem::temp_directory_path() : home) / ".local" / "share";
    }
    return base / "velmar";
}

} // namespace

TFolderyDanych TFolderyDanych::FromEnvironment()
{
    auto data = EnvironmentPath("VELMAR_DATA_DIR");
    if (data.empty())
        data = ExeDir();
    return {data, PerUserFolder()};
}

TFolderyDanych::TFolderyDanych(std::filesystem::path dataFolder, std::filesystem::path userFolder)
    : data_(std::move(dataFolder)), user_(std::move(userFolder))
{
}

bool TFolderyDanych::DataFolderWritable() const
{
    return ::access(data_.c_str(), W_OK) == 0;
}

std::filesystem::path TFolderyDanych::ReadPath(const std::string& name) const
{
    if (!DataFolderWritable()) {
        std::error_code error;
        const auto own = user_ / name;
        if (std::filesystem::exists(own, error))
            return own;
    }
    return data_ / name;
}

std::filesystem::path TFolderyDanych::WritePath(const std::string& name) const
{
    if (DataFolderWritable())
        return data_ / name;
    std::error_code error;
    std::filesystem::create_directories(user_, error);
    return user_ / name;
}

const TFolderyDanych& Foldery()
{
    static const TFolderyDanych folders = TFolderyDanych::FromEnvironment();
    return folders;
}

} // namespace velmar
