#include "OrbUserSettings/PathsSettings.h"

#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/ICustomizationManager.h"

namespace Zarvo::Orb
{
struct PathsSettings::Impl
{
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    std::shared_ptr<App::IApplicationSettingsManager> applicationSettingsManager;
};

PathsSettings::PathsSettings(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                             const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager)
    : d(std::make_unique<Impl>(Impl{customizationManager, applicationSettingsManager}))
{
}

PathsSettings::~PathsSettings() = default;
} // namespace Zarvo::Orb
