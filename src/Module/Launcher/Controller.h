#pragma once

#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/IHandler.h"
#include "Module/Launcher/IModule.h"
#include "ModuleFramework/AbstractModule.h"
#include "ModuleFramework/SpecificHandler.h"

#include <memory>

namespace Zarvo::App
{
class IApplicationSettingsManager;
class ILinksOpener;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
class GlobalHotkeyGuard;
class GlobalHotkeyManager;
class HotkeySettings;
class IExternalStimulusHandler;
class PathsSettings;
class ProductSettings;
} // namespace Zarvo::Orb

namespace Zarvo::Orb::Service::Feedback
{
class IFeedbackController;
}

namespace Zarvo::Orb::Service::Tutorial
{
class ITutorialManager;
}

namespace Zarvo::Orb::UI
{
class AudioComponentInstallHelper;
class CaptureDockMenu;
class CaptureTrayIcon;
class CaptureTrayIconBlocker;
class MainMenuBar;
class ParentProvider;
class WindowPositionHelper;
} // namespace Zarvo::Orb::UI

namespace Zarvo::Orb::Module::Launcher
{
class Factory;

// The launcher as the host sees it. Owns the panel and the menus, tracks the hotkey texts for
// its whole life and, while active, installs the tray menu, dispatches global hotkeys and shows
// the panel. Every feature, action and hotkey ends in a call to the handler given by SetHandler.
class Controller : public Launcher::IModule,
                   public Module::AbstractModule,
                   public Module::SpecificHandler<Launcher::IHandler>,
                   public IShowActiveWindow
{
public:
    // Throws std::logic_error for the first empty service; nothing is then registered with the
    // hotkey settings.
    Controller(const std::shared_ptr<Factory>& factory, const std::shared_ptr<ProductSettings>& productSettings,
               const std::shared_ptr<HotkeySettings>& hotkeySettings,
               const std::shared_ptr<GlobalHotkeyManager>& globalHotkeyManager,
               const std::shared_ptr<GlobalHotkeyGuard>& globalHotkeyGuard,
               const std::shared_ptr<PathsSettings>& pathsSettings,
               const std::shared_ptr<Orb::UI::ParentProvider>& parentProvider,
               const std::shared_ptr<Orb::UI::WindowPositionHelper>& windowPositionHelper,
               const std::shared_ptr<IExternalStimulusHandler>& externalStimulusHandler,
               const std::shared_ptr<Orb::UI::MainMenuBar>& mainMenuBar,
               const std::shared_ptr<Orb::UI::CaptureTrayIcon>& trayIcon,
               const std::shared_ptr<Orb::UI::CaptureTrayIconBlocker>& trayIconBlocker,
               const std::shared_ptr<Orb::UI::CaptureDockMenu>& dockMenu,
               const std::shared_ptr<Orb::UI::AudioComponentInstallHelper>& audioComponentInstallHelper,
               const std::shared_ptr<Service::Tutorial::ITutorialManager>& tutorialManager,
               const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
               const std::shared_ptr<Service::Feedback::IFeedbackController>& feedbackController,
               const std::shared_ptr<App::ILinksOpener>& linksOpener);
    ~Controller() override;

    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    using Module::SpecificHandler<Launcher::IHandler>::SetHandler;
    // Not owned; a null handler leaves features, actions and hotkeys without effect.
    void SetHandler(Launcher::IHandler* handler) override;
    // Not owned; must outlive the controller or be replaced first.
    void SetPresetStorage(CapturePreset::IStorage* storage) override;
    void ShowActiveWindow() override;

protected:
    void DoActivate(const ActivationContext& context) override;
    void DoActivate() override;
    void DoDeactivate() override;

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher
