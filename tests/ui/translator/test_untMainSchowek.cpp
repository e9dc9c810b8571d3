// The translator window and the clipboard, offscreen: "Tłumacz schowek" appending to
// or replacing the translation (an empty clipboard says so), and the clipboard import
// that replaces the source selection and marks the source modified.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextEdit>

#include "OknoTlumacza.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

class MainClipboard : public test::OknoTlumacza {
protected:
    MainClipboard() { Ustawienia().PytajCzyZapisac = false; }
    ~MainClipboard() override
    {
        Ustawienia().PytajCzyZapisac = true;
        Ustawienia().TlumaczPoImporcie = false;
    }

    void TranslateClipboard(const QString& text, bool append)
    {
        QApplication::clipboard()->setText(text);
        window.TranslateClipboardAction(append)->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    }
};

TEST_F(MainClipboard, TheClipboardIsTranslatedAfterOrInsteadOfTheTranslation)
{
    window.SourcePane()->setPlainText("source");
    TranslateClipboard("chat", false);
    EXPECT_EQ(window.TargetPane()->toPlainText(), "kot");
    TranslateClipboard("chat", true);
    EXPECT_EQ(window.TargetPane()->toPlainText(), "kotkot");
    TranslateClipboard("temps", false);
    EXPECT_EQ(window.TargetPane()->toPlainText(), "czas {pogoda}");
    EXPECT_EQ(window.SourcePane()->toPlainText(), "source") << "the source pane is not involved";
    EXPECT_TRUE(window.TargetPane()->document()->isModified());
    EXPECT_TRUE(questions.Zadane().empty());
}

TEST_F(MainClipboard, AnEmptyClipboardSaysSo)
{
    QApplication::clipboard()->clear();
    window.TranslateClipboardAction(false)->trigger();
    EXPECT_FALSE(window.Busy());
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, Napis(136).toStdU16String());
}

TEST_F(MainClipboard, TheImportReplacesTheSourceSelectionAndMarksTheSourceModified)
{
    window.SourcePane()->setPlainText("le chien dort");
    window.SourcePane()->document()->setModified(false);
    window.TargetPane()->setFocus(); // the active pane is not the one changed
    QTextCursor selection = window.SourcePane()->textCursor();
    selection.setPosition(3);
    selection.setPosition(8, QTextCursor::KeepAnchor);
    window.SourcePane()->setTextCursor(selection);

    QApplication::clipboard()->setText("ignored");
    EXPECT_EQ(window.SourcePane()->toPlainText(), "le chien dort") << "the import is off";
    window.ClipboardImportAction()->trigger();
    EXPECT_EQ(window.ClipboardImportAction()->text(), Napis(411));
    QApplication::clipboard()->setText("chat");
    EXPECT_EQ(window.SourcePane()->toPlainText(), "le chat dort");
    EXPECT_TRUE(window.SourcePane()->document()->isModified());
    EXPECT_FALSE(window.TargetPane()->document()->isModified());

    Ustawienia().TlumaczPoImporcie = true;
    window.SourcePane()->selectAll();
    QApplication::clipboard()->setText("chat");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy() && !window.TargetPane()->toPlainText().isEmpty(); }));
    EXPECT_EQ(window.TargetPane()->toPlainText(), "kot");

    window.ClipboardImportAction()->trigger();
    EXPECT_EQ(window.ClipboardImportAction()->text(), Napis(410));
    QApplication::clipboard()->setText("temps");
    EXPECT_EQ(window.SourcePane()->toPlainText(), "chat");
}

} // namespace
} // namespace velmar
