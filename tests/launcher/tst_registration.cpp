// Registration into the host's container: what a host resolves, how often it is built and what
// an empty service does to the launcher's classes.

#include "common/HostFixture.h"

#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/Controller.h"
#include "Module/Launcher/Factory.h"
#include "Module/Launcher/IModule.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/LauncherDockMenu.h"
#include "Module/Launcher/UI/LauncherMenuBar.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiMenu/CommonActions.h"

#include <QPushButton>
#include <QtTest>

#include <stdexcept>

using namespace LauncherTest;
using namespace Zarvo::Orb;
using Zarvo::Host::CallRecord;

class tst_Registration : public QObject
{
    Q_OBJECT

private slots:
    void init() { CallRecord::Clear(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Resolved by its name only, with one action table of its own; a second resolution is a
    // launcher of its own.
    void resolution_data()
    {
        QTest::addColumn<Registration>("registration");
        QTest::newRow("singles") << Registration::SingleInstances;
        QTest::newRow("interfaces") << Registration::BuiltOnDemand;
    }

    void resolution()
    {
        QFETCH(Registration, registration);
        HostFixture host(registration);
        auto first = host.ResolveLauncher();
        QVERIFY(dynamic_cast<Module::Launcher::IModule*>(first.module.get()));
        QVERIFY(dynamic_cast<IShowActiveWindow*>(first.module.get()));
        QVERIFY(first.sidebar && first.trayMenu && first.dockMenu && first.menuBar);
        QVERIFY_EXCEPTION_THROWN(host.Resolve<Module::IModule>(), Hypodermic::ResolutionException);

        // One action table per factory, built at once, the common entries first.
        QStringList ids;
        for (const auto& action : UI::Action::GetCommonActionParameters())
            ids << action.id;
        for (const auto& action : Module::Launcher::UI::Action::GetLauncherActionParameters())
            ids << action.id;
        QCOMPARE(CallRecord::CallsStartingWith("ActionsController::CreateActions"),
                 QStringList{QString("ActionsController::CreateActions(%1)").arg(ids.size())});
        auto factory = host.Resolve<Module::Launcher::Factory>();
        QCOMPARE(factory->GetActionsController()->GetActionIds(), ids);
        QVERIFY(host.Resolve<Module::Launcher::Factory>()->GetActionsController() != factory->GetActionsController());

        auto second = host.ResolveLauncher();
        QVERIFY(first.module != second.module && first.sidebar != second.sidebar);
        QAction* secondQuit = FindAction(second.trayMenu, "ActionQuit");
        QVERIFY(secondQuit && secondQuit != FindAction(first.trayMenu, "ActionQuit"));

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
        // The container never hands out an empty service, so these build each class directly with
        // the argument at that index empty.
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("argument");
        QTest::newRow("factory: statistics manager") << "factory" << 3;
        QTest::newRow("factory: links opener") << "factory" << 5;
        QTest::newRow("controller: factory") << "controller" << 0;
        QTest::newRow("controller: hotkey guard") << "controller" << 4;
        QTest::newRow("controller: stimulus handler") << "controller" << 8;
        QTest::newRow("controller: tutorial manager") << "controller" << 14;
        QTest::newRow("controller: feedback controller, after the panel's services") << "controller" << 16;
        QTest::newRow("menu bar: actions") << "bar" << 0;
        QTest::newRow("menu bar: customization") << "bar" << 1;
        QTest::newRow("menu bar: look and feel") << "bar" << 2;
        QTest::newRow("menu bar: product settings") << "bar" << 3;
        QTest::newRow("tray menu: actions") << "tray" << 0;
        QTest::newRow("tray menu: customization") << "tray" << 1;
        QTest::newRow("dock menu: actions") << "dock" << 0;
    }

    void emptyService()
    {
        QFETCH(QString, type);
        QFETCH(int, argument);
        using Module::Launcher::Controller;
        using Module::Launcher::Factory;
        HostFixture host(Registration::SingleInstances);
        const auto actions = host.Resolve<Factory>()->GetActionsController();
        const auto lookAndFeel = host.Resolve<Zarvo::App::ILookAndFeelManager>();
        const auto links = host.Resolve<Zarvo::App::ILinksOpener>();
        CallRecord::Clear();
        try
        {
            if (type == "factory")
                BuildWithout<Factory>(argument, host.customization, lookAndFeel, host.Resolve<ProductSettings>(),
                                      host.Resolve<Tracking::IStatisticsManager>(), host.settings, links);
            else if (type == "controller")
                BuildWithout<Controller>(
                    argument, host.Resolve<Factory>(), host.Resolve<ProductSettings>(), host.Resolve<HotkeySettings>(),
                    host.Resolve<GlobalHotkeyManager>(), host.Resolve<GlobalHotkeyGuard>(),
                    host.Resolve<PathsSettings>(), host.Resolve<UI::ParentProvider>(),
                    host.Resolve<UI::WindowPositionHelper>(), host.Resolve<IExternalStimulusHandler>(),
                    host.Resolve<UI::MainMenuBar>(), host.Resolve<UI::CaptureTrayIcon>(),
                    host.Resolve<UI::CaptureTrayIconBlocker>(), host.Resolve<UI::CaptureDockMenu>(),
                    host.Resolve<UI::AudioComponentInstallHelper>(),
                    host.Resolve<Service::Tutorial::ITutorialManager>(), host.settings, host.feedback, links);
            else if (type == "bar")
                BuildWithout<Module::Launcher::UI::LauncherMenuBar>(argument, actions, host.customization, lookAndFeel,
                                                                    host.Resolve<ProductSettings>());
            else if (type == "tray")
                BuildWithout<Module::Launcher::UI::LauncherTrayMenu>(argument, actions, host.customization);
            else
                BuildWithout<Module::Launcher::UI::LauncherDockMenu>(argument, actions);
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
    template <class T, class... Services> static void BuildWithout(int index, Services... services)
    {
        int i = 0;
        ((i++ == index ? services.reset() : void()), ...);
        T built(services...);
    }
};

QTEST_MAIN(tst_Registration)
#include "tst_registration.moc"
