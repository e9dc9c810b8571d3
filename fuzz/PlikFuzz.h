#pragma once
// A file in a temporary folder of the fuzzing process's own, for the targets whose
// parser reads a file; the folder goes when the process ends normally.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace velmar::fuzz {

class TFolderProcesu {
public:
    TFolderProcesu() : path_(std::filesystem::temp_directory_path() / ("velmar-fuzz-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TFolderProcesu()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The file name in the process's folder, now holding exactly the bytes.
inline std::filesystem::path FileWith(const std::string& name, std::string_view bytes)
{
    static const TFolderProcesu folder;
    const std::filesystem::path file = folder.Path() / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace velmar::fuzz
