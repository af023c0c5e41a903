#include "Module/Launcher/UI/LauncherDockMenu.h"

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
    menu->addAction(actionsController->GetActionById(QStringLiteral("ActionStartRecordFromLauncher")));
    menu->addAction(actionsController->GetActionById(QStringLiteral("ActionStartAudioRecordFromLauncher")));
    menu->addAction(actionsController->GetActionById(QStringLiteral("ActionStartWebCameraRecordFromLauncher")));
    menu->addAction(actionsController->GetActionById(QStringLiteral("ActionTakeScreenshotFromLauncher")));
}

LauncherDockMenu::~LauncherDockMenu() = default;
} // namespace Zarvo::Orb::Module::Launcher::UI
