#include "Module/Launcher/UI/LauncherMenuBar.h"

#include "Module/Launcher/LauncherFeatures.h"
#include "Module/Launcher/NotNull.h"
#include "Module/Launcher/Tr.h"

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
    auto* menu = CreateMenu([] { return LauncherMenuTr::tr("Capture"); }, QStringLiteral("menuCapture"));
    for (const char* id : kCaptureMenuActions)
        menu->addAction(GetActionById(QLatin1String(id)));
    menu->addSeparator();
    menu->addAction(GetActionById(QLatin1String(ActionId::SchedulerPreferences)));
    InsertMenu(menu);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
