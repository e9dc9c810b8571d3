// The add-to-dictionary dialog, driven as a user drives it, over dictionaries of its own.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "ui/dictionaries/untDodajDoSU.h"

namespace velmar {
namespace {

class AddToDictionaryDialog : public ::testing::Test {
protected:
    AddToDictionaryDialog()
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&question);
        main.Attach(&mainLines);
        user.Attach(&userLines);
        profiles.SetDefaults();
        profiles.Items[19].Wybrany = true;
    }
    ~AddToDictionaryDialog() override { UstawPytanie(nullptr); }

    TLinie mainLines, userLines;
    TTransSlownikGlowny main{rsGlowny, kKeyRowMain, jezFrancuski, jezPolski};
    TTransSlownikGlowny user{rsUzytkownika, kKeyRowUser, jezFrancuski, jezPolski};
    TSlownikDopisan editing{user, main};
    TProfileTekstu profiles;
    TPytanieSkryptowe question;
    TfrmDodajDoSU dialog{editing, profiles, jezPolski};
};

TEST_F(AddToDictionaryDialog, AddsWithThePartOfSpeechAndTheCheckedProfiles)
{
    dialog.Przygotuj(u"ordinateur");
    EXPECT_TRUE(dialog.edtWyraz_->isReadOnly()) << "the word the caller gives";
    dialog.edtTlumaczenie_->setText(QString::fromUtf8("komputer"));
    dialog.grpCzescMowy_->button(0)->setChecked(true);
    ASSERT_EQ(dialog.lsbProfile_->count(), static_cast<int>(profiles.Items.size()));
    dialog.lsbProfile_->item(24)->setCheckState(Qt::Checked);

    ASSERT_TRUE(dialog.Dodaj());
    EXPECT_EQ(dialog.Wynik(), 0);
    EXPECT_EQ(user.DecodedLine(0), "ordinateur _##1  +19 +24 komputer   ")
        << "the profile selected in the settings starts checked, 24 was checked in the dialog";
}

TEST_F(AddToDictionaryDialog, RefusesWhatTheDictionaryCannotHoldAndSaysWhy)
{
    struct TPrzypadek {
        const char* Word;
        const char* Translation;
        int Message;
    };
    for (const auto& c : {TPrzypadek{"", "kot", 1920}, TPrzypadek{"chat", " ", 1921},
                          TPrzypadek{"chat_noir", "kot", 1922}, TPrzypadek{"chat", "kot;pies", 1922}}) {
        dialog.edtWyraz_->setText(c.Word);
        dialog.edtTlumaczenie_->setText(c.Translation);
        EXPECT_FALSE(dialog.Dodaj()) << c.Word << " " << c.Translation;
        ASSERT_FALSE(question.Zadane().empty());
        EXPECT_EQ(question.Zadane().back().Tekst, InterfaceTextWide(jezPolski, c.Message));
    }
    EXPECT_EQ(userLines.Count(), 0);
}

} // namespace
} // namespace velmar
