#include "launcher/PrefixTranslator.h"

#include "CallRecord/CallRecord.h"
#include "OrbHotkey/GlobalHotkeyGuard.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiAudioComponentInstallHelper/AudioComponentInstallHelper.h"
#include "OrbUiMenu/CommonActions.h"
#include "OrbUiParentProvider/ParentProvider.h"
#include "OrbUiWindowPositionHelper/WindowPositionHelper.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUserSettings/IHotkeySettingsObserver.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/CaptureTrayIconBlocker.h"
#include "StandIns/PresetStorage.h"
#include "StandIns/StandIns.h"

#include <QtTest>
#include <QtWidgets>

using namespace Zarvo::Orb;
using Zarvo::Host::CallRecord;

namespace
{
struct RecordingObserver : IHotkeySettingsObserver
{
    QStringList calls;
    // Set to leave from inside its own notification.
    HotkeySettings* leave = nullptr;

    void OnGlobalHotkeyStartStopCaptureChanged(const std::string& t) override { Add("Capture", t); }
    void OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& t) override { Add("AudioCapture", t); }
    void OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& t) override { Add("WebCamera", t); }
    void OnGlobalHotkeyStartStopStreamingChanged(const std::string& t) override { Add("Streaming", t); }
    void OnGlobalHotkeyPauseResumeCaptureChanged(const std::string& t) override { Add("PauseResume", t); }
    void OnGlobalHotkeyTakeScreenshotChanged(const std::string& t) override { Add("Screenshot", t); }
    void OnGlobalHotkeyShowHideOverlaysChanged(const std::string& t) override { Add("Overlays", t); }
    void OnHotkeyForFastPresetChanged(const std::string& id, const std::string& t) override { Add("Preset", id + t); }
    void OnHotkeyEnableStateChanged(bool enabled) override { Add("EnableState", enabled ? "true" : "false"); }

    void Add(const char* operation, const std::string& argument)
    {
        calls << QStringLiteral("%1(%2)").arg(QLatin1String(operation), QString::fromStdString(argument));
        if (leave)
            leave->UnregisterEventHandler(this);
    }
};

struct HotkeySlot
{
    std::string (HotkeySettings::*get)() const;
    void (HotkeySettings::*set)(const std::string&);
    const char* key;
    const char* defaultValue;
    const char* notification;
};
const HotkeySlot Slots[] = {
    {&HotkeySettings::GetGlobalHotkeyStartStopCapture, &HotkeySettings::SetGlobalHotkeyStartStopCapture,
     "captureStartStop", "Ctrl+Shift+R", "Capture"},
    {&HotkeySettings::GetGlobalHotkeyStartStopAudioCapture, &HotkeySettings::SetGlobalHotkeyStartStopAudioCapture,
     "audioCaptureStartStop", "Ctrl+Shift+A", "AudioCapture"},
    {&HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture,
     &HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture, "webCameraCaptureStartStop", "Ctrl+Shift+W",
     "WebCamera"},
    {&HotkeySettings::GetGlobalHotkeyStartStopStreaming, &HotkeySettings::SetGlobalHotkeyStartStopStreaming,
     "streamingStartStop", "", "Streaming"},
    {&HotkeySettings::GetGlobalHotkeyPauseResumeCapture, &HotkeySettings::SetGlobalHotkeyPauseResumeCapture,
     "pauseResumeCapture", "Ctrl+Shift+P", "PauseResume"},
    {&HotkeySettings::GetGlobalHotkeyTakeScreenshot, &HotkeySettings::SetGlobalHotkeyTakeScreenshot, "takeScreenshot",
     "Ctrl+Shift+S", "Screenshot"},
    {&HotkeySettings::GetGlobalHotkeyShowHideOverlays, &HotkeySettings::SetGlobalHotkeyShowHideOverlays,
     "showHideOverlays", "Ctrl+Shift+O", "Overlays"},
};
} // namespace

