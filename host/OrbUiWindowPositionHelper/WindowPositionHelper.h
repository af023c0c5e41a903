#pragma once

#include <QPoint>

#include <memory>
#include <optional>

class QWidget;

namespace Zarvo::Orb::UI
{
// Remembers where windows were, so the host can bring a window back where the user left it.
class WindowPositionHelper
{
public:
    WindowPositionHelper();
    ~WindowPositionHelper();

    void UpdatePreviousPosition(QWidget* window);
    // Empty for a window never recorded or already destroyed.
    std::optional<QPoint> GetPreviousPosition(const QWidget* window) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
