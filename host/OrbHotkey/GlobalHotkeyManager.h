#pragma once

#include "HotkeyManager/GlobalHotkey.h"

#include <QObject>

namespace Zarvo::Orb
{
// Reports system-wide hotkeys through HotkeyTriggered. This platform has no system hotkeys,
// so the host (demo controls, tests) fires them by id with Fire. While held back (see
// GlobalHotkeyGuard) fired hotkeys are dropped.
class GlobalHotkeyManager : public QObject
{
    Q_OBJECT
public:
    GlobalHotkeyManager();
    ~GlobalHotkeyManager() override;

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
};
} // namespace Zarvo::Orb
