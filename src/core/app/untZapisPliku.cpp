#include "core/app/untZapisPliku.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace velmar {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

void RemoveQuietly(const std::filesystem::path& file)
{
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

// Waits until what was written to the file or folder is on the disk.
bool Flush(const std::filesystem::path& path, int openFlags)
{
    const int descriptor = ::open(path.c_str(), openFlags | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool flushed = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && flushed;
}

std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

void WriteTemporary(const std::filesystem::path& temporary, const std::function<void(std::ostream&)>& write)
{
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + temporary.string());
    try {
        write(out);
    } catch (...) {
        out.close();
        RemoveQuietly(temporary);
        throw;
    }
    out.close();
    if (!out || !Flush(temporary, O_RDONLY)) {
        RemoveQuietly(temporary);
        throw std::runtime_error("cannot write " + temporary.string());
    }
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write)
{
    std::filesystem::path temporary = file;
    temporary += kTemporarySuffix;
    WriteTemporary(temporary, write);
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        RemoveQuietly(temporary);
        throw std::runtime_error("cannot replace " + file.string() + ": " + error.message());
    }
    // The new name is durable only once the folder is; the file itself is whole
    // either way, so a folder that cannot be flushed does not undo the save.
    Flush(FolderOf(file), O_RDONLY | O_DIRECTORY);
}

bool SaveFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    try {
        WriteFileAtomically(
            file, [bytes](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); });
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

int RemoveLeftoverTemporaries(const std::filesystem::path& folder)
{
    int removed = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->path().filename().string().ends_with(kTemporarySuffix) && it->is_regular_file(ignored) &&
            std::filesystem::remove(it->path(), ignored))
            ++removed;
    }
    return removed;
}

} // namespace velmar
