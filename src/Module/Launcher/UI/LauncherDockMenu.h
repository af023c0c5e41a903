#pragma once

#include "OrbUiMenu/AbstractDockMenu.h"

#include <memory>

namespace Zarvo::Orb::Module::Launcher::UI
{
// The launcher's entries in the dock menu: the four capture actions, screenshot last.
class LauncherDockMenu : public ::Zarvo::Orb::UI::AbstractDockMenu
{
public:
    // Throws std::logic_error when actionsController is empty.
    explicit LauncherDockMenu(
        const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController);
    ~LauncherDockMenu() override;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
