#pragma once
// The global hot key on X11: the key is grabbed on the root window through xcb, so
// that pressing it anywhere reaches this program, which reports it as Pressed. A key
// another client has grabbed cannot be registered. Elsewhere there is no global hot
// key: CreateHotKeyService gives the service that registers nothing.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "core/app/untUstawienia.h"

struct xcb_connection_t;

namespace velmar {

class TGoracyKlawiszX11 : public QObject, public TGoracyKlawisz, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    TGoracyKlawiszX11(xcb_connection_t* connection, unsigned root);
    ~TGoracyKlawiszX11() override;

    // modifiers: 1 Alt, 2 Control, 4 Shift, 8 the logo key; key: 'A'–'Z', '0'–'9',
    // F1–F12 from 0x70.
    bool Register(int modifiers, int key) override;
    void Unregister() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void Pressed();

private:
    xcb_connection_t* connection_;
    unsigned root_;
    unsigned char keycode_ = 0;
    unsigned modifiers_ = 0;
    std::vector<unsigned> grabbed_; // the modifier masks grabbed, lock keys included
};

// The keycode of an X keysym, or of a stored key, on the display's keyboard; 0 when it
// has none.
unsigned char KeycodeOfKeysym(xcb_connection_t* connection, unsigned keysym);
unsigned char HotKeyKeycode(xcb_connection_t* connection, int key);

// The X11 service on an X11 display, else the one that registers nothing. pressed
// runs on the window thread whenever the hot key is pressed.
std::unique_ptr<TGoracyKlawisz> CreateHotKeyService(std::function<void()> pressed);

} // namespace velmar
