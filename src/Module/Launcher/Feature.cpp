#include "Module/Launcher/Feature.h"

namespace Zarvo::Orb::Module::Launcher
{
class Q_DECL_HIDDEN Feature::Impl
{
public:
    QString id;
    std::function<void()> action;
    std::map<FeatureTextRole, std::function<QString()>> texts;
};

Feature::Feature(const QString& id, const std::function<void()>& action,
                 const std::map<FeatureTextRole, std::function<QString()>>& texts)
    : d(std::make_unique<Impl>(Impl{id, action, texts}))
{
}

Feature::~Feature() = default;

QString Feature::GetId() const
{
    return d->id;
}

void Feature::Execute()
{
    d->action();
}

std::function<QString()> Feature::GetText(FeatureTextRole role) const
{
    const auto found = d->texts.find(role);
    return found != d->texts.cend() ? found->second : std::function<QString()>();
}
} // namespace Zarvo::Orb::Module::Launcher
