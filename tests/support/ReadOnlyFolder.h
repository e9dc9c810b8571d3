#pragma once
// Takes the write permission of a folder away for as long as the object lives.
// Root writes into such a folder all the same; Locked() tells whether it holds.

#include <filesystem>
#include <unistd.h>

namespace velmar::test {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder))
    {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    ~ReadOnlyFolder() { std::filesystem::permissions(folder_, std::filesystem::perms::owner_all); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Locked() const { return access(folder_.c_str(), W_OK) != 0; }

private:
    std::filesystem::path folder_;
};

} // namespace velmar::test
