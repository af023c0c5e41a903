#pragma once

#include "ZarvoWidget/ZBoxLayout.h"
#include "ZarvoWidget/ZFrame.h"

#include <QDialog>
#include <QLayout>

namespace Zarvo::Orb::Module::Launcher::UI
{
// Building blocks of the module's windows: every layout there is flush, so the style
// sheet alone decides the spacing.
template <class Layout> Layout* MakeFlushLayout(QWidget* owner)
{
    auto* layout = new Layout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

template <class Widget> Widget* MakeNamed(QWidget* parent, const QString& objectName)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(objectName);
    return widget;
}

// The flags and helpers of the module's translucent frameless windows.
void MakeTranslucentFrameless(QDialog* window);
} // namespace Zarvo::Orb::Module::Launcher::UI
