#include "Module/Launcher/UI/ButtonWithCenteredLabels.h"

#include "Module/Launcher/UI/WidgetKit.h"
#include "ZarvoWidget/Util.h"
#include "ZarvoWidget/ZLabel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QVariant>

namespace Zarvo::Orb::Module::Launcher::UI
{
ButtonWithCenteredLabels::ButtonWithCenteredLabels(QWidget* parent)
    : QPushButton(parent)
    , textLabel(MakeNamed<ZLabel>(this, QLatin1String(kButtonTextLabelName)))
    , iconLabel(MakeNamed<ZLabel>(this, QLatin1String(kButtonIconLabelName)))
{
    auto* layout = MakeFlushLayout<QHBoxLayout>(this);
    layout->addStretch(0);
    layout->addWidget(iconLabel);
    layout->addWidget(textLabel);
    layout->addStretch(0);

    iconLabel->setOriginalText(QString());
    textLabel->setOriginalText(QString());
    // Presses anywhere on the button, labels included, must reach the button.
    iconLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    textLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    ::Util::applyProperty(this, "checked", QVariant(isChecked()));
    connect(this, &QAbstractButton::toggled, this,
            [this](bool checked)
            {
                ::Util::applyProperty(this, "checked", QVariant(checked));
                ::Util::repolishWidgetRecursive(this);
            });
}

ButtonWithCenteredLabels::~ButtonWithCenteredLabels() = default;

void ButtonWithCenteredLabels::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    // A button group takes Tab from its other checkable buttons, as for radio buttons; these
    // are separate choices that each need to be reached with Tab.
    if (QButtonGroup* buttons = group())
    {
        for (QAbstractButton* button : buttons->buttons())
        {
            button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() | Qt::TabFocus));
        }
    }
}

void ButtonWithCenteredLabels::SetText(const QString& text)
{
    textLabel->setOriginalText(text);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
