// The translator window's formatting toolbar over the active pane (font name and size,
// bold, italic, underline, alignment, bullets, indent), following the format at the
// caret; and the layout commands: the screen split, the bars shown or hidden.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <tuple>

#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int {
    kFormatowanie = 357,
    kRozmiar = 358,
    kDoLewej = 359,
    kSrodek = 360,
    kDoPrawej = 361,
    kJustuj = 362,
    kWypunktowanie = 363,
    kZwiekszWciecie = 364,
    kZmniejszWciecie = 365,
    kPogrubienie = 808,
    kKursywa = 809,
    kPodkreslenie = 810,
    kPokazFormat = 353,
    kUkryjFormat = 354,
    kPokazNarzedzia = 461,
    kUkryjNarzedzia = 462,
    kPokazStan = 472,
    kUkryjStan = 473,
    kPodzialPionowy = 466,
    kPodzialPoziomy = 467,
    kWidok = 469,
};

QAction* ToggleOn(QToolBar* bar, const char* name, int textId, const QString& label)
{
    QAction* action = bar->addAction(label);
    action->setObjectName(name);
    action->setCheckable(true);
    PrzypiszNapis(action, textId);
    action->setIconText(label); // the caption is the hint; the button shows the letter
    return action;
}

} // namespace

void TfrmMain::CreateFormatBar()
{
    tbrFormat_ = addToolBar(QString());
    tbrFormat_->setObjectName("tbrFormat");
    PrzypiszNapis(tbrFormat_, kFormatowanie);
    cmbCzcionka_ = new QFontComboBox(tbrFormat_);
    cmbCzcionka_->setObjectName("cmbCzcionka");
    tbrFormat_->addWidget(cmbCzcionka_);
    cmbRozmiar_ = new QComboBox(tbrFormat_);
    cmbRozmiar_->setObjectName("cmbRozmiar");
    cmbRozmiar_->setEditable(true);
    for (const int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 36, 48, 72})
        cmbRozmiar_->addItem(QString::number(size));
    PrzypiszNapis(cmbRozmiar_, kRozmiar);
    tbrFormat_->addWidget(cmbRozmiar_);
    connect(cmbCzcionka_, &QFontComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat format;
        format.setFontFamilies({family});
        MergeFormat(format);
    });
    connect(cmbRozmiar_, &QComboBox::textActivated, this, [this](const QString& size) {
        if (size.toDouble() <= 0)
            return;
        QTextCharFormat format;
        format.setFontPointSize(size.toDouble());
        MergeFormat(format);
    });

    tbrFormat_->addSeparator();
    actPogrubienie_ = ToggleOn(tbrFormat_, "actPogrubienie", kPogrubienie, QStringLiteral("B"));
    actKursywa_ = ToggleOn(tbrFormat_, "actKursywa", kKursywa, QStringLiteral("I"));
    actPodkreslenie_ = ToggleOn(tbrFormat_, "actPodkreslenie", kPodkreslenie, QStringLiteral("U"));
    connect(actPogrubienie_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        MergeFormat(format);
    });
    connect(actKursywa_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        MergeFormat(format);
    });
    connect(actPodkreslenie_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        MergeFormat(format);
    });

    tbrFormat_->addSeparator();
    auto* alignments = new QActionGroup(this);
    for (auto [alignment, textId, name, label] : {std::tuple{Qt::AlignLeft, kDoLewej, "actDoLewej", "⇤"},
                                                  std::tuple{Qt::AlignHCenter, kSrodek, "actSrodek", "↔"},
                                                  std::tuple{Qt::AlignRight, kDoPrawej, "actDoPrawej", "⇥"},
                                                  std::tuple{Qt::AlignJustify, kJustuj, "actJustuj", "☰"}}) {
        QAction* action = ToggleOn(tbrFormat_, name, textId, QString::fromUtf8(label));
        action->setActionGroup(alignments);
        action->setData(static_cast<int>(alignment));
        connect(action, &QAction::triggered, this,
                [this, alignment = alignment] { activePane_->setAlignment(alignment); });
    }
    alignments_ = alignments;

    tbrFormat_->addSeparator();
    actWypunktowanie_ = ToggleOn(tbrFormat_, "actWypunktowanie", kWypunktowanie, QString::fromUtf8("•"));
    connect(actWypunktowanie_, &QAction::triggered, this, [this](bool on) { SetBullets(on); });
    for (auto [step, textId, name, label] : {std::tuple{-1, kZmniejszWciecie, "actZmniejszWciecie", "⇠"},
                                             std::tuple{1, kZwiekszWciecie, "actZwiekszWciecie", "⇢"}}) {
        QAction* action = tbrFormat_->addAction(QString::fromUtf8(label));
        action->setObjectName(name);
        PrzypiszNapis(action, textId);
        action->setIconText(QString::fromUtf8(label));
        connect(action, &QAction::triggered, this, [this, step = step] { Indent(step); });
    }
    for (QTextEdit* pane : {redGora_, redDol_}) {
        connect(pane, &QTextEdit::currentCharFormatChanged, this, [this, pane] {
            if (pane == activePane_)
                ShowFormatAtCaret();
        });
        connect(pane, &QTextEdit::cursorPositionChanged, this, [this, pane] {
            if (pane == activePane_)
                ShowFormatAtCaret();
        });
    }
}

