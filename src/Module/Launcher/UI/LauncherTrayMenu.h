#pragma once

#include "OrbUiCapturePreset/PresetTrayMenu.h"
#include "OrbUiMenu/AbstractTrayMenu.h"

#include <functional>
#include <memory>

namespace Zarvo::Orb::CapturePreset
{
class IStorage;
class PresetQAction;
} // namespace Zarvo::Orb::CapturePreset

namespace Zarvo::Orb::Module::Launcher::UI
{
// The launcher's tray menu: its own parentless QMenu with the launcher's and the common
// actions, headed by the capture presets once they are loaded.
class LauncherTrayMenu : public ::Zarvo::Orb::UI::PresetTrayMenu, public ::Zarvo::Orb::UI::AbstractTrayMenu
{
public:
    using PresetTriggeredCallback = std::function<void(::Zarvo::Orb::CapturePreset::PresetQAction*)>;

    // Throws std::logic_error when a service is empty.
    LauncherTrayMenu(const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
                     const std::shared_ptr<::Zarvo::App::ICustomizationManager>& customizationManager);
    ~LauncherTrayMenu() override;

    void RebuildMenu() override;
    void OnPresetActionTriggered(::Zarvo::Orb::CapturePreset::PresetQAction* action) override;

    void LoadPresets(const ::Zarvo::Orb::CapturePreset::IStorage& storage,
                     const std::shared_ptr<::Zarvo::Orb::HotkeySettings>& hotkeySettings);
    // A preset chosen while no callback is set is ignored.
    void SetPresetTriggeredCallback(PresetTriggeredCallback callback);

private:
    void BuildMenu();

    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
