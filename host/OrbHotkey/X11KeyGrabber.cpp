#include "OrbHotkey/X11KeyGrabber.h"

#ifdef ORB_HOST_X11
#include <QCoreApplication>
#include <QX11Info>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <map>
#endif

namespace Zarvo::Orb
{
#ifdef ORB_HOST_X11
namespace
{
struct Combination
{
    xcb_keycode_t keycode = 0;
    uint16_t modifiers = 0;

    bool operator==(const Combination& other) const { return keycode == other.keycode && modifiers == other.modifiers; }
};

// Caps Lock and Num Lock must not stop a hotkey, so each combination is grabbed in all four states.
const uint16_t LockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

xcb_keysym_t KeySymFor(int key)
{
    static const std::map<int, xcb_keysym_t> special = {
        {Qt::Key_Escape, 0xff1b},   {Qt::Key_Tab, 0xff09},    {Qt::Key_Backspace, 0xff08},  {Qt::Key_Return, 0xff0d},
        {Qt::Key_Enter, 0xff8d},    {Qt::Key_Insert, 0xff63}, {Qt::Key_Delete, 0xffff},     {Qt::Key_Pause, 0xff13},
        {Qt::Key_Print, 0xff61},    {Qt::Key_Home, 0xff50},   {Qt::Key_End, 0xff57},        {Qt::Key_Left, 0xff51},
        {Qt::Key_Up, 0xff52},       {Qt::Key_Right, 0xff53},  {Qt::Key_Down, 0xff54},       {Qt::Key_PageUp, 0xff55},
        {Qt::Key_PageDown, 0xff56}, {Qt::Key_Space, 0x20},    {Qt::Key_ScrollLock, 0xff14}, {Qt::Key_Menu, 0xff67},
    };
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
    {
        return 0xffbe + (key - Qt::Key_F1);
    }
    if (const auto found = special.find(key); found != special.end())
    {
        return found->second;
    }
    // Latin-1 keys share their code with the key symbol; letters are bound lower case.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
    {
        return key - Qt::Key_A + 'a';
    }
    if (key > 0x20 && key <= 0xff)
    {
        return key;
    }
    return 0;
}

uint16_t ModifiersFor(int combination)
{
    uint16_t modifiers = 0;
    if (combination & Qt::ShiftModifier)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (combination & Qt::ControlModifier)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (combination & Qt::AltModifier)
        modifiers |= XCB_MOD_MASK_1;
    if (combination & Qt::MetaModifier)
        modifiers |= XCB_MOD_MASK_4;
    return modifiers;
}
} // namespace

struct X11KeyGrabber::Impl
{
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_key_symbols_t* symbols = nullptr;
    std::function<void(const QString&)> pressed;
    std::map<QString, Combination> grabbed;

    bool Keycode(int key, xcb_keycode_t& keycode) const
    {
        const xcb_keysym_t keysym = KeySymFor(key);
        if (!keysym)
        {
            return false;
        }
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        keycode = codes ? codes[0] : XCB_NO_SYMBOL;
        std::free(codes);
        return keycode != XCB_NO_SYMBOL;
    }

    bool HeldByUs(const Combination& combination) const
    {
        for (const auto& entry : grabbed)
        {
            if (entry.second == combination)
            {
                return true;
            }
        }
        return false;
    }

    // Grabs every lock state or none: a combination half held would fire only sometimes.
    bool GrabAll(const Combination& combination)
    {
        std::size_t done = 0;
        for (const uint16_t locks : LockMasks)
        {
            const xcb_void_cookie_t cookie =
                xcb_grab_key_checked(connection, 1, root, combination.modifiers | locks, combination.keycode,
                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(connection, cookie))
            {
                std::free(error);
                break;
            }
            ++done;
        }
        if (done == std::size(LockMasks))
        {
            return true;
        }
        for (std::size_t i = 0; i < done; ++i)
        {
            xcb_ungrab_key(connection, combination.keycode, root, combination.modifiers | LockMasks[i]);
        }
        xcb_flush(connection);
        return false;
    }

