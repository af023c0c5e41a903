#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QMenu;
class QWidget;

namespace Hypodermic
{
class Container;
}

namespace Zarvo::Host
{
class FeedbackController;
class IniApplicationSettingsManager;
class PresetStorage;
} // namespace Zarvo::Host

namespace Zarvo::Orb
{
class GlobalHotkeyManager;
class HotkeySettings;
namespace Module
{
class IModule;
}
namespace UI
{
class CaptureTrayIcon;
}
} // namespace Zarvo::Orb

namespace OrbDemo
{
class DemoHandler;
class HotkeyBinder;
class ModuleLibrary;

// The host application in miniature: its services in a container as single instances, the
// INI-backed settings store, the launcher resolved from the loaded module, a handler and a
// few capture presets. Everything the launcher made is found by object name, as a host that
// does not link the module would.
class DemoHost : public QObject
{
    Q_OBJECT
public:
    DemoHost(const QString& settingsFile, const QString& screenshotsDir, QObject* parent = nullptr);
    ~DemoHost() override;

    // Registers the module, resolves the launcher and hands it the handler and the presets.
    // Returns the problem, or an empty string.
    QString Start(const ModuleLibrary& library);

    void Activate(bool silent);
    void Deactivate();
    // Brings the panel back expanded, as the tray's "show" entry does.
    void ShowPanel();
    bool IsActive() const;

    // Drops the launcher (its panel saves its settings on the way) and writes the settings
    // file. Returns the problem, or an empty string.
    QString Shutdown();

    QWidget* Panel() const;
    // The launcher's "Capture" menu and tray menu; null until started.
    QMenu* CaptureMenu() const;
    QMenu* TrayMenu() const;

    DemoHandler& Handler() const { return *handler; }
    Zarvo::Orb::HotkeySettings& Hotkeys() const;
    Zarvo::Orb::GlobalHotkeyManager& HotkeyManager() const;
    // Null until started.
    HotkeyBinder* Binder() const { return binder.get(); }
    Zarvo::Orb::UI::CaptureTrayIcon& TrayIcon() const;
    Zarvo::Host::FeedbackController& Feedback() const { return *feedback; }
    QString SettingsFile() const;

    // Hotkey ids the demo's capture presets are bound to, in the tray menu's order.
    static QStringList PresetHotkeyIds();
    // The name of the preset bound to hotkeyId; empty for none.
    static QString PresetName(const QString& hotkeyId);

    // "Recording screen 0:05" while a recording runs, else empty.
    QString RecordingStatus() const;

signals:
    void ActiveChanged(bool active);
    // Every second while recording, and when a recording starts or ends.
    void RecordingStatusChanged(const QString& status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AttachTrayIconWhenAvailable();
    void WatchScreens();
    void Redock();
    void ShowRecordingStatus();

    std::shared_ptr<Zarvo::Host::IniApplicationSettingsManager> settings;
    std::shared_ptr<Zarvo::Host::FeedbackController> feedback;
    std::unique_ptr<DemoHandler> handler;
    std::unique_ptr<Zarvo::Host::PresetStorage> presets;
    std::shared_ptr<Hypodermic::Container> container;
    std::shared_ptr<Zarvo::Orb::Module::IModule> launcher;
    std::unique_ptr<HotkeyBinder> binder;
    bool redockPending = false;
};
} // namespace OrbDemo
