#pragma once
// Where the program finds its data and writes the user's files.
//
// The data folder is the program folder, or the folder named by VELMAR_DATA_DIR; an
// installed program (PREFIX/bin/velmar) reads the data installed beside it in
// PREFIX/share/velmar.
// Writable files (user dictionaries, the sentence archive, notes, pane backups…) go
// there when it is writable; otherwise into the per-user data folder
// ($XDG_DATA_HOME/velmar, by default ~/.local/share/velmar), which is then read first
// so that the user's copy of a file wins over the bundled one.

#include <filesystem>
#include <string>

namespace velmar {

class TFolderyDanych {
public:
    // Folders from the environment and the program file.
    static TFolderyDanych FromEnvironment();
    TFolderyDanych(std::filesystem::path dataFolder, std::filesystem::path userFolder);

    const std::filesystem::path& DataFolder() const { return data_; }
    const std::filesystem::path& UserFolder() const { return user_; }
    bool DataFolderWritable() const;

    // The file to read: the per-user copy when the data folder is read-only and the
    // user has one, else the data folder's.
    std::filesystem::path ReadPath(const std::string& name) const;
    // The file to write; creates the per-user folder when that is where it goes.
    std::filesystem::path WritePath(const std::string& name) const;

private:
    std::filesystem::path data_;
    std::filesystem::path user_;
};

// Where the data of a program in programFolder is: PREFIX/share/velmar for a program
// installed in PREFIX/bin when that folder exists, else the program folder itself (a
// build folder, or a copy of the program with its data beside it).
std::filesystem::path DataFolderOfProgram(const std::filesystem::path& programFolder);

// The folders of this run (from the environment, computed once).
const TFolderyDanych& Foldery();

} // namespace velmar
