#pragma once
// Which entry a typed word shows: the one decision behind the dictionary window's
// search box and velmar-cli lookup. The user's own headword first, then the main
// headword, then the bases of the word as an inflected form, then the main headword
// equal but for case or accents; else nothing, with the list where the word would stand.

#include <string>

#include "core/dictionaries/untFormy.h"

namespace velmar {

class TTransSlownikGlowny;
class TTransSlownikOdwolan;

// The dictionaries a word is looked up in; the user and forms dictionaries may be
// empty (no user headwords, no forms file loaded).
struct TSlownikiWyboru {
    TTransSlownikGlowny& Main;
    TTransSlownikGlowny& User;
    TTransSlownikOdwolan& Forms;
};

enum class TZrodloHasla { None, User, Main };

// How the headword was reached from the typed word.
enum class TSposobWyboru { Exact, Form, Case, Accents };

struct TWyborHasla {
    TZrodloHasla Source = TZrodloHasla::None;
    int Index = -1; // the line in the Source dictionary; −1 with None
    TSposobWyboru How = TSposobWyboru::Exact;
    // The readings of the word as an inflected form, shown with the entry: the bases an
    // inflected form leads to, or further readings of a main headword.
    TOdwolania Readings;
    // With None: the main headword before which the word would stand; the list starts
    // there.
    int NearestMain = 0;
};

TWyborHasla ChooseHeadword(const std::string& word, const TSlownikiWyboru& dictionaries);

// The first reading whose base (without its group label) is a main headword: its index
// in main, −1 when no base is.
int BaseHeadwordOf(const TOdwolania& readings, TTransSlownikGlowny& main);

// The headword the list shows first where a word found nowhere would stand: the main
// headword at nearestMain, or a user headword that stands before it; empty past the end.
std::string NearestHeadword(int nearestMain, TTransSlownikGlowny& main, TTransSlownikGlowny& user);

} // namespace velmar
