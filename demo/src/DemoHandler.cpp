#include "DemoHandler.h"

#include "CallRecord/CallRecord.h"
#include "Snapshot.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace OrbDemo
{
DemoHandler::DemoHandler(const QString& screenshotsDir, QObject* parent)
    : QObject(parent)
    , screenshotsDir(screenshotsDir)
{
}

void DemoHandler::Record(const QString& call)
{
    Zarvo::Host::CallRecord::Add(QStringLiteral("Handler::") + call);
}

void DemoHandler::Quit()
{
    Record(QStringLiteral("Quit"));
    emit Message(tr("Quit requested."));
    emit QuitRequested();
}

void DemoHandler::StartAudioRecord()
{
    Record(QStringLiteral("StartAudioRecord"));
    emit Message(tr("Audio recording would start now."));
}

void DemoHandler::StartWebCameraRecord()
{
    Record(QStringLiteral("StartWebCameraRecord"));
    emit Message(tr("Webcam recording would start now."));
}

void DemoHandler::StartRecord()
{
    Record(QStringLiteral("StartRecord"));
    emit Message(tr("Screen recording would start now."));
}

void DemoHandler::OpenLibraryFiles()
{
    Record(QStringLiteral("OpenLibraryFiles"));
    emit Message(tr("The library of recorded videos would open now."));
}

void DemoHandler::TakeScreenshot()
{
    Record(QStringLiteral("TakeScreenshot"));
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
    {
        emit Message(tr("No screenshot: there is no screen."));
        return;
    }
    QImage picture = screen->grabWindow(0).toImage();
    bool composed = false;
    if (picture.isNull())
    {
        // Platforms without a screen picture (offscreen, some Wayland sessions) still have
        // this application's windows.
        picture = Snapshot::Compose(screen->geometry(), Snapshot::VisibleWindows());
        composed = true;
    }

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QDir folder(screenshotsDir);
    QString path = folder.filePath(QStringLiteral("orb-screenshot-%1.png").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
    {
        path = folder.filePath(QStringLiteral("orb-screenshot-%1-%2.png").arg(stamp).arg(n));
    }
    if (!picture.save(path, "PNG"))
    {
        emit Message(tr("No screenshot: %1 cannot be written.").arg(path));
        return;
    }
    lastScreenshot = path;
    emit Message(composed ? tr("Screenshot of this application's windows saved to %1 (the platform gives no "
                               "picture of the screen).")
                                .arg(path)
                          : tr("Screenshot saved to %1.").arg(path));
}

void DemoHandler::ShowSchedulerPreferences(bool fromScheduler)
{
    Record(QStringLiteral("ShowSchedulerPreferences(%1)").arg(fromScheduler ? "true" : "false"));
    emit Message(tr("The scheduler preferences would open now."));
}

void DemoHandler::HandleAction(const std::string& actionId)
{
    const QString id = QString::fromStdString(actionId);
    Record(QStringLiteral("HandleAction(%1)").arg(id));
    emit Message(tr("Host action %1.").arg(id));
    emit HostActionRequested(id);
}
} // namespace OrbDemo
