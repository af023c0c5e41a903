#include "DemoHost.h"

#include "DemoHandler.h"
#include "HotkeyBinder.h"
#include "ModuleLibrary.h"

#include "CallRecord/CallRecord.h"
#include "Hypodermic/Hypodermic.h"
#include "Interfaces/IShowActiveWindow.h"
#include "Module/Launcher/IModule.h"
#include "ModuleFramework/ActivationContext.h"
#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/HotkeySettings.h"
#include "OrbUtilUI/CaptureTrayIcon.h"
#include "OrbUtilUI/MainMenuBar.h"
#include "OrbUtilUI/WindowUtil.h"
#include "StandIns/HostRegistration.h"
#include "StandIns/PresetStorage.h"
#include "StandIns/StandIns.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <exception>
#include <typeinfo>

namespace OrbDemo
{
namespace
{
struct PresetSeed
{
    const char* name;
    const char* hotkeyId;
    const char* hotkey;
    bool enabled;
};

const PresetSeed Presets[] = {
    {"Meeting: webcam and microphone", "presetMeeting", "Ctrl+Alt+1", true},
    {"Full screen at 60 fps", "presetFullScreen", "Ctrl+Alt+2", true},
    {"Old tutorial setup (disabled)", "presetTutorial", "Ctrl+Alt+3", false},
};

// How often a desktop that started without a tray is asked again for one.
constexpr int TrayPollMs = 2000;

// Shows what the user sent in the host's log; the call record names only the source.
class DemoFeedbackController : public Zarvo::Host::FeedbackController
{
public:
    explicit DemoFeedbackController(DemoHandler& handler)
        : handler(handler)
    {
    }

    bool SendFeedback(const QString& text, const QString& source) override
    {
        const bool sent = FeedbackController::SendFeedback(text, source);
        handler.Report(DemoHost::tr("Feedback from %1: \"%2\"").arg(source, text));
        return sent;
    }

private:
    DemoHandler& handler;
};

template <class T> T* FindTopLevel(const char* className, const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (widget->inherits(className) && widget->objectName() == objectName)
        {
            return static_cast<T*>(widget);
        }
    }
    return nullptr;
}
} // namespace

using namespace Zarvo;

DemoHost::DemoHost(const QString& settingsFile, const QString& screenshotsDir, QObject* parent)
    : QObject(parent)
    , settings(std::make_shared<Host::IniApplicationSettingsManager>(settingsFile))
    , handler(std::make_unique<DemoHandler>(screenshotsDir))
    , presets(std::make_unique<Host::PresetStorage>())
{
    feedback = std::make_shared<DemoFeedbackController>(*handler);
    for (const PresetSeed& seed : Presets)
    {
        presets->Add(std::make_shared<Host::Preset>(QString::fromUtf8(seed.name), seed.hotkeyId, seed.enabled));
    }
}

DemoHost::~DemoHost()
{
    Shutdown();
}

QString DemoHost::Start(const ModuleLibrary& library)
{
    Hypodermic::ContainerBuilder builder;
    // One of each host class for the whole application, shared by the launcher and this host's controls.
    Host::HostServices services;
    services.settings = settings;
    services.feedback = feedback;
    Host::RegisterHost(builder, services, Host::HostClasses::SingleInstances);

    try
    {
        library.Register(builder);
        container = builder.build();

        auto hotkeys = container->resolve<Orb::HotkeySettings>();
        for (const PresetSeed& seed : Presets)
        {
            if (hotkeys->GetHotkeyForFastPreset(seed.hotkeyId).empty())
            {
                hotkeys->SetHotkeyForFastPreset(seed.hotkeyId, seed.hotkey);
            }
        }

        launcher = container->resolveNamed<Orb::Module::IModule>(typeid(Orb::Module::Launcher::IModule).name());
        if (!launcher)
        {
            return tr("The module library %1 registered no launcher.").arg(library.Path());
        }
        launcher->SetHandler(handler.get());
        launcher->SetPresetStorage(presets.get());
        binder = std::make_unique<HotkeyBinder>(*hotkeys, HotkeyManager(), PresetHotkeyIds());
    }
    catch (const std::exception& error)
    {
        launcher.reset();
        return tr("The launcher from %1 cannot be built: %2").arg(library.Path(), QString::fromUtf8(error.what()));
    }

    AttachTrayIconWhenAvailable();
    WatchScreens();
    if (Recorder* recorder = handler->GetRecorder())
    {
        auto* tick = new QTimer(this);
        tick->setInterval(1000);
        connect(tick, &QTimer::timeout, this, &DemoHost::ShowRecordingStatus);
        connect(recorder, &Recorder::StateChanged, this,
                [this, tick](bool recording)
                {
                    recording ? tick->start() : tick->stop();
                    ShowRecordingStatus();
                });
        // Problems only: a balloon at every start would show in the screen recording.
        connect(recorder, &Recorder::Problem, this,
                [this](const QString& text)
                {
                    if (QSystemTrayIcon* icon = container ? TrayIcon().GetSystemTrayIcon() : nullptr)
                    {
                        icon->showMessage(tr("Orb launcher demo"), text);
                    }
                });
    }
    qApp->installEventFilter(this);
    Orb::UI::Util::MaskTranslucentWindows();
    return QString();
}

