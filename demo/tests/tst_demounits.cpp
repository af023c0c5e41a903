// The demo host's own pieces: command line, paths, module loading, languages, the handler's
// screenshots and the picture composition.
#include "ControlWindow.h"
#include "DemoHandler.h"
#include "DemoHost.h"
#include "DemoOptions.h"
#include "Languages.h"
#include "ModuleLibrary.h"
#include "Recorder.h"
#include "Snapshot.h"

#include "CallRecord/CallRecord.h"
#include "Hypodermic/Hypodermic.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>

using namespace OrbDemo;

namespace
{
// A regular file: nothing can be created under it, whoever runs the test.
QString PlainFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content = {})
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

} // namespace

class tst_DemoUnits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        QVERIFY2(module.Load(QStringLiteral(ORB_TEST_MODULE_LIBRARY)), qPrintable(module.Error()));
    }
    void init() { Zarvo::Host::CallRecord::Clear(); }
    void cleanup()
    {
        // The launcher lets its tray menu go with deleteLater.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void parsesOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        // A pattern for the options as the test writes them, or for the error.
        QTest::addColumn<QString>("expected");

        const QString tour = QRegularExpression::escape(QDir::current().filePath(QStringLiteral("orb-launcher-tour")));
        // The user's own settings file and Pictures folder.
        const QString user = QStringLiteral("settings=.*/orb-launcher-demo.ini shots=.+ fresh=0");
        QTest::newRow("defaults with a display") << QStringList() << true << "tour= en " + user + " all=0";
        QTest::newRow("no display tours into the current folder")
            << QStringList() << false
            << QString("tour=%1 en settings=%1/tour-settings.ini shots=%1/screenshots fresh=1 all=0").arg(tour);
        QTest::newRow("explicit tour without display")
            << QStringList{"--tour=/tmp/u"} << false
            << "tour=/tmp/u en settings=/tmp/u/tour-settings.ini shots=/tmp/u/screenshots fresh=1 all=0";
        // Only the tour's own settings file is emptied before the run.
        QTest::newRow("tour told where to write")
            << QStringList{"--tour", "/tmp/t", "--settings", "/tmp/s.ini", "--screenshots", "/tmp/p"} << false
            << "tour=/tmp/t en settings=/tmp/s.ini shots=/tmp/p fresh=0 all=0";
        QTest::newRow("all screens, german")
            << QStringList{"--all-screens", "--language", "de"} << true << "tour= de " + user + " all=1";
        // Refused: the error names the culprit.
        const QList<QPair<QStringList, QString>> refused{
            {{"--language", "fr"}, "fr"}, {{"--colour"}, "colour"}, {{"extra"}, "extra"}, {{"--settings="}, "empty"}};
        for (const auto& [arguments, culprit] : refused)
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << true << "error: .*" + culprit + ".*";
    }

    void parsesOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(QString, expected);

        const ParsedOptions parsed = ParseOptions(QStringList{"orb-launcher-demo"} + arguments, display);
        const Options& options = parsed.options;
        const QString written =
            !parsed.error.isEmpty()
                ? "error: " + parsed.error
                : QStringLiteral("tour=%1 %2 settings=%3 shots=%4 fresh=%5 all=%6")
                      .arg(options.tourDir, options.language, options.settingsFile, options.screenshotsDir)
                      .arg(options.freshSettings)
                      .arg(options.allScreens);
        QVERIFY2(QRegularExpression("^" + expected + "$").match(written).hasMatch(), qPrintable(written));
        QVERIFY(!parsed.error.isEmpty() || options.libraryPath == DefaultLibraryPath());
        // The help names every default; it wraps long paths anywhere.
        const QString help = QString(parsed.helpText).remove(QRegularExpression(QStringLiteral("\\s")));
        for (const QString& fallback :
             {DefaultLibraryPath(), QDir::current().filePath(QStringLiteral("orb-launcher-tour")),
              QStringLiteral("default:en)")})
            QVERIFY2(help.contains(fallback), qPrintable(parsed.helpText));
    }

    void checksPaths_data()
    {
        QTest::addColumn<bool>("settingsFile");
        QTest::addColumn<QString>("path");
        // A part of the refusal besides the path; empty when the path is accepted.
        QTest::addColumn<QString>("mention");

        const QString blocker = PlainFile(temp, QStringLiteral("plain-file"));
        // Garbage QSettings cannot parse is no reason to give up: the file is written anew.
        const char garbage[] = "\0\xff no key [[[\n=\n[open\nkey\n";
        const QString none;
        QTest::newRow("settings is a folder") << true << temp.path() << QString("folder");
        QTest::newRow("settings in new folders") << true << temp.filePath("new/nested/demo.ini") << none;
        QTest::newRow("settings file exists") << true << blocker << none;
        QTest::newRow("settings file is garbage")
            << true << PlainFile(temp, "garbage.ini", QByteArray(garbage, sizeof(garbage) - 1)) << none;
        QTest::newRow("folder is a file") << false << blocker << QString("is a file");
        QTest::newRow("new folders") << false << temp.filePath("shots/today") << none;
    }

    void checksPaths()
    {
        QFETCH(bool, settingsFile);
        QFETCH(QString, path);
        QFETCH(QString, mention);

        const bool existed = QFileInfo::exists(path);
        const QString problem = settingsFile ? CheckSettingsFile(path) : PrepareWritableFolder(path, "screenshot");
        if (!mention.isEmpty())
        {
            QVERIFY2(problem.contains(path) && problem.contains(mention), qPrintable(problem));
            return;
        }
        QCOMPARE(problem, QString());
        QVERIFY(settingsFile || QDir(path).exists());
        if (!settingsFile)
            return;
        QVERIFY2(existed || QDir(QFileInfo(path).path()).isEmpty(), "the check leaves no probe file behind");
        {
            Zarvo::Host::IniApplicationSettingsManager settings(path);
            settings.SetInt("Orb/Sidebar/sidebar_ui_state", 1);
            QVERIFY(settings.Flush());
        }
        QCOMPARE(Zarvo::Host::IniApplicationSettingsManager(path).GetInt("Orb/Sidebar/sidebar_ui_state", 0), 1);
    }

    void loadsModuleLibrary_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("cause");

        QTest::newRow("module") << QStringLiteral(ORB_TEST_MODULE_LIBRARY) << true << "";
        QTest::newRow("missing") << temp.filePath(QStringLiteral("gone.so")) << false << "does not exist";
        QTest::newRow("folder") << temp.path() << false << "not a file";
        QTest::newRow("not a library") << PlainFile(temp, "not-a-library.so", "just text\n") << false << "Cannot load";
        QTest::newRow("library without the entry point")
            << QStringLiteral(ORB_TEST_HOST_LIBRARY) << false << ModuleLibrary::EntryPoint;
    }

    void loadsModuleLibrary()
    {
        QFETCH(QString, path);
        QFETCH(bool, loads);
        QFETCH(QString, cause);

        ModuleLibrary library;
        QCOMPARE(library.Load(path), loads);
        if (!loads)
        {
            QVERIFY2(library.Error().contains(path) && library.Error().contains(cause), qPrintable(library.Error()));
            Hypodermic::ContainerBuilder builder;
            QVERIFY_EXCEPTION_THROWN(library.Register(builder), std::logic_error);
        }
    }

    void switchesLanguage()
    {
        {
            Languages languages({QStringLiteral(ORB_TEST_TRANSLATIONS_DIR)});
            QVERIFY(languages.Switch(QStringLiteral("de")));
            QCOMPARE(languages.Missing(), QStringList());
            QCOMPARE(QCoreApplication::translate("Sidebar", "Close"), QStringLiteral("Schließen"));
            QCOMPARE(QCoreApplication::translate("OrbDemo::ControlWindow", "Activate"), QStringLiteral("Aktivieren"));

            QVERIFY(languages.Switch(QStringLiteral("en")));
            QCOMPARE(QCoreApplication::translate("Sidebar", "Close"), QStringLiteral("Close"));
            // English has a catalogue too: it gives the tooltip keys their words.
            QCOMPARE(QCoreApplication::translate("Sidebar", "Screenshotting tooltip"), QString("Take a screenshot"));
            QVERIFY(!languages.Switch(QStringLiteral("fr")));
            QCOMPARE(languages.Current(), QStringLiteral("en"));
            QCOMPARE(QCoreApplication::translate("Sidebar", "Screenshotting tooltip"), QString("Take a screenshot"));
        }
        // Gone with the switcher.
        QCOMPARE(QCoreApplication::translate("Sidebar", "Screenshotting tooltip"), QString("Screenshotting tooltip"));

        Languages nowhere({temp.filePath(QStringLiteral("no-catalogues"))});
        QVERIFY(nowhere.Switch(QStringLiteral("de")));
        QCOMPARE(nowhere.Missing(),
                 (QStringList{QStringLiteral("OrbModuleLauncher_de.qm"), QStringLiteral("orb-launcher-demo_de.qm")}));
        QCOMPARE(QCoreApplication::translate("Sidebar", "Close"), QStringLiteral("Close"));
    }

    void takesScreenshots()
    {
        // A translucent window with one opaque square, to see what composition keeps.
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setAttribute(Qt::WA_TranslucentBackground);
        window.setGeometry(100, 100, 60, 40);
        QLabel square(&window);
        square.setGeometry(0, 0, 20, 20);
        square.setStyleSheet(QStringLiteral("background: red"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString folder = temp.filePath(QStringLiteral("screens"));
        QVERIFY(QDir().mkpath(folder));
        DemoHost host(temp.filePath(QStringLiteral("screens.ini")), folder);
        QCOMPARE(host.Start(module), QString());
        host.Activate(false);
        QWidget* panel = host.Panel();
        QTRY_VERIFY(panel->isVisible());
        // Without the demo's style sheet the panel has no docked size; placed where the picture sees it.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        panel->move(500, 300);
        const QPoint panelCentre = panel->geometry().center();
        const QImage background = Snapshot::Background(screen);

        // Asked from a menu that closes only after its action ran.
        QMenu menu;
        menu.addAction(QStringLiteral("Take Screenshot"));
        menu.popup(QPoint(300, 200));
        QTRY_VERIFY(menu.isVisible());
        const QPoint menuCentre = menu.geometry().center();
        const QImage before = Snapshot::Compose(screen, Snapshot::VisibleWindows());
        QVERIFY(before.pixelColor(panelCentre) != background.pixelColor(panelCentre));
        QVERIFY(before.pixelColor(menuCentre) != background.pixelColor(menuCentre));
        QTimer::singleShot(400, &menu, &QMenu::hide);

        DemoHandler& handler = host.Handler();
        QSignalSpy messages(&handler, &DemoHandler::Message);
        QSignalSpy finished(&handler, &DemoHandler::ScreenshotFinished);
        handler.TakeScreenshot();
        // A second request while the first waits adds nothing.
        handler.TakeScreenshot();
        QVERIFY(finished.wait());
        QTRY_VERIFY(panel->isVisible());
        handler.TakeScreenshot();
        QVERIFY(finished.wait());

        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files).size(), 2);
        const QImage shot(finished.first().at(0).toString());
        QCOMPARE(shot.size(), screen.size());
        // The host's own window is there, its transparent part showing the background; the closed
        // menu and the launcher's panel are not.
        QCOMPARE(shot.pixelColor(105, 105), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(140, 125), background.pixelColor(140, 125));
        QCOMPARE(shot.pixelColor(menuCentre), background.pixelColor(menuCentre));
        QCOMPARE(shot.pixelColor(panelCentre), background.pixelColor(panelCentre));
        QVERIFY(messages.last().at(0).toString().contains(handler.LastScreenshot()));
        QCOMPARE(host.Shutdown(), QString());

        // A folder that cannot be made: nothing is saved, and the message names what is in the way.
        const QString blocker = PlainFile(temp, QStringLiteral("blocker"));
        DemoHandler blocked(blocker + QStringLiteral("/shots"));
        QSignalSpy warnings(&blocked, &DemoHandler::Message);
        QSignalSpy ended(&blocked, &DemoHandler::ScreenshotFinished);
        blocked.TakeScreenshot();
        QVERIFY(ended.wait());
        QCOMPARE(ended.at(0).at(0).toString(), QString());
        QCOMPARE(blocked.LastScreenshot(), QString());
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.at(0).at(0).toString().contains(blocker), qPrintable(warnings.at(0).at(0).toString()));
    }

    void controlWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("stored");
        // The action named when the combination is refused; empty when it is taken.
        QTest::addColumn<QString>("refusedFor");

        const int none = Qt::NoModifier;
        const int ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const QString taken, old = QStringLiteral("Ctrl+Shift+S");
        QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << none << old << taken;
        QTest::newRow("Backspace clears") << int(Qt::Key_Backspace) << none << QString() << taken;
        QTest::newRow("Delete clears") << int(Qt::Key_Delete) << none << QString() << taken;
        QTest::newRow("new combination") << int(Qt::Key_K) << ctrlAlt << QString("Ctrl+Alt+K") << taken;
        QTest::newRow("a feature's combination")
            << int(Qt::Key_A) << ctrlShift << old << QString("Start or stop audio recording");
        QTest::newRow("a preset's combination")
            << int(Qt::Key_1) << ctrlAlt << old << QString("Meeting: webcam and microphone");
    }

    // The control window follows the host and edits the screenshot hotkey: Esc cancels, Backspace
    // and Delete clear, a combination another action holds is refused naming that action.
    void controlWindow()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, stored);
        QFETCH(QString, refusedFor);

        DemoHost host(temp.filePath(QStringLiteral("edit-%1.ini").arg(QTest::currentDataTag())), temp.path());
        QCOMPARE(host.Start(module), QString());
        Languages languages({QStringLiteral(ORB_TEST_TRANSLATIONS_DIR)});
        {
            ControlWindow controls(host, languages);
            controls.show();
            // Everything stays reachable on a 640 x 480 screen, title bar included.
            const QSize hint = controls.minimumSizeHint();
            QVERIFY2(hint.width() <= 620 && hint.height() <= 440,
                     qPrintable(QStringLiteral("%1 x %2").arg(hint.width()).arg(hint.height())));
            auto* showPanel = controls.findChild<QPushButton*>(QStringLiteral("showPanelButton"));
            QVERIFY(!showPanel->isEnabled());
            host.Activate(true);
            QVERIFY(showPanel->isEnabled());
            host.Deactivate();
            QVERIFY(!showPanel->isEnabled());
            host.Feedback().SendFeedback(QStringLiteral("More colours"), QStringLiteral("RequestFeatureFromSidebar"));
            const QString log = controls.findChild<QPlainTextEdit*>(QStringLiteral("log"))->toPlainText();
            QVERIFY2(log.contains(QLatin1String("More colours")), qPrintable(log));
            // Without X11 nothing is grabbed, and the window says how the hotkeys work instead.
            QVERIFY(!host.HotkeyManager().IsSystemWide());
            QVERIFY(controls.findChild<QLabel*>(QStringLiteral("hotkeyScopeLabel"))->text().contains("only"));

            auto* edit = controls.findChild<QKeySequenceEdit*>(QStringLiteral("takeScreenshotEdit"));
            auto* message = controls.findChild<QLabel*>(QStringLiteral("hotkeyMessage"));
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(QString::fromStdString(host.Hotkeys().GetGlobalHotkeyTakeScreenshot()), stored);
            QCOMPARE(edit->keySequence().toString(QKeySequence::PortableText), stored);
            QCOMPARE(message->isVisible(), !refusedFor.isEmpty());
            QVERIFY2(message->text().contains(refusedFor), qPrintable(message->text()));
            QVERIFY(!edit->hasFocus());
        }
        QCOMPARE(host.Shutdown(), QString());
    }

    void recorderSaysWhatWentWrong_data()
    {
        QTest::addColumn<int>("kind");
        // What this run lacks; a killed ffmpeg records ffmpeg's generated picture.
        QTest::addColumn<QString>("lacking");
        // The call to the recorder and a part of the message.
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("mention");

        const int screen = int(Recorder::Kind::Screen);
        const int webcam = int(Recorder::Kind::Webcam);
        QTest::newRow("no ffmpeg") << screen << "ffmpeg"
                                   << "Recorder::Unavailable(screen)"
                                   << "ffmpeg is not installed";
        QTest::newRow("no X11") << screen << "display"
                                << "Recorder::Unavailable(screen)"
                                << "X11";
        QTest::newRow("no camera") << webcam << "camera"
                                   << "Recorder::Unavailable(webcam)"
                                   << "no camera";
        QTest::newRow("no audio server") << int(Recorder::Kind::Audio) << "audio"
                                         << "Recorder::Failed(audio)"
                                         << "orb-no-such-device";
        QTest::newRow("ffmpeg killed") << webcam << "killed"
                                       << "Recorder::Failed(webcam)"
                                       << "ended by itself";
    }

    void recorderSaysWhatWentWrong()
    {
        QFETCH(int, kind);
        QFETCH(QString, lacking);
        QFETCH(QString, call);
        QFETCH(QString, mention);

        Recorder::Sources sources;
        sources.ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        QVERIFY2(!sources.ffmpeg.isEmpty(), "ffmpeg is installed by tools/debian-packages.txt");
        if (lacking == QLatin1String("ffmpeg"))
            sources.ffmpeg = QStringLiteral("/nonexistent/ffmpeg");
        sources.x11Display = lacking == QLatin1String("display") ? QString() : QStringLiteral(":0");
        sources.camera = lacking == QLatin1String("camera") ? QString() : QStringLiteral("/dev/video0");
        sources.audioFormat = QStringLiteral("alsa");
        sources.audioDevice = QStringLiteral("orb-no-such-device");
        sources.generated = lacking == QLatin1String("killed");
        Recorder recorder(temp.filePath(QStringLiteral("recordings")), sources);
        QSignalSpy messages(&recorder, &Recorder::Message);
        QSignalSpy finished(&recorder, &Recorder::Finished);
        recorder.Toggle(Recorder::Kind(kind), QRect(0, 0, 640, 480));
        if (sources.generated)
        {
            QVERIFY(recorder.IsRecording());
            // ffmpeg is this process's only child.
            const auto child = []
            {
                QFile children(QStringLiteral("/proc/self/task/%1/children").arg(QCoreApplication::applicationPid()));
                return children.open(QIODevice::ReadOnly) ? children.readAll().trimmed().toLongLong() : 0;
            };
            QTRY_VERIFY(child() > 0);
            QCOMPARE(::kill(pid_t(child()), SIGKILL), 0);
            QVERIFY(finished.wait());
            QCOMPARE(finished.at(0).at(0).toString(), QString());
        }
        QTRY_VERIFY(!recorder.IsRecording());
        QTRY_VERIFY(Zarvo::Host::CallRecord::Calls().contains(call));
        QVERIFY2(!messages.isEmpty() && messages.last().at(0).toString().contains(mention),
                 qPrintable(messages.isEmpty() ? QString() : messages.last().at(0).toString()));
    }

private:
    QTemporaryDir temp;
    // The launcher's own library, loaded once.
    ModuleLibrary module;
};

QTEST_MAIN(tst_DemoUnits)
#include "tst_demounits.moc"
