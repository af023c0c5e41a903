#pragma once

#include <memory>

namespace Zarvo::App
{
class ICustomizationManager;
class IApplicationSettingsManager;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
// Where the host keeps recordings and screenshots. The launcher only keeps it alive.
class PathsSettings
{
public:
    PathsSettings(const std::shared_ptr<App::ICustomizationManager>& customizationManager,
                  const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager);
    ~PathsSettings();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb
