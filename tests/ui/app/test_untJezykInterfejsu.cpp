#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/app/untUstawienia.h"
#include "ui/app/untOpcjeTrans.h"
#include "ui/app/untProgram.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/translator/untMain.h"

using namespace velmar;

namespace {

QString MenuTitle(QMainWindow* window)
{
    return window->menuBar()->actions().value(0)->text();
}

TEST(InterfaceLanguage, SwitchingRelabelsEveryOpenWindow)
{
    TProgram program({});
    program.Start();
    auto& settings = Ustawienia();
    settings.SetInterfaceLanguage(jezPolski);
    TfrmOpcjeTrans options(program.Translator());
    options.show();

    auto* translator = program.Translator();
    EXPECT_EQ(MenuTitle(translator), QStringLiteral("&Plik"));
    EXPECT_EQ(translator->findChild<QAction*>("actZakoncz")->text(), QStringLiteral("&Zakończ"));
    EXPECT_EQ(translator->windowTitle(), QStringLiteral("Velmar – tłumacz francusko-polski"));
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Opcje"));

    settings.ToggleInterfaceLanguage();
    EXPECT_EQ(settings.JezykInterfejsu, jezFrancuski);
    EXPECT_EQ(MenuTitle(translator), QStringLiteral("&Fichier"));
    EXPECT_EQ(translator->findChild<QAction*>("actZakoncz")->text(), QStringLiteral("&Quitter"));
    EXPECT_EQ(translator->windowTitle(), QStringLiteral("Velmar – traducteur français-polonais"));
    EXPECT_EQ(MenuTitle(program.Dictionary()), QStringLiteral("&Options"));
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Options"));

    settings.ToggleInterfaceLanguage();
    EXPECT_EQ(MenuTitle(translator), QStringLiteral("&Plik"));
    EXPECT_EQ(translator->windowTitle(), QStringLiteral("Velmar – tłumacz francusko-polski"));
    EXPECT_EQ(program.Dictionary()->windowTitle(), QStringLiteral("Słownik"));
}

TEST(InterfaceLanguage, DictionaryModeTitleNamesTheDictionary)
{
    TProgram program({"/slzewpl"});
    program.Start();
    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    EXPECT_EQ(program.Dictionary()->windowTitle(), QStringLiteral("Velmar – dictionnaire polonais-français"));
    Ustawienia().SetInterfaceLanguage(jezPolski);
    EXPECT_EQ(program.Dictionary()->windowTitle(), QStringLiteral("Velmar – słownik polsko-francuski"));
}

} // namespace
