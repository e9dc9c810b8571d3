// The notes window: what the user sees and what reaches the notes file.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "support/TempFolder.h"
#include "ui/browser/untNotatki.h"

namespace velmar {
namespace {

class NotatkiWindowTest : public ::testing::Test {
protected:
    NotatkiWindowTest()
    {
        Prepare(window);
        window.LoadNotes();
    }

    void Prepare(TfrmNotatki& w)
    {
        w.SetTexts([](int id) { return QStringLiteral("T%1").arg(id); });
        w.SetQuestion([this](int id) {
            asked.push_back(id);
            return answer;
        });
        w.SetLanguages(jezFrancuski, jezPolski);
        w.SetNotesFile(file);
    }

    bool ControlsEnabled() const
    {
        return window.NoteBox()->isEnabled() && window.DeleteButton()->isEnabled() &&
               window.DeleteAllButton()->isEnabled() && window.GoToButton()->isEnabled();
    }

    test::TempFolder folder;
    std::filesystem::path file = folder / "notfrpl2.dat";
    std::vector<int> asked;
    bool answer = true;
    TfrmNotatki window;
};

TEST_F(NotatkiWindowTest, CaptionsComeFromTheInterfaceTexts)
{
    EXPECT_EQ(window.windowTitle(), "T1451");
    EXPECT_EQ(window.GoToButton()->text(), "T1452");
    EXPECT_EQ(window.DeleteButton()->text(), "T27");
    EXPECT_EQ(window.DeleteAllButton()->text(), "T1453");
    EXPECT_EQ(window.CloseButton()->text(), "T25");
    EXPECT_FALSE(ControlsEnabled()) << "no notes yet";
}

TEST(NotatkiWindow, WithoutOwnTextsTheProgramsInterfaceTextsAreShown)
{
    TfrmNotatki window;
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Notatki"));
    EXPECT_EQ(window.GoToButton()->text(), QString::fromUtf8("&Idź do hasła"));
}

TEST_F(NotatkiWindowTest, TypedNoteSurvivesSaveAndReopenWithItsLineBreaks)
{
    window.AddNote("maison");
    ASSERT_TRUE(ControlsEnabled());
    QTest::keyClicks(window.NoteBox(), "dom");
    QTest::keyClick(window.NoteBox(), Qt::Key_Return);
    window.NoteBox()->insertPlainText(QString::fromUtf8("gęś"));
    window.AddNote("chat");
    window.NoteBox()->setPlainText("kot");
    ASSERT_TRUE(window.SaveNotes());
    EXPECT_EQ(test::TempFolder::Read(file), FromUtf8("maison=dom\x02\x02gęś\r\nchat=kot\r\n"));

    TfrmNotatki reopened;
    Prepare(reopened);
    reopened.LoadNotes();
    ASSERT_EQ(reopened.HeadwordList()->count(), 2);
    EXPECT_EQ(reopened.HeadwordList()->currentRow(), 0);
    EXPECT_EQ(reopened.NoteBox()->toPlainText(), QString::fromUtf8("dom\ngęś"));
    EXPECT_EQ(reopened.NoteOf("Maison"), QString::fromUtf8("dom\r\ngęś"));
}

TEST_F(NotatkiWindowTest, AddingAnExistingHeadwordSelectsItsNoteWithTheCaretAtTheEnd)
{
    window.AddNote("Maison");
    window.NoteBox()->setPlainText("dom");
    window.AddNote("chat");
    window.AddNote("maison");
    EXPECT_EQ(window.HeadwordList()->count(), 2);
    EXPECT_EQ(window.HeadwordList()->currentRow(), 0);
    EXPECT_EQ(window.NoteBox()->toPlainText(), "dom");
    EXPECT_EQ(window.NoteBox()->textCursor().position(), 3);
}

TEST_F(NotatkiWindowTest, ClearingANoteKeepsItsHeadword)
{
    window.AddNote("maison");
    window.NoteBox()->setPlainText("dom");
    window.NoteBox()->clear();
    ASSERT_EQ(window.Notes().Count(), 1);
    EXPECT_EQ(window.Notes().Value(0), "");
}

TEST_F(NotatkiWindowTest, DeletingSelectsTheNewLastAndTheOnlyOneDisablesTheControls)
{
    for (const char* headword : {"un", "deux", "trois"})
        window.AddNote(headword);
    window.HeadwordList()->setCurrentRow(2);
    window.DeleteButton()->click();
    EXPECT_EQ(window.HeadwordList()->currentItem()->text(), "deux");
    window.DeleteButton()->click();
    window.DeleteButton()->click();
    EXPECT_EQ(window.HeadwordList()->count(), 0);
    EXPECT_EQ(window.Notes().Count(), 0);
    EXPECT_FALSE(ControlsEnabled());
}

TEST_F(NotatkiWindowTest, DeleteAllAsksAndThenRemovesTheFileOnSave)
{
    window.AddNote("maison");
    window.NoteBox()->setPlainText("dom");
    ASSERT_TRUE(window.SaveNotes());
    answer = false;
    window.DeleteAllButton()->click();
    EXPECT_EQ(asked, std::vector<int>{121});
    EXPECT_EQ(window.Notes().Count(), 1);
    answer = true;
    window.DeleteAllButton()->click();
    EXPECT_EQ(window.Notes().Count(), 0);
    EXPECT_FALSE(ControlsEnabled());
    ASSERT_TRUE(window.SaveNotes());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(NotatkiWindowTest, NotesShowInTheInterfaceLanguage)
{
    folder.Write("notfrpl2.dat", "maison=\xea\r\n");
    window.LoadNotes();
    EXPECT_EQ(window.NoteOf("maison"), QString::fromUtf8("ę"));
    window.SetLanguages(jezFrancuski, jezFrancuski);
    EXPECT_EQ(window.NoteOf("maison"), QString::fromUtf8("ê"));
}

TEST_F(NotatkiWindowTest, GoToHeadwordSendsTheSelectedHeadword)
{
    window.AddNote(FromUtf8("été"));
    QSignalSpy spy(&window, &TfrmNotatki::GoToHeadword);
    window.GoToButton()->click();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QString::fromUtf8("été"));
}

} // namespace
} // namespace velmar
