// The launcher on host services that fail once: the failure stays in the call that failed,
// paired host calls stay balanced, nothing is left behind and the launcher keeps working.

#include "common/HostFixture.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"
#include "ZarvoWidget/ZLabel.h"

#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <tuple>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
// Acts on the first modal window of type W once it shows; the poll dies with `owner`.
template <class W> void WhenModal(QObject* owner, std::function<void(W*)> act)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, act]
                     {
                         if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget()))
                         {
                             poll->stop();
                             act(window);
                         }
                     });
    poll->start(0);
}

void Click(QWidget* parent, const char* name)
{
    if (auto* button = parent ? parent->findChild<QPushButton*>(QLatin1String(name)) : nullptr)
        button->click();
}

// A host's session with the launcher, user events in between. What the launcher's public
// operations throw is the host's to handle; what comes out of an event is listed as escaped.
QStringList Session(HostFixture& host, ResolvedLauncher& launcher, RecordingHandler& handler)
{
    QStringList escaped;
    const auto hostCall = [](const std::function<void()>& call)
    {
        try
        {
            call();
        }
        catch (const std::exception&)
        {
        }
    };
    const auto event = [&escaped](const char* name, const std::function<void()>& call)
    {
        try
        {
            call();
        }
        catch (const std::exception& error)
        {
            escaped << QStringLiteral("%1: %2").arg(name, error.what());
        }
    };
    QObject polls;
    // Whatever a failure left open is closed after a while, so the session goes on.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout,
                     []
                     {
                         if (QWidget* modal = QApplication::activeModalWidget())
                             modal->close();
                     });
    closer.start(300);

    hostCall([&] { launcher = host.ResolveLauncher(); });
    if (!launcher.module)
        return escaped;
    const QPointer<UI::Sidebar> panel = launcher.sidebar;
    hostCall([&] { launcher.module->SetHandler(&handler); });
    hostCall([&] { launcher.module->Activate(); });
    event("tail", [&] { Click(panel, "tailButton"); });
    event("tail again", [&] { Click(panel, "tailButton"); });
    event("feature", [&] { Click(panel, "screenshottingFeatureButton"); });
    event("settings", [&] { Click(panel, "settingsButton"); });
    // The customization dialog, its link to the feature request, a sent request with its
    // thank-you window, and the customization dialog opened again afterwards.
    WhenModal<UI::SidebarCustomizationDialog>(&polls,
                                              [&polls](UI::SidebarCustomizationDialog* dialog)
                                              {
                                                  WhenModal<UI::SidebarCustomizationDialog>(
                                                      &polls,
                                                      [](UI::SidebarCustomizationDialog* again) { again->reject(); });
                                                  emit dialog->findChild<ZLabel*>("newFeatureLabel")->clicked();
                                              });
    WhenModal<UI::FeatureRequestWindow>(&polls,
                                        [](UI::FeatureRequestWindow* window)
                                        {
                                            window->findChild<QTextEdit*>()->setPlainText("More");
                                            Click(window, "sendButton");
                                        });
    WhenModal<UI::DoneWindow>(&polls, [](UI::DoneWindow* done) { Click(done, "confirmButton"); });
    event("customization", [&] { Click(panel, "plusButton"); });
    hostCall([&] { host.Resolve<Zarvo::Orb::HotkeySettings>()->SetGlobalHotkeyTakeScreenshot("Alt+2"); });
    hostCall([&] { host.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire("takeScreenshot"); });
    event("language change",
          [&]
          {
              QEvent change(QEvent::LanguageChange);
              QCoreApplication::sendEvent(panel, &change);
          });
    event("close button", [&] { Click(panel, "closeButton"); });
    hostCall([&] { dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow(); });
    hostCall([&] { launcher.module->Deactivate(); });
    return escaped;
}

// The host objects whose state the checks read, built before the session as a host would.
std::tuple<std::shared_ptr<Zarvo::Orb::GlobalHotkeyGuard>, std::shared_ptr<Zarvo::Orb::UI::CaptureTrayIconBlocker>,
           std::shared_ptr<Zarvo::Orb::UI::CaptureTrayIcon>>
Observed(HostFixture& host)
{
    return {host.Resolve<Zarvo::Orb::GlobalHotkeyGuard>(), host.Resolve<Zarvo::Orb::UI::CaptureTrayIconBlocker>(),
            host.Resolve<Zarvo::Orb::UI::CaptureTrayIcon>()};
}

