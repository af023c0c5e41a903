#pragma once

#include <QDialog>

namespace Zarvo::Orb::Module::Launcher::UI
{
// The flags and helpers of the module's translucent frameless windows.
void MakeTranslucentFrameless(QDialog* window);
} // namespace Zarvo::Orb::Module::Launcher::UI
