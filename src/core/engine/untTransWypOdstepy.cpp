// The spaces between rendered words. Segmentation keeps the source's spaces in the
// texts around the words; once some words render as nothing, or a comma is put
// before a word, those texts would leave two spaces or none. FixSpacing leaves one.
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

bool DropTrailingSpace(std::string& text)
{
    if (text.empty() || text.back() != ' ')
        return false;
    text.pop_back();
    return true;
}

bool DropLeadingSpace(std::string& text)
{
    if (text.empty() || text.front() != ' ')
        return false;
    text.erase(0, 1);
    return true;
}

// The texts between word i and its neighbours.
struct TOtoczenie {
    std::string& Przed;
    std::string& Po;
    std::string& PreviousPo; // a scratch string for the first word
    std::string& NextPrzed;  // a scratch string for the last word
};

// A word that renders as nothing takes one of the spaces around it along; before
// anything is rendered, the space after it ("J'ai mangé" → "Zjadłem").
void DropSpaceOfSuppressed(TOtoczenie& around, const std::string& preText, bool nextRendered, bool renderedBefore)
{
    if (!renderedBefore && preText.empty()) {
        if (!DropLeadingSpace(around.Po) && around.Po.empty())
            DropLeadingSpace(around.NextPrzed);
        return;
    }
    if (preText.empty() && DropTrailingSpace(around.Przed))
        return;
    if (around.Przed.empty() && DropTrailingSpace(around.PreviousPo))
        return;
    // A word written against the word before it ("Pouvez-vous m'aider") leaves the
    // space after it to separate its neighbours.
    if (preText.empty() && around.Przed.empty() && around.PreviousPo.empty())
        return;
    if (nextRendered || EndsWith(preText, " "))
        if (!DropLeadingSpace(around.Po) && around.Po.empty())
            DropLeadingSpace(around.NextPrzed);
}

// A comma put before a word sits against the word before it.
void TakeSpaceBeforeComma(TOtoczenie& around)
{
    if (!around.Przed.empty())
        DropTrailingSpace(around.Przed);
    else
        DropTrailingSpace(around.PreviousPo);
}

bool IsCommaWord(const TCustomWypSlowo& word)
{
    return word.Text == ",";
}
bool IsCommaOrHyphenWord(const TCustomWypSlowo& word)
{
    return word.Text == "," || word.Text == "-";
}

// The texts around word i (in range); the scratch strings stand in for a missing
// neighbour.
TOtoczenie AroundWord(TCustomWypSlowa& words, int i, std::string& noPrevious, std::string& noNext)
{
    return {words.Around(i).Przed, words.Around(i).Po, i > 0 ? words.Around(i - 1).Po : noPrevious,
            i + 1 < words.Count() ? words.Around(i + 1).Przed : noNext};
}

} // namespace

void TCustomWypSlowa::PutCommaBefore(int i)
{
    if (!InRange(i))
        return;
    Word(i).PreText.insert(0, ", ");
    std::string noPrevious, noNext;
    TOtoczenie around = AroundWord(*this, i, noPrevious, noNext);
    TakeSpaceBeforeComma(around);
}

void TCustomWypSlowa::FixSpacing()
{
    const bool polishSource = Language() == jezPolski;
    bool renderedBefore = false;
    for (int i = 0; i < Count(); ++i) {
        TCustomWypSlowo& word = Word(i);
        const bool hasPrevious = i > 0, hasNext = i + 1 < Count();
        std::string noPrevious, noNext;
        TOtoczenie around = AroundWord(*this, i, noPrevious, noNext);

        if (StartsWith(word.PreText, ",")) {
            TakeSpaceBeforeComma(around);
        } else if (word.Translate || IsCommaOrHyphenWord(word)) {
            // Words that the source wrote together but the target needs apart.
            if (IsCommaWord(word) && !word.Translate && around.Przed.empty() && around.Po.empty() && hasPrevious &&
                hasNext && around.PreviousPo.empty() && around.NextPrzed.empty())
                around.Po = " ";
            if (polishSource && hasPrevious && word.Translate && Word(i - 1).Translate && !IsCommaOrHyphenWord(word) &&
                !IsCommaOrHyphenWord(Word(i - 1)) && around.PreviousPo.empty() && around.Przed.empty())
                around.PreviousPo = " ";
        } else {
            DropSpaceOfSuppressed(around, word.PreText, hasNext && Word(i + 1).Translate, renderedBefore);
        }
        renderedBefore = renderedBefore || word.Translate || !word.PreText.empty();
    }
}

} // namespace velmar
