#pragma once
// Whole-file writes that never destroy the previous file: the bytes go to a
// temporary file beside the target, which then replaces the target in one rename.

#include <filesystem>
#include <string_view>

namespace velmar {

// True when the file now holds the bytes; on false the old file is as it was.
bool SaveFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace velmar
