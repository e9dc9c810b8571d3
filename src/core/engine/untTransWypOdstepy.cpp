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

// A word that renders as nothing takes one of the spaces around it along.
void DropSpaceOfSuppressed(TOtoczenie& around, const std::string& preText, bool nextRendered)
{
    if (preText.empty() && DropTrailingSpace(around.Przed))
        return;
    if (around.Przed.empty() && DropTrailingSpace(around.PreviousPo))
        return;
    if (nextRendered || EndsWith(preText, " "))
        if (!DropLeadingSpace(around.Po) && around.Po.empty())
            DropLeadingSpace(around.NextPrzed);
}

bool IsCommaWord(const TCustomWypSlowo& word) { return word.Text == ","; }
bool IsCommaOrHyphenWord(const TCustomWypSlowo& word) { return word.Text == "," || word.Text == "-"; }

} // namespace

void TCustomWypSlowa::FixSpacing()
{
    const bool polishSource = Language() == jezPolski;
    for (int i = 0; i < Count(); ++i) {
        TCustomWypSlowo& word = Word(i);
        const bool hasPrevious = i > 0, hasNext = i + 1 < Count();
        std::string noPrevious, noNext;
        TOtoczenie around{around_[static_cast<std::size_t>(i)].Przed, around_[static_cast<std::size_t>(i)].Po,
                          hasPrevious ? around_[static_cast<std::size_t>(i - 1)].Po : noPrevious,
                          hasNext ? around_[static_cast<std::size_t>(i + 1)].Przed : noNext};

        if (StartsWith(word.PreText, ",")) {
            // The comma sits against the word before it.
            if (!around.Przed.empty())
                DropTrailingSpace(around.Przed);
            else
                DropTrailingSpace(around.PreviousPo);
        } else if (word.Translate || IsCommaOrHyphenWord(word)) {
            // Words that the source wrote together but the target needs apart.
            if (IsCommaWord(word) && !word.Translate && around.Przed.empty() && around.Po.empty() && hasPrevious &&
                hasNext && around.PreviousPo.empty() && around.NextPrzed.empty())
                around.Po = " ";
            if (polishSource && hasPrevious && word.Translate && Word(i - 1).Translate && !IsCommaOrHyphenWord(word) &&
                !IsCommaOrHyphenWord(Word(i - 1)) && around.PreviousPo.empty() && around.Przed.empty())
                around.PreviousPo = " ";
        } else {
            DropSpaceOfSuppressed(around, word.PreText, hasNext && Word(i + 1).Translate);
        }
    }
}

} // namespace velmar
