// The window of the user's dictionaries and its dialog, driven as a user drives them
// over dictionaries and a settings store of their own in a temporary folder.
#include "ui/dictionaries/untSlownikiUzytkownika.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"
#include "support/TempFolder.h"
#include "support/TestNames.h"
#include "ui/dictionaries/untSlownikiUzytkownikaDodaj.h"

namespace velmar {
namespace {

class UserDictionaryListWindow : public ::testing::Test {
protected:
    UserDictionaryListWindow()
    {
        ApplyWorkingMode(Program(), ChooseWorkingMode(""));
        auto& settings = Ustawienia();
        settings.SetStore(std::make_unique<TMagazynUstawienPamiec>());
        settings.SetInterfaceLanguage(jezPolski);
        UstawPytanie(&question);
        dictionaries.AttachUserDictionary(Program(), kDefaultFile);
        dictionaries.UserEditing.AddTranslation("pomme", "jablko", false, {}, 0);
        switched = settings.PoZmianieSlownikaUzytkownika.Add([this] { ++switches; });
    }
    ~UserDictionaryListWindow() override
    {
        Ustawienia().PoZmianieSlownikaUzytkownika.Remove(switched);
        UstawPytanie(nullptr);
    }

    static constexpr const char* kDefaultFile = "frpol2.su";

    std::string File(const std::string& name) const { return (folder / name).string(); }

    // A user dictionary file holding the readable entries.
    std::string WriteDictionary(const std::string& name, const std::string& readable) const
    {
        TLinie lines;
        lines.Assign(BuildStoredLines(readable, *MakeDictionaryOfKind("user", jezFrancuski)));
        lines.SaveToFile(folder / name);
        return File(name);
    }

    // Runs a button that opens the dictionary dialog; fill types into the dialog, which
    // is then confirmed.
    void InDialog(const std::function<void()>& button,
                  const std::function<void(TfrmSlownikiUzytkownikaDodaj&)>& fill) const
    {
        QTimer::singleShot(0, [fill] {
            auto* dialog = qobject_cast<TfrmSlownikiUzytkownikaDodaj*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
            dialog->btnOK_->click();
        });
        button();
    }

    void Register(TfrmSlownikiUzytkownika& window, const std::string& file, const char* description) const
    {
        InDialog([&] { window.Otworz(); },
                 [&](TfrmSlownikiUzytkownikaDodaj& dialog) {
                     dialog.edtPlik_->setText(QString::fromStdString(file));
                     dialog.edtOpis_->setText(description);
                 });
    }

    static QStringList Row(const TfrmSlownikiUzytkownika& window, int row)
    {
        const QTreeWidgetItem* item = window.tvSlowniki_->topLevelItem(row);
        QStringList cells;
        for (int column = 0; item != nullptr && column < item->columnCount(); ++column)
            cells << item->text(column);
        return cells;
    }

    static void Select(TfrmSlownikiUzytkownika& window, int row)
    {
        window.tvSlowniki_->setCurrentItem(window.tvSlowniki_->topLevelItem(row));
    }

    // The registry as the settings store holds it now.
    static TSlownikiUzytkownika Stored()
    {
        TSlownikiUzytkownika registry;
        registry.LoadRegistry(Ustawienia().Store(), ProductFile(tabele::UserDictionaryListKey, Program().WorkingMode),
                              kDefaultFile, "");
        return registry;
    }

