#include "OrbUserSettings/HotkeySettings.h"

#include "CallRecord/CallRecord.h"
#include "Interfaces/IApplicationSettingsManager.h"
#include "OrbUserSettings/IHotkeySettingsObserver.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

namespace Zarvo::Orb
{
namespace
{
const std::string KeyPrefix = "Orb/Hotkeys/";
const std::string PresetKeyPrefix = KeyPrefix + "preset/";
const std::string EnabledKey = KeyPrefix + "enabled";

using Notify = void (IHotkeySettingsObserver::*)(const std::string&);

// One stored hotkey. The key names are the ids the hotkey manager fires them under.
struct Slot
{
    const char* key;
    const char* defaultValue;
    Notify notify;
};

enum SlotIndex
{
    Capture,
    AudioCapture,
    WebCameraCapture,
    Streaming,
    PauseResume,
    Screenshot,
    Overlays,
    SlotCount
};

const Slot Slots[SlotCount] = {
    {"captureStartStop", "Ctrl+Shift+R", &IHotkeySettingsObserver::OnGlobalHotkeyStartStopCaptureChanged},
    {"audioCaptureStartStop", "Ctrl+Shift+A", &IHotkeySettingsObserver::OnGlobalHotkeyStartStopAudioCaptureChanged},
    {"webCameraCaptureStartStop", "Ctrl+Shift+W",
     &IHotkeySettingsObserver::OnGlobalHotkeyStartStopWebCameraCaptureChanged},
    {"streamingStartStop", "", &IHotkeySettingsObserver::OnGlobalHotkeyStartStopStreamingChanged},
    {"pauseResumeCapture", "Ctrl+Shift+P", &IHotkeySettingsObserver::OnGlobalHotkeyPauseResumeCaptureChanged},
    {"takeScreenshot", "Ctrl+Shift+S", &IHotkeySettingsObserver::OnGlobalHotkeyTakeScreenshotChanged},
    {"showHideOverlays", "Ctrl+Shift+O", &IHotkeySettingsObserver::OnGlobalHotkeyShowHideOverlaysChanged},
};
} // namespace

struct HotkeySettings::Impl
{
    std::shared_ptr<App::IApplicationSettingsManager> settings;
    std::string values[SlotCount];
    std::map<std::string, std::string> presetHotkeys;
    bool enabled = true;
    std::vector<IHotkeySettingsObserver*> observers;

    std::string Get(SlotIndex index, const char* operation) const
    {
        Host::CallRecord::Add(QStringLiteral("HotkeySettings::%1").arg(QLatin1String(operation)));
        return values[index];
    }

    // Observers may unregister from inside their callback, so iterate over a snapshot and
    // skip the ones gone meanwhile.
    template <class Call> void NotifyAll(const Call& call)
    {
        const auto snapshot = observers;
        for (auto* observer : snapshot)
        {
            if (std::find(observers.cbegin(), observers.cend(), observer) != observers.cend())
            {
                call(observer);
            }
        }
    }

