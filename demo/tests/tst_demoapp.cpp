// orb-launcher-demo as a user runs it: bad input ends with a clear message and its exit code;
// the tour writes a real picture of every sight; the next start restores the panel.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace
{
struct Run
{
    int exitCode = -1;
    QString output;
};

Run RunDemo(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(ORB_TEST_DEMO), arguments);
    if (!process.waitForFinished(5 * 60 * 1000))
    {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAll())};
}

QStringList LogLines(const QString& logPath)
{
    QFile log(logPath);
    return log.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'))
                                                           : QStringList{QStringLiteral("<no log>")};
}

// A run without a display whose $HOME is a folder of the test's own, to see that it stays empty.
QProcessEnvironment NoDisplay(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

// Pixels as dark as the launcher's windows; the desktop behind them is much lighter.
int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
    return dark;
}
} // namespace

class tst_DemoApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        // Not a folder, not a library.
        QVERIFY(QFile(Path(QStringLiteral("plain-file"))).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(Path(QStringLiteral("home"))));
        firstTour = RunDemo({QStringLiteral("--tour"), Path(QStringLiteral("tour1"))}, NoDisplay(Path("home")));
    }

    void rejectsBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("mentions");
        // One row per check the program makes; the paths each check accepts are the units test's.
        const QString blocker = Path(QStringLiteral("plain-file"));
        const QString missing = Path(QStringLiteral("missing/libOrbModuleLauncher.so"));
        QTest::newRow("unknown option") << QStringList{"--colour"} << 1 << QStringList{"colour", "--help"};
        QTest::newRow("settings under a file") << QStringList{"--settings", blocker + "/demo.ini", "--tour", Path("t1")}
                                               << 2 << QStringList{blocker + "/demo.ini", "cannot be created"};
        QTest::newRow("screenshots under a file")
            << QStringList{"--settings", Path("s.ini"), "--screenshots", blocker + "/shots", "--tour", Path("t3")} << 2
            << QStringList{blocker + "/shots", "cannot be created"};
        QTest::newRow("missing library") << QStringList{"--settings", Path("s.ini"), "--tour",
                                                        Path("t4"),   "--library",   missing}
                                         << 3 << QStringList{missing, "does not exist"};
    }

    void rejectsBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, mentions);

        const Run run = RunDemo(arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.output)));
        for (const QString& mention : mentions)
            QVERIFY2(run.output.contains(mention), qPrintable(run.output));
        QVERIFY2(!run.output.contains(QLatin1String("Tour:")), "nothing ran");
    }

    void tourPicturesEverySight_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("minimumDark");
        // A compacted panel is a 22 x 110 tail; dialogs are a few hundred pixels each way.
        QMap<QString, int> sights{
            {"panel-right-additional", 8000}, {"menu-tray", 30000}, {"menu-tray-de", 30000}, {"menu-capture", 20000}};
        for (const QString edge : {"right", "left", "top", "bottom"})
        {
            sights.insert("panel-" + edge + "-maximized", 8000);
            sights.insert("panel-" + edge + "-compacted", 1500);
        }
        for (const QString dialog : {"dialog-customization", "dialog-customization-selected", "feature-request-empty",
                                     "feature-request", "thank-you"})
        {
            sights.insert(dialog, 50000);
            sights.insert(dialog + "-de", 50000);
        }
        for (auto sight = sights.cbegin(); sight != sights.cend(); ++sight)
            QTest::newRow(qPrintable(sight.key())) << sight.key() + ".png" << sight.value();
    }

    void tourPicturesEverySight()
    {
        QFETCH(QString, picture);
        QFETCH(int, minimumDark);

        QVERIFY2(firstTour.exitCode == 0, qPrintable(firstTour.output));
        const QImage image(QDir(Path(QStringLiteral("tour1"))).filePath(picture));
        QVERIFY2(!image.isNull(), qPrintable(picture));
        const int dark = DarkPixels(image);
        QVERIFY2(dark >= minimumDark, qPrintable(QStringLiteral("%1 has %2 dark pixels").arg(picture).arg(dark)));
        // Not all dark either: the window stands on the desktop.
        QVERIFY(dark < image.width() * image.height() * 9 / 10);
    }

    void restartRestoresPanel()
    {
        QVERIFY2(firstTour.exitCode == 0, qPrintable(firstTour.output));
        const QStringList log = LogLines(Path(QStringLiteral("tour1/tour.log")));
        QCOMPARE(log.filter(QRegularExpression(QStringLiteral("^(restored|final): "))),
                 (QStringList{"restored: edge=Right state=Maximized additional=none",
                              "final: edge=Left state=Compacted additional=audioCapturing"}));
        // The tour did reach the host, not only the panel.
        QCOMPARE(log.count(QStringLiteral("call: FeedbackController::SendFeedback(RequestFeatureFromSidebar)")), 2);
        QVERIFY(log.count(QStringLiteral("call: Handler::TakeScreenshot")) >= 2);
        QCOMPARE(log.count(QStringLiteral("call: Preset::Start(Meeting: webcam and microphone)")), 1);

        // Started on the first tour's settings (a file of its own: the tour empties its own one).
        QVERIFY(QFile::copy(Path(QStringLiteral("tour1/tour-settings.ini")), Path(QStringLiteral("demo.ini"))));
        const Run second =
            RunDemo({QStringLiteral("--tour"), Path(QStringLiteral("tour2")), QStringLiteral("--settings"),
                     Path(QStringLiteral("demo.ini")), QStringLiteral("--screenshots"), Path(QStringLiteral("shots"))});
        QVERIFY2(second.exitCode == 0, qPrintable(second.output));
        QCOMPARE(
            LogLines(Path(QStringLiteral("tour2/tour.log"))).filter(QRegularExpression(QStringLiteral("^restored: "))),
            QStringList{"restored: edge=Left state=Compacted additional=audioCapturing"});
        QVERIFY(!QDir(Path(QStringLiteral("shots"))).entryList({QStringLiteral("*.png")}).isEmpty());
    }

    void toursLeaveUserFilesAlone()
    {
        QVERIFY2(firstTour.exitCode == 0, qPrintable(firstTour.output));
        const QStringList tours{Path(QStringLiteral("tour1")), Path(QStringLiteral("same"))};
        const Run run = RunDemo({QStringLiteral("--tour"), tours[1]}, NoDisplay(Path(QStringLiteral("home"))));
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        for (const QString& tour : tours)
        {
            QVERIFY(QFile::exists(tour + QStringLiteral("/tour-settings.ini")));
            QVERIFY(!QDir(tour + QStringLiteral("/screenshots")).entryList({QStringLiteral("*.png")}).isEmpty());
        }
        QCOMPARE(QDir(Path(QStringLiteral("home"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());

        // Two tours are pixel-identical.
        const QStringList pictures = QDir(tours[0]).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
        QVERIFY(pictures.size() > 20);
        QCOMPARE(QDir(tours[1]).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name), pictures);
        for (const QString& picture : pictures)
            QVERIFY2(QImage(QDir(tours[0]).filePath(picture)) == QImage(QDir(tours[1]).filePath(picture)),
                     qPrintable(picture));
    }

    void quitsCleanlyOnSignals_data()
    {
        QTest::addColumn<bool>("interrupt");
        QTest::newRow("SIGTERM") << false;
        QTest::newRow("SIGINT") << true;
    }

    void quitsCleanlyOnSignals()
    {
        QFETCH(bool, interrupt);
        const QString settings = Path(QStringLiteral("signal-%1.ini").arg(interrupt));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Any display variable makes an interactive run; offscreen draws it.
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("orb-test"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(ORB_TEST_DEMO),
                      {QStringLiteral("--settings"), settings, QStringLiteral("--screenshots"),
                       Path(QStringLiteral("signal-shots"))});
        QVERIFY(process.waitForStarted());
        // The settings file appears once the event loop runs, with the presets' hotkeys.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settings), 30000);
        ::kill(static_cast<pid_t>(process.processId()), interrupt ? SIGINT : SIGTERM);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, process.readAll().constData());
        QVERIFY(QSettings(settings, QSettings::IniFormat).allKeys().join(' ').contains("sidebar_position"));
    }

private:
    QString Path(const QString& name) const { return temp.filePath(name); }

    QTemporaryDir temp;
    Run firstTour;
};

QTEST_GUILESS_MAIN(tst_DemoApp)
#include "tst_demoapp.moc"
