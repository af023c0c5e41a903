#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

#include "CallRecord/CallRecord.h"
#include "StandIns/StandIns.h"

#include <QProcess>
#include <QtTest>

#include <cstdio>

using namespace Zarvo::Orb::Module::Launcher::UI;
using Zarvo::Host::CallRecord;
using Store = Zarvo::Host::InMemoryApplicationSettingsManager;

namespace
{
// The first holder of a process runs a one-off fix-up, so that case runs in a child process.
const char FirstHolderArgument[] = "--first-holder";
const int Missing = -1000;

const std::string UiStateKey = "Orb/Sidebar/sidebar_ui_state";
const std::string LastVisibleKey = "Orb/Sidebar/sidebar_last_visible_ui_state";
const std::string PositionKey = "Orb/Sidebar/sidebar_position";

// A store holding the values that are not Missing, with the call record cleared after them.
std::shared_ptr<Store> StoreWith(int uiState, int lastVisible, int edge = Missing)
{
    auto store = std::make_shared<Store>();
    for (const auto& [key, value] : {std::pair(UiStateKey, uiState), std::pair(LastVisibleKey, lastVisible),
                                     std::pair(std::string("Orb/Sidebar/sidebar_screen_edge"), edge)})
    {
        if (value != Missing)
            store->SetInt(key, value);
    }
    CallRecord::Clear();
    return store;
}

QStringList Writes()
{
    QStringList writes = CallRecord::CallsStartingWith("ApplicationSettings::Set");
    return writes.replaceInStrings("ApplicationSettings::", "").replaceInStrings("Orb/Sidebar/", "");
}

// Child side: prints the state the first holder reads and the writes it made.
int RunFirstHolder(int uiState, int lastVisible)
{
    const SidebarSettings settings(StoreWith(uiState, lastVisible));
    std::printf("%d|%s\n", int(settings.ReadUiState()), qPrintable(Writes().join(';')));
    return 0;
}

std::vector<uint8_t> Bytes(const QByteArray& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return std::vector<uint8_t>(bytes.cbegin(), bytes.cend());
}
} // namespace

class tst_SidebarSettings : public QObject
{
    Q_OBJECT

private slots:
    // Spends this process's fix-up so every holder below is a later one.
    void initTestCase() { SidebarSettings(std::make_shared<Store>()); }

    void firstHolderOfProcess_data()
    {
        QTest::addColumn<int>("uiState");
        QTest::addColumn<int>("lastVisible");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hidden, last compacted") << 2 << 1 << "1|SetInt(sidebar_ui_state, 1)";
        QTest::newRow("hidden, no last") << 2 << Missing << "0|SetInt(sidebar_ui_state, 0)";
        QTest::newRow("hidden, odd last copied raw") << 2 << 7 << "0|SetInt(sidebar_ui_state, 7)";
        QTest::newRow("compacted untouched") << 1 << 0 << "1|";
        QTest::newRow("empty store") << Missing << Missing << "0|";
    }
    void firstHolderOfProcess()
    {
        QFETCH(int, uiState);
        QFETCH(int, lastVisible);
        QFETCH(QString, expected);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {FirstHolderArgument, QString::number(uiState), QString::number(lastVisible)});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), expected);
    }

    // A later holder reads what is stored, odd values as the defaults, and writes nothing.
    void readsStoredIntegers_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("state");
        QTest::newRow("nothing") << Missing << int(None) << int(Maximized);
        QTest::newRow("1") << 1 << int(Left) << int(Compacted);
        // Only the first holder of a process brings a hidden panel back.
        QTest::newRow("2, later holder stays hidden") << 2 << int(Top) << int(Hidden);
        QTest::newRow("5") << 5 << int(None) << int(Maximized);
        QTest::newRow("-1") << -1 << int(None) << int(Maximized);
    }
    void readsStoredIntegers()
    {
        QFETCH(int, stored);
        QFETCH(int, edge);
        QFETCH(int, state);
        const SidebarSettings settings(StoreWith(stored, Missing, stored));
        QCOMPARE(int(settings.ReadScreenEdge()), edge);
        QCOMPARE(int(settings.ReadUiState()), state);
        QCOMPARE(Writes(), QStringList());
    }

    // Big-endian x then y; a coordinate the bytes do not hold reads as 0.
    void position_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QPoint>("read");
        QTest::addColumn<QPoint>("written");
        QTest::addColumn<QByteArray>("stored");
        const QPoint none(16777215, 16777215);
        QTest::newRow("nothing stored") << QByteArray() << none << QPoint(100, -20) << QByteArray("00000064ffffffec");
        QTest::newRow("y cut short") << QByteArray("00000064ffff") << QPoint(100, 0) << none
                                     << QByteArray("00ffffff00ffffff");
        QTest::newRow("x cut short") << QByteArray("000000") << QPoint(0, 0) << none << QByteArray("00ffffff00ffffff");
        QTest::newRow("same point") << QByteArray("0000000a00000015") << QPoint(10, 21) << QPoint(10, 21)
                                    << QByteArray("0000000a00000015");
    }
    void position()
    {
        QFETCH(QByteArray, before);
        QFETCH(QPoint, read);
        QFETCH(QPoint, written);
        QFETCH(QByteArray, stored);
        auto store = StoreWith(Missing, Missing);
        if (!before.isEmpty())
            store->SetBytes(PositionKey, Bytes(before));
        SidebarSettings settings(store);
        QCOMPARE(settings.ReadPosition(), read);
        CallRecord::Clear();
        settings.WritePosition(written);
        // Only a changed value is written.
        QCOMPARE(Writes().size(), before == stored ? 0 : 1);
        QCOMPARE(std::get<std::vector<uint8_t>>(store->Values().at(PositionKey)), Bytes(stored));
        QCOMPARE(settings.ReadPosition(), written);
    }

    void writeUiState_data()
    {
        QTest::addColumn<int>("uiState");
        QTest::addColumn<int>("lastVisible");
        QTest::addColumn<int>("written");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("unchanged default") << Missing << Missing << int(Maximized) << QStringList();
        QTest::newRow("hide") << 1 << 1 << int(Hidden) << QStringList{"SetInt(sidebar_ui_state, 2)"};
        QTest::newRow("show compacted") << 2 << 1 << int(Compacted) << QStringList{"SetInt(sidebar_ui_state, 1)"};
        QTest::newRow("show maximized") << 2 << 1 << int(Maximized)
                                        << QStringList{"SetInt(sidebar_ui_state, 0)",
                                                       "SetInt(sidebar_last_visible_ui_state, 0)"};
        QTest::newRow("last visible behind")
            << 1 << 0 << int(Compacted) << QStringList{"SetInt(sidebar_last_visible_ui_state, 1)"};
        // Compared with the raw stored value, not the one it reads as.
        QTest::newRow("odd stored state") << 5 << 0 << int(Maximized) << QStringList{"SetInt(sidebar_ui_state, 0)"};
    }
    void writeUiState()
    {
        QFETCH(int, uiState);
        QFETCH(int, lastVisible);
        QFETCH(int, written);
        QFETCH(QStringList, writes);
        SidebarSettings settings(StoreWith(uiState, lastVisible));
        settings.WriteUiState(static_cast<SidebarUiState>(written));
        QCOMPARE(Writes(), writes);
        QCOMPARE(settings.ReadUiState(), static_cast<SidebarUiState>(written));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], FirstHolderArgument) == 0)
        return RunFirstHolder(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    tst_SidebarSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sidebarsettings.moc"
