#include "HotkeyBinder.h"

#include "OrbUserSettings/HotkeySettings.h"

namespace OrbDemo
{
using Zarvo::Orb::HotkeySettings;

const FeatureHotkey FeatureHotkeys[4] = {
    {"takeScreenshot", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Take screenshot"),
     &HotkeySettings::GetGlobalHotkeyTakeScreenshot, &HotkeySettings::SetGlobalHotkeyTakeScreenshot},
    {"captureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop recording"),
     &HotkeySettings::GetGlobalHotkeyStartStopCapture, &HotkeySettings::SetGlobalHotkeyStartStopCapture},
    {"audioCaptureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop audio recording"),
     &HotkeySettings::GetGlobalHotkeyStartStopAudioCapture, &HotkeySettings::SetGlobalHotkeyStartStopAudioCapture},
    {"webCameraCaptureStartStop", QT_TRANSLATE_NOOP("OrbDemo::ControlWindow", "Start or stop webcam recording"),
     &HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture,
     &HotkeySettings::SetGlobalHotkeyStartStopWebCameraCapture},
};

HotkeyBinder::HotkeyBinder(HotkeySettings& settings, Zarvo::Orb::GlobalHotkeyManager& manager,
                           const QStringList& presetIds, QObject* parent)
    : QObject(parent)
    , settings(settings)
    , manager(manager)
    , presetIds(presetIds)
{
    settings.RegisterEventHandler(this);
    BindAll();
}

HotkeyBinder::~HotkeyBinder()
{
    settings.UnregisterEventHandler(this);
    for (const auto& entry : states)
    {
        manager.Bind(entry.first, QKeySequence());
    }
}

HotkeyBinder::Binding HotkeyBinder::StatusOf(const QString& id) const
{
    const auto found = states.find(id);
    return found == states.end() ? Binding::Bound : found->second.status;
}

QKeySequence HotkeyBinder::KeysOf(const QString& id) const
{
    const auto found = states.find(id);
    return found == states.end() ? QKeySequence() : found->second.keys;
}

void HotkeyBinder::SetSuspended(bool suspend)
{
    if (suspended != suspend)
    {
        suspended = suspend;
        BindAll();
    }
}

void HotkeyBinder::Bind(const QString& id, const std::string& portableText)
{
    State& state = states[id];
    state.keys = settings.AreHotkeysEnabled()
                     ? QKeySequence::fromString(QString::fromStdString(portableText), QKeySequence::PortableText)
                     : QKeySequence();
    state.status = manager.Bind(id, suspended ? QKeySequence() : state.keys);
    emit BindingChanged(id);
}

void HotkeyBinder::BindAll()
{
    for (const FeatureHotkey& hotkey : FeatureHotkeys)
    {
        Bind(QString::fromLatin1(hotkey.id), (settings.*hotkey.get)());
    }
    for (const QString& id : presetIds)
    {
        Bind(id, settings.GetHotkeyForFastPreset(id.toStdString()));
    }
}

void HotkeyBinder::OnGlobalHotkeyStartStopCaptureChanged(const std::string& hotkey)
{
    Bind(QStringLiteral("captureStartStop"), hotkey);
}

void HotkeyBinder::OnGlobalHotkeyStartStopAudioCaptureChanged(const std::string& hotkey)
{
    Bind(QStringLiteral("audioCaptureStartStop"), hotkey);
}

void HotkeyBinder::OnGlobalHotkeyStartStopWebCameraCaptureChanged(const std::string& hotkey)
{
    Bind(QStringLiteral("webCameraCaptureStartStop"), hotkey);
}

void HotkeyBinder::OnGlobalHotkeyTakeScreenshotChanged(const std::string& hotkey)
{
    Bind(QStringLiteral("takeScreenshot"), hotkey);
}

void HotkeyBinder::OnHotkeyForFastPresetChanged(const std::string& presetHotkeyId, const std::string& hotkey)
{
    const QString id = QString::fromStdString(presetHotkeyId);
    if (presetIds.contains(id))
    {
        Bind(id, hotkey);
    }
}

void HotkeyBinder::OnHotkeyEnableStateChanged(bool)
{
    BindAll();
}
} // namespace OrbDemo
