#pragma once

namespace Zarvo::Orb
{
// Knows whether the optional audio capture component is installed.
class IAudioProvider
{
public:
    virtual ~IAudioProvider() = default;
    virtual bool IsAudioComponentInstalled() const = 0;
};
} // namespace Zarvo::Orb
