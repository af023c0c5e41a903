#include "common/HostFixture.h"

#include "Module/Launcher/IModule.h"
#include "Module/Launcher/RegisterModuleIoC.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QRegularExpression>

#include <typeinfo>

namespace LauncherTest
{
using namespace Zarvo;

HostFixture::HostFixture(Registration registration)
    : settings(std::make_shared<Host::InMemoryApplicationSettingsManager>())
    , customization(std::make_shared<Host::CustomizationManager>())
    , feedback(std::make_shared<Host::FeedbackController>())
{
    Hypodermic::ContainerBuilder builder;
    // The services left empty get fresh stand-ins.
    Host::RegisterHost(builder, {settings, customization, {}, {}, {}, {}, feedback, {}, {}, {}}, registration);
    Orb::Module::Launcher::RegisterModuleIoC(builder);
    container = builder.build();
}

ResolvedLauncher HostFixture::ResolveLauncher()
{
    const QWidgetList before = QApplication::topLevelWidgets();
    ResolvedLauncher launcher;
    launcher.module = container->resolveNamed<Orb::Module::IModule>(typeid(Orb::Module::Launcher::IModule).name());
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (before.contains(widget))
            continue;
        if (auto* sidebar = qobject_cast<Sidebar*>(widget))
            launcher.sidebar = sidebar;
        else if (auto* menuBar = qobject_cast<QMenuBar*>(widget))
            launcher.menuBar = menuBar;
        else if (widget->objectName() == QLatin1String("launcherTrayMenu"))
            launcher.trayMenu = qobject_cast<QMenu*>(widget);
        else if (widget->objectName() == QLatin1String("dockMenu"))
            launcher.dockMenu = qobject_cast<QMenu*>(widget);
    }
    return launcher;
}

QStringList HostCalls()
{
    static const QRegularExpression kept(
        "^(CaptureTrayIcon|CaptureTrayIconBlocker|GlobalHotkeyGuard|AudioComponentInstallHelper|ParentProvider|"
        "WindowPositionHelper|TutorialManager|ExternalStimulusHandler|FeedbackController|Handler|Test)::|"
        "^Util::(ShowRaisedWindow|HideWindow)");
    return Host::CallRecord::Calls().filter(kept);
}

QAction* FindAction(const QMenu* menu, const QString& id)
{
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
    {
        if (action->objectName() == id)
            return action;
        if (QAction* inner = FindAction(action->menu(), id))
            return inner;
    }
    return nullptr;
}
} // namespace LauncherTest
