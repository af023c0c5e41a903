// The launcher as a host drives it: activation, the panel's requests, actions and the
// feature-request flow, observed through the host stand-ins' call record.

#include "common/HostFixture.h"

#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiActionsController/ActionsController.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

class tst_Controller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The first panel of a process brings a stored Hidden back; later panels keep it.
        HostFixture(Registration::BuiltOnDemand).ResolveLauncher();
    }
    void init() { CallRecord::Clear(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void activation_data()
    {
        QTest::addColumn<int>("mode"); // -1: Activate() without context
        QTest::addColumn<int>("storedState");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("state");

        const QStringList head = {"CaptureTrayIcon::SetTrayMenu",
                                  "AudioComponentInstallHelper::RegisterAction(ActionInstallAudioComponent, 0)",
                                  "AudioComponentInstallHelper::RegisterAction(ActionUninstallAudioComponent, 1)"};
        const QString parent = "ParentProvider::PushIndirectParent(Sidebar, 1, 0, 2)";
        const QStringList shown =
            head + QStringList{parent, "Util::ShowRaisedWindow(Sidebar)", "TutorialManager::IsTutorialShown(0)",
                               "TutorialManager::ShowTutorial(0)", "ExternalStimulusHandler::OnModuleActivated"};
        const QStringList silent =
            head + QStringList{"Util::HideWindow(Sidebar)", "WindowPositionHelper::UpdatePreviousPosition(Sidebar)",
                               "ExternalStimulusHandler::OnModuleActivated"};
        const QStringList hidden =
            head + QStringList{parent, "Util::HideWindow(Sidebar)", "ExternalStimulusHandler::OnModuleActivated"};
        QTest::newRow("normal") << 0 << -1 << shown << int(UI::Maximized);
        QTest::newRow("no context") << -1 << -1 << shown << int(UI::Maximized);
        QTest::newRow("silent") << 1 << -1 << silent << int(UI::Hidden);
        QTest::newRow("stored compacted") << 0 << 1 << shown << int(UI::Compacted);
        QTest::newRow("stored hidden") << 0 << 2 << hidden << int(UI::Hidden);
        QTest::newRow("silent, stored compacted") << 1 << 1 << silent << int(UI::Hidden);
    }

    void activation()
    {
        QFETCH(int, mode);
        QFETCH(int, storedState);
        QFETCH(QStringList, expected);
        QFETCH(int, state);
        HostFixture host(Registration::SingleInstances);
        if (storedState >= 0)
            host.settings->SetInt("Orb/Sidebar/sidebar_ui_state", storedState);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        auto hotkeys = host.Resolve<Zarvo::Orb::GlobalHotkeyManager>();

        CallRecord::Clear();
        if (mode < 0)
            launcher.module->Activate();
        else
            launcher.module->Activate(ActivationContext(mode));
        QCOMPARE(HostCalls(), expected);
        QCOMPARE(int(launcher.sidebar->GetUiState()), state);
        QCOMPARE(launcher.sidebar->isVisible(), state != UI::Hidden);

        CallRecord::Clear();
        launcher.module->Deactivate();
        QCOMPARE(HostCalls(),
                 QStringList({"CaptureTrayIcon::ResetTrayMenu",
                              "AudioComponentInstallHelper::UnregisterAction(ActionInstallAudioComponent)",
                              "AudioComponentInstallHelper::UnregisterAction(ActionUninstallAudioComponent)",
                              "ParentProvider::RemoveParent(Sidebar)", "Util::HideWindow(Sidebar)"}));
        QVERIFY(!launcher.sidebar->isVisible());
        QCOMPARE(int(launcher.sidebar->GetUiState()), state); // kept for the next activation
        hotkeys->Fire("takeScreenshot");
        QCOMPARE(handler.Calls(), QStringList());

        // Activated again, twice in a row: the tutorial is offered once, hotkeys reach the handler once.
        CallRecord::Clear();
        launcher.module->Activate();
        launcher.module->Activate();
        const QString tutorial = "TutorialManager::ShowTutorial(0)";
        QVERIFY(!(expected.contains(tutorial) && HostCalls().contains(tutorial)));
        hotkeys->Fire("takeScreenshot");
        QCOMPARE(handler.Calls(), QStringList{"TakeScreenshot"});
    }

    // Menu actions, the panel's buttons, closing its window and ids the launcher does not know (the
    // host's own), each triggered twice on a compacted panel.
    void actions_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("state");
        const auto row = [](const char* name, const QString& id, const QString& call, int state = UI::Compacted)
        {
            QTest::newRow(name) << id << (call.isEmpty() ? QStringList() : QStringList{call}) << state;
        };
        row("quit", "ActionQuit", "Quit");
        row("screenshot", "ActionTakeScreenshotFromLauncher", "TakeScreenshot");
        row("audio", "ActionStartAudioRecordFromLauncher", "StartAudioRecord");
        row("webcam", "ActionStartWebCameraRecordFromLauncher", "StartWebCameraRecord");
        row("record", "ActionStartRecordFromLauncher", "StartRecord");
        row("library", "ActionOpenLibraryFiles", "OpenLibraryFiles");
        row("scheduler", "ActionSchedulerPreferences", "ShowSchedulerPreferences(false)");
        row("show window", "ActionShowActiveWindow", "", UI::Maximized);
        row("common action", "ActionPreferences", "HandleAction(ActionPreferences)");
        row("screenshot button", "screenshottingFeatureButton", "TakeScreenshot");
        row("record button", "capturingFeatureButton", "StartRecord");
        row("audio button", "audioCapturingFeatureButton", "StartAudioRecord");
        row("webcam button", "webcamCapturingFeatureButton", "StartWebCameraRecord");
        row("close button, hides and offers the tutorial once", "closeButton", "", UI::Hidden);
        row("window closed", "close", "Quit");
        row("unknown id, as UTF-8", QString::fromUtf8("Aktion \xC3\xBC"),
            QString::fromUtf8("HandleAction(Aktion \xC3\xBC)"));
    }

    void actions()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, expected);
        QFETCH(int, state);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        QAction* action = FindAction(launcher.trayMenu, id);
        if (!action)
            action = FindAction(launcher.menuBar->findChild<QMenu*>("menuCapture"), id);
        QVERIFY(action || !id.startsWith("Action"));
        auto* controller = qobject_cast<Zarvo::Orb::UI::ActionsController::ActionsController*>(
            FindAction(launcher.trayMenu, "ActionQuit")->parent());
        QVERIFY(controller);
        const auto trigger = [&]
        {
            if (action)
                action->trigger();
            else if (auto* button = launcher.sidebar->findChild<QPushButton*>(id))
                button->click(); // also on a stack page that is not shown
            else if (id == "close")
                launcher.sidebar->close();
            else
                emit controller->ActionTriggered(id);
        };

        trigger(); // no handler yet: nothing to call, nothing to crash
        RecordingHandler replaced, handler;
        launcher.module->SetHandler(&replaced);
        launcher.module->SetHandler(&handler);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the replaced buttons
        launcher.module->Activate();
        launcher.sidebar->SetUiState(UI::Compacted);
        trigger();
        trigger();
        QCOMPARE(handler.Calls(), expected + expected);
        QCOMPARE(replaced.Calls(), QStringList());
        QCOMPARE(int(launcher.sidebar->GetUiState()), state);
        QCOMPARE(launcher.sidebar->isVisible(), state != UI::Hidden);
        QCOMPARE(host.settings->GetInt("Orb/Sidebar/sidebar_ui_state", -1), state);
        QCOMPARE(HostCalls().count("TutorialManager::ShowTutorial(1)"), int(state == UI::Hidden));
    }

    void dialogSignalsHoldHotkeysAndTray()
    {
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler; // the panel's signals are connected with the handler
        launcher.module->SetHandler(&handler);
        emit launcher.sidebar->BeforeDialogShow();
        emit launcher.sidebar->AfterDialogShow();
        QCOMPARE(HostCalls(), QStringList({"CaptureTrayIconBlocker::Block", "GlobalHotkeyGuard::Lock",
                                           "CaptureTrayIconBlocker::Unblock", "GlobalHotkeyGuard::Unlock"}));
    }

    // A failing feedback service is among the host failures of the reliability suite.
    void featureRequest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("send");
        QTest::newRow("sent") << "More cameras" << true;
        QTest::newRow("spaces only") << "   " << true;
        QTest::newRow("closed") << "Never mind" << false;
    }

    void featureRequest()
    {
        QFETCH(QString, text);
        QFETCH(bool, send);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);

        // Marks where each window shows (over which parent) and when the request window goes.
        WhenModal<UI::FeatureRequestWindow>(
            [&](UI::FeatureRequestWindow* window)
            {
                CallRecord::Add(window->parentWidget() == launcher.sidebar ? "Test::Request"
                                                                           : "Test::RequestElsewhere");
                connect(window, &QObject::destroyed, [] { CallRecord::Add("Test::RequestDestroyed"); });
                window->findChild<QTextEdit*>("featureRequestTextEdit")->setPlainText(text);
                if (send)
                {
                    WhenModal<UI::DoneWindow>(
                        [window](UI::DoneWindow* done)
                        {
                            CallRecord::Add(done->parentWidget() == window ? "Test::Done" : "Test::DoneElsewhere");
                            done->findChild<QPushButton*>("confirmButton")->click();
                        });
                }
                window->findChild<QPushButton*>(send ? "sendButton" : "closeButton")->click();
            });
        CallRecord::Clear();
        emit launcher.sidebar->AddFeaturesRequest();

        // Hotkeys and tray stay held from before the request window shows until it is gone.
        const QString sent = send ? "FeedbackController::SendFeedback(RequestFeatureFromSidebar) Test::Done " : "";
        QCOMPARE(HostCalls().join(' '),
                 "CaptureTrayIconBlocker::Block GlobalHotkeyGuard::Lock Test::Request " + sent +
                     "Test::RequestDestroyed GlobalHotkeyGuard::Unlock CaptureTrayIconBlocker::Unblock");
        using Sent = QList<QPair<QString, QString>>;
        QCOMPARE(host.feedback->Sent(), send ? Sent({{text, "RequestFeatureFromSidebar"}}) : Sent());
    }
};

QTEST_MAIN(tst_Controller)
#include "tst_controller.moc"
