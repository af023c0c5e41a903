#pragma once

namespace Zarvo::Orb
{
// A module that can bring its main window to the front on the host's request.
class IShowActiveWindow
{
public:
    virtual ~IShowActiveWindow() = default;
    virtual void ShowActiveWindow() = 0;
};
} // namespace Zarvo::Orb
