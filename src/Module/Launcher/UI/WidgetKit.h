#pragma once

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

namespace Zarvo::Orb::Module::Launcher::UI
{
// Building blocks of the module's widgets: the style sheet selects on object names and alone
// decides the spacing, so every widget is named and every layout is flush.
template <class Widget> Widget* MakeNamed(QWidget* parent, const QString& objectName)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(objectName);
    return widget;
}

template <class Layout> Layout* MakeFlushLayout(QWidget* owner)
{
    auto* layout = new Layout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// A flush box whose direction is only known at run time.
inline QBoxLayout* MakeFlushBox(Qt::Orientation orientation, QWidget* owner)
{
    if (orientation == Qt::Horizontal)
    {
        return MakeFlushLayout<QHBoxLayout>(owner);
    }
    return MakeFlushLayout<QVBoxLayout>(owner);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
