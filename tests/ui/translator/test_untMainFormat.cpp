// The translator window's formatting toolbar and layout commands, offscreen: each
// format button changes the active pane's selection and shows the format at the
// caret; the screen split and the bars follow their commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

#include "core/app/untUstawienia.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

class MainFormat : public ::testing::Test {
protected:
    MainFormat()
    {
        window.SourcePane()->setPlainText("le chat dort\nici");
        Select(3, 7); // "chat"
    }
    ~MainFormat() override
    {
        Ustawienia().WidokPoziomy = true;
        Ustawienia().PasekNarzedziowy = true;
        Ustawienia().PasekFormatowania = true;
        Ustawienia().PasekStanuProgramu = true;
    }

    void Select(int start, int end)
    {
        QTextCursor cursor(window.SourcePane()->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        window.SourcePane()->setTextCursor(cursor);
    }
    QTextCharFormat FormatAt(int position)
    {
        QTextCursor cursor(window.SourcePane()->document());
        cursor.setPosition(position);
        return cursor.charFormat();
    }
    QAction* Command(const char* name) { return window.findChild<QAction*>(name); }

    TfrmMain window;
};

TEST_F(MainFormat, TheButtonsFormatTheSelectionAndShowTheFormatAtTheCaret)
{
    Command("actPogrubienie")->trigger();
    Command("actKursywa")->trigger();
    Command("actPodkreslenie")->trigger();
    auto* size = window.findChild<QComboBox*>("cmbRozmiar");
    size->setCurrentText("18");
    emit size->textActivated("18");
    for (const int position : {5, 7}) {
        EXPECT_TRUE(FormatAt(position).font().bold()) << position;
        EXPECT_TRUE(FormatAt(position).fontItalic()) << position;
        EXPECT_TRUE(FormatAt(position).fontUnderline()) << position;
        EXPECT_EQ(FormatAt(position).fontPointSize(), 18) << position;
    }
    EXPECT_FALSE(FormatAt(2).font().bold()) << "before the selection";
    EXPECT_FALSE(FormatAt(9).font().bold()) << "after it";

    Select(10, 10);
    EXPECT_FALSE(Command("actPogrubienie")->isChecked());
    Select(5, 5);
    EXPECT_TRUE(Command("actPogrubienie")->isChecked());
    EXPECT_TRUE(Command("actKursywa")->isChecked());
    EXPECT_EQ(size->currentText(), "18");
}

TEST_F(MainFormat, AlignmentBulletsAndIndentChangeTheParagraph)
{
    const QTextBlock first = window.SourcePane()->document()->firstBlock();
    Command("actSrodek")->trigger();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft)
        << "the next paragraph stays";
    Command("actWypunktowanie")->trigger();
    EXPECT_NE(first.textList(), nullptr);
    Command("actWypunktowanie")->trigger();
    EXPECT_EQ(window.SourcePane()->document()->firstBlock().textList(), nullptr);
    Command("actZwiekszWciecie")->trigger();
    Command("actZwiekszWciecie")->trigger();
    EXPECT_EQ(window.SourcePane()->document()->firstBlock().blockFormat().indent(), 2);
    for (int i = 0; i < 3; ++i)
        Command("actZmniejszWciecie")->trigger();
    EXPECT_EQ(window.SourcePane()->document()->firstBlock().blockFormat().indent(), 0);
}

TEST_F(MainFormat, TheSplitAndTheBarsFollowTheirCommands)
{
    auto* panes = window.findChild<QSplitter*>("splPanele");
    EXPECT_EQ(panes->orientation(), Qt::Vertical);
    Command("actWidok")->trigger();
    EXPECT_EQ(panes->orientation(), Qt::Horizontal);
    Command("actWidok")->trigger();
    EXPECT_EQ(panes->orientation(), Qt::Vertical);

    for (const auto& [command, bar] :
         {std::pair{"mniOpcjePasekNarz", static_cast<QWidget*>(window.findChild<QToolBar*>("tbrMain"))},
          std::pair{"mniFormatPasek", static_cast<QWidget*>(window.findChild<QToolBar*>("tbrFormat"))},
          std::pair{"mniOpcjePasekStanuProgramu", static_cast<QWidget*>(window.statusBar())}}) {
        EXPECT_TRUE(bar->isVisibleTo(&window)) << command;
        Command(command)->trigger();
        EXPECT_FALSE(bar->isVisibleTo(&window)) << command;
        Command(command)->trigger();
        EXPECT_TRUE(bar->isVisibleTo(&window)) << command;
    }
}

} // namespace
} // namespace velmar
