#pragma once

// What a docked launcher panel must satisfy, read from outside: its geometry against the
// screen's available area and its size properties, and its style properties. Header only,
// so that the fuzz target can use it without the test support library.

#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace PanelInvariants
{
using Zarvo::Orb::Module::Launcher::UI::Sidebar;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

inline QString Text(const QRect& rect)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

inline QRect AvailableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Empty when every widget of the panel carries the panel's "Edge" and "State" and the state is
// the panel's own (a hidden panel keeps the one it had); otherwise what differs.
inline QString StyleMismatch(const Sidebar& panel)
{
    const QString edge = panel.property("Edge").toString();
    const QString state = panel.property("State").toString();
    const SidebarUiState uiState = panel.GetUiState();
    if (uiState != SidebarUiState::Hidden &&
        state != (uiState == SidebarUiState::Compacted ? QLatin1String("Compacted") : QLatin1String("Maximized")))
        return QStringLiteral("panel state %1 styled as %2").arg(int(uiState)).arg(state);
    for (const QWidget* widget : panel.findChildren<QWidget*>())
    {
        const QString widgetEdge = widget->property("Edge").toString();
        const QString widgetState = widget->property("State").toString();
        if (widgetEdge != edge || widgetState != state)
            return QStringLiteral("%1 styled %2/%3, panel %4/%5")
                .arg(widget->objectName(), widgetEdge, widgetState, edge, state);
    }
    return QString();
}

inline QString OutsideArea(const Sidebar& panel)
{
    const QRect area = AvailableArea();
    return area.contains(panel.geometry())
               ? QString()
               : QStringLiteral("panel %1 outside %2").arg(Text(panel.geometry()), Text(area));
}

// Empty when the panel lies flush with the edge it reports, at the docked size of its state.
inline QString NotDocked(const Sidebar& panel)
{
    const QRect area = AvailableArea();
    const QRect geometry = panel.geometry();
    const QString edge = panel.property("Edge").toString();
    const bool compacted = panel.GetUiState() == SidebarUiState::Compacted;
    // The size properties by name, e.g. verticalLauncherMinimumWidth.
    const QString prefix =
        QLatin1String(edge == QLatin1String("Left") || edge == QLatin1String("Right") ? "vertical" : "horizontal") +
        QLatin1String(compacted ? "LauncherMinimum" : "LauncherMaximum");
    const QSize size(panel.property(qPrintable(prefix + QLatin1String("Width"))).toInt(),
                     panel.property(qPrintable(prefix + QLatin1String("Height"))).toInt());
    const bool flush = (edge == QLatin1String("Left") && geometry.left() == area.left()) ||
                       (edge == QLatin1String("Right") && geometry.right() == area.right()) ||
                       (edge == QLatin1String("Top") && geometry.top() == area.top()) ||
                       (edge == QLatin1String("Bottom") && geometry.bottom() == area.bottom());
    if (flush && geometry.size() == size)
        return QString();
    return QStringLiteral("panel %1 on %2 edge of %3, docked size %4x%5")
        .arg(Text(geometry), edge, Text(area))
        .arg(size.width())
        .arg(size.height());
}
} // namespace PanelInvariants
