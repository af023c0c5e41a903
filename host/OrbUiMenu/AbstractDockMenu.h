#pragma once

#include <memory>

class QMenu;

namespace Zarvo::Orb::UI::ActionsController
{
class ActionsController;
}

namespace Zarvo::Orb::UI
{
// Base of a module's dock menu: owns a parentless QMenu the derived class fills.
class AbstractDockMenu
{
public:
    explicit AbstractDockMenu(const std::shared_ptr<ActionsController::ActionsController>& actionsController);
    virtual ~AbstractDockMenu();

    AbstractDockMenu(const AbstractDockMenu&) = delete;
    AbstractDockMenu& operator=(const AbstractDockMenu&) = delete;

    QMenu* GetMenu() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