    test::TempFolder folder;
    TSlowniki dictionaries{TFolderyDanych(folder.Path(), folder.Path())};
    TPytanieSkryptowe question;
    int switches = 0;
    int switched = 0;
};

TEST_F(UserDictionaryListWindow, CreatesRenamesMakesCurrentAndOnOkMovesTheFileAndLoadsIt)
{
    const std::string client = WriteDictionary("klient.suz", "chat_#1m kocur\nchien_#1m pies\n");
    TfrmSlownikiUzytkownika window(dictionaries);
    ASSERT_EQ(window.tvSlowniki_->topLevelItemCount(), 1);
    EXPECT_EQ(Row(window, 0).mid(1), (QStringList{"(słownik domyślny)", "1", "*"}));
    EXPECT_FALSE(window.btnUsun_->isEnabled()) << "the default dictionary stays";

    Register(window, client, "Klient");
    InDialog([&] { window.Dodaj(); },
             [&](TfrmSlownikiUzytkownikaDodaj& dialog) {
                 dialog.edtPlik_->setText(QString::fromStdString(File("pusty")));
                 dialog.edtOpis_->setText("Pusty");
             });
    ASSERT_EQ(window.tvSlowniki_->topLevelItemCount(), 3);
    EXPECT_EQ(Row(window, 1),
              (QStringList{QStringLiteral("klient.suz (%1)").arg(folder.Path().c_str()), "Klient", "2", ""}));
    EXPECT_EQ(Row(window, 2).mid(0, 3),
              (QStringList{QStringLiteral("pusty.suz (%1)").arg(folder.Path().c_str()), "Pusty", "0"}))
        << "a new dictionary takes the extension of user dictionaries";
    EXPECT_FALSE(std::filesystem::exists(folder / "pusty.suz")) << "made on the first save";

    Select(window, 1);
    InDialog([&] { window.Edytuj(); },
             [&](TfrmSlownikiUzytkownikaDodaj& dialog) {
                 EXPECT_EQ(dialog.edtPlik_->text().toStdString(), client);
                 dialog.edtPlik_->setText(QString::fromStdString(File("firma.suz")));
                 dialog.edtOpis_->setText("Firma");
             });
    EXPECT_EQ(Row(window, 1).mid(1, 2), (QStringList{"Firma", "2"})) << "the lines move on OK";
    EXPECT_TRUE(std::filesystem::exists(client));
    window.UstawBiezacy();
    EXPECT_EQ(Row(window, 1).last(), "*");
    EXPECT_EQ(Row(window, 0).last(), "");
    EXPECT_EQ(switches, 0);

    window.btnOK_->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(client));
    EXPECT_EQ(TSlownikiUzytkownika::LineCount(folder / "firma.suz"), 2);
    EXPECT_EQ(TSlownikiUzytkownika::LineCount(folder / kDefaultFile), 1) << "the lines of the old current one";
    const TSlownikiUzytkownika stored = Stored();
    ASSERT_EQ(stored.Count(), 3);
    EXPECT_EQ(stored.Item(1)->FileName, File("firma.suz"));
    EXPECT_EQ(stored.CurrentIndex, 1);
    EXPECT_EQ(dictionaries.User.GetKey(0), "chat") << "the new current dictionary is loaded";
    EXPECT_EQ(switches, 1);
}

struct TUsuniecie {
    const char* Name;
    TOdpowiedz Answer;
    int RowsLeft;
    bool FileLeft;
    const char* CurrentHeadword;
};

class DeletingAUserDictionary : public UserDictionaryListWindow, public ::testing::WithParamInterface<TUsuniecie> {};

TEST_P(DeletingAUserDictionary, AsksAndTakesTheFileWithTheEntryOnlyWhenConfirmed)
{
    const TUsuniecie& c = GetParam();
    const std::string client = WriteDictionary("klient.suz", "chat_#1m kocur\n");
    {
        TfrmSlownikiUzytkownika window(dictionaries);
        Register(window, client, "Klient");
        window.UstawBiezacy();
        window.btnOK_->click();
    }
    ASSERT_EQ(dictionaries.User.GetKey(0), "chat");
    TPytanieSkryptowe asked({c.Answer});
    UstawPytanie(&asked);
    TfrmSlownikiUzytkownika window(dictionaries);
    Select(window, 1);
    window.btnUsun_->click();
    ASSERT_EQ(asked.Zadane().size(), 1u);
    EXPECT_EQ(asked.Zadane()[0].Tekst, InterfaceTextWide(jezPolski, 1911));
    EXPECT_EQ(window.tvSlowniki_->topLevelItemCount(), c.RowsLeft);
    EXPECT_TRUE(std::filesystem::exists(client)) << "nothing is deleted before OK";

    window.btnOK_->click();
    EXPECT_EQ(std::filesystem::exists(client), c.FileLeft);
    EXPECT_EQ(Stored().Count(), c.RowsLeft);
    EXPECT_EQ(dictionaries.User.GetKey(0), c.CurrentHeadword) << "deleting the current one makes the default current";
}

INSTANTIATE_TEST_SUITE_P(Answers, DeletingAUserDictionary,
                         ::testing::Values(TUsuniecie{"yes", TOdpowiedz::Tak, 1, false, "pomme"},
                                           TUsuniecie{"no", TOdpowiedz::Nie, 2, true, "chat"}),
                         test::NamedBy([](const TUsuniecie& c) { return std::string(c.Name); }));

TEST_F(UserDictionaryListWindow, CancelLeavesTheStoreTheFilesAndTheLoadedDictionaryAsTheyWere)
{
    const std::string client = WriteDictionary("klient.suz", "chat_#1m kocur\n");
    const std::string other = WriteDictionary("inny.suz", "chien_#1m pies\n");
    {
        TfrmSlownikiUzytkownika window(dictionaries);
        Register(window, other, "Inny");
        window.btnOK_->click();
    }
    TPytanieSkryptowe asked({TOdpowiedz::Tak});
    UstawPytanie(&asked);
    TfrmSlownikiUzytkownika window(dictionaries);
    Register(window, client, "Klient");
    Select(window, 2);
    InDialog([&] { window.Edytuj(); },
             [&](TfrmSlownikiUzytkownikaDodaj& dialog) {
                 dialog.edtPlik_->setText(QString::fromStdString(File("firma.suz")));
             });
    window.UstawBiezacy();
    Select(window, 1);
    window.Usun();
    window.reject();

    EXPECT_TRUE(std::filesystem::exists(client));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_FALSE(std::filesystem::exists(folder / "firma.suz"));
    const TSlownikiUzytkownika stored = Stored();
    ASSERT_EQ(stored.Count(), 2);
    EXPECT_EQ(stored.Item(1)->FileName, other);
    EXPECT_EQ(stored.CurrentIndex, 0);
    EXPECT_EQ(dictionaries.User.GetKey(0), "pomme");
    EXPECT_EQ(switches, 0);
}

TEST_F(UserDictionaryListWindow, TheDialogSaysWhyTheRegistryRefusesAndStaysOpen)
{
    TSlownikiUzytkownika registry;
    registry.Register(File("klient.suz"), "Klient", true);
    registry.Register(File("inny.suz"), "Inny", true);
    struct TPrzypadek {
        TRodzajSlownikaUzytkownika Kind;
        int Index;
        std::string File;
        int Message;
    };
    for (const auto& c : {TPrzypadek{TRodzajSlownikaUzytkownika::Nowy, -1, File("KLIENT.suz"), 1927},
                          TPrzypadek{TRodzajSlownikaUzytkownika::Nowy, -1, File("brak/a.suz"), 1929},
                          TPrzypadek{TRodzajSlownikaUzytkownika::Istniejacy, -1, "", 1929},
                          TPrzypadek{TRodzajSlownikaUzytkownika::Zmiana, 0, File("inny.suz"), 1927}}) {
        TfrmSlownikiUzytkownikaDodaj dialog(registry, c.Kind, c.Index);
        dialog.edtPlik_->setText(QString::fromStdString(c.File));
        EXPECT_FALSE(dialog.Zatwierdz()) << c.File;
        ASSERT_FALSE(question.Zadane().empty());
        EXPECT_EQ(question.Zadane().back().Tekst, InterfaceTextWide(jezPolski, c.Message)) << c.File;
    }
    EXPECT_EQ(registry.Count(), 2);
    EXPECT_EQ(registry.Item(0)->FileName, File("klient.suz"));
}

} // namespace
} // namespace velmar
