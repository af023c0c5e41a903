#pragma once

#include <memory>

class QMenu;

namespace Zarvo::Orb::UI
{
// The application's dock menu. The menu widget is created on first use.
class CaptureDockMenu
{
public:
    CaptureDockMenu();
    ~CaptureDockMenu();

    QMenu* GetMenu() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
