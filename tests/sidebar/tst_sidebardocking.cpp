// Placing, dragging, snapping and animating the launcher panel on the 800x600 offscreen screen.

#include "common/SidebarTestFixture.h"

#include "OrbUtilCommon/DockPositionInfo.h"

#include <QWindow>

using namespace SidebarTest;
using Zarvo::Orb::DockPositionInfo;
using Zarvo::Orb::Module::Launcher::UI::SidebarUiState;

namespace
{
// The panel starts at its default place, (736, 150) 64x300 on the right edge; a press at
// this point grabs it 24 pixels from its left and 150 from its top.
const QPoint kGrab(760, 300);
const QPoint kGrabOffset(24, 150);
} // namespace

class tst_SidebarDocking : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareSidebarSuite(); }
    void cleanup()
    {
        DockPositionInfo::SetSimulatedDock(std::nullopt);
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void defaultPlacementOnEmptyStore_data()
    {
        QTest::addColumn<int>("dockPosition");
        QTest::addColumn<int>("edge");
        QTest::newRow("no dock") << 0 << 3;
        QTest::newRow("right dock, flag 0") << 3 << 1;
    }
    void defaultPlacementOnEmptyStore()
    {
        QFETCH(int, dockPosition);
        QFETCH(int, edge);
        DockPositionInfo dock;
        dock.position = dockPosition;
        DockPositionInfo::SetSimulatedDock(dock);
        const QRect geometry(edge == 1 ? 0 : 736, 150, 64, 300);

        Services services;
        auto panel = services.MakeSidebar();
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->geometry(), geometry);
        QCOMPARE(panel->property("Edge").toString(), QString(EdgeNames[edge]));
        QCOMPARE(services.StoredPosition(), geometry.topLeft());
        QCOMPARE(services.StoredInt("sidebar_screen_edge"), edge);
        // Defaults are not written.
        QVERIFY(!services.settings->Contains(Key("sidebar_ui_state")));
        QVERIFY(!services.settings->Contains(Key("sidebar_additional_feature_id")));
    }

    void dragNeedsEightPixels_data()
    {
        QTest::addColumn<QPoint>("moveBy");
        QTest::addColumn<bool>("moves");
        QTest::newRow("4+3") << QPoint(-4, -3) << false;
        QTest::newRow("8") << QPoint(-8, 0) << true;
        // Manhattan, not straight-line distance.
        QTest::newRow("4+4") << QPoint(-4, 4) << true;
    }
    void dragNeedsEightPixels()
    {
        QFETCH(QPoint, moveBy);
        QFETCH(bool, moves);
        Services services;
        auto panel = services.ShownPanel();
        QVERIFY(panel);
        const QPoint start = panel->pos();

        PressAndMove(panel.get(), kGrab, kGrab + moveBy);
        QCOMPARE(panel->pos(), moves ? start + moveBy : start);
        // Once dragging, any distance follows the cursor.
        if (moves)
        {
            SendMouse(panel.get(), QEvent::MouseMove, kGrab + moveBy + QPoint(-1, 0), Qt::NoButton, Qt::LeftButton);
            QCOMPARE(panel->pos(), start + moveBy + QPoint(-1, 0));
        }
        Release(panel.get(), kGrab + moveBy);
    }

    // A click on a feature button executes it and ends the press, though the button, not the
    // panel, takes the release; a drag, also one begun on the button, does not execute it.
    void clickExecutesDragSnapsToNearestEdge_data()
    {
        QTest::addColumn<QPoint>("dropAt");
        QTest::addColumn<bool>("onButton");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("edgeText");
        QTest::newRow("left") << QPoint(100, 200) << false << QRect(0, 200, 64, 300) << "Left";
        QTest::newRow("left, from a feature button") << QPoint(136, 150) << true << QRect(0, 150, 64, 300) << "Left";
        QTest::newRow("top") << QPoint(300, 20) << false << QRect(300, 0, 280, 56) << "Top";
        QTest::newRow("bottom") << QPoint(300, 290) << false << QRect(300, 544, 280, 56) << "Bottom";
        QTest::newRow("back to right") << QPoint(700, 100) << false << QRect(736, 100, 64, 300) << "Right";
    }
    void clickExecutesDragSnapsToNearestEdge()
    {
        QFETCH(QPoint, dropAt);
        QFETCH(bool, onButton);
        QFETCH(QRect, geometry);
        QFETCH(QString, edgeText);
        // Buttons large enough that the vertical layout needs more height (64) than a horizontal
        // edge gives (56), while the horizontal layout fits; the window sets no minimum of its own.
        const auto restoreSheet =
            AddStyle("#Sidebar QPushButton { min-width: 16px; max-width: 16px; min-height: 16px; max-height: 16px; }");
        Services services;
        const auto capturing = MakeFeature("capturing");
        auto panel = services.ShownPanel({MakeFeature("screenshotting").feature, capturing.feature});
        QVERIFY(panel);
        QPushButton* button = Button(panel.get(), "capturingFeatureButton");
        QPushButton* other = Button(panel.get(), "screenshottingFeatureButton");
        // Through the window system, as a user's mouse: it marks the widget under the mouse.
        QWindow* window = panel->windowHandle();
        const auto inWindow = [&](QWidget* widget)
        {
            return widget->mapTo(panel.get(), widget->rect().center());
        };
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
        QCOMPARE(*capturing.executed, 1);
        QTest::mouseMove(window, inWindow(other));
        QTRY_VERIFY(other->underMouse());
        // Any move that reaches the buttons (offscreen, those with a button down; on X11 plain
        // ones too) must not be taken for a drag of the panel.
        SendMouse(other, QEvent::MouseMove, other->mapToGlobal(QPoint(1, 1)), Qt::NoButton, Qt::RightButton);
        QVERIFY(other->underMouse());
        QCOMPARE(panel->pos(), QPoint(736, 150));

        QWidget* target = onButton ? static_cast<QWidget*>(button) : panel.get();
        const QPoint from = onButton ? button->mapToGlobal(button->rect().center()) : kGrab;
        const QPoint to = from + dropAt - panel->pos();
        PressAndMove(target, from, to);
        QCOMPARE(panel->pos(), dropAt);
        Release(target, to);

        QCOMPARE(panel->geometry(), geometry);
        QCOMPARE(button->property("Edge").toString(), edgeText);
        QCOMPARE(*capturing.executed, 1);
        // Snapping stores nothing; the next transition or the destructor does.
        QCOMPARE(services.StoredPosition(), QPoint(736, 150));
    }

    // Without a release, the drag ends and snaps at the button watch's tick, or at once on hiding.
    void dragEndsWithoutRelease_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("release lost") << "lost";
        QTest::newRow("right button held too") << "right";
        QTest::newRow("hidden mid-drag") << "hide";
    }
    void dragEndsWithoutRelease()
    {
        QFETCH(QString, ending);
        Services services;
        auto panel = services.ShownPanel();
        QVERIFY(panel);
        const QRect snapped(0, 200, 64, 300);
        QWindow* window = panel->windowHandle();
        const auto releaseAll = qScopeGuard(
            [&]
            {
                if (ending != "right")
                    return;
                QTest::mouseRelease(window, Qt::RightButton);
                QTest::mouseRelease(window, Qt::LeftButton);
            });
        if (ending == "right")
        {
            // Through the window system, so that the application knows which buttons are down.
            QTest::mousePress(window, Qt::LeftButton, {}, kGrabOffset);
            QTest::mouseMove(window, QPoint(100, 200) + kGrabOffset - panel->pos());
            QTest::mousePress(window, Qt::RightButton, {}, kGrabOffset);
        }
        else
        {
            // Sent straight to the panel: as far as the application knows, no button is down.
            PressAndMove(panel.get(), kGrab, QPoint(100, 200) + kGrabOffset);
        }
        QCOMPARE(panel->pos(), QPoint(100, 200));
        if (ending == "hide")
        {
            panel->SetUiState(SidebarUiState::Hidden);
            QVERIFY(!panel->isVisible());
            QCOMPARE(panel->geometry(), snapped);
            QCOMPARE(services.StoredPosition(), snapped.topLeft());
            QCOMPARE(services.StoredInt("sidebar_screen_edge"), 1);
            // The press ended with the hide: a move now does nothing.
            SendMouse(panel.get(), QEvent::MouseMove, QPoint(300, 300), Qt::NoButton, Qt::LeftButton);
            QCOMPARE(panel->pos(), snapped.topLeft());
        }
        QTRY_COMPARE_WITH_TIMEOUT(panel->geometry(), snapped, 1000);
        QCOMPARE(panel->property("Edge").toString(), QStringLiteral("Left"));
    }

    // A drag that starts while the panel expands ends the expansion first; the snap at the
    // release is where the panel stays. Compacted shows the tail alone, however the panel got
    // there, so the docked size holds after an edge change, also where a style makes the tail
    // larger than that size.
    void dragOfCompactedPanel_data()
    {
        QTest::addColumn<bool>("expanding");
        QTest::addColumn<QString>("extraStyle");
        QTest::addColumn<QPoint>("dropAt");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("expanding, to left") << true << QString() << QPoint(106, 200) << QRect(0, 150, 64, 300);
        QTest::newRow("to bottom, tail taller than the compacted height")
            << false << "#Sidebar #tailButton { min-height: 20px; max-height: 20px; }" << QPoint(306, 550)
            << QRect(300, 588, 110, 12);
    }
    void dragOfCompactedPanel()
    {
        QFETCH(bool, expanding);
        QFETCH(QString, extraStyle);
        QFETCH(QPoint, dropAt);
        QFETCH(QRect, geometry);
        const auto restoreSheet = AddStyle(extraStyle);
        Services services;
        services.settings->SetInt(Key("sidebar_ui_state"), 1);
        auto panel = services.MakeSidebar();
        panel->SetUiState(SidebarUiState::Compacted);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QCOMPARE(panel->geometry(), QRect(784, 150, 16, 120));
        auto* body = panel->findChild<QWidget*>(QStringLiteral("bodyContentFrame"));
        if (expanding)
            panel->SetUiState(SidebarUiState::Maximized);
        QVERIFY(body->isHidden());

        PressAndMove(panel.get(), QPoint(790, 200), dropAt);
        Release(panel.get(), dropAt);
        QTRY_COMPARE(body->isHidden(), !expanding);
        QCOMPARE(panel->geometry(), geometry);
        QCOMPARE(panel->property("Edge").toString(), QString(expanding ? "Left" : "Bottom"));
    }
};

QTEST_MAIN(tst_SidebarDocking)
#include "tst_sidebardocking.moc"
