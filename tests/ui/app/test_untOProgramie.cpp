// The about box names the product, its version and the sources of the dictionary data.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untOProgramie.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

TEST(AboutBox, NamesTheDataSourcesAndTheirLicencesInTheInterfaceLanguage)
{
    Ustawienia().SetInterfaceLanguage(jezPolski);
    TfrmOProgramie box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Informacje"));
    EXPECT_EQ(box.ProductLabel()->text(), QStringLiteral("Velmar  wersja 2.0"));
    const QString sources = box.SourcesLabel()->text();
    for (const char* name : {"FreeDict", "WikDict", "CC BY-SA 3.0", "PoliMorf", "BSD", "hunspell-fr", "MPL 2.0",
                             "verbiste", "GNU GPL", "DATA-LICENSES"})
        EXPECT_TRUE(sources.contains(QLatin1String(name))) << name;
    EXPECT_TRUE(sources.contains(QStringLiteral("Źródła danych słownikowych:")));

    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("À propos"));
    EXPECT_EQ(box.ProductLabel()->text(), QStringLiteral("Velmar  version 2.0"));
    EXPECT_TRUE(box.SourcesLabel()->text().contains(QStringLiteral("Formes polonaises : PoliMorf")));
    EXPECT_TRUE(box.SourcesLabel()->text().contains(QStringLiteral("CC BY-SA")));
    Ustawienia().SetInterfaceLanguage(jezPolski);
}

TEST(AboutBox, IsInTheTranslatorsHelpMenu)
{
    Ustawienia().SetInterfaceLanguage(jezPolski);
    TfrmMain main;
    auto* action = main.findChild<QAction*>("mniPomocInformacje");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("&Informacje"));
    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    EXPECT_EQ(action->text(), QStringLiteral("À &propos"));
    Ustawienia().SetInterfaceLanguage(jezPolski);
}

} // namespace
} // namespace velmar
