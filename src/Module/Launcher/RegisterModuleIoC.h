#pragma once

#include "OrbModuleLauncherExport.h"

namespace Hypodermic
{
class ContainerBuilder;
}

namespace Zarvo::Orb::Module::Launcher
{
// The module's entry into the host: registers the launcher so that the host resolves it as
// Module::IModule named typeid(Launcher::IModule).name(). Every resolution builds a new launcher.
ORB_MODULE_LAUNCHER_EXPORT void RegisterModuleIoC(Hypodermic::ContainerBuilder& builder);
} // namespace Zarvo::Orb::Module::Launcher

// The same entry under a fixed unmangled name, for hosts that find it with QLibrary::resolve.
extern "C" ORB_MODULE_LAUNCHER_EXPORT void OrbModuleLauncher_RegisterModuleIoC(Hypodermic::ContainerBuilder* builder);
