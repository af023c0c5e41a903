#include "OrbUtilUI/CaptureTrayIconBlocker.h"

#include "CallRecord/CallRecord.h"
#include "OrbUtilUI/CaptureTrayIcon.h"

#include <stdexcept>

namespace Zarvo::Orb::UI
{
struct CaptureTrayIconBlocker::Impl
{
    std::shared_ptr<CaptureTrayIcon> trayIcon;
    int depth = 0;
};

CaptureTrayIconBlocker::CaptureTrayIconBlocker(const std::shared_ptr<CaptureTrayIcon>& trayIcon)
    : d(std::make_unique<Impl>(Impl{trayIcon}))
{
    if (!trayIcon)
    {
        throw std::invalid_argument("CaptureTrayIconBlocker needs a tray icon");
    }
}

CaptureTrayIconBlocker::~CaptureTrayIconBlocker()
{
    // The icon is shared and outlives us: do not leave it blocked for good.
    while (d->depth > 0)
    {
        --d->depth;
        d->trayIcon->RemoveBlock();
    }
}

void CaptureTrayIconBlocker::Block()
{
    Host::CallRecord::Add(QStringLiteral("CaptureTrayIconBlocker::Block"));
    ++d->depth;
    d->trayIcon->AddBlock();
}

void CaptureTrayIconBlocker::Unblock()
{
    Host::CallRecord::Add(QStringLiteral("CaptureTrayIconBlocker::Unblock"));
    if (d->depth == 0)
    {
        return;
    }
    --d->depth;
    d->trayIcon->RemoveBlock();
}

bool CaptureTrayIconBlocker::IsBlocked() const
{
    return d->depth > 0;
}

int CaptureTrayIconBlocker::BlockDepth() const
{
    return d->depth;
}
} // namespace Zarvo::Orb::UI
