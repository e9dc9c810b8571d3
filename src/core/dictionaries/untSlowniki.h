#pragma once
// The dictionary set: the line lists of the language pair and the fixed set of
// dictionary instances over them, loaded from the data files of the working mode and
// saved back where they are writable.
//
// The line lists belong to the set; the instances of the window thread and of the
// translation worker read the same lists. Loading and saving run on the window
// thread and never while a translation runs.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/app/untBladPliku.h"
#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/dictionaries/untArchiwumZdan.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

class TSlowniki {
public:
    explicit TSlowniki(TFolderyDanych folders);
    TSlowniki(const TSlowniki&) = delete;
    TSlowniki& operator=(const TSlowniki&) = delete;

    // Loads the data files of the program's working mode: the main and forms lists of
    // the direction (and of the opposite one with bothDirections), the archive,
    // untranslatable words, data, phrase, collocation, category and qualifier lists,
    // then the user dictionary. Unless clearAll, a main list that already holds lines is
    // not read again, nor is a writable list (user, archive, untranslatable) that
    // holds the lines of the same file, which may not be saved yet. Missing files
    // leave their lists empty; a file that cannot be read leaves its list empty and
    // is named in the returned failures. A relative user-dictionary file is looked
    // up by the data-folder rule (TFolderyDanych).
    TBledyPlikow LoadDictionaries(const TWartosciProgramu& program, bool bothDirections,
                                  const std::filesystem::path& userDictionaryFile, bool clearAll);
    // Writes the user lines and, in the translator modes 1 and 2, the archive and the
    // untranslatable words. An emptied list removes its file; a list whose load failed
    // is not written. Returns the failures (each write is tried on its own).
    TBledyPlikow SaveDictionaries(const TWartosciProgramu& program, const std::filesystem::path& userDictionaryFile);
    // Loads the user lines from the file (when it exists) and attaches both
    // user-dictionary instances. Returns the failures.
    TBledyPlikow AttachUserDictionary(const TWartosciProgramu& program,
                                      const std::filesystem::path& userDictionaryFile);
    // Loads the opposite direction's main lines when still empty (inflection window).
    TBledyPlikow LoadReverseDictionary(const TWartosciProgramu& program);
    // The main window's reload command: save, then load everything afresh. When a
    // save fails nothing is reloaded, so the unsaved lines stay in memory.
    TBledyPlikow Reload(const TWartosciProgramu& program, bool bothDirections,
                        const std::filesystem::path& userDictionaryFile);

    // The line lists.
    struct TListy {
        TLinie MainFr, MainPl;   // main lines by source language
        TLinie FormsFr, FormsPl; // forms lines by language
        TLinie PhrasesFrPl, PhrasesPlFr;
        TLinie Collocations1, Collocations2;
        TLinie Categories;
        TLinie QualifiersSource, QualifiersTarget;
        TLinie Archive;
        TLinie Untranslatable;
        TLinie DataMode, DataPartner;
        TLinie User;
    } Listy;

    // The instances, by role.
    TTransSlownikGlowny User{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TTransSlownikGlowny UserWorker{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TTransSlownikGlowny Main{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski, CharsToSet("[")};
    TTransSlownikGlowny MainWorker{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski, CharsToSet("[")};
    TTransSlownikGlowny MainReserve1{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski, CharsToSet("[")};
    TTransSlownikGlowny MainReserve2{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski, CharsToSet("[")};
    TTransSlownikGlowny Reverse{rsGlowny, kKeyRowMain, jezPolski, jezFrancuski, CharsToSet("[")};
    TTransSlownikGlowny Phrases{rsZwrotow, kKeyRowAuxiliary, jezFrancuski, jezPolski};
    TTransSlownikOdwolan Forms{jezFrancuski};
    TTransSlownikOdwolan FormsWorker{jezFrancuski};
    TTransSlownikKolokacji Collocations1{jezFrancuski, jezPolski};
    TTransSlownikKolokacji Collocations2{jezFrancuski, jezPolski};
    TTransSlownikKategorii Categories{jezFrancuski};
    TTransSlownikZdan Archive{jezFrancuski, jezPolski};
    TTransSlownikZdan ArchiveWorker{jezFrancuski, jezPolski};
    TTransSlownikNieTlum Untranslatable{jezFrancuski, jezPolski};
    TTransSlownikNieTlum UntranslatableWorker{jezFrancuski, jezPolski};
    TTransSlownikDanych DataSource{jezFrancuski};
    TTransSlownikDanych DataTarget{jezPolski};
    TTransSlownikKwal QualifiersSource{jezFrancuski};
    TTransSlownikKwal QualifiersTarget{jezPolski};

    // The window thread's editing of the user dictionary, with the events the
    // dictionary window follows.
    TSlownikDopisan UserEditing{User, Main};

private:
    void ClearLists(bool clearAll);
    void ApplyLanguages(const TWartosciProgramu& program);
    // The main list of a direction and its forms list, unless the main list is filled.
    void LoadDirection(bool polishSource, int mode, TBledyPlikow& failures);
    // The sentence archive and the untranslatable words (translator modes only).
    void LoadArchiveLists(int mode, bool clearAll, TBledyPlikow& failures);
    // Phrases, collocations and categories (not in the dictionary modes).
    void LoadTranslationLists(const TWartosciProgramu& program, TBledyPlikow& failures);
    // Loads a writable list unless it already holds the content of that same file
    // (a second apply of the settings must not drop lines that are not saved yet).
    void LoadWritable(TLinie& list, const std::string& fileName, bool reread, TBledyPlikow& failures);
    void AttachInstances(const TWartosciProgramu& program);
    void AttachUser(const TWartosciProgramu& program, const std::filesystem::path& file, bool reread,
                    TBledyPlikow& failures);
    void Load(TLinie& list, const std::filesystem::path& file, TBledyPlikow& failures);
    void LoadNamed(TLinie& list, const std::string& fileName, TBledyPlikow& failures);
    // With mergedBy (the kind's instance), the file's present lines are merged in first
    // (untScalanieLinii.h): another run may have saved the same file.
    void Save(TLinie& list, const std::filesystem::path& file, TBledyPlikow& failures,
              const TTransSlownik* mergedBy = nullptr);
    std::filesystem::path ReadPath(const std::filesystem::path& file) const;
    std::filesystem::path WritePath(const std::filesystem::path& file) const;

    TFolderyDanych folders_;
    // The file each writable list was last read from.
    std::map<const TLinie*, std::filesystem::path> loadedFrom_;
    // The version each writable list last read from or wrote to a file, and that file:
    // what a save merges against when it writes the same file.
    struct TWersjaPliku {
        std::filesystem::path File;
        TMigawkaLinii Version;
    };
    std::map<const TLinie*, TWersjaPliku> savedVersion_;
};

// The set of the running program, over the folders of this run.
TSlowniki& Slowniki();

} // namespace velmar