class tst_HostStandIns : public QObject
{
    Q_OBJECT

private slots:
    void init() { CallRecord::Clear(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void actionsControllerMakesTriggerableActions()
    {
        UI::ActionsController::ActionsController controller(std::make_shared<Zarvo::Host::CustomizationManager>(),
                                                            std::make_shared<Zarvo::Host::StatisticsManager>());
        controller.CreateActions({
            {"ActionB", [] { return QStringLiteral("Bee"); }, QKeySequence("Ctrl+B")},
            {"ActionA", [] { return QCoreApplication::translate("Test", "Ay"); }, {}},
            {"ActionB", [] { return QStringLiteral("Second Bee"); }, {}},
        });

        QCOMPARE(controller.GetActionIds(), QStringList({"ActionB", "ActionA"}));
        QVERIFY(!controller.GetActionById("ActionC"));
        auto* action = controller.GetActionById("ActionB");
        QCOMPARE(action->text(), QStringLiteral("Bee"));
        QCOMPARE(action->shortcut(), QKeySequence("Ctrl+B"));

        QSignalSpy triggered(&controller, &UI::ActionsController::ActionsController::ActionTriggered);
        action->trigger();
        QCOMPARE(triggered.value(0).value(0).toString(), QStringLiteral("ActionB"));
        QCOMPARE(CallRecord::Calls(),
                 QStringList({"ActionsController::CreateActions(3)", "StatisticsManager::SendEvent(Action, ActionB)"}));

        // Texts are read again when the language changes.
        const LauncherTest::ScopedTranslator translator("fr:", {"Test"});
        QCOMPARE(controller.GetActionById("ActionA")->text(), QStringLiteral("fr:Ay"));
    }

    void commonTableHoldsWhatMenusPlace()
    {
        QSet<QString> ids;
        for (const auto& entry : UI::Action::GetCommonActionParameters())
        {
            QVERIFY2(!ids.contains(entry.id) && !entry.text().isEmpty(), qPrintable(entry.id));
            ids << entry.id;
        }
        QVERIFY(ids.contains({"ActionShowActiveWindow", "ActionPreferences", "ActionQuit",
                              "ActionInstallAudioComponent", "ActionUninstallAudioComponent", "ActionHelpCenter",
                              "ActionAbout", "ActionShowStyleSheetEditor"}));
    }

    void hotkeySettingsStoreNotifyAndReread()
    {
        const auto settings = std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>();
        HotkeySettings hotkeys(settings);
        RecordingObserver first;
        RecordingObserver second;
        hotkeys.RegisterEventHandler(&first);
        hotkeys.RegisterEventHandler(&first);
        hotkeys.RegisterEventHandler(&second);
        // An observer leaving from inside its own notification must not disturb the others.
        first.leave = &hotkeys;

        // Each hotkey is set to its own key, so a mixed-up slot shows; setting it again changes nothing.
        QStringList expected;
        for (const auto& hotkey : Slots)
        {
            QCOMPARE((hotkeys.*hotkey.get)(), std::string(hotkey.defaultValue));
            // Defaults must survive the launcher's portable round trip.
            QCOMPARE(QKeySequence::fromString(hotkey.defaultValue).toString(), QString(hotkey.defaultValue));
            (hotkeys.*hotkey.set)(hotkey.key);
            (hotkeys.*hotkey.set)(hotkey.key);
            expected << QStringLiteral("%1(%2)").arg(QLatin1String(hotkey.notification), QLatin1String(hotkey.key));
            QCOMPARE(settings->GetString(std::string("Orb/Hotkeys/") + hotkey.key, {}), std::string(hotkey.key));
        }
        QCOMPARE(hotkeys.GetHotkeyForFastPreset("preset-1"), std::string());
        hotkeys.SetHotkeyForFastPreset("preset-1", "Ctrl+1");
        hotkeys.SetHotkeyForFastPreset("preset-1", "Ctrl+1");
        QVERIFY(hotkeys.AreHotkeysEnabled());
        hotkeys.SetHotkeysEnabled(false);
        hotkeys.SetHotkeysEnabled(false);
        expected += QStringList{"Preset(preset-1Ctrl+1)", "EnableState(false)"};
        QCOMPARE(first.calls, expected.mid(0, 1));
        QCOMPARE(second.calls, expected);

        const HotkeySettings reread(settings);
        for (const auto& hotkey : Slots)
            QCOMPARE((reread.*hotkey.get)(), std::string(hotkey.key));
        QCOMPARE(reread.GetHotkeyForFastPreset("preset-1"), std::string("Ctrl+1"));
        QVERIFY(!reread.AreHotkeysEnabled());
    }

    // Holds nest, releasing more often than holding changes nothing, and a holder destroyed while
    // holding lets go.
    void hotkeyGuardAndTrayIconBlocking()
    {
        const auto manager = std::make_shared<GlobalHotkeyManager>();
        auto guard = std::make_unique<GlobalHotkeyGuard>(manager, nullptr);
        guard->Lock();
        guard->Lock();
        guard->Unlock();
        QVERIFY(!manager->Fire("takeScreenshot"));
        guard->Unlock();
        guard->Unlock();
        QVERIFY(manager->Fire("takeScreenshot"));
        guard->Lock();
        guard.reset();
        QVERIFY(manager->Fire("captureStartStop"));

        const auto icon = std::make_shared<UI::CaptureTrayIcon>(std::make_shared<Zarvo::Host::CustomizationManager>());
        auto blocker = std::make_unique<UI::CaptureTrayIconBlocker>(icon);
        QMenu first;
        auto second = std::make_unique<QMenu>();
        QSignalSpy changed(icon.get(), &UI::CaptureTrayIcon::TrayMenuChanged);
        icon->SetTrayMenu(second.get());
        blocker->Block();
        blocker->Block();
        blocker->Unblock();
        // Swapping menus while blocked hands the old one back usable and blocks the new one.
        icon->SetTrayMenu(&first);
        QVERIFY(second->isEnabled() && !first.isEnabled());
        blocker->Unblock();
        blocker->Unblock();
        QVERIFY(first.isEnabled());
        blocker->Block();
        blocker.reset();
        QVERIFY(first.isEnabled());

        icon->ResetTrayMenu();
        QVERIFY(!icon->GetTrayMenu());
        icon->SetTrayMenu(second.get());
        second.reset();
        QVERIFY(!icon->GetTrayMenu());
        QCOMPARE(changed.size(), 4);
    }

    // Entries follow their windows: a window pushed again moves to the top, a deleted one drops out.
    void windowRegistriesFollowTheirWindows()
    {
        using UI::ParentProvider;
        ParentProvider provider;
        QWidget panel;
        QWidget dialog;
        auto* doomed = new QWidget;
        for (QWidget* window : {&panel, &dialog, doomed, &panel})
            provider.PushIndirectParent(window, ParentProvider::Positioning::Independent,
                                        ParentProvider::TaskbarIcon::Hidden, ParentProvider::StaysOnTop::FollowParent);
        delete doomed;
        const auto entries = provider.GetParentedWindows();
        QVERIFY(entries.size() == 2 && entries.at(0).window == &dialog && entries.at(1).window == &panel);
        provider.RemoveParent(&panel);
        provider.RemoveParent(&panel);
        QVERIFY(!provider.IsParented(&panel) && provider.IsParented(&dialog));

        UI::WindowPositionHelper helper;
        QVERIFY(!helper.GetPreviousPosition(&panel));
        panel.move(40, 50);
        helper.UpdatePreviousPosition(&panel);
        panel.move(70, 80);
        QCOMPARE(helper.GetPreviousPosition(&panel), std::optional<QPoint>(QPoint(40, 50)));
        helper.UpdatePreviousPosition(&panel);
        QCOMPARE(helper.GetPreviousPosition(&panel), std::optional<QPoint>(QPoint(70, 80)));
    }

    void audioHelperShowsApplicableAction()
    {
        using Helper = UI::AudioComponentInstallHelper;
        const auto provider = std::make_shared<Zarvo::Host::AudioProvider>();
        provider->SetAudioComponentInstalled(true);
        Helper helper(provider);
        QAction install;
        QAction uninstall;
        helper.RegisterAction(&install, Helper::Install);
        helper.RegisterAction(&uninstall, Helper::Uninstall);
        helper.RegisterAction(nullptr, Helper::Install);
        QVERIFY(!install.isVisible() && !install.isEnabled() && uninstall.isVisible() && uninstall.isEnabled());

        // Refresh reapplies the state to the actions still registered.
        provider->SetAudioComponentInstalled(false);
        helper.UnregisterAction(&uninstall);
        helper.Refresh();
        QVERIFY(install.isVisible() && install.isEnabled() && uninstall.isVisible());
        helper.RegisterAction(&uninstall, Helper::Uninstall);
        QVERIFY(!uninstall.isVisible() && !uninstall.isEnabled());
    }

    void presetStorageMatchesHotkeyIds()
    {
        Zarvo::Host::PresetStorage storage;
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Unbound", ""));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Bound", "preset-1"));
        QCOMPARE(storage.GetPresets().size(), std::size_t(2));
        QCOMPARE(storage.GetPresetByHotkeyId("preset-1"), storage.GetPresets().at(1));
        // An empty id never matches a preset without a hotkey.
        QVERIFY(!storage.GetPresetByHotkeyId("") && !storage.GetPresetByHotkeyId("preset-2"));
    }

    void iniSettingsReadIntegersThatFit_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("fits");
        QTest::newRow("int max") << "2147483647" << true;
        QTest::newRow("int min") << "-2147483648" << true;
        QTest::newRow("int max + 1") << "2147483648" << false;
        QTest::newRow("int min - 1") << "-2147483649" << false;
        QTest::newRow("2^32 + 3, which truncates to 3") << "4294967299" << false;
        QTest::newRow("past 64 bits") << "18446744073709551617" << false;
        QTest::newRow("text") << "Right" << false;
    }

    void iniSettingsReadIntegersThatFit()
    {
        QFETCH(QString, stored);
        QFETCH(bool, fits);
        QTemporaryDir directory;
        const QString path = directory.filePath("settings.ini");
        QSettings(path, QSettings::IniFormat).setValue("Orb/Sidebar/sidebar_screen_edge", stored);
        const Zarvo::Host::IniApplicationSettingsManager ini(path);
        // What does not fit reads as missing.
        QCOMPARE(ini.GetInt("Orb/Sidebar/sidebar_screen_edge", -7), fits ? stored.toInt() : -7);
    }
};

QTEST_MAIN(tst_HostStandIns)
#include "tst_hoststandins.moc"
