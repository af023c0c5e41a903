#include "OrbHotkey/GlobalHotkeyGuard.h"

#include "CallRecord/CallRecord.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"

#include <stdexcept>

namespace Zarvo::Orb
{
struct GlobalHotkeyGuard::Impl
{
    std::shared_ptr<GlobalHotkeyManager> hotkeyManager;
    std::shared_ptr<HotkeySettings> hotkeySettings;
    int depth = 0;
};

GlobalHotkeyGuard::GlobalHotkeyGuard(const std::shared_ptr<GlobalHotkeyManager>& hotkeyManager,
                                     const std::shared_ptr<HotkeySettings>& hotkeySettings)
    : d(std::make_unique<Impl>(Impl{hotkeyManager, hotkeySettings}))
{
    if (!hotkeyManager)
    {
        throw std::invalid_argument("GlobalHotkeyGuard needs a hotkey manager");
    }
}

GlobalHotkeyGuard::~GlobalHotkeyGuard()
{
    // A guard dying while locked must not leave the manager deaf for good.
    while (d->depth > 0)
    {
        --d->depth;
        d->hotkeyManager->Release();
    }
}

void GlobalHotkeyGuard::Lock()
{
    Host::CallRecord::Add(QStringLiteral("GlobalHotkeyGuard::Lock"));
    ++d->depth;
    d->hotkeyManager->HoldBack();
}

void GlobalHotkeyGuard::Unlock()
{
    Host::CallRecord::Add(QStringLiteral("GlobalHotkeyGuard::Unlock"));
    if (d->depth == 0)
    {
        return;
    }
    --d->depth;
    d->hotkeyManager->Release();
}

bool GlobalHotkeyGuard::IsLocked() const
{
    return d->depth > 0;
}

int GlobalHotkeyGuard::LockDepth() const
{
    return d->depth;
}
} // namespace Zarvo::Orb
