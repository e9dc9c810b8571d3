#pragma once
// The logic of the dictionary window: the one alphabetical headword list made of the
// main dictionary with the user's headwords merged in, the page of rows the window
// shows of it, the keys that move through it, and the history of shown headwords.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

class TTransSlownik;
class TTransSlownikGlowny;

// Global positions over the merged list. User headword j stands at
// MainPosition(j) + j; main headword i at i plus the number of user headwords whose
// MainPosition is at most i. So a user headword stands right before the main headword
// at its MainPosition, and before a main headword equal to it.
class TPozycjeHasel {
public:
    // userMainPositions: for each user headword in order, the main index it stands
    // before (never decreasing, as both lists are sorted the same way).
    void Assign(int mainCount, std::vector<int> userMainPositions);

    int MainCount() const { return mainCount_; }
    int UserCount() const { return static_cast<int>(mainPositions_.size()); }
    int TotalCount() const { return mainCount_ + UserCount(); }
    int MainPosition(int user) const { return mainPositions_[static_cast<std::size_t>(user)]; }

    struct TPodzial {
        int Main; // the first main headword at or after the position
        int User; // the first user headword at or after the position
        bool operator==(const TPodzial&) const = default;
    };
    TPodzial SplitPosition(int position) const;
    int GlobalOfMain(int main) const;
    // Where main headword main would stand, before any user headword placed there.
    int GlobalBeforeMain(int main) const;
    int GlobalOfUser(int user) const { return MainPosition(user) + user; }

private:
    int mainCount_ = 0;
    std::vector<int> mainPositions_;
};

// For each user headword, the main index it sorts before: the main headword equal
// to it or the first one after it.
std::vector<int> UserMainPositions(const TTransSlownik& main, const TTransSlownik& user);

// One row of the headword list: the headword (8-bit) and where it comes from, "G%d"
// with the main index or "U%d" with the user index.
struct TWierszStrony {
    std::string Headword;
    std::string Tag;
};

// The rows from global position top on, at most rows of them.
std::vector<TWierszStrony> FillPage(int top, int rows, const TPozycjeHasel& positions, TTransSlownikGlowny& main,
                                    TTransSlownikGlowny& user);

// The dictionary and index a row tag names; nullopt for a malformed tag.
struct TZrodloWiersza {
    bool User;
    int Index;
};
std::optional<TZrodloWiersza> ParseRowTag(const std::string& tag);

// ---------------------------------------------------------------- keys in the list

enum class TKlawiszListy { PageUp, PageDown, End, Home, Down, Up };

// The state of the list a key moves: the selected row, the scroll position and its
// maximum, the rows a page holds and how many of them are filled.
struct TStanListy {
    int Row;
    int Position;
    int Maximum;
    int RowsPerPage;
    int FilledRows;
};

struct TRuchListy {
    int Position;
    int Row;
    bool operator==(const TRuchListy&) const = default;
};

// The move a key makes where it reaches past the rows of the page; nullopt where the
// list box moves its selection within the page by itself. Right moves like Down and
// Left like Up.
std::optional<TRuchListy> ListKeyMove(TKlawiszListy key, bool ctrl, const TStanListy& list);

// ---------------------------------------------------------------- history

// The last headwords shown, oldest first, and the one on display.
class THistoriaHasel {
public:
    static constexpr int kLimit = 15;

    // Appends the word (moving it when present), drops the oldest above the limit and
    // puts the cursor on it. Nothing while Navigating.
    void Add(const std::string& word);
    // Moves the cursor to index k; the word there, nullopt outside the history.
    std::optional<std::string> Go(int k);
    void Clear();

    const std::vector<std::string>& Items() const { return items_; }
    int Cursor() const { return cursor_; }
    bool CanGoBack() const { return cursor_ > 0; }
    bool CanGoForward() const { return cursor_ >= 0 && cursor_ < static_cast<int>(items_.size()) - 1; }

    // Set while a history step is being shown, so that showing it records nothing.
    bool Navigating = false;

private:
    std::vector<std::string> items_;
    int cursor_ = -1;
};

// ---------------------------------------------------------------- letter bar

// The 32 letter-bar captions in UTF-8, tags 0 to 31.
const std::vector<const char*>& LetterBarCaptions();
// The letters the letter bar offers for a source language, 8-bit upper case: the
// Polish alphabet for Polish, A–Z for every other language.
std::string LetterBarAlphabet(std::uint8_t language);

} // namespace velmar