QWidget* TopLevelNamed(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}
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
    void init() { CallRecord::Clear(); }
    void cleanup()
    {
        CallRecord::Clear();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void panelDestroyedWithFailingStore()
    {
        SidebarTest::Services services;
        auto panel = services.MakeSidebar();
        CallRecord::FailNext("ApplicationSettings::");
        panel.reset(); // a failure leaving the destructor terminates the process
        QVERIFY(!CallRecord::HasPendingFailures());
    }

    void trayMenuFailingCustomizationLeavesNoMenu()
    {
        SidebarTest::Services services;
        CallRecord::FailNext("CustomizationManager::CustomizeWidget(launcherTrayMenu)");
        QVERIFY_EXCEPTION_THROWN(UI::LauncherTrayMenu(services.actions, services.customization), std::runtime_error);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!TopLevelNamed("launcherTrayMenu"));
    }

    void failedActivationUndoesItsSteps_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("failing");
        const QStringList normal = {"CaptureTrayIcon::SetTrayMenu",
                                    "AudioComponentInstallHelper::RegisterAction(ActionInstall",
                                    "AudioComponentInstallHelper::RegisterAction(ActionUninstall",
                                    "ParentProvider::PushIndirectParent",
                                    "Util::ShowRaisedWindow",
                                    "TutorialManager::ShowTutorial",
                                    "ExternalStimulusHandler::OnModuleActivated"};
        for (const QString& call : normal)
            QTest::newRow(qPrintable("normal, " + call)) << int(ActivationContext::Normal) << call;
        for (const char* call : {"Util::HideWindow", "WindowPositionHelper::UpdatePreviousPosition",
                                 "ExternalStimulusHandler::OnModuleActivated"})
            QTest::newRow(qPrintable("silent, " + QString(call))) << int(ActivationContext::Silent) << QString(call);
    }

    void failedActivationUndoesItsSteps()
    {
        QFETCH(int, mode);
        QFETCH(QString, failing);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        auto tray = host.Resolve<Zarvo::Orb::UI::CaptureTrayIcon>();
        auto parents = host.Resolve<Zarvo::Orb::UI::ParentProvider>();

        CallRecord::FailNext(failing);
        QVERIFY_EXCEPTION_THROWN(launcher.module->Activate(ActivationContext(mode)), std::runtime_error);
        QVERIFY(!CallRecord::HasPendingFailures());
        QVERIFY(!launcher.module->IsActive());
        QVERIFY(!tray->GetTrayMenu());
        QVERIFY(!parents->IsParented(launcher.sidebar));
        QVERIFY(!launcher.sidebar->isVisible());
        const QStringList calls = HostCalls();
        QCOMPARE(calls.filter("AudioComponentInstallHelper::RegisterAction").size(),
                 calls.filter("AudioComponentInstallHelper::UnregisterAction").size());

        // Still usable: the next activation takes hold and Deactivate undoes it.
        launcher.module->Activate(ActivationContext(mode));
        QVERIFY(launcher.module->IsActive());
        QCOMPARE(tray->GetTrayMenu(), launcher.trayMenu.data());
        launcher.module->Deactivate();
        QVERIFY(!tray->GetTrayMenu());
    }

    void everyHostCallFailingOnce_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("skip");
        // The calls of a session without failures, each failed in turn at its place.
        HostFixture host(Registration::SingleInstances);
        Observed(host);
        ResolvedLauncher launcher;
        RecordingHandler handler;
        CallRecord::Clear();
        const QStringList escaped = Session(host, launcher, handler);
        QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(", ")));
        const QStringList calls = CallRecord::Calls();
        launcher = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (int index = 0; index < calls.size(); ++index)
        {
            const QString& call = calls.at(index);
            if (call.startsWith("Handler::"))
                continue;
            const int skip = int(std::count(calls.begin(), calls.begin() + index, call));
            QTest::addRow("%d %s", index, qPrintable(call)) << call << skip;
        }
    }

    void everyHostCallFailingOnce()
    {
        QFETCH(QString, call);
        QFETCH(int, skip);
        HostFixture host(Registration::SingleInstances);
        const auto [guard, blocker, tray] = Observed(host);
        ResolvedLauncher launcher;
        RecordingHandler handler;
        CallRecord::FailNext(call, skip);
        const QStringList escaped = Session(host, launcher, handler);
        QVERIFY2(escaped.isEmpty(), qPrintable("escaped an event: " + escaped.join(", ")));
        QVERIFY(!CallRecord::HasPendingFailures());
        // An Unlock or Unblock that fails leaves its level behind; nothing else may.
        QCOMPARE(guard->LockDepth(), int(call == "GlobalHotkeyGuard::Unlock"));
        QCOMPARE(blocker->BlockDepth(), int(call == "CaptureTrayIconBlocker::Unblock"));

        if (launcher.module)
        {
            // Usable: a second Deactivate completes one that failed, then a clean round.
            if (launcher.module->IsActive())
                launcher.module->Deactivate();
            QVERIFY(!tray->GetTrayMenu());
            launcher.module->Activate();
            dynamic_cast<Zarvo::Orb::IShowActiveWindow&>(*launcher.module).ShowActiveWindow();
            QVERIFY(launcher.sidebar->isVisible());
            const auto state = launcher.sidebar->GetUiState();
            Click(launcher.sidebar, "tailButton");
            QVERIFY(launcher.sidebar->GetUiState() != state);
            launcher.module->Deactivate();
            QVERIFY(!tray->GetTrayMenu());
        }
        launcher = {}; // must not terminate
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(tst_HostFailures)
#include "tst_hostfailures.moc"
