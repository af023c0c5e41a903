#pragma once

#include <memory>

namespace Zarvo::Orb
{
class GlobalHotkeyManager;
class HotkeySettings;

// Holds global hotkeys back while a window that takes keyboard input is open. Lock and
// Unlock nest; the hotkey manager drops fired hotkeys while the guard is locked.
class GlobalHotkeyGuard
{
public:
    GlobalHotkeyGuard(const std::shared_ptr<GlobalHotkeyManager>& hotkeyManager,
                      const std::shared_ptr<HotkeySettings>& hotkeySettings);
    ~GlobalHotkeyGuard();

    GlobalHotkeyGuard(const GlobalHotkeyGuard&) = delete;
    GlobalHotkeyGuard& operator=(const GlobalHotkeyGuard&) = delete;

    void Lock();
    // An Unlock without a matching Lock is ignored.
    void Unlock();
    bool IsLocked() const;
    int LockDepth() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb
