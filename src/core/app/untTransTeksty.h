#pragma once
// Interface texts: every caption, menu item, hint and message the program shows, by
// id (1 to 2050) and interface language. The table is a readable UTF-8 file in the
// sources (untTransTeksty.tsv) compiled into the program; its cells are kept as 8-bit
// text in the code page of their column's language.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untUtils.h"

namespace velmar {

inline constexpr int kInterfaceTextCount = 2050;

// The cell of row id and column language; empty for an id outside 1..2050, a language
// without a column, or an empty cell.
std::string InterfaceText(std::uint8_t language, int id);

// The cell for display. Text 769 and the cells "Państwo"/"państwo" hold Polish words
// inside foreign captions and are always read as Polish; text 779 always ends with the
// French à (á when not strict) whatever the column's code page reads there.
TWide InterfaceTextWide(std::uint8_t language, int id, bool strict = false);

// ---------------------------------------------------------------- the table source

// One problem found while reading the table source.
struct TBladTabeli {
    int Line;
    std::string Message;
};

// The table read from its tab-separated source: a header line "id<TAB>pl<TAB>fr…" naming
// the language columns, then one row per id. A cell may hold \n, \t and \\ escapes.
// Rows are indexed by id (row 0 unused); columns by language code.
struct TTabelaTekstow {
    std::vector<std::vector<std::string>> Wiersze;
    std::vector<TBladTabeli> Bledy;
};
TTabelaTekstow ParseInterfaceTextTable(std::string_view source);

// The UTF-8 source of the compiled-in table.
std::string_view InterfaceTextSource();

// ---------------------------------------------------------------- fonts

// Font style bits, as the settings store them ("B", "I", "U", "S").
enum TStylCzcionki : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
std::string FontStyleToString(std::uint8_t style);
// Each of the letters B, I, U, S present anywhere sets its style.
std::uint8_t FontStyleFromString(std::string_view text);

// Font character sets of the window system, kept for the per-language rule even where
// the platform draws every script from one font.
enum TZestawZnakow : int {
    zzZachodni = 0,
    zzCyrylica = 204,
    zzWschodnioeuropejski = 238,
};
// The character set for text of a language; with "LiteryPodobne" every language uses
// the East European set.
int FontCharset(std::uint8_t language, bool similarLetters);

// A font description as the settings hold it; the colour is 0x00BBGGRR.
struct TCzcionka {
    std::string Name;
    int Size = 0;
    int Charset = zzWschodnioeuropejski;
    std::uint8_t Style = 0;
    std::uint32_t Colour = 0;
    bool operator==(const TCzcionka&) const = default;
};

// Parts of a font that ApplyFont copies.
enum TCzesciCzcionki : int {
    fpNazwa = 1,
    fpRozmiar = 2,
    fpZestaw = 4,
    fpStyl = 8,
    fpKolor = 16,
    fpOkno = fpNazwa | fpRozmiar | fpZestaw, // a window's own font
    fpEtykieta = fpNazwa | fpZestaw,         // a label whose size is fixed
};
// Copies the selected parts of source into target; the character set comes from the
// language, never from source.
void ApplyFont(TCzcionka& target, const TCzcionka& source, std::uint8_t language, int parts,
               bool similarLetters = false);

// ---------------------------------------------------------------- ready-made texts

// The texts that many windows and the translation worker show, fetched once per
// interface language: language names, common buttons, common messages, the show/hide
// menu pairs, profile names and document format names. The window thread refills them
// when the interface language changes while the worker may be reading: a refill
// publishes a new set, and a reader keeps the set it started with.
class TGotoweTeksty {
public:
    TGotoweTeksty();

    // Fetches every ready-made text in the language.
    void Fill(std::uint8_t language);

    // 8-bit text and its display form; empty for an id that is not ready-made.
    std::string Text(int id) const;
    TWide Wide(int id) const;

    TWide LanguageName(std::uint8_t language) const;
    TWide LanguageLocative(std::uint8_t language) const;
    // The profile name of a subject number (0..51), without hot-key markers.
    std::string ProfileName(int subject) const;

    // The ids of the ready-made texts.
    static const std::vector<int>& Ids();

private:
    struct TTekst {
        std::string Narrow;
        TWide Wide;
    };
    using TZestaw = std::map<int, TTekst>;
    const TTekst* Find(const std::shared_ptr<const TZestaw>& texts, int id) const;
    std::shared_ptr<const TZestaw> Current() const;

    mutable std::mutex mutex_;
    std::shared_ptr<const TZestaw> texts_;
};

// Ids of the ready-made texts that the Parts name.
namespace tekst {
inline constexpr int Tak = 21, Nie = 22, Anuluj = 23, Zatwierdz = 24, Zamknij = 25, Dodaj = 26, Usun = 27,
                     Modyfikuj = 28, Kontynuuj = 29, Zakoncz = 30, Wybierz = 31, Przerwij = 32, OK = 33;
inline constexpr int Uwaga = 101, BrakPamieci = 128, NieznanyBlad = 129, BladOtwarciaPliku = 130, BladZapisuPliku = 131,
                     ZajetyKlawisz = 132, ZapisUstawien = 139;
// What went wrong with one file, after its name (TBladPliku).
inline constexpr int NieMoznaOdczytac = 140, NieMoznaZapisac = 141, NieMoznaUsunac = 142, NieNadpisano = 143;
inline constexpr int TrybyTlumaczenia = 713; // + translation mode code
inline constexpr int NazwyProfili = 1751;    // + subject number
inline constexpr int SlownikDomyslny = 1926;
} // namespace tekst

} // namespace velmar
