#include "Module/Launcher/Factory.h"

#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/ICustomizationManager.h"
#include "Interfaces/ILinksOpener.h"
#include "Interfaces/ILookAndFeelManager.h"
#include "Interfaces/IStatisticsManager.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/LauncherDockMenu.h"
#include "Module/Launcher/UI/LauncherMenuBar.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"
#include "OrbUserSettings/ProductSettings.h"

namespace Zarvo::Orb::Module::Launcher
{
using Orb::UI::ActionsController::ActionsController;

class Factory::Impl
{
public:
    Impl(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
         const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager,
         const std::shared_ptr<ProductSettings>& productSettings,
         const std::shared_ptr<Tracking::IStatisticsManager>& statisticsManager,
         const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
         const std::shared_ptr<App::ILinksOpener>& linksOpener)
        : customizationManager(customizationManager)
        , lookAndFeelManager(lookAndFeelManager)
        , productSettings(productSettings)
        , statisticsManager(statisticsManager)
        , applicationSettingsManager(applicationSettingsManager)
        // Built from the checked fields, so an empty service is reported before the host sees it.
        , actionsController(std::make_shared<ActionsController>(this->customizationManager.Get(),
                                                                this->statisticsManager.Get(), nullptr))
        , linksOpener(linksOpener)
    {
        auto actions = Orb::UI::Action::GetCommonActionParameters();
        actions += UI::Action::GetLauncherActionParameters();
        actionsController->CreateActions(actions);
    }

    NotNull<App::ICustomizationManager> customizationManager;
    NotNull<App::ILookAndFeelManager> lookAndFeelManager;
    NotNull<ProductSettings> productSettings;
    NotNull<Tracking::IStatisticsManager> statisticsManager;
    NotNull<App::IApplicationSettingsManager> applicationSettingsManager;
    NotNull<ActionsController> actionsController;
    NotNull<App::ILinksOpener> linksOpener;
};

Factory::Factory(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                 const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager,
                 const std::shared_ptr<ProductSettings>& productSettings,
                 const std::shared_ptr<Tracking::IStatisticsManager>& statisticsManager,
                 const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
                 const std::shared_ptr<App::ILinksOpener>& linksOpener)
    : d(std::make_unique<Impl>(customizationManager, lookAndFeelManager, productSettings, statisticsManager,
                               applicationSettingsManager, linksOpener))
{
}

Factory::~Factory() = default;

std::shared_ptr<ActionsController> Factory::GetActionsController() const
{
    return d->actionsController;
}

NotNull<UI::LauncherMenuBar> Factory::CreateMenuBar() const
{
    return std::make_shared<UI::LauncherMenuBar>(d->actionsController, d->customizationManager, d->lookAndFeelManager,
                                                 d->productSettings);
}

NotNull<UI::LauncherTrayMenu> Factory::CreateTrayMenu() const
{
    return std::make_shared<UI::LauncherTrayMenu>(d->actionsController, d->customizationManager);
}

NotNull<UI::LauncherDockMenu> Factory::CreateDockMenu() const
{
    return std::make_shared<UI::LauncherDockMenu>(d->actionsController);
}

std::unique_ptr<UI::Sidebar> Factory::CreateSidebar() const
{
    return std::make_unique<UI::Sidebar>(d->actionsController, d->applicationSettingsManager, d->customizationManager,
                                         d->linksOpener, nullptr);
}
} // namespace Zarvo::Orb::Module::Launcher
