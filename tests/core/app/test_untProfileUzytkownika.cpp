// The user's own text profiles: their codes from 61 and never above 255, the profiles
// each covers, and the deletion that takes a code out of every other set.
#include <gtest/gtest.h>

#include "core/app/untStaleApp.h"
#include "core/app/untUstawienia.h"

namespace velmar {
namespace {

class UserProfiles : public ::testing::Test {
protected:
    UserProfiles() { profiles.SetDefaults(); }

    const TProfilTekstu& Last() const { return profiles.Items.back(); }

    TProfileTekstu profiles;
};

TEST_F(UserProfiles, CodesStartAt61AndReuseTheLowestFreeOne)
{
    ASSERT_TRUE(profiles.AddUserProfile("A", {}));
    ASSERT_TRUE(profiles.AddUserProfile("B", {}));
    EXPECT_EQ(Last().Kod, 62);
    ASSERT_TRUE(profiles.DeleteUserProfile(kDefaultProfileCount));
    ASSERT_TRUE(profiles.AddUserProfile("C", {}));
    EXPECT_EQ(Last().Kod, 61);
    EXPECT_FALSE(Last().Wybrany);
}

TEST_F(UserProfiles, NoCodeAbove255)
{
    for (int code = 61; code <= 255; ++code)
        ASSERT_TRUE(profiles.AddUserProfile("p", {}));
    EXPECT_EQ(Last().Kod, 255);
    EXPECT_EQ(profiles.FreeUserCode(), -1);
    const auto count = profiles.Items.size();
    EXPECT_FALSE(profiles.AddUserProfile("one too many", {}));
    EXPECT_EQ(profiles.Items.size(), count);
}

TEST_F(UserProfiles, CoveredProfilesModifyingAndDeleting)
{
    // Rows 19 and 24 are the product's profiles of those subjects.
    ASSERT_TRUE(profiles.AddUserProfile("nauka", {19, 24}));
    EXPECT_EQ(Last().Zawiera, TZbiorTematow().set(61).set(19).set(24));

    const int first = kDefaultProfileCount;
    ASSERT_TRUE(profiles.AddUserProfile("szersza", {first, 3}));
    EXPECT_EQ(Last().Zawiera, TZbiorTematow().set(62).set(61).set(3));

    ASSERT_TRUE(profiles.ModifyUserProfile(first, "nauka", {19, 24}));
    EXPECT_EQ(profiles.Items[static_cast<std::size_t>(first)].Zawiera, TZbiorTematow().set(61).set(19).set(24));
    ASSERT_TRUE(profiles.ModifyUserProfile(first, "pusta", {}));
    EXPECT_EQ(profiles.Items[static_cast<std::size_t>(first)].Zawiera, TZbiorTematow().set(61));

    ASSERT_TRUE(profiles.DeleteUserProfile(first));
    EXPECT_EQ(Last().Zawiera, TZbiorTematow().set(62).set(3)) << "the deleted code leaves the other set";
}

TEST_F(UserProfiles, TheProductsProfilesCannotBeChanged)
{
    EXPECT_FALSE(profiles.IsUserProfile(kDefaultProfileCount - 1));
    EXPECT_FALSE(profiles.ModifyUserProfile(0, "x", {}));
    EXPECT_FALSE(profiles.DeleteUserProfile(45));
    EXPECT_EQ(profiles.Items.size(), static_cast<std::size_t>(kDefaultProfileCount));
}

} // namespace
} // namespace velmar
