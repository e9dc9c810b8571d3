#include "core/app/untSystem.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace velmar {

std::filesystem::path ExeDir()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path();
    return exe.parent_path();
}

std::string ExeDirWithSeparator()
{
    std::string folder = ExeDir().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::filesystem::path EnvironmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

bool FolderWritable(const std::filesystem::path& folder)
{
    return ::access(folder.c_str(), W_OK) == 0;
}

} // namespace velmar
