#include "StandIns/HostRegistration.h"

#include "Hypodermic/Hypodermic.h"
#include "OrbHotkey/GlobalHotkeyGuard.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUiAudioComponentInstallHelper/AudioComponentInstallHelper.h"
#include "OrbUiParentProvider/ParentProvider.h"
#include "OrbUiWindowPositionHelper/WindowPositionHelper.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUserSettings/PathsSettings.h"
#include "OrbUserSettings/ProductSettings.h"
#include "OrbUtilUI/CaptureDockMenu.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/CaptureTrayIconBlocker.h"
#include "OrbUtilUI/MainMenuBar.h"
#include "StandIns/StandIns.h"

namespace Zarvo::Host
{
namespace
{
template <class Interface, class StandIn>
void RegisterService(Hypodermic::ContainerBuilder& builder, std::shared_ptr<Interface> service)
{
    if (!service)
        service = std::make_shared<StandIn>();
    builder.registerInstance(service);
}
} // namespace

void RegisterHost(Hypodermic::ContainerBuilder& builder, HostServices services, HostClasses classes)
{
    RegisterService<App::IApplicationSettingsManager, InMemoryApplicationSettingsManager>(builder, services.settings);
    RegisterService<App::ICustomizationManager, CustomizationManager>(builder, services.customization);
    RegisterService<App::ILookAndFeelManager, LookAndFeelManager>(builder, services.lookAndFeel);
    RegisterService<App::IProductSettingsManager, ProductSettingsManager>(builder, services.productSettings);
    RegisterService<App::ILinksOpener, LinksOpener>(builder, services.links);
    RegisterService<Orb::Tracking::IStatisticsManager, StatisticsManager>(builder, services.statistics);
    RegisterService<Orb::Service::Feedback::IFeedbackController, FeedbackController>(builder, services.feedback);
    RegisterService<Orb::Service::Tutorial::ITutorialManager, TutorialManager>(builder, services.tutorials);
    RegisterService<Orb::IExternalStimulusHandler, ExternalStimulusHandler>(builder, services.stimulus);
    RegisterService<Orb::IAudioProvider, AudioProvider>(builder, services.audio);

    if (classes != HostClasses::SingleInstances)
        return;
    builder.registerType<Orb::ProductSettings>().singleInstance();
    builder.registerType<Orb::HotkeySettings>().singleInstance();
    builder.registerType<Orb::GlobalHotkeyManager>().singleInstance();
    builder.registerType<Orb::GlobalHotkeyGuard>().singleInstance();
    builder.registerType<Orb::PathsSettings>().singleInstance();
    builder.registerType<Orb::UI::ParentProvider>().singleInstance();
    builder.registerType<Orb::UI::WindowPositionHelper>().singleInstance();
    builder.registerType<Orb::UI::MainMenuBar>().singleInstance();
    builder.registerType<Orb::UI::CaptureTrayIcon>().singleInstance();
    builder.registerType<Orb::UI::CaptureTrayIconBlocker>().singleInstance();
    builder.registerType<Orb::UI::CaptureDockMenu>().singleInstance();
    builder.registerType<Orb::UI::AudioComponentInstallHelper>().singleInstance();
}
} // namespace Zarvo::Host