QString DemoHost::RecordingStatus() const
{
    const Recorder* recorder = handler->GetRecorder();
    if (!recorder || !recorder->IsRecording())
    {
        return QString();
    }
    const qint64 seconds = recorder->ElapsedMs() / 1000;
    return tr("Recording %1 %2:%3")
        .arg(Recorder::KindName(recorder->Current()))
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void DemoHost::ShowRecordingStatus()
{
    const QString status = RecordingStatus();
    if (QSystemTrayIcon* icon = container ? TrayIcon().GetSystemTrayIcon() : nullptr)
    {
        icon->setToolTip(status.isEmpty() ? tr("Orb launcher demo") : tr("Orb launcher demo: %1").arg(status));
    }
    emit RecordingStatusChanged(status);
}

void DemoHost::AttachTrayIconWhenAvailable()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
    {
        TrayIcon().AttachSystemTrayIcon(QIcon(QStringLiteral(":/icons/app.svg")));
        ShowRecordingStatus();
        return;
    }
    // A tray may come later, with the panel of a desktop started after this program.
    QTimer::singleShot(TrayPollMs, this,
                       [this]
                       {
                           if (container)
                           {
                               AttachTrayIconWhenAvailable();
                           }
                       });
}

void DemoHost::WatchScreens()
{
    const auto watch = [this](QScreen* screen)
    {
        connect(screen, &QScreen::geometryChanged, this, &DemoHost::Redock);
        connect(screen, &QScreen::availableGeometryChanged, this, &DemoHost::Redock);
    };
    for (QScreen* screen : QGuiApplication::screens())
    {
        watch(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this,
            [this, watch](QScreen* screen)
            {
                watch(screen);
                Redock();
            });
    connect(qApp, &QGuiApplication::screenRemoved, this, &DemoHost::Redock);
}

void DemoHost::Redock()
{
    // Several screen signals in a row cost one re-dock, once Qt has moved windows off gone screens.
    if (redockPending)
    {
        return;
    }
    redockPending = true;
    QTimer::singleShot(0, this,
                       [this]
                       {
                           redockPending = false;
                           QWidget* panel = Panel();
                           if (!panel || !panel->isVisible())
                           {
                               return;
                           }
                           // The panel docks itself each time it is shown.
                           Zarvo::Host::CallRecord::Add(QStringLiteral("Demo::Redock"));
                           panel->hide();
                           panel->show();
                       });
}

bool DemoHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::LanguageChange && container)
    {
        ShowRecordingStatus();
    }
    return QObject::eventFilter(watched, event);
}

void DemoHost::Activate(bool silent)
{
    if (!launcher)
    {
        return;
    }
    launcher->Activate(Orb::Module::ActivationContext(silent ? Orb::Module::ActivationContext::Silent
                                                             : Orb::Module::ActivationContext::Normal));
    emit ActiveChanged(true);
}

void DemoHost::Deactivate()
{
    if (!launcher)
    {
        return;
    }
    launcher->Deactivate();
    emit ActiveChanged(false);
}

void DemoHost::ShowPanel()
{
    if (auto* window = dynamic_cast<Orb::IShowActiveWindow*>(launcher.get()))
    {
        window->ShowActiveWindow();
    }
}

bool DemoHost::IsActive() const
{
    return launcher && launcher->IsActive();
}

QString DemoHost::Shutdown()
{
    // Ended by ffmpeg itself, so that the file plays.
    if (Recorder* recorder = handler->GetRecorder())
    {
        recorder->Stop();
    }
    if (launcher && launcher->IsActive())
    {
        launcher->Deactivate();
    }
    binder.reset();
    launcher.reset();
    container.reset();
    if (!settings->Flush())
    {
        return tr("The settings file %1 cannot be written.").arg(settings->FilePath());
    }
    return QString();
}

QWidget* DemoHost::Panel() const
{
    return FindTopLevel<QWidget>("Zarvo::Orb::Module::Launcher::UI::Sidebar", QStringLiteral("Sidebar"));
}

QMenu* DemoHost::CaptureMenu() const
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
        {
            if (auto* menu = bar->findChild<QMenu*>(QStringLiteral("menuCapture")))
            {
                return menu;
            }
        }
    }
    return nullptr;
}

QMenu* DemoHost::TrayMenu() const
{
    return container ? TrayIcon().GetTrayMenu() : nullptr;
}

Orb::HotkeySettings& DemoHost::Hotkeys() const
{
    return *container->resolve<Orb::HotkeySettings>();
}

Orb::GlobalHotkeyManager& DemoHost::HotkeyManager() const
{
    return *container->resolve<Orb::GlobalHotkeyManager>();
}

Orb::UI::CaptureTrayIcon& DemoHost::TrayIcon() const
{
    return *container->resolve<Orb::UI::CaptureTrayIcon>();
}

QString DemoHost::SettingsFile() const
{
    return settings->FilePath();
}

QStringList DemoHost::PresetHotkeyIds()
{
    QStringList ids;
    for (const PresetSeed& seed : Presets)
    {
        ids.append(QString::fromLatin1(seed.hotkeyId));
    }
    return ids;
}

QString DemoHost::PresetName(const QString& hotkeyId)
{
    for (const PresetSeed& seed : Presets)
    {
        if (hotkeyId == QLatin1String(seed.hotkeyId))
        {
            return QString::fromUtf8(seed.name);
        }
    }
    return QString();
}
} // namespace OrbDemo
