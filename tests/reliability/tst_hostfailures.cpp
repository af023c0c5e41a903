// The launcher on host services that fail once: the failure stays in the call that failed,
// paired host calls stay balanced, nothing is left behind and the launcher keeps working.

#include "common/HostFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"
#include "ZarvoWidget/ZLabel.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <stdexcept>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
void Click(QWidget* parent, const char* name)
{
    if (auto* button = parent ? parent->findChild<QPushButton*>(QLatin1String(name)) : nullptr)
        button->click();
}

// A host with the launcher; the objects the checks read are built first, as a host would.
struct Host
{
    HostFixture fixture{Registration::SingleInstances};
    std::shared_ptr<Zarvo::Orb::GlobalHotkeyGuard> guard = fixture.Resolve<Zarvo::Orb::GlobalHotkeyGuard>();
    std::shared_ptr<Zarvo::Orb::UI::CaptureTrayIconBlocker> blocker =
        fixture.Resolve<Zarvo::Orb::UI::CaptureTrayIconBlocker>();
    std::shared_ptr<Zarvo::Orb::UI::CaptureTrayIcon> tray = fixture.Resolve<Zarvo::Orb::UI::CaptureTrayIcon>();
    ResolvedLauncher launcher;
    RecordingHandler handler;

    // A session with user events in between. What the launcher's public operations throw is the
    // host's to handle; what comes out of an event is listed as escaped.
    QStringList Session()
    {
        QStringList escaped;
        const auto run = [&escaped](const char* event, const std::function<void()>& call)
        {
            try
            {
                call();
            }
            catch (const std::exception& error)
            {
                if (event)
                    escaped << QStringLiteral("%1: %2").arg(event, error.what());
            }
        };
        // The customization dialog, its link to the feature request, a sent request with its
        // thank-you window, and the customization dialog shown again afterwards is rejected.
        // Whatever else a failure left open is closed, so the session goes on.
        int customizations = 0;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout,
                         [&answer, &customizations]
                         {
                             answer.start(0); // a new timer, so that it also fires inside the exec() below
                             QWidget* modal = QApplication::activeModalWidget();
                             auto* dialog = qobject_cast<UI::SidebarCustomizationDialog*>(modal);
                             if (dialog && customizations++ == 0)
                                 emit dialog->findChild<ZLabel*>("newFeatureLabel")->clicked();
                             else if (dialog)
                                 dialog->reject();
                             else if (auto* request = qobject_cast<UI::FeatureRequestWindow*>(modal))
                             {
                                 request->findChild<QTextEdit*>()->setPlainText("More");
                                 Click(request, "sendButton");
                             }
                             else if (qobject_cast<UI::DoneWindow*>(modal))
                                 Click(modal, "confirmButton");
                             else if (modal)
                                 modal->close();
                         });
        answer.start(0);

        run(nullptr, [&] { launcher = fixture.ResolveLauncher(); });
        if (!launcher.module)
            return escaped;
        run(nullptr, [&] { launcher.module->SetHandler(&handler); });
        run(nullptr, [&] { launcher.module->Activate(); });
        for (const char* button :
             {"tailButton", "tailButton", "screenshottingFeatureButton", "settingsButton", "plusButton"})
            run(button, [&] { Click(launcher.sidebar, button); });
        run(nullptr, [&] { fixture.Resolve<Zarvo::Orb::HotkeySettings>()->SetGlobalHotkeyTakeScreenshot("Alt+2"); });
        run(nullptr, [&] { fixture.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire("takeScreenshot"); });
        run("language change",
            [&]
            {
                QEvent change(QEvent::LanguageChange);
                QCoreApplication::sendEvent(launcher.sidebar, &change);
            });
        run("closeButton", [&] { Click(launcher.sidebar, "closeButton"); });
        run(nullptr, [&] { dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow(); });
        run(nullptr, [&] { launcher.module->Deactivate(); });
        return escaped;
    }

    // Usable: a second Deactivate completes one that failed, then a clean round.
    void CheckUsable(int mode = ActivationContext::Normal)
    {
        if (launcher.module->IsActive())
            launcher.module->Deactivate();
        QVERIFY(!tray->GetTrayMenu());
        launcher.module->Activate(ActivationContext(mode));
        QCOMPARE(tray->GetTrayMenu(), launcher.trayMenu.data());
        dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow();
        QVERIFY(launcher.sidebar->isVisible());
        const auto state = launcher.sidebar->GetUiState();
        Click(launcher.sidebar, "tailButton");
        QVERIFY(launcher.sidebar->GetUiState() != state);
        launcher.module->Deactivate();
        QVERIFY(!tray->GetTrayMenu());
    }
};
} // namespace

