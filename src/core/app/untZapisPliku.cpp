#include "core/app/untZapisPliku.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace velmar {

namespace {

void RemoveQuietly(const std::filesystem::path& file)
{
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
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
        if (!out) {
            RemoveQuietly(temporary);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        RemoveQuietly(temporary);
        throw std::runtime_error("cannot replace " + file.string() + ": " + error.message());
    }
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

} // namespace velmar
