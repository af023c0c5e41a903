#pragma once

#include "ModuleFramework/IHandler.h"
#include "ModuleFramework/IModule.h"

namespace Zarvo::Orb::Module
{
// Narrows the host's generic handler to the module's own handler type; handlers of
// another kind are ignored.
template <class THandler> class SpecificHandler : public virtual IModule
{
public:
    void SetHandler(IHandler* handler) override
    {
        if (handler == nullptr)
        {
            SetHandler(static_cast<THandler*>(nullptr));
            return;
        }
        if (auto* specific = dynamic_cast<THandler*>(handler))
        {
            SetHandler(specific);
        }
    }

    virtual void SetHandler(THandler* handler) = 0;
};
} // namespace Zarvo::Orb::Module
