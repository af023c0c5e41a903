#include "Recorder.h"

#include "CallRecord/CallRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace OrbDemo
{
namespace
{
// ffmpeg writes the MP4 index and closes the MP3 after "q"; a file still open after this long is cut.
constexpr int StopWaitMs = 10000;
constexpr int KeptLines = 4;

QString FirstCamera()
{
    const QStringList cameras =
        QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System, QDir::Name);
    return cameras.isEmpty() ? QString() : QStringLiteral("/dev/") + cameras.first();
}

bool PulseAudioRuns()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
    {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

const char* Extension(Recorder::Kind kind)
{
    return kind == Recorder::Kind::Audio ? "mp3" : "mp4";
}

void Record(const QString& call)
{
    Zarvo::Host::CallRecord::Add(QStringLiteral("Recorder::") + call);
}
} // namespace

Recorder::Sources Recorder::Sources::Detect()
{
    Sources sources;
    sources.ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    sources.x11Display = qEnvironmentVariable("DISPLAY");
    const bool pulse = PulseAudioRuns();
    sources.audioFormat = pulse ? QStringLiteral("pulse") : QStringLiteral("alsa");
    sources.audioDevice = QStringLiteral("default");
    sources.camera = FirstCamera();
    return sources;
}

Recorder::Recorder(const QString& folder, const Sources& sources, QObject* parent)
    : QObject(parent)
    , folder(folder)
    , sources(sources)
{
    connect(this, &Recorder::Problem, this, &Recorder::Message);
}

Recorder::~Recorder()
{
    Stop();
}

QString Recorder::KindId(Kind kind)
{
    switch (kind)
    {
    case Kind::Screen:
        return QStringLiteral("screen");
    case Kind::Audio:
        return QStringLiteral("audio");
    case Kind::Webcam:
        return QStringLiteral("webcam");
    }
    return QString();
}

QString Recorder::KindName(Kind kind)
{
    switch (kind)
    {
    case Kind::Screen:
        return tr("screen");
    case Kind::Audio:
        return tr("audio");
    case Kind::Webcam:
        return tr("webcam");
    }
    return QString();
}

QStringList Recorder::Arguments(Kind kind, const Sources& sources, const QRect& screenArea, const QString& file)
{
    QStringList arguments{QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-loglevel"),
                          QStringLiteral("error"), QStringLiteral("-y")};
    const QStringList video{QStringLiteral("-c:v"),      QStringLiteral("libx264"),  QStringLiteral("-preset"),
                            QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")};
    switch (kind)
    {
    case Kind::Screen:
        // x264 wants even sizes.
        arguments << QStringLiteral("-f") << QStringLiteral("x11grab") << QStringLiteral("-framerate")
                  << QStringLiteral("25") << QStringLiteral("-video_size")
                  << QStringLiteral("%1x%2").arg(screenArea.width() & ~1).arg(screenArea.height() & ~1)
                  << QStringLiteral("-i")
                  << QStringLiteral("%1+%2,%3").arg(sources.x11Display).arg(screenArea.x()).arg(screenArea.y())
                  << video;
        break;
    case Kind::Audio:
        if (sources.generated)
        {
            arguments << QStringLiteral("-re") << QStringLiteral("-f") << QStringLiteral("lavfi")
                      << QStringLiteral("-i") << QStringLiteral("sine=frequency=440:sample_rate=44100");
        }
        else
        {
            arguments << QStringLiteral("-f") << sources.audioFormat << QStringLiteral("-i") << sources.audioDevice;
        }
        arguments << QStringLiteral("-c:a") << QStringLiteral("libmp3lame");
        break;
    case Kind::Webcam:
        if (sources.generated)
        {
            arguments << QStringLiteral("-re") << QStringLiteral("-f") << QStringLiteral("lavfi")
                      << QStringLiteral("-i") << QStringLiteral("testsrc=size=320x240:rate=25");
        }
        else
        {
            arguments << QStringLiteral("-f") << QStringLiteral("v4l2") << QStringLiteral("-i") << sources.camera;
        }
        arguments << video;
        break;
    }
    return arguments << file;
}

QString Recorder::MissingPart(Kind kind, const QRect& screenArea) const
{
    if (sources.ffmpeg.isEmpty() || !QFileInfo(sources.ffmpeg).isExecutable())
    {
        return tr("No recording: ffmpeg is not installed (apt-get install ffmpeg).");
    }
    if (kind == Kind::Screen && (sources.x11Display.isEmpty() || screenArea.isEmpty()))
    {
        return tr("No screen recording: it needs an X11 display, and this desktop is not one (Wayland or none).");
    }
    if (kind == Kind::Webcam && !sources.generated && sources.camera.isEmpty())
    {
        return tr("No webcam recording: there is no camera (/dev/video*).");
    }
    if (!QDir().mkpath(folder))
    {
        return tr("No recording: the folder %1 cannot be created.").arg(folder);
    }
    return QString();
}

void Recorder::Toggle(Kind kind, const QRect& screenArea)
{
    if (IsRecording())
    {
        if (kind == current)
        {
            Stop();
        }
        else
        {
            Record(QStringLiteral("Refused(%1)").arg(KindId(kind)));
            emit Problem(
                tr("Already recording %1; stop it before recording %2.").arg(KindName(current), KindName(kind)));
        }
        return;
    }
    Start(kind, screenArea);
}

void Recorder::Start(Kind kind, const QRect& screenArea)
{
    const QString problem = MissingPart(kind, screenArea);
    if (!problem.isEmpty())
    {
        Record(QStringLiteral("Unavailable(%1)").arg(KindId(kind)));
        emit Problem(problem);
        return;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    filePath =
        QDir(folder).filePath(QStringLiteral("orb-%1-%2.%3").arg(KindId(kind), stamp, QLatin1String(Extension(kind))));
    for (int n = 2; QFileInfo::exists(filePath); ++n)
    {
        filePath = QDir(folder).filePath(
            QStringLiteral("orb-%1-%2-%3.%4").arg(KindId(kind), stamp).arg(n).arg(QLatin1String(Extension(kind))));
    }

    current = kind;
    stopping = false;
    lastLines.clear();
    process = new QProcess(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    connect(process, &QProcess::readyRead, this,
            [this]
            {
                const QStringList lines =
                    QString::fromLocal8Bit(process->readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                lastLines += lines;
                while (lastLines.size() > KeptLines)
                {
                    lastLines.removeFirst();
                }
            });
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &Recorder::OnFinished);
    connect(process, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error)
            {
                if (error == QProcess::FailedToStart)
                {
                    lastLines << process->errorString();
                    OnFinished();
                }
            });
    process->start(sources.ffmpeg, Arguments(kind, sources, screenArea, filePath));
    clock.start();
    Record(QStringLiteral("Started(%1)").arg(KindId(kind)));
    emit Message(tr("Recording %1 into %2.").arg(KindName(kind), filePath));
    emit StateChanged(true);
}

void Recorder::Stop()
{
    if (!IsRecording())
    {
        return;
    }
    stopping = true;
    // ffmpeg's own quit key: it finishes the file instead of leaving it cut.
    process->write("q");
    process->closeWriteChannel();
    if (!process->waitForFinished(StopWaitMs))
    {
        process->kill();
        process->waitForFinished();
    }
}

bool Recorder::IsRecording() const
{
    return process != nullptr;
}

qint64 Recorder::ElapsedMs() const
{
    return IsRecording() ? clock.elapsed() : 0;
}

void Recorder::OnFinished()
{
    if (!process)
    {
        return;
    }
    QProcess* finished = process;
    process = nullptr;
    finished->deleteLater();
    lastLines += QString::fromLocal8Bit(finished->readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const bool clean = finished->exitStatus() == QProcess::NormalExit && finished->exitCode() == 0 &&
                       finished->error() != QProcess::FailedToStart;
    emit StateChanged(false);
    if (stopping && clean)
    {
        Record(QStringLiteral("Stopped(%1)").arg(KindId(current)));
        emit Message(tr("Recording of %1 saved to %2 (%3 s).")
                         .arg(KindName(current), filePath)
                         .arg(clock.elapsed() / 1000.0, 0, 'f', 1));
        emit Finished(filePath);
        return;
    }
    Record(QStringLiteral("Failed(%1)").arg(KindId(current)));
    const QStringList tail = lastLines.mid(qMax(0, lastLines.size() - KeptLines));
    const QString said = tail.isEmpty() ? tr("nothing") : tail.join(QStringLiteral(" | "));
    // Audio that ends at once is a missing server or device more often than a crash.
    emit Problem(
        current == Kind::Audio && clock.elapsed() < 2000
            ? tr("No audio recording: neither PulseAudio nor ALSA's default device answered; ffmpeg said: %1").arg(said)
            : tr("Recording of %1 ended by itself; ffmpeg said: %2").arg(KindName(current), said));
    emit Finished(QString());
}
} // namespace OrbDemo
