// Links the installed module and registers it, as a host that links it directly would, first
// alone and then beside the stand-in host's services.
#include "Hypodermic/Hypodermic.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/RegisterModuleIoC.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "StandIns/HostRegistration.h"

// Complete, so that the container can build them.
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

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <typeinfo>

namespace
{
using Zarvo::Orb::Module::IModule;
const std::string launcherName = typeid(Zarvo::Orb::Module::Launcher::IModule).name();

bool SidebarVisible()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (qobject_cast<Zarvo::Orb::Module::Launcher::UI::Sidebar*>(widget) && widget->isVisible())
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    // Runs where there is no display, as the tests do.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Hypodermic::ContainerBuilder alone;
    Zarvo::Orb::Module::Launcher::RegisterModuleIoC(alone);
    try
    {
        alone.build()->resolveNamed<IModule>(launcherName);
        std::puts("the launcher resolved without the host's services");
        return 1;
    }
    catch (const std::exception& error)
    {
        std::printf("launcher registered; resolving it without host services says: %s\n", error.what());
    }

    Hypodermic::ContainerBuilder builder;
    Zarvo::Host::RegisterHost(builder, {}, Zarvo::Host::HostClasses::SingleInstances);
    Zarvo::Orb::Module::Launcher::RegisterModuleIoC(builder);
    const auto launcher = builder.build()->resolveNamed<IModule>(launcherName);
    launcher->Activate();
    if (!SidebarVisible())
    {
        std::puts("the activated launcher shows no panel");
        return 1;
    }
    launcher->Deactivate();

    const QString catalogue = QStringLiteral(CONSUMER_TRANSLATIONS_DIR "/OrbModuleLauncher_de.qm");
    if (!QFileInfo::exists(catalogue))
    {
        std::printf("missing catalogue %s\n", qUtf8Printable(catalogue));
        return 1;
    }
    std::printf("launcher activated with the stand-in host; catalogue %s installed\n", qUtf8Printable(catalogue));
    return 0;
}
