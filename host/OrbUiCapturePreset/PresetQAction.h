#pragma once

#include "OrbUiCapturePreset/IPreset.h"

#include <QAction>

#include <memory>

namespace Zarvo::Orb::CapturePreset
{
// A menu entry that starts one capture preset.
class PresetQAction : public QAction
{
    Q_OBJECT
public:
    explicit PresetQAction(const std::shared_ptr<const IPreset>& preset, QObject* parent = nullptr);
    ~PresetQAction() override;

    std::shared_ptr<const IPreset> GetPreset() const;

private:
    std::shared_ptr<const IPreset> preset;
};
} // namespace Zarvo::Orb::CapturePreset
