#pragma once

#include <QList>

#include <memory>

namespace Zarvo::Orb
{
class HotkeySettings;
}

namespace Zarvo::Orb::CapturePreset
{
class IStorage;
class PresetQAction;
} // namespace Zarvo::Orb::CapturePreset

namespace Zarvo::Orb::UI
{
// Base of a tray menu that offers the capture presets. LoadPresets makes one PresetQAction per
// preset (owned here) and reports each trigger to OnPresetActionTriggered. A class that is also
// an AbstractTrayMenu gets the preset entries pinned at the top of its menu.
class PresetTrayMenu
{
public:
    PresetTrayMenu();
    virtual ~PresetTrayMenu();

    PresetTrayMenu(const PresetTrayMenu&) = delete;
    PresetTrayMenu& operator=(const PresetTrayMenu&) = delete;

    virtual void RebuildMenu() = 0;
    virtual void OnPresetActionTriggered(CapturePreset::PresetQAction* action) = 0;

    // Replaces the previously loaded entries, then calls RebuildMenu. With addToTrayMenu the
    // entries head the tray menu; without, they are only made.
    void LoadPresets(const CapturePreset::IStorage& storage, const std::shared_ptr<HotkeySettings>& hotkeySettings,
                     bool addToTrayMenu);

    QList<CapturePreset::PresetQAction*> GetPresetActions() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
