// The spell-check dialog over a pane and small Polish dictionaries, driven as a user
// drives it: the word shown with its proposals, each decision, adding a word, options.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/SlownikTestowy.h"
#include "core/tools/untPisownia.h"
#include "ui/tools/untPisownia2.h"
#include "ui/tools/untPisowniaOpcje.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class SpellDialog : public ::testing::Test {
protected:
    SpellDialog()
        : forms_("forms", jezPolski, test::ReadFixture("../tools/pol_forms.txt")),
          main_("main", jezPolski, "i_#C et\nżółw_#1m tortue\n"), user_("user", jezPolski, ""),
          untranslatable_("untranslatable", jezPolski, ""), pane_(&edit_, jezPolski)
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
    }

    // Opens the dialog on text from the caret at start, and waits for its first word.
    TfrmPisownia2& Open(const char* textUtf8, int start = 0)
    {
        pane_.SetText(FromUtf8(textUtf8));
        pane_.SetSelection(start, 0);
        dialog_ = std::make_unique<TfrmPisownia2>(
            pane_,
            TSlownikiPisowni{user_.Main(), static_cast<TTransSlownikOdwolan&>(*forms_.Dictionary), main_.Main(),
                             static_cast<TTransSlownikNieTlum&>(*untranslatable_.Dictionary)},
            options_, [this](const std::string& word) { return AddToUserDictionary(user_.Main(), word, "test"); });
        dialog_->show();
        return *dialog_;
    }

    // Waits until the dialog shows word (UTF-8) and its proposals are in.
    bool Shows(const char* word)
    {
        return QTest::qWaitFor([&] {
            return dialog_->WordLabel()->text() == QString::fromUtf8(word) && dialog_->ProposalList()->count() > 0;
        });
    }

    QString Text() const { return QString::fromStdU16String(ToWide(pane_.Text(), jezPolski)); }
    QString Selected() const { return edit_.textCursor().selectedText(); }

    test::SlownikTestowy forms_, main_, user_, untranslatable_;
    TOpcjeUstawien options_;
    QTextEdit edit_;
    TPanel pane_;
    std::unique_ptr<TfrmPisownia2> dialog_;
};

TEST_F(SpellDialog, ShowsTheUnknownWordWithItsProposals)
{
    TfrmPisownia2& dialog = Open("Pies ma kpta.");
    EXPECT_EQ(dialog.windowTitle(), "Sprawdź pisownię");
    ASSERT_TRUE(Shows("kpta"));
    EXPECT_EQ(Items(dialog.ProposalList()), QStringList{"kota"});
    EXPECT_EQ(dialog.ReplacementBox()->text(), "kpta");
    EXPECT_EQ(Selected(), "kpta");
    EXPECT_EQ(dialog.IgnoreAllButton()->text(), "I&gnoruj wszystkie");
    EXPECT_EQ(dialog.ChangeAllButton()->text(), "Zmień &wszystkie");

    // A proposal clicked goes into the box; an empty box allows no change.
    dialog.ProposalList()->itemClicked(dialog.ProposalList()->item(0));
    EXPECT_EQ(dialog.ReplacementBox()->text(), "kota");
    dialog.ReplacementBox()->clear();
    EXPECT_FALSE(dialog.ChangeButton()->isEnabled());
    EXPECT_FALSE(dialog.ChangeAllButton()->isEnabled());
    dialog.ReplacementBox()->setText("kota");
    dialog.ChangeButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(Text(), "Pies ma kota.");
}

TEST_F(SpellDialog, SaysSoWhenNothingIsProposed)
{
    TfrmPisownia2& dialog = Open("qqqq");
    ASSERT_TRUE(Shows("qqqq"));
    EXPECT_EQ(Items(dialog.ProposalList()), QStringList{"(brak propozycji korekty)"});
    // The line is no word to take.
    dialog.ProposalList()->itemClicked(dialog.ProposalList()->item(0));
    EXPECT_EQ(dialog.ReplacementBox()->text(), "qqqq");
}

TEST_F(SpellDialog, IgnoreOnceAndIgnoreAll)
{
    TfrmPisownia2& dialog = Open("kpta kpta\rxyz kpta");
    ASSERT_TRUE(Shows("kpta"));
    dialog.IgnoreButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit_.textCursor().selectionStart() == 5; }))
        << edit_.textCursor().selectionStart();
    dialog.IgnoreAllButton()->click();
    ASSERT_TRUE(Shows("xyz"));
    dialog.IgnoreButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(Text(), "kpta kpta\rxyz kpta");
}

TEST_F(SpellDialog, ChangeAllOfAnotherLengthThenTheNextWordExactly)
{
    TfrmPisownia2& dialog = Open("kpta xyzw kpta\rqq kpta");
    ASSERT_TRUE(Shows("kpta"));
    dialog.ReplacementBox()->setText("kotka");
    dialog.ChangeAllButton()->click();
    ASSERT_TRUE(Shows("xyzw"));
    EXPECT_EQ(Selected(), "xyzw");
    dialog.ReplacementBox()->setText("psem ogrodnika");
    dialog.ChangeButton()->click();
    ASSERT_TRUE(Shows("qq"));
    EXPECT_EQ(Selected(), "qq");
    dialog.CloseButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(Text(), "kotka psem ogrodnika kotka\rqq kpta");
}

TEST_F(SpellDialog, AWordAddedIsNotReportedAgain)
{
    TfrmPisownia2& dialog = Open("xyzzy i xyzzy");
    ASSERT_TRUE(Shows("xyzzy"));
    dialog.AddButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
}

TEST_F(SpellDialog, ClosesByItselfWhenEveryWordIsKnown)
{
    TfrmPisownia2& dialog = Open("Pies i kot, żółw. Psy.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SpellDialog, OptionsWindowStoresTheSixOptions)
{
    TfrmPisowniaOpcje window(options_);
    EXPECT_EQ(window.windowTitle(), "Opcje sprawdzania pisowni");
    ASSERT_EQ(window.Boxes().size(), 6u);
    EXPECT_EQ(window.Boxes()[0]->text(), "wyrazy pisane wielkimi literami");
    for (QCheckBox* box : window.Boxes())
        box->setChecked(!box->isChecked());
    window.accept();
    EXPECT_TRUE(options_.IgnorujWielkimi); // only the window's own OK stores
    window.findChild<QDialogButtonBox*>()->accepted();
    EXPECT_FALSE(options_.IgnorujWielkimi);
    EXPECT_FALSE(options_.IgnorujZCyframi);
    EXPECT_TRUE(options_.IgnorujPowtorzone);
    EXPECT_FALSE(options_.ProponujZSG);
    EXPECT_FALSE(options_.ProponujZSO);
    EXPECT_FALSE(options_.ProponujZSU);
}

} // namespace
} // namespace velmar
