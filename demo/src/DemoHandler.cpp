#include "DemoHandler.h"

#include "CallRecord/CallRecord.h"
#include "Snapshot.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace OrbDemo
{
namespace
{
constexpr int MenuPollMs = 20;
// A menu still open after this many looks (about two seconds) is captured with the rest.
constexpr int MenuWaitAttempts = 100;
constexpr int RepaintMs = 200;

// The panel and the launcher's windows beside it; a modal dialog would end if hidden, so it stays.
bool IsLaunchersOwn(const QWidget* window)
{
    return window->isVisible() && !window->isModal() &&
           QLatin1String(window->metaObject()->className()).startsWith(QLatin1String("Zarvo::Orb::Module::Launcher::"));
}
} // namespace

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

void DemoHandler::EnableRecording(const QString& folder, const Recorder::Sources& sources)
{
    recorder = std::make_unique<Recorder>(folder, sources);
    connect(recorder.get(), &Recorder::Message, this, &DemoHandler::Message);
}

void DemoHandler::ToggleRecording(Recorder::Kind kind, const QString& wouldText)
{
    if (!recorder)
    {
        emit Message(wouldText);
        return;
    }
    QRect area;
    if (kind == Recorder::Kind::Screen)
    {
        // The screen the panel is on, else the one under the pointer; in the display's own pixels.
        QScreen* screen = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
        {
            if (window->objectName() == QLatin1String("Sidebar") && window->isVisible())
            {
                screen = window->screen();
            }
        }
        if (!screen)
        {
            screen = QGuiApplication::screenAt(QCursor::pos());
        }
        if (!screen)
        {
            screen = QGuiApplication::primaryScreen();
        }
        if (screen && QGuiApplication::platformName() == QLatin1String("xcb"))
        {
            area = QRect(screen->geometry().topLeft(), screen->geometry().size() * screen->devicePixelRatio());
        }
    }
    recorder->Toggle(kind, area);
}

void DemoHandler::StartAudioRecord()
{
    Record(QStringLiteral("StartAudioRecord"));
    ToggleRecording(Recorder::Kind::Audio, tr("Audio recording would start now."));
}

void DemoHandler::StartWebCameraRecord()
{
    Record(QStringLiteral("StartWebCameraRecord"));
    ToggleRecording(Recorder::Kind::Webcam, tr("Webcam recording would start now."));
}

void DemoHandler::StartRecord()
{
    Record(QStringLiteral("StartRecord"));
    ToggleRecording(Recorder::Kind::Screen, tr("Screen recording would start now."));
}

void DemoHandler::OpenLibraryFiles()
{
    Record(QStringLiteral("OpenLibraryFiles"));
    emit Message(tr("The library of recorded videos would open now."));
}

void DemoHandler::TakeScreenshot()
{
    Record(QStringLiteral("TakeScreenshot"));
    // One at a time: a second request while the first waits would hide and show windows twice.
    if (capturing)
    {
        return;
    }
    capturing = true;
    // The menu or button that asked is still on screen now; look again once it has had its way.
    QTimer::singleShot(0, this, [this] { CaptureWhenMenusClosed(MenuWaitAttempts); });
}

void DemoHandler::CaptureWhenMenusClosed(int attemptsLeft)
{
    if (QApplication::activePopupWidget() && attemptsLeft > 0)
    {
        QTimer::singleShot(MenuPollMs, this, [this, attemptsLeft] { CaptureWhenMenusClosed(attemptsLeft - 1); });
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
    {
        if (IsLaunchersOwn(window))
        {
            hiddenForCapture.append(window);
            window->hide();
        }
    }
    // Hidden by the launcher itself meanwhile (deactivated, say): it stays hidden.
    hideWatch =
        connect(&Zarvo::Host::CallRecord::Instance(), &Zarvo::Host::CallRecord::CallAdded, this,
                [this](const QString& call)
                {
                    const QString prefix = QStringLiteral("Util::HideWindow(");
                    if (call.startsWith(prefix))
                    {
                        const QString name = call.mid(prefix.size()).chopped(1);
                        hiddenForCapture.erase(std::remove_if(hiddenForCapture.begin(), hiddenForCapture.end(),
                                                              [&name](const QPointer<QWidget>& window)
                                                              { return !window || window->objectName() == name; }),
                                               hiddenForCapture.end());
                    }
                });
    // The windows below what was just closed or hidden need a moment to repaint.
    QTimer::singleShot(RepaintMs, this, [this] { Capture(); });
}

void DemoHandler::Capture()
{
    const QList<QScreen*> screens =
        allScreens ? QGuiApplication::screens() : QList<QScreen*>{QGuiApplication::screenAt(QCursor::pos())};
    QRect area;
    for (QScreen* screen : screens)
    {
        area |= screen ? screen->geometry() : QRect();
    }
    QImage picture;
    bool composed = false;
    if (!area.isEmpty())
    {
        picture = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        for (QScreen* screen : screens)
        {
            const QPixmap shot = screen->grabWindow(0);
            if (shot.isNull())
            {
                composed = true;
                break;
            }
            painter.drawPixmap(QRect(screen->geometry().topLeft() - area.topLeft(), screen->geometry().size()), shot);
        }
    }
    else if (QScreen* primary = QGuiApplication::primaryScreen())
    {
        area = primary->geometry();
        composed = true;
    }
    if (composed && !area.isEmpty())
    {
        // Platforms without a screen picture (offscreen, some Wayland sessions) still have
        // this application's windows.
        picture = Snapshot::Compose(area, Snapshot::VisibleWindows());
    }

    disconnect(hideWatch);
    for (const QPointer<QWidget>& window : std::as_const(hiddenForCapture))
    {
        if (window)
        {
            window->show();
        }
    }
    hiddenForCapture.clear();
    capturing = false;
    if (picture.isNull())
    {
        emit Message(tr("No screenshot: there is no screen."));
        emit ScreenshotFinished(QString());
        return;
    }
    Save(picture, composed);
}

void DemoHandler::Save(const QImage& picture, bool composed)
{
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
        emit ScreenshotFinished(QString());
        return;
    }
    lastScreenshot = path;
    emit Message(composed ? tr("Screenshot of this application's windows saved to %1 (the platform gives no "
                               "picture of the screen).")
                                .arg(path)
                          : tr("Screenshot saved to %1.").arg(path));
    emit ScreenshotFinished(path);
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
