#include "Module/Launcher/UI/Sidebar/SidebarGeometry.h"
#include "Module/Launcher/UI/Sidebar/SidebarImpl.h"

#include "Interfaces/ICustomizationManager.h"
#include "OrbUtilCommon/DockPositionInfo.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZarvoWidget/ZFrame.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <glog/logging.h>

namespace Zarvo::Orb::Module::Launcher::UI
{
QRect Sidebar::Impl::AvailableArea() const
{
    return Zarvo::Orb::UI::Util::GetWindowScreen(q)->availableGeometry();
}

ScreenEdge Sidebar::Impl::GetNearestScreenEdge() const
{
    // Position from x() and y() (the frame), right and bottom from the client geometry.
    const QRect geometry(QPoint(q->x(), q->y()), q->geometry().bottomRight());
    if (const auto edge = FindNearestScreenEdge(AvailableArea(), geometry, screenEdge))
    {
        return *edge;
    }
    LOG(ERROR) << "Zarvo::Orb::Module::Launcher::UI::Sidebar::Impl::GetNearestScreenEdge"
               << ": "
               << "Cannot detect nearest screen edge.";
    return Top;
}

QSize Sidebar::Impl::GetDockedSize(ScreenEdge edge, SidebarUiState state) const
{
    const SidebarSizeLimits limits{q->verticalLauncherMaximumWidth,    q->verticalLauncherMinimumWidth,
                                   q->verticalLauncherMaximumHeight,   q->verticalLauncherMinimumHeight,
                                   q->horizontalLauncherMaximumWidth,  q->horizontalLauncherMinimumWidth,
                                   q->horizontalLauncherMaximumHeight, q->horizontalLauncherMinimumHeight};
    return ::Zarvo::Orb::Module::Launcher::UI::GetDockedSize(edge, state, limits, q->size());
}

QRect Sidebar::Impl::ComputeDockedGeometry(ScreenEdge edge, SidebarUiState state, const QPoint& from) const
{
    return ::Zarvo::Orb::Module::Launcher::UI::ComputeDockedGeometry(edge, AvailableArea(), GetDockedSize(edge, state),
                                                                     from, Zarvo::Orb::DockPositionInfo());
}

void Sidebar::Impl::FinishAnimation()
{
    if (!animationIdle)
    {
        geometryAnimation.setCurrentTime(geometryAnimation.totalDuration());
    }
}

void Sidebar::Impl::AllowDockedSize(const QSize& size)
{
    // A style whose layouts ask for more than the docked size must not hold the window larger
    // than that, or it would stick out past the screen edge. A panel without size values keeps
    // its layout's minimum.
    const QSize minimum = q->minimumSize();
    if (!size.isEmpty() && size.boundedTo(minimum) != minimum)
    {
        q->setMinimumSize(size.boundedTo(minimum));
    }
}

void Sidebar::Impl::SetDockedGeometry(const QRect& geometry)
{
    AllowDockedSize(geometry.size());
    q->setGeometry(geometry);
}

void Sidebar::Impl::ShowBodyForState(SidebarUiState state)
{
    // Also without an animation: a hidden body is what lets a compacted window be that small.
    ui->bodyContentFrame->setVisible(state != Compacted);
    q->layout()->activate();
}

void Sidebar::Impl::ApplyGeometry(ScreenEdge edge, SidebarUiState state, bool animate)
{
    // Finish the running change first, so the next one starts from where it was headed.
    FinishAnimation();
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    const QRect start = q->geometry();
    const QRect target = ComputeDockedGeometry(edge, state, q->pos());
    if (target != start && animate)
    {
        AllowDockedSize(target.size());
        geometryAnimation.setDuration(150);
        geometryAnimation.setStartValue(start);
        geometryAnimation.setEndValue(target);
        geometryAnimation.start(QAbstractAnimation::KeepWhenStopped);
        return;
    }
    ShowBodyForState(state);
    if (target != start)
    {
        SetDockedGeometry(target);
    }
}

void Sidebar::Impl::SnapToNearestEdge()
{
    // A snap always wins over a change still under way.
    FinishAnimation();
    const ScreenEdge edge = GetNearestScreenEdge();
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    SetDockedGeometry(ComputeDockedGeometry(edge, uiState, q->pos()));
}

void Sidebar::Impl::PlaceAtDefaultPosition()
{
    const ScreenEdge edge = GetDefaultPlacementEdge(Zarvo::Orb::DockPositionInfo());
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    const QSize size = GetDockedSize(edge, Maximized);
    SetDockedGeometry(ComputeDefaultPlacement(edge, QGuiApplication::primaryScreen()->availableGeometry(), size));
    SaveSettings();
}

void Sidebar::Impl::RestoreFromSettings()
{
    // The state is taken first so that the edge's style pass already uses it.
    uiState = settings.ReadUiState();
    const ScreenEdge storedEdge = settings.ReadScreenEdge();
    if (storedEdge != None && storedEdge != screenEdge)
    {
        SetScreenEdge(storedEdge);
    }
    const QPoint storedPosition = settings.ReadPosition();
    QScreen* screen = QGuiApplication::screenAt(storedPosition);

    if (screen)
    {
        // A hidden panel takes the size it will be shown in, so that the edge found from its
        // stored position is the one it was docked to.
        const SidebarUiState shapeState = uiState == Hidden ? settings.ReadLastVisibleUiState() : uiState;
        const ScreenEdge edge = screenEdge != None ? screenEdge : GetNearestScreenEdge();
        ApplyGeometry(edge, shapeState, false);
        ui->ApplySidebarStyles(edge, shapeState);
        q->move(storedPosition);
    }
    else
    {
        // The default placement decides edge and size; docking first would only restyle the
        // panel for an edge it then leaves.
        PlaceAtDefaultPosition();
    }

    customizationManager->CustomizeWidget(q);
    SnapToNearestEdge();
}

void Sidebar::Impl::OnAnimationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
{
    if (oldState == QAbstractAnimation::Stopped && newState == QAbstractAnimation::Running)
    {
        animationIdle = false;
        ui->bodyContentFrame->hide();
    }
}

void Sidebar::Impl::OnAnimationFinished()
{
    animationIdle = true;
    if (uiState != Compacted)
    {
        ui->bodyContentFrame->show();
    }
}

void Sidebar::Impl::EndDrag()
{
    dragging = false;
    SnapToNearestEdge();
}
} // namespace Zarvo::Orb::Module::Launcher::UI
