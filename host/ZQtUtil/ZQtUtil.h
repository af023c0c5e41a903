#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Style and placement helpers of the host's Qt utilities.
namespace Zarvo::Util
{
// Sets a string dynamic property and re-polishes that one widget, so style-sheet
// selectors on the property take effect without re-parsing the style sheet.
void ApplyWidgetStyle(QWidget* widget, const QString& value, const char* property);

// Top-left point that centres the widget on the screen under the cursor (else the
// widget's own screen, else the primary one): at its current size, or for a window
// not yet sized, at the size it will get when it is shown, which it is given now.
QPoint GetWidgetPosOnCurrentScreenCenter(QWidget& widget);
} // namespace Zarvo::Util
