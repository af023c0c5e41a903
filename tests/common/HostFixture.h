#pragma once

// Builds a container the way a host does, with the host stand-ins, registers the launcher into
// it and resolves the launcher by its name.

#include "CallRecord/CallRecord.h"
#include "Hypodermic/Hypodermic.h"
#include "Module/Launcher/IHandler.h"
#include "ModuleFramework/IModule.h"
#include "StandIns/HostRegistration.h"
#include "StandIns/StandIns.h"

// Complete, so that Resolve can build any of them.
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
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace Zarvo::Orb::Module::Launcher::UI
{
class Sidebar;
}
Q_DECLARE_METATYPE(Zarvo::Host::HostClasses)

namespace LauncherTest
{
using Zarvo::Orb::Module::Launcher::UI::Sidebar;

// The host's launcher handler: writes every call to the call record as "Handler::Operation"
// and keeps its own list.
class RecordingHandler : public Zarvo::Orb::Module::Launcher::IHandler
{
public:
    void Quit() override { Record("Quit"); }
    void StartAudioRecord() override { Record("StartAudioRecord"); }
    void StartWebCameraRecord() override { Record("StartWebCameraRecord"); }
    void StartRecord() override { Record("StartRecord"); }
    void OpenLibraryFiles() override { Record("OpenLibraryFiles"); }
    void TakeScreenshot() override { Record("TakeScreenshot"); }
    void ShowSchedulerPreferences(bool fromScheduler) override
    {
        Record(QString("ShowSchedulerPreferences(%1)").arg(fromScheduler ? "true" : "false"));
    }
    void HandleAction(const std::string& id) override { Record("HandleAction(" + QString::fromStdString(id) + ")"); }

    // Entries without the "Handler::" prefix, e.g. "TakeScreenshot" or "HandleAction(ActionPreferences)".
    QStringList Calls() const { return calls; }

private:
    // Inline, so that a program loading the built library can use it without the module's code.
    void Record(const QString& call)
    {
        calls.append(call);
        Zarvo::Host::CallRecord::Add(QStringLiteral("Handler::") + call);
    }
    QStringList calls;
};

// How the host registers its concrete classes.
using Registration = Zarvo::Host::HostClasses;

// What one resolution produced: the launcher and the windows it made, found in the
// application's top-level widgets.
struct ResolvedLauncher
{
    std::shared_ptr<Zarvo::Orb::Module::IModule> module;
    QPointer<Sidebar> sidebar;
    QPointer<QMenu> trayMenu;
    QPointer<QMenu> dockMenu;
    QPointer<QMenuBar> menuBar;
};

class HostFixture
{
public:
    explicit HostFixture(Registration registration);

    // Throws what the container or the launcher's constructor throws.
    ResolvedLauncher ResolveLauncher();

    // With BuiltOnDemand every call builds a new instance, not the launcher's. The host's services
    // (look and feel, links, ...) resolve to the one instance the module is given.
    template <class T> std::shared_ptr<T> Resolve() { return container->resolve<T>(); }

    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings;
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization;
    std::shared_ptr<Zarvo::Host::FeedbackController> feedback;

private:
    std::shared_ptr<Hypodermic::Container> container;
};

// The calls the launcher makes on the host while activating, deactivating and reacting to the
// panel, the handler's calls and the tests' own "Test::" marks, in order; settings reads and the
// panel's own construction are left out.
QStringList HostCalls();

// Runs act on the first modal window of type W once it shows, from inside the exec() that runs it.
template <class W> void WhenModal(std::function<void(W*)> act)
{
    QTimer::singleShot(0,
                       [act]
                       {
                           if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget()))
                               act(window);
                           else
                               WhenModal<W>(act);
                       });
}

// The action of that id among the menu's entries (submenus included), or null.
QAction* FindAction(const QMenu* menu, const QString& id);
} // namespace LauncherTest
