#include "OrbUtilUI/MainMenuBar.h"

#include "Interfaces/ICustomizationManager.h"

#include <QMenuBar>

namespace Zarvo::Orb::UI
{
struct MainMenuBar::Impl
{
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    mutable std::unique_ptr<QMenuBar> menuBar;
};

MainMenuBar::MainMenuBar(const std::shared_ptr<App::ICustomizationManager>& customizationManager)
    : d(std::make_unique<Impl>())
{
    d->customizationManager = customizationManager;
}

MainMenuBar::~MainMenuBar() = default;

QMenuBar* MainMenuBar::GetMenuBar() const
{
    if (!d->menuBar)
    {
        d->menuBar = std::make_unique<QMenuBar>();
        d->menuBar->setObjectName(QStringLiteral("mainMenuBar"));
        if (d->customizationManager)
        {
            d->customizationManager->CustomizeWidget(d->menuBar.get());
        }
    }
    return d->menuBar.get();
}
} // namespace Zarvo::Orb::UI
