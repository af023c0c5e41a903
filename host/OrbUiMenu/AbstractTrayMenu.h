#pragma once

#include <QList>
#include <QString>

#include <memory>

class QAction;
class QMenu;

namespace Zarvo::App
{
class ICustomizationManager;
}

namespace Zarvo::Orb::UI::ActionsController
{
class ActionsController;
}

namespace Zarvo::Orb::UI
{
// Base of a module's tray menu. The derived class supplies the QMenu (not owned here) and
// fills it from the shared actions plus the host's help and style-sheet entries.
// Pinned actions (capture presets) head the menu and come back after every ClearMenu.
class AbstractTrayMenu
{
public:
    AbstractTrayMenu(const std::shared_ptr<ActionsController::ActionsController>& actionsController,
                     const std::shared_ptr<App::ICustomizationManager>& customizationManager);
    virtual ~AbstractTrayMenu();

    AbstractTrayMenu(const AbstractTrayMenu&) = delete;
    AbstractTrayMenu& operator=(const AbstractTrayMenu&) = delete;

    // The menu the tray icon shows.
    QMenu* GetMenuData() const;

    // Shown at the top, above a separator; an empty list adds nothing. Takes effect at the next
    // ClearMenu.
    void SetPinnedActions(const QList<QAction*>& actions);

protected:
    void SetMenu(QMenu* menu);
    // Null for an unknown id.
    QAction* GetActionById(const QString& id) const;
    // Empties the menu (deleting the entries it made itself), then puts the pinned section back.
    void ClearMenu();
    // Appends the "Help" submenu (object name "menuHelp").
    void AddHelpMenu();
    // Appends the style-sheet editor entry ("ActionShowStyleSheetEditor").
    void AddShowStyleSheetEditor();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
