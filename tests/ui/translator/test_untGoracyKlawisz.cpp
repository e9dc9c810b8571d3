// The global hot key under a real X server: the test program runs this suite again on
// a display of its own (Xvfb), where the key is grabbed, pressed through XTEST and
// delivered with the primary selection (the clipboard stays as it was), and a key that
// another client holds is refused with message 133. Without Xvfb the test is skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOpcjeSlownika.h"
#include "ui/translator/untGoracyKlawiszX11.h"
#include "ui/translator/untMain.h"

namespace velmar {
namespace {

constexpr const char* kOnDisplay = "VELMAR_HOT_KEY_DISPLAY";
constexpr int kControl = 2, kF9 = 0x78;
constexpr unsigned kControlKeysym = 0xffe3;

// Runs this suite again on a fresh Xvfb display; its exit code, or −1 when the server
// would not start.
int RunOnOwnDisplay(const QString& xvfb, QString& output)
{
    const int display = 70 + static_cast<int>(QCoreApplication::applicationPid() % 200);
    QProcess server;
    server.start(xvfb, {QStringLiteral(":%1").arg(display), "-nolisten", "tcp", "-screen", "0", "1280x800x24"});
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
    if (!server.waitForStarted(5000) || !QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 5000))
        return -1;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QStringLiteral(":%1").arg(display));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert(kOnDisplay, "1");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HotKeyX11.*"});
    const bool finished = child.waitForFinished(60000);
    output = QString::fromLocal8Bit(child.readAll());
    server.terminate();
    server.waitForFinished(5000);
    return finished && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

// Presses Control+key on the display as a keyboard would.
void PressWithControl(xcb_connection_t* connection, unsigned char keycode)
{
    const unsigned char control = KeycodeOfKeysym(connection, kControlKeysym);
    const xcb_window_t none = XCB_NONE;
    for (const auto& [type, key] : {std::pair{XCB_KEY_PRESS, control}, std::pair{XCB_KEY_PRESS, keycode},
                                    std::pair{XCB_KEY_RELEASE, keycode}, std::pair{XCB_KEY_RELEASE, control}})
        xcb_test_fake_input(connection, static_cast<std::uint8_t>(type), key, XCB_CURRENT_TIME, none, 0, 0, 0);
    xcb_flush(connection);
}

} // namespace

TEST(HotKeyX11, IsGrabbedDeliveredAndRefusedWhenHeld)
{
    if (qEnvironmentVariableIsEmpty(kOnDisplay)) {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            GTEST_SKIP() << "no Xvfb";
        QString output;
        EXPECT_EQ(RunOnOwnDisplay(xvfb, output), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    TPytanieSkryptowe questions;
    UstawPytanie(&questions);
    TTransUstawienia& settings = Ustawienia();
    settings.HotKey = kF9;
    settings.HotKeyModifier = kControl;
    settings.HotKeySlownik = true;
    settings.HotKeyAktywujOkno = false;
    TfrmMain window;
    QStringList lookedUp;
    QObject::connect(&window, &TfrmMain::LookUpRequested, [&](const QString& text) { lookedUp << text; });
    ASSERT_TRUE(settings.SetHotKeyEnabled(true));
    QApplication::clipboard()->setText("own", QClipboard::Clipboard);
    QApplication::clipboard()->setText("chat", QClipboard::Selection);

    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    PressWithControl(other, HotKeyKeycode(other, kF9));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lookedUp.isEmpty(); }, 5000));
    EXPECT_EQ(lookedUp, QStringList{"chat"});
    EXPECT_EQ(QApplication::clipboard()->text(QClipboard::Clipboard), "own") << "the clipboard is left alone";

    // Another client holds Control+F10.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    const xcb_void_cookie_t grab = xcb_grab_key_checked(
        other, 0, root, XCB_MOD_MASK_CONTROL, HotKeyKeycode(other, kF9 + 1), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    ASSERT_EQ(xcb_request_check(other, grab), nullptr);
    TfrmOpcjeSlZew options;
    EXPECT_FALSE(options.UstawGoracyKlawisz(QKeyCombination(Qt::ControlModifier, Qt::Key_F10)));
    ASSERT_EQ(questions.Zadane().size(), 1u);
    EXPECT_EQ(questions.Zadane()[0].Tekst, Napis(133).toStdU16String());
    EXPECT_TRUE(settings.HotKeyWlaczony) << "the hot key in use stays";

    lookedUp.clear();
    PressWithControl(other, HotKeyKeycode(other, kF9));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lookedUp.isEmpty(); }, 5000)) << "still grabbed after the refusal";
    settings.SetHotKeyEnabled(false);
    xcb_disconnect(other);
    UstawPytanie(nullptr);
}

} // namespace velmar
