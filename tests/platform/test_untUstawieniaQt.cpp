#include "platform/untUstawieniaQt.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/app/untUstawienia.h"
#include "support/SettingsSnapshot.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

QString QPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

class IniSettings : public ::testing::Test {
protected:
    void SetUp() override { ApplyWorkingMode(Program(), ChooseWorkingMode("")); }
    test::TempFolder folder_;
};

TEST_F(IniSettings, FileWrittenByARunReadsBackToEqualSettings)
{
    const auto file = folder_ / "velmar.conf";
    TTransUstawienia written;
    written.SetDefaults();
    written.SetStore(std::make_unique<TMagazynUstawienQt>(QPath(file)));
    written.ApplySettings(true);
    written.TrybPracy = 8;
    written.SetInterfaceLanguage(jezFrancuski);
    written.ZmieniajSzykPL = false;
    written.WieloznaczneCzcionka.Style = fsItalic | fsStrikeOut;
    written.CzcionkaSlownika = {"DejaVu Serif", 15, zzWschodnioeuropejski, 0, 0};
    written.OstatniePliki = {"/home/ola/Zażółć.rtf", "/tmp/b.txt"};
    written.Profile.Items.push_back({FromUtf8("Mój"), 70, TZbiorTematow().set(70), true});
    written.Left = 5;
    written.Top = 6;
    written.Width = 700;
    written.Height = 500;
    ASSERT_TRUE(written.SaveTranslatorSettings());

    TTransUstawienia read;
    read.SetDefaults();
    read.SetStore(std::make_unique<TMagazynUstawienQt>(QPath(file)));
    read.ApplySettings(true);
    EXPECT_EQ(read.TrybPracy, 8);
    EXPECT_EQ(read.JezykInterfejsu, jezFrancuski);
    EXPECT_EQ(read.OstatniePliki, written.OstatniePliki);
    EXPECT_TRUE(test::SettingsSnapshot(read) == test::SettingsSnapshot(written));

    const std::string ini = test::TempFolder::Read(file);
    EXPECT_NE(ini.find("[SOFTWARE]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Orlena\\Velmar2\\FrPol\\TrybPracy=8"), std::string::npos);
    EXPECT_NE(ini.find("Orlena\\Velmar2\\FrPol\\ZmieniajSzykPL=0"), std::string::npos);
    EXPECT_NE(ini.find("Orlena\\Velmar2\\FrPol\\WieloznaczneCzcionkaStyle=IS"), std::string::npos);
    EXPECT_NE(ini.find("Orlena\\Velmar2\\FrPol\\Profil46\\Kod=70"), std::string::npos);
}

TEST_F(IniSettings, KeysAreGroupsAndDeletingAKeyRemovesItsSubkeys)
{
    TMagazynUstawienQt store(QPath(folder_ / "velmar.conf"));
    store.WriteInteger("A\\B\\Profil0", "Kod", 3);
    store.WriteString("A\\B", "Nazwa", "żółw");
    EXPECT_TRUE(store.KeyExists("A\\B"));
    EXPECT_TRUE(store.KeyExists("A\\B\\Profil0"));
    EXPECT_FALSE(store.KeyExists("A\\B\\Profil1"));
    EXPECT_EQ(store.ReadString("A\\B", "Nazwa"), "żółw");
    EXPECT_EQ(store.ReadInteger("A\\B", "Nazwa"), std::nullopt);
    store.DeleteKey("A\\B\\Profil0");
    EXPECT_FALSE(store.KeyExists("A\\B\\Profil0"));
    EXPECT_TRUE(store.Flush());
}

TEST_F(IniSettings, WriteToAnImpossibleLocationFails)
{
    folder_.Write("plik", "not a folder");
    TMagazynUstawienQt store(QPath(folder_ / "plik" / "velmar.conf"));
    store.WriteInteger("A", "x", 1);
    EXPECT_FALSE(store.Flush());
}

TEST_F(IniSettings, FailedWriteLeavesThePreviousFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    const auto file = folder_ / "velmar.conf";
    {
        TMagazynUstawienQt store(QPath(file));
        store.WriteInteger("A", "x", 1);
        ASSERT_TRUE(store.Flush());
    }
    const std::string before = test::TempFolder::Read(file);
    std::filesystem::permissions(folder_.Path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    TMagazynUstawienQt store(QPath(file));
    store.WriteInteger("A", "x", 2);
    EXPECT_FALSE(store.Flush());
    EXPECT_EQ(test::TempFolder::Read(file), before);
}

} // namespace
} // namespace velmar
