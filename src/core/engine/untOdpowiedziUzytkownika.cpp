#include "core/engine/untOdpowiedziUzytkownika.h"

#include <utility>

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

void TOdpowiedziUzytkownika::ChangeGrid(TZmianaSiatki change)
{
    Update([this, &change](TStanOdpowiedzi& s) {
        gridChanges_.push_back(std::move(change));
        s.GridChanges = static_cast<int>(gridChanges_.size());
    });
}

void TOdpowiedziUzytkownika::Reset()
{
    Update([this](TStanOdpowiedzi& s) {
        s = TStanOdpowiedzi{};
        gridChanges_.clear();
    });
}

std::vector<TZmianaSiatki> TOdpowiedziUzytkownika::TakeGridChanges()
{
    const std::lock_guard lock(mutex_);
    state_.GridChanges = 0;
    return std::exchange(gridChanges_, {});
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
