#include "ui/translator/untSledzOkno.h"

#include <algorithm>

namespace velmar {

namespace {

// Where a position lands after the edit: before it unchanged, inside the removed
// stretch at its start, after it moved by the change of length. A span's exclusive
// end at the edit position stays: text inserted there follows the span.
int Moved(int position, int editStart, int removed, int added, bool isEnd)
{
    if (position < editStart || (isEnd && position == editStart))
        return position;
    if (position < editStart + removed)
        return editStart;
    return position - removed + added;
}

void Remove(TSledzZdanie& sentence)
{
    sentence.Start = sentence.End = -1;
    sentence.Words.clear();
}

} // namespace

void TSledzOkno::Clear()
{
    sentences_.clear();
}

void TSledzOkno::Append(int start, int end, std::vector<TSledzSlowo> words)
{
    const int index = sentences_.empty() ? 0 : sentences_.back().Index + 1;
    sentences_.push_back({start, end, index, std::move(words)});
}

TSledzZdanie* TSledzOkno::Find(int index)
{
    const auto found =
        std::find_if(sentences_.begin(), sentences_.end(), [index](const TSledzZdanie& s) { return s.Index == index; });
    return found == sentences_.end() ? nullptr : &*found;
}

const TSledzZdanie* TSledzOkno::Sentence(int index) const
{
    return const_cast<TSledzOkno*>(this)->Find(index);
}

const TSledzZdanie* TSledzOkno::SentenceAt(int position) const
{
    for (const TSledzZdanie& sentence : sentences_)
        if (!sentence.Removed() && sentence.End > position)
            return sentence.Start <= position ? &sentence : nullptr;
    return nullptr;
}

std::optional<TMiejsceSlowa> TSledzOkno::WordAt(int position) const
{
    const TSledzZdanie* sentence = SentenceAt(position);
    if (sentence == nullptr)
        return std::nullopt;
    const int offset = position - sentence->Start;
    for (std::size_t w = 0; w < sentence->Words.size(); ++w)
        if (sentence->Words[w].Start <= offset && offset <= sentence->Words[w].End && !sentence->Words[w].Text.empty())
            return TMiejsceSlowa{sentence->Index, static_cast<int>(w)};
    return std::nullopt;
}

const TSledzSlowo* TSledzOkno::Word(int sentence, int word) const
{
    const TSledzZdanie* found = Sentence(sentence);
    if (found == nullptr || word < 0 || word >= static_cast<int>(found->Words.size()))
        return nullptr;
    return &found->Words[static_cast<std::size_t>(word)];
}

void TSledzOkno::ReplaceWords(int index, std::vector<TSledzSlowo> words, int lengthChange)
{
    TSledzZdanie* sentence = Find(index);
    if (sentence == nullptr || sentence->Removed())
        return;
    sentence->Words = std::move(words);
    sentence->End += lengthChange;
    for (TSledzZdanie& later : sentences_)
        if (later.Index > index && !later.Removed()) {
            later.Start += lengthChange;
            later.End += lengthChange;
        }
    if (sentence->End <= sentence->Start)
        Remove(*sentence);
}

void TSledzOkno::Adjust(int position, int removed, int added)
{
    for (TSledzZdanie& sentence : sentences_) {
        if (sentence.Removed() || sentence.End < position)
            continue;
        const int start = sentence.Start;
        for (TSledzSlowo& word : sentence.Words) {
            word.Start = Moved(start + word.Start, position, removed, added, false);
            word.End = Moved(start + word.End, position, removed, added, true);
            if (word.End <= word.Start) {
                word.End = word.Start;
                word.Text.clear();
                word.Lemma.clear();
            }
        }
        sentence.Start = Moved(sentence.Start, position, removed, added, false);
        sentence.End = Moved(sentence.End, position, removed, added, true);
        for (TSledzSlowo& word : sentence.Words) {
            word.Start -= sentence.Start;
            word.End -= sentence.Start;
        }
        if (sentence.End <= sentence.Start)
            Remove(sentence);
    }
}

} // namespace velmar
