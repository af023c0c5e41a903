#pragma once

#include "HotkeyManager/GlobalHotkey.h"

#include <QKeySequence>
#include <QObject>

#include <memory>

namespace Zarvo::Orb
{
class X11KeyGrabber;

// Reports system-wide hotkeys through HotkeyTriggered. On X11 the combinations bound with Bind
// are grabbed for the whole display; elsewhere there are no system hotkeys and the host (its
// own shortcuts, demo controls, tests) fires them by id with Fire. While held back (see
// GlobalHotkeyGuard) fired hotkeys are dropped.
class GlobalHotkeyManager : public QObject
{
    Q_OBJECT
public:
    enum class Binding
    {
        // Grabbed system-wide, or released when the sequence was empty.
        Bound,
        // Another program, or another id, already holds the combination.
        Taken,
        // Not one combination of keys this keyboard has.
        NoSuchKey,
        // This platform has no system-wide grabs; the id is only fired by hand.
        NotSystemWide,
    };

    GlobalHotkeyManager();
    ~GlobalHotkeyManager() override;

    // Whether Bind can grab keys for the whole display here (an X11 session).
    bool IsSystemWide() const;
    // Releases what id held and grabs keys for it; an empty sequence only releases.
    Binding Bind(const QString& id, const QKeySequence& keys);

    // Emits HotkeyTriggered unless held back; returns whether it did.
    bool Fire(const QString& id);

    // Counted: hotkeys stay held back until every HoldBack has its Release.
    void HoldBack();
    void Release();
    bool IsHeldBack() const;

signals:
    void HotkeyTriggered(const Zarvo::App::GlobalHotkey& hotkey);

private:
    int holdDepth = 0;
    std::unique_ptr<X11KeyGrabber> grabber;
};
} // namespace Zarvo::Orb
