#include "common/HostFixture.h"
#include "launcher/PrefixTranslator.h"

#include "Module/Launcher/Factory.h"
#include "Module/Launcher/UI/LauncherActions.h"
#include "Module/Launcher/UI/LauncherDockMenu.h"
#include "Module/Launcher/UI/LauncherMenuBar.h"
#include "Module/Launcher/UI/LauncherTrayMenu.h"
#include "OrbUiActionsController/ActionsController.h"
#include "OrbUiCapturePreset/PresetQAction.h"
#include "StandIns/PresetStorage.h"

#include <QtTest>

using namespace Zarvo::Orb::Module::Launcher::UI;
using LauncherTest::ScopedTranslator;
using Zarvo::Orb::CapturePreset::PresetQAction;
using Zarvo::Orb::UI::ActionsController::ActionsController;

namespace
{
// One token per entry, space-separated: the action id, "-" for a separator, "menu:<name>",
// "preset:<name>".
QString Entries(const QMenu* menu)
{
    QStringList entries;
    for (const auto* action : menu->actions())
        entries << (qobject_cast<const PresetQAction*>(action) ? "preset:" + action->text()
                    : action->menu()                           ? "menu:" + action->menu()->objectName()
                    : action->isSeparator()                    ? QString("-")
                                                               : action->objectName());
    return entries.join(' ');
}

const QString TrayOrder = "ActionShowActiveWindow - ActionTakeScreenshotFromLauncher ActionStartRecordFromLauncher "
                          "ActionStartAudioRecordFromLauncher ActionStartWebCameraRecordFromLauncher "
                          "ActionOpenLibraryFiles - ActionPreferences - menu:menuHelp - ActionShowStyleSheetEditor "
                          "ActionQuit";
} // namespace

class tst_LauncherMenus : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        host = std::make_unique<LauncherTest::HostFixture>(LauncherTest::Registration::SingleInstances);
        actions = host->Resolve<Zarvo::Orb::Module::Launcher::Factory>()->GetActionsController();
    }

    void cleanup()
    {
        actions.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a menu outlived its owner");
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("expected");
        QTest::newRow("menu bar") << "bar"
                                  << "ActionTakeScreenshotFromLauncher ActionStartRecordFromLauncher "
                                     "ActionStartAudioRecordFromLauncher ActionStartWebCameraRecordFromLauncher "
                                     "ActionOpenLibraryFiles - ActionSchedulerPreferences";
        QTest::newRow("tray") << "tray" << TrayOrder;
        QTest::newRow("dock") << "dock"
                              << "ActionStartRecordFromLauncher ActionStartAudioRecordFromLauncher "
                                 "ActionStartWebCameraRecordFromLauncher ActionTakeScreenshotFromLauncher";
    }

    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, expected);
        if (menu == "bar")
        {
            LauncherMenuBar menuBar(actions, host->customization, host->Resolve<Zarvo::App::ILookAndFeelManager>(),
                                    host->Resolve<Zarvo::Orb::ProductSettings>());
            const auto barEntries = menuBar.GetMenuBar()->actions();
            QCOMPARE(barEntries.size(), 1);
            const QMenu* capture = barEntries.first()->menu();
            QCOMPARE(capture->objectName(), QString("menuCapture"));
            QCOMPARE(Entries(capture), expected);

            // Its title and the launcher's action texts follow a language change; no action brings a
            // shortcut of its own (the host's hotkeys set them).
            QStringList texts{"fr:" + capture->title()}, translated;
            for (const auto& entry : Action::GetLauncherActionParameters())
            {
                texts << "fr:" + entry.text();
                QVERIFY(entry.shortcut.isEmpty());
            }
            const ScopedTranslator translator("fr:", {"LauncherMenu"});
            translated << capture->title();
            for (const auto& entry : Action::GetLauncherActionParameters())
                translated << entry.text();
            QCOMPARE(translated, texts);
        }
        else if (menu == "tray")
        {
            LauncherTrayMenu tray(actions, host->customization);
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

    // Presets head the tray menu; the menu and the preset callback go with it.
    void trayPresets()
    {
        Zarvo::Host::PresetStorage storage;
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Fast", "preset-fast"));
        storage.Add(std::make_shared<Zarvo::Host::Preset>("Game", "preset-game"));
        const auto hotkeys = std::make_shared<Zarvo::Orb::HotkeySettings>(host->settings);
        auto tray = std::make_unique<LauncherTrayMenu>(actions, host->customization);
        const QPointer<QMenu> menu = tray->GetMenuData();
        QVERIFY(!menu->parent());
        tray->LoadPresets(storage, hotkeys);
        QCOMPARE(Entries(menu), "preset:Fast preset:Game - " + TrayOrder);

        // Which preset the callback reaches is a row of the fired-hotkey table (tray entries).
        tray->GetPresetActions().at(0)->trigger(); // no callback yet: ignored
        const auto token = std::make_shared<int>(0);
        tray->SetPresetTriggeredCallback([token](PresetQAction*) {});

        // No presets: nothing above the first entry, not even a separator.
        tray->LoadPresets(Zarvo::Host::PresetStorage(), hotkeys);
        QCOMPARE(Entries(menu), TrayOrder);
        tray.reset();
        QCOMPARE(token.use_count(), 1L);
        QTRY_VERIFY(menu.isNull());
    }

private:
    std::unique_ptr<LauncherTest::HostFixture> host;
    std::shared_ptr<ActionsController> actions;
};

QTEST_MAIN(tst_LauncherMenus)
#include "tst_launchermenus.moc"
