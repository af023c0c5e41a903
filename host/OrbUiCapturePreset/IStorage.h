#pragma once

#include "OrbUiCapturePreset/IPreset.h"

#include <memory>
#include <string>
#include <vector>

namespace Zarvo::Orb::CapturePreset
{
// The host's store of capture presets.
class IStorage
{
public:
    virtual ~IStorage() = default;
    virtual std::vector<std::shared_ptr<const IPreset>> GetPresets() const = 0;
    // Empty when no preset is bound to the hotkey id.
    virtual std::shared_ptr<const IPreset> GetPresetByHotkeyId(const std::string& hotkeyId) const = 0;
};
} // namespace Zarvo::Orb::CapturePreset
