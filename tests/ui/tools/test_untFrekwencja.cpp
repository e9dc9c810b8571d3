// The frequency analysis window over a pane and the fixture's Polish forms: the lists
// it shows, the stop button during a long run, and saving a list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/SlownikTestowy.h"
#include "core/tools/untFrekwencja.h"
#include "support/TempFolder.h"
#include "ui/tools/untFrekwencja.h"
#include "ui/translator/untPanel.h"

namespace velmar {
namespace {

class FrequencyWindow : public ::testing::Test {
protected:
    FrequencyWindow()
        : forms_("forms", jezPolski, test::ReadFixture("../tools/pol_forms.txt")),
          main_("main", jezPolski, "i_#C et\n"), pane_(&edit_, jezPolski), window_(pane_, Forms(), main_.Main())
    {
        Ustawienia().SetInterfaceLanguage(jezPolski);
        UstawPytanie(&questions_);
        window_.show();
    }
    ~FrequencyWindow() override { UstawPytanie(nullptr); }

    TTransSlownikOdwolan& Forms() { return static_cast<TTransSlownikOdwolan&>(*forms_.Dictionary); }
    QString List(TfrmFrekwencja::TLista list) const { return window_.ListPane(list)->toPlainText(); }

    test::SlownikTestowy forms_, main_;
    QTextEdit edit_;
    TPanel pane_;
    TPytanieSkryptowe questions_;
    TfrmFrekwencja window_;
};

TEST_F(FrequencyWindow, ListsTheBasesAndTheUnknownWordsByCount)
{
    pane_.SetText(FromUtf8("Pies ma psa i psy.\rKotek ma kota"));
    window_.AnalyseButton()->click();
    EXPECT_FALSE(window_.Running());
    EXPECT_EQ(List(TfrmFrekwencja::lsZnalezione), "pies - 3\nmieć - 2\ni - 1\nkot - 1\n");
    EXPECT_EQ(List(TfrmFrekwencja::lsNieZnalezione), "Kotek - 1\n");
    EXPECT_EQ(window_.StepLabel()->text(), "Koniec analizy");
    ASSERT_EQ(questions_.Zadane().size(), 1u);
    EXPECT_EQ(questions_.Zadane()[0].Tekst, u"Analiza zakończona");
    EXPECT_EQ(window_.AnalyseButton()->text(), "&Analizuj");
}

TEST_F(FrequencyWindow, KindsOfAnalysis)
{
    pane_.SetText("psa psy Psa");
    window_.KindButton(raWszystkieFormy)->click();
    window_.AnalyseButton()->click();
    // Every form as written; the capital inside a sentence is no form of the list.
    EXPECT_EQ(List(TfrmFrekwencja::lsZnalezione), "psa - 1\npsy - 1\n");
    EXPECT_EQ(List(TfrmFrekwencja::lsNieZnalezione), "Psa - 1\n");
    window_.KindButton(raSzybka)->click();
    window_.MergeCaseBox()->setChecked(true);
    window_.AnalyseButton()->click();
    EXPECT_EQ(List(TfrmFrekwencja::lsZnalezione), "psa - 2\npsy - 1\n");
}

TEST_F(FrequencyWindow, StopActsDuringALongRun)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "pies ma psa\r";
    pane_.SetText(text);
    bool kindsLockedWhileRunning = false;
    QTimer::singleShot(0, &window_, [&] {
        kindsLockedWhileRunning = window_.Running() && !window_.KindButton(raSzybka)->isEnabled() &&
                                  window_.AnalyseButton()->text() == "&Przerwij";
        window_.AnalyseButton()->click();
    });
    window_.AnalyseButton()->click();
    EXPECT_TRUE(kindsLockedWhileRunning);
    EXPECT_FALSE(window_.Running());
    EXPECT_TRUE(window_.KindButton(raSzybka)->isEnabled());
    EXPECT_TRUE(questions_.Zadane().empty()); // stopped, not finished
    const QString found = List(TfrmFrekwencja::lsZnalezione);
    ASSERT_TRUE(found.startsWith("pies - ")) << found.toStdString();
    EXPECT_LT(found.section('\n', 0, 0).mid(7).toInt(), 6000);
}

TEST_F(FrequencyWindow, SavesAListAsUtf8)
{
    pane_.SetText(FromUtf8("zrobiłaby"));
    window_.AnalyseButton()->click();
    test::TempFolder folder;
    const auto file = folder / "lista.txt";
    ASSERT_TRUE(window_.SaveList(TfrmFrekwencja::lsZnalezione, QString::fromStdString(file.string())));
    EXPECT_EQ(test::TempFolder::Read(file), "zrobić - 1\n");
    EXPECT_FALSE(window_.SaveList(TfrmFrekwencja::lsZnalezione, QString::fromStdString((folder / "no/such").string())));
}

} // namespace
} // namespace velmar
