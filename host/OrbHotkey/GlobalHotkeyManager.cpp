#include "OrbHotkey/GlobalHotkeyManager.h"

#include "CallRecord/CallRecord.h"
#include "OrbHotkey/X11KeyGrabber.h"

namespace Zarvo::Orb
{
GlobalHotkeyManager::GlobalHotkeyManager()
{
    // Lets hosts connect HotkeyTriggered across threads.
    qRegisterMetaType<App::GlobalHotkey>();
    qRegisterMetaType<App::GlobalHotkey>("Zarvo::App::GlobalHotkey");
    grabber = X11KeyGrabber::Create([this](const QString& id) { Fire(id); });
}

GlobalHotkeyManager::~GlobalHotkeyManager() = default;

bool GlobalHotkeyManager::IsSystemWide() const
{
    return grabber != nullptr;
}

GlobalHotkeyManager::Binding GlobalHotkeyManager::Bind(const QString& id, const QKeySequence& keys)
{
    const QString text = keys.toString(QKeySequence::PortableText);
    if (!grabber)
    {
        return Binding::NotSystemWide;
    }
    switch (grabber->Grab(id, keys))
    {
    case X11KeyGrabber::Result::Grabbed:
        return Binding::Bound;
    case X11KeyGrabber::Result::Taken:
        Host::CallRecord::Add(QStringLiteral("GlobalHotkeyManager::Taken(%1, %2)").arg(id, text));
        return Binding::Taken;
    case X11KeyGrabber::Result::NoSuchKey:
        break;
    }
    Host::CallRecord::Add(QStringLiteral("GlobalHotkeyManager::NoSuchKey(%1, %2)").arg(id, text));
    return Binding::NoSuchKey;
}

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
