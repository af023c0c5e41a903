#pragma once

#include <string>

namespace Zarvo::Orb
{
// Told about every change of the user's hotkeys. Texts are Qt portable key-sequence text;
// an empty text means no hotkey.
class IHotkeySettingsObserver
{
public:
    virtual ~IHotkeySettingsObserver() = default;
    virtual void OnGlobalHotkeyStartStopCaptureChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyStartStopStreamingChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyPauseResumeCaptureChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyTakeScreenshotChanged(const std::string& hotkey) = 0;
    virtual void OnGlobalHotkeyShowHideOverlaysChanged(const std::string& hotkey) = 0;
    virtual void OnHotkeyForFastPresetChanged(const std::string& presetHotkeyId, const std::string& hotkey) = 0;
    virtual void OnHotkeyEnableStateChanged(bool enabled) = 0;
};
} // namespace Zarvo::Orb
