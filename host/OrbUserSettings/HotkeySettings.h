#pragma once

#include <memory>
#include <string>

namespace Zarvo::App
{
class IApplicationSettingsManager;
}

namespace Zarvo::Orb
{
class IHotkeySettingsObserver;

// The user's global hotkeys, kept in the host's settings store under "Orb/Hotkeys/" as Qt
// portable key-sequence text. Values are read once at construction; a setter given a new value
// writes it and tells every registered observer, on the calling (GUI) thread.
class HotkeySettings
{
public:
    explicit HotkeySettings(const std::shared_ptr<App::IApplicationSettingsManager>& settingsManager);
    ~HotkeySettings();

    HotkeySettings(const HotkeySettings&) = delete;
    HotkeySettings& operator=(const HotkeySettings&) = delete;

    std::string GetGlobalHotkeyStartStopCapture() const;
    std::string GetGlobalHotkeyStartStopAudioCapture() const;
    std::string GetGlobalHotkeyStartStopWebCameraCapture() const;
    std::string GetGlobalHotkeyStartStopStreaming() const;
    std::string GetGlobalHotkeyPauseResumeCapture() const;
    std::string GetGlobalHotkeyTakeScreenshot() const;
    std::string GetGlobalHotkeyShowHideOverlays() const;
    // Keyed by the hotkey id the preset is fired under; empty when none is bound.
    std::string GetHotkeyForFastPreset(const std::string& presetHotkeyId) const;
    bool AreHotkeysEnabled() const;

    void SetGlobalHotkeyStartStopCapture(const std::string& hotkey);
    void SetGlobalHotkeyStartStopAudioCapture(const std::string& hotkey);
    void SetGlobalHotkeyStartStopWebCameraCapture(const std::string& hotkey);
    void SetGlobalHotkeyStartStopStreaming(const std::string& hotkey);
    void SetGlobalHotkeyPauseResumeCapture(const std::string& hotkey);
    void SetGlobalHotkeyTakeScreenshot(const std::string& hotkey);
    void SetGlobalHotkeyShowHideOverlays(const std::string& hotkey);
    void SetHotkeyForFastPreset(const std::string& presetHotkeyId, const std::string& hotkey);
    void SetHotkeysEnabled(bool enabled);

    // Not owned; an observer must unregister before it dies. Registering twice has no effect.
    void RegisterEventHandler(IHotkeySettingsObserver* observer);
    void UnregisterEventHandler(IHotkeySettingsObserver* observer);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb
