#pragma once
// The user's answers to a waiting translation worker: the chosen word translation or
// interpretation, "continue", and the closing of a choice window. The window thread
// writes them; the worker sleeps on a condition variable until the answer it waits
// for, or a stop request, arrives.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>

namespace velmar {

struct TStanOdpowiedzi {
    int WordChoice = -1;
    int InterpretationChoice = -1;
    bool Continue = false;
    bool Closed = false; // "stop asked": the user closed the choice
};

class TOdpowiedziUzytkownika {
public:
    // ---- the window thread
    void AnswerWord(int choice);
    void AnswerInterpretation(int choice);
    void Continue();
    void Close();

    // ---- the worker
    // Forgets the answers of an earlier wait; called before the window that may answer
    // opens, so that a stale answer cannot end the next wait.
    void Reset();
    // Sleeps until ready holds for the answers; false when a stop came first.
    bool WaitFor(std::stop_token stop, const std::function<bool(const TStanOdpowiedzi&)>& ready);
    TStanOdpowiedzi State() const;

private:
    template <typename Change>
    void Update(Change change);

    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    TStanOdpowiedzi state_;
};

} // namespace velmar
