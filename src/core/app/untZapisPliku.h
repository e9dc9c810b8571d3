#pragma once
// Whole-file writes that never destroy the previous file: the bytes go to a
// temporary file beside the target ("<file>.tmp"), which is flushed to the disk and
// then replaces the target in one rename; the folder is flushed after the rename, so
// that after a crash or a power cut the file is the old one or the new one, whole.
// A program killed during a write leaves its temporary file behind;
// RemoveLeftoverTemporaries clears them at the next start.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace velmar {

// Writes the file through write(out). Throws std::runtime_error naming the file when
// the temporary file cannot be made, written or flushed or cannot replace the target;
// the old file is then as it was and no temporary file is left behind. An exception
// thrown by write leaves things the same way and goes on to the caller.
void WriteFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write);

// True when the file now holds the bytes; on false the old file is as it was.
bool SaveFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporary files ("*.tmp") that writes interrupted by the end of the
// program left in a folder the program writes its files to; returns how many went.
// Nothing else in the folder is touched, and a folder that cannot be read is left alone.
int RemoveLeftoverTemporaries(const std::filesystem::path& folder);

} // namespace velmar
