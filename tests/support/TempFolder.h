#pragma once
// A fresh folder under the system temporary folder, removed with its contents when
// the object goes out of scope. Tests of loading and saving run in one.

#include <filesystem>
#include <string>

namespace velmar::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;
    // Reads a whole file as bytes; empty when it does not exist.
    static std::string Read(const std::filesystem::path& file);

private:
    std::filesystem::path path_;
};

} // namespace velmar::test
