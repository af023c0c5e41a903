#pragma once

#include <memory>

class QMenuBar;

namespace Zarvo::App
{
class ICustomizationManager;
}

namespace Zarvo::Orb::UI
{
// The application's main menu bar. The bar widget is created on first use.
class MainMenuBar
{
public:
    explicit MainMenuBar(const std::shared_ptr<App::ICustomizationManager>& customizationManager);
    ~MainMenuBar();

    QMenuBar* GetMenuBar() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
