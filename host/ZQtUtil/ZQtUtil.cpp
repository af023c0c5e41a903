#include "ZQtUtil/ZQtUtil.h"

#include <QCursor>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace
{
// A window never given a size is fitted to its contents when it is shown (QWidget::adjustSize),
// so until then its size is a placeholder. Fitting it now gives the size showing will give.
QSize SizeWhenShown(QWidget& widget)
{
    if (widget.isWindow() && !widget.isVisible() && !widget.testAttribute(Qt::WA_Resized))
    {
        widget.adjustSize();
        // As showing does after fitting: still unsized, so contents changed meanwhile refit it.
        widget.setAttribute(Qt::WA_Resized, false);
    }
    return widget.size();
}
} // namespace

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

QPoint GetWidgetPosOnCurrentScreenCenter(QWidget& widget)
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
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), SizeWhenShown(widget));
    placed.moveCenter(area.center());
    // Kept inside the area; what does not fit starts at its top-left corner, where a
    // title and close button are.
    placed.moveRight(qMin(placed.right(), area.right()));
    placed.moveBottom(qMin(placed.bottom(), area.bottom()));
    placed.moveLeft(qMax(placed.left(), area.left()));
    placed.moveTop(qMax(placed.top(), area.top()));
    return placed.topLeft();
}
} // namespace Zarvo::Util
