#pragma once

#include "ModuleFramework/IModule.h"

namespace Zarvo::Orb::Module::Launcher
{
// The launcher as a host module. Its run-time type name is the name the host resolves
// the launcher by.
class IModule : public virtual Module::IModule
{
};
} // namespace Zarvo::Orb::Module::Launcher
