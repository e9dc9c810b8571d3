#include "core/app/untFoldery.h"

#include "core/app/untSystem.h"

namespace velmar {

namespace {

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
        data = DataFolderOfProgram(ExeDir());
    return {data, PerUserFolder()};
}

TFolderyDanych::TFolderyDanych(std::filesystem::path dataFolder, std::filesystem::path userFolder)
    : data_(std::move(dataFolder)), user_(std::move(userFolder))
{
}

bool TFolderyDanych::DataFolderWritable() const
{
    return FolderWritable(data_);
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

std::filesystem::path DataFolderOfProgram(const std::filesystem::path& programFolder)
{
    if (programFolder.filename() != "bin")
        return programFolder;
    const auto installed = programFolder.parent_path() / "share" / "velmar";
    std::error_code error;
    return std::filesystem::is_directory(installed, error) ? installed : programFolder;
}

const TFolderyDanych& Foldery()
{
    static const TFolderyDanych folders = TFolderyDanych::FromEnvironment();
    return folders;
}

} // namespace velmar
