#pragma once

#include <QString>

#include <memory>

namespace Zarvo::App
{
class IApplicationSettingsManager;
class IProductSettingsManager;
class ILookAndFeelManager;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
// The product's identity and look as the host's menus present them.
class ProductSettings
{
public:
    ProductSettings(const std::shared_ptr<App::IApplicationSettingsManager>& applicationSettingsManager,
                    const std::shared_ptr<App::IProductSettingsManager>& productSettingsManager,
                    const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager);
    ~ProductSettings();

    QString GetProductName() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb
