#pragma once
// The user's answers to a waiting translation worker: the chosen word translation or
// interpretation, "continue", the closing of a choice window, and the changes made in
// the meanings grid, which the worker applies before it shows the grid again. The window thread
// writes them; the worker sleeps on a condition variable until the answer it waits
// for, or a stop request, arrives.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <vector>

namespace velmar {

struct TStanOdpowiedzi {
    int WordChoice = -1;
    int InterpretationChoice = -1;
    bool Continue = false;
    bool Closed = false; // "stop asked": the user closed the choice
    int GridChanges = 0; // changes of the meanings grid not yet taken
};

// A change of the meanings grid: a translation chosen for the word of a column, a new
// translation typed for it, or the column's word moved to another column's place.
struct TZmianaSiatki {
    enum TRodzaj : std::uint8_t { Wybor, NoweTlumaczenie, Przeniesienie };
    TRodzaj Rodzaj = Wybor;
    int Column = 0;
    int Value = 0;    // Wybor: the translation; Przeniesienie: the column it goes to
    std::string Text; // NoweTlumaczenie: in the target language's code page
};

class TOdpowiedziUzytkownika {
public:
    // ---- the window thread
    void AnswerWord(int choice);
    void AnswerInterpretation(int choice);
    void Continue();
    void Close();
    void ChangeGrid(TZmianaSiatki change);

    // ---- the worker
    // Forgets the answers of an earlier wait; called before the window that may answer
    // opens, so that a stale answer cannot end the next wait.
    void Reset();
    // Sleeps until ready holds for the answers; false when a stop came first.
    bool WaitFor(std::stop_token stop, const std::function<bool(const TStanOdpowiedzi&)>& ready);
    TStanOdpowiedzi State() const;
    // The grid changes made since the last call, in order.
    std::vector<TZmianaSiatki> TakeGridChanges();

private:
    template <typename Change>
    void Update(Change change);

    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    TStanOdpowiedzi state_;
    std::vector<TZmianaSiatki> gridChanges_;
};

} // namespace velmar
