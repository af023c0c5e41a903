#include "ControlWindow.h"
#include "DemoHandler.h"
#include "DemoHost.h"
#include "DemoOptions.h"
#include "Languages.h"
#include "ModuleLibrary.h"
#include "QuitSignals.h"
#include "Recorder.h"
#include "Tour.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>

namespace
{
void Report(const QString& message)
{
    std::fprintf(stderr, "orb-launcher-demo: %s\n", qUtf8Printable(message));
}

QString LoadStyleSheet()
{
    QFile file(QStringLiteral(":/orb-launcher.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

int main(int argc, char** argv)
{
    using namespace OrbDemo;

    const bool display = DisplayAvailable();
    // The tour draws its pictures off screen, the same on every machine.
    if ((!display || TourRequested(argc, argv)) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QuitOnTerminationSignals(app);
    QApplication::setApplicationName(QStringLiteral("orb-launcher-demo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    const ParsedOptions parsed = ParseOptions(QApplication::arguments(), display);
    if (parsed.helpRequested)
    {
        std::fputs(qUtf8Printable(parsed.helpText), stdout);
        return ExitOk;
    }
    if (!parsed.error.isEmpty())
    {
        Report(parsed.error);
        Report(QApplication::translate("main", "Try --help."));
        return ExitBadCommandLine;
    }
    const Options& options = parsed.options;

    Languages languages(Languages::DefaultFolders());
    languages.Switch(options.language);
    for (const QString& missing : languages.Missing())
    {
        Report(QApplication::translate("main", "Catalogue %1 not found; texts stay untranslated.").arg(missing));
    }

    QString problem = CheckSettingsFile(options.settingsFile);
    if (problem.isEmpty())
    {
        problem = PrepareWritableFolder(options.screenshotsDir, QApplication::translate("main", "screenshot"));
    }
    if (problem.isEmpty() && !options.tourDir.isEmpty())
    {
        problem = PrepareWritableFolder(options.tourDir, QApplication::translate("main", "tour"));
    }
    // The tour never records: its pictures must not depend on this machine's devices.
    if (problem.isEmpty() && options.tourDir.isEmpty())
    {
        problem = PrepareWritableFolder(options.recordingsDir, QApplication::translate("main", "recordings"));
    }
    if (!problem.isEmpty())
    {
        Report(problem);
        return ExitUnusablePath;
    }
    if (options.freshSettings)
    {
        QFile::remove(options.settingsFile);
    }

    ModuleLibrary library;
    if (!library.Load(options.libraryPath))
    {
        Report(library.Error());
        return ExitModuleProblem;
    }

    // The host owns the look: its style sheet must be in force before the panel polishes.
    app.setStyleSheet(LoadStyleSheet());

    DemoHost host(options.settingsFile, options.screenshotsDir);
    host.Handler().SetAllScreens(options.allScreens);
    if (options.tourDir.isEmpty())
    {
        Recorder::Sources sources = Recorder::Sources::Detect();
        sources.generated = options.generatedSources;
        host.Handler().EnableRecording(options.recordingsDir, sources);
    }
    problem = host.Start(library);
    if (!problem.isEmpty())
    {
        Report(problem);
        return ExitModuleProblem;
    }

    int result = ExitOk;
    if (!options.tourDir.isEmpty())
    {
        Tour tour(host, languages, options.tourDir);
        const bool passed = tour.Run();
        std::printf("%s\n", qUtf8Printable(QApplication::translate("main", "Tour: %1 pictures and the log %2")
                                               .arg(tour.Pictures().size())
                                               .arg(tour.LogPath())));
        if (!passed)
        {
            Report(QApplication::translate("main", "The tour failed; see %1.").arg(tour.LogPath()));
            result = ExitTourFailed;
        }
    }
    else
    {
        ControlWindow controls(host, languages);
        QObject::connect(&host.Handler(), &DemoHandler::QuitRequested, &app, &QApplication::quit);
        QObject::connect(&controls, &ControlWindow::Closed, &app, &QApplication::quit);
        controls.show();
        host.Activate(options.silent);
        result = app.exec();
    }

    problem = host.Shutdown();
    if (!problem.isEmpty())
    {
        Report(problem);
        return result == ExitOk ? ExitUnusablePath : result;
    }
    return result;
}
