#pragma once

#include "Module/Launcher/UI/Sidebar/SidebarTypes.h"
#include "OrbUtilCommon/DockPositionInfo.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Where the panel goes and how large it is: plain functions of the screen area, the panel's
// sizes and the system dock, so the rules can be checked without windows.
namespace Zarvo::Orb::Module::Launcher::UI
{
// The panel's size properties, as the host style sheet sets them.
struct SidebarSizeLimits
{
    int verticalMaximumWidth = 0;
    int verticalMinimumWidth = 0;
    int verticalMaximumHeight = 0;
    int verticalMinimumHeight = 0;
    int horizontalMaximumWidth = 0;
    int horizontalMinimumWidth = 0;
    int horizontalMaximumHeight = 0;
    int horizontalMinimumHeight = 0;
};

// The Minimum pair for Compacted, the Maximum pair otherwise; no edge keeps the current size.
QSize GetDockedSize(ScreenEdge edge, SidebarUiState state, const SidebarSizeLimits& limits, const QSize& currentSize);

// The edge of the area closest to the geometry; the current edge wins ties, then Right, Left,
// Top, Bottom. std::nullopt when no edge matches the smallest distance (the caller logs and
// falls back to Top).
std::optional<ScreenEdge> FindNearestScreenEdge(const QRect& area, const QRect& geometry, ScreenEdge currentEdge);

// x for a panel on the top or bottom edge: inside the area and 30 pixels clear of a side dock.
int ClampAlongHorizontalEdge(const QRect& area, const QSize& size, int x, const Zarvo::Orb::DockPositionInfo& dock);
// y for a panel on the left or right edge: inside the area and 30 pixels clear of a bottom dock.
int ClampAlongVerticalEdge(const QRect& area, const QSize& size, int y, const Zarvo::Orb::DockPositionInfo& dock);

// The rectangle of a panel of this size flush against the edge, as near to `from` as it may be.
QRect ComputeDockedGeometry(ScreenEdge edge, const QRect& area, const QSize& size, const QPoint& from,
                            const Zarvo::Orb::DockPositionInfo& dock);

// Right, or Left when a right-hand dock reports flag 0.
ScreenEdge GetDefaultPlacementEdge(const Zarvo::Orb::DockPositionInfo& dock);
// Flush against the Left or Right edge of the primary area, vertically centred.
QRect ComputeDefaultPlacement(ScreenEdge edge, const QRect& primaryArea, const QSize& size);
} // namespace Zarvo::Orb::Module::Launcher::UI
