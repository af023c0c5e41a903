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

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <iterator>
#include <limits>

using namespace Zarvo::Orb;
using Zarvo::Host::CallRecord;

namespace
{
class RecordingObserver : public IHotkeySettingsObserver
{
public:
    QStringList calls;
    std::function<void()> onCall;

    void OnGlobalHotkeyStartStopCaptureChanged(const std::string& t) override { Add("Capture", t); }
    void OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& t) override { Add("AudioCapture", t); }
    void OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& t) override { Add("WebCamera", t); }
    void OnGlobalHotkeyStartStopStreamingChanged(const std::string& t) override { Add("Streaming", t); }
    void OnGlobalHotkeyPauseResumeCaptureChanged(const std::string& t) override { Add("PauseResume", t); }
    void OnGlobalHotkeyTakeScreenshotChanged(const std::string& t) override { Add("Screenshot", t); }
    void OnGlobalHotkeyShowHideOverlaysChanged(const std::string& t) override { Add("Overlays", t); }
    void OnHotkeyForFastPresetChanged(const std::string& id, const std::string& t) override { Add("Preset", id + t); }
    void OnHotkeyEnableStateChanged(bool enabled) override { Add("EnableState", enabled ? "true" : "false"); }

private:
    void Add(const char* operation, const std::string& argument)
    {
        calls << QStringLiteral("%1(%2)").arg(QLatin1String(operation), QString::fromStdString(argument));
        if (onCall)
            onCall();
    }
};

struct HotkeySlot
{
    const char* name;
    std::string (HotkeySettings::*get)() const;
    void (HotkeySettings::*set)(const std::string&);
    const char* key;
    const char* defaultValue;
    const char* notification;
};
const HotkeySlot Slots[] = {
    {"capture", &HotkeySettings::GetGlobalHotkeyStartStopCapture, &HotkeySettings::SetGlobalHotkeyStartStopCapture,
     "captureStartStop", "Ctrl+Shift+R", "Capture"},
    {"audio", &HotkeySettings::GetGlobalHotkeyStartStopAudioCapture,
     &HotkeySettings::SetGlobalHotkeyStartStopAudioCapture, "audioCaptureStartStop", "Ctrl+Shift+A", "AudioCapture"},
    {"webcam", &HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture,
     &HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture, "webCameraCaptureStartStop", "Ctrl+Shift+W",
     "WebCamera"},
    {"streaming", &HotkeySettings::GetGlobalHotkeyStartStopStreaming,
     &HotkeySettings::SetGlobalHotkeyStartStopStreaming, "streamingStartStop", "", "Streaming"},
    {"pause", &HotkeySettings::GetGlobalHotkeyPauseResumeCapture, &HotkeySettings::SetGlobalHotkeyPauseResumeCapture,
     "pauseResumeCapture", "Ctrl+Shift+P", "PauseResume"},
    {"screenshot", &HotkeySettings::GetGlobalHotkeyTakeScreenshot, &HotkeySettings::SetGlobalHotkeyTakeScreenshot,
     "takeScreenshot", "Ctrl+Shift+S", "Screenshot"},
    {"overlays", &HotkeySettings::GetGlobalHotkeyShowHideOverlays, &HotkeySettings::SetGlobalHotkeyShowHideOverlays,
     "showHideOverlays", "Ctrl+Shift+O", "Overlays"},
};
} // namespace

class tst_HostStandIns : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void actionsControllerMakesTriggerableActions();
    void commonTableHoldsWhatMenusPlace();
    void hotkeySettingsStoreAndNotify_data();
    void hotkeySettingsStoreAndNotify();
    void hotkeySettingsPresetEnableStateAndObservers();
    void guardHoldsHotkeysBack();
    void trayIconHoldsMenuAndBlockerDisablesIt();
    void parentProviderKeepsStack();
    void windowPositionHelperRemembers();
    void audioHelperShowsApplicableAction_data();
    void audioHelperShowsApplicableAction();
    void presetStorageMatchesHotkeyIds();
    void iniSettingsReadIntegersThatFit_data();
    void iniSettingsReadIntegersThatFit();

private:
    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings;
};

void tst_HostStandIns::init()
{
    settings = std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>();
    CallRecord::Clear();
}

