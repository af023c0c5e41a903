#pragma once

#include <cstdint>

namespace Zarvo::Orb::Module
{
struct ActivationContext
{
    enum Mode : int32_t
    {
        Normal = 0,
        Silent = 1, // activate without showing the module's window
    };

    ActivationContext() = default;
    explicit ActivationContext(int32_t mode)
        : mode(mode)
    {
    }
    virtual ~ActivationContext() = default;

    int32_t mode = Normal;
};
} // namespace Zarvo::Orb::Module
