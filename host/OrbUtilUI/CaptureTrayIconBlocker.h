#pragma once

#include <memory>

namespace Zarvo::Orb::UI
{
class CaptureTrayIcon;

// Blocks the tray icon while a modal window of the application is open. Block and Unblock
// nest; an Unblock without a matching Block is ignored.
class CaptureTrayIconBlocker
{
public:
    explicit CaptureTrayIconBlocker(const std::shared_ptr<CaptureTrayIcon>& trayIcon);
    ~CaptureTrayIconBlocker();

    CaptureTrayIconBlocker(const CaptureTrayIconBlocker&) = delete;
    CaptureTrayIconBlocker& operator=(const CaptureTrayIconBlocker&) = delete;

    void Block();
    void Unblock();
    bool IsBlocked() const;
    int BlockDepth() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
