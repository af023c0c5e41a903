#pragma once

#include "Module/Launcher/UI/Sidebar/SettingsWrapper.h"
#include "Module/Launcher/UI/Sidebar/SidebarTypes.h"

#include <QPoint>

#include <memory>
#include <string>

namespace Zarvo::Orb::Module::Launcher::UI
{
// The panel's persisted values under "Orb/Sidebar/". Reads map out-of-range values to the
// defaults; writes touch the store only when a value changed. The first holder of a process
// turns a stored Hidden state back into the last visible one, so the panel reappears at start.
class SidebarSettings
{
public:
    explicit SidebarSettings(std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager);

    QPoint ReadPosition() const;
    ScreenEdge ReadScreenEdge() const;
    SidebarUiState ReadUiState() const;
    // Never Hidden.
    SidebarUiState ReadLastVisibleUiState() const;
    std::string ReadAdditionalFeatureId() const;

    void WritePosition(const QPoint& position);
    void WriteScreenEdge(ScreenEdge edge);
    void WriteUiState(SidebarUiState state);
    void WriteAdditionalFeatureId(const std::string& featureId);

private:
    std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager;
    SettingsWrapper<QPoint> positionSetting;
    SettingsWrapper<int> screenEdgeSetting;
    SettingsWrapper<int> uiStateSetting;
    SettingsWrapper<int> lastVisibleUiStateSetting;
    SettingsWrapper<std::string> additionalFeatureIdSetting;
};
} // namespace Zarvo::Orb::Module::Launcher::UI
