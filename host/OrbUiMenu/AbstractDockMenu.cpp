#include "OrbUiMenu/AbstractDockMenu.h"

#include "OrbUiActionsController/ActionsController.h"

#include <QMenu>

#include <stdexcept>

namespace Zarvo::Orb::UI
{
struct AbstractDockMenu::Impl
{
    std::shared_ptr<ActionsController::ActionsController> actionsController;
    std::unique_ptr<QMenu> menu;
};

AbstractDockMenu::AbstractDockMenu(const std::shared_ptr<ActionsController::ActionsController>& actionsController)
    : d(std::make_unique<Impl>())
{
    if (!actionsController)
    {
        throw std::invalid_argument("AbstractDockMenu needs an actions controller");
    }
    d->actionsController = actionsController;
    d->menu = std::make_unique<QMenu>();
    d->menu->setObjectName(QStringLiteral("dockMenu"));
}

AbstractDockMenu::~AbstractDockMenu() = default;

QMenu* AbstractDockMenu::GetMenu() const
{
    return d->menu.get();
}
} // namespace Zarvo::Orb::UI
