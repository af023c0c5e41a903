#pragma once

#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;

namespace Zarvo::App
{
class ICustomizationManager;
class ILookAndFeelManager;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
class ProductSettings;
}

namespace Zarvo::Orb::UI::ActionsController
{
class ActionsController;
}

namespace Zarvo::Orb::UI
{
// Base of a module's menu-bar menus. Menus are made with CreateMenu, filled with the shared
// actions and placed with InsertMenu; their titles follow language changes.
class CommonMenuBar
{
public:
    // Without a bar, the menus go into a menu bar of its own.
    CommonMenuBar(const std::shared_ptr<ActionsController::ActionsController>& actionsController,
                  const std::shared_ptr<ProductSettings>& productSettings,
                  const std::shared_ptr<App::ILookAndFeelManager>& lookAndFeelManager,
                  const std::shared_ptr<App::ICustomizationManager>& customizationManager, QMenuBar* menuBar = nullptr);
    virtual ~CommonMenuBar();

    CommonMenuBar(const CommonMenuBar&) = delete;
    CommonMenuBar& operator=(const CommonMenuBar&) = delete;

    QMenuBar* GetMenuBar() const;

protected:
    // The menu belongs to the bar; title is called now and on every language change.
    QMenu* CreateMenu(const std::function<QString()>& title, const QString& objectName);
    // Null for an unknown id.
    QAction* GetActionById(const QString& id) const;
    // Appends the menu to the bar.
    void InsertMenu(QMenu* menu);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
