#include "common/HostFixture.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/RegisterModuleIoC.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <typeinfo>

namespace LauncherTest
{
using namespace Zarvo;

void RecordingHandler::Record(const QString& call)
{
    calls.append(call);
    Host::CallRecord::Add(QStringLiteral("Handler::") + call);
}

HostFixture::HostFixture(Registration registration, const RegisterModule& registerModule, const RegisterModule& amend)
    : settings(std::make_shared<Host::InMemoryApplicationSettingsManager>())
    , customization(std::make_shared<Host::CustomizationManager>())
    , lookAndFeel(std::make_shared<Host::LookAndFeelManager>())
    , productSettingsManager(std::make_shared<Host::ProductSettingsManager>())
    , links(std::make_shared<Host::LinksOpener>())
    , statistics(std::make_shared<Host::StatisticsManager>())
    , feedback(std::make_shared<Host::FeedbackController>())
    , tutorials(std::make_shared<Host::TutorialManager>())
    , stimulus(std::make_shared<Host::ExternalStimulusHandler>())
    , audio(std::make_shared<Host::AudioProvider>())
{
    Hypodermic::ContainerBuilder builder;
    Host::RegisterHost(builder,
                       {settings, customization, lookAndFeel, productSettingsManager, links, statistics, feedback,
                        tutorials, stimulus, audio},
                       registration);
    if (registerModule)
        registerModule(builder);
    if (amend)
        amend(builder);
    container = builder.build();
}

RegisterModule HostFixture::DefaultModule()
{
    return [](Hypodermic::ContainerBuilder& builder)
    {
        Orb::Module::Launcher::RegisterModuleIoC(builder);
    };
}

std::string HostFixture::LauncherName()
{
    return typeid(Orb::Module::Launcher::IModule).name();
}

ResolvedLauncher HostFixture::ResolveLauncher()
{
    const auto topLevel = QApplication::topLevelWidgets();
    const QSet<QWidget*> before(topLevel.begin(), topLevel.end());
    ResolvedLauncher launcher;
    launcher.module = container->resolveNamed<Orb::Module::IModule>(LauncherName());
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (before.contains(widget))
            continue;
        if (auto* sidebar = qobject_cast<Sidebar*>(widget))
            launcher.sidebar = sidebar;
        else if (auto* menuBar = qobject_cast<QMenuBar*>(widget))
            launcher.menuBar = menuBar;
        else if (auto* menu = qobject_cast<QMenu*>(widget))
        {
            if (menu->objectName() == QLatin1String("launcherTrayMenu"))
                launcher.trayMenu = menu;
            else if (menu->objectName() == QLatin1String("dockMenu"))
                launcher.dockMenu = menu;
        }
    }
    return launcher;
}

void HostFixture::StoreSidebarInt(const std::string& name, int value) const
{
    settings->SetInt("Orb/Sidebar/" + name, value);
}

void HostFixture::StoreHotkey(const std::string& id, const std::string& portableText) const
{
    settings->SetString("Orb/Hotkeys/" + id, portableText);
}

QStringList HostCalls()
{
    static const QStringList prefixes = {
        QStringLiteral("CaptureTrayIcon::"),
        QStringLiteral("CaptureTrayIconBlocker::"),
        QStringLiteral("GlobalHotkeyGuard::"),
        QStringLiteral("AudioComponentInstallHelper::"),
        QStringLiteral("ParentProvider::"),
        QStringLiteral("Util::ShowRaisedWindow"),
        QStringLiteral("Util::HideWindow"),
        QStringLiteral("WindowPositionHelper::"),
        QStringLiteral("TutorialManager::"),
        QStringLiteral("ExternalStimulusHandler::"),
        QStringLiteral("FeedbackController::"),
        QStringLiteral("Handler::"),
        QStringLiteral("Test::"),
    };
    QStringList calls;
    for (const QString& call : Host::CallRecord::Calls())
    {
        for (const QString& prefix : prefixes)
        {
            if (call.startsWith(prefix))
            {
                calls.append(call);
                break;
            }
        }
    }
    return calls;
}

QAction* FindAction(const QMenu* menu, const QString& id)
{
    if (!menu)
        return nullptr;
    for (QAction* action : menu->actions())
    {
        if (action->objectName() == id)
            return action;
        if (QAction* inner = FindAction(action->menu(), id))
            return inner;
    }
    return nullptr;
}
} // namespace LauncherTest
