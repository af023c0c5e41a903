#include "launcher/PrefixTranslator.h"

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
            entries << "preset:" + preset->text();
        else if (action->menu())
            entries << "menu:" + action->menu()->objectName();
        else if (action->isSeparator())
            entries << (action->text().isEmpty() ? QString("-") : "section:" + action->text());
        else
            entries << action->objectName();
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

class tst_LauncherMenus : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        settings = std::make_shared<Zarvo::Host::InMemoryApplicationSettingsManager>();
        customization = std::make_shared<Zarvo::Host::CustomizationManager>();
        lookAndFeel = std::make_shared<Zarvo::Host::LookAndFeelManager>();
        productSettings = std::make_shared<Zarvo::Orb::ProductSettings>(
            settings, std::make_shared<Zarvo::Host::ProductSettingsManager>(), lookAndFeel);
        actions =
            std::make_shared<ActionsController>(customization, std::make_shared<Zarvo::Host::StatisticsManager>());
        actions->CreateActions(Zarvo::Orb::UI::Action::GetCommonActionParameters() +
                               Action::GetLauncherActionParameters());
    }

    void cleanup()
    {
        actions.reset();
        productSettings.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a menu outlived its owner");
    }

    // The Capture menu and the launcher's action texts follow a language change; no action
    // brings a shortcut of its own (the host's hotkeys set them).
    void textsFollowLanguage()
    {
        LauncherMenuBar menuBar(actions, customization, lookAndFeel, productSettings);
        const auto* capture = menuBar.GetMenuBar()->findChild<QMenu*>("menuCapture");
        QVERIFY(capture);
        QStringList expected{"fr:" + capture->title()}, texts;
        for (const auto& entry : Action::GetLauncherActionParameters())
        {
            expected << "fr:" + entry.text();
            QVERIFY(entry.shortcut.isEmpty());
        }
        const ScopedTranslator translator("fr:", {"LauncherMenu"});
        texts << capture->title();
        for (const auto& entry : Action::GetLauncherActionParameters())
            texts << entry.text();
        QCOMPARE(texts, expected);
    }

    void menuOrder_data()
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
                                             "ActionStartWebCameraRecordFromLauncher",
                                             "ActionTakeScreenshotFromLauncher"};
    }

    void menuOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, expected);
        if (menu == "bar")
        {
            LauncherMenuBar menuBar(actions, customization, lookAndFeel, productSettings);
            const auto barEntries = menuBar.GetMenuBar()->actions();
            QCOMPARE(barEntries.size(), 1);
            QCOMPARE(Entries(barEntries.first()->menu()), expected);
        }
        else if (menu == "tray")
        {
            LauncherTrayMenu tray(actions, customization);
            QCOMPARE(Entries(tray.GetMenuData()), expected);
            tray.RebuildMenu();
            tray.RebuildMenu();
            QCOMPARE(Entries(tray.GetMenuData()), expected);
            // The help submenus of earlier builds must be gone, not merely detached.
            QCOMPARE(tray.GetMenuData()->findChildren<QMenu*>("menuHelp").size(), 1);
        }
        else
        {
            QCOMPARE(Entries(LauncherDockMenu(actions).GetMenu()), expected);
        }
    }

    void presetsHeadTrayMenuAndReachCallback()
    {
        Zarvo::Host::PresetStorage storage;
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Fast", "preset-fast"));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Game", "preset-game"));
        const auto hotkeys = std::make_shared<Zarvo::Orb::HotkeySettings>(settings);
        LauncherTrayMenu tray(actions, customization);
        tray.LoadPresets(storage, hotkeys);
        QCOMPARE(Entries(tray.GetMenuData()), QStringList({"preset:Fast", "preset:Game", "-"}) + TrayOrder);

        QList<PresetQAction*> triggered;
        tray.GetPresetActions().at(0)->trigger(); // no callback yet: ignored
        tray.SetPresetTriggeredCallback([&triggered](PresetQAction* action) { triggered << action; });
        tray.GetPresetActions().at(1)->trigger();
        QCOMPARE(triggered, QList<PresetQAction*>{tray.GetPresetActions().at(1)});

        // No presets: nothing above the first entry, not even a separator.
        tray.LoadPresets(Zarvo::Host::PresetStorage(), hotkeys);
        QCOMPARE(Entries(tray.GetMenuData()), TrayOrder);
    }

    void trayMenuDestructionRetiresMenuAndCallback()
    {
        auto tray = std::make_unique<LauncherTrayMenu>(actions, customization);
        const QPointer<QMenu> menu = tray->GetMenuData();
        QVERIFY(!menu->parent());
        const auto token = std::make_shared<int>(0);
        tray->SetPresetTriggeredCallback([token](PresetQAction*) {});
        tray.reset();
        QCOMPARE(token.use_count(), 1L);
        QTRY_VERIFY(menu.isNull());
    }

private:
    std::shared_ptr<Zarvo::Host::InMemoryApplicationSettingsManager> settings;
    std::shared_ptr<Zarvo::Host::CustomizationManager> customization;
    std::shared_ptr<Zarvo::Host::LookAndFeelManager> lookAndFeel;
    std::shared_ptr<Zarvo::Orb::ProductSettings> productSettings;
    std::shared_ptr<ActionsController> actions;
};

QTEST_MAIN(tst_LauncherMenus)
#include "tst_launchermenus.moc"
