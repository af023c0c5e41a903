#include "launcher/PrefixTranslator.h"

#include "CallRecord/CallRecord.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/LauncherDockMenu.h"
#include "Module/Launcher/UI/LauncherMenuBar.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "OrbUiMenu/CommonActions.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUserSettings/ProductSettings.h"
#include "StandIns/PresetStorage.h"
#include "StandIns/StandIns.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher::UI;
using LauncherTest::ScopedTranslator;
using Zarvo::Host::CallRecord;
using Zarvo::Orb::CapturePreset::PresetQAction;
using Zarvo::Orb::UI::ActionsController::ActionsController;

namespace
{
// One token per entry: the action id, "-" for a separator, "section:<text>", "menu:<name>",
// "preset:<name>".
QStringList Entries(const QMenu* menu)
{
    QStringList entries;
    for (const auto* action : menu->actions())
    {
        if (const auto* preset = qobject_cast<const PresetQAction*>(action))
        {
            entries << QStringLiteral("preset:") + preset->text();
        }
        else if (action->menu())
        {
            entries << QStringLiteral("menu:") + action->menu()->objectName();
        }
        else if (action->isSeparator())
        {
            entries << (action->text().isEmpty() ? QStringLiteral("-") : QStringLiteral("section:") + action->text());
        }
        else
        {
            entries << action->objectName();
        }
    }
    return entries;
}

const QStringList TrayOrder{
    "ActionShowActiveWindow",
    "-",
    "ActionTakeScreenshotFromLauncher",
    "ActionStartRecordFromLauncher",
    "ActionStartAudioRecordFromLauncher",
    "ActionStartWebCameraRecordFromLauncher",
    "ActionOpenLibraryFiles",
    "-",
    "ActionPreferences",
    "-",
    "menu:menuHelp",
    "-",
    "ActionShowStyleSheetEditor",
    "ActionQuit",
};
} // namespace

class TestLauncherMenus : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void actionTable_data();
    void actionTable();
    void textsFollowTranslator();
    void menuOrder_data();
    void menuOrder();
    void rebuildLeavesOneCopy();
    void hotkeyShortcutShowsInEveryMenu();
    void presetsHeadTrayMenuAndReachCallback();
    void presetChosenWithoutCallbackIsIgnored();
    void trayMenuDestructionRetiresMenuAndCallback();
    void emptyServiceIsRejected_data();
    void emptyServiceIsRejected();

private:
    std::unique_ptr<LauncherMenuBar> MakeMenuBar() const;
    std::unique_ptr<LauncherTrayMenu> MakeTrayMenu() const;

    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings;
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization;
    std::shared_ptr<Zarvo::Host::LookAndFeelManager> lookAndFeel;
    std::shared_ptr<Zarvo::Orb::ProductSettings> productSettings;
    std::shared_ptr<ActionsController> actions;
};

void TestLauncherMenus::init()
{
    settings = std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>();
    customization = std::make_shared<Zarvo::Host::CustomizationManager>();
    lookAndFeel = std::make_shared<Zarvo::Host::LookAndFeelManager>();
    productSettings = std::make_shared<Zarvo::Orb::ProductSettings>(
        settings, std::make_shared<Zarvo::Host::ProductSettingsManager>(), lookAndFeel);
    // The table the factory hands over: the host's entries first, then the launcher's.
    actions = std::make_shared<ActionsController>(customization, std::make_shared<Zarvo::Host::StatisticsManager>());
    actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters() + Action::GetLauncherActionParameters());
    CallRecord::Clear();
}

void TestLauncherMenus::cleanup()
{
    actions.reset();
    productSettings.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a menu outlived its owner");
}

std::unique_ptr<LauncherMenuBar> TestLauncherMenus::MakeMenuBar() const
{
    return std::make_unique<LauncherMenuBar>(actions, customization, lookAndFeel, productSettings);
}

std::unique_ptr<LauncherTrayMenu> TestLauncherMenus::MakeTrayMenu() const
{
    return std::make_unique<LauncherTrayMenu>(actions, customization);
}

void TestLauncherMenus::actionTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");

    QTest::newRow("library") << 0 << "ActionOpenLibraryFiles"
                             << "Preview Recorded Videos";
    QTest::newRow("record") << 1 << "ActionStartRecordFromLauncher"
                            << "Configure and start record";
    QTest::newRow("audio") << 2 << "ActionStartAudioRecordFromLauncher"
                           << "Configure and start audio record";
    QTest::newRow("webcam") << 3 << "ActionStartWebCameraRecordFromLauncher"
                            << "Configure and start webcamera record";
    QTest::newRow("scheduler") << 4 << "ActionSchedulerPreferences"
                               << "Scheduler Preferences...";
    QTest::newRow("screenshot") << 5 << "ActionTakeScreenshotFromLauncher"
                                << "Take Screenshot";
}

