#pragma once

#include "ModuleFramework/ActivationContext.h"

#include <memory>

namespace Zarvo::Orb::CapturePreset
{
class IStorage;
}

namespace Zarvo::Orb::Module
{
class IHandler;
class IHost;

// A module as the host sees it: the host hands it a handler and activates it.
class IModule
{
public:
    virtual ~IModule() = default;
    virtual void SetHost(IHost* host) = 0;
    virtual void SetHandler(IHandler* handler) = 0;
    virtual void HoldObject(const std::shared_ptr<void>& object) = 0;
    virtual bool IsActive() const = 0;
    virtual void Activate(const ActivationContext& context) = 0;
    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual bool IsAvailable() const = 0;
    virtual void OnHostInitialized() = 0;
    virtual void SetPresetStorage(CapturePreset::IStorage* storage) = 0;
    virtual bool IsExclusive() const = 0;
    virtual bool CanDeactivate() const = 0;
};
} // namespace Zarvo::Orb::Module
