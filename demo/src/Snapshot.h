#pragma once

#include <QImage>
#include <QList>
#include <QRect>

class QWidget;

namespace OrbDemo
{
// Pictures of the application's windows as a user would see them: each window grabbed with
// its translucency and drawn at its place over a neutral, desktop-like background.
namespace Snapshot
{
// The desktop background alone for the screen area.
QImage Background(const QRect& screenArea);

// The windows, bottom first, over the background of screenArea; windows outside it are cut.
QImage Compose(const QRect& screenArea, const QList<QWidget*>& windows);

// Every visible top-level window of the application, in the order Compose wants them:
// panels at the bottom, then the other windows in creation order.
QList<QWidget*> VisibleWindows();
} // namespace Snapshot
} // namespace OrbDemo
