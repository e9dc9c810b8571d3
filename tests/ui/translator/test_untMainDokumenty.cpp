// The translator window's documents and commands offscreen: what is enabled when, the
// pane captions, recent files, a document's round trip through RTF, the pane backups
// and the question before unsaved documents are dropped.
#include <gtest/gtest.h>

#include <QAction>
#include <QFocusEvent>
#include <QTest>
#include <QTextEdit>
#include <filesystem>
#include <fstream>

#include "core/app/untFoldery.h"
#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "platform/untConverters.h"
#include "support/TempFolder.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untNaglowekPanelu.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class MainDocuments : public ::testing::Test {
protected:
    MainDocuments()
    {
        Ustawienia().ZaznaczNieznane = false;
        Ustawienia().ZaznaczNieprzetlumaczone = false;
        Ustawienia().PytajCzyZapisac = true;
        Ustawienia().OstatniePliki.clear();
        Ustawienia().ResetDocuments(folder.Path());
        UstawPytanie(&questions);
        window.SetFileChooser([this](bool forSaving, const QString&) {
            chosenForSaving.push_back(forSaving);
            return TWybranyPlik{nextFile};
        });
    }
    ~MainDocuments() override
    {
        UstawPytanie(nullptr);
        Ustawienia().OstatniePliki.clear();
    }

    QAction* Command(const char* name) { return window.findChild<QAction*>(name); }
    void Focus(QTextEdit* pane)
    {
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(pane, &focus);
    }
    QString Caption(int pane) { return window.PaneHeader(pane)->Caption(); }

    test::TempFolder folder;
    TPytanieSkryptowe questions;
    QString nextFile;
    std::vector<bool> chosenForSaving;
    TfrmMain window;
};

TEST_F(MainDocuments, CommandsFollowSelectionAndActivePane)
{
    TPanel source(window.SourcePane(), jezFrancuski);
    source.SetText("Le chat dort. Le chien aboie.");
    Focus(window.SourcePane());
    EXPECT_FALSE(Command("actWytnij")->isEnabled());
    EXPECT_FALSE(Command("actTlumaczZaznaczenie")->isEnabled());
    EXPECT_TRUE(Command("actTlumaczBiezaceZdanie")->isEnabled());

    source.SetSelection(3, 4);
    EXPECT_TRUE(Command("actWytnij")->isEnabled());
    EXPECT_TRUE(Command("actKopiuj")->isEnabled());
    EXPECT_TRUE(Command("actTlumaczZaznaczenie")->isEnabled());

    Focus(window.TargetPane());
    EXPECT_FALSE(Command("actWytnij")->isEnabled()) << "the target has no selection";
    EXPECT_TRUE(Command("actTlumaczZaznaczenie")->isEnabled()) << "the source's selection counts";
    EXPECT_FALSE(Command("actTlumaczBiezaceZdanie")->isEnabled()) << "only in the source";
}

TEST_F(MainDocuments, DocumentCommandsAreRefusedWhileBusy)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "le chat noir dort dans la maison\r";
    TPanel(window.SourcePane(), jezFrancuski).SetText(text);
    window.TranslateAction()->trigger();
    ASSERT_TRUE(window.Busy());
    for (const char* name : {"actNowy", "actOtworz", "actZapisz", "actZapiszJako", "actDolaczPlik", "actImport",
                             "actEksport", "actDrukuj", "actSzukaj", "actTlumaczOdKursora", "mniPlik1"})
        EXPECT_FALSE(Command(name)->isEnabled()) << name;
    window.TranslateAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    EXPECT_TRUE(Command("actOtworz")->isEnabled());
}

TEST_F(MainDocuments, SelectSentenceAndExtendByOne)
{
    TPanel source(window.SourcePane(), jezFrancuski);
    source.SetText("Le chat dort. Le chien aboie! Fin");
    source.SetSelection(17, 0);
    Command("actZaznaczZdanie")->trigger();
    EXPECT_EQ(source.SelText(), "Le chien aboie!");
    source.SetSelection(3, 0);
    Command("actZaznaczZdanie")->trigger();
    Command("actRozszerzZaznaczenie")->trigger();
    EXPECT_EQ(source.SelText(), "Le chat dort. Le chien aboie!");
}

TEST_F(MainDocuments, CaptionsStarTheEditedPaneOnly)
{
    for (QTextEdit* edited : {window.SourcePane(), window.TargetPane()}) {
        const int index = edited == window.TargetPane() ? 1 : 0;
        window.NewAction()->trigger();
        EXPECT_FALSE(Caption(0).contains('*'));
        EXPECT_FALSE(Caption(1).contains('*'));
        QTest::keyClicks(edited, "abc");
        EXPECT_TRUE(Caption(index).endsWith(" *]")) << Caption(index).toStdString();
        EXPECT_FALSE(Caption(1 - index).contains('*')) << Caption(1 - index).toStdString();
        EXPECT_TRUE(Caption(index).startsWith(
            QString::fromStdU16String(Ustawienia().Teksty.LanguageName(index == 0 ? jezFrancuski : jezPolski))
                .toUpper()));
        edited->document()->setModified(false); // nothing to offer for saving at New
    }
}

TEST_F(MainDocuments, MissingRecentFileGivesMessage104AndLeavesTheList)
{
    const std::string kept = folder.Write("kept.txt", "texte").string();
    const std::string missing = (folder / "gone.txt").string();
    Ustawienia().OstatniePliki = {missing, kept};
    Ustawienia().PoZmianieOstatnichPlikow.Notify();
    ASSERT_TRUE(Command("mniPlik2")->text().contains("kept.txt"));

    Command("mniPlik1")->trigger();
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, Napis(104).replace("%s", QString::fromStdString(missing)).toStdU16String());
    EXPECT_EQ(Ustawienia().OstatniePliki, std::vector<std::string>{kept});
    EXPECT_TRUE(Command("mniPlik1")->text().contains("kept.txt"));
    EXPECT_FALSE(Command("mniPlik2")->isVisible());
}

