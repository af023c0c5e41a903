#pragma once

#include "OrbUiMenu/CommonMenuBar.h"

#include <memory>

namespace Zarvo::Orb::Module::Launcher::UI
{
// The launcher's "Capture" menu in the application's menu bar.
class LauncherMenuBar : public ::Zarvo::Orb::UI::CommonMenuBar
{
public:
    // Throws std::logic_error when a service is empty.
    LauncherMenuBar(const std::shared_ptr<::Zarvo::Orb::UI::ActionsController::ActionsController>& actionsController,
                    const std::shared_ptr<::Zarvo::App::ICustomizationManager>& customizationManager,
                    const std::shared_ptr<::Zarvo::App::ILookAndFeelManager>& lookAndFeelManager,
                    const std::shared_ptr<::Zarvo::Orb::ProductSettings>& productSettings);
    ~LauncherMenuBar() override;

private:
    void AddCaptureMenu();
};
} // namespace Zarvo::Orb::Module::Launcher::UI