    void Set(SlotIndex index, const std::string& hotkey)
    {
        if (values[index] == hotkey)
        {
            return;
        }
        values[index] = hotkey;
        settings->SetString(KeyPrefix + Slots[index].key, hotkey);
        const Notify notify = Slots[index].notify;
        NotifyAll([&](IHotkeySettingsObserver* observer) { (observer->*notify)(hotkey); });
    }
};

HotkeySettings::HotkeySettings(const std::shared_ptr<App::IApplicationSettingsManager>& settingsManager)
    : d(std::make_unique<Impl>())
{
    if (!settingsManager)
    {
        throw std::invalid_argument("HotkeySettings needs a settings manager");
    }
    d->settings = settingsManager;
    for (int index = 0; index < SlotCount; ++index)
    {
        d->values[index] = d->settings->GetString(KeyPrefix + Slots[index].key, Slots[index].defaultValue);
    }
    d->enabled = d->settings->GetInt(EnabledKey, 1) != 0;
}

HotkeySettings::~HotkeySettings() = default;

std::string HotkeySettings::GetGlobalHotkeyStartStopCapture() const
{
    return d->Get(Capture, "GetGlobalHotkeyStartStopCapture");
}

std::string HotkeySettings::GetGlobalHotkeyStartStopAudioCapture() const
{
    return d->Get(AudioCapture, "GetGlobalHotkeyStartStopAudioCapture");
}

std::string HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture() const
{
    return d->Get(WebCameraCapture, "GetGlobalHotkeyStartStopWebCameraCapture");
}

std::string HotkeySettings::GetGlobalHotkeyStartStopStreaming() const
{
    return d->Get(Streaming, "GetGlobalHotkeyStartStopStreaming");
}

std::string HotkeySettings::GetGlobalHotkeyPauseResumeCapture() const
{
    return d->Get(PauseResume, "GetGlobalHotkeyPauseResumeCapture");
}

std::string HotkeySettings::GetGlobalHotkeyTakeScreenshot() const
{
    return d->Get(Screenshot, "GetGlobalHotkeyTakeScreenshot");
}

std::string HotkeySettings::GetGlobalHotkeyShowHideOverlays() const
{
    return d->Get(Overlays, "GetGlobalHotkeyShowHideOverlays");
}

std::string HotkeySettings::GetHotkeyForFastPreset(const std::string& presetHotkeyId) const
{
    const auto found = d->presetHotkeys.find(presetHotkeyId);
    if (found != d->presetHotkeys.cend())
    {
        return found->second;
    }
    return d->settings->GetString(PresetKeyPrefix + presetHotkeyId, std::string());
}

bool HotkeySettings::AreHotkeysEnabled() const
{
    return d->enabled;
}

void HotkeySettings::SetGlobalHotkeyStartStopCapture(const std::string& hotkey)
{
    d->Set(Capture, hotkey);
}

void HotkeySettings::SetGlobalHotkeyStartStopAudioCapture(const std::string& hotkey)
{
    d->Set(AudioCapture, hotkey);
}

void HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture(const std::string& hotkey)
{
    d->Set(WebCameraCapture, hotkey);
}

void HotkeySettings::SetGlobalHotkeyStartStopStreaming(const std::string& hotkey)
{
    d->Set(Streaming, hotkey);
}

void HotkeySettings::SetGlobalHotkeyPauseResumeCapture(const std::string& hotkey)
{
    d->Set(PauseResume, hotkey);
}

void HotkeySettings::SetGlobalHotkeyTakeScreenshot(const std::string& hotkey)
{
    d->Set(Screenshot, hotkey);
}

void HotkeySettings::SetGlobalHotkeyShowHideOverlays(const std::string& hotkey)
{
    d->Set(Overlays, hotkey);
}

void HotkeySettings::SetHotkeyForFastPreset(const std::string& presetHotkeyId, const std::string& hotkey)
{
    if (GetHotkeyForFastPreset(presetHotkeyId) == hotkey)
    {
        return;
    }
    d->presetHotkeys[presetHotkeyId] = hotkey;
    d->settings->SetString(PresetKeyPrefix + presetHotkeyId, hotkey);
    d->NotifyAll([&](IHotkeySettingsObserver* observer)
                 { observer->OnHotkeyForFastPresetChanged(presetHotkeyId, hotkey); });
}

void HotkeySettings::SetHotkeysEnabled(bool enabled)
{
    if (d->enabled == enabled)
    {
        return;
    }
    d->enabled = enabled;
    d->settings->SetInt(EnabledKey, enabled ? 1 : 0);
    d->NotifyAll([&](IHotkeySettingsObserver* observer) { observer->OnHotkeyEnableStateChanged(enabled); });
}

void HotkeySettings::RegisterEventHandler(IHotkeySettingsObserver* observer)
{
    Host::CallRecord::Add(QStringLiteral("HotkeySettings::RegisterEventHandler"));
    if (observer && std::find(d->observers.cbegin(), d->observers.cend(), observer) == d->observers.cend())
    {
        d->observers.push_back(observer);
    }
}

void HotkeySettings::UnregisterEventHandler(IHotkeySettingsObserver* observer)
{
    Host::CallRecord::Add(QStringLiteral("HotkeySettings::UnregisterEventHandler"));
    d->observers.erase(std::remove(d->observers.begin(), d->observers.end(), observer), d->observers.end());
}
} // namespace Zarvo::Orb
