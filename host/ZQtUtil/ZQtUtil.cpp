#include "ZQtUtil/ZQtUtil.h"

#include <QCursor>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace Zarvo::Util
{
void ApplyWidgetStyle(QWidget* widget, const QString& value, const char* property)
{
    widget->setProperty(property, value);
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

QPoint GetWidgetPosOnCurrentScreenCenter(const QWidget& widget)
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
    {
        screen = widget.screen();
    }
    if (!screen)
    {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen)
    {
        return widget.pos();
    }
    QRect placed(QPoint(), widget.size());
    placed.moveCenter(screen->availableGeometry().center());
    return placed.topLeft();
}
} // namespace Zarvo::Util
