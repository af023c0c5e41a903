#pragma once

#include <QString>
#include <QStringList>

namespace OrbDemo
{
// Exit codes of orb-launcher-demo.
enum ExitCode : int
{
    ExitOk = 0,
    ExitBadCommandLine = 1,
    ExitUnusablePath = 2,
    ExitModuleProblem = 3,
    ExitTourFailed = 4,
};

// What the command line asked for, with every default filled in.
struct Options
{
    QString libraryPath;
    QString settingsFile;
    QString screenshotsDir;
    QString recordingsDir;
    // ffmpeg's generated picture and tone instead of the camera and the microphone.
    bool generatedSources = false;
    // Empty: interactive run with the control window.
    QString tourDir;
    // "en" or "de".
    QString language;
    bool silent = false;
    // Screenshots show every screen, not only the one under the mouse pointer.
    bool allScreens = false;
    // The settings file is the tour's own and starts empty on every run.
    bool freshSettings = false;
};

struct ParsedOptions
{
    Options options;
    // Empty when the command line was fine.
    QString error;
    bool helpRequested = false;
    QString helpText;
};

// Parses arguments (the program name first). Without a display the tour runs into
// "orb-launcher-tour" under the current folder when --tour is not given. A tour keeps its
// settings and screenshots in its folder unless --settings or --screenshots say otherwise.
ParsedOptions ParseOptions(const QStringList& arguments, bool displayAvailable);

// Whether a windowing system is there to show windows on (X11 or Wayland).
bool DisplayAvailable();

// True when argv asks for the tour; read before QApplication exists, to pick the platform.
bool TourRequested(int argc, char** argv);

// Makes sure the settings file can be written: creates its folder when missing. Returns the
// problem naming the path and the cause, or an empty string.
QString CheckSettingsFile(const QString& filePath);

// Makes sure screenshots can be written into folder: creates it when missing. Returns the
// problem naming the path and the cause, or an empty string.
QString PrepareWritableFolder(const QString& folder, const QString& what);

// The module library next to the build, or installed beside the demo's bin folder.
QString DefaultLibraryPath();
} // namespace OrbDemo
