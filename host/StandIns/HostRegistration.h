#pragma once

#include <memory>

namespace Hypodermic
{
class ContainerBuilder;
}

namespace Zarvo::App
{
class IApplicationSettingsManager;
class ICustomizationManager;
class ILinksOpener;
class ILookAndFeelManager;
class IProductSettingsManager;
} // namespace Zarvo::App

namespace Zarvo::Orb
{
class IAudioProvider;
class IExternalStimulusHandler;
} // namespace Zarvo::Orb

namespace Zarvo::Orb::Tracking
{
class IStatisticsManager;
}

namespace Zarvo::Orb::Service::Feedback
{
class IFeedbackController;
}

namespace Zarvo::Orb::Service::Tutorial
{
class ITutorialManager;
}

namespace Zarvo::Host
{
// The host's services a module may ask the container for. An empty member is given a fresh
// stand-in (settings held in memory).
struct HostServices
{
    std::shared_ptr<App::IApplicationSettingsManager> settings;
    std::shared_ptr<App::ICustomizationManager> customization;
    std::shared_ptr<App::ILookAndFeelManager> lookAndFeel;
    std::shared_ptr<App::IProductSettingsManager> productSettings;
    std::shared_ptr<App::ILinksOpener> links;
    std::shared_ptr<Orb::Tracking::IStatisticsManager> statistics;
    std::shared_ptr<Orb::Service::Feedback::IFeedbackController> feedback;
    std::shared_ptr<Orb::Service::Tutorial::ITutorialManager> tutorials;
    std::shared_ptr<Orb::IExternalStimulusHandler> stimulus;
    std::shared_ptr<Orb::IAudioProvider> audio;
};

enum class HostClasses
{
    // One of each concrete host class (settings, hotkeys, tray icon, ...) for the whole container.
    SingleInstances,
    // Left unregistered: the container builds a new one for every object that asks.
    BuiltOnDemand,
};

// Registers the services under their interfaces and, as asked, the concrete host classes, the
// way a host prepares its container before a module registers itself.
void RegisterHost(Hypodermic::ContainerBuilder& builder, HostServices services, HostClasses classes);
} // namespace Zarvo::Host
