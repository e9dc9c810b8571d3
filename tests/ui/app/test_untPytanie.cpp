#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/app/untUstawienia.h"
#include "ui/app/untPytanie.h"

using namespace velmar;

namespace {

QStringList Captions(const TfrmPytanie& window)
{
    QStringList captions;
    for (auto* button : window.Przyciski())
        captions << button->text();
    return captions;
}

TEST(QuestionWindow, ShowsTheButtonSetsInTheInterfaceLanguage)
{
    Ustawienia().SetInterfaceLanguage(jezPolski);
    TfrmPytanie window;
    window.Przygotuj(u"Czy chcesz zakończyć pracę z programem ?", TPrzyciski::TakNieAnuluj);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Uwaga"));
    EXPECT_EQ(window.Tekst()->text(), QStringLiteral("Czy chcesz zakończyć pracę z programem ?"));
    EXPECT_EQ(Captions(window), (QStringList{"&Tak", "&Nie", "&Anuluj"}));

    window.Przygotuj(u"x", TPrzyciski::OK);
    EXPECT_EQ(Captions(window), QStringList{"&OK"});

    Ustawienia().SetInterfaceLanguage(jezFrancuski);
    window.Przygotuj(u"x", TPrzyciski::TakNie);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Attention"));
    EXPECT_EQ(Captions(window), (QStringList{"&Oui", "&Non"}));
    Ustawienia().SetInterfaceLanguage(jezPolski);
}

TEST(QuestionWindow, ReturnsTheButtonPressedAndCautionOnEscape)
{
    TfrmPytanie window;
    QTimer::singleShot(0, &window, [&window] { window.Przyciski().at(1)->click(); });
    EXPECT_EQ(window.Zapytaj(u"?", TPrzyciski::TakNieAnuluj), TOdpowiedz::Nie);

    QTimer::singleShot(0, &window, [&window] { window.Przyciski().at(0)->click(); });
    EXPECT_EQ(window.Zapytaj(u"?", TPrzyciski::TakNie), TOdpowiedz::Tak);

    QTimer::singleShot(0, &window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_EQ(window.Zapytaj(u"?", TPrzyciski::TakNieAnuluj), TOdpowiedz::Anuluj);
}

} // namespace
