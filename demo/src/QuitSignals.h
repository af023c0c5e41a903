#pragma once

class QCoreApplication;

namespace OrbDemo
{
// Turns SIGTERM and SIGINT into a normal quit of app's event loop, so that everything after
// exec() (the panel saving its place, the settings file written) still runs. Call once.
void QuitOnTerminationSignals(QCoreApplication& app);
} // namespace OrbDemo
