#include "Module/Launcher/UI/LauncherMenuBar.h"

#include "Module/Launcher/NotNull.h"

#include <QCoreApplication>
#include <QMenu>

namespace Zarvo::Orb::Module::Launcher::UI
{
LauncherMenuBar::LauncherMenuBar(
    const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
    const std::shared_ptr<::Zarvo::App::ICustomizationManager>& customizationManager,
    const std::shared_ptr<::Zarvo::App::ILookAndFeelManager>& lookAndFeelManager,
    const std::shared_ptr<::Zarvo::Orb::ProductSettings>& productSettings)
    : CommonMenuBar(NotNull(actionsController), NotNull(productSettings), NotNull(lookAndFeelManager),
                    NotNull(customizationManager))
{
    AddCaptureMenu();
}

LauncherMenuBar::~LauncherMenuBar() = default;

void LauncherMenuBar::AddCaptureMenu()
{
    auto* menu = CreateMenu([] { return QCoreApplication::translate("LauncherMenu", "Capture"); },
                            QStringLiteral("menuCapture"));
    menu->addAction(GetActionById(QStringLiteral("ActionTakeScreenshotFromLauncher")));
    menu->addAction(GetActionById(QStringLiteral("ActionStartRecordFromLauncher")));
    menu->addAction(GetActionById(QStringLiteral("ActionStartAudioRecordFromLauncher")));
    menu->addAction(GetActionById(QStringLiteral("ActionStartWebCameraRecordFromLauncher")));
    menu->addAction(GetActionById(QStringLiteral("ActionOpenLibraryFiles")));
    menu->addSeparator();
    menu->addAction(GetActionById(QStringLiteral("ActionSchedulerPreferences")));
    InsertMenu(menu);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
