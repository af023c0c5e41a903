#include "Module/Launcher/UI/Sidebar/SidebarGeometry.h"

#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher::UI;
using Zarvo::Orb::DockPositionInfo;

Q_DECLARE_METATYPE(Zarvo::Orb::DockPositionInfo)

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
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        // Left and right 50, top and bottom 200.
        QTest::newRow("sides tie: right") << Screen << QRect(50, 200, 700, 200) << int(None) << int(Right);
        QTest::newRow("sides tie: left kept") << Screen << QRect(50, 200, 700, 200) << int(Left) << int(Left);
        // Top and bottom 50, left and right 100.
        QTest::newRow("ends tie: bottom kept") << Screen << QRect(100, 50, 600, 500) << int(Bottom) << int(Bottom);
        QTest::newRow("ends tie: none goes top") << Screen << QRect(100, 50, 600, 500) << int(None) << int(Top);
        QTest::newRow("all tie: none goes right") << Screen << QRect(50, 50, 700, 500) << int(None) << int(Right);
        QTest::newRow("past the right end") << Screen << QRect(750, 200, 100, 100) << int(Left) << int(Right);
        // Both distances 0 only when right counts the last pixel inside.
        QTest::newRow("corner keeps top") << Screen << QRect(700, 0, 100, 100) << int(Top) << int(Top);
        QTest::newRow("offset bottom") << Offset << QRect(300, 640, 100, 10) << int(Right) << int(Bottom);
        QTest::newRow("offset left") << Offset << QRect(110, 300, 50, 100) << int(None) << int(Left);
    }
    void nearestEdge()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, geometry);
        QFETCH(int, current);
        QFETCH(int, expected);
        QCOMPARE(FindNearestScreenEdge(area, geometry, ScreenEdge(current)), std::optional(ScreenEdge(expected)));
    }

    void dockedSize_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("state");
        QTest::addColumn<QSize>("expected");
        for (const int edge : {Left, Right, Top, Bottom})
        {
            const bool vertical = edge == Left || edge == Right;
            const QByteArray name = QByteArray::number(edge);
            QTest::newRow(name + " maximized")
                << edge << int(Maximized) << (vertical ? QSize(60, 300) : QSize(310, 65));
            QTest::newRow(name + " compacted") << edge << int(Compacted) << (vertical ? QSize(40, 50) : QSize(55, 45));
            QTest::newRow(name + " hidden") << edge << int(Hidden) << (vertical ? QSize(60, 300) : QSize(310, 65));
        }
        QTest::newRow("none keeps size") << int(None) << int(Compacted) << QSize(11, 22);
        QTest::newRow("odd edge keeps size") << 7 << int(Maximized) << QSize(11, 22);
    }
    void dockedSize()
    {
        QFETCH(int, edge);
        QFETCH(int, state);
        QFETCH(QSize, expected);
        const SidebarSizeLimits limits{60, 40, 300, 50, 310, 55, 65, 45};
        QCOMPARE(GetDockedSize(ScreenEdge(edge), SidebarUiState(state), limits, QSize(11, 22)), expected);
    }

    // Area (100, 50, 800, 600): x runs 100..900, y runs 50..650. Top and Bottom clamp x,
    // Left and Right clamp y.
    void dockedGeometry_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<QPoint>("expected");
        const QSize wide(200, 60);
        const QSize tall(60, 300);
        QTest::newRow("top, inside") << int(Top) << wide << QPoint(300, 400) << Dock(0) << QPoint(300, 50);
        QTest::newRow("top, before start") << int(Top) << wide << QPoint(50, 0) << Dock(0) << QPoint(100, 50);
        QTest::newRow("bottom, past end") << int(Bottom) << wide << QPoint(800, 0) << Dock(0) << QPoint(700, 590);
        QTest::newRow("top, wider: start wins")
            << int(Top) << QSize(900, 60) << QPoint(50, 0) << Dock(0) << QPoint(100, 50);
        QTest::newRow("top, left dock") << int(Top) << wide << QPoint(110, 400) << Dock(1, 50) << QPoint(180, 50);
        QTest::newRow("top, left dock clear") << int(Top) << wide << QPoint(150, 0) << Dock(1, 50) << QPoint(150, 50);
        QTest::newRow("bottom, right dock") << int(Bottom) << wide << QPoint(680, 0) << Dock(3, 40) << QPoint(630, 590);
        QTest::newRow("top, bottom dock inert")
            << int(Top) << wide << QPoint(110, 0) << Dock(2, 50, 50) << QPoint(110, 50);
        QTest::newRow("left, above") << int(Left) << tall << QPoint(400, 20) << Dock(0) << QPoint(100, 50);
        QTest::newRow("right, below") << int(Right) << tall << QPoint(0, 400) << Dock(0) << QPoint(840, 350);
        QTest::newRow("left, taller: end wins")
            << int(Left) << QSize(60, 700) << QPoint(0, 0) << Dock(0) << QPoint(100, -50);
        QTest::newRow("right, bottom dock")
            << int(Right) << tall << QPoint(0, 320) << Dock(2, 0, 40) << QPoint(840, 280);
        QTest::newRow("left, bottom dock clear")
            << int(Left) << tall << QPoint(0, 310) << Dock(2, 0, 40) << QPoint(100, 310);
        QTest::newRow("left, left dock inert")
            << int(Left) << tall << QPoint(0, 400) << Dock(1, 50, 40) << QPoint(100, 350);
        QTest::newRow("none") << int(None) << tall << QPoint(-5, 2000) << Dock(1, 50) << QPoint(-5, 2000);
    }
    void dockedGeometry()
    {
        QFETCH(int, edge);
        QFETCH(QSize, size);
        QFETCH(QPoint, from);
        QFETCH(DockPositionInfo, dock);
        QFETCH(QPoint, expected);
        QCOMPARE(ComputeDockedGeometry(ScreenEdge(edge), Offset, size, from, dock), QRect(expected, size));
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
