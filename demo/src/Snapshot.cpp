#include "Snapshot.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QWidget>

#include <algorithm>

namespace OrbDemo::Snapshot
{
QImage Background(const QRect& screenArea)
{
    QImage image(screenArea.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, image.width(), image.height());
    sky.setColorAt(0.0, QColor(0x5B, 0x6F, 0x8F));
    sky.setColorAt(1.0, QColor(0xA9, 0xB4, 0xC4));
    painter.fillRect(image.rect(), sky);

    // A soft light so that the background reads as a desktop, not as a flat fill.
    QRadialGradient glow(image.width() * 0.3, image.height() * 0.25, std::max(image.width(), image.height()) * 0.6);
    glow.setColorAt(0.0, QColor(255, 255, 255, 60));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);
    return image;
}

QImage Compose(const QRect& screenArea, const QList<QWidget*>& windows)
{
    QImage image = Background(screenArea);
    QPainter painter(&image);
    for (QWidget* window : windows)
    {
        if (!window || !window->isVisible())
        {
            continue;
        }
        const QPixmap picture = window->grab();
        painter.drawPixmap(window->geometry().topLeft() - screenArea.topLeft(), picture);
    }
    return image;
}

QList<QWidget*> VisibleWindows()
{
    QList<QWidget*> panels;
    QList<QWidget*> others;
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (!widget->isVisible() || widget->windowType() == Qt::ToolTip || widget->windowType() == Qt::Desktop)
        {
            continue;
        }
        (widget->inherits("QMainWindow") && widget->objectName() == QLatin1String("Sidebar") ? panels : others)
            .append(widget);
    }
    return panels + others;
}
} // namespace OrbDemo::Snapshot
