#include "DemoHost.h"

#include "DemoHandler.h"
#include "ModuleLibrary.h"

#include "Hypodermic/Hypodermic.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/IModule.h"
#include "ModuleFramework/ActivationContext.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/MainMenuBar.h"
#include "StandIns/HostRegistration.h"
#include "StandIns/PresetStorage.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QSystemTrayIcon>

#include <exception>
#include <typeinfo>

namespace OrbDemo
{
namespace
{
struct PresetSeed
{
    const char* name;
    const char* hotkeyId;
    const char* hotkey;
    bool enabled;
};

const PresetSeed Presets[] = {
    {"Meeting: webcam and microphone", "presetMeeting", "Ctrl+Alt+1", true},
    {"Full screen at 60 fps", "presetFullScreen", "Ctrl+Alt+2", true},
    {"Old tutorial setup (disabled)", "presetTutorial", "Ctrl+Alt+3", false},
};

template <class T> T* FindTopLevel(const char* className, const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (widget->inherits(className) && widget->objectName() == objectName)
        {
            return static_cast<T*>(widget);
        }
    }
    return nullptr;
}
} // namespace

using namespace Zarvo;

DemoHost::DemoHost(const QString& settingsFile, const QString& screenshotsDir, QObject* parent)
    : QObject(parent)
    , settings(std::make_shared<Host::IniApplicationSettingsManager>(settingsFile))
    , feedback(std::make_shared<Host::FeedbackController>())
    , handler(std::make_unique<DemoHandler>(screenshotsDir))
    , presets(std::make_unique<Host::PresetStorage>())
{
    for (const PresetSeed& seed : Presets)
    {
        presets->Add(std::make_shared<Host::Preset>(QString::fromUtf8(seed.name), seed.hotkeyId, seed.enabled));
    }
}

DemoHost::~DemoHost()
{
    Shutdown();
}

QString DemoHost::Start(const ModuleLibrary& library)
{
    Hypodermic::ContainerBuilder builder;
    // One of each host class for the whole application, shared by the launcher and this host's controls.
    Host::HostServices services;
    services.settings = settings;
    services.feedback = feedback;
    Host::RegisterHost(builder, services, Host::HostClasses::SingleInstances);

    try
    {
        library.Register(builder);
        container = builder.build();

        auto hotkeys = container->resolve<Orb::HotkeySettings>();
        for (const PresetSeed& seed : Presets)
        {
            if (hotkeys->GetHotkeyForFastPreset(seed.hotkeyId).empty())
            {
                hotkeys->SetHotkeyForFastPreset(seed.hotkeyId, seed.hotkey);
            }
        }

        launcher = container->resolveNamed<Orb::Module::IModule>(typeid(Orb::Module::Launcher::IModule).name());
        if (!launcher)
        {
            return tr("The module library %1 registered no launcher.").arg(library.Path());
        }
        launcher->SetHandler(handler.get());
        launcher->SetPresetStorage(presets.get());
    }
    catch (const std::exception& error)
    {
        launcher.reset();
        return tr("The launcher from %1 cannot be built: %2").arg(library.Path(), QString::fromUtf8(error.what()));
    }

    if (QSystemTrayIcon::isSystemTrayAvailable())
    {
        TrayIcon().AttachSystemTrayIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    }
    return QString();
}

void DemoHost::Activate(bool silent)
{
    if (!launcher)
    {
        return;
    }
    launcher->Activate(Orb::Module::ActivationContext(silent ? Orb::Module::ActivationContext::Silent
                                                             : Orb::Module::ActivationContext::Normal));
    emit ActiveChanged(true);
}

void DemoHost::Deactivate()
{
    if (!launcher)
    {
        return;
    }
    launcher->Deactivate();
    emit ActiveChanged(false);
}

void DemoHost::ShowPanel()
{
    if (auto* window = dynamic_cast<Orb::IShowActiveWindow*>(launcher.get()))
    {
        window->ShowActiveWindow();
    }
}

bool DemoHost::IsActive() const
{
    return launcher && launcher->IsActive();
}

QString DemoHost::Shutdown()
{
    if (launcher && launcher->IsActive())
    {
        launcher->Deactivate();
    }
    launcher.reset();
    container.reset();
    if (!settings->Flush())
    {
        return tr("The settings file %1 cannot be written.").arg(settings->FilePath());
    }
    return QString();
}

QWidget* DemoHost::Panel() const
{
    return FindTopLevel<QWidget>("Zarvo::Orb::Module::Launcher::UI::Sidebar", QStringLiteral("Sidebar"));
}

QMenu* DemoHost::CaptureMenu() const
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
        {
            if (auto* menu = bar->findChild<QMenu*>(QStringLiteral("menuCapture")))
            {
                return menu;
            }
        }
    }
    return nullptr;
}

QMenu* DemoHost::TrayMenu() const
{
    return container ? TrayIcon().GetTrayMenu() : nullptr;
}

Orb::HotkeySettings& DemoHost::Hotkeys() const
{
    return *container->resolve<Orb::HotkeySettings>();
}

Orb::GlobalHotkeyManager& DemoHost::HotkeyManager() const
{
    return *container->resolve<Orb::GlobalHotkeyManager>();
}

Orb::UI::CaptureTrayIcon& DemoHost::TrayIcon() const
{
    return *container->resolve<Orb::UI::CaptureTrayIcon>();
}

QString DemoHost::SettingsFile() const
{
    return settings->FilePath();
}

QStringList DemoHost::PresetHotkeyIds()
{
    QStringList ids;
    for (const PresetSeed& seed : Presets)
    {
        ids.append(QString::fromLatin1(seed.hotkeyId));
    }
    return ids;
}

QString DemoHost::PresetName(const QString& hotkeyId)
{
    for (const PresetSeed& seed : Presets)
    {
        if (hotkeyId == QLatin1String(seed.hotkeyId))
        {
            return QString::fromUtf8(seed.name);
        }
    }
    return QString();
}
} // namespace OrbDemo
