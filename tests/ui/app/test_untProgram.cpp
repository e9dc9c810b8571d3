#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTextEdit>
#include <QTimer>

#include "core/app/untStale.h"
#include "support/TempFolder.h"
#include "support/TestNames.h"
#include "ui/app/untIkony.h"
#include "ui/app/untProgram.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/dictionaries/untArchiwumZdan.h"
#include "ui/translator/untMain.h"

using namespace velmar;

namespace {

struct StartCase {
    const char* Argument;
    bool DictionaryIsMain;
    int Mode;
};

class StartUp : public testing::TestWithParam<StartCase> {};

std::string DescribeStart(const StartCase& c)
{
    return *c.Argument ? test::Spelled(c.Argument) : "no argument";
}

} // namespace

TEST_P(StartUp, TheModeDecidesTheMainWindow)
{
    const auto& c = GetParam();
    QStringList arguments;
    if (*c.Argument)
        arguments << c.Argument;
    TProgram program(arguments);
    program.Start();

    EXPECT_EQ(Program().WorkingMode, c.Mode);
    QWidget* main = program.MainWindow();
    QWidget* other =
        c.DictionaryIsMain ? static_cast<QWidget*>(program.Translator()) : static_cast<QWidget*>(program.Dictionary());
    EXPECT_EQ(main == program.Dictionary(), c.DictionaryIsMain);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(other->isVisible());
    EXPECT_TRUE(main->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(other->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(main->windowTitle().isEmpty());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

INSTANTIATE_TEST_SUITE_P(Arguments, StartUp,
                         testing::Values(StartCase{"", false, 1}, StartCase{"/transpl", false, 2},
                                         StartCase{"/slzewfr", true, 5}, StartCase{"/slzewpl", true, 6},
                                         StartCase{"/SLZEWFR", false, 1}),
                         test::NamedBy(DescribeStart));

TEST(StartUp, TranslatorShowsTwoEmptyPanesOneAboveTheOther)
{
    TProgram program({});
    program.Start();
    auto* window = program.Translator();
    EXPECT_TRUE(window->SourcePane()->toPlainText().isEmpty());
    EXPECT_TRUE(window->TargetPane()->toPlainText().isEmpty());
    EXPECT_LT(window->SourcePane()->mapTo(window, QPoint()).y(), window->TargetPane()->mapTo(window, QPoint()).y());
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("francusko-polski")));
}

TEST(StartUp, ToolsMenuOpensTheArchiveWithTheSelectedPair)
{
    TProgram program({});
    program.Start();
    auto* window = program.Translator();
    window->SourcePane()->setPlainText(QStringLiteral("Où est la gare ?"));
    window->TargetPane()->setPlainText(QStringLiteral("Gdzie jest dworzec?"));
    window->SourcePane()->selectAll();
    window->TargetPane()->selectAll();

    window->ArchiveAction()->trigger();
    EXPECT_TRUE(program.ArchiveWindow()->isVisible());

    QString sentence, translation;
    QTimer::singleShot(0, program.ArchiveWindow(), [&] {
        auto* dialog = program.ArchiveWindow()->findChild<TfrmArchiwumZdanDodaj*>();
        ASSERT_NE(dialog, nullptr);
        sentence = dialog->SentenceBox()->text();
        translation = dialog->TranslationBox()->text();
        dialog->reject();
    });
    window->AddToArchiveAction()->trigger();
    EXPECT_EQ(sentence, QStringLiteral("Où est la gare ?"));
    EXPECT_EQ(translation, QStringLiteral("Gdzie jest dworzec?"));
    program.ArchiveWindow()->close();
}

TEST(StartUp, DictionaryCommandLooksUpTheWordAtTheCaret)
{
    TProgram program({});
    program.Start();
    auto* source = program.Translator()->SourcePane();
    source->setPlainText(QStringLiteral("la maison est grande"));
    QTextCursor caret = source->textCursor();
    caret.setPosition(5);
    source->setTextCursor(caret);

    program.Translator()->DictionaryAction()->trigger();
    auto* dictionary = program.Dictionary();
    EXPECT_TRUE(dictionary->isVisible());
    EXPECT_EQ(dictionary->SearchBox()->text(), QStringLiteral("maison"));
    dictionary->close();
}

TEST(StartUp, OptionsMenuOpensTheOptionsWindow)
{
    TProgram program({});
    program.Start();
    bool shown = false;
    QTimer::singleShot(0, program.Translator(), [&] {
        auto* options = QApplication::activeModalWidget();
        shown = options && options->objectName() == QStringLiteral("frmOpcjeTrans");
        if (options)
            options->close();
    });
    program.Translator()->OptionsAction()->trigger();
    EXPECT_TRUE(shown);
}

TEST(StartUp, InterfaceLanguageMenuRelabelsTheWindow)
{
    TProgram program({});
    program.Start();
    auto* window = program.Translator();
    auto* french = window->findChild<QAction*>(QStringLiteral("actInterfejsFrancuski"));
    auto* polish = window->findChild<QAction*>(QStringLiteral("actInterfejsPolski"));
    ASSERT_TRUE(french && polish);
    french->trigger();
    EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("mniPlik"))->title(), QStringLiteral("&Fichier"));
    polish->trigger();
    EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("mniPlik"))->title(), QStringLiteral("&Plik"));
}

TEST(StartUp, UnknownIconNamesGiveNoIcon)
{
    EXPECT_FALSE(ModeIcon("SLPLFR").isNull());
    EXPECT_TRUE(ModeIcon("FLAGA_XX").isNull());
}

TEST(StartUpSlow, TheProgramKeepsRunningWithNoDataFilesUntilClosed)
{
    test::TempFolder empty;
    QProcess velmar;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VELMAR_DATA_DIR", QString::fromStdString(empty.Path().string()));
    environment.insert("HOME", QString::fromStdString(empty.Path().string()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((empty.Path() / "config").string()));
    velmar.setProcessEnvironment(environment);
    velmar.start(QStringLiteral(VELMAR_BIN_DIR "/velmar"), {});
    ASSERT_TRUE(velmar.waitForStarted(10000));
    EXPECT_FALSE(velmar.waitForFinished(2000))
        << "velmar ended by itself: " << velmar.readAllStandardError().toStdString();
    velmar.terminate();
    EXPECT_TRUE(velmar.waitForFinished(10000));
}
