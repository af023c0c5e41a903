#include "ZQtUtil/ZQtUtil.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace
{
// A window never given a size is fitted to its contents when it is shown (QWidget::adjustSize);
// until then its size is a placeholder. This predicts the fitted size the way adjustSize finds it.
QSize SizeWhenShown(const QWidget& widget, const QScreen& screen)
{
    if (!widget.isWindow() || widget.isVisible() || widget.testAttribute(Qt::WA_Resized))
    {
        return widget.size();
    }
    widget.ensurePolished();
    QLayout* layout = widget.layout();
    if (layout)
    {
        // Sets the window's minimum size from its contents, as showing it would.
        layout->activate();
    }
    QSize size = widget.sizeHint();
    if (size.isValid())
    {
        const Qt::Orientations expanding =
            layout ? layout->expandingDirections() : widget.sizePolicy().expandingDirections();
        if (expanding & Qt::Horizontal)
        {
            size.setWidth(qMax(size.width(), 200));
        }
        if (expanding & Qt::Vertical)
        {
            size.setHeight(qMax(size.height(), 100));
        }
        const QSize screenSize = screen.geometry().size();
        size = size.boundedTo(QSize(screenSize.width() * 2 / 3, screenSize.height() * 2 / 3));
    }
    else
    {
        // Without a layout or a hint of its own, showing fits it around its children.
        const QRect children = widget.childrenRect();
        if (children.isNull())
        {
            return widget.size();
        }
        size = children.size() + QSize(2 * children.x(), 2 * children.y());
    }
    return size.expandedTo(widget.minimumSize()).boundedTo(widget.maximumSize());
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
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), SizeWhenShown(widget, *screen));
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
