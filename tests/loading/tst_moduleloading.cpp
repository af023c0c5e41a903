// The module as a host loads it: the built library opened at run time, registered through its C
// entry point. This program does not link the module, so the process holds exactly one copy of it.

#include "Hypodermic/Hypodermic.h"
#include "Module/Launcher/IHandler.h"
#include "Module/Launcher/IModule.h"
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
#include <QLibrary>
#include <QtTest>

#include <exception>
#include <memory>
#include <typeinfo>

using namespace Zarvo::Orb;
using Zarvo::Host::HostClasses;

Q_DECLARE_METATYPE(HostClasses)

namespace
{
class Handler : public Module::Launcher::IHandler
{
public:
    void Quit() override { calls << "Quit"; }
    void StartAudioRecord() override { calls << "StartAudioRecord"; }
    void StartWebCameraRecord() override { calls << "StartWebCameraRecord"; }
    void StartRecord() override { calls << "StartRecord"; }
    void OpenLibraryFiles() override { calls << "OpenLibraryFiles"; }
    void TakeScreenshot() override { calls << "TakeScreenshot"; }
    void ShowSchedulerPreferences(bool) override { calls << "ShowSchedulerPreferences"; }
    void HandleAction(const std::string& actionId) override { calls << QString::fromStdString(actionId); }

    QStringList calls;
};

QWidget* FindSidebar()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (widget->inherits("Zarvo::Orb::Module::Launcher::UI::Sidebar"))
            return widget;
    }
    return nullptr;
}

// Restores the container's process-wide default when a test ends early.
struct RuntimeRegistration
{
    explicit RuntimeRegistration(bool enabled) { Hypodermic::Behavior::configureRuntimeRegistration(enabled); }
    ~RuntimeRegistration() { Hypodermic::Behavior::configureRuntimeRegistration(true); }
};
} // namespace

class tst_ModuleLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        library.setFileName(QStringLiteral(ORB_MODULE_LIBRARY_PATH));
        entry = reinterpret_cast<Entry>(library.resolve("OrbModuleLauncher_RegisterModuleIoC"));
        QVERIFY2(entry, qPrintable(library.errorString()));
    }

    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void registersAndRunsTheLauncher()
    {
        const auto container = Build(HostClasses::SingleInstances);
        auto module = container->resolveNamed<Module::IModule>(typeid(Module::Launcher::IModule).name());
        QVERIFY(module);
        QWidget* sidebar = FindSidebar();
        QVERIFY(sidebar);

        Handler handler;
        module->SetHandler(&handler);
        module->Activate();
        QVERIFY(sidebar->isVisible());
        container->resolve<GlobalHotkeyManager>()->Fire("webCameraCaptureStartStop");
        QCOMPARE(handler.calls, QStringList{"StartWebCameraRecord"});
        module->Deactivate();
        QVERIFY(!sidebar->isVisible());
    }

    // The host's container settings reach the types the module's registration builds.
    void followsTheHostsContainerSettings_data()
    {
        QTest::addColumn<HostClasses>("classes");
        QTest::addColumn<bool>("runtimeRegistration");
        QTest::addColumn<bool>("resolves");
        QTest::newRow("host classes registered, on demand off") << HostClasses::SingleInstances << false << true;
        QTest::newRow("host classes left to the container") << HostClasses::BuiltOnDemand << true << true;
        QTest::newRow("host classes left to the container, on demand off")
            << HostClasses::BuiltOnDemand << false << false;
    }

    void followsTheHostsContainerSettings()
    {
        QFETCH(HostClasses, classes);
        QFETCH(bool, runtimeRegistration);
        QFETCH(bool, resolves);

        const auto container = Build(classes);
        RuntimeRegistration setting(runtimeRegistration);
        bool resolved = false;
        try
        {
            resolved = bool(container->resolveNamed<Module::IModule>(typeid(Module::Launcher::IModule).name()));
        }
        catch (const std::exception& error)
        {
            QVERIFY2(!resolves, error.what());
        }
        QCOMPARE(resolved, resolves);
    }

private:
    using Entry = void (*)(Hypodermic::ContainerBuilder*);

    std::shared_ptr<Hypodermic::Container> Build(HostClasses classes) const
    {
        Hypodermic::ContainerBuilder builder;
        Zarvo::Host::RegisterHost(builder, {}, classes);
        entry(&builder);
        return builder.build();
    }

    QLibrary library;
    Entry entry = nullptr;
};

QTEST_MAIN(tst_ModuleLoading)
#include "tst_moduleloading.moc"
