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

void Put(Store& store, const std::string& key, int value)
{
    if (value != Missing)
    {
        store.SetInt(key, value);
    }
}

QString Stored(const Store& store, const std::string& key)
{
    return store.Contains(key) ? QString::number(std::get<int>(store.Values().at(key))) : QStringLiteral("-");
}

QStringList Writes()
{
    QStringList writes = CallRecord::CallsStartingWith("ApplicationSettings::Set");
    writes.replaceInStrings("ApplicationSettings::", "").replaceInStrings("Orb/Sidebar/", "");
    return writes;
}

// Child side: prints the state the first holder reads, both stored ints and the writes it made.
int RunFirstHolder(int uiState, int lastVisible)
{
    auto store = std::make_shared<Store>();
    Put(*store, UiStateKey, uiState);
    Put(*store, LastVisibleKey, lastVisible);
    CallRecord::Clear();
    const SidebarSettings settings(store);
    const QStringList writes = Writes();
    const QString line = QStringLiteral("%1|%2|%3|%4")
                             .arg(settings.ReadUiState())
                             .arg(Stored(*store, UiStateKey), Stored(*store, LastVisibleKey), writes.join(';'));
    std::printf("%s\n", qPrintable(line));
    return 0;
}

std::vector<uint8_t> Bytes(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return std::vector<uint8_t>(bytes.cbegin(), bytes.cend());
}
} // namespace

class tst_SidebarSettings : public QObject
{
    Q_OBJECT

    std::shared_ptr<Store> store;

private slots:
    void initTestCase()
    {
        // Spend this process's fix-up so every holder below is a later one.
        const SidebarSettings first(std::make_shared<Store>());
    }

    void init()
    {
        store = std::make_shared<Store>();
        CallRecord::Clear();
    }

    void firstHolderOfProcess_data()
    {
        QTest::addColumn<int>("uiState");
        QTest::addColumn<int>("lastVisible");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hidden, last compacted") << 2 << 1 << "1|1|1|SetInt(sidebar_ui_state, 1)";
        QTest::newRow("hidden, no last") << 2 << Missing << "0|0|-|SetInt(sidebar_ui_state, 0)";
        QTest::newRow("hidden, odd last copied raw") << 2 << 7 << "0|7|7|SetInt(sidebar_ui_state, 7)";
        QTest::newRow("compacted untouched") << 1 << 0 << "1|1|0|";
        QTest::newRow("empty store") << Missing << Missing << "0|-|-|";
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

    void defaultsOnEmptyStore()
    {
        const SidebarSettings settings(store);
        QCOMPARE(settings.ReadPosition(), QPoint(16777215, 16777215));
        QCOMPARE(settings.ReadScreenEdge(), None);
        QCOMPARE(settings.ReadUiState(), Maximized);
        QCOMPARE(settings.ReadAdditionalFeatureId(), std::string());
        QVERIFY(store->Values().empty());
    }

    void storedPosition_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("negative y") << QByteArray() << QPoint(100, -20) << QByteArray("00000064ffffffec");
        QTest::newRow("default point") << QByteArray("0000000000000000") << QPoint(16777215, 16777215)
                                       << QByteArray("00ffffff00ffffff");
    }

    void storedPosition()
    {
        QFETCH(QByteArray, before);
        QFETCH(QPoint, point);
        QFETCH(QByteArray, stored);
        if (!before.isEmpty())
        {
            store->SetBytes(PositionKey, Bytes(before));
        }
        SidebarSettings settings(store);
        settings.WritePosition(point);
        QCOMPARE(std::get<std::vector<uint8_t>>(store->Values().at(PositionKey)), Bytes(stored));
        QCOMPARE(settings.ReadPosition(), point);
    }

    void positionFromOddBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("y cut short") << QByteArray("00000064ffff") << QPoint(100, 0);
        QTest::newRow("x cut short") << QByteArray("000000") << QPoint(0, 0);
    }

    void positionFromOddBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QPoint, expected);
        store->SetBytes(PositionKey, Bytes(bytes));
        QCOMPARE(SidebarSettings(store).ReadPosition(), expected);
    }

    void oddIntegers_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("state");
        QTest::newRow("1") << 1 << int(Left) << int(Compacted);
        // Only the first holder of a process brings a hidden panel back.
        QTest::newRow("2, later holder stays hidden") << 2 << int(Top) << int(Hidden);
        QTest::newRow("5") << 5 << int(None) << int(Maximized);
        QTest::newRow("-1") << -1 << int(None) << int(Maximized);
    }

    void oddIntegers()
    {
        QFETCH(int, stored);
        QFETCH(int, edge);
        QFETCH(int, state);
        store->SetInt("Orb/Sidebar/sidebar_screen_edge", stored);
        store->SetInt(UiStateKey, stored);
        const SidebarSettings settings(store);
        QCOMPARE(int(settings.ReadScreenEdge()), edge);
        QCOMPARE(int(settings.ReadUiState()), state);
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
        Put(*store, UiStateKey, uiState);
        Put(*store, LastVisibleKey, lastVisible);
        SidebarSettings settings(store);
        CallRecord::Clear();
        settings.WriteUiState(static_cast<SidebarUiState>(written));
        QCOMPARE(Writes(), writes);
        QCOMPARE(settings.ReadUiState(), static_cast<SidebarUiState>(written));
    }

    void saveWritesOnlyChangedValues()
    {
        SidebarSettings settings(store);
        const auto save = [&settings](const QPoint& position, const std::string& featureId)
        {
            settings.WriteUiState(Compacted);
            settings.WritePosition(position);
            settings.WriteScreenEdge(Bottom);
            settings.WriteAdditionalFeatureId(featureId);
        };
        save(QPoint(10, 20), "webcamCapturing");
        CallRecord::Clear();
        save(QPoint(10, 20), "webcamCapturing");
        QCOMPARE(Writes(), QStringList());
        QCOMPARE(CallRecord::Calls().size(), 5);

        save(QPoint(10, 21), "audioCapturing");
        QCOMPARE(Writes(), QStringList({"SetBytes(sidebar_position, 00 00 00 0a 00 00 00 15)",
                                        "SetString(sidebar_additional_feature_id, audioCapturing)"}));
        QCOMPARE(settings.ReadAdditionalFeatureId(), std::string("audioCapturing"));
        QCOMPARE(settings.ReadScreenEdge(), Bottom);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], FirstHolderArgument) == 0)
    {
        return RunFirstHolder(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    }
    tst_SidebarSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sidebarsettings.moc"
