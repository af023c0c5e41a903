#include "DemoOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstring>

namespace OrbDemo
{
namespace
{
const QString TourDirName = QStringLiteral("orb-launcher-tour");
const QString TourSettingsName = QStringLiteral("tour-settings.ini");
const QString TourScreenshotsName = QStringLiteral("screenshots");

QString DefaultSettingsFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
    {
        folder = QDir::homePath() + QStringLiteral("/.config/orb-launcher-demo");
    }
    return QDir(folder).filePath(QStringLiteral("orb-launcher-demo.ini"));
}

QString DefaultRecordingsDir()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return videos.isEmpty() ? QDir::homePath() : videos;
}

QString DefaultScreenshotsDir()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

// Creating and removing a file is the only test that also holds for root and read-only mounts.
QString ProbeWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orb-launcher-demo-XXXXXX")));
    if (!probe.open())
    {
        return probe.errorString();
    }
    return QString();
}
} // namespace

ParsedOptions ParseOptions(const QStringList& arguments, bool displayAvailable)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "DemoOptions", "Host application around the launcher module: loads it, shows its panel and menus, and "
                       "offers controls to drive it. Without a display it tours every edge, state and dialog and "
                       "writes pictures."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("DemoOptions", "Shows this help."));
    const QCommandLineOption library(
        QStringLiteral("library"),
        QCoreApplication::translate("DemoOptions", "Module library to load (default: %1).").arg(DefaultLibraryPath()),
        QStringLiteral("PATH"), DefaultLibraryPath());
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QCoreApplication::translate("DemoOptions",
                                    "Settings file (INI; default: %1, or a fresh %2 in the tour's folder).")
            .arg(DefaultSettingsFile(), TourSettingsName),
        QStringLiteral("FILE"), DefaultSettingsFile());
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QCoreApplication::translate("DemoOptions", "Folder for screenshots (default: %1, or %2 in the tour's folder).")
            .arg(DefaultScreenshotsDir(), TourScreenshotsName),
        QStringLiteral("DIR"), DefaultScreenshotsDir());
    const QCommandLineOption tour(
        QStringLiteral("tour"),
        QCoreApplication::translate("DemoOptions", "Tour every edge, state and dialog, write pictures and a log into "
                                                   "DIR, then quit (default without a display: %1).")
            .arg(QDir::current().filePath(TourDirName)),
        QStringLiteral("DIR"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("DemoOptions", "Language at start: en or de (default: en)."),
        QStringLiteral("LANG"), QStringLiteral("en"));
    const QCommandLineOption silent(QStringLiteral("silent"),
                                    QCoreApplication::translate("DemoOptions", "Activate without showing the panel."));
    const QCommandLineOption recordings(
        QStringLiteral("recordings"),
        QCoreApplication::translate("DemoOptions", "Folder for recordings (default: %1).").arg(DefaultRecordingsDir()),
        QStringLiteral("DIR"), DefaultRecordingsDir());
    // For tests on machines without a camera or a microphone.
    QCommandLineOption generatedSources(QStringLiteral("generated-sources"));
    generatedSources.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption allScreens(
        QStringLiteral("all-screens"),
        QCoreApplication::translate("DemoOptions",
                                    "Screenshots show every screen (default: the screen under the mouse pointer)."));
    parser.addOptions(
        {help, library, settings, screenshots, recordings, tour, language, silent, allScreens, generatedSources});

    ParsedOptions result;
    result.helpText = parser.helpText();
    if (!parser.parse(arguments))
    {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help))
    {
        result.helpRequested = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
    {
        result.error = QCoreApplication::translate("DemoOptions", "Unexpected argument: %1")
                           .arg(parser.positionalArguments().first());
        return result;
    }

    Options& options = result.options;
    options.libraryPath = parser.value(library);
    options.settingsFile = parser.value(settings);
    options.screenshotsDir = parser.value(screenshots);
    options.language = parser.value(language);
    options.silent = parser.isSet(silent);
    options.allScreens = parser.isSet(allScreens);
    options.recordingsDir = parser.value(recordings);
    options.generatedSources = parser.isSet(generatedSources);
    if (parser.isSet(tour))
    {
        options.tourDir = parser.value(tour);
    }
    else if (!displayAvailable)
    {
        options.tourDir = QDir::current().filePath(TourDirName);
    }
    // A tour leaves the user's own settings and pictures alone, and starts the same every time.
    if (!options.tourDir.isEmpty() && !parser.isSet(settings))
    {
        options.settingsFile = QDir(options.tourDir).filePath(TourSettingsName);
        options.freshSettings = true;
    }
    if (!options.tourDir.isEmpty() && !parser.isSet(screenshots))
    {
        options.screenshotsDir = QDir(options.tourDir).filePath(TourScreenshotsName);
    }

    if (options.language != QLatin1String("en") && options.language != QLatin1String("de"))
    {
        result.error =
            QCoreApplication::translate("DemoOptions", "Unknown language \"%1\": use en or de.").arg(options.language);
    }
    else if (options.libraryPath.isEmpty() || options.settingsFile.isEmpty() || options.screenshotsDir.isEmpty() ||
             options.recordingsDir.isEmpty() || (parser.isSet(tour) && options.tourDir.isEmpty()))
    {
        result.error = QCoreApplication::translate("DemoOptions", "Paths given on the command line must not be empty.");
    }
    return result;
}

bool DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool TourRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--tour") == 0 || std::strncmp(argv[i], "--tour=", 7) == 0)
        {
            return true;
        }
    }
    return false;
}

QString CheckSettingsFile(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (file.isDir())
    {
        return QCoreApplication::translate("DemoOptions", "Settings file %1 is a folder.").arg(filePath);
    }
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder))
    {
        return QCoreApplication::translate("DemoOptions",
                                           "Cannot use settings file %1: its folder %2 cannot be created.")
            .arg(filePath, folder);
    }
    if (file.exists())
    {
        QFile probe(filePath);
        if (!probe.open(QIODevice::ReadWrite))
        {
            return QCoreApplication::translate("DemoOptions", "Cannot write settings file %1: %2.")
                .arg(filePath, probe.errorString());
        }
        return QString();
    }
    const QString problem = ProbeWritable(folder);
    if (!problem.isEmpty())
    {
        return QCoreApplication::translate("DemoOptions", "Cannot create settings file %1: %2.").arg(filePath, problem);
    }
    return QString();
}

QString PrepareWritableFolder(const QString& folder, const QString& what)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
    {
        return QCoreApplication::translate("DemoOptions", "The %1 folder %2 is a file.").arg(what, folder);
    }
    if (!QDir().mkpath(folder))
    {
        return QCoreApplication::translate("DemoOptions", "The %1 folder %2 cannot be created.").arg(what, folder);
    }
    const QString problem = ProbeWritable(folder);
    if (!problem.isEmpty())
    {
        return QCoreApplication::translate("DemoOptions", "The %1 folder %2 is not writable: %3.")
            .arg(what, folder, problem);
    }
    return QString();
}

QString DefaultLibraryPath()
{
    const QString built = QStringLiteral(ORB_DEMO_DEFAULT_LIBRARY);
    if (QFileInfo::exists(built) || !QCoreApplication::instance())
    {
        return built;
    }
    const QString installed =
        QDir(QCoreApplication::applicationDirPath())
            .filePath(
                QStringLiteral("../%1/%2").arg(QStringLiteral(ORB_DEMO_LIBRARY_DIR), QFileInfo(built).fileName()));
    return QFileInfo::exists(installed) ? QDir::cleanPath(installed) : built;
}
} // namespace OrbDemo