void TestLauncherMenus::actionTable()
{
    QFETCH(int, index);
    QFETCH(QString, id);
    QFETCH(QString, text);

    const auto table = Action::GetLauncherActionParameters();
    QCOMPARE(table.size(), 6);
    const auto& entry = table.at(index);
    QCOMPARE(entry.id, id);
    QVERIFY(entry.text);
    QCOMPARE(entry.text(), text);
    QVERIFY(entry.shortcut.isEmpty());
    QCOMPARE(actions->GetActionById(id)->text(), text);
}

void TestLauncherMenus::textsFollowTranslator()
{
    const auto menuBar = MakeMenuBar();
    const auto* capture = menuBar->GetMenuBar()->findChild<QMenu*>(QStringLiteral("menuCapture"));
    QVERIFY(capture);
    QCOMPARE(capture->title(), QStringLiteral("Capture"));
    const auto table = Action::GetLauncherActionParameters();
    QStringList english;
    for (const auto& entry : table)
    {
        english << entry.text();
    }

    {
        const ScopedTranslator translator(QStringLiteral("fr:"), {QStringLiteral("LauncherMenu")});
        QCOMPARE(capture->title(), QStringLiteral("fr:Capture"));
        for (int index = 0; index < table.size(); ++index)
        {
            QCOMPARE(table.at(index).text(), QStringLiteral("fr:") + english.at(index));
            QCOMPARE(actions->GetActionById(table.at(index).id)->text(), QStringLiteral("fr:") + english.at(index));
        }
    }
    QCOMPARE(capture->title(), QStringLiteral("Capture"));
    QCOMPARE(actions->GetActionById(QStringLiteral("ActionTakeScreenshotFromLauncher"))->text(),
             QStringLiteral("Take Screenshot"));
}

void TestLauncherMenus::menuOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("menu bar") << "bar"
                              << QStringList{"ActionTakeScreenshotFromLauncher",
                                             "ActionStartRecordFromLauncher",
                                             "ActionStartAudioRecordFromLauncher",
                                             "ActionStartWebCameraRecordFromLauncher",
                                             "ActionOpenLibraryFiles",
                                             "-",
                                             "ActionSchedulerPreferences"};
    QTest::newRow("tray") << "tray" << TrayOrder;
    QTest::newRow("dock") << "dock"
                          << QStringList{"ActionStartRecordFromLauncher", "ActionStartAudioRecordFromLauncher",
                                         "ActionStartWebCameraRecordFromLauncher", "ActionTakeScreenshotFromLauncher"};
}

void TestLauncherMenus::menuOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, expected);

    if (menu == QLatin1String("bar"))
    {
        const auto menuBar = MakeMenuBar();
        const auto barEntries = menuBar->GetMenuBar()->actions();
        QCOMPARE(barEntries.size(), 1);
        QCOMPARE(barEntries.first()->menu()->objectName(), QStringLiteral("menuCapture"));
        QCOMPARE(Entries(barEntries.first()->menu()), expected);
    }
    else if (menu == QLatin1String("tray"))
    {
        QCOMPARE(Entries(MakeTrayMenu()->GetMenuData()), expected);
    }
    else
    {
        QCOMPARE(Entries(LauncherDockMenu(actions).GetMenu()), expected);
    }
}

void TestLauncherMenus::rebuildLeavesOneCopy()
{
    const auto tray = MakeTrayMenu();
    tray->RebuildMenu();
    tray->RebuildMenu();
    QCOMPARE(Entries(tray->GetMenuData()), TrayOrder);
    // The help submenu of earlier builds must be gone, not merely detached.
    QCOMPARE(tray->GetMenuData()->findChildren<QMenu*>(QStringLiteral("menuHelp")).size(), 1);
}

void TestLauncherMenus::hotkeyShortcutShowsInEveryMenu()
{
    const auto menuBar = MakeMenuBar();
    const auto tray = MakeTrayMenu();
    const LauncherDockMenu dock(actions);
    const QString id = QStringLiteral("ActionTakeScreenshotFromLauncher");
    const QKeySequence sequence(QStringLiteral("Ctrl+Alt+P"));

    actions->GetActionById(id)->setShortcut(sequence);

    const QList<const QMenu*> menus{menuBar->GetMenuBar()->findChild<QMenu*>(QStringLiteral("menuCapture")),
                                    tray->GetMenuData(), dock.GetMenu()};
    for (const auto* menu : menus)
    {
        const auto entries = menu->actions();
        const auto found = std::find_if(entries.cbegin(), entries.cend(),
                                        [&id](const QAction* action) { return action->objectName() == id; });
        QVERIFY2(found != entries.cend(), qPrintable(menu->objectName()));
        QCOMPARE((*found)->shortcut(), sequence);
    }
}

