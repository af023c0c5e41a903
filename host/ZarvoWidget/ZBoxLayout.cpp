#include "ZarvoWidget/ZBoxLayout.h"

#include <QWidget>

namespace
{
bool LayoutHolds(const QLayout* layout, const QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i)
    {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() && LayoutHolds(item->layout(), widget)))
        {
            return true;
        }
    }
    return false;
}
} // namespace

ZBoxLayout::ZBoxLayout(Direction direction, QWidget* parent)
    : QBoxLayout(direction, parent)
{
}

ZBoxLayout::~ZBoxLayout() = default;

ZBoxLayout& ZBoxLayout::addStretch(int stretch)
{
    QBoxLayout::addStretch(stretch);
    return *this;
}

ZBoxLayout& ZBoxLayout::autoFill()
{
    QWidget* owner = parentWidget();
    if (!owner)
    {
        return *this;
    }
    for (QObject* child : owner->children())
    {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && !LayoutHolds(this, widget))
        {
            addWidget(widget);
        }
    }
    return *this;
}

ZHBoxLayout::ZHBoxLayout(QWidget* parent)
    : ZBoxLayout(LeftToRight, parent)
{
}

ZHBoxLayout::~ZHBoxLayout() = default;

ZVBoxLayout::ZVBoxLayout(QWidget* parent)
    : ZBoxLayout(TopToBottom, parent)
{
}

ZVBoxLayout::~ZVBoxLayout() = default;
