#pragma once
// A rich-text document as the RTF reader and writer see it: paragraphs with their
// attributes, each a sequence of runs of text with character attributes, and the
// page the document is laid out on. A tab is '\t', a line break inside a paragraph
// U+2028 and an optional hyphen U+00AD, as in the panes.

#include <string>
#include <vector>

#include "core/app/untFormatTekstu.h"

namespace velmar {

inline constexpr char16_t kZnakNowejLinii = u'\u2028';
inline constexpr char16_t kMiekkiLacznik = u'\u00AD';

enum class TWyrownanie { Lewo, Srodek, Prawo, Wyjustuj };

enum class TRodzajListy { Brak, Punktor, Liczby, MaleLitery, WielkieLitery, MaleRzymskie, WielkieRzymskie };

inline constexpr int kPoziomyList = 9;

// A paragraph's place in a list. Paragraphs with the same Numer belong to one list
// and count on from each other level by level.
struct TLista {
    TRodzajListy Rodzaj = TRodzajListy::Brak;
    int Poziom = 0;             // 0 to kPoziomyList - 1
    int Numer = 0;              // which list; 0 when Rodzaj is Brak
    int Start = 1;              // the first number of this level
    char16_t Przyrostek = u'.'; // what follows a number ("1." or "a)"); 0 for nothing

    bool operator==(const TLista&) const = default;
};

// A break that comes before a paragraph.
enum class TPodzial { Brak, Strona, Sekcja };

struct TAtrybutyAkapitu {
    TWyrownanie Wyrownanie = TWyrownanie::Lewo;
    int WciecieLewe = 0;     // twips
    int WcieciePrawe = 0;    // twips
    int WcieciePierwsze = 0; // twips, relative to the left indent; negative hangs
    TLista Lista;
    int PoziomKonspektu = 0; // 0: body text; 1 to 9: a heading of that level
    TPodzial Podzial = TPodzial::Brak;

    bool operator==(const TAtrybutyAkapitu&) const = default;
};

// The page: 0 in a size or margin means the document does not state it.
struct TUstawieniaStrony {
    int Szerokosc = 0; // twips, of the page as it lies (wider than tall when landscape)
    int Wysokosc = 0;
    int MarginesLewy = 0;
    int MarginesPrawy = 0;
    int MarginesGorny = 0;
    int MarginesDolny = 0;
    bool Pozioma = false;

    bool operator==(const TUstawieniaStrony&) const = default;
};

struct TFragment {
    std::u16string Tekst;
    TAtrybutyTekstu Atrybuty;

    bool operator==(const TFragment&) const = default;
};

struct TAkapit {
    TAtrybutyAkapitu Atrybuty;
    std::vector<TFragment> Fragmenty;

    std::u16string Tekst() const;
    // Appends text, extending the last run when its attributes are the same.
    void Dopisz(std::u16string_view text, const TAtrybutyTekstu& attributes);

    bool operator==(const TAkapit&) const = default;
};

struct TTekstFormatowany {
    std::vector<TAkapit> Akapity;
    TUstawieniaStrony Strona;
    std::string DomyslnaCzcionka; // UTF-8; the font of runs that name none; empty: not stated

    // The text with one '\n' between paragraphs.
    std::u16string Tekst() const;
    // Drops empty runs and merges neighbouring runs with equal attributes.
    void Normalizuj();

    bool operator==(const TTekstFormatowany&) const = default;
};

// The parts of a document that a pane cannot hold, as flags: what reading it left
// out or moved, for the one message the user gets on opening.
enum TPominiecie : unsigned {
    pmPrzypisy = 1,       // footnotes: moved to the end of the document
    pmRamki = 2,          // text frames and text boxes: kept as paragraphs where they stand
    pmNaglowkiStopki = 4, // headers and footers: left out
    pmObrazy = 8,         // pictures and drawings: left out
    pmObiekty = 16,       // embedded objects: left out
};
using TPominiecia = unsigned;

} // namespace velmar