    void Release(const QString& id)
    {
        const auto found = grabbed.find(id);
        if (found == grabbed.end())
        {
            return;
        }
        const Combination combination = found->second;
        grabbed.erase(found);
        for (const uint16_t locks : LockMasks)
        {
            xcb_ungrab_key(connection, combination.keycode, root, combination.modifiers | locks);
        }
        xcb_flush(connection);
    }
};

X11KeyGrabber::X11KeyGrabber()
    : d(std::make_unique<Impl>())
{
}

std::unique_ptr<X11KeyGrabber> X11KeyGrabber::Create(std::function<void(const QString&)> pressed)
{
    if (!QCoreApplication::instance() || !QX11Info::isPlatformX11() || !QX11Info::connection())
    {
        return nullptr;
    }
    std::unique_ptr<X11KeyGrabber> grabber(new X11KeyGrabber);
    grabber->d->connection = QX11Info::connection();
    grabber->d->root = QX11Info::appRootWindow();
    grabber->d->symbols = xcb_key_symbols_alloc(grabber->d->connection);
    grabber->d->pressed = std::move(pressed);
    QCoreApplication::instance()->installNativeEventFilter(grabber.get());
    return grabber;
}

X11KeyGrabber::~X11KeyGrabber()
{
    if (QCoreApplication::instance())
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    while (!d->grabbed.empty())
    {
        d->Release(d->grabbed.begin()->first);
    }
    xcb_key_symbols_free(d->symbols);
}

X11KeyGrabber::Result X11KeyGrabber::Grab(const QString& id, const QKeySequence& keys)
{
    d->Release(id);
    if (keys.isEmpty())
    {
        return Result::Grabbed;
    }
    const int key = keys[0] & ~Qt::KeyboardModifierMask;
    Combination combination;
    if (keys.count() != 1 || !d->Keycode(key, combination.keycode))
    {
        return Result::NoSuchKey;
    }
    combination.modifiers = ModifiersFor(keys[0]);
    if (d->HeldByUs(combination) || !d->GrabAll(combination))
    {
        return Result::Taken;
    }
    d->grabbed[id] = combination;
    return Result::Grabbed;
}

bool X11KeyGrabber::nativeEventFilter(const QByteArray& eventType, void* message, long*)
{
    if (eventType != "xcb_generic_event_t")
    {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t type = event->response_type & ~0x80;
    if (type == XCB_MAPPING_NOTIFY)
    {
        xcb_refresh_keyboard_mapping(
            d->symbols, reinterpret_cast<xcb_mapping_notify_event_t*>(const_cast<xcb_generic_event_t*>(event)));
        return false;
    }
    if (type != XCB_KEY_PRESS)
    {
        return false;
    }
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != d->root)
    {
        return false;
    }
    const Combination combination{press->detail,
                                  static_cast<uint16_t>(press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2))};
    for (const auto& entry : d->grabbed)
    {
        if (entry.second == combination)
        {
            // Copied: the handler may re-grab and so change the map.
            const QString id = entry.first;
            d->pressed(id);
            return true;
        }
    }
    return false;
}
#else
struct X11KeyGrabber::Impl
{
};

X11KeyGrabber::X11KeyGrabber() = default;
X11KeyGrabber::~X11KeyGrabber() = default;

std::unique_ptr<X11KeyGrabber> X11KeyGrabber::Create(std::function<void(const QString&)>)
{
    return nullptr;
}

X11KeyGrabber::Result X11KeyGrabber::Grab(const QString&, const QKeySequence&)
{
    return Result::NoSuchKey;
}

bool X11KeyGrabber::nativeEventFilter(const QByteArray&, void*, long*)
{
    return false;
}
#endif
} // namespace Zarvo::Orb
