// Hotkey texts reaching the panel and the menus, and fired global hotkeys reaching the handler
// or a capture preset.

#include "common/HostFixture.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "StandIns/PresetStorage.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::HotkeySettings;

namespace
{
struct FeatureRow
{
    const char* featureId;
    const char* actionId;
    void (HotkeySettings::*set)(const std::string&);
};

const FeatureRow kFeatures[] = {
    {"capturing", "ActionStartRecordFromLauncher", &HotkeySettings::SetGlobalHotkeyStartStopCapture},
    {"audioCapturing", "ActionStartAudioRecordFromLauncher", &HotkeySettings::SetGlobalHotkeyStartStopAudioCapture},
    {"webcamCapturing", "ActionStartWebCameraRecordFromLauncher",
     &HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture},
    {"screenshotting", "ActionTakeScreenshotFromLauncher", &HotkeySettings::SetGlobalHotkeyTakeScreenshot},
};

QString Tooltip(const ResolvedLauncher& launcher, const QString& featureId)
{
    auto* button = launcher.sidebar->findChild<QPushButton*>(featureId + "FeatureButton");
    return button ? button->toolTip() : QString("no button");
}

// The shortcut of the action in each of the three menus that carry it.
QStringList Shortcuts(const ResolvedLauncher& launcher, const QString& actionId)
{
    QStringList shortcuts;
    for (const QMenu* menu :
         {launcher.trayMenu.data(), launcher.dockMenu.data(), launcher.menuBar->findChild<QMenu*>("menuCapture")})
    {
        const QAction* action = FindAction(menu, actionId);
        shortcuts << (action ? action->shortcut().toString(QKeySequence::PortableText) : QString("missing"));
    }
    return shortcuts;
}

QStringList Snapshot(const ResolvedLauncher& launcher)
{
    QStringList all;
    for (const auto& row : kFeatures)
        all << Tooltip(launcher, row.featureId) << Shortcuts(launcher, row.actionId);
    return all;
}

QStringList HandlerAndPresetCalls()
{
    return CallRecord::CallsStartingWith("Handler::") + CallRecord::CallsStartingWith("Preset");
}
} // namespace

class tst_Hotkeys : public QObject
{
    Q_OBJECT

private slots:
    void init() { CallRecord::Clear(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void initialTexts()
    {
        HostFixture host(Registration::BuiltOnDemand);
        const QStringList texts = {"Ctrl+Alt+1", "Ctrl+Alt+2", "Ctrl+Alt+3", "Ctrl+Alt+4"};
        host.StoreHotkey("captureStartStop", texts[0].toStdString());
        host.StoreHotkey("audioCaptureStartStop", texts[1].toStdString());
        host.StoreHotkey("webCameraCaptureStartStop", texts[2].toStdString());
        host.StoreHotkey("takeScreenshot", texts[3].toStdString());
        CallRecord::Clear();
        auto launcher = host.ResolveLauncher();
        QCOMPARE(CallRecord::CallsStartingWith("HotkeySettings::"),
                 QStringList({"HotkeySettings::RegisterEventHandler", "HotkeySettings::GetGlobalHotkeyStartStopCapture",
                              "HotkeySettings::GetGlobalHotkeyStartStopAudioCapture",
                              "HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture",
                              "HotkeySettings::GetGlobalHotkeyTakeScreenshot"}));

        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        for (int i = 0; i < 4; ++i)
        {
            QVERIFY2(Tooltip(launcher, kFeatures[i].featureId).endsWith(" (" + texts[i] + ")"), kFeatures[i].featureId);
            QCOMPARE(Shortcuts(launcher, kFeatures[i].actionId), QStringList({texts[i], texts[i], texts[i]}));
        }
    }

    void changes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("capture") << 0 << "Ctrl+F9";
        QTest::newRow("audio") << 1 << "Alt+Shift+A";
        QTest::newRow("webcam") << 2 << "F7";
        QTest::newRow("screenshot") << 3 << "Print";
        QTest::newRow("screenshot cleared") << 3 << "";
    }

    void changes()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        QStringList expected = Snapshot(launcher);

        const FeatureRow& feature = kFeatures[row];
        std::invoke(feature.set, *host.Resolve<HotkeySettings>(), text.toStdString());
        const QString tooltip = Tooltip(launcher, feature.featureId);
        QVERIFY2(tooltip.endsWith(" (" + text + ")"), qPrintable(tooltip));
        expected[row * 4] = tooltip;
        for (int menu = 1; menu <= 3; ++menu)
            expected[row * 4 + menu] = text;
        QCOMPARE(Snapshot(launcher), expected); // the other features are untouched
    }

