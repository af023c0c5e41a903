#include "StandIns/PresetStorage.h"

#include "CallRecord/CallRecord.h"

namespace Zarvo::Host
{
Preset::Preset(const QString& name, const std::string& hotkeyId, bool enabled)
    : name(name)
    , hotkeyId(hotkeyId)
    , enabled(enabled)
{
}

QString Preset::GetName() const
{
    return name;
}

std::string Preset::GetHotkeyId() const
{
    return hotkeyId;
}

bool Preset::IsEnabled() const
{
    CallRecord::Add(QStringLiteral("Preset::IsEnabled(%1)").arg(name));
    return enabled;
}

void Preset::Start() const
{
    CallRecord::Add(QStringLiteral("Preset::Start(%1)").arg(name));
    ++startCount;
}

void PresetStorage::Add(const std::shared_ptr<Preset>& preset)
{
    if (preset)
    {
        presets.push_back(preset);
    }
}

std::vector<std::shared_ptr<const Orb::CapturePreset::IPreset>> PresetStorage::GetPresets() const
{
    return {presets.cbegin(), presets.cend()};
}

std::shared_ptr<const Orb::CapturePreset::IPreset> PresetStorage::GetPresetByHotkeyId(const std::string& hotkeyId) const
{
    CallRecord::Add(QStringLiteral("PresetStorage::GetPresetByHotkeyId(%1)").arg(QString::fromStdString(hotkeyId)));
    if (hotkeyId.empty())
    {
        return nullptr;
    }
    for (const auto& preset : presets)
    {
        if (preset->GetHotkeyId() == hotkeyId)
        {
            return preset;
        }
    }
    return nullptr;
}
} // namespace Zarvo::Host
