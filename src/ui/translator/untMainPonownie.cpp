// The translator window's retranslation of the sentence chosen by sentence following:
// the source sentence is translated again (with the choices of the translation mode)
// into the hidden pane, and the result takes the place of the sentence's old
// translation, formatting included; both followers keep the new words.
#include <QAction>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"

namespace velmar {

namespace {

// The words of every sentence a follower recorded, as offsets from start.
std::vector<TSledzSlowo> WordsFrom(const TSledzOkno& follower, int start)
{
    std::vector<TSledzSlowo> words;
    for (int s = 0; s < follower.Count(); ++s) {
        const TSledzZdanie* sentence = follower.Sentence(s);
        if (sentence == nullptr || sentence->Removed())
            continue;
        for (TSledzSlowo word : sentence->Words) {
            word.Start += sentence->Start - start;
            word.End += sentence->Start - start;
            words.push_back(std::move(word));
        }
    }
    return words;
}

} // namespace

void TfrmMain::Retranslate()
{
    const TSledzZdanie* sentence = sledzGora_.Sentence(retranslated_);
    if (Busy() || sentence == nullptr || sentence->Removed())
        return;
    redUkryty_->clear();
    sledzUkrytyZrodlo_.Clear();
    sledzUkryty_.Clear();
    StartRun({*panelGora_, *panelUkryty_, &sledzUkrytyZrodlo_, &sledzUkryty_}, sentence->Start, sentence->End, false,
             [this] { TakeRetranslation(); });
}

void TfrmMain::TakeRetranslation()
{
    const TSledzZdanie* source = sledzGora_.Sentence(retranslated_);
    const TSledzZdanie* target = sledzDol_.Sentence(retranslated_);
    const TSledzZdanie* first = sledzUkryty_.Sentence(0);
    const TSledzZdanie* last = sledzUkryty_.Sentence(sledzUkryty_.Count() - 1);
    if (source == nullptr || target == nullptr || target->Removed() || first == nullptr || last == nullptr)
        return;
    QTextCursor from(redUkryty_->document());
    from.setPosition(first->Start);
    from.setPosition(last->End, QTextCursor::KeepAnchor);
    QTextCursor into(redDol_->document());
    into.setPosition(target->Start);
    into.setPosition(target->End, QTextCursor::KeepAnchor);
    const int lengthChange = (last->End - first->Start) - (target->End - target->Start);
    const int index = retranslated_;
    const int sourceStart = source->Start;
    changingPanes_ = true;
    into.insertFragment(from.selection());
    changingPanes_ = false;
    redDol_->document()->setModified(true);
    sledzDol_.ReplaceWords(index, WordsFrom(sledzUkryty_, first->Start), lengthChange);
    sledzGora_.ReplaceWords(index, WordsFrom(sledzUkrytyZrodlo_, sourceStart), 0);
    FollowAt(0, sourceStart);
}

} // namespace velmar
