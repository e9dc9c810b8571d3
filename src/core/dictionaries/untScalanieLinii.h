#pragma once
// Saving a writable list (user dictionary, words not to translate) that another run of
// the program may have saved since this one read it: a translator and a dictionary
// window can both add to the same file. Before writing, the file's present lines are
// merged with ours by key, so neither run loses the other's changes.

#include <filesystem>

#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// Holds an exclusive lock on the file's folder for as long as it lives, so that two
// runs never merge and write the same file at once. Without a lock (a folder that
// cannot be opened) the save goes on unlocked: the rename keeps it atomic.
class TBlokadaZapisu {
public:
    explicit TBlokadaZapisu(const std::filesystem::path& file);
    ~TBlokadaZapisu();
    TBlokadaZapisu(const TBlokadaZapisu&) = delete;
    TBlokadaZapisu& operator=(const TBlokadaZapisu&) = delete;

private:
    int descriptor_ = -1;
};

// Makes list the merge of the file's present lines with the changes list holds against
// base (the version last read from or written to the file): per key, our line when we
// changed it (added, altered or deleted), else the file's. keys gives the kind's key,
// key row and collation; the result is sorted by it. A file equal to base leaves list
// as it is. Throws std::runtime_error when the file exists but cannot be read.
void MergeWithFile(TLinie& list, const TWersjaLinii& base, const std::filesystem::path& file,
                   const TTransSlownik& keys);

} // namespace velmar
