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

};

QTEST_MAIN(HostFailuresTest)
#include "tst_hostfailures.moc"