void tst_HostStandIns::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_HostStandIns::actionsControllerMakesTriggerableActions()
{
    UI::ActionsController::ActionsController controller(std::make_shared<Zarvo::Host::CustomizationManager>(),
                                                        std::make_shared<Zarvo::Host::StatisticsManager>());
    controller.CreateActions({
        {QStringLiteral("ActionB"), [] { return QStringLiteral("Bee"); }, QKeySequence(QStringLiteral("Ctrl+B"))},
        {QStringLiteral("ActionA"), [] { return QCoreApplication::translate("Test", "Ay"); }, {}},
        {QStringLiteral("ActionB"), [] { return QStringLiteral("Second Bee"); }, {}},
    });

    QCOMPARE(controller.GetActionIds(), QStringList({"ActionB", "ActionA"}));
    QVERIFY(!controller.GetActionById(QStringLiteral("ActionC")));
    auto* action = controller.GetActionById(QStringLiteral("ActionB"));
    QCOMPARE(action->text(), QStringLiteral("Bee"));
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));

    QSignalSpy triggered(&controller, &UI::ActionsController::ActionsController::ActionTriggered);
    action->trigger();
    QCOMPARE(triggered.value(0).value(0).toString(), QStringLiteral("ActionB"));
    QCOMPARE(CallRecord::Calls(),
             QStringList({"ActionsController::CreateActions(3)", "StatisticsManager::SendEvent(Action, ActionB)"}));

    // Texts are read again when the language changes.
    auto* translated = controller.GetActionById(QStringLiteral("ActionA"));
    {
        const LauncherTest::ScopedTranslator translator(QStringLiteral("fr:"), {QStringLiteral("Test")});
        QCOMPARE(translated->text(), QStringLiteral("fr:Ay"));
    }
}

void tst_HostStandIns::commonTableHoldsWhatMenusPlace()
{
    QStringList ids;
    for (const auto& entry : UI::Action::GetCommonActionParameters())
    {
        QVERIFY2(!ids.contains(entry.id), qPrintable(entry.id));
        QVERIFY(entry.text && !entry.text().isEmpty());
        ids << entry.id;
    }
    for (const auto* id :
         {"ActionShowActiveWindow", "ActionPreferences", "ActionQuit", "ActionInstallAudioComponent",
          "ActionUninstallAudioComponent", "ActionHelpCenter", "ActionAbout", "ActionShowStyleSheetEditor"})
    {
        QVERIFY2(ids.contains(QLatin1String(id)), id);
    }
}

void tst_HostStandIns::hotkeySettingsStoreAndNotify_data()
{
    QTest::addColumn<int>("slot");
    for (int slot = 0; slot < int(std::size(Slots)); ++slot)
        QTest::newRow(Slots[slot].name) << slot;
}

void tst_HostStandIns::hotkeySettingsStoreAndNotify()
{
    QFETCH(int, slot);
    const HotkeySlot& hotkey = Slots[slot];
    const QString defaultValue = QLatin1String(hotkey.defaultValue);

    HotkeySettings hotkeys(settings);
    QCOMPARE(QString::fromStdString((hotkeys.*hotkey.get)()), defaultValue);
    // Defaults must survive the launcher's portable round trip.
    QCOMPARE(QKeySequence::fromString(defaultValue, QKeySequence::PortableText).toString(QKeySequence::PortableText),
             defaultValue);

    RecordingObserver observer;
    hotkeys.RegisterEventHandler(&observer);
    (hotkeys.*hotkey.set)("Ctrl+Alt+F9");
    (hotkeys.*hotkey.set)("Ctrl+Alt+F9");
    QCOMPARE(observer.calls, QStringList{QLatin1String(hotkey.notification) + "(Ctrl+Alt+F9)"});
    QCOMPARE(settings->GetString(std::string("Orb/Hotkeys/") + hotkey.key, {}), std::string("Ctrl+Alt+F9"));
    QCOMPARE(CallRecord::CallsStartingWith(QStringLiteral("ApplicationSettings::Set")).size(), 1);
    QCOMPARE(QString::fromStdString((HotkeySettings(settings).*hotkey.get)()), QStringLiteral("Ctrl+Alt+F9"));
    hotkeys.UnregisterEventHandler(&observer);
}

