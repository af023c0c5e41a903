#pragma once

class QLayout;
class QVariant;
class QWidget;

// Property and layout helpers of the widget kit.
namespace Util
{
// Sets a dynamic property for style-sheet selectors; call repolishWidgetRecursive
// (or re-polish otherwise) for the selectors to take effect.
void applyProperty(QWidget* widget, const char* name, const QVariant& value);

// Re-evaluates the style of the widget and every descendant at once.
void repolishWidgetRecursive(QWidget* widget);

// Takes every item out of the layout; its widgets stay alive with their parent,
// ready to be put into another layout.
void clearLayout(QLayout* layout);

// Empties the layout and disposes of the widgets it held (hidden now, deleted
// later). A null layout is ignored.
void cleanupLayout(QLayout* layout);
} // namespace Util