class tst_HostFailures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Spend the first-panel fix-up of the process, so stored states read as stored.
        HostFixture(Registration::BuiltOnDemand).ResolveLauncher();
    }
    void cleanup()
    {
        CallRecord::Clear();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void failedActivationUndoesItsSteps_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("failing");
        for (const char* call :
             {"CaptureTrayIcon::SetTrayMenu", "AudioComponentInstallHelper::RegisterAction(ActionInstall",
              "AudioComponentInstallHelper::RegisterAction(ActionUninstall", "ParentProvider::PushIndirectParent",
              "Util::ShowRaisedWindow", "TutorialManager::ShowTutorial", "ExternalStimulusHandler::OnModuleActivated"})
            QTest::addRow("normal, %s", call) << int(ActivationContext::Normal) << QString(call);
        for (const char* call : {"Util::HideWindow", "WindowPositionHelper::UpdatePreviousPosition",
                                 "ExternalStimulusHandler::OnModuleActivated"})
            QTest::addRow("silent, %s", call) << int(ActivationContext::Silent) << QString(call);
    }

    void failedActivationUndoesItsSteps()
    {
        QFETCH(int, mode);
        QFETCH(QString, failing);
        Host host;
        host.launcher = host.fixture.ResolveLauncher();
        auto parents = host.fixture.Resolve<Zarvo::Orb::UI::ParentProvider>();
        CallRecord::FailNext(failing);
        QVERIFY_EXCEPTION_THROWN(host.launcher.module->Activate(ActivationContext(mode)), std::runtime_error);
        QVERIFY(!CallRecord::HasPendingFailures());
        QVERIFY(!host.launcher.module->IsActive());
        QVERIFY(!host.tray->GetTrayMenu());
        QVERIFY(!parents->IsParented(host.launcher.sidebar));
        QVERIFY(!host.launcher.sidebar->isVisible());
        const QStringList calls = HostCalls();
        QCOMPARE(calls.filter("AudioComponentInstallHelper::RegisterAction").size(),
                 calls.filter("AudioComponentInstallHelper::UnregisterAction").size());
        host.CheckUsable(mode);
    }

    void everyHostCallFailingOnce_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("skip");
        // The calls of a session without failures, each failed in turn at its place.
        Host host;
        CallRecord::Clear();
        const QStringList escaped = host.Session();
        QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(", ")));
        host.launcher = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList calls = CallRecord::Calls();
        for (int index = 0; index < calls.size(); ++index)
        {
            if (!calls[index].startsWith("Handler::"))
                QTest::addRow("%d %s", index, qPrintable(calls[index]))
                    << calls[index] << int(std::count(calls.begin(), calls.begin() + index, calls[index]));
        }
    }

    void everyHostCallFailingOnce()
    {
        QFETCH(QString, call);
        QFETCH(int, skip);
        Host host;
        CallRecord::FailNext(call, skip);
        const QStringList escaped = host.Session();
        QVERIFY2(escaped.isEmpty(), qPrintable("escaped an event: " + escaped.join(", ")));
        // An Unlock or Unblock that fails leaves its level behind; nothing else may.
        QCOMPARE(host.guard->LockDepth(), int(call == "GlobalHotkeyGuard::Unlock"));
        QCOMPARE(host.blocker->BlockDepth(), int(call == "CaptureTrayIconBlocker::Unblock"));
        // A failure still pending belongs to the launcher's destruction, which then comes first.
        if (host.launcher.module && !CallRecord::HasPendingFailures())
            host.CheckUsable();
        host.launcher = {}; // a failure leaving a destructor terminates the process
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!CallRecord::HasPendingFailures());
    }
};

QTEST_MAIN(tst_HostFailures)
#include "tst_hostfailures.moc"
