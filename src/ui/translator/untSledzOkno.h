#pragma once
// The follower of one pane: the span of every translated sentence in the pane and of
// its words, by sentence index, so that a sentence or a word of one pane finds its
// counterpart in the other. Edits of the pane move or shrink the spans after them.
// Positions are pane positions, ends exclusive.

#include <optional>
#include <vector>

#include "core/engine/untTranslatorHost.h"

namespace velmar {

struct TSledzZdanie {
    int Start = -1; // −1 when the sentence was deleted
    int End = -1;
    int Index = 0;                  // 0 for the first sentence, then +1
    std::vector<TSledzSlowo> Words; // offsets from Start

    bool Removed() const { return Start < 0; }
};

// A word found by position: its sentence's index and its place in the sentence.
struct TMiejsceSlowa {
    int Sentence = -1;
    int Word = -1;
};

class TSledzOkno {
public:
    void Clear();
    void Append(int start, int end, std::vector<TSledzSlowo> words);
    int Count() const { return static_cast<int>(sentences_.size()); }

    const TSledzZdanie* Sentence(int index) const;
    // The first sentence whose end is above position, when it starts at or before it.
    const TSledzZdanie* SentenceAt(int position) const;
    std::optional<TMiejsceSlowa> WordAt(int position) const;
    const TSledzSlowo* Word(int sentence, int word) const;

    // After a retranslation: the sentence takes new words, and its end and every later
    // span move by the change of pane length.
    void ReplaceWords(int index, std::vector<TSledzSlowo> words, int lengthChange);
    // An edit at position removed removed characters and inserted added ones.
    void Adjust(int position, int removed, int added);

private:
    TSledzZdanie* Find(int index);

    std::vector<TSledzZdanie> sentences_;
};

} // namespace velmar
