// Registration into the host's container: what a host resolves, how often it is built, what
// an empty service does, and the same through the loaded library's C entry point.

#include "common/HostFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/Factory.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"

#include <QLibrary>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <stdexcept>

using namespace LauncherTest;
using namespace Zarvo::Orb;
using Zarvo::Host::CallRecord;

class RegistrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { CallRecord::Clear(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void resolvedByItsNameOnly_data()
    {
        QTest::addColumn<Registration>("registration");
        QTest::newRow("singles") << Registration::SingleInstances;
        QTest::newRow("interfaces") << Registration::BuiltOnDemand;
    }

    void resolvedByItsNameOnly()
    {
        QFETCH(Registration, registration);
        HostFixture host(registration);
        auto launcher = host.ResolveLauncher();
        QVERIFY(launcher.module);
        QVERIFY(dynamic_cast<Module::Launcher::IModule*>(launcher.module.get()));
        QVERIFY(dynamic_cast<IShowActiveWindow*>(launcher.module.get()));
        QVERIFY(launcher.sidebar && launcher.trayMenu && launcher.dockMenu && launcher.menuBar);
        QVERIFY_EXCEPTION_THROWN(host.Resolve<Module::IModule>(), Hypodermic::ResolutionException);
    }

    void actionTableHasCommonEntriesFirst()
    {
        HostFixture host(Registration::BuiltOnDemand);
        QStringList ids;
        for (const auto& action : UI::Action::GetCommonActionParameters())
            ids << action.id;
        for (const auto& action : Module::Launcher::UI::Action::GetLauncherActionParameters())
            ids << action.id;

        auto factory = host.Resolve<Module::Launcher::Factory>();
        QCOMPARE(factory->GetActionsController()->GetActionIds(), ids);
        QCOMPARE(CallRecord::CallsStartingWith("ActionsController::CreateActions"),
                 QStringList{QString("ActionsController::CreateActions(%1)").arg(ids.size())});
        QVERIFY(host.Resolve<Module::Launcher::Factory>()->GetActionsController() != factory->GetActionsController());
    }

    void resolutionsAreIndependent()
    {
        HostFixture host(Registration::SingleInstances);
        auto first = host.ResolveLauncher();
        auto second = host.ResolveLauncher();
        QVERIFY(first.module != second.module);
        QVERIFY(first.sidebar && second.sidebar && first.sidebar != second.sidebar);
        QAction* firstQuit = FindAction(first.trayMenu, "ActionQuit");
        QAction* secondQuit = FindAction(second.trayMenu, "ActionQuit");
        QVERIFY(firstQuit && secondQuit && firstQuit != secondQuit);

        RecordingHandler firstHandler, secondHandler;
        first.module->SetHandler(&firstHandler);
        second.module->SetHandler(&secondHandler);
        first.sidebar->findChild<QPushButton*>("capturingFeatureButton")->click();
        secondQuit->trigger();
        QCOMPARE(firstHandler.Calls(), QStringList{"StartRecord"});
        QCOMPARE(secondHandler.Calls(), QStringList{"Quit"});

        first.module.reset();
        QVERIFY(first.sidebar.isNull());
        second.sidebar->findChild<QPushButton*>("screenshottingFeatureButton")->click();
        QCOMPARE(secondHandler.Calls(), QStringList({"Quit", "TakeScreenshot"}));
    }

    void emptyService_data()
    {
        // Each row registers one service empty, overriding the host's.
        QTest::addColumn<int>("service");
        QTest::newRow("statistics manager, held by the factory") << 0;
        QTest::newRow("links opener, held by both") << 1;
        QTest::newRow("hotkey guard") << 2;
        QTest::newRow("stimulus handler") << 3;
        QTest::newRow("tutorial manager") << 4;
        QTest::newRow("feedback controller, after the panel's services") << 5;
    }

    void emptyService()
    {
        QFETCH(int, service);
        const RegisterModule empty[] = {
            [](auto& builder) { builder.registerInstance(std::shared_ptr<Tracking::IStatisticsManager>()); },
            [](auto& builder) { builder.registerInstance(std::shared_ptr<Zarvo::App::ILinksOpener>()); },
            [](auto& builder) { builder.registerInstance(std::shared_ptr<GlobalHotkeyGuard>()); },
            [](auto& builder) { builder.registerInstance(std::shared_ptr<IExternalStimulusHandler>()); },
            [](auto& builder) { builder.registerInstance(std::shared_ptr<Service::Tutorial::ITutorialManager>()); },
            [](auto& builder) { builder.registerInstance(std::shared_ptr<Service::Feedback::IFeedbackController>()); },
        };
        HostFixture host(Registration::SingleInstances, HostFixture::DefaultModule(), empty[service]);
        try
        {
            host.ResolveLauncher();
            QFAIL("resolved with an empty service");
        }
        catch (const std::logic_error& error)
        {
            QCOMPARE(QString(error.what()), QString("NotNull can not initialized by null"));
        }
        QCOMPARE(CallRecord::CallsStartingWith("HotkeySettings::RegisterEventHandler"), QStringList());
        // Nothing of the failed launcher may still answer the host's hotkeys.
        host.Resolve<HotkeySettings>()->SetGlobalHotkeyTakeScreenshot("Ctrl+8");
    }

    void loadedLibraryRegistersTheLauncher()
    {
        QLibrary library(ORB_MODULE_LIBRARY_PATH);
        using Entry = void (*)(Hypodermic::ContainerBuilder*);
        const auto entry = reinterpret_cast<Entry>(library.resolve("OrbModuleLauncher_RegisterModuleIoC"));
        QVERIFY2(entry, qPrintable(library.errorString()));

        HostFixture host(Registration::SingleInstances,
                         [entry](Hypodermic::ContainerBuilder& builder) { entry(&builder); });
        auto launcher = host.ResolveLauncher();
        QVERIFY(launcher.module && launcher.sidebar);
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        launcher.module->Activate();
        QVERIFY(launcher.sidebar->isVisible());
        host.Resolve<GlobalHotkeyManager>()->Fire("webCameraCaptureStartStop");
        FindAction(launcher.trayMenu, "ActionOpenLibraryFiles")->trigger();
        QCOMPARE(handler.Calls(), QStringList({"StartWebCameraRecord", "OpenLibraryFiles"}));
        launcher.module->Deactivate();
        QVERIFY(!launcher.sidebar->isVisible());
    }
};

QTEST_MAIN(RegistrationTest)
#include "tst_registration.moc"
