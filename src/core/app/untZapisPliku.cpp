#include "core/app/untZapisPliku.h"

#include <fstream>
#include <random>
#include <string>

namespace velmar {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& file)
{
    std::random_device seed;
    return file.parent_path() /
           ("." + file.filename().string() + ".tmp-" + std::to_string(seed()));
}

} // namespace

bool SaveFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    const auto temporary = TemporaryBeside(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace velmar
