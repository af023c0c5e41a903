// Many rounds of the same user actions leave the launcher where a few rounds leave it: the
// number of live QObjects does not grow (and, under the sanitizer preset, nothing leaks).

#include "common/HostFixture.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "Module/Launcher/UI/SidebarCustomizationDialog.h"

#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>

#include <atomic>
#include <functional>

// Qt's hook table for object tracking tools (qhooks_p.h): slot 3 is called from every QObject
// constructor, slot 4 from every destructor.
extern quintptr Q_CORE_EXPORT qtHookData[];

using namespace LauncherTest;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
enum HookSlot
{
    AddQObject = 3,
    RemoveQObject = 4,
};

std::atomic<long> liveObjects{0};

void ObjectAdded(QObject*)
{
    ++liveObjects;
}

void ObjectRemoved(QObject*)
{
    --liveObjects;
}

long LiveObjectsAfterCleanup()
{
    // Windows and menus retired with deleteLater go first.
    for (int round = 0; round < 3; ++round)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    return liveObjects;
}
} // namespace

class tst_Repetition : public QObject
{
    Q_OBJECT

    QTimer modalHandler;
    bool sendRequest = false;

    // Runs `round` `count` times in all: a few first, then the rest; the live object count
    // after the few must equal the count after all.
    void Compare(const std::function<void()>& round, int count)
    {
        const int few = 5;
        for (int index = 0; index < few; ++index)
            round();
        const long afterFew = LiveObjectsAfterCleanup();
        for (int index = few; index < count; ++index)
            round();
        QCOMPARE(LiveObjectsAfterCleanup(), afterFew);
    }

private slots:
    void initTestCase()
    {
        SidebarTest::UseSidebarStyleSheet();
        HostFixture(Registration::BuiltOnDemand).ResolveLauncher();
        qtHookData[AddQObject] = reinterpret_cast<quintptr>(&ObjectAdded);
        qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(&ObjectRemoved);
        // Every modal window is answered as soon as it shows.
        connect(&modalHandler, &QTimer::timeout, this,
                [this]
                {
                    QWidget* modal = QApplication::activeModalWidget();
                    if (auto* request = qobject_cast<UI::FeatureRequestWindow*>(modal); request && sendRequest)
                    {
                        request->findChild<QTextEdit*>()->setPlainText(QStringLiteral("More"));
                        request->findChild<QPushButton*>(QStringLiteral("sendButton"))->click();
                    }
                    else if (auto* done = qobject_cast<UI::DoneWindow*>(modal))
                        done->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
                    else if (modal)
                        modal->close();
                });
        modalHandler.start(0);
    }
    void cleanupTestCase()
    {
        qtHookData[AddQObject] = 0;
        qtHookData[RemoveQObject] = 0;
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void dialogCycles_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("customization") << "customization";
        QTest::newRow("feature request closed") << "request";
        QTest::newRow("feature request sent, thank-you window") << "sent";
    }

    void dialogCycles()
    {
        QFETCH(QString, dialog);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        launcher.module->Activate();
        sendRequest = dialog == "sent";
        QPushButton* plus = launcher.sidebar->findChild<QPushButton*>(QStringLiteral("plusButton"));
        Compare(
            [&]
            {
                if (dialog == "customization")
                    plus->click();
                else
                    emit launcher.sidebar->AddFeaturesRequest();
                Zarvo::Host::CallRecord::Clear();
            },
            500);
        QCOMPARE(host.feedback->Sent().size(), sendRequest ? 500 : 0);
        launcher.module->Deactivate();
    }

    void edgeAndStateChanges()
    {
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        launcher.module->Activate();
        UI::Sidebar* panel = launcher.sidebar;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint edges[] = {{area.left() + 2, area.center().y()},
                                {area.center().x(), area.top() + 2},
                                {area.right() - 2, area.center().y()},
                                {area.center().x(), area.bottom() - 2}};
        int change = 0;
        Compare(
            [&]
            {
                // An edge change by dragging, then a state change, alternating.
                const QPoint target = edges[change % 4];
                SidebarTest::PressAndMove(panel, panel->geometry().center(), target);
                SidebarTest::Release(panel, target);
                panel->SetUiState(change % 2 ? UI::Maximized : UI::Compacted);
                ++change;
                Zarvo::Host::CallRecord::Clear();
            },
            500);
        QCOMPARE(change, 500); // 500 edge and 500 state changes
        launcher.module->Deactivate();
    }
};

QTEST_MAIN(tst_Repetition)
#include "tst_repetition.moc"
