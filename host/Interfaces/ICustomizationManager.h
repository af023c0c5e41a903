#pragma once

class QWidget;

namespace Zarvo::App
{
// Applies the host's per-window customization (branding, fonts, platform tweaks).
class ICustomizationManager
{
public:
    virtual ~ICustomizationManager() = default;
    virtual void CustomizeWidget(QWidget* widget) = 0;
};
} // namespace Zarvo::App