// What the panes cannot hold is said once, on opening, in the interface language.
TEST_F(MainDocuments, OpeningSaysWhatWasLeftOut)
{
    const auto source =
        folder.Write("przypis.rtf", R"({\rtf1\ansi {\header Nag\'f3wek\par}Kot{\footnote Przypis.} \par})");
    ASSERT_TRUE(window.OpenFile(QString::fromStdString(source.string())));
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, LeftOutNotice(pmPrzypisy | pmNaglowkiStopki).toStdU16String());
}

TEST_F(MainDocuments, OpenTranslateSaveAsRtfAndReopenKeepsTextAndFormatting)
{
    const auto source = folder.Write("zrodlo.rtf", R"({\rtf1\ansi chat {\b noir} dort\par})");
    window.SourcePane()->document()->setModified(false);
    ASSERT_TRUE(window.OpenFile(QString::fromStdString(source.string())));
    EXPECT_EQ(Ustawienia().OstatniePliki.front(), source.string());
    EXPECT_TRUE(Caption(0).contains("[zrodlo.rtf]"));

    window.TranslateAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Busy(); }));
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(window.TargetPane(), &focus);
    nextFile = QString::fromStdString((folder / "przeklad.rtf").string());
    window.findChild<QAction*>("actZapiszJako")->trigger();
    EXPECT_TRUE(Caption(1).contains("[przeklad.rtf]")) << Caption(1).toStdString();
    EXPECT_FALSE(Caption(1).contains('*'));

    TfrmMain reopened;
    ASSERT_TRUE(reopened.OpenFile(nextFile));
    TPanel pane(reopened.SourcePane(), jezPolski);
    EXPECT_EQ(pane.Text(), TPanel(window.TargetPane(), jezPolski).Text());
    EXPECT_EQ(pane.Text(), "chat noir dort");
    pane.SetSelection(6, 1);
    EXPECT_TRUE(pane.SelAttributes().Pogrubienie);
    pane.SetSelection(1, 1);
    EXPECT_FALSE(pane.SelAttributes().Pogrubienie);
}

TEST_F(MainDocuments, SaveOfAnUnnamedDocumentAsksForAName)
{
    TPanel(window.SourcePane(), jezFrancuski).SetText("texte");
    nextFile = QString::fromStdString((folder / "nouveau.txt").string());
    window.findChild<QAction*>("actZapisz")->trigger();
    EXPECT_EQ(chosenForSaving, std::vector<bool>{true});
    EXPECT_EQ(test::TempFolder::Read(folder / "nouveau.txt"), "texte");
    window.findChild<QAction*>("actZapisz")->trigger();
    EXPECT_EQ(chosenForSaving.size(), 1u) << "a named document is saved under its name";
}

TEST_F(MainDocuments, BackupsRestoreBothPanes)
{
    std::vector<std::filesystem::path> backups;
    for (const auto& [lower, text] : {std::pair{false, "zrodlo zapasowe"}, std::pair{true, "przeklad zapasowy"}}) {
        const std::string name = PaneBackupFile(Program().WorkingMode, lower);
        ASSERT_FALSE(name.empty());
        backups.push_back(Foldery().WritePath(name));
        std::ofstream(backups.back(), std::ios::binary) << R"({\rtf1\ansi )" << text << R"(\par})";
    }
    window.RestorePaneBackups();
    for (const auto& backup : backups)
        std::filesystem::remove(backup);
    EXPECT_EQ(window.SourcePane()->toPlainText(), "zrodlo zapasowe");
    EXPECT_EQ(window.TargetPane()->toPlainText(), "przeklad zapasowy");
    EXPECT_TRUE(Caption(0).endsWith(" *]")) << "a restored pane is offered for saving";
    EXPECT_TRUE(Caption(1).endsWith(" *]"));
}

TEST_F(MainDocuments, ClosingAsksForEachUnsavedPane)
{
    struct TCase {
        TOdpowiedz Answer;
        bool Closes;
        bool Saved;
    };
    for (const TCase& c : {TCase{TOdpowiedz::Anuluj, false, false}, TCase{TOdpowiedz::Nie, true, false},
                           TCase{TOdpowiedz::Tak, true, true}}) {
        TPytanieSkryptowe answers({c.Answer});
        UstawPytanie(&answers);
        Ustawienia().ResetDocuments(folder.Path());
        TfrmMain closing;
        const QString file = QString::fromStdString((folder / "ferme.txt").string());
        closing.SetFileChooser([&](bool, const QString&) { return TWybranyPlik{file}; });
        closing.show();
        QTest::keyClicks(closing.SourcePane(), "abc");
        std::filesystem::remove(folder / "ferme.txt");
        EXPECT_EQ(closing.close(), c.Closes);
        ASSERT_EQ(answers.Zadane().size(), 1u)
            << QString::fromStdU16String(answers.Zadane().back().Tekst).toStdString();
        EXPECT_EQ(answers.Zadane()[0].Przyciski, TPrzyciski::TakNieAnuluj);
        EXPECT_EQ(std::filesystem::exists(folder / "ferme.txt"), c.Saved);
        closing.SourcePane()->document()->setModified(false);
    }
    UstawPytanie(&questions);
}

} // namespace
} // namespace velmar
