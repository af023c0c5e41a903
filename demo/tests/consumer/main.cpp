// Links the installed module and registers it beside the stand-in host's services, as a host that
// links it directly would.
#include "Hypodermic/Hypodermic.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/RegisterModuleIoC.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "StandIns/HostRegistration.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <typeinfo>

int main(int argc, char** argv)
{
    // Runs where there is no display, as the tests do.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Hypodermic::ContainerBuilder builder;
    Zarvo::Host::RegisterHost(builder, {}, Zarvo::Host::HostClasses::SingleInstances);
    Zarvo::Orb::Module::Launcher::RegisterModuleIoC(builder);
    const auto launcher = builder.build()->resolveNamed<Zarvo::Orb::Module::IModule>(
        typeid(Zarvo::Orb::Module::Launcher::IModule).name());
    launcher->Activate();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool panelShown =
        std::any_of(windows.begin(), windows.end(),
                    [](QWidget* window) {
                        return qobject_cast<Zarvo::Orb::Module::Launcher::UI::Sidebar*>(window) && window->isVisible();
                    });
    launcher->Deactivate();

    const QString catalogue = QStringLiteral(CONSUMER_TRANSLATIONS_DIR "/OrbModuleLauncher_de.qm");
    const bool installed = QFileInfo::exists(catalogue);
    std::printf("panel shown on activation: %d; catalogue %s installed: %d\n", panelShown, qUtf8Printable(catalogue),
                installed);
    return panelShown && installed ? 0 : 1;
}
