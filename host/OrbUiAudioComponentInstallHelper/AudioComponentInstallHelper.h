#pragma once

#include <memory>

class QAction;

namespace Zarvo::Orb
{
class IAudioProvider;
}

namespace Zarvo::Orb::UI
{
// Manages the install and uninstall actions of the optional audio component: while registered,
// only the one that applies to the current installation state is visible and enabled.
class AudioComponentInstallHelper
{
public:
    enum ActionType
    {
        Install = 0,
        Uninstall = 1,
    };

    explicit AudioComponentInstallHelper(const std::shared_ptr<IAudioProvider>& audioProvider);
    ~AudioComponentInstallHelper();

    // actionType is an ActionType; a null action or an unknown type is ignored.
    void RegisterAction(QAction* action, int actionType);
    void UnregisterAction(QAction* action);
    // Re-reads the installation state, after the host installed or removed the component.
    void Refresh();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb::UI
