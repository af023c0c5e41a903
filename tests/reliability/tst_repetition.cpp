// Many rounds of the same user actions leave the launcher where a few rounds leave it: the
// number of live QObjects does not grow (and, under the sanitizer preset, nothing leaks).

#include "common/HostFixture.h"
#include "common/SidebarTestFixture.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/DoneWindow.h"
#include "Module/Launcher/UI/FeatureRequestWindow.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"

#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>

#include <atomic>

// Qt's hook table for object tracking tools (qhooks_p.h): slot 3 is called from every QObject
// constructor, slot 4 from every destructor.
extern quintptr Q_CORE_EXPORT qtHookData[];

using namespace LauncherTest;
namespace UI = Zarvo::Orb::Module::Launcher::UI;

namespace
{
std::atomic<long> liveObjects{0};

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

private slots:
    void initTestCase()
    {
        SidebarTest::UseSidebarStyleSheet();
        HostFixture(Registration::BuiltOnDemand).ResolveLauncher();
        qtHookData[3] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
        qtHookData[4] = reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
    }
    void cleanupTestCase() { qtHookData[3] = qtHookData[4] = 0; }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void repeatedRounds_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("customization dialog opened and closed") << "customization";
        QTest::newRow("feature request closed") << "request";
        QTest::newRow("feature request sent, thank-you window") << "sent";
        QTest::newRow("edge change by dragging, then state change") << "edge";
    }

    // 500 rounds: the live object count after the first 5 must equal the count after all.
    void repeatedRounds()
    {
        QFETCH(QString, action);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        launcher.module->Activate();
        UI::Sidebar* panel = launcher.sidebar;
        // Every modal window is answered as soon as it shows.
        QTimer modalHandler;
        connect(&modalHandler, &QTimer::timeout, this,
                [&action]
                {
                    QWidget* modal = QApplication::activeModalWidget();
                    if (auto* request = qobject_cast<UI::FeatureRequestWindow*>(modal); request && action == "sent")
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
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint edges[] = {{area.left() + 2, area.center().y()},
                                {area.center().x(), area.top() + 2},
                                {area.right() - 2, area.center().y()},
                                {area.center().x(), area.bottom() - 2}};
        const int few = 5, all = 500;
        long afterFew = 0;
        for (int round = 0; round < all; ++round)
        {
            if (round == few)
                afterFew = LiveObjectsAfterCleanup();
            if (action == "customization")
                panel->findChild<QPushButton*>(QStringLiteral("plusButton"))->click();
            else if (action != "edge")
                emit panel->AddFeaturesRequest();
            else
            {
                SidebarTest::PressAndMove(panel, panel->geometry().center(), edges[round % 4]);
                SidebarTest::Release(panel, edges[round % 4]);
                panel->SetUiState(round % 2 ? UI::Maximized : UI::Compacted);
            }
            Zarvo::Host::CallRecord::Clear();
        }
        QCOMPARE(LiveObjectsAfterCleanup(), afterFew);
        QCOMPARE(host.feedback->Sent().size(), action == "sent" ? all : 0);
        launcher.module->Deactivate();
    }
};

QTEST_MAIN(tst_Repetition)
#include "tst_repetition.moc"
