#pragma once

#include "Module/Launcher/NotNull.h"

#include <memory>

namespace Zarvo::App
{
class IApplicationSettingsManager;
class ICustomizationManager;
class ILinksOpener;
class ILookAndFeelManager;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
class ProductSettings;
}

namespace Zarvo::Orb::Tracking
{
class IStatisticsManager;
}

namespace Zarvo::Orb::UI::ActionsController
{
class ActionsController;
}

namespace Zarvo::Orb::Module::Launcher::UI
{
class LauncherDockMenu;
class LauncherMenuBar;
class LauncherTrayMenu;
class Sidebar;
} // namespace Zarvo::Orb::Module::Launcher::UI

namespace Zarvo::Orb::Module::Launcher
{
// Builds what needs the host's UI services: the shared action controller, filled with the
// common and the launcher actions, the three launcher menus and the panel. Every create
// operation makes a new object the factory keeps no reference to.
class Factory
{
public:
    // Throws std::logic_error for the first empty service, in argument order.
    Factory(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
            const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager,
            const std::shared_ptr<ProductSettings>& productSettings,
            const std::shared_ptr<Tracking::IStatisticsManager>& statisticsManager,
            const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
            const std::shared_ptr<App::ILinksOpener>& linksOpener);
    ~Factory();

    Factory(const Factory&) = delete;
    Factory& operator=(const Factory&) = delete;

    std::shared_ptr<Orb::UI::ActionsController::ActionsController> GetActionsController() const;
    NotNull<UI::LauncherMenuBar> CreateMenuBar() const;
    NotNull<UI::LauncherTrayMenu> CreateTrayMenu() const;
    NotNull<UI::LauncherDockMenu> CreateDockMenu() const;
    // A top-level panel without parent; it stays hidden until shown.
    std::unique_ptr<UI::Sidebar> CreateSidebar() const;

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher
