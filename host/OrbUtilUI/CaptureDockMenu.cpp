#include "OrbUtilUI/CaptureDockMenu.h"

#include <QMenu>

namespace Zarvo::Orb::UI
{
struct CaptureDockMenu::Impl
{
    mutable std::unique_ptr<QMenu> menu;
};

CaptureDockMenu::CaptureDockMenu()
    : d(std::make_unique<Impl>())
{
}

CaptureDockMenu::~CaptureDockMenu() = default;

QMenu* CaptureDockMenu::GetMenu() const
{
    if (!d->menu)
    {
        d->menu = std::make_unique<QMenu>();
        d->menu->setObjectName(QStringLiteral("captureDockMenu"));
    }
    return d->menu.get();
}
} // namespace Zarvo::Orb::UI
