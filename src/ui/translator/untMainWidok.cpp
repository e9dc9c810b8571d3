// The translator window's views beside its two panes: the dictionary pane left or
// right of them (or none), following the source caret, and the sentence-pair view of
// the followed sentences side by side.
#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <tuple>

#include "core/app/untUstawienia.h"
#include "platform/untQtTekst.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanelSlownika.h"

namespace velmar {

namespace {

enum : int { kSlownikWOknie = 418, kSlownikBrak = 419, kSlownikZLewej = 420, kSlownikZPrawej = 421, kZdania = 425 };
constexpr int kMinZdania = 50;

// A followed sentence's text, trimmed, with its line breaks as the lines it takes.
QStringList SentenceLines(const QTextEdit& pane, const TSledzZdanie* sentence)
{
    if (sentence == nullptr || sentence->Removed())
        return {QString()};
    QTextCursor cursor(pane.document());
    cursor.setPosition(std::min(sentence->Start, pane.document()->characterCount() - 1));
    cursor.setPosition(std::min(sentence->End, pane.document()->characterCount() - 1), QTextCursor::KeepAnchor);
    QString text = cursor.selectedText().trimmed();
    text.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    return text.split(QChar::LineSeparator);
}

QTextEdit* NewSentenceView(QWidget* parent, const char* name)
{
    auto* view = new QTextEdit(parent);
    view->setObjectName(name);
    view->setReadOnly(true);
    view->setLineWrapMode(QTextEdit::NoWrap);
    return view;
}

} // namespace

void TfrmMain::CreateViews()
{
    pnlTransSlownik_ = new TPanelSlownika(splitterSlownik_);
    pnlTransSlownik_->hide();
    connect(redGora_, &QTextEdit::cursorPositionChanged, this, &TfrmMain::FollowCaretInDictionary);

    pnlZdania_ = new QWidget(splitter_);
    pnlZdania_->setObjectName("pnlZdania");
    pnlZdania_->setMinimumHeight(kMinZdania);
    auto* layout = new QHBoxLayout(pnlZdania_);
    layout->setContentsMargins(0, 0, 0, 0);
    redZdaniaLeft_ = NewSentenceView(pnlZdania_, "redZdaniaLeft");
    redZdaniaRight_ = NewSentenceView(pnlZdania_, "redZdaniaRight");
    layout->addWidget(redZdaniaLeft_);
    layout->addWidget(redZdaniaRight_);
    // Both sides scroll together, pair by pair.
    connect(redZdaniaLeft_->verticalScrollBar(), &QScrollBar::valueChanged, redZdaniaRight_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(redZdaniaRight_->verticalScrollBar(), &QScrollBar::valueChanged, redZdaniaLeft_->verticalScrollBar(),
            &QScrollBar::setValue);
    splitter_->addWidget(pnlZdania_);
    pnlZdania_->hide();
}

void TfrmMain::CreateViewCommands(QMenu* menu)
{
    auto* placeMenu = menu->addMenu(QString());
    placeMenu->setObjectName("mniNarzedziaSlownikWOknie");
    PrzypiszNapis(placeMenu, kSlownikWOknie);
    auto* places = new QActionGroup(this);
    for (auto [layout, textId, name] : {std::tuple{0, kSlownikBrak, "mniNarzedziaSlownikWOknieBrak"},
                                        std::tuple{1, kSlownikZLewej, "mniNarzedziaSlownikWOknieZLewej"},
                                        std::tuple{2, kSlownikZPrawej, "mniNarzedziaSlownikWOknieZPrawej"}}) {
        QAction* action = AddCommand(placeMenu, name, textId, {},
                                     [layout = layout] { Ustawienia().SetDictionaryPaneLayout(layout); });
        action->setCheckable(true);
        action->setActionGroup(places);
        connect(placeMenu, &QMenu::aboutToShow, action,
                [action, layout = layout] { action->setChecked(Ustawienia().TransSlownik == layout); });
    }
    actZdania_ = AddCommand(menu, "actZdania", kZdania, {}, [this] { ShowSentencePairs(actZdania_->isChecked()); });
    actZdania_->setCheckable(true);
}

void TfrmMain::PlaceDictionaryPane()
{
    const int layout = Ustawienia().TransSlownik;
    if (layout == 0) {
        pnlTransSlownik_->hide();
        return;
    }
    splitterSlownik_->insertWidget(layout == 1 ? 0 : 1, pnlTransSlownik_);
    const int width = std::max(splitterSlownik_->width(), 100);
    const int paneWidth = width * std::clamp(Ustawienia().TransSlownikRatio, 5, 95) / 100;
    splitterSlownik_->setSizes(layout == 1 ? QList<int>{paneWidth, width - paneWidth}
                                           : QList<int>{width - paneWidth, paneWidth});
    if (!pnlTransSlownik_->isVisible()) {
        pnlTransSlownik_->Clear();
        pnlTransSlownik_->show();
        FollowCaretInDictionary();
    }
}

void TfrmMain::FollowCaretInDictionary()
{
    if (pnlTransSlownik_->isHidden())
        return;
    QTextCursor cursor = redGora_->textCursor();
    cursor.clearSelection();
    cursor.select(QTextCursor::WordUnderCursor);
    pnlTransSlownik_->ShowWord(FromQString(cursor.selectedText()));
}

void TfrmMain::ShowSentencePairs(bool on)
{
    actZdania_->setChecked(on);
    redZdaniaLeft_->clear();
    redZdaniaRight_->clear();
    pnlZdania_->setVisible(on);
    if (!on)
        return;
    QStringList left, right;
    for (int index = 0; index < std::max(sledzGora_.Count(), sledzDol_.Count()); ++index) {
        const TSledzZdanie* source = sledzGora_.Sentence(index);
        const TSledzZdanie* target = sledzDol_.Sentence(index);
        if ((source == nullptr || source->Removed()) && (target == nullptr || target->Removed()))
            continue;
        QStringList sourceLines = SentenceLines(*redGora_, source);
        QStringList targetLines = SentenceLines(*redDol_, target);
        // The next pair starts on the same line on both sides.
        const auto lines = std::max(sourceLines.size(), targetLines.size());
        while (sourceLines.size() < lines)
            sourceLines << QString();
        while (targetLines.size() < lines)
            targetLines << QString();
        left << sourceLines;
        right << targetLines;
    }
    redZdaniaLeft_->setPlainText(left.join('\n'));
    redZdaniaRight_->setPlainText(right.join('\n'));
}

} // namespace velmar
