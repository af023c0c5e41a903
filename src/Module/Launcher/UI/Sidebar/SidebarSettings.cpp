#include "Module/Launcher/UI/Sidebar/SidebarSettings.h"

namespace Zarvo::Orb::Module::Launcher::UI
{
namespace
{
const std::string KeyPrefix = "Orb/Sidebar/";

// Lies on no screen, so a missing position leads to the default placement.
constexpr QPoint DefaultPosition(16777215, 16777215);

// Only the first panel of a run brings a hidden panel back; later ones keep Hidden.
bool hiddenStateFixedThisProcess = false;

std::string Key(const char* name)
{
    return KeyPrefix + name;
}
} // namespace

SidebarSettings::SidebarSettings(std::shared_ptr<Zarvo::App::IApplicationSettingsManager> manager)
    : manager(manager)
    , positionSetting(manager, Key("sidebar_position"), DefaultPosition)
    , screenEdgeSetting(manager, Key("sidebar_screen_edge"), ScreenEdge::None)
    , uiStateSetting(manager, Key("sidebar_ui_state"), SidebarUiState::Maximized)
    , lastVisibleUiStateSetting(manager, Key("sidebar_last_visible_ui_state"), SidebarUiState::Maximized)
    , additionalFeatureIdSetting(manager, Key("sidebar_additional_feature_id"), std::string())
{
    if (!hiddenStateFixedThisProcess)
    {
        if (uiStateSetting.Get() == SidebarUiState::Hidden)
        {
            // Copied raw: an odd stored value is mapped when it is read, not here.
            uiStateSetting.Set(lastVisibleUiStateSetting.Get());
        }
        hiddenStateFixedThisProcess = true;
    }
}

QPoint SidebarSettings::ReadPosition() const
{
    return positionSetting.Get();
}

ScreenEdge SidebarSettings::ReadScreenEdge() const
{
    const int edge = screenEdgeSetting.Get();
    switch (edge)
    {
    case ScreenEdge::Left:
    case ScreenEdge::Top:
    case ScreenEdge::Right:
    case ScreenEdge::Bottom:
        return static_cast<ScreenEdge>(edge);
    default:
        return ScreenEdge::None;
    }
}

SidebarUiState SidebarSettings::ReadUiState() const
{
    const int state = uiStateSetting.Get();
    switch (state)
    {
    case SidebarUiState::Maximized:
    case SidebarUiState::Compacted:
    case SidebarUiState::Hidden:
        return static_cast<SidebarUiState>(state);
    default:
        return SidebarUiState::Maximized;
    }
}

SidebarUiState SidebarSettings::ReadLastVisibleUiState() const
{
    return lastVisibleUiStateSetting.Get() == SidebarUiState::Compacted ? SidebarUiState::Compacted
                                                                        : SidebarUiState::Maximized;
}

std::string SidebarSettings::ReadAdditionalFeatureId() const
{
    return additionalFeatureIdSetting.Get();
}

void SidebarSettings::WritePosition(const QPoint& position)
{
    positionSetting.Set(position);
}

void SidebarSettings::WriteScreenEdge(ScreenEdge edge)
{
    screenEdgeSetting.Set(edge);
}

void SidebarSettings::WriteUiState(SidebarUiState state)
{
    uiStateSetting.Set(state);
    // The state to come back to after a restart: never Hidden.
    if (state != SidebarUiState::Hidden)
    {
        lastVisibleUiStateSetting.Set(state);
    }
}

void SidebarSettings::WriteAdditionalFeatureId(const std::string& featureId)
{
    additionalFeatureIdSetting.Set(featureId);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
