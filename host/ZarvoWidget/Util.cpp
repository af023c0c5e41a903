#include "ZarvoWidget/Util.h"

#include <QLayout>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace
{
void Repolish(QWidget* widget)
{
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

// Takes all items out; what happens to each widget is the caller's choice.
template <class WidgetAction> void EmptyLayout(QLayout* layout, const WidgetAction& onWidget)
{
    while (QLayoutItem* item = layout->takeAt(0))
    {
        if (QWidget* widget = item->widget())
        {
            onWidget(widget);
        }
        else if (QLayout* child = item->layout())
        {
            EmptyLayout(child, onWidget);
            // A taken sub-layout is its own item and belongs to us now.
            delete child;
            continue;
        }
        delete item;
    }
}
} // namespace

namespace Util
{
void applyProperty(QWidget* widget, const char* name, const QVariant& value)
{
    widget->setProperty(name, value);
}

void repolishWidgetRecursive(QWidget* widget)
{
    Repolish(widget);
    for (QWidget* child : widget->findChildren<QWidget*>())
    {
        Repolish(child);
    }
}

void clearLayout(QLayout* layout)
{
    if (layout)
    {
        EmptyLayout(layout, [](QWidget*) {});
    }
}

void cleanupLayout(QLayout* layout)
{
    if (layout)
    {
        EmptyLayout(layout,
                    [](QWidget* widget)
                    {
                        widget->hide();
                        widget->deleteLater();
                    });
    }
}
} // namespace Util
