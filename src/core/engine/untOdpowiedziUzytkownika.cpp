#include "core/engine/untOdpowiedziUzytkownika.h"

namespace velmar {

template <typename Change>
void TOdpowiedziUzytkownika::Update(Change change)
{
    {
        const std::lock_guard lock(mutex_);
        change(state_);
    }
    changed_.notify_all();
}

void TOdpowiedziUzytkownika::AnswerWord(int choice)
{
    Update([choice](TStanOdpowiedzi& s) { s.WordChoice = choice; });
}

void TOdpowiedziUzytkownika::AnswerInterpretation(int choice)
{
    Update([choice](TStanOdpowiedzi& s) { s.InterpretationChoice = choice; });
}

void TOdpowiedziUzytkownika::Continue()
{
    Update([](TStanOdpowiedzi& s) { s.Continue = true; });
}

void TOdpowiedziUzytkownika::Close()
{
    Update([](TStanOdpowiedzi& s) { s.Closed = true; });
}

void TOdpowiedziUzytkownika::Reset()
{
    Update([](TStanOdpowiedzi& s) { s = TStanOdpowiedzi{}; });
}

bool TOdpowiedziUzytkownika::WaitFor(std::stop_token stop, const std::function<bool(const TStanOdpowiedzi&)>& ready)
{
    std::unique_lock lock(mutex_);
    return changed_.wait(lock, stop, [&] { return ready(state_); });
}

TStanOdpowiedzi TOdpowiedziUzytkownika::State() const
{
    const std::lock_guard lock(mutex_);
    return state_;
}

} // namespace velmar
