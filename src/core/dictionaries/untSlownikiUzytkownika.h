#pragma once
// The registry of the user's dictionaries: which files the user keeps his own
// translations in, with a description each, and which one is current. The entry of the
// working mode's default file is always the first. The registry lives in the settings
// store, one sub-key per dictionary.

#include <filesystem>
#include <string>
#include <vector>

namespace velmar {

class TMagazynUstawien;

struct TSlownikUzytkownika {
    std::string FileName; // UTF-8 path
    std::string Description;
    bool IsDefault = false;
    bool operator==(const TSlownikUzytkownika&) const = default;
};

// A file a registry change moves (From → To) or, with To empty, removes.
struct TZmianaPliku {
    std::string From;
    std::string To;
    bool operator==(const TZmianaPliku&) const = default;
};
// Makes the change. A failed move leaves the lines where they were; failures are
// ignored, the user is not asked.
void ApplyFileChange(const TZmianaPliku& change);

// Why the last Register or Change failed.
enum class TBladRejestru : int { Brak = 0, JuzZarejestrowany = 1, NieMoznaUtworzyc = 3 };

class TSlownikiUzytkownika {
public:
    int Count() const { return static_cast<int>(Items.size()); }
    // Null outside the list.
    const TSlownikUzytkownika* Item(int index) const;
    const TSlownikUzytkownika* Current() const { return Item(CurrentIndex); }

    void Clear();
    // A registered entry has this file, letter case aside.
    bool Contains(const std::string& file) const;
    // An empty file can be written at the path (it is written and removed again).
    static bool CanCreate(const std::string& file);
    // Appends an entry. Refused (LastError) when the file is registered already or,
    // unless skipCheck (an existing file the user opens), cannot be created.
    bool Register(const std::string& file, const std::string& description, bool skipCheck);
    // A new file or description for an entry. A new file takes the old file's content
    // (the old file is then removed); refused when another entry has the new file.
    bool Change(int index, const std::string& file, const std::string& description);
    // Removes the entry and, unless keepFile, its file. False outside the list. The
    // current entry stays current; when it is the one removed, entry 0 becomes current.
    bool Unregister(int index, bool keepFile);
    // Lines of the entry's file: 0 when it does not exist, −1 when it cannot be read.
    static int LineCount(const std::filesystem::path& file);

    // The entries of the sub-keys "<key>\Slownik<N>" from 0 until one is missing, the
    // default file inserted first when absent, and the current index ("Biezacy"; one
    // outside the list becomes 0). Read failures shorten the list.
    void LoadRegistry(const TMagazynUstawien& store, const std::string& key, const std::string& defaultFile,
                      const std::string& defaultDescription);
    void SaveRegistry(TMagazynUstawien& store, const std::string& key) const;

    std::vector<TSlownikUzytkownika> Items;
    int CurrentIndex = -1;
    TBladRejestru LastError = TBladRejestru::Brak;
    // While set, Change and Unregister only record their file changes in
    // PendingFileChanges, in order: a window whose changes wait for its OK.
    bool DeferFileChanges = false;
    std::vector<TZmianaPliku> PendingFileChanges;

private:
    void ChangeFile(TZmianaPliku change);
};

} // namespace velmar