void TestLauncherMenus::presetsHeadTrayMenuAndReachCallback()
{
    auto fast = std::make_shared<Zarvo::Host::Preset>(QStringLiteral("Fast"), "preset-fast");
    auto game = std::make_shared<Zarvo::Host::Preset>(QStringLiteral("Game"), "preset-game");
    Zarvo::Host::PresetStorage storage;
    storage.Add(fast);
    storage.Add(game);
    const auto hotkeys = std::make_shared<Zarvo::Orb::HotkeySettings>(settings);
    hotkeys->SetHotkeyForFastPreset("preset-fast", "Ctrl+Alt+1");

    const auto tray = MakeTrayMenu();
    QList<PresetQAction*> triggered;
    tray->SetPresetTriggeredCallback([&triggered](PresetQAction* action) { triggered << action; });
    tray->LoadPresets(storage, hotkeys);
    tray->RebuildMenu();

    const QStringList presetsHead{"section:Presets", "preset:Fast", "preset:Game", "-"};
    QCOMPARE(Entries(tray->GetMenuData()), presetsHead + TrayOrder);
    const auto presetActions = tray->GetPresetActions();
    QCOMPARE(presetActions.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+1")));
    QVERIFY(presetActions.at(1)->shortcut().isEmpty());

    presetActions.at(1)->trigger();
    QCOMPARE(triggered, QList<PresetQAction*>{presetActions.at(1)});
    QCOMPARE(triggered.first()->GetPreset(), std::shared_ptr<const Zarvo::Orb::CapturePreset::IPreset>(game));
    QCOMPARE(game->StartCount(), 0);

    // Loading again replaces the entries instead of adding to them.
    Zarvo::Host::PresetStorage smaller;
    smaller.Add(game);
    tray->LoadPresets(smaller, hotkeys);
    QCOMPARE(Entries(tray->GetMenuData()), QStringList({"section:Presets", "preset:Game", "-"}) + TrayOrder);

    Zarvo::Host::PresetStorage empty;
    tray->LoadPresets(empty, hotkeys);
    QCOMPARE(Entries(tray->GetMenuData()), TrayOrder);
}

void TestLauncherMenus::presetChosenWithoutCallbackIsIgnored()
{
    Zarvo::Host::PresetStorage storage;
    storage.Add(std::make_shared<Zarvo::Host::Preset>(QStringLiteral("Fast"), "preset-fast"));
    const auto tray = MakeTrayMenu();
    tray->LoadPresets(storage, std::make_shared<Zarvo::Orb::HotkeySettings>(settings));
    CallRecord::Clear();

    tray->GetPresetActions().first()->trigger();
    QVERIFY(CallRecord::CallsStartingWith(QStringLiteral("PresetQAction::")).isEmpty());

    int calls = 0;
    tray->SetPresetTriggeredCallback([&calls](PresetQAction*) { ++calls; });
    tray->SetPresetTriggeredCallback([](PresetQAction*) {});
    tray->GetPresetActions().first()->trigger();
    QCOMPARE(calls, 0);
}

void TestLauncherMenus::trayMenuDestructionRetiresMenuAndCallback()
{
    auto tray = MakeTrayMenu();
    const QPointer<QMenu> menu = tray->GetMenuData();
    QVERIFY(!menu->parent());
    std::weak_ptr<int> watch;
    {
        const auto token = std::make_shared<int>(0);
        watch = token;
        tray->SetPresetTriggeredCallback([token](PresetQAction*) {});
    }
    QVERIFY(!watch.expired());

    tray.reset();
    QVERIFY(watch.expired());
    QTRY_VERIFY(menu.isNull());
}

void TestLauncherMenus::emptyServiceIsRejected_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("emptyArgument");

    QTest::newRow("bar without actions") << "bar" << 0;
    QTest::newRow("bar without customization") << "bar" << 1;
    QTest::newRow("bar without look and feel") << "bar" << 2;
    QTest::newRow("bar without product settings") << "bar" << 3;
    QTest::newRow("tray without actions") << "tray" << 0;
    QTest::newRow("tray without customization") << "tray" << 1;
    QTest::newRow("dock without actions") << "dock" << 0;
}

void TestLauncherMenus::emptyServiceIsRejected()
{
    QFETCH(QString, menu);
    QFETCH(int, emptyArgument);

    const auto pick = [emptyArgument](int index, const auto& service)
    {
        return index == emptyArgument ? std::decay_t<decltype(service)>() : service;
    };
    try
    {
        if (menu == QLatin1String("bar"))
        {
            LauncherMenuBar(pick(0, actions), pick(1, customization), pick(2, lookAndFeel), pick(3, productSettings));
        }
        else if (menu == QLatin1String("tray"))
        {
            LauncherTrayMenu(pick(0, actions), pick(1, customization));
        }
        else
        {
            LauncherDockMenu{pick(0, actions)};
        }
        QFAIL("built with an empty service");
    }
    catch (const std::logic_error& error)
    {
        QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("NotNull can not initialized by null"));
    }
}

QTEST_MAIN(TestLauncherMenus)
#include "tst_launchermenus.moc"