    void unrelatedChangesLeaveTextsAlone()
    {
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        const QStringList before = Snapshot(launcher);
        auto settings = host.Resolve<HotkeySettings>();
        settings->SetGlobalHotkeyStartStopStreaming("Ctrl+1");
        settings->SetGlobalHotkeyPauseResumeCapture("Ctrl+2");
        settings->SetGlobalHotkeyShowHideOverlays("Ctrl+3");
        settings->SetHotkeyForFastPreset("preset1", "Ctrl+4");
        settings->SetHotkeysEnabled(false);
        QCOMPARE(Snapshot(launcher), before);
    }

    void firedHotkeys_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("withHandler");
        QTest::addColumn<bool>("withStorage");
        QTest::addColumn<QStringList>("expected");
        const auto lookup = [](const QString& id)
        {
            return "PresetStorage::GetPresetByHotkeyId(" + id + ")";
        };
        QTest::newRow("capture") << "captureStartStop" << true << true << QStringList{"Handler::StartRecord"};
        QTest::newRow("audio") << "audioCaptureStartStop" << true << true << QStringList{"Handler::StartAudioRecord"};
        QTest::newRow("webcam") << "webCameraCaptureStartStop" << true << true
                                << QStringList{"Handler::StartWebCameraRecord"};
        QTest::newRow("screenshot, also bound to a preset")
            << "takeScreenshot" << true << true << QStringList{"Handler::TakeScreenshot"};
        QTest::newRow("screenshot without handler") << "takeScreenshot" << false << true << QStringList();
        QTest::newRow("id case differs") << "TakeScreenshot" << true << true << QStringList{lookup("TakeScreenshot")};
        QTest::newRow("preset") << "preset1" << false << true
                                << QStringList{lookup("preset1"), "Preset::IsEnabled(Fast)", "Preset::Start(Fast)"};
        QTest::newRow("disabled preset") << "preset2" << true << true
                                         << QStringList{lookup("preset2"), "Preset::IsEnabled(Off)"};
        QTest::newRow("unbound id") << "nothing" << true << true << QStringList{lookup("nothing")};
        QTest::newRow("no storage") << "preset1" << true << false << QStringList();
    }

    void firedHotkeys()
    {
        QFETCH(QString, id);
        QFETCH(bool, withHandler);
        QFETCH(bool, withStorage);
        QFETCH(QStringList, expected);
        Zarvo::Host::PresetStorage storage;
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Fast", "preset1"));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Off", "preset2", false));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Shadow", "takeScreenshot"));
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        if (withHandler)
            launcher.module->SetHandler(&handler);
        if (withStorage)
            launcher.module->SetPresetStorage(&storage);
        launcher.module->Activate();

        CallRecord::Clear();
        QVERIFY(host.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire(id));
        QCOMPARE(HandlerAndPresetCalls(), expected);
    }

    void presetsFromTrayMenu()
    {
        Zarvo::Host::PresetStorage storage;
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Fast", "preset1"));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Off", "preset2", false));
        HostFixture host(Registration::BuiltOnDemand);
        auto launcher = host.ResolveLauncher();
        launcher.module->SetPresetStorage(nullptr);
        QCOMPARE(CallRecord::CallsStartingWith("PresetTrayMenu::"), QStringList());
        launcher.module->SetPresetStorage(&storage);
        QCOMPARE(CallRecord::CallsStartingWith("PresetTrayMenu::"),
                 QStringList{"PresetTrayMenu::LoadPresets(2, true)"});

        CallRecord::Clear();
        for (QAction* action : launcher.trayMenu->actions())
        {
            if (qobject_cast<Zarvo::Orb::CapturePreset::PresetQAction*>(action))
                action->trigger();
        }
        QCOMPARE(CallRecord::CallsStartingWith("Preset::"),
                 QStringList({"Preset::IsEnabled(Fast)", "Preset::Start(Fast)", "Preset::IsEnabled(Off)"}));
    }

    // A controller destroyed while active must leave nothing behind that the host can call into.
    void destroyedWhileActive()
    {
        HostFixture host(Registration::SingleInstances);
        auto launcher = host.ResolveLauncher();
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        launcher.module->Activate();
        CallRecord::Clear();
        launcher.module.reset();
        QCOMPARE(CallRecord::Calls().value(0), QString("HotkeySettings::UnregisterEventHandler"));
        QVERIFY(launcher.sidebar.isNull());

        host.Resolve<HotkeySettings>()->SetGlobalHotkeyTakeScreenshot("Ctrl+9");
        host.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire("takeScreenshot");
        QCOMPARE(handler.Calls(), QStringList());
    }
};

QTEST_MAIN(tst_Hotkeys)
#include "tst_hotkeys.moc"
