#pragma once
// Editing the current user dictionary: adding a translation (from a window, a quick-add
// text or a glossary), deleting a headword or one meaning, and the position of each user
// headword among the main headwords, which the dictionary window needs to show the two
// lists as one. Every change goes straight into the line list that the translation
// worker reads, so the next translation uses it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untUstawienia.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// Parts of speech a user names when adding a translation (0–8), and "not given".
inline constexpr int kCzescMowyNieznana = 8;
inline constexpr int kCzescMowyNiePodana = 13;

// The grammatical code of the sub-record a part of speech goes to, by the source
// language of the dictionary; empty for "not given" or an index outside 0..13.
std::string PartOfSpeechCode(int partOfSpeech, std::uint8_t sourceLanguage);
// The quick-add letters of an interface language; the letter's position is the part
// of speech.
std::string_view QuickAddLetters(std::uint8_t interfaceLanguage);

// What keeps a headword and translation out of a user dictionary: a blank one, or a
// byte of the line syntax ("_" ends the headword, "#" starts a part of speech, ";" a
// meaning) or a control byte, which would change the meaning of the stored line.
enum class TProblemDopisania { Brak, PustyWyraz, PustePrzetlumaczenie, ZnakSkladni };
TProblemDopisania AdditionProblem(std::string_view headword, std::string_view translation);

class TSlownikDopisan {
public:
    // user: the window thread's instance of the user dictionary; main: the main
    // dictionary its headwords are placed among.
    TSlownikDopisan(TTransSlownikGlowny& user, TTransSlownikGlowny& main);

    // Adds a meaning with one alternative to the sub-record of the part of speech
    // (created when missing) of the headword's entry (created when missing): first in
    // its sub-record and its sub-record first with makeFirst, else last. Codes: the
    // meaning's codes, {0} when none. Returns the line index; −1 for a blank headword.
    int AddTranslation(std::string_view headword, std::string_view translation, bool makeFirst,
                       const TKodyZnaczenia& codes, int partOfSpeech);
    int AddTranslationWide(std::u16string_view headword, std::u16string_view translation, bool makeFirst,
                           const TKodyZnaczenia& codes, int partOfSpeech);
    // Adds each ";"-separated (or line) item "word+letter+translation" of text, the
    // letter one of the interface language's quick-add letters. Returns how many were
    // added; rejected gets the items that did not fit, as views into text (a window
    // takes the same places of the text the user typed).
    int QuickAdd(std::string_view text, std::uint8_t interfaceLanguage, std::vector<std::string_view>& rejected);
    // The same, text keeping the items that did not fit, each followed by ";".
    int QuickAdd(std::string& text, std::uint8_t interfaceLanguage);
    bool DeleteEntry(int index);
    // Deletes one meaning, and its sub-record when that is left empty; the line stays
    // (with no sub-record it is the window's to delete).
    bool DeleteMeaning(int index, int subRecord, int meaning);

    // The main index the user headword of line index stands before.
    int MainPosition(int index);
    void RebuildPositions();

    // (user line index, its main position), after a new headword was added or a
    // headword deleted.
    TListaSluchaczy<int, int> OnAdd;
    TListaSluchaczy<int, int> OnDelete;

private:
    // The index of the headword's line, a new empty line when it has none.
    int LineOf(const std::string& headword, bool& added);
    int MainPositionOf(const std::string& headword);
    // The positions belong to the lines as they are now.
    void SyncPositions();
    std::uint64_t Serial(const TTransSlownik& dictionary) const;

    TTransSlownikGlowny& user_;
    TTransSlownikGlowny& main_;
    std::vector<int> positions_;
    std::uint64_t userSerial_ = 0;
    std::uint64_t mainSerial_ = 0;
};

} // namespace velmar