void tst_HostStandIns::hotkeySettingsPresetEnableStateAndObservers()
{
    HotkeySettings hotkeys(settings);
    RecordingObserver first;
    RecordingObserver second;
    hotkeys.RegisterEventHandler(&first);
    hotkeys.RegisterEventHandler(&first);
    hotkeys.RegisterEventHandler(&second);
    // An observer leaving from inside its own notification must not disturb the others.
    first.onCall = [&]
    {
        hotkeys.UnregisterEventHandler(&first);
    };

    QCOMPARE(hotkeys.GetHotkeyForFastPreset("preset-1"), std::string());
    hotkeys.SetHotkeyForFastPreset("preset-1", "Ctrl+1");
    hotkeys.SetHotkeyForFastPreset("preset-1", "Ctrl+1");
    QVERIFY(hotkeys.AreHotkeysEnabled());
    hotkeys.SetHotkeysEnabled(false);
    hotkeys.SetHotkeysEnabled(false);

    QCOMPARE(first.calls, QStringList{"Preset(preset-1Ctrl+1)"});
    QCOMPARE(second.calls, QStringList({"Preset(preset-1Ctrl+1)", "EnableState(false)"}));
    const HotkeySettings reread(settings);
    QCOMPARE(reread.GetHotkeyForFastPreset("preset-1"), std::string("Ctrl+1"));
    QVERIFY(!reread.AreHotkeysEnabled());
    hotkeys.UnregisterEventHandler(&second);
}

void tst_HostStandIns::guardHoldsHotkeysBack()
{
    const auto manager = std::make_shared<GlobalHotkeyManager>();
    QSignalSpy fired(manager.get(), &GlobalHotkeyManager::HotkeyTriggered);
    auto guard = std::make_unique<GlobalHotkeyGuard>(manager, std::make_shared<HotkeySettings>(settings));

    guard->Lock();
    guard->Lock();
    guard->Unlock();
    QCOMPARE(guard->LockDepth(), 1);
    QVERIFY(!manager->Fire(QStringLiteral("takeScreenshot")));
    guard->Unlock();
    guard->Unlock();
    QVERIFY(manager->Fire(QStringLiteral("takeScreenshot")));
    QCOMPARE(fired.size(), 1);
    QCOMPARE(fired[0][0].value<Zarvo::App::GlobalHotkey>().GetId(), QStringLiteral("takeScreenshot"));

    // A guard destroyed while locked lets hotkeys through again.
    guard->Lock();
    guard.reset();
    QVERIFY(manager->Fire(QStringLiteral("captureStartStop")));
}

void tst_HostStandIns::trayIconHoldsMenuAndBlockerDisablesIt()
{
    const auto icon = std::make_shared<UI::CaptureTrayIcon>(std::make_shared<Zarvo::Host::CustomizationManager>());
    auto blocker = std::make_unique<UI::CaptureTrayIconBlocker>(icon);
    QMenu first;
    QMenu second;
    QSignalSpy changed(icon.get(), &UI::CaptureTrayIcon::TrayMenuChanged);

    icon->SetTrayMenu(&first);
    blocker->Block();
    blocker->Block();
    blocker->Unblock();
    QCOMPARE(blocker->BlockDepth(), 1);
    QVERIFY(!first.isEnabled());

    // Swapping menus while blocked hands the old one back usable and blocks the new one.
    icon->SetTrayMenu(&second);
    QVERIFY(first.isEnabled());
    QVERIFY(!second.isEnabled());
    blocker->Unblock();
    blocker->Unblock();
    QVERIFY(second.isEnabled());

    // A blocker destroyed while blocking releases the menu.
    blocker->Block();
    blocker.reset();
    QVERIFY(second.isEnabled());

    icon->ResetTrayMenu();
    QVERIFY(!icon->GetTrayMenu());
    QCOMPARE(changed.size(), 3);
    {
        QMenu shortLived;
        icon->SetTrayMenu(&shortLived);
    }
    QVERIFY(!icon->GetTrayMenu());
}

void tst_HostStandIns::parentProviderKeepsStack()
{
    using UI::ParentProvider;
    ParentProvider provider;
    QWidget panel;
    panel.setObjectName(QStringLiteral("Sidebar"));
    QWidget dialog;
    auto* doomed = new QWidget;

    const auto push = [&](QWidget* window, ParentProvider::StaysOnTop onTop)
    {
        provider.PushIndirectParent(window, ParentProvider::Positioning::Independent,
                                    ParentProvider::TaskbarIcon::Hidden, onTop);
    };
    push(&panel, ParentProvider::StaysOnTop::FollowParent);
    push(&dialog, ParentProvider::StaysOnTop::Always);
    push(doomed, ParentProvider::StaysOnTop::Never);
    // Pushing again moves the window to the top; a deleted window drops out.
    push(&panel, ParentProvider::StaysOnTop::FollowParent);
    delete doomed;

    auto entries = provider.GetParentedWindows();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).window, &dialog);
    QCOMPARE(entries.at(1).window, &panel);
    QCOMPARE(entries.at(1).staysOnTop, ParentProvider::StaysOnTop::FollowParent);

    provider.RemoveParent(&panel);
    provider.RemoveParent(&panel);
    QVERIFY(!provider.IsParented(&panel));
    QVERIFY(provider.IsParented(&dialog));
    QCOMPARE(CallRecord::Calls().first(), QStringLiteral("ParentProvider::PushIndirectParent(Sidebar, 1, 0, 2)"));
}

