#include "Module/Launcher/LauncherFeatures.h"

#include "Module/Launcher/IHandler.h"
#include "OrbUserSettings/HotkeySettings.h"

#include <QCoreApplication>

#include <cstring>
#include <stdexcept>

namespace Zarvo::Orb::Module::Launcher
{
const std::array<FeatureRow, 4> kFeatures = {{
    {FeatureId::Capturing, ActionId::StartRecord, "captureStartStop", &IHandler::StartRecord,
     &HotkeySettings::GetGlobalHotkeyStartStopCapture, QT_TRANSLATE_NOOP("Sidebar", "Capturing tooltip"), nullptr,
     nullptr},
    {FeatureId::AudioCapturing, ActionId::StartAudioRecord, "audioCaptureStartStop", &IHandler::StartAudioRecord,
     &HotkeySettings::GetGlobalHotkeyStartStopAudioCapture, QT_TRANSLATE_NOOP("Sidebar", "Audio capturing tooltip"),
     QT_TRANSLATE_NOOP("SidebarCustomizationDialog", "Record audio"),
     QT_TRANSLATE_NOOP("SidebarCustomizationDialog", "Record audio only and get an .mp3 file.")},
    {FeatureId::WebcamCapturing, ActionId::StartWebCameraRecord, "webCameraCaptureStartStop",
     &IHandler::StartWebCameraRecord, &HotkeySettings::GetGlobalHotkeyStartStopWebCameraCapture,
     QT_TRANSLATE_NOOP("Sidebar", "Webcam capturing tooltip"),
     QT_TRANSLATE_NOOP("SidebarCustomizationDialog", "Record webcam"),
     QT_TRANSLATE_NOOP("SidebarCustomizationDialog", "Record webcam video only.")},
    {FeatureId::Screenshotting, ActionId::TakeScreenshot, "takeScreenshot", &IHandler::TakeScreenshot,
     &HotkeySettings::GetGlobalHotkeyTakeScreenshot, QT_TRANSLATE_NOOP("Sidebar", "Screenshotting tooltip"), nullptr,
     nullptr},
}};

const FeatureRow& FeatureById(const char* id)
{
    for (const auto& row : kFeatures)
    {
        if (std::strcmp(row.id, id) == 0)
            return row;
    }
    throw std::out_of_range(id);
}

const std::array<ActionRow, 6> kActions = {{
    {ActionId::OpenLibraryFiles, QT_TRANSLATE_NOOP("LauncherMenu", "Preview Recorded Videos")},
    {ActionId::StartRecord, QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start record")},
    {ActionId::StartAudioRecord, QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start audio record")},
    {ActionId::StartWebCameraRecord, QT_TRANSLATE_NOOP("LauncherMenu", "Configure and start webcamera record")},
    {ActionId::SchedulerPreferences, QT_TRANSLATE_NOOP("LauncherMenu", "Scheduler Preferences...")},
    {ActionId::TakeScreenshot, QT_TRANSLATE_NOOP("LauncherMenu", "Take Screenshot")},
}};
} // namespace Zarvo::Orb::Module::Launcher
