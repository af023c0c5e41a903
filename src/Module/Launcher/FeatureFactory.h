#pragma once

#include "OrbModuleLauncherExport.h"

#include <memory>

namespace Zarvo::Orb::Module::Launcher
{
class IFeature;
class IHandler;

// Builds the launcher's four features bound to one handler. The handler is not owned; with a
// null handler the features' actions do nothing. The features outlive the factory.
class ORB_MODULE_LAUNCHER_EXPORT FeatureFactory
{
public:
    explicit FeatureFactory(IHandler* handler);
    ~FeatureFactory();

    FeatureFactory(const FeatureFactory&) = delete;
    FeatureFactory& operator=(const FeatureFactory&) = delete;

    std::shared_ptr<IFeature> GetScreenshottingFeature() const;
    std::shared_ptr<IFeature> GetCapturingFeature() const;
    std::shared_ptr<IFeature> GetWebcamCapturingFeature() const;
    std::shared_ptr<IFeature> GetAudioCapturingFeature() const;

private:
    class Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::Module::Launcher
