#pragma once

#include "ModuleFramework/IModule.h"

#include <memory>
#include <vector>

namespace Zarvo::Orb::Module
{
// Framework base of a module: keeps the host pointer, held objects and the active flag,
// and turns Activate/Deactivate into the DoActivate/DoDeactivate hooks.
class AbstractModule : public virtual IModule
{
public:
    void SetHost(IHost* host) override { this->host = host; }
    void HoldObject(const std::shared_ptr<void>& object) override { heldObjects.push_back(object); }
    bool IsActive() const override { return active; }

    void Activate(const ActivationContext& context) override
    {
        DoActivate(context);
        active = true;
    }

    void Activate() override
    {
        DoActivate();
        active = true;
    }

    void Deactivate() override
    {
        DoDeactivate();
        active = false;
    }

    bool IsAvailable() const override { return true; }
    void OnHostInitialized() override {}
    void SetPresetStorage(CapturePreset::IStorage*) override {}
    bool IsExclusive() const override { return false; }
    bool CanDeactivate() const override { return true; }

protected:
    virtual void DoActivate(const ActivationContext&) { DoActivate(); }
    virtual void DoActivate() {}
    virtual void DoDeactivate() {}

    IHost* GetHost() const { return host; }

private:
    IHost* host = nullptr;
    std::vector<std::shared_ptr<void>> heldObjects;
    bool active = false;
};
} // namespace Zarvo::Orb::Module
