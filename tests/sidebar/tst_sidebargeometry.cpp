#include "Module/Launcher/UI/Sidebar/SidebarGeometry.h"

#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher::UI;
using Zarvo::Orb::DockPositionInfo;

Q_DECLARE_METATYPE(Zarvo::Orb::DockPositionInfo)
Q_DECLARE_METATYPE(ScreenEdge)
Q_DECLARE_METATYPE(SidebarUiState)

namespace
{
DockPositionInfo Dock(int position, int width = 0, int height = 0, int flag = 1)
{
    DockPositionInfo dock;
    dock.flag = flag;
    dock.position = position;
    dock.width = width;
    dock.height = height;
    return dock;
}

const QRect Screen(0, 0, 800, 600);
// Not at the origin, to catch mixed-up coordinates.
const QRect Offset(100, 50, 800, 600);
} // namespace

class tst_SidebarGeometry : public QObject
{
    Q_OBJECT

private slots:
    void nearestEdge_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<ScreenEdge>("current");
        QTest::addColumn<ScreenEdge>("expected");
        // Left and right 50, top and bottom 200.
        QTest::newRow("sides tie: right") << Screen << QRect(50, 200, 700, 200) << None << Right;
        QTest::newRow("sides tie: left kept") << Screen << QRect(50, 200, 700, 200) << Left << Left;
        // Top and bottom 50, left and right 100.
        QTest::newRow("ends tie: none goes top") << Screen << QRect(100, 50, 600, 500) << None << Top;
        QTest::newRow("all tie: none goes right") << Screen << QRect(50, 50, 700, 500) << None << Right;
        QTest::newRow("past the right end") << Screen << QRect(750, 200, 100, 100) << Left << Right;
        // Both distances 0 only when right counts the last pixel inside.
        QTest::newRow("corner keeps top") << Screen << QRect(700, 0, 100, 100) << Top << Top;
        QTest::newRow("offset bottom") << Offset << QRect(300, 640, 100, 10) << Right << Bottom;
        QTest::newRow("offset left") << Offset << QRect(110, 300, 50, 100) << None << Left;
    }
    void nearestEdge()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, geometry);
        QFETCH(ScreenEdge, current);
        QFETCH(ScreenEdge, expected);
        QCOMPARE(int(FindNearestScreenEdge(area, geometry, current).value_or(None)), int(expected));
    }

    void dockedSize_data()
    {
        QTest::addColumn<ScreenEdge>("edge");
        QTest::addColumn<SidebarUiState>("state");
        QTest::addColumn<QSize>("expected");
        for (const ScreenEdge edge : {Left, Right, Top, Bottom})
        {
            const bool vertical = edge == Left || edge == Right;
            const QByteArray name = QByteArray::number(edge);
            QTest::newRow(name + " maximized") << edge << Maximized << (vertical ? QSize(60, 300) : QSize(310, 65));
            QTest::newRow(name + " compacted") << edge << Compacted << (vertical ? QSize(40, 50) : QSize(55, 45));
            QTest::newRow(name + " hidden") << edge << Hidden << (vertical ? QSize(60, 300) : QSize(310, 65));
        }
        QTest::newRow("none keeps size") << None << Compacted << QSize(11, 22);
        QTest::newRow("odd edge keeps size") << ScreenEdge(7) << Maximized << QSize(11, 22);
    }
    void dockedSize()
    {
        QFETCH(ScreenEdge, edge);
        QFETCH(SidebarUiState, state);
        QFETCH(QSize, expected);
        const SidebarSizeLimits limits{60, 40, 300, 50, 310, 55, 65, 45};
        QCOMPARE(GetDockedSize(edge, state, limits, QSize(11, 22)), expected);
    }

    // Area (100, 50, 800, 600): x runs 100..900, y runs 50..650. Top and Bottom clamp x,
    // Left and Right clamp y.
    void dockedGeometry_data()
    {
        QTest::addColumn<ScreenEdge>("edge");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<QPoint>("expected");
        const QSize wide(200, 60);
        const QSize tall(60, 300);
        QTest::newRow("top, inside") << Top << wide << QPoint(300, 400) << Dock(0) << QPoint(300, 50);
        QTest::newRow("top, before start") << Top << wide << QPoint(50, 0) << Dock(0) << QPoint(100, 50);
        QTest::newRow("bottom, past end") << Bottom << wide << QPoint(800, 0) << Dock(0) << QPoint(700, 590);
        QTest::newRow("top, wider: start wins") << Top << QSize(900, 60) << QPoint(50, 0) << Dock(0) << QPoint(100, 50);
        QTest::newRow("top, left dock") << Top << wide << QPoint(110, 400) << Dock(1, 50) << QPoint(180, 50);
        QTest::newRow("top, left dock clear") << Top << wide << QPoint(150, 0) << Dock(1, 50) << QPoint(150, 50);
        QTest::newRow("bottom, right dock") << Bottom << wide << QPoint(680, 0) << Dock(3, 40) << QPoint(630, 590);
        QTest::newRow("top, bottom dock inert") << Top << wide << QPoint(110, 0) << Dock(2, 50, 50) << QPoint(110, 50);
        QTest::newRow("left, above") << Left << tall << QPoint(400, 20) << Dock(0) << QPoint(100, 50);
        QTest::newRow("right, below") << Right << tall << QPoint(0, 400) << Dock(0) << QPoint(840, 350);
        QTest::newRow("left, taller: end wins")
            << Left << QSize(60, 700) << QPoint(0, 0) << Dock(0) << QPoint(100, -50);
        QTest::newRow("right, bottom dock") << Right << tall << QPoint(0, 320) << Dock(2, 0, 40) << QPoint(840, 280);
        QTest::newRow("left, bottom dock clear")
            << Left << tall << QPoint(0, 310) << Dock(2, 0, 40) << QPoint(100, 310);
        QTest::newRow("left, left dock inert") << Left << tall << QPoint(0, 400) << Dock(1, 50, 40) << QPoint(100, 350);
        QTest::newRow("none") << None << tall << QPoint(-5, 2000) << Dock(1, 50) << QPoint(-5, 2000);
    }
    void dockedGeometry()
    {
        QFETCH(ScreenEdge, edge);
        QFETCH(QSize, size);
        QFETCH(QPoint, from);
        QFETCH(DockPositionInfo, dock);
        QFETCH(QPoint, expected);
        QCOMPARE(ComputeDockedGeometry(edge, Offset, size, from, dock), QRect(expected, size));
    }

    void defaultPlacement_data()
    {
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("expected");
        // Height 301 in 600: the halves round on their own, 300 - 150.
        QTest::newRow("no dock") << Dock(0) << Screen << QPoint(740, 150);
        QTest::newRow("offset area") << Dock(0) << Offset << QPoint(840, 200);
        QTest::newRow("right dock, flag 0") << Dock(3, 40, 0, 0) << Screen << QPoint(0, 150);
        QTest::newRow("right dock, flag 1") << Dock(3, 40, 0, 1) << Screen << QPoint(740, 150);
        QTest::newRow("left dock, flag 0") << Dock(1, 40, 0, 0) << Screen << QPoint(740, 150);
    }
    void defaultPlacement()
    {
        QFETCH(DockPositionInfo, dock);
        QFETCH(QRect, area);
        QFETCH(QPoint, expected);
        QCOMPARE(ComputeDefaultPlacement(GetDefaultPlacementEdge(dock), area, QSize(60, 301)),
                 QRect(expected, QSize(60, 301)));
    }
};

QTEST_APPLESS_MAIN(tst_SidebarGeometry)
#include "tst_sidebargeometry.moc"
