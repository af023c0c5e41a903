#include "OrbUiWindowPositionHelper/WindowPositionHelper.h"

#include "CallRecord/CallRecord.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace Zarvo::Orb::UI
{
struct WindowPositionHelper::Impl
{
    std::vector<std::pair<QPointer<QWidget>, QPoint>> positions;
};

WindowPositionHelper::WindowPositionHelper()
    : d(std::make_unique<Impl>())
{
}

WindowPositionHelper::~WindowPositionHelper() = default;

void WindowPositionHelper::UpdatePreviousPosition(QWidget* window)
{
    Host::CallRecord::Add(
        QStringLiteral("WindowPositionHelper::UpdatePreviousPosition(%1)")
            .arg(window ? (window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                          : window->objectName())
                        : QStringLiteral("null")));
    if (!window)
    {
        return;
    }
    for (auto& entry : d->positions)
    {
        if (entry.first == window)
        {
            entry.second = window->pos();
            return;
        }
    }
    d->positions.emplace_back(window, window->pos());
}

std::optional<QPoint> WindowPositionHelper::GetPreviousPosition(const QWidget* window) const
{
    for (const auto& entry : d->positions)
    {
        if (window && entry.first == window)
        {
            return entry.second;
        }
    }
    return std::nullopt;
}
} // namespace Zarvo::Orb::UI
