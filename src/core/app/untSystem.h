#pragma once
// The few things the core asks of the operating system directly: where the running
// program lies, the environment, and whether a folder may be written. Kept in one place
// so that porting or faking them touches a single file.

#include <filesystem>
#include <string>

namespace velmar {

// The folder of the running program, with or without a trailing separator.
std::filesystem::path ExeDir();
std::string ExeDirWithSeparator();

// The value of an environment variable as a path; empty when it is unset or empty.
std::filesystem::path EnvironmentPath(const char* name);

// Whether the current user may create and replace files in the folder.
bool FolderWritable(const std::filesystem::path& folder);

} // namespace velmar