void TfrmMain::MergeFormat(const QTextCharFormat& format)
{
    QTextCursor cursor = activePane_->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    activePane_->mergeCurrentCharFormat(format);
}

void TfrmMain::SetBullets(bool on)
{
    QTextCursor cursor = activePane_->textCursor();
    cursor.beginEditBlock();
    if (on) {
        cursor.createList(QTextListFormat::ListDisc);
    } else if (QTextList* list = cursor.currentList()) {
        for (QTextBlock block = activePane_->document()->findBlock(cursor.selectionStart());
             block.isValid() && block.position() <= cursor.selectionEnd(); block = block.next())
            list->remove(block);
        QTextBlockFormat format = cursor.blockFormat();
        format.setIndent(0);
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void TfrmMain::Indent(int step)
{
    QTextCursor cursor = activePane_->textCursor();
    QTextBlockFormat format;
    format.setIndent(std::max(0, cursor.blockFormat().indent() + step));
    cursor.mergeBlockFormat(format);
}

void TfrmMain::ShowFormatAtCaret()
{
    const QTextCharFormat format = activePane_->currentCharFormat();
    const QFont font = format.font();
    const QSignalBlocker nameBlocker(cmbCzcionka_), sizeBlocker(cmbRozmiar_);
    cmbCzcionka_->setCurrentFont(font);
    cmbRozmiar_->setCurrentText(QString::number(font.pointSizeF() > 0 ? font.pointSizeF() : font.pointSize()));
    actPogrubienie_->setChecked(font.bold());
    actKursywa_->setChecked(font.italic());
    actPodkreslenie_->setChecked(font.underline());
    const Qt::Alignment alignment = activePane_->alignment() & Qt::AlignHorizontal_Mask;
    for (QAction* action : alignments_->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(alignment));
    actWypunktowanie_->setChecked(activePane_->textCursor().currentList() != nullptr);
}

void TfrmMain::CreateLayoutCommands(QMenu* optionsMenu)
{
    auto* viewMenu = optionsMenu->addMenu(QString());
    viewMenu->setObjectName("mniOpcjeWidok");
    PrzypiszNapis(viewMenu, kWidok);
    actWidok_ = AddCommand(viewMenu, "actWidok", kPodzialPionowy, {},
                           [] { Ustawienia().SetHorizontalSplit(!Ustawienia().WidokPoziomy); });
    actPasekNarz_ = AddCommand(viewMenu, "mniOpcjePasekNarz", kUkryjNarzedzia, {},
                               [] { Ustawienia().SetToolbarVisible(!Ustawienia().PasekNarzedziowy); });
    actPasekFormat_ = AddCommand(viewMenu, "mniFormatPasek", kUkryjFormat, {}, [this] {
        Ustawienia().PasekFormatowania = !Ustawienia().PasekFormatowania;
        ApplyLayout();
    });
    actPasekStanu_ = AddCommand(viewMenu, "mniOpcjePasekStanuProgramu", kUkryjStan, {}, [this] {
        Ustawienia().PasekStanuProgramu = !Ustawienia().PasekStanuProgramu;
        ApplyLayout();
    });
}

void TfrmMain::ApplyLayout()
{
    const TTransUstawienia& settings = Ustawienia();
    // A horizontal split of the screen puts the panes one above the other.
    splitter_->setOrientation(settings.WidokPoziomy ? Qt::Vertical : Qt::Horizontal);
    PrzypiszNapis(actWidok_, settings.WidokPoziomy ? kPodzialPionowy : kPodzialPoziomy);
    tbrMain_->setVisible(settings.PasekNarzedziowy);
    PrzypiszNapis(actPasekNarz_, settings.PasekNarzedziowy ? kUkryjNarzedzia : kPokazNarzedzia);
    tbrFormat_->setVisible(settings.PasekFormatowania);
    PrzypiszNapis(actPasekFormat_, settings.PasekFormatowania ? kUkryjFormat : kPokazFormat);
    statusBar()->setVisible(settings.PasekStanuProgramu);
    PrzypiszNapis(actPasekStanu_, settings.PasekStanuProgramu ? kUkryjStan : kPokazStan);
    PlaceDictionaryPane();
}

} // namespace velmar
