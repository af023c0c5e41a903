#pragma once

#include "Module/Launcher/IFeature.h"
#include "OrbModuleLauncherExport.h"

#include <functional>
#include <map>
#include <memory>

namespace Zarvo::Orb::Module::Launcher
{
// The immutable feature record: id, action and text getters, all fixed at construction.
class ORB_MODULE_LAUNCHER_EXPORT Feature : public IFeature
{
public:
    Feature(const QString& id, const std::function<void()>& action,
            const std::map<FeatureTextRole, std::function<QString()>>& texts);
    ~Feature() override;

    QString GetId() const override;
    // Throws std::bad_function_call when built with an empty action.
    void Execute() override;
    std::function<QString()> GetText(FeatureTextRole role) const override;

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher
