// The screenshot session behind `make screenshots` (scripts/screenshots.sh), disabled
// in the test run: the program starts on the bundled data under Xvfb, a scripted
// session brings up each window a user meets, and each is saved as a PNG into
// VELMAR_SCREENSHOTS_DIR. A window whose laid-out widgets are squeezed below their
// minimum size, stick out of their parent or overlap, or whose toolbar hides buttons,
// fails the session.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untProgram.h"
#include "ui/browser/untSlownikZew.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untSiatkaZnaczen.h"
#include "ui/translator/untTlumaczReczne.h"
#include "ui/translator/untTlumaczZdanie.h"

namespace velmar {
namespace {

constexpr int kDeadline = 20000;

std::string Describe(const QWidget* widget)
{
    return (widget->objectName().isEmpty() ? QString(widget->metaObject()->className()) : widget->objectName())
        .toStdString();
}

// What a user would see as broken: widgets of a layout squeezed, outside their parent
// or on top of each other, and toolbars that hide buttons behind their extension.
std::vector<std::string> LayoutProblems(const QWidget& window)
{
    std::vector<std::string> problems;
    QList<const QWidget*> parents{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        if (child->isVisibleTo(&window))
            parents << child;
    for (const QWidget* parent : parents) {
        if (const auto* bar = qobject_cast<const QToolBar*>(parent))
            if (const auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button"); more && more->isVisible())
                problems.push_back(Describe(bar) + " hides buttons");
        const QLayout* layout = parent->layout();
        if (layout == nullptr)
            continue;
        std::vector<const QWidget*> laidOut;
        for (int i = 0; i < layout->count(); ++i)
            if (const QWidget* child = layout->itemAt(i)->widget(); child && child->isVisibleTo(&window))
                laidOut.push_back(child);
        for (std::size_t a = 0; a < laidOut.size(); ++a) {
            const QWidget* child = laidOut[a];
            const QSize least = child->minimumSizeHint().expandedTo(child->minimumSize());
            if (least.isValid() && (child->width() < least.width() || child->height() < least.height()))
                problems.push_back(Describe(child) + " is squeezed");
            if (!parent->rect().contains(child->geometry()))
                problems.push_back(Describe(child) + " sticks out of " + Describe(parent));
            for (std::size_t b = a + 1; b < laidOut.size(); ++b)
                if (child->geometry().intersects(laidOut[b]->geometry()))
                    problems.push_back(Describe(child) + " overlaps " + Describe(laidOut[b]));
        }
    }
    return problems;
}

void Shoot(QWidget& window, const char* name)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kDeadline)) << name;
    QTest::qWait(200); // the last layout and paint
    const QString file = QDir(qEnvironmentVariable("VELMAR_SCREENSHOTS_DIR")).filePath(QString(name) + ".png");
    EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    for (const std::string& problem : LayoutProblems(window))
        ADD_FAILURE() << name << ": " << problem;
}

class Screenshots : public ::testing::Test {
protected:
    void Translate(int mode, const char* text)
    {
        Ustawienia().TrybPracy = mode;
        translator().SourcePane()->setPlainText(QString::fromUtf8(text));
        translator().TranslateAction()->trigger();
    }
    void End(QPushButton* button)
    {
        button->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !translator().Busy(); }, kDeadline));
    }
    TfrmMain& translator() { return *program.Translator(); }

    TProgram program{{}};
};

TEST_F(Screenshots, DISABLED_ScriptedSession)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("VELMAR_SCREENSHOTS_DIR"));
    program.Start();
    // Messages (a stopped run says so) are answered without a window.
    TPytanieSkryptowe questions;
    UstawPytanie(&questions);
    Shoot(translator(), "translator-idle");

    Translate(0, "Le chat dort dans la maison. Il fait beau aujourd'hui.\nNous parlons du temps.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !translator().Busy(); }, kDeadline));
    Shoot(translator(), "translator-translation");

    Ustawienia().SetDictionaryPaneLayout(2);
    QTextCursor caret = translator().SourcePane()->textCursor();
    caret.setPosition(4);
    translator().SourcePane()->setTextCursor(caret);
    Shoot(translator(), "translator-dictionary-pane");
    Ustawienia().SetDictionaryPaneLayout(0);

    Translate(1, "Le temps est beau.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return translator().MeaningsGrid()->EndButton()->isEnabled(); }, kDeadline));
    Shoot(translator(), "translator-meanings-grid");
    End(translator().MeaningsGrid()->EndButton());

    Translate(3, "Le temps est beau.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return translator().ManualWindow()->Waiting(); }, kDeadline));
    Shoot(*translator().ManualWindow(), "manual-translation");
    End(translator().ManualWindow()->EndButton());

    Translate(8, "Le temps est beau.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return translator().InterpretationWindow()->Waiting(); }, kDeadline));
    Shoot(*translator().InterpretationWindow(), "interpretation-list");
    End(translator().InterpretationWindow()->EndButton());
    Ustawienia().TrybPracy = 0;

    TfrmSlownikZew& dictionary = *program.Dictionary();
    dictionary.show();
    dictionary.SetTypingDelay(false);
    dictionary.LookUp("maison");
    Shoot(dictionary, "dictionary");
    UstawPytanie(nullptr);
}

} // namespace
} // namespace velmar
