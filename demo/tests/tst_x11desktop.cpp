// The demo host on a real X11 display (Xvfb): hotkeys pressed anywhere reach the handler, a
// combination another program holds is reported, the panel stays docked when the screen
// changes size, the tray icon comes with a tray started later, the screen, audio and webcam are
// recorded into files that play, and translucent windows are masked exactly while no
// compositing manager runs.
#include "ControlWindow.h"
#include "DemoHandler.h"
#include "DemoHost.h"
#include "HotkeyBinder.h"
#include "Languages.h"
#include "ModuleLibrary.h"
#include "Recorder.h"

#include "CallRecord/CallRecord.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/WindowUtil.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QVector>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <initializer_list>
#include <optional>

using namespace OrbDemo;

namespace
{
constexpr xcb_keysym_t ControlL = 0xffe3;
constexpr xcb_keysym_t ShiftL = 0xffe1;
constexpr xcb_keysym_t AltL = 0xffe9;

// A second client of the display: another program, or the user's keyboard through XTest.
class OtherClient
{
public:
    OtherClient()
        : connection(xcb_connect(nullptr, nullptr))
        , symbols(xcb_key_symbols_alloc(connection))
        , root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
    {
    }

    ~OtherClient()
    {
        xcb_key_symbols_free(symbols);
        xcb_disconnect(connection);
    }

    xcb_keycode_t Keycode(xcb_keysym_t keysym) const
    {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        return code;
    }

    // Presses the keys in order and lets them go, as fingers would.
    void Type(std::initializer_list<xcb_keysym_t> keys)
    {
        for (const uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE})
            for (const xcb_keysym_t key : keys)
                xcb_test_fake_input(connection, type, Keycode(key), XCB_CURRENT_TIME, root, 0, 0, 0);
        Sync();
    }

    void GrabKey(uint16_t modifiers, xcb_keysym_t key)
    {
        xcb_grab_key(connection, 1, root, modifiers, Keycode(key), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        Sync();
    }

    // Takes a selection, as a compositing manager (_NET_WM_CM_S0) or a tray (_NET_SYSTEM_TRAY_S0)
    // does when it starts.
    void Own(const QByteArray& selection)
    {
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, selection.size(), selection.constData()), nullptr);
        xcb_set_selection_owner(connection, root, atom->atom, XCB_CURRENT_TIME);
        std::free(atom);
        Sync();
    }

private:
    // A round trip: the server has handled everything sent before.
    void Sync() { std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr)); }

    xcb_connection_t* connection;
    xcb_key_symbols_t* symbols;
    xcb_window_t root;
};

// What the program wrote, or nothing if it failed.
std::optional<QByteArray> Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// What ffprobe says of the file's first stream (codec_name, width, height) and its duration.
QJsonObject Probe(const QString& file)
{
    const QJsonObject all =
        QJsonDocument::fromJson(Run("ffprobe", {"-v", "error", "-show_entries",
                                                "format=duration:stream=codec_name,width,height", "-of", "json", file})
                                    .value_or(QByteArray()))
            .object();
    QJsonObject stream = all.value("streams").toArray().first().toObject();
    stream.insert("duration", all.value("format").toObject().value("duration"));
    return stream;
}

int Count(const QString& call)
{
    return Zarvo::Host::CallRecord::Calls().count(call);
}

} // namespace

