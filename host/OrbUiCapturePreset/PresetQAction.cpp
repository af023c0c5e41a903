#include "OrbUiCapturePreset/PresetQAction.h"

#include "CallRecord/CallRecord.h"

namespace Zarvo::Orb::CapturePreset
{
PresetQAction::PresetQAction(const std::shared_ptr<const IPreset>& preset, QObject* parent)
    : QAction(parent)
    , preset(preset)
{
    if (preset)
    {
        setText(preset->GetName());
    }
}

PresetQAction::~PresetQAction() = default;

std::shared_ptr<const IPreset> PresetQAction::GetPreset() const
{
    Host::CallRecord::Add(QStringLiteral("PresetQAction::GetPreset(%1)").arg(text()));
    return preset;
}
} // namespace Zarvo::Orb::CapturePreset
