// The profile dialog and the profile page of the translator options: adding, changing
// and deleting user profiles, which buttons the product's profiles leave enabled, and
// the message when no code is left.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/app/untPytanie.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untDodajProfil.h"
#include "ui/app/untOpcjeTrans.h"

namespace velmar {
namespace {

class ProfileDialog : public ::testing::Test {
protected:
    ProfileDialog()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&question);
        profiles.SetDefaults();
    }
    ~ProfileDialog() override { UstawPytanie(nullptr); }

    void Check(std::initializer_list<int> rows)
    {
        for (int row : rows)
            dialog.lsbProfile_->item(row)->setCheckState(Qt::Checked);
    }

    TProfileTekstu profiles;
    TPytanieSkryptowe question;
    TfrmDodajProfil dialog{profiles, jezPolski};
};

TEST_F(ProfileDialog, AddNeedsANameAndTakesTheCheckedProfiles)
{
    ASSERT_TRUE(dialog.PrepareAdd());
    EXPECT_FALSE(dialog.btnOK_->isEnabled());
    dialog.edtProfilNazwa_->setText("nauki");
    EXPECT_TRUE(dialog.btnOK_->isEnabled());
    Check({19, 24});
    ASSERT_TRUE(dialog.ApplyAdd());
    EXPECT_EQ(profiles.Items.back().Kod, 61);
    EXPECT_EQ(profiles.Items.back().Zawiera, TZbiorTematow().set(61).set(19).set(24));
}

TEST_F(ProfileDialog, ModifyShowsTheSetAndKeepsItWhenNothingChanges)
{
    profiles.AddUserProfile("nauki", {19, 24});
    const int row = kDefaultProfileCount;
    EXPECT_FALSE(dialog.PrepareModify(3)) << "a product's profile";
    ASSERT_TRUE(dialog.PrepareModify(row));
    EXPECT_EQ(dialog.edtProfilNazwa_->text(), "nauki");
    EXPECT_EQ(dialog.lsbProfile_->item(19)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog.lsbProfile_->item(20)->checkState(), Qt::Unchecked);
    const TZbiorTematow before = profiles.Items.back().Zawiera;
    ASSERT_TRUE(dialog.ApplyModify(row));
    EXPECT_EQ(profiles.Items.back().Zawiera, before);
}

TEST_F(ProfileDialog, SaysSoWhenNoCodeIsFree)
{
    while (profiles.FreeUserCode() >= 0)
        profiles.AddUserProfile("p", {});
    EXPECT_FALSE(dialog.PrepareAdd());
    ASSERT_EQ(question.Zadane().size(), 1U);
    EXPECT_EQ(question.Zadane()[0].Tekst, InterfaceTextWide(jezPolski, 1923));
}

TEST(ProfilePage, ButtonsFollowTheRowAndChangesWaitForConfirmation)
{
    ApplyWorkingMode(Program(), ChooseWorkingMode(""));
    Ustawienia().SetDefaults();
    TTransUstawienia settings, confirmed;
    settings.SetDefaults();
    confirmed.SetDefaults();
    settings.Profile.AddUserProfile("nauki", {19});
    TfrmOpcjeTrans window;
    window.Wczytaj(settings);
    auto* list = window.findChild<QListWidget*>("lsbRodzajTekstu");
    auto* modify = window.findChild<QPushButton*>("btnProfilModyfikuj");
    auto* remove = window.findChild<QPushButton*>("btnProfilUsun");
    ASSERT_EQ(list->count(), kDefaultProfileCount + 1);

    list->setCurrentRow(kDefaultProfileCount - 1);
    EXPECT_FALSE(modify->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    list->setCurrentRow(kDefaultProfileCount);
    EXPECT_TRUE(modify->isEnabled());
    list->item(5)->setCheckState(Qt::Checked);
    remove->click();
    EXPECT_EQ(list->count(), kDefaultProfileCount);
    EXPECT_EQ(settings.Profile.Items.size(), static_cast<std::size_t>(kDefaultProfileCount + 1))
        << "nothing is stored before Zatwierdź";

    window.Zatwierdz(confirmed);
    EXPECT_EQ(confirmed.Profile.Items.size(), static_cast<std::size_t>(kDefaultProfileCount));
    EXPECT_TRUE(confirmed.Profile.Items[5].Wybrany);
}

} // namespace
} // namespace velmar