class tst_X11Desktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(library.Load(QStringLiteral(ORB_TEST_MODULE_LIBRARY)), qPrintable(library.Error()));
    }

    void init() { Zarvo::Host::CallRecord::Clear(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Keys typed through XTest while no window of the demo has focus reach the handler; the control
    // window's editor still gets the combinations the demo grabbed, to refuse them there.
    void hotkeysPressedAnywhereReachTheHandler()
    {
        OtherClient keyboard;
        DemoHost host(temp.filePath(QStringLiteral("keys.ini")), temp.filePath(QStringLiteral("shots")));
        QCOMPARE(host.Start(library), QString());
        host.Activate(true);
        QVERIFY(host.HotkeyManager().IsSystemWide());
        keyboard.Type({ControlL, ShiftL, 's'});
        QTRY_COMPARE(Count(QStringLiteral("Handler::TakeScreenshot")), 1);
        keyboard.Type({ControlL, ShiftL, 'r'});
        QTRY_COMPARE(Count(QStringLiteral("Handler::StartRecord")), 1);

        // A changed hotkey lets the old combination go and grabs the new one; disabled, it holds nothing.
        host.Hotkeys().SetGlobalHotkeyStartStopCapture("Ctrl+Alt+K");
        keyboard.Type({ControlL, ShiftL, 'r'});
        keyboard.Type({ControlL, AltL, 'k'});
        QTRY_COMPARE(Count(QStringLiteral("Handler::StartRecord")), 2);
        host.Hotkeys().SetHotkeysEnabled(false);
        keyboard.Type({ControlL, AltL, 'k'});
        host.Hotkeys().SetHotkeysEnabled(true);
        keyboard.Type({ControlL, AltL, 'k'});
        // Typed last, it arrives last: no other press is still on its way.
        keyboard.Type({ControlL, ShiftL, 's'});
        QTRY_COMPARE(Count(QStringLiteral("Handler::TakeScreenshot")), 2);
        QCOMPARE(Count(QStringLiteral("Handler::StartRecord")), 3);

        Languages languages({QStringLiteral(ORB_TEST_TRANSLATIONS_DIR)});
        {
            ControlWindow controls(host, languages);
            controls.show();
            QVERIFY(QTest::qWaitForWindowExposed(&controls));
            controls.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&controls));
            auto* edit = controls.findChild<QWidget*>(QStringLiteral("takeScreenshotEdit"));
            auto* message = controls.findChild<QLabel*>(QStringLiteral("hotkeyMessage"));
            edit->setFocus();
            QTRY_VERIFY(edit->hasFocus());
            keyboard.Type({ControlL, ShiftL, 'a'});
            QTRY_VERIFY(message->isVisible());
            QVERIFY2(message->text().contains("Start or stop audio recording"), qPrintable(message->text()));
            QCOMPARE(Count(QStringLiteral("Handler::StartAudioRecord")), 0);
            // The editor done, the combination is global again.
            QVERIFY(!edit->hasFocus());
            keyboard.Type({ControlL, ShiftL, 'a'});
            QTRY_COMPARE(Count(QStringLiteral("Handler::StartAudioRecord")), 1);
        }
        host.Shutdown();
    }

    // Another program holds the full-screen preset's Ctrl+Alt+2, and starts a tray after the demo.
    void startsBesideOtherPrograms()
    {
        OtherClient other;
        other.GrabKey(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, '2');
        DemoHost host(temp.filePath(QStringLiteral("taken.ini")), temp.filePath(QStringLiteral("shots")));
        QCOMPARE(host.Start(library), QString());
        HotkeyBinder* binder = host.Binder();
        QCOMPARE(binder->StatusOf(QStringLiteral("presetFullScreen")), HotkeyBinder::Binding::Taken);
        QCOMPARE(binder->StatusOf(QStringLiteral("presetMeeting")), HotkeyBinder::Binding::Bound);
        Languages languages({QStringLiteral(ORB_TEST_TRANSLATIONS_DIR)});
        {
            ControlWindow controls(host, languages);
            const QString log = controls.findChild<QPlainTextEdit*>(QStringLiteral("log"))->toPlainText();
            QVERIFY2(log.contains("held by another program") && log.contains("presetFullScreen"), qPrintable(log));
        }
        // One of our own ids cannot take what another id holds either.
        host.Hotkeys().SetHotkeyForFastPreset("presetTutorial", "Ctrl+Alt+1");
        QCOMPARE(binder->StatusOf(QStringLiteral("presetTutorial")), HotkeyBinder::Binding::Taken);
        host.Hotkeys().SetHotkeyForFastPreset("presetFullScreen", "Ctrl+Alt+8");
        QCOMPARE(binder->StatusOf(QStringLiteral("presetFullScreen")), HotkeyBinder::Binding::Bound);

        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QVERIFY(!host.TrayIcon().GetSystemTrayIcon());
        other.Own("_NET_SYSTEM_TRAY_S0");
        QTRY_VERIFY_WITH_TIMEOUT(host.TrayIcon().GetSystemTrayIcon(), 10000);
        QCOMPARE(host.TrayIcon().GetSystemTrayIcon()->toolTip(), QStringLiteral("Orb launcher demo"));
        QCOMPARE(host.TrayIcon().GetSystemTrayIcon()->contextMenu(), host.TrayMenu());
        host.Shutdown();
    }

    void redocksWhenTheScreenChanges()
    {
        QFile style(QStringLiteral(":/orb-launcher.qss"));
        QVERIFY(style.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
        DemoHost host(temp.filePath(QStringLiteral("screens.ini")), temp.filePath(QStringLiteral("shots")));
        QCOMPARE(host.Start(library), QString());
        host.Activate(false);
        QWidget* panel = host.Panel();
        QScreen* screen = QGuiApplication::primaryScreen();
        QTRY_COMPARE(panel->geometry().right(), screen->geometry().right());

        // Smaller, as a laptop on its own display after a projector: the panel follows the edge.
        QVERIFY(Run("xrandr", {"--newmode", "1024x640", "0", "1024", "0", "0", "0", "640", "0", "0", "0"}));
        QVERIFY(Run("xrandr", {"--addmode", "screen", "1024x640"}));
        QVERIFY(Run("xrandr", {"--output", "screen", "--mode", "1024x640", "--fb", "1024x640"}));
        QTRY_COMPARE(screen->geometry().width(), 1024);
        QTRY_COMPARE(panel->geometry().right(), 1023);
        QVERIFY(screen->geometry().contains(panel->geometry()));

        // Larger again: docked, not left floating in the middle.
        QVERIFY(Run("xrandr", {"--output", "screen", "--mode", "1280x800", "--fb", "1280x800"}));
        QTRY_COMPARE(screen->geometry().width(), 1280);
        QTRY_COMPARE(panel->geometry().right(), 1279);
        host.Shutdown();
        qApp->setStyleSheet(QString());
    }

    void recordsScreenAudioAndWebcam_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<QSize>("size");
        // The one that asks in between and is refused.
        QTest::addColumn<int>("other");
        QTest::newRow("screen") << int(Recorder::Kind::Screen) << "h264" << QSize(1280, 800)
                                << int(Recorder::Kind::Audio);
        // ffmpeg's generated tone and picture stand in for the microphone and the camera.
        QTest::newRow("audio") << int(Recorder::Kind::Audio) << "mp3" << QSize() << int(Recorder::Kind::Webcam);
        QTest::newRow("webcam") << int(Recorder::Kind::Webcam) << "h264" << QSize(320, 240)
                                << int(Recorder::Kind::Screen);
    }

    void recordsScreenAudioAndWebcam()
    {
        QFETCH(int, kind);
        QFETCH(QString, codec);
        QFETCH(QSize, size);
        QFETCH(int, other);

        DemoHost host(temp.filePath(QStringLiteral("record.ini")), temp.filePath(QStringLiteral("shots")));
        Recorder::Sources sources = Recorder::Sources::Detect();
        sources.generated = true;
        host.Handler().EnableRecording(temp.filePath(QStringLiteral("recordings")), sources);
        QCOMPARE(host.Start(library), QString());
        host.Activate(true);
        Recorder* recorder = host.Handler().GetRecorder();
        QSignalSpy finished(recorder, &Recorder::Finished);
        // In the order of Recorder::Kind.
        const QVector<void (DemoHandler::*)()> start{&DemoHandler::StartRecord, &DemoHandler::StartAudioRecord,
                                                     &DemoHandler::StartWebCameraRecord};
        (host.Handler().*start.at(kind))();
        QVERIFY(recorder->IsRecording());
        QTRY_VERIFY(host.RecordingStatus().startsWith(
            QStringLiteral("Recording %1 ").arg(Recorder::KindName(Recorder::Kind(kind)))));
        (host.Handler().*start.at(other))();
        QVERIFY(Zarvo::Host::CallRecord::Calls().contains(
            QStringLiteral("Recorder::Refused(%1)").arg(Recorder::KindId(Recorder::Kind(other)))));
        QTRY_VERIFY_WITH_TIMEOUT(recorder->ElapsedMs() >= 1200, 5000);
        // The same button or hotkey stops it.
        (host.Handler().*start.at(kind))();
        QCOMPARE(finished.size(), 1);
        const QString file = finished.at(0).at(0).toString();
        QCOMPARE(host.RecordingStatus(), QString());

        const QJsonObject probe = Probe(file);
        QCOMPARE(probe.value("codec_name").toString(), codec);
        QVERIFY2(probe.value("duration").toString().toDouble() >= 0.8, qPrintable(probe.value("duration").toString()));
        QCOMPARE(QSize(probe.value("width").toInt(-1), probe.value("height").toInt(-1)), size);
        host.Shutdown();
    }

    // Regressions: the host masks every translucent window, also one that attached no helper (the
    // customization dialog drew black square corners), and the mask follows repaints (a panel
    // dragged to the opposite edge kept the old edge's mask, cutting off its close button).
    void masksTranslucentWindowsWithoutCompositor()
    {
        Zarvo::Orb::UI::Util::MaskTranslucentWindows();
        // Rounded and translucent, as the launcher's panel and dialogs are.
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setAttribute(Qt::WA_TranslucentBackground);
        window.resize(120, 80);
        QLabel shape(&window);
        shape.setGeometry(0, 0, 80, 80);
        shape.setStyleSheet(QStringLiteral("background: darkgray; border-radius: 12px"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Bare Xvfb composites nothing: the transparent parts are cut away.
        QTRY_VERIFY(window.mask().contains(QPoint(40, 40)));
        QVERIFY(!window.mask().contains(QPoint(100, 40)));
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QCOMPARE(window.findChildren<QObject*>(QStringLiteral("AutoMaskHelper")).size(), 1);

        // As the panel does on the opposite edge: a new shape, no resize.
        shape.move(40, 0);
        QTRY_VERIFY(window.mask().contains(QPoint(100, 40)));
        QVERIFY(!window.mask().contains(QPoint(10, 40)));

        {
            OtherClient compositor;
            compositor.Own("_NET_WM_CM_S0");
            QTRY_VERIFY(window.mask().isEmpty());
        }
        // Its connection gone, the compositor's selection is free again.
        QTRY_VERIFY(window.mask().contains(QPoint(100, 40)));
    }

private:
    QTemporaryDir temp;
    ModuleLibrary library;
};

QTEST_MAIN(tst_X11Desktop)
#include "tst_x11desktop.moc"
