#include "Module/Launcher/UI/Sidebar/SidebarGeometry.h"

#include <algorithm>
#include <initializer_list>

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
// Dock record positions.
constexpr int32_t DockAtLeft = 1;
constexpr int32_t DockAtBottom = 2;
constexpr int32_t DockAtRight = 3;

// Room kept between the panel and a system dock.
constexpr int DockGap = 30;

// Signed: negative when the geometry passes the edge. Right and bottom are the last pixels inside.
std::optional<int> DistanceToEdge(ScreenEdge edge, const QRect& area, const QRect& geometry)
{
    switch (edge)
    {
    case ScreenEdge::Top:
        return geometry.y() - area.y();
    case ScreenEdge::Bottom:
        return area.bottom() - geometry.bottom();
    case ScreenEdge::Left:
        return geometry.x() - area.x();
    case ScreenEdge::Right:
        return area.right() - geometry.right();
    default:
        return std::nullopt;
    }
}
} // namespace

QSize GetDockedSize(ScreenEdge edge, SidebarUiState state, const SidebarSizeLimits& limits, const QSize& currentSize)
{
    const bool compacted = state == SidebarUiState::Compacted;
    switch (edge)
    {
    case ScreenEdge::Left:
    case ScreenEdge::Right:
        return compacted ? QSize(limits.verticalMinimumWidth, limits.verticalMinimumHeight)
                         : QSize(limits.verticalMaximumWidth, limits.verticalMaximumHeight);
    case ScreenEdge::Top:
    case ScreenEdge::Bottom:
        return compacted ? QSize(limits.horizontalMinimumWidth, limits.horizontalMinimumHeight)
                         : QSize(limits.horizontalMaximumWidth, limits.horizontalMaximumHeight);
    default:
        return currentSize;
    }
}

std::optional<ScreenEdge> FindNearestScreenEdge(const QRect& area, const QRect& geometry, ScreenEdge currentEdge)
{
    const int top = *DistanceToEdge(ScreenEdge::Top, area, geometry);
    const int bottom = *DistanceToEdge(ScreenEdge::Bottom, area, geometry);
    const int left = *DistanceToEdge(ScreenEdge::Left, area, geometry);
    const int right = *DistanceToEdge(ScreenEdge::Right, area, geometry);
    const int nearest = std::min(std::min(bottom, top), std::min(left, right));

    // The current edge goes first so that a panel keeps its edge whenever that edge is among the nearest.
    for (const ScreenEdge edge :
         {currentEdge, ScreenEdge::Right, ScreenEdge::Left, ScreenEdge::Top, ScreenEdge::Bottom})
    {
        if (DistanceToEdge(edge, area, geometry) == nearest)
        {
            return edge;
        }
    }
    return std::nullopt;
}

int ClampAlongHorizontalEdge(const QRect& area, const QSize& size, int x, const Zarvo::Orb::DockPositionInfo& dock)
{
    const int areaEnd = area.x() + area.width();
    if (dock.position == DockAtLeft && x < area.x() + dock.width)
    {
        return area.x() + dock.width + DockGap;
    }
    if (dock.position == DockAtRight && x + size.width() > areaEnd - dock.width)
    {
        return areaEnd - dock.width - DockGap - size.width();
    }
    // The start wins over the end: a panel wider than the area keeps its left side visible.
    if (x < area.left())
    {
        return area.left();
    }
    if (x + size.width() > areaEnd)
    {
        return areaEnd - size.width();
    }
    return x;
}

int ClampAlongVerticalEdge(const QRect& area, const QSize& size, int y, const Zarvo::Orb::DockPositionInfo& dock)
{
    const int areaEnd = area.y() + area.height();
    if (dock.position == DockAtBottom && y + size.height() > areaEnd - dock.height)
    {
        return areaEnd - dock.height - DockGap - size.height();
    }
    // The end wins over the start: a panel taller than the area keeps its bottom on the area's bottom.
    if (y + size.height() > areaEnd)
    {
        return areaEnd - size.height();
    }
    if (y < area.top())
    {
        return area.top();
    }
    return y;
}

QRect ComputeDockedGeometry(ScreenEdge edge, const QRect& area, const QSize& size, const QPoint& from,
                            const Zarvo::Orb::DockPositionInfo& dock)
{
    QPoint topLeft = from;
    switch (edge)
    {
    case ScreenEdge::Left:
        topLeft = QPoint(area.x(), ClampAlongVerticalEdge(area, size, from.y(), dock));
        break;
    case ScreenEdge::Top:
        topLeft = QPoint(ClampAlongHorizontalEdge(area, size, from.x(), dock), area.y());
        break;
    case ScreenEdge::Right:
        topLeft = QPoint(area.x() + area.width() - size.width(), ClampAlongVerticalEdge(area, size, from.y(), dock));
        break;
    case ScreenEdge::Bottom:
        topLeft =
            QPoint(ClampAlongHorizontalEdge(area, size, from.x(), dock), area.y() + area.height() - size.height());
        break;
    default:
        break;
    }
    return QRect(topLeft, size);
}

ScreenEdge GetDefaultPlacementEdge(const Zarvo::Orb::DockPositionInfo& dock)
{
    return dock.position == DockAtRight && dock.flag == 0 ? ScreenEdge::Left : ScreenEdge::Right;
}

QRect ComputeDefaultPlacement(ScreenEdge edge, const QRect& primaryArea, const QSize& size)
{
    const int x = edge == ScreenEdge::Left ? primaryArea.x() : primaryArea.x() + primaryArea.width() - size.width();
    // Each half rounds toward zero on its own; halving the difference would differ by a pixel for odd sizes.
    const int y = primaryArea.height() / 2 - size.height() / 2 + primaryArea.y();
    return QRect(x, y, size.width(), size.height());
}
} // namespace Zarvo::Orb::Module::Launcher::UI
