#include "Module/Launcher/RegisterModuleIoC.h"

// The container keeps process-wide settings (run-time registration, logging) in function-local
// statics, and its code instantiated here runs inside the host's resolutions. Hidden, those statics
// would be the module's own copies and the host's settings would not reach them; declared with
// default visibility (this is the only unit that includes the container) they are unified with
// the host's by the dynamic linker. Instantiations for the module's hidden types stay hidden.
#pragma GCC visibility push(default)
#include "Hypodermic/Hypodermic.h"
#pragma GCC visibility pop

#include "Module/Launcher/Controller.h"
#include "Module/Launcher/Factory.h"
#include "Module/Launcher/IModule.h"

// The container builds whatever the host left unregistered, so it needs every type the
// launcher's constructors take, and theirs in turn, complete.
#include "Interfaces/IApplicationSettingsManager.h"
#include "Interfaces/IAudioProvider.h"
#include "Interfaces/ICustomizationManager.h"
#include "Interfaces/IExternalStimulusHandler.h"
#include "Interfaces/IFeedbackController.h"
#include "Interfaces/ILinksOpener.h"
#include "Interfaces/ILookAndFeelManager.h"
#include "Interfaces/IProductSettingsManager.h"
#include "Interfaces/IStatisticsManager.h"
#include "Interfaces/ITutorialManager.h"
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

#include <typeinfo>

namespace Zarvo::Orb::Module::Launcher
{
void RegisterModuleIoC(Hypodermic::ContainerBuilder& builder)
{
    builder.registerType<Factory>();
    builder.registerType<Controller>().named<Module::IModule>(typeid(Launcher::IModule).name());
}
} // namespace Zarvo::Orb::Module::Launcher

void OrbModuleLauncher_RegisterModuleIoC(Hypodermic::ContainerBuilder* builder)
{
    Zarvo::Orb::Module::Launcher::RegisterModuleIoC(*builder);
}
