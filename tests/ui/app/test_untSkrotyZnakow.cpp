// National letters typed with the settings' keyboard shortcuts.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "support/TestNames.h"
#include "ui/app/untSkrotyZnakow.h"

namespace velmar {
namespace {

struct TSkrot {
    std::uint8_t Language;
    Qt::KeyboardModifiers Modifiers;
    Qt::Key Key;
    const char* Letter; // UTF-8; empty: the key is the box's own and types nothing
};

class ShortcutLetters : public ::testing::TestWithParam<TSkrot> {
protected:
    ShortcutLetters() { Ustawienia().SetDefaults(); }
};

TEST_P(ShortcutLetters, TheBoxTakesTheLetterOfTheShortcut)
{
    const auto& p = GetParam();
    QLineEdit box;
    new TSkrotyZnakow(&box, [&p] { return p.Language; });
    QTest::keyClick(&box, p.Key, p.Modifiers);
    EXPECT_EQ(box.text(), QString::fromUtf8(p.Letter));
}

std::string DescribeShortcut(const TSkrot& c)
{
    const QString keys = QKeySequence(QKeyCombination(c.Modifiers, c.Key)).toString(QKeySequence::PortableText);
    return keys.toStdString() + " gives " + (*c.Letter ? c.Letter : "nothing");
}

constexpr auto kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
INSTANTIATE_TEST_SUITE_P(Keys, ShortcutLetters,
                         ::testing::Values(TSkrot{jezPolski, kCtrlAlt, Qt::Key_A, "ą"},
                                           TSkrot{jezPolski, kCtrlAlt | Qt::ShiftModifier, Qt::Key_Z, "Ż"},
                                           TSkrot{jezPolski, kCtrlAlt, Qt::Key_X, "ź"},
                                           TSkrot{jezFrancuski, kCtrlAlt, Qt::Key_E, "é"},
                                           TSkrot{jezFrancuski, kCtrlAlt | Qt::ShiftModifier, Qt::Key_C, "Ç"},
                                           TSkrot{jezPolski, Qt::ControlModifier, Qt::Key_A, ""}),
                         test::NamedBy(DescribeShortcut));

TEST(ShortcutLetter, FollowsTheUsersShortcutsAndTheirSwitch)
{
    auto& settings = Ustawienia();
    settings.SetDefaults();
    settings.SkrotyKlawiszowe[jezPolski][0] = "Ctrl+Shift+Q"; // ą moved by the user
    EXPECT_EQ(LetterOfShortcut(settings, jezPolski, QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_A)),
              QString());
    EXPECT_EQ(LetterOfShortcut(settings, jezPolski, QKeyCombination(Qt::ControlModifier, Qt::Key_Q)), QString());
    settings.SkrotyKlawiszowe[jezPolski][0] = "Ctrl+Q";
    EXPECT_EQ(LetterOfShortcut(settings, jezPolski, QKeyCombination(Qt::ControlModifier, Qt::Key_Q)),
              QString::fromUtf8("ą"));
    settings.SkrotyWlaczone[jezPolski] = false;
    EXPECT_EQ(LetterOfShortcut(settings, jezPolski, QKeyCombination(Qt::ControlModifier, Qt::Key_Q)), QString());
    settings.SetDefaults();
}

} // namespace
} // namespace velmar
