#include "OrbHotkey/GlobalHotkeyManager.h"

#include "CallRecord/CallRecord.h"

namespace Zarvo::Orb
{
GlobalHotkeyManager::GlobalHotkeyManager()
{
    // Lets hosts connect HotkeyTriggered across threads.
    qRegisterMetaType<App::GlobalHotkey>();
    qRegisterMetaType<App::GlobalHotkey>("Zarvo::App::GlobalHotkey");
}

GlobalHotkeyManager::~GlobalHotkeyManager() = default;

bool GlobalHotkeyManager::Fire(const QString& id)
{
    if (IsHeldBack())
    {
        Host::CallRecord::Add(QStringLiteral("GlobalHotkeyManager::HeldBack(%1)").arg(id));
        return false;
    }
    Host::CallRecord::Add(QStringLiteral("GlobalHotkeyManager::HotkeyTriggered(%1)").arg(id));
    emit HotkeyTriggered(App::GlobalHotkey(id));
    return true;
}

void GlobalHotkeyManager::HoldBack()
{
    ++holdDepth;
}

void GlobalHotkeyManager::Release()
{
    if (holdDepth > 0)
    {
        --holdDepth;
    }
}

bool GlobalHotkeyManager::IsHeldBack() const
{
    return holdDepth > 0;
}
} // namespace Zarvo::Orb
