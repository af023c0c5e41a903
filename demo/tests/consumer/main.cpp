// Links the installed module and registers it, as a host that links it directly would.
#include "Hypodermic/Hypodermic.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/RegisterModuleIoC.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <typeinfo>

int main()
{
    Hypodermic::ContainerBuilder builder;
    Zarvo::Orb::Module::Launcher::RegisterModuleIoC(builder);
    auto container = builder.build();
    try
    {
        // Registered, but this host registered none of the services it needs.
        container->resolveNamed<Zarvo::Orb::Module::IModule>(typeid(Zarvo::Orb::Module::Launcher::IModule).name());
        std::puts("the launcher resolved without the host's services");
        return 1;
    }
    catch (const std::exception& error)
    {
        std::printf("launcher registered; resolving it without host services says: %s\n", error.what());
    }

    const char* className = Zarvo::Orb::Module::Launcher::UI::Sidebar::staticMetaObject.className();
    const QString catalogue = QStringLiteral(CONSUMER_TRANSLATIONS_DIR "/OrbModuleLauncher_de.qm");
    if (!QFileInfo::exists(catalogue))
    {
        std::printf("missing catalogue %s\n", qUtf8Printable(catalogue));
        return 1;
    }
    std::printf("%s exported; catalogue %s installed\n", className, qUtf8Printable(catalogue));
    return 0;
}
