// Registration into the host's container: what a host resolves, how often it is built and what
// an empty service does.

#include "common/HostFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/Controller.h"
#include "Module/Launcher/Factory.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"

#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <stdexcept>
#include <tuple>

using namespace LauncherTest;
using namespace Zarvo::Orb;
using Zarvo::Host::CallRecord;

class tst_Registration : public QObject
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
        // The container never hands out an empty service, so these build the factory or the
        // controller directly with the argument at that index empty.
        QTest::addColumn<int>("factoryArgument");
        QTest::addColumn<int>("controllerArgument");
        QTest::newRow("factory: statistics manager") << 3 << -1;
        QTest::newRow("factory: links opener") << 5 << -1;
        QTest::newRow("controller: factory") << -1 << 0;
        QTest::newRow("controller: hotkey guard") << -1 << 4;
        QTest::newRow("controller: stimulus handler") << -1 << 8;
        QTest::newRow("controller: tutorial manager") << -1 << 14;
        QTest::newRow("controller: feedback controller, after the panel's services") << -1 << 16;
    }

    void emptyService()
    {
        QFETCH(int, factoryArgument);
        QFETCH(int, controllerArgument);
        using Module::Launcher::Controller;
        using Module::Launcher::Factory;
        HostFixture host(Registration::SingleInstances);
        auto factoryArguments = std::make_tuple(host.customization, host.lookAndFeel, host.Resolve<ProductSettings>(),
                                                host.statistics, host.settings, host.links);
        auto controllerArguments = std::make_tuple(
            host.Resolve<Factory>(), host.Resolve<ProductSettings>(), host.Resolve<HotkeySettings>(),
            host.Resolve<GlobalHotkeyManager>(), host.Resolve<GlobalHotkeyGuard>(), host.Resolve<PathsSettings>(),
            host.Resolve<UI::ParentProvider>(), host.Resolve<UI::WindowPositionHelper>(), host.stimulus,
            host.Resolve<UI::MainMenuBar>(), host.Resolve<UI::CaptureTrayIcon>(),
            host.Resolve<UI::CaptureTrayIconBlocker>(), host.Resolve<UI::CaptureDockMenu>(),
            host.Resolve<UI::AudioComponentInstallHelper>(), host.tutorials, host.settings, host.feedback, host.links);
        ResetAt(factoryArguments, factoryArgument);
        ResetAt(controllerArguments, controllerArgument);
        CallRecord::Clear();
        try
        {
            if (factoryArgument >= 0)
                std::apply([](const auto&... arguments) { Factory factory(arguments...); }, factoryArguments);
            else
                std::apply([](const auto&... arguments) { Controller controller(arguments...); }, controllerArguments);
            QFAIL("built with an empty service");
        }
        catch (const std::logic_error& error)
        {
            QCOMPARE(QString(error.what()), QString("NotNull can not initialized by null"));
        }
        QCOMPARE(CallRecord::CallsStartingWith("HotkeySettings::RegisterEventHandler"), QStringList());
        // Nothing of the failed launcher may still answer the host's hotkeys.
        host.Resolve<HotkeySettings>()->SetGlobalHotkeyTakeScreenshot("Ctrl+8");
    }

private:
    template <class Tuple> static void ResetAt(Tuple& arguments, int index)
    {
        std::apply(
            [index](auto&... argument)
            {
                int i = 0;
                ((i++ == index ? argument.reset() : void()), ...);
            },
            arguments);
    }
};

QTEST_MAIN(tst_Registration)
#include "tst_registration.moc"
