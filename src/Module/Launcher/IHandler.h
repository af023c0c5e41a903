#pragma once

#include "ModuleFramework/IHandler.h"

namespace Zarvo::Orb::Module::Launcher
{
// What the host does for the launcher: every feature, action and hotkey ends here.
class IHandler : public virtual Module::IHandler
{
public:
    virtual void Quit() = 0;
    virtual void StartAudioRecord() = 0;
    virtual void StartWebCameraRecord() = 0;
    virtual void StartRecord() = 0;
    virtual void OpenLibraryFiles() = 0;
    virtual void TakeScreenshot() = 0;
    virtual void ShowSchedulerPreferences(bool fromScheduler) = 0;
};
} // namespace Zarvo::Orb::Module::Launcher
