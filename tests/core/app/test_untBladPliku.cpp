// Failed files as the user reads them: the heading and each file with what went wrong,
// in the interface language, never an English sentence from inside the program.
#include <gtest/gtest.h>

#include "core/app/untBladPliku.h"
#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"

namespace velmar {
namespace {

const TBledyPlikow kFailures = {{TRodzajBleduPliku::Odczyt, "/dane/frpol2.su"},
                                {TRodzajBleduPliku::NieNadpisany, "/dane/frpol2.sa"}};

TEST(FileFailures, MessageNamesEachFileWithItsFailureInTheInterfaceLanguage)
{
    EXPECT_EQ(WideToUtf8(FileFailuresMessage(jezPolski, tekst::BladZapisuPliku, kFailures)),
              "Wystąpił błąd podczas zapisywania pliku:\n"
              "/dane/frpol2.su — nie można go odczytać\n"
              "/dane/frpol2.sa — nie udało się go wcześniej odczytać, więc nie został nadpisany");
    EXPECT_EQ(WideToUtf8(FileFailuresMessage(jezFrancuski, tekst::BladOtwarciaPliku, {kFailures[0]})),
              "Une erreur s'est produite lors de l'ouverture du fichier:\n"
              "/dane/frpol2.su — impossible de le lire");
}

TEST(FileFailures, ReportAsksOnlyWhenSomethingFailed)
{
    TPytanieSkryptowe prompter;
    UstawPytanie(&prompter);
    ReportFileFailures(jezPolski, tekst::BladOtwarciaPliku, {});
    EXPECT_TRUE(prompter.Zadane().empty());
    ReportFileFailures(jezPolski, tekst::BladOtwarciaPliku, kFailures);
    UstawPytanie(nullptr);
    ASSERT_EQ(prompter.Zadane().size(), 1u);
    EXPECT_EQ(prompter.Zadane()[0].Przyciski, TPrzyciski::OK);
}

TEST(FileFailures, EnglishForTheCommandLine)
{
    EXPECT_EQ(DescribeInEnglish(kFailures[0]), "cannot read /dane/frpol2.su");
    EXPECT_EQ(DescribeInEnglish({TRodzajBleduPliku::Zapis, "x"}), "cannot write x; the previous file is kept");
}

} // namespace
} // namespace velmar
