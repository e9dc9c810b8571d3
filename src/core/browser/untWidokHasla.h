#pragma once
// The text of the entry view: a dictionary entry, or the entries an inflected form
// belongs to, turned into a list of styled pieces that the window writes into its
// rich-text view. Headword line, data line, pronunciation, grammar labels, numbered
// sub-records with their meanings, annotations and valency, and the phrases. Hidden
// meanings and notes are pieces of their own, so that the window can record where they
// stand and leave them out of copies.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untFormy.h"

namespace velmar {

class TTransSlownikDanych;
class TTransSlownikGlowny;
class TTransSlownikSlowo;

// The thirteen styles of entry text; the window gives each its font, size and colour.
enum TStylHasla : int {
    shHaslo = 0,          // headword, prefix, the form typed
    shDane = 1,           // data line after the headword
    shEtykietaZrodla = 2, // labels of an English source
    shZwrot = 3,          // phrase
    shOdpowiednik = 4,    // numbers, translations, comments, glosses, separators
    shUkryty = 5,         // hidden text
    shCzescMowy = 6,      // word-class label
    shRodzaj = 7,         // gender, reflexive marker, form description
    shGramInne = 8,       // irregular mark, data, valency
    shNawias = 9,         // brackets of annotations, the bracketed base of a form
    shFonetyka = 10,      // phonetic transcription (phonetic-font bytes)
    shWymowaPolska = 11,  // transcription in Polish letters
    shDuzy = 12,
};
inline constexpr int kEntryStyleCount = 13;

// One piece of entry text: written with a line break before and/or after it, in the
// style's attributes, smaller when Small is set.
struct TKawalekHasla {
    std::string Text; // 8-bit text of Language; style 10: bytes of the phonetic notation
    int Style = shOdpowiednik;
    bool Small = false;
    std::uint8_t Language = jezPolski;
    bool LineBefore = false;
    bool LineAfter = false;
    bool Hidden = false; // kept out of copies; its place is recorded as a hidden range
    // Paragraph indents of the paragraph the piece goes into (phrases are indented).
    int LeftIndent = 0;
    int FirstIndent = 0;

    bool operator==(const TKawalekHasla&) const = default;
};
using TKawalkiHasla = std::vector<TKawalekHasla>;

// The text of a piece as the view shows it: style 10 through PhoneticToWide, every
// other style through ToWide in the piece's language.
TWide PieceText(const TKawalekHasla& piece);

// What the window around the view knows that the entry text depends on.
struct TKontekstHasla {
    std::uint8_t SourceLanguage = jezFrancuski;
    std::uint8_t TargetLanguage = jezPolski;
    std::uint8_t InterfaceLanguage = jezPolski;
    bool DictionaryMode = false; // a dictionary working mode, else a translator mode
    int Pronunciation = 0;       // "WyswietlajWymowe": 0 phonetic, 1 Polish letters, 2 none
    // Data lines of the source and target words; null: none.
    TTransSlownikDanych* DataSource = nullptr;
    TTransSlownikDanych* DataTarget = nullptr;
    // The main dictionary, whose entries inflected forms are shown from; null: none.
    TTransSlownikGlowny* Main = nullptr;
};

// The pieces of a whole entry. group: a sub-record group label ("÷2"), empty for all;
// prefix: written before the headword; formCode: 0, or the code of an inflected form
// the entry is shown for (sub-records of word classes the form cannot have are left out).
TKawalkiHasla RenderEntry(const TKontekstHasla& context, const TTransSlownikSlowo& entry, const std::string& group,
                          bool small, bool showPhrases, const std::string& prefix, int formCode);

// What showing an inflected form asks of the window, with the pieces to write.
struct TFormyHasla {
    bool AddToHistory = false; // the word is no headword: it goes into the history
    int MainIndex = -1;        // the main-dictionary headword to select in the list, −1 none
    TKawalkiHasla Pieces;
};

// The entries the typed word is a form of, each under the description of the form.
// alreadyShown: the word itself is a headword whose entry is on display already.
TFormyHasla ShowForms(const TKontekstHasla& context, const TOdwolania& readings, const std::string& word, bool small,
                      bool alreadyShown);

// ---------------------------------------------------------------- pieces of the rules

// Whether a French headword begins with an aspirated h (it is shown with a "*").
bool IsAspiratedHeadword(std::string_view headword);

// The word class an inflected form's code stands for, and the classes a reading with
// that code may belong to (TKlasaSlowa values).
int WordClassOfForm(int formCode, std::uint8_t sourceLanguage);
std::bitset<16> WordClassesOfForm(int formCode, std::uint8_t sourceLanguage);

// The gender label a grammatical code gives ("m", "f", "mf"); empty for a Polish code
// and for a code without a gender.
std::string GenderLabelOfCode(std::string_view code, std::uint8_t language);

// A stored pronunciation (written in Polish letters) as the bytes of the phonetic
// notation, enclosed in "[" "]".
std::string PhoneticNotation(std::string_view stored);
// The bytes of the phonetic notation as Unicode phonetic characters. A "~" puts a
// combining tilde over the character after it; ":" is the length mark.
TWide PhoneticToWide(std::string_view notation);

// ---------------------------------------------------------------- hidden ranges

// The record of one hidden stretch: caret positions before and after it, "start:end".
std::string HiddenRange(int start, int end);

// One stretch of hidden text: characters [Start, End) of the view.
struct TUkrytyZakres {
    int Start = 0;
    int End = 0;
    bool operator==(const TUkrytyZakres&) const = default;
};

// How to copy part of the view without its hidden text: delete the stretches in the
// order given (from the last to the first, so earlier positions stay valid), then take
// Length characters from Start (nothing when Length is not above 0).
struct TKopiaWidoczna {
    std::vector<TUkrytyZakres> Deletions;
    int Start = 0;
    int Length = 0;
};
// The plan for characters [start, start + length) of a view whose hidden stretches are
// recorded in ranges; a record without ":" or with an empty stretch is skipped, and a
// number that does not parse counts as 0.
TKopiaWidoczna PlanVisibleCopy(const std::vector<std::string>& ranges, int start, int length);

} // namespace velmar
