#include "Module/Launcher/UI/LauncherDockMenu.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/NotNull.h"
#include "OrbUiActionsController/ActionsController.h"

#include <QMenu>

namespace Zarvo::Orb::Module::Launcher::UI
{
LauncherDockMenu::LauncherDockMenu(
    const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController)
    : AbstractDockMenu(NotNull(actionsController))
{
    auto* menu = GetMenu();
    for (const auto& row : kFeatures)
        menu->addAction(actionsController->GetActionById(QLatin1String(row.actionId)));
}

LauncherDockMenu::~LauncherDockMenu() = default;
} // namespace Zarvo::Orb::Module::Launcher::UI
