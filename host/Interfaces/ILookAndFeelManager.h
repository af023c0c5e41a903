#pragma once

#include <QString>

namespace Zarvo::App
{
// The host's theme service; the launcher only hands it to host constructors.
class ILookAndFeelManager
{
public:
    virtual ~ILookAndFeelManager() = default;
    virtual QString GetThemeName() const = 0;
};
} // namespace Zarvo::App
