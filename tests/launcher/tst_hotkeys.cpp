// Hotkey texts reaching the panel and the menus, and fired global hotkeys reaching the handler
// or a capture preset.

#include "common/HostFixture.h"

#include "Module/Launcher/UI/Sidebar/Sidebar.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "StandIns/PresetStorage.h"

#include <QPushButton>
#include <QtTest>

using namespace LauncherTest;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::HotkeySettings;

namespace
{
struct FeatureRow
{
    const char* featureId;
    const char* tooltip;
    const char* actionId;
    const char* hotkeyId;
    void (HotkeySettings::*set)(const std::string&);
};

const FeatureRow kFeatures[] = {
    {"capturing", "Capturing tooltip", "ActionStartRecordFromLauncher", "captureStartStop",
     &HotkeySettings::SetGlobalHotkeyStartStopCapture},
    {"audioCapturing", "Audio capturing tooltip", "ActionStartAudioRecordFromLauncher", "audioCaptureStartStop",
     &HotkeySettings::SetGlobalHotkeyStartStopAudioCapture},
    {"webcamCapturing", "Webcam capturing tooltip", "ActionStartWebCameraRecordFromLauncher",
     "webCameraCaptureStartStop", &HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture},
    {"screenshotting", "Screenshotting tooltip", "ActionTakeScreenshotFromLauncher", "takeScreenshot",
     &HotkeySettings::SetGlobalHotkeyTakeScreenshot},
};

// Per feature: its button's tooltip, then its action's shortcut in the tray, dock and Capture menus.
QStringList Texts(const ResolvedLauncher& launcher)
{
    QStringList texts;
    for (const auto& row : kFeatures)
    {
        auto* button = launcher.sidebar->findChild<QPushButton*>(QString(row.featureId) + "FeatureButton");
        texts << (button ? button->toolTip() : QString("no button"));
        for (const QMenu* menu :
             {launcher.trayMenu.data(), launcher.dockMenu.data(), launcher.menuBar->findChild<QMenu*>("menuCapture")})
        {
            const QAction* action = FindAction(menu, row.actionId);
            texts << (action ? action->shortcut().toString(QKeySequence::PortableText) : QString("missing"));
        }
    }
    return texts;
}

// What Texts reads when the features have these hotkeys.
QStringList Expected(const QStringList& hotkeys)
{
    QStringList texts;
    for (int row = 0; row < 4; ++row)
        texts << QString("%1 (%2)").arg(kFeatures[row].tooltip, hotkeys[row]) << hotkeys[row] << hotkeys[row]
              << hotkeys[row];
    return texts;
}
} // namespace

class tst_Hotkeys : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

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

    // Stored hotkeys show from the start; a change reaches its own feature's texts and no other,
    // and none reaches a launcher that is gone.
    void changes()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        HostFixture host(Registration::SingleInstances);
        QStringList hotkeys = {"Ctrl+Alt+1", "Ctrl+Alt+2", "Ctrl+Alt+3", "Ctrl+Alt+4"};
        for (int feature = 0; feature < 4; ++feature)
            host.settings->SetString(std::string("Orb/Hotkeys/") + kFeatures[feature].hotkeyId,
                                     hotkeys[feature].toStdString());
        CallRecord::Clear();
        auto launcher = host.ResolveLauncher();
        // Each text is read once (which ones, the texts below show).
        QCOMPARE(CallRecord::CallsStartingWith("HotkeySettings::Get").size(), 4);
        RecordingHandler handler;
        launcher.module->SetHandler(&handler);
        QCOMPARE(Texts(launcher), Expected(hotkeys));

        auto settings = host.Resolve<HotkeySettings>();
        std::invoke(kFeatures[row].set, *settings, text.toStdString());
        hotkeys[row] = text;
        QCOMPARE(Texts(launcher), Expected(hotkeys));

        settings->SetGlobalHotkeyStartStopStreaming("Ctrl+1");
        settings->SetGlobalHotkeyPauseResumeCapture("Ctrl+2");
        settings->SetGlobalHotkeyShowHideOverlays("Ctrl+3");
        settings->SetHotkeyForFastPreset("preset1", "Ctrl+4");
        settings->SetHotkeysEnabled(false);
        QCOMPARE(Texts(launcher), Expected(hotkeys));

        // Destroyed while active, the launcher leaves nothing behind that the host could call into.
        settings->SetHotkeysEnabled(true);
        launcher.module->Activate();
        CallRecord::Clear();
        launcher.module.reset();
        QCOMPARE(CallRecord::Calls().value(0), QString("HotkeySettings::UnregisterEventHandler"));
        QVERIFY(launcher.sidebar.isNull());
        settings->SetGlobalHotkeyTakeScreenshot("Ctrl+9");
        host.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire("takeScreenshot");
        QCOMPARE(handler.Calls(), QStringList());
    }

    void firedHotkeys_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("withHandler");
        QTest::addColumn<bool>("withStorage");
        QTest::addColumn<QString>("expected"); // the handler's and presets' calls
        const auto row = [](const char* name, const QString& id, bool handler, bool storage, QString expected)
        {
            expected.replace("lookup", "PresetStorage::GetPresetByHotkeyId(" + id + ")");
            QTest::newRow(name) << id << handler << storage << expected;
        };
        row("capture", "captureStartStop", true, true, "Handler::StartRecord");
        row("audio", "audioCaptureStartStop", true, true, "Handler::StartAudioRecord");
        row("webcam", "webCameraCaptureStartStop", true, true, "Handler::StartWebCameraRecord");
        row("screenshot, also bound to a preset", "takeScreenshot", true, true, "Handler::TakeScreenshot");
        row("screenshot without handler", "takeScreenshot", false, true, "");
        row("id case differs", "TakeScreenshot", true, true, "lookup");
        row("preset", "preset1", false, true, "lookup, Preset::IsEnabled(Fast), Preset::Start(Fast)");
        row("disabled preset", "preset2", true, true, "lookup, Preset::IsEnabled(Off)");
        row("unbound id", "nothing", true, true, "lookup");
        row("no storage", "preset1", true, false, "");
        // "tray:" triggers the preset's entry in the tray menu instead.
        row("tray: preset", "tray:Fast", false, true,
            "PresetQAction::GetPreset(Fast), Preset::IsEnabled(Fast), Preset::Start(Fast)");
        row("tray: disabled preset", "tray:Off", true, true, "PresetQAction::GetPreset(Off), Preset::IsEnabled(Off)");
        row("tray: no storage", "tray:Fast", true, false, "");
    }

    void firedHotkeys()
    {
        QFETCH(QString, id);
        QFETCH(bool, withHandler);
        QFETCH(bool, withStorage);
        QFETCH(QString, expected);
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
        for (QAction* action : launcher.trayMenu->actions())
        {
            if (qobject_cast<Zarvo::Orb::CapturePreset::PresetQAction*>(action) && "tray:" + action->text() == id)
                action->trigger();
        }
        QVERIFY(id.startsWith("tray:") || host.Resolve<Zarvo::Orb::GlobalHotkeyManager>()->Fire(id));
        QCOMPARE((CallRecord::CallsStartingWith("Handler::") + CallRecord::CallsStartingWith("Preset")).join(", "),
                 expected);
    }
};

QTEST_MAIN(tst_Hotkeys)
#include "tst_hotkeys.moc"
