// The translator window's sentence and word following: the two commands that switch
// it on, the double click that selects a sentence or a word with its counterpart in
// the other pane, and the followers kept in step with every edit of the panes.
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int { kSledzZdania = 423, kSledzSlowa = 424 };

// The double click's own word selection comes first; following replaces it after.
class TPodwojneKlikniecie : public QObject {
public:
    TPodwojneKlikniecie(QTextEdit* pane, std::function<void(int)> follow)
        : QObject(pane), pane_(pane), follow_(std::move(follow))
    {
        pane->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            QTimer::singleShot(0, pane_, [this] { follow_(pane_->textCursor().position()); });
        return false;
    }

private:
    QTextEdit* pane_;
    std::function<void(int)> follow_;
};

void SelectSpan(QTextEdit& pane, int start, int end)
{
    QTextCursor cursor(pane.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
}

struct TZmiana {
    int Position = 0;
    int Removed = 0;
    int Added = 0;
};

// The edit that turns before into after, searched from from on.
TZmiana ChangeBetween(const QString& before, const QString& after, int from)
{
    const auto shorter = std::min(before.size(), after.size());
    auto prefix = std::clamp<qsizetype>(from, 0, shorter);
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {static_cast<int>(prefix), static_cast<int>(before.size() - prefix - suffix),
            static_cast<int>(after.size() - prefix - suffix)};
}

bool InPane(const QTextEdit& pane, int start, int end)
{
    return start >= 0 && start <= end && end < pane.document()->characterCount();
}

} // namespace

void TfrmMain::CreateFollowingCommands(QMenu* menu)
{
    menu->addSeparator();
    actSledzZdania_ = AddCommand(menu, "actSledzZdania", kSledzZdania, {},
                                 [this] { Ustawienia().SledzZdania = actSledzZdania_->isChecked(); });
    actSledzSlowa_ = AddCommand(menu, "actSledzSlowa", kSledzSlowa, {},
                                [this] { Ustawienia().SledzSlowa = actSledzSlowa_->isChecked(); });
    for (QAction* action : {actSledzZdania_, actSledzSlowa_})
        action->setCheckable(true);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        actSledzZdania_->setChecked(Ustawienia().SledzZdania);
        actSledzSlowa_->setChecked(Ustawienia().SledzSlowa);
    });
    menu->addSeparator();
}

void TfrmMain::FollowPaneEdits(QTextEdit* pane)
{
    TSledzOkno& follower = pane == redDol_ ? sledzDol_ : sledzGora_;
    // The pane reports a stretch that holds the change, often a whole paragraph; the
    // text before the change tells where it really is.
    auto text = std::make_shared<QString>(pane->document()->toRawText());
    connect(pane->document(), &QTextDocument::contentsChange, this,
            [this, &follower, text, pane](int position, int, int) {
                const QString now = pane->document()->toRawText();
                const TZmiana change = ChangeBetween(*text, now, position);
                *text = now;
                if (changingPanes_ || (change.Removed == 0 && change.Added == 0))
                    return;
                ForgetRetranslation();
                if (change.Removed != change.Added)
                    follower.Adjust(change.Position, change.Removed, change.Added);
            });
    const int index = pane == redDol_ ? 1 : 0;
    new TPodwojneKlikniecie(pane, [this, index](int position) { FollowAt(index, position); });
}

bool TfrmMain::FollowAt(int pane, int position)
{
    if (Busy())
        return false;
    // Sentence following wins when both are on.
    if (Ustawienia().SledzZdania)
        return FollowSentence(pane, position);
    return Ustawienia().SledzSlowa && FollowWord(pane, position);
}

bool TfrmMain::FollowSentence(int pane, int position)
{
    const TSledzZdanie* here = Follower(pane).SentenceAt(position);
    const TSledzZdanie* there = here == nullptr ? nullptr : Follower(1 - pane).Sentence(here->Index);
    if (there == nullptr || there->Removed() || !InPane(*Pane(pane), here->Start, here->End) ||
        !InPane(*Pane(1 - pane), there->Start, there->End))
        return false;
    SelectSpan(*Pane(pane), here->Start, here->End);
    SelectSpan(*Pane(1 - pane), there->Start, there->End);
    retranslated_ = here->Index;
    actPonowniePrzetlumacz_->setVisible(true);
    return true;
}

void TfrmMain::ForgetRetranslation()
{
    retranslated_ = -1;
    if (actPonowniePrzetlumacz_ != nullptr)
        actPonowniePrzetlumacz_->setVisible(false);
}

bool TfrmMain::FollowWord(int pane, int position)
{
    const std::optional<TMiejsceSlowa> place = Follower(pane).WordAt(position);
    if (!place)
        return false;
    const TSledzSlowo* here = Follower(pane).Word(place->Sentence, place->Word);
    const TSledzSlowo* there = Follower(1 - pane).Word(place->Sentence, place->Word);
    if (there == nullptr || there->Text.empty())
        return false;
    const int hereStart = Follower(pane).Sentence(place->Sentence)->Start;
    const int thereStart = Follower(1 - pane).Sentence(place->Sentence)->Start;
    if (!InPane(*Pane(pane), hereStart + here->Start, hereStart + here->End) ||
        !InPane(*Pane(1 - pane), thereStart + there->Start, thereStart + there->End))
        return false;
    SelectSpan(*Pane(pane), hereStart + here->Start, hereStart + here->End);
    SelectSpan(*Pane(1 - pane), thereStart + there->Start, thereStart + there->End);
    return true;
}

} // namespace velmar
