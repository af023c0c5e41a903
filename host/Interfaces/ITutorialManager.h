#pragma once

#include <functional>

namespace Zarvo::Orb::Service::Tutorial
{
class ITutorialManager
{
public:
    virtual ~ITutorialManager() = default;
    virtual bool IsTutorialShown(int tutorial) const = 0;
    // The callback runs when the tutorial is closed; it may be empty.
    virtual void ShowTutorial(int tutorial, const std::function<void()>& callback) = 0;
};
} // namespace Zarvo::Orb::Service::Tutorial
