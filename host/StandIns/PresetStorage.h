#pragma once

#include "OrbUiCapturePreset/IStorage.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace Zarvo::Host
{
// A capture preset that records its start instead of capturing.
class Preset : public Orb::CapturePreset::IPreset
{
public:
    Preset(const QString& name, const std::string& hotkeyId, bool enabled = true);

    QString GetName() const override;
    std::string GetHotkeyId() const override;
    bool IsEnabled() const override;
    void Start() const override;

    void SetEnabled(bool enabled) { this->enabled = enabled; }
    int StartCount() const { return startCount; }

private:
    QString name;
    std::string hotkeyId;
    bool enabled;
    mutable int startCount = 0;
};

// Presets kept in memory, in insertion order.
class PresetStorage : public Orb::CapturePreset::IStorage
{
public:
    void Add(const std::shared_ptr<Preset>& preset);

    std::vector<std::shared_ptr<const Orb::CapturePreset::IPreset>> GetPresets() const override;
    // Empty hotkey ids never match.
    std::shared_ptr<const Orb::CapturePreset::IPreset> GetPresetByHotkeyId(const std::string& hotkeyId) const override;

private:
    std::vector<std::shared_ptr<Preset>> presets;
};
} // namespace Zarvo::Host
