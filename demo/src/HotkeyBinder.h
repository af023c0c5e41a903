#pragma once

#include "OrbHotkey/GlobalHotkeyManager.h"
#include "OrbUserSettings/IHotkeySettingsObserver.h"

#include <QKeySequence>
#include <QObject>
#include <QStringList>

#include <map>
#include <string>

namespace Zarvo::Orb
{
class HotkeySettings;
}

namespace OrbDemo
{
// One global hotkey of the launcher's features the user may change.
struct FeatureHotkey
{
    const char* id;
    // Untranslated; translated in the context "OrbDemo::ControlWindow".
    const char* title;
    std::string (Zarvo::Orb::HotkeySettings::*get)() const;
    void (Zarvo::Orb::HotkeySettings::*set)(const std::string&);
};

extern const FeatureHotkey FeatureHotkeys[4];

// Keeps the hotkey manager's system-wide grabs in step with the user's hotkeys: the features'
// and the given presets', released while hotkeys are disabled.
class HotkeyBinder : public QObject, private Zarvo::Orb::IHotkeySettingsObserver
{
    Q_OBJECT
public:
    using Binding = Zarvo::Orb::GlobalHotkeyManager::Binding;

    HotkeyBinder(Zarvo::Orb::HotkeySettings& settings, Zarvo::Orb::GlobalHotkeyManager& manager,
                 const QStringList& presetIds, QObject* parent = nullptr);
    ~HotkeyBinder() override;

    // How the last binding of id went; Bound for ids without keys.
    Binding StatusOf(const QString& id) const;
    QKeySequence KeysOf(const QString& id) const;

    // Lets every combination go while the user types a new one, so that typing reaches the
    // editor; takes them again afterwards.
    void SetSuspended(bool suspended);

signals:
    void BindingChanged(const QString& id);

private:
    void Bind(const QString& id, const std::string& portableText);
    void BindAll();

    void OnGlobalHotkeyStartStopCaptureChanged(const std::string& hotkey) override;
    void OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& hotkey) override;
    void OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& hotkey) override;
    void OnGlobalHotkeyStartStopStreamingChanged(const std::string&) override {}
    void OnGlobalHotkeyPauseResumeCaptureChanged(const std::string&) override {}
    void OnGlobalHotkeyTakeScreenshotChanged(const std::string& hotkey) override;
    void OnGlobalHotkeyShowHideOverlaysChanged(const std::string&) override {}
    void OnHotkeyForFastPresetChanged(const std::string& presetHotkeyId, const std::string& hotkey) override;
    void OnHotkeyEnableStateChanged(bool enabled) override;

    struct State
    {
        QKeySequence keys;
        Binding status = Binding::Bound;
    };

    Zarvo::Orb::HotkeySettings& settings;
    Zarvo::Orb::GlobalHotkeyManager& manager;
    QStringList presetIds;
    std::map<QString, State> states;
    bool suspended = false;
};
} // namespace OrbDemo