void tst_HostStandIns::windowPositionHelperRemembers()
{
    UI::WindowPositionHelper helper;
    QWidget window;
    window.setObjectName(QStringLiteral("Sidebar"));
    QVERIFY(!helper.GetPreviousPosition(&window));

    window.move(40, 50);
    helper.UpdatePreviousPosition(&window);
    window.move(70, 80);
    QCOMPARE(helper.GetPreviousPosition(&window), std::optional<QPoint>(QPoint(40, 50)));
    helper.UpdatePreviousPosition(&window);
    QCOMPARE(helper.GetPreviousPosition(&window), std::optional<QPoint>(QPoint(70, 80)));
    QCOMPARE(CallRecord::Calls().first(), QStringLiteral("WindowPositionHelper::UpdatePreviousPosition(Sidebar)"));
}

void tst_HostStandIns::audioHelperShowsApplicableAction_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("not installed") << false;
    QTest::newRow("installed") << true;
}

void tst_HostStandIns::audioHelperShowsApplicableAction()
{
    QFETCH(bool, installed);
    const auto provider = std::make_shared<Zarvo::Host::AudioProvider>();
    provider->SetAudioComponentInstalled(installed);
    UI::AudioComponentInstallHelper helper(provider);
    QAction install;
    install.setObjectName(QStringLiteral("ActionInstallAudioComponent"));
    QAction uninstall;

    helper.RegisterAction(&install, UI::AudioComponentInstallHelper::Install);
    helper.RegisterAction(&uninstall, UI::AudioComponentInstallHelper::Uninstall);
    helper.RegisterAction(nullptr, UI::AudioComponentInstallHelper::Install);
    QCOMPARE(install.isVisible(), !installed);
    QCOMPARE(install.isEnabled(), !installed);
    QCOMPARE(uninstall.isVisible(), installed);

    provider->SetAudioComponentInstalled(!installed);
    helper.UnregisterAction(&uninstall);
    helper.Refresh();
    QCOMPARE(install.isVisible(), installed);
    QCOMPARE(uninstall.isVisible(), installed);
    QCOMPARE(CallRecord::Calls().first(),
             QStringLiteral("AudioComponentInstallHelper::RegisterAction(ActionInstallAudioComponent, 0)"));
}

void tst_HostStandIns::presetStorageMatchesHotkeyIds()
{
    Zarvo::Host::PresetStorage storage;
    const auto unbound = std::make_shared<Zarvo::Host::Preset>(QStringLiteral("Unbound"), "");
    const auto bound = std::make_shared<Zarvo::Host::Preset>(QStringLiteral("Bound"), "preset-1");
    storage.Add(unbound);
    storage.Add(bound);

    QCOMPARE(storage.GetPresets().size(), std::size_t(2));
    QCOMPARE(storage.GetPresetByHotkeyId("preset-1"), std::shared_ptr<const CapturePreset::IPreset>(bound));
    QVERIFY(!storage.GetPresetByHotkeyId(""));
    QVERIFY(!storage.GetPresetByHotkeyId("preset-2"));
}

void tst_HostStandIns::iniSettingsReadIntegersThatFit_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    const int missing = -7;
    QTest::newRow("small") << "3" << 3;
    QTest::newRow("int max") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("int min") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("int max + 1") << "2147483648" << missing;
    QTest::newRow("int min - 1") << "-2147483649" << missing;
    QTest::newRow("2^32 + 1") << "4294967297" << missing;
    QTest::newRow("2^32 + 3") << "4294967299" << missing;
    QTest::newRow("past 64 bits") << "18446744073709551617" << missing;
    QTest::newRow("text") << "Right" << missing;
}

void tst_HostStandIns::iniSettingsReadIntegersThatFit()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QTemporaryDir directory;
    const QString path = directory.filePath("settings.ini");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("Orb/Sidebar/sidebar_screen_edge", stored);
    }
    const Zarvo::Host::IniApplicationSettingsManager ini(path);
    QCOMPARE(ini.GetInt("Orb/Sidebar/sidebar_screen_edge", -7), expected);
}

QTEST_MAIN(tst_HostStandIns)
#include "tst_hoststandins.moc"
