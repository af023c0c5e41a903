#include "Module/Launcher/UI/Sidebar/SidebarGeometry.h"
#include "Module/Launcher/UI/Sidebar/SidebarImpl.h"

#include "Interfaces/ICustomizationManager.h"
#include "OrbUtilCommon/DockPositionInfo.h"
#include "OrbUtilUI/WindowUtil.h"
#include "ZarvoWidget/ZFrame.h"

#include <QGuiApplication>
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

void Sidebar::Impl::ApplyGeometry(ScreenEdge edge, SidebarUiState state, bool animate)
{
    if (!animationIdle)
    {
        // Finish the running change first, so the next one starts from where it was headed.
        geometryAnimation.setCurrentTime(geometryAnimation.totalDuration());
    }
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    const QRect start = q->geometry();
    const QRect target = ComputeDockedGeometry(edge, state, q->pos());
    if (target == start)
    {
        return;
    }
    if (animate)
    {
        geometryAnimation.setDuration(150);
        geometryAnimation.setStartValue(start);
        geometryAnimation.setEndValue(target);
        geometryAnimation.start(QAbstractAnimation::KeepWhenStopped);
    }
    else
    {
        q->setGeometry(target);
    }
}

void Sidebar::Impl::SnapToNearestEdge()
{
    const ScreenEdge edge = GetNearestScreenEdge();
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    q->setGeometry(ComputeDockedGeometry(edge, uiState, q->pos()));
}

void Sidebar::Impl::PlaceAtDefaultPosition()
{
    const ScreenEdge edge = GetDefaultPlacementEdge(Zarvo::Orb::DockPositionInfo());
    if (edge != screenEdge)
    {
        SetScreenEdge(edge);
    }
    const QSize size = GetDockedSize(edge, Maximized);
    q->setGeometry(ComputeDefaultPlacement(edge, QGuiApplication::primaryScreen()->availableGeometry(), size));
    SaveSettings();
}

void Sidebar::Impl::RestoreFromSettings()
{
    const ScreenEdge storedEdge = settings.ReadScreenEdge();
    if (storedEdge != None && storedEdge != screenEdge)
    {
        SetScreenEdge(storedEdge);
    }
    const QPoint storedPosition = settings.ReadPosition();
    QScreen* screen = QGuiApplication::screenAt(storedPosition);

    uiState = settings.ReadUiState();
    if (uiState == Maximized || uiState == Compacted)
    {
        const ScreenEdge edge = screenEdge != None ? screenEdge : GetNearestScreenEdge();
        ApplyGeometry(edge, uiState, false);
        ui->ApplySidebarStyles(edge, uiState);
    }

    if (screen)
    {
        q->move(storedPosition);
    }
    else
    {
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
