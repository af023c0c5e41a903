#include "OrbUtilUI/CaptureTrayIcon.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/ICustomizationManager.h"

#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

namespace Zarvo::Orb::UI
{
struct CaptureTrayIcon::Impl
{
    std::shared_ptr<App::ICustomizationManager> customizationManager;
    QPointer<QMenu> menu;
    int blockDepth = 0;
    QSystemTrayIcon* systemTrayIcon = nullptr;

    void ApplyBlock() const
    {
        if (menu)
        {
            menu->setEnabled(blockDepth == 0);
        }
    }

    // A menu handed back to its owner must not stay disabled by our block.
    void Release() const
    {
        if (menu)
        {
            menu->setEnabled(true);
        }
    }
};

CaptureTrayIcon::CaptureTrayIcon(const std::shared_ptr<App::ICustomizationManager>& customizationManager)
    : d(std::make_unique<Impl>())
{
    d->customizationManager = customizationManager;
    qRegisterMetaType<QMenu*>();
}

CaptureTrayIcon::~CaptureTrayIcon()
{
    d->Release();
}

void CaptureTrayIcon::SetTrayMenu(QMenu* menu)
{
    Host::CallRecord::Add(QStringLiteral("CaptureTrayIcon::SetTrayMenu"));
    if (d->menu != menu)
    {
        d->Release();
    }
    d->menu = menu;
    d->ApplyBlock();
    if (d->systemTrayIcon)
    {
        d->systemTrayIcon->setContextMenu(menu);
    }
    emit TrayMenuChanged(menu);
}

void CaptureTrayIcon::ResetTrayMenu()
{
    Host::CallRecord::Add(QStringLiteral("CaptureTrayIcon::ResetTrayMenu"));
    d->Release();
    d->menu = nullptr;
    if (d->systemTrayIcon)
    {
        d->systemTrayIcon->setContextMenu(nullptr);
    }
    emit TrayMenuChanged(nullptr);
}

QMenu* CaptureTrayIcon::GetTrayMenu() const
{
    return d->menu;
}

void CaptureTrayIcon::AddBlock()
{
    ++d->blockDepth;
    d->ApplyBlock();
}

void CaptureTrayIcon::RemoveBlock()
{
    if (d->blockDepth > 0)
    {
        --d->blockDepth;
    }
    d->ApplyBlock();
}

bool CaptureTrayIcon::IsBlocked() const
{
    return d->blockDepth > 0;
}

QSystemTrayIcon* CaptureTrayIcon::AttachSystemTrayIcon(const QIcon& icon)
{
    if (!d->systemTrayIcon)
    {
        d->systemTrayIcon = new QSystemTrayIcon(icon, this);
        d->systemTrayIcon->setObjectName(QStringLiteral("captureTrayIcon"));
        d->systemTrayIcon->setContextMenu(d->menu);
        d->systemTrayIcon->show();
    }
    return d->systemTrayIcon;
}

QSystemTrayIcon* CaptureTrayIcon::GetSystemTrayIcon() const
{
    return d->systemTrayIcon;
}
} // namespace Zarvo::Orb::UI
