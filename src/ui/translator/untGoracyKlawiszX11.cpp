#include "ui/translator/untGoracyKlawiszX11.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace velmar {

namespace {

constexpr unsigned kXKey0 = 0x30, kXKeyA = 0x61, kXKeyF1 = 0xffbe;
constexpr int kVirtualF1 = 0x70, kFunctionKeys = 12;

// The X keysym of a stored key; 0 for one the hot key cannot be.
unsigned KeysymOf(int key)
{
    if (key >= 'A' && key <= 'Z')
        return kXKeyA + static_cast<unsigned>(key - 'A');
    if (key >= '0' && key <= '9')
        return kXKey0 + static_cast<unsigned>(key - '0');
    if (key >= kVirtualF1 && key < kVirtualF1 + kFunctionKeys)
        return kXKeyF1 + static_cast<unsigned>(key - kVirtualF1);
    return 0;
}

unsigned ModifierMask(int modifiers)
{
    unsigned mask = 0;
    for (const auto& [bit, xMask] : {std::pair{1, XCB_MOD_MASK_1}, std::pair{2, XCB_MOD_MASK_CONTROL},
                                     std::pair{4, XCB_MOD_MASK_SHIFT}, std::pair{8, XCB_MOD_MASK_4}})
        if (modifiers & bit)
            mask |= xMask;
    return mask;
}

// Caps Lock and Num Lock (Mod2 on common layouts) must not keep the key from working.
constexpr unsigned kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

} // namespace

unsigned char KeycodeOfKeysym(xcb_connection_t* connection, unsigned keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr);
    if (mapping == nullptr)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    const int perKeycode = mapping->keysyms_per_keycode;
    unsigned char keycode = 0;
    for (int k = 0; k < count && keycode == 0; ++k)
        for (int s = 0; s < perKeycode; ++s)
            if (keysyms[k * perKeycode + s] == keysym) {
                keycode = static_cast<unsigned char>(setup->min_keycode + k);
                break;
            }
    free(mapping);
    return keycode;
}

unsigned char HotKeyKeycode(xcb_connection_t* connection, int key)
{
    const unsigned keysym = KeysymOf(key);
    return keysym == 0 ? 0 : KeycodeOfKeysym(connection, keysym);
}

TGoracyKlawiszX11::TGoracyKlawiszX11(xcb_connection_t* connection, unsigned root) : connection_(connection), root_(root)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TGoracyKlawiszX11::~TGoracyKlawiszX11()
{
    Unregister();
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TGoracyKlawiszX11::Register(int modifiers, int key)
{
    Unregister();
    keycode_ = HotKeyKeycode(connection_, key);
    if (keycode_ == 0)
        return false;
    modifiers_ = ModifierMask(modifiers);
    for (const unsigned locks : kLockMasks) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(connection_, 0, root_, static_cast<std::uint16_t>(modifiers_ | locks), keycode_,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            // Another client holds the key (BadAccess): give back what was taken.
            free(error);
            Unregister();
            return false;
        }
        grabbed_.push_back(modifiers_ | locks);
    }
    return true;
}

void TGoracyKlawiszX11::Unregister()
{
    for (const unsigned mask : grabbed_)
        xcb_ungrab_key(connection_, keycode_, root_, static_cast<std::uint16_t>(mask));
    if (!grabbed_.empty())
        xcb_flush(connection_);
    grabbed_.clear();
}

bool TGoracyKlawiszX11::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || grabbed_.empty())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const unsigned state = press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    if (press->detail != keycode_ || state != modifiers_)
        return false;
    emit Pressed();
    return true;
}

std::unique_ptr<TGoracyKlawisz> CreateHotKeyService(std::function<void()> pressed)
{
    auto* x11 = qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::make_unique<TBrakGoracegoKlawisza>();
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    auto service = std::make_unique<TGoracyKlawiszX11>(connection, screen->root);
    QObject::connect(service.get(), &TGoracyKlawiszX11::Pressed, service.get(), std::move(pressed),
                     Qt::QueuedConnection);
    return service;
}

} // namespace velmar
