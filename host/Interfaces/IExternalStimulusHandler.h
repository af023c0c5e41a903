#pragma once

namespace Zarvo::Orb
{
// Told when a module finished activating, so the host can replay queued requests.
class IExternalStimulusHandler
{
public:
    virtual ~IExternalStimulusHandler() = default;
    virtual void OnModuleActivated() = 0;
};
} // namespace Zarvo::Orb
