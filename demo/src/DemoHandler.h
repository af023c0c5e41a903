#pragma once

#include "Module/Launcher/IHandler.h"
#include "Recorder.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;

namespace OrbDemo
{
// The host's side of every launcher feature, action and hotkey. Taking a screenshot really
// saves a picture of the screen under the mouse pointer (or of all screens), once the menu
// that asked for it has closed and without the launcher's own windows; recordings, the
// library and the scheduler are this demo's stand-ins and only report that they were asked for.
class DemoHandler : public QObject, public Zarvo::Orb::Module::Launcher::IHandler
{
    Q_OBJECT
public:
    explicit DemoHandler(const QString& screenshotsDir, QObject* parent = nullptr);

    void Quit() override;
    void StartAudioRecord() override;
    void StartWebCameraRecord() override;
    void StartRecord() override;
    void OpenLibraryFiles() override;
    void TakeScreenshot() override;
    void ShowSchedulerPreferences(bool fromScheduler) override;
    void HandleAction(const std::string& actionId) override;

    // Screenshots show every screen side by side instead of the one under the pointer.
    void SetAllScreens(bool all) { allScreens = all; }

    // Recordings from now on really record, into folder; until then they are only reported.
    void EnableRecording(const QString& folder, const Recorder::Sources& sources);
    // Null until recording is enabled.
    Recorder* GetRecorder() const { return recorder.get(); }

    // Passes a line from elsewhere in the host to whoever shows Message.
    void Report(const QString& text) { emit Message(text); }

    // Path of the last screenshot written; empty when none was.
    QString LastScreenshot() const { return lastScreenshot; }

signals:
    // One line for the user, already translated.
    void Message(const QString& text);
    void QuitRequested();
    // A screenshot was written to path, or could not be (empty path).
    void ScreenshotFinished(const QString& path);
    // The host's own actions that reach it through the launcher ("ActionPreferences" say).
    void HostActionRequested(const QString& actionId);

private:
    void Record(const QString& call);
    // Starts or stops kind, or says what would happen when recording is not enabled.
    void ToggleRecording(Recorder::Kind kind, const QString& wouldText);
    void CaptureWhenMenusClosed(int attemptsLeft);
    void Capture();
    void Save(const QImage& picture, bool composed);

    QString screenshotsDir;
    QString lastScreenshot;
    bool allScreens = false;
    bool capturing = false;
    QList<QPointer<QWidget>> hiddenForCapture;
    QMetaObject::Connection hideWatch;
    std::unique_ptr<Recorder> recorder;
};
} // namespace OrbDemo
