#pragma once

#include <QString>

#include <functional>

namespace Zarvo::Orb::Module::Launcher
{
enum class FeatureTextRole
{
    Tooltip = 1,
    Title = 2,
    Description = 3,
};

// One thing the launcher offers: an id, an action and translated texts. The text
// getters translate on every call, so a language change shows at the next call.
class IFeature
{
public:
    virtual ~IFeature() = default;
    virtual QString GetId() const = 0;
    virtual void Execute() = 0;
    // Empty when the feature has no text for that role.
    virtual std::function<QString()> GetText(FeatureTextRole role) const = 0;
};
} // namespace Zarvo::Orb::Module::Launcher
