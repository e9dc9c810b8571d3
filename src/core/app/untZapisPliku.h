#pragma once
// Whole-file writes that never destroy the previous file: the bytes go to a
// temporary file beside the target ("<file>.tmp"), which then replaces the target in
// one rename.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace velmar {

// Writes the file through write(out). Throws std::runtime_error naming the file when
// the temporary file cannot be made or written or cannot replace the target; the old
// file is then as it was and no temporary file is left behind. An exception thrown by
// write leaves things the same way and goes on to the caller.
void WriteFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write);

// True when the file now holds the bytes; on false the old file is as it was.
bool SaveFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace velmar
