#pragma once

#include <QString>

#include <string>

namespace Zarvo::Orb::CapturePreset
{
// One saved capture configuration the user can start from a hotkey or the tray menu.
class IPreset
{
public:
    virtual ~IPreset() = default;
    virtual QString GetName() const = 0;
    virtual std::string GetHotkeyId() const = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Start() const = 0;
};
} // namespace Zarvo::Orb::CapturePreset
