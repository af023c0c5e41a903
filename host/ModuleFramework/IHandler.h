#pragma once

#include <string>

namespace Zarvo::Orb::Module
{
// The host's generic handler; module-specific handlers derive from it virtually.
class IHandler
{
public:
    virtual ~IHandler() = default;
    // Receives every action id a module does not handle itself.
    virtual void HandleAction(const std::string& actionId) = 0;
};
} // namespace Zarvo::Orb::Module
