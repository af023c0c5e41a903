#pragma once

#include <QPushButton>

class ZLabel;

namespace Zarvo::Orb::Module::Launcher::UI
{
inline constexpr char kButtonTextLabelName[] = "TextLabel";
inline constexpr char kButtonIconLabelName[] = "IconLabel";

// A push button showing an icon label and a text label side by side, centred as a
// pair. The labels are children the style sheet can draw separately; the button's
// checked state is mirrored into the "checked" property so their rules follow it.
class ButtonWithCenteredLabels : public QPushButton
{
    Q_OBJECT
public:
    explicit ButtonWithCenteredLabels(QWidget* parent);
    ~ButtonWithCenteredLabels() override;

    // Shown by the text label; QAbstractButton::text() stays empty.
    void SetText(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    ZLabel* textLabel;
    ZLabel* iconLabel;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
