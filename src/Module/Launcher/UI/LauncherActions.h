#pragma once

#include "OrbModuleLauncherExport.h"
#include "OrbUiActionsController/ActionContext.h"

#include <QVector>

namespace Zarvo::Orb::Module::Launcher::UI::Action
{
// The launcher's six named actions, appended to the host's common table. Shortcuts start
// empty; hotkey tracking sets them at run time.
ORB_MODULE_LAUNCHER_EXPORT QVector<::Zarvo::Orb::UI::Action::ActionContext> GetLauncherActionParameters();
} // namespace Zarvo::Orb::Module::Launcher::UI::Action
