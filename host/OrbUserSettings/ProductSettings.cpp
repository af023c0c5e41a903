#include "OrbUserSettings/ProductSettings.h"

#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/ILookAndFeelManager.h"
#include "Interfaces/IProductSettingsManager.h"

namespace Zarvo::Orb
{
struct ProductSettings::Impl
{
    std::shared_ptr<App::IApplicationSettingsManager> applicationSettingsManager;
    std::shared_ptr<App::IProductSettingsManager> productSettingsManager;
    std::shared_ptr<App::ILookAndFeelManager> lookAndFeelManager;
};

ProductSettings::ProductSettings(const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
                                 const std::shared_ptr<App::IProductSettingsManager>& productSettingsManager,
                                 const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager)
    : d(std::make_unique<Impl>(Impl{applicationSettingsManager, productSettingsManager, lookAndFeelManager}))
{
}

ProductSettings::~ProductSettings() = default;

QString ProductSettings::GetProductName() const
{
    return d->productSettingsManager ? d->productSettingsManager->GetProductName() : QString();
}
} // namespace Zarvo::Orb
