// The groups of a word list: each a contiguous run of words, kept in word order;
// every word points to its group or to the list's sentinel group.
#include <algorithm>
#include <vector>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

// ---------------------------------------------------------------- groups

int TCustomWypSlowa::GroupIndex(const TCustomWypGrupa* group) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (groups_[static_cast<std::size_t>(i)].get() == group)
            return i;
    return -1;
}

void TCustomWypSlowa::SortGroups()
{
    // The analyses build groups left to right, so the list is nearly always in order
    // already; checking is cheaper than sorting on every change.
    const auto byFirst = [](const auto& a, const auto& b) { return a->First < b->First; };
    if (!std::is_sorted(groups_.begin(), groups_.end(), byFirst))
        std::stable_sort(groups_.begin(), groups_.end(), byFirst);
}

void TCustomWypSlowa::DetachFromGroup(int i)
{
    TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
    TCustomWypGrupa* group = word.Group();
    word.SetGroup(noGroup_.get());
    const int index = GroupIndex(group);
    if (index < 0)
        return;
    if (group->First == i && group->Last == i) {
        groups_.erase(groups_.begin() + index);
    } else if (group->First == i) {
        ++group->First;
    } else if (group->Last == i) {
        --group->Last;
    } else {
        // A word from the middle: the part behind it gets a group of its own kind.
        std::unique_ptr<TCustomWypGrupa> tail = NewGroup();
        tail->Type = group->Type;
        tail->First = i + 1;
        tail->Last = group->Last;
        tail->OnKindChange = group->OnKindChange;
        group->Last = i - 1;
        for (int j = tail->First; j <= tail->Last; ++j)
            words_[static_cast<std::size_t>(j)]->SetGroup(tail.get());
        groups_.push_back(std::move(tail));
        SortGroups();
    }
}

void TCustomWypSlowa::DeleteGroup(int g)
{
    if (g < 0 || g >= GroupCount())
        return;
    const TCustomWypGrupa& group = *groups_[static_cast<std::size_t>(g)];
    for (int j = group.First; j <= group.Last; ++j)
        if (InRange(j))
            words_[static_cast<std::size_t>(j)]->SetGroup(noGroup_.get());
    groups_.erase(groups_.begin() + g);
}

int TCustomWypSlowa::NewGroupAt(int i, std::uint8_t type)
{
    if (!InRange(i))
        return -1;
    DetachFromGroup(i);
    std::unique_ptr<TCustomWypGrupa> group = NewGroup();
    group->Type = type;
    group->First = group->Last = i;
    group->OnKindChange = [this](TCustomWypGrupa& changed) { GroupKindChanged(changed); };
    words_[static_cast<std::size_t>(i)]->SetGroup(group.get());
    const TCustomWypGrupa* added = group.get();
    groups_.push_back(std::move(group));
    SortGroups();
    return GroupIndex(added);
}

void TCustomWypSlowa::SetGroupRange(TCustomWypGrupa& group, int first, int last)
{
    if (GroupIndex(&group) < 0 || !InRange(first) || !InRange(last) || first > last)
        return;
    const int oldFirst = group.First, oldLast = group.Last;
    for (int j = first; j <= last; ++j)
        if (words_[static_cast<std::size_t>(j)]->Group() != &group)
            DetachFromGroup(j);
    group.First = first;
    group.Last = last;
    for (int j = first; j <= last; ++j)
        words_[static_cast<std::size_t>(j)]->SetGroup(&group);
    for (int j = oldFirst; j <= oldLast; ++j)
        if (j < first || j > last) {
            words_[static_cast<std::size_t>(j)]->SetGroup(noGroup_.get());
            NewGroupAt(j, tgZadna);
        }
    SortGroups();
}

void TCustomWypSlowa::ExtendGroupLeft(TCustomWypGrupa& group, int i)
{
    SetGroupRange(group, i, group.Last);
}

void TCustomWypSlowa::ExtendGroupRight(TCustomWypGrupa& group, int i)
{
    SetGroupRange(group, group.First, i);
}

// ---------------------------------------------------------------- moving a grouped word

namespace {

// Where a group stands, to put it back as it was after a word moved.
struct TZapisGrupy {
    TDaneGrupy Data;
    std::uint8_t Kind = 0;
};

} // namespace

void TCustomWypowiedzenie::MoveGroupedWord(int from, int to)
{
    TCustomWypSlowa& words = *words_;
    // The spaces and punctuation of the source stay where they stood: only the word
    // changes place.
    const int low = std::min(from, to), high = std::max(from, to);
    std::vector<TPrzedPo> around;
    for (int k = low; k <= high; ++k)
        around.push_back(words.Around(k));
    const auto restoreAround = [&] {
        for (int k = low; k <= high; ++k)
            words.Around(k) = around[static_cast<std::size_t>(k - low)];
    };
    const TCustomWypGrupa* group = words.Word(from).Group();
    const bool alone = HasGroup(from) && group->First == from && group->Last == from;
    TZapisGrupy saved;
    if (alone) {
        saved.Data = *group;
        saved.Kind = group->Kind();
    }
    const bool head = HasMarker(from, znGlowaGrupy);
    const bool sentenceCapital = low == 0 && words.Word(0).SentenceCapital;
    words.MoveWord(from, to);
    restoreAround();
    // The capital of the sentence belongs to whichever word now opens it.
    if (sentenceCapital) {
        words.Word(from).SentenceCapital = words.Word(to).SentenceCapital = false;
        words.Word(0).SentenceCapital = true;
    }
    if (!alone)
        return;
    TCustomWypGrupa& moved = words.Group(words.NewGroupAt(to, saved.Data.Type));
    saved.Data.First = saved.Data.Last = to;
    static_cast<TDaneGrupy&>(moved) = saved.Data;
    moved.SetKind(saved.Kind);
    if (head)
        SetHead(to);
}

} // namespace velmar
