#pragma once
// A rich-text document as the RTF reader and writer see it: paragraphs with their
// attributes, each a sequence of runs of text with character attributes. A tab is
// '\t' and a line break inside a paragraph is U+2028, as in the panes.

#include <string>
#include <vector>

#include "core/app/untFormatTekstu.h"

namespace velmar {

inline constexpr char16_t kZnakNowejLinii = u'\u2028';

enum class TWyrownanie { Lewo, Srodek, Prawo, Wyjustuj };

struct TAtrybutyAkapitu {
    TWyrownanie Wyrownanie = TWyrownanie::Lewo;
    int WciecieLewe = 0;     // twips
    int WcieciePrawe = 0;    // twips
    int WcieciePierwsze = 0; // twips, relative to the left indent; negative hangs
    bool Wypunktowanie = false;

    bool operator==(const TAtrybutyAkapitu&) const = default;
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

    // The text with one '\n' between paragraphs.
    std::u16string Tekst() const;
    // Drops empty runs and merges neighbouring runs with equal attributes.
    void Normalizuj();

    bool operator==(const TTekstFormatowany&) const = default;
};

} // namespace velmar
