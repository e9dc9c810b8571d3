#pragma once
// The user's notes on dictionary headwords: one free text per headword, kept as the
// lines "headword=note" of one file per dictionary direction. A line break inside a
// note is stored as the two bytes 2, 2 so that every note stays on one line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class TNotatki {
public:
    int Count() const { return static_cast<int>(wpisy_.size()); }
    // The headword and the stored note (line breaks as bytes 2, 2) of entry index.
    const std::string& Name(int index) const;
    const std::string& Value(int index) const;

    // The entry of a headword, letter case aside; -1 when there is none.
    int IndexOf(std::string_view headword) const;
    // The entry of the headword, appended with an empty note when there was none.
    int Add(std::string_view headword);
    // Sets the note of an entry from typed text: every kind of line break (CR LF,
    // LF, CR) becomes the stored marker. An empty text leaves an empty note.
    void SetNote(int index, std::string_view text);
    // The note of an entry with its line breaks as CR LF.
    std::string Note(int index) const;
    // The note of a headword with CR LF line breaks; empty when it has none.
    std::string NoteOf(std::string_view headword) const;
    void Delete(int index);
    void Clear() { wpisy_.clear(); }

    // Replaces the notes with the file's. A missing file gives no notes; a file that
    // cannot be read leaves the notes empty and refuses saves until a load succeeds,
    // so that it is not overwritten with less than it holds.
    bool Load(const std::filesystem::path& file);
    // Writes the notes atomically, or removes the file when there are none. On
    // false the previous file is intact.
    bool Save(const std::filesystem::path& file) const;

    static std::string EncodeLineBreaks(std::string_view text);
    static std::string DecodeLineBreaks(std::string_view stored);

private:
    struct TWpis {
        std::string Name;
        std::string Value;
    };
    std::vector<TWpis> wpisy_;
    bool wczytanieNieudane_ = false;
};

} // namespace velmar
