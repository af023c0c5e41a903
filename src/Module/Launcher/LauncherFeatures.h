#pragma once

#include <array>
#include <string>

namespace Zarvo::Orb
{
class HotkeySettings;
}

namespace Zarvo::Orb::Module::Launcher
{
class IHandler;

namespace FeatureId
{
inline constexpr char Screenshotting[] = "screenshotting";
inline constexpr char Capturing[] = "capturing";
inline constexpr char WebcamCapturing[] = "webcamCapturing";
inline constexpr char AudioCapturing[] = "audioCapturing";
} // namespace FeatureId

// The dynamic property that carries a feature's id on its buttons in the panel and the dialog.
inline constexpr char kFeatureIdProperty[] = "featureId";

namespace ActionId
{
inline constexpr char TakeScreenshot[] = "ActionTakeScreenshotFromLauncher";
inline constexpr char StartRecord[] = "ActionStartRecordFromLauncher";
inline constexpr char StartAudioRecord[] = "ActionStartAudioRecordFromLauncher";
inline constexpr char StartWebCameraRecord[] = "ActionStartWebCameraRecordFromLauncher";
inline constexpr char OpenLibraryFiles[] = "ActionOpenLibraryFiles";
inline constexpr char SchedulerPreferences[] = "ActionSchedulerPreferences";
// Made by the host's common table.
inline constexpr char Quit[] = "ActionQuit";
inline constexpr char ShowActiveWindow[] = "ActionShowActiveWindow";
inline constexpr char Preferences[] = "ActionPreferences";
inline constexpr char InstallAudioComponent[] = "ActionInstallAudioComponent";
inline constexpr char UninstallAudioComponent[] = "ActionUninstallAudioComponent";
} // namespace ActionId

// The capture entries the menu bar and the tray menu share, in their order.
inline constexpr const char* kCaptureMenuActions[] = {ActionId::TakeScreenshot, ActionId::StartRecord,
                                                      ActionId::StartAudioRecord, ActionId::StartWebCameraRecord,
                                                      ActionId::OpenLibraryFiles};

// One launcher feature and everything that names it. Texts are marked for translation under
// their context and translated at display time; a null text means the feature has none.
struct FeatureRow
{
    const char* id;
    const char* actionId;
    const char* globalHotkeyId;
    void (IHandler::*operation)();
    std::string (HotkeySettings::*hotkey)() const;
    const char* tooltip;     // context "Sidebar"
    const char* title;       // context "SidebarCustomizationDialog"
    const char* description; // context "SidebarCustomizationDialog"
};

// In the order the hotkey texts are first read and the dock menu lists them.
extern const std::array<FeatureRow, 4> kFeatures;

// Throws std::out_of_range for an id not in kFeatures.
const FeatureRow& FeatureById(const char* id);

struct ActionRow
{
    const char* id;
    const char* text; // context "LauncherMenu"
};

// The launcher's own actions, in the order they join the host's table.
extern const std::array<ActionRow, 6> kActions;
} // namespace Zarvo::Orb::Module::Launcher
