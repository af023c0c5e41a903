#pragma once

#include "OrbUiActionsController/ActionContext.h"

#include <QVector>

namespace Zarvo::Orb::UI::Action
{
// The host's common actions, placed before every module's own table.
// Holds at least "ActionShowActiveWindow", "ActionPreferences", "ActionQuit",
// "ActionInstallAudioComponent" and "ActionUninstallAudioComponent".
QVector<ActionContext> GetCommonActionParameters();
} // namespace Zarvo::Orb::UI::Action
