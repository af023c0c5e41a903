// The module as a host loads it: the built library opened at run time, registered through its C
// entry point. This program does not link the module, so the process holds exactly one copy of it.

#include "../common/HostFixture.h"
#include "Module/Launcher/IModule.h"

#include <QLibrary>
#include <QtTest>

#include <algorithm>
#include <exception>
#include <typeinfo>

using namespace Zarvo::Orb;
using Zarvo::Host::HostClasses;

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

    // The host's container settings reach the types the module's registration builds.
    void registersAndRunsTheLauncher_data()
    {
        QTest::addColumn<HostClasses>("classes");
        QTest::addColumn<bool>("runtimeRegistration");
        QTest::addColumn<bool>("resolves");
        QTest::newRow("host classes registered") << HostClasses::SingleInstances << true << true;
        QTest::newRow("host classes registered, on demand off") << HostClasses::SingleInstances << false << true;
        QTest::newRow("host classes left to the container") << HostClasses::BuiltOnDemand << true << true;
        QTest::newRow("host classes left to the container, on demand off")
            << HostClasses::BuiltOnDemand << false << false;
    }

    void registersAndRunsTheLauncher()
    {
        QFETCH(HostClasses, classes);
        QFETCH(bool, runtimeRegistration);
        QFETCH(bool, resolves);
        Hypodermic::ContainerBuilder builder;
        Zarvo::Host::RegisterHost(builder, {}, classes);
        entry(&builder);
        const auto container = builder.build();
        Hypodermic::Behavior::configureRuntimeRegistration(runtimeRegistration);
        // Restores the container's process-wide default when a test ends early.
        const auto restore = qScopeGuard([] { Hypodermic::Behavior::configureRuntimeRegistration(true); });
        std::shared_ptr<Module::IModule> module;
        try
        {
            module = container->resolveNamed<Module::IModule>(typeid(Module::Launcher::IModule).name());
        }
        catch (const std::exception& error)
        {
            QVERIFY2(!resolves, error.what());
        }
        QCOMPARE(bool(module), resolves);
        if (classes == HostClasses::BuiltOnDemand)
            return; // each resolution would build a hotkey manager of its own
        const auto windows = QApplication::topLevelWidgets();
        const auto sidebar =
            std::find_if(windows.begin(), windows.end(),
                         [](QWidget* window) { return window->inherits("Zarvo::Orb::Module::Launcher::UI::Sidebar"); });
        QVERIFY(sidebar != windows.end());
        LauncherTest::RecordingHandler handler;
        module->SetHandler(&handler);
        module->Activate();
        QVERIFY((*sidebar)->isVisible());
        container->resolve<GlobalHotkeyManager>()->Fire("webCameraCaptureStartStop");
        QCOMPARE(handler.Calls(), QStringList{"StartWebCameraRecord"});
        module->Deactivate();
        QVERIFY(!(*sidebar)->isVisible());
    }

private:
    using Entry = void (*)(Hypodermic::ContainerBuilder*);
    QLibrary library;
    Entry entry = nullptr;
};

QTEST_MAIN(tst_ModuleLoading)
#include "tst_moduleloading.moc"
