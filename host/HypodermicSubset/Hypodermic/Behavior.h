#pragma once

namespace Hypodermic
{
// Process-wide container settings. A module that keeps its own copy of this state ignores the
// host's settings, so a module's registration unit must share it with the host.
class Behavior
{
public:
    static Behavior& instance()
    {
        static Behavior behavior;
        return behavior;
    }

    // Whether a container builds unregistered concrete types on demand (on by default).
    static bool isRuntimeRegistrationEnabled() { return instance().runtimeRegistration; }
    static void configureRuntimeRegistration(bool isEnabled) { instance().runtimeRegistration = isEnabled; }

private:
    Behavior() = default;
    bool runtimeRegistration = true;
};
} // namespace Hypodermic
