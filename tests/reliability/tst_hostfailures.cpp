// The launcher on host services that fail once: the failure stays in the call that failed,
// paired host calls stay balanced, nothing is left behind and the launcher keeps working.

#include "common/HostFixture.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QMenu>
#include <QtTest>

#include <stdexcept>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::Module::ActivationContext;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
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

class HostFailuresTest : public QObject
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
};

QTEST_MAIN(HostFailuresTest)
#include "tst_hostfailures.moc"
