#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class QProcess;

namespace OrbDemo
{
// Records with ffmpeg run as a child process: the screen (X11 only) or the webcam to MP4, audio
// to MP3. One recording at a time; asking again for the running kind stops it, which lets
// ffmpeg finish the file itself. Every start, stop and problem is one line through Message.
class Recorder : public QObject
{
    Q_OBJECT
public:
    enum class Kind
    {
        Screen,
        Audio,
        Webcam,
    };

    // Where each kind reads from; Detect fills in what this machine has.
    struct Sources
    {
        QString ffmpeg;
        // Empty without an X11 display.
        QString x11Display;
        // "pulse" or "alsa", and the device.
        QString audioFormat;
        QString audioDevice;
        // Empty without a camera.
        QString camera;
        // ffmpeg's generated picture and tone stand in for the camera and the microphone.
        bool generated = false;

        static Sources Detect();
    };

    Recorder(const QString& folder, const Sources& sources, QObject* parent = nullptr);
    ~Recorder() override;

    // Starts kind, or stops it when it runs; refuses while another kind runs. screenArea is the
    // screen to record, in X11 pixels.
    void Toggle(Kind kind, const QRect& screenArea = QRect());
    void Stop();

    bool IsRecording() const;
    Kind Current() const { return current; }
    qint64 ElapsedMs() const;
    // The file of the running or last recording.
    QString FilePath() const { return filePath; }

    // The ffmpeg arguments for kind writing to file.
    static QStringList Arguments(Kind kind, const Sources& sources, const QRect& screenArea, const QString& file);
    // "screen", "audio" or "webcam": file names and the call record.
    static QString KindId(Kind kind);
    // The same for the user, translated.
    static QString KindName(Kind kind);

signals:
    // One line for the user, already translated.
    void Message(const QString& text);
    // A line about something missing or gone wrong; Message carries it too.
    void Problem(const QString& text);
    void StateChanged(bool recording);
    // A recording ended; empty path when it failed.
    void Finished(const QString& path);

private:
    QString MissingPart(Kind kind, const QRect& screenArea) const;
    void Start(Kind kind, const QRect& screenArea);
    void OnFinished();

    QString folder;
    Sources sources;
    QProcess* process = nullptr;
    Kind current = Kind::Screen;
    QString filePath;
    QElapsedTimer clock;
    bool stopping = false;
    QStringList lastLines;
};
} // namespace OrbDemo
