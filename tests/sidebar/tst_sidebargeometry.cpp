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
        const auto edge = FindNearestScreenEdge(area, geometry, static_cast<ScreenEdge>(current));
        QVERIFY(edge.has_value());
        QCOMPARE(int(*edge), expected);
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
        const auto size = GetDockedSize(ScreenEdge(edge), SidebarUiState(state), limits, QSize(11, 22));
        QCOMPARE(size, expected);
    }

    // Area (100, 50, 800, 600): x runs 100..900, y runs 50..650.
    void clamp_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("start");
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<int>("expected");
        QTest::newRow("h inside") << false << 200 << 300 << Dock(0) << 300;
        QTest::newRow("h before start") << false << 200 << 50 << Dock(0) << 100;
        QTest::newRow("h past end") << false << 200 << 800 << Dock(0) << 700;
        QTest::newRow("h wider, start wins") << false << 900 << 50 << Dock(0) << 100;
        QTest::newRow("h left dock 50") << false << 200 << 110 << Dock(1, 50) << 180;
        QTest::newRow("h left dock, clear") << false << 200 << 150 << Dock(1, 50) << 150;
        QTest::newRow("h right dock 40") << false << 200 << 680 << Dock(3, 40) << 630;
        QTest::newRow("h bottom dock inert") << false << 200 << 110 << Dock(2, 50, 50) << 110;
        QTest::newRow("v above") << true << 300 << 20 << Dock(0) << 50;
        QTest::newRow("v below") << true << 300 << 400 << Dock(0) << 350;
        QTest::newRow("v taller, end wins") << true << 700 << 0 << Dock(0) << -50;
        QTest::newRow("v bottom dock 40") << true << 300 << 320 << Dock(2, 0, 40) << 280;
        QTest::newRow("v bottom dock, clear") << true << 300 << 310 << Dock(2, 0, 40) << 310;
        QTest::newRow("v left dock inert") << true << 300 << 400 << Dock(1, 50, 40) << 350;
    }

    void clamp()
    {
        QFETCH(bool, vertical);
        QFETCH(int, length);
        QFETCH(int, start);
        QFETCH(DockPositionInfo, dock);
        QFETCH(int, expected);
        const int clamped = vertical ? ClampAlongVerticalEdge(Offset, QSize(60, length), start, dock)
                                     : ClampAlongHorizontalEdge(Offset, QSize(length, 60), start, dock);
        QCOMPARE(clamped, expected);
    }

    void dockedGeometry_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("left") << int(Left) << QPoint(400, 20) << Dock(0) << QPoint(100, 50);
        QTest::newRow("right, bottom dock") << int(Right) << QPoint(0, 340) << Dock(2, 0, 40) << QPoint(840, 280);
        QTest::newRow("top, left dock") << int(Top) << QPoint(110, 400) << Dock(1, 50) << QPoint(180, 50);
        QTest::newRow("bottom") << int(Bottom) << QPoint(880, 0) << Dock(0) << QPoint(840, 350);
        QTest::newRow("none") << int(None) << QPoint(-5, 2000) << Dock(1, 50) << QPoint(-5, 2000);
    }

    void dockedGeometry()
    {
        QFETCH(int, edge);
        QFETCH(QPoint, from);
        QFETCH(DockPositionInfo, dock);
        QFETCH(QPoint, expected);
        QCOMPARE(ComputeDockedGeometry(ScreenEdge(edge), Offset, QSize(60, 300), from, dock),
                 QRect(expected, QSize(60, 300)));
    }

    void defaultPlacement_data()
    {
        QTest::addColumn<DockPositionInfo>("dock");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Height 301 in 600: the halves round on their own, 300 - 150.
        QTest::newRow("no dock") << Dock(0) << Screen << 740 << 150;
        QTest::newRow("offset area") << Dock(0) << Offset << 840 << 200;
        QTest::newRow("right dock, flag 0") << Dock(3, 40, 0, 0) << Screen << 0 << 150;
        QTest::newRow("right dock, flag 1") << Dock(3, 40, 0, 1) << Screen << 740 << 150;
        QTest::newRow("left dock, flag 0") << Dock(1, 40, 0, 0) << Screen << 740 << 150;
    }

    void defaultPlacement()
    {
        QFETCH(DockPositionInfo, dock);
        QFETCH(QRect, area);
        QFETCH(int, x);
        QFETCH(int, y);
        QCOMPARE(ComputeDefaultPlacement(GetDefaultPlacementEdge(dock), area, QSize(60, 301)), QRect(x, y, 60, 301));
    }
};

QTEST_APPLESS_MAIN(tst_SidebarGeometry)
#include "tst_sidebargeometry.moc"
